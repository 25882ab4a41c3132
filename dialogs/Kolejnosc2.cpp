#include "dialogs/Kolejnosc2.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "components/DialogButtons.h"
#include "components/DialogRunner.h"
#include "components/HelpRouterUnit.h"
#include "components/ListColumns.h"
#include "components/WindowPlacement.h"
#include "core/CommonParamsUnit.h"
#include "core/MessageService.h"
#include "core/ZunEditor.h"
#include "dialogs/AddPoz.h"

namespace orv {
namespace {

const char* const kPlacement = "DefaultElementsManagerDlg";
// The room a description has in the list, in average letters; longer ones are elided.
constexpr int kDescriptionLetters = 60;

QString Q(const std::string& s) { return QString::fromStdString(s); }

QStringList CaseTexts()
{
    QStringList out;
    for (const char* text : CalcCaseListTexts) out << QString::fromUtf8(text);
    return out;
}

} // namespace

QString DescriptionListText(const QString& description)
{
    const qsizetype br = description.indexOf(QStringLiteral("\r\n"));
    if (br < 0) return description;
    return description.left(br) + QStringLiteral("...");
}

TTabManeagerDlg::TTabManeagerDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TabManeagerDlg"));
    setWindowTitle(QStringLiteral("Menadżer elementów"));
    setSizeGripEnabled(true);

    tree_ = new QTreeWidget;
    tree_->setObjectName(QStringLiteral("VirtualStringTree1"));
    tree_->setColumnCount(4);
    tree_->setHeaderLabels({QStringLiteral("L.p."), QStringLiteral("Nazwa"), QStringLiteral("Opcja obliczeń"),
                            QStringLiteral("Opis")});
    tree_->setRootIsDecorated(false);
    tree_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    // The description, free text, takes what the other columns leave.
    tree_->header()->setStretchLastSection(true);
    tree_->setTextElideMode(Qt::ElideRight);
    connect(tree_, &QTreeWidget::currentItemChanged, this, [this] { VirtualStringTree1Click(); });
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this] { MMSpeedButton1Click(); });

    auto button = [this](const char* name, QStyle::StandardPixmap icon, const char* hint) {
        auto* b = new QPushButton(style()->standardIcon(icon), QString());
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(QString::fromUtf8(hint));
        return b;
    };
    first_ = button("SpeedButton1", QStyle::SP_MediaSkipBackward, "Pierwsza pozycja");
    up_ = button("SpeedButton9", QStyle::SP_ArrowUp, "O jedną pozycję w górę");
    down_ = button("SpeedButton10", QStyle::SP_ArrowDown, "O jedną pozycję w dół");
    last_ = button("SpeedButton2", QStyle::SP_MediaSkipForward, "Ostatnia pozycja");
    delete_ = button("SpeedButton13", QStyle::SP_TrashIcon, "Usuń pozycję");
    edit_ = button("MMSpeedButton1", QStyle::SP_FileDialogDetailedView, "Edytuj pozycję");
    connect(first_, &QPushButton::clicked, this, &TTabManeagerDlg::SpeedButton1Click);
    connect(up_, &QPushButton::clicked, this, &TTabManeagerDlg::SpeedButton9Click);
    connect(down_, &QPushButton::clicked, this, &TTabManeagerDlg::SpeedButton10Click);
    connect(last_, &QPushButton::clicked, this, &TTabManeagerDlg::SpeedButton2Click);
    connect(delete_, &QPushButton::clicked, this, &TTabManeagerDlg::SpeedButton13Click);
    connect(edit_, &QPushButton::clicked, this, &TTabManeagerDlg::MMSpeedButton1Click);

    const TDialogButtons buttons = CreateDialogButtons(
        *this, {"BitBtn2", "BitBtn1", "Button1"}, [this] { BitBtn2Click(); }, [] { ShowHelpTopic("elementy"); });

    auto* side = new QVBoxLayout;
    for (QPushButton* b : {first_, up_, down_, last_, delete_, edit_}) side->addWidget(b);
    side->addStretch(1);
    auto* body = new QHBoxLayout;
    body->addWidget(tree_, 1);
    body->addLayout(side);
    auto* v = new QVBoxLayout(this);
    v->addLayout(body, 1);
    v->addWidget(buttons.box);
    resize(640, 360);

    TWindowPlace place;
    LoadWindowPlacement(kPlacement, place);
    ApplyWindowPlacement(*this, place);
}

void TTabManeagerDlg::showEvent(QShowEvent* e)
{
    // Each time it opens, whatever width was kept from a project with
    // shorter texts, the list shows every column whole and the descriptions
    // as far as they need, up to the room; on a narrower screen the window
    // takes the screen's width and the description what is left.
    if (!e->spontaneous())
        WidenForColumns(*this, *tree_,
                        std::min(static_cast<const QAbstractItemView*>(tree_)->sizeHintForColumn(3),
                                 tree_->fontMetrics().averageCharWidth() * kDescriptionLetters));
    QDialog::showEvent(e);
    if (!e->spontaneous()) FitWindowFrameOnScreen(*this);
}

void TTabManeagerDlg::setData(const TElementManagerData& data)
{
    data_ = data;
    data_.count = std::clamp(data_.count, 0, static_cast<int>(data_.elements.size()));
    FillElementTree();
    // The element shown in the window is the one focused at first.
    showNodes(nodes_.empty() ? -1 : std::clamp(data_.current, 0, static_cast<int>(nodes_.size()) - 1));
    FitColumnsToContents(*tree_);
}

void TTabManeagerDlg::FillElementTree()
{
    const QStringList cases = CaseTexts();
    nodes_.clear();
    for (int i = 0; i < data_.count; ++i) {
        const TProjectElement& e = data_.elements[i];
        const int c = CheckCaseNumber(e.Input.Case);
        nodes_.push_back({i + 1, Q(e.Name.str()), cases[c], Q(e.Description.str())});
    }
}

void TTabManeagerDlg::showNodes(int focus)
{
    const QSignalBlocker block(tree_);
    tree_->clear();
    for (const Node& n : nodes_) {
        auto* item = new QTreeWidgetItem(tree_);
        item->setText(0, QString::number(n.number) + QStringLiteral("."));
        item->setText(1, n.name);
        item->setText(2, n.caseText);
        item->setText(3, DescriptionListText(n.description));
        // The whole description, however much of it the column shows.
        if (!n.description.isEmpty()) item->setToolTip(3, QString(n.description).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }
    if (focus >= 0 && focus < tree_->topLevelItemCount()) tree_->setCurrentItem(tree_->topLevelItem(focus));
    VirtualStringTree1Click();
}

int TTabManeagerDlg::focusedRow() const
{
    QTreeWidgetItem* item = tree_->currentItem();
    return item ? tree_->indexOfTopLevelItem(item) : -1;
}

void TTabManeagerDlg::setFocusedRow(int row)
{
    tree_->setCurrentItem(row >= 0 && row < tree_->topLevelItemCount() ? tree_->topLevelItem(row) : nullptr);
}

void TTabManeagerDlg::VirtualStringTree1Click()
{
    const int p = focusedRow();
    const int n = static_cast<int>(nodes_.size());
    const bool focused = p >= 0;
    first_->setEnabled(focused && p >= 1);
    up_->setEnabled(focused && p >= 1);
    down_->setEnabled(focused && p < n - 1);
    last_->setEnabled(focused && p < n - 1);
    delete_->setEnabled(focused && n > 1);
    edit_->setEnabled(focused);
}

bool TTabManeagerDlg::moveUp()
{
    const int p = focusedRow();
    if (p < 1) return false;
    std::swap(nodes_[p - 1], nodes_[p]);
    showNodes(p - 1);
    return true;
}

bool TTabManeagerDlg::moveDown()
{
    const int p = focusedRow();
    if (p < 0 || p + 1 >= static_cast<int>(nodes_.size())) return false;
    std::swap(nodes_[p], nodes_[p + 1]);
    showNodes(p + 1);
    return true;
}

void TTabManeagerDlg::SpeedButton1Click()
{
    while (moveUp()) {
    }
}

void TTabManeagerDlg::SpeedButton9Click()
{
    moveUp();
}

void TTabManeagerDlg::SpeedButton10Click()
{
    moveDown();
}

void TTabManeagerDlg::SpeedButton2Click()
{
    while (moveDown()) {
    }
}

void TTabManeagerDlg::SpeedButton13Click()
{
    const int p = focusedRow();
    // The project keeps at least one element.
    if (p < 0 || nodes_.size() < 2) return;
    if (ShowMessageDialog("Usunąć?", "Czy na pewno usunąć zaznaczony element?", mdConfirmation,
                          mbYes | mbNo) != mrYes)
        return;
    nodes_.erase(nodes_.begin() + p);
    showNodes(std::min(p, static_cast<int>(nodes_.size()) - 1));
}

void TTabManeagerDlg::MMSpeedButton1Click()
{
    const int p = focusedRow();
    if (p < 0) return;
    Node& node = nodes_[p];
    TElementNameData d;
    d.mode = 0;
    d.name = node.name;
    d.description = node.description;
    bool ownSkipped = false;
    for (const Node& n : nodes_) {
        // Its own name (the first entry of it) may stay.
        if (!ownSkipped && n.name == node.name) {
            ownSkipped = true;
            continue;
        }
        d.takenNames << n.name;
    }
    d.cases = CaseTexts();
    d.caseIndex = std::max<int>(0, d.cases.indexOf(node.caseText));
    d.caseEnabled = false;
    if (!ShowAddPosDlg(d, this)) return;
    node.name = d.name;
    node.description = d.description;
    showNodes(p);
}

void TTabManeagerDlg::BitBtn2Click()
{
    data_.current = std::max(0, focusedRow());
    if (nodes_.empty()) {
        data_.count = 1;
        data_.elements.resize(1);
    } else {
        data_.count = static_cast<int>(nodes_.size());
        RebuildElementArray();
    }
    accept();
}

void TTabManeagerDlg::RebuildElementArray()
{
    TElementList rebuilt(nodes_.size());
    for (std::size_t j = 0; j < nodes_.size(); ++j) {
        const Node& n = nodes_[j];
        TProjectElement& e = rebuilt[j];
        e = data_.elements[n.number - 1];
        e.Name.set(n.name.toStdString());
        e.Description.set(n.description.toStdString());
    }
    data_.elements.swap(rebuilt);
}

void TTabManeagerDlg::done(int result)
{
    SaveWindowPlacement(kPlacement, WindowPlaceOf(*this));
    QDialog::done(result);
}

bool ShowTabManeagerDlg(TElementManagerData& data, QWidget* parent)
{
    TTabManeagerDlg dialog(parent);
    dialog.setData(data);
    if (RunModal(dialog) != QDialog::Accepted) return false;
    data = dialog.data();
    return true;
}

} // namespace orv
