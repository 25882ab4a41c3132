// Seeds of the text target (first byte: separator and decimals): numbers as
// FormatFixed prints them and as users type them, report lines in their
// mark-up from the sheets of a calculated element, and Polish text in
// UTF-8 and in code page 1250.
#include <cstdint>
#include <string>

#include "core/Cp1250.h"
#include "core/MyUtils.h"
#include "fuzz/SeedData.h"

using namespace orv;
using namespace orvfuzz;

namespace {

// Option byte: comma or point, and the decimals (stored plus 4).
std::string Options(bool point, int decimals)
{
    return std::string(1, static_cast<char>(((decimals + 4) << 1) | (point ? 1 : 0)));
}

} // namespace

int main(int argc, char** argv)
{
    const std::filesystem::path dir = SeedDir(argc, argv);
    int n = 0;
    auto seed = [&](const std::string& bytes) { WriteSeed(dir, "text" + std::to_string(n++), bytes); };

    SetDecimalSeparator(',');
    seed(Options(false, 2) + FormatFixed(2, 1234.565));
    seed(Options(false, 3) + FormatFixed(3, -0.0004));
    seed(Options(false, 0) + FormatFixed(6, 2.5e-7));
    SetDecimalSeparator('.');
    seed(Options(true, 1) + FormatFixed(1, 98765432109876.5));
    seed(Options(true, 18) + " -3.5e2 ");
    seed(Options(false, 2) + "+12,5");
    seed(Options(false, 2) + "\t7\t");
    seed(Options(false, 1) + RoundTripDecimal(0.1 + 0.2, 1));
    seed(Options(true, 1) + "4.9406564584124654e-324");

    SetDecimalSeparator(',');
    for (const std::string& line : SeedReportLines(false, 1, 6)) seed(Options(false, 2) + line);
    for (const std::string& line : SeedReportLines(true, 2, 8)) seed(Options(false, 2) + line);

    const std::string polish = "Zażółć gęślą jaźń {\\} %Bpogrubienie%N 50% ŹDŹBŁO\r\ndruga\tkolumna";
    seed(Options(false, 2) + polish);
    seed(Options(false, 2) + Utf8ToCp1250(polish));
    return 0;
}
