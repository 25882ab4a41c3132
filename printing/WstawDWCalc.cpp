#include "printing/WstawDWCalc.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QList>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cstring>
#include <sstream>

#include <zlib.h>

#include "core/CommonParamsUnit.h"
#include "core/Cp1250.h"
#include "core/MessageService.h"
#include "core/MyUtils.h"
#include "core/RtfUtils.h"
#include "core/ZunFiles.h"
#include "drawing/SchemePicture.h"
#include "drawing/ZunPaint.h"
#include "platform/CurrentUser.h"
#include "platform/Desktop.h"
#include "platform/JolLib.h"

namespace orv {
namespace {

// Range choices: bytes +1109.. of the header.
enum : int { rpData = 0, rpResults = 1, rpFigure = 2, rpAssumptions = 3, rpAllElements = 4,
             rpElementName = 6 };

const char* const kResultsHeadings[CalcCaseCount] = {
    "%BWYNIKI - ŚCIANA OBCIĄŻONA PIONOWO - model przegubowy%N (wg PN-B-03002:2007):",
    "%BWYNIKI - ŚCIANA OBCIĄŻONA PIONOWO - model ciągły%N (wg PN-B-03002:2007):",
    "%BWYNIKI - ŚCIANA OBCIĄŻONA POZIOMO%N (wg PN-B-03002:2007):",
    "%BWYNIKI - ŚCIANA OBCIĄŻONA SIŁĄ SKUPIONĄ%N (wg PN-B-03002:2007):",
    "%BWYNIKI - ŚCIANA PIWNIC%N (wg PN-B-03002:2007):",
    "%BWYNIKI - SŁUP%N (wg PN-B-03002:2007):",
};

// Splits at the first "@@" (a lone '@' is text); without one, all in before.
bool SplitAtPair(const std::string& s, std::string& before, std::string& after)
{
    const std::size_t p = s.find("@@");
    if (p == std::string::npos) {
        before = s;
        after.clear();
        return false;
    }
    before = s.substr(0, p);
    after = s.substr(p + 2);
    return true;
}

void Line(std::ostream& f, const std::string& s) { WriteStreamLine(f, s); }

// The end of the run of colour c (alpha set) that goes on at x.
int RunEnd(const QRgb* in, int x, int width, QRgb c)
{
    while (x < width && (in[x] | 0xff000000u) == c) ++x;
    return x;
}

// The image in a palette of its own colours, in the order they first
// appear; a null image when it has more than 256 of them. The schemes are
// drawn in a few dozen colours, mostly in long runs of one: a run's indices
// are set in one go.
QImage ExactPaletteImage(const QImage& rgb)
{
    const QImage image = rgb.convertToFormat(QImage::Format_RGB32);
    QImage out(image.size(), QImage::Format_Indexed8);
    QList<QRgb> palette;
    const int width = image.width(), height = image.height();
    for (int y = 0; y < height; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* dst = out.scanLine(y);
        int x = 0;
        while (x < width) {
            const QRgb c = in[x] | 0xff000000u;
            qsizetype k = palette.indexOf(c);
            if (k < 0) {
                if (palette.size() == 256) return QImage();
                k = palette.size();
                palette.append(c);
            }
            const int start = x;
            x = RunEnd(in, x + 1, width, c);
            std::memset(dst + start, int(k), std::size_t(x - start));
        }
    }
    out.setColorTable(palette);
    out.setDotsPerMeterX(image.dotsPerMeterX());
    out.setDotsPerMeterY(image.dotsPerMeterY());
    return out;
}

// One row of indices below 16 at 4 bits a pixel, the leftmost in the high bits.
void PackRowOf4Bits(const uchar* in, int width, uchar* row)
{
    for (int x = 0; x + 1 < width; x += 2) row[x / 2] = uchar(in[x] << 4 | in[x + 1]);
    if (width % 2) row[width / 2] = uchar(in[width - 1] << 4);
}

void AppendBigEndian(QByteArray& out, quint32 v)
{
    const char b[4] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
    out.append(b, 4);
}

void AppendChunk(QByteArray& out, const char type[4], const QByteArray& data)
{
    AppendBigEndian(out, quint32(data.size()));
    const qsizetype start = out.size();
    out.append(type, 4);
    out.append(data);
    const auto* typed = reinterpret_cast<const Bytef*>(out.constData() + start);
    AppendBigEndian(out, quint32(crc32(0, typed, uInt(out.size() - start))));
}

// Bits a pixel for a palette of so many colours: as few as they need.
int PaletteDepth(qsizetype colours) { return colours <= 2 ? 1 : colours <= 4 ? 2 : colours <= 16 ? 4 : 8; }

// The PNG of rows of palette indices at `depth` bits a pixel, each row led
// by its filter type None: deflated for runs of one colour at the fastest
// level, the physical size in dots a metre when given. Empty when the rows
// cannot be compressed.
QByteArray PngOfRows(int width, int height, int depth, const QList<QRgb>& palette, QSize dotsPerMeter,
                     QByteArray& rows)
{
    z_stream z{};
    if (deflateInit2(&z, 1, Z_DEFLATED, 15, 8, Z_RLE) != Z_OK) return {};
    QByteArray idat;
    idat.resize(qsizetype(deflateBound(&z, uLong(rows.size()))));
    z.next_in = reinterpret_cast<Bytef*>(rows.data());
    z.avail_in = uInt(rows.size());
    z.next_out = reinterpret_cast<Bytef*>(idat.data());
    z.avail_out = uInt(idat.size());
    const bool done = deflate(&z, Z_FINISH) == Z_STREAM_END;
    idat.resize(qsizetype(z.total_out));
    deflateEnd(&z);
    if (!done) return {};

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray header;
    AppendBigEndian(header, quint32(width));
    AppendBigEndian(header, quint32(height));
    header.append(char(depth));
    header.append("\x03\x00\x00\x00", 4);  // palette, deflate, no filter, no interlace
    AppendChunk(png, "IHDR", header);
    QByteArray plte;
    for (const QRgb c : palette) {
        const char rgb[3] = {char(qRed(c)), char(qGreen(c)), char(qBlue(c))};
        plte.append(rgb, 3);
    }
    AppendChunk(png, "PLTE", plte);
    if (dotsPerMeter.width() > 0 && dotsPerMeter.height() > 0) {
        QByteArray physical;
        AppendBigEndian(physical, quint32(dotsPerMeter.width()));
        AppendBigEndian(physical, quint32(dotsPerMeter.height()));
        physical.append('\x01');  // per metre
        AppendChunk(png, "pHYs", physical);
    }
    AppendChunk(png, "IDAT", idat);
    AppendChunk(png, "IEND", {});
    return png;
}

// A palette image as a PNG: 1, 2, 4 or 8 bits a pixel, as few as its
// colours need (a scheme has a handful), no row filter, deflated for runs
// of one colour at the fastest level. Its physical size is the image's
// own. Empty when it cannot be compressed.
QByteArray PalettePng(const QImage& image)
{
    const int width = image.width(), height = image.height();
    const int depth = PaletteDepth(image.colorCount());
    const int perByte = 8 / depth;
    const qsizetype rowBytes = 1 + (qsizetype(width) + perByte - 1) / perByte;
    QByteArray rows(qsizetype(height) * rowBytes, Qt::Uninitialized);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<uchar*>(rows.data()) + qsizetype(y) * rowBytes;
        *row++ = 0;  // filter type None leads each row
        const uchar* in = image.constScanLine(y);
        if (depth == 8) {
            std::memcpy(row, in, std::size_t(width));
            continue;
        }
        // the leftmost pixel in the highest bits
        if (depth == 4) {
            PackRowOf4Bits(in, width, row);
        } else {
            std::memset(row, 0, std::size_t(rowBytes - 1));
            for (int x = 0; x < width; ++x)
                row[x / perByte] |= uchar(in[x] << (8 - depth - (x % perByte) * depth));
        }
    }
    return PngOfRows(width, height, depth, image.colorTable(), {image.dotsPerMeterX(), image.dotsPerMeterY()}, rows);
}

// The figure as a PNG of the given size (RtfFigurePng).
QByteArray FigurePng(const TSchemePicture& pic, const QSize& pixels)
{
    const QImage image = SchemePictureToImage(pic, pixels);
    if (image.isNull()) return {};
    return RtfFigurePng(image);
}

constexpr QFile::Permissions kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
constexpr QFile::Permissions kOthers = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                       QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;

} // namespace

QByteArray RtfFigurePng(const QImage& image)
{
    const QImage indexed = ExactPaletteImage(image);
    if (!indexed.isNull()) return PalettePng(indexed);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image)) png.clear();
    return png;
}

bool MakePrivateFolder(const QString& folder)
{
    if (folder.isEmpty()) return false;
    QFileInfo info(folder);
    if (info.isSymLink()) return false;
    if (!info.exists()) {
        const QString parent = info.absolutePath();
        if (!QDir().mkpath(parent)) return false;
        if (!QDir().mkdir(info.absoluteFilePath(), kOwnerOnly)) return false;
        info.refresh();
    }
    if (!info.isDir() || info.isSymLink() || info.ownerId() != CurrentUserId()) return false;
    auto isPrivate = [](const QFileInfo& i) {
        return !(i.permissions() & kOthers) && i.permissions().testFlags(kOwnerOnly);
    };
    if (!isPrivate(info)) {
        if (!QFile::setPermissions(info.absoluteFilePath(), kOwnerOnly)) return false;
        info.refresh();
        if (!isPrivate(info)) return false;
    }
    return true;
}

QString RtfExportFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (base.isEmpty()) return QString();
    return QDir(base).filePath(QStringLiteral("raport"));
}

TWstawDW4Calc::TWstawDW4Calc() : element_(std::make_unique<TProjectElement>())
{
    std::memset(element_.get(), 0, sizeof(TProjectElement));
    std::memset(&Header, 0, sizeof Header);
}

TWstawDW4Calc::~TWstawDW4Calc() = default;

void TWstawDW4Calc::PrepareSettings()
{
    ReadWordSettings(Word);
    if (!Word.ColorPrinting) {
        SetMonochromeColors(TextColors);
        SetMonochromeColors(PictureColors);
    } else {
        ReadDrawingColors(TextColors);
        PictureColors = TextColors;
        if (Word.MonochromePicutre) SetMonochromeColors(PictureColors);
    }
    ColorFlag = Word.ColorPrinting;
}

void TWstawDW4Calc::WriteRtfLine(std::ostream& f, const std::string& text)
{
    std::string before, after;
    SplitAtPair(text, before, after);
    if (!before.empty()) Line(f, "\\cf0 \\par " + Cp1250MarkupToRtf(before));
    if (!after.empty()) Line(f, "\\par " + Cp1250MarkupToRtf(after));
}

void TWstawDW4Calc::WriteRtfPar(std::ostream& f) { Line(f, "\\par "); }

void TWstawDW4Calc::WriteRtfFigure(std::ostream& f, int k)
{
    const TCalcInput& in = element_->Input;
    const TFigureSizes size = FigureSizesOf(Header);
    TSchemePicture pic;
    switch (k) {
    case 1: DrawHingedWallMetafile(pic, in, Results, size[0], size[1], false, PictureColors); break;
    case 2: DrawContinuousWallMetafile(pic, in, Results, size[0], size[1], false, PictureColors); break;
    case 3: DrawHorizontalWallMetafile(pic, in, Results, size[2], size[3], false, TextColors); break;
    case 4: DrawConcentratedLoadWallMetafile(pic, in, Results, size[4], size[5], false, PictureColors); break;
    case 5: DrawBasementWallMetafile(pic, in, Results, size[6], size[7], false, PictureColors); break;
    case 6: DrawColumnMetafile(pic, in, Results, size[8], size[9], false, PictureColors); break;
    default: return;
    }
    if (pic.isEmpty()) return;
    // The picture is recorded at ten times the figure's size.
    const int wHmm = RoundToInt(pic.mmSize.width() * 0.1);
    const int hHmm = RoundToInt(pic.mmSize.height() * 0.1);
    if (wHmm <= 0 || hHmm <= 0) return;
    double pxPerHmm = RtfFigureDpi / 2540.0;
    pxPerHmm = std::min(pxPerHmm, double(RtfFigureMaxPixels) / std::max(wHmm, hHmm));
    const QSize pixels(std::max(1, RoundToInt(wHmm * pxPerHmm)), std::max(1, RoundToInt(hHmm * pxPerHmm)));
    const QByteArray png = FigurePng(pic, pixels);
    if (png.isEmpty()) return;
    MetafileToRtf(std::string(png.constData(), static_cast<std::size_t>(png.size())), TPictureKind::Png,
                  wHmm, hHmm, f);
}

void TWstawDW4Calc::WriteRtfSheet(std::ostream& f, const TReportSheet& sheet, bool results)
{
    const int count = std::clamp(static_cast<int>(sheet.Count), 0, MaxReportLines);
    std::string out, column, rest, next;
    for (int i = 1; i <= count; ++i) {
        const TReportLine& line = sheet.Line(i);
        const TColor color = line.Color;
        const i32 x1 = line.X1;
        out.clear();
        if (ColorFlag && color == clRed) out = "\\cf2 ";
        else if (ColorFlag && color == clNavy) out = "\\cf1 ";
        else out = "\\cf0 ";
        SplitAtPair(line.Text.raw(), column, rest);
        if (results) {
            if (x1 == 2) out += "\\tab ";
            else if (x1 == 3) out += "\\tab \\tab ";
        }
        if (!column.empty()) out += Cp1250MarkupToRtf(column);
        while (SplitAtPair(rest, column, next)) {
            if (!column.empty()) out += " \\tab " + Cp1250MarkupToRtf(column);
            rest.swap(next);
        }
        if (!rest.empty()) out += " \\tab " + Cp1250MarkupToRtf(rest);
        if (results && color == clRed) out += "\\tab \\tab " + Cp1250MarkupToRtf("%B(!!!)%N");
        out += "\\par ";
        Line(f, out);
    }
}

void TWstawDW4Calc::RtfInputSheet(std::ostream& f)
{
    auto sheet = std::make_unique<TReportSheet>();
    BuildInputReport(1, 2, 3, element_->Input, Results, *sheet);
    WriteRtfSheet(f, *sheet, false);
}

void TWstawDW4Calc::RtfAssumptionsSheet(std::ostream& f)
{
    auto sheet = std::make_unique<TReportSheet>();
    DesignSituationLines(1, 2, 3, element_->Input, Results, *sheet);
    WriteRtfSheet(f, *sheet, false);
}

void TWstawDW4Calc::RtfResultsSheet(std::ostream& f)
{
    auto sheet = std::make_unique<TReportSheet>();
    BuildResultsReport(1, 2, 3, element_->Input, Results, *sheet);
    WriteRtfSheet(f, *sheet, true);
}

void TWstawDW4Calc::RtfReportBody(std::ostream& f)
{
    const u8* parts = Header.PrintParts;
    const int calcCase = element_->Input.Case;
    const bool knownCase = calcCase >= 0 && calcCase < CalcCaseCount;
    // Each heading is a paragraph of its own, apart from the sheet below it.
    if (parts[rpData]) {
        WriteRtfLine(f, Utf8ToCp1250("%BDANE:%N"));
        WriteRtfPar(f);
        RtfInputSheet(f);
        WriteRtfPar(f);
    }
    if (parts[rpAssumptions]) {
        WriteRtfLine(f, Utf8ToCp1250("%BZAŁOŻENIA OBLICZENIOWE:%N"));
        WriteRtfPar(f);
        RtfAssumptionsSheet(f);
    }
    if ((parts[rpResults] || parts[rpFigure]) && knownCase) {
        WriteRtfLine(f, Utf8ToCp1250(kResultsHeadings[calcCase]));
        if (!parts[rpFigure] && parts[rpResults]) WriteRtfPar(f);
    }
    if (parts[rpFigure]) {
        WriteRtfPar(f);
        WriteRtfPar(f);
        WriteRtfFigure(f, calcCase + 1);
    }
    if (parts[rpResults]) RtfResultsSheet(f);
}

void TWstawDW4Calc::writeElement(std::ostream& f, bool first)
{
    if (!first) WriteRtfPar(f);
    if (Header.PrintParts[rpElementName]) {
        WriteRtfLine(f, "%B" + element_->Name.raw() + "%N");
        WriteRtfPar(f);
    }
    RtfReportBody(f);
}

std::string TWstawDW4Calc::BuildReport()
{
    std::ostringstream f;
    RtfHeader(Word.FontName, Word.FontSize, f);
    if (Header.PrintParts[rpAllElements]) {
        bool first = true;
        for (int i = 0; i < Count; ++i) {
            if (!Source) break;
            if (!Source->GetElementRecord(i, *element_)) continue;
            if (!Source->CalculateElement(i, Results)) continue;
            writeElement(f, first);
            first = false;
        }
        // The source's work area shows the current element again.
        if (Source) {
            TCalcResults scratch;
            Source->CalculateElement(Current, scratch);
        }
    } else {
        writeElement(f, true);
    }
    Line(f, "\\par }");
    return f.str();
}

QString TWstawDW4Calc::BitBtn1Click()
{
    PrepareSettings();
    const std::string document = BuildReport();
    const QString folder = ExportFolder.isEmpty() ? RtfExportFolder() : ExportFolder;
    const QString file = QDir(folder).filePath(QString::fromLatin1(RtfExportFileName));
    if (!MakePrivateFolder(folder) || !WriteFileAtomically(file.toStdString(), document)) {
        ShowMessageDialog("Błąd zapisu pliku!", file.toStdString(), mdError, mbOK, 0);
        return QString();
    }
    HandToEditor(Owner, file);
    return file;
}

void HandToEditor(QObject* owner, const QString& file)
{
    IDesktop& desktop = Desktop();
    // The desktop's program for RTF files, through the editor library; a
    // missing library has reported itself.
    if (DesktopHandlesFile(desktop, file)) {
        if (ExportToRtf(owner, file.toStdString()) || !QFileInfo::exists(JolLibraryFile())) return;
    }
    for (const QString& name : {QStringLiteral("libreoffice"), QStringLiteral("soffice")}) {
        const QString program = desktop.findProgram(name);
        if (!program.isEmpty() && desktop.startProgram(program, {QStringLiteral("--writer"), file})) return;
    }
    ShowMessageDialog("Nie znaleziono edytora plików RTF!",
                      "Raport zapisano w pliku: " + QDir::toNativeSeparators(file).toStdString(), mdInformation,
                      mbOK);
}

} // namespace orv
