// Windows-1250 <-> UTF-8: the one place where the single-byte texts of the
// stored records meet the program's UTF-8 strings.
#pragma once

#include <string>

namespace orv {

// Every byte maps to one code point (undefined bytes to their C1 controls),
// so a CP1250 text survives a round trip through UTF-8 unchanged.
std::string Cp1250ToUtf8(const std::string& cp);
// Characters with no CP1250 form become '?'; malformed UTF-8 bytes likewise,
// one '?' a byte (overlong forms, surrogates and code points above U+10FFFF
// included).
std::string Utf8ToCp1250(const std::string& utf8);

// The Unicode character of a byte of the Symbol font's encoding (the report
// mark-up's "%S" runs); 0 when the byte has no mapping (it then stands as it
// is).
char32_t SymbolCharToUnicode(unsigned char c);

} // namespace orv
