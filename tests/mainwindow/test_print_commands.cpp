// The print, preview, editor and printer commands of the main window as a
// user drives them: the refusal while recalculation is off, the set-up
// dialog's three ways out, a printout to a PDF file read back, the preview
// asking for the printout, the export handed to the editor.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>
#include <QUrl>

#include "components/DialogRunner.h"
#include "components/MOpenDialog.h"
#include "core/MessageService.h"
#include "core/MyUtils.h"
#include "core/SettingsStore.h"
#include "mainwindow/ZunMain.h"
#include "platform/MakerLibrary.h"
#include "printing/CurrentPrinter.h"
#include "printing/PreviewPrintDlg.h"
#include "printing/PrintJob.h"
#include "printing/PrinterSetup.h"
#include "printing/WydrukStart4.h"
#include "tests/core/support/TestSupport.h"
#include "tests/printing/support/OpenedUrls.h"
#include "tests/printing/support/PdfTools.h"

using namespace orv;

namespace {

class PrintCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        orvtest::EnsureApp<QApplication>();
        QStandardPaths::setTestModeEnabled(true);
        oldStore_ = BindSettingsStore(&store);
        SetMakerLibraryFolder(QStringLiteral(ORV_BUILD_DIR));
        oldFiles_ = TMOpenDialog::bindResponder([this](TMOpenDialog& d) {
            asked << d.fileName;
            if (pdfAnswer.isEmpty()) return false;
            d.fileName = pdfAnswer;
            return true;
        });
        oldResponder_ = BindDialogResponder([this](QDialog& d) { return respond(d); });
        ASSERT_TRUE(SetCurrentPrinter(int(PrinterEntries().size()) - 1));  // "PDF"
        window = std::make_unique<TVelkor2>();
        window->setPrintStartDelay(0);
        window->resize(1000, 800);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get(), orvtest::kHangMs));
        urls = std::make_unique<orvtest::OpenedUrls>();
    }
    void TearDown() override
    {
        urls.reset();
        if (window) window->session().setModified(false);
        window.reset();
        BindDialogResponder(oldResponder_);
        TMOpenDialog::bindResponder(oldFiles_);
        SetMakerLibraryFolder(QString());
        BindSettingsStore(oldStore_);
    }

    // Plays the user in every modal dialog the commands open.
    int respond(QDialog& d)
    {
        shown << d.metaObject()->className();
        if (auto* form = qobject_cast<TBeginPrint2*>(&d)) {
            form->show();
            if (!author.isNull()) form->findChild<QLineEdit*>("autor1")->setText(author);
            const char* button = setupAnswer == TBeginPrint2::ResultClose  ? "CloseBtn"
                                 : setupAnswer == TBeginPrint2::ResultCancel ? "CancelBtn"
                                                                             : "OKBtn";
            if (previewFromSetup)
                form->findChild<QPushButton*>("Button1")->click();
            else
                form->findChild<QPushButton*>(button)->click();
            return form->result();
        }
        if (auto* preview = qobject_cast<TPreviewPrintDlg*>(&d)) {
            preview->show();
            previewCaption = preview->windowTitle();
            const char* button = previewPrints ? "ToolButton5" : "CancelBtn";
            preview->findChild<QToolButton*>(button)
                ? preview->findChild<QToolButton*>(button)->click()
                : preview->findChild<QPushButton*>(button)->click();
            return preview->result();
        }
        if (auto* job = qobject_cast<TWydrukCalc*>(&d)) {
            const int r = job->exec();  // prints by itself and closes
            jobLabel = job->label()->text();
            jobOutcome = job->outcome();
            return r;
        }
        if (auto* setup = qobject_cast<TPrinterSetupDlg*>(&d)) {
            setup->printerList()->setCurrentIndex(printerChoice);
            setup->findChild<QPushButton*>(acceptPrinter ? "OKBtn" : "CancelBtn")->click();
            return setup->result();
        }
        return QDialog::Rejected;
    }

    const TProjectHeader& header() { return window->session().header(); }

    MemorySettingsStore store;
    orvtest::MessageRecorder messages;
    orvtest::ScratchDir scratch;
    std::unique_ptr<orvtest::OpenedUrls> urls;
    std::unique_ptr<TVelkor2> window;

    QStringList shown;
    QStringList asked;
    QString pdfAnswer;
    QString author;
    int setupAnswer = TBeginPrint2::ResultPrint;
    bool previewFromSetup = false;
    bool previewPrints = false;
    QString previewCaption;
    QString jobLabel;
    TPrintOutcome jobOutcome = TPrintOutcome::Cancelled;
    int printerChoice = 0;
    bool acceptPrinter = true;

private:
    ISettingsStore* oldStore_ = nullptr;
    TMOpenDialog::Responder oldFiles_;
    TDialogResponder oldResponder_;
};

} // namespace

TEST_F(PrintCommands, AreRefusedWhileRecalculationIsOff)
{
    window->setRecalculation(false);
    for (const char* command : {"Wdrukuj1", "DoWorda1", "Podgldwydruku1"}) {
        messages.messages.clear();
        window->findChild<QAction*>(command)->trigger();
        ASSERT_EQ(messages.messages.size(), 1u) << command;
        EXPECT_EQ(messages.messages[0].headline, "Nie wykonano obliczeń!");
        EXPECT_EQ(messages.messages[0].text,
                  "Przed wstawianiem do edytora lub wydrukiem, włącz ikonę \"Przeliczanie\"!");
        EXPECT_EQ(messages.messages[0].type, mdInformation);
    }
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(PrintCommands, PrintsAnUnnamedProjectToAPdfFile)
{
    pdfAnswer = QString::fromStdString(scratch.file("wydruk.pdf"));
    author = QStringLiteral("inż. Łucja Żak");
    window->findChild<QAction*>("Wdrukuj1")->trigger();

    EXPECT_EQ(shown, (QStringList{"orv::TBeginPrint2", "orv::TWydrukCalc"}));
    // the file name proposed is the report's: "NowyProjekt.pdf"
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked[0].endsWith("/NowyProjekt.pdf")) << asked[0].toStdString();
    EXPECT_EQ(jobLabel, "Wydruk projektu NowyProjekt");
    EXPECT_EQ(jobOutcome, TPrintOutcome::Printed);
    // the edited author came back and marks the project
    EXPECT_EQ(header().Author.str(), "inż. Łucja Żak");
    EXPECT_TRUE(window->session().modified());
    ASSERT_TRUE(QFile::exists(pdfAnswer));
    if (!orvtest::PopplerAvailable()) GTEST_SKIP() << "poppler-utils missing";
    const QString text = orvtest::PdfLayoutText(pdfAnswer);
    EXPECT_TRUE(text.contains("koniec wydruku"));
    EXPECT_GE(orvtest::PdfPageCount(pdfAnswer), 1);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(PrintCommands, APdfFileNotChosenPrintsNothing)
{
    window->findChild<QAction*>("Wdrukuj1")->trigger();
    EXPECT_EQ(shown, (QStringList{"orv::TBeginPrint2"}));
    EXPECT_EQ(asked.size(), 1);
}

TEST_F(PrintCommands, CloseKeepsTheEditsAndCancelDropsThem)
{
    const std::string before = header().Author.str();
    author = QStringLiteral("Anna Nowak");
    setupAnswer = TBeginPrint2::ResultCancel;
    window->findChild<QAction*>("Wdrukuj1")->trigger();
    EXPECT_EQ(header().Author.str(), before);
    EXPECT_FALSE(window->session().modified());

    setupAnswer = TBeginPrint2::ResultClose;
    window->findChild<QAction*>("Wdrukuj1")->trigger();
    EXPECT_EQ(header().Author.str(), "Anna Nowak");
    EXPECT_TRUE(window->session().modified());
    // nothing was printed either time
    EXPECT_EQ(shown, (QStringList{"orv::TBeginPrint2", "orv::TBeginPrint2"}));
    EXPECT_TRUE(asked.isEmpty());
}

TEST_F(PrintCommands, PreviewAsksForThePrintoutOfTheSavedProject)
{
    const std::string file = scratch.file("Dom jednorodzinny.clcm");
    ASSERT_TRUE(window->session().save(file).ok());
    pdfAnswer = QString::fromStdString(scratch.file("dom.pdf"));
    previewPrints = true;
    window->findChild<QAction*>("Podgldwydruku1")->trigger();
    EXPECT_EQ(shown, (QStringList{"orv::TPreviewPrintDlg", "orv::TWydrukCalc"}));
    EXPECT_TRUE(previewCaption.startsWith("Podgląd wydruku - strona 1 z ")) << previewCaption.toStdString();
    EXPECT_EQ(jobLabel, "Wydruk projektu Dom jednorodzinny");
    EXPECT_TRUE(QFile::exists(pdfAnswer));

    // closed without printing: nothing more
    shown.clear();
    previewPrints = false;
    window->findChild<QAction*>("Podgldwydruku1")->trigger();
    EXPECT_EQ(shown, (QStringList{"orv::TPreviewPrintDlg"}));
}

TEST_F(PrintCommands, TheSetUpDialogsPreviewCanPrint)
{
    pdfAnswer = QString::fromStdString(scratch.file("z podglądu.pdf"));
    previewFromSetup = true;
    previewPrints = true;
    window->findChild<QToolButton*>("Druk")->click();
    EXPECT_EQ(shown, (QStringList{"orv::TBeginPrint2", "orv::TPreviewPrintDlg", "orv::TWydrukCalc"}));
    EXPECT_TRUE(QFile::exists(pdfAnswer));
}

TEST_F(PrintCommands, InsertIntoTheEditorHandsTheReportOver)
{
    window->findChild<QToolButton*>("Word1")->click();
    EXPECT_EQ(shown, (QStringList{"orv::TBeginPrint2"}));
    ASSERT_EQ(urls->urls.size(), 1);
    const QString file = urls->urls[0].toLocalFile();
    EXPECT_TRUE(file.endsWith("/zun.rtf"));
    QFile rtf(file);
    ASSERT_TRUE(rtf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(rtf.readAll().startsWith("{\\rtf1"));
    EXPECT_TRUE(messages.messages.empty());
}

// A desktop without a program for RTF files: xdg-open would fail quietly.
TEST_F(PrintCommands, InsertIntoTheEditorWithoutADesktopProgramForRtf)
{
    urls->desktop.handlesEveryType = false;
    urls->desktop.programs = {{"libreoffice", "/usr/bin/libreoffice"}, {"soffice", "/usr/bin/soffice"}};
    window->findChild<QToolButton*>("Word1")->click();
    EXPECT_TRUE(urls->urls.isEmpty());
    EXPECT_TRUE(urls->desktop.typesAsked.contains("application/rtf"));
    ASSERT_EQ(urls->desktop.started.size(), 1);
    const QStringList writer = urls->desktop.started[0];
    ASSERT_EQ(writer.size(), 3);
    EXPECT_EQ(writer[0], "/usr/bin/libreoffice");
    EXPECT_EQ(writer[1], "--writer");
    EXPECT_TRUE(writer[2].endsWith("/zun.rtf"));
    EXPECT_TRUE(QFileInfo(writer[2]).isFile());
    EXPECT_TRUE(messages.messages.empty());

    // Nor LibreOffice: the box names the file.
    urls->desktop.programs.clear();
    window->findChild<QAction*>("DoWorda1")->trigger();
    EXPECT_EQ(urls->desktop.started.size(), 1);
    EXPECT_TRUE(urls->urls.isEmpty());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Nie znaleziono edytora plików RTF!");
    EXPECT_EQ(messages.messages[0].text, "Raport zapisano w pliku: " + writer[2].toStdString());
    EXPECT_EQ(messages.messages[0].type, mdInformation);
}

TEST_F(PrintCommands, PrinterSetUpChoosesThePrinterOrLeavesIt)
{
    const int pdf = int(PrinterEntries().size()) - 1;
    if (pdf == 0) {
        // only the PDF entry on this machine: choosing it keeps it
        printerChoice = 0;
        window->findChild<QAction*>("Ustawianiadrukarki1")->trigger();
        EXPECT_TRUE(CurrentPrinterIsPdf());
        return;
    }
    printerChoice = 0;
    acceptPrinter = false;
    window->findChild<QAction*>("Ustawianiadrukarki1")->trigger();
    EXPECT_TRUE(CurrentPrinterIsPdf());
    acceptPrinter = true;
    window->findChild<QAction*>("Ustawianiadrukarki1")->trigger();
    EXPECT_EQ(CurrentPrinterIndex(), 0);
    SetCurrentPrinter(pdf);
}

