// The editor of one reinforcing-steel grade: class, mark and the three
// strengths. It works on a copy: data() gives the grade back as confirmed by
// OK, which refuses an empty mark, a mark the file could not keep and a mark
// another row already has.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

#include "core/ZELBET_PN99.h"

class QComboBox;
class QLineEdit;

namespace orv {

class TRealEdit;

class TSteelEditorDlg : public QDialog {
    Q_OBJECT
public:
    explicit TSteelEditorDlg(QWidget* parent = nullptr);

    // A new grade ("Nowa charakterystyka stali") or an edited one.
    void setNewGrade(bool isNew);
    bool newGrade() const { return newGrade_; }
    void setData(const TSteelRow& row);
    const TSteelRow& data() const { return data_; }
    // The marks of the other rows of the list.
    void setMarksInUse(const std::vector<std::string>& marks) { marksInUse_ = marks; }

    void accept() override;

private:
    TSteelRow data_;
    std::vector<std::string> marksInUse_;
    bool newGrade_ = true;
    QComboBox* KlasaBox1 = nullptr;
    QLineEdit* Znak1 = nullptr;
    TRealEdit* fyk1 = nullptr;
    TRealEdit* fyd1 = nullptr;
    TRealEdit* ftk1 = nullptr;
};

// Runs the editor modally on `row`; true, with `row` replaced, on OK.
bool ShowSteelEditorDlg(QWidget* parent, TSteelRow& row, const std::vector<std::string>& marksInUse, bool newGrade);

} // namespace orv
