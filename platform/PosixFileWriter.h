// The writer the program saves its files through on a POSIX system: the
// temporary file is created for the user alone, given the replaced file's
// owner, group and mode before its first byte, and put on the disk before
// it takes the file's name.
#pragma once

#include "core/ZunFiles.h"

namespace orv {

class TPosixFileWriter : public IFileWriter {
public:
    bool writeAtomically(const std::string& fileName, const std::string& data) override;
};

} // namespace orv
