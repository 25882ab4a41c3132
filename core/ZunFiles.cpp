#include "core/ZunFiles.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

#include "core/MessageService.h"
#include "core/MyUtils.h"

namespace orv {
namespace fs = std::filesystem;

int VersionFromText(const char text[4])
{
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (!digit(text[0]) || !digit(text[1]) || text[2] != '.' || !digit(text[3])) return -1;
    return (text[0] - '0') * 100 + (text[1] - '0') * 10 + (text[3] - '0');
}

std::string CatalogueCutNotice(const std::string& shownName, int maxRows, std::size_t maxBytes, int keptRows)
{
    return "Plik katalogu " + shownName + " jest większy, niż program może wczytać (" +
           FormatFixed(0, maxRows) + " pozycji lub " + FormatFixed(0, static_cast<double>(maxBytes / 1024)) +
           " KiB). Wczytano tylko jego początek – liczba pozycji użytkownika: " + FormatFixed(0, keptRows) +
           "; reszta pliku została pominięta.";
}

namespace {

// The lines of a file, read in blocks so that any length passes in bounded
// memory.
class TLineStream {
public:
    explicit TLineStream(const std::string& fileName) : file_(fs::path(fileName), std::ios::binary) {}

    // The next line without its "\n" into `line`, its first `cap` bytes;
    // `whole` false when it had more. False at the end of the file. `end` is
    // the offset of the line's "\n" (or of the end of the file).
    bool next(std::string& line, std::size_t cap, bool& whole, std::size_t& end)
    {
        line.clear();
        whole = true;
        bool any = false;
        for (;;) {
            if (pos_ == len_) {
                file_.read(buf_, sizeof buf_);
                len_ = static_cast<std::size_t>(file_.gcount());
                pos_ = 0;
                if (len_ == 0) {
                    end = offset_;
                    return any;
                }
            }
            const char* start = buf_ + pos_;
            const auto* lf = static_cast<const char*>(std::memchr(start, '\n', len_ - pos_));
            const std::size_t n = lf ? static_cast<std::size_t>(lf - start) : len_ - pos_;
            const std::size_t room = cap - line.size();
            line.append(start, std::min(n, room));
            whole = whole && n <= room;
            pos_ += n;
            offset_ += n;
            any = any || n > 0;
            if (lf) {
                end = offset_;
                ++pos_;
                ++offset_;
                return true;
            }
        }
    }

private:
    std::ifstream file_;
    char buf_[4096];
    std::size_t pos_ = 0, len_ = 0, offset_ = 0;
};

} // namespace

std::string ReadCatalogueRows(const std::string& fileName, const TCatalogueLimits& limits,
                              const std::function<bool(const std::string& line, bool keep)>& row, int& kept)
{
    kept = 0;
    // A pipe or a device is no catalogue: it might never end.
    if (!FileExists(fileName)) return {};
    TLineStream lines(fileName);
    std::string line;
    bool whole = true;
    std::size_t end = 0;
    if (!lines.next(line, 0, whole, end)) return {}; // the header
    // One byte more than a line may hold: its "\r" when it ends in "\r\n".
    while (lines.next(line, limits.maxLineBytes + 1, whole, end)) {
        if (whole && !line.empty() && line.back() == '\r') {
            line.pop_back();
            --end;
        }
        if (!whole || line.size() > limits.maxLineBytes) continue;
        const bool keep = kept < limits.maxRows && end <= limits.maxBytes;
        // Past the limits the file is looked at for as many bytes again; what
        // lies beyond that is left unread, and so told as cut.
        if (!keep && end > 2 * limits.maxBytes)
            return CatalogueCutNotice(ExtractFileName(fileName), limits.maxRows, limits.maxBytes, kept);
        if (!row(line, keep)) continue;
        if (!keep) return CatalogueCutNotice(ExtractFileName(fileName), limits.maxRows, limits.maxBytes, kept);
        ++kept;
    }
    return {};
}

bool FileExists(const std::string& fileName)
{
    std::error_code ec;
    return fs::is_regular_file(fs::path(fileName), ec);
}

bool ReadWholeFile(const std::string& fileName, std::string& data)
{
    std::ifstream f(fs::path(fileName), std::ios::binary);
    if (!f) return false;
    f.seekg(0, std::ios::end);
    const std::streamoff size = f.tellg();
    if (size < 0) return false;
    f.seekg(0, std::ios::beg);
    data.resize(static_cast<std::size_t>(size));
    if (size > 0 && !f.read(data.data(), size)) return false;
    return true;
}

TFileReader::TFileReader(const std::string& fileName)
{
    // Only a regular file is opened: opening a pipe would wait for a writer.
    std::error_code ec;
    const fs::path path(fileName);
    if (!fs::is_regular_file(fs::status(path, ec))) return;
    if (!file_.open(path, std::ios::in | std::ios::binary)) return;
    const std::streamoff end = file_.pubseekoff(0, std::ios::end, std::ios::in);
    if (end < 0) {
        file_.close();
        return;
    }
    size_ = static_cast<std::size_t>(end);
    ok_ = true;
}

bool TFileReader::read(void* to, std::size_t n, std::size_t offset) const
{
    if (!ok_ || offset > size_ || n > size_ - offset) return false;
    if (file_.pubseekpos(static_cast<std::streamoff>(offset), std::ios::in) < 0) return false;
    auto* p = static_cast<char*>(to);
    std::size_t got = 0;
    while (got < n) {
        const std::streamsize r = file_.sgetn(p + got, static_cast<std::streamsize>(n - got));
        if (r <= 0) return false;
        got += static_cast<std::size_t>(r);
    }
    return true;
}

std::string IFileWriter::nextTemporarySuffix()
{
    if (temporarySuffix) return temporarySuffix();
    static std::mt19937_64 pick{std::random_device{}()};
    static const char digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string suffix = ".";
    for (int i = 0; i < 12; ++i) suffix += digits[pick() % 36];
    return suffix;
}

void IFileWriter::announceWrite(const std::string& temporaryFile)
{
    if (beforeWrite) beforeWrite(temporaryFile);
}

bool MayReplaceFile(const std::string& fileName, fs::perms perms)
{
    if ((perms & fs::perms::owner_write) == fs::perms::none) return false;
    // Opening for appending changes nothing.
    std::FILE* f = std::fopen(fileName.c_str(), "ab");
    if (!f) return false;
    std::fclose(f);
    return true;
}

bool TStdFileWriter::writeAtomically(const std::string& fileName, const std::string& data)
{
    const fs::path target = fs::path(fileName);
    std::error_code ec;
    const fs::file_status old = fs::status(target, ec);
    const bool replacing = fs::exists(old);
    if (replacing && (!fs::is_regular_file(old) || !MayReplaceFile(fileName, old.permissions()))) return false;
    // A file whose mode cannot be read is replaced by one for the user alone.
    const bool inDoubt = !replacing && old.type() != fs::file_type::not_found;

    // Exclusive creation ("x") fails on any name that exists, a link too.
    fs::path tmp;
    std::FILE* f = nullptr;
    for (int attempt = 0; attempt < TemporaryNameAttempts && !f; ++attempt) {
        tmp = target;
        tmp += nextTemporarySuffix();
        f = std::fopen(tmp.c_str(), "wbx");
    }
    if (!f) return false;
    bool ok = true;
    if (replacing || inDoubt) {
        const fs::perms mode = replacing ? old.permissions() & fs::perms::mask
                                         : fs::perms::owner_read | fs::perms::owner_write;
        fs::permissions(tmp, mode, fs::perm_options::replace, ec);
        ok = !ec;
    }
    if (ok) announceWrite(tmp.string());
    ok = ok && (data.empty() || std::fwrite(data.data(), 1, data.size(), f) == data.size());
    ok = std::fflush(f) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (ok) fs::rename(tmp, target, ec);
    if (!ok || ec) {
        fs::remove(tmp, ec);
        return false;
    }
    return true;
}

namespace {
IFileWriter* boundWriter = nullptr;
} // namespace

IFileWriter* BindFileWriter(IFileWriter* writer)
{
    IFileWriter* previous = boundWriter;
    boundWriter = writer;
    return previous;
}

IFileWriter& FileWriter()
{
    static TStdFileWriter standard;
    return boundWriter ? *boundWriter : standard;
}

bool WriteFileAtomically(const std::string& fileName, const std::string& data)
{
    return FileWriter().writeAtomically(fileName, data);
}

namespace {
// Fields of packed records are read and written by value: a reference to
// one could be misaligned.
i32 clamped(i32 v, i32 lo, i32 hi) { return v < lo ? lo : v > hi ? hi : v; }
u8 boolByte(u8 v) { return v > 1 ? 1 : v; }
// A length unit other than 0 m, 1 cm, 2 mm reads metres.
i32 lengthUnit(i32 v) { return v >= 0 && v <= 2 ? v : 0; }
} // namespace

void SanitizeLoadCompilation(TLoadCompilation& l)
{
    l.TakeFromElement = boolByte(l.TakeFromElement);
    l.kond_powtrz = boolByte(l.kond_powtrz);
    // Nine storeys at most: entry 10 is the slab over the basement.
    l.StoreyCount = clamped(l.StoreyCount, 1, MaxStoreys - 1);
    // Entry 10 is the slab over the basement, shown whatever the count.
    if (l.CurrentStorey != BasementSlabEntry)
        l.CurrentStorey = clamped(l.CurrentStorey, 1, l.StoreyCount);
    l.bUnit = lengthUnit(l.bUnit);
    for (int s = 0; s < MaxStoreys; ++s) {
        l.Unit_lo_L[s] = lengthUnit(l.Unit_lo_L[s]);
        l.Unit_lo_P[s] = lengthUnit(l.Unit_lo_P[s]);
        l.Unit_hw[s] = lengthUnit(l.Unit_hw[s]);
        l.Unit_tw[s] = lengthUnit(l.Unit_tw[s]);
        l.Unit_h[s] = lengthUnit(l.Unit_h[s]);
        l.Unit_bs[s] = lengthUnit(l.Unit_bs[s]);
        l.Unit_t[s] = lengthUnit(l.Unit_t[s]);

        l.strop_L[s] = boolByte(l.strop_L[s]);
        l.strop_P[s] = boolByte(l.strop_P[s]);
        l.wieniec[s] = boolByte(l.wieniec[s]);
        l.bs_ind[s] = boolByte(l.bs_ind[s]);
        // A load is computed from the dimensions at mode 0 only, so any other
        // value means "given"; the ring-beam thickness is given at 1 only.
        if (l.GsTyp[s] != 0) l.GsTyp[s] = 1;
        if (l.GwTyp[s] != 0) l.GwTyp[s] = 1;
        if (l.SlTyp[s] != 0) l.SlTyp[s] = 1;
        if (l.SpTyp[s] != 0) l.SpTyp[s] = 1;
        if (l.twTyp[s] != 1) l.twTyp[s] = 0;

        ClipTextLength(l.pPText[s]);
        ClipTextLength(l.pLText[s]);
        ClipTextLength(l.roText[s]);
        ClipTextLength(l.ro_wText[s]);
        ClipTextLength(l.gLText[s]);
        ClipTextLength(l.gPText[s]);
    }
}

TFileResult FileNotFound(const std::string& shownName)
{
    return {TFileStatus::NotFound, "Brak pliku!", shownName, {}};
}

TFileResult FileReadFailed(const std::string& shownName)
{
    return {TFileStatus::ReadFailed, "Błąd odczytu pliku!", shownName, {}};
}

TFileResult FileOfAnotherProgram(const std::string& shownName)
{
    return {TFileStatus::WrongVersion, "Błąd odczytu pliku!",
            "Plik " + shownName + " nie jest plikiem utworzonym przez ten program!", {}};
}

TFileResult FileWriteFailed(const std::string& shownName)
{
    return {TFileStatus::WriteFailed, "Błąd zapisu pliku!", shownName, {}};
}

TFileResult LoadStoreyFile(const std::string& fileName, TLoadCompilation& l)
{
    const std::string shown = ExtractFileName(fileName);
    if (!FileExists(fileName)) return FileNotFound(shown);
    // The version text and the size are checked before the record is read:
    // a file of any other size is never read whole.
    const TFileReader file(fileName);
    char version[4] = {};
    if (!file.ok() || !file.read(version, sizeof version, 0))
        return FileReadFailed(shown);
    if (VersionFromText(version) != 10)
        return FileOfAnotherProgram(shown);
    TLoadCompilation read;
    if (file.size() != StoreyFileSize || !file.read(&read, sizeof read, 4))
        return FileReadFailed(shown);
    SanitizeLoadCompilation(read);
    l = read;
    return {};
}

TFileResult SaveStoreyFile(const std::string& fileName, const TLoadCompilation& l)
{
    fs::path p = fs::path(fileName);
    p.replace_extension(".kond");
    std::string buf(StoreyFileSize, '\0');
    std::memcpy(buf.data(), "01.0", 4);
    std::memcpy(buf.data() + 4, &l, sizeof l);
    if (!WriteFileAtomically(p.string(), buf))
        return FileWriteFailed(p.filename().string());
    return {};
}

bool ReadStoreyFile(const std::string& fileName, TLoadCompilation& l)
{
    const TFileResult r = LoadStoreyFile(fileName, l);
    if (!r.ok()) ShowMessageDialog(r.headline, r.message, mdError, mbOK, 0);
    return r.ok();
}

bool WriteStoreyFile(const std::string& fileName, const TLoadCompilation& l)
{
    const TFileResult r = SaveStoreyFile(fileName, l);
    if (!r.ok()) ShowMessageDialog(r.headline, r.message, mdError, mbOK, 0);
    return r.ok();
}

} // namespace orv
