// Common settings: "Parametrs" under the maker's key (folders, fonts, grid
// cell colour, window places) and "Zaawansowane" under the program's key
// (report figure sizes). Every read falls back to its default.
#pragma once

#include <array>
#include <string>

#include "core/SettingsStore.h"
#include "core/ZunTypes.h"

namespace orv {

extern const char* const ParamsSection;    // "Parametrs"
extern const char* const AdvancedSection;  // "Zaawansowane"

struct TCommonParams {
    std::string DefaultName;
    std::string Directory;
    int OpenDirTyp = 0;
    std::string FontName;
    int FontSize = 0;
    std::string FontNamePW;
    int FontSizePW = 0;
    bool UserBackgroundCellColor = true;
    int BackgroundCellColor = 0; // 0x00BBGGRR
};

constexpr int DefaultCellColor = 11071212; // 0xA8EEEC

// All values of "Parametrs" but the window places and the last folder;
// `defaultDir` is the default of "Directory".
void ReadCommonParams(const std::string& defaultDir, TCommonParams& p);
int ReadOpenDirType();
void ReadDefaultName(std::string& name);

void ReadLastUsedDirectory(const std::string& defaultDir, std::string& dir);
// Stores only a non-empty folder.
void WriteLastUsedDirectory(const std::string& dir);
// With "OpenDirTyp" 0 the file dialog starts in the last used folder
// (default `defaultDir`); otherwise `initialDir` is left alone.
void PrepareOpenDialogDir(const std::string& defaultDir, std::string& initialDir);
// With "OpenDirTyp" 0 remembers `dir` as the last used folder.
void RememberDirectory(const std::string& dir);

void ReadReportFont(std::string& name, int& size);
void ReadPwFont(std::string& name, int& size);

// The results view's font size in points from a stored "FontSize" in
// half-points: half of it within 1 to MaxViewFontPoints, the default 10
// points for any other value, as the trace window bounds its own.
constexpr int MaxViewFontPoints = 72;
double ResultsFontPoints(int halfPoints);

// "BackgroundCellColor" when "UserBackgroundCellColor" is set, else the
// system window colour the caller passes (both 0x00BBGGRR).
int GetCellBackgroundColor(int systemWindowColor);

// A window's stored place: left, top, width, height; -1 when not stored.
struct TWindowPlace {
    int Left = -1;
    int Top = -1;
    int Width = -1;
    int Height = -1;
};

// A window's place under "Parametrs": the form name followed by " Left",
// " Top", " Width" and " Height".
void LoadWindowPlacement(const std::string& formName, TWindowPlace& place);
void SaveWindowPlacement(const std::string& formName, const TWindowPlace& place);

// The part of a screen windows may take (the desktop less its task bars).
struct TScreenArea {
    int Left = 0, Top = 0, Width = 0, Height = 0;
};

// A window's place brought onto the area: its size cut to the area's, then
// moved by the least distance that puts the whole window on it. Without an
// area (no screen) the place is left as it is.
TWindowPlace FitWindowOntoArea(const TWindowPlace& place, const TScreenArea& area);

// What applying a stored place does to a window on the area. A size is cut
// to the area; the caller brings the moved window wholly onto it.
struct TPlacementPlan {
    bool Move = false;   // place at Left, Top and switch automatic positioning off
    bool Resize = false; // set Width, Height
    int Left = 0, Top = 0, Width = 0, Height = 0;
};
TPlacementPlan PlanWindowPlacement(const TWindowPlace& place, const TScreenArea& area);

// The ten report figure sizes (width, height of groups 1..5) [cm].
using TFigureSizes = std::array<double, 10>;
constexpr double MinFigureSize = 3.0;  // [cm], the range of the advanced print options
constexpr double MaxFigureSize = 20.0;
// Brings every size into MinFigureSize..MaxFigureSize; a size that is no
// number falls back to the default width (10 cm) or height (8 cm).
void BoundFigureSizes(TFigureSizes& sizes);
// The stored sizes, each brought into its range.
void ReadAdvancedSettings(SettingsKey key, TFigureSizes& sizes);
void WriteAdvancedSettings(SettingsKey key, const TFigureSizes& sizes);
// Copies between the header's packed FigureSize and an aligned array.
TFigureSizes FigureSizesOf(const TProjectHeader& header);
void SetFigureSizes(TProjectHeader& header, const TFigureSizes& sizes);

} // namespace orv
