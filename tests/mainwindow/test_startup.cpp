// What the program shows of itself at start-up: the splash (later the about
// box), the welcome dialog and the product line of every printed page.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QApplication>
#include <QLabel>

#include "core/MyUtils.h"
#include "mainwindow/OPROGRAM4.h"
#include "mainwindow/ZunWelcome.h"
#include "printing/PrintSettings.h"

using namespace orv;

// One version, the project's own (ORV_PROJECT_VERSION from the build), in
// the splash, the welcome dialog and the page header's product line.
TEST(StartupTexts, OneVersionFromTheBuildEverywhere)
{
    orvtest::EnsureApp<QApplication>();
    const std::string version = GetVersionText(false);
    EXPECT_EQ(version.rfind(ORV_PROJECT_VERSION, 0), 0u) << version;

    TAbout4 about;
    about.show();
    auto* splashVersion = about.findChild<QLabel*>(QStringLiteral("Label2"));
    ASSERT_NE(splashVersion, nullptr);
    EXPECT_EQ(splashVersion->text().toStdString(), "v." + version);

    TWelcomeDlg welcome;
    auto* product = welcome.findChild<QLabel*>(QStringLiteral("Label10"));
    ASSERT_NE(product, nullptr);
    EXPECT_EQ(product->text().toStdString(), "Orvandel  v." + version);

    EXPECT_EQ(ProductLine(), "Orvandel " + version);
}
