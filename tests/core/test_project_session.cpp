// The open project: defaults of a new project, opening and saving, element
// commands, recalculation and what observers are told; and the file routines
// that report a failure instead of showing it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstring>
#include <filesystem>
#include <memory>

#include "core/CommonParamsUnit.h"
#include "core/MyUtils.h"
#include "core/ProjectSession.h"
#include "core/RecordStorage.h"
#include "core/ZunSlabs.h"
#include "core/SettingsStore.h"
#include "core/ZunEditor.h"
#include "core/ZunFiles.h"
#include "core/ZunProject.h"
#include "core/ZunStrings.h"
#include "tests/core/support/CalcSupport.h"
#include "tests/core/support/TestSupport.h"

using namespace orv;
using orvtest::MessageRecorder;
using orvtest::ReadFileBytes;
using orvtest::ScratchDir;
using orvtest::WriteFileBytes;

namespace {

// Packed fields are compared through a copy, never by reference.
template <typename T>
T v(T x)
{
    return x;
}

std::string bytesOf(const TProjectElement& e)
{
    return std::string(reinterpret_cast<const char*>(&e), sizeof e);
}

std::string allBytes(const ProjectSession& s)
{
    std::string out;
    for (int i = 0; i < s.count(); ++i) out += bytesOf(s.element(i));
    return out;
}

struct Recorder : IProjectObserver {
    std::vector<std::string> calls;
    void projectReplaced() override { calls.push_back("replaced"); }
    void elementShown(int index) override { calls.push_back("shown " + std::to_string(index)); }
    void resultsChanged() override { calls.push_back("results"); }
    void modifiedChanged(bool m) override { calls.push_back(m ? "modified 1" : "modified 0"); }
    std::vector<std::string> take()
    {
        std::vector<std::string> out;
        out.swap(calls);
        return out;
    }
};
using Calls = std::vector<std::string>;

class Session : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousStore = BindSettingsStore(&store);
        store.writeString(SettingsKey::Maker, ParamsSection, "DefaultName", "Jan Kowalski");
        store.writeString(SettingsKey::Program, AdvancedSection, "Rys3 X", "12.5");
    }
    void TearDown() override { BindSettingsStore(previousStore); }

    // A project of three elements with a comment, element 1 current, modified.
    std::unique_ptr<ProjectSession> threeElements()
    {
        auto s = std::make_unique<ProjectSession>();
        s->addElement("Ściana B", "oś 2", ccWallHorizontal);
        s->addElement("Słup S1", "", ccColumn);
        s->editCurrent([](TProjectElement& e) { e.Input.t2 = 38.0; });
        s->setCurrent(1);
        s->setComments({"Budynek mieszkalny", "ściany parteru"});
        return s;
    }

    MemorySettingsStore store;
    ISettingsStore* previousStore = nullptr;
    MessageRecorder messages;
    ScratchDir dir;
};

} // namespace

// --- a new project ---------------------------------------------------------------

TEST_F(Session, NewProjectHasTheDefaultsOfANewElement)
{
    ProjectSession s;
    EXPECT_EQ(s.count(), 1);
    EXPECT_EQ(s.currentIndex(), 0);
    EXPECT_EQ(s.fileName(), "");
    EXPECT_FALSE(s.modified());
    EXPECT_TRUE(s.comments().empty());
    EXPECT_TRUE(s.recalculation());

    const TProjectElement& e = s.current();
    EXPECT_EQ(e.Name.str(), "Element 1");
    EXPECT_EQ(e.Description.str(), "");
    EXPECT_EQ(e.Header.Author.str(), "Jan Kowalski");
    EXPECT_EQ(v(e.Header.FirstPage), 1);
    EXPECT_EQ(v(e.Header.PageCount), 100);
    // Figure sizes from the program's settings: one stored, the rest defaults.
    const TFigureSizes sizes = FigureSizesOf(e.Header);
    EXPECT_EQ(sizes, (TFigureSizes{10, 8, 10, 8, 12.5, 8, 10, 8, 10, 8}));

    const TCalcInput& in = e.Input;
    // Ceramic group 1, general-purpose mortar M5, f_b = 10 MPa: K = 0.45,
    // f_k = 0.45 * 10^0.7 * 5^0.3 = 0.45 * 5.01187 * 1.62066 = 3.6551 MPa;
    // f_m >= 5 MPa gives alpha_c = 1000: E = 3655.1 MPa = 3.6551 GPa.
    EXPECT_NEAR(v(in.E2), 3.6551, 1e-4);
    EXPECT_EQ(v(in.E5), v(in.E2));
    EXPECT_EQ(v(in.beton), 5u);
    EXPECT_EQ(in.ro_muru_text.str(),
              "stałe@@Tabela@@5@@0@@poz@@18@@_HLB@@000@@H0@@100@@A0@@3000@@B0@@3000@@M@@100@@000");
    EXPECT_EQ(in.ro_muru_text.length(), 81u);
    EXPECT_EQ(v(in.ro_muru), 27.0);
    EXPECT_EQ(v(in.Nod), 281.2);
    EXPECT_EQ(v(in.l), 130.0);
    EXPECT_EQ(v(in.Sily[0].NSd), 126.5);
    EXPECT_EQ(v(in.N0_mb), 356.23);
    EXPECT_EQ(v(in.t), 27.0);
    EXPECT_EQ(v(in.Case), ccWallVerticalHinged);

    // Without the slab library the blocks hold zeros but for the span (3)
    // and the thickness (5): the wall's in blocks 1 and 4, 20 cm otherwise.
    for (int k = 0; k < 6; ++k)
        for (int j = 0; j < 20; ++j) {
            const double expected = j == 3 ? 130.0 : j == 5 ? (k == 0 || k == 3 ? 27.0 : 20.0) : 0.0;
            EXPECT_EQ(v(in.SlabData[k][j]), expected) << k << "/" << j;
        }
    // The four slab records start with block 2 and keep their own fields.
    for (const TSlabRecord& slab : in.Stropy)
        EXPECT_EQ(std::memcmp(slab.Data, in.SlabData[1], sizeof slab.Data), 0);
    // Each slab record as its dialog confirms it unchanged: b = 100 cm,
    // d = 20 cm, J = 100 x 20^3 / 12 = 66 666.7 cm4; the joint's slabs have it.
    for (const TSlabRecord& slab : in.Stropy) {
        EXPECT_EQ(v(slab.Width), 100.0);
        EXPECT_NEAR(v(slab.J), 66666.6667, 1e-4);
    }
    for (double J : {v(in.J3), v(in.J4), v(in.J6), v(in.J7)}) EXPECT_EQ(J, v(in.Stropy[0].J));
    // Its name gives the thickness the slab dialog shows.
    EXPECT_EQ(in.Stropy[0].Nazwa.str(), "Płyta żelbetowa gr.20 cm");
    EXPECT_EQ(SolidSlabName(12.5), "Płyta żelbetowa gr.12,5 cm");

    EXPECT_EQ(v(e.Loads.StoreyCount), 1);
    EXPECT_DOUBLE_EQ(v(e.Loads.Gw[9]), 1.8); // 0.25 * 0.25 * 24 * 1.2

    // It is calculated at once; its trace is there for a reader.
    s.setTraceRead(true);
    EXPECT_FALSE(s.trace().empty());
    EXPECT_NEAR(s.results().A, 0.27 * 1.30, 1e-12);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(Session, SlabStartValuesComeFromTheBoundLibrary)
{
    int asked = 0;
    ProjectSession s([&asked](std::array<double, 20>& block) {
        ++asked;
        for (int j = 0; j < 20; ++j) block[j] = 100.0 + j;
        return true;
    });
    EXPECT_EQ(asked, 1);
    const TCalcInput& in = s.current().Input;
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(v(in.SlabData[k][0]), 100.0) << k;
        EXPECT_EQ(v(in.SlabData[k][1]), 101.0) << k;
        EXPECT_EQ(v(in.SlabData[k][3]), 130.0) << k;
        EXPECT_EQ(v(in.SlabData[k][5]), (k == 0 || k == 3) ? 27.0 : 20.0) << k;
        EXPECT_EQ(v(in.SlabData[k][19]), 119.0) << k;
    }
    EXPECT_EQ(v(in.Stropy[3].Data[0]), 100.0);
    EXPECT_EQ(v(in.Stropy[3].Data[5]), 20.0);

    // A library that has nothing to give leaves the record's blocks.
    ProjectSession none([](std::array<double, 20>& block) {
        block.fill(-1.0);
        return false;
    });
    EXPECT_EQ(v(none.current().Input.SlabData[2][0]), 0.0);
    EXPECT_EQ(v(none.current().Input.SlabData[2][5]), 20.0);
}

TEST_F(Session, NewProjectReplacesAModifiedOneAndKeepsTheFlag)
{
    auto s = threeElements();
    ASSERT_TRUE(s->save(dir.file("p.clcm")).ok());
    s->editCurrent([](TProjectElement& e) { e.Input.h = 250.0; });
    s->setRecalculation(false);
    ASSERT_TRUE(s->modified());

    Recorder rec;
    s->addObserver(&rec);
    s->newProject();
    EXPECT_EQ(rec.take(), (Calls{"replaced", "results"}));
    EXPECT_EQ(s->count(), 1);
    EXPECT_EQ(s->currentIndex(), 0);
    EXPECT_EQ(s->fileName(), "");
    EXPECT_TRUE(s->comments().empty());
    EXPECT_TRUE(s->recalculation());
    EXPECT_TRUE(s->modified()); // closing still asks
    ProjectSession fresh;
    EXPECT_EQ(bytesOf(s->current()), bytesOf(fresh.current()));
}

// --- files -----------------------------------------------------------------------

TEST_F(Session, OpenAndSaveRoundTripByteForByte)
{
    auto s = threeElements();
    Recorder rec;
    s->addObserver(&rec);
    const TFileResult saved = s->save(dir.file("a.clcm"));
    ASSERT_TRUE(saved.ok());
    EXPECT_TRUE(saved.headline.empty() && saved.message.empty());
    EXPECT_EQ(rec.take(), (Calls{"modified 0"}));
    EXPECT_EQ(s->fileName(), dir.file("a.clcm"));
    EXPECT_FALSE(s->modified());

    // Three records of 55,408 bytes, then "Budynek mieszkalny" CR LF "ściany
    // parteru" (14 single-byte characters): 166,224 + 18 + 2 + 14 = 166,258.
    const std::string a = ReadFileBytes(dir.file("a.clcm"));
    ASSERT_EQ(a.size(), 166258u);
    EXPECT_EQ(a.substr(0, 4), "01.3");
    i32 count, current;
    std::memcpy(&count, a.data() + 4, 4);
    std::memcpy(&current, a.data() + 8, 4);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(current, 1);
    // Element 0 in memory is what was stored.
    EXPECT_EQ(a.substr(0, 3 * sizeof(TProjectElement)), allBytes(*s));

    ProjectSession t;
    t.setModified(true);
    Recorder rec2;
    t.addObserver(&rec2);
    ASSERT_TRUE(t.open(dir.file("a.clcm")).ok());
    EXPECT_EQ(rec2.take(), (Calls{"replaced", "modified 0", "results"}));
    EXPECT_EQ(t.count(), 3);
    EXPECT_EQ(t.currentIndex(), 1);
    EXPECT_EQ(t.fileName(), dir.file("a.clcm"));
    EXPECT_FALSE(t.modified());
    EXPECT_EQ(t.comments(), s->comments());
    EXPECT_EQ(allBytes(t), allBytes(*s));
    EXPECT_EQ(t.current().Name.str(), "Ściana B");
    EXPECT_EQ(v(t.current().Input.Case), ccWallHorizontal);

    ASSERT_TRUE(t.save(dir.file("b.clcm")).ok());
    EXPECT_EQ(ReadFileBytes(dir.file("b.clcm")), a);
    EXPECT_TRUE(rec2.take().empty()); // nothing was modified
}

// A project whose comment was cut on reading: told at once, and a save over
// that file asks first; a No writes nothing, a Yes writes the cut comment.
// Another file is written without a question.
TEST_F(Session, ACutCommentIsToldAndNotWrittenBackWithoutTheUsersWord)
{
    auto s = threeElements();
    std::vector<std::string> lines(MaxCommentLines + 10, "uwaga");
    s->setComments(lines);
    const std::string file = dir.file("uwagi.clcm");
    ASSERT_TRUE(s->save(file).ok());
    const std::string whole = ReadFileBytes(file);
    EXPECT_TRUE(messages.messages.empty());

    ProjectSession t;
    const TFileResult r = t.open(file);
    ASSERT_TRUE(r.ok());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Komentarz projektu obcięty");
    EXPECT_EQ(messages.messages[0].text, r.cutNotice);
    EXPECT_NE(r.cutNotice.find("uwagi.clcm"), std::string::npos);
    EXPECT_NE(r.cutNotice.find("liczba wierszy: 65536;"), std::string::npos);
    EXPECT_EQ(messages.messages[0].buttons, unsigned(mbOK));
    EXPECT_EQ(t.comments().size(), MaxCommentLines);

    // No: the file stays whole, the project modified as it was.
    t.setModified(true);
    messages.messages.clear();
    messages.answer = mrNo;
    const TFileResult declined = t.save(file);
    EXPECT_EQ(declined.status, TFileStatus::Declined);
    EXPECT_TRUE(declined.headline.empty());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].buttons, unsigned(mbYes | mbNo));
    EXPECT_NE(messages.messages[0].text.find("uwagi.clcm"), std::string::npos);
    EXPECT_TRUE(ReadFileBytes(file) == whole);
    EXPECT_TRUE(t.modified());

    // Another file: no question; then Yes over the first file writes it, and
    // the next save asks no more.
    messages.messages.clear();
    ASSERT_TRUE(t.save(dir.file("kopia.clcm")).ok());
    EXPECT_TRUE(messages.messages.empty());
    messages.answer = mrYes;
    ASSERT_TRUE(t.save(file).ok());
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_LT(ReadFileBytes(file).size(), whole.size());
    ASSERT_TRUE(t.save(file).ok());
    EXPECT_EQ(messages.messages.size(), 1u);

    // A file read whole leaves no question behind.
    messages.messages.clear();
    ASSERT_TRUE(t.open(dir.file("kopia.clcm")).ok());
    messages.answer = mrNo;
    ASSERT_TRUE(t.save(dir.file("kopia.clcm")).ok());
    EXPECT_TRUE(messages.messages.empty());
}

// An example is read as a new project: no file to write back to, its name
// only proposed, marked as never saved; saving writes elsewhere.
TEST_F(Session, AFileOpenedAsUntitledIsNeverWrittenBack)
{
    auto s = threeElements();
    ASSERT_TRUE(s->save(dir.file("a.clcm")).ok());
    const std::string example = ReadFileBytes(dir.file("a.clcm"));

    ProjectSession t;
    Recorder rec;
    t.addObserver(&rec);
    ASSERT_TRUE(t.openAsUntitled(dir.file("a.clcm"), "Przykład 1").ok());
    EXPECT_EQ(rec.take(), (Calls{"replaced", "modified 1", "results"}));
    EXPECT_TRUE(t.fileName().empty());
    EXPECT_EQ(t.untitledName(), "Przykład 1");
    EXPECT_TRUE(t.modified());
    EXPECT_EQ(allBytes(t), allBytes(*s));
    EXPECT_EQ(t.currentIndex(), 1);

    // A failed read changes nothing, the name included.
    EXPECT_FALSE(t.openAsUntitled(dir.file("brak.clcm"), "Przykład 2").ok());
    EXPECT_EQ(t.untitledName(), "Przykład 1");
    EXPECT_EQ(t.count(), 3);

    t.editCurrent([](TProjectElement& e) { e.Input.h = 250.0; });
    ASSERT_TRUE(t.save(dir.file("b.clcm")).ok());
    EXPECT_EQ(t.fileName(), dir.file("b.clcm"));
    EXPECT_TRUE(t.untitledName().empty());
    EXPECT_FALSE(t.modified());
    EXPECT_EQ(ReadFileBytes(dir.file("a.clcm")), example);
    EXPECT_NE(ReadFileBytes(dir.file("b.clcm")), example);

    // Opened by name or started anew, a project has no untitled name.
    ASSERT_TRUE(t.openAsUntitled(dir.file("a.clcm"), "Przykład 1").ok());
    ASSERT_TRUE(t.open(dir.file("b.clcm")).ok());
    EXPECT_TRUE(t.untitledName().empty());
    ASSERT_TRUE(t.openAsUntitled(dir.file("a.clcm"), "Przykład 1").ok());
    t.newProject();
    EXPECT_TRUE(t.untitledName().empty());
    EXPECT_TRUE(t.fileName().empty());
}

TEST_F(Session, OpenTakesTheStoredCurrentElementAndTurnsRecalculationOn)
{
    auto s = threeElements();
    s->setCurrent(2);
    ASSERT_TRUE(s->save(dir.file("a.clcm")).ok());
    ProjectSession t;
    t.setRecalculation(false);
    ASSERT_TRUE(t.open(dir.file("a.clcm")).ok());
    EXPECT_EQ(t.currentIndex(), 2);
    EXPECT_TRUE(t.recalculation());
    EXPECT_EQ(v(t.current().Input.Case), ccColumn);
    EXPECT_EQ(v(t.results().Error), 0);
    EXPECT_NE(t.verdict(), TVerdict::Error);
}

TEST_F(Session, AFailedOpenLeavesTheSessionAsItWas)
{
    auto s = threeElements();
    ASSERT_TRUE(s->save(dir.file("good.clcm")).ok());
    s->editCurrent([](TProjectElement& e) { e.Input.h = 250.0; });
    const std::string good = ReadFileBytes(dir.file("good.clcm"));
    std::string version14 = good;
    version14[3] = '4';
    WriteFileBytes(dir.file("v14.clcm"), version14);
    WriteFileBytes(dir.file("cut.clcm"), good.substr(0, 2 * sizeof(TProjectElement) + 100));
    WriteFileBytes(dir.file("empty.clcm"), "");
    // More elements than a project may hold, each in the file (holes but for the first).
    std::string many = good.substr(0, sizeof(TProjectElement));
    const i32 tooMany = MaxProjectElements + 1;
    std::memcpy(many.data() + 4, &tooMany, 4);
    WriteFileBytes(dir.file("many.clcm"), many);
    std::filesystem::resize_file(dir.file("many.clcm"), static_cast<std::uintmax_t>(tooMany) * sizeof(TProjectElement));

    const std::string before = allBytes(*s);
    const TVerdict verdict = s->verdict();
    const double area = s->results().A;
    Recorder rec;
    s->addObserver(&rec);
    struct Case { std::string name; TFileStatus status; const char* headline; std::string message; };
    const Case cases[] = {
        {"brak.clcm", TFileStatus::NotFound, "Brak pliku!", "brak.clcm"},
        {"v14.clcm", TFileStatus::WrongVersion, "Błąd odczytu pliku!",
         "Plik v14.clcm nie jest plikiem utworzonym przez ten program!"},
        {"empty.clcm", TFileStatus::WrongVersion, "Błąd odczytu pliku!",
         "Plik empty.clcm nie jest plikiem utworzonym przez ten program!"},
        {"cut.clcm", TFileStatus::ReadFailed, "Błąd odczytu pliku!", "cut.clcm"},
        {"many.clcm", TFileStatus::ReadFailed, "Błąd odczytu pliku!", "many.clcm"},
    };
    for (const Case& c : cases) {
        const TFileResult r = s->open(dir.file(c.name));
        EXPECT_EQ(r.status, c.status) << c.name;
        EXPECT_EQ(r.headline, c.headline) << c.name;
        EXPECT_EQ(r.message, c.message) << c.name;
        EXPECT_EQ(allBytes(*s), before) << c.name;
        EXPECT_EQ(s->count(), 3);
        EXPECT_EQ(s->currentIndex(), 1);
        EXPECT_EQ(s->fileName(), dir.file("good.clcm"));
        EXPECT_TRUE(s->modified());
        EXPECT_EQ(s->comments(), (std::vector<std::string>{"Budynek mieszkalny", "ściany parteru"}));
        EXPECT_EQ(s->verdict(), verdict);
        EXPECT_EQ(s->results().A, area);
    }
    // Records the memory cannot hold (here: more than one per block).
    const std::size_t limit = SetRecordBlockLimit(sizeof(TProjectElement));
    const TFileResult r = s->open(dir.file("good.clcm"));
    SetRecordBlockLimit(limit);
    EXPECT_EQ(r.status, TFileStatus::ReadFailed);
    EXPECT_EQ(r.headline, "Błąd odczytu pliku!");
    EXPECT_EQ(r.message, "good.clcm");
    EXPECT_EQ(allBytes(*s), before);
    EXPECT_EQ(s->count(), 3);
    EXPECT_TRUE(s->modified());
    EXPECT_EQ(s->comments(), (std::vector<std::string>{"Budynek mieszkalny", "ściany parteru"}));
    EXPECT_TRUE(rec.calls.empty());
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(Session, AFailedSaveKeepsTheFlagAndTheName)
{
    auto s = threeElements();
    ASSERT_TRUE(s->save(dir.file("p.clcm")).ok());
    s->editCurrent([](TProjectElement& e) { e.Input.h = 250.0; });
    const std::string before = allBytes(*s);
    Recorder rec;
    s->addObserver(&rec);

    WriteFileBytes(dir.file("plik"), "x"); // a file where a folder should be
    const TFileResult r = s->save(dir.file("plik") + "/q.clcm");
    EXPECT_EQ(r.status, TFileStatus::WriteFailed);
    EXPECT_EQ(r.headline, "Błąd zapisu pliku!");
    EXPECT_EQ(r.message, "q.clcm");
    EXPECT_TRUE(s->modified());
    EXPECT_EQ(s->fileName(), dir.file("p.clcm"));
    EXPECT_EQ(allBytes(*s), before);
    EXPECT_TRUE(rec.calls.empty());
    EXPECT_TRUE(messages.messages.empty());
}

// --- editing and elements ----------------------------------------------------------

TEST_F(Session, ObserversAreToldWhatChangedAndOnlyThat)
{
    ProjectSession s;
    Recorder rec;
    s.addObserver(&rec);
    s.addObserver(&rec); // once is enough

    EXPECT_FALSE(s.editCurrent([](TProjectElement& e) { e.Input.t = 27.0; }));
    EXPECT_TRUE(rec.take().empty());
    EXPECT_FALSE(s.modified());

    EXPECT_TRUE(s.editCurrent([](TProjectElement& e) { e.Input.t = 38.0; }));
    EXPECT_EQ(rec.take(), (Calls{"modified 1", "results"}));
    EXPECT_TRUE(s.editCurrent([](TProjectElement& e) { e.Input.h = 280.0; }));
    EXPECT_EQ(rec.take(), (Calls{"results"}));

    EXPECT_EQ(s.addElement("Element 2", "", ccWallVerticalHinged), 1);
    EXPECT_EQ(rec.take(), (Calls{"shown 1", "results"}));
    EXPECT_TRUE(s.setCurrent(0));
    EXPECT_EQ(rec.take(), (Calls{"shown 0", "results"}));
    EXPECT_FALSE(s.setCurrent(0));
    EXPECT_FALSE(s.setCurrent(2));
    EXPECT_FALSE(s.setCurrent(-1));
    EXPECT_TRUE(rec.take().empty());

    s.setRecalculation(false);
    EXPECT_EQ(rec.take(), (Calls{"results"}));
    s.setRecalculation(false);
    EXPECT_TRUE(rec.take().empty());

    s.setModified(false);
    s.setModified(false);
    EXPECT_EQ(rec.take(), (Calls{"modified 0"}));
    s.setComments({});
    EXPECT_TRUE(rec.take().empty());
    s.setComments({"uwaga"});
    EXPECT_EQ(rec.take(), (Calls{"modified 1"}));

    TProjectHeader h = s.header();
    s.setHeader(h);
    EXPECT_TRUE(rec.take().empty());
    h.Title.set("Hala magazynowa");
    s.setModified(false);
    rec.take();
    s.setHeader(h);
    EXPECT_EQ(rec.take(), (Calls{"modified 1"}));
    EXPECT_EQ(s.header().Title.str(), "Hala magazynowa");

    s.removeObserver(&rec);
    s.setRecalculation(true);
    EXPECT_TRUE(rec.calls.empty());
}

TEST_F(Session, AnObserverMayLeaveWhileBeingTold)
{
    struct Leaving : IProjectObserver {
        ProjectSession* s = nullptr;
        IProjectObserver* other = nullptr;
        int told = 0;
        void resultsChanged() override
        {
            ++told;
            s->removeObserver(this);
            s->removeObserver(other);
        }
    };
    ProjectSession s;
    Recorder rec;
    Leaving leaving;
    leaving.s = &s;
    leaving.other = &rec;
    s.addObserver(&leaving);
    s.addObserver(&rec);
    s.RecalculateElement();
    EXPECT_EQ(leaving.told, 1);
    EXPECT_TRUE(rec.calls.empty()); // removed before its turn
    s.RecalculateElement();
    EXPECT_EQ(leaving.told, 1);
}

TEST_F(Session, AChangeOfCaseMarksTheProjectModified)
{
    ProjectSession s;
    Recorder rec;
    s.addObserver(&rec);
    EXPECT_TRUE(s.setCase(ccConcentratedLoad));
    EXPECT_EQ(v(s.current().Input.Case), ccConcentratedLoad);
    EXPECT_TRUE(s.modified());
    EXPECT_EQ(rec.take(), (Calls{"modified 1", "results"}));
    // Case 3 calculates the bearing area of the first load: 20 x 25 cm.
    EXPECT_NEAR(s.results().A_b, 0.20 * 0.25, 1e-12);

    EXPECT_FALSE(s.setCase(ccConcentratedLoad));
    EXPECT_FALSE(s.setCase(6));
    EXPECT_FALSE(s.setCase(-1));
    EXPECT_TRUE(rec.calls.empty());
    EXPECT_EQ(v(s.current().Input.Case), ccConcentratedLoad);
}

TEST_F(Session, AddingAndDeletingElements)
{
    ProjectSession s;
    TProjectHeader h = s.header();
    h.Title.set("Dom jednorodzinny");
    s.setHeader(h);

    const std::string longName(300, 'x');
    EXPECT_EQ(s.addElement("Ściana B", "oś 2\r\nparter", ccWallHorizontal), 1);
    EXPECT_EQ(s.addElement(longName, "", ccBasementWall), 2);
    EXPECT_EQ(s.count(), 3);
    EXPECT_EQ(s.currentIndex(), 2);
    EXPECT_EQ(s.element(1).Name.str(), "Ściana B");
    EXPECT_EQ(s.element(1).Description.str(), "oś 2\r\nparter");
    EXPECT_EQ(v(s.element(1).Input.Case), ccWallHorizontal);
    EXPECT_EQ(s.element(2).Name.str(), std::string(255, 'x')); // cut to the stored length
    EXPECT_EQ(v(s.element(2).Input.Case), ccBasementWall);
    // A new element has the defaults of a new project but its name and case.
    EXPECT_EQ(v(s.element(2).Input.t), 27.0);
    EXPECT_EQ(v(s.element(2).Input.Nod), 281.2);

    // Deleting element 0 keeps the project's header in the new element 0.
    s.setModified(false);
    Recorder rec;
    s.addObserver(&rec);
    ASSERT_TRUE(s.deleteElement(0));
    EXPECT_EQ(rec.take(), (Calls{"modified 1", "shown 1", "results"}));
    EXPECT_EQ(s.count(), 2);
    EXPECT_EQ(s.currentIndex(), 1); // the element shown stays the same
    EXPECT_EQ(s.element(0).Name.str(), "Ściana B");
    EXPECT_EQ(s.header().Title.str(), "Dom jednorodzinny");

    // Deleting the last element selects the new last one.
    ASSERT_TRUE(s.deleteElement(1));
    EXPECT_EQ(s.count(), 1);
    EXPECT_EQ(s.currentIndex(), 0);
    EXPECT_EQ(v(s.current().Input.Case), ccWallHorizontal);
    EXPECT_EQ(s.header().Title.str(), "Dom jednorodzinny");
    rec.take();

    // The only element cannot be deleted.
    EXPECT_FALSE(s.deleteElement(0));
    EXPECT_FALSE(s.deleteElement(5));
    EXPECT_EQ(s.count(), 1);
    EXPECT_TRUE(rec.calls.empty());
}

TEST_F(Session, ACopyCarriesTheWholeElement)
{
    auto s = threeElements();
    // Element 0 carries the header; its load compilation is made distinct.
    s->setCurrent(0);
    s->editCurrent([](TProjectElement& e) {
        e.Loads.StoreyCount = 4;
        e.Input.t = 38.0;
    });
    TProjectHeader h = s->header();
    h.Author.set("Anna Nowak");
    s->setHeader(h);
    s->setModified(false);
    Recorder rec;
    s->addObserver(&rec);

    EXPECT_EQ(s->copyElement(0, "Element 1 [kopia]", "kopia\r\nparteru"), 3);
    EXPECT_EQ(rec.take(), (Calls{"modified 1", "shown 3", "results"}));
    ASSERT_EQ(s->count(), 4);
    EXPECT_EQ(s->currentIndex(), 3);
    const TProjectElement& copy = s->element(3);
    const TProjectElement& original = s->element(0);
    EXPECT_EQ(copy.Name.str(), "Element 1 [kopia]");
    EXPECT_EQ(copy.Description.str(), "kopia\r\nparteru");
    // Everything behind the name and description is the original's, byte for byte.
    const std::size_t from = offsetof(TProjectElement, Reserved1);
    EXPECT_EQ(std::memcmp(reinterpret_cast<const char*>(&copy) + from,
                          reinterpret_cast<const char*>(&original) + from, sizeof copy - from), 0);
    EXPECT_EQ(v(copy.Loads.StoreyCount), 4);
    EXPECT_EQ(copy.Header.Author.str(), "Anna Nowak");
    // The original keeps its own name.
    EXPECT_EQ(original.Name.str(), "Element 1");

    // An index out of range copies nothing.
    EXPECT_EQ(s->copyElement(4, "x", ""), -1);
    EXPECT_EQ(s->copyElement(-1, "x", ""), -1);
    EXPECT_EQ(s->count(), 4);
    EXPECT_TRUE(rec.calls.empty());
}

TEST_F(Session, RenamingMarksModifiedWithoutRecalculating)
{
    auto s = threeElements();
    s->setModified(false);
    const std::string input(reinterpret_cast<const char*>(&s->element(1).Input), sizeof(TCalcInput));
    Recorder rec;
    s->addObserver(&rec);
    ASSERT_TRUE(s->renameElement(1, "Ściana B-2", "oś 2\r\npiętro"));
    EXPECT_EQ(rec.take(), (Calls{"modified 1"}));
    EXPECT_EQ(s->element(1).Name.str(), "Ściana B-2");
    EXPECT_EQ(s->element(1).Description.str(), "oś 2\r\npiętro");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&s->element(1).Input), sizeof(TCalcInput)), input);
    EXPECT_EQ(s->currentIndex(), 1);
    EXPECT_FALSE(s->renameElement(3, "x", ""));
    EXPECT_FALSE(s->renameElement(-1, "x", ""));
}

TEST_F(Session, ReplacedElementsKeepTheProjectHeaderInElementZero)
{
    auto s = threeElements();
    TProjectHeader h = s->header();
    h.Title.set("Hala magazynowa");
    s->setHeader(h);
    s->setModified(false);

    // The manager's order: 3, 1 (element 2 deleted), the first one focused.
    TElementList list(3);
    list[0] = s->element(2);
    list[1] = s->element(0);
    list[2] = s->element(1); // beyond the count: not taken
    Recorder rec;
    s->addObserver(&rec);
    ASSERT_TRUE(s->replaceElements(list, 2, 0));
    EXPECT_EQ(rec.take(), (Calls{"replaced", "modified 1", "results"}));
    ASSERT_EQ(s->count(), 2);
    EXPECT_EQ(s->currentIndex(), 0);
    EXPECT_EQ(s->element(0).Name.str(), "Słup S1");
    EXPECT_EQ(v(s->element(0).Input.t2), 38.0);
    EXPECT_EQ(s->element(1).Name.str(), "Element 1");
    EXPECT_EQ(s->header().Title.str(), "Hala magazynowa");
    EXPECT_EQ(v(s->current().Input.Case), ccColumn);

    // A current index past the end becomes the last element.
    ASSERT_TRUE(s->replaceElements(list, 3, 7));
    EXPECT_EQ(s->currentIndex(), 2);

    // No element, or a count the list cannot give, changes nothing.
    const std::string before = allBytes(*s);
    rec.take();
    EXPECT_FALSE(s->replaceElements(list, 0, 0));
    EXPECT_FALSE(s->replaceElements(list, 4, 0));
    EXPECT_FALSE(s->replaceElements({}, 1, 0));
    EXPECT_EQ(allBytes(*s), before);
    EXPECT_TRUE(rec.calls.empty());
}

// --- recalculation ------------------------------------------------------------------

TEST_F(Session, VerdictOfTheRecalculation)
{
    ProjectSession s;
    // t = 0: outside the editor's range, so no verdict.
    s.editCurrent([](TProjectElement& e) { e.Input.t = 0; });
    EXPECT_EQ(s.verdict(), TVerdict::Error);
    EXPECT_EQ(v(s.results().Error), ceInvalidInput);

    // 1 kN on a 27 x 130 cm wall is far within its capacity; 10 MN is not.
    s.editCurrent([](TProjectElement& e) {
        e.Input.t = 27.0;
        e.Input.Nod = 1.0;
    });
    EXPECT_EQ(v(s.results().Error), 0);
    EXPECT_EQ(s.verdict(), TVerdict::Satisfied);
    s.editCurrent([](TProjectElement& e) { e.Input.Nod = 10000.0; });
    EXPECT_EQ(v(s.results().Error), 0);
    EXPECT_EQ(s.verdict(), TVerdict::ExceededOrNotCalculated);

    // A concrete class or steel grade the catalogue does not offer: error,
    // nothing calculated.
    const double area = s.results().A;
    s.setInputsSelectable([](const TProjectElement& e) { return e.Input.Nod < 5000.0; });
    s.editCurrent([](TProjectElement& e) { e.Input.t = 38.0; });
    EXPECT_EQ(s.verdict(), TVerdict::Error);
    EXPECT_EQ(s.results().A, area);
    s.editCurrent([](TProjectElement& e) { e.Input.Nod = 1.0; });
    EXPECT_EQ(s.verdict(), TVerdict::Satisfied);
    EXPECT_NEAR(s.results().A, 0.38 * 1.30, 1e-12);
}

// A new element of every case, added as the user adds one, calculates at
// once: no error, a verdict shown.
TEST_F(Session, ANewElementOfEveryCaseCalculatesAtOnce)
{
    ProjectSession s;
    for (int c = 0; c < CalcCaseCount; ++c) {
        s.addElement("Element", "", c);
        EXPECT_EQ(v(s.current().Input.Case), c);
        EXPECT_EQ(v(s.results().Error), 0) << "case " << c;
        EXPECT_NE(s.verdict(), TVerdict::Error) << "case " << c;
    }
    EXPECT_TRUE(messages.messages.empty());
}

// With the walls above and below taken from the wall, J = t^3 b / 12 is no
// typed value: walls whose J passes the J field's 10^8 cm4 are taken and
// calculated. Walls of their own keep the field's range.
TEST_F(Session, JointWallsTakenFromTheWallHoldNoTypedLimit)
{
    ProjectSession s;
    ASSERT_TRUE(s.setCase(ccWallVerticalContinuous));
    ASSERT_EQ(v(s.current().Input.IdentyczneParametryScian), 1);
    const struct {
        double b, t, J;
    } walls[] = {
        {1000, 110, 110.0 * 110 * 110 * 1000 / 12}, // 1.11e11 cm4
        {500, 135, 135.0 * 135 * 135 * 500 / 12},   // 1.03e11 cm4
        {130, 210, 210.0 * 210 * 210 * 130 / 12},   // 1.00e11 cm4
    };
    for (const auto& w : walls) {
        // N_0d of 0.5 MPa over the section, above the continuous model's 0.25 MPa.
        const double N = 500 * w.b / 100 * w.t / 100;
        for (const char* name : {"l1", "t1a", "Nod1"}) {
            const TNumericField& f = *FindNumericField(name);
            const double value = name[0] == 'l' ? w.b : name[0] == 't' ? w.t : N;
            EXPECT_NE(s.storeEdit([&](TProjectElement& e) { StoreNumericField(e.Input, f, value); }),
                      ProjectSession::TStore::Refused)
                << name << " " << value;
        }
        const TCalcInput& in = s.current().Input;
        EXPECT_EQ(v(in.t), w.t);
        EXPECT_DOUBLE_EQ(v(in.J2), w.J);
        EXPECT_DOUBLE_EQ(v(in.J5), w.J);
        EXPECT_EQ(v(s.results().Error), 0) << w.t;
        EXPECT_NE(s.verdict(), TVerdict::Error) << w.t;
    }
    EXPECT_TRUE(messages.messages.empty());

    // Walls of their own: the wall's J stays, a J typed above 10^8 cm4 is
    // refused with its name, limit and unit, and one a file brings is no verdict.
    ASSERT_NE(s.storeEdit([](TProjectElement& e) { SetIdenticalJointWalls(e.Input, false); }),
              ProjectSession::TStore::Refused);
    const TNumericField& J2 = *FindNumericField("J2");
    EXPECT_EQ(s.storeEdit([&](TProjectElement& e) { StoreNumericField(e.Input, J2, 1.5e8); }),
              ProjectSession::TStore::Refused);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Wartość spoza zakresu.\r"
                                             "moment bezwładności ściany górnej J_2 = 150000000,0 cm⁴\r"
                                             "Wartość maksymalna: 100000000,0 cm⁴");
    s.editCurrent([](TProjectElement& e) { e.Input.J2 = e.Input.J5 = 5000; });
    EXPECT_EQ(v(s.results().Error), 0);
    s.editCurrent([](TProjectElement& e) { e.Input.J5 = 1.5e8; });
    EXPECT_EQ(v(s.results().Error), ceInvalidInput);
    EXPECT_EQ(s.verdict(), TVerdict::Error);
}

// A file whose f_b lies above the largest of its list (a damaged or foreign
// file): opened as it is, no verdict, and saved again byte for byte.
TEST_F(Session, AFileStrengthAboveItsListIsNoVerdict)
{
    ProjectSession s;
    s.editCurrent([](TProjectElement& e) {
        e.Input.Nod = 1.0;
        e.Input.fb = 99999999;
    });
    EXPECT_EQ(s.verdict(), TVerdict::Error);
    ASSERT_TRUE(s.save(dir.file("fb.clcm")).ok());

    ProjectSession t;
    ASSERT_TRUE(t.open(dir.file("fb.clcm")).ok());
    EXPECT_EQ(v(t.current().Input.fb), 99999999.0);
    EXPECT_EQ(t.verdict(), TVerdict::Error);
    EXPECT_EQ(v(t.results().Error), ceInvalidInput);
    ASSERT_TRUE(t.save(dir.file("fb2.clcm")).ok());
    EXPECT_EQ(ReadFileBytes(dir.file("fb2.clcm")), ReadFileBytes(dir.file("fb.clcm")));

    // At the limit, 75 MPa, the wall has its verdict again.
    t.editCurrent([](TProjectElement& e) { e.Input.fb = 75; });
    EXPECT_EQ(t.verdict(), TVerdict::Satisfied);
}

TEST_F(Session, WithRecalculationOffNothingIsCalculated)
{
    int asked = 0;
    ProjectSession s({}, [&asked](const TProjectElement&) {
        ++asked;
        return true;
    });
    EXPECT_EQ(asked, 1);
    const double area = s.results().A;
    const TTraceLines trace = s.trace();

    s.setRecalculation(false);
    EXPECT_EQ(s.verdict(), TVerdict::ExceededOrNotCalculated);
    s.editCurrent([](TProjectElement& e) { e.Input.t = 0; }); // would be an error
    EXPECT_EQ(s.verdict(), TVerdict::ExceededOrNotCalculated);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(s.results().A, area);
    EXPECT_TRUE(s.trace() == trace);

    s.editCurrent([](TProjectElement& e) { e.Input.t = 38.0; });
    s.setRecalculation(true);
    EXPECT_EQ(asked, 2);
    EXPECT_NEAR(s.results().A, 0.38 * 1.30, 1e-12);
}

// --- printing -------------------------------------------------------------------------

TEST_F(Session, CalculatingAnotherElementLeavesTheCurrentResults)
{
    ProjectSession s;
    s.addElement("Słup", "", ccColumn);
    s.editCurrent([](TProjectElement& e) {
        e.Input.t = 38.0;
        e.Input.t2 = 51.0;
    });
    s.setCurrent(0);
    const double area = s.results().A;
    ASSERT_NEAR(area, 0.27 * 1.30, 1e-12);
    const TTraceLines trace = s.trace();
    const TVerdict verdict = s.verdict();
    s.setRecalculation(false); // printing reads elements whatever the toggle

    TCalcResults r;
    ASSERT_TRUE(s.CalculateElement(1, r));
    EXPECT_EQ(v(r.Error), 0);
    EXPECT_NEAR(r.A, 0.38 * 0.51, 1e-12); // the column's section
    EXPECT_EQ(s.results().A, area);
    EXPECT_TRUE(s.trace() == trace);
    EXPECT_EQ(s.verdict(), TVerdict::ExceededOrNotCalculated);
    s.setRecalculation(true);
    EXPECT_EQ(s.verdict(), verdict);

    EXPECT_FALSE(s.CalculateElement(2, r));
    EXPECT_FALSE(s.CalculateElement(-1, r));

    TProjectElement copy;
    ASSERT_TRUE(s.GetElementRecord(1, copy));
    EXPECT_EQ(bytesOf(copy), bytesOf(s.element(1)));
    const std::string before = bytesOf(copy);
    EXPECT_FALSE(s.GetElementRecord(2, copy));
    EXPECT_EQ(bytesOf(copy), before);
}

TEST_F(Session, SavedFigureSizesAreTheDefaultsOfTheNextProject)
{
    ProjectSession s;
    TFigureSizes sizes = {12, 9, 14, 7.5, 10, 8, 16, 10, 9.5, 11};
    s.SaveCalcSettings(sizes);
    EXPECT_EQ(store.readString(SettingsKey::Program, AdvancedSection, "Rys2 Y").value_or(""),
              FormatFixed(1, 7.5));
    EXPECT_EQ(FigureSizesOf(s.header()), (TFigureSizes{10, 8, 10, 8, 12.5, 8, 10, 8, 10, 8}));
    s.newProject();
    EXPECT_EQ(FigureSizesOf(s.header()), sizes);
}

TEST_F(Session, FigureSizesFromTheSettingsAreBroughtIntoTheirRange)
{
    // The advanced print options take 3.0 to 20.0 cm; a size stored outside
    // (or no number, read as 0) reaches a new project at the nearer bound.
    store.writeString(SettingsKey::Program, AdvancedSection, "Rys1 Y", "0,5");
    store.writeString(SettingsKey::Program, AdvancedSection, "Rys2 X", "1000000");
    store.writeString(SettingsKey::Program, AdvancedSection, "Rys2 Y", "-7");
    store.writeString(SettingsKey::Program, AdvancedSection, "Rys3 X", "20,0");
    store.writeString(SettingsKey::Program, AdvancedSection, "Rys3 Y", "3,0");
    store.writeString(SettingsKey::Program, AdvancedSection, "Rys4 X", "20,1");
    store.writeString(SettingsKey::Program, AdvancedSection, "Rys5 Y", "1e400");
    ProjectSession s;
    const TFigureSizes expected{10, 3, 20, 3, 20, 3, 20, 8, 10, 3};
    EXPECT_EQ(FigureSizesOf(s.header()), expected);
    s.newProject();
    EXPECT_EQ(FigureSizesOf(s.header()), expected);
}

// --- self weights ----------------------------------------------------------------

namespace {

// The first line of `lines` holding `key`, or "" when none does.
template <typename Lines>
std::string LineWith(const Lines& lines, std::string_view key)
{
    for (std::string_view l : lines)
        if (l.find(key) != std::string_view::npos) return std::string(l);
    return {};
}

// The weight the check used, as its trace states it, and the weight the
// input report prints, of the current element.
struct ShownWeights {
    std::string used, printed;
};

ShownWeights WeightsOf(ProjectSession& s)
{
    s.setTraceRead(true);
    ShownWeights w;
    w.used = LineWith(s.trace(), "G_s =");
    auto sheet = std::make_unique<TReportSheet>();
    BuildInputReport(10, 20, 30, s.current().Input, s.results(), *sheet);
    std::vector<std::string> texts;
    for (int i = 1; i <= sheet->Count; ++i) texts.push_back(orvtest::Shown(sheet->Line(i).text()));
    w.printed = LineWith(texts, "G%Ds%N = ");
    return w;
}

bool Holds(const std::string& line, const std::string& value) { return line.find(value) != std::string::npos; }

} // namespace

// A new element's weights are those of its own dimensions and density
// (rho 27 kN/m3, gamma_f 1.1): stored, used by the check and printed alike.
TEST_F(Session, ANewElementOfEveryCaseStoresThePrintedWeightItsCheckUses)
{
    // Walls t 27, b 130, h 300 cm: G_s = 27 x 1.1 x 3.0 x 0.27 x 1.30 = 31.274 kN,
    // per metre 24.057 kN/m, column 27 x 25 cm: 6.014 kN. The plate (case 2)
    // is 25 x 300 cm, the basement wall (case 4) 260 cm high.
    const struct {
        int calcCase;
        double Gs, Gs_mb, Gs_s;
        const char* shown; // in trace and report; "" where the case uses none
    } cases[] = {
        {ccWallVerticalHinged, 31.2741, 24.057, 6.01425, "31,27"},
        {ccWallVerticalContinuous, 31.2741, 24.057, 6.01425, "31,27"},
        {ccWallHorizontal, 66.825, 22.275, 5.56875, ""},
        {ccConcentratedLoad, 31.2741, 24.057, 6.01425, ""},
        {ccBasementWall, 27.10422, 20.8494, 5.21235, "20,85"},
        {ccColumn, 31.2741, 24.057, 6.01425, "6,01"},
    };
    ProjectSession s;
    EXPECT_NEAR(v(s.current().Input.Gs), 31.2741, 1e-9);
    EXPECT_TRUE(Holds(WeightsOf(s).used, "31,27")) << WeightsOf(s).used;
    EXPECT_TRUE(Holds(WeightsOf(s).printed, "31,27 kN")) << WeightsOf(s).printed;
    // N_2d = N_0d + G_s of the external wall: 281.2 + 31.274
    EXPECT_NEAR(v(s.results().N_2d), 312.4741, 1e-9);

    for (const auto& c : cases) {
        s.addElement("Element", "", c.calcCase);
        const TCalcInput& in = s.current().Input;
        EXPECT_NEAR(v(in.Gs), c.Gs, 1e-9) << c.calcCase;
        EXPECT_NEAR(v(in.Gs_mb), c.Gs_mb, 1e-9) << c.calcCase;
        EXPECT_NEAR(v(in.Gs_s), c.Gs_s, 1e-9) << c.calcCase;
        EXPECT_EQ(v(s.results().Error), 0) << c.calcCase;
        if (*c.shown == 0) continue;
        const ShownWeights w = WeightsOf(s);
        EXPECT_TRUE(Holds(w.used, c.shown)) << c.calcCase << ": " << w.used;
        EXPECT_TRUE(Holds(w.printed, c.shown)) << c.calcCase << ": " << w.printed;
    }
}

// Whatever changes a dimension or the density, the stored weights follow
// while they are computed; an entered weight stays as entered.
TEST_F(Session, ComputedWeightsFollowEveryChangeAndEnteredOnesStay)
{
    ProjectSession s;
    // A dialog handing back a height of 250 cm: 27 x 1.1 x 2.5 x 0.27 x 1.3 = 26.062 kN.
    s.editCurrent([](TProjectElement& e) { e.Input.h = 250; });
    EXPECT_NEAR(v(s.current().Input.Gs), 26.061750, 1e-9);
    EXPECT_NEAR(v(s.current().Input.Gs_s), 5.011875, 1e-9);
    EXPECT_TRUE(Holds(WeightsOf(s).printed, "26,06 kN"));
    // A density from a table: 18 x 1.1 x 2.5 x 0.27 x 1.3 = 17.375 kN.
    EXPECT_EQ(s.storeEdit([](TProjectElement& e) { e.Input.ro_muru = 18; }), ProjectSession::TStore::Stored);
    EXPECT_NEAR(v(s.current().Input.Gs), 17.3745, 1e-9);
    EXPECT_TRUE(Holds(WeightsOf(s).used, "17,37"));

    // A computed weight outside its field's range is refused with the edit:
    // 100 x 100 m of wall 2.5 m high weigh 18 x 1.1 x 2.5 x 10^4 = 495,000 kN.
    EXPECT_EQ(s.storeEdit([](TProjectElement& e) { e.Input.t = e.Input.l = 10000; }),
              ProjectSession::TStore::Refused);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_NE(messages.messages[0].headline.find("ciężar własny ściany G_s = 495000,00 kN"), std::string::npos)
        << messages.messages[0].headline;
    EXPECT_EQ(v(s.current().Input.l), 130.0);

    // Entered: the weight stays whatever the dimensions do.
    s.storeEdit([](TProjectElement& e) {
        SetSelfWeightMode(e.Input, false);
        StoreNumericField(e.Input, *FindNumericField("Gs1"), 1.23);
    });
    s.editCurrent([](TProjectElement& e) { e.Input.h = 300; });
    EXPECT_EQ(v(s.current().Input.Gs), 1.23);
    EXPECT_TRUE(Holds(WeightsOf(s).used, "1,23"));
    EXPECT_TRUE(Holds(WeightsOf(s).printed, "1,23 kN"));
}

// A computed weight is held to the range of the field that shows it, as an
// entered one: beyond it (a file's or a dialog's dimensions) there is no verdict.
TEST_F(Session, AComputedWeightBeyondItsFieldGivesNoVerdict)
{
    ProjectSession s;
    // 100 x 100 m of wall 3 m high: 27 x 1.1 x 3 x 10^4 = 891,000 kN > 200,000 kN.
    s.editCurrent([](TProjectElement& e) { e.Input.t = e.Input.l = 10000; });
    EXPECT_EQ(v(s.results().Error), ceInvalidInput);
    EXPECT_EQ(s.verdict(), TVerdict::Error);
    // The pier: 27 x 1.1 x 3 x 100 x 30 = 267,300 kN.
    s.addElement("Słup", "", ccColumn);
    EXPECT_EQ(v(s.results().Error), 0);
    s.editCurrent([](TProjectElement& e) { e.Input.t = 10000; e.Input.t2 = 3000; });
    EXPECT_EQ(v(s.results().Error), ceInvalidInput);
    // Entered, the weight's own value is what counts.
    s.editCurrent([](TProjectElement& e) {
        e.Input.wylicz_Gs = 0;
        e.Input.Gs_s = 100;
    });
    EXPECT_EQ(v(s.results().Error), 0);
}

// A file whose computed weights differ from its dimensions (another
// program's, an older one's) opens with the weights the check uses, marked
// modified, and is saved with them; one in step opens unmodified.
TEST_F(Session, AFileWithStaleWeightsOpensWithTheWeightsItsCheckUses)
{
    ProjectSession s;
    s.addElement("Ściana wpisana", "", ccWallVerticalHinged);
    s.storeEdit([](TProjectElement& e) {
        SetSelfWeightMode(e.Input, false);
        StoreNumericField(e.Input, *FindNumericField("Gs1"), 1.23);
    });
    s.addElement("Słup", "", ccColumn);
    ASSERT_TRUE(s.save(dir.file("w.clcm")).ok());
    const std::string good = ReadFileBytes(dir.file("w.clcm"));

    ProjectSession t;
    ASSERT_TRUE(t.open(dir.file("w.clcm")).ok());
    EXPECT_FALSE(t.modified());
    ASSERT_TRUE(t.save(dir.file("w2.clcm")).ok());
    EXPECT_EQ(ReadFileBytes(dir.file("w2.clcm")), good);

    // Stale weights 1.23 kN in the computed wall and column: only those are brought in step.
    std::string stale = good;
    const double wrong = 1.23;
    const std::size_t in = offsetof(TProjectElement, Input);
    std::memcpy(stale.data() + in + offsetof(TCalcInput, Gs), &wrong, 8);
    std::memcpy(stale.data() + 2 * sizeof(TProjectElement) + in + offsetof(TCalcInput, Gs_s), &wrong, 8);
    WriteFileBytes(dir.file("stale.clcm"), stale);
    ASSERT_TRUE(t.open(dir.file("stale.clcm")).ok());
    EXPECT_TRUE(t.modified());
    EXPECT_EQ(allBytes(t), good.substr(0, 3 * sizeof(TProjectElement)));
    ASSERT_TRUE(t.setCurrent(0));
    EXPECT_TRUE(Holds(WeightsOf(t).used, "31,27"));
    EXPECT_TRUE(Holds(WeightsOf(t).printed, "31,27 kN"));
    EXPECT_NEAR(v(t.results().N_2d), 312.4741, 1e-9);
    ASSERT_TRUE(t.setCurrent(2));
    EXPECT_TRUE(Holds(WeightsOf(t).used, "6,01"));
    EXPECT_TRUE(Holds(WeightsOf(t).printed, "6,01 kN"));
    // The entered weight stays.
    ASSERT_TRUE(t.setCurrent(1));
    EXPECT_EQ(v(t.current().Input.Gs), 1.23);
    EXPECT_TRUE(Holds(WeightsOf(t).used, "1,23"));
    // Saved, the file is the one in step.
    ASSERT_TRUE(t.save(dir.file("mended.clcm")).ok());
    const std::string mended = ReadFileBytes(dir.file("mended.clcm"));
    EXPECT_EQ(mended.substr(12), good.substr(12)); // but for the stored current index

    // Opened as untitled, the weights are brought in step as well.
    ASSERT_TRUE(t.openAsUntitled(dir.file("stale.clcm"), "Przykład").ok());
    EXPECT_EQ(allBytes(t), good.substr(0, 3 * sizeof(TProjectElement)));
}

// --- file routines that report instead of showing ----------------------------------

TEST(FileStatus, ProjectFilesReportWithoutAMessageBox)
{
    ScratchDir dir;
    MessageRecorder messages;
    TElementList els(2);
    for (TProjectElement& e : els) {
        std::memset(&e, 0, sizeof e);
        InitElementRecord(e.Input);
        InitLoadCompilation(e.Loads);
    }
    els[1].Name.set("Druga");
    const std::string before = bytesOf(els[0]);
    ASSERT_TRUE(SaveProjectFile(dir.file("p.clcm"), els, 2, 1, {"a", "b"}).ok());
    EXPECT_EQ(bytesOf(els[0]), before); // the caller's records are not stamped
    const std::string good = ReadFileBytes(dir.file("p.clcm"));
    ASSERT_EQ(good.size(), 2 * sizeof(TProjectElement) + 4);

    TElementList back;
    std::vector<std::string> comments;
    ASSERT_TRUE(LoadProjectFile(dir.file("p.clcm"), back, comments).ok());
    EXPECT_EQ(back.size(), 2u);
    EXPECT_EQ(v(back[0].Current), 1);
    EXPECT_EQ(comments, (std::vector<std::string>{"a", "b"}));

    std::string wrong = good;
    wrong[2] = ','; // no version text
    WriteFileBytes(dir.file("w.clcm"), wrong);
    WriteFileBytes(dir.file("t.clcm"), good.substr(0, sizeof(TProjectElement) + 10));
    back.clear();
    comments = {"bez zmian"};
    TFileResult r = LoadProjectFile(dir.file("w.clcm"), back, comments);
    EXPECT_EQ(r.status, TFileStatus::WrongVersion);
    EXPECT_EQ(r.message, "Plik w.clcm nie jest plikiem utworzonym przez ten program!");
    r = LoadProjectFile(dir.file("t.clcm"), back, comments);
    EXPECT_EQ(r.status, TFileStatus::ReadFailed);
    EXPECT_EQ(r.headline, "Błąd odczytu pliku!");
    EXPECT_EQ(r.message, "t.clcm");
    r = LoadProjectFile(dir.file("n.clcm"), back, comments);
    EXPECT_EQ(r.status, TFileStatus::NotFound);
    EXPECT_TRUE(back.empty());
    EXPECT_EQ(comments, (std::vector<std::string>{"bez zmian"}));

    WriteFileBytes(dir.file("plik"), "x");
    r = SaveProjectFile(dir.file("plik") + "/p.clcm", els, 2, 0, {});
    EXPECT_EQ(r.status, TFileStatus::WriteFailed);
    EXPECT_EQ(r.headline, "Błąd zapisu pliku!");
    EXPECT_EQ(r.message, "p.clcm");
    EXPECT_EQ(SaveProjectFile(dir.file("r.clcm"), els, 3, 0, {}).status, TFileStatus::WriteFailed);
    EXPECT_FALSE(std::filesystem::exists(dir.file("r.clcm")));
    EXPECT_TRUE(messages.messages.empty());

    // The showing routine shows exactly the reported texts.
    EXPECT_FALSE(ReadProjectFile(comments, dir.file("t.clcm"), back));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Błąd odczytu pliku!");
    EXPECT_EQ(messages.messages[0].text, "t.clcm");
    EXPECT_EQ(messages.messages[0].type, mdError);
}

TEST(FileStatus, StoreyFilesReportWithoutAMessageBox)
{
    ScratchDir dir;
    MessageRecorder messages;
    auto l = std::make_unique<TLoadCompilation>();
    std::memset(l.get(), 0, sizeof *l);
    InitLoadCompilation(*l);
    l->F_dach = 12.5;
    ASSERT_TRUE(SaveStoreyFile(dir.file("dach.txt"), *l).ok());
    const std::string good = ReadFileBytes(dir.file("dach.kond"));
    ASSERT_EQ(good.size(), StoreyFileSize);

    auto back = std::make_unique<TLoadCompilation>();
    std::memset(back.get(), 0, sizeof *back);
    ASSERT_TRUE(LoadStoreyFile(dir.file("dach.kond"), *back).ok());
    EXPECT_EQ(v(back->F_dach), 12.5);

    std::string project = good;
    project[3] = '3'; // "01.3": a project file's version
    WriteFileBytes(dir.file("p.kond"), project);
    WriteFileBytes(dir.file("t.kond"), good.substr(0, 100));
    back->F_dach = 0;
    TFileResult r = LoadStoreyFile(dir.file("p.kond"), *back);
    EXPECT_EQ(r.status, TFileStatus::WrongVersion);
    EXPECT_EQ(r.headline, "Błąd odczytu pliku!");
    EXPECT_EQ(r.message, "Plik p.kond nie jest plikiem utworzonym przez ten program!");
    r = LoadStoreyFile(dir.file("t.kond"), *back);
    EXPECT_EQ(r.status, TFileStatus::ReadFailed);
    EXPECT_EQ(r.message, "t.kond");
    r = LoadStoreyFile(dir.file("n.kond"), *back);
    EXPECT_EQ(r.status, TFileStatus::NotFound);
    EXPECT_EQ(r.headline, "Brak pliku!");
    EXPECT_EQ(v(back->F_dach), 0.0);

    WriteFileBytes(dir.file("plik"), "x");
    r = SaveStoreyFile(dir.file("plik") + "/a.txt", *l);
    EXPECT_EQ(r.status, TFileStatus::WriteFailed);
    EXPECT_EQ(r.headline, "Błąd zapisu pliku!");
    EXPECT_EQ(r.message, "a.kond");
    EXPECT_TRUE(messages.messages.empty());
}

// A large project opened once is not carried on: after a small one, or a
// new project, the session holds storage for about that one, while a
// project opened again still reads into the storage its last open left.
TEST_F(Session, ALargeProjectIsNotHeldOnceASmallOneReplacesIt)
{
    ProjectSession s;
    for (int i = 1; i < 200; ++i) s.addElement("Ściana", "", ccWallVerticalHinged);
    ASSERT_TRUE(s.save(dir.file("large.clcm")).ok());
    ProjectSession small;
    ASSERT_TRUE(small.save(dir.file("small.clcm")).ok());

    ProjectSession t;
    ASSERT_TRUE(t.open(dir.file("large.clcm")).ok());
    ASSERT_TRUE(t.open(dir.file("large.clcm")).ok());
    EXPECT_GE(t.heldRecords(), 400u);  // the open one and its spare
    ASSERT_TRUE(t.open(dir.file("small.clcm")).ok());
    EXPECT_EQ(t.count(), 1);
    EXPECT_LE(t.heldRecords(), 100u);
    ASSERT_TRUE(t.open(dir.file("large.clcm")).ok());
    t.newProject();
    EXPECT_LE(t.heldRecords(), 100u);
}
