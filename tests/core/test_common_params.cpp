#include <gtest/gtest.h>

#include <array>
#include <climits>

#include "core/CommonParamsUnit.h"
#include "core/MyUtils.h"

using namespace orv;

namespace {

class CommonParams : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous = BindSettingsStore(&store);
        SetDecimalSeparator(',');
    }
    void TearDown() override
    {
        BindSettingsStore(previous);
        SetDecimalSeparator(',');
    }
    std::optional<int> storedInt(const std::string& name)
    {
        return store.readInteger(SettingsKey::Maker, "Parametrs", name);
    }
    MemorySettingsStore store;
    ISettingsStore* previous = nullptr;
};

} // namespace

TEST_F(CommonParams, DefaultsWithNothingStored)
{
    std::string name;
    int size = 0;
    ReadReportFont(name, size);
    EXPECT_EQ(name, "Arial");
    EXPECT_EQ(size, 20);
    ReadPwFont(name, size);
    EXPECT_EQ(name, "MS Sans Serif");
    EXPECT_EQ(size, 16);
    EXPECT_EQ(GetCellBackgroundColor(0xFFFFFF), 11071212);
    EXPECT_EQ(ReadOpenDirType(), 0);

    TCommonParams p;
    ReadCommonParams("/home/u/projekty", p);
    EXPECT_EQ(p.DefaultName, "");
    EXPECT_EQ(p.Directory, "/home/u/projekty");
    EXPECT_EQ(p.FontNamePW, "MS Sans Serif");
    EXPECT_TRUE(p.UserBackgroundCellColor);
    EXPECT_EQ(p.BackgroundCellColor, 0xA8EEEC);

    TFigureSizes sizes;
    sizes.fill(-1);
    ReadAdvancedSettings(SettingsKey::Program, sizes);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(sizes[i], i % 2 ? 8.0 : 10.0) << i;

    TWindowPlace place{1, 2, 3, 4};
    LoadWindowPlacement("Steel03264", place);
    EXPECT_EQ(place.Left, -1);
    EXPECT_EQ(place.Height, -1);
    EXPECT_TRUE(store.values.empty()); // reading writes nothing
}

TEST_F(CommonParams, StoredValuesUnderTheirExactNames)
{
    store.writeString(SettingsKey::Maker, "Parametrs", "DefaultName", "inż. Łukasz Żółkiewski");
    store.writeString(SettingsKey::Maker, "Parametrs", "FontName PW", "Courier New");
    store.writeInteger(SettingsKey::Maker, "Parametrs", "FontSize PW", 18);
    store.writeBool(SettingsKey::Maker, "Parametrs", "UserBackgroundCellColor", false);
    store.writeInteger(SettingsKey::Maker, "Parametrs", "BackgroundCellColor", 0x123456);
    // the program's key holds no "Parametrs" of its own
    store.writeString(SettingsKey::Program, "Parametrs", "FontName", "Times");

    TCommonParams p;
    ReadCommonParams("", p);
    EXPECT_EQ(p.DefaultName, "inż. Łukasz Żółkiewski");
    EXPECT_EQ(p.FontName, "Arial");
    EXPECT_EQ(p.FontNamePW, "Courier New");
    EXPECT_EQ(p.FontSizePW, 18);
    EXPECT_FALSE(p.UserBackgroundCellColor);
    EXPECT_EQ(p.BackgroundCellColor, 0x123456);
    // the own colour is switched off: the system's window colour
    EXPECT_EQ(GetCellBackgroundColor(0xFFFFFF), 0xFFFFFF);
    std::string name;
    ReadDefaultName(name);
    EXPECT_EQ(name, "inż. Łukasz Żółkiewski");
}

TEST_F(CommonParams, FigureSizesAreTextsWithEitherSeparator)
{
    store.writeString(SettingsKey::Program, "Zaawansowane", "Rys2 Y", "7,5");
    store.writeString(SettingsKey::Program, "Zaawansowane", "Rys3 X", "7.5");
    store.writeString(SettingsKey::Program, "Zaawansowane", "Rys5 Y", "duży");
    TFigureSizes sizes;
    ReadAdvancedSettings(SettingsKey::Program, sizes);
    EXPECT_EQ(sizes[3], 7.5);
    EXPECT_EQ(sizes[4], 7.5);
    EXPECT_EQ(sizes[9], 3.0); // no number reads 0, brought up to the smallest size
    EXPECT_EQ(sizes[0], 10.0);
    EXPECT_EQ(sizes[8], 10.0);

    // Written "0.0" with the locale's separator: 12.25 goes to "12,3" (half away
    // from zero), 0.04 to "0,0".
    TFigureSizes w = {12.25, 8, 10, 8, 10, 8, 10, 8, 0.04, 15};
    WriteAdvancedSettings(SettingsKey::Program, w);
    EXPECT_EQ(store.readString(SettingsKey::Program, "Zaawansowane", "Rys1 X"), "12,3");
    EXPECT_EQ(store.readString(SettingsKey::Program, "Zaawansowane", "Rys5 X"), "0,0");
    EXPECT_EQ(store.readString(SettingsKey::Program, "Zaawansowane", "Rys5 Y"), "15,0");
    ReadAdvancedSettings(SettingsKey::Program, sizes);
    EXPECT_EQ(sizes[0], 12.3);
    EXPECT_EQ(sizes[8], 3.0); // "0,0" is below the smallest size
    EXPECT_FALSE(store.valueExists(SettingsKey::Maker, "Zaawansowane", "Rys1 X"));

    // through the header's packed array
    TProjectHeader h{};
    SetFigureSizes(h, sizes);
    EXPECT_EQ(FigureSizesOf(h), sizes);
}

TEST_F(CommonParams, WindowPlaceIsStoredUnderItsOwnNamesAndComesBack)
{
    SaveWindowPlacement("MasonryElementsListDlg", {100, 50, 400, 300});
    EXPECT_EQ(storedInt("MasonryElementsListDlg Left"), 100);
    EXPECT_EQ(storedInt("MasonryElementsListDlg Top"), 50);
    EXPECT_EQ(storedInt("MasonryElementsListDlg Width"), 400);
    EXPECT_EQ(storedInt("MasonryElementsListDlg Height"), 300);
    TWindowPlace p;
    LoadWindowPlacement("MasonryElementsListDlg", p);
    EXPECT_EQ(p.Left, 100);
    EXPECT_EQ(p.Top, 50);
    EXPECT_EQ(p.Width, 400);
    EXPECT_EQ(p.Height, 300);

    TPlacementPlan plan = PlanWindowPlacement(p, {0, 0, 1920, 1080});
    EXPECT_TRUE(plan.Move);
    EXPECT_TRUE(plan.Resize);
    EXPECT_EQ(plan.Left, 100);
    EXPECT_EQ(plan.Width, 400);
    EXPECT_EQ(plan.Height, 300);

    // Beyond the screen: automatic position, stored size.
    plan = PlanWindowPlacement({2500, 50, 400, 300}, {0, 0, 1920, 1080});
    EXPECT_FALSE(plan.Move);
    EXPECT_TRUE(plan.Resize);
    plan = PlanWindowPlacement({100, 1080, 400, 300}, {0, 0, 1920, 1080});
    EXPECT_FALSE(plan.Move);
    // Not stored: nothing at all.
    plan = PlanWindowPlacement({-1, 50, 400, 300}, {0, 0, 1920, 1080});
    EXPECT_FALSE(plan.Move || plan.Resize);
    plan = PlanWindowPlacement({10, -1, 400, 300}, {0, 0, 1920, 1080});
    EXPECT_FALSE(plan.Move || plan.Resize);
    // Edges but no size: placed, not resized to -1.
    plan = PlanWindowPlacement({10, 10, -1, -1}, {0, 0, 1920, 1080});
    EXPECT_TRUE(plan.Move);
    EXPECT_FALSE(plan.Resize);
}

TEST_F(CommonParams, StoredPlaceIsBroughtOntoTheScreen)
{
    // A desktop of 1920 x 1080 less a task bar of 40 at the bottom.
    const TScreenArea area{0, 0, 1920, 1040};
    auto fit = [&](TWindowPlace p) {
        const TWindowPlace r = FitWindowOntoArea(p, area);
        return std::array<int, 4>{r.Left, r.Top, r.Width, r.Height};
    };
    // On the screen: unchanged.
    EXPECT_EQ(fit({100, 50, 800, 600}), (std::array<int, 4>{100, 50, 800, 600}));
    EXPECT_EQ(fit({1120, 440, 800, 600}), (std::array<int, 4>{1120, 440, 800, 600}));
    // Larger than the screen: the screen's size at its corner.
    EXPECT_EQ(fit({20, 20, INT_MAX, INT_MAX}), (std::array<int, 4>{0, 0, 1920, 1040}));
    EXPECT_EQ(fit({20, 20, 50000, 50000}), (std::array<int, 4>{0, 0, 1920, 1040}));
    // Past an edge: moved back by the least distance, 1920 - 800 = 1120 and
    // 1040 - 600 = 440; the far corner of the int range does not overflow.
    EXPECT_EQ(fit({5000, 3000, 800, 600}), (std::array<int, 4>{1120, 440, 800, 600}));
    EXPECT_EQ(fit({1500, 100, 800, 600}), (std::array<int, 4>{1120, 100, 800, 600}));
    EXPECT_EQ(fit({INT_MAX, INT_MAX, 400, 300}), (std::array<int, 4>{1520, 740, 400, 300}));
    EXPECT_EQ(fit({-300, -20, 800, 600}), (std::array<int, 4>{0, 0, 800, 600}));
    EXPECT_EQ(fit({INT_MIN, INT_MIN, INT_MAX, INT_MAX}), (std::array<int, 4>{0, 0, 1920, 1040}));
    // A second screen to the right, its task bar at the top.
    const TWindowPlace second = FitWindowOntoArea({1900, 10, 400, 300}, {1920, 32, 1280, 992});
    EXPECT_EQ(second.Left, 1920);
    EXPECT_EQ(second.Top, 32);
    // Without a screen nothing is known: unchanged.
    EXPECT_EQ(FitWindowOntoArea({5000, 3000, 800, 600}, {}).Left, 5000);

    // A dialog's stored place: its size is cut to the screen as well.
    const TPlacementPlan plan = PlanWindowPlacement({700, 500, 50000, INT_MAX}, {0, 0, 800, 600});
    EXPECT_TRUE(plan.Move);
    EXPECT_TRUE(plan.Resize);
    EXPECT_EQ(plan.Width, 800);
    EXPECT_EQ(plan.Height, 600);
}

TEST_F(CommonParams, FoldersFollowOpenDirTyp)
{
    std::string dir = "unchanged";
    ReadLastUsedDirectory("/dom", dir);
    EXPECT_EQ(dir, "/dom");

    WriteLastUsedDirectory("/projekty/2024");
    WriteLastUsedDirectory("");
    ReadLastUsedDirectory("/dom", dir);
    EXPECT_EQ(dir, "/projekty/2024");

    RememberDirectory("/projekty/nowe");
    std::string initial = "/start";
    PrepareOpenDialogDir("/dom", initial);
    EXPECT_EQ(initial, "/projekty/nowe");

    store.writeInteger(SettingsKey::Maker, "Parametrs", "OpenDirTyp", 1);
    RememberDirectory("/inne");
    ReadLastUsedDirectory("/dom", dir);
    EXPECT_EQ(dir, "/projekty/nowe");
    initial = "/start";
    PrepareOpenDialogDir("/dom", initial);
    EXPECT_EQ(initial, "/start");
}
