#include "drawing/MarkupHtml.h"

#include "drawing/MarkupText.h"

namespace orv {
namespace {

QString Escaped(const std::string& utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())).toHtmlEscaped();
}

} // namespace

QString MarkupToHtml(const std::string& markup)
{
    QString html;
    for (const TStyledRun& r : StyledRuns(markup)) {
        QString run = Escaped(r.text);
        if (r.shift != TStyledRun::Base)
            run = (r.shift == TStyledRun::Sub ? QStringLiteral("<sub>%1</sub>") : QStringLiteral("<sup>%1</sup>")).arg(run);
        if (r.underline) run = QStringLiteral("<u>%1</u>").arg(run);
        if (r.bold) run = QStringLiteral("<b>%1</b>").arg(run);
        html += run;
    }
    return html;
}

} // namespace orv
