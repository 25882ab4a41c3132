#include "drawing/MarkupHtml.h"

#include "core/Cp1250.h"
#include "drawing/MarkupText.h"

namespace orv {
namespace {

QString Escaped(const std::string& utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())).toHtmlEscaped();
}

QString ColorCss(TColor c)
{
    return QStringLiteral("#%1%2%3")
        .arg(c & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((c >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((c >> 16) & 0xFF, 2, 16, QLatin1Char('0'));
}

} // namespace

QString MarkupToHtml(const std::string& markup)
{
    bool bold = false, underline = false, symbol = false;
    enum { Base, Sub, Sup } shift = Base;
    QString html;
    for (const TMarkupToken& t : ScanMarkup(markup)) {
        if (t.kind == TMarkupToken::Run) {
            if (t.text.empty()) continue;
            QString run = Escaped(symbol ? SymbolTextToUnicode(t.text) : t.text);
            // The text after the last code stands on the base line.
            const bool shifted = shift != Base && !t.last;
            if (shifted) run = (shift == Sub ? QStringLiteral("<sub>%1</sub>") : QStringLiteral("<sup>%1</sup>")).arg(run);
            if (underline) run = QStringLiteral("<u>%1</u>").arg(run);
            if (bold) run = QStringLiteral("<b>%1</b>").arg(run);
            html += run;
            continue;
        }
        switch (t.code) {
        case 'B': bold = true; break;
        case 'U': underline = true; break;
        case 'S': symbol = true; break;
        case 'D': shift = Sub; break;
        case 'G': case 'I': shift = Sup; break;
        default: bold = underline = symbol = false; shift = Base; break; // 'N'
        }
    }
    return html;
}

QString ReportSheetToHtml(const TReportSheet& sheet, int first, int last, int pos1, int pos2, int pos3,
                          bool colored)
{
    if (first < 1) first = 1;
    if (last > MaxReportLines) last = MaxReportLines;
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\">");
    std::string c1, c2;
    for (int i = first; i <= last; ++i) {
        const TReportLine& line = sheet.Line(i);
        SplitAtDoubleAt(line.Text.raw(), c1, c2);
        int indent = 0;
        if (line.X1 == pos2) indent = 1;
        else if (line.X1 == pos3) indent = 2;
        (void)pos1;
        // Rich-text tables take colours per cell.
        QString color;
        if (colored && (line.Color == clRed || line.Color == clNavy))
            color = QStringLiteral("color:%1; ").arg(ColorCss(line.Color));
        // pre-wrap keeps the sheet's runs of blanks, as the RTF does.
        html += QStringLiteral("<tr><td style=\"%1white-space:pre-wrap; padding-left:%2em; padding-right:1em\">"
                               "%3</td><td style=\"%1white-space:pre-wrap\">%4</td></tr>")
                    .arg(color)
                    .arg(indent * 2)
                    .arg(MarkupToHtml(Cp1250ToUtf8(c1)), MarkupToHtml(Cp1250ToUtf8(c2)));
    }
    html += QStringLiteral("</table>");
    return html;
}

} // namespace orv
