// The calculation trace window: the lines of the trace it is handed, the
// refresh on demand, the stored font and the context menu.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

#include <cstring>
#include <memory>

#include "core/SettingsStore.h"
#include "core/ZunCalc.h"
#include "dialogs/CalcSts.h"

using namespace orv;

namespace {

QPlainTextEdit* MemoOf(const TCalculateSts& w)
{
    return w.findChild<QPlainTextEdit*>("Memo1");
}

QAction* ActionOf(const TCalculateSts& w, const char* name)
{
    return w.findChild<QAction*>(name);
}

// The default element (wall 25 x 100 x 300 cm) with N_0d 150 kN.
std::unique_ptr<TCalcInput> LoadedWall()
{
    auto in = std::make_unique<TCalcInput>();
    std::memset(in.get(), 0, sizeof *in);
    InitElementRecord(*in);
    in->Nod = 150;
    return in;
}

} // namespace

TEST(CalcSts, ShowsTheTraceOfACalculation)
{
    orvtest::EnsureApp<QApplication>();
    TCalculateSts w;
    EXPECT_EQ(w.windowTitle(), "Podgląd toku obliczeń");
    EXPECT_TRUE(w.windowFlags() & Qt::WindowStaysOnTopHint);
    QPlainTextEdit* memo = MemoOf(w);
    ASSERT_NE(memo, nullptr);
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_EQ(memo->toPlainText(), "Podgląd toku obliczeń....");

    TTraceLines lines;
    TCalcResults results;
    auto in = LoadedWall();
    ASSERT_EQ(CalcElement(lines, *in, results), 0);
    w.setTraceLines(&lines);
    w.show();
    // One text line per trace line, the empty ones included.
    ASSERT_EQ(memo->blockCount(), static_cast<int>(lines.size()));
    EXPECT_EQ(memo->document()->findBlockByNumber(0).text(), "ŚCIANA OBCIĄŻONA PIONOWO (model przegubowy):");
    EXPECT_EQ(memo->document()->findBlockByNumber(1).text(), "");
    EXPECT_EQ(memo->document()->lastBlock().text().toStdString(), lines.back());

    // A new calculation shows once the window is told to refresh.
    in->Case = ccColumn;
    in->Sily[0].NSd = 100;
    ASSERT_EQ(CalcElement(lines, *in, results), 0);
    EXPECT_EQ(memo->document()->findBlockByNumber(0).text(), "ŚCIANA OBCIĄŻONA PIONOWO (model przegubowy):");
    w.refresh();
    EXPECT_EQ(memo->document()->findBlockByNumber(0).text(), "SŁUP OBCIĄŻONY PIONOWO (model przegubowy):");
    EXPECT_EQ(memo->blockCount(), static_cast<int>(lines.size()));

    // Closing hides; a refresh while hidden shows on the next showing.
    w.close();
    EXPECT_FALSE(w.isVisible());
    lines = {"pierwsza", "", "trzecia"};
    w.refresh();
    w.show();
    EXPECT_EQ(memo->toPlainText(), "pierwsza\n\ntrzecia");

    lines.clear();
    w.refresh();
    EXPECT_EQ(memo->toPlainText(), "");
    w.setTraceLines(nullptr);
    EXPECT_EQ(memo->toPlainText(), "Podgląd toku obliczeń....");
}

TEST(CalcSts, FontFromTheStoredSettings)
{
    orvtest::EnsureApp<QApplication>();
    MemorySettingsStore store;
    ISettingsStore* old = BindSettingsStore(&store);
    {
        // Nothing stored: "MS Sans Serif", 16 halves to 8 points.
        TCalculateSts w;
        EXPECT_EQ(MemoOf(w)->font().family(), "MS Sans Serif");
        EXPECT_EQ(MemoOf(w)->font().pointSize(), 8);
    }
    store.writeString(SettingsKey::Maker, "Parametrs", "FontName PW", "Courier New");
    store.writeInteger(SettingsKey::Maker, "Parametrs", "FontSize PW", 20);
    TCalculateSts w;
    EXPECT_EQ(MemoOf(w)->font().family(), "Courier New");
    EXPECT_EQ(MemoOf(w)->font().pointSize(), 10);
    // Sizes that are no font size fall back to 8 points.
    for (int size : {0, 1, -20, 100000}) {
        store.writeInteger(SettingsKey::Maker, "Parametrs", "FontSize PW", size);
        w.applyStoredFont();
        EXPECT_EQ(MemoOf(w)->font().pointSize(), 8) << size;
    }
    store.writeInteger(SettingsKey::Maker, "Parametrs", "FontSize PW", 24);
    w.applyStoredFont();
    EXPECT_EQ(MemoOf(w)->font().pointSize(), 12);
    BindSettingsStore(old);
}

TEST(CalcSts, ContextMenuCopiesTheSelection)
{
    orvtest::EnsureApp<QApplication>();
    TCalculateSts w;
    TTraceLines lines = {"Siła w przekroju 1-1 N_1d = 150,00 kN", "Mimośród e_1 = 1,0 cm"};
    w.setTraceLines(&lines);
    w.show();

    QAction* copy = ActionOf(w, "Kopiuj1");
    QAction* all = ActionOf(w, "Zaznaczwszystko1");
    QAction* font = ActionOf(w, "Czcionka1");
    ASSERT_TRUE(copy && all && font);
    EXPECT_EQ(copy->text(), "Kopiuj");
    EXPECT_EQ(all->text(), "Zaznacz wszystko");
    EXPECT_EQ(font->text(), "Czcionka");
    EXPECT_EQ(w.popupMenu()->actions().size(), 4); // a separator before "Czcionka"

    w.PopupMenu1Popup();
    EXPECT_FALSE(copy->isEnabled());
    all->trigger();
    EXPECT_TRUE(MemoOf(w)->textCursor().hasSelection());
    w.PopupMenu1Popup();
    EXPECT_TRUE(copy->isEnabled());
    EXPECT_TRUE(font->isEnabled());

    QApplication::clipboard()->clear();
    copy->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(),
              "Siła w przekroju 1-1 N_1d = 150,00 kN\nMimośród e_1 = 1,0 cm");
}

TEST(CalcSts, MinimisingRollsUpAndMaximisingGivesTheHeightBack)
{
    orvtest::EnsureApp<QApplication>();
    TCalculateSts w;
    w.resize(500, 380);
    w.show();
    ASSERT_EQ(w.height(), 380);
    w.setWindowState(Qt::WindowMinimized);
    QApplication::processEvents();
    EXPECT_TRUE(w.rolledUp());
    EXPECT_FALSE(w.windowState() & Qt::WindowMinimized);
    EXPECT_LT(w.height(), 50);
    EXPECT_FALSE(w.memo()->isVisible());
    EXPECT_TRUE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMinimizeButtonHint);

    w.setWindowState(Qt::WindowMaximized);
    QApplication::processEvents();
    EXPECT_FALSE(w.rolledUp());
    EXPECT_EQ(w.height(), 380);

    // Rolled up and down directly, the window gets its height back exactly.
    TCalculateSts v;
    v.resize(500, 360);
    v.show();
    v.rollUp();
    EXPECT_LT(v.height(), 50);
    v.rollDown();
    EXPECT_EQ(v.height(), 360);
    EXPECT_FALSE(w.windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(w.memo()->isVisible());
}
