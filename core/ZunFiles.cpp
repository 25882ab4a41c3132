#include "ZunFiles.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "MessageService.h"
#include "MyUtils.h"

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

bool WriteFileAtomically(const std::string& fileName, const std::string& data)
{
    const fs::path target = fs::path(fileName);
    fs::path tmp = target;
    tmp += ".tmp" + std::to_string(::getpid());
    {
        std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
        if (!f) return false;
        f.write(data.data(), static_cast<std::streamsize>(data.size()));
        f.flush();
        if (!f) {
            f.close();
            std::error_code ec;
            fs::remove(tmp, ec);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(tmp, target, ec);
    if (ec) {
        fs::remove(tmp, ec);
        return false;
    }
    return true;
}

namespace {
template <typename T>
void clampInto(T& v, T lo, T hi)
{
    if (v < lo) v = lo;
    else if (v > hi) v = hi;
}

void clampUnits(i32 (&units)[10])
{
    for (i32& u : units) {
        i32 v = u;
        clampInto<i32>(v, 0, 2);
        u = v;
    }
}
} // namespace

void SanitizeLoadCompilation(TLoadCompilation& l)
{
    i32 n = l.StoreyCount;
    clampInto<i32>(n, 1, MaxStoreys);
    l.StoreyCount = n;
    i32 cur = l.CurrentStorey;
    clampInto<i32>(cur, 1, n);
    l.CurrentStorey = cur;
    i32 bu = l.bUnit;
    clampInto<i32>(bu, 0, 2);
    l.bUnit = bu;
    clampUnits(l.Unit_lo_L);
    clampUnits(l.Unit_lo_P);
    clampUnits(l.Unit_hw);
    clampUnits(l.Unit_tw);
    clampUnits(l.Unit_h);
    clampUnits(l.Unit_bs);
    clampUnits(l.Unit_t);
}

bool ReadStoreyFile(const std::string& fileName, TLoadCompilation& l)
{
    const std::string shown = ExtractFileName(fileName);
    if (!FileExists(fileName)) {
        ShowMessageDialog("Brak pliku!", shown, mdError, mbOK, 0);
        return false;
    }
    std::string data;
    if (!ReadWholeFile(fileName, data) || data.size() < 4) {
        ShowMessageDialog("Błąd odczytu pliku!", shown, mdError, mbOK, 0);
        return false;
    }
    if (VersionFromText(data.data()) != 10) {
        ShowMessageDialog("Błąd odczytu pliku!",
                          "Plik " + shown + " nie jest plikiem utworzonym przez ten program!",
                          mdError, mbOK, 0);
        return false;
    }
    if (data.size() != StoreyFileSize) {
        ShowMessageDialog("Błąd odczytu pliku!", shown, mdError, mbOK, 0);
        return false;
    }
    TLoadCompilation read;
    std::memcpy(&read, data.data() + 4, sizeof read);
    SanitizeLoadCompilation(read);
    l = read;
    return true;
}

bool WriteStoreyFile(const std::string& fileName, const TLoadCompilation& l)
{
    fs::path p = fs::path(fileName);
    p.replace_extension(".kond");
    std::string buf(StoreyFileSize, '\0');
    std::memcpy(buf.data(), "01.0", 4);
    std::memcpy(buf.data() + 4, &l, sizeof l);
    if (!WriteFileAtomically(p.string(), buf)) {
        ShowMessageDialog("Błąd zapisu pliku!", p.filename().string(), mdError, mbOK, 0);
        return false;
    }
    return true;
}

} // namespace orv
