#include "core/ZunProject.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <new>
#include <stdexcept>

#include "core/CommonParamsUnit.h"
#include "core/Cp1250.h"
#include "core/MessageService.h"
#include "core/MyUtils.h"
#include "core/ZunFiles.h"

namespace orv {
namespace fs = std::filesystem;

namespace {

// Layout of the older records: version text, count, current index and name
// as in the current record, then the input at +272 and the header after it.
constexpr std::size_t OldInputOffset = 272;
constexpr std::size_t RecordSizeV10 = 12688;
constexpr std::size_t RecordSizeV11 = 15872;
constexpr std::size_t RecordSizeV12 = 18168;
// Records read at once: a block that stays in the cache while it is set right.
constexpr std::size_t BlockBytes = 512 * 1024;

char* bytesOf(TProjectElement& e) { return reinterpret_cast<char*>(&e); }

// Fields of an old record common to every converter. The element starts
// zero-filled, its input at the defaults with the old input over them.
void convertCommon(const char* rec, std::size_t inputSize, TProjectElement& e)
{
    std::memset(&e, 0, sizeof e);
    char* dst = bytesOf(e);
    std::memcpy(dst + offsetof(TProjectElement, Count), rec + 4, 4);
    std::memcpy(dst + offsetof(TProjectElement, Current), rec + 8, 4);
    std::memcpy(dst + offsetof(TProjectElement, Name), rec + 12, sizeof(TShortString<255>));
    std::memcpy(dst + offsetof(TProjectElement, Header), rec + OldInputOffset + inputSize,
                sizeof(TProjectHeader));
    InitElementRecord(e.Input);
    std::memcpy(dst + offsetof(TProjectElement, Input), rec + OldInputOffset, inputSize);
    InitLoadCompilation(e.Loads);
}

// Versions 11 and 12 kept a positive (pressure) wind load in `wd`; it now
// has its own field and text set.
void convertV11V12(const char* rec, std::size_t inputSize, TProjectElement& e)
{
    convertCommon(rec, inputSize, e);
    e.Header.PrintParts[6] = 1; // "Nazwa elementu"
    TCalcInput& in = e.Input;
    in.WindFlags[0] = 0;
    in.WindFlags[2] = 0;
    in.WindFlags[3] = 0;
    const f64 wd = in.wd;
    if (wd > 0) {
        in.wd2 = wd;
        in.wd = 0;
        in.WindFlags[1] = in.WindTableFlag;
        in.WindText2[0] = in.WindText[0];
        in.WindText2[1] = in.WindText[3];
        in.WindText2[2] = in.WindText[1];
        in.WindText2[3] = in.WindText[2];
    } else {
        in.wd2 = 0;
    }
    in.WindFlags[0] = 0;
    in.WindFlags[3] = 0;
}

u32 upTo(u32 v, u32 max) { return v > max ? max : v; }
i32 within(i32 v, i32 lo, i32 hi) { return v < lo ? lo : (v > hi ? hi : v); }
u8 boolByte(u8 v) { return v > 1 ? 1 : v; }

template <std::size_t N>
void clipLength(TShortString<N>& s)
{
    if (s.Len > N) s.Len = static_cast<u8>(N);
}

void sanitizeUnit(TElementMurowy& m)
{
    m.RodzajElementu = within(m.RodzajElementu, 0, MaterialKindCount - 1);
    m.KlasaZaprawy = within(m.KlasaZaprawy, 0, MortarClassCount - 1);
    m.RodzajZaprawy = within(m.RodzajZaprawy, 0, MortarTypeCount - 1);
    m.OgolnaDef = boolByte(m.OgolnaDef);
}

constexpr int SteelClassCount = 5;       // A-0 .. A-IIIN
constexpr u32 StiffeningKindCount = 3;
constexpr u32 WallModelCount = 9;
constexpr u32 PlateSupportCaseCount = 12;
constexpr u32 PierSupportCount = 3;

// Version text, count and current index of the stored element 0.
void stampFirstRecord(char* first, int count, int current)
{
    const i32 stored[2] = {count, within(current, 0, count - 1)};
    std::memcpy(first + offsetof(TProjectElement, Version), "01.3", 4);
    std::memcpy(first + offsetof(TProjectElement, Count), &stored[0], 4);
    std::memcpy(first + offsetof(TProjectElement, Current), &stored[1], 4);
}

} // namespace

std::size_t ProjectRecordSize(int version)
{
    switch (version) {
    case 10: return RecordSizeV10;
    case 11: return RecordSizeV11;
    case 12: return RecordSizeV12;
    case 13: return sizeof(TProjectElement);
    default: return 0;
    }
}

static_assert(OldInputOffset + InputSizeV10 + sizeof(TProjectHeader) + 1 == RecordSizeV10);
static_assert(OldInputOffset + InputSizeV11 + sizeof(TProjectHeader) + 1 == RecordSizeV11);
static_assert(OldInputOffset + InputSizeV12 + sizeof(TProjectHeader) + 1 == RecordSizeV12);

void ConvertRecordV12(const char* record, TProjectElement& e) { convertV11V12(record, InputSizeV12, e); }

void ConvertRecordV11(const char* record, TProjectElement& e)
{
    convertV11V12(record, InputSizeV11, e);
    e.Input.WindFlags[0] = 0;
    e.Input.WindFlags[2] = 0;
    e.Input.WindFlags[3] = 0;
}

void ConvertRecordV10(const char* record, TProjectElement& e)
{
    convertCommon(record, InputSizeV10, e);
    TCalcInput& in = e.Input;

    // The units of the walls above and below were 24-byte records at
    // 10272 and 10296: kind, mortar class, mortar type, 4 bytes, f_b.
    const char* units = record + OldInputOffset + 10272;
    TElementMurowy* target[2] = {&in.ElementE2, &in.ElementE5};
    for (int k = 0; k < 2; ++k) {
        const char* u = units + 24 * k;
        i32 kind, mortarClass, mortarType;
        f64 fb;
        std::memcpy(&kind, u, 4);
        std::memcpy(&mortarClass, u + 4, 4);
        std::memcpy(&mortarType, u + 8, 4);
        std::memcpy(&fb, u + 16, 8);
        TElementMurowy& m = *target[k];
        m.RodzajElementu = kind;
        m.KlasaZaprawy = mortarClass;
        m.RodzajZaprawy = mortarType;
        m.fb = fb;
        m.OgolnaDef = 1;
        m.Nazwa.set("Cegła ceramiczna pełna kl.10");
    }
    // Those bytes now lie under `wd2` and `WindFlags`: back to the defaults.
    in.wd2 = 0;
    for (u8& f : in.WindFlags) f = 1;

    // Slabs 3, 4, 6 and 7 take the data blocks of the joint members.
    static constexpr std::size_t kSlabBlock[4] = {3032, 3192, 3512, 3672};
    const f64 width = in.l;
    for (int k = 0; k < 4; ++k) {
        TSlabRecord& s = in.Stropy[k];
        std::memcpy(reinterpret_cast<char*>(&s), reinterpret_cast<const char*>(&in) + kSlabBlock[k],
                    sizeof s.Data);
        s.Nazwa.set("Płyta żelbetowa gr.15 cm");
        s.Width = width;
    }
}

void SanitizeCalcInput(TCalcInput& in)
{
    in.Case = static_cast<u8>(upTo(in.Case, CalcCaseCount - 1));
    in.UsztywnienieSciany = upTo(in.UsztywnienieSciany, 2);
    in.RodzajKonstrSciany = upTo(in.RodzajKonstrSciany, StiffeningKindCount - 1);
    in.RodzajStropow = upTo(in.RodzajStropow, 1);
    in.RodzajElementuM = upTo(in.RodzajElementuM, MaterialKindCount - 1);
    in.KategoriaWykRobot = upTo(in.KategoriaWykRobot, 1);
    in.sytuacja = upTo(in.sytuacja, 2);
    in.KategoriaWykElementu = upTo(in.KategoriaWykElementu, 1);
    in.ZaprawaTyp = upTo(in.ZaprawaTyp, 1);
    in.RodzajZaprawy = upTo(in.RodzajZaprawy, MortarTypeCount - 1);
    in.KlasaZaprawy = upTo(in.KlasaZaprawy, MortarClassCount - 1);
    in.beton = upTo(in.beton, ConcreteClassCount - 1);
    in.SchematScianyTyp = upTo(in.SchematScianyTyp, WallModelCount - 1);
    in.SchematPlytySciany = upTo(in.SchematPlytySciany, PlateSupportCaseCount - 1);
    in.PodpSTyp_x = upTo(in.PodpSTyp_x, PierSupportCount - 1);
    in.PodpSTyp_y = upTo(in.PodpSTyp_y, PierSupportCount - 1);
    in.LiczbaOkien = within(in.LiczbaOkien, 0, MaxOpenings);
    in.LiczbaSilSkup = within(in.LiczbaSilSkup, 1, MaxConcentratedLoads);
    in.MsdxDef = static_cast<u16>(in.MsdxDef & 7u);
    in.MsdyDef = static_cast<u16>(in.MsdyDef & 7u);

    in.def_szer_wiencow = boolByte(in.def_szer_wiencow);
    in.wylicz_Gs = boolByte(in.wylicz_Gs);
    in.ScianaZewnetrzna = boolByte(in.ScianaZewnetrzna);
    in.ScianaNajwyzszejKodnygnacji = boolByte(in.ScianaNajwyzszejKodnygnacji);
    in.OgolnaDefElementu = boolByte(in.OgolnaDefElementu);
    in.OznBeton = boolByte(in.OznBeton);
    in.zezwolB25 = boolByte(in.zezwolB25);
    in.IdentyczneParametryScian = boolByte(in.IdentyczneParametryScian);
    in.ScianaZOtworami = boolByte(in.ScianaZOtworami);
    in.spoina_podluzna = boolByte(in.spoina_podluzna);

    in.stal.Klasa = within(in.stal.Klasa, 0, SteelClassCount - 1);
    clipLength(in.stal.Znak);
    in.stal.UserGrade = boolByte(in.stal.UserGrade);
    sanitizeUnit(in.ElementE2);
    sanitizeUnit(in.ElementE5);

    for (TFixedText& t : in.WindText) ClipTextLength(t);
    for (TFixedText& t : in.pText) ClipTextLength(t);
    for (TFixedText& t : in.gText) ClipTextLength(t);
    for (TFixedText& t : in.SlabLoadText) ClipTextLength(t);
    ClipTextLength(in.ro_e_text);
    for (TFixedText& t : in.ForceText) ClipTextLength(t);
    for (TFixedText& t : in.WindText2) ClipTextLength(t);
}

void SanitizeProjectHeader(TProjectHeader& h)
{
    TFigureSizes sizes = FigureSizesOf(h);
    BoundFigureSizes(sizes);
    SetFigureSizes(h, sizes);
    h.CommentPlace = static_cast<u8>(upTo(h.CommentPlace, 2));
    for (u8& p : h.PrintParts) p = boolByte(p);
}

void SanitizeProjectElement(TProjectElement& e)
{
    SanitizeCalcInput(e.Input);
    SanitizeProjectHeader(e.Header);
    SanitizeLoadCompilation(e.Loads);
}

std::vector<std::string> SplitCommentText(const char* text, std::size_t size, bool* cut)
{
    if (cut) *cut = false;
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < size) {
        if (text[i] == '\r') {
            lines.push_back(Cp1250ToUtf8(std::string(text + start, i - start)));
            // At least the line after this CR is left out.
            if (lines.size() == MaxCommentLines) {
                if (cut) *cut = true;
                return lines;
            }
            i += 2; // the byte after CR (the LF) is skipped unread
            start = i < size ? i : size;
        } else {
            ++i;
        }
    }
    lines.push_back(Cp1250ToUtf8(std::string(text + start, size - start)));
    return lines;
}

std::string CommentCutNotice(const std::string& shownName, std::size_t keptLines)
{
    return "Komentarz projektu w pliku " + shownName + " jest dłuższy, niż program może wczytać (" +
           FormatFixed(0, static_cast<double>(MaxCommentBytes >> 20)) + " MiB lub " +
           FormatFixed(0, static_cast<double>(MaxCommentLines)) + " wierszy). Wczytano tylko jego początek – liczba wierszy: " +
           FormatFixed(0, static_cast<double>(keptLines)) + "; reszta komentarza została pominięta.";
}

void LoadLinesFromOffset(std::vector<std::string>& lines, const std::string& fileName,
                         std::size_t offset)
{
    lines.clear();
    std::ifstream f(fs::path(fileName), std::ios::binary);
    if (!f) return;
    f.seekg(0, std::ios::end);
    const std::streamoff size = f.tellg();
    if (size < 0) return;
    std::string tail;
    if (static_cast<std::uint64_t>(size) > offset) {
        tail.resize(std::min(static_cast<std::size_t>(size) - offset, MaxCommentBytes));
        f.seekg(static_cast<std::streamoff>(offset), std::ios::beg);
        if (!f.read(tail.data(), static_cast<std::streamsize>(tail.size()))) return;
    }
    lines = SplitCommentText(tail.data(), tail.size());
}

int ProjectFileVersion(const std::string& fileName)
{
    std::ifstream f(fs::path(fileName), std::ios::binary);
    if (!f) return -1;
    char text[4];
    if (!f.read(text, 4)) return -1;
    return VersionFromText(text);
}

namespace {

// `read` is the list read into; on success it holds what `elements` held.
TFileResult loadProject(const std::string& fileName, const std::string& shown, TElementList& elements,
                        std::vector<std::string>& comments, TElementList& read)
{
    const TFileReader file(fileName);
    if (!file.ok())
        return FileExists(fileName) ? FileReadFailed(shown) : FileNotFound(shown);
    const std::size_t size = file.size();
    char head[8] = {};
    if (!file.read(head, std::min<std::size_t>(size, sizeof head), 0)) return FileReadFailed(shown);
    const int version = size >= 4 ? VersionFromText(head) : -1;
    const std::size_t recordSize = ProjectRecordSize(version);
    if (recordSize == 0)
        return FileOfAnotherProgram(shown);

    // The count decides how much is allocated: it must fit the file and the bound.
    i32 count = 0;
    if (size >= 8) std::memcpy(&count, head + 4, 4);
    if (count < 1 || count > MaxProjectElements || static_cast<std::size_t>(count) > size / recordSize)
        return FileReadFailed(shown);

    // The records are read a block at a time. A current one is read straight
    // into its element (packed: its bytes are the record, every byte of it
    // written by the read); an old one is read into a scratch block and
    // converted. Each is set right while it is in the cache. Nothing reaches
    // the caller before the whole file is read.
    read.clear();
    TProjectElement* const elementsRead = AppendUnfilled(read, static_cast<std::size_t>(count));
    const bool current = version == ProjectFileCurrentVersion;
    const std::size_t perBlock = std::max<std::size_t>(1, BlockBytes / recordSize);
    std::vector<char> scratch(current ? 0 : perBlock * recordSize);
    for (std::size_t first = 0; first < static_cast<std::size_t>(count); first += perBlock) {
        const std::size_t n = std::min(perBlock, static_cast<std::size_t>(count) - first);
        TProjectElement* const block = elementsRead + first;
        char* const to = current ? bytesOf(*block) : scratch.data();
        if (!file.read(to, n * recordSize, first * recordSize)) return FileReadFailed(shown);
        for (std::size_t i = 0; i < n; ++i) {
            if (!current) {
                const char* rec = scratch.data() + i * recordSize;
                switch (version) {
                case 10: ConvertRecordV10(rec, block[i]); break;
                case 11: ConvertRecordV11(rec, block[i]); break;
                default: ConvertRecordV12(rec, block[i]); break;
                }
            }
            SanitizeProjectElement(block[i]);
        }
    }
    read[0].Count = count;
    read[0].Current = within(read[0].Current, 0, count - 1);

    // Of the comment only its first MaxCommentBytes are read; a cut is told.
    const std::size_t tail = static_cast<std::size_t>(count) * recordSize;
    std::string text(std::min(size - tail, MaxCommentBytes), '\0');
    if (!file.read(text.data(), text.size(), tail)) return FileReadFailed(shown);
    bool linesCut = false;
    std::vector<std::string> lines = SplitCommentText(text.data(), text.size(), &linesCut);
    TFileResult r;
    if (linesCut || size - tail > MaxCommentBytes) r.cutNotice = CommentCutNotice(shown, lines.size());
    elements.swap(read);
    comments.swap(lines);
    return r;
}

} // namespace

TFileResult LoadProjectFile(const std::string& fileName, TElementList& elements,
                            std::vector<std::string>& comments)
{
    TElementList read;
    return LoadProjectFile(fileName, elements, comments, read);
}

TFileResult LoadProjectFile(const std::string& fileName, TElementList& elements,
                            std::vector<std::string>& comments, TElementList& spare)
{
    const std::string shown = ExtractFileName(fileName);
    // Records that the memory cannot hold make the file unreadable; the
    // caller's project is touched only once everything is read.
    try {
        return loadProject(fileName, shown, elements, comments, spare);
    } catch (const std::bad_alloc&) {
        return FileReadFailed(shown);
    } catch (const std::length_error&) {
        return FileReadFailed(shown);
    }
}

TFileResult SaveProjectFile(const std::string& fileName, const TElementList& elements,
                            int count, int current, const std::vector<std::string>& comments)
{
    const std::string shown = ExtractFileName(fileName);
    if (count < 1 || static_cast<std::size_t>(count) > elements.size()) return FileWriteFailed(shown);

    std::string text;
    for (std::size_t i = 0; i < comments.size(); ++i) {
        if (i > 0) text += "\r\n";
        text += Utf8ToCp1250(comments[i]);
    }
    const std::size_t records = static_cast<std::size_t>(count) * sizeof(TProjectElement);
    std::string buf;
    buf.resize(records + text.size());
    std::memcpy(buf.data(), elements.data(), records);
    std::memcpy(buf.data() + records, text.data(), text.size());
    stampFirstRecord(buf.data(), count, current);
    if (!WriteFileAtomically(fileName, buf)) return FileWriteFailed(shown);
    return {};
}

bool ReadProjectFile(std::vector<std::string>& comments, const std::string& fileName,
                     TElementList& elements)
{
    const TFileResult r = LoadProjectFile(fileName, elements, comments);
    if (!r.ok()) ShowMessageDialog(r.headline, r.message, mdError, mbOK, 0);
    return r.ok();
}

bool WriteProjectFile(const std::vector<std::string>& comments, const std::string& fileName,
                      TElementList& elements, int count, int current)
{
    if (count >= 1 && static_cast<std::size_t>(count) <= elements.size())
        stampFirstRecord(bytesOf(elements[0]), count, current);
    const TFileResult r = SaveProjectFile(fileName, elements, count, current, comments);
    if (!r.ok()) ShowMessageDialog(r.headline, r.message, mdError, mbOK, 0);
    return r.ok();
}

} // namespace orv
