// The numeric edits of the input forms: a line edit that filters the keys
// typed, steps with the arrow keys and its spin part, opens a table through
// its "..." part, checks the value against its range when the focus leaves
// and rewrites the text with a fixed number of decimals.
//   TRealEdit           real number, no parts, no stepping
//   TSpinRealEdit       real number with a spin part (step 0.1)
//   TSpeedRealEdit      real number with a "..." button
//   TSpinSpeedRealEdit  real number with both (step 1.0)
//   TIntegerSpinEdit    integer with a spin part
// The forms read and write through value()/setValue() and store on
// exited(), which is raised only for a valid value in range.
#pragma once

#include <QLineEdit>
#include <QString>

class QMenu;
class QToolButton;

namespace orv {

class TNumberEdit : public QLineEdit {
    Q_OBJECT
public:
    double minValue() const { return min_; }
    double maxValue() const { return max_; }
    void setMinValue(double v) { min_ = v; }
    void setMaxValue(double v) { max_ = v; }
    void setRange(double lo, double hi) { min_ = lo; max_ = hi; }
    // The second lines of the range message; unset, they give the limit
    // ("Wartość minimalna: 10,0") with the field's decimals.
    QString minMessage() const;
    QString maxMessage() const;
    void setMinMessage(const QString& s) { minMessage_ = s; }
    void setMaxMessage(const QString& s) { maxMessage_ = s; }
    int precision() const { return precision_; }
    void setPrecision(int p) { precision_ = p; }
    double increment() const { return increment_; }
    void setIncrement(double v) { increment_ = v; }
    bool editorEnabled() const { return editorEnabled_; }
    void setEditorEnabled(bool on) { editorEnabled_ = on; }

    // The number of the text: empty reads 0, a text that is no number reads
    // as the minimum. Writing clamps to the range (when max > min).
    double value() const;
    void setValue(double v);
    // True when the text is empty or a number (what value() reads).
    bool textIsNumber() const;

    double CheckValue(double v) const;
    QString FormatValue(double v) const;

    // The check of leaving the field, callable before a command acts on the
    // data: a text that is no number or a value out of range is refused with
    // the message and the focus kept; otherwise exited() is raised and the
    // text rewritten. True when the value was taken.
    bool commit();
    // Called by a handler of exited() that cannot take the value: leaving is
    // refused (commit() false), the text stays and the focus comes back.
    void refuseValue();

    // One step, as the spin part and the arrow keys do. The text is checked
    // first as leaving checks it (an empty text is no number here): a
    // refused text is not stepped and nothing is raised.
    void UpClick();
    void DownClick();

    // The context menu: the standard one, or where the editor is disabled
    // one that cannot change the text (copy and select all only).
    QMenu* createContextMenu();

    // Wide enough for the text and for the range's limits at the field's
    // decimals, beside the spin and button parts, so no value is shown cut.
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

    bool upDownVisible() const { return upDownVisible_; }
    bool speedButtonVisible() const { return speedButtonVisible_; }
    void setUpDownVisible(bool on);
    void setSpeedButtonVisible(bool on);

signals:
    void exited();
    void upClicked();
    void downClicked();
    void buttonClicked();

protected:
    enum class Kind { Real, Spin, Speed, SpinSpeed, Integer };
    TNumberEdit(Kind kind, QWidget* parent);

    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    bool IsValidChar(QChar c) const;
    bool hasSpin() const { return kind_ == Kind::Spin || kind_ == Kind::SpinSpeed || kind_ == Kind::Integer; }
    bool hasSpeed() const { return kind_ == Kind::Speed || kind_ == Kind::SpinSpeed; }
    bool isInteger() const { return kind_ == Kind::Integer; }
    bool parse(double& v) const;
    void refocus();
    // The check of leaving: a text that is no number or a value out of range
    // is refused with its message and the focus kept.
    bool checkText(bool emptyIsNumber);
    bool stepAllowed();
    void layoutParts();

    Kind kind_;
    double min_ = 0, max_ = 0;
    QString minMessage_, maxMessage_;
    int precision_ = 2;
    double increment_ = 0.1;
    bool editorEnabled_ = true;
    bool upDownVisible_ = true;
    bool speedButtonVisible_ = true;
    bool checking_ = false;
    bool refused_ = false;
    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
    QToolButton* speed_ = nullptr;
};

class TRealEdit : public TNumberEdit {
    Q_OBJECT
public:
    explicit TRealEdit(QWidget* parent = nullptr);
};

class TSpinRealEdit : public TNumberEdit {
    Q_OBJECT
public:
    explicit TSpinRealEdit(QWidget* parent = nullptr);
};

class TSpeedRealEdit : public TNumberEdit {
    Q_OBJECT
public:
    explicit TSpeedRealEdit(QWidget* parent = nullptr);
};

class TSpinSpeedRealEdit : public TNumberEdit {
    Q_OBJECT
public:
    explicit TSpinSpeedRealEdit(QWidget* parent = nullptr);
};

class TIntegerSpinEdit : public TNumberEdit {
    Q_OBJECT
public:
    explicit TIntegerSpinEdit(QWidget* parent = nullptr);
    int intValue() const { return static_cast<int>(value()); }
};

// The message of a text that is no number, the same in every form.
void ShowNotANumberMessage();

// A key typed into the line edit of a number: "." and "," both go in as the
// locale's decimal separator, "-" goes in where `minus` allows it (Typed);
// a second separator or minus is refused (Refused). Only the text the key
// leaves standing counts: a selection is replaced. Any other key is Other.
enum class TNumberKey { Other, Typed, Refused };
TNumberKey TypeNumberKey(QLineEdit* edit, QChar c, bool minus);

} // namespace orv
