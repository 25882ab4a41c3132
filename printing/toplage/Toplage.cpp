// The page-header library: draws the header of a printed page and tells
// where the page's text goes on.
//
// Header types: 0 the full header on every page; 1 the full header on the
// first page and the page line on the others; 2 the page line on every page;
// any other value is taken as 0. The full header is the page line (product,
// document name, page number and count), the title of the calculation, the
// maker's line and the project lines (object, title, author, project number;
// object and number only when asked for, each only when not empty), with the
// logo at its left when one is asked for and can be read. It is framed, or
// underlined when no frame is asked for.

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRect>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/Cp1250.h"
#include "printing/HeaderAbi.h"

using namespace orv;

namespace {

QString textOf(const TShortString<255>& s) { return QString::fromStdString(Cp1250ToUtf8(s.raw())); }

class HeaderPainter {
public:
    HeaderPainter(QPainter& p, int dpiY, const TRect& r, const QString& family)
        : p_(p), dpiY_(dpiY), left_(r.Left), right_(r.Right), family_(family)
    {
    }

    // Points to pixels of the page.
    int px(double points) const { return std::max(1, int(std::lround(points * dpiY_ / 72.0))); }

    void setFont(double points, bool bold)
    {
        QFont f(family_);
        f.setPixelSize(px(points));
        f.setBold(bold);
        p_.setFont(f);
    }
    int lineHeight() const { return p_.fontMetrics().height(); }

    // One line between x0 and x1 at y, cut with an ellipsis where too long.
    void text(int x0, int x1, int y, const QString& s, Qt::Alignment align)
    {
        if (s.isEmpty() || x1 <= x0) return;
        const QString shown = p_.fontMetrics().elidedText(s, Qt::ElideRight, x1 - x0);
        p_.drawText(QRect(x0, y, x1 - x0, lineHeight()), int(align | Qt::AlignTop), shown);
    }

    void rule(int y, int x0, int x1)
    {
        p_.setPen(QPen(Qt::black, px(0.5)));
        p_.drawLine(x0, y, x1, y);
    }

    QPainter& painter() { return p_; }
    int left() const { return left_; }
    int right() const { return right_; }

private:
    QPainter& p_;
    int dpiY_;
    int left_, right_;
    QString family_;
};

QString pageText(const THeaderSettings& settings, const THeaderInfo& info)
{
    QString s = textOf(info.Texts[htPageLabel]) + ' ' + QString::number(info.PageNumber);
    if (settings.ShowTotalPageNumber)
        s += QStringLiteral("   ") + textOf(info.Texts[htPageCountLabel]) + ' ' + QString::number(info.PageCount);
    return s;
}

// The logo scaled into a box of the given height (and at most a quarter of
// the width); a null image when none is asked for or it cannot be read.
QImage logoOf(const THeaderSettings& settings, int height, int maxWidth)
{
    if (!settings.DrawLogo) return {};
    const QString path = textOf(settings.LogoPath);
    if (path.isEmpty() || path == QStringLiteral("(brak)")) return {};
    QImage image(path);
    if (image.isNull() || image.width() <= 0 || image.height() <= 0) return {};
    QSize size(image.width() * height / image.height(), height);
    if (size.width() > maxWidth) size = QSize(maxWidth, std::max(1, image.height() * maxWidth / image.width()));
    if (size.width() <= 0 || size.height() <= 0) return {};
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

int drawPageLine(HeaderPainter& h, const THeaderSettings& settings, const THeaderInfo& info, int x0, int y)
{
    h.setFont(9, false);
    h.painter().setPen(Qt::black);
    const int third = (h.right() - x0) / 3;
    h.text(x0, x0 + third, y, textOf(info.Texts[htProduct]), Qt::AlignLeft);
    h.text(x0 + third, h.right() - third, y, textOf(info.Texts[htDocumentName]), Qt::AlignHCenter);
    h.text(h.right() - third, h.right() - h.px(3), y, pageText(settings, info), Qt::AlignRight);
    return y + h.lineHeight();
}

int drawFull(HeaderPainter& h, const THeaderSettings& settings, const THeaderInfo& info, int top)
{
    const int pad = h.px(3);
    h.setFont(9, false);
    const int rowsHeight = 3 * h.lineHeight() + 2 * pad;
    const QImage logo = logoOf(settings, rowsHeight, (h.right() - h.left()) / 4);
    int x0 = h.left() + pad;
    if (!logo.isNull()) {
        h.painter().drawImage(QPoint(x0, top + pad), logo);
        x0 += logo.width() + pad;
    }
    int y = drawPageLine(h, settings, info, x0, top + pad);
    h.setFont(11, true);
    h.text(x0, h.right() - pad, y, textOf(info.Texts[htCalculationTitle]), Qt::AlignHCenter);
    y += h.lineHeight();
    h.setFont(8, false);
    h.text(x0, h.right() - pad, y, textOf(info.Texts[htMakerLine]), Qt::AlignHCenter);
    y += h.lineHeight();
    y = std::max(y + pad, top + pad + (logo.isNull() ? 0 : logo.height() + pad));

    struct Row { int label, value; bool shown; };
    const std::vector<Row> rows = {
        {htObjectLabel, htObject, settings.ShowObjectInfo != 0},
        {htTitleLabel, htTitle, true},
        {htAuthorLabel, htAuthor, true},
        {htProjectNumberLabel, htProjectNumber, settings.ShowNumberInfo != 0},
    };
    bool first = true;
    h.setFont(9, false);
    for (const Row& row : rows) {
        const QString value = textOf(info.Texts[row.value]).trimmed();
        if (!row.shown || value.isEmpty()) continue;
        if (first) {
            h.rule(y, h.left(), h.right());
            y += pad;
            first = false;
        }
        h.setFont(9, false);
        h.painter().setPen(Qt::black);
        h.text(h.left() + pad, h.right() - pad, y, textOf(info.Texts[row.label]) + QStringLiteral(": ") + value,
               Qt::AlignLeft);
        y += h.lineHeight();
    }
    if (!first) y += pad;
    if (settings.DrawFrame) {
        h.painter().setPen(QPen(Qt::black, h.px(0.75)));
        h.painter().setBrush(Qt::NoBrush);
        h.painter().drawRect(QRect(h.left(), top, h.right() - h.left(), y - top));
    } else {
        h.rule(y, h.left(), h.right());
    }
    return y;
}

} // namespace

extern "C" Q_DECL_EXPORT int PrintHeader2(QPainter* painter, int dpiX, int dpiY, TRect printable, int y,
                                          THeaderSettings settings, const TShortString<255>* fontName,
                                          THeaderInfo info, bool firstPage)
{
    if (!painter || !painter->isActive() || dpiX <= 0 || dpiY <= 0 || printable.Right <= printable.Left)
        return y;
    QString family = fontName ? textOf(*fontName) : QString();
    if (family.isEmpty()) family = QStringLiteral("Times New Roman");
    HeaderPainter h(*painter, dpiY, printable, family);
    const bool full = settings.HeaderType == 1 ? firstPage : settings.HeaderType != 2;
    int bottom;
    if (full) {
        bottom = drawFull(h, settings, info, y);
    } else {
        bottom = drawPageLine(h, settings, info, printable.Left, y) + h.px(2);
        h.rule(bottom, printable.Left, printable.Right);
    }
    return bottom + h.px(8);
}
