// "Zaawansowane opcje konfiguracji wydruku": the ten figure sizes in and out,
// their range, and making them the defaults of new projects.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "components/Realedit.h"
#include "core/CommonParamsUnit.h"
#include "core/ProjectSession.h"
#include "core/SettingsStore.h"
#include "printing/CalcZaawansowane.h"
#include "tests/core/support/TestSupport.h"

using namespace orv;

namespace {

const char* const kEdits[10] = {"WymRys1_x1", "WymRys1_y1", "WymRys2_x1", "WymRys2_y1", "WymRys3_x1",
                                "WymRys3_y1", "WymRys4_x1", "WymRys4_y1", "WymRys5_x1", "WymRys5_y1"};

class AdvancedOptions : public ::testing::Test {
protected:
    void SetUp() override
    {
        orvtest::EnsureApp<QApplication>();
        prev = BindSettingsStore(&store);
    }
    void TearDown() override { BindSettingsStore(prev); }

    static TSpinRealEdit* Edit(const QWidget& form, int i)
    {
        return form.findChild<TSpinRealEdit*>(QString::fromLatin1(kEdits[i]));
    }
    static void Press(const QWidget& form, const char* name)
    {
        QPushButton* b = form.findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(b, nullptr) << name;
        b->click();
    }

    MemorySettingsStore store;
    ISettingsStore* prev = nullptr;
    const TFigureSizes project{10.0, 8.0, 12.0, 9.0, 11.0, 7.5, 10.0, 8.0, 6.0, 6.0};
};

} // namespace

TEST_F(AdvancedOptions, TheFormShowsTheSizesAndOkTakesThemBack)
{
    TBeginPrintAdv form;
    EXPECT_EQ(form.windowTitle(), "Zaawansowane opcje konfiguracji wydruku");
    QStringList groups;
    for (const QLabel* l : form.findChildren<QLabel*>())
        if (l->text().startsWith(QStringLiteral("Ściana")) || l->text() == QStringLiteral("Słup")) groups << l->text();
    EXPECT_EQ(groups, QStringList({"Ściana obciążona osiowo", "Ściana obciążona poziomo", "Ściana obciążona siłą skupioną",
                                   "Ściana piwnic", "Słup"}));
    form.setSizes(project);
    form.show();
    for (int i = 0; i < 10; ++i) {
        TSpinRealEdit* e = Edit(form, i);
        ASSERT_NE(e, nullptr) << kEdits[i];
        EXPECT_DOUBLE_EQ(e->value(), project[i]) << kEdits[i];
        EXPECT_EQ(e->minValue(), 3.0);
        EXPECT_EQ(e->maxValue(), 20.0);
        EXPECT_EQ(e->toolTip(), i % 2 == 0 ? "Szerokość rysunku" : "Wysokość rysunku");
    }
    Edit(form, 5)->setValue(13.3);
    Edit(form, 5)->UpClick(); // one step of 0.1
    Press(form, "BitBtn1");
    EXPECT_EQ(form.result(), QDialog::Accepted);
    TFigureSizes expected = project;
    expected[5] = 13.4;
    for (int i = 0; i < 10; ++i) EXPECT_NEAR(form.sizes()[i], expected[i], 1e-9) << i;
}

TEST_F(AdvancedOptions, ASizeOutOfRangeKeepsTheFormOpen)
{
    orvtest::MessageRecorder messages;
    TBeginPrintAdv form;
    form.setSizes(project);
    form.show();
    Edit(form, 8)->setText("25");
    Press(form, "BitBtn1");
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.result(), 0);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Wartość spoza zakresu.\rWartość maksymalna: 20,0");
    EXPECT_EQ(form.sizes(), project);
}

TEST_F(AdvancedOptions, DefaultsAreSavedOnlyOnYesAndCancelKeepsTheProjectsSizes)
{
    ProjectSession session;
    orvtest::MessageRecorder messages;
    TFigureSizes sizes = project;
    int saved = 0;
    auto save = [&](const TFigureSizes& s) {
        ++saved;
        session.SaveCalcSettings(s);
    };

    QTimer::singleShot(0, [&] {
        QWidget* form = QApplication::activeModalWidget();
        ASSERT_NE(form, nullptr);
        Edit(*form, 0)->setValue(15.0);
        messages.answer = mrNo;
        Press(*form, "BitBtn2");
        EXPECT_EQ(saved, 0);
        messages.answer = mrYes;
        Press(*form, "BitBtn2");
        EXPECT_EQ(saved, 1);
        EXPECT_TRUE(form->isVisible()); // the form stays open
        Press(*form, "BitBtn4");        // "Anuluj"
    });
    EXPECT_FALSE(ShowAdvancedPrintOptions(nullptr, sizes, save));
    EXPECT_EQ(sizes, project);
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[1].headline, "Ustawić te dane jako domyślne?");
    EXPECT_EQ(messages.messages[1].text,
              "Czy chcesz zmienić ustawienia programu tak, aby nowe projekty otrzymały domyślne wartości "
              "rozmiarów rysunku takie jak są ustawione obecnie?");
    EXPECT_EQ(messages.messages[1].type, mdConfirmation);
    EXPECT_EQ(messages.messages[1].buttons, unsigned(mbYes | mbNo));

    // the new defaults are there for new projects
    TFigureSizes defaults{};
    ReadAdvancedSettings(SettingsKey::Program, defaults);
    TFigureSizes expected = project;
    expected[0] = 15.0;
    EXPECT_EQ(defaults, expected);
}

TEST_F(AdvancedOptions, EnterMovesOnAndHelpOpensItsTopic)
{
    TBeginPrintAdv form;
    std::string topic;
    form.onHelp = [&](const std::string& t) { topic = t; };
    form.setSizes(project);
    form.show();
    QApplication::setActiveWindow(&form);
    Edit(form, 0)->setFocus();
    QTest::keyClick(Edit(form, 0), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), Edit(form, 1));
    EXPECT_TRUE(form.isVisible());
    Press(form, "BitBtn3");
    EXPECT_EQ(topic, "wydruk_zaawansowane");
}
