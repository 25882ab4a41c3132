// The editable list of normalised unit strengths f_b [MPa] of the masonry
// dialogs: digits and one decimal separator only, checked whenever it is
// left (by the focus or a choice from the list). A refused text is reported
// and the focus comes back.
#pragma once

#include "components/FreeTextCombo.h"

#include <string>
#include <vector>

namespace orv {

class TStrengthCombo : public TFreeTextCombo {
    Q_OBJECT
public:
    explicit TStrengthCombo(QWidget* parent = nullptr);

    // The values offered; the typed text stays.
    void setValues(const std::vector<std::string>& values);
    // Shows v with one decimal; while that text stands untouched, take()
    // gives v itself, so a value of more decimals survives being confirmed.
    void setValue(double v);

    // The typed value (an empty text is 0), shown again with one decimal.
    // A text that is no number, with `positive` a value not above 0, or a
    // value above `limit` is refused with the focus kept: false.
    bool take(double& v, bool positive, double limit);

signals:
    // The box was left; not raised while its own refusal is on screen.
    void left();

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool checking_ = false;
    // The value set and the text it was shown as; forgotten once edited.
    double setValue_ = 0;
    QString shownText_;
};

// The refusal of an f_b above the largest its unit kind and mortar allow:
// "Wartość spoza zakresu." over "Wartość maksymalna: 75,0".
void ShowStrengthAboveLimit(double limit);

} // namespace orv
