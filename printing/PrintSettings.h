// The print settings (section "Printing" under the maker's key, written by
// the printing-settings dialog and only read here) and the page-header
// information the header library gets for each page.
#pragma once

#include <string>

#include "core/ZunTypes.h"
#include "printing/HeaderAbi.h"
#include "printing/PageGeometry.h"

namespace orv {

#pragma pack(push, 1)

// The first 268 bytes are laid out as THeaderSettings.
struct TPrintingSettings {
    i32 HeaderType;
    TShortString<255> LogoPath;
    u8 DrawLogo;
    u8 DrawFrame;
    u8 ShowTotalPageNumber;
    u8 ShowObjectInfo;
    u8 ShowNumberInfo;
    u8 Reserved[3];
    // margins [mm]
    f64 MarginLeft;
    f64 MarginRight;
    f64 MarginTop;
    f64 MarginBottom;
    TShortString<255> FontName;  // the report font
    i32 FontSize;
    u8 ColorPrinting;
};

#pragma pack(pop)

static_assert(offsetof(TPrintingSettings, LogoPath) == offsetof(THeaderSettings, LogoPath));
static_assert(offsetof(TPrintingSettings, ShowNumberInfo) == offsetof(THeaderSettings, ShowNumberInfo));
static_assert(offsetof(TPrintingSettings, MarginLeft) == sizeof(THeaderSettings));
static_assert(offsetof(TPrintingSettings, FontName) == 300);
static_assert(offsetof(TPrintingSettings, FontSize) == 556);
static_assert(sizeof(TPrintingSettings) == 561);

constexpr const char* PrintingSection = "Printing";
constexpr const char* NoLogo = "(brak)";
// Report font sizes taken from the settings; others fall back to 12.
constexpr int MinReportFontSize = 4;
constexpr int MaxReportFontSize = 72;

// Fills the whole record from the "Printing" section; absent values take
// their defaults (header 0, no logo, logo and page count on, frame, object
// and number lines off, margins 25, 20, 10, 25 mm, "Times New Roman" 12,
// colour printing on). A font size outside 4..72 is taken as 12.
void ReadPrintingSettings(TPrintingSettings& settings);
// The four margins [mm].
TPageMargins MarginsOf(const TPrintingSettings& settings);
// The part the header library is given.
THeaderSettings HeaderSettingsOf(const TPrintingSettings& settings);

// "Orvandel " and the short version.
std::string ProductLine();
// The texts of a report's pages from the project header and the document
// name; page number and count from the header's page numbering.
THeaderInfo MakeHeaderInfo(const TProjectHeader& header, const std::string& documentName);

} // namespace orv
