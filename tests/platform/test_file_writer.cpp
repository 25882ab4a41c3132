// The program's file writer: the temporary file has the replaced file's
// owner and mode before its first byte, no planted link is followed, and
// every save of the program goes through it once it is bound.
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
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
