// Defaults of a new element, header and load compilation; the text fields.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "core/ZunTypes.h"

using namespace orv;

namespace {
template <typename T>
std::unique_ptr<T> zeroed()
{
    auto p = std::make_unique<T>();
    std::memset(p.get(), 0, sizeof(T));
    return p;
}
template <typename T>
T fieldAt(const void* rec, std::size_t offset)
{
    T v;
    std::memcpy(&v, static_cast<const char*>(rec) + offset, sizeof v);
    return v;
}
} // namespace

TEST(ElementDefaults, DerivedValues)
{
    auto in = zeroed<TCalcInput>();
    InitElementRecord(*in);
    // 18 kN/m3 x 1.1 x 3.00 m x 0.25 m x 1.00 m
    EXPECT_NEAR(in->Gs, 14.85, 1e-12);
    EXPECT_NEAR(in->Gs_mb, 14.85, 1e-12);
    // 18 x 1.1 x 3.00 x 0.25 x 0.25
    EXPECT_NEAR(in->Gs_s, 3.7125, 1e-12);
    // 25^3 x 100 / 12
    EXPECT_NEAR(in->J2, 130208.333333, 1e-5);
    EXPECT_DOUBLE_EQ(in->J5, in->J2);
    EXPECT_EQ(in->J3, 0.0);
    EXPECT_DOUBLE_EQ(in->WindTableWidth, 1.0);
}

TEST(ElementDefaults, StoredBytesAtTheirOffsets)
{
    auto in = zeroed<TCalcInput>();
    InitElementRecord(*in);
    const void* r = in.get();
    EXPECT_EQ(fieldAt<u8>(r, 0), 0);
    EXPECT_EQ(fieldAt<f64>(r, 8), 25.0);
    EXPECT_EQ(fieldAt<f64>(r, 24), 300.0);
    EXPECT_EQ(fieldAt<f64>(r, 2192), -1.0);
    EXPECT_EQ(fieldAt<f64>(r, 2224), 18.0);
    EXPECT_EQ(fieldAt<u32>(r, 2524), 1u);  // execution category B
    EXPECT_EQ(fieldAt<u32>(r, 2544), 2u);  // M5
    EXPECT_EQ(fieldAt<u32>(r, 2862), 2u);  // B-12.5
    EXPECT_EQ(fieldAt<f64>(r, 3928 + 8), 29.0);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(fieldAt<u8>(r, 10280 + k), 1);
    EXPECT_EQ(fieldAt<i32>(r, 10320), 1);
    EXPECT_EQ(fieldAt<i32>(r, 10324), 1);
    EXPECT_EQ(fieldAt<i32>(r, 10328), 0);
    EXPECT_EQ(fieldAt<u32>(r, 10336), 2u);
    EXPECT_EQ(fieldAt<i32>(r, 10516), 1);
    EXPECT_EQ(fieldAt<f64>(r, 10520 + 40 * 2 + 24), 70.0); // third load's distance
    EXPECT_EQ(fieldAt<f64>(r, 10680), 5.0);
    EXPECT_EQ(fieldAt<f64>(r, 10696), 1.5);
    EXPECT_EQ(fieldAt<f64>(r, 11224), 150.0);
    EXPECT_EQ(fieldAt<f64>(r, 11272), 100.0);
    EXPECT_EQ(fieldAt<f64>(r, 14392 + 40), 1.2);
    EXPECT_EQ(fieldAt<f64>(r, 15016 + 424), 28125.0);
    EXPECT_EQ(fieldAt<u8>(r, 15016 + 161), 1);
    // a fixed text field: length 0, then blanks
    EXPECT_EQ(fieldAt<i32>(r, 16776), 0);
    EXPECT_EQ(fieldAt<char>(r, 16776 + 4), ' ');
    EXPECT_EQ(fieldAt<char>(r, 18839), ' ');
}

TEST(ElementDefaults, TextsInWindows1250)
{
    auto in = zeroed<TCalcInput>();
    InitElementRecord(*in);
    EXPECT_EQ(in->UserElement.str(), "Cegła ceramiczna pełna kl.10");
    // "ł" is 0xB3 in code page 1250; the record holds single bytes
    EXPECT_EQ(in->UserElement.Len, 28);
    EXPECT_EQ(static_cast<unsigned char>(in->UserElement.Chars[3]), 0xB3);
    EXPECT_EQ(in->stal.Znak.str(), "34GS");
    EXPECT_EQ(in->Stropy[0].Nazwa.str(), "Płyta żelbetowa gr.15 cm");
    EXPECT_EQ(in->ro_muru_text.str().substr(0, 20), "stałe@@Tabela@@5@@0");
    EXPECT_EQ(in->ElementE2.Nazwa.str(), in->UserElement.str());
    EXPECT_EQ(in->ElementE5.KlasaZaprawy, 2);
    EXPECT_EQ(in->ElementE5.fb, 10.0);
}

TEST(ElementDefaults, FollowsLengthAndKeepsUnsetFields)
{
    auto in = zeroed<TCalcInput>();
    in->Okna[2].x = 42; // "not set": survives
    in->l = 130;
    InitElementRecord(*in);
    EXPECT_EQ(in->Okna[2].x, 42.0);
    EXPECT_EQ(in->l, 100.0); // reset first, so the table width is that of the default
    EXPECT_DOUBLE_EQ(in->WindTableWidth, 1.0);
}

TEST(ProjectHeader, Defaults)
{
    auto h = zeroed<TProjectHeader>();
    h->FigureSize[0] = 12; // left to the caller
    InitProjectHeader(std::string(300, 'x'), *h);
    EXPECT_EQ(h->FigureSize[0], 12.0);
    EXPECT_EQ(h->FirstPage, 1);
    EXPECT_EQ(h->PageCount, 100);
    EXPECT_EQ(h->Author.Len, 255);
    EXPECT_EQ(h->Author.str(), std::string(255, 'x'));
    EXPECT_EQ(h->Title.Len, 0);
    const u8 parts[8] = {1, 1, 1, 1, 0, 1, 1, 1};
    EXPECT_EQ(std::memcmp(h->PrintParts, parts, 8), 0);
}

TEST(LoadCompilation, Defaults)
{
    auto l = zeroed<TLoadCompilation>();
    InitLoadCompilation(*l);
    EXPECT_EQ(+l->StoreyCount, 1);
    EXPECT_EQ(+l->CurrentStorey, 1);
    EXPECT_EQ(+l->kond_powtrz, 1);
    for (int s = 0; s < 10; ++s) {
        EXPECT_NEAR(+l->Gw[s], 1.8, 1e-12) << s; // 0.25 x 0.25 x 24 x 1.2
        EXPECT_EQ(+l->bs[s], 1.5);
        EXPECT_EQ(+l->strop_L[s], 1);
        EXPECT_EQ(+l->SwitchReserved[s], 0);
        EXPECT_EQ(+l->Q6[s], 1.2);
        EXPECT_EQ(+l->pPText[s].Length, 0);
    }
    EXPECT_EQ(fieldAt<f64>(l.get(), 5), 1.5);
    EXPECT_EQ(fieldAt<f64>(l.get(), 29 + 80 * 13), 24.0); // ro_w of storey 1
}

TEST(FixedText, ConversionsAndClipping)
{
    TFixedText t;
    std::memset(&t, 0x55, sizeof t);
    StrToFixedText("", t);
    EXPECT_EQ(t.Length, 0);
    for (char c : t.Chars) ASSERT_EQ(c, ' ');
    EXPECT_EQ(FixedTextToStr(t), "");

    StrToFixedText("obciążenie śniegiem", t);
    EXPECT_EQ(t.Length, 19);
    EXPECT_EQ(FixedTextToStr(t), "obciążenie śniegiem");
    EXPECT_EQ(t.Chars[19], ' ');

    t.Length = 600;
    EXPECT_EQ(Utf8ToCp1250(FixedTextToStr(t)).size(), 512u);
    t.Length = -5;
    EXPECT_EQ(FixedTextToStr(t), "");

    StrToFixedText(std::string(700, 'a'), t);
    EXPECT_EQ(t.Length, 512);
}

TEST(ShortString, LengthByteFromFileIsClipped)
{
    TShortString<20> s;
    std::memset(&s, 'q', sizeof s);
    s.Len = 200;
    EXPECT_EQ(s.str().size(), 20u);
    std::string polish;
    for (int i = 0; i < 30; ++i) polish += "ż";
    s.set(polish); // 60 bytes of UTF-8, 30 characters: cut to 20
    EXPECT_EQ(s.Len, 20);
    EXPECT_EQ(s.str().size(), 40u);
}

// New elements of the list are zero-filled even where the storage held
// other bytes; only elements appended unfilled keep what was there.
TEST(ElementList, NewElementsAreZeroFilledInReusedStorage)
{
    const std::string zeros(sizeof(TProjectElement), '\0');
    auto bytes = [](const TProjectElement& e) { return std::string(reinterpret_cast<const char*>(&e), sizeof e); };
    for (int round = 0; round < 3; ++round) {
        {
            TElementList dirty(4);
            std::memset(dirty.data(), 0xEE, 4 * sizeof(TProjectElement));
        }
        TElementList made(4); // likely the storage just given back
        for (const TProjectElement& e : made) EXPECT_EQ(bytes(e), zeros);
        made.resize(7);
        made.emplace_back();
        ASSERT_EQ(made.size(), 8u);
        for (const TProjectElement& e : made) EXPECT_EQ(bytes(e), zeros);
    }

    // Unfilled elements follow the ones there; copies are whole records.
    TElementList list(2);
    list[1].Name.set("Druga");
    TProjectElement* added = AppendUnfilled(list, 3);
    ASSERT_EQ(list.size(), 5u);
    EXPECT_EQ(added, list.data() + 2);
    std::memset(added, 0x11, 3 * sizeof(TProjectElement));
    EXPECT_EQ(list[1].Name.str(), "Druga");
    const TElementList copy = list;
    for (std::size_t i = 0; i < list.size(); ++i) EXPECT_EQ(bytes(copy[i]), bytes(list[i])) << i;
    EXPECT_EQ(bytes(copy[4]), std::string(sizeof(TProjectElement), '\x11'));
}
