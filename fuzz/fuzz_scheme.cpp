// The schemes on any element. The fuzz bytes are laid over a default
// element's calculation input and then over a default load compilation,
// both brought into range as the file readers do; two more bytes give the
// width and height of the picture. The element is calculated and its case
// scheme and the load-compilation scheme drawn onto offscreen images.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "core/ZunCalc.h"
#include "core/ZunFiles.h"
#include "core/ZunProject.h"
#include "drawing/CommonColorUnit.h"
#include "drawing/ZunPaint.h"
#include "fuzz/FuzzSupport.h"

using namespace orv;
using namespace orvfuzz;

namespace {

template <typename Draw>
void DrawOnImage(int width, int height, Draw draw)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterCanvas canvas(painter);
    canvas.brush.color = clWhite;
    canvas.pen.color = clBlack;
    draw(canvas, TPoint{width, height});
    painter.end();
}

} // namespace

// Fontconfig keeps a few blocks to the end of the process.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
// A scheme measures its texts a few thousand times, each time with a new
// font in Qt's allocations: a smaller quarantine doubles the speed.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=16"; }

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    BindSilentMessages();
    static int appArgc = 1;
    static char name[] = "fuzz_scheme";
    static char* appArgv[] = {name, nullptr};
    new QGuiApplication(appArgc, appArgv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static TCalcInput input;
    static TLoadCompilation loads;
    std::memset(&input, 0, sizeof input);
    InitElementRecord(input);
    std::memset(&loads, 0, sizeof loads);
    InitLoadCompilation(loads);

    const std::size_t inputBytes = size < sizeof input ? size : sizeof input;
    std::memcpy(&input, data, inputBytes);
    const std::size_t loadBytes = size - inputBytes < sizeof loads ? size - inputBytes : sizeof loads;
    std::memcpy(&loads, data + inputBytes, loadBytes);
    // 480 x 360 unless given: from 16 x 12 to 1036 x 777 pixels.
    const std::size_t rest = inputBytes + loadBytes;
    const int width = size > rest ? 16 + 4 * data[rest] : 480;
    const int height = size > rest + 1 ? 12 + 3 * data[rest + 1] : 360;
    SanitizeCalcInput(input);
    SanitizeLoadCompilation(loads);

    TTraceLines trace;
    TCalcResults results;
    CalcElement(trace, input, results);

    TDrawingColors colors;
    for (int slot = 0; slot < DrawingColorCount; ++slot) colors[slot] = DrawingColorDefault(slot);
    const bool basement = input.Case == ccBasementWall;
    DrawOnImage(width, height, [&](Canvas& canvas, const TPoint& sz) {
        DrawCaseScheme(canvas, sz, input, results, colors);
    });
    DrawOnImage(width, height, [&](Canvas& canvas, const TPoint& sz) {
        DrawLoadCollectionScheme(canvas, sz, basement, loads, input, colors, 0);
    });
    return 0;
}
