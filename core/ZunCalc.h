// Design checks of masonry walls and piers to PN-B-03002:2007: the results
// record, the error texts, the masonry strength and the formulas shared by
// the cases, the dispatch of the six design cases and the case functions.
#pragma once

#include <charconv>
#include <compare>
#include <concepts>
#include <cstring>
#include <cmath>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/MyUtils.h"
#include "core/TraceLines.h"
#include "core/ZunMaterials.h"
#include "core/ZunTypes.h"

namespace orv {

// --- results ---------------------------------------------------------------------

constexpr int MaxWallPlates = 20;

// One strip of a case-2 wall with openings. Lengths in cm.
struct TWallPlate {
    double L = 0;         // length along the wall
    double H = 0;         // height
    double x = 0;         // left edge from the wall's left end
    double y = 0;         // bottom edge from the wall's bottom
    double a_w = 0;       // load width
    u8 EdgeLeft = 0;      // edge codes: 0 free, 1 hinged, 2 fixed
    u8 EdgeRight = 0;
    u8 EdgeTop = 0;
    u8 EdgeBottom = 0;
    i32 SupportCase = -1; // 0..11 table plate with that support case, -1 beam
};

// A number a case reads that lies outside the range the element editor
// allows for it, as error 50 names it. Texts are UTF-8 with the symbol after
// an underscore ("znormalizowana wytrzymałość elementu f_b"), static.
struct TRangeFault {
    const char* quantity = nullptr; // nullptr: no value is named
    const char* unit = "";
    int decimals = 2;
    double value = 0;
    double min = 0;
    double max = 0;
    bool positiveOnly = false;      // the one limit is "above 0"
};

// "quantity = value unit" and the limit it passed ("Wartość maksymalna: 7,0
// MPa" or "Wartość musi być większa od 0."), in the editor's decimals.
void RangeFaultTexts(const TRangeFault& fault, std::string& valueText, std::string& limitText);

// Parts of a check whose values a calculation computed, as bits of
// TCalcResults::Reached. A check that stops leaves the parts after it
// unreached, and a report prints no number for a value of such a part.
enum TCalcPart : u32 {
    cpStrength = 1u << 0,       // f_k
    cpPartialFactor = 1u << 1,  // gamma_m
    cpDesignStrength = 1u << 2, // A, eta_A, f_d (case 2 bending: A, f_xd1, f_xd2, mu)
    cpDesignLoads = 1u << 3,    // N_1d, N_md, N_2d (case 4: N_Sd)
};

// The bearing of a concentrated load along the wall [cm from its left end].
struct TBearingSpan {
    i32 load = 0;     // 1..3
    double from = 0;
    double to = 0;
};

// Results of one calculation (in memory only). A value-initialised record is
// the empty state: every number 0, no plates, beam codes -1, no part reached.
// Units: lengths m, areas m2, strengths Pa, forces kN, unless noted.
struct TCalcResults {
    u8 Error = 0;              // error number of the last calculation, 0 = none
    u32 Reached = 0;           // TCalcPart bits of the parts computed
    double A = 0;              // cross-section area [m2]
    double f_k = 0;            // characteristic compressive strength [Pa]
    double gamma_m = 0;        // partial factor of the masonry
    double f_d = 0;            // design compressive strength [Pa]
    double eta_A = 0;          // small-section factor f_d was divided by; 0 when none
    double h_eff = 0;          // effective height [m] (case 5: direction x)
    double h_eff_y = 0;        // effective height in direction y [m]
    double SlendernessLimit = 0;
    double e_1 = 0;            // eccentricities of the decisive combination [m]
    double e_2 = 0;
    double e_m = 0;
    double Phi_1 = 0;          // reduction factor at 1-1 (case 5: direction x)
    double N_1d = 0;           // design axial force at 1-1 [kN]
    double Phi_2 = 0;
    double N_2d = 0;           // at 2-2 [kN]; case 4: N_Sd per metre [kN/m]
    double Phi_m = 0;
    double N_md = 0;           // middle zone [kN]
    double e_a = 0;            // accidental eccentricity [m]
    double N_1Rd = 0;          // design resistances [kN]
    double N_2Rd = 0;
    double N_mRd = 0;
    double sigma_cd = 0;       // case 1: the mean stress at 1-1 below its limit, of an error 20 [Pa]
    // case 2: wall loaded horizontally
    double f_xd1 = 0;          // flexural strength, failure plane parallel to the bed joints [MPa]
    double f_xd2 = 0;          // the same, perpendicular [MPa]
    u8 IsTablePlate = 0;
    i32 VerticalBeam = -1;     // -1 none, 0 simply supported, 1 fixed at both ends, 2 cantilever
    i32 HorizontalBeam = -1;
    std::string SchemeName;    // scheme of the decisive strip (UTF-8)
    u8 HLOutOfRange = 0;
    double W1 = 0;             // section moduli [m3/m]
    double W2 = 0;
    double M_Sd1 = 0;          // design moments [kNm/m]
    double M_Sd2 = 0;
    double M_Rd1 = 0;          // bending resistances [kNm/m]
    double M_Rd2 = 0;
    double mu = 0;             // f_xd1/f_xd2
    double alpha = 0;          // bending-moment coefficient of the plate
    TWallPlate Plates[MaxWallPlates]; // strip j (1-based) is Plates[j - 1]
    i32 PlateCount = 0;        // 0 no division, -1 division impossible, else 1..20
    i32 DecisivePlate = 0;     // 1-based
    u8 VerticalDivision = 0;
    // case 3: concentrated loads (the second and third when the element has them)
    double beta = 0;
    double A_b = 0;            // bearing area of the first load [m2]
    double l_eff = 0;          // effective lengths of the loads [cm]
    double l_eff2 = 0;
    double l_eff3 = 0;
    double N_Rd = 0;           // resistance under the first load [kN]
    double A_b2 = 0;
    double A_b3 = 0;
    double beta2 = 0;
    double beta3 = 0;
    double N_Rd2 = 0;
    double N_Rd3 = 0;
    TBearingSpan Overlap[2];   // the two loads whose bearings share the wall, of an error 37
    // case 2: arch
    u8 Arch = 0;
    double q_Rd = 0;           // lateral resistance [kN/m2]
    double V_Sd = 0;           // thrust [kN/m]
    double V_Rd = 0;
    i32 PlateLetterBase = 0;
    // case 4: basement wall, Annex A
    double N_maxRd = 0;        // [kN/m]
    double N_minRd = 0;        // [kN/m]
    double beta_A = 0;
    u8 AnnexFlag = 0;
    // case 5: column, direction y and biaxial
    double Phi_1y = 0;
    double N_1Rd_y = 0;
    double Phi_my = 0;
    double N_mRd_y = 0;
    double Phi_2y = 0;
    double N_2Rd_y = 0;
    double N_0Rd = 0;          // A f_d/1000 [kN]
    double N_1Rd_xy = 0;
    double N_mRd_xy = 0;
    double N_2Rd_xy = 0;
    TRangeFault Fault;         // the value at fault of an error 50 from the range check

    bool reached(TCalcPart part) const { return (Reached & part) != 0; }
};

// --- error numbers -------------------------------------------------------------------

constexpr u8 ceJointFirst = 10;        // 10..17: joint data of the continuous model missing
constexpr u8 ceGeometry = 18;          // no solution for the wall geometry (also t, b, h <= 0)
constexpr u8 ceLowMeanStress = 20;     // continuous model not allowed
// The least mean stress at 1-1 for the continuous model [Pa].
constexpr double ContinuousModelMinStress = 0.25e6;
constexpr u8 ceAnnexHeight = 21;       // basement wall: h > 260 cm
constexpr u8 ceAnnexThickness = 22;    // basement wall: t < 20 cm
constexpr u8 ceLoadOutsideWall = 24;   // bearing area of a concentrated load outside the wall
constexpr u8 ceSlenderness = 25;       // recommended slenderness of the wall exceeded
constexpr u8 ceColumnSlendernessX = 26;
constexpr u8 ceColumnSlendernessY = 27;
constexpr u8 ceAnnexBackfill = 28;     // basement wall: backfill higher than the wall
constexpr u8 ceNoCoefficientK = 36;    // unit and mortar combination without coefficient K
constexpr u8 ceBearingsOverlap = 37;   // the bearings of two concentrated loads share the wall
constexpr u8 ceUnknownCase = 38;       // case byte outside 0..5
constexpr u8 ceInvalidInput = 50;      // a number that is not finite, f_b <= 0, unknown kind or index

// Message of an error number (with report mark-up in a few texts).
std::string CalcErrorText(int number);
// Adds the trace line of an error: its text followed by "!".
void AddErrorLine(TTraceLines& lines, u8 number);

// --- shared formulas ------------------------------------------------------------------

// Coefficient K; 0 for a combination that has none.
double CoefficientK(int material, int group, int mortarType);
// eta_A for a cross-section area A [m2].
double SmallAreaFactor(double A);
// Bearing width of a ring beam on a wall of thickness t: never more than t
// (a project file may hold a wider one). A NaN width stays NaN.
double RingBeamWidth(double a, double t);
// Phi at an end section, within 0..1; 0 for t <= 0.
double ReductionFactorEnd(int group, int material, double e, double t);
// Phi_m in the middle zone (pass |e_m|), within 0..1; 0 when e_m >= t/2,
// t <= 0 or AlphaCInf <= 0.
double ReductionFactorMid(int group, double h_eff, double t, double e_m, double AlphaCInf);
// Recommended limit of h_eff/t: 18 or 25.
double LimitSlenderness(int kind, int mortarClass);
// Modulus of elasticity of masonry [Pa] from f_b [MPa]; 0 when f_b <= 0 or there is no K.
double MasonryModulusE(int kind, int mortarClass, int mortarType, double fb);
// Characteristic compressive strength f_k [Pa] of the masonry from f_b
// [MPa], with the factor 0.8 of a longitudinal joint; 0 for an unknown kind,
// f_b not positive or a combination without K.
double CharacteristicCompressiveStrength(int kind, int mortarClass, int mortarType, double fb,
                                         bool longitudinalJoint);

// True when every value is a finite number.
inline bool AllFinite(std::initializer_list<double> values)
{
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

// A number of a trace or report line: FormatFixed, except that a value that
// is no finite number reads "?" and one of 1e15 or more in magnitude takes
// the exponent form ("1,00E+300"), so that a line never shows INF or NaN
// nor grows by hundreds of digits.
std::string FormatValue(int decimals, double value);

// The line "Ściana z elementów ..." of a material and group (WallMaterialText).
inline void AddWallMaterialLine(TTraceLines& lines, int material, int group)
{
    bool withGroup = false;
    const std::string_view words = WallMaterialWords(material, withGroup);
    if (withGroup) lines.add("Ściana z elementów", words, group);
    else lines.add("Ściana z elementów", words);
}

// Masonry strength section: writes A, f_k, gamma_m, f_d and its trace lines.
// fb in MPa; t, b, h in m. Returns 0, or after its error line 18 (t, b or h
// not positive), 36 (no coefficient K) or 50 (unknown kind, f_b not positive).
u8 MasonryStrengthSection(TTraceLines& lines, int kind, int mortarClass, int mortarType,
                          int designed, int situation, int elementCategory,
                          int executionCategory, double fb, double t, double b, double h,
                          bool longitudinalJoint, TCalcResults& results, bool showSection);
// The same with the element's own unit, mortar, categories and joint.
u8 ElementStrengthSection(TTraceLines& lines, const TCalcInput& input, double t, double b, double h,
                          TCalcResults& results, bool showSection);

// Effective height and slenderness check of the vertical-load cases (t, h, l
// = l_usztw in m): writes h_eff and SlendernessLimit. Returns 0, or after its
// error line 25 (slenderness), 18 (stiffening distance not positive) or 50
// (stiffening codes out of range).
u8 EffectiveHeightCheck(TTraceLines& lines, const TCalcInput& input, double t, double h,
                        double l, TCalcResults& results);

// Accidental eccentricity max(h/300, 0.01 m): writes e_a, adds its line and returns it.
double AccidentalEccentricity(TTraceLines& lines, double h, TCalcResults& results);

// Long-term elastic characteristic alpha_c,inf for ReductionFactorMid, with its lines.
double LongTermElasticCharacteristic(TTraceLines& lines, int mortarClass, int material);

// --- the design cases ---------------------------------------------------------------------

// Common form: clears the lines, writes the trace and the results of the
// case, returns the error number. The input is never changed and the results
// are not cleared: fields that the case does not write keep their values.
using TCaseFunction = u8 (*)(TTraceLines& lines, const TCalcInput& input, TCalcResults& results);

u8 CalcWallVerticalHinged(TTraceLines& lines, const TCalcInput& input, TCalcResults& results);
u8 CalcWallVerticalContinuous(TTraceLines& lines, const TCalcInput& input, TCalcResults& results);
u8 CalcWallHorizontal(TTraceLines& lines, const TCalcInput& input, TCalcResults& results);
u8 CalcWallConcentrated(TTraceLines& lines, const TCalcInput& input, TCalcResults& results);
// The concentrated loads case 3 checks: LiczbaSilSkup when 2 or 3, else 1.
int ConcentratedLoadCount(const TCalcInput& input);
u8 CalcBasementWall(TTraceLines& lines, const TCalcInput& input, TCalcResults& results);
u8 CalcColumn(TTraceLines& lines, const TCalcInput& input, TCalcResults& results);

// Biaxial capacity 1/(1/N_x + 1/N_y - 1/N_0); 0 unless all three are positive.
double BiaxialCapacity(double N_x, double N_y, double N_0);

// Case function of a TCalcCase; nullptr for a byte outside 0..5.
TCaseFunction CaseFunction(int calcCase);

// True when every number that the case reads lies within the range the
// element editor allows for it (and is finite); values the case does not
// read are not looked at. False for a case byte outside 0..5.
bool CaseInputInRange(int calcCase, const TCalcInput& input);
// The first number the case reads outside its editor range, in the order the
// case reads them, f_b first; false when every one is in range or the case
// byte is outside 0..5 (the fault is then left as it was).
bool FindInputOutOfRange(int calcCase, const TCalcInput& input, TRangeFault& fault);
// True when every double of the results is a finite number.
bool ResultsFinite(const TCalcResults& results);

// Calculates one element: resets the results to the empty state, runs the
// function of the element's case, stores the error number in results.Error
// and returns it. A case byte outside 0..5 gives ceUnknownCase; a number
// outside its editor range gives ceInvalidInput before the case runs, named
// in results.Fault, and so does a result that is no finite number after it.
u8 CalcElement(TTraceLines& lines, const TCalcInput& input, TCalcResults& results);

} // namespace orv
