// The report's word wrap on any text, width and font. The first byte picks
// the measuring font (bits 0..1 the face, bit 2 bold, bits 3..7 the size in
// points less one), the next two the width in pixels (little-endian, less 8,
// so that a few widths leave no room); the rest is the text in the report
// mark-up, measured as the report measures it. A long text gets a width of
// at least its bytes times its points over 16,384, some ten thousand lines
// at most: under the sanitizers a line costs tens of microseconds of Qt's
// measuring, and a million lines would pass the time limit however linear
// the wrap. The wrap must end, give no empty line, no line but the last
// without a character besides its codes, and lines that joined hold the
// text's visible characters in order; a short text of whole UTF-8
// characters must break as the plain wrap that measures every prefix in
// turn breaks it.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "drawing/Canvas.h"
#include "drawing/MarkupText.h"
#include "fuzz/FuzzSupport.h"
#include "printing/ReportWrap.h"
#include "tests/common/ReferenceWrap.h"

using namespace orv;
using namespace orvfuzz;

namespace {

const char* const kFaces[] = {"Arial", "Times New Roman", "Courier New", "DejaVu Sans"};

// The text without its print codes, scanned as the wrap scans a line.
std::string Visible(const std::string& s)
{
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 1 < s.size() && IsPrintCode(s[i + 1]))
            ++i;
        else
            out += s[i];
    }
    return out;
}

} // namespace

// Fontconfig keeps a few blocks to the end of the process.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
// Every measure allocates in Qt's shaping: a smaller quarantine keeps that
// memory warm and takes a third off the longest seed.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=16"; }

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int appArgc = 1;
    static char name[] = "fuzz_wrap";
    static char* appArgv[] = {name, nullptr};
    new QGuiApplication(appArgc, appArgv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3) return 0;
    const std::uint8_t fontByte = data[0];
    const int points = 1 + (fontByte >> 3);
    const std::string text(reinterpret_cast<const char*>(data + 3), size - 3);
    int avail = (data[1] | (data[2] << 8)) - 8;
    if (avail >= 1) avail = std::max(avail, static_cast<int>(points * text.size() / 16384));

    QImage image(4, 4, QImage::Format_RGB32);
    QPainter painter(&image);
    PainterCanvas canvas(painter);
    canvas.font.name = kFaces[fontByte & 3];
    canvas.font.style = (fontByte & 4) ? fsBold : 0;
    canvas.font.size = points;
    auto width = [&canvas](const std::string& s) {
        // measuring leaves the canvas as it was, as the report's measure does
        const TCanvasFont font = canvas.font;
        const int w = MarkupTextWidth(canvas, s);
        canvas.font = font;
        return w;
    };

    const std::vector<std::string> lines = WrapReportText(text, avail, width);
    if (lines.empty()) Fail("the wrap gave no line", text);
    std::string joined;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        if (lines[k].empty() && !text.empty()) Fail("the wrap gave an empty line", text);
        const std::string visible = Visible(lines[k]);
        if (visible.empty() && k + 1 < lines.size())
            Fail("the wrap gave a line of codes only", lines[k]);
        joined += visible;
    }
    if (joined != Visible(text)) Fail("the wrapped lines lost, added or moved characters", text);
    // The plain wrap costs the square of a line: short texts only. Qt reads
    // a cut UTF-8 character as a replacement character, so that a longer
    // text may measure narrower than one it starts with, which the wrap
    // takes never to happen.
    const bool whole = QString::fromUtf8(text.data(), qsizetype(text.size())).toUtf8().toStdString() == text;
    if (text.size() <= 512 && whole && lines != orvtest::ReferenceWrap(text, avail, width))
        Fail("the wrap broke otherwise than the plain one", text);
    painter.end();
    return 0;
}
