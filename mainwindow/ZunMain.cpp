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
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "components/DialogRunner.h"
#include "components/ElementTabBar.h"
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
constexpr int kMaxRecentFiles = TProjectFiles::kMaxRecentFiles;

QString Q(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
std::string S(const QString& s) { return s.toStdString(); }

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

// --- the window -----------------------------------------------------------------

TVelkor2::TVelkor2(QWidget* parent)
    : QMainWindow(parent), session_(std::make_unique<ProjectSession>(SlabStartValuesHook()))
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
    files_ = std::make_unique<TProjectFiles>(*session_, this, fileView(), QCoreApplication::applicationDirPath());
    UpdateRecentFilesMenu();

    setMinimumSize(500, 410);
    // A stored place is trusted no further than the screen.
    PlaceWindowOnScreen(*this, {formState_.left, formState_.top, formState_.width, formState_.height});
    if (formState_.maximized) setWindowState(windowState() | Qt::WindowMaximized);

    files_->showNewProjectCaption();
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
    applyResultsFont();
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
    // the case of the element calculated, whatever the case list shows yet
    const QString caseText = editor_->caseList()->itemText(session_->current().Input.Case);
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

TProjectFiles::TView TVelkor2::fileView()
{
    TProjectFiles::TView view;
    view.storeFocusedField = [this] { return storeFocusedField(); };
    view.showProjectName = [this](const QString& shown) { ShowProjectName(shown); };
    view.recalculationOn = [this] { setRecalculation(true); };
    view.newProjectShown = [this] { editor_->pages()->setCurrentIndex(1); };
    view.recentFilesChanged = [this] { UpdateRecentFilesMenu(); };
    return view;
}

void TVelkor2::ShowProjectName(const QString& shown)
{
    setWindowTitle(QStringLiteral("Orvandel - ") + shown + QStringLiteral("[*]"));
    QApplication::setApplicationDisplayName(QString());
}

void TVelkor2::Nowy1Click() { files_->Nowy1Click(); }
void TVelkor2::ToolButton5Click() { files_->ToolButton5Click(); }
bool TVelkor2::OpenProject(const QString& fileName) { return files_->OpenProject(fileName); }
void TVelkor2::N1PrzykladClick(int example) { files_->N1PrzykladClick(example); }
void TVelkor2::plik1Click(int n) { files_->plik1Click(n); }
bool TVelkor2::Zapisz1Click() { return files_->Zapisz1Click(); }
bool TVelkor2::FileSaveAsClick() { return files_->FileSaveAsClick(); }

void TVelkor2::closeEvent(QCloseEvent* e)
{
    if (!storeFocusedField() || !files_->askSaveChanges()) {
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

void TVelkor2::UpdateRecentFilesMenu()
{
    const QStringList recentFiles = files_->recentFiles();
    for (int n = 1; n <= kMaxRecentFiles; ++n) {
        QAction* a = recent_[n - 1];
        const bool shown = n <= recentFiles.size();
        a->setVisible(shown);
        if (!shown) continue;
        a->setText(RecentFileCaption(n, recentFiles.at(n - 1)));
        a->setStatusTip(QStringLiteral("Otwórz projekt ") + recentFiles.at(n - 1));
        a->setToolTip(a->statusTip());
    }
    recentSeparator_->setVisible(!recentFiles.isEmpty());
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
    if (EditDrawingColors(this, 5, S(programFolder()), static_cast<TSchemeBox*>(scheme_)->colors(), colorPlace_))
        scheme_->update();
}

// The results in the stored report font, its size held to its bounds.
void TVelkor2::applyResultsFont()
{
    std::string name;
    int size = 20;
    ReadReportFont(name, size);
    QFont font(Q(name));
    font.setPointSizeF(ResultsFontPoints(size));
    results_->document()->setDefaultFont(font);
}

void TVelkor2::Czcionka1Click()
{
    if (!ShowFontDialogJol(this, fontPlace_)) return;
    applyResultsFont();
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
