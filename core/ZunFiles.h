// Files of the core: the storey file (".kond") and the shared file helpers.
#pragma once

#include <string>

#include "core/ZunTypes.h"

namespace orv {

// What a file routine found. The headline and the message are the texts of
// the error box the interactive routines show; both are empty for Ok.
enum class TFileStatus {
    Ok,
    NotFound,     // the file does not exist
    ReadFailed,   // cannot be read, too short, or counts that do not fit it
    WrongVersion, // no version text, or a version this reader does not take
    WriteFailed,  // cannot be written (the previous file stays whole)
};

struct TFileResult {
    TFileStatus status = TFileStatus::Ok;
    std::string headline;
    std::string message;

    bool ok() const { return status == TFileStatus::Ok; }
};

// Version number of a four-character version text ("01.3" is 13): characters
// 1, 2 and 4 digits, character 3 a point; -1 for any other text.
int VersionFromText(const char text[4]);

// Whole file into `data`; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& fileName, std::string& data);
// Writes `data` to a new file of an unforeseeable name beside `fileName`
// (created exclusively, never through a link), puts it on the disk and
// renames it over the old one, so a failed write or a power cut never
// destroys the previous file. A file the user may not write is refused; a
// replaced file keeps its permissions.
bool WriteFileAtomically(const std::string& fileName, const std::string& data);
bool FileExists(const std::string& fileName);

// Asks the system to back a large block that is about to be written with
// large pages, so that filling it faults once per 2 MiB instead of once per
// 4 KiB. Only a hint: nothing changes where the system does not take it.
void AdviseLargePages(void* block, std::size_t bytes);

// A regular file open for reading at given offsets, closed with the object.
// Not ok when it cannot be opened or is no regular file (a pipe or device
// is refused without waiting for it); the size is the file's when it was
// opened. A file that another program shortens meanwhile gives a failed
// read, never a fault of the program.
class TFileReader {
public:
    explicit TFileReader(const std::string& fileName);
    ~TFileReader();
    TFileReader(const TFileReader&) = delete;
    TFileReader& operator=(const TFileReader&) = delete;

    bool ok() const { return fd_ >= 0; }
    std::size_t size() const { return size_; }
    // Exactly n bytes from `offset` into `to`; false when fewer can be read.
    bool read(void* to, std::size_t n, std::size_t offset) const;

private:
    int fd_ = -1;
    std::size_t size_ = 0;
};

// Brings every count, index, unit code, switch, input mode and text length
// of a load compilation read from a file into its range; a sound record is
// left byte for byte as it is. Shared by the storey and the project reader.
void SanitizeLoadCompilation(TLoadCompilation& l);

constexpr std::size_t StoreyFileSize = 4 + sizeof(TLoadCompilation);

// Reads a version-10 storey file into `l`; on failure `l` is left as it was.
// Shows nothing: the result carries the message.
TFileResult LoadStoreyFile(const std::string& fileName, TLoadCompilation& l);
// Writes under fileName with its extension replaced by ".kond". Shows nothing.
TFileResult SaveStoreyFile(const std::string& fileName, const TLoadCompilation& l);

// The same, showing the error message of a failure; true on success.
bool ReadStoreyFile(const std::string& fileName, TLoadCompilation& l);
bool WriteStoreyFile(const std::string& fileName, const TLoadCompilation& l);

} // namespace orv
