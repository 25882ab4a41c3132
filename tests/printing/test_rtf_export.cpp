// The export of the report to the report editor: the RTF document of the
// current element or of all elements by the range choices, its figures and
// colours, the private folder and the atomic write, the hand-over, and the
// document as LibreOffice reads it.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"
#include "tests/common/WrappedLines.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <cctype>
#include <cstring>
#include <set>
#include <sstream>
#include <vector>

#include "components/Dialogs3.h"
#include "core/Cp1250.h"
#include "core/ProjectSession.h"
#include "core/RtfUtils.h"
#include "core/ZunRtf.h"
#include "core/SettingsStore.h"
#include "drawing/SchemePicture.h"
#include "drawing/ZunPaint.h"
#include "platform/MakerLibrary.h"
#include "printing/WstawDWCalc.h"
#include "tests/core/support/RtfCheck.h"
#include "tests/core/support/TestSupport.h"
#include "tests/printing/support/OpenedUrls.h"
#include "tools/ExampleProjects.h"

using namespace orv;

namespace {

// The first element of each case in the example projects (cases 0, 1, 3
// from the first project, 2, 4, 5 from the second), and the calls made on them.
struct ProjectSource : IElementSource {
    TElementList elements;
    std::vector<int> fetched, calculated;
    int failing = -1; // an index the source does not give

    ProjectSource()
    {
        bool seen[CalcCaseCount] = {};
        for (const TExampleProject& p : BuildExampleProjects())
            for (const TProjectElement& e : p.Elements)
                if (!seen[e.Input.Case]) {
                    seen[e.Input.Case] = true;
                    elements.push_back(e);
                }
    }
    bool GetElementRecord(int i, TProjectElement& e) override
    {
        fetched.push_back(i);
        if (i < 0 || i >= int(elements.size()) || i == failing) return false;
        e = elements[i];
        return true;
    }
    bool CalculateElement(int i, TCalcResults& r) override
    {
        calculated.push_back(i);
        if (i < 0 || i >= int(elements.size())) return false;
        TTraceLines trace;
        r.Error = CalcElement(trace, elements[i].Input, r);
        return true;
    }
};

enum : int { pData, pResults, pFigure, pAssumptions, pAll, pActive, pName };

class RtfExport : public ::testing::Test {
protected:
    void SetUp() override
    {
        orvtest::EnsureApp<QApplication>();
        prev = BindSettingsStore(&store);
        ASSERT_EQ(project.elements.size(), 6u);
        // The current element: the first wall of the first example.
        writer.Header = project.elements[0].Header;
        writer.Count = 6;
        writer.Current = 2;
        writer.Element() = project.elements[0];
        TTraceLines trace;
        writer.Results.Error = CalcElement(trace, writer.Element().Input, writer.Results);
        writer.Source = &project;
        setParts({});
    }
    void TearDown() override
    {
        BindSettingsStore(prev);
        SetMakerLibraryFolder(QString());
    }

    void setParts(std::initializer_list<int> on)
    {
        std::memset(writer.Header.PrintParts, 0, sizeof writer.Header.PrintParts);
        for (int p : on) writer.Header.PrintParts[p] = 1;
    }
    std::vector<std::string> lines()
    {
        writer.PrepareSettings();
        return Lines(writer.BuildReport());
    }
    static std::vector<std::string> Lines(const std::string& doc)
    {
        std::vector<std::string> out;
        std::size_t start = 0;
        for (std::size_t p; (p = doc.find("\r\n", start)) != std::string::npos; start = p + 2)
            out.push_back(doc.substr(start, p - start));
        EXPECT_EQ(start, doc.size()) << "the last line is not ended by CR LF";
        return out;
    }
    // The element's report with a load far above its capacity.
    void overload()
    {
        writer.Element().Input.Nod = 5000.0;
        TTraceLines trace;
        writer.Results.Error = CalcElement(trace, writer.Element().Input, writer.Results);
        ASSERT_EQ(writer.Results.Error, 0);
        ASSERT_TRUE(IsCapacityExceeded(writer.Element().Input, writer.Results));
    }

    MemorySettingsStore store;
    ISettingsStore* prev = nullptr;
    // No real program starts from these tests.
    orvtest::StandInDesktop desktop;
    ProjectSource project;
    TWstawDW4Calc writer;
};

// Pictures of the document, in order: their \pict line and the image.
struct Figure {
    std::string head;
    QImage image;
};

std::vector<Figure> Figures(const std::string& doc)
{
    std::vector<Figure> out;
    for (std::size_t p = 0; (p = doc.find("{\\pict", p)) != std::string::npos;) {
        const std::size_t eol = doc.find("\r\n", p);
        const std::size_t end = doc.find('}', eol);
        Figure f;
        f.head = doc.substr(p, eol - p);
        QByteArray hex;
        for (std::size_t i = eol; i < end; ++i)
            if (std::isxdigit(static_cast<unsigned char>(doc[i]))) hex += doc[i];
        f.image = QImage::fromData(QByteArray::fromHex(hex), "PNG");
        out.push_back(f);
        p = end;
    }
    return out;
}

// The first line holding `part`, -1 when none does.
int LineWith(const std::vector<std::string>& lines, const std::string& part, int from = 0)
{
    for (int i = from; i < int(lines.size()); ++i)
        if (lines[i].find(part) != std::string::npos) return i;
    return -1;
}

const QFile::Permissions Others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                 QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;

std::string Rtf(const char* utf8) { return Cp1250MarkupToRtf(Utf8ToCp1250(utf8)); }

} // namespace

TEST_F(RtfExport, NoSectionChosenLeavesTheHeadTheNameAndTheEnd)
{
    setParts({pName});
    const std::vector<std::string> l = lines();
    ASSERT_EQ(l.size(), 6u);
    EXPECT_EQ(l[0], "{\\rtf1\\ansi\\ansicpg1250\\deff0\\deftab720{\\fonttbl{\\f0\\fnil MS Sans Serif;}"
                    "{\\f1\\froman\\fcharset2 Symbol;}{\\f2\\froman\\fcharset238 Arial;}}");
    EXPECT_EQ(l[1], "{\\colortbl\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red255\\green0\\blue0;}");
    EXPECT_EQ(l[2], "\\deflang1045\\pard\\plain\\f2\\fs20\\cf0 ");
    // "Ściana zewnętrzna osi A": Ś and ę are 0x8C and 0xEA in code page 1250
    EXPECT_EQ(l[3], "\\cf0 \\par {\\f2\\b \\'8cciana zewn\\'eatrzna osi A}{\\f2 }");
    EXPECT_EQ(l[4], "\\par ");
    EXPECT_EQ(l[5], "\\par }");

    setParts({});
    EXPECT_EQ(lines().size(), 4u);
    EXPECT_TRUE(project.fetched.empty()); // the current element is the writer's own
}

TEST_F(RtfExport, TheWordSettingsSetTheFont)
{
    store.writeString(SettingsKey::Maker, "Word", "FontName", "Times New Roman");
    store.writeInteger(SettingsKey::Maker, "Word", "FontSize", 24);
    const std::vector<std::string> l = lines();
    EXPECT_NE(l[0].find("{\\f2\\froman\\fcharset238 Times New Roman;}}"), std::string::npos);
    EXPECT_EQ(l[2], "\\deflang1045\\pard\\plain\\f2\\fs24\\cf0 ");
}

TEST_F(RtfExport, AnElementNameWithTwoAtSignsTakesTwoLines)
{
    setParts({pName});
    writer.Element().Name.set("Ściana@@osi B");
    const std::vector<std::string> l = lines();
    ASSERT_EQ(l.size(), 7u);
    EXPECT_EQ(l[3], "\\cf0 \\par {\\f2\\b \\'8cciana}");
    EXPECT_EQ(l[4], "\\par {\\f2 osi B}{\\f2 }");
    EXPECT_EQ(l[5], "\\par ");
}

TEST_F(RtfExport, SheetLinesSplitAtEveryPairOfAtSignsOnly)
{
    writer.PrepareSettings();
    auto sheet = std::make_unique<TReportSheet>();
    ClearReportLines(1, 2, 3, *sheet);
    sheet->Count = 4;
    // A lone '@' is text, also in front of a pair: the line must end.
    sheet->Line(1).setText("a@b@@c@@d");
    sheet->Line(2).setText("x@@@@y@@");
    sheet->Line(2).X1 = 3;
    sheet->Line(3).setText("{%Bklamra%N}\\");
    sheet->Line(4).setText("");
    sheet->Line(4).Color = clRed;
    std::ostringstream f;
    writer.WriteRtfSheet(f, *sheet, true);
    const std::vector<std::string> l = Lines(f.str());
    ASSERT_EQ(l.size(), 4u);
    EXPECT_EQ(l[0], "\\cf0 {\\f2 a@b} \\tab {\\f2 c} \\tab {\\f2 d}\\par ");
    // empty columns are left out; position 3 is two tabs in
    EXPECT_EQ(l[1], "\\cf0 \\tab \\tab {\\f2 x} \\tab {\\f2 y}\\par ");
    EXPECT_EQ(l[2], "\\cf0 {\\f2 \\{}{\\b klamra}{\\f2 \\}\\\\}\\par ");
    EXPECT_EQ(l[3], "\\cf2 \\tab \\tab " + Rtf("%B(!!!)%N") + "\\par ");
}

TEST_F(RtfExport, SectionsComeInTheirOrderWithTheCasesHeading)
{
    setParts({pData, pAssumptions, pResults, pFigure});
    const std::vector<std::string> l = lines();
    const int data = LineWith(l, Rtf("%BDANE:%N"));
    const int assumptions = LineWith(l, Rtf("%BZAŁOŻENIA OBLICZENIOWE:%N"));
    const int results = LineWith(l, Rtf("%BWYNIKI - ŚCIANA OBCIĄŻONA PIONOWO - model przegubowy"));
    const int figure = LineWith(l, "{\\pict\\pngblip");
    ASSERT_GT(data, 2);
    EXPECT_EQ(l[data], "\\cf0 \\par " + Rtf("%BDANE:%N"));
    EXPECT_LT(data, assumptions);
    EXPECT_LT(assumptions, results);
    EXPECT_LT(results, figure);
    // Two empty paragraphs before the figure, the results sheet after it.
    EXPECT_EQ(l[figure - 1], "\\par ");
    EXPECT_EQ(l[figure - 2], "\\par ");
    EXPECT_GT(LineWith(l, "\\par ", figure + 1), figure);
    // Every sheet line ends its paragraph; the results sheet indents by its positions.
    for (int i = data + 1; i < assumptions; ++i)
        EXPECT_EQ(l[i].substr(l[i].size() - 5), "\\par ") << l[i];
    EXPECT_GE(LineWith(l, "\\cf1 \\tab ", figure), 0);
    EXPECT_EQ(l.back(), "\\par }");

    const orvtest::RtfDocument doc = orvtest::ParseRtf(writer.BuildReport());
    ASSERT_TRUE(doc.ok) << doc.error;
    EXPECT_NE(doc.text.find("DANE:"), std::string::npos);
    EXPECT_NE(doc.text.find("WYNIKI - ŚCIANA OBCIĄŻONA PIONOWO - model przegubowy"), std::string::npos);
}

TEST_F(RtfExport, ExceededConditionsAreRedAndMarked)
{
    overload();
    setParts({pResults});
    std::vector<std::string> l = lines();
    const std::string marker = "\\tab \\tab " + Rtf("%B(!!!)%N") + "\\par ";
    int marked = LineWith(l, marker);
    ASSERT_GE(marked, 0);
    EXPECT_EQ(l[marked].substr(0, 5), "\\cf2 ");

    // Without colour the line is black but still marked.
    store.writeBool(SettingsKey::Maker, "Word", "ColorPrinting", false);
    l = lines();
    marked = LineWith(l, marker);
    ASSERT_GE(marked, 0);
    EXPECT_EQ(l[marked].substr(0, 5), "\\cf0 ");
    EXPECT_EQ(LineWith(l, "\\cf2 "), -1);
    EXPECT_EQ(LineWith(l, "\\cf1 "), -1);
}

TEST_F(RtfExport, AllElementsInTheirOrderThenTheCurrentOneCalculatedAgain)
{
    setParts({pAll, pName, pResults, pFigure});
    const std::string doc = (writer.PrepareSettings(), writer.BuildReport());
    const std::vector<std::string> l = Lines(doc);
    EXPECT_EQ(project.fetched, (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(project.calculated, (std::vector<int>{0, 1, 2, 3, 4, 5, 2}));
    int at = 0;
    for (int i = 0; i < 6; ++i) {
        const std::string name = "\\cf0 \\par " + Cp1250MarkupToRtf("%B" + project.elements[i].Name.raw() + "%N");
        const int found = LineWith(l, name, at);
        ASSERT_GT(found, at) << i;
        // a paragraph between elements
        if (i > 0) {
            EXPECT_EQ(l[found - 1], "\\par ");
        }
        at = found;
    }
    // One figure per element, in the cases' order of the project: 0 1 3 2 4 5.
    const std::vector<Figure> figures = Figures(doc);
    ASSERT_EQ(figures.size(), 6u);
    for (const Figure& f : figures) EXPECT_FALSE(f.image.isNull()) << f.head;
    // A wall of 10 x 8 cm: 10000 x 8000 hundredths of a millimetre,
    // 10000 x 0.5669 = 5669 and 8000 x 0.5669 = 4536 twips, and at 200 dpi
    // 100 / 25.4 x 200 = 787 by 630 pixels.
    EXPECT_EQ(figures[0].head, "{\\pict\\pngblip\\picw10000\\pich8000\\picwgoal5669\\pichgoal4536");
    EXPECT_EQ(figures[0].image.size(), QSize(787, 630));

    // An element the source does not give is left out.
    project.fetched.clear();
    project.failing = 3;
    const std::string without = writer.BuildReport();
    EXPECT_EQ(Figures(without).size(), 5u);
    EXPECT_EQ(without.find(Cp1250MarkupToRtf("%B" + project.elements[3].Name.raw() + "%N")), std::string::npos);
}

TEST_F(RtfExport, FiguresFollowTheColourChoices)
{
    setParts({pAll, pFigure});
    auto gray = [this] {
        std::vector<bool> out;
        writer.PrepareSettings();
        for (const Figure& f : Figures(writer.BuildReport())) out.push_back(f.image.allGray());
        return out;
    };
    // project order of the cases: 0, 1, 3, 2, 4, 5
    EXPECT_EQ(gray(), (std::vector<bool>{false, false, false, false, false, false}));
    // The colours come through exactly: the masonry fill of the hinged wall
    // is "M_Wypelnienie", 0x000080 (red 128, green 0, blue 0).
    const QImage wall = Figures(writer.BuildReport())[0].image.convertToFormat(QImage::Format_RGB32);
    int fill = 0;
    for (int y = 0; y < wall.height(); ++y)
        for (int x = 0; x < wall.width(); ++x) fill += wall.pixel(x, y) == qRgb(128, 0, 0);
    EXPECT_GT(fill, 1000);
    store.writeBool(SettingsKey::Maker, "Word", "MonochromePicutre", true);
    // black and white, but for the horizontal wall which keeps the text colours
    EXPECT_EQ(gray(), (std::vector<bool>{true, true, true, false, true, true}));
    store.writeBool(SettingsKey::Maker, "Word", "ColorPrinting", false);
    EXPECT_EQ(gray(), (std::vector<bool>{true, true, true, true, true, true}));
}

TEST_F(RtfExport, AFigureIsStoredPixelForPixelInTheRtfAndInAPalette)
{
    setParts({pFigure});
    ASSERT_EQ(writer.Element().Input.Case, 0);
    // in colour (a handful of colours: 4 bits a pixel) and in black and
    // white (fewer: 1 or 2 bits), every pixel as drawn
    for (bool monochrome : {false, true}) {
        store.writeBool(SettingsKey::Maker, "Word", "MonochromePicutre", monochrome);
        writer.PrepareSettings();
        const std::string doc = writer.BuildReport();
        const std::vector<Figure> f = Figures(doc);
        ASSERT_EQ(f.size(), 1u);
        ASSERT_FALSE(f[0].image.isNull());
        TSchemePicture pic;
        DrawHingedWallMetafile(pic, writer.Element().Input, writer.Results, writer.Header.FigureSize[0],
                               writer.Header.FigureSize[1], false, writer.PictureColors);
        const QImage drawn = SchemePictureToImage(pic, f[0].image.size());
        EXPECT_TRUE(f[0].image.convertToFormat(QImage::Format_RGB32) == drawn) << monochrome;
        EXPECT_EQ(f[0].image.allGray(), monochrome);

        // 39 bytes a line in hex, the picture closed on its last line
        const std::size_t start = doc.find("\r\n", doc.find("{\\pict")) + 2;
        const std::size_t end = doc.find('}', start);
        const std::vector<std::string> hex = Lines(doc.substr(start, doc.find("\r\n", end) + 2 - start));
        ASSERT_GT(hex.size(), 2u);
        for (std::size_t i = 0; i + 1 < hex.size(); ++i) EXPECT_EQ(hex[i].size(), 78u) << i;
        EXPECT_LE(hex.back().size(), 79u);
        EXPECT_EQ(hex.back().back(), '}');
    }
}

// Eight pixels go into a word at a time: every width, whatever is left
// over after the last eight, comes back pixel for pixel.
TEST_F(RtfExport, FiguresOfEveryWidthAreStoredPixelForPixel)
{
    setParts({pFigure});
    std::set<int> leftOver;
    for (int step = 0; step < 12; ++step) {
        writer.Header.FigureSize[0] = 6.0 + 0.0127 * step;  // a pixel wider each step at 200 dpi
        writer.PrepareSettings();
        const std::vector<Figure> f = Figures(writer.BuildReport());
        ASSERT_EQ(f.size(), 1u) << step;
        TSchemePicture pic;
        DrawHingedWallMetafile(pic, writer.Element().Input, writer.Results, writer.Header.FigureSize[0],
                               writer.Header.FigureSize[1], false, writer.PictureColors);
        EXPECT_TRUE(f[0].image.convertToFormat(QImage::Format_RGB32) ==
                    SchemePictureToImage(pic, f[0].image.size()))
            << f[0].image.width();
        leftOver.insert(f[0].image.width() % 8);
    }
    EXPECT_EQ(leftOver.size(), 8u);
}

TEST_F(RtfExport, FigureSizesComeFromTheHeader)
{
    setParts({pFigure});
    writer.Header.FigureSize[0] = 15.0;
    writer.Header.FigureSize[1] = 5.0;
    writer.PrepareSettings();
    std::vector<Figure> f = Figures(writer.BuildReport());
    ASSERT_EQ(f.size(), 1u);
    // 15 x 5 cm: 15000 x 5000, 8504 x 2835 twips, 1181 x 394 pixels
    EXPECT_EQ(f[0].head, "{\\pict\\pngblip\\picw15000\\pich5000\\picwgoal8504\\pichgoal2835");
    EXPECT_EQ(f[0].image.size(), QSize(1181, 394));

    // A size no figure can have leaves the figure out, nothing else.
    writer.Header.FigureSize[0] = std::nan("");
    f = Figures(writer.BuildReport());
    EXPECT_TRUE(f.empty());
    writer.Header.FigureSize[0] = 0.0;
    EXPECT_TRUE(Figures(writer.BuildReport()).empty());
}

TEST_F(RtfExport, AnUnknownCaseGetsNeitherHeadingNorFigure)
{
    setParts({pResults, pFigure});
    writer.Element().Input.Case = 9;
    const std::vector<std::string> l = lines();
    EXPECT_EQ(LineWith(l, "WYNIKI"), -1);
    EXPECT_EQ(LineWith(l, "{\\pict"), -1);
    EXPECT_EQ(l.back(), "\\par }");
}

TEST_F(RtfExport, TheSessionLendsItsElements)
{
    ProjectSession session;
    session.addElement("Słup S1", "", ccColumn);
    SessionElementSource source(session);
    auto e = std::make_unique<TProjectElement>();
    ASSERT_TRUE(source.GetElementRecord(1, *e));
    EXPECT_EQ(e->Name.str(), "Słup S1");
    EXPECT_EQ(e->Input.Case, ccColumn);
    EXPECT_FALSE(source.GetElementRecord(2, *e));
    TCalcResults r, expected;
    ASSERT_TRUE(source.CalculateElement(1, r));
    TTraceLines trace;
    expected.Error = CalcElement(trace, session.element(1).Input, expected);
    EXPECT_EQ(r.Error, expected.Error);
    EXPECT_EQ(r.A, expected.A);
    EXPECT_FALSE(source.CalculateElement(-1, r));
}

// --- the file and its hand-over -----------------------------------------------------------

TEST_F(RtfExport, TheFileGoesIntoAPrivateFolderAndToTheEditor)
{
    QTemporaryDir tmp;
    orvtest::OpenedUrls opened;
    SetMakerLibraryFolder(QStringLiteral(ORV_BUILD_DIR));
    orvtest::MessageRecorder messages;
    setParts({pName, pData, pResults, pFigure});

    writer.ExportFolder = tmp.path() + "/dane użytkownika/raport";
    const QString file = writer.BitBtn1Click();
    EXPECT_EQ(file, writer.ExportFolder + "/zun.rtf");
    const QFileInfo folder(writer.ExportFolder);
    EXPECT_TRUE(folder.isDir());
    EXPECT_TRUE(folder.permissions().testFlags(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    EXPECT_EQ(folder.permissions() & Others, QFile::Permissions());
    EXPECT_EQ(orvtest::ReadFileBytes(file.toStdString()), writer.BuildReport());
    ASSERT_EQ(opened.urls.size(), 1);
    EXPECT_EQ(opened.urls[0], QUrl::fromLocalFile(file));
    EXPECT_TRUE(messages.messages.empty());

    // Written again: replaced whole, nothing else left in the folder.
    setParts({});
    writer.BitBtn1Click();
    EXPECT_EQ(orvtest::ReadFileBytes(file.toStdString()), writer.BuildReport());
    EXPECT_EQ(QDir(writer.ExportFolder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{"zun.rtf"});
}

TEST_F(RtfExport, AFileThatCannotBeWrittenIsNotHandedOver)
{
    QTemporaryDir tmp;
    orvtest::OpenedUrls opened;
    SetMakerLibraryFolder(QStringLiteral(ORV_BUILD_DIR));
    orvtest::MessageRecorder messages;

    // a folder below an ordinary file cannot be made
    orvtest::WriteFileBytes((tmp.path() + "/plik").toStdString(), "x");
    writer.ExportFolder = tmp.path() + "/plik/raport";
    EXPECT_TRUE(writer.BitBtn1Click().isEmpty());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Błąd zapisu pliku!");
    EXPECT_EQ(messages.messages[0].text, (writer.ExportFolder + "/zun.rtf").toStdString());
    EXPECT_EQ(messages.messages[0].type, mdError);

    // a report file that is a folder cannot be replaced
    writer.ExportFolder = tmp.path() + "/raport";
    ASSERT_TRUE(QDir().mkpath(writer.ExportFolder + "/zun.rtf"));
    EXPECT_TRUE(writer.BitBtn1Click().isEmpty());
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[1].headline, "Błąd zapisu pliku!");
    EXPECT_TRUE(QFileInfo(writer.ExportFolder + "/zun.rtf").isDir());
    EXPECT_EQ(QDir(writer.ExportFolder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{"zun.rtf"});
    EXPECT_TRUE(opened.urls.isEmpty());
}

TEST_F(RtfExport, WithoutADesktopProgramForRtfWriterOrAMessageTakesOver)
{
    QTemporaryDir tmp;
    orvtest::OpenedUrls opened;
    SetMakerLibraryFolder(QStringLiteral(ORV_BUILD_DIR));
    orvtest::MessageRecorder messages;
    writer.ExportFolder = tmp.path() + "/orvandel-home-s2/.local/share/Orvandel/raport";
    opened.desktop.handlesEveryType = false;

    // Only the second name of LibreOffice on PATH.
    opened.desktop.programs = {{"soffice", "/opt/lo/program/soffice"}};
    const QString file = writer.BitBtn1Click();
    EXPECT_EQ(opened.desktop.started, (QList<QStringList>{{"/opt/lo/program/soffice", "--writer", file}}));
    EXPECT_TRUE(opened.urls.isEmpty());
    EXPECT_TRUE(messages.messages.empty());

    // Writer on PATH that does not start: the box names the file.
    opened.desktop.programsStart = false;
    writer.BitBtn1Click();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Nie znaleziono edytora plików RTF!");
    EXPECT_EQ(messages.messages[0].text, "Raport zapisano w pliku: " + file.toStdString());
    EXPECT_EQ(messages.messages[0].type, mdInformation);
    EXPECT_EQ(messages.messages[0].buttons, mbOK);
    EXPECT_TRUE(opened.urls.isEmpty());
    // the box 220 pixels wide wraps the path after a "/" only, never after
    // a "-" of a folder's name
    const TMessageForm box(QString::fromStdString(messages.messages[0].headline),
                           QString::fromStdString(messages.messages[0].text), mdInformation, mbOK);
    const QLabel* label = box.findChild<QLabel*>("Message");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(orvtest::VisibleText(label->text()), "Raport zapisano w pliku: " + file);
    const QStringList lines = orvtest::WrappedLines(label->text(), label->font(), 220);
    ASSERT_GT(lines.size(), 2);
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const QString line = orvtest::VisibleText(lines[i]);
        EXPECT_TRUE(line.endsWith(QLatin1Char(' ')) || line.endsWith(QLatin1Char('/'))) << line.toStdString();
    }

    // The desktop has one again: it gets the file, nothing else starts.
    opened.desktop.handlesEveryType = true;
    opened.desktop.programsStart = true;
    writer.BitBtn1Click();
    EXPECT_EQ(opened.urls, QList<QUrl>{QUrl::fromLocalFile(file)});
    EXPECT_EQ(opened.desktop.started.size(), 1);
    EXPECT_EQ(messages.messages.size(), 1u);
}

TEST_F(RtfExport, WithoutTheEditorLibraryWriterStillOpensAReportNoDesktopProgramTakes)
{
    QTemporaryDir tmp, empty;
    SetMakerLibraryFolder(empty.path());
    orvtest::MessageRecorder messages;
    desktop.handlesEveryType = false;
    desktop.programs = {{"libreoffice", "/usr/bin/libreoffice"}};
    writer.ExportFolder = tmp.path() + "/raport";
    const QString file = writer.BitBtn1Click();
    EXPECT_EQ(desktop.started, (QList<QStringList>{{"/usr/bin/libreoffice", "--writer", file}}));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(RtfExport, WithoutTheEditorLibraryTheFileIsStillWritten)
{
    QTemporaryDir tmp, empty;
    SetMakerLibraryFolder(empty.path());
    orvtest::MessageRecorder messages;
    writer.ExportFolder = tmp.path() + "/raport";
    const QString file = writer.BitBtn1Click();
    EXPECT_TRUE(QFileInfo(file).isFile());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Nie można uruchomić tej funkcji!");
}

TEST(PrivateFolder, OwnerOnlyNeverALinkNeverTheSharedTemporaryFolder)
{
    orvtest::EnsureApp<QApplication>();
    QTemporaryDir tmp;
    // an open folder is closed to others
    const QString open = tmp.path() + "/otwarty";
    ASSERT_TRUE(QDir().mkdir(open));
    QFile::setPermissions(open, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                                    QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
    EXPECT_TRUE(MakePrivateFolder(open));
    EXPECT_EQ(QFileInfo(open).permissions() & Others, QFile::Permissions());
    // a link is refused, even to a folder of ours
    const QString link = tmp.path() + "/link";
    ASSERT_TRUE(QFile::link(open, link));
    EXPECT_FALSE(MakePrivateFolder(link));
    // so is a file, and nothing at all
    orvtest::WriteFileBytes((tmp.path() + "/plik").toStdString(), "x");
    EXPECT_FALSE(MakePrivateFolder(tmp.path() + "/plik"));
    EXPECT_FALSE(MakePrivateFolder(QString()));

    QStandardPaths::setTestModeEnabled(true);
    const QString folder = RtfExportFolder();
    EXPECT_EQ(folder, QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/raport");
    EXPECT_FALSE(folder.startsWith(QDir::tempPath()));
    QStandardPaths::setTestModeEnabled(false);
}

// --- the document in LibreOffice ------------------------------------------------------------

TEST_F(RtfExport, LibreOfficeKeepsParagraphsPolishLettersAndFigures)
{
    overload();
    setParts({pAll, pName, pData, pAssumptions, pResults, pFigure});
    project.elements[0] = writer.Element();
    QTemporaryDir tmp;
    writer.ExportFolder = tmp.path() + "/raport";
    SetMakerLibraryFolder(tmp.path()); // no editor library: only the file is wanted
    orvtest::MessageRecorder messages;
    const QString rtf = writer.BitBtn1Click();
    ASSERT_FALSE(rtf.isEmpty());

    auto convert = [&](const QString& to) {
        QProcess soffice;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", tmp.path());
        soffice.setProcessEnvironment(env);
        soffice.start("soffice", {"--headless", "--norestore",
                                  "-env:UserInstallation=" + QUrl::fromLocalFile(tmp.path() + "/lo").toString(),
                                  "--convert-to", to, "--outdir", tmp.path(), rtf});
        EXPECT_TRUE(soffice.waitForFinished(180000)) << soffice.errorString().toStdString();
        EXPECT_EQ(soffice.exitCode(), 0) << soffice.readAllStandardError().toStdString();
    };
    convert("txt:Text (encoded):UTF8");
    QFile txt(tmp.path() + "/zun.txt");
    ASSERT_TRUE(txt.open(QIODevice::ReadOnly));
    const QStringList text = QString::fromUtf8(txt.readAll()).split(QRegularExpression("\r?\n"));
    // Element names, section headings and results headings are paragraphs
    // of their own.
    for (const TProjectElement& e : project.elements)
        EXPECT_EQ(text.count(QString::fromStdString(e.Name.str())), 1) << e.Name.str();
    for (const char* heading : {"WYNIKI - ŚCIANA OBCIĄŻONA PIONOWO - model przegubowy (wg PN-B-03002:2007):",
                                "WYNIKI - ŚCIANA OBCIĄŻONA PIONOWO - model ciągły (wg PN-B-03002:2007):",
                                "WYNIKI - ŚCIANA OBCIĄŻONA POZIOMO (wg PN-B-03002:2007):",
                                "WYNIKI - ŚCIANA OBCIĄŻONA SIŁĄ SKUPIONĄ (wg PN-B-03002:2007):",
                                "WYNIKI - ŚCIANA PIWNIC (wg PN-B-03002:2007):",
                                "WYNIKI - SŁUP (wg PN-B-03002:2007):"})
        EXPECT_EQ(text.count(QString::fromUtf8(heading)), 1) << heading;
    EXPECT_EQ(text.count(QStringLiteral("DANE:")), 6);
    EXPECT_EQ(text.count(QStringLiteral("ZAŁOŻENIA OBLICZENIOWE:")), 6);
    EXPECT_EQ(text.filter(QRegularExpression("^Materiał:")).size(), 6);
    EXPECT_EQ(text.filter(QRegularExpression("^Sytuacja obliczeniowa:")).size(), 6);
    // The Symbol runs come out as their Greek letters and arrows.
    const QString all = text.join(QLatin1Char('\n'));
    for (const char32_t c : {U'Φ', U'ρ', U'γ', U'β', U'→'})
        EXPECT_TRUE(all.contains(QString::fromUcs4(&c, 1))) << std::uint32_t(c);
    EXPECT_FALSE(all.contains(QStringLiteral("%S")));
    // a value and its unit joined by the editor's own no-break space
    EXPECT_TRUE(text.contains(QString::fromUtf8("Grubość ściany  \t t = 25,0\u00a0cm")));
    EXPECT_GE(text.filter(QRegularExpression("\\(!!!\\)$")).size(), 1);
    EXPECT_GT(text.size(), 200);

    convert("pdf");
    QProcess images;
    images.start("pdfimages", {"-list", tmp.path() + "/zun.pdf"});
    ASSERT_TRUE(images.waitForFinished(60000));
    QStringList rows = QString::fromUtf8(images.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    ASSERT_GE(rows.size(), 2);
    rows.erase(rows.begin(), rows.begin() + 2); // the column heads and their rule
    EXPECT_EQ(rows.size(), 6) << rows.join('\n').toStdString();
}


// A figure's PNG decodes to its pixels, for runs of one colour starting and
// ending on every part of a byte, runs shorter and longer than a byte holds
// and rows of every width up to five bytes of pixels at one bit, in as few
// bits a pixel as its colours need; past 256 colours it still comes back
// pixel for pixel.
TEST(RtfFigurePng, EveryPixelComesBackAtTheDepthItsColoursNeed)
{
    for (int colours : {1, 2, 3, 4, 5, 9, 16, 17, 40, 300}) {
        for (int longest : {4, 13, 37}) {
            for (int width = 1; width <= 40; ++width) {
                QImage image(width, 5, QImage::Format_RGB32);
                std::set<QRgb> used;
                int n = 0;
                for (int y = 0; y < image.height(); ++y) {
                    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
                    // runs of 1, 2, 3 ... pixels, a new colour each, across the rows
                    for (int x = 0, run = 1 + y; x < width; run = run % longest + 1, ++n)
                        for (int i = 0; i < run && x < width; ++i, ++x) {
                            row[x] = qRgb(n % colours * 7 % 256, n % colours / 37 * 50, 90);
                            used.insert(row[x]);
                        }
                }
                const QByteArray png = RtfFigurePng(image);
                const QImage back = QImage::fromData(png, "PNG");
                ASSERT_FALSE(back.isNull()) << colours << " " << width;
                EXPECT_TRUE(back.convertToFormat(QImage::Format_RGB32) == image) << colours << " " << width;
                if (used.size() > 256) continue;
                const std::size_t k = used.size();
                const int depth = k <= 2 ? 1 : k <= 4 ? 2 : k <= 16 ? 4 : 8;
                EXPECT_EQ(int(png.at(24)), depth) << colours << " " << width;  // IHDR's bit depth
                EXPECT_EQ(int(png.at(25)), 3) << colours << " " << width;      // in a palette
            }
        }
    }
}

TEST(RtfFigurePng, AWhiteFigureIsOneColourAtOneBitAPixel)
{
    QImage image(33, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QByteArray png = RtfFigurePng(image);
    EXPECT_EQ(int(png.at(24)), 1);
    // the palette chunk after the header holds one colour, white
    ASSERT_GT(png.size(), 44);
    EXPECT_EQ(png.mid(33, 8), QByteArray("\0\0\0\x03PLTE", 8));
    EXPECT_EQ(png.mid(41, 3), QByteArray("\xff\xff\xff", 3));
    const QImage back = QImage::fromData(png, "PNG");
    EXPECT_TRUE(back.convertToFormat(QImage::Format_RGB32) == image);
}
