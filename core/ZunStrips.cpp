#include "core/ZunStrips.h"

#include <algorithm>
#include <memory>

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

void DivideHorizontalStrips(const TCalcInput& input, TCalcResults& results)
{
    results.PlateCount = 0;
    TOpening okna[MaxOpenings];
    const int n = FittedOpenings(input, okna);
    if (n == 0) return;
    const double wallL = input.l;
    const double wallH = input.h;
    double start[MaxOpenings], size[MaxOpenings];
    for (int k = 0; k < n; ++k) {
        start[k] = okna[k].y;
        size[k] = okna[k].h;
    }
    Band bands[MaxWallPlates];
    const int count = FreeBands(start, size, n, wallH, bands);
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
        p.x = 0;
        p.L = wallL;
        p.y = bands[j].pos;
        p.H = bands[j].size;
        const double top = p.y + p.H;
        const bool atBottom = p.y == 0;
        const bool atTop = top == wallH;
        p.EdgeLeft = wall.Left;
        p.EdgeRight = wall.Right;
        p.EdgeTop = atTop ? wall.Top : 0;
        p.EdgeBottom = atBottom ? wall.Bottom : 0;

        // The opening bands above and below are shared half and half; the
        // end bands give their half to the outer strips.
        double a_w = p.H;
        if (j > 0) a_w += 0.5 * (p.y - (bands[j - 1].pos + bands[j - 1].size));
        if (j < count - 1) a_w += 0.5 * (bands[j + 1].pos - top);
        if (j == 0 && p.y > 0) a_w += 0.5 * p.y;
        if (j == count - 1 && top < wallH) a_w += 0.5 * (wallH - top);
        p.a_w = a_w;

        p.SupportCase = -1;
        if (IsPlateModel(model)) {
            if (atBottom) {
                if (k >= 0 && k <= 3) p.SupportCase = k;
                else if (k >= 4 && k <= 7) p.SupportCase = k - 4;
                else if (k == 8) p.SupportCase = 3;
            }
            if (atTop) {
                if (k >= 4 && k <= 6) p.SupportCase = k - 4;
                else if (k == 7) p.SupportCase = 5;
                else if (k == 8) p.SupportCase = 3;
            }
        }
    }
}

void DivideVerticalStrips(const TCalcInput& input, TCalcResults& results)
{
    results.PlateCount = 0;
    TOpening okna[MaxOpenings];
    const int n = FittedOpenings(input, okna);
    if (n == 0) return;
    const double wallL = input.l;
    const double wallH = input.h;
    double start[MaxOpenings], size[MaxOpenings];
    for (int k = 0; k < n; ++k) {
        start[k] = okna[k].x;
        size[k] = okna[k].l;
    }
    Band bands[MaxWallPlates];
    const int count = FreeBands(start, size, n, wallL, bands);
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
        p.y = 0;
        p.H = wallH;
        p.x = bands[j].pos;
        p.L = bands[j].size;
        const double right = p.x + p.L;
        const bool atLeft = p.x == 0;
        const bool atRight = right == wallL;
        p.EdgeTop = wall.Top;
        p.EdgeBottom = wall.Bottom;
        p.EdgeLeft = atLeft ? wall.Left : 0;
        p.EdgeRight = atRight ? wall.Right : 0;

        // Bands between strips are shared; the end bands go whole to the outer strips.
        double a_w = p.L;
        if (j > 0) a_w += 0.5 * (p.x - (bands[j - 1].pos + bands[j - 1].size));
        if (j == 0 && p.x > 0) a_w += p.x;
        if (j < count - 1) a_w += 0.5 * (bands[j + 1].pos - right);
        if (j == count - 1 && right < wallL) a_w += wallL - right;
        p.a_w = a_w;

        p.SupportCase = -1;
        if (IsPlateModel(model)) {
            if (atLeft) {
                if (k == 0 || k == 4 || k == 5) p.SupportCase = 9;
                else if (k == 6 || k == 8) p.SupportCase = 10;
                else if (k == 7) p.SupportCase = 11;
                else if (k >= 9 && k <= 11) p.SupportCase = k;
            }
            // A right-end strip takes the table of a free right edge; its
            // edges are exchanged after the table is read.
            if (atRight) {
                if (k == 4) p.SupportCase = 9;
                else if (k == 5 || k == 6) p.SupportCase = 10;
                else if (k == 7) p.SupportCase = 11;
            }
        }
    }
}

} // namespace orv
