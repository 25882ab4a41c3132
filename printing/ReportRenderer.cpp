#include "printing/ReportRenderer.h"

#include <QPainter>
#include <QRectF>

#include <algorithm>
#include <memory>

#include "core/MessageService.h"
#include "core/ProjectSession.h"
#include "core/ZunStrings.h"
#include "drawing/Canvas.h"
#include "drawing/CommonColorUnit.h"
#include "drawing/DrawPrimitives.h"
#include "drawing/MarkupText.h"
#include "drawing/SchemePicture.h"
#include "drawing/ZunPaint.h"
#include "printing/HeaderLibrary.h"
#include "printing/PrintSettings.h"
#include "printing/ReportWrap.h"

namespace orv {

bool SessionElementSource::GetElementRecord(int i, TProjectElement& element)
{
    return session_.GetElementRecord(i, element);
}

bool SessionElementSource::CalculateElement(int i, TCalcResults& results)
{
    return session_.CalculateElement(i, results);
}

TReportRequest ReportRequestOf(const ProjectSession& session, const std::string& documentName)
{
    TReportRequest r;
    r.element = session.current();
    r.results = session.results();
    r.header = session.header();
    r.elementCount = session.count();
    r.currentIndex = session.currentIndex();
    r.documentName = documentName;
    r.comments = session.comments();
    return r;
}

void DrawReportPage(QPainter& painter, const QPicture& page)
{
    painter.save();
    // A QPicture replays itself scaled by the device's resolution against its
    // own; the page is already in the device's pixels, so that is undone.
    if (const QPaintDevice* device = painter.device()) {
        if (device->logicalDpiX() > 0 && device->logicalDpiY() > 0)
            painter.scale(double(page.logicalDpiX()) / device->logicalDpiX(),
                          double(page.logicalDpiY()) / device->logicalDpiY());
    }
    painter.drawPicture(0, 0, page);
    painter.restore();
}

namespace {

// Print range switches of the project header.
enum : int { prData = 0, prResults = 1, prFigure = 2, prAssumptions = 3, prAllElements = 4, prElementName = 6 };

const char* const kHeadings[CalcCaseCount] = {
    "%N%BWYNIKI - ŚCIANA OBCIĄŻONA OSIOWO (model przegubowy)%N (wg PN-B-03002:2007):",
    "%N%BWYNIKI - ŚCIANA OBCIĄŻONA OSIOWO (model ciągły)%N (wg PN-B-03002:2007):",
    "%N%BWYNIKI - ŚCIANA OBCIĄŻONA POZIOMO%N (wg PN-B-03002:2007):",
    "%N%BWYNIKI - ŚCIANA OBCIĄŻONA SIŁĄ SKUPIONĄ%N (wg PN-B-03002:2007):",
    "%N%BWYNIKI - ŚCIANA PIWNIC%N (wg PN-B-03002:2007):",
    "%N%BWYNIKI - SŁUP%N (wg PN-B-03002:2007):",
};

// The fixed columns of the report sheets from the left margin: the body a
// third of an inch in, the values two and a half inches in.
int BodyIndent(int dpiX) { return dpiX / 3; }
int ValueColumn(int dpiX) { return 5 * (dpiX / 2); }
// What the value column must have room for.
const char* const kValueRoom = "00000,00 kN";

// Character height in pixels of the report font: F = 1000 for the normal
// size, 750 for the small size of sub- and superscripts.
int ReportFontPixels(int fontSize, int dpiY, int f)
{
    return std::max(1, RoundToInt(fontSize / 254.0 * f * dpiY / 300));
}

// The canvas in the report font, black, of the given character height.
void SetReportFont(PainterCanvas& canvas, const std::string& fontName, int dpiY, int pixels)
{
    canvas.setFontDpi(dpiY);
    canvas.font.name = fontName;
    canvas.font.charSet = 238;
    canvas.font.color = clBlack;
    canvas.font.style = 0;
    canvas.font.size = pixels * 72.0 / dpiY;
}

bool MarginsLeaveLines(const TPrintingSettings& settings, const TPageGeometry& geometry,
                       const TPageHeaderLibrary& library);

class Renderer {
public:
    Renderer(IReportPageSink& sink, TReportPages& out, const TReportRequest& request, IElementSource& source,
             const TReportOptions& options)
        : sink_(sink), out_(out), rq_(request), source_(source), options_(options),
          element_(std::make_unique<TProjectElement>(request.element))
    {
    }
    ~Renderer() { closePage(); }

    TReportStatus run(const TPageGeometry& geometry);

private:
    bool part(int i) const { return rq_.header.PrintParts[i] != 0; }
    int left() const { return printable_.Left; }
    int right() const { return printable_.Right; }

    void openPage();
    void closePage();
    void NewReportPage();
    void DrawReportPageHeader(bool firstPage);
    void breakIfBelow();
    void AdvanceLine();
    void AdvanceLineBy(int mode);
    void setHeight(int pixels);
    void DrawMarkupText(int x, int y, const std::string& text);
    // Text cut into the lines it takes between x and right.
    std::vector<std::string> wrappedLines(int x, int right, const std::string& text);
    void WriteWrappedLine(int x, int right, const std::string& text, int& y);
    void WriteLines(int x, const std::vector<std::string>& lines, int& y);
    int widthOf(const std::string& text);
    int lineHeight() { return canvas_->textHeight("0"); }

    void ReportInputData();
    void ReportAssumptions();
    void ReportResults();
    void ReportFigure();
    void ReportBody();
    void reportName();
    void ReportComment();
    void ReportEnd();

    IReportPageSink& sink_;
    TReportPages& out_;
    const TReportRequest& rq_;
    IElementSource& source_;
    const TReportOptions& options_;

    TPrintingSettings settings_{};
    std::string fontName_;
    int dpiX_ = 0, dpiY_ = 0;
    int normalHeight_ = 1, smallHeight_ = 1;
    TRect printable_;
    TDrawingColors colors_{};
    THeaderInfo info_{};
    bool headerWarned_ = false;
    int y_ = 0;

    std::unique_ptr<TProjectElement> element_;
    TCalcResults results_{};
    std::unique_ptr<TPageHeaderLibrary> headerLibrary_;
    QPainter* painter_ = nullptr;
    std::unique_ptr<PainterCanvas> canvas_;
    std::unique_ptr<PainterCanvas> spentCanvas_;  // of the last page, for its measures
};

TReportStatus Renderer::run(const TPageGeometry& geometry)
{
    out_ = TReportPages();
    out_.geometry = geometry;
    out_.pageSize = PagePixels(geometry);
    info_ = MakeHeaderInfo(rq_.header, rq_.documentName);
    ReadPrintingSettings(settings_);
    fontName_ = settings_.FontName.str();
    dpiX_ = geometry.dpiX;
    dpiY_ = geometry.dpiY;
    normalHeight_ = ReportFontPixels(settings_.FontSize, dpiY_, 1000);
    smallHeight_ = ReportFontPixels(settings_.FontSize, dpiY_, 750);

    printable_ = SetMargin(MarginsOf(settings_), geometry);
    out_.printable = printable_;
    headerLibrary_ = std::make_unique<TPageHeaderLibrary>(options_.libraryFolder);
    // margins that leave a line or two under the page header, or a column
    // narrower than the sheets' values, would give a report of endless pages
    if (!MarginsLeaveLines(settings_, geometry, *headerLibrary_)) {
        ShowMessageDialog("Popraw!", "Błąd w definicji marginesów.", mdError, mbOK, 0);
        return TReportStatus::NoPrintableArea;
    }
    if (settings_.ColorPrinting)
        ReadDrawingColors(colors_);
    else
        SetMonochromeColors(colors_);

    openPage();
    y_ = printable_.Top;
    DrawReportPageHeader(true);
    if (rq_.header.CommentPlace == 1) ReportComment();
    auto stopped = [this] {
        if (!options_.keepGoing || options_.keepGoing()) return false;
        closePage();
        return true;
    };
    if (part(prAllElements)) {
        for (int i = 0; i < rq_.elementCount; ++i) {
            if (!source_.GetElementRecord(i, *element_)) continue;
            results_ = TCalcResults();
            source_.CalculateElement(i, results_);
            if (i > 0) AdvanceLine();  // the next element goes on on the same page
            if (part(prElementName)) {
                reportName();
            }
            ReportBody();
            if (stopped()) return TReportStatus::Stopped;
        }
    } else {
        results_ = rq_.results;
        if (part(prElementName)) {
            reportName();
        }
        ReportBody();
        if (stopped()) return TReportStatus::Stopped;
    }
    if (rq_.header.CommentPlace == 2) ReportComment();
    ReportEnd();
    closePage();
    return TReportStatus::Built;
}

void Renderer::openPage()
{
    painter_ = &sink_.beginPage();
    canvas_ = std::make_unique<PainterCanvas>(*painter_);
    // the pages of a report go to one device: its texts are measured once
    if (spentCanvas_) canvas_->takeMeasures(*spentCanvas_);
    spentCanvas_.reset();
    SetReportFont(*canvas_, fontName_, dpiY_, normalHeight_);
    canvas_->brush.style = TBrushStyle::Clear;
    canvas_->pen.color = clBlack;
}

void Renderer::closePage()
{
    if (!painter_) return;
    spentCanvas_ = std::move(canvas_);
    painter_ = nullptr;
    sink_.endPage();
}

void Renderer::NewReportPage()
{
    closePage();
    openPage();
}

void Renderer::setHeight(int pixels) { canvas_->font.size = pixels * 72.0 / dpiY_; }

void Renderer::DrawReportPageHeader(bool firstPage)
{
    // every page starts at the top of the printable area, also when the
    // header cannot be drawn
    y_ = printable_.Top;
    const THeaderResult h =
        headerLibrary_->draw(*painter_, {dpiX_, dpiY_}, printable_, firstPage, info_, settings_.FontName, settings_, y_);
    if (h.outcome == THeaderOutcome::Drawn) {
        y_ = std::clamp(h.y, printable_.Top, printable_.Bottom);
    } else if (!headerWarned_) {
        headerWarned_ = true;
        ShowHeaderLibraryWarning(h.file);
    }
    ++info_.PageNumber;
    setHeight(normalHeight_);
    DrawMarkupText(left() + dpiX_ / 5, y_, "%N%B %N");
}

void Renderer::breakIfBelow()
{
    if (y_ <= printable_.Bottom) return;
    NewReportPage();
    DrawReportPageHeader(false);
}

void Renderer::AdvanceLine()
{
    y_ += RoundToInt(lineHeight() * 1.15);
    breakIfBelow();
}

void Renderer::AdvanceLineBy(int mode)
{
    const double f = mode == 1 ? 1.125 : mode == 2 ? 0.25 : 1.0;
    y_ += RoundToInt(lineHeight() * (1.15 * f));
    breakIfBelow();
}

int Renderer::widthOf(const std::string& text)
{
    // measuring leaves the canvas as it was
    const TCanvasFont font = canvas_->font;
    const int w = MarkupTextWidth(*canvas_, text);
    canvas_->font = font;
    return w;
}

void Renderer::DrawMarkupText(int x, int y0, const std::string& text)
{
    Canvas& c = *canvas_;
    c.font.name = fontName_;
    bool symbol = false;
    int y = y0;
    auto out = [&](int at, const std::string& piece) {
        if (piece.empty()) return;
        const std::string run = symbol ? SymbolTextToUnicode(piece) : piece;
        c.textOut(x, at, run);
        x += c.textWidth(run);
    };
    std::size_t i = 0;
    for (;;) {
        const std::size_t p = text.find('%', i);
        if (p == std::string::npos) {
            out(y0, text.substr(i));  // the last piece stands on the base line
            return;
        }
        const char code = p + 1 < text.size() ? text[p + 1] : '\0';
        if (!IsPrintCode(code)) {
            out(y, text.substr(i, p + 1 - i));
            i = p + 1;
            continue;
        }
        out(y, text.substr(i, p - i));
        i = p + 2;
        switch (code) {
        case 'N':
            c.font.name = fontName_;
            c.font.style = 0;
            symbol = false;
            setHeight(normalHeight_);
            y = y0;
            break;
        case 'B': c.font.style |= fsBold; break;
        case 'U': c.font.style |= fsUnderline; break;
        case 'S': symbol = true; break;
        case 'n':
            c.font.name = fontName_;
            symbol = false;
            break;
        case 'D':
            setHeight(smallHeight_);
            y = y0 + RoundToInt(settings_.FontSize * 1.6 / 254 * dpiY_);
            break;
        case 'I': setHeight(smallHeight_); break;  // a superscript keeps the top
        }
    }
}

std::vector<std::string> Renderer::wrappedLines(int x, int right, const std::string& text)
{
    return WrapReportText(text, right - x, [this](const std::string& s) { return widthOf(s); });
}

void Renderer::WriteWrappedLine(int x, int right, const std::string& text, int& y)
{
    WriteLines(x, wrappedLines(x, right, text), y);
}

void Renderer::WriteLines(int x, const std::vector<std::string>& lines, int& y)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) y += canvas_->textHeight(lines[i - 1]);
        DrawMarkupText(x, y, lines[i]);
    }
}

void Renderer::ReportInputData()
{
    auto sheet = std::make_unique<TReportSheet>();
    BuildInputReport(left(), left() + BodyIndent(dpiX_), left() + ValueColumn(dpiX_), element_->Input, results_, *sheet);
    const int count = std::clamp<int>(sheet->Count, 0, MaxReportLines);
    std::string before, after;
    int labelWidth = 0;
    for (int n = 3; n <= count; ++n) {
        const std::string t = sheet->Line(n).text();
        if (t.find("@@") == std::string::npos) continue;
        SplitAtDoubleAt(t, before, after);
        labelWidth = std::max(labelWidth, widthOf(before));
    }
    for (int n = 1; n <= count; ++n) {
        const TReportLine& line = sheet->Line(n);
        SplitAtDoubleAt(line.text(), before, after);
        WriteWrappedLine(line.X1, right(), before, y_);
        DrawMarkupText(line.X1 + labelWidth, y_, after);
        AdvanceLineBy(line.Flag);
    }
    AdvanceLineBy(2);
}

void Renderer::ReportAssumptions()
{
    auto sheet = std::make_unique<TReportSheet>();
    DesignSituationLines(left(), left() + BodyIndent(dpiX_), left() + ValueColumn(dpiX_), element_->Input, results_, *sheet);
    const int count = std::clamp<int>(sheet->Count, 0, MaxReportLines);
    std::string before, after;
    int labelWidth = 0;
    for (int n = 1; n <= count; ++n) {
        SplitAtDoubleAt(sheet->Line(n).text(), before, after);
        labelWidth = std::max(labelWidth, widthOf(before));
    }
    for (int n = 1; n <= count; ++n) {
        const TReportLine& line = sheet->Line(n);
        SplitAtDoubleAt(line.text(), before, after);
        DrawMarkupText(line.X1, y_, before);
        DrawMarkupText(line.X1 + labelWidth, y_, after);
        AdvanceLineBy(line.Flag);
    }
    AdvanceLineBy(2);
}

void Renderer::ReportResults()
{
    auto sheet = std::make_unique<TReportSheet>();
    BuildResultsReport(left(), left() + BodyIndent(dpiX_), left() + ValueColumn(dpiX_), element_->Input, results_, *sheet);
    const int count = std::clamp<int>(sheet->Count, 0, MaxReportLines);
    const std::string marker = "%S¬%N%B !!!%N   ";
    std::string before, after;
    for (int n = 2; n <= count; ++n) {
        const TReportLine& line = sheet->Line(n);
        canvas_->font.color = settings_.ColorPrinting && line.Color != clBtnText ? line.Color : clBlack;
        SplitAtDoubleAt(line.text(), before, after);
        std::vector<std::string> lines = wrappedLines(line.X1, right(), before);
        // an exceeded capacity is marked at the right edge, also in black and
        // white, a blank clear of the text: a last line that leaves no room
        // for the marker is cut again short of it
        const bool marked = line.Color == clRed;
        const int markerX = right() - widthOf(marker);
        if (marked && line.X1 + widthOf(lines.back()) + widthOf(" ") > markerX) {
            const std::string last = lines.back();
            lines.pop_back();
            for (std::string& l : wrappedLines(line.X1, markerX - widthOf(" "), last)) lines.push_back(std::move(l));
        }
        WriteLines(line.X1, lines, y_);
        DrawMarkupText(line.X2, y_, after);
        if (marked) {
            const int end = after.empty() ? 0 : line.X2 + widthOf(after) + widthOf(" ");
            DrawMarkupText(std::max(markerX, end), y_, marker);
        }
        canvas_->font.color = clBlack;
        AdvanceLineBy(line.Flag);
    }
    AdvanceLineBy(2);
}

void Renderer::ReportFigure()
{
    y_ += RoundToInt(dpiY_ * 25.0 / 254);  // a gap of 2.5 mm
    const TSchemePicture pic = ReportFigurePicture(element_->Input, results_, rq_.header, colors_);
    if (pic.isEmpty()) return;
    // the picture holds 10000 units of 0.01 mm per centimetre of the figure
    const int w = RoundToInt(pic.mmSize.width() / 100.0 * dpiX_ / 254);
    const int h = RoundToInt(pic.mmSize.height() / 100.0 * dpiY_ / 254);
    if (y_ + h > printable_.Bottom) {
        NewReportPage();
        DrawReportPageHeader(false);
        AdvanceLineBy(0);
    }
    ReplaySchemePicture(pic, *painter_, QRectF(left(), y_, w, h));
    y_ += h;
}

void Renderer::ReportBody()
{
    const int calcCase = element_->Input.Case;
    const bool known = calcCase >= 0 && calcCase < CalcCaseCount;
    if (part(prData)) {
        DrawMarkupText(left(), y_, "%N%BDANE:%N");
        AdvanceLine();
        ReportInputData();
        AdvanceLine();
    }
    if (part(prAssumptions)) {
        DrawMarkupText(left(), y_, "%BZAŁOŻENIA:%N");
        AdvanceLine();
        ReportAssumptions();
    }
    if ((part(prResults) || part(prFigure)) && known) {
        DrawMarkupText(left(), y_, kHeadings[calcCase]);
        AdvanceLine();
    }
    if (part(prFigure) && known) ReportFigure();
    if (part(prResults)) {
        ReportResults();
        AdvanceLine();
    }
}

void Renderer::reportName()
{
    WriteWrappedLine(left(), right(), "%B" + element_->Name.str() + "%N", y_);
    AdvanceLine();
    AdvanceLine();
}

void Renderer::ReportComment()
{
    // a paragraph goes on line by line, across a page break where it must
    for (const std::string& line : rq_.comments) {
        for (const std::string& row : wrappedLines(left(), right(), "%N" + line)) {
            AdvanceLineBy(0);
            DrawMarkupText(left(), y_, row);
        }
    }
    AdvanceLineBy(0);
    AdvanceLineBy(0);
}

void Renderer::ReportEnd()
{
    AdvanceLine();
    const std::string text = "%Ikoniec wydruku%N";
    const int th = canvas_->textHeight(text);
    // measured in the small size it is drawn in, so that it stands centred
    setHeight(smallHeight_);
    const int tw = widthOf(text);
    setHeight(normalHeight_);
    const int y = y_ + th / 2;
    canvas_->pen.width = 1;
    canvas_->pen.color = clBlack;
    canvas_->pen.style = TPenStyle::Solid;
    const int x0 = left() + (right() - left() - tw) / 2;
    // each half runs from its margin to the text, so that they mirror each other
    DrawDashedLine(*canvas_, {left(), y}, {x0, y});
    DrawDashedLine(*canvas_, {right(), y}, {x0 + tw, y});
    DrawMarkupText(x0, y - th / 4, text);
}

} // namespace

namespace {

bool MarginsLeaveLines(const TPrintingSettings& settings, const TPageGeometry& geometry,
                       const TPageHeaderLibrary& library)
{
    const TRect printable = SetMargin(MarginsOf(settings), geometry);
    if (!HasPrintableArea(printable) || geometry.dpiX <= 0 || geometry.dpiY <= 0) return false;
    QPicture scratch;
    QPainter painter(&scratch);
    // the header is at its tallest with every text of it there
    THeaderInfo info = MakeHeaderInfo(TProjectHeader{}, "0");
    for (int k : {htObject, htTitle, htAuthor, htProjectNumber}) info.Texts[k].set("0");
    int top = printable.Top;
    for (bool firstPage : {true, false}) {
        const THeaderResult h = library.draw(painter, {geometry.dpiX, geometry.dpiY}, printable, firstPage, info,
                                             settings.FontName, settings, printable.Top);
        if (h.outcome == THeaderOutcome::Drawn) top = std::max(top, std::clamp(h.y, printable.Top, printable.Bottom));
    }
    PainterCanvas canvas(painter);
    SetReportFont(canvas, settings.FontName.str(), geometry.dpiY,
                  ReportFontPixels(settings.FontSize, geometry.dpiY, 1000));
    const int line = RoundToInt(canvas.textHeight("0") * 1.15);
    const int width = ValueColumn(geometry.dpiX) + canvas.textWidth(kValueRoom);
    return printable.Bottom - top >= MinReportLinesPerPage * line && printable.Right - printable.Left >= width;
}

} // namespace

TSchemePicture ReportFigurePicture(const TCalcInput& input, const TCalcResults& results,
                                   const TProjectHeader& header, const TDrawingColors& colors)
{
    TSchemePicture pic;
    DrawCaseSchemeMetafile(pic, input, results, header, colors);
    if (pic.isEmpty()) return pic;
    const int margin = SchemeMarginPixels(SchemeFigureMargin);
    const QRect ink = pic.picture.boundingRect();
    QRectF inner = QRectF(QPointF(0, 0), QSizeF(pic.pixelSize)).adjusted(margin, margin, -margin, -margin);
    if (ink.isEmpty() || inner.isEmpty() || inner.contains(QRectF(ink))) return pic;
    // smaller about the frame's centre as far as it must be, then moved in,
    // a pixel or two more for the rounding of the replayed picture's bounds
    inner.adjust(2, 2, -2, -2);
    const double k = std::min({1.0, inner.width() / ink.width(), inner.height() / ink.height()});
    auto place = [k](double from, double size, double lo, double hi, double centre) {
        return std::clamp(centre + (from - centre) * k, lo, std::max(lo, hi - size * k));
    };
    const double x = place(ink.left(), ink.width(), inner.left(), inner.right(), inner.center().x());
    const double y = place(ink.top(), ink.height(), inner.top(), inner.bottom(), inner.center().y());
    QPicture fitted;
    QPainter painter(&fitted);
    painter.translate(x, y);
    painter.scale(k, k);
    painter.translate(-ink.left(), -ink.top());
    painter.drawPicture(0, 0, pic.picture);
    painter.end();
    pic.picture = fitted;
    return pic;
}

bool MarginsLeaveReportLines(const TPrintingSettings& settings, const TPageGeometry& geometry,
                             const std::string& libraryFolder)
{
    return MarginsLeaveLines(settings, geometry, TPageHeaderLibrary(libraryFolder));
}

TReportStatus RenderReportPages(IReportPageSink& sink, TReportPages& out, const TReportRequest& request,
                                IElementSource& source, const TPageGeometry& geometry, const TReportOptions& options)
{
    Renderer renderer(sink, out, request, source, options);
    return renderer.run(geometry);
}

TReportStatus BuildReportPages(TReportPages& out, const TReportRequest& request, IElementSource& source,
                               const TPageGeometry& geometry, const TReportOptions& options)
{
    // every page a picture of the page's size
    class PictureSink : public IReportPageSink {
    public:
        explicit PictureSink(TReportPages& out) : out_(out) {}
        QPainter& beginPage() override
        {
            out_.pages.emplace_back();
            painter_.begin(&out_.pages.back());
            return painter_;
        }
        void endPage() override
        {
            painter_.end();
            out_.pages.back().setBoundingRect(QRect(0, 0, out_.pageSize.X, out_.pageSize.Y));
        }

    private:
        TReportPages& out_;
        QPainter painter_;
    } sink(out);
    const TReportStatus status = RenderReportPages(sink, out, request, source, geometry, options);
    if (status == TReportStatus::Stopped) out.pages.clear();
    return status;
}

} // namespace orv
