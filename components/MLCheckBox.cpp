#include "components/MLCheckBox.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace orv {
namespace {

constexpr int kGap = 4;

struct Metrics {
    QSize indicator;
    int spacing;
};

Metrics IndicatorMetrics(const QAbstractButton* b, bool radio)
{
    const QStyle* s = b->style();
    const int w = s->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, nullptr, b);
    const int h = s->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorHeight : QStyle::PM_IndicatorHeight, nullptr, b);
    const int sp = s->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing, nullptr, b);
    return {QSize(w, h), sp > 0 ? sp : kGap};
}

int TextFlags(bool multiLine)
{
    return Qt::AlignLeft | Qt::AlignTop | (multiLine ? Qt::TextWordWrap : Qt::TextSingleLine) | Qt::TextShowMnemonic;
}

QRect TextArea(const QAbstractButton* b, const Metrics& m, int width, int height)
{
    const int left = m.indicator.width() + m.spacing;
    return QRect(left, 0, std::max(1, width - left), height);
}

int TextHeightFor(const QAbstractButton* b, bool radio, bool multiLine, int width)
{
    const Metrics m = IndicatorMetrics(b, radio);
    const QRect area = TextArea(b, m, width, 10000);
    return b->fontMetrics().boundingRect(area, TextFlags(multiLine), b->text()).height();
}

} // namespace

QSize mlbutton::SizeHint(const QAbstractButton* b, bool radio)
{
    const Metrics m = IndicatorMetrics(b, radio);
    const QFontMetrics fm = b->fontMetrics();
    const int w = m.indicator.width() + m.spacing + fm.horizontalAdvance(b->text()) + 2;
    return QSize(w, std::max(m.indicator.height(), fm.height()) + 2);
}

int mlbutton::HeightForWidth(const QAbstractButton* b, bool radio, bool multiLine, int width)
{
    return std::max(SizeHint(b, radio).height(), TextHeightFor(b, radio, multiLine, width) + 2);
}

int mlbutton::HeightForWidth(const QAbstractButton* b, bool radio, bool multiLine, int width, HeightCache& cache)
{
    const int dpi = b->logicalDpiY();
    if (cache.text != b->text() || cache.font != b->font() || cache.dpi != dpi || cache.style != b->style() ||
        cache.multiLine != multiLine) {
        cache = HeightCache{b->text(), b->font(), dpi, b->style(), multiLine};
    }
    for (int i = 0; i < HeightCache::kSize; ++i)
        if (cache.widths[i] == width) return cache.heights[i];
    const int height = HeightForWidth(b, radio, multiLine, width);
    cache.widths[cache.next] = width;
    cache.heights[cache.next] = height;
    cache.next = (cache.next + 1) % HeightCache::kSize;
    return height;
}

void mlbutton::Paint(QAbstractButton* b, bool radio, bool multiLine, TButtonLayout layout)
{
    QPainter p(b);
    const Metrics m = IndicatorMetrics(b, radio);
    const QRect text = TextArea(b, m, b->width(), b->height());
    const QRect used = b->fontMetrics().boundingRect(text, TextFlags(multiLine), b->text());
    const int textHeight = multiLine ? used.height() : b->fontMetrics().height();

    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.state |= b->isChecked() ? QStyle::State_On : QStyle::State_Off;
    if (b->isDown()) opt.state |= QStyle::State_Sunken;
    const int top = ButtonIndicatorTop(layout, multiLine, b->height(), textHeight, m.indicator.height());
    opt.rect = QRect(QPoint(0, top), m.indicator);
    b->style()->drawPrimitive(radio ? QStyle::PE_IndicatorRadioButton : QStyle::PE_IndicatorCheckBox, &opt, &p, b);

    // The text block is centred in the control; the box stands at its top,
    // middle or bottom.
    QRect textRect = text;
    const int block = std::min(b->height(), textHeight);
    textRect.moveTop(multiLine ? (b->height() - block) / 2 : top + (m.indicator.height() - textHeight) / 2);
    p.setPen(b->palette().color(b->isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(textRect, TextFlags(multiLine), b->text());
    if (b->hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(b);
        focus.rect = used.translated(0, textRect.top()).adjusted(-1, 0, 1, 0);
        b->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, b);
    }
}

int ButtonIndicatorTop(TButtonLayout layout, bool multiLine, int height, int textHeight, int indicatorHeight)
{
    if (!multiLine) return (height - indicatorHeight) / 2;
    const int block = std::min(height, textHeight);
    const int offset = (height - block) / 2;
    switch (layout) {
    case TButtonLayout::Top: return offset;
    case TButtonLayout::Bottom: return offset + block - indicatorHeight;
    case TButtonLayout::Center: break;
    }
    return offset + (block - indicatorHeight) / 2;
}

} // namespace orv
