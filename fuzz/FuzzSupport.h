// Shared by the fuzz targets: a message service that shows nothing, a
// scratch file per process and the checks every target applies to what the
// code under test produced.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace orvfuzz {

// Binds a message service that answers every box with its first button and
// shows nothing (once per process; later calls do nothing).
void BindSilentMessages();

// A file name in the temporary folder, unique to this process and tag; the
// file is removed when the process ends normally (a crash leaves it).
std::string ScratchFile(const std::string& tag);
// Writes the bytes to the file, replacing it; aborts when that fails, since
// the run would test nothing.
void WriteBytes(const std::string& fileName, const std::uint8_t* data, std::size_t size);

// Prints what went wrong with the offending text (cut to a sensible length)
// and aborts, so that libFuzzer keeps the input as a finding.
[[noreturn]] void Fail(const std::string& what, const std::string& text);

// True when the text holds a number printed from NaN or an infinity: "nan"
// or "inf" in any case, not inside a word ("NAN" of FormatFixed, "-inf" of
// printf).
bool HasNonFiniteNumber(const std::string& text);
// True when the bytes contain "nan" or "inf" in any case: a user's own text
// may then show them, and the check above would tell nothing.
bool MayHoldNonFiniteText(const std::uint8_t* data, std::size_t size);

// Checks an RTF text: plain ASCII and its unescaped braces balanced.
void CheckRtf(const std::string& rtf, const std::string& what);

} // namespace orvfuzz
