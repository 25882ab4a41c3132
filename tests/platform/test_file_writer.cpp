// The program's file writer: the temporary file has the replaced file's
// owner and mode before its first byte, no planted link is followed, and
// every save of the program goes through it once it is bound.
#include <gtest/gtest.h>

#include <filesystem>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/ZunProject.h"
#include "platform/PosixFileWriter.h"
#include "tests/core/support/FileWriterChecks.h"

using namespace orv;
namespace fs = std::filesystem;

namespace {

class PosixFileWriting : public ::testing::Test {
protected:
    void SetUp() override { oldMask_ = ::umask(022); }
    void TearDown() override { ::umask(oldMask_); }

private:
    mode_t oldMask_ = 0;
};

} // namespace

TEST_F(PosixFileWriting, TemporaryFileHasTheFinalModeBeforeItsFirstWrite)
{
    TPosixFileWriter writer;
    orvtest::ExpectFinalModeBeforeTheFirstWrite(writer);

    // Under a stricter umask a new file is stricter too.
    ::umask(077);
    orvtest::ScratchDir dir;
    orvtest::TemporaryFileSeen seen;
    orvtest::WatchTemporaryFile(writer, seen);
    ASSERT_TRUE(writer.writeAtomically(dir.file("nowy.kond"), "dane"));
    EXPECT_EQ(seen.mode, 0600u);
    EXPECT_EQ(orvtest::ModeOf(dir.file("nowy.kond")), 0600u);
}

TEST_F(PosixFileWriting, LinkPlantedAtTheVeryTemporaryNameIsNotFollowed)
{
    TPosixFileWriter writer;
    orvtest::ExpectPlantedLinkIsNotFollowed(writer);
}

TEST_F(PosixFileWriting, AFileItsOwnerMayNotWriteIsRefused)
{
    TPosixFileWriter writer;
    orvtest::ExpectTheOneReplaceRule(writer);
}

TEST_F(PosixFileWriting, TheReplacedFilesGroupIsKept)
{
    orvtest::ScratchDir dir;
    const std::string file = dir.file("dom.clcm");
    orvtest::WriteFileBytes(file, "stary");
    fs::permissions(file, static_cast<fs::perms>(0640));
    struct stat before {};
    ASSERT_EQ(::stat(file.c_str(), &before), 0);
    TPosixFileWriter writer;
    struct stat seen {};
    writer.beforeWrite = [&](const std::string& tmp) { ::stat(tmp.c_str(), &seen); };
    ASSERT_TRUE(writer.writeAtomically(file, "nowy"));
    EXPECT_EQ(seen.st_gid, before.st_gid);
    EXPECT_EQ(seen.st_uid, before.st_uid);
    EXPECT_EQ(seen.st_mode & 07777, 0640u);
}

// A user who may give the new file neither the replaced file's owner nor its
// group: the old group's rights are not handed to the user's own group. The
// scene (a file of the user in a group they are not in) needs the superuser;
// the save runs in a child that has become that user.
TEST_F(PosixFileWriting, RightsOfAGroupTheFileCannotKeepAreNotHandedOn)
{
    if (::geteuid() != 0) GTEST_SKIP() << "making a file of a foreign group needs the superuser";
    constexpr uid_t user = 4321;
    constexpr gid_t ownGroup = 4321;
    constexpr gid_t foreignGroup = 0;
    orvtest::ScratchDir dir;
    const std::string file = dir.file("dom.clcm");
    orvtest::WriteFileBytes(file, "stary");
    ASSERT_EQ(::chown(dir.path().c_str(), user, ownGroup), 0);
    ASSERT_EQ(::chown(file.c_str(), user, foreignGroup), 0);
    fs::permissions(file, static_cast<fs::perms>(02660));

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const bool dropped = ::setgroups(0, nullptr) == 0 && ::setgid(ownGroup) == 0 && ::setuid(user) == 0;
        TPosixFileWriter writer;
        ::_exit(!dropped ? 2 : writer.writeAtomically(file, "nowy") ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0) << "2: the child could not become the user; 1: the save failed";
    struct stat now {};
    ASSERT_EQ(::stat(file.c_str(), &now), 0);
    EXPECT_EQ(orvtest::ReadFileBytes(file), "nowy");
    EXPECT_EQ(now.st_uid, user);
    EXPECT_EQ(now.st_gid, ownGroup);
    EXPECT_EQ(now.st_mode & 07777, 0600u);
}

TEST_F(PosixFileWriting, AProjectSaveGoesThroughTheBoundWriter)
{
    orvtest::ScratchDir dir;
    const std::string file = dir.file("dom.clcm");
    orvtest::WriteFileBytes(file, "stary");
    fs::permissions(file, static_cast<fs::perms>(0600));
    TPosixFileWriter writer;
    orvtest::TemporaryFileSeen seen;
    orvtest::WatchTemporaryFile(writer, seen);
    IFileWriter* const previous = BindFileWriter(&writer);
    TElementList els(1);
    const TFileResult r = SaveProjectFile(file, els, 1, 0, {"uwagi"});
    BindFileWriter(previous);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(seen.calls, 1);
    EXPECT_EQ(seen.mode, 0600u);
    EXPECT_EQ(fs::file_size(file), sizeof(TProjectElement) + 5);
}
