#include "core/CommonParamsUnit.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/MyUtils.h"

namespace orv {

const char* const ParamsSection = "Parametrs";
const char* const AdvancedSection = "Zaawansowane";

namespace {

constexpr SettingsKey Maker = SettingsKey::Maker;

std::string readString(const char* name, const std::string& def)
{
    return Settings().readString(Maker, ParamsSection, name).value_or(def);
}
int readInteger(const std::string& name, int def)
{
    return Settings().readInteger(Maker, ParamsSection, name).value_or(def);
}
bool readBool(const char* name, bool def)
{
    return Settings().readBool(Maker, ParamsSection, name).value_or(def);
}

const char* const kFigureNames[10] = {"Rys1 X", "Rys1 Y", "Rys2 X", "Rys2 Y", "Rys3 X",
                                      "Rys3 Y", "Rys4 X", "Rys4 Y", "Rys5 X", "Rys5 Y"};

} // namespace

void ReadCommonParams(const std::string& defaultDir, TCommonParams& p)
{
    p.DefaultName = readString("DefaultName", {});
    p.Directory = readString("Directory", defaultDir);
    p.OpenDirTyp = readInteger("OpenDirTyp", 0);
    p.FontName = readString("FontName", "Arial");
    p.FontSize = readInteger("FontSize", 20);
    p.FontNamePW = readString("FontName PW", "MS Sans Serif");
    p.FontSizePW = readInteger("FontSize PW", 16);
    p.UserBackgroundCellColor = readBool("UserBackgroundCellColor", true);
    p.BackgroundCellColor = readInteger("BackgroundCellColor", DefaultCellColor);
}

int ReadOpenDirType() { return readInteger("OpenDirTyp", 0); }

void ReadDefaultName(std::string& name) { name = readString("DefaultName", {}); }

void ReadLastUsedDirectory(const std::string& defaultDir, std::string& dir)
{
    dir = readString("LastUsedDirectory", defaultDir);
}

void WriteLastUsedDirectory(const std::string& dir)
{
    if (dir.empty()) return;
    Settings().writeString(Maker, ParamsSection, "LastUsedDirectory", dir);
    Settings().flush();
}

void PrepareOpenDialogDir(const std::string& defaultDir, std::string& initialDir)
{
    if (ReadOpenDirType() == 0) ReadLastUsedDirectory(defaultDir, initialDir);
}

void RememberDirectory(const std::string& dir)
{
    if (ReadOpenDirType() == 0) WriteLastUsedDirectory(dir);
}

void ReadReportFont(std::string& name, int& size)
{
    name = readString("FontName", "Arial");
    size = readInteger("FontSize", 20);
}

void ReadPwFont(std::string& name, int& size)
{
    name = readString("FontName PW", "MS Sans Serif");
    size = readInteger("FontSize PW", 16);
}

double ResultsFontPoints(int halfPoints)
{
    if (halfPoints < 2 || halfPoints > 2 * MaxViewFontPoints) return 10.0;
    return halfPoints / 2.0;
}

int GetCellBackgroundColor(int systemWindowColor)
{
    if (!readBool("UserBackgroundCellColor", true)) return systemWindowColor;
    return readInteger("BackgroundCellColor", DefaultCellColor);
}

void LoadWindowPlacement(const std::string& formName, TWindowPlace& place)
{
    place.Left = readInteger(formName + " Left", -1);
    place.Top = readInteger(formName + " Top", -1);
    place.Width = readInteger(formName + " Width", -1);
    place.Height = readInteger(formName + " Height", -1);
}

void SaveWindowPlacement(const std::string& formName, const TWindowPlace& place)
{
    ISettingsStore& s = Settings();
    s.writeInteger(Maker, ParamsSection, formName + " Left", place.Left);
    s.writeInteger(Maker, ParamsSection, formName + " Top", place.Top);
    s.writeInteger(Maker, ParamsSection, formName + " Width", place.Width);
    s.writeInteger(Maker, ParamsSection, formName + " Height", place.Height);
    s.flush();
}

namespace {
// `start`..`start + size` moved by the least distance onto `areaStart`..
// `areaStart + areaSize`; a span longer than the area starts with it.
int fitSpan(int start, int size, int areaStart, int areaSize)
{
    const long long last = static_cast<long long>(areaStart) + areaSize - std::max(size, 0);
    return static_cast<int>(std::clamp<long long>(start, areaStart, std::max<long long>(areaStart, last)));
}
} // namespace

TWindowPlace FitWindowOntoArea(const TWindowPlace& place, const TScreenArea& area)
{
    if (area.Width <= 0 || area.Height <= 0) return place;
    TWindowPlace r = place;
    r.Width = std::min(place.Width, area.Width);
    r.Height = std::min(place.Height, area.Height);
    r.Left = fitSpan(place.Left, r.Width, area.Left, area.Width);
    r.Top = fitSpan(place.Top, r.Height, area.Top, area.Height);
    return r;
}

TPlacementPlan PlanWindowPlacement(const TWindowPlace& place, const TScreenArea& area)
{
    TPlacementPlan plan;
    if (place.Left < 0 || place.Top < 0) return plan;
    plan.Left = place.Left;
    plan.Top = place.Top;
    plan.Move = static_cast<long long>(place.Left) < static_cast<long long>(area.Left) + area.Width &&
                static_cast<long long>(place.Top) < static_cast<long long>(area.Top) + area.Height;
    // A size that was never stored (or is no size) is not applied.
    plan.Resize = place.Width > 0 && place.Height > 0;
    const TWindowPlace fitted = FitWindowOntoArea(place, area);
    plan.Width = plan.Resize ? fitted.Width : place.Width;
    plan.Height = plan.Resize ? fitted.Height : place.Height;
    return plan;
}

namespace {
double defaultFigureSize(int i) { return i % 2 == 0 ? 10.0 : 8.0; }
} // namespace

void BoundFigureSizes(TFigureSizes& sizes)
{
    for (int i = 0; i < 10; ++i) {
        if (!std::isfinite(sizes[i])) sizes[i] = defaultFigureSize(i);
        else sizes[i] = std::clamp(sizes[i], MinFigureSize, MaxFigureSize);
    }
}

void ReadAdvancedSettings(SettingsKey key, TFigureSizes& sizes)
{
    for (int i = 0; i < 10; ++i) {
        const std::string def = FormatFixed(1, defaultFigureSize(i));
        sizes[i] = TextToFloat(Settings().readString(key, AdvancedSection, kFigureNames[i]).value_or(def));
    }
    BoundFigureSizes(sizes);
}

void WriteAdvancedSettings(SettingsKey key, const TFigureSizes& sizes)
{
    for (int i = 0; i < 10; ++i)
        Settings().writeString(key, AdvancedSection, kFigureNames[i], FormatFixed(1, sizes[i]));
    Settings().flush();
}

TFigureSizes FigureSizesOf(const TProjectHeader& header)
{
    TFigureSizes sizes;
    std::memcpy(sizes.data(), reinterpret_cast<const char*>(&header) + offsetof(TProjectHeader, FigureSize),
                sizeof(double) * sizes.size());
    return sizes;
}

void SetFigureSizes(TProjectHeader& header, const TFigureSizes& sizes)
{
    std::memcpy(reinterpret_cast<char*>(&header) + offsetof(TProjectHeader, FigureSize), sizes.data(),
                sizeof(double) * sizes.size());
}

} // namespace orv
