// Seeds of the wrap target (a font byte, the width plus 8 in two bytes, the
// text): report lines in their mark-up from the sheets of a calculated
// element in a few fonts and widths, lines with codes between their
// letters, and the long texts the wrap must take in time about linear in
// their length: an 80,000-character line of words with mark-up, a 1 MiB
// line of words, a 100,000-character word and 80,000-character lines of
// codes between single letters.
#include <cstdint>
#include <cstddef>
#include <iterator>
#include <string>

#include "fuzz/SeedData.h"

using namespace orv;
using namespace orvfuzz;

namespace {

// `piece` over and over, `bytes` bytes at least.
std::string Repeated(const std::string& piece, std::size_t bytes)
{
    std::string s;
    while (s.size() < bytes) s += piece;
    return s;
}

// Font byte: face 0..3, bold, size in points (1..32).
std::string Header(int face, bool bold, int points, int width)
{
    const int w = width + 8;
    std::string h;
    h += static_cast<char>(face | (bold ? 4 : 0) | ((points - 1) << 3));
    h += static_cast<char>(w & 0xFF);
    h += static_cast<char>((w >> 8) & 0xFF);
    return h;
}

// Words of a report, some in mark-up, in a fixed order, until the text has
// `bytes` bytes.
std::string Words(std::size_t bytes, bool markup)
{
    static const char* const kPlain[] = {"ściana", "nośność", "obciążenie", "mur", "zaprawa", "wysokość",
                                         "N", "=", "12,5", "kN/m", "słup", "wieniec", "100%", "żelbet"};
    static const char* const kMarked[] = {"%BN%Dsd%N", "f%Dk%N", "%S%Ff%N", "10%I3%N", "%Upodkreślenie%N",
                                          "%Bpogrubienie", "%N", "@@", "%n", "a%Dw,g%N"};
    std::string s;
    s.reserve(bytes + 32);
    std::uint32_t r = 12345;
    while (s.size() < bytes) {
        r = r * 1103515245u + 12345u;
        const unsigned pick = (r >> 16) % 100;
        if (!s.empty()) s += ' ';
        s += markup && pick < 20 ? kMarked[pick % std::size(kMarked)] : kPlain[pick % std::size(kPlain)];
    }
    s.resize(bytes);
    // a cut UTF-8 character at the end is text too, but the seed ends on whole ones
    while (!s.empty() && (static_cast<unsigned char>(s.back()) & 0xC0) == 0x80) s.pop_back();
    if (!s.empty() && static_cast<unsigned char>(s.back()) >= 0xC0) s.pop_back();
    return s;
}

} // namespace

int main(int argc, char** argv)
{
    const std::filesystem::path dir = SeedDir(argc, argv);
    int n = 0;
    auto seed = [&](const std::string& bytes) { WriteSeed(dir, "wrap" + std::to_string(n++), bytes); };

    int k = 0;
    for (const std::string& line : SeedReportLines(true, 2, 8)) {
        seed(Header(0, false, 10, 600) + line);
        seed(Header(1, k++ % 2 == 0, 12, 120) + line);
    }
    seed(Header(2, false, 8, 40) + "%Baaaa bbbb%N cccc %Ddddd%N eeee");
    seed(Header(3, true, 9, 1) + "Zażółć gęślą jaźń %Bpogrubienie%N 50% ŹDŹBŁO %Sabc%N");
    seed(Header(0, false, 10, -8) + "bez miejsca %B na nic%N");
    seed(Header(0, false, 10, 300) + "%B%U%D%I%S%n%N");
    seed(Header(0, false, 10, 300) + "100%");
    // codes between the letters: the width of a "%" before a code's letter
    // decides where a line ends
    seed(Header(0, false, 10, 90) + Repeated("%G%Sx", 200));
    seed(Header(1, true, 8, 61) + Repeated("%D%Ix", 200));
    seed(Header(2, false, 12, 70) + Repeated("a%D%Ib%N c%Bd%U ", 150));
    seed(Header(3, false, 6, 45) + Repeated("%%B%n%Gą ż%N%", 120));

    // the long texts: the whole 1 MiB seed is 2^20 bytes, libFuzzer's
    // longest input unless told otherwise
    const std::size_t mib = std::size_t{1} << 20;
    seed(Header(0, false, 10, 600) + Words(80000, true));
    seed(Header(1, false, 10, 700) + Words(mib - 3, false));
    seed(Header(3, false, 10, 600) + std::string(100000, 'x'));
    seed(Header(0, true, 10, 600) + "%B" + std::string(100000, 'w') + "%N koniec");
    seed(Header(0, false, 10, 600) + Repeated("%G%Sx", 80000));
    seed(Header(1, false, 4, 6543) + Repeated("%D%Ix", 80000));
    return 0;
}
