// The element name dialog: the name and description of a project element,
// with its design case shown (chosen only for a new element). It refuses an
// empty name and a name that another element of the project already has.
// It works on a copy of its data and hands it back on OK.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace orv {

struct TElementNameData {
    int mode = 1;              // 1 new element (add, copy), 0 edit of an existing one
    QString name;              // in: proposed or present name; out: the name entered
    QString description;       // lines joined by CR LF
    QStringList takenNames;    // names the entered one must not repeat (letter case ignored)
    QStringList cases;         // the design cases offered
    int caseIndex = 0;         // in and out
    bool caseEnabled = true;   // the case can be chosen (a new element)
};

class TAddPosDlg : public QDialog {
    Q_OBJECT
public:
    explicit TAddPosDlg(QWidget* parent = nullptr);

    void setData(const TElementNameData& data);
    // The data as handed over, or as taken back by OK.
    const TElementNameData& data() const { return data_; }

    // The memo's lines as a description: the first line, then every further
    // line that is not empty, joined by CR LF.
    static QString JoinDescription(const QStringList& lines);

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    // OK: the name is checked and the dialog stays open when it is refused.
    void BitBtn7Click();

    TElementNameData data_;
    QLineEdit* name_;
    QComboBox* cases_;
    QPlainTextEdit* memo_;
    QComboBox* taken_;
};

// Runs the dialog on `data`; true with the data taken back on OK.
bool ShowAddPosDlg(TElementNameData& data, QWidget* parent = nullptr);

} // namespace orv
