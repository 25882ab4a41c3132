// Files of the core: the storey file (".kond") and the shared file helpers.
#pragma once

#include <string>

#include "core/ZunTypes.h"

namespace orv {

// Version number of a four-character version text ("01.3" is 13): characters
// 1, 2 and 4 digits, character 3 a point; -1 for any other text.
int VersionFromText(const char text[4]);

// Whole file into `data`; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& fileName, std::string& data);
// Writes `data` to a temporary file beside `fileName` and renames it over
// the old one, so a failed write never destroys the previous file.
bool WriteFileAtomically(const std::string& fileName, const std::string& data);
bool FileExists(const std::string& fileName);

// Brings every count, index, unit code, switch, input mode and text length
// of a load compilation read from a file into its range; a sound record is
// left byte for byte as it is. Shared by the storey and the project reader.
void SanitizeLoadCompilation(TLoadCompilation& l);

constexpr std::size_t StoreyFileSize = 4 + sizeof(TLoadCompilation);

bool ReadStoreyFile(const std::string& fileName, TLoadCompilation& l);
// Writes under fileName with its extension replaced by ".kond"; false (after
// the error message) when the file could not be written.
bool WriteStoreyFile(const std::string& fileName, const TLoadCompilation& l);

} // namespace orv
