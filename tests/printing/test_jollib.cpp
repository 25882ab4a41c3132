// The editor library as the program uses it: loaded from its folder for each
// call, attached to the program's settings store and message box, and
// reported by the file looked for when it is not there.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <functional>

#include "components/ColorEditorDialog.h"
#include "core/SettingsStore.h"
#include "dialogs/CalcSts.h"
#include "drawing/CommonColorUnit.h"
#include "platform/JolLib.h"
#include "platform/MakerLibrary.h"
#include "printing/CommonWordUnit.h"
#include "tests/core/support/TestSupport.h"
#include "tests/printing/support/OpenedUrls.h"

using namespace orv;

namespace {

// Receives the files the library hands to the user's editor.
class JolLibrary : public ::testing::Test {
protected:
    void SetUp() override
    {
        orvtest::EnsureApp<QApplication>();
        prev = BindSettingsStore(&store);
        SetMakerLibraryFolder(QStringLiteral(ORV_BUILD_DIR));
    }
    void TearDown() override
    {
        SetMakerLibraryFolder(QString());
        BindSettingsStore(prev);
        BindColorEditor({});
    }

    MemorySettingsStore store;
    ISettingsStore* prev = nullptr;
    orvtest::MessageRecorder messages;
};

// Runs `act` on the modal dialog the library shows, once it is shown.
void OnModal(std::function<void(QWidget& dlg)> act)
{
    QTimer::singleShot(0, [act] {
        QWidget* w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        act(*w);
    });
}

void Press(QWidget& dlg, const char* button)
{
    QPushButton* b = dlg.findChild<QPushButton*>(QString::fromLatin1(button));
    ASSERT_NE(b, nullptr) << button;
    b->click();
}

const std::string kMissingTail = ". \rProszę skontaktować się z dystrybutorem programu!";

} // namespace

TEST_F(JolLibrary, EveryCallReportsAMissingLibraryByTheFileLookedFor)
{
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    SetMakerLibraryFolder(empty.path());
    const QString file = empty.path() + "/libjollib.so";
    EXPECT_EQ(JolLibraryFile(), file);

    TPoint place{-1, -1};
    EXPECT_FALSE(ShowPrintingSettingsDlg(nullptr, place));
    EXPECT_FALSE(ShowWordInsertSettingsDlg(nullptr, place));
    EXPECT_FALSE(ShowFontDialogJol(nullptr, place));
    EXPECT_FALSE(ShowColorDialogJol(nullptr, 6, place));
    EXPECT_FALSE(ExportToRtf(nullptr, "/nonexistent/zun.rtf"));
    ASSERT_EQ(messages.messages.size(), 5u);
    for (const orvtest::RecordedMessage& m : messages.messages) {
        EXPECT_EQ(m.headline, "Nie można uruchomić tej funkcji!");
        EXPECT_EQ(m.text, "Nie znaleziono biblioteki " + file.toStdString() + kMissingTail);
        EXPECT_EQ(m.type, mdWarning);
        EXPECT_EQ(m.buttons, unsigned(mbOK));
    }
    EXPECT_EQ(place.X, -1);
    EXPECT_EQ(place.Y, -1);
    EXPECT_TRUE(store.values.empty());

    // The colour command keeps the caller's colours.
    RegisterColorEditor();
    TDrawingColors colors;
    colors.fill(0x111111);
    EXPECT_FALSE(EditDrawingColors(nullptr, 5, "/opt/zun/", colors, place));
    EXPECT_EQ(colors[0], 0x111111u);
    EXPECT_EQ(messages.messages.size(), 6u);

    // The trace window's font command keeps the font it has.
    TCalculateSts trace;
    const QFont before = trace.memo()->font();
    trace.findChild<QAction*>("Czcionka1")->trigger();
    EXPECT_EQ(trace.memo()->font(), before);
    EXPECT_EQ(messages.messages.size(), 7u);
}

TEST_F(JolLibrary, AFileThatIsNoLibraryIsReportedAlike)
{
    QTemporaryDir dir;
    QFile fake(dir.path() + "/libjollib.so");
    ASSERT_TRUE(fake.open(QIODevice::WriteOnly));
    fake.write("not a library");
    fake.close();
    SetMakerLibraryFolder(dir.path());
    TPoint place{-1, -1};
    EXPECT_FALSE(ShowWordInsertSettingsDlg(nullptr, place));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              "Nie znaleziono biblioteki " + fake.fileName().toStdString() + kMissingTail);
}

TEST_F(JolLibrary, PrintingSettingsUseTheProgramsStoreAndMessageBox)
{
    TPoint place{40, 50};
    OnModal([](QWidget& dlg) {
        EXPECT_EQ(dlg.windowTitle(), "Ustawienia wydruku");
        EXPECT_EQ(dlg.pos(), QPoint(40, 50));
        auto* left = dlg.findChild<QDoubleSpinBox*>("MarginLeft");
        auto* right = dlg.findChild<QDoubleSpinBox*>("MarginRight");
        ASSERT_TRUE(left && right);
        // No printer here: the margins are checked against A4, 210 mm wide.
        left->setValue(150.0);
        right->setValue(60.0);
        Press(dlg, "okButton"); // refused, the dialog stays
        // a column of 90 mm holds the report's values
        left->setValue(100.0);
        right->setValue(20.0);
        dlg.move(70, 80);
        Press(dlg, "okButton");
    });
    EXPECT_TRUE(ShowPrintingSettingsDlg(nullptr, place));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Popraw!");
    EXPECT_EQ(messages.messages[0].text, "Błąd w definicji marginesów.");
    EXPECT_EQ(store.readInteger(SettingsKey::Maker, "Printing", "MarginLeft"), 1000);
    EXPECT_EQ(store.readInteger(SettingsKey::Maker, "Printing", "MarginRight"), 200);
    EXPECT_EQ(place.X, 70);
    EXPECT_EQ(place.Y, 80);

    OnModal([](QWidget& dlg) { Press(dlg, "cancelButton"); });
    EXPECT_FALSE(ShowPrintingSettingsDlg(nullptr, place));
}

TEST_F(JolLibrary, WordSettingsReachTheExport)
{
    TPoint place{-1, -1};
    OnModal([](QWidget& dlg) {
        dlg.findChild<QComboBox*>("FontName")->setEditText("Liberation Serif");
        dlg.findChild<QDoubleSpinBox*>("FontSize")->setValue(11.0);
        dlg.findChild<QCheckBox*>("ColorPrinting")->setChecked(false);
        Press(dlg, "okButton");
    });
    EXPECT_TRUE(ShowWordInsertSettingsDlg(nullptr, place));
    TWordSettings w;
    ReadWordSettings(w);
    EXPECT_EQ(w.FontName, "Liberation Serif");
    EXPECT_EQ(w.FontSize, 22);
    EXPECT_FALSE(w.ColorPrinting);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(JolLibrary, FontDialogChangesTheTraceWindowsFont)
{
    TCalculateSts trace;
    EXPECT_EQ(trace.memo()->font().pointSize(), 8); // "FontSize PW" 16 half-points
    OnModal([](QWidget& dlg) {
        dlg.findChild<QDoubleSpinBox*>("FontSizePW")->setValue(11.0);
        Press(dlg, "okButton");
    });
    QAction* font = trace.findChild<QAction*>("Czcionka1");
    ASSERT_NE(font, nullptr);
    trace.PopupMenu1Popup();
    EXPECT_TRUE(font->isEnabled());
    font->trigger();
    EXPECT_EQ(store.readInteger(SettingsKey::Maker, "Parametrs", "FontSize PW"), 22);
    EXPECT_EQ(trace.memo()->font().pointSize(), 11);

    // cancelled: nothing read again
    store.writeInteger(SettingsKey::Maker, "Parametrs", "FontSize PW", 30);
    OnModal([](QWidget& dlg) { Press(dlg, "cancelButton"); });
    font->trigger();
    EXPECT_EQ(trace.memo()->font().pointSize(), 11);
}

TEST_F(JolLibrary, ColourCommandRunsTheLibrarysEditor)
{
    RegisterColorEditor();
    store.writeInteger(SettingsKey::Maker, "Colors", "Element", 0x00AA00);
    TDrawingColors colors;
    colors.fill(0x111111);
    TPoint place{30, 40};
    OnModal([](QWidget& dlg) {
        EXPECT_EQ(dlg.windowTitle(), "Kolory rysunków");
        EXPECT_EQ(dlg.pos(), QPoint(30, 40));
        Press(dlg, "okButton");
    });
    EXPECT_TRUE(EditDrawingColors(nullptr, 5, "", colors, place));
    EXPECT_EQ(colors[0], 0x00AA00u);
    EXPECT_EQ(colors[dcButtonFace], clBtnFace);

    colors.fill(0x222222);
    OnModal([](QWidget& dlg) { Press(dlg, "cancelButton"); });
    EXPECT_FALSE(EditDrawingColors(nullptr, 5, "", colors, place));
    EXPECT_EQ(colors[0], 0x222222u);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(JolLibrary, ExportOpensAnExistingFileInTheUsersEditor)
{
    orvtest::OpenedUrls opened;
    QTemporaryDir dir;
    const QString file = dir.path() + "/zun ąę.rtf";
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("{\\rtf1 x}");
    f.close();
    EXPECT_TRUE(ExportToRtf(nullptr, file.toStdString()));
    ASSERT_EQ(opened.urls.size(), 1);
    EXPECT_EQ(opened.urls[0], QUrl::fromLocalFile(file));

    EXPECT_FALSE(ExportToRtf(nullptr, (dir.path() + "/brak.rtf").toStdString()));
    EXPECT_FALSE(ExportToRtf(nullptr, dir.path().toStdString())); // a folder is no report
    EXPECT_EQ(opened.urls.size(), 1);
    EXPECT_TRUE(messages.messages.empty());
}

