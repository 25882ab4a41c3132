// The reinforcing-steel catalogue: built-in rows, look-ups by mark and by
// list item, and the user's rows read from "stal_zbrojeniowa.def".
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/MyUtils.h"
#include "core/ZELBET_PN99.h"
#include "tests/core/support/TestSupport.h"

using namespace orv;

namespace {

TSteelGrade Marked(const std::string& mark, i32 klasa, double fyk)
{
    TSteelGrade g;
    std::memset(&g, 0, sizeof g);
    g.Klasa = klasa;
    g.Znak.set(mark);
    g.fyk = fyk;
    g.fyd = fyk;
    g.ftk = fyk;
    return g;
}

constexpr const char* Header = "Klasa\tZnak\tfyk\tfyd\tftk\r\n";

} // namespace

TEST(SteelCatalogue, BuiltInRowsAndItems)
{
    const TSteelCatalogue cat;
    ASSERT_EQ(cat.Rows().size(), 16u);
    ASSERT_EQ(cat.PN99().size(), 16u);
    EXPECT_EQ(cat.PN99()[0], "St0S-b (A-0)");
    EXPECT_EQ(cat.PN99()[4], "PB240 (A-I)");
    EXPECT_EQ(cat.PN99()[13], "20G2VY-b (A-IIIN)");
    EXPECT_EQ(cat.PN99()[15], "RB500W (A-IIIN)");
    EXPECT_EQ(cat.GetIndexOfPN99("St0S-b"), 0);
    EXPECT_EQ(cat.GetIndexOfPN99("34GS"), 10);
    EXPECT_EQ(cat.GetIndexOfPN99("RB500W"), 15);
    // Marks compare exactly.
    EXPECT_EQ(cat.GetIndexOfPN99("rb500w"), -1);
    EXPECT_EQ(cat.GetIndexOfPN99("RB500W "), -1);
    EXPECT_EQ(cat.GetIndexOfPN99("BSt500S"), -1);
    EXPECT_EQ(cat.GetIndexOfPN99(""), -1);
    EXPECT_FALSE(cat.IsZnakExists("St3S"));
    EXPECT_TRUE(cat.IsZnakExists("St3S-b"));
    // Every item finds its own row again.
    for (std::size_t i = 0; i < cat.PN99().size(); ++i)
        EXPECT_EQ(cat.GetIndexOfPN99StalOpis(cat.PN99()[i]), static_cast<int>(i)) << cat.PN99()[i];
}

TEST(SteelCatalogue, ClassAndMarkTexts)
{
    EXPECT_EQ(GetKlasa("A-0"), 0);
    EXPECT_EQ(GetKlasa("A-I"), 1);
    EXPECT_EQ(GetKlasa("A-II"), 2);
    EXPECT_EQ(GetKlasa("A-III"), 3);
    EXPECT_EQ(GetKlasa("A-IIIN"), 4);
    EXPECT_EQ(GetKlasa("A-III (stara)"), 3); // up to the first blank
    EXPECT_EQ(GetKlasa("A-IV"), -1);
    EXPECT_EQ(GetKlasa(" A-I"), -1);
    EXPECT_EQ(GetKlasa(""), -1);

    EXPECT_EQ(getZnak("RB500W (A-IIIN)"), "RB500W");
    EXPECT_EQ(getZnak("St0S-b"), "St0S-");  // no bracket: the last character goes
    EXPECT_EQ(getZnak("Stal-ż"), "Stal-"); // a whole UTF-8 character
    EXPECT_EQ(getZnak("(A-I)"), "");
    EXPECT_EQ(getZnak(""), "");
}

TEST(SteelCatalogue, ItemsOfOlderNotations)
{
    const TSteelCatalogue cat;
    EXPECT_EQ(cat.GetIndexOfPN99StalOpis("A-IIIN  (20GSVY)"), cat.GetIndexOfPN99("20G2VY-b"));
    EXPECT_EQ(cat.GetIndexOfPN99StalOpis("A-I  (St3S)"), 3);
    EXPECT_EQ(cat.GetIndexOfPN99StalOpis("St3SX (A-I)"), 1); // "-b" added
    EXPECT_EQ(cat.GetIndexOfPN99StalOpis("20GSVY (A-IIIN)"), 13);
    EXPECT_EQ(cat.GetIndexOfPN99StalOpis("BSt500S (A-IIIN)"), -1);
    EXPECT_EQ(cat.GetIndexOfPN99StalOpis("A-I  (nieznana)"), -1);
    EXPECT_EQ(cat.GetIndexOfPN99StalOpis(""), -1);
}

TEST(SteelCatalogue, MarksNamedLikeClassesFindTheirOwnRows)
{
    orvtest::ScratchDir dir;
    const std::string file = dir.file("stal_zbrojeniowa.def");
    std::string text = Header;
    text += "A-0\tA-IIIN\t300\t250\t350\r\n";
    text += "A-IIIN\tA-0\t500\t420\t550\r\n";
    text += "A-II\tA-I\t355\t310\t480\r\n";
    orvtest::WriteFileBytes(file, text);
    TSteelCatalogue cat;
    cat.Initialize(file);
    ASSERT_EQ(cat.Rows().size(), 19u);
    for (std::size_t i = 0; i < cat.PN99().size(); ++i) {
        const int found = cat.GetIndexOfPN99StalOpis(cat.PN99()[i]);
        EXPECT_EQ(found, static_cast<int>(i)) << cat.PN99()[i];
        if (found >= 0) {
            EXPECT_EQ(cat.Rows()[found].Znak, cat.Rows()[i].Znak);
        }
    }
    const int a0 = cat.GetIndexOfPN99StalOpis("A-IIIN (A-0)");
    ASSERT_GE(a0, 0);
    EXPECT_EQ(cat.Rows()[a0].Znak, "A-IIIN");
    EXPECT_EQ(cat.Rows()[a0].fyk, "300");
    // The older notation still reads, and a mark found nowhere gives none.
    EXPECT_EQ(cat.GetIndexOfPN99StalOpis("A-I  (St3S)"), cat.GetIndexOfPN99("St3S-b"));
    EXPECT_EQ(cat.GetIndexOfPN99StalOpis("A-III (A-0)"), -1);
}

TEST(SteelCatalogue, GradesOfMarks)
{
    const TSteelCatalogue cat;

    // A fixed grade: its own f_tk 260 MPa, not the list's 300.
    TSteelGrade g = Marked("?", 3, 1);
    cat.getStalZbrojeniowa("St0S-b", g);
    EXPECT_EQ(+g.Klasa, 0);
    EXPECT_EQ(g.Znak.str(), "St0S-b");
    EXPECT_EQ(+g.fyk, 220e6);
    EXPECT_EQ(+g.fyd, 190e6);
    EXPECT_EQ(+g.ftk, 260e6);
    EXPECT_EQ(+g.Es, 2e11);
    EXPECT_EQ(+g.UserGrade, 0);

    cat.getStalZbrojeniowa("34GS", g);
    EXPECT_EQ(+g.Klasa, 3);
    EXPECT_EQ(+g.fyk, 410e6);
    EXPECT_EQ(+g.ftk, 500e6);
    EXPECT_EQ(+g.UserGrade, 0);

    // A list grade outside the fixed table: the list's values, flag 1.
    cat.getStalZbrojeniowa("PB240", g);
    EXPECT_EQ(+g.Klasa, 1);
    EXPECT_EQ(g.Znak.str(), "PB240");
    EXPECT_EQ(+g.fyk, 240e6);
    EXPECT_EQ(+g.fyd, 210e6);
    EXPECT_EQ(+g.ftk, 265e6);
    EXPECT_EQ(+g.UserGrade, 1);
    cat.getStalZbrojeniowa("RB500W", g);
    EXPECT_EQ(+g.Klasa, 4);
    EXPECT_EQ(+g.fyd, 420e6);
    EXPECT_EQ(+g.UserGrade, 1);

    // An unknown mark keeps class, mark and strengths; E_s and the flag are set.
    TSteelGrade u = Marked("RB400", 2, 123e6);
    u.Es = 0;
    cat.getStalZbrojeniowa("XYZ", u);
    EXPECT_EQ(+u.Klasa, 2);
    EXPECT_EQ(u.Znak.str(), "RB400");
    EXPECT_EQ(+u.fyk, 123e6);
    EXPECT_EQ(+u.Es, 2e11);
    EXPECT_EQ(+u.UserGrade, 1);
}

TEST(SteelCatalogue, UserRowsFromTheFile)
{
    orvtest::ScratchDir dir;
    const std::string file = dir.file("stal_zbrojeniowa.def");
    std::string text = Header;
    text += "A-II\tBSt500S\t500\t420\t550\r\n";     // a user grade, class A-II
    text += "A-0\tSt0S-b\t220\t190\t300\r\n";       // a built-in row as the program saves it
    text += "A-IIIN\tB500SP\t500\t435,0\t575\n";    // LF only, decimal comma
    text += "A-II\tBSt500S\t510\t430\t560\r\n";     // repeated mark: the first stays
    text += "A-I\tSt\xbfX\t240\t210\t320\r\n";      // CP1250 "ż"
    text += "A-III\t34GS-x\r\n";                    // fields missing
    text += "A-III\tZlyNum\t41O\t350\t500\r\n";     // letter O in a number
    text += "A-III\tZaMalo\t40\t35\t50\r\n";        // below 100 MPa
    text += "A-III\tNaN\tnan\t350\t500\r\n";
    text += "B-II\tInnaKl\t400\t350\t500\r\n";      // unknown class
    text += "A-I \tSpacja\t240\t210\t320\r\n";      // class text with a blank
    text += "A-II\tABCDEFGHIJKLMNOPQRSTU\t355\t310\t480\r\n"; // 21 characters
    text += "A-II\tZnak(1)\t355\t310\t480\r\n";     // bracket would break the item
    text += "\r\n";
    text += "A-II\t" + std::string(300, 'Q') + "\t355\t310\t480\r\n"; // over-long line
    orvtest::WriteFileBytes(file, text);

    TSteelCatalogue cat;
    cat.Initialize(file);
    ASSERT_EQ(cat.Rows().size(), 19u);
    // Each user row stands in front of the first row of a greater class text:
    // St\u017cX after the A-I rows, BSt500S after the A-II rows (before "A-III"),
    // B500SP at the end.
    EXPECT_EQ(cat.PN99()[5], "StżX (A-I)");
    EXPECT_EQ(cat.PN99()[9], "BSt500S (A-II)");
    EXPECT_EQ(cat.PN99()[10], "25G2S (A-III)");
    EXPECT_EQ(cat.PN99()[18], "B500SP (A-IIIN)");
    EXPECT_EQ(cat.GetIndexOfPN99StalOpis("BSt500S (A-II)"), 9);
    EXPECT_EQ(cat.GetIndexOfPN99("34GS-x"), -1);
    EXPECT_EQ(cat.GetIndexOfPN99("ZaMalo"), -1);
    EXPECT_EQ(cat.GetIndexOfPN99("InnaKl"), -1);

    TSteelGrade g = Marked("?", 0, 0);
    cat.getStalZbrojeniowa("BSt500S", g);
    EXPECT_EQ(+g.Klasa, 2);
    EXPECT_EQ(+g.fyk, 500e6);
    EXPECT_EQ(+g.fyd, 420e6); // the first of the two rows
    EXPECT_EQ(+g.ftk, 550e6);
    EXPECT_EQ(+g.UserGrade, 1);
    cat.getStalZbrojeniowa("B500SP", g);
    EXPECT_EQ(+g.Klasa, 4);
    EXPECT_DOUBLE_EQ(+g.fyd, 435e6);
    cat.getStalZbrojeniowa("StżX", g);
    EXPECT_EQ(g.Znak.raw(), "St\xbfX"); // stored in the record's code page
    EXPECT_EQ(+g.Klasa, 1);
    // The built-in St0S-b keeps its fixed values.
    cat.getStalZbrojeniowa("St0S-b", g);
    EXPECT_EQ(+g.ftk, 260e6);

    // Initialising again starts from the built-in rows: nothing doubles.
    cat.Initialize(file);
    EXPECT_EQ(cat.Rows().size(), 19u);
    // Without a file only the built-in rows.
    cat.Initialize(dir.file("brak.def"));
    EXPECT_EQ(cat.Rows().size(), 16u);
    cat.Initialize({});
    EXPECT_EQ(cat.PN99().size(), 16u);
}

TEST(SteelCatalogue, FileWithoutRowsOrOversized)
{
    orvtest::ScratchDir dir;
    TSteelCatalogue cat;

    // A file of one line has only the header; a row on the first line is
    // taken as the header as well.
    const std::string one = dir.file("one.def");
    orvtest::WriteFileBytes(one, "A-II\tBSt500S\t500\t420\t550");
    cat.Initialize(one);
    EXPECT_EQ(cat.Rows().size(), 16u);
    orvtest::WriteFileBytes(one, "");
    cat.Initialize(one);
    EXPECT_EQ(cat.Rows().size(), 16u);

    // At most MaxUserSteelRows rows are taken.
    std::string many = Header;
    for (int k = 0; k <= MaxUserSteelRows; ++k)
        many += "A-III\tU" + std::to_string(k) + "\t400\t350\t500\r\n";
    const std::string manyFile = dir.file("many.def");
    orvtest::WriteFileBytes(manyFile, many);
    cat.Initialize(manyFile);
    EXPECT_EQ(cat.Rows().size(), 16u + MaxUserSteelRows);
    EXPECT_EQ(cat.GetIndexOfPN99("U" + std::to_string(MaxUserSteelRows)), -1);

    // Only the first MaxSteelFileBytes are read; the row cut there is not
    // taken, although its cut text "...\t320" would pass for a valid row.
    std::string big = Header;
    big += "A-I\tPierwszy\t240\t210\t320\r\n";
    const std::string cutRow = "A-I\tUciety\t240\t210\t3201\r\n";
    const std::string filler = "#\r\n";
    const std::size_t cutAt = MaxSteelFileBytes - (cutRow.size() - 3);
    while (big.size() + filler.size() < cutAt) big += filler;
    big.resize(cutAt - 1, '#');
    big += '\n';
    big += cutRow; // the limit falls after "...\t320"
    big += "A-I\tPoLimicie\t240\t210\t320\r\n";
    ASSERT_EQ(big.substr(MaxSteelFileBytes - 4, 4), "\t320");
    const std::string bigFile = dir.file("big.def");
    orvtest::WriteFileBytes(bigFile, big);
    cat.Initialize(bigFile);
    EXPECT_EQ(cat.Rows().size(), 17u);
    EXPECT_GE(cat.GetIndexOfPN99("Pierwszy"), 0);
    EXPECT_EQ(cat.GetIndexOfPN99("Uciety"), -1);
    EXPECT_EQ(cat.GetIndexOfPN99("PoLimicie"), -1);
}

// A file past either limit is read cut and says so; one at the limits not.
TEST(SteelCatalogue, ACutFileIsToldWithTheRowsKept)
{
    orvtest::ScratchDir dir;
    const std::string file = dir.file("stal_zbrojeniowa.def");
    std::string many = Header;
    for (int k = 0; k < MaxUserSteelRows; ++k) many += "A-III\tU" + std::to_string(k) + "\t400\t350\t500\r\n";
    orvtest::WriteFileBytes(file, many);
    TSteelCatalogue cat;
    cat.Initialize(file);
    EXPECT_EQ(cat.Rows().size(), 16u + MaxUserSteelRows);
    EXPECT_FALSE(cat.FileCut());

    orvtest::WriteFileBytes(file, many + "A-III\tNadmiar\t400\t350\t500\r\n");
    cat.Initialize(file);
    EXPECT_TRUE(cat.FileCut());
    EXPECT_EQ(cat.CutNotice(), "Plik katalogu stal_zbrojeniowa.def jest większy, niż program może wczytać (1000 "
                               "pozycji lub 256 KiB). Wczytano tylko jego początek – liczba pozycji użytkownika: "
                               "1000; reszta pliku została pominięta.");

    std::string padded = std::string(Header) + "A-I\tPierwszy\t240\t210\t320\r\n";
    while (padded.size() <= MaxSteelFileBytes) padded += "#\r\n";
    orvtest::WriteFileBytes(file, padded + "A-I\tZaLimitem\t240\t210\t320\r\n");
    cat.Initialize(file);
    EXPECT_EQ(cat.Rows().size(), 17u);
    EXPECT_NE(cat.CutNotice().find("pozycji użytkownika: 1;"), std::string::npos);
    cat.Initialize({});
    EXPECT_FALSE(cat.FileCut());
}

// Only a grade the catalogue would have taken, left unread past a limit, is
// a cut: not blank lines, bad rows or known marks after the last row kept.
TEST(SteelCatalogue, OnlyARowLeftUnreadIsACut)
{
    orvtest::ScratchDir dir;
    const std::string file = dir.file("stal_zbrojeniowa.def");
    std::string full = Header;
    for (int k = 0; k < MaxUserSteelRows; ++k) full += "A-III\tU" + std::to_string(k) + "\t400\t350\t500\r\n";
    const std::string good = "A-III\tNadmiar\t400\t350\t500\r\n";
    const struct {
        std::string tail;
        bool cut;
    } cases[] = {
        {"\r\n", false},
        {"\n\n", false},
        {"A-III\tZly\t40\t350\t500\r\n", false},
        {"A-0\tU12\t220\t190\t260\r\n", false}, // a mark kept already
        {"A-III\tRB400\t400\t350\t440\r\n", false}, // a built-in mark
        {good, true},
        {"\r\n#\r\n" + good, true},
    };
    TSteelCatalogue cat;
    for (const auto& c : cases) {
        orvtest::WriteFileBytes(file, full + c.tail);
        cat.Initialize(file);
        EXPECT_EQ(cat.Rows().size(), 16u + MaxUserSteelRows);
        EXPECT_EQ(cat.FileCut(), c.cut) << c.tail;
    }

    // A file that ends exactly at the byte limit is read whole, its last line
    // end past the limit too; a grade past the limit is a cut.
    std::string limit = std::string(Header) + "A-I\tPierwszy\t240\t210\t320\r\n";
    const std::string last = "A-I\tOstatni\t240\t210\t320";
    while (limit.size() + 3 + last.size() <= MaxSteelFileBytes) limit += "#\r\n";
    limit.resize(MaxSteelFileBytes - last.size() - 2, '#');
    limit += "\r\n" + last;
    ASSERT_EQ(limit.size(), MaxSteelFileBytes);
    for (const std::string& tail : {std::string(), std::string("\r\n"), std::string("\n#\r\n")}) {
        orvtest::WriteFileBytes(file, limit + tail);
        cat.Initialize(file);
        EXPECT_EQ(cat.Rows().size(), 18u);
        EXPECT_FALSE(cat.FileCut()) << tail.size();
    }
    orvtest::WriteFileBytes(file, limit + "\r\n" + good);
    cat.Initialize(file);
    EXPECT_EQ(cat.Rows().size(), 18u);
    EXPECT_TRUE(cat.FileCut());
}

// Strengths stay the texts they were typed or read as, whatever their form.
TEST(SteelCatalogue, StrengthTextsComeBackAsTheyWereRead)
{
    orvtest::ScratchDir dir;
    const std::string file = dir.file("stal_zbrojeniowa.def");
    std::string text = Header;
    text += "A-I\tGranice\t100\t700\t699,99999999999989\r\n";
    text += "A-II\tUlamki\t412,34\t350.04\t1234567.891e-4\r\n";
    text += "A-III\tWykladnik\t4e2\t 3,5E2 \t500,0000001\r\n";
    for (const char sep : {',', '.'}) {
        const char before = DecimalSeparator();
        SetDecimalSeparator(sep);
        orvtest::WriteFileBytes(file, text);
        TSteelCatalogue cat;
        cat.Initialize(file);
        ASSERT_EQ(cat.Rows().size(), 19u);
        EXPECT_EQ(cat.Rows()[5].ftk, "699,99999999999989");
        EXPECT_EQ(cat.Rows()[9].ftk, "1234567.891e-4");
        TSteelGrade g{};
        cat.getStalZbrojeniowa("Ulamki", g);
        EXPECT_DOUBLE_EQ(+g.fyk, 412.34e6);
        const std::vector<TSteelRow> rows = cat.Rows();
        ASSERT_TRUE(SaveSteelCatalogue(file, rows).ok());
        const std::string written = orvtest::ReadFileBytes(file);
        EXPECT_NE(written.find("A-III\tWykladnik\t4e2\t 3,5E2 \t500,0000001\r\n"), std::string::npos);
        cat.Initialize(file);
        ASSERT_EQ(cat.Rows(), rows);
        ASSERT_TRUE(SaveSteelCatalogue(file, cat.Rows()).ok());
        EXPECT_EQ(orvtest::ReadFileBytes(file), written);
        SetDecimalSeparator(before);
    }
}

TEST(SteelCatalogue, SavedFileRoundTripsByteForByte)
{
    orvtest::ScratchDir dir;
    const std::string file = dir.file("stal_zbrojeniowa.def");
    std::vector<TSteelRow> rows(std::begin(BuiltInSteelRows), std::end(BuiltInSteelRows));
    InsertSteelRow(rows, {"A-IIIN", "B500SP", "500", "435", "575"});
    InsertSteelRow(rows, {"A-I", "StżX", "240", "210", "320"});
    InsertSteelRow(rows, {"A-0", "Zwykła", "220", "190", "260"});
    // Each stands behind the last row of its class.
    EXPECT_EQ(rows[1].Znak, "Zwykła");
    EXPECT_EQ(rows[6].Znak, "StżX");
    EXPECT_EQ(rows.back().Znak, "B500SP");

    ASSERT_TRUE(SaveSteelCatalogue(file, rows).ok());
    const std::string written = orvtest::ReadFileBytes(file);
    // The header, then every row, the built-in ones included.
    EXPECT_EQ(written.substr(0, std::strlen(Header)), Header);
    EXPECT_EQ(written.substr(std::strlen(Header), 24), "A-0\tSt0S-b\t220\t190\t300\r\n");
    EXPECT_NE(written.find("A-I\tSt\xbfX\t240\t210\t320\r\n"), std::string::npos);
    std::size_t lines = 0;
    for (std::size_t p = written.find("\r\n"); p != std::string::npos; p = written.find("\r\n", p + 2)) ++lines;
    EXPECT_EQ(lines, 1u + 19u);

    // Read back, only the user rows are added; written again, byte for byte.
    TSteelCatalogue cat;
    cat.Initialize(file);
    ASSERT_EQ(cat.Rows(), rows);
    ASSERT_TRUE(SaveSteelCatalogue(file, cat.Rows()).ok());
    EXPECT_EQ(orvtest::ReadFileBytes(file), written);

    // A file that cannot be written leaves the old one whole.
    const TFileResult r = SaveSteelCatalogue(dir.file("brak/stal_zbrojeniowa.def"), rows);
    EXPECT_EQ(r.status, TFileStatus::WriteFailed);
    EXPECT_EQ(r.headline, "Błąd zapisu pliku!");
}

TEST(SteelCatalogue, MarksTheFileCanKeep)
{
    EXPECT_EQ(CheckSteelMark("BSt500S"), TSteelMarkCheck::Ok);
    EXPECT_EQ(CheckSteelMark(""), TSteelMarkCheck::Empty);
    // A tab or a line break would split the file's line; a bracket the list item.
    EXPECT_EQ(CheckSteelMark("B\t500"), TSteelMarkCheck::BadCharacters);
    EXPECT_EQ(CheckSteelMark("B500\r\n"), TSteelMarkCheck::BadCharacters);
    EXPECT_EQ(CheckSteelMark("B500 (x)"), TSteelMarkCheck::BadCharacters);
    EXPECT_EQ(CheckSteelMark("ABCDEFGHIJKLMNOPQRST"), TSteelMarkCheck::Ok);
    EXPECT_EQ(CheckSteelMark("ABCDEFGHIJKLMNOPQRSTU"), TSteelMarkCheck::TooLong);
    EXPECT_EQ(CheckSteelMark("ŻŻŻŻŻŻŻŻŻŻŻŻŻŻŻŻŻŻŻŻ"), TSteelMarkCheck::Ok); // 20 single bytes
    EXPECT_EQ(CheckSteelMark("RB500", {"RB400", "RB500"}), TSteelMarkCheck::Duplicate);
    EXPECT_EQ(CheckSteelMark("rb500", {"RB400", "RB500"}), TSteelMarkCheck::Ok);

    EXPECT_TRUE(IsBuiltInSteelRow(BuiltInSteelRows[4]));
    TSteelRow changed = BuiltInSteelRows[4];
    changed.ftk = "266";
    EXPECT_FALSE(IsBuiltInSteelRow(changed));
}
