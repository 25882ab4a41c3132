// Stored records of a project: the element, its calculation input, the
// project header and the load compilation. These structs ARE the file
// format: packed, little-endian, copied and written whole. Every size and
// offset is pinned below.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "core/Cp1250.h"
#include "core/RecordStorage.h"

namespace orv {

using u8 = std::uint8_t;
using u16 = std::uint16_t;
using i32 = std::int32_t;
using u32 = std::uint32_t;
using f64 = double;

static_assert(sizeof(double) == 8 && sizeof(int) == 4, "IEEE doubles and 32-bit ints expected");

#pragma pack(push, 1)

// Length-prefixed text of at most N characters, as the records store it: a
// length byte followed by room for N single-byte (Windows-1250) characters.
// Characters behind the length are undefined.
template <std::size_t N>
struct TShortString {
    u8 Len;
    char Chars[N];

    static constexpr std::size_t Capacity = N;
    // Length clipped to the capacity: a length byte read from a file is never trusted.
    std::size_t length() const { return Len <= N ? Len : N; }
    // Raw single-byte content.
    std::string raw() const { return std::string(Chars, length()); }
    void setRaw(const std::string& s)
    {
        std::size_t n = s.size() < N ? s.size() : N;
        for (std::size_t i = 0; i < n; ++i) Chars[i] = s[i];
        Len = static_cast<u8>(n);
    }
    // UTF-8 content, converted from/to Windows-1250 (too long a text is cut).
    std::string str() const;
    void set(const std::string& utf8);
};

// Fixed-length text of the load-table library: i32 length, 512 blank-padded characters.
struct TFixedText {
    i32 Length;
    char Chars[512];
};

// Masonry unit with its mortar as the elastic-modulus dialog exchanges it.
struct TElementMurowy {
    i32 RodzajElementu;   // TMaterialKind
    i32 KlasaZaprawy;     // 0..5 = M1, M2.5, M5, M10, M15, M20
    i32 RodzajZaprawy;    // TMortarType
    u8 Reserved1[4];
    f64 fb;               // normalised compressive strength [MPa]
    u8 OgolnaDef;         // 1 = general definition, 0 = from the catalogue
    TShortString<255> Nazwa;
    u8 Reserved2[7];
};

// One reinforcing-steel grade.
struct TSteelGrade {
    i32 Klasa;            // class index (A-0 .. A-IIIN)
    TShortString<20> Znak;
    f64 fyk;              // [Pa]
    f64 fyd;
    f64 ftk;
    f64 Es;
    u8 UserGrade;         // 1 = user's own grade
};

// One concentrated load of case 3 (k = 0 is also the pier's axial force).
struct TConcentratedLoad {
    f64 NSd;  // [kN]
    f64 aL;   // bearing length [cm]
    f64 aT;   // bearing width [cm]
    f64 a1;   // distance from the left edge of the wall [cm]
    f64 hN;   // level below the top of the wall [cm]
};

// An opening of a case-2 wall, lower-left corner and size [cm].
struct TOpening {
    f64 x;
    f64 y;
    f64 l;
    f64 h;
};

// A slab of the joint of the continuous model (members 3, 4, 6, 7).
struct TSlabRecord {
    f64 Data[20];
    u8 Flag0;
    u8 Flag1;
    u8 Flag2;
    TShortString<255> Nazwa;
    u8 Reserved[5];
    f64 J;       // moment of inertia [cm4]
    f64 Width;   // [cm]
};

// The calculation input of one element. Lengths cm, forces kN, line loads
// kN/m, densities kN/m3, fb MPa, moduli E2..E7 GPa.
struct TCalcInput {
    u8 Case;                    // TCalcCase
    u8 Reserved1[7];
    f64 t;
    f64 t2;
    f64 h;
    f64 l;
    u8 def_szer_wiencow;
    u8 Reserved2[7];
    f64 ag;
    f64 ad;
    f64 Gs;
    f64 Nod;
    f64 Nsld;
    f64 Nspd;
    f64 wd;                     // suction, negative [kN/m]
    f64 wd_kNm2;                // case 2 [kN/m2]
    u8 wylicz_Gs;
    TFixedText WindText[4];
    u8 Reserved3[3];
    i32 WindTableInt[3];
    f64 WindTableValue[2];
    f64 WindTableWidth;
    u8 WindTableFlag;
    u8 Reserved4[7];
    f64 ro_muru;
    f64 gf_muru;
    TShortString<255> ro_muru_text;
    u32 UsztywnienieSciany;
    u32 RodzajKonstrSciany;
    u32 RodzajStropow;
    u8 ScianaZewnetrzna;
    u8 ScianaNajwyzszejKodnygnacji;
    u8 OgolnaDefElementu;
    u8 Reserved5;
    f64 fb;
    u32 RodzajElementuM;
    u32 KategoriaWykRobot;
    u32 sytuacja;
    u32 KategoriaWykElementu;
    u32 ZaprawaTyp;
    u32 RodzajZaprawy;
    u32 KlasaZaprawy;
    TShortString<255> UserElement;
    TSteelGrade stal;
    u32 beton;
    u8 Reserved6[3];
    u8 OznBeton;
    u8 Reserved7[2];
    f64 SlabData[6][20];        // members 2..7 of the joint
    f64 J2, J3, J4, J5, J6, J7; // [cm4]
    f64 h2, l3, l4, h5, l6, l7; // [cm]
    f64 E2, E3, E4, E5, E6, E7; // [GPa]
    f64 g3d, g4d, g6d, g7d;     // [kN/m]
    f64 p3d, p4d, p6d, p7d;     // [kN/m]
    TFixedText pText[4];
    TFixedText gText[4];
    TFixedText SlabLoadText[4];
    f64 SlabGammaF[4];
    u8 zezwolB25;
    u8 IdentyczneParametryScian;
    u8 Reserved8[6];
    f64 wd2;                    // pressure, positive [kN/m]
    u8 WindFlags[4];
    i32 Reserved9;
    f64 Reserved10[3];
    u8 Reserved11[8];
    i32 Reserved12[2];          // initialised 1, 1
    i32 Reserved13[2];          // initialised 0, 0
    u32 SchematScianyTyp;
    u32 SchematPlytySciany;
    u8 ScianaZOtworami;
    u8 Reserved14[7];
    TOpening Okna[5];
    i32 LiczbaOkien;            // 0..5
    i32 LiczbaSilSkup;          // 1..3
    TConcentratedLoad Sily[3];
    f64 N0_mb;                  // [kN/m]
    f64 he;
    f64 be;
    f64 Gs_mb;                  // [kN/m]
    f64 ro_e;
    f64 BasementReserved[3];    // initialised 5.0, 0, 1.5
    TFixedText ro_e_text;
    u8 Reserved15[4];
    f64 Reserved16;             // initialised 150.0
    f64 Gs_s;
    u32 PodpSTyp_x;
    u32 PodpSTyp_y;
    f64 Msdx;
    f64 Msdy;
    u16 MsdxDef;
    u16 MsdyDef;
    u8 Reserved17;
    u8 spoina_podluzna;
    u16 Reserved18;
    f64 l_usztw;
    f64 ex;
    f64 ey;
    TFixedText ForceText[6];
    f64 ForceGammaF[6];
    TElementMurowy ElementE2;
    TElementMurowy ElementE5;
    TSlabRecord Stropy[4];
    TFixedText WindText2[4];
};

// Project header, meaningful in element 0.
struct TProjectHeader {
    f64 FigureSize[10];         // (width, height) [cm] of figure groups 1..5
    u16 FirstPage;
    u16 PageCount;
    TShortString<255> Author;
    TShortString<255> Title;
    TShortString<255> Object;
    TShortString<255> ProjectNumber;
    u8 CommentPlace;            // 0 none, 1 before the report, 2 after it
    u8 PrintParts[8];
    u8 Reserved[2];
};

// 164-byte per-storey block carried along unchanged.
struct TStoreyBlock {
    u16 Words[2];
    f64 Rows[4][5];
};

// Compilation of the design load from the storeys above (ten storeys,
// storey s at index s - 1). Lengths m, loads kN/m, kN/m2 or kN.
struct TLoadCompilation {
    u8 TakeFromElement;
    i32 StoreyCount;
    f64 b;
    i32 bUnit;
    i32 CurrentStorey;          // 1-based
    f64 F_dach;
    f64 h[10];
    f64 t[10];
    f64 bs[10];
    f64 Q3[10];
    f64 lo_L[10];
    f64 lo_P[10];
    f64 Q6[10];
    f64 Q7[10];
    f64 gL[10];
    f64 pL[10];
    f64 gP[10];
    f64 pP[10];
    f64 ro[10];
    f64 ro_w[10];
    f64 Gs[10];
    f64 Fp[10];
    f64 Fl[10];
    f64 gf_muru[10];
    f64 gf_w[10];
    f64 Gw[10];
    f64 hw[10];
    f64 tw[10];
    // display units (0 m, 1 cm, 2 mm)
    i32 Unit_lo_L[10];
    i32 Unit_lo_P[10];
    i32 Unit_hw[10];
    i32 Unit_tw[10];
    i32 Unit_h[10];
    i32 Unit_bs[10];
    i32 Unit_t[10];
    TStoreyBlock Block[10];
    u8 strop_L[10];
    u8 strop_P[10];
    u8 wieniec[10];
    u8 SwitchReserved[10];
    u8 bs_ind[10];
    i32 GsTyp[10];
    i32 GwTyp[10];
    i32 SlTyp[10];
    i32 SpTyp[10];
    i32 twTyp[10];
    TFixedText pPText[10];
    TFixedText pLText[10];
    TFixedText roText[10];
    TFixedText ro_wText[10];
    TFixedText gLText[10];
    TFixedText gPText[10];
    u8 kond_powtrz;
};

// One element of a project.
struct TProjectElement {
    char Version[4];
    i32 Count;
    i32 Current;
    TShortString<255> Name;
    TShortString<255> Description;
    u8 Reserved1[4];
    TCalcInput Input;
    TProjectHeader Header;
    TLoadCompilation Loads;
    u8 Reserved2;
};

#pragma pack(pop)

// A value inside a packed record reached through a pointer (an array of a
// record decays to one) may be misaligned: read and write it by copy.
template <typename T>
T LoadPacked(const T* p)
{
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
template <typename T>
void StorePacked(T* p, T v)
{
    std::memcpy(p, &v, sizeof v);
}

// --- layout pins -----------------------------------------------------------
static_assert(sizeof(TShortString<255>) == 256);
static_assert(sizeof(TFixedText) == 516);
static_assert(sizeof(TElementMurowy) == 288);
static_assert(offsetof(TElementMurowy, fb) == 16);
static_assert(offsetof(TElementMurowy, OgolnaDef) == 24);
static_assert(offsetof(TElementMurowy, Nazwa) == 25);
static_assert(offsetof(TElementMurowy, Reserved2) == 281);
static_assert(sizeof(TSteelGrade) == 58);
static_assert(offsetof(TSteelGrade, fyk) == 25);
static_assert(offsetof(TSteelGrade, UserGrade) == 57);
static_assert(sizeof(TSlabRecord) == 440);
static_assert(offsetof(TSlabRecord, Flag0) == 160);
static_assert(offsetof(TSlabRecord, Nazwa) == 163);
static_assert(offsetof(TSlabRecord, J) == 424);
static_assert(offsetof(TSlabRecord, Width) == 432);

static_assert(sizeof(TCalcInput) == 18840);
static_assert(offsetof(TCalcInput, t) == 8);
static_assert(offsetof(TCalcInput, t2) == 16);
static_assert(offsetof(TCalcInput, h) == 24);
static_assert(offsetof(TCalcInput, l) == 32);
static_assert(offsetof(TCalcInput, def_szer_wiencow) == 40);
static_assert(offsetof(TCalcInput, ag) == 48);
static_assert(offsetof(TCalcInput, ad) == 56);
static_assert(offsetof(TCalcInput, Gs) == 64);
static_assert(offsetof(TCalcInput, Nod) == 72);
static_assert(offsetof(TCalcInput, Nsld) == 80);
static_assert(offsetof(TCalcInput, Nspd) == 88);
static_assert(offsetof(TCalcInput, wd) == 96);
static_assert(offsetof(TCalcInput, wd_kNm2) == 104);
static_assert(offsetof(TCalcInput, wylicz_Gs) == 112);
static_assert(offsetof(TCalcInput, WindText) == 113);
static_assert(offsetof(TCalcInput, WindTableInt) == 2180);
static_assert(offsetof(TCalcInput, WindTableValue) == 2192);
static_assert(offsetof(TCalcInput, WindTableWidth) == 2208);
static_assert(offsetof(TCalcInput, WindTableFlag) == 2216);
static_assert(offsetof(TCalcInput, ro_muru) == 2224);
static_assert(offsetof(TCalcInput, gf_muru) == 2232);
static_assert(offsetof(TCalcInput, ro_muru_text) == 2240);
static_assert(offsetof(TCalcInput, UsztywnienieSciany) == 2496);
static_assert(offsetof(TCalcInput, RodzajKonstrSciany) == 2500);
static_assert(offsetof(TCalcInput, RodzajStropow) == 2504);
static_assert(offsetof(TCalcInput, ScianaZewnetrzna) == 2508);
static_assert(offsetof(TCalcInput, ScianaNajwyzszejKodnygnacji) == 2509);
static_assert(offsetof(TCalcInput, OgolnaDefElementu) == 2510);
static_assert(offsetof(TCalcInput, fb) == 2512);
static_assert(offsetof(TCalcInput, RodzajElementuM) == 2520);
static_assert(offsetof(TCalcInput, KategoriaWykRobot) == 2524);
static_assert(offsetof(TCalcInput, sytuacja) == 2528);
static_assert(offsetof(TCalcInput, KategoriaWykElementu) == 2532);
static_assert(offsetof(TCalcInput, ZaprawaTyp) == 2536);
static_assert(offsetof(TCalcInput, RodzajZaprawy) == 2540);
static_assert(offsetof(TCalcInput, KlasaZaprawy) == 2544);
static_assert(offsetof(TCalcInput, UserElement) == 2548);
static_assert(offsetof(TCalcInput, stal) == 2804);
static_assert(offsetof(TCalcInput, beton) == 2862);
static_assert(offsetof(TCalcInput, OznBeton) == 2869);
static_assert(offsetof(TCalcInput, SlabData) == 2872);
static_assert(offsetof(TCalcInput, J2) == 3832);
static_assert(offsetof(TCalcInput, h2) == 3880);
static_assert(offsetof(TCalcInput, E2) == 3928);
static_assert(offsetof(TCalcInput, g3d) == 3976);
static_assert(offsetof(TCalcInput, p3d) == 4008);
static_assert(offsetof(TCalcInput, pText) == 4040);
static_assert(offsetof(TCalcInput, gText) == 6104);
static_assert(offsetof(TCalcInput, SlabLoadText) == 8168);
static_assert(offsetof(TCalcInput, SlabGammaF) == 10232);
static_assert(offsetof(TCalcInput, zezwolB25) == 10264);
static_assert(offsetof(TCalcInput, IdentyczneParametryScian) == 10265);
static_assert(offsetof(TCalcInput, wd2) == 10272);
static_assert(offsetof(TCalcInput, WindFlags) == 10280);
static_assert(offsetof(TCalcInput, Reserved9) == 10284);
static_assert(offsetof(TCalcInput, Reserved10) == 10288);
static_assert(offsetof(TCalcInput, Reserved11) == 10312);
static_assert(offsetof(TCalcInput, Reserved12) == 10320);
static_assert(offsetof(TCalcInput, Reserved13) == 10328);
static_assert(offsetof(TCalcInput, SchematScianyTyp) == 10336);
static_assert(offsetof(TCalcInput, SchematPlytySciany) == 10340);
static_assert(offsetof(TCalcInput, ScianaZOtworami) == 10344);
static_assert(offsetof(TCalcInput, Okna) == 10352);
static_assert(offsetof(TCalcInput, LiczbaOkien) == 10512);
static_assert(offsetof(TCalcInput, LiczbaSilSkup) == 10516);
static_assert(offsetof(TCalcInput, Sily) == 10520);
static_assert(offsetof(TCalcInput, N0_mb) == 10640);
static_assert(offsetof(TCalcInput, he) == 10648);
static_assert(offsetof(TCalcInput, be) == 10656);
static_assert(offsetof(TCalcInput, Gs_mb) == 10664);
static_assert(offsetof(TCalcInput, ro_e) == 10672);
static_assert(offsetof(TCalcInput, BasementReserved) == 10680);
static_assert(offsetof(TCalcInput, ro_e_text) == 10704);
static_assert(offsetof(TCalcInput, Reserved16) == 11224);
static_assert(offsetof(TCalcInput, Gs_s) == 11232);
static_assert(offsetof(TCalcInput, PodpSTyp_x) == 11240);
static_assert(offsetof(TCalcInput, PodpSTyp_y) == 11244);
static_assert(offsetof(TCalcInput, Msdx) == 11248);
static_assert(offsetof(TCalcInput, Msdy) == 11256);
static_assert(offsetof(TCalcInput, MsdxDef) == 11264);
static_assert(offsetof(TCalcInput, MsdyDef) == 11266);
static_assert(offsetof(TCalcInput, spoina_podluzna) == 11269);
static_assert(offsetof(TCalcInput, l_usztw) == 11272);
static_assert(offsetof(TCalcInput, ex) == 11280);
static_assert(offsetof(TCalcInput, ey) == 11288);
static_assert(offsetof(TCalcInput, ForceText) == 11296);
static_assert(offsetof(TCalcInput, ForceGammaF) == 14392);
static_assert(offsetof(TCalcInput, ElementE2) == 14440);
static_assert(offsetof(TCalcInput, ElementE5) == 14728);
static_assert(offsetof(TCalcInput, Stropy) == 15016);
static_assert(offsetof(TCalcInput, WindText2) == 16776);

static_assert(sizeof(TProjectHeader) == 1119);
static_assert(offsetof(TProjectHeader, FirstPage) == 80);
static_assert(offsetof(TProjectHeader, PageCount) == 82);
static_assert(offsetof(TProjectHeader, Author) == 84);
static_assert(offsetof(TProjectHeader, Title) == 340);
static_assert(offsetof(TProjectHeader, Object) == 596);
static_assert(offsetof(TProjectHeader, ProjectNumber) == 852);
static_assert(offsetof(TProjectHeader, CommentPlace) == 1108);
static_assert(offsetof(TProjectHeader, PrintParts) == 1109);

static_assert(sizeof(TStoreyBlock) == 164);
static_assert(sizeof(TLoadCompilation) == 34920);
static_assert(offsetof(TLoadCompilation, StoreyCount) == 1);
static_assert(offsetof(TLoadCompilation, b) == 5);
static_assert(offsetof(TLoadCompilation, bUnit) == 13);
static_assert(offsetof(TLoadCompilation, CurrentStorey) == 17);
static_assert(offsetof(TLoadCompilation, F_dach) == 21);
static_assert(offsetof(TLoadCompilation, h) == 29);
static_assert(offsetof(TLoadCompilation, lo_L) == 29 + 80 * 4);
static_assert(offsetof(TLoadCompilation, ro) == 29 + 80 * 12);
static_assert(offsetof(TLoadCompilation, tw) == 29 + 80 * 21);
static_assert(offsetof(TLoadCompilation, Unit_lo_L) == 1789);
static_assert(offsetof(TLoadCompilation, Unit_t) == 1789 + 40 * 6);
static_assert(offsetof(TLoadCompilation, Block) == 2069);
static_assert(offsetof(TLoadCompilation, strop_L) == 3709);
static_assert(offsetof(TLoadCompilation, bs_ind) == 3709 + 40);
static_assert(offsetof(TLoadCompilation, GsTyp) == 3759);
static_assert(offsetof(TLoadCompilation, twTyp) == 3759 + 160);
static_assert(offsetof(TLoadCompilation, pPText) == 3959);
static_assert(offsetof(TLoadCompilation, gPText) == 3959 + 5160 * 5);
static_assert(offsetof(TLoadCompilation, kond_powtrz) == 34919);

static_assert(sizeof(TProjectElement) == 55408);
static_assert(offsetof(TProjectElement, Count) == 4);
static_assert(offsetof(TProjectElement, Current) == 8);
static_assert(offsetof(TProjectElement, Name) == 12);
static_assert(offsetof(TProjectElement, Description) == 268);
static_assert(offsetof(TProjectElement, Input) == 528);
static_assert(offsetof(TProjectElement, Header) == 19368);
static_assert(offsetof(TProjectElement, Loads) == 20487);
static_assert(offsetof(TProjectElement, Reserved2) == 55407);
// Its bytes are the record: copied whole and read from a file in place.
static_assert(std::is_trivially_copyable_v<TProjectElement>);
static_assert(std::is_trivially_default_constructible_v<TProjectElement>);

// The elements of a project. A new element is zero-filled; a file read
// appends elements unfilled and writes every byte of them.
using TElementList = std::vector<TProjectElement, TRecordAllocator<TProjectElement>>;

// --- enumerations ------------------------------------------------------------
enum TCalcCase : u8 {
    ccWallVerticalHinged = 0,
    ccWallVerticalContinuous = 1,
    ccWallHorizontal = 2,
    ccConcentratedLoad = 3,
    ccBasementWall = 4,
    ccColumn = 5,
};
constexpr int CalcCaseCount = 6;

enum TMaterialKind : int {
    mkCeramic1 = 0, mkCeramic2, mkCeramic3, mkCeramic4,
    mkSilicate1, mkSilicate2,
    mkConcrete1, mkConcrete2, mkConcrete3, mkConcrete4,
    mkAAC, mkManufacturedStone, mkNaturalStone,
};
constexpr int MaterialKindCount = 13;

enum TMortarType : int { mtGeneral = 0, mtThinLayer = 1, mtLightweight = 2 };
constexpr int MortarTypeCount = 3;
constexpr int MortarClassCount = 6;   // M1, M2.5, M5, M10, M15, M20
constexpr int ConcreteClassCount = 9; // B15 .. B60 (C12/15 .. C50/60)
constexpr int MaxOpenings = 5;
constexpr int MaxConcentratedLoads = 3;
constexpr int MaxStoreys = 10;
constexpr int BasementSlabEntry = 10; // load-compilation entry of the slab over the basement

template <std::size_t N>
std::string TShortString<N>::str() const { return Cp1250ToUtf8(raw()); }
template <std::size_t N>
void TShortString<N>::set(const std::string& utf8) { setRaw(Utf8ToCp1250(utf8)); }

// --- text fields --------------------------------------------------------------
void StrToFixedText(const std::string& utf8, TFixedText& t);
std::string FixedTextToStr(const TFixedText& t);
// Brings a length read from a file into 0..512. Inline: a record read from
// a file has about a hundred of them.
inline void ClipTextLength(TFixedText& t)
{
    const i32 n = t.Length;
    if (n < 0) t.Length = 0;
    else if (n > static_cast<i32>(sizeof t.Chars)) t.Length = static_cast<i32>(sizeof t.Chars);
}

// --- defaults -----------------------------------------------------------------
void InitElementRecord(TCalcInput& in);
void InitProjectHeader(const std::string& name, TProjectHeader& header);
void InitLoadCompilation(TLoadCompilation& l);

// Explanation texts of the execution categories A and B (index KategoriaWykRobot).
extern const char* const ExecutionCategoryText[2];

} // namespace orv
