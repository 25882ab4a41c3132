// Seeds of the project reader, written by the project writer: one project
// with an element of every design case, one project per case, and the
// single-case projects again in the record layouts of versions 10 to 12.
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/ZunFiles.h"
#include "core/ZunProject.h"
#include "fuzz/SeedData.h"

using namespace orv;
using namespace orvfuzz;

namespace {

const char* const kCaseNames[CalcCaseCount] = {
    "Ściana przegubowa", "Ściana ciągła", "Ściana z otworami",
    "Ściana pod siłami skupionymi", "Ściana piwnicy", "Filar"};

void MakeElement(int caseNo, TProjectElement& e)
{
    std::memset(&e, 0, sizeof e);
    e.Name.set(kCaseNames[caseNo]);
    e.Description.set("poz. " + std::to_string(caseNo + 1));
    SeedInput(caseNo, e.Input);
    InitProjectHeader("Jan Kowalski", e.Header);
    e.Header.Title.set("Budynek mieszkalny");
    e.Header.CommentPlace = 2;
    for (int k = 0; k < 10; ++k) e.Header.FigureSize[k] = k % 2 == 0 ? 12 : 8;
    SeedLoads(e.Loads);
}

std::string WriteAndRead(const std::filesystem::path& dir, const std::string& name,
                         TElementList& elements,
                         const std::vector<std::string>& comments)
{
    const std::string file = (dir / name).string();
    if (!WriteProjectFile(comments, file, elements, static_cast<int>(elements.size()), 0)) std::exit(1);
    std::string bytes;
    if (!ReadWholeFile(file, bytes)) std::exit(1);
    return bytes;
}

// The same project in an older record layout: version text, count, current
// index and name, the input cut to the old size at +272, then the header.
std::string OldLayout(const std::string& current, int version)
{
    const std::size_t inputSize =
        version == 10 ? InputSizeV10 : version == 11 ? InputSizeV11 : InputSizeV12;
    const std::size_t oldSize = ProjectRecordSize(version);
    std::string out(oldSize, '\0');
    std::memcpy(out.data(), current.data(), 12 + sizeof(TShortString<255>));
    out[3] = static_cast<char>('0' + version - 10);
    std::memcpy(out.data() + 272, current.data() + offsetof(TProjectElement, Input), inputSize);
    std::memcpy(out.data() + 272 + inputSize, current.data() + offsetof(TProjectElement, Header),
                sizeof(TProjectHeader));
    out += current.substr(sizeof(TProjectElement)); // the comment
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    const std::filesystem::path dir = SeedDir(argc, argv);
    const std::vector<std::string> comments = {"Obliczenia statyczne ścian",
                                               "kondygnacja 1–3, ŁÓDŹ", ""};

    TElementList all(CalcCaseCount);
    for (int c = 0; c < CalcCaseCount; ++c) MakeElement(c, all[c]);
    WriteAndRead(dir, "all_cases.clcm", all, comments);

    for (int c = 0; c < CalcCaseCount; ++c) {
        TElementList one(1);
        MakeElement(c, one[0]);
        const std::string name = "case" + std::to_string(c);
        const std::string bytes = WriteAndRead(dir, name + ".clcm", one, {comments[0]});
        for (int version = 10; version <= 12; ++version)
            WriteSeed(dir, name + "_v" + std::to_string(version) + ".clcm", OldLayout(bytes, version));
    }
    return 0;
}
