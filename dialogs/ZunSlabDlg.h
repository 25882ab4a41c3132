// The slab dialog of the joint's slabs 3, 4, 6 and 7: a solid slab of a
// given thickness over a given width, its name, and its second moment of
// area J = b d^3 / 12, which OK hands back with the edited slab record.
#pragma once

#include <QDialog>

#include "core/ZunTypes.h"

class QLabel;
class QLineEdit;

namespace orv {

class TNumberEdit;

class TSlabDlg : public QDialog {
    Q_OBJECT
public:
    explicit TSlabDlg(QWidget* parent = nullptr);

    // The slab record (its thickness is double 5 of its block, its width
    // and J its own fields) and the slab's number 3, 4, 6 or 7.
    void setData(const TSlabRecord& record, int slabNumber);
    // The record as OK took it; the one passed in until then.
    TSlabRecord data() const { return record_; }
    // J of the fields [cm4].
    double fieldJ() const;

    void done(int result) override;

private:
    void showJ();

    TSlabRecord record_{};
    QLabel* title_ = nullptr;
    QLineEdit* name_ = nullptr;
    TNumberEdit* d_ = nullptr;
    TNumberEdit* b_ = nullptr;
    QLabel* J_ = nullptr;
};

// Runs the dialog modally; on OK the record is replaced and true returned.
bool ShowSlabDlg(QWidget* parent, TSlabRecord& record, int slabNumber);

} // namespace orv
