#include "printing/PageGeometry.h"

#include <QPrinter>

#include <algorithm>

namespace orv {

namespace {

constexpr double kMinMarginMm = 5.0;

double mmOf(int pixels, int dpi) { return dpi > 0 ? pixels * 25.4 / dpi : 0.0; }
int pixelsOf(double mm, int dpi) { return RoundToInt(mm / 25.4 * dpi); }

} // namespace

TPageGeometry PageGeometryOf(const QPrinter& printer)
{
    TPageGeometry g;
    g.dpiX = printer.logicalDpiX();
    g.dpiY = printer.logicalDpiY();
    const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
    const QRect page = printer.pageRect(QPrinter::DevicePixel).toRect();
    g.physicalSize = {paper.width(), paper.height()};
    g.pageSize = {page.width(), page.height()};
    g.offset = {page.left() - paper.left(), page.top() - paper.top()};
    return g;
}

TPageMargins NonPrintableStrips(const TPageGeometry& g)
{
    TPageMargins s;
    s.left = mmOf(g.offset.X, g.dpiX);
    s.top = mmOf(g.offset.Y, g.dpiY);
    s.right = mmOf(g.physicalSize.X - g.pageSize.X - g.offset.X, g.dpiX);
    s.bottom = mmOf(g.physicalSize.Y - g.pageSize.Y - g.offset.Y, g.dpiY);
    return s;
}

TRect SetMargin(const TPageMargins& margins, const TPageGeometry& g)
{
    const TPageMargins strip = NonPrintableStrips(g);
    auto effective = [](double given, double strip) { return std::max({kMinMarginMm, given, strip}); };
    TRect r;
    r.Left = pixelsOf(effective(margins.left, strip.left), g.dpiX) - g.offset.X;
    r.Right = g.physicalSize.X - pixelsOf(effective(margins.right, strip.right), g.dpiX) - g.offset.X;
    r.Top = pixelsOf(effective(margins.top, strip.top), g.dpiY) - g.offset.Y;
    r.Bottom = g.physicalSize.Y - pixelsOf(effective(margins.bottom, strip.bottom), g.dpiY) - g.offset.Y;
    return r;
}

bool HasPrintableArea(const TRect& printable)
{
    return printable.Right > printable.Left && printable.Bottom > printable.Top;
}

void PageSizeCm(const TPageGeometry& g, double& widthCm, double& heightCm)
{
    const TPageMargins strip = NonPrintableStrips(g);
    widthCm = (mmOf(g.physicalSize.X, g.dpiX) - 2 * strip.left) / 10;
    heightCm = (mmOf(g.physicalSize.Y, g.dpiY) - 2 * strip.top) / 10;
}

TPoint PagePixels(const TPageGeometry& g)
{
    double w = 0, h = 0;
    PageSizeCm(g, w, h);
    return {std::max(0, RoundToInt(g.dpiX * w / 2.54)), std::max(0, RoundToInt(g.dpiY * h / 2.54))};
}

} // namespace orv
