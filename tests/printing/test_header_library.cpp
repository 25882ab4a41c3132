#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <filesystem>

#include "printing/HeaderLibrary.h"
#include "printing/PageGeometry.h"
#include "tests/common/QtTestApp.h"
#include "tests/core/support/TestSupport.h"
#include "tests/printing/support/PdfTools.h"

using namespace orv;
using namespace orvtest;

namespace {

TPrintingSettings DefaultSettings()
{
    TPrintingSettings s;
    ReadPrintingSettings(s);  // nothing bound: the defaults
    return s;
}

THeaderInfo Info(int page)
{
    TProjectHeader header{};
    InitProjectHeader("mgr inż. Anna Nowak", header);
    header.FirstPage = static_cast<u16>(page);
    header.PageCount = 12;
    header.Title.set("Hala magazynowa");
    header.Object.set("Budynek B");
    header.ProjectNumber.set("PB-17/2024");
    return MakeHeaderInfo(header, "Ściany hali");
}

class HeaderLibrary : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureApp();
        if (!PopplerAvailable()) GTEST_SKIP() << "poppler-utils are not installed";
    }

    // One header on an A4 page at 600 dpi with the default margins.
    THeaderResult draw(const TPrintingSettings& s, const THeaderInfo& info, bool firstPage,
                       const std::string& folder = ORV_TOPLAGE_DIR)
    {
        auto printer = PdfPrinter(pdf);
        geometry = PageGeometryOf(*printer);
        printable = SetMargin({25, 20, 10, 25}, geometry);
        QPainter p(printer.get());
        const THeaderResult r =
            PrintPageHeader(p, {600, 600}, printable, firstPage, info, s.FontName, s, printable.Top, folder);
        p.end();
        return r;
    }
    // Pixels from the printable origin to points from the sheet's top.
    double yPt(int y) const { return (geometry.offset.Y + y) * 72.0 / 600; }

    ScratchDir dir;
    QString pdf = QString::fromStdString(dir.file("header.pdf"));
    TPageGeometry geometry;
    TRect printable;
};

} // namespace

TEST_F(HeaderLibrary, DrawsTheHeaderInsideThePrintableArea)
{
    TPrintingSettings s = DefaultSettings();
    const THeaderResult r = draw(s, Info(3), true);
    EXPECT_EQ(r.outcome, THeaderOutcome::Drawn);
    EXPECT_GT(r.y, printable.Top + 600 / 4);  // a few lines of 8 to 11 points
    EXPECT_LT(r.y, printable.Top + 600 * 4 / 2.54);
    const QString text = PdfLayoutText(pdf);
    for (const char* t : {"Str. 3", "Ilość str. 12", "OBLICZENIA WYTRZYMAŁOŚCIOWE ELEMENTÓW MUROWYCH",
                          "Tytuł: Hala magazynowa", "Autor: mgr inż. Anna Nowak", "Ściany hali"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(t))) << t;
    EXPECT_TRUE(text.contains(QString::fromStdString(ProductLine())));
    EXPECT_FALSE(text.contains("Obiekt") || text.contains("Nr projektu"));  // only when asked for
    for (const PdfWord& w : PdfWords(pdf)) {
        EXPECT_GE(w.box.left(), Pt(25) - 0.5) << w.text.toStdString();
        EXPECT_LE(w.box.right(), Pt(190) + 0.5) << w.text.toStdString();
        EXPECT_GE(w.box.top(), Pt(10) - 0.5) << w.text.toStdString();
        EXPECT_LE(w.box.bottom(), yPt(r.y)) << w.text.toStdString();
    }

    s.ShowObjectInfo = s.ShowNumberInfo = s.DrawFrame = 1;
    s.ShowTotalPageNumber = 0;
    const int full = draw(s, Info(5), true).y;
    EXPECT_GT(full, r.y);
    EXPECT_TRUE(PdfLayoutText(pdf).contains("Obiekt: Budynek B"));
    EXPECT_TRUE(PdfLayoutText(pdf).contains("Nr projektu: PB-17/2024"));
    EXPECT_FALSE(PdfLayoutText(pdf).contains(QString::fromUtf8("Ilość")));
    // type 1: the full header on the first page only; 2: the page line everywhere
    s.HeaderType = 1;
    EXPECT_EQ(draw(s, Info(5), true).y, full);
    const int pageLine = draw(s, Info(6), false).y;
    EXPECT_TRUE(PdfLayoutText(pdf).contains("Str. 6"));
    EXPECT_FALSE(PdfLayoutText(pdf).contains("OBLICZENIA"));
    EXPECT_LT(pageLine, full);
    s.HeaderType = 2;
    EXPECT_EQ(draw(s, Info(1), true).y, pageLine);
    s.HeaderType = -4;  // unknown: the full header
    EXPECT_EQ(draw(s, Info(1), false).y, full);
}

TEST_F(HeaderLibrary, TheLogoComesFromItsFileWhenAskedFor)
{
    QImage logo(300, 120, QImage::Format_RGB32);
    logo.fill(QColor(200, 30, 30));
    const std::string logoFile = dir.file("logo firmy.png");
    ASSERT_TRUE(logo.save(QString::fromStdString(logoFile)));

    TPrintingSettings s = DefaultSettings();
    s.LogoPath.set(logoFile);
    draw(s, Info(1), true);
    const std::vector<PdfImage> images = PdfImages(pdf);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].page, 1);
    // scaled to the height of the three header lines, aspect kept
    EXPECT_NEAR(double(images[0].width) / images[0].height, 2.5, 0.05);

    // not asked for, or one that cannot be read: the header without it
    s.DrawLogo = 0;
    draw(s, Info(1), true);
    EXPECT_TRUE(PdfImages(pdf).empty());
    s.DrawLogo = 1;
    s.LogoPath.set(dir.file("nie ma.png"));
    EXPECT_EQ(draw(s, Info(1), true).outcome, THeaderOutcome::Drawn);
    EXPECT_TRUE(PdfImages(pdf).empty());
}

TEST_F(HeaderLibrary, AMissingLibraryOrEntryLeavesThePageAsItWas)
{
    const std::filesystem::path empty = dir.path() / "pusty";
    std::filesystem::create_directories(empty);
    THeaderResult r = draw(DefaultSettings(), Info(1), true, empty.string());
    EXPECT_EQ(r.outcome, THeaderOutcome::LibraryMissing);
    EXPECT_EQ(r.y, printable.Top);
    // looked for under the name the build gives the library
    EXPECT_EQ(r.file, HeaderLibraryFile(empty.string()));
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(ORV_TOPLAGE_DIR) /
                                        std::filesystem::path(r.file).filename()));
    EXPECT_TRUE(PdfWords(pdf).empty());

    // a file of that name that is no library
    WriteFileBytes(r.file, "to nie jest biblioteka");
    EXPECT_EQ(draw(DefaultSettings(), Info(1), true, empty.string()).outcome, THeaderOutcome::LibraryMissing);

    // a library without the entry point
    std::filesystem::copy_file(ORV_NOENTRY_MODULE, r.file, std::filesystem::copy_options::overwrite_existing);
    r = draw(DefaultSettings(), Info(1), true, empty.string());
    EXPECT_EQ(r.outcome, THeaderOutcome::EntryMissing);
    EXPECT_EQ(r.y, printable.Top);
}
