// The choice of a length unit (m, cm, mm) for a field, with the option of
// applying it to every length field.
#pragma once

#include <QDialog>

class QCheckBox;
class QRadioButton;

namespace orv {

class TUnitsFullDlg1 : public QDialog {
    Q_OBJECT
public:
    explicit TUnitsFullDlg1(QWidget* parent = nullptr);

    // Unit 0 m, 1 cm, 2 mm (others show as metres); the check box's caption and state.
    void setData(int unit, const QString& allCaption, bool all);
    // The unit and the check box as OK took them; as set until then.
    int unit() const { return unit_; }
    bool all() const { return all_; }

    void done(int result) override;

private:
    int unit_ = 0;
    bool all_ = false;
    QRadioButton* m_ = nullptr;
    QRadioButton* cm_ = nullptr;
    QRadioButton* mm_ = nullptr;
    QCheckBox* changeAll_ = nullptr;
};

// Runs the dialog; on OK `unit` and `all` take the choice and true is returned.
bool ChooseLengthUnit(QWidget* parent, int& unit, bool& all);

} // namespace orv
