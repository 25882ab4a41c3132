#include "dialogs/StaleDlg.h"

#include <QAction>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "components/WindowPlacement.h"
#include "core/CommonParamsUnit.h"
#include "core/MessageService.h"
#include "dialogs/CatalogueFiles.h"
#include "dialogs/DialogKeys.h"
#include "dialogs/StellEditor.h"

namespace orv {
namespace {

const char* const kPlaceName = "Steel03264";

QStringList RowTexts(const TSteelRow& r)
{
    return {QString::fromStdString(r.Klasa), QString::fromStdString(r.Znak), QString::fromStdString(r.fyk),
            QString::fromStdString(r.fyd), QString::fromStdString(r.ftk)};
}

} // namespace

TSteelDlg::TSteelDlg(QWidget* parent)
    : QDialog(parent), runEditor_([](TSteelEditorDlg& d) { return d.exec() == QDialog::Accepted; })
{
    setObjectName(QStringLiteral("SteelDlg"));
    setWindowTitle(QStringLiteral("Charakterystyka stali wg PN-B-03264:2002"));
    setMinimumSize(400, 300);

    VirtualStringTree1 = new QTreeWidget;
    VirtualStringTree1->setObjectName(QStringLiteral("VirtualStringTree1"));
    VirtualStringTree1->setHeaderLabels({QStringLiteral("Klasa stali"), QStringLiteral("Znak"),
                                         QStringLiteral("fyk [MPa]"), QStringLiteral("fyd [MPa]"),
                                         QStringLiteral("ftk [MPa]")});
    VirtualStringTree1->setRootIsDecorated(false);
    VirtualStringTree1->setAllColumnsShowFocus(true);
    // Every column gets an equal share of the width.
    VirtualStringTree1->header()->setSectionResizeMode(QHeaderView::Stretch);
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
    connect(NewItem1, &QAction::triggered, this, &TSteelDlg::NewBtn1Click);
    connect(EditItem1, &QAction::triggered, this, &TSteelDlg::EditBtn1Click);
    connect(RemoveItem1, &QAction::triggered, this, &TSteelDlg::RemoveBtn1Click);
    connect(VirtualStringTree1, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        PopupMenu1->popup(VirtualStringTree1->viewport()->mapToGlobal(pos));
    });

    auto button = [this](const char* name, const QString& text) {
        auto* b = new QPushButton(text);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    NewBtn1 = button("NewBtn1", QStringLiteral("Nowa"));
    EditBtn1 = button("EditBtn1", QStringLiteral("Edytuj"));
    RemoveBtn1 = button("RemoveBtn1", QStringLiteral("Usuń"));
    QPushButton* ok = button("OKBtn", QStringLiteral("OK"));
    QPushButton* cancel = button("CancelBtn", QStringLiteral("Anuluj"));
    connect(NewBtn1, &QPushButton::clicked, this, &TSteelDlg::NewBtn1Click);
    connect(EditBtn1, &QPushButton::clicked, this, &TSteelDlg::EditBtn1Click);
    connect(RemoveBtn1, &QPushButton::clicked, this, &TSteelDlg::RemoveBtn1Click);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(NewBtn1);
    buttons->addWidget(EditBtn1);
    buttons->addWidget(RemoveBtn1);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(CreateHelpButton("Charakterystyka_stali_zbr"));
    auto* v = new QVBoxLayout(this);
    v->addWidget(VirtualStringTree1, 1);
    v->addLayout(buttons);

    resize(560, 420);
    TWindowPlace place;
    LoadWindowPlacement(kPlaceName, place);
    ApplyWindowPlacement(*this, place);

    const TSteelCatalogue builtIn;
    setRows(builtIn.Rows());
}

void TSteelDlg::setRows(const std::vector<TSteelRow>& rows)
{
    rows_ = rows;
    work_ = rows;
    fillList(-1);
}

void TSteelDlg::fillList(int current)
{
    VirtualStringTree1->clear();
    for (const TSteelRow& r : work_) new QTreeWidgetItem(VirtualStringTree1, RowTexts(r));
    if (current >= 0 && current < static_cast<int>(work_.size()))
        VirtualStringTree1->setCurrentItem(VirtualStringTree1->topLevelItem(current));
    updateCommands();
}

int TSteelDlg::focusedRow() const
{
    QTreeWidgetItem* item = VirtualStringTree1->currentItem();
    return item ? VirtualStringTree1->indexOfTopLevelItem(item) : -1;
}

void TSteelDlg::updateCommands()
{
    const int i = focusedRow();
    // Built-in grades can be neither edited nor removed.
    const bool own = i >= 0 && !IsBuiltInSteelRow(work_[static_cast<std::size_t>(i)]);
    EditBtn1->setEnabled(own);
    RemoveBtn1->setEnabled(own);
    EditItem1->setEnabled(own);
    RemoveItem1->setEnabled(own);
}

void TSteelDlg::NewBtn1Click()
{
    TSteelEditorDlg editor(this);
    editor.setNewGrade(true);
    editor.setData(TSteelRow{"A-0", "", "220", "190", "260"});
    std::vector<std::string> marks;
    for (const TSteelRow& r : work_) marks.push_back(r.Znak);
    editor.setMarksInUse(marks);
    if (!runEditor_(editor)) return;
    InsertSteelRow(work_, editor.data());
    int at = 0;
    while (at < static_cast<int>(work_.size()) && work_[static_cast<std::size_t>(at)].Znak != editor.data().Znak) ++at;
    fillList(at);
}

void TSteelDlg::EditBtn1Click()
{
    const int i = focusedRow();
    if (i < 0 || !EditBtn1->isEnabled()) return;
    TSteelEditorDlg editor(this);
    editor.setNewGrade(false);
    editor.setData(work_[static_cast<std::size_t>(i)]);
    // Every other row's mark is taken; the row keeps its own.
    std::vector<std::string> marks;
    for (std::size_t k = 0; k < work_.size(); ++k)
        if (static_cast<int>(k) != i) marks.push_back(work_[k].Znak);
    editor.setMarksInUse(marks);
    if (!runEditor_(editor)) return;
    work_[static_cast<std::size_t>(i)] = editor.data();
    fillList(i);
}

void TSteelDlg::RemoveBtn1Click()
{
    const int i = focusedRow();
    if (i < 0 || !RemoveBtn1->isEnabled()) return;
    if (MessageDlg3("Czy na pewno chcesz usunąć ten wpis?", mdConfirmation, mbYes | mbNo) != mrYes) return;
    work_.erase(work_.begin() + i);
    fillList(-1);
}

void TSteelDlg::accept()
{
    const TFileResult r = SaveSteelCatalogue(QFile::encodeName(fileName_).toStdString(), work_);
    if (!r.ok()) {
        ShowMessageDialog(r.headline, r.message, mdError, mbOK);
        return;
    }
    rows_ = work_;
    QDialog::accept();
}

void TSteelDlg::done(int result)
{
    SaveWindowPlacement(kPlaceName, WindowPlaceOf(*this));
    QDialog::done(result);
}

bool ShowSteelDlg(QWidget* parent)
{
    TSteelCatalogue catalogue;
    LoadSteelCatalogue(catalogue);
    TSteelDlg dlg(parent);
    dlg.setRows(catalogue.Rows());
    dlg.setFileName(CatalogueWritePath(SteelCatalogueFileName));
    return dlg.exec() == QDialog::Accepted;
}

} // namespace orv
