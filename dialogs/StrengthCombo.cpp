#include "dialogs/StrengthCombo.h"

#include <QFocusEvent>
#include <QSignalBlocker>
#include <QTimer>

#include "components/DialogKeys.h"
#include "core/MessageService.h"
#include "core/MyUtils.h"

namespace orv {

TStrengthCombo::TStrengthCombo(QWidget* parent) : TFreeTextCombo(parent)
{
    setObjectName(QStringLiteral("fb1"));
    InstallDecimalKeyFilter(this);
    connect(this, &QComboBox::activated, this, [this] {
        if (!checking_) emit left();
    });
    connect(this, &QComboBox::editTextChanged, this, [this](const QString& text) {
        if (text != shownText_) shownText_.clear();
    });
}

void TStrengthCombo::setValues(const std::vector<std::string>& values)
{
    const QString text = currentText();
    const QSignalBlocker block(this);
    clear();
    for (const std::string& v : values) addItem(QString::fromStdString(v));
    setCurrentIndex(-1);
    setEditText(text);
}

void TStrengthCombo::setValue(double v)
{
    setValue_ = v;
    shownText_ = QString::fromStdString(FormatFixed(1, v));
    setEditText(shownText_);
}

void ShowStrengthAboveLimit(double limit)
{
    ShowOutOfRangeMessage(true, RangeLimitLine(false, limit, 1));
}

bool TStrengthCombo::take(double& v, bool positive, double limit)
{
    checking_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{checking_};
    QString text = currentText().trimmed();
    if (text.isEmpty()) text = QStringLiteral("0");
    double value = 0;
    const char* refusal = nullptr;
    if (!shownText_.isEmpty() && currentText() == shownText_) value = setValue_;
    else if (!TryTextToFloat(text.toStdString(), value)) refusal = "Błąd w zapisie! ";
    else if (positive && !(value > 0)) refusal = "Wartość musi być większa od 0.";
    const bool above = !refusal && value > limit;
    if (refusal || above) {
        if (above) ShowStrengthAboveLimit(limit);
        else ShowMessageDialog("Popraw!", refusal, mdError, mbOK);
        QTimer::singleShot(0, this, [this] { setFocus(Qt::OtherFocusReason); });
        return false;
    }
    v = value;
    setValue(v);
    return true;
}

void TStrengthCombo::focusOutEvent(QFocusEvent* event)
{
    QComboBox::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (!checking_ && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) emit left();
}

} // namespace orv
