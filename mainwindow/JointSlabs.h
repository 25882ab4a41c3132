// The members of the joint of the continuous model behind the element
// editor's fields: the "..." parts of J2 and J5 (the slab library), of J3,
// J4, J6 and J7 (the slab dialog), and the slab moduli E3, E4, E6, E7 typed
// as a number in GPa or chosen as a concrete class. Every dialog works on
// copies; the element changes only on OK.
#pragma once

#include <QObject>

#include <functional>

#include "core/ZunTypes.h"

class QComboBox;
class QWidget;

namespace orv {

class ProjectSession;
class TNumberEdit;

class TJointSlabs : public QObject {
    Q_OBJECT
public:
    // The slab dialog of slabs 3, 4, 6, 7; true (and the record set) on OK.
    using SlabDialog = std::function<bool(TSlabRecord& record, int slab)>;

    // J: the edits of J2..J7; E: the combos of E3, E4, E6, E7. The owner's
    // window is the parent of the dialogs.
    TJointSlabs(ProjectSession& session, QWidget* owner, TNumberEdit* const (&J)[6], QComboBox* const (&E)[4]);

    void setSlabDialog(SlabDialog dialog) { slabDialog_ = std::move(dialog); }
    // Asked before a "..." part opens its dialog (the owner's other fields);
    // false keeps it shut.
    void setGuard(std::function<bool()> guard) { guard_ = std::move(guard); }
    // The dialog settings of the slab library kept between its calls.
    double rememberedSetting(int k) const { return remembered_[k]; }

    // The "..." part of J_member.
    void J2ButtonClick(int member); // 2, 5
    void J3ButtonClick(int member); // 3, 4, 6, 7

    bool isModulusCombo(const QObject* w) const;
    // Leaving a modulus combo: the text checked, shown as its modulus and
    // stored. False when refused (told, the focus goes back).
    bool leaveModulus(QComboBox* combo);

signals:
    // The element was changed through `source`.
    void stored(QWidget* source);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int memberOf(const QComboBox* combo) const;

    ProjectSession& session_;
    QWidget* owner_;
    TNumberEdit* J_[6];
    QComboBox* E_[4];
    SlabDialog slabDialog_;
    std::function<bool()> guard_;
    double remembered_[2] = {0, 0};
    bool leaving_ = false;
};

} // namespace orv
