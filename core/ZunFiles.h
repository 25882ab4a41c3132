// Files of the core: the storey file (".kond") and the shared file helpers.
#pragma once

#include <filesystem>
#include <fstream>
#include <functional>
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
    Declined,     // the user chose not to write it: nothing written, nothing to show
};

struct TFileResult {
    TFileStatus status = TFileStatus::Ok;
    std::string headline;
    std::string message;
    // A read that kept less than the file holds: what was cut and what was
    // kept, for the user to be told; empty when the file was read whole.
    std::string cutNotice;

    bool ok() const { return status == TFileStatus::Ok; }
};

// The failures of the file routines with the texts of their error boxes;
// `shownName` is the file as the user knows it.
TFileResult FileNotFound(const std::string& shownName);
TFileResult FileReadFailed(const std::string& shownName);
TFileResult FileOfAnotherProgram(const std::string& shownName); // no version this reader takes
TFileResult FileWriteFailed(const std::string& shownName);

// The notice of a catalogue file read only in part: the file, the limits
// (rows and KiB) and the user's rows kept.
std::string CatalogueCutNotice(const std::string& shownName, int maxRows, std::size_t maxBytes, int keptRows);

// What a catalogue keeps of its file: the user's rows, the bytes read for
// them and the bytes of one line (its line end aside).
struct TCatalogueLimits {
    int maxRows = 0;
    std::size_t maxBytes = 0;
    std::size_t maxLineBytes = 0;
};
// Reads the user's rows of a catalogue file. Every line after the first (the
// header), without its line end ("\n" or "\r\n"), goes to `row`, which
// answers whether the catalogue takes it as a row and takes it when `keep`;
// a longer line than the limit is no row. Lines are kept while their text
// ends within the first maxBytes bytes and fewer than maxRows rows were
// taken; past the limits the lines are only asked, up to the first the
// catalogue would have taken: then the file was cut, and the notice of
// CatalogueCutNotice is returned. So that no file holds the reader long,
// the lines are asked only up to 2 * maxBytes; a file that goes on past
// that without such a line is told as cut as well. Empty when nothing the catalogue would
// take was left; a missing file, or one that is no regular file, holds no
// rows. `kept` is the number of rows taken.
std::string ReadCatalogueRows(const std::string& fileName, const TCatalogueLimits& limits,
                              const std::function<bool(const std::string& line, bool keep)>& row, int& kept);

// Version number of a four-character version text ("01.3" is 13): characters
// 1, 2 and 4 digits, character 3 a point; -1 for any other text.
int VersionFromText(const char text[4]);

// Whole file into `data`; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& fileName, std::string& data);
bool FileExists(const std::string& fileName);

// How a file of the program is replaced: `data` goes to a new file of an
// unforeseeable name beside `fileName` (created exclusively, never through a
// link), which is then renamed over the old one, so a failed write never
// destroys the previous file. A file the user may not write is refused; a
// replaced file keeps its permissions, which the new one has before its
// first byte is written.
class IFileWriter {
public:
    virtual ~IFileWriter() = default;
    virtual bool writeAtomically(const std::string& fileName, const std::string& data) = 0;

    // Where the temporary file's names come from: each call gives the suffix
    // of the next name to try. Unset, every suffix is drawn at random.
    std::function<std::string()> temporarySuffix;
    // Called with the temporary file's name just before its first write.
    std::function<void(const std::string& temporaryFile)> beforeWrite;

protected:
    std::string nextTemporarySuffix();
    void announceWrite(const std::string& temporaryFile);
};

// Whether the user may replace the existing regular file `fileName` of mode
// `perms`: its owner may write it (a file its owner may not write is
// read-only for everyone, the superuser too) and it opens for writing. The
// one rule of every writer.
bool MayReplaceFile(const std::string& fileName, std::filesystem::perms perms);

// The standard library's writer, bound while no other is: the tests' and
// the harnesses' writer. It sets the temporary file's mode only after
// creating it and cannot keep the replaced file's owner or put the file on
// the disk before the rename, so the program and its tools bind the
// platform's writer (platform/PosixFileWriter.h) before any save.
class TStdFileWriter : public IFileWriter {
public:
    bool writeAtomically(const std::string& fileName, const std::string& data) override;
};

// Binds the writer every save goes through (nullptr: the standard one);
// returns the previous one.
IFileWriter* BindFileWriter(IFileWriter* writer);
IFileWriter& FileWriter();

// Temporary names tried before a save gives up.
constexpr int TemporaryNameAttempts = 100;

// The bound writer's writeAtomically.
bool WriteFileAtomically(const std::string& fileName, const std::string& data);

// A regular file open for reading at given offsets, closed with the object.
// Not ok when it cannot be opened or is no regular file (a pipe or device
// is refused without waiting for it); the size is the file's when it was
// opened. A file that another program shortens meanwhile gives a failed
// read, never a fault of the program.
class TFileReader {
public:
    explicit TFileReader(const std::string& fileName);
    TFileReader(const TFileReader&) = delete;
    TFileReader& operator=(const TFileReader&) = delete;

    bool ok() const { return ok_; }
    std::size_t size() const { return size_; }
    // Exactly n bytes from `offset` into `to`; false when fewer can be read.
    bool read(void* to, std::size_t n, std::size_t offset) const;

private:
    mutable std::filebuf file_;
    bool ok_ = false;
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
