// The installed program started as a user starts it: the program's own start
// (settings, message boxes, window, icon) runs unchanged, and once its window
// is up these tests play the user. The executable is copied into the
// installed program folder, so the program looks for its libraries and
// examples where an installed copy finds them, with nothing pointed elsewhere.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "components/DialogRunner.h"
#include "components/MOpenDialog.h"
#include "mainwindow/ZunApplication.h"
#include "mainwindow/ZunMain.h"
#include "platform/MakerLibrary.h"
#include "printing/CurrentPrinter.h"
#include "printing/PrintJob.h"
#include "printing/WydrukStart4.h"
#include "tests/core/support/TestSupport.h"
#include "tests/printing/support/OpenedUrls.h"
#include "tests/printing/support/PdfTools.h"

using namespace orv;

namespace {

TVelkor2* ProgramWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<TVelkor2*>(w)) return window;
    return nullptr;
}

QString Home() { return QDir(qEnvironmentVariable("HOME")).canonicalPath(); }

bool IsUnder(const QString& file, const QString& folder)
{
    return QFileInfo(file).canonicalFilePath().startsWith(folder + QLatin1Char('/'));
}

// The user in the dialogs of a printout: the set-up dialog's OK, the PDF
// file name, the print job that prints by itself.
class PrintingUser {
public:
    explicit PrintingUser(QString pdf) : pdf_(std::move(pdf))
    {
        oldFiles_ = TMOpenDialog::bindResponder([this](TMOpenDialog& d) {
            d.fileName = pdf_;
            return true;
        });
        oldDialogs_ = BindDialogResponder([](QDialog& d) {
            if (auto* form = qobject_cast<TBeginPrint2*>(&d)) {
                form->show();
                form->findChild<QPushButton*>("OKBtn")->click();
                return form->result();
            }
            if (auto* job = qobject_cast<TWydrukCalc*>(&d)) return job->exec();
            return int(QDialog::Rejected);
        });
    }
    ~PrintingUser()
    {
        BindDialogResponder(oldDialogs_);
        TMOpenDialog::bindResponder(oldFiles_);
    }

private:
    QString pdf_;
    TMOpenDialog::Responder oldFiles_;
    TDialogResponder oldDialogs_;
};

} // namespace

TEST(InstalledProgram, FindsItsFourLibrariesBesideItselfAndTheExamplesInTheDataFolder)
{
    const QString folder = QCoreApplication::applicationDirPath();
    EXPECT_EQ(MakerLibraryFolder(), folder);
    for (const char* name : {"toplage", "jollib", "nomlib", "wub"}) {
        MakerLibrary library(QString::fromLatin1(name));
        EXPECT_TRUE(library.isLoaded()) << library.fileName().toStdString();
        EXPECT_EQ(QFileInfo(library.fileName()).absolutePath(), folder) << name;
    }
    const QString data = QDir::cleanPath(folder + QStringLiteral("/../../share/orvandel"));
    for (const char* example : {"Przykład 1.clcm", "Przykład 2.clcm"}) {
        const QString file = ExampleProjectFile(folder, QString::fromUtf8(example));
        EXPECT_EQ(file, QDir(data).filePath(QString::fromUtf8(example)));
        EXPECT_TRUE(QFileInfo(file).isFile()) << example;
    }
}

TEST(InstalledProgram, OpensAnExamplePrintsItToPdfAndExportsTheReport)
{
    TVelkor2* window = ProgramWindow();
    ASSERT_NE(window, nullptr);
    orvtest::MessageRecorder messages;  // in place of the program's message boxes
    window->setPrintStartDelay(0);

    window->N1PrzykladClick(1);
    EXPECT_TRUE(window->windowTitle().startsWith("Orvandel - Przykład 1"));
    EXPECT_GT(window->session().count(), 1);
    // The example is a new project: saving it asks for a name, proposed in
    // the user's folders, never in the read-only data folder.
    {
        QString proposed;
        const QString saved = Home() + QStringLiteral("/Przykład 1.clcm");
        const TMOpenDialog::Responder old = TMOpenDialog::bindResponder([&](TMOpenDialog& d) {
            proposed = d.fileName;
            d.fileName = saved;
            return true;
        });
        EXPECT_TRUE(window->Zapisz1Click());
        TMOpenDialog::bindResponder(old);
        EXPECT_EQ(QFileInfo(proposed).absolutePath(), Home()) << proposed.toStdString();
        EXPECT_EQ(window->session().fileName(), saved.toStdString());
        EXPECT_TRUE(QFileInfo(saved).isFile());
    }

    ASSERT_TRUE(SetCurrentPrinter(int(PrinterEntries().size()) - 1));  // "PDF"
    const QString pdf = Home() + QStringLiteral("/Przykład 1.pdf");
    {
        PrintingUser user(pdf);
        window->findChild<QAction*>("Wdrukuj1")->trigger();
    }
    QFile printed(pdf);
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    EXPECT_TRUE(printed.read(5) == "%PDF-");
    if (orvtest::PopplerAvailable()) {
        EXPECT_GE(orvtest::PdfPageCount(pdf), 1);
        EXPECT_TRUE(orvtest::PdfLayoutText(pdf).contains("koniec wydruku"));
    }

    // "Wstaw do edytora": zun.rtf is written in the user's folders and
    // handed to the desktop.
    orvtest::OpenedUrls urls;
    {
        PrintingUser user(QString{});
        window->findChild<QToolButton*>("Word1")->click();
    }
    ASSERT_EQ(urls.urls.size(), 1);
    const QString rtf = urls.urls[0].toLocalFile();
    EXPECT_EQ(QFileInfo(rtf).fileName(), "zun.rtf");
    EXPECT_TRUE(IsUnder(rtf, Home())) << rtf.toStdString();
    QFile exported(rtf);
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    EXPECT_TRUE(exported.readAll().startsWith("{\\rtf1"));

    // No box at all, so none reporting a library missing.
    for (const auto& m : messages.messages) ADD_FAILURE() << m.headline << ": " << m.text;
    window->session().setModified(false);
}

TEST(InstalledProgram, ShowsTheProgramIconOnItsWindows)
{
    TVelkor2* window = ProgramWindow();
    ASSERT_NE(window, nullptr);
    for (const QIcon& icon : {QApplication::windowIcon(), window->windowIcon()}) {
        const QImage image = icon.pixmap(48, 48).toImage();
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(48, 48));
        // a brick in the middle of the wall, the ground transparent at the corner
        EXPECT_EQ(qAlpha(image.pixel(24, 20)), 255);
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    }
}

// The tests start once the program's window is up (its start handles
// events while the splash comes up, before the window is made), and their
// result ends the program.
static void RunTestsWhenTheWindowIsUp()
{
    const TVelkor2* window = ProgramWindow();
    if (!window || !window->isVisible()) QTimer::singleShot(10, RunTestsWhenTheWindowIsUp);
    else QCoreApplication::exit(RUN_ALL_TESTS());
}

// Runs when the program's own start has made its application object.
static void RunTestsInTheProgram() { QTimer::singleShot(0, RunTestsWhenTheWindowIsUp); }
Q_COREAPP_STARTUP_FUNCTION(RunTestsInTheProgram)

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    return RunApplication(argc, argv);
}
