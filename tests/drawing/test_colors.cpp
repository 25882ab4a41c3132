#include <gtest/gtest.h>

#include <QColor>
#include <QPalette>

#include "drawing/CommonColorUnit.h"
#include "core/MessageService.h"
#include "core/SettingsStore.h"

using namespace orv;

namespace {

struct Recorder : IMessageService {
    std::string headline, text;
    unsigned char type = 99;
    unsigned buttons = 0;
    int calls = 0;
    int showMessageDialog(const std::string& h, const std::string& t, unsigned char d, unsigned b,
                          int) override
    {
        headline = h;
        text = t;
        type = d;
        buttons = b;
        ++calls;
        return mrOk;
    }
    int messageDlg3(const std::string&, unsigned char, unsigned, int) override { return mrOk; }
};

class Colors : public ::testing::Test {
protected:
    void SetUp() override { prevStore = BindSettingsStore(&store); }
    void TearDown() override
    {
        BindSettingsStore(prevStore);
        BindColorEditor({});
    }
    MemorySettingsStore store;
    ISettingsStore* prevStore = nullptr;
};

} // namespace

TEST_F(Colors, DefaultsFromAnEmptyStore)
{
    TDrawingColors c;
    c.fill(0x123456);
    ReadDrawingColors(c);
    EXPECT_EQ(c[0], 0x000000u);
    EXPECT_EQ(c[1], 0x0000FFu);
    EXPECT_EQ(c[2], 0xDFDFDFu);
    EXPECT_EQ(c[dcForce], 0xA00000u);
    EXPECT_EQ(c[dcDistributedLoad], 0x008000u);
    EXPECT_EQ(c[dcColumnFill], 0x4EAFDEu);
    EXPECT_EQ(c[dcMasonryFill], 0x000080u);
    EXPECT_EQ(c[31], c[3]);
    EXPECT_EQ(c[dcButtonFace], clBtnFace);
    EXPECT_EQ(DrawingColorName(5), "Obciążenie ciągłe");
    EXPECT_EQ(DrawingColorName(31), "Wymiary");
    EXPECT_EQ(DrawingColorName(32), "");
    EXPECT_EQ(DrawingColorName(37), "");
    EXPECT_EQ(EditableColorSlots().size(), 35u);
}

TEST(ColorNames, SlotsReadAsPolishWhileTheirStoredNamesStay)
{
    struct Slot {
        int slot;
        const char* stored;
        const char* shown;
    };
    const Slot named[] = {
        {1, "Zaznaczony Element", "Zaznaczony element"},
        {2, "Schemat Wypelnienie", "Wypełnienie schematu"},
        {10, "Wykres mometów", "Wykres momentów"},
        {14, "Nośność - zginanie", "Nośność – zginanie"},
        {22, "Kontur zelbet", "Kontur żelbetu"},
        {23, "Przekroj", "Przekrój"},
        {25, "PretG", "Pręty główne"},
        {26, "PretK", "Pręty konstrukcyjne"},
        {27, "Strzemie", "Strzemiona"},
        {29, "Wypelnienie", "Wypełnienie"},
        {dcColumnOutline, "D_Kontur", "Słup – kontur"},
        {dcColumnFill, "D_Wypelnienie", "Słup – wypełnienie"},
        {dcMasonryOutline, "M_Kontur", "Mur – kontur"},
        {dcMasonryFill, "M_Wypelnienie", "Mur – wypełnienie"},
        {dcForce, "Siła", "Siła"},
    };
    for (const Slot& s : named) {
        EXPECT_EQ(DrawingColorName(s.slot), s.stored) << s.slot;
        EXPECT_EQ(DrawingColorCaption(s.slot), s.shown) << s.slot;
    }
    // No slot the user edits shows an underscore, a run-together name or
    // a letter without its Polish mark.
    for (int slot : EditableColorSlots()) {
        const std::string shown = DrawingColorCaption(slot);
        EXPECT_FALSE(shown.empty()) << slot;
        EXPECT_EQ(shown.find('_'), std::string::npos) << shown;
        for (const char* bare : {"Pret", "zelbet", "Przekroj", "Wypelnienie", "mometów"})
            EXPECT_EQ(shown.find(bare), std::string::npos) << shown;
    }
    EXPECT_EQ(DrawingColorCaption(-1), "");
    EXPECT_EQ(DrawingColorCaption(DrawingColorCount), "");
}

TEST_F(Colors, StoredValuesAndTheSharedDimensionColour)
{
    store.writeInteger(SettingsKey::Maker, "Colors", "Wymiary", 0x00FF00);
    store.writeInteger(SettingsKey::Maker, "Colors", "Siła", 0x0000FF);
    store.writeInteger(SettingsKey::Program, "Colors", "Moment", 0xFFFFFF);  // wrong key
    TDrawingColors c;
    ReadDrawingColors(c);
    EXPECT_EQ(c[3], 0x00FF00u);
    EXPECT_EQ(c[31], 0x00FF00u);
    EXPECT_EQ(c[dcForce], 0x0000FFu);
    EXPECT_EQ(c[dcMoment], 0x000080u);

    // written and read back unchanged, slot 32 still the button face
    c[dcSection] = 0x010203;
    c[dcButtonFace] = 0x777777;
    WriteDrawingColors(c);
    TDrawingColors back;
    ReadDrawingColors(back);
    EXPECT_EQ(back[dcSection], 0x010203u);
    EXPECT_EQ(back[dcButtonFace], clBtnFace);
    EXPECT_FALSE(store.valueExists(SettingsKey::Maker, "Colors", ""));
}

TEST_F(Colors, BlackAndWhiteSet)
{
    TDrawingColors c;
    ReadDrawingColors(c);
    SetMonochromeColors(c);
    for (int i = 0; i < DrawingColorCount; ++i) {
        const bool fill = i == 2 || i == 23 || i == 24 || i == 29 || i == 34 || i == 36;
        EXPECT_EQ(c[i], fill ? clWhite : clBlack) << i;
    }
}

TEST(ColorConversion, RedAndBlueOrderAndSystemColours)
{
    EXPECT_EQ(ColorToQColor(0x0000FF, QPalette()), QColor(255, 0, 0));
    EXPECT_EQ(ColorToQColor(0xA00000, QPalette()), QColor(0, 0, 160));
    EXPECT_EQ(ColorToQColor(0x4EAFDE, QPalette()), QColor(0xDE, 0xAF, 0x4E));
    EXPECT_EQ(QColorToColor(QColor(1, 2, 3)), 0x030201u);
    EXPECT_EQ(RGBColor(1, 2, 3), 0x030201u);
    QPalette pal;
    pal.setColor(QPalette::Button, QColor(10, 20, 30));
    pal.setColor(QPalette::Base, QColor(40, 50, 60));
    EXPECT_EQ(ColorToQColor(clBtnFace, pal), QColor(10, 20, 30));
    EXPECT_EQ(ColorToQColor(clSystemColor | 5, pal), QColor(40, 50, 60));
}

TEST_F(Colors, EditorMissingIsReported)
{
    Recorder rec;
    IMessageService* prev = BindMessageService(&rec);
    TDrawingColors c;
    c.fill(0x111111);
    TPoint place{5, 6};
    EXPECT_FALSE(EditDrawingColors(nullptr, 5, "/opt/zun/", c, place));
    BindMessageService(prev);
    EXPECT_EQ(rec.calls, 1);
    EXPECT_EQ(rec.headline, "Nie można uruchomić tej funkcji!");
    EXPECT_EQ(rec.text, "Nie znaleziono biblioteki /opt/zun/Jollib.dll. "
                        "\rProszę skontaktować się z dystrybutorem programu!");
    EXPECT_EQ(rec.type, mdWarning);
    EXPECT_EQ(rec.buttons, unsigned(mbOK));
    EXPECT_EQ(c[0], 0x111111u);
}

TEST_F(Colors, EditorOkRereadsCancelKeeps)
{
    int seenMode = -1;
    bool answer = true;
    BindColorEditor([&](QObject*, int mode, TPoint& place) {
        seenMode = mode;
        place = {40, 50};
        store.writeInteger(SettingsKey::Maker, "Colors", "Element", 0x00AA00);
        return answer;
    });
    TDrawingColors c;
    c.fill(0x111111);
    TPoint place{0, 0};
    EXPECT_TRUE(EditDrawingColors(nullptr, 5, "", c, place));
    EXPECT_EQ(seenMode, 6);
    EXPECT_EQ(place.X, 40);
    EXPECT_EQ(c[0], 0x00AA00u);
    EXPECT_EQ(c[1], 0x0000FFu);  // all 37 taken from the store

    // cancelled: the table stays even though the store changed meanwhile
    answer = false;
    c.fill(0x222222);
    EXPECT_FALSE(EditDrawingColors(nullptr, 7, "", c, place));
    EXPECT_EQ(seenMode, 0);
    EXPECT_EQ(c[0], 0x222222u);
}
