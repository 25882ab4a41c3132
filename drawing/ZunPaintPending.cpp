// Temporary empty schemes of the basement wall, the column and the load
// compilation, so that this library links until they are built.
#include "ZunPaint.h"

namespace orv {

void DrawBasementWall(Canvas&, const TPoint&, const TCalcInput&, const TCalcResults&, bool,
                      const TDrawingColors&, int)
{
}

void DrawColumn(Canvas&, const TPoint&, const TCalcInput&, const TCalcResults&, bool,
                const TDrawingColors&, int)
{
}

void DrawLoadCollectionScheme(Canvas&, const TPoint&, bool, const TLoadCompilation&,
                              const TCalcInput&, const TDrawingColors&, int)
{
}

void DrawBasementWallMetafile(TSchemePicture& pic, const TCalcInput&, const TCalcResults&, double,
                              double, bool, const TDrawingColors&)
{
    pic = TSchemePicture();
}

void DrawLoadCollectionSchemeMetafile(TSchemePicture& pic, bool, const TLoadCompilation&, double,
                                      double, const TCalcInput&, const TDrawingColors&)
{
    pic = TSchemePicture();
}

} // namespace orv
