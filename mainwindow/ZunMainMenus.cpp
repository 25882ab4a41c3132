// The window's commands: its actions, their what's-this texts, the menus
// and the tool bar.
#include "mainwindow/ZunMain.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include "components/HelpRouterUnit.h"
#include "components/StandardIcons.h"
#include "components/WhatsThisUnit.h"
#include "mainwindow/ElementEditor.h"

namespace orv {

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
    for (int n = 1; n <= TProjectFiles::kMaxRecentFiles; ++n) {
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

} // namespace orv
