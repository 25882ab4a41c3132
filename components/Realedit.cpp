#include "components/Realedit.h"

#include <QFontMetrics>

#include <QStyle>

#include <QStyleOptionFrame>

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>
#include <QToolButton>

#include <climits>

#include "core/MessageService.h"
#include "core/MyUtils.h"

namespace orv {
namespace {

constexpr int kSpinWidth = 15;
constexpr int kSpeedWidth = 16;

QChar Separator() { return QLatin1Char(DecimalSeparator()); }

std::string Std(const QString& s) { return s.toStdString(); }

QToolButton* MakePart(QWidget* parent, const QString& name, const QString& text, Qt::ArrowType arrow)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setFocusPolicy(Qt::NoFocus);
    b->setCursor(Qt::ArrowCursor);
    if (arrow != Qt::NoArrow) b->setArrowType(arrow);
    else b->setText(text);
    b->setAutoRepeat(arrow != Qt::NoArrow);
    return b;
}

} // namespace

void ShowNotANumberMessage()
{
    ShowMessageDialog("Popraw!", "Błąd w zapisie! ", mdWarning, mbOK);
}

TNumberKey TypeNumberKey(QLineEdit* edit, QChar c, bool minus)
{
    const bool separator = c == QLatin1Char('.') || c == QLatin1Char(',') || c == Separator();
    if (!separator && c != QLatin1Char('-')) return TNumberKey::Other;
    if (!edit || (c == QLatin1Char('-') && !minus)) return TNumberKey::Refused;
    QString kept = edit->text();
    if (edit->hasSelectedText()) kept.remove(edit->selectionStart(), edit->selectedText().size());
    const QChar typed = separator ? Separator() : c;
    if (kept.contains(typed)) return TNumberKey::Refused;
    edit->insert(QString(typed));
    return TNumberKey::Typed;
}

TNumberEdit::TNumberEdit(Kind kind, QWidget* parent) : QLineEdit(parent), kind_(kind)
{
    if (hasSpin()) {
        up_ = MakePart(this, QStringLiteral("up"), QString(), Qt::UpArrow);
        down_ = MakePart(this, QStringLiteral("down"), QString(), Qt::DownArrow);
        connect(up_, &QToolButton::clicked, this, &TNumberEdit::UpClick);
        connect(down_, &QToolButton::clicked, this, &TNumberEdit::DownClick);
    }
    if (hasSpeed()) {
        speed_ = MakePart(this, QStringLiteral("speed"), QStringLiteral("..."), Qt::NoArrow);
        connect(speed_, &QToolButton::clicked, this, &TNumberEdit::buttonClicked);
    }
    layoutParts();
}

bool TNumberEdit::parse(double& v) const
{
    const QString t = text().trimmed();
    if (t.isEmpty() || (kind_ == Kind::Real && t == QLatin1String("-"))) {
        v = 0;
        return true;
    }
    if (isInteger()) {
        bool ok = false;
        const qlonglong n = t.toLongLong(&ok);
        if (!ok || n < INT_MIN || n > INT_MAX) return false;
        v = double(n);
        return true;
    }
    return TryTextToFloat(Std(t), v);
}

bool TNumberEdit::textIsNumber() const
{
    double v;
    return parse(v);
}

double TNumberEdit::value() const
{
    double v;
    return parse(v) ? v : min_;
}

QString TNumberEdit::minMessage() const
{
    return minMessage_.isEmpty() ? QString::fromStdString(RangeLimitLine(true, min_, precision_)) : minMessage_;
}

QString TNumberEdit::maxMessage() const
{
    return maxMessage_.isEmpty() ? QString::fromStdString(RangeLimitLine(false, max_, precision_)) : maxMessage_;
}

double TNumberEdit::CheckValue(double v) const
{
    const bool clamps = isInteger() ? max_ != min_ : max_ > min_;
    if (!clamps) return v;
    if (v < min_) return min_;
    if (v > max_) return max_;
    return v;
}

QString TNumberEdit::FormatValue(double v) const
{
    if (isInteger()) return QString::number(RoundToInt(v));
    return QString::fromStdString(FormatFixed(precision_, v));
}

void TNumberEdit::setValue(double v)
{
    setText(FormatValue(CheckValue(v)));
}

void TNumberEdit::refocus()
{
    QTimer::singleShot(0, this, [this] {
        if (isVisible() && isEnabled()) setFocus(Qt::OtherFocusReason);
    });
}

bool TNumberEdit::checkText(bool emptyIsNumber)
{
    double v = 0;
    if (!parse(v) || (!emptyIsNumber && text().trimmed().isEmpty())) {
        ShowNotANumberMessage();
        refocus();
        return false;
    }
    if (v < min_ || v > max_) {
        if (isInteger())
            MessageDlg3(Std(QStringLiteral("Wartość spoza zakresu %1 - %2. Popraw !")
                                .arg(RoundToInt(min_))
                                .arg(RoundToInt(max_))),
                        mdWarning, mbOK);
        else
            ShowOutOfRangeMessage(kind_ == Kind::SpinSpeed, Std(v < min_ ? minMessage() : maxMessage()));
        refocus();
        return false;
    }
    return true;
}

bool TNumberEdit::commit()
{
    if (checking_) return false;
    checking_ = true;
    struct Reset { bool& flag; ~Reset() { flag = false; } } reset{checking_};

    if (!checkText(true)) return false;
    refused_ = false;
    emit exited();
    if (refused_) {
        // The handler could not take the value: the text stays as typed.
        refocus();
        return false;
    }
    const double now = value();
    setText(FormatValue(CheckValue(now)));
    return true;
}

void TNumberEdit::refuseValue()
{
    refused_ = true;
}

bool TNumberEdit::stepAllowed()
{
    if (isReadOnly()) {
        QApplication::beep();
        return false;
    }
    if (checking_) return false;
    checking_ = true;
    struct Reset { bool& flag; ~Reset() { flag = false; } } reset{checking_};
    // A step starts from the number the field holds, never from what a text
    // that is no number (or none) happens to read as.
    return checkText(false);
}

void TNumberEdit::UpClick()
{
    const bool readOnly = isReadOnly();
    if (!stepAllowed()) {
        if (readOnly) emit upClicked();
        return;
    }
    if (isInteger()) setValue(std::min(value() + 1, max_));
    else setValue(value() + increment_);
    emit upClicked();
}

void TNumberEdit::DownClick()
{
    const bool readOnly = isReadOnly();
    if (!stepAllowed()) {
        if (readOnly) emit downClicked();
        return;
    }
    if (isInteger()) setValue(std::max(value() - 1, min_));
    else setValue(value() - increment_);
    emit downClicked();
}

bool TNumberEdit::IsValidChar(QChar c) const
{
    // A minus goes in whatever the range: leaving the field refuses a
    // value below the minimum with its message.
    const bool digit = c.isDigit() && c.unicode() < 128;
    const bool valid = isInteger() ? digit || c == QLatin1Char('-')
                                   : digit || c == QLatin1Char('-') || c == QLatin1Char('.') ||
                                         c == QLatin1Char(',') || c == Separator();
    return valid && (editorEnabled_ || kind_ == Kind::Real);
}

void TNumberEdit::keyPressEvent(QKeyEvent* e)
{
    if (hasSpin() && (e->key() == Qt::Key_Up || e->key() == Qt::Key_Down)) {
        if (e->key() == Qt::Key_Up) UpClick();
        else DownClick();
        e->accept();
        return;
    }
    if (kind_ != Kind::Real && (e->matches(QKeySequence::Paste) || e->matches(QKeySequence::Cut))) {
        if (!editorEnabled_ || isReadOnly()) return;
        QLineEdit::keyPressEvent(e);
        return;
    }
    if (!editorEnabled_ && kind_ != Kind::Real &&
        (e->key() == Qt::Key_Backspace || e->key() == Qt::Key_Delete)) {
        QApplication::beep();
        return;
    }
    const QString t = e->text();
    if (t.size() != 1 || t.at(0).unicode() < 32 || (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    // A read-only field shows its number; no key changes it.
    if (isReadOnly()) return;
    const QChar c = t.at(0);
    if (!IsValidChar(c)) {
        if (!isInteger()) QApplication::beep();
        return;
    }
    switch (TypeNumberKey(this, c, true)) {
    case TNumberKey::Typed: return;
    case TNumberKey::Refused: QApplication::beep(); return;
    case TNumberKey::Other: break;
    }
    insert(QString(c));
}

void TNumberEdit::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    // Leaving the window or opening a menu is no leaving of the field.
    if (e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason) return;
    commit();
}

QMenu* TNumberEdit::createContextMenu()
{
    if (editorEnabled_ || kind_ == Kind::Real) return createStandardContextMenu();
    auto* menu = new QMenu(this);
    QAction* copyAction = menu->addAction(QStringLiteral("Kopiuj"), this, &QLineEdit::copy);
    copyAction->setEnabled(hasSelectedText());
    menu->addAction(QStringLiteral("Zaznacz wszystko"), this, &QLineEdit::selectAll);
    return menu;
}

void TNumberEdit::contextMenuEvent(QContextMenuEvent* e)
{
    QMenu* menu = createContextMenu();
    menu->exec(e->globalPos());
    delete menu;
}

void TNumberEdit::setUpDownVisible(bool on)
{
    upDownVisible_ = on;
    layoutParts();
}

void TNumberEdit::setSpeedButtonVisible(bool on)
{
    speedButtonVisible_ = on;
    layoutParts();
}

void TNumberEdit::resizeEvent(QResizeEvent* e)
{
    QLineEdit::resizeEvent(e);
    layoutParts();
}

QSize TNumberEdit::minimumSizeHint() const
{
    QSize size = QLineEdit::minimumSizeHint();
    const QFontMetrics fm(font());
    int w = fm.horizontalAdvance(text());
    if (max_ > min_)
        for (double v : {min_, max_}) w = std::max(w, fm.horizontalAdvance(FormatValue(v)));
    // the text margins hold the parts; the cursor and QLineEdit's own
    // padding of two pixels a side
    const QMargins m = textMargins();
    QStyleOptionFrame opt;
    initStyleOption(&opt);
    const QSize need = style()->sizeFromContents(
        QStyle::CT_LineEdit, &opt, QSize(w + m.left() + m.right() + 4 + fm.horizontalAdvance(QLatin1Char('0')) / 2,
                                         size.height()), this);
    size.setWidth(std::max(size.width(), need.width()));
    return size;
}

QSize TNumberEdit::sizeHint() const
{
    QSize size = QLineEdit::sizeHint();
    size.setWidth(std::max(size.width(), minimumSizeHint().width()));
    return size;
}

void TNumberEdit::layoutParts()
{
    const int h = height();
    int right = width() - 1;
    int used = 0;
    if (speed_) {
        speed_->setVisible(speedButtonVisible_);
        if (speedButtonVisible_) {
            right -= kSpeedWidth;
            speed_->setGeometry(right, 1, kSpeedWidth, h - 2);
            used += kSpeedWidth;
        }
    }
    if (up_) {
        const bool show = upDownVisible_;
        up_->setVisible(show);
        down_->setVisible(show);
        if (show) {
            right -= kSpinWidth;
            up_->setGeometry(right, 1, kSpinWidth, (h - 2) / 2);
            down_->setGeometry(right, 1 + (h - 2) / 2, kSpinWidth, h - 2 - (h - 2) / 2);
            used += kSpinWidth;
        }
    }
    setTextMargins(0, 0, used ? used + 2 : 0, 0);
}

TRealEdit::TRealEdit(QWidget* parent) : TNumberEdit(Kind::Real, parent)
{
    setText(QStringLiteral("5"));
}

TSpinRealEdit::TSpinRealEdit(QWidget* parent) : TNumberEdit(Kind::Spin, parent)
{
    setText(QStringLiteral("0"));
}

TSpeedRealEdit::TSpeedRealEdit(QWidget* parent) : TNumberEdit(Kind::Speed, parent)
{
    setText(QStringLiteral("0"));
}

TSpinSpeedRealEdit::TSpinSpeedRealEdit(QWidget* parent) : TNumberEdit(Kind::SpinSpeed, parent)
{
    setIncrement(1.0);
    setText(QStringLiteral("0"));
}

TIntegerSpinEdit::TIntegerSpinEdit(QWidget* parent) : TNumberEdit(Kind::Integer, parent)
{
    setText(QStringLiteral("0"));
}

} // namespace orv
