// The ".kond" storey file: round trip and refusal of bad files.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>

#include "tests/core/support/TestSupport.h"
#include "core/ZunFiles.h"

using namespace orv;
using orvtest::MessageRecorder;
using orvtest::ReadFileBytes;
using orvtest::ScratchDir;
using orvtest::WriteFileBytes;

namespace {
std::unique_ptr<TLoadCompilation> defaults()
{
    auto l = std::make_unique<TLoadCompilation>();
    std::memset(l.get(), 0, sizeof *l);
    InitLoadCompilation(*l);
    return l;
}
std::string bytesOf(const TLoadCompilation& l)
{
    return std::string(reinterpret_cast<const char*>(&l), sizeof l);
}
} // namespace

TEST(StoreyFile, RoundTripByteForByte)
{
    ScratchDir dir;
    MessageRecorder rec;
    auto l = defaults();
    l->StoreyCount = 4;
    l->CurrentStorey = 3;
    l->h[3] = 2.85;
    l->gL[1] = 5.25;
    StrToFixedText("Strop Teriva 4.0 – ciężar własny", l->gLText[2]);

    ASSERT_TRUE(WriteStoreyFile(dir.file("parter.txt"), *l));
    const std::string written = ReadFileBytes(dir.file("parter.kond"));
    ASSERT_EQ(written.size(), 34924u);
    EXPECT_EQ(written.substr(0, 4), "01.0");
    EXPECT_EQ(written.substr(4), bytesOf(*l));

    auto back = defaults();
    ASSERT_TRUE(ReadStoreyFile(dir.file("parter.kond"), *back));
    EXPECT_EQ(bytesOf(*back), bytesOf(*l));
    EXPECT_EQ(FixedTextToStr(back->gLText[2]), "Strop Teriva 4.0 – ciężar własny");
    EXPECT_TRUE(rec.messages.empty());

    // writing again replaces the file and leaves no temporary behind
    ASSERT_TRUE(WriteStoreyFile(dir.file("parter.kond"), *back));
    int files = 0;
    for (auto& e : std::filesystem::directory_iterator(dir.path())) { (void)e; ++files; }
    EXPECT_EQ(files, 1);
}

TEST(StoreyFile, BadFilesAreRefusedAndLeaveTheRecord)
{
    ScratchDir dir;
    MessageRecorder rec;
    auto good = defaults();
    good->StoreyCount = 2;
    const std::string valid = "01.0" + bytesOf(*good);

    struct Case { const char* name; std::string data; const char* headline; };
    std::string projectV13 = valid;
    projectV13[3] = '3';
    std::string badPattern = valid;
    badPattern[2] = ',';
    const Case cases[] = {
        {"short.kond", valid.substr(0, 100), "Błąd odczytu pliku!"},
        {"empty.kond", "", "Błąd odczytu pliku!"},
        {"three.kond", "01.", "Błąd odczytu pliku!"},
        {"long.kond", valid + "x", "Błąd odczytu pliku!"},
        {"v13.kond", projectV13, "Błąd odczytu pliku!"},
        {"pattern.kond", badPattern, "Błąd odczytu pliku!"},
    };
    for (const Case& c : cases) {
        WriteFileBytes(dir.file(c.name), c.data);
        auto target = defaults();
        target->F_dach = 7.5;
        const std::string before = bytesOf(*target);
        rec.messages.clear();
        EXPECT_FALSE(ReadStoreyFile(dir.file(c.name), *target)) << c.name;
        EXPECT_EQ(bytesOf(*target), before) << c.name;
        ASSERT_EQ(rec.messages.size(), 1u) << c.name;
        EXPECT_EQ(rec.messages[0].headline, c.headline);
        EXPECT_EQ(rec.messages[0].type, mdError);
        EXPECT_EQ(rec.messages[0].buttons, unsigned(mbOK));
    }
    // wrong version: the message says what is true, with the bare file name
    rec.messages.clear();
    auto target = defaults();
    ReadStoreyFile(dir.file("v13.kond"), *target);
    ASSERT_EQ(rec.messages.size(), 1u);
    EXPECT_EQ(rec.messages[0].text, "Plik v13.kond nie jest plikiem utworzonym przez ten program!");

    rec.messages.clear();
    EXPECT_FALSE(ReadStoreyFile(dir.file("brak.kond"), *target));
    ASSERT_EQ(rec.messages.size(), 1u);
    EXPECT_EQ(rec.messages[0].headline, "Brak pliku!");
    EXPECT_EQ(rec.messages[0].text, "brak.kond");
}

TEST(StoreyFile, AFileOfAnotherSizeIsRefusedWithoutBeingRead)
{
    // A storey file of the right version text followed by 1 TiB of holes:
    // more than any memory, refused by its size alone.
    ScratchDir dir;
    auto good = defaults();
    const std::string file = dir.file("wielki.kond");
    WriteFileBytes(file, "01.0" + bytesOf(*good));
    std::error_code ec;
    std::filesystem::resize_file(file, std::uintmax_t{1} << 40, ec);
    if (ec) GTEST_SKIP() << "no sparse file of 1 TiB here: " << ec.message();
    auto target = defaults();
    target->F_dach = 7.5;
    const std::string before = bytesOf(*target);
    const TFileResult r = LoadStoreyFile(file, *target);
    EXPECT_EQ(r.status, TFileStatus::ReadFailed);
    EXPECT_EQ(r.headline, "Błąd odczytu pliku!");
    EXPECT_EQ(r.message, "wielki.kond");
    EXPECT_EQ(bytesOf(*target), before);
    // Cut back to its size, the same file reads.
    std::filesystem::resize_file(file, StoreyFileSize);
    EXPECT_TRUE(LoadStoreyFile(file, *target).ok());
    EXPECT_EQ(bytesOf(*target), bytesOf(*good));
}

TEST(StoreyFile, CountsFromAFileAreBroughtIntoRange)
{
    ScratchDir dir;
    MessageRecorder rec;
    auto l = defaults();
    l->StoreyCount = 250;
    l->CurrentStorey = -3;
    l->bUnit = 9;
    l->Unit_h[4] = -1;
    l->Unit_tw[9] = 77;
    WriteFileBytes(dir.file("x.kond"), "01.0" + bytesOf(*l));
    auto back = defaults();
    ASSERT_TRUE(ReadStoreyFile(dir.file("x.kond"), *back));
    // nine storeys at most; a length unit other than m, cm, mm reads metres
    EXPECT_EQ(+back->StoreyCount, 9);
    EXPECT_EQ(+back->CurrentStorey, 1);
    EXPECT_EQ(+back->bUnit, 0);
    EXPECT_EQ(+back->Unit_h[4], 0);
    EXPECT_EQ(+back->Unit_tw[9], 0);
    EXPECT_EQ(+back->Unit_t[0], 0);

    // Ten storeys, the most the record could hold, is one more than the
    // storeys there are.
    l->StoreyCount = 10;
    WriteFileBytes(dir.file("ten.kond"), "01.0" + bytesOf(*l));
    ASSERT_TRUE(ReadStoreyFile(dir.file("ten.kond"), *back));
    EXPECT_EQ(+back->StoreyCount, 9);

    l->StoreyCount = 3;
    for (i32 current : {5, 9, 11}) { // beyond the storeys in use, not the basement slab
        l->CurrentStorey = current;
        WriteFileBytes(dir.file("y.kond"), "01.0" + bytesOf(*l));
        ASSERT_TRUE(ReadStoreyFile(dir.file("y.kond"), *back));
        EXPECT_EQ(+back->CurrentStorey, 3) << current;
    }
}

TEST(StoreyFile, BasementSlabPageIsKept)
{
    // Entry 10 is the slab over the basement, whatever the storey count.
    ScratchDir dir;
    MessageRecorder rec;
    auto l = defaults();
    l->kond_powtrz = 0;
    for (i32 count : {1, 3, 9}) {
        l->StoreyCount = count;
        l->CurrentStorey = 10;
        ASSERT_TRUE(WriteStoreyFile(dir.file("piwnica.kond"), *l));
        auto back = defaults();
        ASSERT_TRUE(ReadStoreyFile(dir.file("piwnica.kond"), *back));
        EXPECT_EQ(bytesOf(*back), bytesOf(*l)) << count;
        EXPECT_EQ(+back->CurrentStorey, 10);
    }
    EXPECT_TRUE(rec.messages.empty());
}

TEST(StoreyFile, SwitchesModesAndTextLengthsAreBroughtIntoRange)
{
    ScratchDir dir;
    MessageRecorder rec;
    auto sound = defaults();
    // A sound record with every switch and mode at its other value somewhere.
    sound->TakeFromElement = 0;
    sound->StoreyCount = 4;
    sound->CurrentStorey = 2;
    sound->strop_L[1] = 0;
    sound->bs_ind[3] = 1;
    sound->GsTyp[2] = 1;
    sound->SlTyp[0] = 1;
    sound->twTyp[9] = 1;
    sound->SwitchReserved[5] = 200; // not interpreted: carried as it is
    StrToFixedText("Strop gęstożebrowy", sound->gLText[1]);
    sound->pPText[8].Length = 512;
    ASSERT_TRUE(WriteStoreyFile(dir.file("dobry.kond"), *sound));
    auto back = defaults();
    ASSERT_TRUE(ReadStoreyFile(dir.file("dobry.kond"), *back));
    EXPECT_EQ(bytesOf(*back), bytesOf(*sound));

    auto bad = defaults();
    *bad = *sound;
    bad->TakeFromElement = 7;
    bad->kond_powtrz = 255;
    bad->strop_L[0] = 2;
    bad->strop_P[9] = 0x80;
    bad->wieniec[4] = 3;
    bad->bs_ind[3] = 9;
    bad->GsTyp[1] = 5;
    bad->GwTyp[4] = -1;
    bad->SlTyp[0] = 2;
    bad->SpTyp[9] = INT32_MIN;
    bad->twTyp[3] = 7;   // only 1 means "ring-beam thickness given"
    bad->twTyp[5] = -1;
    bad->pPText[2].Length = 600;
    bad->gPText[9].Length = -1;
    bad->roText[0].Length = INT32_MAX;
    WriteFileBytes(dir.file("zly.kond"), "01.0" + bytesOf(*bad));

    // What the dialog will see: the same record with each value repaired.
    auto expected = defaults();
    *expected = *bad;
    expected->TakeFromElement = 1;
    expected->kond_powtrz = 1;
    expected->strop_L[0] = 1;
    expected->strop_P[9] = 1;
    expected->wieniec[4] = 1;
    expected->bs_ind[3] = 1;
    expected->GsTyp[1] = 1;
    expected->GwTyp[4] = 1;
    expected->SlTyp[0] = 1;
    expected->SpTyp[9] = 1;
    expected->twTyp[3] = 0;
    expected->twTyp[5] = 0;
    expected->pPText[2].Length = 512;
    expected->gPText[9].Length = 0;
    expected->roText[0].Length = 512;
    ASSERT_TRUE(ReadStoreyFile(dir.file("zly.kond"), *back));
    EXPECT_EQ(bytesOf(*back), bytesOf(*expected));
    EXPECT_EQ(FixedTextToStr(back->gLText[1]), "Strop gęstożebrowy");
    EXPECT_TRUE(rec.messages.empty());
}

TEST(StoreyFile, RandomGarbageNeverCrashes)
{
    ScratchDir dir;
    MessageRecorder rec;
    std::mt19937 rng(1234);
    auto target = defaults();
    for (int i = 0; i < 200; ++i) {
        const std::size_t size = (i % 4 == 0) ? StoreyFileSize : rng() % 40000;
        std::string data(size, '\0');
        for (char& c : data) c = static_cast<char>(rng());
        if (i % 2 == 0 && size >= 4) std::memcpy(data.data(), "01.0", 4);
        WriteFileBytes(dir.file("g.kond"), data);
        if (ReadStoreyFile(dir.file("g.kond"), *target)) {
            EXPECT_GE(+target->StoreyCount, 1);
            EXPECT_LE(+target->StoreyCount, 9);
            EXPECT_GE(+target->CurrentStorey, 1);
            if (target->CurrentStorey != 10) {
                EXPECT_LE(+target->CurrentStorey, +target->StoreyCount);
            }
            EXPECT_LE(+target->TakeFromElement, 1);
            EXPECT_LE(+target->kond_powtrz, 1);
            for (int s = 0; s < 10; ++s) {
                EXPECT_LE(+target->strop_L[s] | target->strop_P[s] | target->wieniec[s] | target->bs_ind[s], 1);
                for (i32 mode : {+target->GsTyp[s], +target->GwTyp[s], +target->SlTyp[s], +target->SpTyp[s],
                                 +target->twTyp[s]}) {
                    EXPECT_GE(mode, 0);
                    EXPECT_LE(mode, 1);
                }
                for (const TFixedText* row : {target->pPText, target->pLText, target->roText, target->ro_wText,
                                              target->gLText, target->gPText}) {
                    const i32 n = row[s].Length;
                    EXPECT_GE(n, 0);
                    EXPECT_LE(n, 512);
                }
            }
        }
    }
}

TEST(StoreyFile, FailedWriteReportsAndKeepsTheOldFile)
{
    ScratchDir dir;
    MessageRecorder rec;
    auto l = defaults();
    // the folder named is a regular file, so nothing can be created in it
    WriteFileBytes(dir.file("plik"), "zawartość");
    EXPECT_FALSE(WriteStoreyFile(dir.file("plik") + "/a.kond", *l));
    ASSERT_EQ(rec.messages.size(), 1u);
    EXPECT_EQ(rec.messages[0].headline, "Błąd zapisu pliku!");
    EXPECT_EQ(rec.messages[0].text, "a.kond");
    EXPECT_EQ(ReadFileBytes(dir.file("plik")), "zawartość");

    // a directory in the target's place cannot be replaced
    std::filesystem::create_directory(dir.file("kat.kond"));
    rec.messages.clear();
    EXPECT_FALSE(WriteStoreyFile(dir.file("kat.kond"), *l));
    EXPECT_EQ(rec.messages.size(), 1u);
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("kat.kond")));
}
