// The main window as an engineer uses it: open an example, change a field
// and see the verdict and results follow, switch elements, save and reopen,
// close with changes and answer each button of the question.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QImage>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextLayout>

#include <array>
#include <climits>
#include <cstring>
#include <utility>

#include "components/DialogRunner.h"
#include "components/ElementTabBar.h"
#include "components/MOpenDialog.h"
#include "components/Realedit.h"
#include "core/CommonParamsUnit.h"
#include "core/MessageService.h"
#include "core/MyUtils.h"
#include "core/SettingsStore.h"
#include "mainwindow/ElementEditor.h"
#include "mainwindow/ZunApplication.h"
#include "mainwindow/ZunMain.h"
#include "tests/core/support/TestSupport.h"

using namespace orv;

namespace {

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        orvtest::EnsureApp<QApplication>();
        oldStore_ = BindSettingsStore(&store);
        oldSep_ = DecimalSeparator();
        SetDecimalSeparator(',');
        oldResponder_ = TMOpenDialog::bindResponder([this](TMOpenDialog& d) {
            ++dialogs;
            if (dialogAnswer.isEmpty()) return false;
            d.fileName = dialogAnswer;
            return true;
        });
        window = std::make_unique<TVelkor2>();
        window->setProgramFolder(QStringLiteral(ORV_BUILD_DIR));
        window->resize(1200, 900);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get(), orvtest::kHangMs));
    }
    void TearDown() override
    {
        if (window) {
            window->session().setModified(false);
            window.reset();
        }
        TMOpenDialog::bindResponder(oldResponder_);
        SetDecimalSeparator(oldSep_);
        BindSettingsStore(oldStore_);
    }

    TNumberEdit* field(const char* name) { return window->findChild<TNumberEdit*>(QString::fromLatin1(name)); }
    QString resultsText() { return window->findChild<QTextBrowser*>("REdit1")->toPlainText(); }
    int verdict() { return window->findChild<QLabel*>("PB1b")->property("verdict").toInt(); }

    // Types into a field of the editor and leaves it as a user does.
    void type(const char* name, const QString& text)
    {
        TNumberEdit* e = field(name);
        ASSERT_NE(e, nullptr) << name;
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, text);
        window->editor()->commitFocused();
    }

    MemorySettingsStore store;
    orvtest::MessageRecorder messages;
    orvtest::ScratchDir scratch;
    QString dialogAnswer;
    int dialogs = 0;
    std::unique_ptr<TVelkor2> window;

private:
    ISettingsStore* oldStore_ = nullptr;
    char oldSep_ = '.';
    TMOpenDialog::Responder oldResponder_;
};

// A home of the test's own whose documents folder is "Dokumenty", for as
// long as the object lives.
struct UserHome {
    explicit UserHome(const orvtest::ScratchDir& scratch)
        : oldHome(qgetenv("HOME")), oldConfig(qgetenv("XDG_CONFIG_HOME")),
          home(QString::fromStdString(scratch.file("home")))
    {
        QDir().mkpath(home + "/Dokumenty");
        QDir().mkpath(home + "/.config");
        orvtest::WriteFileBytes((home + "/.config/user-dirs.dirs").toStdString(),
                                "XDG_DOCUMENTS_DIR=\"$HOME/Dokumenty\"\n");
        qputenv("HOME", home.toUtf8());
        qputenv("XDG_CONFIG_HOME", (home + "/.config").toUtf8());
    }
    ~UserHome()
    {
        qputenv("HOME", oldHome);
        if (oldConfig.isNull()) qunsetenv("XDG_CONFIG_HOME");
        else qputenv("XDG_CONFIG_HOME", oldConfig);
    }
    UserHome(const UserHome&) = delete;
    UserHome& operator=(const UserHome&) = delete;

    QByteArray oldHome, oldConfig;
    QString home;
};

// A file dialog responder of one test, the fixture's bound again at its end.
struct BoundResponder {
    explicit BoundResponder(TMOpenDialog::Responder r) : old(TMOpenDialog::bindResponder(std::move(r))) {}
    ~BoundResponder() { TMOpenDialog::bindResponder(old); }
    BoundResponder(const BoundResponder&) = delete;
    BoundResponder& operator=(const BoundResponder&) = delete;

    TMOpenDialog::Responder old;
};

} // namespace

TEST(MainWindowPlace, StoredPlaceIsBroughtOntoTheScreen)
{
    // "FormState" written on a larger desktop or edited by hand: the window
    // opens wholly on the available screen, whatever the numbers.
    orvtest::EnsureApp<QApplication>();
    MemorySettingsStore store;
    ISettingsStore* previous = BindSettingsStore(&store);
    orvtest::MessageRecorder messages;
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    auto stored = [&](int left, int top, int width, int height) {
        store.writeInteger(SettingsKey::Program, "FormState", "Left", left);
        store.writeInteger(SettingsKey::Program, "FormState", "Top", top);
        store.writeInteger(SettingsKey::Program, "FormState", "Width", width);
        store.writeInteger(SettingsKey::Program, "FormState", "Height", height);
    };
    const std::array<int, 4> places[] = {
        {20, 20, INT_MAX, INT_MAX}, {20, 20, 50000, 50000}, {5000, 4000, 600, 450}, {-3000, -3000, 600, 450}};
    for (const auto& p : places) {
        SCOPED_TRACE(p[0]);
        stored(p[0], p[1], p[2], p[3]);
        TVelkor2 window;
        EXPECT_TRUE(area.contains(QRect(window.pos(), window.size())))
            << window.x() << "," << window.y() << " " << window.width() << "x" << window.height();
    }
    // Past the right and bottom edges: moved back just onto the screen.
    stored(5000, 4000, 600, 450);
    {
        TVelkor2 window;
        EXPECT_EQ(window.pos(), QPoint(area.right() + 1 - 600, area.bottom() + 1 - 450));
        EXPECT_EQ(window.size(), QSize(600, 450));
    }
    // A place on the screen is kept as it was.
    stored(area.left() + 30, area.top() + 40, 600, 450);
    {
        TVelkor2 window;
        EXPECT_EQ(window.pos(), QPoint(area.left() + 30, area.top() + 40));
        EXPECT_EQ(window.size(), QSize(600, 450));
    }
    BindSettingsStore(previous);
}

TEST(MainWindowFont, TheResultsViewTakesAStoredFontSizeWithinItsBounds)
{
    // "FontSize" in half-points: a size from 1 to 72 points is taken as it
    // stands, any other (a hand-edited one) gives the default 10 points.
    orvtest::EnsureApp<QApplication>();
    MemorySettingsStore store;
    ISettingsStore* previous = BindSettingsStore(&store);
    orvtest::MessageRecorder messages;
    const std::pair<int, double> sizes[] = {{21, 10.5}, {2, 1.0},   {144, 72.0},  {145, 10.0},
                                            {1, 10.0},  {0, 10.0},  {-40, 10.0},  {INT_MAX, 10.0}};
    for (const auto& [stored, points] : sizes) {
        SCOPED_TRACE(stored);
        store.writeInteger(SettingsKey::Maker, "Parametrs", "FontSize", stored);
        TVelkor2 window;
        const auto* results = window.findChild<QTextBrowser*>("REdit1");
        ASSERT_NE(results, nullptr);
        EXPECT_EQ(results->document()->defaultFont().pointSizeF(), points);
    }
    BindSettingsStore(previous);
}

TEST_F(MainWindow, StartsWithANewCalculatedProject)
{
    EXPECT_TRUE(window->windowTitle().startsWith("Orvandel - Nowy Projekt"));
    EXPECT_EQ(window->session().count(), 1);
    EXPECT_EQ(window->findChild<TElementTabBar*>("TabControl1")->tabText(0), "Element 1");
    EXPECT_EQ(window->findChild<QLabel*>("Panel9")->text(),
              "  Ściana obciążona pionowo - model przegubowy - wyniki: ");
    EXPECT_FALSE(resultsText().isEmpty());
    EXPECT_FALSE(window->session().modified());
    EXPECT_TRUE(messages.messages.empty());
}

// The results' heading names the case whose results stand below it, also
// when the session changed the element before the editor shows it again.
TEST_F(MainWindow, TheResultsHeadingNamesTheCaseCalculated)
{
    window->session().editCurrent([](TProjectElement& e) { e.Input.Case = ccConcentratedLoad; });
    EXPECT_EQ(window->findChild<QLabel*>("Panel9")->text(), "  Ściana obciążona siłą skupioną - wyniki: ");
    EXPECT_TRUE(resultsText().contains("NRd")) << resultsText().toStdString();
}

// The program's set-up leaves the toolkit's own style in place, and the
// commands show that style's standard pictures.
TEST_F(MainWindow, TheSetUpKeepsTheToolkitsStyleAndItsStandardIcons)
{
    QStyle* style = QApplication::style();
    SetUpApplication(*qApp);
    EXPECT_EQ(QApplication::style(), style);
    EXPECT_EQ(qobject_cast<QProxyStyle*>(QApplication::style()), nullptr);
    const std::pair<const char*, QStyle::StandardPixmap> shown[] = {
        {"Nowy1", QStyle::SP_FileIcon}, {"Zapisz1", QStyle::SP_DialogSaveButton},
        {"Wywietlpoprzednielement1", QStyle::SP_ArrowLeft}, {"Calculate11", QStyle::SP_BrowserReload}};
    for (const auto& [name, which] : shown) {
        const auto* action = window->findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        for (const int size : {16, 24, 32})
            EXPECT_EQ(action->icon().pixmap(size).toImage(), style->standardIcon(which).pixmap(size).toImage())
                << name << " " << size;
    }
}

TEST_F(MainWindow, TheReaderSelectsAndCopiesTheResultsAndAnEditRenewsThem)
{
    auto* results = window->findChild<QTextBrowser*>("REdit1");
    ASSERT_NE(results, nullptr);
    auto picture = [&] { return results->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32); };
    // From the start the panel is as high as its text at its width needs,
    // and 150 px at least.
    EXPECT_EQ(window->findChild<QWidget*>("Panel111")->height(),
              std::max(150, int(results->document()->size().height()) + 5));
    EXPECT_EQ(results->document()->textWidth(), results->viewport()->width());
    // A double click on a word selects it and Ctrl+C copies it.
    const QTextBlock block = results->document()->find(QStringLiteral("Warunek")).block();
    ASSERT_TRUE(block.isValid());
    const QTextLine line = block.layout()->lineAt(0);
    const QPointF word = block.layout()->position() + QPointF(line.cursorToX(3), line.y() + line.height() / 2);
    QTest::mouseDClick(results->viewport(), Qt::LeftButton, {}, word.toPoint());
    EXPECT_EQ(results->textCursor().selectedText(), "Warunek");
    QTest::keyClick(results, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Warunek");
    // Select all copies the whole text, a cell a line.
    QTest::keyClick(results, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(results, Qt::Key_C, Qt::ControlModifier);
    const QString all = QGuiApplication::clipboard()->text();
    EXPECT_EQ(all, resultsText());
    EXPECT_TRUE(all.contains(QStringLiteral("Warunek nośności pod stropem:\n"))) << all.toStdString();
    // the factors as the report lines give them: the area to four decimals
    EXPECT_TRUE(all.contains(QStringLiteral("A = 0,3510 m2,  fd = 1,661 MPa"))) << all.toStdString();

    // An edit renews the text, ends the selection and shows the new figures.
    const QImage shown = picture();
    results->setTextCursor(QTextCursor(results->document()));
    const QImage plain = picture();
    EXPECT_NE(plain, shown);
    QTest::keyClick(results, Qt::Key_A, Qt::ControlModifier);
    const QString before = resultsText(), thickness = field("t1a")->text();
    type("t1a", "38");
    EXPECT_NE(resultsText(), before);
    EXPECT_FALSE(results->textCursor().hasSelection());
    EXPECT_NE(picture(), plain);
    // Back to the first value: the same text, drawn the same.
    type("t1a", thickness);
    EXPECT_EQ(resultsText(), before);
    EXPECT_EQ(picture(), plain);
}

TEST_F(MainWindow, ExampleOpensAndAnEditFollowsThroughToVerdictAndResults)
{
    window->N1PrzykladClick(1);
    ASSERT_TRUE(messages.messages.empty());
    EXPECT_TRUE(window->windowTitle().startsWith("Orvandel - Przykład 1"));
    EXPECT_GT(window->session().count(), 1);
    EXPECT_FALSE(window->freshStart());
    EXPECT_EQ(verdict(), int(TVerdict::Satisfied));

    // A much thinner wall under the same load fails.
    const QString before = resultsText();
    window->session().setCase(0);
    QWidget* scheme = window->findChild<QWidget*>("PB2");
    const QImage schemeBefore = scheme->grab().toImage();
    type("t1a", "10");
    EXPECT_NE(scheme->grab().toImage(), schemeBefore);
    EXPECT_EQ(window->session().current().Input.t, 10.0);
    EXPECT_TRUE(window->session().modified());
    EXPECT_NE(resultsText(), before);
    EXPECT_NE(verdict(), int(TVerdict::Satisfied));

    // Switching elements shows the other element's values.
    window->findChild<TElementTabBar*>("TabControl1")->setCurrentIndex(1);
    EXPECT_EQ(window->session().currentIndex(), 1);
    EXPECT_EQ(field("t1a")->value(), window->session().current().Input.t);

    // A missing example is reported with its path.
    window->setProgramFolder(scratch.path().c_str());
    window->N1PrzykladClick(2);
    ASSERT_FALSE(messages.messages.empty());
    EXPECT_EQ(messages.messages.back().headline, "Brak pliku.");
}

// An example opens as a new project under its name, marked as never saved;
// "Zapisz" and the close question ask for a name in the documents folder,
// and the shipped file stays byte for byte as it was.
TEST_F(MainWindow, AnExampleIsANewProjectAndItsFileIsNeverWritten)
{
    const UserHome user(scratch);
    const QString& home = user.home;
    QStringList proposed;
    const BoundResponder files([&](TMOpenDialog& d) {
        proposed << d.fileName;
        if (dialogAnswer.isEmpty()) return false;
        d.fileName = dialogAnswer;
        return true;
    });
    auto bytes = [](const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QString example1 = QStringLiteral(ORV_BUILD_DIR "/Przykład 1.clcm");
    const QString example2 = QStringLiteral(ORV_BUILD_DIR "/Przykład 2.clcm");
    const QByteArray shipped1 = bytes(example1), shipped2 = bytes(example2);
    ASSERT_FALSE(shipped1.isEmpty());

    window->N1PrzykladClick(1);
    ASSERT_TRUE(messages.messages.empty());
    EXPECT_EQ(window->windowTitle(), "Orvandel - Przykład 1[*]");
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_TRUE(window->session().fileName().empty());
    EXPECT_GT(window->session().count(), 1);
    EXPECT_EQ(window->documentName(), "Przykład 1");
    EXPECT_FALSE(window->recentFiles().contains(example1));

    // "Zapisz" after an edit asks for a name, proposed in the documents folder.
    type("h1a", "290");
    dialogAnswer = QString::fromStdString(scratch.file("Mój dom.clcm"));
    ASSERT_TRUE(window->Zapisz1Click());
    EXPECT_EQ(proposed, QStringList{home + "/Dokumenty/Przykład 1"});
    EXPECT_EQ(bytes(example1), shipped1);
    EXPECT_FALSE(bytes(dialogAnswer).isEmpty());
    EXPECT_EQ(window->session().fileName(), dialogAnswer.toStdString());
    EXPECT_TRUE(window->windowTitle().startsWith("Orvandel - Mój dom"));
    EXPECT_FALSE(window->isWindowModified());

    // Closing right after the second example asks about it by name; a
    // cancelled save dialog keeps the window, "Nie" closes it, nothing written.
    proposed.clear();
    window->N1PrzykladClick(2);
    ASSERT_TRUE(messages.messages.empty());
    EXPECT_TRUE(window->windowTitle().startsWith("Orvandel - Przykład 2"));
    messages.answer = mrYes;
    dialogAnswer.clear();
    EXPECT_FALSE(window->close());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Dane w projekcie - Przykład 2 - zostały zmienione.");
    EXPECT_EQ(proposed, QStringList{home + "/Dokumenty/Przykład 2"});
    messages.answer = mrNo;
    EXPECT_TRUE(window->close());
    EXPECT_EQ(bytes(example1), shipped1);
    EXPECT_EQ(bytes(example2), shipped2);
}

// A save is never proposed in the examples' folder (installed, read-only)
// nor in a folder that cannot be written: the documents folder instead.
TEST_F(MainWindow, ASaveProposesTheDocumentsFolderOverTheExamplesFolder)
{
    const UserHome user(scratch);
    QStringList folders;
    const BoundResponder files([&](TMOpenDialog& d) {
        folders << d.initialDir;
        return false;
    });
    const QString documents = user.home + "/Dokumenty";
    auto shown = [&folders] { return folders.join(" | ").toStdString(); };

    // Example 1, Plik › Nowy ("Nie" to keeping the example), Zapisz.
    window->N1PrzykladClick(1);
    messages.answer = mrNo;
    window->Nowy1Click();
    EXPECT_FALSE(window->Zapisz1Click());
    EXPECT_EQ(shown(), documents.toStdString());

    // An example opened as a file remembers its folder; "Zapisz jako" does not propose it.
    folders.clear();
    ASSERT_TRUE(window->OpenProject(QStringLiteral(ORV_BUILD_DIR "/Przykład 2.clcm")));
    EXPECT_FALSE(window->FileSaveAsClick());
    EXPECT_EQ(shown(), documents.toStdString());

    // A remembered folder removed since, or a file in its place: the documents folder.
    folders.clear();
    RememberDirectory(scratch.file("usuniety"));
    EXPECT_FALSE(window->FileSaveAsClick());
    const std::string notAFolder = scratch.file("plik");
    orvtest::WriteFileBytes(notAFolder, "x");
    RememberDirectory(notAFolder);
    EXPECT_FALSE(window->FileSaveAsClick());
    EXPECT_EQ(shown(), (documents + " | " + documents).toStdString());

    // The user's own folder stays proposed.
    folders.clear();
    const QString own = QString::fromStdString(scratch.file("projekty"));
    ASSERT_TRUE(QDir().mkpath(own));
    RememberDirectory(own.toStdString());
    EXPECT_FALSE(window->FileSaveAsClick());
    EXPECT_EQ(shown(), own.toStdString());
}

// Installed, the examples lie in the data folder beside the program folder.
TEST(MainWindowNames, ExamplesAreFoundBesideTheProgramOrInTheDataFolder)
{
    orvtest::ScratchDir dir;
    const QString root = QString::fromStdString(dir.path().string());
    ASSERT_TRUE(QDir().mkpath(root + "/lib/orvandel"));
    ASSERT_TRUE(QDir().mkpath(root + "/share/orvandel"));
    orvtest::WriteFileBytes((root + "/share/orvandel/Przykład 1.clcm").toStdString(), "01.3");
    EXPECT_EQ(ExampleProjectFile(root + "/lib/orvandel", "Przykład 1.clcm"), root + "/share/orvandel/Przykład 1.clcm");
    orvtest::WriteFileBytes((root + "/lib/orvandel/Przykład 1.clcm").toStdString(), "01.3");
    EXPECT_EQ(ExampleProjectFile(root + "/lib/orvandel", "Przykład 1.clcm"), root + "/lib/orvandel/Przykład 1.clcm");
}

TEST_F(MainWindow, TheTraceIsBuiltWhileItsWindowIsShown)
{
    ProjectSession& s = window->session();
    EXPECT_FALSE(s.traceRead());
    EXPECT_TRUE(s.trace().empty());
    auto traceText = [this] {
        QWidget* w = window->findChild<QWidget*>("CalculateSts");
        return w->findChild<QPlainTextEdit*>("Memo1")->toPlainText();
    };
    auto joined = [&s] {
        QStringList lines;
        for (std::string_view line : s.trace()) lines << QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
        return lines.join('\n');
    };

    // "Podgląd toku obliczeń": the current element's trace at once.
    window->findChild<QAction*>("Pto1")->trigger();
    QWidget* traceWindow = window->findChild<QWidget*>("CalculateSts");
    ASSERT_TRUE(traceWindow->isVisible());
    EXPECT_TRUE(s.traceRead());
    EXPECT_TRUE(traceText().startsWith("ŚCIANA OBCIĄŻONA PIONOWO (model przegubowy):"));
    EXPECT_EQ(traceText(), joined());

    // An edit shows its trace while the window is open.
    type("t1a", "38");
    EXPECT_TRUE(traceText().contains("Grubość ściany t = 38,0 cm"));
    EXPECT_EQ(traceText(), joined());

    // Closed, nothing is built; opened again after an edit, the new trace.
    traceWindow->close();
    EXPECT_FALSE(s.traceRead());
    type("t1a", "25");
    EXPECT_TRUE(s.trace().empty());
    window->findChild<QAction*>("Pto1")->trigger();
    EXPECT_TRUE(traceText().contains("Grubość ściany t = 25,0 cm"));
    EXPECT_EQ(traceText(), joined());
}

TEST_F(MainWindow, ABadNumberIsRefusedAndNothingStored)
{
    const double t = window->session().current().Input.t;
    // Typed keys are filtered; a pasted text is not.
    field("t1a")->setFocus();
    field("t1a")->setText("25a");
    window->editor()->commitFocused();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Popraw!");
    EXPECT_EQ(window->session().current().Input.t, t);
    EXPECT_FALSE(window->session().modified());
    // A save refuses to go on with the field unaccepted.
    EXPECT_FALSE(window->Zapisz1Click());
    EXPECT_EQ(dialogs, 0);
}

TEST_F(MainWindow, SaveAndReopenGiveTheSameRecords)
{
    window->N1PrzykladClick(1);
    type("h1a", "290");
    // The focused field is stored before saving, whatever the user clicked.
    field("l1")->setFocus();
    field("l1")->selectAll();
    QTest::keyClicks(field("l1"), "150");
    dialogAnswer = QString::fromStdString(scratch.file("Projekt domu"));
    ASSERT_TRUE(window->FileSaveAsClick());
    const QString saved = dialogAnswer + ".clcm";
    EXPECT_TRUE(QFile::exists(saved));
    EXPECT_EQ(window->session().current().Input.l, 150.0);
    EXPECT_FALSE(window->session().modified());
    EXPECT_TRUE(window->windowTitle().startsWith("Orvandel - Projekt domu"));

    TElementList before(window->session().count());
    for (int i = 0; i < window->session().count(); ++i) window->session().GetElementRecord(i, before[i]);

    window->Nowy1Click();
    EXPECT_EQ(window->session().count(), 1);
    ASSERT_TRUE(window->OpenProject(saved));
    ASSERT_EQ(window->session().count(), int(before.size()));
    for (int i = 0; i < window->session().count(); ++i) {
        TProjectElement e;
        window->session().GetElementRecord(i, e);
        // The stored header bytes (version, count, current) belong to element 0 only.
        EXPECT_EQ(std::memcmp(&e.Name, &before[i].Name, sizeof e - offsetof(TProjectElement, Name)), 0) << i;
    }

    // The file is first in the recent files; a vanished one is dropped with a message.
    EXPECT_EQ(window->recentFiles().value(0), saved);
    EXPECT_EQ(window->findChild<QAction*>("plik1")->text(), "&1 Projekt domu");
    QFile::remove(saved);
    window->plik1Click(1);
    EXPECT_EQ(messages.messages.back().headline, "Brak pliku.");
    EXPECT_FALSE(window->recentFiles().contains(saved));
}

TEST_F(MainWindow, ADamagedFileLeavesTheOpenProject)
{
    window->N1PrzykladClick(1);
    // The example is a project not yet saved: "Nie" to keeping it.
    messages.answer = mrNo;
    const int count = window->session().count();
    const QString damaged = QString::fromStdString(scratch.file("zly.clcm"));
    orvtest::WriteFileBytes(damaged.toStdString(), std::string("01.3") + std::string(100, '\x7f'));
    EXPECT_FALSE(window->OpenProject(damaged));
    EXPECT_EQ(messages.messages.back().headline, "Błąd odczytu pliku!");
    EXPECT_EQ(window->session().count(), count);
    EXPECT_TRUE(window->windowTitle().startsWith("Orvandel - Przykład 1"));
    // Answering "Nie" and then failing to read keeps the changes marked.
    type("h1a", "285");
    ASSERT_TRUE(window->session().modified());
    messages.answer = mrNo;
    EXPECT_FALSE(window->OpenProject(damaged));
    EXPECT_TRUE(window->session().modified());
    EXPECT_EQ(window->session().current().Input.h, 285.0);
    // A missing file of another extension opens nothing either.
    EXPECT_FALSE(window->OpenProject(QString::fromStdString(scratch.file("a.txt"))));
}

// The file's own version text decides, not its extension: a project renamed
// to ".txt" and chosen in the open dialog opens; a text file says why not.
TEST_F(MainWindow, AProjectUnderAnotherExtensionOpensFromTheDialog)
{
    const QString example = QStringLiteral(ORV_BUILD_DIR "/Przykład 2.clcm");
    const QString renamed = QString::fromStdString(scratch.file("projekt.txt"));
    ASSERT_TRUE(QFile::copy(example, renamed));
    dialogAnswer = renamed;
    window->ToolButton5Click();
    EXPECT_EQ(dialogs, 1);
    EXPECT_TRUE(window->windowTitle().startsWith("Orvandel - projekt"));
    EXPECT_EQ(window->recentFiles().value(0), renamed);
    EXPECT_GT(window->session().count(), 1);

    const QString text = QString::fromStdString(scratch.file("notatki.txt"));
    orvtest::WriteFileBytes(text.toStdString(), "Ściana parteru, oś A\r\n");
    dialogAnswer = text;
    const int count = window->session().count();
    window->ToolButton5Click();
    ASSERT_FALSE(messages.messages.empty());
    EXPECT_EQ(messages.messages.back().headline, "Błąd odczytu pliku!");
    EXPECT_EQ(window->session().count(), count);
    EXPECT_TRUE(window->windowTitle().startsWith("Orvandel - projekt"));
}

TEST_F(MainWindow, ClosingWithChangesAsksAndEachAnswerDoesItsPart)
{
    type("h1a", "280");
    ASSERT_TRUE(window->session().modified());

    // Cancel: the window stays and the project is as it was.
    messages.answer = mrCancel;
    EXPECT_FALSE(window->close());
    EXPECT_EQ(messages.messages.back().headline, "Zapisać zmiany w projekcie?");
    EXPECT_TRUE(window->session().modified());

    // Yes without a name: the save dialog is cancelled, so nothing closes.
    messages.answer = mrYes;
    EXPECT_FALSE(window->close());
    EXPECT_EQ(dialogs, 1);

    // Yes and a save that fails: the window stays, the changes kept.
    dialogAnswer = QString::fromStdString(scratch.file("brak/folderu/projekt.clcm"));
    EXPECT_FALSE(window->close());
    EXPECT_EQ(messages.messages.back().headline, "Błąd zapisu pliku!");
    EXPECT_TRUE(window->session().modified());

    // No: the window closes and keeps its place for the next start.
    messages.answer = mrNo;
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(store.valueExists(SettingsKey::Program, "FormState", "Width"));
}

TEST_F(MainWindow, NewAsksAboutChangesFirst)
{
    type("h1a", "280");
    messages.answer = mrCancel;
    window->Nowy1Click();
    EXPECT_EQ(window->session().current().Input.h, 280.0);
    messages.answer = mrNo;
    window->Nowy1Click();
    EXPECT_NE(window->session().current().Input.h, 280.0);
    EXPECT_FALSE(window->session().modified());
}

TEST_F(MainWindow, RecalculationOffShowsTheHintAndNoVerdict)
{
    window->setRecalculation(false);
    EXPECT_EQ(verdict(), int(TVerdict::ExceededOrNotCalculated));
    EXPECT_TRUE(resultsText().contains("Nie wykonano obliczeń!"));
    window->setRecalculation(true);
    EXPECT_FALSE(resultsText().contains("Nie wykonano obliczeń!"));
}

TEST(MainWindowNames, ProjectNamesAndRecentCaptions)
{
    EXPECT_EQ(ExtractProjectName("/a/Dom.clcm"), "Dom");
    EXPECT_EQ(ExtractProjectName("/a/Dom.CLCM"), "Dom");
    EXPECT_EQ(RecentFileCaption(2, "/p/" + QString(31, 'x') + ".clcm"), "&2 " + QString(28, 'x') + "...");
    EXPECT_EQ(RecentFileCaption(1, "/p/" + QString(30, 'x') + ".clcm"), "&1 " + QString(30, 'x'));
}

TEST_F(MainWindow, DescriptionAndSchemeCopy)
{
    // Accepting the description takes its texts back and marks the project
    // changed even when nothing was edited.
    auto old = BindDialogResponder([](QDialog& d) {
        if (auto* title = d.findChild<QLineEdit*>("Title1")) title->setText("Dom jednorodzinny");
        return int(QDialog::Accepted);
    });
    window->Opisprojektu1Click();
    EXPECT_EQ(window->session().header().Title.str(), "Dom jednorodzinny");
    EXPECT_TRUE(window->session().modified());
    BindDialogResponder(old);

    // The scheme goes to the clipboard as a picture and as SVG.
    QGuiApplication::clipboard()->clear();
    window->CopySchemeToClipboard();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasImage());
    EXPECT_TRUE(data->data("image/svg+xml").startsWith("<?xml"));
}

TEST_F(MainWindow, AFilesLoadDepthBelowTheWallsFootIsShownAsCalculated)
{
    window->session().setCase(ccConcentratedLoad);
    window->session().editCurrent([](TProjectElement& e) {
        e.Input.h = 300;
        e.Input.LiczbaSilSkup = 1;
        e.Input.Sily[0].hN = 310; // the field's limit is h - 5 = 295
    });
    dialogAnswer = QString::fromStdString(scratch.file("Glebokosc"));
    ASSERT_TRUE(window->FileSaveAsClick());
    window->Nowy1Click();
    ASSERT_TRUE(window->OpenProject(dialogAnswer + ".clcm"));

    // The field shows the 310 cm the check works with: the load lies below the foot.
    TNumberEdit* hN1 = field("hN1");
    EXPECT_EQ(window->session().current().Input.Sily[0].hN, 310.0);
    EXPECT_EQ(hN1->text(), "310,0");
    EXPECT_EQ(window->session().results().Error, ceLoadOutsideWall);
    EXPECT_EQ(hN1->maxValue(), 295.0);
    EXPECT_FALSE(window->session().modified());

    // Leaving the field asks for a depth within the wall; 295 is taken.
    messages.messages.clear();
    hN1->setFocus();
    EXPECT_FALSE(window->editor()->commitFocused());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Wartość spoza zakresu.\rWartość maksymalna: 295,0");
    type("hN1", "295");
    EXPECT_EQ(window->session().current().Input.Sily[0].hN, 295.0);
    EXPECT_NE(window->session().results().Error, ceLoadOutsideWall);
}

TEST_F(MainWindow, StrengthLeftForAToolbarSaveShowsItsDecimal)
{
    // Typed as a whole number and left by the toolbar's save or by Tab: the
    // box shows the stored value with the field's one decimal.
    auto* fb = window->findChild<QComboBox*>("fb1");
    ASSERT_NE(fb, nullptr);
    EXPECT_EQ(fb->currentText(), "10,0");
    fb->setFocus();
    fb->lineEdit()->selectAll();
    QTest::keyClicks(fb->lineEdit(), "15");
    dialogAnswer = QString::fromStdString(scratch.file("Wytrzymałość"));
    QAction* save = window->findChild<QAction*>("Zapisz1");
    ASSERT_NE(save, nullptr);
    save->trigger();
    EXPECT_EQ(window->session().current().Input.fb, 15.0);
    EXPECT_FALSE(window->session().modified());
    EXPECT_EQ(fb->currentText(), "15,0");
    fb->setFocus();
    fb->lineEdit()->selectAll();
    QTest::keyClicks(fb->lineEdit(), "20");
    QTest::keyClick(fb->lineEdit(), Qt::Key_Tab);
    EXPECT_EQ(window->session().current().Input.fb, 20.0);
    EXPECT_EQ(fb->currentText(), "20,0");
    save->trigger();
    EXPECT_EQ(fb->currentText(), "20,0");
}

// An example, a new project and a project opened from its file are each
// calculated once as they are shown, not again by the window.
TEST_F(MainWindow, EachProjectShownIsCalculatedOnce)
{
    struct Counter : IProjectObserver {
        void resultsChanged() override { ++count; }
        int count = 0;
    } counter;
    window->session().addObserver(&counter);
    window->N1PrzykladClick(1);
    EXPECT_EQ(counter.count, 1);
    const std::string file = scratch.file("raz.clcm");
    ASSERT_TRUE(window->session().save(file).ok());
    counter.count = 0;
    window->Nowy1Click();
    EXPECT_EQ(counter.count, 1);
    counter.count = 0;
    ASSERT_TRUE(window->OpenProject(QString::fromStdString(file)));
    EXPECT_EQ(counter.count, 1);
    window->session().removeObserver(&counter);
}
