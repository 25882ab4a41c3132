// Stored colours and fonts as the widgets see them.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QGuiApplication>
#include <QPalette>

#include "components/StoredAppearance.h"
#include "core/CommonParamsUnit.h"
#include "core/SettingsStore.h"
#include "drawing/Canvas.h"

using namespace orv;

TEST(StoredAppearance, CellColourAndFont)
{
    const QColor c = ColorToQColor(11071212); // 0xA8EEEC
    EXPECT_EQ(c, QColor(0xEC, 0xEE, 0xA8));
    EXPECT_EQ(QColorToColor(c), 0xA8EEECu);

    orvtest::EnsureApp();
    MemorySettingsStore store;
    ISettingsStore* old = BindSettingsStore(&store);
    EXPECT_EQ(CellBackgroundColor(), QColor(0xEC, 0xEE, 0xA8));
    store.writeBool(SettingsKey::Maker, "Parametrs", "UserBackgroundCellColor", false);
    EXPECT_EQ(CellBackgroundColor(), QGuiApplication::palette().color(QPalette::Base));
    BindSettingsStore(old);

    const QFont f = StoredFont("Arial", 10);
    EXPECT_EQ(f.family(), "Arial");
    EXPECT_EQ(f.pointSize(), 10);
}
