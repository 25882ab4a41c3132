// The geometry of a printer's page and the printable rectangle that the page
// margins leave on it: the one rule by which the report is laid out on the
// paper. Everything is in printer pixels; the printable origin is where the
// printer draws from.
#pragma once

#include "core/MyUtils.h"

class QPrinter;

namespace orv {

struct TPageGeometry {
    int dpiX = 0;
    int dpiY = 0;
    TPoint physicalSize;  // the whole sheet
    TPoint pageSize;      // the printable area
    TPoint offset;        // printable origin from the sheet's top-left corner
};

// Margins [mm] in the order of the print settings.
struct TPageMargins {
    double left = 0;
    double right = 0;
    double top = 0;
    double bottom = 0;
};

// Asked of the printer (its resolution, sheet and printable area).
TPageGeometry PageGeometryOf(const QPrinter& printer);

// The strips the printer cannot print on [mm]; zeros without a resolution.
TPageMargins NonPrintableStrips(const TPageGeometry& g);

// Printable rectangle from the printable origin. Each side keeps at least
// 5 mm, its given margin and the printer's strip; with no resolution the
// rectangle follows from zeros.
TRect SetMargin(const TPageMargins& margins, const TPageGeometry& g);

// False when the rectangle leaves nothing to print on.
bool HasPrintableArea(const TRect& printable);

// Page width and height [cm] as the report is laid out: the sheet less
// twice the left and the top strip.
void PageSizeCm(const TPageGeometry& g, double& widthCm, double& heightCm);
// The same in pixels: Round(dpi x size / 2.54).
TPoint PagePixels(const TPageGeometry& g);

} // namespace orv
