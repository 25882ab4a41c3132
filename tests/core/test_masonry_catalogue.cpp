// The masonry-unit catalogue: the built-in units, the user's file read row
// by row and written back byte for byte, names the file can keep, and a
// catalogue unit taken into an element.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>

#include "core/Cp1250.h"
#include "core/MasonryCatalogue.h"
#include "core/MyUtils.h"
#include "core/ZunCalc.h"
#include "core/ZunTypes.h"
#include "tests/core/support/TestSupport.h"

using namespace orv;

namespace {

// File text from UTF-8 lines: Windows-1250, each line ended by CR LF.
std::string FileText(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string& l : lines) text += Utf8ToCp1250(l) + "\r\n";
    return text;
}

const std::string Header = "Nazwa\tmateriał\tgrupa\tfb\tkategoria\tgęstość";

class MasonryCatalogueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        oldSep_ = DecimalSeparator();
        SetDecimalSeparator(',');
    }
    void TearDown() override { SetDecimalSeparator(oldSep_); }

    std::size_t userRows(const TMasonryCatalogue& c) const { return c.Rows().size() - BuiltInMasonryUnitCount; }

    orvtest::ScratchDir dir;

private:
    char oldSep_ = '.';
};

std::unique_ptr<TCalcInput> DefaultInput()
{
    auto in = std::make_unique<TCalcInput>();
    std::memset(in.get(), 0, sizeof *in);
    InitElementRecord(*in);
    return in;
}

} // namespace

TEST_F(MasonryCatalogueTest, BuiltInUnitsAndTheirColumns)
{
    const TMasonryCatalogue cat;
    ASSERT_EQ(cat.Rows().size(), 27u);
    EXPECT_EQ(cat.Rows()[0].Name, "Cegła ceramiczna pełna kl.7.5");
    // The clinker of class 35 carries f_b 30 in the table.
    EXPECT_EQ(cat.Rows()[5].Name, "Cegła ceramiczna klinkierowa kl.35");
    EXPECT_EQ(cat.Rows()[5].Fb, 30);

    const TMasonryUnitRow& hollow = cat.Rows()[6]; // dziurawka: ceramic group 4
    EXPECT_EQ(MasonryUnitColumnText(hollow, 1), "ceramika");
    EXPECT_EQ(MasonryUnitColumnText(hollow, 2), "4");
    EXPECT_EQ(MasonryUnitColumnText(hollow, 3), "5,0");
    EXPECT_EQ(MasonryUnitColumnText(hollow, 4), "I");
    EXPECT_EQ(MasonryUnitColumnText(hollow, 5), "14,5");
    const TMasonryUnitRow& aac = cat.Rows()[26];
    EXPECT_EQ(MasonryUnitColumnText(aac, 1), "autoklawizowany beton komórkowy");
    // Every material in the nominative, as the column's other words.
    EXPECT_EQ(MasonryMaterialText(mmAggregateConcrete), "beton kruszywowy");
    EXPECT_EQ(MasonryMaterialText(mmNaturalStone), "kamień naturalny");
    EXPECT_EQ(MasonryUnitColumnText(aac, 2), "n/d");

    // Kinds: ceramic the group, silicate + 4, aggregate concrete + 6, then 10..12.
    EXPECT_EQ(MasonryKindOf(0, 3), mkCeramic4);
    EXPECT_EQ(MasonryKindOf(1, 1), mkSilicate2);
    EXPECT_EQ(MasonryKindOf(2, 2), mkConcrete3);
    EXPECT_EQ(MasonryKindOf(3, 1), mkAAC);
    EXPECT_EQ(MasonryKindOf(5, 0), mkNaturalStone);
    // A silicate has two groups: "group 3" would name an aggregate concrete kind.
    EXPECT_EQ(MasonryKindOf(1, 2), -1);
    EXPECT_EQ(MasonryKindOf(6, 0), -1);

    TMasonryUnitInfo info;
    ASSERT_TRUE(cat.GetElementByName("Cegła silikatowa drążona 2NF kl.15", info));
    EXPECT_EQ(info.Kind, mkSilicate2);
    EXPECT_EQ(info.fb, 15);
    EXPECT_EQ(info.Density, 18);
    // Names compare exactly; an unknown name leaves the answer alone.
    info.Kind = 99;
    EXPECT_FALSE(cat.GetElementByName("cegła silikatowa drążona 2NF kl.15", info));
    EXPECT_FALSE(cat.GetElementByName("", info));
    EXPECT_EQ(info.Kind, 99);
}

TEST_F(MasonryCatalogueTest, UserFileRoundTripsByteForByte)
{
    const std::string file = dir.file("elementy_mur.def");
    std::vector<TMasonryUnitRow> rows = TMasonryCatalogue().Rows();
    rows.push_back({"Pustak Żółty 25 – kl.12,5", 0, 2, 12.5, 1, 11.5});
    rows.push_back({"Bloczek z kamienia", 5, 0, 40, 0, 27});
    ASSERT_TRUE(SaveMasonryCatalogue(file, rows).ok());
    const std::string written = orvtest::ReadFileBytes(file);

    // Header, 27 built-in and 2 user lines, Windows-1250 with CR LF.
    const std::string header = Utf8ToCp1250(Header) + "\r\n";
    EXPECT_EQ(written.substr(0, header.size()), header);
    EXPECT_NE(written.find(Utf8ToCp1250("Pustak Żółty 25 – kl.12,5") + "\t0\t2\t12,5\t1\t11,5\r\n"),
              std::string::npos);
    EXPECT_NE(written.find("\xAF\xF3\xB3"), std::string::npos); // Ż ó ł as single bytes

    TMasonryCatalogue read;
    read.Initialize(file);
    ASSERT_EQ(read.Rows(), rows);
    ASSERT_TRUE(SaveMasonryCatalogue(file, read.Rows()).ok());
    EXPECT_EQ(orvtest::ReadFileBytes(file), written);

    // A file written with "." reads alike.
    orvtest::WriteFileBytes(file, FileText({Header, "Blok\t2\t1\t7.5\t0\t21.5"}));
    read.Initialize(file);
    ASSERT_EQ(userRows(read), 1u);
    EXPECT_EQ(read.Rows().back(), (TMasonryUnitRow{"Blok", 2, 1, 7.5, 0, 21.5}));
}

TEST_F(MasonryCatalogueTest, UnitWeightKeepsTheEditorsTwoDecimals)
{
    // The editor takes the unit weight with two decimals: 13.25 kN/m3 is
    // written "13,25" (not "13,3") and comes back 13.25; one decimal stays
    // one ("11,5"), so files written before read and write back alike.
    const std::string file = dir.file("elementy_mur.def");
    std::vector<TMasonryUnitRow> rows = TMasonryCatalogue().Rows();
    rows.push_back({"Pustak 13,25", 0, 1, 10, 0, 13.25});
    rows.push_back({"Pustak 9,05", 0, 1, 10, 0, 9.05});
    rows.push_back({"Pustak 11,5", 0, 1, 10, 0, 11.5});
    ASSERT_TRUE(SaveMasonryCatalogue(file, rows).ok());
    const std::string written = orvtest::ReadFileBytes(file);
    EXPECT_NE(written.find("Pustak 13,25\t0\t1\t10,0\t0\t13,25\r\n"), std::string::npos);
    EXPECT_NE(written.find("Pustak 9,05\t0\t1\t10,0\t0\t9,05\r\n"), std::string::npos);
    EXPECT_NE(written.find("Pustak 11,5\t0\t1\t10,0\t0\t11,5\r\n"), std::string::npos);
    EXPECT_NE(written.find(Utf8ToCp1250("Cegła ceramiczna pełna kl.10\t0\t0\t10,0\t0\t18,0\r\n")),
              std::string::npos);

    TMasonryCatalogue read;
    read.Initialize(file);
    ASSERT_EQ(read.Rows(), rows);
    TMasonryUnitInfo info;
    ASSERT_TRUE(read.GetElementByName("Pustak 13,25", info));
    EXPECT_EQ(info.Density, 13.25);
    ASSERT_TRUE(SaveMasonryCatalogue(file, read.Rows()).ok());
    EXPECT_TRUE(orvtest::ReadFileBytes(file) == written);
}

// Whatever the reader takes comes back from a save as it was read, under a
// Polish and a C separator and across them; a second save is the first.
TEST_F(MasonryCatalogueTest, EveryValueReadIsWrittenBackTheSame)
{
    const std::string file = dir.file("elementy_mur.def");
    const std::string text = FileText({
        Header,
        "f_b 0,04\t0\t0\t0,04\t0\t18",
        "f_b 12,34\t0\t1\t12.34\t0\t13,333",
        "f_b 1e-7\t1\t0\t1e-7\t0\t0,30000000000000004",
        "Na granicach\t2\t3\t1000\t1\t30",
        "Tuż pod granicami\t3\t1\t999,99999999999989\t1\t29.999999999999996",
        "Najmniejsze\t4\t0\t4.9406564584124654e-324\t0\t-0",
        "Wykładnik\t5\t1\t1,5E-300\t0\t 1e-5 ",
    });
    const std::string lines[] = {
        "f_b 0,04\t0\t0\t0,04\t0\t18,0\r\n",
        "f_b 12,34\t0\t1\t12,34\t0\t13,333\r\n",
        "f_b 1e-7\t1\t0\t0,0000001\t0\t0,30000000000000004\r\n",
        "Na granicach\t2\t3\t1000,0\t1\t30,0\r\n",
        "Tuż pod granicami\t3\t1\t999,9999999999999\t1\t29,999999999999996\r\n",
        "Najmniejsze\t4\t0\t5e-324\t0\t0,0\r\n",
        "Wykładnik\t5\t1\t1,5e-300\t0\t0,00001\r\n",
    };
    for (const char sep : {',', '.'}) {
        SetDecimalSeparator(sep);
        orvtest::WriteFileBytes(file, text);
        TMasonryCatalogue read;
        read.Initialize(file);
        ASSERT_EQ(userRows(read), 7u) << sep;
        EXPECT_EQ(read.Rows()[27].Fb, 0.04);
        EXPECT_EQ(read.Rows()[28].Fb, 12.34);
        EXPECT_EQ(read.Rows()[32].Fb, 5e-324);
        const std::vector<TMasonryUnitRow> rows = read.Rows();

        ASSERT_TRUE(SaveMasonryCatalogue(file, rows).ok());
        const std::string written = orvtest::ReadFileBytes(file);
        for (std::string line : lines) {
            if (sep == '.') std::replace(line.begin() + line.find('\t'), line.end(), ',', '.');
            EXPECT_NE(written.find(Utf8ToCp1250(line)), std::string::npos) << line;
        }
        for (const char readSep : {',', '.'}) {
            SetDecimalSeparator(readSep);
            read.Initialize(file);
            ASSERT_EQ(read.Rows(), rows) << sep << readSep;
        }
        SetDecimalSeparator(sep);
        ASSERT_TRUE(SaveMasonryCatalogue(file, read.Rows()).ok());
        EXPECT_TRUE(orvtest::ReadFileBytes(file) == written) << sep;
    }
}

TEST_F(MasonryCatalogueTest, BadLinesAreRefusedOneByOne)
{
    const std::string file = dir.file("elementy_mur.def");
    const std::string text = FileText({
        Header,
        "Dobry 1\t0\t1\t10,0\t0\t15,0",
        "Za mało pól\t0\t1\t10,0\t0",
        "Za dużo pól\t0\t1\t10,0\t0\t15,0\t7",
        "Materiał słowem\tceramika\t1\t10,0\t0\t15,0",
        "Materiał 6\t6\t0\t10,0\t0\t15,0",
        "Silikat grupy 3\t1\t2\t10,0\t0\t15,0",
        "f_b tekstem\t0\t1\tdziesięć\t0\t15,0",
        "f_b zero\t0\t1\t0,0\t0\t15,0",
        "f_b nan\t0\t1\tnan\t0\t15,0",
        "Kategoria 2\t0\t1\t10,0\t2\t15,0",
        "Ciężar ujemny\t0\t1\t10,0\t0\t-1,0",
        "Ciężar 31\t0\t1\t10,0\t0\t31,0",
        "\t0\t1\t10,0\t0\t15,0",
        "Cegła ceramiczna pełna kl.10\t3\t0\t99,0\t1\t5,0", // a built-in name
        "Dobry 1\t2\t0\t20,0\t0\t24,0",                  // the first one wins
        "",
        "Dobry 2\t3\t1\t4,0\t1\t6,0",
    });
    // The last line cut in the middle, without its line end.
    orvtest::WriteFileBytes(file, text + Utf8ToCp1250("Urwany\t0\t1\t1"));

    TMasonryCatalogue cat;
    cat.Initialize(file);
    ASSERT_EQ(userRows(cat), 2u);
    EXPECT_EQ(cat.Rows()[27], (TMasonryUnitRow{"Dobry 1", 0, 1, 10, 0, 15}));
    EXPECT_EQ(cat.Rows()[28], (TMasonryUnitRow{"Dobry 2", 3, 1, 4, 1, 6}));
    TMasonryUnitInfo info;
    ASSERT_TRUE(cat.GetElementByName("Cegła ceramiczna pełna kl.10", info));
    EXPECT_EQ(info.Kind, mkCeramic1);
    EXPECT_EQ(info.fb, 10);
    // Reading never touches the file.
    EXPECT_EQ(orvtest::ReadFileBytes(file), text + Utf8ToCp1250("Urwany\t0\t1\t1"));

    // Only a header, an empty file, binary rubbish, no file: the built-in units.
    for (const std::string& bad : {FileText({Header}), std::string(), std::string("\0\xFF\r\n\0\t\t\t\t\t\n", 12)}) {
        orvtest::WriteFileBytes(file, bad);
        cat.Initialize(file);
        EXPECT_EQ(userRows(cat), 0u);
    }
    cat.Initialize(dir.file("brak.def"));
    EXPECT_EQ(cat.Rows().size(), 27u);
}

TEST_F(MasonryCatalogueTest, HugeFileIsReadUpToItsLimits)
{
    const std::string file = dir.file("elementy_mur.def");
    // An overlong line is skipped, the rows after it still count.
    std::string text = FileText({Header, std::string(5000, 'x') + "\t0\t0\t10\t0\t18", "Po długiej\t0\t0\t10\t0\t18"});
    // Then far more rows than the catalogue keeps, past the size limit.
    for (int i = 0; i < 30000; ++i) text += "Element " + std::to_string(i) + "\t0\t0\t10,0\t0\t18,0\r\n";
    ASSERT_GT(text.size(), MaxMasonryFileBytes);
    orvtest::WriteFileBytes(file, text);

    TMasonryCatalogue cat;
    cat.Initialize(file);
    ASSERT_EQ(userRows(cat), static_cast<std::size_t>(MaxUserMasonryUnits));
    EXPECT_EQ(cat.Rows()[27].Name, "Po długiej");
    EXPECT_EQ(cat.Rows().back().Name, "Element " + std::to_string(MaxUserMasonryUnits - 2));
}

// A file past either limit is read cut and says so; one at the limits not.
TEST_F(MasonryCatalogueTest, ACutFileIsToldWithTheRowsKept)
{
    const std::string file = dir.file("elementy_mur.def");
    std::string text = FileText({Header});
    for (int i = 0; i < MaxUserMasonryUnits; ++i) text += "Element " + std::to_string(i) + "\t0\t0\t10,0\t0\t18,0\r\n";
    orvtest::WriteFileBytes(file, text);
    TMasonryCatalogue cat;
    cat.Initialize(file);
    EXPECT_EQ(userRows(cat), static_cast<std::size_t>(MaxUserMasonryUnits));
    EXPECT_FALSE(cat.FileCut());
    EXPECT_EQ(cat.CutNotice(), "");

    // One row more: left unread, and told.
    orvtest::WriteFileBytes(file, text + "Nadmiarowy\t0\t0\t10,0\t0\t18,0\r\n");
    cat.Initialize(file);
    EXPECT_EQ(userRows(cat), static_cast<std::size_t>(MaxUserMasonryUnits));
    EXPECT_TRUE(cat.FileCut());
    EXPECT_EQ(cat.CutNotice(), "Plik katalogu elementy_mur.def jest większy, niż program może wczytać (1000 pozycji "
                               "lub 512 KiB). Wczytano tylko jego początek – liczba pozycji użytkownika: 1000; "
                               "reszta pliku została pominięta.");

    // Past 512 KiB with few rows: the rows before the limit are kept.
    std::string padded = FileText({Header, "Pierwszy\t0\t0\t10,0\t0\t18,0"});
    while (padded.size() <= MaxMasonryFileBytes) padded += "#\r\n";
    padded += "Za limitem\t0\t0\t10,0\t0\t18,0\r\n";
    orvtest::WriteFileBytes(file, padded);
    cat.Initialize(file);
    EXPECT_EQ(userRows(cat), 1u);
    EXPECT_NE(cat.CutNotice().find("pozycji użytkownika: 1;"), std::string::npos);

    // A file read whole again clears it.
    orvtest::WriteFileBytes(file, FileText({Header, "Pierwszy\t0\t0\t10,0\t0\t18,0"}));
    cat.Initialize(file);
    EXPECT_FALSE(cat.FileCut());
}

// Only a row the catalogue would have taken, left unread past a limit, is
// a cut: not blank lines, bad rows or known names after the last row kept.
TEST_F(MasonryCatalogueTest, OnlyARowLeftUnreadIsACut)
{
    const std::string file = dir.file("elementy_mur.def");
    std::string full = FileText({Header});
    for (int i = 0; i < MaxUserMasonryUnits; ++i) full += "Element " + std::to_string(i) + "\t0\t0\t10,0\t0\t18,0\r\n";
    const std::string good = "Nadmiarowy\t0\t0\t10,0\t0\t18,0\r\n";
    const struct {
        std::string tail;
        bool cut;
    } cases[] = {
        {"\r\n", false},
        {"\r\n\n\r\n", false},
        {"Zły\t0\t0\t0,0\t0\t18,0\r\n", false},
        {"Element 7\t0\t0\t10,0\t0\t18,0\r\n", false}, // a name kept already
        {good, true},
        {"\r\nZły\r\n" + good + "\r\n", true},
    };
    TMasonryCatalogue cat;
    for (const auto& c : cases) {
        orvtest::WriteFileBytes(file, full + c.tail);
        cat.Initialize(file);
        EXPECT_EQ(userRows(cat), static_cast<std::size_t>(MaxUserMasonryUnits));
        EXPECT_EQ(cat.FileCut(), c.cut) << c.tail;
    }

    // A file that ends exactly at the byte limit is read whole, its last line
    // end past the limit too; a row past the limit is a cut, padding is not.
    std::string limit = FileText({Header, "Pierwszy\t0\t0\t10,0\t0\t18,0"});
    const std::string last = "Ostatni\t0\t0\t10,0\t0\t18,0";
    while (limit.size() + 3 + last.size() <= MaxMasonryFileBytes) limit += "#\r\n";
    limit.resize(MaxMasonryFileBytes - last.size() - 2, '#');
    limit += "\r\n" + last;
    ASSERT_EQ(limit.size(), MaxMasonryFileBytes);
    for (const std::string& tail : {std::string(), std::string("\r\n"), std::string("\r\n#\r\n\r\n")}) {
        orvtest::WriteFileBytes(file, limit + tail);
        cat.Initialize(file);
        EXPECT_EQ(userRows(cat), 2u);
        EXPECT_FALSE(cat.FileCut()) << tail.size();
    }
    orvtest::WriteFileBytes(file, limit + "\r\n#\r\n" + good);
    cat.Initialize(file);
    EXPECT_EQ(userRows(cat), 2u);
    EXPECT_NE(cat.CutNotice().find("pozycji użytkownika: 2;"), std::string::npos);
    // One byte more of the last row and it lies past the limit.
    orvtest::WriteFileBytes(file, limit + "0\r\n");
    cat.Initialize(file);
    EXPECT_EQ(userRows(cat), 1u);
    EXPECT_TRUE(cat.FileCut());

    // Padding is looked through up to twice the limit; a file that goes on
    // past that is not read to its end but told as cut.
    std::string padding;
    while (limit.size() + padding.size() + 3 <= 2 * MaxMasonryFileBytes) padding += "#\r\n";
    orvtest::WriteFileBytes(file, limit + "\r\n" + padding);
    cat.Initialize(file);
    EXPECT_FALSE(cat.FileCut());
    orvtest::WriteFileBytes(file, limit + "\r\n" + padding + "#\r\n#\r\n");
    cat.Initialize(file);
    EXPECT_EQ(userRows(cat), 2u);
    EXPECT_TRUE(cat.FileCut());
}

TEST_F(MasonryCatalogueTest, NamesTheFileCanKeep)
{
    EXPECT_EQ(CheckUnitName("Cegła pełna"), TUnitNameCheck::Ok);
    EXPECT_EQ(CheckUnitName(""), TUnitNameCheck::Empty);
    // A tab or a line break would split the line of the file.
    EXPECT_EQ(CheckUnitName("Cegła\tpełna"), TUnitNameCheck::BadCharacters);
    EXPECT_EQ(CheckUnitName("Cegła\npełna"), TUnitNameCheck::BadCharacters);
    EXPECT_EQ(CheckUnitName("Cegła\r"), TUnitNameCheck::BadCharacters);
    EXPECT_EQ(CheckUnitName(std::string(255, 'a')), TUnitNameCheck::Ok);
    EXPECT_EQ(CheckUnitName(std::string(256, 'a')), TUnitNameCheck::TooLong);
    // 255 Polish letters are 255 single bytes in the file.
    std::string polish;
    for (int i = 0; i < 255; ++i) polish += "ł";
    EXPECT_EQ(CheckUnitName(polish), TUnitNameCheck::Ok);
    // Names in use compare exactly.
    EXPECT_EQ(CheckUnitName("Blok", {"Cegła", "Blok"}), TUnitNameCheck::Duplicate);
    EXPECT_EQ(CheckUnitName("blok", {"Cegła", "Blok"}), TUnitNameCheck::Ok);

    // A built-in unit: name, material, group and category alike; f_b and weight aside.
    TMasonryUnitRow row = DefaultMasonryUnits[3];
    row.Fb = 99;
    row.Density = 1;
    EXPECT_TRUE(IsBuiltInMasonryUnit(row));
    row.Category = 1;
    EXPECT_FALSE(IsBuiltInMasonryUnit(row));
}

TEST_F(MasonryCatalogueTest, CatalogueUnitTakenIntoTheElement)
{
    auto in = DefaultInput();
    in->OgolnaDefElementu = 0;
    in->RodzajZaprawy = mtThinLayer;
    ASSERT_EQ(in->IdentyczneParametryScian, 1);
    ASSERT_EQ(in->wylicz_Gs, 1);

    const TMasonryCatalogue cat;
    TMasonryUnitInfo unit;
    ASSERT_TRUE(cat.GetElementByName("Bloczki betonowe kl.15", unit));
    EXPECT_TRUE(ShowMasonryUnit(*in, "Bloczki betonowe kl.15", unit));
    EXPECT_EQ(in->UserElement.str(), "Bloczki betonowe kl.15");
    EXPECT_EQ(in->RodzajElementuM, static_cast<u32>(mkConcrete1));
    EXPECT_EQ(in->fb, 15);
    EXPECT_EQ(in->KategoriaWykElementu, 0u);
    // Aggregate concrete is laid in general mortar only; the class M5 stays.
    EXPECT_EQ(in->RodzajZaprawy, static_cast<u32>(mtGeneral));
    EXPECT_EQ(in->KlasaZaprawy, 2u);
    // G_s = 24 kN/m3 x 1.1 x 3.00 x 0.25 x 1.00 m = 19.8 kN.
    EXPECT_EQ(in->ro_muru, 24);
    EXPECT_NEAR(in->Gs, 19.8, 1e-12);
    // Walls above and below follow: E = 1000 x 0.40 x 15^0.7 x 5^0.3 MPa = 4.3153 GPa.
    EXPECT_NEAR(in->E2, 4.31534, 1e-5);
    EXPECT_EQ(in->E5, in->E2);
    EXPECT_EQ(in->ElementE5.Nazwa.str(), "Bloczki betonowe kl.15");
    EXPECT_EQ(in->ElementE2.RodzajElementu, mkConcrete1);

    // Taken again, nothing changes.
    EXPECT_FALSE(ShowMasonryUnit(*in, "Bloczki betonowe kl.15", unit));
    // A unit of no valid kind or strength is refused whole.
    auto before = *in;
    TMasonryUnitInfo bad = unit;
    bad.Kind = 13;
    EXPECT_FALSE(ShowMasonryUnit(*in, "Zły", bad));
    bad = unit;
    bad.fb = std::nan("");
    EXPECT_FALSE(ShowMasonryUnit(*in, "Zły", bad));
    EXPECT_EQ(std::memcmp(&before, in.get(), sizeof before), 0);
}
