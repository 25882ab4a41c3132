#include "fuzz/FuzzSupport.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "core/MessageService.h"

namespace orvfuzz {
namespace {

class SilentMessages : public orv::IMessageService {
public:
    int showMessageDialog(const std::string&, const std::string&, unsigned char, unsigned buttons,
                          int) override
    {
        return orv::DefaultModalResult(buttons);
    }
    int messageDlg3(const std::string&, unsigned char, unsigned buttons, int) override
    {
        return orv::DefaultModalResult(buttons);
    }
};

std::vector<std::string>& scratchFiles()
{
    static std::vector<std::string> files;
    return files;
}

void removeScratchFiles()
{
    std::error_code ec;
    for (const std::string& f : scratchFiles()) std::filesystem::remove(f, ec);
}

} // namespace

void BindSilentMessages()
{
    static SilentMessages silent;
    static bool bound = false;
    if (bound) return;
    orv::BindMessageService(&silent);
    bound = true;
}

std::string ScratchFile(const std::string& tag)
{
    std::error_code ec;
    std::filesystem::path dir = std::filesystem::temp_directory_path(ec);
    if (ec) dir = "/tmp";
    const std::string name = (dir / ("orv-fuzz-" + std::to_string(getpid()) + "-" + tag)).string();
    if (scratchFiles().empty()) std::atexit(removeScratchFiles);
    scratchFiles().push_back(name);
    return name;
}

void WriteBytes(const std::string& fileName, const std::uint8_t* data, std::size_t size)
{
    std::ofstream f(fileName, std::ios::binary | std::ios::trunc);
    if (size > 0) f.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    f.close();
    if (!f) {
        std::fprintf(stderr, "cannot write the scratch file %s\n", fileName.c_str());
        std::abort();
    }
}

void Fail(const std::string& what, const std::string& text)
{
    std::fprintf(stderr, "\n*** %s\n", what.c_str());
    if (!text.empty()) {
        const std::size_t shown = text.size() < 2000 ? text.size() : 2000;
        std::fprintf(stderr, "--- text (%zu bytes):\n%.*s\n---\n", text.size(),
                     static_cast<int>(shown), text.data());
    }
    std::abort();
}

namespace {

char lower(unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); }
// ASCII letters and every byte of a multi-byte (UTF-8) or code-page letter.
bool isWordByte(unsigned char c) { return (lower(c) >= 'a' && lower(c) <= 'z') || c >= 0x80; }

bool startsWord(const std::uint8_t* p, const char* word)
{
    for (int k = 0; k < 3; ++k)
        if (lower(p[k]) != word[k]) return false;
    return true;
}

} // namespace

bool HasNonFiniteNumber(const std::string& text)
{
    const auto* p = reinterpret_cast<const std::uint8_t*>(text.data());
    const std::size_t n = text.size();
    for (std::size_t i = 0; i + 3 <= n; ++i) {
        if (!startsWord(p + i, "nan") && !startsWord(p + i, "inf")) continue;
        if (i > 0 && isWordByte(p[i - 1])) continue;
        if (i + 3 < n && isWordByte(p[i + 3])) continue;
        return true;
    }
    return false;
}

bool MayHoldNonFiniteText(const std::uint8_t* data, std::size_t size)
{
    for (std::size_t i = 0; i + 3 <= size; ++i)
        if (startsWord(data + i, "nan") || startsWord(data + i, "inf")) return true;
    return false;
}

void CheckRtf(const std::string& rtf, const std::string& what)
{
    long depth = 0;
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(rtf[i]);
        if (c >= 0x80) Fail(what + ": RTF with a byte above 0x7f", rtf);
        if (c == '\\') {
            ++i; // the escaped character, whatever it is
            continue;
        }
        if (c == '{') ++depth;
        if (c == '}' && --depth < 0) Fail(what + ": RTF closes a group it never opened", rtf);
    }
    if (depth != 0) Fail(what + ": RTF groups left open", rtf);
}

} // namespace orvfuzz
