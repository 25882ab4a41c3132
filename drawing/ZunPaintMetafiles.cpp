// Recorded pictures of the schemes of the design cases, and the dispatch of
// an element's scheme by its case.
#include "drawing/ZunPaint.h"

namespace orv {

namespace {

// A recording that drew nothing is an empty picture, so callers skip it.
void DropIfBlank(TSchemePicture& pic)
{
    if (!pic.isEmpty() && pic.picture.boundingRect().isEmpty()) pic = TSchemePicture();
}

template <typename Draw>
void Uncropped(TSchemePicture& pic, const TCalcInput& input, const TCalcResults& results, double w,
               double h, bool flag, const TDrawingColors& colors, Draw draw)
{
    const TCalcInput in = input;
    const TCalcResults res = results;
    const TDrawingColors col = colors;
    RecordSchemePicture(
        pic, w, h, [&](Canvas& canvas, const TPoint& size) { draw(canvas, size, in, res, flag, col, 0); },
        SchemeFigureMargin);
    DropIfBlank(pic);
}

template <typename Draw>
void Cropped(TSchemePicture& pic, const TCalcInput& input, const TCalcResults& results, double w,
             double h, bool flag, const TDrawingColors& colors, Draw draw)
{
    const TCalcInput in = input;
    const TCalcResults res = results;
    const TDrawingColors col = colors;
    RecordCroppedSchemePicture(pic, w, h, [&](Canvas& canvas, const TPoint& size, TRect& bounds) {
        return draw(canvas, size, in, res, flag, col, 0, bounds);
    });
}

} // namespace

void DrawHingedWallMetafile(TSchemePicture& pic, const TCalcInput& input, const TCalcResults& results,
                            double w, double h, bool flag, const TDrawingColors& colors)
{
    Uncropped(pic, input, results, w, h, flag, colors, DrawHingedWall);
}

void DrawContinuousWallMetafile(TSchemePicture& pic, const TCalcInput& input,
                                const TCalcResults& results, double w, double h, bool flag,
                                const TDrawingColors& colors)
{
    Uncropped(pic, input, results, w, h, flag, colors, DrawContinuousWall);
}

void DrawHorizontalWallMetafile(TSchemePicture& pic, const TCalcInput& input,
                                const TCalcResults& results, double w, double h, bool flag,
                                const TDrawingColors& colors)
{
    Cropped(pic, input, results, w, h, flag, colors, DrawHorizontalWall);
}

void DrawConcentratedLoadWallMetafile(TSchemePicture& pic, const TCalcInput& input,
                                      const TCalcResults& results, double w, double h, bool flag,
                                      const TDrawingColors& colors)
{
    Cropped(pic, input, results, w, h, flag, colors, DrawConcentratedLoadWall);
}

void DrawColumnMetafile(TSchemePicture& pic, const TCalcInput& input, const TCalcResults& results,
                        double w, double h, bool flag, const TDrawingColors& colors)
{
    Uncropped(pic, input, results, w, h, flag, colors, DrawColumn);
}

void DrawCaseScheme(Canvas& canvas, const TPoint& size, const TCalcInput& input,
                    const TCalcResults& results, const TDrawingColors& colors)
{
    TRect bounds;
    switch (input.Case) {
    case ccWallVerticalHinged: DrawHingedWall(canvas, size, input, results, false, colors, 0); break;
    case ccWallVerticalContinuous:
        DrawContinuousWall(canvas, size, input, results, false, colors, 0);
        break;
    case ccWallHorizontal:
        DrawHorizontalWall(canvas, size, input, results, false, colors, 0, bounds);
        break;
    case ccConcentratedLoad: DrawConcentratedLoadWallUnframed(canvas, size, input, results, colors, bounds); break;
    case ccBasementWall: DrawBasementWall(canvas, size, input, results, false, colors, 0); break;
    case ccColumn: DrawColumn(canvas, size, input, results, false, colors, 0); break;
    default: break;
    }
}

void DrawCaseSchemeMetafile(TSchemePicture& pic, const TCalcInput& input, const TCalcResults& results,
                            const TProjectHeader& header, const TDrawingColors& colors)
{
    // figure groups: cases 0 and 1 share the first pair, then one pair per case
    static const int group[CalcCaseCount] = {0, 0, 1, 2, 3, 4};
    const int c = input.Case;
    if (c < 0 || c >= CalcCaseCount) {
        pic = TSchemePicture();
        return;
    }
    const double w = header.FigureSize[2 * group[c]];
    const double h = header.FigureSize[2 * group[c] + 1];
    switch (c) {
    case ccWallVerticalHinged: DrawHingedWallMetafile(pic, input, results, w, h, false, colors); break;
    case ccWallVerticalContinuous:
        DrawContinuousWallMetafile(pic, input, results, w, h, false, colors);
        break;
    case ccWallHorizontal: DrawHorizontalWallMetafile(pic, input, results, w, h, false, colors); break;
    case ccConcentratedLoad:
        DrawConcentratedLoadWallMetafile(pic, input, results, w, h, false, colors);
        break;
    case ccBasementWall: DrawBasementWallMetafile(pic, input, results, w, h, false, colors); break;
    case ccColumn: DrawColumnMetafile(pic, input, results, w, h, false, colors); break;
    }
}

} // namespace orv
