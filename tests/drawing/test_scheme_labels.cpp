// The labels of every scheme are whole, readable and clear of one another:
// the examples' elements and a few edge elements of each case, drawn as the
// scheme box shows them and as their recorded picture (the printed report
// and the RTF export) holds them, in the fonts the tests pin. PNGs of the
// drawings are written to the test's output folder to be looked at.
#include <gtest/gtest.h>

#include <QDir>

#include <cctype>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "core/ZunCalc.h"
#include "drawing/ZunPaint.h"
#include "tests/drawing/support/LabelChecks.h"
#include "tests/drawing/support/SchemeTestData.h"
#include "tools/ExampleProjects.h"

using namespace orv;
using namespace orv::test;

namespace {

struct Sample {
    std::string name;
    TCalcInput input;
};

std::string FileNameOf(std::string s)
{
    for (char& ch : s)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return s;
}

std::vector<Sample> Samples()
{
    std::vector<Sample> out;
    int n = 0;
    for (const TExampleProject& p : BuildExampleProjects())
        for (const TProjectElement& e : p.Elements)
            out.push_back({"example " + std::to_string(++n) + " case " + std::to_string(e.Input.Case), e.Input});

    // large loads, long values
    TCalcInput c0 = SampleInput(ccWallVerticalHinged);
    c0.t = 25;
    c0.h = 300;
    c0.ScianaZewnetrzna = 1;
    c0.def_szer_wiencow = 1;
    c0.ag = 15;
    c0.ad = 20;
    c0.Nod = 1250.5;
    c0.Nsld = 320;
    c0.wd = -0.5;
    c0.wd2 = 0.8;
    out.push_back({"large loads case 0 external", c0});
    TCalcInput c0i = c0;
    c0i.ScianaZewnetrzna = 0;
    c0i.Nspd = 210;
    out.push_back({"large loads case 0 internal", c0i});
    TCalcInput c1 = c0;
    c1.Case = ccWallVerticalContinuous;
    c1.g3d = c1.g6d = 12.5;
    c1.p3d = c1.p6d = 4.25;
    c1.l3 = c1.l6 = 540;
    out.push_back({"large loads case 1", c1});
    TCalcInput c3 = SampleInput(ccConcentratedLoad);
    c3.t = 25;
    c3.h = 300;
    c3.l = 400;
    c3.LiczbaSilSkup = 1;
    c3.Sily[0] = {1250.5, 20, 15, 100, 10};
    out.push_back({"large load case 3", c3});
    TCalcInput c3m = c3;
    c3m.LiczbaSilSkup = 3;
    c3m.Sily[0] = {95, 25, 25, 60, 0};
    c3m.Sily[1] = {600, 30, 25, 170, 20};
    c3m.Sily[2] = {45, 20, 12, 320, 0};
    out.push_back({"three loads case 3", c3m});
    TCalcInput c5 = SampleInput(ccColumn);
    c5.t = 25;
    c5.t2 = 38;
    c5.h = 300;
    c5.Sily[0].NSd = 1250.5;
    c5.Msdx = 12.5;
    c5.Msdy = -8.25;
    out.push_back({"large loads case 5", c5});

    // small walls: the symbols keep their size, the model shrinks
    TCalcInput s0 = c0;
    s0.t = 12;
    s0.h = 100;
    out.push_back({"small wall case 0", s0});
    TCalcInput s3 = c3;
    s3.t = 12;
    s3.h = 60;
    s3.l = 50;
    s3.Sily[0] = {45, 10, 12, 20, 0};
    out.push_back({"small wall case 3", s3});
    TCalcInput s5 = c5;
    s5.t = s5.t2 = 25;
    s5.h = 100;
    out.push_back({"small pier case 5", s5});
    return out;
}

// The scheme as its own case draws it; for cases 2 and 3 the rectangle it
// covered (the cropped picture).
bool DrawScheme(Canvas& c, const TPoint& size, const TCalcInput& in, const TCalcResults& r,
                const TDrawingColors& colors, bool picture, TRect& crop)
{
    if (!picture) {
        DrawCaseScheme(c, size, in, r, colors);  // as the scheme box draws it
        return false;
    }
    switch (in.Case) {
    case ccWallHorizontal: return DrawHorizontalWall(c, size, in, r, false, colors, 0, crop);
    case ccConcentratedLoad: return DrawConcentratedLoadWall(c, size, in, r, false, colors, 0, crop);
    default: DrawCaseScheme(c, size, in, r, colors); return false;
    }
}

std::string OutputFolder()
{
    const QString dir = QDir::current().absoluteFilePath(QStringLiteral("scheme_labels"));
    QDir().mkpath(dir);
    return dir.toStdString();
}

std::string Joined(const Findings& f)
{
    std::string s;
    for (const std::string& line : f) s += "\n  " + line;
    return s;
}

class EverySample : public ::testing::TestWithParam<int> {
protected:
    static const Sample& sample()
    {
        static const std::vector<Sample> all = Samples();
        return all.at(std::size_t(GetParam()));
    }

    // Draws, saves the PNG and returns what the checks found.
    static LabelFindings Drawn(QSize size, bool picture, const TDrawingColors& colors, TColor background,
                               const std::string& tag, bool coloursTell = true)
    {
        const Sample& s = sample();
        TracingCanvas c(size, picture, background);
        TRect crop{};
        const bool cropped = DrawScheme(c, c.size(), s.input, Calculated(s.input), colors, picture, crop);
        LabelFindings f = CheckLabels(c, coloursTell);
        EXPECT_GT(c.texts.size(), 2u);
        if (picture && cropped) {
            // the picture is cut to what the drawing covered
            for (const TracedText& t : c.texts) {
                const QRectF r = t.cell.boundingRect();
                if (r.left() < crop.Left || r.top() < crop.Top || r.right() > crop.Right || r.bottom() > crop.Bottom)
                    f.cut.push_back("\"" + t.text + "\" lies outside the picture's crop");
            }
        }
        c.image().save(QString::fromStdString(OutputFolder() + "/" + FileNameOf(s.name) + "_" + tag + ".png"));
        return f;
    }

    static void Expect(const LabelFindings& f)
    {
        EXPECT_TRUE(f.cut.empty()) << Joined(f.cut);
        EXPECT_TRUE(f.onSymbol.empty()) << Joined(f.onSymbol);
        EXPECT_TRUE(f.unhaloed.empty()) << Joined(f.unhaloed);
        EXPECT_TRUE(f.doubled.empty()) << Joined(f.doubled);
        EXPECT_TRUE(f.overlaps.empty()) << Joined(f.overlaps);
        EXPECT_TRUE(f.crossings.empty()) << Joined(f.crossings);
    }
};

TEST_P(EverySample, LabelsWholeAndClearOnScreen)
{
    // the scheme box at the main window's usual sizes, on the button face
    const TColor face = QColorToColor(QColor(239, 239, 239));
    for (const QSize& size : {QSize(420, 330), QSize(640, 480)}) {
        SCOPED_TRACE(std::to_string(size.width()) + " x " + std::to_string(size.height()));
        Expect(Drawn(size, false, DefaultColors(), face, "screen_" + std::to_string(size.width())));
    }
}

TEST_P(EverySample, LabelsWholeAndClearInThePicture)
{
    // the figure of 10 x 8 cm of the report and the RTF, in colour and in black and white
    TDrawingColors mono;
    SetMonochromeColors(mono);
    {
        SCOPED_TRACE("colour");
        Expect(Drawn({3780, 3024}, true, DefaultColors(), clWhite, "picture"));
    }
    SCOPED_TRACE("black and white");
    Expect(Drawn({3780, 3024}, true, mono, clWhite, "picture_bw", false));
}

TEST_P(EverySample, RunsOfALabelStandOneGapApartOnScreen)
{
    // Where a label's base line changes ("l" | "eff" | "=116,6", "kN/m" |
    // "2") the screen shows a blank column between the runs' glyphs, and a
    // square's "2" keeps close to its "m", one column apart: at the scheme
    // box's sizes, 554 x 744 that of the main window on a 1280 x 1024 screen.
    int pairs = 0;
    for (const QSize& size : {QSize(420, 330), QSize(554, 744), QSize(640, 480)}) {
        TracingCanvas c(size, false, clWhite);
        TRect crop{};
        DrawScheme(c, c.size(), sample().input, Calculated(sample().input), DefaultColors(), false, crop);
        for (std::size_t i = 0; i + 1 < c.texts.size(); ++i) {
            const TracedText &a = c.texts[i], &b = c.texts[i + 1];
            const QRectF ra = a.cell.boundingRect(), rb = b.cell.boundingRect();
            // runs of one level label drawn one after another on other base lines
            const bool runs = b.order == a.order + 1 && a.color == b.color && std::abs(rb.left() - ra.right()) < 4 &&
                              rb.top() < ra.bottom() && ra.top() < rb.bottom() &&
                              (rb.top() != ra.top() || rb.bottom() != ra.bottom());
            if (!runs) continue;
            ++pairs;
            const int blank = BlankColumnsBetween(c, a, b);
            EXPECT_GE(blank, 1) << size.width() << ": \"" << a.text << "\" touches \"" << b.text << "\"";
            if (a.text.back() == 'm' && (b.text == "2" || b.text == "3")) {
                EXPECT_LE(blank, 1) << size.width() << ": \"" << a.text << "\" " << blank << " | " << b.text;
            }
        }
    }
    const int calcCase = sample().input.Case;
    if (calcCase >= ccWallVerticalContinuous && calcCase <= ccBasementWall) {
        EXPECT_GT(pairs, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Schemes, EverySample, ::testing::Range(0, int(Samples().size())),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return FileNameOf(Samples().at(std::size_t(info.param)).name);
                         });

} // namespace

namespace {

// Of the pixels just outside the moment arrows' arcs, the share that have
// the arrows' own colour: on a fill of that colour an arc without a halo
// cannot be told from what it stands on.
double ArcEdgesInTheirColour(QSize size, bool picture)
{
    TCalcInput in = Samples().at(7).input;  // the examples' pier, without beams:
    in.PodpSTyp_x = in.PodpSTyp_y = 0;      // its moments stand on its top face
    TracingCanvas c(size, picture, clWhite);
    const TDrawingColors colors = DefaultColors();
    DrawCaseScheme(c, c.size(), in, Calculated(in), colors);
    const QImage& image = c.image();
    const QRgb moment = ColorToQColor(colors[dcMoment]).rgb();
    int same = 0, all = 0;
    for (const TracedSegment& s : c.segments) {
        if (s.color != colors[dcMoment] || s.width < 4 * c.unit()) continue;
        const QPointF d = s.b - s.a;
        const double len = std::hypot(d.x(), d.y());
        if (len < 1) continue;
        const QPointF n(-d.y() / len, d.x() / len);
        for (int k = 1; k < 4; ++k)
            for (int side : {-1, 1}) {
                const QPointF p = s.a + d * (k / 4.0) + n * (side * (s.width / 2 + 1));
                const QPoint q = p.toPoint();
                if (!image.rect().contains(q)) continue;
                ++all;
                if ((image.pixel(q) & 0xFFFFFF) == (moment & 0xFFFFFF)) ++same;
            }
    }
    EXPECT_GT(all, 20);
    return all ? double(same) / all : 1.0;
}

} // namespace

TEST(PierScheme, MomentArcsStandOutOnTheTopFace)
{
    // the pier's fill and its moments share the default colour (dark red)
    EXPECT_EQ(DefaultColors()[dcMoment], DefaultColors()[dcMasonryFill]);
    EXPECT_LT(ArcEdgesInTheirColour({640, 480}, false), 0.25);
    EXPECT_LT(ArcEdgesInTheirColour({3780, 3024}, true), 0.25);
}
