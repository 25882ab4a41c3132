// Every capacity of the report can be redone with a pencil from the numbers
// the report prints: for many varied elements of every case, each printed
// product "X = a·b·c = R" (and the numeric forms of the bending lines) is
// recomputed from its printed factors and must give the printed R within
// 0.5 %; so must f_d = f_k/(gamma_m eta_A) from its printed parts.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "core/MyUtils.h"
#include "core/ZunCalc.h"
#include "core/ZunEditor.h"
#include "core/ZunMaterials.h"
#include "core/ZunStrings.h"
#include "tests/core/support/CalcSupport.h"

using namespace orv;

namespace {

// A small deterministic generator of choices.
struct Picker {
    unsigned state;
    unsigned next()
    {
        state = state * 1103515245u + 12345u;
        return (state >> 8) & 0xffffffu;
    }
    template <typename T>
    T of(std::initializer_list<T> values)
    {
        return values.begin()[next() % values.size()];
    }
};

double ParseNumber(const std::string& s)
{
    std::string t = s;
    for (char& c : t)
        if (c == ',') c = '.';
    return std::stod(t);
}

// Evaluates + - * / ^ and parentheses over decimal numbers (comma or point).
class Expression {
public:
    explicit Expression(std::string text)
    {
        for (char c : text)
            if (c != ' ') s_ += c == ',' ? '.' : c;
    }
    bool value(double& v)
    {
        v = sum();
        return ok_ && i_ == s_.size();
    }

private:
    double sum()
    {
        double v = product();
        while (i_ < s_.size() && (s_[i_] == '+' || s_[i_] == '-')) {
            const char op = s_[i_++];
            const double r = product();
            v = op == '+' ? v + r : v - r;
        }
        return v;
    }
    double product()
    {
        double v = power();
        while (i_ < s_.size() && (s_[i_] == '*' || s_[i_] == '/')) {
            const char op = s_[i_++];
            const double r = power();
            v = op == '*' ? v * r : v / r;
        }
        return v;
    }
    double power()
    {
        double v = atom();
        if (i_ < s_.size() && s_[i_] == '^') {
            ++i_;
            v = std::pow(v, atom());
        }
        return v;
    }
    double atom()
    {
        if (i_ < s_.size() && s_[i_] == '(') {
            ++i_;
            const double v = sum();
            if (i_ < s_.size() && s_[i_] == ')') ++i_;
            else ok_ = false;
            return v;
        }
        const std::size_t start = i_;
        if (i_ < s_.size() && s_[i_] == '-') ++i_;
        while (i_ < s_.size() && (std::isdigit(static_cast<unsigned char>(s_[i_])) || s_[i_] == '.')) ++i_;
        if (i_ == start) {
            ok_ = false;
            return 0;
        }
        return std::stod(s_.substr(start, i_ - start));
    }
    std::string s_;
    std::size_t i_ = 0;
    bool ok_ = true;
};

std::string Replace(std::string s, const std::string& from, const std::string& to)
{
    for (std::size_t p = s.find(from); p != std::string::npos; p = s.find(from, p + to.size()))
        s.replace(p, from.size(), to);
    return s;
}

std::vector<std::string> Split(const std::string& s, const std::string& sep)
{
    std::vector<std::string> out;
    std::size_t a = 0;
    for (std::size_t p = s.find(sep); p != std::string::npos; p = s.find(sep, a)) {
        out.push_back(s.substr(a, p - a));
        a = p + sep.size();
    }
    out.push_back(s.substr(a));
    return out;
}

// The leading number of a text ("(-) " counts as a minus).
bool LeadingNumber(std::string s, double& v)
{
    if (s.rfind("(-) ", 0) == 0) s = "-" + s.substr(4);
    static const std::regex number(R"(^-?\d+(,\d+)?)");
    std::smatch m;
    if (!std::regex_search(s, m, number)) return false;
    v = ParseNumber(m.str());
    return true;
}

// The report of one calculated element, as printed.
struct PrintedReport {
    std::vector<std::string> input, results, design; // mark-up, UTF-8
    std::map<std::string, double> values;             // "symbol = number" of every line, the latest kept

    void collect(const std::string& markup)
    {
        static const std::regex pair(R"((\S+) = (-?\d+(?:,\d+)?))");
        const std::string plain = Replace(StripMarkup(markup), "@@", " ");
        for (auto it = std::sregex_iterator(plain.begin(), plain.end(), pair); it != std::sregex_iterator(); ++it)
            values[(*it)[1]] = ParseNumber((*it)[2]);
    }
};

struct Checks {
    int count = 0;
    void expectNear(double redone, double printed, const std::string& line)
    {
        ++count;
        EXPECT_NEAR(redone, printed, 0.005 * std::fabs(printed)) << line;
    }
};

// A symbolic product "a·b·c" of the values printed so far; false when a symbol is unknown.
bool SymbolProduct(const std::string& formula, const std::map<std::string, double>& values, double& v)
{
    v = 1;
    for (const std::string& symbol : Split(formula, "·")) {
        const auto it = values.find(symbol);
        if (it == values.end()) return false;
        v *= it->second;
    }
    return true;
}

// The numeric middle of a bending line in mark-up, as an expression.
std::string BendingExpression(std::string s)
{
    s = Replace(s, " kN/m%I2%N ", "");
    s = Replace(s, " m)%I2%N", ")^2");
    s = Replace(s, " m /", "/");
    s = Replace(s, " m )", ")");
    s = Replace(s, " MPa · ", "*");
    s = Replace(s, " cm%I3%N/mb", "/1000");
    return Replace(s, "·", "*");
}

void CheckReport(int calcCase, PrintedReport& p, Checks& checks)
{
    for (const std::string& l : p.input) p.collect(l);
    for (const std::string& l : p.design) p.collect(l);
    const double fk = p.values["fk"], gm = p.values["gm"];
    bool smallSection = false;
    for (const std::string& line : p.results) {
        const std::string plain = StripMarkup(line);
        p.collect(line);
        const std::vector<std::string> parts = Split(plain, " = ");
        double R = 0;
        // f_d = f_k/(gamma_m eta_A) = f_k MPa/(gamma_m·eta_A) = f_d MPa
        if (plain.rfind("hA = ", 0) == 0) {
            smallSection = true;
            ASSERT_EQ(parts.size(), 5u) << plain;
            double v = 0;
            ASSERT_TRUE(Expression(Replace(Replace(parts[3], " MPa", ""), "·", "*")).value(v)) << plain;
            ASSERT_TRUE(LeadingNumber(parts[4], R)) << plain;
            checks.expectNear(v, R, plain);
            checks.expectNear(fk / (gm * p.values["hA"]), R, plain);
            continue;
        }
        // bending: M = symbols = numbers = R, the moment and the resistance
        if ((line.rfind("M%DSd%N = ", 0) == 0 && parts.size() == 4) || line.rfind("M%DRd%N = f%Dxd", 0) == 0) {
            const std::vector<std::string> m = Split(line, " = ");
            ASSERT_EQ(m.size(), 4u) << plain;
            double v = 0;
            ASSERT_TRUE(Expression(BendingExpression(m[2])).value(v)) << line;
            ASSERT_TRUE(LeadingNumber(parts[3], R)) << plain;
            checks.expectNear(v, R, plain);
            continue;
        }
        // products of printed symbols in m2 x MPa, results in kN
        for (std::size_t i = 1; i + 1 < parts.size(); ++i) {
            double v = 0;
            if (parts[i].find("·") == std::string::npos || !SymbolProduct(parts[i], p.values, v)) continue;
            ASSERT_TRUE(LeadingNumber(parts[i + 1], R)) << plain;
            checks.expectNear(1000 * v, R, plain);
        }
        // the column: each direction's capacity and the biaxial one
        if (calcCase == ccColumn && plain.find("R,d,xy = ") != std::string::npos) {
            const std::string s = plain.substr(1, 1); // "1", "m" or "2" of "N1d = "
            const double nx = p.values["N" + s + "R,d,x"], ny = p.values["N" + s + "R,d,y"];
            // the first section writes N_0R,d = A·f_d = ..., the others N_0R,d = ...
            const double n0 = p.values.count("N0R,d") ? p.values["N0R,d"] : p.values["A·fd"];
            const double A = p.values["A"], fd = p.values["fd"];
            checks.expectNear(1000 * p.values["F" + s + ",x"] * A * fd, nx, plain);
            checks.expectNear(1000 * p.values["F" + s + ",y"] * A * fd, ny, plain);
            ASSERT_TRUE(LeadingNumber(parts.back(), R)) << plain;
            checks.expectNear(1 / (1 / nx + 1 / ny - 1 / n0), R, plain);
        }
        // the basement wall: t·f_k/(3·gamma_m) and rho_e·h·h_e^2/(beta_A·t) from the input
        if (calcCase == ccBasementWall) {
            const double t = p.values["t"] / 100, h = p.values["h"] / 100, he = p.values["he"] / 100;
            if (plain.find("t·fk /(3·gm) = ") != std::string::npos) {
                ASSERT_TRUE(LeadingNumber(parts.back(), R)) << plain;
                checks.expectNear(1000 * t * fk / (3 * gm), R, plain);
            }
            static const std::regex lower(R"(re·h·he2 /\((\d+(?:,\d+)?)·t\) = (\d+(?:,\d+)?))");
            std::smatch m;
            if (std::regex_search(plain, m, lower))
                checks.expectNear(p.values["re"] * h * he * he / (ParseNumber(m[1]) * t), ParseNumber(m[2]), plain);
        }
    }
    // without the small-section factor f_d = f_k/gamma_m
    if (!smallSection && calcCase != ccWallHorizontal && calcCase != ccBasementWall)
        checks.expectNear(fk / gm, p.values["fd"], "f_d = f_k/gamma_m");
}

void SetMasonry(TCalcInput& in, Picker& pick)
{
    in.RodzajElementuM = pick.next() % MaterialKindCount;
    in.RodzajZaprawy = pick.next() % OfferedMortarTypeCount(static_cast<int>(in.RodzajElementuM));
    in.KlasaZaprawy = pick.next() % OfferedMortarClassCount(static_cast<int>(in.RodzajZaprawy));
    in.fb = std::min(pick.of({2.0, 3.5, 5.0, 7.5, 10.0, 12.5, 15.0, 20.0, 25.0, 35.0}), UnitStrengthLimit(in));
    in.spoina_podluzna = pick.next() % 4 == 0;
    in.KategoriaWykElementu = pick.next() % 2;
    in.KategoriaWykRobot = pick.next() % 2;
    in.ZaprawaTyp = pick.next() % 2;
    in.sytuacja = pick.next() % 3;
}

// A varied element of the case, within the editor's ranges.
std::unique_ptr<TCalcInput> VariedElement(int calcCase, Picker& pick)
{
    auto in = orvtest::DefaultInput(calcCase);
    TCalcInput& e = *in;
    SetMasonry(e, pick);
    e.t = pick.of({12.0, 18.0, 18.8, 24.0, 25.0, 29.0, 36.5, 38.0, 44.0, 51.0});
    e.l = pick.of({60.0, 75.0, 88.0, 100.0, 115.5, 137.0, 180.0, 250.0, 333.0, 420.0});
    e.h = pick.of({240.0, 255.0, 262.5, 280.0, 300.0, 317.0});
    switch (calcCase) {
    case ccWallVerticalHinged:
    case ccWallVerticalContinuous:
        e.ScianaZewnetrzna = pick.next() % 2;
        e.Nod = pick.of({0.0, 15.0, 48.0, 120.0, 333.3});
        e.Nsld = pick.of({5.0, 27.5, 61.0});
        e.Nspd = pick.of({0.0, 12.0, 40.0});
        e.wd = -pick.of({0.0, 0.45, 0.8});
        e.wd2 = pick.of({0.0, 0.55, 1.2});
        if (calcCase == ccWallVerticalContinuous) {
            // slabs of the joints, walls above and below as this one
            e.IdentyczneParametryScian = 1;
            e.l3 = e.l4 = e.l6 = e.l7 = pick.of({360.0, 450.0, 540.0});
            e.g3d = e.g4d = e.g6d = e.g7d = pick.of({6.0, 10.0});
            e.p3d = e.p4d = e.p6d = e.p7d = pick.of({2.0, 5.0});
            e.J3 = e.J4 = e.J6 = e.J7 = pick.of({28125.0, 90000.0});
            e.E3 = e.E4 = e.E6 = e.E7 = 29;
            e.Nod = pick.of({150.0, 200.0, 333.3, 480.0});
        }
        break;
    case ccWallHorizontal:
        e.SchematScianyTyp = pick.next() % 9;
        e.SchematPlytySciany = pick.next() % 12;
        e.zezwolB25 = 1;
        e.wd_kNm2 = pick.of({0.05, 0.3, 0.45, 0.6, 1.1, -0.7});
        if (pick.next() % 3 == 0) {
            e.ScianaZOtworami = 1;
            e.l = pick.of({400.0, 520.0, 610.0});
            e.LiczbaOkien = 1 + pick.next() % 2;
            e.Okna[0] = {pick.of({60.0, 90.0, 120.0}), 90, pick.of({90.0, 120.0, 150.0}), 120};
            e.Okna[1] = {300, pick.of({0.0, 90.0}), 80, pick.of({120.0, 210.0})};
        }
        break;
    case ccConcentratedLoad: {
        e.LiczbaSilSkup = 1 + pick.next() % 3;
        e.l = pick.of({180.0, 250.0, 333.0, 420.0});
        const double bearings[][2] = {{25, 25}, {25, 26.4}, {20, 12}, {30, 22}, {14, 14}, {7.5, 9}};
        for (int k = 0; k < 3; ++k) {
            TConcentratedLoad& f = e.Sily[k];
            const auto& b = bearings[pick.next() % 6];
            f.NSd = pick.of({35.0, 95.0, 160.0, 240.0});
            f.aL = b[0];
            f.aT = std::min(b[1], e.t);
            f.a1 = k == 0 ? pick.of({20.0, 45.0, 90.0}) : (k == 1 ? 100.0 : 150.0);
            f.hN = pick.of({0.0, 30.0, 120.0});
        }
        break;
    }
    case ccBasementWall:
        e.t = pick.of({24.0, 25.0, 30.0, 36.5, 38.0, 44.0});
        e.h = pick.of({220.0, 240.0, 250.0, 260.0});
        e.he = pick.of({80.0, 120.0, 150.0, 210.0});
        e.be = pick.of({300.0, 450.0, 600.0, 720.0});
        e.ro_e = pick.of({16.0, 18.25, 19.5, 21.0});
        e.N0_mb = pick.of({20.0, 60.0, 85.0, 140.0});
        break;
    case ccColumn:
        e.t = pick.of({25.0, 29.0, 38.0, 51.0});
        e.t2 = pick.of({25.0, 38.0, 44.0, 51.0, 64.0});
        e.Sily[0].NSd = pick.of({40.0, 120.0, 220.0});
        e.Msdx = pick.of({0.0, 1.5, 4.0, -3.0});
        e.Msdy = pick.of({0.0, 2.5, 6.0});
        e.PodpSTyp_x = pick.next() % 3;
        e.PodpSTyp_y = pick.next() % 3;
        break;
    default: break;
    }
    ComputeSelfWeights(e);
    FollowIdenticalJointWalls(e);
    SyncJointWallsMasonry(e);
    return in;
}

// The lines as a reader reads them (a value's no-break space a blank).
std::vector<std::string> SheetTexts(const TReportSheet& sheet)
{
    std::vector<std::string> out;
    for (int n = 1; n <= sheet.Count; ++n) out.push_back(orvtest::Shown(sheet.Line(n).text()));
    return out;
}

} // namespace

TEST(ReportProducts, EveryPrintedProductIsRedoneFromItsPrintedFactors)
{
    SetDecimalSeparator(',');
    auto sheet = std::make_unique<TReportSheet>();
    for (int c = 0; c < CalcCaseCount; ++c) {
        Picker pick{static_cast<unsigned>(17 + c)};
        Checks checks;
        int calculated = 0;
        for (int i = 0; i < 400 && calculated < 120; ++i) {
            const auto in = VariedElement(c, pick);
            TTraceLines trace;
            trace.setRead(false);
            TCalcResults r;
            if (CalcElement(trace, *in, r) != 0) continue;
            ++calculated;
            PrintedReport p;
            BuildInputReport(1, 2, 3, *in, r, *sheet);
            p.input = SheetTexts(*sheet);
            DesignSituationLines(1, 2, 3, *in, r, *sheet);
            p.design = SheetTexts(*sheet);
            BuildResultsReport(1, 2, 3, *in, r, *sheet);
            p.results = SheetTexts(*sheet);
            SCOPED_TRACE("case " + std::to_string(c) + ", element " + std::to_string(i));
            CheckReport(c, p, checks);
            if (HasFatalFailure()) return;
        }
        // the elements calculate and their products are found
        EXPECT_GE(calculated, 40) << "case " << c;
        EXPECT_GE(checks.count, (c == ccWallHorizontal ? 1 : 2) * calculated) << "case " << c;
    }
}

// A wall under three concentrated loads prints the bearing areas of
// 0,0625 and 0,066 m2 as they are; a 12 cm wall takes its f_d through the
// small-section factor, a 30 cm one without it.
TEST(ReportProducts, ThreeLoadBearingAreasAndTheSmallSectionFactorOfA12cmWall)
{
    SetDecimalSeparator(',');
    auto in = orvtest::DefaultInput(ccConcentratedLoad);
    in->RodzajElementuM = mkCeramic1;
    in->fb = 15;
    in->KlasaZaprawy = 3;   // M10
    in->l = 250;
    in->h = 280;
    in->LiczbaSilSkup = 3;
    in->Sily[0] = {95, 25, 25, 125, 0};
    in->Sily[1] = {60, 30, 22, 20, 0};
    in->Sily[2] = {40, 25, 25, 190, 40};
    TTraceLines trace;
    TCalcResults r;
    ASSERT_EQ(CalcElement(trace, *in, r), 0);
    auto sheet = std::make_unique<TReportSheet>();
    BuildResultsReport(1, 2, 3, *in, r, *sheet);
    const auto lines = SheetTexts(*sheet);
    // A_b = 0,25 x 0,25 = 0,0625 and 0,30 x 0,22 = 0,066 m2, printed as they are
    EXPECT_NE(lines[2].find("A%Db%N = 0,0625 m%I2%N"), std::string::npos) << lines[2];
    EXPECT_NE(lines[4].find("A%Db,2%N = 0,0660 m%I2%N"), std::string::npos) << lines[4];

    // t = 12 cm, b = 100 cm: A = 0,12 m2, eta_A = 1,43; f_k = 0,45 x 10^0,7 x 5^0,3 = 3,655 MPa,
    // f_d = 3,655/(2,2 x 1,43) = 1,1618 MPa
    auto wall = orvtest::LoadedDefaultWall();
    wall->t = 12;
    ComputeSelfWeights(*wall);
    ASSERT_EQ(CalcElement(trace, *wall, r), 0);
    BuildResultsReport(1, 2, 3, *wall, r, *sheet);
    EXPECT_EQ(orvtest::Shown(sheet->Line(2).text()),
              "%Sh%N%DA%N = 1,43 (A < 0,3 m%I2%N):  f%Dd%N = f%Dk%N/(%Sg%N%Dm%N·%Sh%N%DA%N) = "
              "3,655 MPa/(2,2·1,43) = 1,162 MPa");
    EXPECT_EQ(sheet->Line(3).text(), "Warunek nośności pod stropem:");
    // a section of 0,3 m2 or more has no factor: f_d = f_k/gamma_m
    wall->t = 30;
    ComputeSelfWeights(*wall);
    ASSERT_EQ(CalcElement(trace, *wall, r), 0);
    BuildResultsReport(1, 2, 3, *wall, r, *sheet);
    EXPECT_EQ(sheet->Line(2).text(), "Warunek nośności pod stropem:");
    EXPECT_NE(orvtest::Shown(sheet->Line(3).text()).find("A = 0,3000 m%I2%N,  f%Dd%N = 1,661 MPa"), std::string::npos);
}

// A value and its unit never part at a line's end: in every line of every
// sheet the blank between them is a no-break space (byte 0xA0 of the stored
// text), also for a value that is no number ("?").
TEST(ReportProducts, EveryValueKeepsItsUnit)
{
    SetDecimalSeparator(',');
    static const std::regex apart(R"((\d|\?) (MPa|GPa|kPa|kN|kNm|cm|mm|m|mb)(?![A-Za-z]))");
    static const std::regex joined("(\\d|\\?)\u00a0(MPa|GPa|kPa|kN|kNm|cm|mm|m|mb)(?![A-Za-z])");
    auto sheet = std::make_unique<TReportSheet>();
    for (int c = 0; c < CalcCaseCount; ++c) {
        Picker pick{static_cast<unsigned>(101 + c)};
        int pairs = 0;
        for (int i = 0; i < 60; ++i) {
            const auto in = VariedElement(c, pick);
            if (i % 10 == 0) in->Nod = std::nan("");  // a value that is no number
            TTraceLines trace;
            trace.setRead(false);
            TCalcResults r;
            CalcElement(trace, *in, r);
            using Build = void (*)(int, int, int, const TCalcInput&, const TCalcResults&, TReportSheet&);
            for (Build build : {Build(BuildInputReport), Build(DesignSituationLines), Build(BuildResultsReport)}) {
                build(1, 2, 3, *in, r, *sheet);
                for (int n = 1; n <= sheet->Count; ++n) {
                    const std::string t = sheet->Line(n).text();
                    EXPECT_FALSE(std::regex_search(t, apart)) << "case " << c << ": " << t;
                    pairs += static_cast<int>(std::distance(std::sregex_iterator(t.begin(), t.end(), joined),
                                                            std::sregex_iterator()));
                    const std::string raw = sheet->Line(n).Text.raw();
                    EXPECT_EQ(raw.find("\xC2"), std::string::npos) << t;  // stored in code page 1250
                }
            }
        }
        EXPECT_GT(pairs, 100) << "case " << c;
    }

    // the basement wall's lines the print split: "b_e = 500,0" | "cm", "N_Sd = 369,06" | "kN/m"
    const auto in = orvtest::BasementWall();
    TTraceLines trace;
    TCalcResults r;
    ASSERT_EQ(CalcElement(trace, *in, r), 0);
    BuildInputReport(1, 2, 3, *in, r, *sheet);
    std::vector<std::string> lines;
    for (int n = 1; n <= sheet->Count; ++n) lines.push_back(sheet->Line(n).text());
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        "Odległość między ścianami poprzecznymi lub innymi elementami usztywniającymi  b%De%N = "
                        "500,0\u00a0cm"),
              lines.end());
    BuildResultsReport(1, 2, 3, *in, r, *sheet);
    const std::string load = sheet->Line(3).text();
    EXPECT_EQ(load.rfind("Obliczeniowe obciążenie pionowe w połowie wysokości zasypania gruntem   N%DSd%N = ", 0), 0u)
        << load;
    EXPECT_EQ(load.substr(load.size() - 6), "\u00a0kN/m") << load;
    EXPECT_NE(sheet->Line(3).Text.raw().find("\xA0kN/m"), std::string::npos);
}
