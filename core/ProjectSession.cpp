#include "core/ProjectSession.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <filesystem>

#include "core/MessageService.h"
#include "core/MyUtils.h"
#include "core/ZunEditor.h"
#include "core/ZunProject.h"
#include "core/ZunRtf.h"
#include "core/ZunSlabs.h"

namespace orv {

namespace {

bool sameBytes(const void* a, const void* b, std::size_t size) { return std::memcmp(a, b, size) == 0; }

bool sameFile(const std::string& a, const std::string& b)
{
    std::error_code ec;
    return a == b || std::filesystem::equivalent(a, b, ec);
}

// Whether the user lets a save replace a file whose comment was cut.
bool mayWriteCutComment(const std::string& fileName)
{
    const std::string text = "Komentarz projektu został przy odczycie pliku " + ExtractFileName(fileName) +
                             " obcięty. Zapisanie projektu w tym pliku usunie z niego niewczytaną część "
                             "komentarza.\n\nCzy mimo to zapisać projekt?";
    return ShowMessageDialog("Komentarz projektu obcięty", text, mdWarning, mbYes | mbNo) == mrYes;
}

void showCutNotice(const TFileResult& r)
{
    if (!r.cutNotice.empty()) ShowMessageDialog("Komentarz projektu obcięty", r.cutNotice, mdWarning, mbOK);
}

} // namespace

ProjectSession::ProjectSession(SlabStartHook slabStart, InputsSelectable selectable)
    : edit_(std::make_unique<TProjectElement>()),
      slabStart_(std::move(slabStart)),
      selectable_(std::move(selectable))
{
    trace_.setRead(false);
    workTrace_.setRead(false);
    elements_.resize(1);
    InitElementDefaults(elements_[0], ccWallVerticalHinged);
    RecalculateElement();
}

ProjectSession::~ProjectSession() = default;

void ProjectSession::setSlabStartHook(SlabStartHook hook) { slabStart_ = std::move(hook); }
void ProjectSession::setInputsSelectable(InputsSelectable predicate) { selectable_ = std::move(predicate); }

void ProjectSession::addObserver(IProjectObserver* observer)
{
    if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
        observers_.push_back(observer);
}

void ProjectSession::removeObserver(IProjectObserver* observer)
{
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

// An observer may remove itself or another one while being told.
template <typename Fn>
void ProjectSession::notify(Fn fn)
{
    const std::vector<IProjectObserver*> told = observers_;
    for (IProjectObserver* o : told)
        if (std::find(observers_.begin(), observers_.end(), o) != observers_.end()) fn(*o);
}

void ProjectSession::changeModified(bool modified)
{
    if (modified_ == modified) return;
    modified_ = modified;
    notify([modified](IProjectObserver& o) { o.modifiedChanged(modified); });
}

void ProjectSession::setModified(bool modified) { changeModified(modified); }

// The defaults of a new element: the record defaults, the header of a new
// project, the modulus of the walls above and below from the unit, and the
// values a new element is shown with.
void ProjectSession::InitElementDefaults(TProjectElement& e, int calcCase)
{
    std::memset(&e, 0, sizeof e);
    e.Name.set("Element 1");

    std::string author;
    ReadDefaultName(author);
    InitProjectHeader(author, e.Header);
    TFigureSizes sizes;
    ReadAdvancedSettings(SettingsKey::Program, sizes);
    SetFigureSizes(e.Header, sizes);

    TCalcInput& in = e.Input;
    InitElementRecord(in);
    const f64 E = MasonryModulusE(static_cast<int>(in.RodzajElementuM), static_cast<int>(in.KlasaZaprawy),
                                  static_cast<int>(in.RodzajZaprawy), in.fb) / 1e9;
    in.E2 = E;
    in.E5 = E;
    in.beton = 5;
    in.ro_muru_text.set("stałe@@Tabela@@5@@0@@poz@@18@@_HLB@@000@@H0@@100@@A0@@3000@@B0@@3000@@M@@100@@000");
    in.ro_muru = 27.0;
    in.Nod = 281.2;
    in.l = 130.0;
    in.Sily[0].NSd = 126.5;
    in.N0_mb = 356.23;
    in.t = 27.0;
    in.Case = static_cast<u8>(std::clamp(calcCase, 0, CalcCaseCount - 1));
    // A plate the coefficient tables cover (t up to 25 cm, h / b up to 2) and
    // a basement wall that Annex A allows (h up to 260 cm).
    if (in.Case == ccWallHorizontal) {
        in.t = 25.0;
        in.l = 300.0;
    }
    if (in.Case == ccBasementWall) in.h = 260.0;

    // Slabs: the first block from the slab library when there is one, the
    // others its copies, each with the wall's span and its own thickness.
    if (slabStart_) {
        std::array<double, 20> start{};
        if (slabStart_(start)) std::memcpy(in.SlabData[0], start.data(), sizeof in.SlabData[0]);
    }
    for (int k = 1; k < 6; ++k) std::memcpy(in.SlabData[k], in.SlabData[0], sizeof in.SlabData[k]);
    const f64 span = in.l;
    const f64 wallThickness = in.t;
    for (int k = 0; k < 6; ++k) {
        in.SlabData[k][3] = span;
        in.SlabData[k][5] = (k == 0 || k == 3) ? wallThickness : 20.0;
    }
    // Each slab record as its dialog confirms it unchanged, J = b d^3 / 12 of
    // its width and thickness, named by that thickness; the joint's slabs
    // take their records' J.
    for (TSlabRecord& s : in.Stropy) {
        std::memcpy(s.Data, in.SlabData[1], sizeof s.Data);
        if (!(s.Width > 0)) s.Width = DefaultSlabWidth;
        s.J = SolidSlabJ(s.Width, s.Data[5]);
    }
    in.Stropy[0].Nazwa.set(SolidSlabName(in.Stropy[0].Data[5]));
    in.J3 = in.Stropy[0].J;
    in.J4 = in.Stropy[1].J;
    in.J6 = in.Stropy[2].J;
    in.J7 = in.Stropy[3].J;
    // The identical walls above and below have the wall's own section.
    FollowIdenticalJointWalls(in);
    // The weights of the element's own dimensions and density.
    KeepSelfWeightsInStep(in);

    InitLoadCompilation(e.Loads);
}

void ProjectSession::TakeJointDefaults(TCalcInput& in)
{
    if (in.IdentyczneParametryScian != 1) return;
    FollowIdenticalJointWalls(in);
    SyncJointWallsMasonry(in);
    // J and E of slabs 3, 4, 6 and 7, whose records are Stropy[0..3].
    static constexpr std::size_t kSlabs[4][2] = {
        {offsetof(TCalcInput, J3), offsetof(TCalcInput, E3)},
        {offsetof(TCalcInput, J4), offsetof(TCalcInput, E4)},
        {offsetof(TCalcInput, J6), offsetof(TCalcInput, E6)},
        {offsetof(TCalcInput, J7), offsetof(TCalcInput, E7)},
    };
    // A slab the element has no J or E for (it was never in this model) is
    // the slab of a new element.
    std::unique_ptr<TProjectElement> fresh;
    for (int k = 0; k < 4; ++k) {
        const auto [J, E] = kSlabs[k];
        if (ReadField(in, J) != 0 && ReadField(in, E) != 0) continue;
        if (!fresh) {
            fresh = std::make_unique<TProjectElement>();
            InitElementDefaults(*fresh, ccWallVerticalContinuous);
        }
        const TCalcInput& d = fresh->Input;
        WriteField(in, J, ReadField(d, J));
        WriteField(in, E, ReadField(d, E));
        in.Stropy[k] = d.Stropy[k];
    }
}

void ProjectSession::trimStorage()
{
    const std::size_t room = 2 * elements_.size() + 64;
    if (spare_.capacity() > room) TElementList().swap(spare_);
    if (elements_.capacity() > room) elements_.shrink_to_fit();
}

void ProjectSession::newProject()
{
    elements_.resize(1);
    trimStorage();
    InitElementDefaults(elements_[0], ccWallVerticalHinged);
    current_ = 0;
    fileName_.clear();
    untitledName_.clear();
    commentCutFrom_.clear();
    comments_.clear();
    recalculation_ = true;
    notify([](IProjectObserver& o) { o.projectReplaced(); });
    RecalculateElement();
}

TFileResult ProjectSession::replaceFromFile(const std::string& fileName, bool& weightsChanged)
{
    std::vector<std::string> lines;
    TFileResult r = LoadProjectFile(fileName, elements_, lines, spare_);
    if (!r.ok()) return r;
    trimStorage();

    // Weights stored apart from their dimensions (a file of another program
    // or an older one) become the ones the checks use.
    weightsChanged = false;
    for (TProjectElement& e : elements_)
        if (KeepSelfWeightsInStep(e.Input)) weightsChanged = true;

    comments_.swap(lines);
    commentCutFrom_ = r.cutNotice.empty() ? std::string() : fileName;
    const int stored = elements_[0].Current;
    current_ = std::clamp(stored, 0, count() - 1);
    recalculation_ = true;
    return r;
}

TFileResult ProjectSession::open(const std::string& fileName)
{
    bool weightsChanged = false;
    TFileResult r = replaceFromFile(fileName, weightsChanged);
    if (!r.ok()) return r;
    fileName_ = fileName;
    untitledName_.clear();
    notify([](IProjectObserver& o) { o.projectReplaced(); });
    // Weights brought in step differ from the file, which a save mends.
    changeModified(weightsChanged);
    RecalculateElement();
    showCutNotice(r);
    return r;
}

TFileResult ProjectSession::openAsUntitled(const std::string& fileName, const std::string& name)
{
    bool weightsChanged = false;
    TFileResult r = replaceFromFile(fileName, weightsChanged);
    if (!r.ok()) return r;
    fileName_.clear();
    untitledName_ = name;
    notify([](IProjectObserver& o) { o.projectReplaced(); });
    changeModified(true);
    RecalculateElement();
    showCutNotice(r);
    return r;
}

TFileResult ProjectSession::save(const std::string& fileName)
{
    const bool overCut = !commentCutFrom_.empty() && sameFile(fileName, commentCutFrom_);
    if (overCut && !mayWriteCutComment(fileName)) return TFileResult{TFileStatus::Declined, {}, {}, {}};
    TFileResult r = SaveProjectFile(fileName, elements_, count(), current_, comments_);
    if (!r.ok()) return r;
    if (overCut) commentCutFrom_.clear();

    // Element 0 now matches the stored record.
    TProjectElement& first = elements_[0];
    std::memcpy(first.Version, "01.3", 4);
    first.Count = count();
    first.Current = current_;
    fileName_ = fileName;
    untitledName_.clear();
    changeModified(false);
    return r;
}

void ProjectSession::setComments(const std::vector<std::string>& lines)
{
    if (lines == comments_) return;
    comments_ = lines;
    changeModified(true);
}

void ProjectSession::setHeader(const TProjectHeader& header)
{
    if (sameBytes(&header, &elements_[0].Header, sizeof header)) return;
    elements_[0].Header = header;
    changeModified(true);
}

bool ProjectSession::editCurrent(const std::function<void(TProjectElement&)>& edit)
{
    *edit_ = elements_[current_];
    edit(*edit_);
    KeepSelfWeightsInStep(edit_->Input);
    return takeEdit();
}

bool ProjectSession::takeEdit()
{
    TProjectElement& e = elements_[current_];
    if (sameBytes(edit_.get(), &e, sizeof e)) return false;
    e = *edit_;
    changeModified(true);
    RecalculateElement();
    return true;
}

ProjectSession::TStore ProjectSession::storeEdit(const std::function<void(TProjectElement&)>& edit)
{
    *edit_ = elements_[current_];
    edit(*edit_);
    // Computed weights follow whatever the edit changed, within their fields' ranges.
    KeepSelfWeightsInStep(edit_->Input);
    if (const TNumericField* f = FieldLeftOutOfRange(elements_[current_].Input, edit_->Input)) {
        ShowFieldRangeMessage(edit_->Input, *f);
        return TStore::Refused;
    }
    // A choice that moves a limit past a stored value is taken and said at once.
    TRangeFault moved;
    const bool limitMoved = LimitMovedPastValue(elements_[current_].Input, edit_->Input, moved);
    if (!takeEdit()) return TStore::Unchanged;
    if (limitMoved) ShowLimitMovedMessage(moved);
    return TStore::Stored;
}

bool ProjectSession::setCase(int calcCase)
{
    if (calcCase < 0 || calcCase >= CalcCaseCount) return false;
    TCalcInput& in = elements_[current_].Input;
    if (in.Case == calcCase) return false;
    in.Case = static_cast<u8>(calcCase);
    if (calcCase == ccWallVerticalContinuous) TakeJointDefaults(in);
    KeepSelfWeightsInStep(in);
    changeModified(true);
    RecalculateElement();
    return true;
}

bool ProjectSession::setCurrent(int i)
{
    if (i < 0 || i >= count() || i == current_) return false;
    current_ = i;
    changeModified(true);
    notify([i](IProjectObserver& o) { o.elementShown(i); });
    RecalculateElement();
    return true;
}

int ProjectSession::addElement(const std::string& name, const std::string& description, int calcCase)
{
    elements_.emplace_back();
    TProjectElement& e = elements_.back();
    InitElementDefaults(e, calcCase);
    e.Name.set(name);
    e.Description.set(description);
    current_ = count() - 1;
    const int shown = current_;
    changeModified(true);
    notify([shown](IProjectObserver& o) { o.elementShown(shown); });
    RecalculateElement();
    return shown;
}

bool ProjectSession::deleteElement(int i)
{
    if (count() <= 1 || i < 0 || i >= count()) return false;
    const TProjectHeader header = elements_[0].Header;
    elements_.erase(elements_.begin() + i);
    elements_[0].Header = header;
    if (i < current_) --current_;
    current_ = std::min(current_, count() - 1);
    const int shown = current_;
    changeModified(true);
    notify([shown](IProjectObserver& o) { o.elementShown(shown); });
    RecalculateElement();
    return true;
}

int ProjectSession::copyElement(int i, const std::string& name, const std::string& description)
{
    if (i < 0 || i >= count()) return -1;
    const TProjectElement copy = elements_[i];
    elements_.push_back(copy);
    TProjectElement& e = elements_.back();
    e.Name.set(name);
    e.Description.set(description);
    current_ = count() - 1;
    const int shown = current_;
    changeModified(true);
    notify([shown](IProjectObserver& o) { o.elementShown(shown); });
    RecalculateElement();
    return shown;
}

bool ProjectSession::renameElement(int i, const std::string& name, const std::string& description)
{
    if (i < 0 || i >= count()) return false;
    TProjectElement& e = elements_[i];
    e.Name.set(name);
    e.Description.set(description);
    changeModified(true);
    return true;
}

bool ProjectSession::replaceElements(const TElementList& elements, int count, int current)
{
    if (count < 1 || static_cast<std::size_t>(count) > elements.size()) return false;
    const TProjectHeader header = elements_[0].Header;
    elements_.assign(elements.begin(), elements.begin() + count);
    elements_[0].Header = header;
    for (TProjectElement& e : elements_) KeepSelfWeightsInStep(e.Input);
    current_ = std::clamp(current, 0, count - 1);
    notify([](IProjectObserver& o) { o.projectReplaced(); });
    changeModified(true);
    RecalculateElement();
    return true;
}

void ProjectSession::setRecalculation(bool on)
{
    if (recalculation_ == on) return;
    recalculation_ = on;
    RecalculateElement();
}

void ProjectSession::RecalculateElement()
{
    const TProjectElement& e = elements_[current_];
    if (!recalculation_) {
        verdict_ = TVerdict::ExceededOrNotCalculated;
    } else if (selectable_ && !selectable_(e)) {
        verdict_ = TVerdict::Error;
    } else if (CalcElement(trace_, e.Input, results_) > 0) {
        verdict_ = TVerdict::Error;
    } else {
        verdict_ = IsCapacityExceeded(e.Input, results_) ? TVerdict::ExceededOrNotCalculated
                                                         : TVerdict::Satisfied;
    }
    notify([](IProjectObserver& o) { o.resultsChanged(); });
}

void ProjectSession::setTraceRead(bool read)
{
    if (trace_.isRead() == read) return;
    trace_.setRead(read);
    if (!read || !recalculation_) return;
    const TProjectElement& e = elements_[current_];
    if (selectable_ && !selectable_(e)) return;
    TCalcResults results; // the same as results_: the element is unchanged since
    CalcElement(trace_, e.Input, results);
}

bool ProjectSession::GetElementRecord(int i, TProjectElement& element) const
{
    if (i < 0 || i >= count()) return false;
    element = elements_[i];
    return true;
}

bool ProjectSession::CalculateElement(int i, TCalcResults& results)
{
    if (i < 0 || i >= count()) return false;
    CalcElement(workTrace_, elements_[i].Input, results);
    return true;
}

void ProjectSession::SaveCalcSettings(const TFigureSizes& sizes)
{
    WriteAdvancedSettings(SettingsKey::Program, sizes);
}

} // namespace orv
