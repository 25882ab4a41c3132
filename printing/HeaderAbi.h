// What the program and the page-header library hand each other: the part of
// the print settings the header is drawn by, the page-header information and
// the library's entry point. Both sides are built from this one header; the
// records are packed and passed by value, so their sizes are pinned below.
// Texts are ShortStrings in Windows-1250, like every text of the records.
#pragma once

#include "core/MyUtils.h"
#include "core/ZunTypes.h"

class QPainter;

namespace orv {

#pragma pack(push, 1)

// The head of the print settings, as the header library gets it.
struct THeaderSettings {
    i32 HeaderType;                // kind of header, passed on unchanged
    TShortString<255> LogoPath;    // "(brak)" when no logo is set
    u8 DrawLogo;
    u8 DrawFrame;
    u8 ShowTotalPageNumber;
    u8 ShowObjectInfo;
    u8 ShowNumberInfo;
    u8 Reserved[3];
};

constexpr int HeaderTextCount = 14;

// Texts of THeaderInfo by index.
enum : int {
    htPageLabel = 0,       // "Str."
    htPageCountLabel = 1,  // "Ilość str."
    htProduct = 2,         // "Orvandel " + short version
    htCalculationTitle = 3,
    htMakerLine = 4,
    htObject = 5,
    htObjectLabel = 6,
    htTitle = 7,
    htTitleLabel = 8,
    htAuthor = 9,
    htAuthorLabel = 10,
    htDocumentName = 11,
    htProjectNumber = 12,
    htProjectNumberLabel = 13,
};

// The page being drawn, the page count to show and the fourteen texts.
struct THeaderInfo {
    u16 PageNumber;
    u16 PageCount;
    TShortString<255> Texts[HeaderTextCount];
};

#pragma pack(pop)

static_assert(sizeof(THeaderSettings) == 268);
static_assert(offsetof(THeaderSettings, LogoPath) == 4);
static_assert(offsetof(THeaderSettings, DrawLogo) == 260);
static_assert(offsetof(THeaderSettings, ShowNumberInfo) == 264);
static_assert(sizeof(THeaderInfo) == 4 + 256 * HeaderTextCount);
static_assert(offsetof(THeaderInfo, Texts) == 4);
static_assert(sizeof(TRect) == 16);

// Draws the header of one page with the painter, inside the printable
// rectangle (printer pixels from the printable origin), starting at y; the
// painter's font may be left changed. Returns the y at which the page's
// text goes on.
using TPrintHeader2 = int (*)(QPainter* painter, int dpiX, int dpiY, TRect printable, int y,
                              THeaderSettings settings, const TShortString<255>* fontName,
                              THeaderInfo info, bool firstPage);

constexpr const char* PrintHeader2EntryName = "PrintHeader2";

} // namespace orv
