// Schemes of the design cases, the wall with its openings and the load
// compilation, on any canvas; and their recorded pictures.
// Every scheme draws inside (0, 0)..size (when its labels would reach past
// an edge, the model is drawn smaller and moved in: SchemeFit.h), copies the
// records it is given and never changes them; a scheme whose dimensions are
// not positive and finite draws nothing.
#pragma once

#include "drawing/Canvas.h"
#include "drawing/CommonColorUnit.h"
#include "drawing/SchemePicture.h"
#include "core/ZunCalc.h"
#include "core/ZunTypes.h"

namespace orv {

// --- schemes of the design cases (flag is not read; callers pass topOffset 0)
void DrawHingedWall(Canvas& canvas, const TPoint& size, const TCalcInput& input,
                    const TCalcResults& results, bool flag, const TDrawingColors& colors, int topOffset);
void DrawContinuousWall(Canvas& canvas, const TPoint& size, const TCalcInput& input,
                        const TCalcResults& results, bool flag, const TDrawingColors& colors,
                        int topOffset);
// Cases 2 and 3 also return the rectangle they covered; false when they drew nothing.
bool DrawHorizontalWall(Canvas& canvas, const TPoint& size, const TCalcInput& input,
                        const TCalcResults& results, bool flag, const TDrawingColors& colors,
                        int topOffset, TRect& bounds);
bool DrawConcentratedLoadWall(Canvas& canvas, const TPoint& size, const TCalcInput& input,
                              const TCalcResults& results, bool flag, const TDrawingColors& colors,
                              int topOffset, TRect& bounds);
// The same without the frame round the drawing, as the scheme box shows it.
bool DrawConcentratedLoadWallUnframed(Canvas& canvas, const TPoint& size, const TCalcInput& input,
                                      const TCalcResults& results, const TDrawingColors& colors,
                                      TRect& bounds);
void DrawBasementWall(Canvas& canvas, const TPoint& size, const TCalcInput& input,
                      const TCalcResults& results, bool flag, const TDrawingColors& colors, int yOffset);
void DrawColumn(Canvas& canvas, const TPoint& size, const TCalcInput& input,
                const TCalcResults& results, bool flag, const TDrawingColors& colors, int reserved);

// The scheme of an element's case (the main window's scheme box).
void DrawCaseScheme(Canvas& canvas, const TPoint& size, const TCalcInput& input,
                    const TCalcResults& results, const TDrawingColors& colors);

// --- elevation of a wall with its openings and the opening being defined
// (x, y, l, h in cm); returns that opening's rectangle and the scale [px/cm].
void DrawOpeningsScheme(Canvas& canvas, const TRect& clientRect, const TCalcInput& input,
                        TRect& openingRect, double& scale, const TDrawingColors& colors, int unit,
                        double x, double y, double l, double h);

// --- the load compilation of the storeys above
void DrawLoadCollectionScheme(Canvas& canvas, const TPoint& size, bool basementVariant,
                              const TLoadCompilation& loads, const TCalcInput& input,
                              const TDrawingColors& colors, int yOffset);

// --- recorded pictures of the schemes (figure width and height in cm)
void DrawHingedWallMetafile(TSchemePicture& pic, const TCalcInput& input, const TCalcResults& results,
                            double w, double h, bool flag, const TDrawingColors& colors);
void DrawContinuousWallMetafile(TSchemePicture& pic, const TCalcInput& input,
                                const TCalcResults& results, double w, double h, bool flag,
                                const TDrawingColors& colors);
void DrawHorizontalWallMetafile(TSchemePicture& pic, const TCalcInput& input,
                                const TCalcResults& results, double w, double h, bool flag,
                                const TDrawingColors& colors);
void DrawConcentratedLoadWallMetafile(TSchemePicture& pic, const TCalcInput& input,
                                      const TCalcResults& results, double w, double h, bool flag,
                                      const TDrawingColors& colors);
void DrawBasementWallMetafile(TSchemePicture& pic, const TCalcInput& input,
                              const TCalcResults& results, double w, double h, bool flag,
                              const TDrawingColors& colors);
void DrawColumnMetafile(TSchemePicture& pic, const TCalcInput& input, const TCalcResults& results,
                        double w, double h, bool flag, const TDrawingColors& colors);
void DrawLoadCollectionSchemeMetafile(TSchemePicture& pic, bool basementVariant,
                                      const TLoadCompilation& loads, double w, double h,
                                      const TCalcInput& input, const TDrawingColors& colors);
// The picture of an element's scheme by its case, with the figure size of
// the case's group from the project header.
void DrawCaseSchemeMetafile(TSchemePicture& pic, const TCalcInput& input, const TCalcResults& results,
                            const TProjectHeader& header, const TDrawingColors& colors);

} // namespace orv
