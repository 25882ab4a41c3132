#include "tests/printing/support/PdfTools.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstring>

#include "core/ZunProject.h"
#include "printing/PrintJob.h"
#include "tests/common/PdfPaths.h"
#include "tools/ExampleProjects.h"

namespace orvtest {

namespace {

QByteArray Run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000)) return {};
    return p.readAllStandardOutput();
}

QString Unescape(QString s)
{
    s.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&apos;", "'");
    return s.replace("&amp;", "&");
}

} // namespace

bool PopplerAvailable()
{
    for (const char* tool : {"pdftotext", "pdfinfo", "pdfimages", "pdftoppm"})
        if (QStandardPaths::findExecutable(tool).isEmpty()) return false;
    return true;
}

std::vector<PdfWord> PdfWords(const QString& pdf)
{
    const QString xml = QString::fromUtf8(Run("pdftotext", {"-bbox", pdf, "-"}));
    static const QRegularExpression page("<page ");
    static const QRegularExpression word(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>");
    std::vector<PdfWord> words;
    int pageNo = 0;
    qsizetype pos = 0;
    for (;;) {
        const QRegularExpressionMatch p = page.match(xml, pos);
        const QRegularExpressionMatch w = word.match(xml, pos);
        if (!w.hasMatch() && !p.hasMatch()) break;
        if (p.hasMatch() && (!w.hasMatch() || p.capturedStart() < w.capturedStart())) {
            ++pageNo;
            pos = p.capturedEnd();
            continue;
        }
        PdfWord pw;
        pw.page = pageNo;
        pw.box = QRectF(QPointF(w.captured(1).toDouble(), w.captured(2).toDouble()),
                        QPointF(w.captured(3).toDouble(), w.captured(4).toDouble()));
        pw.text = Unescape(w.captured(5));
        words.push_back(pw);
        pos = w.capturedEnd();
    }
    return words;
}

QString PdfLayoutText(const QString& pdf, int page)
{
    QStringList args{"-layout"};
    if (page > 0) args << "-f" << QString::number(page) << "-l" << QString::number(page);
    args << pdf << "-";
    return QString::fromUtf8(Run("pdftotext", args));
}

int PdfPageCount(const QString& pdf)
{
    static const QRegularExpression pages("^Pages:\\s+(\\d+)", QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = pages.match(QString::fromUtf8(Run("pdfinfo", {pdf})));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

std::vector<PdfImage> PdfImages(const QString& pdf)
{
    // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
    std::vector<PdfImage> images;
    const QStringList lines = QString::fromUtf8(Run("pdfimages", {"-list", pdf})).split('\n');
    for (int i = 2; i < lines.size(); ++i) {
        const QStringList f = lines[i].simplified().split(' ');
        if (f.size() < 14) continue;
        PdfImage im;
        im.page = f[0].toInt();
        im.width = f[3].toInt();
        im.height = f[4].toInt();
        im.xppi = f[12].toDouble();
        im.yppi = f[13].toDouble();
        images.push_back(im);
    }
    return images;
}

QImage PdfPageImage(const QString& pdf, int page, int dpi)
{
    QTemporaryDir dir;
    const QString base = dir.filePath("page");
    Run("pdftoppm", {"-png", "-r", QString::number(dpi), "-f", QString::number(page), "-l", QString::number(page),
                     "-singlefile", pdf, base});
    return QImage(base + ".png").convertToFormat(QImage::Format_RGB32);
}

std::vector<std::pair<int, QRectF>> PdfClipRects(const QString& pdf)
{
    QFile f(pdf);
    if (!f.open(QIODevice::ReadOnly)) return {};
    std::vector<std::pair<int, QRectF>> clips;
    ForEachPdfPath(f.readAll(), [&](const PdfPathEnd& path) {
        if (path.pageStream && path.clip && path.hasPath) clips.emplace_back(path.page, path.box);
    });
    return clips;
}

std::unique_ptr<QPrinter> PdfPrinter(const QString& file, int dpi)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file);
    printer->setResolution(dpi);
    printer->setPageSize(QPageSize(QPageSize::A4));
    return printer;
}

orv::TReportStatus PrintReportToPdf(QPrinter& printer, const orv::TReportRequest& request,
                                    orv::IElementSource& source, const orv::TReportOptions& options,
                                    orv::TReportPages* pagesOut)
{
    orv::TReportPages pages;
    const orv::TReportStatus status =
        orv::BuildReportPages(pages, request, source, orv::PageGeometryOf(printer), options);
    if (status == orv::TReportStatus::Built) orv::PrintReportPages(printer, pages.pages);
    if (pagesOut) *pagesOut = pages;
    return status;
}

namespace {

bool WriteAndOpen(orv::ProjectSession& session, const std::string& file,
                  orv::TElementList& elements, const std::vector<std::string>& comments)
{
    const int count = static_cast<int>(elements.size());
    if (!orv::SaveProjectFile(file, elements, count, 0, comments).ok()) return false;
    return session.open(file).ok();
}

} // namespace

bool OpenEveryCaseProject(orv::ProjectSession& session, const std::string& file)
{
    const std::vector<orv::TExampleProject> examples = orv::BuildExampleProjects();
    orv::TElementList elements;
    for (const orv::TExampleProject& p : examples)
        for (const orv::TProjectElement& e : p.Elements) elements.push_back(e);
    // the first wall again, under a load it cannot carry
    orv::TProjectElement over = elements.front();
    over.Name.set("Ściana przeciążona");
    over.Input.Nod = 2000.0;
    elements.push_back(over);
    orv::TProjectHeader& h = elements.front().Header;
    for (int i = 0; i < 10; ++i) h.FigureSize[i] = i % 2 == 0 ? 10.0 : 8.0;
    h.PrintParts[4] = 1;  // every element
    h.PrintParts[5] = 0;
    return WriteAndOpen(session, file, elements, examples.front().Comments);
}

} // namespace orvtest
