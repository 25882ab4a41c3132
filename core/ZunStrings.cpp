#include "core/ZunStrings.h"

#include <cmath>
#include <cstring>

#include "core/MyUtils.h"
#include "core/ZunCaseSetup.h"
#include "core/ZunMaterials.h"

namespace orv {

TColor CheckColor(double a, double b)
{
    // A value that is no finite number never meets a condition.
    return std::isfinite(a) && std::isfinite(b) && a <= b ? clNavy : clRed;
}

std::string RelationSign(double a, double b)
{
    if (a == b) return "  =  ";
    if (a < b) return "  <  ";
    return "  >  ";
}

void SplitAtDoubleAt(const std::string& s, std::string& before, std::string& after)
{
    const std::size_t p = s.find('@');
    if (p != std::string::npos && p + 1 < s.size() && s[p + 1] == '@') {
        before = s.substr(0, p);
        after = s.substr(p + 2);
    } else {
        before = s;
        after.clear();
    }
}

TEdgeSupport EdgeSupportKind(int supportCase, int edge)
{
    // f free, h hinged, x fixed; edges top, bottom, left, right.
    static const char* const kCases[12] = {
        "fhhh", "fhhx", "fhxx", "fxxx", "hhhh", "hhhx",
        "hhxx", "hxxx", "xxxx", "hhhf", "hhxf", "hxxf",
    };
    if (supportCase < 0 || supportCase > 11 || edge < 0 || edge > 3) return esNone;
    switch (kCases[supportCase][edge]) {
    case 'f': return esFree;
    case 'h': return esHinged;
    default: return esFixed;
    }
}

std::string EdgeSupportName(int supportCase, int edge)
{
    switch (EdgeSupportKind(supportCase, edge)) {
    case esFree: return "swobodna";
    case esHinged: return "podparta przegubowo";
    case esFixed: return "utwierdzona";
    default: return {};
    }
}

void ClearReportLines(int x1, int x2, int x3, TReportSheet& sheet)
{
    for (TReportLine& line : sheet.Lines) {
        line.X1 = x1;
        line.X2 = x2;
        line.X3 = x3;
        line.Text.Len = 0;
        line.Color = clBtnText;
        line.Flag = 0;
    }
    sheet.Count = 0;
}

std::string SignedValueText(int decimals, double value)
{
    if (value < 0) return "(-) " + FormatValue(decimals, std::fabs(value));
    return FormatValue(decimals, value);
}

namespace {

std::string N1(double v) { return FormatValue(1, v); }
std::string N(double v) { return FormatValue(2, v); }
std::string N3(double v) { return FormatValue(3, v); }

// A factor or the result of a printed product: at least `decimals`
// decimals and as many more (up to 6) as keep the printed number within
// 0.05 % of v, so that the product of the printed factors gives the printed
// result within a few tenths of a per cent.
std::string F(int decimals, double v)
{
    constexpr int MaxDecimals = 6;
    if (!std::isfinite(v) || v == 0 || std::fabs(v) >= 1e15) return FormatValue(decimals, v);
    for (int d = decimals; d < MaxDecimals; ++d) {
        const double scale = std::pow(10.0, d);
        if (std::fabs(std::nearbyint(v * scale) / scale - v) <= 5e-4 * std::fabs(v)) return FormatValue(d, v);
    }
    return FormatValue(MaxDecimals, v);
}

// An area in m2 to four decimals at least.
std::string Area(double v) { return F(4, v); }

// A computed value with its unit when the check reached the part that
// computes it; else a dash, with no unit, for a number never computed.
std::string Computed(const TCalcResults& r, TCalcPart part, const std::string& valueAndUnit)
{
    return r.reached(part) ? valueAndUnit : "–";
}

// The editor's plain UTF-8 names in the report mark-up: "N_sl,d" gives
// "N%Dsl,d%N" (the subscript runs to the next blank), Greek letters take the
// Symbol font and the superscript digits the raised run.
std::string PlainMarkup(const std::string& s)
{
    static const struct {
        const char* plain;
        const char* markup;
    } kSigns[] = {
        {"α", "%Sa%N"}, {"β", "%Sb%N"}, {"γ", "%Sg%N"}, {"η", "%Sh%N"}, {"μ", "%Sm%N"},
        {"ρ", "%Sr%N"}, {"²", "%I2%N"}, {"³", "%I3%N"}, {"⁴", "%I4%N"},
    };
    std::string out;
    bool subscript = false;
    for (std::size_t i = 0; i < s.size();) {
        if (s[i] == '_' && !subscript) {
            out += "%D";
            subscript = true;
            ++i;
            continue;
        }
        if (s[i] == ' ' && subscript) {
            out += "%N";
            subscript = false;
        }
        bool sign = false;
        for (const auto& k : kSigns) {
            const std::size_t n = std::strlen(k.plain);
            if (s.compare(i, n, k.plain) == 0) {
                out += k.markup;
                i += n;
                sign = true;
                break;
            }
        }
        if (!sign) out += s[i++];
    }
    if (subscript) out += "%N";
    return out;
}

// "     (" + 100 value/capacity ("0.0") + "%)"; empty for a zero capacity.
std::string Utilisation(double value, double capacity)
{
    if (capacity == 0) return {};
    return "     (" + N1(value * 100 / capacity) + "%)";
}

// Resets the lines the way every builder does (X3 is kept).
void ResetLines(int bodyX, int columnX, TReportSheet& sheet)
{
    for (TReportLine& line : sheet.Lines) {
        line.X1 = bodyX;
        line.X2 = columnX;
        line.Text.Len = 0;
        line.Color = clBtnText;
        line.Flag = 0;
    }
    sheet.Count = 0;
}

// A no-break space (U+00A0, byte 0xA0 of code page 1250): the report's line
// breaking, the RTF and the results view never part the words it joins.
constexpr const char* kNoBreakSpace = "\u00a0";

// The units the report writes after a value.
bool IsUnitWord(const std::string& word)
{
    static const char* const kUnits[] = {"MPa", "GPa", "kPa", "kN", "kNm", "cm", "mm", "m", "mb"};
    for (const char* u : kUnits)
        if (word == u) return true;
    return false;
}

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Does a value end just before position i: a digit, or a sign standing for
// a value not computed ("?" or a dash, a word of its own)?
bool ValueEndsAt(const std::string& s, std::size_t i)
{
    if (i == 0) return false;
    if (s[i - 1] >= '0' && s[i - 1] <= '9') return true;
    for (const char* sign : {"?", "-", "\u2013", "\u2014"}) {
        const std::size_t n = std::strlen(sign);
        if (i >= n && s.compare(i - n, n, sign) == 0) return i == n || s[i - n - 1] == ' ';
    }
    return false;
}

// The text with the blank between each value and its unit ("500,0 cm",
// "369,06 kN/m", "0,3 m%I2%N") turned into a no-break space, so that a
// value and its unit never part at a line's end.
std::string JoinValuesToUnits(const std::string& text)
{
    std::string out;
    out.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ' ' && ValueEndsAt(text, i)) {
            std::size_t e = i + 1;
            while (e < text.size() && IsAsciiLetter(text[e])) ++e;
            // the unit is a whole word: a letter of any script would go on with it
            const bool whole = e == text.size() || (!(text[e] >= '0' && text[e] <= '9') &&
                                                    static_cast<unsigned char>(text[e]) < 0x80);
            if (whole && IsUnitWord(text.substr(i + 1, e - i - 1))) {
                out += kNoBreakSpace;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

// Writes lines one after another; lines beyond the sheet's end are dropped.
// Every text it writes has its values joined to their units.
class SheetWriter {
public:
    SheetWriter(TReportSheet& sheet, int headingX, int first)
        : sheet_(sheet), headingX_(headingX), n_(first - 1) {}

    void line(const std::string& text, TColor color = clBtnText)
    {
        if (!next()) return;
        TReportLine& l = sheet_.Line(n_);
        l.setText(JoinValuesToUnits(text));
        l.Color = color;
    }
    void heading(const std::string& text, TColor color = clBtnText)
    {
        if (!next()) return;
        TReportLine& l = sheet_.Line(n_);
        l.setText(JoinValuesToUnits(text));
        l.Color = color;
        l.X1 = headingX_;
    }
    void separator()
    {
        if (!next()) return;
        sheet_.Line(n_).Flag = 2;
    }
    // Appends to the line just written.
    void append(const std::string& text)
    {
        if (n_ < 1 || n_ > MaxReportLines) return;
        TReportLine& l = sheet_.Line(n_);
        l.setText(JoinValuesToUnits(l.text() + text));
    }
    // Replaces the text of the line just written.
    void replace(const std::string& text)
    {
        if (n_ < 1 || n_ > MaxReportLines) return;
        sheet_.Line(n_).setText(JoinValuesToUnits(text));
    }
    void finish() { sheet_.Count = n_ < MaxReportLines ? n_ : MaxReportLines; }

private:
    bool next()
    {
        if (n_ >= MaxReportLines) return false;
        ++n_;
        return true;
    }
    TReportSheet& sheet_;
    int headingX_;
    int n_;
};

// --- input data -----------------------------------------------------------------------

void MaterialSection(SheetWriter& w, const TCalcInput& in, const TCalcResults& r)
{
    const int kind = static_cast<int>(in.RodzajElementuM);
    const double fb = in.fb;
    const std::string roman = ToRoman(static_cast<int>(in.KategoriaWykElementu) + 1);
    w.heading("%UMateriał:%N");
    if (in.OgolnaDefElementu != 0) {
        w.line(WallKindText(kind));
        w.line("Znormalizowana wytrzymałość elementu na ściskanie f%Db%N = " + N1(fb) + " MPa");
        w.line("Kategoria wykonania elementu  " + roman);
    } else {
        w.line("Elementy murowe: " + in.UserElement.str());
        w.line(" - " + ElementMaterialText(kind));
        w.line(" - znormalizowana wytrzymałość elementu na ściskanie f%Db%N = " + N1(fb) + " MPa");
        w.line(" - kategoria wykonania elementu  " + roman);
    }
    const int mortarType = static_cast<int>(in.RodzajZaprawy);
    const int mortarClass = static_cast<int>(in.KlasaZaprawy);
    w.line("Zaprawa murarska: " + MortarText(mortarType, mortarClass, static_cast<int>(in.ZaprawaTyp)));
    if (mortarType != mtThinLayer)
        w.append("  %S®%N   f%Dm%N = " + N1(MortarStrength(mortarClass) / 1e6) + " MPa");
    if (in.spoina_podluzna != 0) w.line("Mur ze spoiną podłużną");
    w.line("%S®%N   Wytrzymałość charakterystyczna muru na ściskanie  f%Dk%N = " +
           Computed(r, cpStrength, F(2, r.f_k / 1e6) + " MPa"));
    w.separator();
}

void GeometrySection(SheetWriter& w, const TCalcInput& in)
{
    const int c = in.Case;
    const bool vertical = c == ccWallVerticalHinged || c == ccWallVerticalContinuous;
    const bool external = in.ScianaZewnetrzna != 0;
    w.heading("%UGeometria:%N");
    if (vertical) {
        w.line(external ? "- Ściana zewnętrzna" : "- Ściana wewnętrzna");
        if (in.ScianaNajwyzszejKodnygnacji != 0) w.append(" najwyższej kondygnacji");
    }
    if (c == ccColumn) {
        w.line("Grubość słupa @@ t = " + N1(in.t) + " cm");
        w.line("Szerokość słupa @@ b = " + N1(in.t2) + " cm");
        w.line("Wysokość słupa @@ h = " + N1(in.h) + " cm");
        if (in.PodpSTyp_x == 1) w.line("Podparcie góry słupa w kierunku osi y elementem żelbetowym");
        else if (in.PodpSTyp_x == 2) w.line("Podparcie góry słupa w kierunku osi y elementem drewnianym");
        if (in.PodpSTyp_y == 1) w.line("Podparcie góry słupa w kierunku osi x elementem żelbetowym");
        else if (in.PodpSTyp_y == 2) w.line("Podparcie góry słupa w kierunku osi x elementem drewnianym");
    }
    if (c >= 0 && c <= 4) w.line("Grubość ściany @@ t = " + N1(in.t) + " cm");
    if (c >= 0 && c <= 3) w.line("Szerokość ściany @@ b = " + N1(in.l) + " cm");
    if (c >= 0 && c <= 4) w.line("Wysokość ściany @@ h = " + N1(in.h) + " cm");
    if (vertical) {
        const TVerticalWallSetup wall(in);
        if (wall.ringBeams) {
            // as the check takes them: never wider than the wall
            w.line("Szerokość wieńca górnego @@ a%Dw,g%N = " + N1(wall.a_wg_cm) + " cm");
            w.line("Szerokość wieńca dolnego @@ a%Dw,d%N = " + N1(wall.a_wd_cm) + " cm");
        }
        w.line("Podparcie ściany: ");
        const u32 stiff = in.UsztywnienieSciany;
        switch (stiff) {
        case 0: w.line(" - ściana podparta u góry i u dołu"); break;
        case 1: w.line(" - ściana podparta u góry i u dołu i usztywniona wzdłuż jednej krawędzi pionowej"); break;
        case 2: w.line(" - ściana podparta u góry i u dołu i usztywniona wzdłuż obu krawędzi pionowych"); break;
        default: w.line({}); break;
        }
        if (stiff == 1)
            w.line(" - odległość krawędzi swobodnej od osi ściany usztywniającej l = " + N1(in.l_usztw) + " cm");
        else if (stiff == 2)
            w.line(" - odległość osi ścian usztywniających l = " + N1(in.l_usztw) + " cm");
        w.line("Usztywnienie przestrzenne: ");
        switch (in.RodzajKonstrSciany) {
        case 0: w.line(" - konstrukcja usztywniona przestrzennie w sposób eliminujący przesuw poziomy"); break;
        case 1:
            w.line(" - konstrukcja bez ścian usztywniających, przy czym liczba ścian prostopadłych do kierunku "
                   "działania obciążenia poziomego, przejmujących to obciążenie wynosi 3 i więcej");
            break;
        case 2:
            w.line(" - konstrukcja bez ścian usztywniających, przy czym liczba ścian prostopadłych do kierunku "
                   "działania obciążenia poziomego, przejmujących to obciążenie wynosi 2");
            break;
        default: w.line({}); break;
        }
        switch (in.RodzajStropow) {
        case 0: w.line(" - stropy z betonu z wieńcami żelbetowymi"); break;
        case 1: w.line(" - stropy inne niż z betonu z wieńcami żelbetowymi"); break;
        default: w.line({}); break;
        }
    }
    if (c == ccWallHorizontal) {
        static const char* const kModels[9] = {
            "@@ belka swobodnie podparta - kierunek poziomy", "@@ belka swobodnie podparta - kierunek pionowy",
            "@@ płyta:", "@@ łuk - kierunek poziomy", "@@ łuk - kierunek pionowy",
            "@@ wspornik - kierunek poziomy", "@@ wspornik - kierunek pionowy",
            "@@ belka utwierdzona - kierunek poziomy", "@@ belka utwierdzona - kierunek pionowy",
        };
        const u32 model = in.SchematScianyTyp;
        w.line("Schemat podparcia krawędzi ściany");
        if (model < 9) w.append(kModels[model]);
        if (model == 2) {
            const int sc = static_cast<int>(in.SchematPlytySciany);
            w.line("  - krawędź górna@@ " + EdgeSupportName(sc, 0));
            w.line("  - krawędź dolna@@ " + EdgeSupportName(sc, 1));
            w.line("  - krawędź pionowa lewa@@ " + EdgeSupportName(sc, 2));
            w.line("  - krawędź pionowa prawa@@ " + EdgeSupportName(sc, 3));
        }
        const i32 count = in.LiczbaOkien;
        if (in.ScianaZOtworami != 0 && count > 0) {
            w.line("Otwory w ścianie:");
            const int n = count < MaxOpenings ? count : MaxOpenings;
            for (int i = 1; i <= n; ++i) {
                const TOpening o = in.Okna[i - 1];
                w.line(" - otwór nr " + std::to_string(i) + ": x%Dotw%N = " + N1(o.x) + " cm, y%Dotw%N = " +
                       N1(o.y) + " cm, l%Dotw%N = " + N1(o.l) + " cm, h%Dotw%N = " + N1(o.h) + " cm");
            }
        }
    }
    if (c == ccBasementWall)
        w.line("Odległość między ścianami poprzecznymi lub innymi elementami usztywniającymi  b%De%N = " +
               N1(in.be) + " cm");
    w.separator();
}

void SelfWeightLines(SheetWriter& w, const TCalcInput& in, const char* l1, const char* l2, const char* l3,
                     double selfWeight, const char* unit)
{
    if (in.wylicz_Gs != 0) {
        w.line(l1 + N1(in.ro_muru) + " kN/m%I3%N;  %Sg%N%Df%N = " + N(in.gf_muru));
        w.line(l2 + N(selfWeight) + unit);
    } else {
        w.line(l3 + N(selfWeight) + unit);
    }
}

void WindLine(SheetWriter& w, bool suction, double value, const char* unit)
{
    w.line(std::string("Obciążenie poziome od ") + (suction ? "ssania " : "parcia ") + "wiatru@@ w%Dd%N = " +
           N3(value) + unit);
}

void LoadSection(SheetWriter& w, const TCalcInput& in)
{
    const int c = in.Case;
    const bool external = in.ScianaZewnetrzna != 0;
    if (c == ccBasementWall || c == ccColumn) w.heading("%UObciążenia obliczeniowe:%N");
    else w.heading("%UObciążenia:%N");
    const char* const kWallL1 = "Ciężar objętościowy muru@@ %Sr%N = ";
    const char* const kWallL2 = "  %S®%N   ciężar własny ściany@@ G%Ds%N = ";
    const char* const kWallL3 = "Ciężar własny ściany@@ G%Ds%N = ";
    auto slabLine = [&](const char* label, double v) { w.line(label + N(v) + " kN/m"); };
    switch (c) {
    case ccWallVerticalHinged:
        w.line("Obciążenie z wyższych kondygnacji@@ N%D0d%N = " + N(in.Nod) + " kN");
        if (external) {
            w.line("Obciążenie obliczeniowe ze stropu@@ N%Dsl,d%N = " + N(in.Nsld) + " kN");
        } else {
            w.line("Obciążenie obliczeniowe ze stropu@@ N%I(P)%Dsl,d%N = " + N(in.Nsld) + " kN");
            w.line("Obciążenie obliczeniowe ze stropu@@ N%I(L)%Dsl,d%N = " + N(in.Nspd) + " kN");
        }
        SelfWeightLines(w, in, kWallL1, kWallL2, kWallL3, in.Gs, " kN");
        if (external) {
            WindLine(w, in.wd <= 0, in.wd, " kN/m");
            WindLine(w, in.wd2 < 0, in.wd2, " kN/m");
        }
        break;
    case ccWallVerticalContinuous:
        w.line("Obciążenie obliczeniowe z wyższych kondygnacji@@ N%D0d%N = " + N(in.Nod) + " kN");
        if (external) {
            slabLine("Obciążenie obliczeniowe stałe stropu górnego@@ g%D3d%N = ", in.g3d);
            slabLine("Obciążenie obliczeniowe zmienne stropu górnego@@ p%D3d%N = ", in.p3d);
            slabLine("Obciążenie obliczeniowe stałe stropu dolnego@@ g%D6d%N = ", in.g6d);
            slabLine("Obciążenie obliczeniowe zmienne stropu dolnego@@ p%D6d%N = ", in.p6d);
        } else {
            slabLine("Obciążenie obliczeniowe stałe prawego stropu górnego@@ g%D3d%N = ", in.g3d);
            slabLine("Obciążenie obliczeniowe zmienne prawego stropu górnego@@ p%D3d%N = ", in.p3d);
            slabLine("Obciążenie obliczeniowe stałe lewego stropu górnego@@ g%D4d%N = ", in.g4d);
            slabLine("Obciążenie obliczeniowe zmienne lewego stropu górnego@@ p%D4d%N = ", in.p4d);
            slabLine("Obciążenie obliczeniowe stałe prawego stropu dolnego@@ g%D6d%N = ", in.g6d);
            slabLine("Obciążenie obliczeniowe zmienne prawego stropu dolnego@@ p%D6d%N = ", in.p6d);
            slabLine("Obciążenie obliczeniowe stałe lewego stropu dolnego@@ g%D7d%N = ", in.g7d);
            slabLine("Obciążenie obliczeniowe zmienne lewego stropu dolnego@@ p%D7d%N = ", in.p7d);
        }
        SelfWeightLines(w, in, "Ciężar objętościowy muru %Sr%N = ", kWallL2, kWallL3, in.Gs, " kN");
        if (external) {
            WindLine(w, in.wd <= 0, in.wd, " kN/m");
            WindLine(w, in.wd2 < 0, in.wd2, " kN/m");
        }
        break;
    case ccWallHorizontal:
        WindLine(w, in.wd_kNm2 < 0, in.wd_kNm2, " kN/m%I2%N");
        break;
    case ccConcentratedLoad: {
        // One load reads without numbers; of several, each has its own lines, the
        // symbols of load k > 1 indexed ",k" as in the results.
        const int count = ConcentratedLoadCount(in);
        for (int k = 0; k < count; ++k) {
            const TConcentratedLoad f = in.Sily[k];
            const std::string nr = count > 1 ? " nr " + std::to_string(k + 1) : std::string();
            const std::string ix = k > 0 ? "," + std::to_string(k + 1) : std::string();
            w.line("Obciążenie skupione" + nr + "@@ N%DSd" + ix + "%N = " + N(f.NSd) + " kN");
            w.line("Pole oddziaływania obciążenia skupionego" + nr + "@@ a%Dl" + ix + "%N × a%Dt" + ix +
                   "%N = " + N1(f.aL) + " cm × " + N1(f.aT) + " cm");
            // the first load is placed by its axis, the others by their left side
            if (k == 0)
                w.line("Odległość obciążenia" + nr + " od lewej krawędzi ściany@@ " + N1(f.a1) + " cm");
            else
                w.line("Lewy brzeg obciążenia" + nr + " od lewej krawędzi ściany@@ " + N1(f.a1) + " cm");
            // numbered, the label is shortened so that the widest value of three
            // loads ends within the margins
            w.line("Poziom obciążenia skupionego" + nr +
                   (nr.empty() ? " poniżej górnej powierzchni ściany@@ " : " poniżej wierzchu ściany@@ ") + N1(f.hN) +
                   " cm");
        }
        break;
    }
    case ccBasementWall:
        w.line("Obciążenie wierzchu ściany wynikające z obciążeń stałych  N%D0d%N = " + N(in.N0_mb) + " kN/mb");
        SelfWeightLines(w, in, kWallL1, kWallL2, kWallL3, in.Gs_mb, " kN/mb");
        w.line("Wysokość zasypania ściany gruntem@@ h%De%N = " + N1(in.he) + " cm");
        w.line("Ciężar objętościowy gruntu@@ %Sr%N%De%N = " + F(1, in.ro_e) + " kN/m%I3%N");
        break;
    case ccColumn:
        w.line("Obciążenie skupione pionowe@@ N%DSd%N = " + N(in.Sily[0].NSd) + " kN");
        w.line("Moment zginający@@ M%DSd,x%N = " + N(in.Msdx) + " kNm");
        w.line("Moment zginający@@ M%DSd,y%N = " + N(in.Msdy) + " kNm");
        SelfWeightLines(w, in, kWallL1, "  %S®%N   ciężar własny słupa@@ G%Ds%N = ",
                        "Ciężar własny słupa@@ G%Ds%N = ", in.Gs_s, " kN");
        break;
    default: break;
    }
}

// --- results ----------------------------------------------------------------------------

// V + N(v) + unit + Rel(v, r) + R + F(r) + unit + Util(v, r), coloured CC(v, r):
// the resistance is the result of a product.
void ConditionLine(SheetWriter& w, const std::string& v_label, double v, const std::string& r_label,
                   double r, const char* unit)
{
    w.line(v_label + N(v) + unit + RelationSign(v, r) + r_label + F(2, r) + unit + Utilisation(v, r),
           CheckColor(v, r));
}

// Where f_d was divided by the small-section factor, the line that derives it.
void SmallSectionLine(SheetWriter& w, const TCalcResults& r)
{
    if (!(r.eta_A > 0)) return;
    w.line("%Sh%N%DA%N = " + F(2, r.eta_A) + " (A < " + N1(0.3) + " m%I2%N):  f%Dd%N = f%Dk%N/(%Sg%N%Dm%N·%Sh%N%DA%N) = " +
           F(2, r.f_k / 1e6) + " MPa/(" + N1(r.gamma_m) + "·" + F(2, r.eta_A) + ") = " + F(2, r.f_d / 1e6) +
           " MPa");
}

void VerticalWallResults(SheetWriter& w, const TCalcResults& r)
{
    const std::string area = "  A = " + Area(r.A) + " m%I2%N,  f%Dd%N = " + F(2, r.f_d / 1e6) + " MPa";
    SmallSectionLine(w, r);
    w.heading("Warunek nośności pod stropem:");
    w.line("%SF%N%D1%N = " + F(3, r.Phi_1) + area);
    ConditionLine(w, "N%D1d%N = ", r.N_1d, "N%D1R,d%N = %SF%N%D1%N·A·f%Dd%N = ", r.N_1Rd, " kN");
    w.heading("Warunek nośności w strefie środkowej:");
    w.line("%SF%N%Dm%N = " + F(3, r.Phi_m) + area);
    ConditionLine(w, "N%Dmd%N = ", r.N_md, "N%DmR,d%N = %SF%N%Dm%N·A·f%Dd%N = ", r.N_mRd, " kN");
    w.heading("Warunek nośności nad stropem:");
    w.line("%SF%N%D2%N = " + F(3, r.Phi_2) + area);
    ConditionLine(w, "N%D2d%N = ", r.N_2d, "N%D2R,d%N = %SF%N%D2%N·A·f%Dd%N = ", r.N_2Rd, " kN");
}

// Condition of a signed design value against its resistance; the values of
// products (the bending moments) as their product lines print them.
void SignedConditionLine(SheetWriter& w, const std::string& label, double v, const char* unit,
                         const std::string& r_label, double r, bool products = false)
{
    const double a = std::fabs(v);
    const std::string value = !products ? SignedValueText(2, v) : v < 0 ? "(-) " + F(2, a) : F(2, v);
    w.line(label + value + unit + RelationSign(a, r) + r_label + (products ? F(2, r) : N(r)) + unit +
               Utilisation(a, r),
           CheckColor(a, r));
}

std::string PlateLetter(const TCalcResults& r)
{
    const int code = 64 + r.DecisivePlate + r.PlateLetterBase;
    if (code < 32 || code > 126) return "?";
    return std::string(1, static_cast<char>(code));
}

// Texts of a beam's moment line for a beam code.
void BeamMomentTexts(i32 beam, const char* span, std::string& formulaText, std::string& valueText)
{
    const char* div = beam == 1 ? "16" : beam == 2 ? "2" : "8";
    formulaText = std::string("w%Dd%N·") + span + "%I2%N / " + div + " = ";
    valueText = std::string(" m)%I2%N / ") + div + " = ";
}

void HorizontalWallResults(SheetWriter& w, const TCalcInput& in, const TCalcResults& r)
{
    const double wd = in.wd_kNm2;
    if (r.Error == 35) {
        w.heading("Uwaga błąd!", clRed);
        if (in.ScianaZOtworami != 0 && r.PlateCount > 0) w.heading("Decyduje %Bpłyta " + PlateLetter(r) + "%N:");
        w.heading(CalcErrorText(35), clRed);
        w.heading("Obliczenia można wykonać przy założeniu innego modelu obliczeniowego ściany.");
        return;
    }
    if (r.Arch != 0) {
        w.heading("Warunek nośności ściany:");
        SignedConditionLine(w, "V%DSd%N = ", r.V_Sd, " kN/mb", "V%DRd%N = ", r.V_Rd);
        w.heading("Warunek jednostkowego obciążenia poziomego:");
        SignedConditionLine(w, "w%Dd%N = ", wd, " kN/m%I2%N", "q%DRd%N = ", r.q_Rd);
        return;
    }
    std::string FL, FV;
    // spans: the wall's, or the decisive strip's own, as the check takes them
    double spanL = in.l / 100, spanH = in.h / 100;
    if (in.ScianaZOtworami != 0 && r.PlateCount > 0) {
        w.heading("Decyduje %Bpłyta " + PlateLetter(r) + "%N:");
        if (!r.SchemeName.empty()) w.line("Przyjęty schemat obliczeniowy: %B" + r.SchemeName + "%N");
        // A decisive plate outside the division has no strip values.
        TWallPlate plate;
        if (r.DecisivePlate >= 1 && r.DecisivePlate <= MaxWallPlates) plate = r.Plates[r.DecisivePlate - 1];
        const double d = r.VerticalDivision != 0 ? plate.L : plate.H;
        FL = "(a%DW%N/b)·";
        FV = "(" + F(2, plate.a_w / 100) + " m /" + F(2, d / 100) + " m )·";
        spanL = plate.L / 100;
        spanH = plate.H / 100;
    } else if (r.HLOutOfRange != 0) {
        w.heading("Stosunek wymiarów płyty muru poza zakresem tablic B.1 normy murowej %S®%N przyjęto "
                  "schemat obliczeniowy: %B" +
                  r.SchemeName + "%N");
    }
    const bool plate = r.IsTablePlate != 0;
    auto isBeam = [](i32 b) { return b == 0 || b == 1 || b == 2; };
    const std::string factor = N(1.05);
    std::string formulaText, valueText;
    if (plate || isBeam(r.HorizontalBeam)) {
        const double L = spanL;
        w.heading("Warunek nośności w płaszczyźnie prostopadłej do spoin wspornych:");
        if (plate) {
            w.line("M%DSd%N = %Sa%N·" + FL + "w%Dd%N·L%I2%N = " + F(3, r.alpha) + "·" + FV + F(3, wd) +
                   " kN/m%I2%N ·(" + factor + "·" + F(2, L) + " m)%I2%N = " + F(2, r.M_Sd2) + " kNm/mb");
        } else {
            BeamMomentTexts(r.HorizontalBeam, "L", formulaText, valueText);
            w.line("M%DSd%N = " + FL + formulaText + FV + F(3, wd) + " kN/m%I2%N ·(" + factor + "·" + F(2, L) +
                   valueText + F(2, r.M_Sd2) + " kNm/mb");
        }
        w.line("M%DRd%N = f%Dxd2%N·W = " + F(3, r.f_xd2) + " MPa · " + F(2, r.W2 * 1e6) + " cm%I3%N/mb = " +
               F(2, r.M_Rd2) + " kNm/mb");
        SignedConditionLine(w, "M%DSd%N = ", r.M_Sd2, " kNm/mb", "M%DRd%N = ", r.M_Rd2, true);
    }
    if (plate || isBeam(r.VerticalBeam)) {
        const double H = spanH;
        w.heading("Warunek nośności w płaszczyźnie równoległej do spoin wspornych:");
        if (plate) {
            // The orthogonal-ratio method: both planes of a plate take the same length.
            w.line("M%DSd%N = %Sm%N·%Sa%N·" + FL + "w%Dd%N·L%I2%N = " + F(3, r.mu) + "·" + FV + F(3, r.alpha) + "·" +
                   F(3, wd) + " kN/m%I2%N ·(" + factor + "·" + F(2, spanL) + " m)%I2%N = " + F(2, r.M_Sd1) +
                   " kNm/mb");
        } else {
            BeamMomentTexts(r.VerticalBeam, "H", formulaText, valueText);
            w.line("M%DSd%N = " + FL + formulaText + FV + F(3, wd) + " kN/m%I2%N ·(" + factor + "·" + F(2, H) +
                   valueText + F(2, r.M_Sd1) + " kNm/mb");
        }
        w.line("M%DRd%N = f%Dxd1%N·W = " + F(3, r.f_xd1) + " MPa · " + F(2, r.W1 * 1e6) + " cm%I3%N/mb = " +
               F(2, r.M_Rd1) + " kNm/mb");
        SignedConditionLine(w, "M%DSd%N = ", r.M_Sd1, " kNm/mb", "M%DRd%N = ", r.M_Rd1, true);
    }
}

void ConcentratedLoadResults(SheetWriter& w, const TCalcInput& in, const TCalcResults& r)
{
    SmallSectionLine(w, r);
    w.heading("Warunek nośności:");
    const int count = ConcentratedLoadCount(in);
    // of several loads, each with its factor, bearing area and effective length
    const std::string fd = ",  f%Dd%N = " + F(2, r.f_d / 1e6) + " MPa";
    w.line("%Sb%N = " + F(3, r.beta) + "  A%Db%N = " + Area(r.A_b) + " m%I2%N" +
           (count > 1 ? ",  l%Deff%N = " + N(r.l_eff) + " cm" : std::string()) + fd);
    ConditionLine(w, "N%DSd%N = ", in.Sily[0].NSd, "N%DRd%N = %Sb%N·A%Db%N·f%Dd%N = ", r.N_Rd, " kN");
    const double beta[] = {r.beta2, r.beta3}, area[] = {r.A_b2, r.A_b3}, leff[] = {r.l_eff2, r.l_eff3};
    const double further[] = {r.N_Rd2, r.N_Rd3};
    for (int k = 1; k < count; ++k) {
        const std::string n = std::to_string(k + 1);
        w.line("%Sb%N%D" + n + "%N = " + F(3, beta[k - 1]) + "  A%Db," + n + "%N = " + Area(area[k - 1]) +
               " m%I2%N,  l%Deff," + n + "%N = " + N(leff[k - 1]) + " cm" + fd);
        ConditionLine(w, "N%DSd," + n + "%N = ", in.Sily[k].NSd,
                      "N%DRd," + n + "%N = %Sb%N%D" + n + "%N·A%Db," + n + "%N·f%Dd%N = ", further[k - 1], " kN");
    }
    w.separator();
    w.line("Uwaga: Ścianę należy dodatkowo sprawdzić jako ścianę obciążoną pionowo według modelu "
           "przegubowego lub ciągłego.");
}

void BasementWallResults(SheetWriter& w, const TCalcResults& r)
{
    const double N2 = r.N_2d;
    w.heading("Sprawdzenie wg Zał.A normy:");
    w.line("Obliczeniowe obciążenie pionowe w połowie wysokości zasypania gruntem   N%DSd%N = " + N(N2) + " kN/m");
    w.line("N%DSd%N = " + N(N2) + " kN/m" + RelationSign(N2, r.N_maxRd) + "t·f%Dk%N /(3·%Sg%N%Dm%N) = " +
               N(r.N_maxRd) + " kN/m",
           CheckColor(N2, r.N_maxRd));
    w.line("N%DSd%N = " + N(N2) + " kN/m" + RelationSign(N2, r.N_minRd) + "%Sr%N%De%N·h·h%De%N%I2%N /(" +
               (std::isfinite(r.beta_A) ? ShortDecimal(r.beta_A) : FormatValue(0, r.beta_A)) + "·t) = " + N(r.N_minRd) + " kN/m",
           CheckColor(r.N_minRd, N2));
    w.separator();
    // The load must lie between both bounds; a value that does not compare does not.
    const bool within = CheckColor(r.N_minRd, N2) == clNavy && CheckColor(N2, r.N_maxRd) == clNavy;
    if (within) w.line("Wniosek: nie jest wymagane obliczeniowe sprawdzenie ściany.");
    else w.line("Wniosek: wymagane jest obliczeniowe sprawdzenie ściany.", clRed);
}

void ColumnResults(SheetWriter& w, const TCalcResults& r)
{
    struct Section {
        const char* heading;
        const char* p1;
        const char* p2;
        double phiX, phiY;
        const char* r1;
        const char* r2;
        const char* r3;
        double nx, ny;
        const char* v;
        double value;
        const char* x;
        const char* f;
        double resistance;
    };
    const Section sections[3] = {
        {"Warunek nośności pod stropem:", " MPa,  %SF%N%D1,x%N = ", ",  %SF%N%D1,y%N = ", r.Phi_1, r.Phi_1y,
         "N%D1R,d,x%N = ", " kN,  N%D1R,d,y%N = ", " kN,  N%D0R,d%N = A·f%Dd%N = ", r.N_1Rd, r.N_1Rd_y,
         "N%D1d%N = ", r.N_1d, "N%D1R,d,xy%N = ", "1/[(1/N%D1R,d,x%N)+(1/N%D1R,d,y%N)-(1/N%D0R,d%N)]",
         r.N_1Rd_xy},
        {"Warunek nośności w strefie środkowej:", " MPa,  %SF%N%Dm,x%N = ", ",  %SF%N%Dm,y%N = ", r.Phi_m, r.Phi_my,
         "N%DmR,d,x%N = ", " kN,  N%DmR,d,y%N = ", " kN,  N%D0R,d%N = ", r.N_mRd, r.N_mRd_y, "N%Dmd%N = ",
         r.N_md, "N%DmR,d,xy%N = ", "1/[(1/N%DmR,d,x%N)+(1/N%DmR,d,y%N)-(1/N%D0R,d%N)]", r.N_mRd_xy},
        {"Warunek nośności nad stropem:", " MPa,  %SF%N%D2,x%N = ", ",  %SF%N%D2,y%N = ", r.Phi_2, r.Phi_2y,
         "N%D2R,d,x%N = ", " kN,  N%D2R,d,y%N = ", " kN,  N%D0R,d%N = ", r.N_2Rd, r.N_2Rd_y, "N%D2d%N = ",
         r.N_2d, "N%D2R,d,xy%N = ", "1/[(1/N%D2R,d,x%N)+(1/N%D2R,d,y%N)-(1/N%D0R,d%N)]", r.N_2Rd_xy},
    };
    SmallSectionLine(w, r);
    for (const Section& s : sections) {
        w.heading(s.heading);
        w.line("A = " + Area(r.A) + " m%I2%N,  f%Dd%N = " + F(2, r.f_d / 1e6) + s.p1 + F(3, s.phiX) + s.p2 +
               F(3, s.phiY));
        w.line(s.r1 + F(2, s.nx) + s.r2 + F(2, s.ny) + s.r3 + F(2, r.N_0Rd) + " kN");
        w.line(s.v + N(s.value) + " kN" + RelationSign(s.value, s.resistance) + s.x + s.f + " = " +
                   F(2, s.resistance) + " kN" + Utilisation(s.value, s.resistance),
               CheckColor(s.value, s.resistance));
    }
}

// The decimals, from `decimals` up to 6, at which a below b is printed as
// another number: an error's numbers never look as if they passed.
int DecimalsThatPart(double a, double b, int decimals)
{
    while (decimals < 6 && FormatValue(decimals, a) == FormatValue(decimals, b)) ++decimals;
    return decimals;
}

// Under an error's message, in red as the message: the values that raised it.
void ErrorCauseLines(SheetWriter& w, u8 error, const TCalcResults& r)
{
    switch (error) {
    case ceInvalidInput:
        // the value at fault, its value and the limit it passed
        if (r.Fault.quantity) {
            std::string value, limit;
            RangeFaultTexts(r.Fault, value, limit);
            w.heading(PlainMarkup(value), clRed);
            if (!limit.empty()) w.heading(PlainMarkup(limit), clRed);
        }
        break;
    case ceLowMeanStress: {
        const double sigma = r.sigma_cd / 1e6, limit = ContinuousModelMinStress / 1e6;
        w.heading("%Ss%N%Dcd%N = " + FormatValue(DecimalsThatPart(sigma, limit, 3), sigma) + " MPa  <  " +
                      N(limit) + " MPa",
                  clRed);
        break;
    }
    case ceBearingsOverlap: {
        // the spans to as many decimals as show the length they share
        const int d = DecimalsThatPart(std::max(r.Overlap[0].from, r.Overlap[1].from),
                                       std::min(r.Overlap[0].to, r.Overlap[1].to), 1);
        for (const TBearingSpan& s : r.Overlap)
            w.heading("Obciążenie skupione nr " + std::to_string(s.load) + ": od " + FormatValue(d, s.from) +
                          " cm do " + FormatValue(d, s.to) + " cm od lewej krawędzi ściany",
                      clRed);
        break;
    }
    default: break;
    }
}

} // namespace

void BuildInputReport(int headingX, int bodyX, int columnX, const TCalcInput& input,
                      const TCalcResults& results, TReportSheet& sheet)
{
    ResetLines(bodyX, columnX, sheet);
    SheetWriter w(sheet, headingX, 1);
    MaterialSection(w, input, results);
    GeometrySection(w, input);
    LoadSection(w, input);
    w.finish();
}

void BuildResultsReport(int headingX, int bodyX, int columnX, const TCalcInput& input,
                        const TCalcResults& results, TReportSheet& sheet)
{
    ResetLines(bodyX, columnX, sheet);
    SheetWriter w(sheet, headingX, 2);
    const u8 error = results.Error;
    const int c = input.Case;
    // Error 35 belongs to case 2; elsewhere it is an error like any other.
    if (error != 0 && !(error == 35 && c == ccWallHorizontal)) {
        w.heading("Uwaga błąd!", clRed);
        w.heading(CalcErrorText(error), clRed);
        ErrorCauseLines(w, error, results);
        w.finish();
        return;
    }
    switch (c) {
    case ccWallVerticalHinged:
    case ccWallVerticalContinuous: VerticalWallResults(w, results); break;
    case ccWallHorizontal: HorizontalWallResults(w, input, results); break;
    case ccConcentratedLoad: ConcentratedLoadResults(w, input, results); break;
    case ccBasementWall: BasementWallResults(w, results); break;
    case ccColumn: ColumnResults(w, results); break;
    default: break;
    }
    w.finish();
    if (sheet.Count < 1) sheet.Count = 1;
}

void DesignSituationLines(int headingX, int bodyX, int columnX, const TCalcInput& input,
                          const TCalcResults& results, TReportSheet& sheet)
{
    ResetLines(bodyX, columnX, sheet);
    std::string s = "Sytuacja obliczeniowa: @@";
    switch (input.sytuacja) {
    case 0: s += "trwała"; break;
    case 1: s += "przejściowa"; break;
    case 2: s += "wyjątkowa"; break;
    default: break;
    }
    sheet.Line(1).setText(s);
    s = "Kategoria wykonania robót: @@";
    const u32 category = input.KategoriaWykRobot;
    if (category < 26) s += static_cast<char>('A' + category);
    sheet.Line(2).setText(s);
    sheet.Line(3).setText("%S®%N   Częściowy współczynnik bezpieczeństwa dla muru @@%Sg%N%Dm%N = " +
                          Computed(results, cpPartialFactor, N1(results.gamma_m)));
    sheet.Count = 4;
}

} // namespace orv
