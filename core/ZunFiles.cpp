#include "core/ZunFiles.h"

#include <cerrno>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fcntl.h>
#include <fstream>
#include <random>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

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

void AdviseLargePages(void* block, std::size_t bytes)
{
#ifdef MADV_HUGEPAGE
    constexpr std::uintptr_t kLarge = std::uintptr_t{2} << 20;
    const auto from = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t begin = (from + kLarge - 1) & ~(kLarge - 1);
    const std::uintptr_t end = (from + bytes) & ~(kLarge - 1);
    if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#else
    (void)block;
    (void)bytes;
#endif
}

TFileReader::TFileReader(const std::string& fileName)
{
    // Not blocking: opening a pipe would otherwise wait for a writer.
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size >= 0) {
        fd_ = fd;
        size_ = static_cast<std::size_t>(st.st_size);
    } else {
        ::close(fd);
    }
}

TFileReader::~TFileReader()
{
    if (fd_ >= 0) ::close(fd_);
}

bool TFileReader::read(void* to, std::size_t n, std::size_t offset) const
{
    auto* p = static_cast<char*>(to);
    std::size_t got = 0;
    while (got < n) {
        const ssize_t r = ::pread(fd_, p + got, n - got, static_cast<off_t>(offset + got));
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) return false;
        got += static_cast<std::size_t>(r);
    }
    return true;
}

namespace {

// Whether the user may replace an existing file. The folder's permission
// alone would let a rename drop a file's protection, and access() grants
// the superuser every file; a file without write permission for its owner
// is protected against its owner too.
bool mayReplace(const char* path, const struct stat& st)
{
    if (::access(path, W_OK) != 0) return false;
    const mode_t bit = st.st_uid == ::geteuid() ? S_IWUSR : S_IWUSR | S_IWGRP | S_IWOTH;
    return (st.st_mode & bit) != 0;
}

// A new file of a name no one could foresee beside the target, created
// exclusively and never through a link; -1 when none can be made.
int createTemporaryBeside(const fs::path& target, std::string& name)
{
    static std::mt19937_64 pick{std::random_device{}()};
    static const char digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string suffix = ".";
        for (int i = 0; i < 12; ++i) suffix += digits[pick() % 36];
        fs::path tmp = target;
        tmp += suffix;
        // Mode 0666 less the umask: what a new file of the user gets.
        const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0) {
            name = tmp.string();
            return fd;
        }
        if (errno != EEXIST) return -1;
    }
    return -1;
}

bool writeAll(int fd, const std::string& data)
{
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

bool WriteFileAtomically(const std::string& fileName, const std::string& data)
{
    const fs::path target = fs::path(fileName);
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    if (replacing && (!S_ISREG(old.st_mode) || !mayReplace(target.c_str(), old))) return false;

    std::string tmp;
    const int fd = createTemporaryBeside(target, tmp);
    if (fd < 0) return false;
    bool ok = writeAll(fd, data);
    if (ok && replacing) {
        // The replaced file's owner, group and permissions; a group or owner
        // the user may not give is left as the new file has it.
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
        ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    }
    // On the disk before it takes the name, so a power cut leaves the old
    // file or the new one, never a torn one.
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok || ::rename(tmp.c_str(), target.c_str()) != 0) {
        ::unlink(tmp.c_str());
        return false;
    }
    // The rename itself on the disk.
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        (void)::fsync(dir);
        ::close(dir);
    }
    return true;
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

namespace {
TFileResult failure(TFileStatus status, const std::string& headline, const std::string& message)
{
    return TFileResult{status, headline, message};
}
} // namespace

TFileResult LoadStoreyFile(const std::string& fileName, TLoadCompilation& l)
{
    const std::string shown = ExtractFileName(fileName);
    if (!FileExists(fileName)) return failure(TFileStatus::NotFound, "Brak pliku!", shown);
    std::string data;
    if (!ReadWholeFile(fileName, data) || data.size() < 4)
        return failure(TFileStatus::ReadFailed, "Błąd odczytu pliku!", shown);
    if (VersionFromText(data.data()) != 10)
        return failure(TFileStatus::WrongVersion, "Błąd odczytu pliku!",
                       "Plik " + shown + " nie jest plikiem utworzonym przez ten program!");
    if (data.size() != StoreyFileSize)
        return failure(TFileStatus::ReadFailed, "Błąd odczytu pliku!", shown);
    TLoadCompilation read;
    std::memcpy(&read, data.data() + 4, sizeof read);
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
        return failure(TFileStatus::WriteFailed, "Błąd zapisu pliku!", p.filename().string());
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
