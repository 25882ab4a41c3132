#include "mainwindow/JointSlabs.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

#include "components/Realedit.h"
#include "core/MyUtils.h"
#include "core/ProjectSession.h"
#include "core/ZunSlabs.h"
#include "dialogs/ZunSlabDlg.h"
#include "platform/MakerLibrary.h"
#include "platform/SlabLibrary.h"

namespace orv {
namespace {

constexpr int kModulusMembers[4] = {3, 4, 6, 7};

} // namespace

TJointSlabs::TJointSlabs(ProjectSession& session, QWidget* owner, TNumberEdit* const (&J)[6],
                         QComboBox* const (&E)[4])
    : QObject(owner), session_(session), owner_(owner)
{
    std::copy(std::begin(J), std::end(J), J_);
    std::copy(std::begin(E), std::end(E), E_);
    // The library's start values are in the first slab block of a new element.
    const TCalcInput& in = session_.current().Input;
    remembered_[0] = in.SlabData[0][0];
    remembered_[1] = in.SlabData[0][1];

    for (int k = 0; k < 6; ++k) {
        const int member = k + 2;
        if (auto* speed = J_[k]->findChild<QToolButton*>(QStringLiteral("speed"))) speed->setEnabled(true);
        connect(J_[k], &TNumberEdit::buttonClicked, this, [this, member] {
            if (guard_ && !guard_()) return;
            if (member == 2 || member == 5) J2ButtonClick(member);
            else J3ButtonClick(member);
        });
    }
    for (QComboBox* combo : E_) {
        combo->setEnabled(true);
        combo->installEventFilter(this);
        // A class chosen from the list is replaced by its modulus at once.
        connect(combo, &QComboBox::activated, this, [this, combo] { leaveModulus(combo); });
    }
    slabDialog_ = [this](TSlabRecord& record, int slab) { return ShowSlabDlg(owner_->window(), record, slab); };
}

void TJointSlabs::J2ButtonClick(int member)
{
    TCalcInput copy = session_.current().Input;
    TSlabLibraryCall call;
    call.b = copy.l;
    const f64* block = JointSlabBlock(copy, member);
    std::copy(block, block + 20, call.block.begin());
    call.block[0] = remembered_[0];
    call.block[1] = remembered_[1];
    call.flag = copy.Reserved17;
    switch (ShowSlabLibraryDialog(owner_->window(), call)) {
    case TSlabLibraryResult::Missing:
        ShowLibraryNotFound(SlabLibraryPath());
        return;
    case TSlabLibraryResult::Cancelled:
        return;
    case TSlabLibraryResult::Confirmed:
        break;
    }
    const ProjectSession::TStore outcome = session_.storeEdit([&](TProjectElement& e) {
        std::copy(call.block.begin(), call.block.end(), JointSlabBlock(e.Input, member));
        e.Input.Reserved17 = call.flag;
        StoreJointJ(e.Input, member, call.J);
    });
    if (outcome != ProjectSession::TStore::Refused) {
        remembered_[0] = call.block[0];
        remembered_[1] = call.block[1];
    }
    emit stored(J_[member - 2]);
}

void TJointSlabs::J3ButtonClick(int member)
{
    TCalcInput copy = session_.current().Input;
    TSlabRecord* record = JointSlabRecord(copy, member);
    if (!record) return;
    TSlabRecord edited = *record;
    if (!slabDialog_(edited, member)) return;
    session_.storeEdit([&](TProjectElement& e) {
        *JointSlabRecord(e.Input, member) = edited;
        StoreJointJ(e.Input, member, edited.J);
    });
    emit stored(J_[member - 2]);
}

bool TJointSlabs::isModulusCombo(const QObject* w) const
{
    return std::find(std::begin(E_), std::end(E_), w) != std::end(E_);
}

int TJointSlabs::memberOf(const QComboBox* combo) const
{
    for (int k = 0; k < 4; ++k)
        if (E_[k] == combo) return kModulusMembers[k];
    return 0;
}

bool TJointSlabs::leaveModulus(QComboBox* combo)
{
    if (leaving_) return true;
    leaving_ = true;
    const std::string text = combo->currentText().trimmed().toStdString();
    if (!CheckSlabModulusText(text)) {
        leaving_ = false;
        QTimer::singleShot(0, combo, [combo] {
            if (combo->isVisible() && combo->isEnabled()) combo->setFocus(Qt::OtherFocusReason);
        });
        return false;
    }
    const double E = SlabModulusValue(text);
    combo->setCurrentIndex(-1);
    combo->setEditText(QString::fromStdString(FormatFixed(1, E)));
    const int member = memberOf(combo);
    session_.storeEdit([&](TProjectElement& e) { StoreSlabModulus(e.Input, member, E); });
    leaving_ = false;
    emit stored(combo);
    return true;
}

bool TJointSlabs::eventFilter(QObject* watched, QEvent* event)
{
    auto* combo = qobject_cast<QComboBox*>(watched);
    if (!combo || !isModulusCombo(combo)) return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(event);
        const QString t = k->text();
        if (t.size() == 1 && t.at(0).isPrint() && !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            // Digits and one decimal separator.
            const QChar c = t.at(0);
            if (c.isDigit() && c.unicode() < 128) return false;
            TypeNumberKey(combo->lineEdit(), c, false);
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) leaveModulus(combo);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace orv
