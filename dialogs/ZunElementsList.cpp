#include "dialogs/ZunElementsList.h"

#include <QAction>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "components/WindowPlacement.h"
#include "core/CommonParamsUnit.h"
#include "core/MessageService.h"
#include "dialogs/CatalogueFiles.h"
#include "dialogs/DialogKeys.h"
#include "dialogs/ZunNewElement.h"

namespace orv {
namespace {

const char* const kPlaceName = "MasonryElementsListDlg";
constexpr int kColumns = 6;

// The unit weight a new unit starts from: the one last left in the editor.
double g_lastDensity = 18;

// The picture of built-in rows 1..4, 7, 8..10 and 17..18 (1-based).
QString PictureName(int row)
{
    const int n = row + 1;
    if (n >= 1 && n <= 4) return QStringLiteral("ELMUR_A1");
    if (n == 7) return QStringLiteral("ELMUR_A2");
    if (n >= 8 && n <= 10) return QStringLiteral("ELMUR_A3");
    if (n >= 17 && n <= 18) return QStringLiteral("ELMUR_A4");
    return {};
}

} // namespace

TElementsListDlg::TElementsListDlg(QWidget* parent)
    : QDialog(parent), runEditor_([](TNewElementDlg& d) { return d.exec() == QDialog::Accepted; })
{
    setObjectName(QStringLiteral("ElementsListDlg"));
    setWindowTitle(QStringLiteral("Lista elementów murowych"));
    setMinimumWidth(400);

    VirtualStringTree1 = new QTreeWidget;
    VirtualStringTree1->setObjectName(QStringLiteral("VirtualStringTree1"));
    VirtualStringTree1->setHeaderLabels({QStringLiteral("Nazwa"), QStringLiteral("Materiał"), QStringLiteral("Grupa"),
                                         QStringLiteral("fb [MPa]"), QStringLiteral("Kategoria wykonania"),
                                         QStringLiteral("Ciężar objętościowy [kN/m3]")});
    VirtualStringTree1->setRootIsDecorated(false);
    VirtualStringTree1->setAllColumnsShowFocus(true);
    // The name column takes the width the others leave.
    VirtualStringTree1->header()->setStretchLastSection(false);
    VirtualStringTree1->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    VirtualStringTree1->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    VirtualStringTree1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(VirtualStringTree1, &QTreeWidget::currentItemChanged, this, [this] { updateCommands(); });
    connect(VirtualStringTree1, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (EditBtn1->isEnabled()) EditBtn1Click();
    });

    PopupMenu1 = new QMenu(this);
    NewItem1 = PopupMenu1->addAction(QStringLiteral("Dodaj pozycję"));
    NewItem1->setObjectName(QStringLiteral("NewItem1"));
    EditItem1 = PopupMenu1->addAction(QStringLiteral("Edytuj pozycję"));
    EditItem1->setObjectName(QStringLiteral("EditItem1"));
    RemoveItem1 = PopupMenu1->addAction(QStringLiteral("Usuń pozycję"));
    RemoveItem1->setObjectName(QStringLiteral("RemoveItem1"));
    connect(NewItem1, &QAction::triggered, this, &TElementsListDlg::NewBtn1Click);
    connect(EditItem1, &QAction::triggered, this, &TElementsListDlg::EditBtn1Click);
    connect(RemoveItem1, &QAction::triggered, this, &TElementsListDlg::RemoveBtn1Click);
    connect(VirtualStringTree1, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        PopupMenu1->popup(VirtualStringTree1->viewport()->mapToGlobal(pos));
    });

    Image1 = new QLabel;
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(160, 100);
    Image1->setAlignment(Qt::AlignCenter);

    auto button = [](const char* name, const QString& text) {
        auto* b = new QPushButton(text);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    NewBtn1 = button("NewBtn1", QStringLiteral("Nowy"));
    EditBtn1 = button("EditBtn1", QStringLiteral("Edytuj"));
    RemoveBtn1 = button("RemoveBtn1", QStringLiteral("Usuń"));
    QPushButton* ok = button("OKBtn", QStringLiteral("OK"));
    QPushButton* cancel = button("CancelBtn", QStringLiteral("Anuluj"));
    connect(NewBtn1, &QPushButton::clicked, this, &TElementsListDlg::NewBtn1Click);
    connect(EditBtn1, &QPushButton::clicked, this, &TElementsListDlg::EditBtn1Click);
    connect(RemoveBtn1, &QPushButton::clicked, this, &TElementsListDlg::RemoveBtn1Click);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(NewBtn1);
    buttons->addWidget(EditBtn1);
    buttons->addWidget(RemoveBtn1);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(CreateHelpButton("Lista_el_mur"));
    auto* v = new QVBoxLayout(this);
    v->addWidget(VirtualStringTree1, 1);
    v->addWidget(Image1);
    v->addLayout(buttons);

    resize(760, 480);
    TWindowPlace place;
    LoadWindowPlacement(kPlaceName, place);
    ApplyWindowPlacement(*this, place);

    setRows(TMasonryCatalogue().Rows());
}

void TElementsListDlg::setRows(const std::vector<TMasonryUnitRow>& rows)
{
    rows_ = rows;
    work_ = rows;
    fillList(-1);
}

void TElementsListDlg::fillList(int current)
{
    VirtualStringTree1->clear();
    for (const TMasonryUnitRow& r : work_) {
        QStringList texts;
        for (int c = 0; c < kColumns; ++c) texts << QString::fromStdString(MasonryUnitColumnText(r, c));
        new QTreeWidgetItem(VirtualStringTree1, texts);
    }
    if (current >= 0 && current < static_cast<int>(work_.size()))
        VirtualStringTree1->setCurrentItem(VirtualStringTree1->topLevelItem(current));
    updateCommands();
}

int TElementsListDlg::focusedRow() const
{
    QTreeWidgetItem* item = VirtualStringTree1->currentItem();
    return item ? VirtualStringTree1->indexOfTopLevelItem(item) : -1;
}

void TElementsListDlg::updateCommands()
{
    const int i = focusedRow();
    // Built-in units can be neither edited nor removed.
    const bool builtIn = i >= 0 && IsBuiltInMasonryUnit(work_[static_cast<std::size_t>(i)]);
    const bool own = i >= 0 && !builtIn;
    EditBtn1->setEnabled(own);
    RemoveBtn1->setEnabled(own);
    EditItem1->setEnabled(own);
    RemoveItem1->setEnabled(own);
    Image1->clear();
    if (builtIn && i < BuiltInMasonryUnitCount) {
        const QString name = PictureName(i);
        if (!name.isEmpty()) Image1->setPixmap(QPixmap(QStringLiteral(":/") + name));
    }
}

std::vector<std::string> TElementsListDlg::namesExcept(int row) const
{
    std::vector<std::string> names;
    for (std::size_t k = 0; k < work_.size(); ++k)
        if (static_cast<int>(k) != row) names.push_back(work_[k].Name);
    return names;
}

void TElementsListDlg::NewBtn1Click()
{
    TNewElementDlg editor(this);
    editor.setNewUnit(true);
    TMasonryUnitRow start;
    start.Density = g_lastDensity;
    editor.setData(start);
    editor.setNamesInUse(namesExcept(-1));
    const bool ok = runEditor_(editor);
    if (!ok) return;
    g_lastDensity = editor.data().Density;
    work_.push_back(editor.data());
    fillList(static_cast<int>(work_.size()) - 1);
}

void TElementsListDlg::EditBtn1Click()
{
    const int i = focusedRow();
    if (i < 0 || !EditBtn1->isEnabled()) return;
    TNewElementDlg editor(this);
    editor.setNewUnit(false);
    editor.setData(work_[static_cast<std::size_t>(i)]);
    // The unit keeps its own name; every other name is taken.
    editor.setNamesInUse(namesExcept(i));
    if (!runEditor_(editor)) return;
    g_lastDensity = editor.data().Density;
    work_[static_cast<std::size_t>(i)] = editor.data();
    fillList(i);
}

void TElementsListDlg::RemoveBtn1Click()
{
    const int i = focusedRow();
    if (i < 0 || !RemoveBtn1->isEnabled()) return;
    if (MessageDlg3("Czy na pewno chcesz usunąć ten wpis?", mdConfirmation, mbYes | mbNo) != mrYes) return;
    work_.erase(work_.begin() + i);
    fillList(-1);
}

void TElementsListDlg::accept()
{
    const TFileResult r = SaveMasonryCatalogue(QFile::encodeName(fileName_).toStdString(), work_);
    if (!r.ok()) {
        ShowMessageDialog(r.headline, r.message, mdError, mbOK);
        return;
    }
    rows_ = work_;
    QDialog::accept();
}

void TElementsListDlg::done(int result)
{
    SaveWindowPlacement(kPlaceName, WindowPlaceOf(*this));
    QDialog::done(result);
}

bool ShowElementsListDlg(QWidget* parent)
{
    TElementsListDlg dlg(parent);
    dlg.setRows(LoadMasonryCatalogue().Rows());
    dlg.setFileName(CatalogueWritePath(MasonryCatalogueFileName));
    return dlg.exec() == QDialog::Accepted;
}

} // namespace orv
