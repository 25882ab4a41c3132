// Report sheets of a check: the input data, the results and the design
// situation of an element as lines in the report mark-up.
#pragma once

#include <string>

#include "core/Colors.h"
#include "core/ZunCalc.h"
#include "core/ZunTypes.h"

namespace orv {


// One line of a sheet. Text is the line in the report mark-up, code page
// 1250, cut at 255 characters; use text()/setText() for UTF-8.
struct TReportLine {
    i32 X1 = 0;              // first column (heading or body position)
    i32 X2 = 0;              // second column, the part after "@@"
    i32 X3 = 0;
    TShortString<255> Text{};
    TColor Color = clBtnText;
    u8 Flag = 0;             // spacing after the line: 0 normal, 1 wider, 2 separator

    std::string text() const { return Text.str(); }
    void setText(const std::string& utf8) { Text.set(utf8); }
};

constexpr int MaxReportLines = 150;

// A report sheet: lines 1..Count are its text.
struct TReportSheet {
    i32 Count = 0;
    TReportLine Lines[MaxReportLines];

    // Line n, numbered from 1 (1..MaxReportLines).
    TReportLine& Line(int n) { return Lines[n - 1]; }
    const TReportLine& Line(int n) const { return Lines[n - 1]; }
};

// Navy when a <= b; red when a > b or when either is no finite number.
TColor CheckColor(double a, double b);
// "  =  ", "  >  " or "  <  "; a NaN operand gives "  >  " like a failed condition.
std::string RelationSign(double a, double b);
// Splits at the first at sign when a second one follows it.
void SplitAtDoubleAt(const std::string& s, std::string& before, std::string& after);
// How an edge of a plate is held in support case 0..11, edges 0..3 (top,
// bottom, left, right); esNone outside them.
enum TEdgeSupport { esNone = -1, esFree = 0, esHinged = 1, esFixed = 2 };
TEdgeSupport EdgeSupportKind(int supportCase, int edge);
// "swobodna", "podparta przegubowo" or "utwierdzona"; empty outside the
// support cases 0..11 and the edges 0..3 (top, bottom, left, right).
std::string EdgeSupportName(int supportCase, int edge);
// Every line gets the positions, an empty text, clBtnText and flag 0; Count 0.
void ClearReportLines(int x1, int x2, int x3, TReportSheet& sheet);

// "(-) " and the absolute value for a negative value, else the value;
// decimals as in FormatValue.
std::string SignedValueText(int decimals, double value);

// The input data of the element's case.
void BuildInputReport(int headingX, int bodyX, int columnX, const TCalcInput& input,
                      const TCalcResults& results, TReportSheet& sheet);
// The capacity conditions of the element's case (line 1 stays empty).
void BuildResultsReport(int headingX, int bodyX, int columnX, const TCalcInput& input,
                        const TCalcResults& results, TReportSheet& sheet);
// Design situation, execution category and the partial factor of the masonry.
void DesignSituationLines(int headingX, int bodyX, int columnX, const TCalcInput& input,
                          const TCalcResults& results, TReportSheet& sheet);

} // namespace orv
