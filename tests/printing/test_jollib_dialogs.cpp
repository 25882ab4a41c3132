// The dialogs of the editor library, used directly: what each reads from
// the settings store, what it writes on OK and what it refuses.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "core/SettingsStore.h"
#include "platform/MakerLibrary.h"
#include "printing/jollib/JolDialogs.h"
#include "tests/core/support/TestSupport.h"

using namespace orv;

namespace {

class JolDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        orvtest::EnsureApp<QApplication>();
        prev = BindSettingsStore(&store);
    }
    void TearDown() override { BindSettingsStore(prev); }

    std::optional<int> integer(const char* section, const std::string& name)
    {
        return store.readInteger(SettingsKey::Maker, section, name);
    }
    std::optional<std::string> text(const char* section, const std::string& name)
    {
        return store.readString(SettingsKey::Maker, section, name);
    }
    std::optional<bool> flag(const char* section, const std::string& name)
    {
        return store.readBool(SettingsKey::Maker, section, name);
    }

    MemorySettingsStore store;
    ISettingsStore* prev = nullptr;
};

template <typename W>
W* Child(const QWidget& dlg, const char* name)
{
    W* w = dlg.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

void Press(const QWidget& dlg, const char* button) { Child<QPushButton>(dlg, button)->click(); }

const QSizeF A4(210.0, 297.0);

} // namespace

// --- printing settings ------------------------------------------------------------

TEST_F(JolDialogs, PrintingDialogShowsTheDefaultsOfAnEmptySection)
{
    TPrintingSettingsDlg dlg;
    // The header kind reads as words, not as its stored number.
    auto* kind = Child<QComboBox>(dlg, "HeaderType");
    EXPECT_EQ(kind->currentData().toInt(), 0);
    EXPECT_EQ(kind->currentText(), "pełny na każdej stronie");
    ASSERT_EQ(kind->count(), 3);
    EXPECT_EQ(kind->itemText(1), "pełny na pierwszej stronie, dalej skrócony");
    EXPECT_EQ(kind->itemText(2), "skrócony na każdej stronie");
    EXPECT_EQ(Child<QLineEdit>(dlg, "LogoPath")->text(), "(brak)");
    EXPECT_TRUE(Child<QCheckBox>(dlg, "DrawLogo")->isChecked());
    EXPECT_FALSE(Child<QCheckBox>(dlg, "DrawFrame")->isChecked());
    EXPECT_TRUE(Child<QCheckBox>(dlg, "ShowTotalPageNumber")->isChecked());
    EXPECT_FALSE(Child<QCheckBox>(dlg, "ShowObjectInfo")->isChecked());
    EXPECT_FALSE(Child<QCheckBox>(dlg, "ShowNumberInfo")->isChecked());
    // 250, 200, 100, 250 tenths of a millimetre
    EXPECT_DOUBLE_EQ(Child<QDoubleSpinBox>(dlg, "MarginLeft")->value(), 25.0);
    EXPECT_DOUBLE_EQ(Child<QDoubleSpinBox>(dlg, "MarginRight")->value(), 20.0);
    EXPECT_DOUBLE_EQ(Child<QDoubleSpinBox>(dlg, "MarginTop")->value(), 10.0);
    EXPECT_DOUBLE_EQ(Child<QDoubleSpinBox>(dlg, "MarginBottom")->value(), 25.0);
    EXPECT_EQ(Child<QComboBox>(dlg, "FontName")->currentText(), "Times New Roman");
    EXPECT_EQ(Child<QSpinBox>(dlg, "FontSize")->value(), 12);
    EXPECT_TRUE(Child<QCheckBox>(dlg, "ColorPrinting")->isChecked());
    // nothing is written before OK
    EXPECT_TRUE(store.values.empty());
}

TEST_F(JolDialogs, PrintingDialogWritesTheValueNamesTheReportReads)
{
    store.writeInteger(SettingsKey::Maker, "Printing", "MarginTop", 137);
    store.writeString(SettingsKey::Maker, "Printing", " FontName", "Courier New");
    store.writeString(SettingsKey::Maker, "Printing", "FontName", "Wingdings"); // not the report font
    TPrintingSettingsDlg dlg;
    dlg.setPaperSize(A4);
    EXPECT_DOUBLE_EQ(Child<QDoubleSpinBox>(dlg, "MarginTop")->value(), 13.7);
    EXPECT_EQ(Child<QComboBox>(dlg, "FontName")->currentText(), "Courier New");

    Child<QComboBox>(dlg, "HeaderType")->setCurrentIndex(2);
    Child<QCheckBox>(dlg, "DrawFrame")->setChecked(true);
    Child<QCheckBox>(dlg, "ColorPrinting")->setChecked(false);
    Child<QDoubleSpinBox>(dlg, "MarginLeft")->setValue(30.5);
    Child<QLineEdit>(dlg, "LogoPath")->setText("  ");
    Child<QSpinBox>(dlg, "FontSize")->setValue(11);
    Press(dlg, "okButton");
    EXPECT_EQ(dlg.result(), QDialog::Accepted);

    EXPECT_EQ(integer("Printing", "HeaderType"), 2);
    EXPECT_EQ(flag("Printing", "DrawFrame"), true);
    EXPECT_EQ(flag("Printing", "ColorPrinting"), false);
    EXPECT_EQ(integer("Printing", "MarginLeft"), 305);
    EXPECT_EQ(integer("Printing", "MarginTop"), 137);
    EXPECT_EQ(integer("Printing", "MarginRight"), 200);
    EXPECT_EQ(text("Printing", "LogoPath"), "(brak)"); // a blank path is no logo
    EXPECT_EQ(text("Printing", " FontName"), "Courier New");
    EXPECT_EQ(integer("Printing", "FontSize"), 11);
    EXPECT_EQ(text("Printing", "FontName"), "Wingdings");
}

TEST_F(JolDialogs, MarginsThatLeaveNoPrintableAreaAreRefused)
{
    // A4 is 210 mm wide and 297 mm high: left + right must stay below 210.
    EXPECT_TRUE(MarginsLeavePrintableArea(109.9, 100.0, 10.0, 25.0, A4));
    EXPECT_FALSE(MarginsLeavePrintableArea(110.0, 100.0, 10.0, 25.0, A4));
    EXPECT_TRUE(MarginsLeavePrintableArea(25.0, 20.0, 150.0, 146.9, A4));
    EXPECT_FALSE(MarginsLeavePrintableArea(25.0, 20.0, 150.0, 147.0, A4));
    EXPECT_FALSE(MarginsLeavePrintableArea(-1.0, 20.0, 10.0, 25.0, A4));
    EXPECT_FALSE(MarginsLeavePrintableArea(std::nan(""), 20.0, 10.0, 25.0, A4));

    orvtest::MessageRecorder messages;
    TPrintingSettingsDlg dlg;
    dlg.setPaperSize(A4);
    Child<QDoubleSpinBox>(dlg, "MarginLeft")->setValue(110.0);
    Child<QDoubleSpinBox>(dlg, "MarginRight")->setValue(100.0);
    dlg.show();
    Press(dlg, "okButton");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Popraw!");
    EXPECT_EQ(messages.messages[0].text, "Błąd w definicji marginesów.");
    EXPECT_EQ(messages.messages[0].type, mdWarning);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_TRUE(store.values.empty());

    Child<QDoubleSpinBox>(dlg, "MarginLeft")->setValue(100.0);
    Child<QDoubleSpinBox>(dlg, "MarginRight")->setValue(20.0);
    Press(dlg, "okButton");
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(integer("Printing", "MarginLeft"), 1000);
    EXPECT_EQ(messages.messages.size(), 1u);
}

TEST_F(JolDialogs, MarginsThatLeaveNoRoomForTheValueColumnAreRefused)
{
    // The values of the report stand 63.5 mm in; a value of the 12 pt font
    // takes about 22 mm more, of the 24 pt font about 44 mm.
    struct Case {
        double left, right;
        int fontSize;
        bool accepted;
    };
    const Case cases[] = {
        {99.0, 99.0, 12, false},  // 12 mm
        {70.0, 70.0, 12, false},  // 70 mm
        {55.0, 55.0, 12, true},   // 100 mm
        {55.0, 55.0, 24, false},
        {40.0, 40.0, 24, true},   // 130 mm
        {150.0, 0.0, 12, false},  // 60 mm, all of it on one side
    };
    SetMakerLibraryFolder(QStringLiteral(ORV_TOPLAGE_DIR));
    for (const Case& c : cases) {
        const std::string what =
            std::to_string(c.left) + " " + std::to_string(c.right) + " " + std::to_string(c.fontSize);
        store.values.clear();
        orvtest::MessageRecorder messages;
        TPrintingSettingsDlg dlg;
        dlg.setPaperSize(A4);
        Child<QDoubleSpinBox>(dlg, "MarginLeft")->setValue(c.left);
        Child<QDoubleSpinBox>(dlg, "MarginRight")->setValue(c.right);
        Child<QSpinBox>(dlg, "FontSize")->setValue(c.fontSize);
        dlg.show();
        Press(dlg, "okButton");
        EXPECT_EQ(dlg.result() == QDialog::Accepted, c.accepted) << what;
        EXPECT_EQ(store.values.empty(), !c.accepted) << what;
        if (c.accepted) {
            EXPECT_TRUE(messages.messages.empty()) << what;
        } else {
            ASSERT_EQ(messages.messages.size(), 1u) << what;
            EXPECT_EQ(messages.messages[0].headline, "Popraw!");
            EXPECT_EQ(messages.messages[0].text, "Błąd w definicji marginesów.");
        }
    }
    SetMakerLibraryFolder(QString());
}

TEST_F(JolDialogs, MarginsThatLeaveFewerThanFiveReportLinesUnderTheHeaderAreRefused)
{
    // A4, 297 mm high. A line of the 12 pt report font is 14.4 pt = 5.08 mm,
    // five of them 25.4 mm (50.8 mm at 24 pt); the full page header of the
    // header library takes about 24 mm, its page line alone about 6 mm.
    struct Case {
        double top, bottom;
        int headerType;
        int fontSize;
        bool withHeader;
        bool accepted;
    };
    const Case cases[] = {
        {145.0, 145.0, 0, 12, true, false},  // 7 mm: not a line under the header
        {145.0, 145.0, 0, 12, false, false}, // nor without it
        {130.0, 130.0, 0, 12, true, false},  // 37 mm: 24 + 25.4 do not fit
        {130.0, 130.0, 2, 12, true, true},   // 6 + 25.4 do
        {130.0, 130.0, 0, 12, false, true},  // no header drawn: 25.4 of 37
        {120.0, 120.0, 0, 12, true, true},   // 57 mm: 24 + 25.4 fit
        {120.0, 120.0, 0, 24, true, false},  // 24 + 50.8 do not
        {10.0, 25.0, 0, 12, true, true},     // the usual margins
    };
    for (const Case& c : cases) {
        SetMakerLibraryFolder(c.withHeader ? QStringLiteral(ORV_TOPLAGE_DIR) : QStringLiteral("/brak"));
        store.values.clear();
        orvtest::MessageRecorder messages;
        TPrintingSettingsDlg dlg;
        dlg.setPaperSize(A4);
        Child<QDoubleSpinBox>(dlg, "MarginTop")->setValue(c.top);
        Child<QDoubleSpinBox>(dlg, "MarginBottom")->setValue(c.bottom);
        auto* kind = Child<QComboBox>(dlg, "HeaderType");
        kind->setCurrentIndex(kind->findData(c.headerType));
        Child<QSpinBox>(dlg, "FontSize")->setValue(c.fontSize);
        dlg.show();
        Press(dlg, "okButton");
        const std::string what = std::to_string(c.top) + " " + std::to_string(c.bottom) + " " + std::to_string(c.headerType) + " " +
                                 std::to_string(c.fontSize) + (c.withHeader ? " header" : "");
        EXPECT_EQ(dlg.result() == QDialog::Accepted, c.accepted) << what;
        EXPECT_EQ(dlg.isVisible(), !c.accepted) << what;
        EXPECT_EQ(store.values.empty(), !c.accepted) << what;
        if (c.accepted) {
            EXPECT_TRUE(messages.messages.empty()) << what;
        } else {
            ASSERT_EQ(messages.messages.size(), 1u) << what;
            EXPECT_EQ(messages.messages[0].headline, "Popraw!");
            EXPECT_EQ(messages.messages[0].text, "Błąd w definicji marginesów.");
        }
    }
    SetMakerLibraryFolder(QString());
}

TEST_F(JolDialogs, AHeaderKindOfAnotherLibraryIsKeptByName)
{
    store.writeInteger(SettingsKey::Maker, "Printing", "HeaderType", 7);
    TPrintingSettingsDlg dlg;
    dlg.setPaperSize(A4);
    auto* kind = Child<QComboBox>(dlg, "HeaderType");
    EXPECT_EQ(kind->currentText(), "inny rodzaj (nr 7)");
    Press(dlg, "okButton");
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(integer("Printing", "HeaderType"), 7);
}

TEST_F(JolDialogs, CancelWritesNothing)
{
    for (int i = 0; i < 3; ++i) {
        std::unique_ptr<QDialog> dlg;
        if (i == 0) dlg = std::make_unique<TPrintingSettingsDlg>();
        if (i == 1) dlg = std::make_unique<TWordSettingsDlg>();
        if (i == 2) dlg = std::make_unique<TFontSettingsDlg>();
        Press(*dlg, "cancelButton");
        EXPECT_EQ(dlg->result(), QDialog::Rejected);
        EXPECT_TRUE(store.values.empty()) << i;
    }
}

// --- editor export settings ---------------------------------------------------------

TEST_F(JolDialogs, WordDialogKeepsHalfPointsAndTheValuesItDoesNotShow)
{
    store.writeInteger(SettingsKey::Maker, "Word", "FontSize", 21); // 10.5 pt
    store.writeInteger(SettingsKey::Maker, "Word", "ActionTyp", 3);
    store.writeBool(SettingsKey::Maker, "Word", "WordDDE", true);
    store.writeString(SettingsKey::Maker, "Word", "FontName", "Nieznana Czcionka");
    TWordSettingsDlg dlg;
    EXPECT_DOUBLE_EQ(Child<QDoubleSpinBox>(dlg, "FontSize")->value(), 10.5);
    // a family this machine lacks stays as it was stored
    EXPECT_EQ(Child<QComboBox>(dlg, "FontName")->currentText(), "Nieznana Czcionka");
    EXPECT_TRUE(Child<QCheckBox>(dlg, "ColorPrinting")->isChecked());
    EXPECT_FALSE(Child<QCheckBox>(dlg, "MonochromePicutre")->isChecked());
    Child<QCheckBox>(dlg, "MonochromePicutre")->setChecked(true);
    Press(dlg, "okButton");

    TWordSettings w;
    ReadWordSettings(w);
    EXPECT_EQ(w.FontName, "Nieznana Czcionka");
    EXPECT_EQ(w.FontSize, 21);
    EXPECT_TRUE(w.ColorPrinting);
    EXPECT_TRUE(w.MonochromePicutre);
    EXPECT_EQ(w.ActionTyp, 3);
    EXPECT_TRUE(w.WordDDE);
}

TEST_F(JolDialogs, WordSettingsOfAnEmptyOrBrokenSection)
{
    TWordSettings w;
    w.FontName = "x";
    w.FontSize = 1;
    ReadWordSettings(w);
    EXPECT_EQ(w.FontName, "Arial");
    EXPECT_EQ(w.FontSize, 20);
    EXPECT_TRUE(w.ColorPrinting);
    EXPECT_FALSE(w.MonochromePicutre);
    EXPECT_EQ(w.ActionTyp, 0);
    EXPECT_FALSE(w.WordDDE);

    // What would break the RTF font table or its \fs falls back.
    for (const char* name : {"", "Ari;al", "A}", "A\\b", "A\tB"}) {
        store.writeString(SettingsKey::Maker, "Word", "FontName", name);
        ReadWordSettings(w);
        EXPECT_EQ(w.FontName, "Arial") << name;
    }
    for (int size : {0, -20, 3277, 100000}) {
        store.writeInteger(SettingsKey::Maker, "Word", "FontSize", size);
        ReadWordSettings(w);
        EXPECT_EQ(w.FontSize, 20) << size;
    }
    store.writeString(SettingsKey::Maker, "Word", "FontName", "Łódź Sans");
    store.writeInteger(SettingsKey::Maker, "Word", "FontSize", 3276);
    ReadWordSettings(w);
    EXPECT_EQ(w.FontName, "Łódź Sans");
    EXPECT_EQ(w.FontSize, 3276);
}

// --- fonts ------------------------------------------------------------------------------

TEST_F(JolDialogs, FontDialogWritesBothFontsInHalfPoints)
{
    store.writeInteger(SettingsKey::Maker, "Parametrs", "FontSize PW", -3); // nonsense: default 8 pt
    TFontSettingsDlg dlg;
    EXPECT_EQ(Child<QComboBox>(dlg, "FontName")->currentText(), "Arial");
    EXPECT_DOUBLE_EQ(Child<QDoubleSpinBox>(dlg, "FontSize")->value(), 10.0);
    EXPECT_EQ(Child<QComboBox>(dlg, "FontNamePW")->currentText(), "MS Sans Serif");
    EXPECT_DOUBLE_EQ(Child<QDoubleSpinBox>(dlg, "FontSizePW")->value(), 8.0);

    Child<QDoubleSpinBox>(dlg, "FontSize")->setValue(12.5);
    Child<QComboBox>(dlg, "FontNamePW")->setEditText("DejaVu Sans Mono");
    Child<QDoubleSpinBox>(dlg, "FontSizePW")->setValue(9.0);
    Press(dlg, "okButton");
    EXPECT_EQ(text("Parametrs", "FontName"), "Arial");
    EXPECT_EQ(integer("Parametrs", "FontSize"), 25);
    EXPECT_EQ(text("Parametrs", "FontName PW"), "DejaVu Sans Mono");
    EXPECT_EQ(integer("Parametrs", "FontSize PW"), 18);

    // an emptied name keeps the stored one
    TFontSettingsDlg again;
    Child<QComboBox>(again, "FontName")->setEditText("   ");
    Press(again, "okButton");
    EXPECT_EQ(text("Parametrs", "FontName"), "Arial");
}

// --- drawing colours ------------------------------------------------------------------

TEST_F(JolDialogs, ColorEditorListsEverySlotAndWritesOnOk)
{
    store.writeInteger(SettingsKey::Maker, "Colors", "Siła", 0x123456);
    TColorEditorDlg dlg;
    EXPECT_EQ(dlg.slotColor(dcForce), 0x123456u);
    for (int slot : EditableColorSlots())
        EXPECT_NE(dlg.findChild<QPushButton*>(QString("colorButton%1").arg(slot)), nullptr) << slot;
    EXPECT_EQ(dlg.findChild<QPushButton*>("colorButton31"), nullptr);
    EXPECT_EQ(dlg.findChild<QPushButton*>("colorButton32"), nullptr);
    dlg.setSlotColor(5, 0x0000FF);
    dlg.setSlotColor(3, 0x00FF00);
    EXPECT_EQ(dlg.slotColor(31), 0x00FF00u);
    EXPECT_FALSE(integer("Colors", "Obciążenie ciągłe").has_value());
    Press(dlg, "okButton");
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(integer("Colors", "Obciążenie ciągłe"), 0x0000FF);
    EXPECT_EQ(integer("Colors", "Wymiary"), 0x00FF00);
    EXPECT_EQ(integer("Colors", "Siła"), 0x123456);
}

TEST_F(JolDialogs, ColorEditorCancelWritesNothing)
{
    TColorEditorDlg dlg;
    dlg.setSlotColor(5, 0x0000FF);
    Press(dlg, "cancelButton");
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_TRUE(store.values.empty());
}

TEST(ColorConversion, RedAndBlueOrderAndSystemColours)
{
    EXPECT_EQ(ColorToQColor(0x0000FF, QPalette()), QColor(255, 0, 0));
    EXPECT_EQ(ColorToQColor(0xA00000, QPalette()), QColor(0, 0, 160));
    EXPECT_EQ(ColorToQColor(0x4EAFDE, QPalette()), QColor(0xDE, 0xAF, 0x4E));
    EXPECT_EQ(QColorToColor(QColor(1, 2, 3)), 0x030201u);
    EXPECT_EQ(RGBColor(1, 2, 3), 0x030201u);
    QPalette pal;
    pal.setColor(QPalette::Button, QColor(10, 20, 30));
    pal.setColor(QPalette::Base, QColor(40, 50, 60));
    EXPECT_EQ(ColorToQColor(clBtnFace, pal), QColor(10, 20, 30));
    EXPECT_EQ(ColorToQColor(clSystemColor | 5, pal), QColor(40, 50, 60));
}

TEST(DialogPlace, NegativePlaceLeavesTheDialogWhereItIs)
{
    orvtest::EnsureApp<QApplication>();
    QDialog dlg;
    dlg.move(10, 20);
    PlaceDialog(dlg, -1, -1);
    EXPECT_EQ(dlg.pos(), QPoint(10, 20));
    PlaceDialog(dlg, 0, 0);
    EXPECT_EQ(dlg.pos(), QPoint(0, 0));
    PlaceDialog(dlg, 30, -1);
    EXPECT_EQ(dlg.pos(), QPoint(0, 0));
}
