#include "core/ZunStrips.h"

#include <algorithm>

#include "core/ZunOpenings.h"

namespace orv {

namespace {

struct Band {
    double pos;
    double size;
};

// Cuts the extent 0..extent into the free bands between the intervals
// [start, start + size) of the openings. Each scan starts afresh from the
// current edge, so the bands do not depend on the order of the openings.
int FreeBands(const double* start, const double* size, int n, double extent, Band* out)
{
    int count = 0;
    double p0 = 0;
    while (count < MaxWallPlates) {
        double p1 = extent;
        bool restart = true;
        while (restart) {
            restart = false;
            for (int k = 0; k < n; ++k) {
                if (start[k] > p0) p1 = std::min(p1, start[k]);
                if (start[k] <= p0 && p0 < start[k] + size[k]) {
                    p0 = start[k] + size[k]; // strictly rises: the rescans end
                    p1 = extent;
                    restart = true;
                    break;
                }
            }
        }
        if (!(p1 <= extent) || !(p0 < p1)) break;
        out[count++] = {p0, p1 - p0};
        p0 = p1;
    }
    return count;
}

// The openings the strips go round; none for a wall without openings.
int FittedOpenings(const TCalcInput& input, TOpening (&okna)[MaxOpenings])
{
    return input.ScianaZOtworami == 0 ? 0 : PrunedOpenings(input, okna);
}

bool IsPlateModel(int model) { return model == 2; }

} // namespace

TSupportEdges WallModelEdges(int model, int supportCase)
{
    switch (model) {
    case 0: case 3: return {1, 1, 0, 0};
    case 1: case 4: return {0, 0, 1, 1};
    case 2:
        if (supportCase >= 0 && supportCase < AlphaTableCount) return SupportCaseEdges[supportCase];
        return {0, 0, 0, 0};
    case 5: return {2, 0, 0, 0};
    case 6: return {0, 0, 0, 2};
    case 7: return {2, 2, 0, 0};
    case 8: return {0, 0, 2, 2};
    default: return {0, 0, 0, 0};
    }
}

namespace {

// The two divisions differ only in the axis the openings cut, the share of
// the end bands (half to the outer strips across the span, whole along it)
// and the plate tables of the strips at the two ends.
struct StripAxis {
    bool horizontal;   // horizontal strips: the openings' y and h cut the wall's height
    double endShare;   // share of an end band that goes to the outer strip
    int (*startCase)(int k); // table of a strip at the bottom (left); -1: none
    int (*endCase)(int k);   // table of a strip at the top (right); -1: none
};

int BottomStripCase(int k)
{
    if (k >= 0 && k <= 3) return k;
    if (k >= 4 && k <= 7) return k - 4;
    if (k == 8) return 3;
    return -1;
}

int TopStripCase(int k)
{
    if (k >= 4 && k <= 6) return k - 4;
    if (k == 7) return 5;
    if (k == 8) return 3;
    return -1;
}

int LeftStripCase(int k)
{
    if (k == 0 || k == 4 || k == 5) return 9;
    if (k == 6 || k == 8) return 10;
    if (k == 7) return 11;
    if (k >= 9 && k <= 11) return k;
    return -1;
}

// A right-end strip takes the table of a free right edge; its edges are
// exchanged after the table is read.
int RightStripCase(int k)
{
    if (k == 4) return 9;
    if (k == 5 || k == 6) return 10;
    if (k == 7) return 11;
    return -1;
}

void DivideStrips(const TCalcInput& input, TCalcResults& results, const StripAxis& axis)
{
    results.PlateCount = 0;
    TOpening okna[MaxOpenings];
    const int n = FittedOpenings(input, okna);
    if (n == 0) return;
    const double extent = axis.horizontal ? input.h : input.l;
    const double across = axis.horizontal ? input.l : input.h;
    double start[MaxOpenings]{}, size[MaxOpenings]{};
    for (int k = 0; k < n; ++k) {
        start[k] = axis.horizontal ? okna[k].y : okna[k].x;
        size[k] = axis.horizontal ? okna[k].h : okna[k].l;
    }
    Band bands[MaxWallPlates];
    const int count = FreeBands(start, size, n, extent, bands);
    if (count == 0) {
        results.PlateCount = -1;
        return;
    }
    results.PlateCount = count;

    const int model = static_cast<int>(input.SchematScianyTyp);
    const int k = static_cast<int>(input.SchematPlytySciany);
    const TSupportEdges wall = WallModelEdges(model, k);
    for (int j = 0; j < count; ++j) {
        TWallPlate& p = results.Plates[j];
        const double pos = bands[j].pos;
        const double end = pos + bands[j].size;
        const bool atStart = pos == 0;
        const bool atEnd = end == extent;
        if (axis.horizontal) {
            p.x = 0;
            p.L = across;
            p.y = pos;
            p.H = bands[j].size;
            p.EdgeLeft = wall.Left;
            p.EdgeRight = wall.Right;
            p.EdgeTop = atEnd ? wall.Top : 0;
            p.EdgeBottom = atStart ? wall.Bottom : 0;
        } else {
            p.y = 0;
            p.H = across;
            p.x = pos;
            p.L = bands[j].size;
            p.EdgeTop = wall.Top;
            p.EdgeBottom = wall.Bottom;
            p.EdgeLeft = atStart ? wall.Left : 0;
            p.EdgeRight = atEnd ? wall.Right : 0;
        }

        // The opening bands between strips are shared half and half.
        double a_w = bands[j].size;
        if (j > 0) a_w += 0.5 * (pos - (bands[j - 1].pos + bands[j - 1].size));
        if (j == 0 && pos > 0) a_w += axis.endShare * pos;
        if (j < count - 1) a_w += 0.5 * (bands[j + 1].pos - end);
        if (j == count - 1 && end < extent) a_w += axis.endShare * (extent - end);
        p.a_w = a_w;

        p.SupportCase = -1;
        if (IsPlateModel(model)) {
            if (atStart && axis.startCase(k) >= 0) p.SupportCase = axis.startCase(k);
            if (atEnd && axis.endCase(k) >= 0) p.SupportCase = axis.endCase(k);
        }
    }
}

} // namespace

void DivideHorizontalStrips(const TCalcInput& input, TCalcResults& results)
{
    DivideStrips(input, results, {true, 0.5, BottomStripCase, TopStripCase});
}

void DivideVerticalStrips(const TCalcInput& input, TCalcResults& results)
{
    DivideStrips(input, results, {false, 1.0, LeftStripCase, RightStripCase});
}

} // namespace orv
