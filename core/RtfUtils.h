// Report mark-up to RTF: text runs, the document head, embedded pictures.
// Input texts are UTF-8; the RTF is plain ASCII with the characters of code
// page 1250 written as \'xx escapes, the no-break space as \~.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

namespace orv {

// RTF of one mark-up text: each run between codes is its own group; a code
// holds for the run that follows it. Backslash and braces are escaped.
std::string MarkupToRtf(const std::string& text);
// The same for a text already in code page 1250.
std::string Cp1250MarkupToRtf(const std::string& cp);
// A plain code-page-1250 text as RTF characters (escapes only, no groups).
std::string Cp1250ToRtfChars(const std::string& cp);

// The three lines of the document head (font table, colour table black,
// blue, red, default paragraph), each ended by CR LF. FontSize goes out as
// given (RTF half-points).
void RtfHeader(const std::string& fontName, int fontSize, std::ostream& f);
void RtfHeaderToStream(const std::string& fontName, int fontSize, std::ostream& stream);
// The line up to its first NUL, then CR LF.
void WriteStreamLine(std::ostream& stream, const std::string& line);

enum class TPictureKind {
    Png,          // PNG bytes as they are
    PlaceableWmf, // Windows metafile with its 22-byte placeable header
};

// Writes the picture as an RTF \pict group. widthHmm and heightHmm are the
// picture's size in hundredths of a millimetre.
void MetafileToRtf(const std::string& bytes, TPictureKind kind, int widthHmm, int heightHmm,
                   std::ostream& f);

// Two lower-case hexadecimal digits.
std::string ByteToHex(std::uint8_t b);

} // namespace orv
