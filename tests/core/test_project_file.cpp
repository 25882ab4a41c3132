#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <csignal>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <future>
#include <random>
#include <fcntl.h>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/MessageService.h"
#include "core/Cp1250.h"
#include "core/ZunFiles.h"
#include "tests/core/support/TestSupport.h"
#include "core/ZunProject.h"
#include "core/RecordStorage.h"

using namespace orv;
namespace fs = std::filesystem;

namespace {

struct MessageRecorder : IMessageService {
    std::vector<std::pair<std::string, std::string>> shown;
    int showMessageDialog(const std::string& h, const std::string& t, unsigned char, unsigned, int) override
    {
        shown.emplace_back(h, t);
        return mrOk;
    }
    int messageDlg3(const std::string&, unsigned char, unsigned, int) override { return mrOk; }
};

// Packed fields are compared through a copy, never by reference.
template <typename T>
T v(T x)
{
    return x;
}

template <typename T>
void put(std::string& buf, std::size_t offset, T value)
{
    std::memcpy(buf.data() + offset, &value, sizeof value);
}

void putShort(std::string& buf, std::size_t offset, const std::string& utf8)
{
    const std::string cp1250 = Utf8ToCp1250(utf8);
    buf[offset] = static_cast<char>(cp1250.size());
    std::memcpy(buf.data() + offset + 1, cp1250.data(), cp1250.size());
}

void putFixedText(std::string& buf, std::size_t offset, const std::string& text)
{
    put<i32>(buf, offset, static_cast<i32>(text.size()));
    std::memset(buf.data() + offset + 4, ' ', 512);
    std::memcpy(buf.data() + offset + 4, text.data(), text.size());
}

std::string bytesOf(const TProjectElement& e)
{
    return std::string(reinterpret_cast<const char*>(&e), sizeof e);
}

TProjectElement makeElement(int k)
{
    TProjectElement e;
    std::memset(&e, 0, sizeof e);
    InitElementRecord(e.Input);
    InitProjectHeader("Jan Kowalski", e.Header);
    InitLoadCompilation(e.Loads);
    e.Name.set("Element " + std::to_string(k + 1));
    e.Description.set("Ściana zewnętrzna, oś " + std::to_string(k));
    e.Input.Case = static_cast<u8>(k % CalcCaseCount);
    e.Input.t = 25.0 + k;
    e.Input.h = 280.5;
    e.Input.LiczbaOkien = k % 6;
    e.Loads.StoreyCount = 1 + k % 10;
    for (int i = 0; i < 10; ++i) e.Header.FigureSize[i] = 10.0 + i;
    return e;
}

std::string readFile(const fs::path& p)
{
    std::string data;
    EXPECT_TRUE(ReadWholeFile(p.string(), data));
    return data;
}

// An old-version record laid out by hand from the stored offsets: version
// text, count, current index, name at +12, input at +272, header after it.
struct OldRecord {
    std::string buf;
    std::size_t headerAt;
    OldRecord(int version, std::size_t size, std::size_t inputSize, i32 count, i32 current,
              const std::string& name)
        : buf(size, '\0'), headerAt(272 + inputSize)
    {
        const std::string v = "01." + std::to_string(version % 10);
        std::memcpy(buf.data(), v.data(), 4);
        put<i32>(buf, 4, count);
        put<i32>(buf, 8, current);
        putShort(buf, 12, name);
        std::memset(buf.data() + 268, 0x5A, 4); // old reserved bytes are not carried over
        // header: page numbering, author, comment place, print parts
        put<u16>(buf, headerAt + 80, 3);
        put<u16>(buf, headerAt + 82, 40);
        putShort(buf, headerAt + 84, "Autor");
        buf[headerAt + 1108] = 2;
        for (int i = 0; i < 8; ++i) buf[headerAt + 1109 + i] = 0;
        put<f64>(buf, headerAt + 0, 12.5);
    }
    template <typename T>
    void in(std::size_t offset, T value) { put<T>(buf, 272 + offset, value); }
    void inText(std::size_t offset, const std::string& t) { putFixedText(buf, 272 + offset, t); }
};

class ProjectFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous = BindMessageService(&messages);
        keepElements.assign(1, makeElement(7));
        keepElements[0].Name.set("Dotychczasowy");
        keepComments = {"stary komentarz"};
    }
    void TearDown() override
    {
        BindMessageService(previous);
    }
    std::string path(const std::string& name) const { return (dir / name).string(); }

    // Reads into the caller's sentinel project; when refused, it must be untouched.
    bool readIntoSentinel(const std::string& file, TElementList& els,
                          std::vector<std::string>& com)
    {
        els = keepElements;
        com = keepComments;
        const bool ok = ReadProjectFile(com, file, els);
        if (!ok) {
            EXPECT_EQ(els.size(), 1u);
            if (els.size() == 1) {
                EXPECT_EQ(bytesOf(els[0]), bytesOf(keepElements[0]));
            }
            EXPECT_EQ(com, keepComments);
        }
        return ok;
    }

    orvtest::ScratchDir scratch;
    const fs::path& dir = scratch.path();
    MessageRecorder messages;
    IMessageService* previous = nullptr;
    TElementList keepElements;
    std::vector<std::string> keepComments;
};

TElementList threeElements()
{
    return {makeElement(0), makeElement(1), makeElement(2)};
}

} // namespace

TEST_F(ProjectFile, ThreeElementsWithTwoCommentLinesRoundTripByteForByte)
{
    auto els = threeElements();
    const std::vector<std::string> comments = {"a", "b"};
    ASSERT_TRUE(WriteProjectFile(comments, path("p.clcm"), els, 3, 1));

    // The writer marks element 0 with the version, the count and the current index.
    EXPECT_EQ(std::string(els[0].Version, 4), "01.3");
    EXPECT_EQ(v(els[0].Count), 3);
    EXPECT_EQ(v(els[0].Current), 1);

    // 3 x 55,408 + "a" CR LF "b" = 166,228 bytes
    const std::string file = readFile(path("p.clcm"));
    ASSERT_EQ(file.size(), 166228u);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(file.substr(i * sizeof(TProjectElement), sizeof(TProjectElement)), bytesOf(els[i]));
    EXPECT_EQ(file.substr(166224), "a\r\nb");
    EXPECT_EQ(ProjectFileVersion(path("p.clcm")), 13);

    TElementList back;
    std::vector<std::string> backComments = {"zostanie zastąpiony"};
    ASSERT_TRUE(ReadProjectFile(backComments, path("p.clcm"), back));
    ASSERT_EQ(back.size(), 3u);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(bytesOf(back[i]), bytesOf(els[i])) << "element " << i;
    EXPECT_EQ(backComments, comments);

    // Saved again it is the same file.
    ASSERT_TRUE(WriteProjectFile(backComments, path("q.clcm"), back, 3, back[0].Current));
    EXPECT_EQ(readFile(path("q.clcm")), file);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ProjectFile, CommentTextRules)
{
    auto els = threeElements();
    // Polish letters travel as Windows-1250 bytes.
    ASSERT_TRUE(WriteProjectFile({"Zażółć gęślą jaźń", ""}, path("p.clcm"), els, 1, 0));
    std::string file = readFile(path("p.clcm"));
    EXPECT_EQ(file.size(), sizeof(TProjectElement) + 17 + 2);
    EXPECT_EQ(file.substr(sizeof(TProjectElement), 3), "Za\xBF");

    std::vector<std::string> lines;
    LoadLinesFromOffset(lines, path("p.clcm"), sizeof(TProjectElement));
    EXPECT_EQ(lines, (std::vector<std::string>{"Zażółć gęślą jaźń", ""}));

    // No comment lines, no bytes; reading such a file gives one empty line.
    ASSERT_TRUE(WriteProjectFile({}, path("p.clcm"), els, 1, 0));
    EXPECT_EQ(readFile(path("p.clcm")).size(), sizeof(TProjectElement));
    TElementList back;
    std::vector<std::string> com;
    ASSERT_TRUE(ReadProjectFile(com, path("p.clcm"), back));
    EXPECT_EQ(com, std::vector<std::string>{""});

    // Every CR ends a line and swallows the next byte, whatever it is;
    // a lone LF is an ordinary character.
    EXPECT_EQ(SplitCommentText("a\r\n", 3), (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(SplitCommentText("a\rXb\r", 5), (std::vector<std::string>{"a", "b", ""}));
    EXPECT_EQ(SplitCommentText("a\nb", 3), std::vector<std::string>{"a\nb"});
    EXPECT_EQ(SplitCommentText("\r\n\r\nx", 5), (std::vector<std::string>{"", "", "x"}));

    // Offset past the end, or no such file.
    LoadLinesFromOffset(lines, path("p.clcm"), 1u << 20);
    EXPECT_EQ(lines, std::vector<std::string>{""});
    LoadLinesFromOffset(lines, path("brak.clcm"), 0);
    EXPECT_TRUE(lines.empty());
}

TEST_F(ProjectFile, VersionTextAndRefusedFiles)
{
    orvtest::WriteFileBytes(dir / "v.clcm", "1.30" + std::string(sizeof(TProjectElement), '\0'));
    orvtest::WriteFileBytes(dir / "short.clcm", "01.");
    orvtest::WriteFileBytes(dir / "empty.clcm", "");
    orvtest::WriteFileBytes(dir / "v14.clcm", "01.4" + std::string(sizeof(TProjectElement), '\0'));
    EXPECT_EQ(ProjectFileVersion(path("v.clcm")), -1);
    EXPECT_EQ(ProjectFileVersion(path("short.clcm")), -1);
    EXPECT_EQ(ProjectFileVersion(path("v14.clcm")), 14);
    EXPECT_EQ(ProjectFileVersion(path("brak.clcm")), -1);

    TElementList els;
    std::vector<std::string> com;
    for (const char* name : {"v.clcm", "short.clcm", "empty.clcm", "v14.clcm"}) {
        messages.shown.clear();
        EXPECT_FALSE(readIntoSentinel(path(name), els, com)) << name;
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(v(messages.shown[0].first), "Błąd odczytu pliku!");
        EXPECT_EQ(v(messages.shown[0].second),
                  "Plik " + std::string(name) + " nie jest plikiem utworzonym przez ten program!");
    }
    messages.shown.clear();
    EXPECT_FALSE(readIntoSentinel(path("brak.clcm"), els, com));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(v(messages.shown[0]), std::make_pair(std::string("Brak pliku!"), std::string("brak.clcm")));
}

TEST_F(ProjectFile, Version12RecordsConvert)
{
    // Record 0: pressure wind 1.5 kN/m in `wd`; record 1: suction -1.5 kN/m.
    OldRecord r0(12, 18168, 16776, 2, 1, "Ściana A");
    r0.in<u8>(0, 2);            // case 2
    r0.in<f64>(8, 38.0);        // t
    r0.in<f64>(32, 250.0);      // l
    r0.in<f64>(96, 1.5);        // wd
    for (int k = 0; k < 4; ++k) r0.inText(113 + 516 * k, "wiatr " + std::to_string(k));
    r0.in<u8>(2216, 0);         // WindTableFlag
    for (int k = 0; k < 4; ++k) r0.in<u8>(10280 + k, 1); // old WindFlags
    r0.in<f64>(10272, 99.0);    // whatever lay on wd2
    r0.in<u32>(2520, 4);        // RodzajElementuM
    r0.in<i32>(14440, 6);       // ElementE2 kind (within version 12)
    putShort(r0.buf, 272 + 15016 + 163, "Strop Teriva"); // first slab name
    r0.buf[r0.headerAt + 1115] = 0;

    OldRecord r1(12, 18168, 16776, 0, 0, "Ściana B");
    r1.in<f64>(96, -1.5);
    r1.in<u8>(2216, 0);
    r1.in<u8>(10281, 1);
    r1.in<f64>(10272, 99.0);

    orvtest::WriteFileBytes(dir / "v12.clcm", r0.buf + r1.buf + "uwagi\r\nkoniec");
    TElementList els;
    std::vector<std::string> com;
    ASSERT_TRUE(ReadProjectFile(com, path("v12.clcm"), els));
    ASSERT_EQ(els.size(), 2u);
    EXPECT_EQ(com, (std::vector<std::string>{"uwagi", "koniec"}));

    const TProjectElement& a = els[0];
    EXPECT_EQ(v(a.Count), 2);
    EXPECT_EQ(v(a.Current), 1);
    EXPECT_EQ(a.Name.str(), "Ściana A");
    EXPECT_EQ(v(a.Description.Len), 0);
    EXPECT_EQ(std::string(a.Version, 4), std::string(4, '\0'));
    EXPECT_EQ(v(a.Reserved1[0]), 0);
    EXPECT_EQ(v(a.Input.Case), 2);
    EXPECT_EQ(v(a.Input.t), 38.0);
    EXPECT_EQ(v(a.Input.l), 250.0);
    EXPECT_EQ(v(a.Input.wd), 0.0);
    EXPECT_EQ(v(a.Input.wd2), 1.5);
    EXPECT_EQ(v(a.Input.RodzajElementuM), 4u);
    EXPECT_EQ(v(a.Input.ElementE2.RodzajElementu), 6);
    EXPECT_EQ(a.Input.Stropy[0].Nazwa.str(), "Strop Teriva");
    // pressure texts: old texts 0, 3, 1, 2
    EXPECT_EQ(FixedTextToStr(a.Input.WindText2[0]), "wiatr 0");
    EXPECT_EQ(FixedTextToStr(a.Input.WindText2[1]), "wiatr 3");
    EXPECT_EQ(FixedTextToStr(a.Input.WindText2[2]), "wiatr 1");
    EXPECT_EQ(FixedTextToStr(a.Input.WindText2[3]), "wiatr 2");
    EXPECT_EQ(FixedTextToStr(a.Input.WindText[1]), "wiatr 1");
    EXPECT_EQ(v(a.Input.WindFlags[0]), 0);
    EXPECT_EQ(v(a.Input.WindFlags[1]), 0); // the old WindTableFlag
    EXPECT_EQ(v(a.Input.WindFlags[2]), 0);
    EXPECT_EQ(v(a.Input.WindFlags[3]), 0);
    // header copied, "Nazwa elementu" switched on
    EXPECT_EQ(v(a.Header.FigureSize[0]), 12.5);
    EXPECT_EQ(v(a.Header.FirstPage), 3);
    EXPECT_EQ(v(a.Header.PageCount), 40);
    EXPECT_EQ(a.Header.Author.str(), "Autor");
    EXPECT_EQ(v(a.Header.CommentPlace), 2);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(v(a.Header.PrintParts[i]), i == 6 ? 1 : 0) << i;
    // load compilation at its defaults
    EXPECT_EQ(v(a.Loads.StoreyCount), 1);
    EXPECT_EQ(v(a.Loads.kond_powtrz), 1);
    EXPECT_NEAR(v(a.Loads.Gw[9]), 1.8, 1e-12);

    const TProjectElement& b = els[1];
    EXPECT_EQ(b.Name.str(), "Ściana B");
    EXPECT_EQ(v(b.Input.wd), -1.5);
    EXPECT_EQ(v(b.Input.wd2), 0.0);
    EXPECT_EQ(v(b.Input.WindFlags[1]), 1); // kept from the file
    EXPECT_EQ(FixedTextToStr(b.Input.WindText2[0]), "");
    EXPECT_EQ(v(b.Input.WindText2[0].Chars[511]), ' ');
}

TEST_F(ProjectFile, Version11RecordsConvert)
{
    OldRecord r(11, 15872, 14480, 1, 0, "Filar");
    r.in<u8>(0, 5);
    r.in<f64>(96, 1.5);
    r.in<u8>(2216, 1);
    r.in<u8>(10280, 1);
    r.in<u8>(10282, 1);
    r.in<u8>(10283, 1);
    r.in<f64>(14392, 1.35); // ForceGammaF[0]
    // A version-11 input ends 40 bytes into the unit of the wall above.
    r.in<i32>(14440, 2);
    r.in<f64>(14456, 12.0);
    orvtest::WriteFileBytes(dir / "v11.clcm", r.buf);

    TElementList els;
    std::vector<std::string> com;
    ASSERT_TRUE(ReadProjectFile(com, path("v11.clcm"), els));
    ASSERT_EQ(els.size(), 1u);
    EXPECT_EQ(com, std::vector<std::string>{""});
    const TCalcInput& in = els[0].Input;
    EXPECT_EQ(v(in.Case), 5);
    EXPECT_EQ(v(in.wd), 0.0);
    EXPECT_EQ(v(in.wd2), 1.5);
    EXPECT_EQ(v(in.WindFlags[0]), 0);
    EXPECT_EQ(v(in.WindFlags[1]), 1);
    EXPECT_EQ(v(in.WindFlags[2]), 0);
    EXPECT_EQ(v(in.WindFlags[3]), 0);
    EXPECT_EQ(v(in.ForceGammaF[0]), 1.35);
    EXPECT_EQ(v(in.ElementE2.RodzajElementu), 2);
    EXPECT_EQ(v(in.ElementE2.fb), 12.0);
    EXPECT_EQ(v(in.ElementE2.Nazwa.Len), 0);
    EXPECT_EQ(v(in.ElementE2.Nazwa.Chars[13]), 0);   // from the file
    EXPECT_EQ(v(in.ElementE2.Nazwa.Chars[14]), 'n'); // the default name behind it
    // the unit below and the slabs lie beyond version 11: defaults
    EXPECT_EQ(in.ElementE5.Nazwa.str(), "Cegła ceramiczna pełna kl.10");
    EXPECT_EQ(v(in.ElementE5.KlasaZaprawy), 2);
    EXPECT_EQ(in.Stropy[0].Nazwa.str(), "Płyta żelbetowa gr.15 cm");
    EXPECT_EQ(v(in.Stropy[0].J), 28125.0);
    EXPECT_EQ(v(els[0].Header.PrintParts[6]), 1);
}

TEST_F(ProjectFile, Version10RecordsConvert)
{
    OldRecord r0(10, 12688, 11296, 2, 0, "Stary");
    r0.in<f64>(32, 340.0); // l
    // unit of the wall above at 10272, below at 10296
    r0.in<i32>(10272, 3);
    r0.in<i32>(10276, 4);
    r0.in<i32>(10280, 1);
    r0.in<f64>(10288, 15.0);
    r0.in<i32>(10296, 10);
    r0.in<i32>(10300, 1);
    r0.in<i32>(10304, 2);
    r0.in<f64>(10312, 3.5);
    // the data blocks of members 2..7 at 2872 + 160 (k - 1)
    for (int k = 1; k <= 6; ++k)
        for (int j = 0; j < 20; ++j) r0.in<f64>(2872 + 160 * (k - 1) + 8 * j, 100.0 * (k + 1) + j);
    r0.in<f64>(11288, 4.0); // ey, the last field of a version-10 input
    r0.buf[r0.headerAt + 1115] = 0;

    OldRecord r1(10, 12688, 11296, 0, 0, "Drugi");
    orvtest::WriteFileBytes(dir / "v10.clcm", r0.buf + r1.buf + "x");

    TElementList els;
    std::vector<std::string> com;
    ASSERT_TRUE(ReadProjectFile(com, path("v10.clcm"), els));
    ASSERT_EQ(els.size(), 2u);
    EXPECT_EQ(com, std::vector<std::string>{"x"});
    const TProjectElement& a = els[0];
    EXPECT_EQ(a.Name.str(), "Stary");
    EXPECT_EQ(els[1].Name.str(), "Drugi");
    EXPECT_EQ(v(a.Input.l), 340.0);
    EXPECT_EQ(v(a.Input.ey), 4.0);
    EXPECT_EQ(v(a.Header.PrintParts[6]), 0); // left as stored
    EXPECT_EQ(v(a.Header.CommentPlace), 2);

    const TElementMurowy& above = a.Input.ElementE2;
    EXPECT_EQ(v(above.RodzajElementu), 3);
    EXPECT_EQ(v(above.KlasaZaprawy), 4);
    EXPECT_EQ(v(above.RodzajZaprawy), 1);
    EXPECT_EQ(v(above.fb), 15.0);
    EXPECT_EQ(v(above.OgolnaDef), 1);
    EXPECT_EQ(above.Nazwa.str(), "Cegła ceramiczna pełna kl.10");
    const TElementMurowy& below = a.Input.ElementE5;
    EXPECT_EQ(v(below.RodzajElementu), 10);
    EXPECT_EQ(v(below.KlasaZaprawy), 1);
    EXPECT_EQ(v(below.RodzajZaprawy), 2);
    EXPECT_EQ(v(below.fb), 3.5);
    EXPECT_EQ(below.Nazwa.str(), "Cegła ceramiczna pełna kl.10");

    // wd2 and WindFlags no longer carry the unit bytes
    EXPECT_EQ(v(a.Input.wd2), 0.0);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(v(a.Input.WindFlags[k]), 1);

    // slabs 3, 4, 6, 7 = members k = 2, 3, 5, 6
    static constexpr int member[4] = {3, 4, 6, 7};
    for (int s = 0; s < 4; ++s) {
        const TSlabRecord& slab = a.Input.Stropy[s];
        for (int j = 0; j < 20; ++j) EXPECT_EQ(v(slab.Data[j]), 100.0 * member[s] + j) << s << "/" << j;
        EXPECT_EQ(slab.Nazwa.str(), "Płyta żelbetowa gr.15 cm");
        EXPECT_EQ(v(slab.Width), 340.0);
    }
    EXPECT_EQ(v(a.Input.Stropy[0].J), 28125.0);
    EXPECT_EQ(v(a.Input.Stropy[0].Flag1), 1);
    EXPECT_EQ(v(a.Input.Stropy[1].J), 0.0);
    EXPECT_EQ(v(a.Loads.StoreyCount), 1);
    EXPECT_EQ(v(a.Loads.CurrentStorey), 1);
    EXPECT_EQ(FixedTextToStr(a.Input.WindText2[3]), "");
}

TEST_F(ProjectFile, CountsThatDoNotFitTheFileAreRefused)
{
    auto els = threeElements();
    ASSERT_TRUE(WriteProjectFile({"a", "b"}, path("p.clcm"), els, 3, 2));
    const std::string good = readFile(path("p.clcm"));

    TElementList back;
    std::vector<std::string> com;
    for (i32 count : {4, 0, -1, -3, INT_MIN, INT_MAX, 0x10000}) {
        std::string bad = good;
        put<i32>(bad, 4, count);
        orvtest::WriteFileBytes(dir / "bad.clcm", bad);
        messages.shown.clear();
        EXPECT_FALSE(readIntoSentinel(path("bad.clcm"), back, com)) << count;
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(v(messages.shown[0]), std::make_pair(std::string("Błąd odczytu pliku!"), std::string("bad.clcm")));
    }
    // Fewer elements than stored is fine: the rest is read as comment text.
    std::string two = good;
    put<i32>(two, 4, 2);
    orvtest::WriteFileBytes(dir / "two.clcm", two);
    ASSERT_TRUE(readIntoSentinel(path("two.clcm"), back, com));
    EXPECT_EQ(back.size(), 2u);
    EXPECT_EQ(com.back(), "b");
}

// A file of more elements than a project may hold, every record in it (a
// sparse file, holes but for the first), is refused from its count alone.
TEST_F(ProjectFile, MoreElementsThanTheBoundAreARefusedFile)
{
    auto els = threeElements();
    ASSERT_TRUE(WriteProjectFile({}, path("p.clcm"), els, 1, 0));
    std::string first = readFile(path("p.clcm"));
    put<i32>(first, 4, MaxProjectElements + 1);
    orvtest::WriteFileBytes(dir / "many.clcm", first);
    std::error_code ec;
    fs::resize_file(dir / "many.clcm", std::uintmax_t{MaxProjectElements + 1} * sizeof(TProjectElement), ec);
    ASSERT_FALSE(ec) << ec.message();

    TElementList back;
    std::vector<std::string> com;
    messages.shown.clear();
    EXPECT_FALSE(readIntoSentinel(path("many.clcm"), back, com));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(v(messages.shown[0]), std::make_pair(std::string("Błąd odczytu pliku!"), std::string("many.clcm")));
}

TEST_F(ProjectFile, TruncatedFiles)
{
    auto els = threeElements();
    ASSERT_TRUE(WriteProjectFile({"a", "b"}, path("p.clcm"), els, 3, 0));
    const std::string good = readFile(path("p.clcm"));
    TElementList back;
    std::vector<std::string> com;
    for (std::size_t n : {std::size_t(0), std::size_t(3), std::size_t(4), std::size_t(7), std::size_t(11),
                          sizeof(TProjectElement) - 1, sizeof(TProjectElement), 2 * sizeof(TProjectElement) + 5,
                          3 * sizeof(TProjectElement) - 1}) {
        orvtest::WriteFileBytes(dir / "cut.clcm", good.substr(0, n));
        EXPECT_FALSE(readIntoSentinel(path("cut.clcm"), back, com)) << n;
    }
    // Cut inside the comment: all records, a shorter comment.
    orvtest::WriteFileBytes(dir / "cut.clcm", good.substr(0, good.size() - 1));
    ASSERT_TRUE(readIntoSentinel(path("cut.clcm"), back, com));
    EXPECT_EQ(com, (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(back.size(), 3u);
}

TEST_F(ProjectFile, OutOfRangeValuesAreRepairedAndSoundOnesKept)
{
    auto els = threeElements();
    TCalcInput& in = els[1].Input;
    in.Case = 200;
    in.LiczbaOkien = -4;
    in.LiczbaSilSkup = 9;
    in.RodzajElementuM = 13;
    in.KlasaZaprawy = 0xFFFFFFFFu;
    in.RodzajZaprawy = 3;
    in.KategoriaWykRobot = 2;
    in.sytuacja = 7;
    in.beton = 9;
    in.SchematScianyTyp = 9;
    in.SchematPlytySciany = 12;
    in.PodpSTyp_x = 3;
    in.PodpSTyp_y = 0x80000000u;
    in.UsztywnienieSciany = 5;
    in.RodzajKonstrSciany = 3;
    in.MsdxDef = 0xFFFF;
    in.stal.Klasa = -1;
    in.stal.Znak.Len = 200;
    in.ElementE2.RodzajElementu = -7;
    in.ElementE5.KlasaZaprawy = 6;
    in.WindText[2].Length = 600;
    in.ForceText[0].Length = -5;
    in.ScianaZewnetrzna = 7;
    els[1].Header.CommentPlace = 3;
    static const f64 sizes[10] = {std::nan(""), 2.9, 20.5, -1.0, INFINITY, -INFINITY, 0.0, 1e300, 3.0, 20.0};
    for (int i = 0; i < 10; ++i) els[1].Header.FigureSize[i] = sizes[i];
    els[1].Loads.StoreyCount = 11;
    els[1].Loads.CurrentStorey = -2;
    els[1].Loads.Unit_h[4] = 9;
    els[1].Loads.roText[3].Length = 1000;
    els[1].Loads.wieniec[6] = 4;
    els[1].Loads.SpTyp[2] = 3;
    els[1].Loads.twTyp[0] = 2;
    const std::string sound0 = bytesOf(els[0]);
    const std::string sound2 = bytesOf(els[2]);

    ASSERT_TRUE(WriteProjectFile({}, path("p.clcm"), els, 3, 0));
    std::string file = readFile(path("p.clcm"));
    put<i32>(file, 8, 17); // current index beyond the elements
    orvtest::WriteFileBytes(dir / "p.clcm", file);

    TElementList back;
    std::vector<std::string> com;
    ASSERT_TRUE(ReadProjectFile(com, path("p.clcm"), back));
    ASSERT_EQ(back.size(), 3u);
    EXPECT_EQ(v(back[0].Current), 2);
    std::string expected0 = sound0;
    put<i32>(expected0, 8, 2);
    std::memcpy(expected0.data(), "01.3", 4);
    put<i32>(expected0, 4, 3);
    EXPECT_EQ(bytesOf(back[0]), expected0);
    EXPECT_EQ(bytesOf(back[2]), sound2);

    const TCalcInput& r = back[1].Input;
    EXPECT_EQ(v(r.Case), 5);
    EXPECT_EQ(v(r.LiczbaOkien), 0);
    EXPECT_EQ(v(r.LiczbaSilSkup), 3);
    EXPECT_EQ(v(r.RodzajElementuM), 12u);
    EXPECT_EQ(v(r.KlasaZaprawy), 5u);
    EXPECT_EQ(v(r.RodzajZaprawy), 2u);
    EXPECT_EQ(v(r.KategoriaWykRobot), 1u);
    EXPECT_EQ(v(r.sytuacja), 2u);
    EXPECT_EQ(v(r.beton), 8u);
    EXPECT_EQ(v(r.SchematScianyTyp), 8u);
    EXPECT_EQ(v(r.SchematPlytySciany), 11u);
    EXPECT_EQ(v(r.PodpSTyp_x), 2u);
    EXPECT_EQ(v(r.PodpSTyp_y), 2u);
    EXPECT_EQ(v(r.UsztywnienieSciany), 2u);
    EXPECT_EQ(v(r.RodzajKonstrSciany), 2u);
    EXPECT_EQ(v(r.MsdxDef), 7);
    EXPECT_EQ(v(r.stal.Klasa), 0);
    EXPECT_EQ(v(r.stal.Znak.Len), 20);
    EXPECT_EQ(v(r.ElementE2.RodzajElementu), 0);
    EXPECT_EQ(v(r.ElementE5.KlasaZaprawy), 5);
    EXPECT_EQ(v(r.WindText[2].Length), 512);
    EXPECT_EQ(v(r.ForceText[0].Length), 0);
    EXPECT_EQ(v(r.ScianaZewnetrzna), 1);
    EXPECT_EQ(v(back[1].Header.CommentPlace), 2);
    // 3.0 to 20.0 cm; no number gives the default width 10 or height 8
    static const f64 repaired[10] = {10.0, 3.0, 20.0, 3.0, 10.0, 8.0, 3.0, 20.0, 3.0, 20.0};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(v(back[1].Header.FigureSize[i]), repaired[i]) << i;
    EXPECT_EQ(v(back[1].Loads.StoreyCount), 9);
    EXPECT_EQ(v(back[1].Loads.CurrentStorey), 1);
    EXPECT_EQ(v(back[1].Loads.Unit_h[4]), 0); // an unknown unit reads metres
    EXPECT_EQ(v(back[1].Loads.roText[3].Length), 512);
    EXPECT_EQ(v(back[1].Loads.wieniec[6]), 1);
    EXPECT_EQ(v(back[1].Loads.SpTyp[2]), 1);
    EXPECT_EQ(v(back[1].Loads.twTyp[0]), 0);
}

TEST_F(ProjectFile, BasementSlabPageLastConcreteClassAndFigureLimitsSurvive)
{
    // Values at the edges of their ranges are sound and come back byte for byte.
    auto els = threeElements();
    for (int k = 0; k < 3; ++k) {
        TProjectElement& e = els[k];
        e.Loads.CurrentStorey = 10; // the slab over the basement
        e.Loads.kond_powtrz = 0;
        e.Input.beton = 8;          // "B60" / "C50/60"
        e.Input.OznBeton = static_cast<u8>(k % 2);
        e.Header.FigureSize[2 * k] = 3.0;
        e.Header.FigureSize[2 * k + 1] = 20.0;
    }
    els[2].Loads.StoreyCount = 9;
    els[1].Loads.twTyp[9] = 1;
    els[1].Loads.SlTyp[4] = 1;
    els[1].Loads.bs_ind[0] = 1;
    ASSERT_TRUE(WriteProjectFile({"piwnica"}, path("p.clcm"), els, 3, 2));

    TElementList back;
    std::vector<std::string> com;
    ASSERT_TRUE(ReadProjectFile(com, path("p.clcm"), back));
    ASSERT_EQ(back.size(), 3u);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(bytesOf(back[k]), bytesOf(els[k])) << "element " << k;
        EXPECT_EQ(v(back[k].Loads.CurrentStorey), 10);
        EXPECT_EQ(v(back[k].Input.beton), 8u);
    }
    EXPECT_TRUE(messages.shown.empty());
}

namespace {
void expectInRange(const TProjectElement& e)
{
    const TCalcInput& in = e.Input;
    EXPECT_LT(v(in.Case), CalcCaseCount);
    EXPECT_GE(v(in.LiczbaOkien), 0);
    EXPECT_LE(v(in.LiczbaOkien), MaxOpenings);
    EXPECT_GE(v(in.LiczbaSilSkup), 1);
    EXPECT_LE(v(in.LiczbaSilSkup), MaxConcentratedLoads);
    EXPECT_LT(v(in.RodzajElementuM), u32(MaterialKindCount));
    EXPECT_LT(v(in.KlasaZaprawy), u32(MortarClassCount));
    EXPECT_LT(v(in.KategoriaWykRobot), 2u);
    EXPECT_LT(v(in.beton), u32(ConcreteClassCount));
    EXPECT_LT(v(in.SchematPlytySciany), 12u);
    EXPECT_LE(v(in.stal.Znak.Len), 20);
    EXPECT_GE(v(e.Loads.StoreyCount), 1);
    EXPECT_LE(v(e.Loads.StoreyCount), MaxStoreys - 1);
    EXPECT_GE(v(e.Loads.CurrentStorey), 1);
    if (e.Loads.CurrentStorey != 10) {
        EXPECT_LE(v(e.Loads.CurrentStorey), e.Loads.StoreyCount);
    }
    for (int i = 0; i < 10; ++i) {
        const f64 size = e.Header.FigureSize[i];
        EXPECT_GE(size, 3.0);
        EXPECT_LE(size, 20.0);
    }
    for (const TFixedText& t : in.ForceText) {
        const i32 n = t.Length;
        EXPECT_GE(n, 0);
        EXPECT_LE(n, 512);
    }
    // texts must be readable
    (void)e.Name.str();
    (void)FixedTextToStr(in.WindText2[3]);
    (void)ExecutionCategoryText[in.KategoriaWykRobot];
}

std::string oldFile(int version, std::size_t size, std::size_t inputSize, int count)
{
    std::string out;
    for (int i = 0; i < count; ++i) {
        OldRecord r(version, size, inputSize, i == 0 ? count : 0, 0, "E" + std::to_string(i));
        r.in<f64>(8, 25.0);
        r.in<f64>(96, 1.0);
        out += r.buf;
    }
    return out + "opis\r\nprojektu";
}
} // namespace

TEST_F(ProjectFile, RandomCorruptionIsRefusedOrRepaired)
{
    auto els = threeElements();
    ASSERT_TRUE(WriteProjectFile({"opis", "projektu"}, path("p.clcm"), els, 2, 1));
    const std::string bases[4] = {oldFile(10, 12688, 11296, 2), oldFile(11, 15872, 14480, 2),
                                  oldFile(12, 18168, 16776, 2), readFile(path("p.clcm"))};
    // Offsets of the counts, indices and enumerations of a version-13 record.
    static constexpr std::size_t hot[] = {4, 8, 528 + 0, 528 + 2520, 528 + 2544, 528 + 2862,
                                          528 + 10340, 528 + 10512, 528 + 10516, 528 + 2804,
                                          528 + 2804 + 4, 20487 + 1, 20487 + 17, 19368 + 1108,
                                          19368 + 4, 19368 + 76, 20487 + 3709, 20487 + 3759 + 8,
                                          20487 + 3959 + 516};
    std::mt19937 rng(20240611u);
    int accepted = 0;
    for (int iter = 0; iter < 3000; ++iter) {
        std::string f = bases[iter % 4];
        switch (rng() % 4) {
        case 0: { // a few random bytes anywhere
            const int n = 1 + static_cast<int>(rng() % 8);
            for (int k = 0; k < n; ++k) f[rng() % f.size()] = static_cast<char>(rng());
            break;
        }
        case 1: { // an extreme word at a count or an enumeration
            static constexpr i32 extreme[] = {-1, 0, 1, 2, 6, 13, 255, INT_MIN, INT_MAX, 0x01000000};
            const std::size_t off = hot[rng() % std::size(hot)];
            if (off + 4 <= f.size()) put<i32>(f, off, extreme[rng() % std::size(extreme)]);
            break;
        }
        case 2: // cut anywhere
            f.resize(rng() % f.size());
            break;
        default: // another version text over the same bytes
            f[3] = static_cast<char>('0' + rng() % 5);
            if (rng() % 2) f[rng() % 4] = static_cast<char>(rng());
            break;
        }
        orvtest::WriteFileBytes(dir / "m.clcm", f);
        TElementList back;
        std::vector<std::string> com;
        if (readIntoSentinel(path("m.clcm"), back, com)) {
            ++accepted;
            ASSERT_FALSE(back.empty());
            EXPECT_EQ(v(back[0].Count), static_cast<i32>(back.size()));
            EXPECT_GE(v(back[0].Current), 0);
            EXPECT_LT(v(back[0].Current), back[0].Count);
            for (const TProjectElement& e : back) expectInRange(e);
            EXPECT_FALSE(com.empty());
        }
        if (HasFailure()) {
            ADD_FAILURE() << "mutation " << iter;
            break;
        }
    }
    EXPECT_GT(accepted, 100); // many mutations hit values that need no refusal
}

TEST_F(ProjectFile, FailedSaveReportsAndKeepsTheOldFile)
{
    auto els = threeElements();
    // The folder is a regular file.
    orvtest::WriteFileBytes(dir / "plik", "x");
    EXPECT_FALSE(WriteProjectFile({"a"}, path("plik") + "/p.clcm", els, 3, 0));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(v(messages.shown[0]), std::make_pair(std::string("Błąd zapisu pliku!"), std::string("p.clcm")));

    // The target name is a folder: it stays, and no temporary file is left.
    fs::create_directory(dir / "folder.clcm");
    EXPECT_FALSE(WriteProjectFile({"a"}, path("folder.clcm"), els, 3, 0));
    EXPECT_TRUE(fs::is_directory(dir / "folder.clcm"));

    // A good project, then a save that cannot complete (the disk takes no
    // more than 1000 bytes of a file): the old file stays whole.
    ASSERT_TRUE(WriteProjectFile({"stary"}, path("p.clcm"), els, 2, 0));
    const std::string old = readFile(path("p.clcm"));
    auto other = threeElements();
    other[0].Name.set("Nowy");
    {
        rlimit before{};
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
        void (*oldHandler)(int) = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = before;
        small.rlim_cur = 1000;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool saved = WriteProjectFile({"nowy"}, path("p.clcm"), other, 3, 0);
        ::setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, oldHandler);
        EXPECT_FALSE(saved);
    }
    EXPECT_EQ(readFile(path("p.clcm")), old);
    std::size_t entries = 0;
    for (const auto& entry : fs::directory_iterator(dir)) {
        (void)entry;
        ++entries;
    }
    EXPECT_EQ(entries, 3u); // plik, folder.clcm and p.clcm: no temporary file left

    // A count the array does not hold is refused before anything is written.
    messages.shown.clear();
    EXPECT_FALSE(WriteProjectFile({}, path("r.clcm"), els, 4, 0));
    EXPECT_FALSE(WriteProjectFile({}, path("r.clcm"), els, 0, 0));
    EXPECT_FALSE(fs::exists(dir / "r.clcm"));
    EXPECT_EQ(messages.shown.size(), 2u);
}

// Runs `open` on a thread; should it still wait after a minute (an open of
// a pipe waiting for a writer: an open that returns takes a millisecond under
// any load), a writer is opened to let it go and the test fails instead of
// hanging.
template <typename F>
auto WithoutWaitingOnPipe(const std::string& pipe, F open)
{
    auto result = std::async(std::launch::async, open);
    if (result.wait_for(std::chrono::minutes(1)) == std::future_status::timeout) {
        ADD_FAILURE() << "waits for a writer at the other end of " << pipe;
        const int writer = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
        result.wait();
        if (writer >= 0) ::close(writer);
    }
    return result.get();
}

TEST_F(ProjectFile, AFileReaderReadsTheFilesBytesAtAnyOffset)
{
    auto els = threeElements();
    ASSERT_TRUE(WriteProjectFile({"a", "b"}, path("p.clcm"), els, 3, 1));
    const std::string want = readFile(dir / "p.clcm");
    {
        const TFileReader file(path("p.clcm"));
        ASSERT_TRUE(file.ok());
        // 3 x 55408 + "a" CR LF "b"
        ASSERT_EQ(file.size(), 166228u);
        std::string whole(file.size(), '\0');
        ASSERT_TRUE(file.read(whole.data(), whole.size(), 0));
        EXPECT_EQ(whole, want);
        // the second record, and the comment at the end
        std::string part(55408, '\0');
        ASSERT_TRUE(file.read(part.data(), part.size(), 55408));
        EXPECT_EQ(part, want.substr(55408, 55408));
        char tail[4] = {};
        ASSERT_TRUE(file.read(tail, 4, file.size() - 4));
        EXPECT_EQ(std::string(tail, 4), "a\r\nb");
        // a read past the end fails: what is there is not enough
        EXPECT_FALSE(file.read(tail, 4, file.size() - 3));
        EXPECT_FALSE(file.read(tail, 1, file.size()));
    }
    orvtest::WriteFileBytes(dir / "pusty", "");
    const TFileReader empty(path("pusty"));
    EXPECT_TRUE(empty.ok());
    EXPECT_EQ(empty.size(), 0u);
    EXPECT_FALSE(TFileReader(path("brak")).ok());
    fs::create_directory(dir / "folder.clcm");
    EXPECT_FALSE(TFileReader(path("folder.clcm")).ok());
    // a pipe is refused at once, with no writer at its other end
    ASSERT_EQ(::mkfifo(path("rura.clcm").c_str(), 0600), 0);
    EXPECT_FALSE(WithoutWaitingOnPipe(path("rura.clcm"), [&] { return TFileReader(path("rura.clcm")).ok(); }));

    // the elements read are the program's own: they outlive the file
    TElementList back;
    std::vector<std::string> comments;
    ASSERT_TRUE(ReadProjectFile(comments, path("p.clcm"), back));
    fs::remove(dir / "p.clcm");
    ASSERT_EQ(back.size(), 3u);
    EXPECT_EQ(back[2].Name.str(), els[2].Name.str());
    EXPECT_EQ(back[0].Current, 1);
    EXPECT_EQ(comments, (std::vector<std::string>{"a", "b"}));
}

TEST_F(ProjectFile, WhatIsNoRegularFileIsNoProjectAndAFileThatCannotBeOpenedAReadError)
{
    fs::create_directory(dir / "folder.clcm");
    ASSERT_EQ(::mkfifo(path("rura.clcm").c_str(), 0600), 0);
    TElementList els;
    std::vector<std::string> com;
    for (const char* name : {"brak.clcm", "folder.clcm", "rura.clcm"}) {
        const TFileResult r =
            WithoutWaitingOnPipe(path("rura.clcm"), [&] { return LoadProjectFile(path(name), els, com); });
        EXPECT_EQ(r.status, TFileStatus::NotFound) << name;
        EXPECT_EQ(r.headline, "Brak pliku!") << name;
        EXPECT_EQ(r.message, name);
    }
    // A file that is there but cannot be opened (here: no descriptor left,
    // which holds for the superuser too) is a read error.
    auto three = threeElements();
    ASSERT_TRUE(WriteProjectFile({}, path("p.clcm"), three, 3, 0));
    rlimit before{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &before), 0);
    rlimit none = before;
    none.rlim_cur = 0;
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &none), 0);
    const TFileResult r = LoadProjectFile(path("p.clcm"), els, com);
    ::setrlimit(RLIMIT_NOFILE, &before);
    EXPECT_EQ(r.status, TFileStatus::ReadFailed);
    EXPECT_EQ(r.headline, "Błąd odczytu pliku!");
    EXPECT_EQ(r.message, "p.clcm");
    EXPECT_TRUE(els.empty());
}

TEST_F(ProjectFile, ProjectsOfManyElementsReadWholeOrNotAtAll)
{
    // 45 elements: the reader takes them in blocks, the last one partly filled.
    TElementList els;
    for (int k = 0; k < 45; ++k) els.push_back(makeElement(k));
    els[44].Input.Case = 200; // out of range, set right on the way in
    ASSERT_TRUE(WriteProjectFile({"pierwsza", "druga"}, path("big.clcm"), els, 45, 44));
    const std::string good = readFile(path("big.clcm"));
    ASSERT_EQ(good.size(), 45 * sizeof(TProjectElement) + 15);

    TElementList back;
    std::vector<std::string> com;
    ASSERT_TRUE(readIntoSentinel(path("big.clcm"), back, com));
    ASSERT_EQ(back.size(), 45u);
    EXPECT_EQ(com, (std::vector<std::string>{"pierwsza", "druga"}));
    EXPECT_EQ(v(back[0].Current), 44);
    // each element is its record set right (10 storeys and case 200 are not kept)
    std::string expected = good;
    for (int k = 1; k < 45; ++k) {
        TProjectElement want = els[k];
        SanitizeProjectElement(want);
        EXPECT_EQ(bytesOf(back[k]), bytesOf(want)) << k;
        std::memcpy(expected.data() + k * sizeof(TProjectElement), &want, sizeof want);
    }
    EXPECT_EQ(v(back[44].Input.Case), CalcCaseCount - 1);
    EXPECT_NE(bytesOf(back[9]), bytesOf(els[9]));
    // written back, the file is the one read but for what was set right
    ASSERT_TRUE(WriteProjectFile(com, path("again.clcm"), back, 45, 44));
    EXPECT_EQ(readFile(path("again.clcm")).substr(sizeof(TProjectElement)), expected.substr(sizeof(TProjectElement)));

    // Cut anywhere in the records, late blocks included: refused, the caller's project kept.
    for (std::size_t n : {40 * sizeof(TProjectElement) + 17, 45 * sizeof(TProjectElement) - 1,
                          10 * sizeof(TProjectElement)}) {
        orvtest::WriteFileBytes(dir / "cut.clcm", good.substr(0, n));
        EXPECT_FALSE(readIntoSentinel(path("cut.clcm"), back, com)) << n;
    }

    // Version-12 records across blocks: each converted on its own.
    std::string v12;
    for (int k = 0; k < 40; ++k) {
        OldRecord r(12, 18168, 16776, k == 0 ? 40 : 0, k == 0 ? 39 : 0, "Ściana " + std::to_string(k));
        r.in<f64>(8, 20.0 + k); // t
        r.in<f64>(96, k % 2 ? 1.5 : -1.5); // pressure goes to wd2, suction stays
        v12 += r.buf;
    }
    orvtest::WriteFileBytes(dir / "v12.clcm", v12 + "uwagi");
    ASSERT_TRUE(readIntoSentinel(path("v12.clcm"), back, com));
    ASSERT_EQ(back.size(), 40u);
    EXPECT_EQ(com, (std::vector<std::string>{"uwagi"}));
    EXPECT_EQ(v(back[0].Current), 39);
    for (int k = 0; k < 40; ++k) {
        EXPECT_EQ(back[k].Name.str(), "Ściana " + std::to_string(k));
        EXPECT_EQ(v(back[k].Input.t), 20.0 + k);
        EXPECT_EQ(v(back[k].Input.wd), k % 2 ? 0.0 : -1.5) << k;
        EXPECT_EQ(v(back[k].Input.wd2), k % 2 ? 1.5 : 0.0) << k;
    }
    orvtest::WriteFileBytes(dir / "v12cut.clcm", v12.substr(0, 39 * 18168 + 100));
    EXPECT_FALSE(readIntoSentinel(path("v12cut.clcm"), back, com));
}

namespace {
// An element whose padding, reserved bytes and characters behind its text
// lengths hold a pattern: bytes a reader must carry over as they are.
TProjectElement patternedElement(int k)
{
    TProjectElement e = makeElement(k);
    e.Loads.StoreyCount = 1 + k % 9; // sound: nothing to set right
    const u8 fill = static_cast<u8>(0xA0 + k % 32);
    std::memset(e.Name.Chars + e.Name.Len, fill, sizeof e.Name.Chars - e.Name.Len);
    std::memset(e.Description.Chars + e.Description.Len, fill, sizeof e.Description.Chars - e.Description.Len);
    std::memset(e.Reserved1, fill, sizeof e.Reserved1);
    std::memset(e.Input.Reserved1, fill, sizeof e.Input.Reserved1);
    std::memset(e.Input.Reserved2, fill, sizeof e.Input.Reserved2);
    std::memset(e.Input.ElementE2.Reserved2, fill, sizeof e.Input.ElementE2.Reserved2);
    std::memset(e.Input.Stropy[3].Reserved, fill, sizeof e.Input.Stropy[3].Reserved);
    e.Reserved2 = fill;
    std::memcpy(e.Version, "x\x01y\x02", 4); // stored version text of elements past the first
    const i32 junk[2] = {-7 - k, 123456 + k};
    std::memcpy(&e.Count, &junk[0], 4);
    std::memcpy(&e.Current, &junk[1], 4);
    return e;
}

bool allZero(const void* p, std::size_t n)
{
    const auto* b = static_cast<const unsigned char*>(p);
    return std::all_of(b, b + n, [](unsigned char c) { return c == 0; });
}
} // namespace

TEST_F(ProjectFile, EveryByteOfARecordIsCarriedOverAcrossBlocks)
{
    // 30 elements: several blocks, the last one partly filled.
    TElementList els;
    for (int k = 0; k < 30; ++k) els.push_back(patternedElement(k));
    ASSERT_TRUE(WriteProjectFile({"uwagi"}, path("wzor.clcm"), els, 30, 17));
    const std::string file = readFile(path("wzor.clcm"));
    ASSERT_EQ(file.size(), 30 * sizeof(TProjectElement) + 5);

    TElementList back;
    std::vector<std::string> com;
    ASSERT_TRUE(readIntoSentinel(path("wzor.clcm"), back, com));
    ASSERT_EQ(back.size(), 30u);
    for (int k = 0; k < 30; ++k)
        EXPECT_EQ(bytesOf(back[k]), file.substr(k * sizeof(TProjectElement), sizeof(TProjectElement))) << k;
    EXPECT_EQ(v(back[0].Count), 30);
    EXPECT_EQ(v(back[0].Current), 17);
    EXPECT_EQ(v(back[29].Current), 123456 + 29); // only element 0 carries the project's numbers

    // Saved again, it is the same file byte for byte.
    ASSERT_TRUE(WriteProjectFile(com, path("znowu.clcm"), back, 30, back[0].Current));
    EXPECT_EQ(readFile(path("znowu.clcm")), file);
}

TEST_F(ProjectFile, ElementsReadIntoUsedMemoryHoldOnlyTheFilesBytes)
{
    // A project with patterned padding is read and dropped, so its memory is
    // free to be taken again by the next read.
    TElementList patterned;
    for (int k = 0; k < 20; ++k) patterned.push_back(patternedElement(k));
    ASSERT_TRUE(WriteProjectFile({}, path("wzor.clcm"), patterned, 20, 0));

    TElementList clean;
    for (int k = 0; k < 20; ++k) clean.push_back(makeElement(k));
    for (int k = 0; k < 20; ++k) clean[k].Loads.StoreyCount = 1 + k % 9;
    ASSERT_TRUE(WriteProjectFile({}, path("czysty.clcm"), clean, 20, 3));
    const std::string cleanFile = readFile(path("czysty.clcm"));

    // The patterned project read and dropped, then `file` read.
    auto readAfterPatterned = [&](const std::string& file) {
        std::vector<std::string> com;
        {
            TElementList dirty;
            EXPECT_TRUE(ReadProjectFile(com, path("wzor.clcm"), dirty));
        }
        TElementList back;
        EXPECT_TRUE(ReadProjectFile(com, path(file), back));
        return back;
    };
    for (int round = 0; round < 3; ++round) {
        const TElementList back = readAfterPatterned("czysty.clcm");
        ASSERT_EQ(back.size(), 20u);
        for (int k = 0; k < 20; ++k) {
            EXPECT_EQ(bytesOf(back[k]), cleanFile.substr(k * sizeof(TProjectElement), sizeof(TProjectElement)))
                << round << " " << k;
        }
    }

    // Converted old records are zero wherever the old record has no data,
    // whatever an earlier read left in that memory.
    std::string v12;
    for (int k = 0; k < 12; ++k) v12 += OldRecord(12, 18168, 16776, k == 0 ? 12 : 0, 0, "Stara " + std::to_string(k)).buf;
    orvtest::WriteFileBytes(dir / "v12.clcm", v12);
    for (int round = 0; round < 2; ++round) {
        const TElementList back = readAfterPatterned("v12.clcm");
        ASSERT_EQ(back.size(), 12u);
        for (int k = 0; k < 12; ++k) {
            const TProjectElement& e = back[k];
            EXPECT_EQ(e.Name.str(), "Stara " + std::to_string(k));
            EXPECT_TRUE(allZero(e.Name.Chars + e.Name.Len, sizeof e.Name.Chars - e.Name.Len)) << k;
            EXPECT_TRUE(allZero(&e.Description, sizeof e.Description)) << k;
            EXPECT_TRUE(allZero(e.Reserved1, sizeof e.Reserved1)) << k;
            EXPECT_EQ(v(e.Reserved2), 0) << k;
            EXPECT_TRUE(allZero(e.Version, sizeof e.Version)) << k;
        }
    }
}

namespace {
// AddressSanitizer ends the program on an allocation it cannot make instead
// of throwing std::bad_alloc, so a real failure is only seen without it.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool RealAllocationFailuresThrow = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool RealAllocationFailuresThrow = false;
#else
constexpr bool RealAllocationFailuresThrow = true;
#endif
#else
constexpr bool RealAllocationFailuresThrow = true;
#endif

// A system that grants any allocation (overcommit mode 1) would let a huge
// reservation through and then fill it.
bool GrantsEveryAllocation()
{
    std::ifstream f("/proc/sys/vm/overcommit_memory");
    int mode = 0;
    return f >> mode && mode == 1;
}
} // namespace

TEST_F(ProjectFile, RecordsTheMemoryCannotHoldAreARefusedFile)
{
    TElementList els;
    for (int k = 0; k < 40; ++k) els.push_back(makeElement(k));
    ASSERT_TRUE(WriteProjectFile({"uwagi"}, path("duzy.clcm"), els, 40, 5));

    // The 40 records (2.2 MB) are more than one block may take.
    const std::size_t previousLimit = SetRecordBlockLimit(20 * sizeof(TProjectElement));
    TElementList back;
    std::vector<std::string> com;
    messages.shown.clear();
    const bool read = readIntoSentinel(path("duzy.clcm"), back, com);
    SetRecordBlockLimit(previousLimit);
    EXPECT_FALSE(read);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(v(messages.shown[0]), std::make_pair(std::string("Błąd odczytu pliku!"), std::string("duzy.clcm")));
    // With the memory back the same file reads.
    ASSERT_TRUE(readIntoSentinel(path("duzy.clcm"), back, com));
    EXPECT_EQ(back.size(), 40u);
}

TEST_F(ProjectFile, ASparseFileOfMoreRecordsThanMemoryIsRefused)
{
    if (!RealAllocationFailuresThrow) GTEST_SKIP() << "allocation failures end a sanitized program";
    if (GrantsEveryAllocation()) GTEST_SKIP() << "the system grants every allocation";
    // 4 TiB of records, holes but for the first: the count fits the file.
    TElementList one{makeElement(0)};
    ASSERT_TRUE(WriteProjectFile({}, path("rzadki.clcm"), one, 1, 0));
    const std::uintmax_t size = std::uintmax_t{4} << 40;
    std::error_code ec;
    fs::resize_file(dir / "rzadki.clcm", size, ec);
    if (ec) GTEST_SKIP() << "no sparse file of 4 TiB here: " << ec.message();
    {
        std::fstream f(dir / "rzadki.clcm", std::ios::in | std::ios::out | std::ios::binary);
        const i32 count = static_cast<i32>(size / sizeof(TProjectElement));
        f.seekp(4);
        f.write(reinterpret_cast<const char*>(&count), 4);
    }
    TElementList back;
    std::vector<std::string> com;
    messages.shown.clear();
    EXPECT_FALSE(readIntoSentinel(path("rzadki.clcm"), back, com));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(v(messages.shown[0].first), "Błąd odczytu pliku!");
}

// A comment past either bound is read cut, and the result says so: the file
// and the lines kept; a comment within the bounds carries no notice.
TEST_F(ProjectFile, ACutCommentIsToldWithTheFileAndTheLinesKept)
{
    TElementList one{makeElement(0)};
    std::vector<std::string> atTheLimit(MaxCommentLines, "w");
    ASSERT_TRUE(WriteProjectFile(atTheLimit, path("pelny.clcm"), one, 1, 0));
    TElementList back;
    std::vector<std::string> com;
    TFileResult r = LoadProjectFile(path("pelny.clcm"), back, com);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(com.size(), MaxCommentLines);
    EXPECT_EQ(r.cutNotice, "");

    // One line more: the last one is left out.
    atTheLimit.push_back("ostatni");
    ASSERT_TRUE(WriteProjectFile(atTheLimit, path("wiersze.clcm"), one, 1, 0));
    r = LoadProjectFile(path("wiersze.clcm"), back, com);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(com.size(), MaxCommentLines);
    EXPECT_EQ(r.cutNotice, "Komentarz projektu w pliku wiersze.clcm jest dłuższy, niż program może wczytać "
                           "(1 MiB lub 65536 wierszy). Wczytano tylko jego początek – liczba wierszy: 65536; "
                           "reszta komentarza została pominięta.");

    // Past 1 MiB in three lines: the first two and the start of the third.
    const std::string big(MaxCommentBytes / 2, 'x');
    ASSERT_TRUE(WriteProjectFile({big, big, big}, path("bajty.clcm"), one, 1, 0));
    r = LoadProjectFile(path("bajty.clcm"), back, com);
    ASSERT_TRUE(r.ok());
    ASSERT_EQ(com.size(), 2u);
    EXPECT_EQ(com[1].size(), MaxCommentBytes / 2 - 2);
    EXPECT_NE(r.cutNotice.find("w pliku bajty.clcm"), std::string::npos);
    EXPECT_NE(r.cutNotice.find("liczba wierszy: 2;"), std::string::npos);
    // Exactly 1 MiB is read whole.
    ASSERT_TRUE(WriteProjectFile({std::string(MaxCommentBytes, 'y')}, path("mib.clcm"), one, 1, 0));
    r = LoadProjectFile(path("mib.clcm"), back, com);
    EXPECT_EQ(r.cutNotice, "");
    EXPECT_EQ(com[0].size(), MaxCommentBytes);
    // The notice is no failure and shows nothing by itself.
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ProjectFile, ACommentTailOfLineBreaksIsCutToTheBoundsKept)
{
    TElementList one{makeElement(0)};
    ASSERT_TRUE(WriteProjectFile({"pierwsza", "druga"}, path("ogon.clcm"), one, 1, 0));
    // 2 million CR LF pairs behind the comment: 4 MB of line breaks.
    std::string tail;
    for (int i = 0; i < 2'000'000; ++i) tail += "\r\n";
    {
        std::ofstream f(dir / "ogon.clcm", std::ios::binary | std::ios::app);
        f << tail;
    }
    TElementList back;
    std::vector<std::string> com;
    ASSERT_TRUE(readIntoSentinel(path("ogon.clcm"), back, com));
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0].Name.str(), "Element 1");
    ASSERT_EQ(com.size(), MaxCommentLines);
    EXPECT_EQ(com[0], "pierwsza");
    EXPECT_EQ(com[1], "druga");
    EXPECT_EQ(com.back(), "");
    // What the lines keep, their own storage included.
    std::size_t kept = com.capacity() * sizeof(std::string);
    for (const std::string& line : com)
        if (line.capacity() > std::string().capacity()) kept += line.capacity() + 1;
    EXPECT_LE(kept, 2 * MaxCommentLines * sizeof(std::string) + MaxCommentBytes);

    // One long line: its first MaxCommentBytes bytes.
    orvtest::WriteFileBytes(dir / "linia.clcm", readFile(path("ogon.clcm")).substr(0, sizeof(TProjectElement)) +
                                                    std::string(3 * MaxCommentBytes, 'x'));
    ASSERT_TRUE(readIntoSentinel(path("linia.clcm"), back, com));
    ASSERT_EQ(com.size(), 1u);
    EXPECT_EQ(com[0], std::string(MaxCommentBytes, 'x'));
    std::vector<std::string> lines;
    LoadLinesFromOffset(lines, path("linia.clcm"), sizeof(TProjectElement));
    EXPECT_EQ(lines, com);

    // A comment within the bounds comes back whole: the editor's text saved and read.
    std::vector<std::string> longComment;
    for (int i = 0; i < 5000; ++i) longComment.push_back("Wiersz " + std::to_string(i) + " komentarza");
    ASSERT_TRUE(WriteProjectFile(longComment, path("dlugi.clcm"), one, 1, 0));
    ASSERT_TRUE(readIntoSentinel(path("dlugi.clcm"), back, com));
    EXPECT_EQ(com, longComment);
    EXPECT_EQ(SplitCommentText(tail.data(), tail.size()).size(), MaxCommentLines);
}
