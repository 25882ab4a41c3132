// The folders of the program include only from below themselves: platform/
// (the stand-ins for the system's services and the maker's libraries) from
// core/ alone, so that no folder reaches back up through another.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>

namespace fs = std::filesystem;

namespace {

// The folders each folder may include from, itself among them.
const std::map<std::string, std::set<std::string>>& Allowed()
{
    static const std::map<std::string, std::set<std::string>> allowed = {
        {"core", {"core"}},
        {"platform", {"core", "platform"}},
        {"drawing", {"core", "drawing"}},
        {"resources", {"resources"}},
        {"components", {"core", "platform", "drawing", "resources", "components"}},
        {"dialogs", {"core", "platform", "drawing", "resources", "components", "dialogs"}},
        {"printing", {"core", "platform", "drawing", "resources", "components", "dialogs", "printing"}},
    };
    return allowed;
}

} // namespace

TEST(IncludeLayers, NoFolderIncludesFromAFolderAboveIt)
{
    const fs::path root = ORV_SOURCE_DIR;
    const std::regex include(R"(^\s*#\s*include\s+"([a-z]+)/)");
    int files = 0;
    for (const auto& [folder, allowed] : Allowed()) {
        ASSERT_TRUE(fs::is_directory(root / folder)) << folder;
        for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
            const std::string ext = entry.path().extension().string();
            if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp" && ext != ".inc")) continue;
            ++files;
            std::ifstream in(entry.path());
            std::string line;
            for (int n = 1; std::getline(in, line); ++n) {
                std::smatch m;
                if (!std::regex_search(line, m, include)) continue;
                EXPECT_TRUE(allowed.count(m[1].str()))
                    << fs::relative(entry.path(), root).string() << ":" << n << " includes from " << m[1].str() << "/";
            }
        }
    }
    EXPECT_GT(files, 100);
}
