// A spin box for a real number that takes "." and "," alike as its locale's
// decimal separator: 2,5 and 2.5 are both two and a half whatever language
// the system runs in. Header only, so that the companion libraries, which
// link no part of the program, use the same box.
#pragma once

#include <QDoubleSpinBox>
#include <QLocale>
#include <QString>

namespace orv {

class TDecimalSpinBox : public QDoubleSpinBox {
public:
    using QDoubleSpinBox::QDoubleSpinBox;

    QValidator::State validate(QString& text, int& pos) const override
    {
        text = withLocaleSeparator(text);
        return QDoubleSpinBox::validate(text, pos);
    }
    double valueFromText(const QString& text) const override
    {
        return QDoubleSpinBox::valueFromText(withLocaleSeparator(text));
    }

private:
    QString withLocaleSeparator(QString text) const
    {
        const QString point = locale().decimalPoint();
        for (QChar& c : text)
            if (c == QLatin1Char('.') || c == QLatin1Char(',')) c = point.at(0);
        return text;
    }
};

} // namespace orv
