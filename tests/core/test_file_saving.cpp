// Saving over a file: every writer (project, storey file, the two catalogues)
// goes through the bound writer, which keeps the replaced file's protection,
// never follows a link planted beside it and leaves no temporary file behind.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

#include "core/MasonryCatalogue.h"
#include "core/ZELBET_PN99.h"
#include "core/ZunFiles.h"
#include "core/ZunProject.h"
#include "tests/core/support/FileWriterChecks.h"
#include "tests/core/support/TestSupport.h"

using namespace orv;
namespace fs = std::filesystem;
using orvtest::ReadFileBytes;
using orvtest::WriteFileBytes;

namespace {

// One writer of the program under the file name it is given.
struct Writer {
    const char* name;
    const char* file;
    std::function<TFileResult(const std::string&)> save;
};

std::vector<Writer> writers()
{
    return {
        {"project", "dom.clcm",
         [](const std::string& f) {
             TElementList els(2);
             for (TProjectElement& e : els) std::memset(&e, 0, sizeof e);
             return SaveProjectFile(f, els, 2, 1, {"opis"});
         }},
        {"storey", "parter.kond",
         [](const std::string& f) {
             auto l = std::make_unique<TLoadCompilation>();
             std::memset(l.get(), 0, sizeof *l);
             InitLoadCompilation(*l);
             return SaveStoreyFile(f, *l);
         }},
        {"masonry", "elementy_mur.def",
         [](const std::string& f) { return SaveMasonryCatalogue(f, TMasonryCatalogue().Rows()); }},
        {"steel", "stal_zbrojeniowa.def",
         [](const std::string& f) { return SaveSteelCatalogue(f, TSteelCatalogue().Rows()); }},
    };
}

mode_t modeOf(const fs::path& p)
{
    struct stat st {};
    if (::stat(p.c_str(), &st) != 0) return 0;
    return st.st_mode & 07777;
}

std::size_t entriesIn(const fs::path& dir)
{
    std::size_t n = 0;
    for (const auto& e : fs::directory_iterator(dir)) {
        (void)e;
        ++n;
    }
    return n;
}

class FileSaving : public ::testing::Test {
protected:
    void SetUp() override { oldMask_ = ::umask(022); }
    void TearDown() override { ::umask(oldMask_); }

    orvtest::ScratchDir dir;

private:
    mode_t oldMask_ = 0;
};

} // namespace

TEST_F(FileSaving, ReadOnlyFileIsRefusedAndLeftAsItWas)
{
    for (const Writer& w : writers()) {
        SCOPED_TRACE(w.name);
        const std::string file = dir.file(w.file);
        WriteFileBytes(file, "chroniony");
        fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

        const TFileResult r = w.save(file);
        EXPECT_EQ(r.status, TFileStatus::WriteFailed);
        EXPECT_EQ(r.headline, "Błąd zapisu pliku!");
        EXPECT_TRUE(ReadFileBytes(file) == "chroniony");
        EXPECT_EQ(modeOf(file), 0444u);
    }
    EXPECT_EQ(entriesIn(dir.path()), writers().size()); // no temporary file left
}

TEST_F(FileSaving, ReplacedFileKeepsItsPermissionsAndANewOneTakesTheUsual)
{
    for (const Writer& w : writers()) {
        SCOPED_TRACE(w.name);
        const std::string file = dir.file(w.file);
        // New: 0666 less the umask 022.
        ASSERT_TRUE(w.save(file).ok());
        EXPECT_EQ(modeOf(file), 0644u);
        const std::string written = ReadFileBytes(file);

        for (const mode_t mode : {mode_t(0640), mode_t(0600), mode_t(0660)}) {
            fs::permissions(file, static_cast<fs::perms>(mode));
            WriteFileBytes(file, "stary");
            ASSERT_TRUE(w.save(file).ok());
            EXPECT_EQ(modeOf(file), mode);
            EXPECT_TRUE(ReadFileBytes(file) == written);
        }
    }
    EXPECT_EQ(entriesIn(dir.path()), writers().size());
}

TEST_F(FileSaving, TheStandardWriterSetsTheModeBeforeWritingAndFollowsNoLink)
{
    TStdFileWriter writer;
    orvtest::ExpectFinalModeBeforeTheFirstWrite(writer);
    orvtest::ExpectPlantedLinkIsNotFollowed(writer);
}

TEST_F(FileSaving, TheStandardWriterRefusesAFileItsOwnerMayNotWrite)
{
    TStdFileWriter writer;
    orvtest::ExpectTheOneReplaceRule(writer);
}

TEST_F(FileSaving, EveryWriterSavesThroughTheBoundWriterPastALinkAtItsFirstName)
{
    TStdFileWriter writer;
    IFileWriter* const previous = BindFileWriter(&writer);
    EXPECT_EQ(&FileWriter(), &writer);
    // The first name each save is given is taken by a link to the victim.
    const std::string victim = dir.file("ofiara.txt");
    WriteFileBytes(victim, "nie ruszać");
    int tried = 0;
    writer.temporarySuffix = [&] { return ++tried == 1 ? std::string(".link") : ".wolny" + std::to_string(tried); };
    int written = 0;
    writer.beforeWrite = [&](const std::string&) { ++written; };
    for (const Writer& w : writers()) {
        SCOPED_TRACE(w.name);
        const fs::path file = dir.path() / w.file;
        fs::create_symlink(victim, file.string() + ".link");
        tried = 0;
        ASSERT_TRUE(w.save(file.string()).ok());
        EXPECT_EQ(tried, 2);
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(file)));
        EXPECT_TRUE(ReadFileBytes(file.string()).size() > 100);
    }
    EXPECT_EQ(written, static_cast<int>(writers().size()));
    EXPECT_TRUE(ReadFileBytes(victim) == "nie ruszać");
    EXPECT_EQ(entriesIn(dir.path()), 1 + 2 * writers().size());
    EXPECT_EQ(BindFileWriter(previous), &writer);
}
