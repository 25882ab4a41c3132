// The print set-up dialog: the range tree against the header bytes, the
// header fields and the comment going back, what marks the project
// modified, the two modes, the printer list and the library hooks.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include <cstring>

#include "components/DialogRunner.h"
#include "components/HelpRouterUnit.h"
#include "components/Realedit.h"
#include "core/CommonParamsUnit.h"
#include "core/SettingsStore.h"
#include "printing/CurrentPrinter.h"
#include "printing/PrintSettings.h"
#include "printing/WydrukStart4.h"
#include "tests/core/support/TestSupport.h"

using namespace orv;

namespace {

class PrintSetup : public ::testing::Test {
protected:
    void SetUp() override
    {
        orvtest::EnsureApp<QApplication>();
        prev = BindSettingsStore(&store);
        InitProjectHeader("Jan Kowalski", in);
        in.Title.set("Budynek A");
        in.Object.set("Hala");
        in.ProjectNumber.set("12/2024");
        const TFigureSizes sizes{10.0, 8.0, 12.0, 9.0, 11.0, 7.5, 10.0, 8.0, 6.0, 6.0};
        SetFigureSizes(in, sizes);
        // every element; its name, data, results and figure but no assumptions
        std::memcpy(in.PrintParts, "\1\1\1\0\1\0\1\0", 8);
        comments = {"Uwaga:", "obciążenia wg PN"};
    }
    void TearDown() override
    {
        BindSettingsStore(prev);
        if (THelpWindow* w = HelpWindow()) delete w;
    }

    // A dialog filled as the main window fills it, and shown.
    void Open(TBeginPrint2& d, int mode = 0, bool modified = false)
    {
        d.showPrintingSettings = [](QObject*, TPoint&) { return false; };
        d.showWordInsertSettings = [](QObject*, TPoint&) { return false; };
        d.setHeader(in);
        d.setModified(modified);
        d.setMode(mode);
        d.setCommentLines(comments);
        d.show();
    }
    template <typename T>
    static T* Find(const QWidget& d, const char* name)
    {
        T* w = d.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    static void Press(const QWidget& d, const char* name)
    {
        if (auto* b = Find<QPushButton>(d, name)) b->click();
    }
    static QTreeWidgetItem* Row(const QWidget& d, const char* text)
    {
        auto* tree = Find<QTreeWidget>(d, "VirtualStringTree1");
        const auto found = tree->findItems(QString::fromUtf8(text), Qt::MatchExactly | Qt::MatchRecursive);
        EXPECT_EQ(found.size(), 1) << text;
        return found.isEmpty() ? nullptr : found.front();
    }
    static u8 Byte(const TProjectHeader& h, int offset) { return reinterpret_cast<const u8*>(&h)[offset]; }
    static bool SameBytes(const TProjectHeader& a, const TProjectHeader& b)
    {
        return std::memcmp(&a, &b, sizeof a) == 0;
    }

    MemorySettingsStore store;
    ISettingsStore* prev = nullptr;
    TProjectHeader in{};
    std::vector<std::string> comments;
};

} // namespace

TEST_F(PrintSetup, RangeTreeShowsAndWritesTheHeaderBytes)
{
    TBeginPrint2 d;
    Open(d);
    auto* tree = Find<QTreeWidget>(d, "VirtualStringTree1");
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), "ELEMENTY");
    EXPECT_EQ(tree->topLevelItem(1)->text(0), "ZAKRES");
    // the headings carry no check mark of their own
    EXPECT_FALSE(tree->topLevelItem(0)->data(0, Qt::CheckStateRole).isValid());
    EXPECT_EQ(tree->topLevelItem(1)->childCount(), 5);

    QTreeWidgetItem* all = Row(d, "Wszystkie elementy");
    QTreeWidgetItem* active = Row(d, "Aktywny element");
    ASSERT_TRUE(all && active);
    EXPECT_EQ(all->checkState(0), Qt::Checked);     // +1113
    EXPECT_EQ(active->checkState(0), Qt::Unchecked); // +1114
    EXPECT_EQ(Row(d, "Nazwa elementu")->checkState(0), Qt::Checked); // +1115
    EXPECT_EQ(Row(d, "Założenia")->checkState(0), Qt::Unchecked);    // +1112
    EXPECT_EQ(Row(d, "Dane")->checkState(0), Qt::Checked);           // +1109

    // The user clicks the indicator of "Aktywny element".
    tree->scrollToItem(active);
    QStyleOptionViewItem opt;
    opt.initFrom(tree);
    opt.rect = tree->visualItemRect(active);
    opt.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    const QRect mark = tree->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &opt, tree);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, mark.center());
    EXPECT_EQ(active->checkState(0), Qt::Checked);
    EXPECT_EQ(all->checkState(0), Qt::Unchecked);
    EXPECT_EQ(Byte(d.header(), 1113), 0);
    EXPECT_EQ(Byte(d.header(), 1114), 1);
    EXPECT_TRUE(d.modified());

    // A chosen radio row stays chosen when clicked again.
    active->setCheckState(0, Qt::Unchecked);
    EXPECT_EQ(active->checkState(0), Qt::Checked);
    EXPECT_EQ(Byte(d.header(), 1114), 1);

    // A section: "Rysunek" is flag 3, byte +1111.
    Row(d, "Rysunek")->setCheckState(0, Qt::Unchecked);
    EXPECT_EQ(Byte(d.header(), 1111), 0);
    EXPECT_EQ(Byte(d.header(), 1110), 1); // "Wyniki" untouched

    // Back to what came in: nothing differs, nothing to save.
    Row(d, "Rysunek")->setCheckState(0, Qt::Checked);
    all->setCheckState(0, Qt::Checked);
    EXPECT_EQ(active->checkState(0), Qt::Unchecked);
    EXPECT_TRUE(SameBytes(d.header(), in));
    EXPECT_FALSE(d.modified());
}

TEST_F(PrintSetup, EditedHeaderFieldsGoBackOnCloseAndOk)
{
    for (const char* button : {"CloseBtn", "OKBtn"}) {
        TBeginPrint2 d;
        Open(d);
        Find<QLineEdit>(d, "autor1")->setText("Anna Nowak");
        Find<QLineEdit>(d, "tytul1")->setText("Szkoła");
        Find<QLineEdit>(d, "obiekt1")->setText("Sala gimnastyczna");
        Find<QLineEdit>(d, "nr_projektu1")->setText("7/2025");
        Find<TIntegerSpinEdit>(d, "str1")->setText("3");
        Find<TIntegerSpinEdit>(d, "il_str1")->setText("40");
        Find<QRadioButton>(d, "RadioButton2")->setChecked(true);
        Find<QPlainTextEdit>(d, "Memo1")->setPlainText("pierwsza\n\ntrzecia");
        Press(d, button);
        EXPECT_EQ(d.result(), std::string(button) == "OKBtn" ? TBeginPrint2::ResultPrint : TBeginPrint2::ResultClose);
        const TProjectHeader& h = d.header();
        EXPECT_EQ(h.Author.str(), "Anna Nowak");
        EXPECT_EQ(h.Title.str(), "Szkoła");
        EXPECT_EQ(h.Object.str(), "Sala gimnastyczna");
        EXPECT_EQ(h.ProjectNumber.str(), "7/2025");
        EXPECT_EQ(h.FirstPage, 3);
        EXPECT_EQ(h.PageCount, 40);
        EXPECT_EQ(Byte(h, 1108), 2); // after the report
        EXPECT_EQ(d.commentLines(), (std::vector<std::string>{"pierwsza", "", "trzecia"}));
        EXPECT_TRUE(d.modified());
    }
}

TEST_F(PrintSetup, CancelTakesNothingBack)
{
    TBeginPrint2 d;
    Open(d);
    Find<QLineEdit>(d, "autor1")->setText("Ktoś inny");
    Find<QPlainTextEdit>(d, "Memo1")->setPlainText("nowy");
    Row(d, "Dane")->setCheckState(0, Qt::Unchecked);
    ASSERT_TRUE(d.modified());
    // "Podgląd" stores the fields before the user gives up
    d.onPreview = [](const TProjectHeader&, const std::vector<std::string>&) { return false; };
    Press(d, "Button1");
    Press(d, "CancelBtn");
    EXPECT_EQ(d.result(), TBeginPrint2::ResultCancel);
    EXPECT_TRUE(SameBytes(d.header(), in));
    EXPECT_EQ(d.commentLines(), comments);
    EXPECT_FALSE(d.modified());
}

TEST_F(PrintSetup, AnyFieldThatDiffersMarksTheProjectModified)
{
    struct Case {
        const char* what;
        std::function<void(TBeginPrint2&)> edit;
    };
    const std::vector<Case> cases = {
        {"object", [](TBeginPrint2& d) { Find<QLineEdit>(d, "obiekt1")->setText("Hala B"); }},
        {"project number", [](TBeginPrint2& d) { Find<QLineEdit>(d, "nr_projektu1")->setText("13/2024"); }},
        {"total pages", [](TBeginPrint2& d) { Find<TIntegerSpinEdit>(d, "il_str1")->UpClick(); }},
        {"comment place", [](TBeginPrint2& d) { Find<QRadioButton>(d, "RadioButton1")->setChecked(true); }},
        {"comment lines", [](TBeginPrint2& d) { Find<QPlainTextEdit>(d, "Memo1")->appendPlainText("dopisek"); }},
        {"author", [](TBeginPrint2& d) { Find<QLineEdit>(d, "autor1")->setText("J. Kowalski"); }},
        {"first page", [](TBeginPrint2& d) { Find<TIntegerSpinEdit>(d, "str1")->setText("2"); }},
        {"figure sizes",
         [](TBeginPrint2& d) {
             d.showAdvancedOptions = [](QWidget*, TFigureSizes& sizes) {
                 sizes[9] = 4.5;
                 return true;
             };
             Press(d, "Button2");
         }},
    };
    for (const Case& c : cases) {
        TBeginPrint2 d;
        Open(d);
        c.edit(d);
        Press(d, "OKBtn");
        EXPECT_EQ(d.result(), TBeginPrint2::ResultPrint) << c.what;
        EXPECT_TRUE(d.modified()) << c.what;
        EXPECT_FALSE(SameBytes(d.header(), in) && d.commentLines() == comments) << c.what;
    }
}

TEST_F(PrintSetup, TextsAreCutAndKeepTheirPolishLetters)
{
    TBeginPrint2 d;
    Open(d);
    const QString longTitle(300, QChar(0x0105)); // "ą" x 300
    Find<QLineEdit>(d, "autor1")->setText("Zażółć gęślą jaźń");
    Find<QLineEdit>(d, "tytul1")->setText(longTitle);
    Press(d, "OKBtn");
    const TProjectHeader h = d.header();
    // "ż" is 0xBF and "ą" 0xB9 in code page 1250, one byte each
    EXPECT_EQ(h.Author.raw().size(), 17u);
    EXPECT_EQ(static_cast<u8>(h.Author.raw()[2]), 0xBF);
    EXPECT_EQ(Byte(h, 340), 255); // the title's length byte
    EXPECT_EQ(h.Title.raw(), std::string(255, '\xB9'));

    // Shown again with a comment holding an empty line, under either flag:
    // the same texts, and OK, even through the advanced options confirmed
    // with the same sizes, changes nothing.
    in = h;
    comments = {"", "ćma"};
    for (bool modifiedIn : {false, true}) {
        TBeginPrint2 again;
        Open(again, 0, modifiedIn);
        EXPECT_EQ(Find<QLineEdit>(again, "autor1")->text(), "Zażółć gęślą jaźń");
        EXPECT_EQ(Find<QLineEdit>(again, "tytul1")->text(), longTitle.left(255));
        again.showAdvancedOptions = [](QWidget*, TFigureSizes&) { return true; };
        Press(again, "Button2");
        Press(again, "OKBtn");
        EXPECT_EQ(again.result(), TBeginPrint2::ResultPrint);
        EXPECT_EQ(again.modified(), modifiedIn);
        EXPECT_TRUE(SameBytes(again.header(), in));
        EXPECT_EQ(again.commentLines(), comments);
    }
}

TEST_F(PrintSetup, PreviewSeesTheStoredFieldsAndMayPrint)
{
    TBeginPrint2 d;
    Open(d);
    TProjectHeader seen{};
    std::vector<std::string> seenLines;
    bool print = false;
    d.onPreview = [&](const TProjectHeader& h, const std::vector<std::string>& lines) {
        seen = h;
        seenLines = lines;
        return print;
    };
    Find<QLineEdit>(d, "obiekt1")->setText("Magazyn");
    Find<QRadioButton>(d, "RadioButton1")->setChecked(true);
    Find<QPlainTextEdit>(d, "Memo1")->setPlainText("do wglądu");
    Press(d, "Button1");
    EXPECT_EQ(seen.Object.str(), "Magazyn");
    EXPECT_EQ(seen.CommentPlace, 1);
    EXPECT_EQ(seenLines, std::vector<std::string>{"do wglądu"});
    EXPECT_TRUE(d.isVisible()); // no printing asked: the dialog stays
    EXPECT_EQ(d.result(), 0);

    print = true;
    Press(d, "Button1");
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), TBeginPrint2::ResultPrint);
}

TEST_F(PrintSetup, ModesShowTheirPagesButtonsAndHelp)
{
    TBeginPrint2 d;
    Open(d, 1);
    auto* pages = Find<QTabWidget>(d, "PageControl1");
    ASSERT_EQ(pages->count(), 3);
    EXPECT_EQ(d.windowTitle(), "Wstaw do edytora");
    EXPECT_FALSE(pages->isTabVisible(0));
    EXPECT_TRUE(pages->isTabVisible(1));
    EXPECT_FALSE(pages->isTabVisible(2));
    EXPECT_EQ(pages->tabText(pages->currentIndex()), "Konfiguracja wydruku");
    EXPECT_TRUE(Find<QPushButton>(d, "Button1")->isHidden());
    EXPECT_EQ(Find<QPushButton>(d, "Button3")->toolTip(), "Ustawienia parametrów notki obliczeniowej");
    // "Ustawienia" opens the editor-insert settings, at a place not yet given
    TPoint placeSeen{};
    d.showWordInsertSettings = [&](QObject*, TPoint& place) {
        placeSeen = place;
        return true;
    };
    d.showPrintingSettings = [](QObject*, TPoint&) {
        ADD_FAILURE() << "printing settings in editor mode";
        return false;
    };
    Press(d, "Button3");
    EXPECT_EQ(placeSeen.X, -1);
    EXPECT_EQ(placeSeen.Y, -1);
    Press(d, "BitBtn3");
    ASSERT_NE(HelpWindow(), nullptr);
    EXPECT_EQ(HelpWindow()->currentTopic(), "wstawianie");
    d.hide();

    // The same dialog in print mode.
    d.setMode(0);
    d.show();
    EXPECT_EQ(d.windowTitle(), "Drukuj");
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(pages->isTabVisible(i)) << i;
    EXPECT_EQ(pages->currentIndex(), 1);
    EXPECT_FALSE(Find<QPushButton>(d, "Button1")->isHidden());
    EXPECT_EQ(Find<QPushButton>(d, "Button3")->toolTip(), "Globalne ustawienia wydruku");
    Press(d, "BitBtn3");
    EXPECT_EQ(HelpWindow()->currentTopic(), "wydruk");
}

TEST_F(PrintSetup, SettingsDecideTheHeaderFieldsShown)
{
    store.writeBool(SettingsKey::Maker, PrintingSection, "ShowObjectInfo", true);
    store.writeBool(SettingsKey::Maker, PrintingSection, "ShowNumberInfo", false);
    store.writeBool(SettingsKey::Maker, PrintingSection, "ShowTotalPageNumber", false);
    TBeginPrint2 d;
    Open(d);
    EXPECT_FALSE(Find<QLineEdit>(d, "obiekt1")->isHidden());
    EXPECT_TRUE(Find<QLineEdit>(d, "nr_projektu1")->isHidden());
    EXPECT_TRUE(Find<TIntegerSpinEdit>(d, "il_str1")->isHidden());
    EXPECT_TRUE(Find<QLabel>(d, "Label6")->isHidden());

    // Changed settings count only when their dialog is confirmed.
    bool confirm = false;
    d.showPrintingSettings = [&](QObject*, TPoint& place) {
        EXPECT_EQ(place.X, -1);
        store.writeBool(SettingsKey::Maker, PrintingSection, "ShowNumberInfo", true);
        store.writeBool(SettingsKey::Maker, PrintingSection, "ShowObjectInfo", false);
        return confirm;
    };
    Press(d, "Button3");
    EXPECT_TRUE(Find<QLineEdit>(d, "nr_projektu1")->isHidden());
    confirm = true;
    Press(d, "Button3");
    EXPECT_FALSE(Find<QLineEdit>(d, "nr_projektu1")->isHidden());
    EXPECT_TRUE(Find<QLineEdit>(d, "obiekt1")->isHidden());
    EXPECT_TRUE(d.printSettings().ShowNumberInfo);

    // A hidden field keeps its value when OK stores it.
    Press(d, "OKBtn");
    EXPECT_EQ(d.header().Object.str(), "Hala");
    EXPECT_FALSE(d.modified());
}

TEST_F(PrintSetup, PrinterListEndsWithPdfAndChoosesThePrinter)
{
    TBeginPrint2 d;
    Open(d);
    auto* combo = Find<QComboBox>(d, "ComboBox1");
    const QStringList entries = PrinterEntries();
    ASSERT_EQ(combo->count(), entries.size());
    for (int i = 0; i < combo->count(); ++i) EXPECT_EQ(combo->itemText(i), entries[i]);
    EXPECT_EQ(combo->itemText(combo->count() - 1), "PDF");
    EXPECT_EQ(combo->currentIndex(), CurrentPrinterIndex());

    combo->setCurrentIndex(combo->count() - 1);
    EXPECT_TRUE(CurrentPrinterIsPdf());
    EXPECT_EQ(CurrentPrinter().outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(CurrentPrinterIndex(), combo->count() - 1);

    // "Właściwości" on the current printer, given up: the printer keeps its page.
    const QPageLayout before = CurrentPrinter().pageLayout();
    QPrinter* shownFor = nullptr;
    auto old = BindDialogResponder([&](QDialog& dialog) {
        if (auto* setup = qobject_cast<QPageSetupDialog*>(&dialog)) shownFor = setup->printer();
        dialog.reject();
        return int(QDialog::Rejected);
    });
    Press(d, "BitBtn1");
    BindDialogResponder(old);
    EXPECT_EQ(shownFor, &CurrentPrinter());
    EXPECT_TRUE(CurrentPrinter().pageLayout().isEquivalentTo(before));
}

TEST_F(PrintSetup, EnterMovesOnButMakesANewLineInTheMemo)
{
    TBeginPrint2 d;
    Open(d);
    QApplication::setActiveWindow(&d);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d, orvtest::kHangMs));
    auto* pages = Find<QTabWidget>(d, "PageControl1");
    pages->setCurrentIndex(0);
    auto* autor = Find<QLineEdit>(d, "autor1");
    autor->setFocus();
    QTest::keyClick(autor, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), Find<QLineEdit>(d, "tytul1"));
    EXPECT_TRUE(d.isVisible());

    pages->setCurrentIndex(2);
    auto* memo = Find<QPlainTextEdit>(d, "Memo1");
    memo->setFocus();
    memo->moveCursor(QTextCursor::End);
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, "koniec");
    EXPECT_EQ(QApplication::focusWidget(), memo);
    Press(d, "OKBtn");
    EXPECT_EQ(d.commentLines(), (std::vector<std::string>{"Uwaga:", "obciążenia wg PN", "koniec"}));
}
