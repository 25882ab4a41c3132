#include "mainwindow/ZunMain.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QStandardPaths>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "components/DialogRunner.h"
#include "components/HelpRouterUnit.h"
#include "components/MOpenDialog.h"
#include "components/StandardIcons.h"
#include "components/WhatsThisUnit.h"
#include "components/WindowPlacement.h"
#include "core/CommonParamsUnit.h"
#include "core/MessageService.h"
#include "core/MyUtils.h"
#include "core/SettingsStore.h"
#include "core/ZunEditor.h"
#include "core/ZunMaterials.h"
#include "core/ZunRtf.h"
#include "dialogs/AddPoz.h"
#include "dialogs/CalcSts.h"
#include "dialogs/CatalogueFiles.h"
#include "dialogs/Kolejnosc2.h"
#include "dialogs/opis.h"
#include "drawing/Canvas.h"
#include "drawing/CommonColorUnit.h"
#include "drawing/ResultsDocument.h"
#include "drawing/SchemePicture.h"
#include "drawing/ZunPaint.h"
#include "mainwindow/ElementEditor.h"
#include "mainwindow/OPROGRAM4.h"
#include "mainwindow/ZunWelcome.h"
#include "platform/JolLib.h"
#include "platform/SlabLibrary.h"
#include "printing/CurrentPrinter.h"
#include "printing/PreviewPrintDlg.h"
#include "printing/PrintJob.h"
#include "printing/PrinterSetup.h"
#include "printing/ReportRenderer.h"
#include "printing/WstawDWCalc.h"
#include "printing/WydrukStart4.h"

namespace orv {
namespace {

const char* const kFormState = "FormState";
const char* const kRecentFiles = "RecentFiles";
constexpr int kMaxRecentFiles = 9;
const QString kNewProject = QStringLiteral("Nowy Projekt");
const QString kFilter = QStringLiteral("Pliki programu Orvandel (*.clcm)");

QString Q(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
std::string S(const QString& s) { return s.toStdString(); }

// The folder a save of a new project is proposed in: the user's documents
// folder, or the home folder while there is none.
QString DocumentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

bool HasProjectExtension(const QString& fileName)
{
    return QFileInfo(fileName).suffix().compare(QLatin1String("clcm"), Qt::CaseInsensitive) == 0;
}

void ShowFileResult(const TFileResult& r)
{
    if (!r.ok()) ShowMessageDialog(r.headline, r.message, mdError, mbOK);
}

// The scheme box: the scheme of the current element's case, drawn whenever
// the box is painted while recalculation is on.
class TSchemeBox : public QWidget {
public:
    TSchemeBox(ProjectSession& session, QWidget* parent) : QWidget(parent), session_(session)
    {
        setObjectName(QStringLiteral("PB2"));
        setMinimumSize(120, 100);
        ReadDrawingColors(colors_);
    }

    TDrawingColors& colors() { return colors_; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Button));
        if (!session_.recalculation()) return;
        PainterCanvas canvas(p);
        canvas.font.color = clBtnText;
        canvas.pen.color = clBtnText;
        DrawCaseScheme(canvas, TPoint{width(), height()}, session_.current().Input, session_.results(), colors_);
    }

private:
    ProjectSession& session_;
    TDrawingColors colors_{};
};

} // namespace

// --- window state -------------------------------------------------------------

TFormState LoadFormState(int screenWidth, int screenHeight)
{
    ISettingsStore& s = Settings();
    const SettingsKey k = SettingsKey::Program;
    TFormState f;
    f.welcomeForm = s.readBool(k, kFormState, "WelcomeForm").value_or(true);
    f.maximized = s.readBool(k, kFormState, "Maximized").value_or(false);
    f.height = s.readInteger(k, kFormState, "Height").value_or(screenHeight - 40);
    f.width = s.readInteger(k, kFormState, "Width").value_or(screenWidth - 40);
    f.left = s.readInteger(k, kFormState, "Left").value_or(20);
    f.top = s.readInteger(k, kFormState, "Top").value_or(20);
    return f;
}

void SaveFormState(const TFormState& f)
{
    ISettingsStore& s = Settings();
    const SettingsKey k = SettingsKey::Program;
    s.writeBool(k, kFormState, "Maximized", f.maximized);
    s.writeInteger(k, kFormState, "Height", f.height);
    s.writeInteger(k, kFormState, "Width", f.width);
    s.writeInteger(k, kFormState, "Left", f.left);
    s.writeInteger(k, kFormState, "Top", f.top);
    s.writeBool(k, kFormState, "WelcomeForm", f.welcomeForm);
}

QString ExtractProjectName(const QString& fileName)
{
    QString name = QFileInfo(fileName).fileName();
    name.chop(4);
    if (HasProjectExtension(fileName)) name.chop(1);
    return name;
}

QString ExampleProjectFile(const QString& programFolder, const QString& fileName)
{
    const QString beside = QDir(programFolder).filePath(fileName);
    if (QFileInfo::exists(beside)) return beside;
    return QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral(ORV_DATA_FROM_PROGRAM "/") + fileName));
}

QString RecentFileCaption(int n, const QString& fileName)
{
    QString name = ExtractProjectName(fileName);
    if (name.size() > 30) name = name.left(28) + QStringLiteral("...");
    return QStringLiteral("&%1 %2").arg(n).arg(name);
}

// --- the window -----------------------------------------------------------------

TVelkor2::TVelkor2(QWidget* parent)
    : QMainWindow(parent), session_(std::make_unique<ProjectSession>(SlabStartValuesHook())),
      programFolder_(QCoreApplication::applicationDirPath())
{
    setObjectName(QStringLiteral("Velkor2"));
    // The steel grades: the built-in rows and the user's own file, if any
    // (the program folder's until the user has one).
    LoadSteelCatalogue(steel_);
    // A verdict needs a concrete class and a steel grade the lists offer.
    session_->setInputsSelectable([this](const TProjectElement& e) {
        const int concrete = static_cast<int>(e.Input.beton);
        return concrete >= 0 && concrete < ConcreteClassCount && steel_.GetIndexOfPN99(e.Input.stal.Znak.str()) >= 0;
    });
    session_->addObserver(this);
    elementSource_ = std::make_unique<SessionElementSource>(*session_);
    const QSize screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->size() : QSize(1024, 768);
    formState_ = LoadFormState(screen.width(), screen.height());

    buildActions();
    buildMenus();
    buildToolBar();
    buildCentre();
    loadRecentFiles();
    UpdateRecentFilesMenu();

    setMinimumSize(500, 410);
    // A stored place is trusted no further than the screen.
    PlaceWindowOnScreen(*this, {formState_.left, formState_.top, formState_.width, formState_.height});
    if (formState_.maximized) setWindowState(windowState() | Qt::WindowMaximized);

    SetProjectCaption(kNewProject);
    FillElementTabs();
    UpdateElementCommands();
    editor_->ShowElementData();
    session_->RecalculateElement();
}

TVelkor2::~TVelkor2()
{
    session_->removeObserver(this);
    if (trace_) trace_->setReaderHook({});
}

void TVelkor2::buildActions()
{
    const QStyle* st = style();
    newAction_ = new QAction(StandardIcon(st, QStyle::SP_FileIcon), QStringLiteral("&Nowy"), this);
    newAction_->setObjectName(QStringLiteral("Nowy1"));
    newAction_->setToolTip(QStringLiteral("Nowy projekt"));
    connect(newAction_, &QAction::triggered, this, &TVelkor2::Nowy1Click);

    openAction_ = new QAction(StandardIcon(st, QStyle::SP_DialogOpenButton), QStringLiteral("&Otwórz"), this);
    openAction_->setObjectName(QStringLiteral("Otworz1"));
    openAction_->setToolTip(QStringLiteral("Otwórz istniejący projekt"));
    connect(openAction_, &QAction::triggered, this, &TVelkor2::ToolButton5Click);

    example1_ = new QAction(QStringLiteral("Przykład nr 1"), this);
    example1_->setObjectName(QStringLiteral("N1Przyklad"));
    connect(example1_, &QAction::triggered, this, [this] { N1PrzykladClick(1); });
    example2_ = new QAction(QStringLiteral("Przykład nr 2"), this);
    example2_->setObjectName(QStringLiteral("N2Przyklad"));
    connect(example2_, &QAction::triggered, this, [this] { N1PrzykladClick(2); });

    saveAction_ = new QAction(StandardIcon(st, QStyle::SP_DialogSaveButton), QStringLiteral("&Zapisz"), this);
    saveAction_->setObjectName(QStringLiteral("Zapisz1"));
    saveAction_->setToolTip(QStringLiteral("Zapisz projekt"));
    connect(saveAction_, &QAction::triggered, this, [this] { Zapisz1Click(); });
    saveAsAction_ = new QAction(QStringLiteral("Zapisz &jako ..."), this);
    saveAsAction_->setObjectName(QStringLiteral("FileSaveAs"));
    connect(saveAsAction_, &QAction::triggered, this, [this] { FileSaveAsClick(); });
    exitAction_ = new QAction(StandardIcon(st, QStyle::SP_DialogCloseButton), QStringLiteral("Za&kończ"), this);
    exitAction_->setObjectName(QStringLiteral("Zakocz1"));
    connect(exitAction_, &QAction::triggered, this, &QWidget::close);

    recentSeparator_ = new QAction(this);
    recentSeparator_->setSeparator(true);
    recentSeparator_->setObjectName(QStringLiteral("N7"));
    for (int n = 1; n <= kMaxRecentFiles; ++n) {
        QAction* a = new QAction(this);
        a->setObjectName(QStringLiteral("plik%1").arg(n));
        a->setVisible(false);
        connect(a, &QAction::triggered, this, [this, n] { plik1Click(n); });
        recent_[n - 1] = a;
    }

    addAction_ = new QAction(StandardIcon(st, QStyle::SP_FileDialogNewFolder), QStringLiteral("Dodaj nowy element"), this);
    addAction_->setObjectName(QStringLiteral("Dodajnowyelement1"));
    connect(addAction_, &QAction::triggered, this, &TVelkor2::ToolButton10Click);
    deleteAction_ = new QAction(StandardIcon(st, QStyle::SP_TrashIcon), QStringLiteral("Usuń aktywny element"), this);
    deleteAction_->setObjectName(QStringLiteral("Usuaktywnyelement1"));
    connect(deleteAction_, &QAction::triggered, this, &TVelkor2::ToolButton11Click);
    copyAction_ = new QAction(StandardIcon(st, QStyle::SP_FileDialogDetailedView),
                              QStringLiteral("Skopiuj aktywny element jako nowy"), this);
    copyAction_->setObjectName(QStringLiteral("Skopiujaktywnyelementjakonowy1"));
    connect(copyAction_, &QAction::triggered, this, &TVelkor2::ToolButton12Click);
    previousAction_ = new QAction(StandardIcon(st, QStyle::SP_ArrowLeft), QStringLiteral("Wyświetl poprzedni element"), this);
    previousAction_->setObjectName(QStringLiteral("Wywietlpoprzednielement1"));
    connect(previousAction_, &QAction::triggered, this, &TVelkor2::ToolButton13Click);
    nextAction_ = new QAction(StandardIcon(st, QStyle::SP_ArrowRight), QStringLiteral("Wyświetl następny element"), this);
    nextAction_->setObjectName(QStringLiteral("Wywietlnastpnyelement1"));
    connect(nextAction_, &QAction::triggered, this, &TVelkor2::ToolButton14Click);
    managerAction_ = new QAction(StandardIcon(st, QStyle::SP_FileDialogListView), QStringLiteral("Menadżer elementów"), this);
    managerAction_->setObjectName(QStringLiteral("Menaderelementw1"));
    connect(managerAction_, &QAction::triggered, this, &TVelkor2::Menaderelementw1Click);

    calculateAction_ = new QAction(StandardIcon(st, QStyle::SP_BrowserReload), QStringLiteral("Przeliczanie"), this);
    calculateAction_->setObjectName(QStringLiteral("Calculate11"));
    calculateAction_->setCheckable(true);
    calculateAction_->setChecked(true);
    connect(calculateAction_, &QAction::triggered, this, [this](bool on) {
        if (storeFocusedField()) setRecalculation(on);
        else calculateAction_->setChecked(!on);
    });

    traceAction_ = new QAction(QStringLiteral("Podgląd toku obliczeń"), this);
    traceAction_->setObjectName(QStringLiteral("Pto1"));
    connect(traceAction_, &QAction::triggered, this, [this] {
        if (storeFocusedField()) openTraceWindow();
    });

    printAction_ = new QAction(QIcon::fromTheme(QStringLiteral("document-print")), QStringLiteral("Drukuj"), this);
    printAction_->setObjectName(QStringLiteral("Wdrukuj1"));
    connect(printAction_, &QAction::triggered, this, [this] { Word1Click(0); });
    editorAction_ = new QAction(QIcon::fromTheme(QStringLiteral("x-office-document")),
                                QStringLiteral("Wstaw do edytora"), this);
    editorAction_->setObjectName(QStringLiteral("DoWorda1"));
    connect(editorAction_, &QAction::triggered, this, [this] { Word1Click(1); });
    previewAction_ = new QAction(QIcon::fromTheme(QStringLiteral("document-print-preview")),
                                 QStringLiteral("Podgląd wydruku"), this);
    previewAction_->setObjectName(QStringLiteral("Podgldwydruku1"));
    connect(previewAction_, &QAction::triggered, this, &TVelkor2::Podgldwydruku1Click);
    printerSetupAction_ = new QAction(QStringLiteral("Ustawiania drukarki"), this);
    printerSetupAction_->setObjectName(QStringLiteral("Ustawianiadrukarki1"));
    connect(printerSetupAction_, &QAction::triggered, this, &TVelkor2::Ustawianiadrukarki1Click);

    aboutAction_ = new QAction(QStringLiteral("O programie"), this);
    aboutAction_->setObjectName(QStringLiteral("Oprogramie1"));
    aboutAction_->setEnabled(false);
    connect(aboutAction_, &QAction::triggered, this, &TVelkor2::Oprogramie1Click);

    helpAction_ = new QAction(StandardIcon(st, QStyle::SP_DialogHelpButton), QStringLiteral("Pomoc"), this);
    helpAction_->setObjectName(QStringLiteral("Spistreci1"));
    connect(helpAction_, &QAction::triggered, this, [] { ShowHelpContents(); });

    // The masonry-unit catalogue, as the "Lista" button of the masonry page.
    unitListAction_ = new QAction(QStringLiteral("Lista elementów murowych"), this);
    unitListAction_->setObjectName(QStringLiteral("Listaelementwmurowych1"));
    connect(unitListAction_, &QAction::triggered, this, [this] {
        if (storeFocusedField()) editor_->unitListClicked();
    });

    whatsThis_ = new TWhatsThis(this);
    whatsThis_->menuAction()->setIcon(QIcon::fromTheme(QStringLiteral("help-whatsthis"),
                                                       StandardIcon(st, QStyle::SP_TitleBarContextHelpButton)));
    ApplyCommandHelp();
}

void TVelkor2::ApplyCommandHelp()
{
    const std::pair<QAction*, const char*> texts[] = {
        {newAction_, "Nowy projekt z jednym elementem; o zapis zmian w bieżącym projekcie program pyta."},
        {openAction_, "Otwiera projekt zapisany w pliku *.clcm. Strzałka obok przycisku podaje przykłady i "
                      "ostatnio otwierane pliki."},
        {saveAction_, "Zapisuje projekt w jego pliku; projekt bez pliku pod nazwą, którą wskaże użytkownik."},
        {printAction_, "Drukuje raport obliczeń aktywnego albo wszystkich elementów projektu, po ustawieniu "
                       "wydruku."},
        {editorAction_, "Zapisuje raport obliczeń jako plik RTF (zun.rtf) i otwiera go w edytorze tekstu."},
        {addAction_, "Dodaje do projektu nowy element."},
        {deleteAction_, "Usuwa z projektu aktywny element."},
        {copyAction_, "Dodaje do projektu kopię aktywnego elementu."},
        {previousAction_, "Pokazuje poprzedni element projektu."},
        {nextAction_, "Pokazuje następny element projektu."},
        {managerAction_, "Menadżer elementów: kolejność, nazwy i usuwanie elementów projektu."},
        {calculateAction_, "Przeliczanie: włączone, każda zmiana danych przelicza aktywny element i pokazuje "
                           "wynik; wyłączone, obliczenia, wydruk i wstawianie do edytora czekają."},
        {exitAction_, "Kończy pracę programu; o zapis zmian w projekcie program pyta."},
        {helpAction_, "Otwiera spis treści pomocy programu."},
        {whatsThis_->menuAction(), "Co to jest?: po kliknięciu przycisku kliknij pole, przycisk lub napis "
                                   "okna, a program pokaże jego opis (także Shift+F1)."},
    };
    for (const auto& [action, text] : texts) action->setWhatsThis(QString::fromUtf8(text));
}

void TVelkor2::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Plik"));
    file->setObjectName(QStringLiteral("Plik1"));
    file->addAction(newAction_);
    file->addAction(openAction_);
    file->addAction(example1_);
    file->addAction(example2_);
    file->addAction(saveAction_);
    file->addAction(saveAsAction_);
    file->addSeparator();
    file->addAction(previewAction_);
    file->addAction(printAction_);
    file->addAction(editorAction_);
    file->addAction(printerSetupAction_);
    file->addAction(recentSeparator_);
    for (QAction* a : recent_) file->addAction(a);
    file->addSeparator();
    file->addAction(exitAction_);

    QMenu* elements = menuBar()->addMenu(QStringLiteral("&Elementy"));
    elements->setObjectName(QStringLiteral("Elementy1"));
    elements->addAction(addAction_);
    elements->addAction(deleteAction_);
    elements->addAction(copyAction_);
    elements->addSeparator();
    elements->addAction(previousAction_);
    elements->addAction(nextAction_);
    elements->addSeparator();
    elements->addAction(managerAction_);

    QMenu* calc = menuBar()->addMenu(QStringLiteral("O&bliczenia"));
    calc->setObjectName(QStringLiteral("Obliczenia1"));
    calc->addAction(calculateAction_);

    QMenu* options = menuBar()->addMenu(QStringLiteral("O&pcje"));
    options->setObjectName(QStringLiteral("Opcje1"));
    options->addAction(QStringLiteral("Opis projektu"), this, &TVelkor2::Opisprojektu1Click)
        ->setObjectName(QStringLiteral("Opisprojektu1"));
    options->addAction(traceAction_);
    options->addSeparator();
    options->addAction(unitListAction_);

    QMenu* help = menuBar()->addMenu(QStringLiteral("Pomo&c"));
    help->setObjectName(QStringLiteral("Pomoc1"));
    help->addAction(helpAction_);
    help->addAction(whatsThis_->menuAction());
    help->addAction(aboutAction_);

    // The drop-down of the Open button: the examples and the recent files.
    fileMenu3_ = new QMenu(this);
    fileMenu3_->setObjectName(QStringLiteral("FileMenu3"));
    fileMenu3_->addAction(example1_);
    fileMenu3_->addAction(example2_);
    fileMenu3_->addAction(recentSeparator_);
    for (QAction* a : recent_) fileMenu3_->addAction(a);
}

void TVelkor2::buildToolBar()
{
    QToolBar* bar = addToolBar(QStringLiteral("Narzędzia"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setWhatsThis(QStringLiteral("Pasek narzędzi: najczęściej używane polecenia programu."));
    bar->addAction(newAction_);
    bar->addAction(openAction_);
    if (auto* open = qobject_cast<QToolButton*>(bar->widgetForAction(openAction_))) {
        open->setObjectName(QStringLiteral("ToolButton5"));
        open->setMenu(fileMenu3_);
        open->setPopupMode(QToolButton::MenuButtonPopup);
    }
    bar->addAction(saveAction_);
    bar->addSeparator();
    bar->addAction(printAction_);
    if (auto* b = bar->widgetForAction(printAction_)) b->setObjectName(QStringLiteral("Druk"));
    bar->addAction(editorAction_);
    if (auto* b = bar->widgetForAction(editorAction_)) b->setObjectName(QStringLiteral("Word1"));
    bar->addSeparator();
    bar->addAction(addAction_);
    bar->addAction(deleteAction_);
    bar->addAction(copyAction_);
    bar->addAction(previousAction_);
    bar->addAction(nextAction_);
    bar->addAction(managerAction_);
    bar->addSeparator();
    bar->addAction(calculateAction_);
    if (auto* b = bar->widgetForAction(calculateAction_)) b->setObjectName(QStringLiteral("Calculate1"));
    bar->addSeparator();
    bar->addAction(helpAction_);
    if (auto* b = bar->widgetForAction(helpAction_)) b->setObjectName(QStringLiteral("ToolButton16"));
    bar->addAction(whatsThis_->menuAction());
    if (auto* b = bar->widgetForAction(whatsThis_->menuAction())) {
        b->setObjectName(QStringLiteral("btnWhatsThis"));
        whatsThis_->setToolbarButton(b);
    }
    bar->addSeparator();
    bar->addAction(exitAction_);
    // Tool buttons take no focus, so a command never leaves the edited field
    // on its own: storeFocusedField() does it.
    for (QToolButton* b : bar->findChildren<QToolButton*>()) b->setFocusPolicy(Qt::NoFocus);
}

void TVelkor2::buildCentre()
{
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("Splitter1"));

    auto* left = new QWidget(splitter);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(2, 2, 2, 2);
    tabs_ = new TElementTabBar(left);
    tabs_->setObjectName(QStringLiteral("TabControl1"));
    connect(tabs_, &TElementTabBar::currentChanged, this, [this](int index) { TabControl1Change(index); });
    connect(tabs_, &TElementTabBar::doubleClicked, this, &TVelkor2::TabControl1DblClick);
    tabs_->setWhatsThis(QStringLiteral("Zakładki elementów projektu: kliknięcie pokazuje element, podwójne "
                                       "kliknięcie zmienia jego nazwę i opis."));
    leftLayout->addWidget(tabs_);
    editor_ = new TElementEditor(*session_, left);
    leftLayout->addWidget(editor_, 1);

    resultsSide_ = new QWidget(splitter);
    resultsSide_->setObjectName(QStringLiteral("Panel8"));
    resultsSide_->setWhatsThis(QStringLiteral("Wyniki aktywnego elementu: schemat, ocena nośności i wyniki "
                                              "obliczeń, przeliczane po każdej zmianie danych."));
    auto* right = new QVBoxLayout(resultsSide_);
    right->setContentsMargins(2, 2, 2, 2);
    panel9_ = new QLabel(resultsSide_);
    panel9_->setObjectName(QStringLiteral("Panel9"));
    panel9_->setFrameShape(QFrame::Panel);
    panel9_->setFrameShadow(QFrame::Raised);
    QFont bold = panel9_->font();
    bold.setBold(true);
    panel9_->setFont(bold);
    right->addWidget(panel9_);
    scheme_ = new TSchemeBox(*session_, resultsSide_);
    scheme_->setWhatsThis(QStringLiteral("Schemat aktywnego elementu z wymiarami i obciążeniami. Prawy "
                                         "przycisk myszy: kopiowanie schematu i kolorystyka rysunku."));
    scheme_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(scheme_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        QMenu menu(this);
        menu.setObjectName(QStringLiteral("PopupMenu2"));
        // The scheme is only there to copy while it is calculated.
        if (session_->recalculation())
            menu.addAction(QStringLiteral("Kopiuj"), this, &TVelkor2::CopySchemeToClipboard)
                ->setObjectName(QStringLiteral("Kopiuj1"));
        menu.addAction(QStringLiteral("Kolorystyka"), this, &TVelkor2::Kolorystyka1Click)
            ->setObjectName(QStringLiteral("Kolorystyka1"));
        menu.addSeparator();
        whatsThis_->addItemTo(&menu, scheme_, scheme_->mapToGlobal(pos));
        menu.exec(scheme_->mapToGlobal(pos));
    });
    right->addWidget(scheme_, 1);

    resultsPanel_ = new QWidget(resultsSide_);
    resultsPanel_->setObjectName(QStringLiteral("Panel111"));
    auto* bottom = new QHBoxLayout(resultsPanel_);
    bottom->setContentsMargins(0, 0, 0, 0);
    verdict_ = new QLabel(resultsPanel_);
    verdict_->setObjectName(QStringLiteral("PB1b"));
    verdict_->setWhatsThis(QStringLiteral("Ocena nośności: warunki spełnione, nośność przekroczona lub brak "
                                          "obliczeń, albo błąd danych."));
    verdict_->setFixedWidth(62);
    verdict_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    verdict_->setContentsMargins(5, 5, 0, 0);
    bottom->addWidget(verdict_);
    results_ = new QTextBrowser(resultsPanel_);
    results_->setObjectName(QStringLiteral("REdit1"));
    results_->setWhatsThis(QStringLiteral("Wyniki obliczeń aktywnego elementu; czerwone wiersze to warunki "
                                          "niespełnione. Prawy przycisk myszy: kopiowanie i czcionka."));
    results_->setFrameShape(QFrame::NoFrame);
    results_->setOpenLinks(false);
    QPalette pal = results_->palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::Button));
    results_->setPalette(pal);
    std::string fontName;
    int fontSize = 20;
    ReadReportFont(fontName, fontSize);
    QFont font(Q(fontName));
    if (fontSize > 1) font.setPointSizeF(fontSize / 2.0);
    results_->document()->setDefaultFont(font);
    results_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(results_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        QMenu menu(this);
        menu.setObjectName(QStringLiteral("PopupMenu6"));
        QAction* copy = menu.addAction(QStringLiteral("Kopiuj"), results_, &QTextBrowser::copy);
        copy->setObjectName(QStringLiteral("Kopiuj12"));
        copy->setEnabled(results_->textCursor().hasSelection());
        menu.addAction(QStringLiteral("Zaznacz wszystko"), results_, &QTextBrowser::selectAll)
            ->setObjectName(QStringLiteral("Zaznaczwszytko1"));
        menu.addAction(QStringLiteral("Czcionka"), this, &TVelkor2::Czcionka1Click)
            ->setObjectName(QStringLiteral("Czcionka1"));
        menu.addSeparator();
        whatsThis_->addItemTo(&menu, results_, results_->viewport()->mapToGlobal(pos));
        menu.exec(results_->viewport()->mapToGlobal(pos));
    });
    bottom->addWidget(results_, 1);
    right->addWidget(resultsPanel_);
    // The panel's height follows the results side, from its first layout on,
    // and the text's height at the width the text gets.
    resultsSide_->installEventFilter(this);
    results_->viewport()->installEventFilter(this);

    splitter->addWidget(left);
    splitter->addWidget(resultsSide_);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    setCentralWidget(splitter);
}

// --- observers --------------------------------------------------------------------

void TVelkor2::projectReplaced()
{
    FillElementTabs();
    UpdateElementCommands();
    editor_->ShowElementData();
}

void TVelkor2::elementShown(int index)
{
    if (tabs_->count() != session_->count()) FillElementTabs();
    const bool was = tabs_->blockSignals(true);
    tabs_->setCurrentIndex(index);
    tabs_->blockSignals(was);
    UpdateElementCommands();
    editor_->ShowElementData();
}

void TVelkor2::resultsChanged()
{
    const QStyle::StandardPixmap icon = [&] {
        switch (session_->verdict()) {
        case TVerdict::Error: return QStyle::SP_MessageBoxCritical;
        case TVerdict::Satisfied: return QStyle::SP_MessageBoxInformation;
        case TVerdict::ExceededOrNotCalculated: break;
        }
        return QStyle::SP_MessageBoxWarning;
    }();
    verdict_->setPixmap(StandardIcon(style(), icon).pixmap(32, 32));
    verdict_->setProperty("verdict", static_cast<int>(session_->verdict()));
    updateCaption();
    FillResultsText();
    scheme_->update();
    if (trace_) trace_->refresh();
}

void TVelkor2::openTraceWindow()
{
    if (!trace_) {
        trace_ = new TCalculateSts(this);
        trace_->setWindowFlag(Qt::Window);
        trace_->setTraceLines(&session_->trace());
        trace_->setReaderHook([this](bool reading) { session_->setTraceRead(reading); });
    }
    trace_->show();
    trace_->raise();
}

void TVelkor2::modifiedChanged(bool modified)
{
    setWindowModified(modified);
}

void TVelkor2::updateCaption()
{
    const QString caseText = editor_->caseList()->itemText(editor_->caseList()->currentIndex());
    panel9_->setText(QStringLiteral(" ") + caseText + QStringLiteral(" - wyniki: "));
}

void TVelkor2::FillResultsText()
{
    // The reader keeps his place across recalculations; a new text ends a selection.
    const int first = results_->verticalScrollBar()->value();
    TReportSheet sheet;
    const int from = BuildResultsSheet(session_->recalculation(), session_->current().Input, session_->results(), sheet);
    QTextCursor cursor = results_->textCursor();
    if (cursor.hasSelection()) {
        cursor.clearSelection();
        results_->setTextCursor(cursor);
    }
    FillResultsDocument(*results_->document(), sheet, from, sheet.Count, 2, 3, true);
    REdit1ResizeRequest();
    results_->verticalScrollBar()->setValue(first);
}

bool TVelkor2::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        const auto* resize = static_cast<QResizeEvent*>(event);
        const bool newTextWidth = watched == results_->viewport() && resize->size().width() != resize->oldSize().width();
        if (watched == resultsSide_ || newTextWidth) REdit1ResizeRequest();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TVelkor2::REdit1ResizeRequest()
{
    // The panel grows with its text up to 65 % of the results side and,
    // space permitting, never below 150 pixels.
    // A new width lays the text out again where it no longer fits.
    QTextDocument* doc = results_->document();
    if (doc->textWidth() != results_->viewport()->width()) doc->setTextWidth(results_->viewport()->width());
    const int wanted = int(doc->size().height()) + 5;
    const int limit = int((resultsSide_->height() - panel9_->height()) * 0.65);
    resultsPanel_->setFixedHeight(std::max(0, std::min(std::max(wanted, 150), limit)));
}

// --- element commands ---------------------------------------------------------------

void TVelkor2::FillElementTabs()
{
    const bool was = tabs_->blockSignals(true);
    QStringList names;
    names.reserve(session_->count());
    for (int i = 0; i < session_->count(); ++i) names.append(Q(session_->element(i).Name.str()));
    tabs_->setTabs(names, session_->currentIndex());
    tabs_->blockSignals(was);
    // A hidden tab bar does not tell its layout that it now has tabs.
    tabs_->updateGeometry();
}

void TVelkor2::UpdateElementCommands()
{
    const int n = session_->count(), c = session_->currentIndex();
    deleteAction_->setEnabled(n > 1);
    previousAction_->setEnabled(n > 1 && c > 0);
    nextAction_->setEnabled(n > 1 && c < n - 1);
}

void TVelkor2::TabControl1Change(int index)
{
    if (index < 0 || index >= session_->count() || index == session_->currentIndex()) return;
    if (!storeFocusedField()) {
        const bool was = tabs_->blockSignals(true);
        tabs_->setCurrentIndex(session_->currentIndex());
        tabs_->blockSignals(was);
        return;
    }
    session_->setCurrent(index);
}

void TVelkor2::ToolButton13Click()
{
    TabControl1Change(session_->currentIndex() - 1);
}

void TVelkor2::ToolButton14Click()
{
    if (session_->currentIndex() + 1 < session_->count()) TabControl1Change(session_->currentIndex() + 1);
}

void TVelkor2::ToolButton11Click()
{
    if (session_->count() <= 1 || !storeFocusedField()) return;
    const std::string name = session_->current().Name.str();
    if (ShowMessageDialog("Usunąć?", "Czy na pewno usunąć element \"" + name + "\" ?", mdConfirmation,
                          mbYes | mbNo) != mrYes)
        return;
    session_->deleteElement(session_->currentIndex());
}

QStringList TVelkor2::elementNames() const
{
    QStringList names;
    for (int i = 0; i < session_->count(); ++i) names << Q(session_->element(i).Name.str());
    return names;
}

void TVelkor2::ToolButton10Click()
{
    if (!storeFocusedField()) return;
    TElementNameData d;
    d.mode = 1;
    d.takenNames = elementNames();
    for (const char* text : CalcCaseListTexts) d.cases << QString::fromUtf8(text);
    d.caseIndex = 0;
    d.caseEnabled = true;
    d.name = QStringLiteral("Element %1").arg(session_->count() + 1);
    if (!ShowAddPosDlg(d, this)) return;
    session_->addElement(S(d.name), S(d.description), GetCaseIndex(S(d.cases.value(d.caseIndex))));
}

void TVelkor2::ToolButton12Click()
{
    if (!storeFocusedField()) return;
    const TProjectElement& current = session_->current();
    TElementNameData d;
    d.mode = 1;
    d.takenNames = elementNames();
    for (const char* text : CalcCaseListTexts) d.cases << QString::fromUtf8(text);
    d.caseIndex = CheckCaseNumber(current.Input.Case);
    d.caseEnabled = false;
    d.name = Q(current.Name.str()) + QStringLiteral(" [kopia]");
    if (!ShowAddPosDlg(d, this)) return;
    session_->copyElement(session_->currentIndex(), S(d.name), S(d.description));
}

void TVelkor2::TabControl1DblClick()
{
    if (!storeFocusedField()) return;
    const int index = session_->currentIndex();
    const TProjectElement& current = session_->current();
    TElementNameData d;
    d.mode = 0;
    // Its own name may stay.
    d.takenNames = elementNames();
    d.takenNames.removeOne(Q(current.Name.str()));
    for (const char* text : CalcCaseListTexts) d.cases << QString::fromUtf8(text);
    d.caseIndex = CheckCaseNumber(current.Input.Case);
    d.caseEnabled = false;
    d.name = Q(current.Name.str());
    d.description = Q(current.Description.str());
    if (!ShowAddPosDlg(d, this)) return;
    session_->renameElement(index, S(d.name), S(d.description));
    tabs_->setTabText(index, Q(session_->element(index).Name.str()));
}

void TVelkor2::Menaderelementw1Click()
{
    if (!storeFocusedField()) return;
    TElementManagerData d;
    d.count = session_->count();
    d.current = session_->currentIndex();
    d.elements.resize(d.count);
    for (int i = 0; i < d.count; ++i) session_->GetElementRecord(i, d.elements[i]);
    if (!ShowTabManeagerDlg(d, this)) return;
    session_->replaceElements(d.elements, d.count, d.current);
}

void TVelkor2::setRecalculation(bool on)
{
    calculateAction_->setChecked(on);
    session_->setRecalculation(on);
}

// --- file commands ---------------------------------------------------------------------

bool TVelkor2::storeFocusedField()
{
    return editor_->commitPendingEdit();
}

void TVelkor2::SetProjectCaption(const QString& name)
{
    ShowProjectName(name == kNewProject ? name : ExtractProjectName(name));
}

void TVelkor2::ShowProjectName(const QString& shown)
{
    setWindowTitle(QStringLiteral("Orvandel - ") + shown + QStringLiteral("[*]"));
    QApplication::setApplicationDisplayName(QString());
}

bool TVelkor2::runSaveDialog(QString& fileName)
{
    TMSaveDialog dialog;
    dialog.title = QStringLiteral("Zapisz projekt");
    dialog.filter = kFilter;
    dialog.defaultExt = QStringLiteral("clcm");
    std::string dir;
    ReadLastUsedDirectory(S(programFolder_), dir);
    // A name proposed with its folder opens the dialog there.
    dialog.initialDir = QFileInfo(fileName).isAbsolute() ? QFileInfo(fileName).absolutePath() : Q(dir);
    dialog.fileName = fileName;
    if (!dialog.Execute(this)) return false;
    fileName = dialog.fileName;
    // A name given another extension gets ".clcm" added; replacing a file of
    // that name is asked for, as the dialog asks for its own names.
    if (!HasProjectExtension(fileName)) {
        fileName += QStringLiteral(".clcm");
        if (QFileInfo::exists(fileName) &&
            ShowMessageDialog("Plik już istnieje.", "Zastąpić plik " + S(fileName) + " ?", mdConfirmation,
                              mbYes | mbNo) != mrYes)
            return false;
    }
    return true;
}

QString TVelkor2::proposedSaveName() const
{
    if (!session_->fileName().empty()) return QFileInfo(Q(session_->fileName())).fileName();
    if (!session_->untitledName().empty()) return QDir(DocumentsFolder()).filePath(Q(session_->untitledName()));
    return Q(session_->header().Title.str());
}

bool TVelkor2::saveTo(const QString& fileName)
{
    const TFileResult r = session_->save(S(fileName));
    ShowFileResult(r);
    return r.ok();
}

bool TVelkor2::askSaveChanges()
{
    if (!session_->modified()) return true;
    const int answer = AskSaveProject(session_->fileName().empty() ? session_->untitledName()
                                                                   : S(ExtractProjectName(Q(session_->fileName()))));
    if (answer == mrCancel) return false;
    if (answer == mrNo) return true;
    // Yes: a failed or cancelled save stops the command, the changes kept.
    QString name = Q(session_->fileName());
    if (name.isEmpty()) {
        name = proposedSaveName();
        if (!runSaveDialog(name)) return false;
    }
    if (!saveTo(name)) return false;
    addRecentFile(name);
    SetProjectCaption(name);
    return true;
}

void TVelkor2::Nowy1Click()
{
    if (!storeFocusedField() || !askSaveChanges()) return;
    session_->newProject();
    session_->setModified(false);
    SetProjectCaption(kNewProject);
    setRecalculation(true);
    editor_->pages()->setCurrentIndex(1);
    session_->RecalculateElement();
}

void TVelkor2::ToolButton5Click()
{
    if (!storeFocusedField()) return;
    TMOpenDialog dialog;
    dialog.title = QStringLiteral("Otwórz projekt");
    dialog.filter = kFilter;
    dialog.defaultExt = QStringLiteral("clcm");
    std::string dir;
    PrepareOpenDialogDir(S(programFolder_), dir);
    dialog.initialDir = Q(dir);
    // The reader checks the file's version text, so a project kept under
    // another extension opens too, and any other file is refused with a message.
    if (dialog.Execute(this)) OpenProject(dialog.fileName);
}

bool TVelkor2::OpenProject(const QString& fileName)
{
    freshStart_ = false;
    if (!storeFocusedField() || !askSaveChanges()) return false;
    const TFileResult r = session_->open(S(fileName));
    if (!r.ok()) {
        ShowFileResult(r);
        return false;
    }
    RememberDirectory(S(QFileInfo(fileName).absolutePath()));
    SetProjectCaption(fileName);
    addRecentFile(fileName);
    setRecalculation(true);
    session_->RecalculateElement();
    return true;
}

void TVelkor2::N1PrzykladClick(int example)
{
    const QString name = example == 2 ? QStringLiteral("Przykład 2") : QStringLiteral("Przykład 1");
    const QString path = ExampleProjectFile(programFolder_, name + QStringLiteral(".clcm"));
    if (!QFileInfo::exists(path)) {
        ShowMessageDialog("Brak pliku.", S(path), mdError, mbOK);
        return;
    }
    // The shipped file stays as it is: the example becomes a new project
    // under its name, saved only under a name the user gives.
    freshStart_ = false;
    if (!storeFocusedField() || !askSaveChanges()) return;
    const TFileResult r = session_->openAsUntitled(S(path), S(name));
    if (!r.ok()) {
        ShowFileResult(r);
        return;
    }
    ShowProjectName(name);
    setRecalculation(true);
    session_->RecalculateElement();
}

void TVelkor2::plik1Click(int n)
{
    if (n < 1 || n > recentFiles_.size()) return;
    const QString entry = recentFiles_.at(n - 1);
    if (QFileInfo::exists(entry)) {
        OpenProject(entry);
        return;
    }
    ShowMessageDialog("Brak pliku.", S(entry), mdError, mbOK);
    recentFiles_.removeAt(n - 1);
    saveRecentFiles();
    UpdateRecentFilesMenu();
}

bool TVelkor2::Zapisz1Click()
{
    if (!storeFocusedField()) return false;
    if (session_->fileName().empty()) return FileSaveAsClick();
    return saveTo(Q(session_->fileName()));
}

bool TVelkor2::FileSaveAsClick()
{
    if (!storeFocusedField()) return false;
    QString name = proposedSaveName();
    if (!runSaveDialog(name)) return false;
    if (!saveTo(name)) return false;
    SetProjectCaption(name);
    addRecentFile(name);
    return true;
}

void TVelkor2::closeEvent(QCloseEvent* e)
{
    if (!storeFocusedField() || !askSaveChanges()) {
        e->ignore();
        return;
    }
    formState_.maximized = isMaximized();
    if (!formState_.maximized) {
        formState_.height = height();
        formState_.width = width();
        formState_.left = x();
        formState_.top = y();
    }
    if (welcome_) formState_.welcomeForm = !welcome_->dontShowAgain()->isChecked();
    SaveFormState(formState_);
    Settings().flush();
    e->accept();
}

// --- recent files -----------------------------------------------------------------------

void TVelkor2::loadRecentFiles()
{
    recentFiles_.clear();
    for (int n = 1; n <= kMaxRecentFiles; ++n) {
        const auto v = Settings().readString(SettingsKey::Program, kRecentFiles, "File" + std::to_string(n));
        if (v && !v->empty()) recentFiles_ << Q(*v);
    }
}

void TVelkor2::saveRecentFiles() const
{
    for (int n = 1; n <= kMaxRecentFiles; ++n)
        Settings().writeString(SettingsKey::Program, kRecentFiles, "File" + std::to_string(n),
                               n <= recentFiles_.size() ? S(recentFiles_.at(n - 1)) : std::string());
}

void TVelkor2::addRecentFile(const QString& fileName)
{
    const QString full = QFileInfo(fileName).absoluteFilePath();
    recentFiles_.removeAll(full);
    recentFiles_.prepend(full);
    while (recentFiles_.size() > kMaxRecentFiles) recentFiles_.removeLast();
    saveRecentFiles();
    UpdateRecentFilesMenu();
}

void TVelkor2::UpdateRecentFilesMenu()
{
    for (int n = 1; n <= kMaxRecentFiles; ++n) {
        QAction* a = recent_[n - 1];
        const bool shown = n <= recentFiles_.size();
        a->setVisible(shown);
        if (!shown) continue;
        a->setText(RecentFileCaption(n, recentFiles_.at(n - 1)));
        a->setStatusTip(QStringLiteral("Otwórz projekt ") + recentFiles_.at(n - 1));
        a->setToolTip(a->statusTip());
    }
    recentSeparator_->setVisible(!recentFiles_.isEmpty());
}

void TVelkor2::Opisprojektu1Click()
{
    if (!storeFocusedField()) return;
    TDescriptionData data = DescriptionOf(session_->header(), session_->comments());
    if (!ShowDescription(this, data, [](const std::string& topic) { ShowHelpTopic(QString::fromStdString(topic)); }))
        return;
    TProjectHeader header = session_->header();
    SetDescription(header, data);
    session_->setHeader(header);
    session_->setComments(data.Comments);
    // Accepting the description marks the project changed, edited or not.
    session_->setModified(true);
}

void TVelkor2::CopySchemeToClipboard()
{
    if (!session_->recalculation() || !storeFocusedField()) return;
    TSchemePicture pic;
    DrawCaseSchemeMetafile(pic, session_->current().Input, session_->results(), session_->current().Header,
                           static_cast<TSchemeBox*>(scheme_)->colors());
    auto* data = new QMimeData;
    data->setImageData(SchemePictureToImage(pic));
    data->setData(QStringLiteral("image/svg+xml"), SchemePictureToSvg(pic));
    QGuiApplication::clipboard()->setMimeData(data);
}

void TVelkor2::Kolorystyka1Click()
{
    if (EditDrawingColors(this, 5, S(programFolder_), static_cast<TSchemeBox*>(scheme_)->colors(), colorPlace_))
        scheme_->update();
}

void TVelkor2::Czcionka1Click()
{
    if (!ShowFontDialogJol(this, fontPlace_)) return;
    std::string name;
    int size = 20;
    ReadReportFont(name, size);
    QFont font(Q(name));
    if (size > 1) font.setPointSizeF(size / 2.0);
    results_->document()->setDefaultFont(font);
    FillResultsText();
}

// --- print, preview and the report editor -------------------------------------------------------

bool TVelkor2::refuseWithoutRecalculation()
{
    if (session_->recalculation()) return false;
    ShowMessageDialog("Nie wykonano obliczeń!",
                      "Przed wstawianiem do edytora lub wydrukiem, włącz ikonę \"Przeliczanie\"!", mdInformation,
                      mbOK, 0);
    return true;
}

QString TVelkor2::documentName() const
{
    const QString file = Q(session_->fileName());
    if (!file.isEmpty()) return ExtractProjectName(file);
    return session_->untitledName().empty() ? QStringLiteral("NowyProjekt") : Q(session_->untitledName());
}

TBeginPrint2& TVelkor2::beginPrint()
{
    if (!beginPrint_) {
        beginPrint_ = new TBeginPrint2(this);
        beginPrint_->onPreview = [this](const TProjectHeader& header, const std::vector<std::string>& comments) {
            TPreviewPrintDlg& p = preview();
            PassElementToPreview(p, header, comments);
            RunModal(p);
            return p.printRequested();
        };
        beginPrint_->onSaveDefaults = [this](const TFigureSizes& sizes) { session_->SaveCalcSettings(sizes); };
    }
    return *beginPrint_;
}

TPreviewPrintDlg& TVelkor2::preview()
{
    if (!preview_) preview_ = new TPreviewPrintDlg(this);
    return *preview_;
}

void TVelkor2::Word1Click(int tag)
{
    if (!storeFocusedField() || refuseWithoutRecalculation()) return;
    TBeginPrint2& form = beginPrint();
    form.setHeader(session_->header());
    form.setModified(session_->modified());
    form.setMode(tag);
    form.setCommentLines(session_->comments());
    const int result = RunModal(form);
    if (result != TBeginPrint2::ResultPrint && result != TBeginPrint2::ResultClose) return;
    // What the form changed comes back; its flag says whether it changed anything.
    session_->setHeader(form.header());
    session_->setComments(form.commentLines());
    session_->setModified(form.modified() || session_->modified());
    if (result != TBeginPrint2::ResultPrint) return;
    if (form.mode() == 1) {
        TWstawDW4Calc exportForm;
        exportForm.Owner = this;
        exportForm.Header = session_->header();
        exportForm.Count = session_->count();
        exportForm.Current = session_->currentIndex();
        exportForm.Element() = session_->current();
        exportForm.Results = session_->results();
        exportForm.Source = elementSource_.get();
        exportForm.BitBtn1Click();
    } else {
        PrintElement();
    }
}

void TVelkor2::PassElementToPreview(TPreviewPrintDlg& p, const TProjectHeader& header,
                                    const std::vector<std::string>& comments)
{
    TReportRequest request = ReportRequestOf(*session_, S(documentName()));
    request.header = header;
    request.comments = comments;
    p.setJob(elementSource_.get(), request);
}

void TVelkor2::Podgldwydruku1Click()
{
    if (!storeFocusedField() || refuseWithoutRecalculation()) return;
    TPreviewPrintDlg& p = preview();
    PassElementToPreview(p, session_->header(), session_->comments());
    RunModal(p);
    if (p.printRequested()) PrintElement();
}

void TVelkor2::Ustawianiadrukarki1Click()
{
    if (!storeFocusedField()) return;
    TPrinterSetupDlg dialog(this);
    RunModal(dialog);
}

void TVelkor2::PrintElement()
{
    const QString name = documentName();
    QPrinter& printer = CurrentPrinter();
    if (CurrentPrinterIsPdf()) {
        TMSaveDialog save;
        save.title = QStringLiteral("Drukuj do pliku PDF");
        save.filter = QStringLiteral("Dokumenty PDF (*.pdf)");
        save.defaultExt = QStringLiteral("pdf");
        const QString folder = session_->fileName().empty() ? QDir::homePath()
                                                              : QFileInfo(Q(session_->fileName())).absolutePath();
        save.fileName = QDir(folder).filePath(name + QStringLiteral(".pdf"));
        if (!save.Execute(this)) return;
        printer.setOutputFileName(save.fileName);
    }
    TWydrukCalc job(this);
    job.setStartDelay(printStartDelay_);
    job.setJob(&printer, elementSource_.get(), ReportRequestOf(*session_, S(name)), S(name));
    RunModal(job);
}

void TVelkor2::Oprogramie1Click()
{
    TAbout4 about(this);
    about.setClosable(true);
    about.exec();
}

} // namespace orv
