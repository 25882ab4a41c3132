// The main window: the open project (a ProjectSession it owns), the element
// tabs, the element editor, and the results side with the scheme, the
// verdict and the results text; the file and element commands.
#pragma once

#include <QMainWindow>
#include <QStringList>

#include <memory>

#include "core/MyUtils.h"
#include "core/ProjectSession.h"
#include "core/ZELBET_PN99.h"
#include "mainwindow/ProjectFiles.h"

class QAction;
class QLabel;
class QMenu;
class QTextBrowser;
class QToolButton;
class QWidget;

namespace orv {

class TAbout4;
class TCalculateSts;
class TElementEditor;
class TElementTabBar;
class IElementSource;
class TBeginPrint2;
class TPreviewPrintDlg;
class TWydrukCalc;
class TWhatsThis;
class TWelcomeDlg;

// The window's place and the welcome choice ("FormState" of the program key).
struct TFormState {
    bool welcomeForm = true;
    bool maximized = false;
    int height = 0, width = 0, left = 20, top = 20;
};
TFormState LoadFormState(int screenWidth, int screenHeight);
void SaveFormState(const TFormState& state);

class TVelkor2 : public QMainWindow, public IProjectObserver {
    Q_OBJECT
public:
    explicit TVelkor2(QWidget* parent = nullptr);
    ~TVelkor2() override;

    ProjectSession& session() { return *session_; }
    TElementEditor* editor() const { return editor_; }
    const TSteelCatalogue& steelCatalogue() const { return steel_; }

    // The program's folder, where the example projects are looked for first
    // (the executable's by default).
    QString programFolder() const { return files_->programFolder(); }
    void setProgramFolder(const QString& folder) { files_->setProgramFolder(folder); }
    bool freshStart() const { return files_->freshStart(); }
    // The window's place and the welcome choice: read at creation, kept on close.
    const TFormState& formState() const { return formState_; }
    QStringList recentFiles() const { return files_->recentFiles(); }

    // --- file commands (mainwindow/ProjectFiles.h)
    void Nowy1Click();
    void ToolButton5Click();
    // Opens a project after the question about unsaved changes; true when
    // the file was read.
    bool OpenProject(const QString& fileName);
    // Opens example 1 or 2 as a new project named after it, never saved over.
    void N1PrzykladClick(int example);
    void plik1Click(int n);
    // Saves under the project's name (or asks for one); true when written.
    bool Zapisz1Click();
    bool FileSaveAsClick();

    // --- element commands
    void ToolButton13Click();
    void ToolButton14Click();
    void ToolButton11Click();
    void TabControl1Change(int index);
    // Add, copy and rename through the element name dialog; the element manager.
    void ToolButton10Click();
    void ToolButton12Click();
    void TabControl1DblClick();
    void Menaderelementw1Click();

    void setRecalculation(bool on);
    void Oprogramie1Click();

    // --- print, preview and the report editor
    // "Drukuj" (tag 0) and "Wstaw do edytora" (tag 1): the print set-up, then
    // the printout or the export. Refused while recalculation is off.
    void Word1Click(int tag);
    void Podgldwydruku1Click();
    void Ustawianiadrukarki1Click();
    // Prints the report on the current printer (a PDF file is asked for
    // first when the printer is "PDF").
    void PrintElement();
    // Fills the preview with the project as it stands, under the header and
    // comment lines given.
    void PassElementToPreview(TPreviewPrintDlg& preview, const TProjectHeader& header,
                              const std::vector<std::string>& comments);
    // The name of the report: the project file's name, an untitled
    // project's name, or "NowyProjekt".
    QString documentName() const;
    // Wait of the print job window before it starts (1.5 s).
    void setPrintStartDelay(int ms) { printStartDelay_ = ms; }

    // --- window commands
    void Opisprojektu1Click();
    void CopySchemeToClipboard();
    void Kolorystyka1Click();
    void Czcionka1Click();
    void setWelcomeChoice(TWelcomeDlg* welcome) { welcome_ = welcome; }

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // IProjectObserver
    void projectReplaced() override;
    void elementShown(int index) override;
    void resultsChanged() override;
    void modifiedChanged(bool modified) override;

private:
    void buildActions();
    // The what's-this texts of the commands.
    void ApplyCommandHelp();
    void buildMenus();
    void buildToolBar();
    void buildCentre();
    // The editor's pending field edit is taken before a command acts; false
    // when refused (the field and its page stay in front).
    bool storeFocusedField();
    TProjectFiles::TView fileView();
    void UpdateRecentFilesMenu();
    void ShowProjectName(const QString& shown);
    void FillElementTabs();
    void UpdateElementCommands();
    void FillResultsText();
    void REdit1ResizeRequest();
    void updateCaption();
    void applyResultsFont();
    // The refusal of printing, preview and export while recalculation is off.
    bool refuseWithoutRecalculation();
    TBeginPrint2& beginPrint();
    TPreviewPrintDlg& preview();
    // Shows the trace window, made the first time.
    void openTraceWindow();
    QStringList elementNames() const;

    TSteelCatalogue steel_;
    std::unique_ptr<ProjectSession> session_;
    std::unique_ptr<IElementSource> elementSource_;
    std::unique_ptr<TProjectFiles> files_;
    TCalculateSts* trace_ = nullptr; // made when first opened
    TElementEditor* editor_ = nullptr;
    TElementTabBar* tabs_ = nullptr;
    QLabel* panel9_ = nullptr;
    QWidget* scheme_ = nullptr;
    QLabel* verdict_ = nullptr;
    QTextBrowser* results_ = nullptr;
    QWidget* resultsPanel_ = nullptr;
    QWidget* resultsSide_ = nullptr;
    TWelcomeDlg* welcome_ = nullptr;
    TWhatsThis* whatsThis_ = nullptr;

    QAction* newAction_ = nullptr;
    QAction* openAction_ = nullptr;
    QAction* saveAction_ = nullptr;
    QAction* saveAsAction_ = nullptr;
    QAction* exitAction_ = nullptr;
    QAction* example1_ = nullptr;
    QAction* example2_ = nullptr;
    QAction* recentSeparator_ = nullptr;
    QAction* recent_[TProjectFiles::kMaxRecentFiles] = {};
    QAction* addAction_ = nullptr;
    QAction* deleteAction_ = nullptr;
    QAction* copyAction_ = nullptr;
    QAction* previousAction_ = nullptr;
    QAction* nextAction_ = nullptr;
    QAction* managerAction_ = nullptr;
    QAction* calculateAction_ = nullptr;
    QAction* aboutAction_ = nullptr;
    QAction* traceAction_ = nullptr;
    QAction* printAction_ = nullptr;
    QAction* editorAction_ = nullptr;
    QAction* previewAction_ = nullptr;
    QAction* printerSetupAction_ = nullptr;
    QAction* helpAction_ = nullptr;
    QAction* unitListAction_ = nullptr;
    TBeginPrint2* beginPrint_ = nullptr;
    TPreviewPrintDlg* preview_ = nullptr;
    int printStartDelay_ = 1500;
    QMenu* fileMenu3_ = nullptr;

    bool filling_ = false;
    bool closing_ = false;
    TFormState formState_;
    TPoint colorPlace_{-1, -1};
    TPoint fontPlace_{-1, -1};
};

} // namespace orv
