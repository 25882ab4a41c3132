// Project files (".clcm"): element records of the file's version one after
// another, then the project comment as CR LF separated lines. Versions 10
// to 12 are converted to the current TProjectElement on reading; writing
// always produces version 13.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/ZunFiles.h"
#include "core/ZunTypes.h"

namespace orv {

constexpr int ProjectFileCurrentVersion = 13;

// The most elements a project file may hold: far more than any real project,
// and records (55,408 bytes each, 554 MB at the bound) that memory can hold.
// A file that states more is refused before anything is reserved for it.
constexpr int MaxProjectElements = 10000;

// Stored record size of a project-file version (10..13), 0 for any other.
std::size_t ProjectRecordSize(int version);

// Calculation-input bytes a record of an older version carries.
constexpr std::size_t InputSizeV10 = 11296;
constexpr std::size_t InputSizeV11 = 14480;
constexpr std::size_t InputSizeV12 = 16776;

// Version of the file's first four bytes; -1 when they are no version text
// or the file is shorter than four bytes (or cannot be opened).
int ProjectFileVersion(const std::string& fileName);

// Reads a project of version 10 to 13 of at most MaxProjectElements
// elements. On success `elements` holds the stored count of elements (element 0 carries the count and the current
// index, brought into range) and `comments` the comment lines (UTF-8); on
// any failure both are left as they were. Shows nothing.
TFileResult LoadProjectFile(const std::string& fileName, TElementList& elements,
                            std::vector<std::string>& comments);
// The same, read into the storage `spare` holds (its elements are dropped);
// on success `spare` holds what `elements` held. A caller that keeps the
// spare reads its next file into memory it already has instead of memory
// new to the process, which takes a page fault a page.
TFileResult LoadProjectFile(const std::string& fileName, TElementList& elements,
                            std::vector<std::string>& comments, TElementList& spare);

// Writes elements 0..count-1 and the comment as a version-13 project; the
// stored element 0 carries the version text, the count and the current
// index, the caller's records are not changed. The old file is replaced
// only once the new one is complete. Shows nothing.
TFileResult SaveProjectFile(const std::string& fileName, const TElementList& elements,
                            int count, int current, const std::vector<std::string>& comments);

// LoadProjectFile, showing the error message of a failure; true on success.
bool ReadProjectFile(std::vector<std::string>& comments, const std::string& fileName,
                     TElementList& elements);

// SaveProjectFile, showing the error message of a failure. Sets the version
// text, the count and the current index in element 0 of the caller's array
// (when the count fits it); true on success.
bool WriteProjectFile(const std::vector<std::string>& comments, const std::string& fileName,
                      TElementList& elements, int count, int current);

// What a reader keeps of a comment: its first MaxCommentBytes bytes, and of
// these at most MaxCommentLines lines; the rest is cut off, and the project
// reader says so (TFileResult::cutNotice). A comment typed by hand stays far
// below both.
constexpr std::size_t MaxCommentBytes = std::size_t{1} << 20;
constexpr std::size_t MaxCommentLines = 65536;

// Comment lines of the file from byte `offset` on: every CR ends a line and
// the byte after it is skipped; what follows the last CR is one more line
// (both cut as above).
void LoadLinesFromOffset(std::vector<std::string>& lines, const std::string& fileName,
                         std::size_t offset);
// The same rule applied to single-byte text already in memory; `cut`, when
// given, tells whether lines past MaxCommentLines were left out.
std::vector<std::string> SplitCommentText(const char* text, std::size_t size, bool* cut = nullptr);

// The notice of a comment cut on reading: the file and the lines kept.
std::string CommentCutNotice(const std::string& shownName, std::size_t keptLines);

// Converters of one stored record of an older version (the record's bytes,
// of ProjectRecordSize(version)) into a current element.
void ConvertRecordV10(const char* record, TProjectElement& e);
void ConvertRecordV11(const char* record, TProjectElement& e);
void ConvertRecordV12(const char* record, TProjectElement& e);

// Brings every enumeration, count and text length of a record read from a
// file into its range; a sound record is left byte for byte as it is.
void SanitizeCalcInput(TCalcInput& in);
void SanitizeProjectHeader(TProjectHeader& h);
void SanitizeProjectElement(TProjectElement& e);

} // namespace orv
