// What every file writer must do, checked on the standard library's writer
// and on the platform's: the temporary file's mode is final before its
// first write, a link planted at the very name it is given is neither
// followed nor replaced, and a file is refused by the one rule of
// MayReplaceFile. Run under the umask 022.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "core/ZunFiles.h"
#include "tests/core/support/TestSupport.h"

namespace orvtest {

inline mode_t ModeOf(const std::filesystem::path& p)
{
    struct stat st {};
    if (::lstat(p.c_str(), &st) != 0) return 0;
    return st.st_mode & 07777;
}

inline std::size_t EntriesIn(const std::filesystem::path& dir)
{
    std::size_t n = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir)) {
        (void)e;
        ++n;
    }
    return n;
}

// The temporary file as the writer is about to write into it.
struct TemporaryFileSeen {
    int calls = 0;
    mode_t mode = 0;
    std::uintmax_t size = 0;
};

inline void WatchTemporaryFile(orv::IFileWriter& writer, TemporaryFileSeen& seen)
{
    writer.beforeWrite = [&seen](const std::string& tmp) {
        ++seen.calls;
        seen.mode = ModeOf(tmp);
        seen.size = std::filesystem::file_size(tmp);
    };
}

inline void ExpectFinalModeBeforeTheFirstWrite(orv::IFileWriter& writer)
{
    namespace fs = std::filesystem;
    ScratchDir dir;
    const std::string file = dir.file("stal_zbrojeniowa.def");
    const std::string data(5000, 'd');
    TemporaryFileSeen seen;
    WatchTemporaryFile(writer, seen);

    // A new file: what a new file of the user gets, 0666 less the umask.
    ASSERT_TRUE(writer.writeAtomically(file, data));
    EXPECT_EQ(seen.calls, 1);
    EXPECT_EQ(seen.mode, 0644u);
    EXPECT_EQ(seen.size, 0u);
    // A replaced file's mode, whatever it is, before a byte is written.
    for (const mode_t mode : {mode_t(0600), mode_t(0640), mode_t(0660), mode_t(0604), mode_t(0666)}) {
        SCOPED_TRACE(mode);
        fs::permissions(file, static_cast<fs::perms>(mode));
        seen = {};
        ASSERT_TRUE(writer.writeAtomically(file, data));
        EXPECT_EQ(seen.calls, 1);
        EXPECT_EQ(seen.mode, mode);
        EXPECT_EQ(seen.size, 0u);
        EXPECT_EQ(ModeOf(file), mode);
        EXPECT_TRUE(ReadFileBytes(file) == data);
    }
    // A name whose mode cannot be read (a link to itself): the user's alone.
    const fs::path loop = dir.path() / "petla.def";
    fs::create_symlink(loop.filename(), loop);
    seen = {};
    ASSERT_TRUE(writer.writeAtomically(loop.string(), data));
    EXPECT_EQ(seen.mode, 0600u);
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(loop)));
    EXPECT_EQ(ModeOf(loop), 0600u);
    EXPECT_EQ(EntriesIn(dir.path()), 2u);
    writer.beforeWrite = nullptr;
}

inline void ExpectPlantedLinkIsNotFollowed(orv::IFileWriter& writer)
{
    namespace fs = std::filesystem;
    ScratchDir dir;
    const std::string file = dir.file("dom.clcm");
    const std::string victim = dir.file("ofiara.txt");
    WriteFileBytes(file, "stary");
    WriteFileBytes(victim, "nie ruszać");
    // The names the writer is given: a link to a file, a link to a name
    // nothing has yet, then a free one.
    fs::create_symlink(victim, file + ".a");
    fs::create_symlink(dir.file("brak.txt"), file + ".b");
    std::vector<std::string> given;
    const std::vector<std::string> names = {".a", ".b", ".c"};
    writer.temporarySuffix = [&] {
        given.push_back(names[std::min(given.size(), names.size() - 1)]);
        return given.back();
    };
    ASSERT_TRUE(writer.writeAtomically(file, "nowy"));
    EXPECT_EQ(given, names);
    EXPECT_TRUE(ReadFileBytes(file) == "nowy");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(file)));
    EXPECT_TRUE(ReadFileBytes(victim) == "nie ruszać");
    EXPECT_FALSE(fs::exists(dir.file("brak.txt")));
    EXPECT_EQ(fs::read_symlink(file + ".a"), victim);
    EXPECT_EQ(fs::read_symlink(file + ".b"), dir.file("brak.txt"));
    EXPECT_EQ(EntriesIn(dir.path()), 4u); // no temporary file left

    // Every name taken by a link: the save fails and nothing changes.
    given.clear();
    writer.temporarySuffix = [&] {
        given.push_back(".a");
        return given.back();
    };
    EXPECT_FALSE(writer.writeAtomically(file, "inny"));
    EXPECT_EQ(given.size(), static_cast<std::size_t>(orv::TemporaryNameAttempts));
    EXPECT_TRUE(ReadFileBytes(file) == "nowy");
    EXPECT_TRUE(ReadFileBytes(victim) == "nie ruszać");
    EXPECT_EQ(fs::read_symlink(file + ".a"), victim);
    EXPECT_EQ(EntriesIn(dir.path()), 4u);
    writer.temporarySuffix = nullptr;
}

// A file its owner may not write is refused whoever saves and whoever owns
// it, one that its owner may write is replaced; run as the superuser, the
// files of another owner are tried too.
inline void ExpectTheOneReplaceRule(orv::IFileWriter& writer)
{
    namespace fs = std::filesystem;
    ScratchDir dir;
    const std::string file = dir.file("dom.clcm");
    std::vector<uid_t> owners = {::geteuid()};
    if (::geteuid() == 0) owners.push_back(4321);
    for (const uid_t owner : owners) {
        for (const mode_t mode : {mode_t(0444), mode_t(0464), mode_t(0066), mode_t(0600), mode_t(0644)}) {
            SCOPED_TRACE(::testing::Message() << "owner " << owner << ", mode " << std::oct << mode);
            fs::remove(file);
            WriteFileBytes(file, "stary");
            ASSERT_EQ(::chown(file.c_str(), owner, static_cast<gid_t>(-1)), 0);
            fs::permissions(file, static_cast<fs::perms>(mode));
            const bool ownerMayWrite = (mode & S_IWUSR) != 0;
            EXPECT_EQ(writer.writeAtomically(file, "nowy"), ownerMayWrite);
            EXPECT_TRUE(ReadFileBytes(file) == (ownerMayWrite ? "nowy" : "stary"));
            EXPECT_EQ(EntriesIn(dir.path()), 1u);
        }
    }
}

} // namespace orvtest
