// The open project: its elements, the current one with its results and
// trace, the file it came from and whether it differs from that file. The
// main window edits the project only through this class; dialogs and
// printing get copies. Standard C++ only; nothing here shows a window, and
// its few messages go through the message service.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/CommonParamsUnit.h"
#include "core/ZunCalc.h"
#include "core/ZunFiles.h"
#include "core/ZunTypes.h"

namespace orv {

// Verdict of the last recalculation of the current element.
enum class TVerdict {
    Error,                   // the check failed or its data are incomplete
    ExceededOrNotCalculated, // a capacity is exceeded, or recalculation is off
    Satisfied,               // every condition is met
};

// Told what changed; each call only when it did change.
class IProjectObserver {
public:
    virtual ~IProjectObserver() = default;
    // Another project (new or opened): elements, names and comment.
    virtual void projectReplaced() {}
    // The current element is another one, or the element list changed
    // (switch, add, delete); `index` is the new current index.
    virtual void elementShown(int index) {}
    // Results, trace or verdict of the current element were recalculated.
    virtual void resultsChanged() {}
    virtual void modifiedChanged(bool modified) {}
};

class ProjectSession {
public:
    // Slab start values of a new element (the maker's slab library): fills
    // the 20 doubles of the first slab block and returns true, or returns
    // false when it has none to give.
    using SlabStartHook = std::function<bool(std::array<double, 20>& block)>;
    // Whether the element's concrete class and steel grade can be offered
    // (the catalogue knows them); without it both always can.
    using InputsSelectable = std::function<bool(const TProjectElement& element)>;

    // A new project of one default element, calculated.
    explicit ProjectSession(SlabStartHook slabStart = {}, InputsSelectable selectable = {});
    ~ProjectSession();
    ProjectSession(const ProjectSession&) = delete;
    ProjectSession& operator=(const ProjectSession&) = delete;

    void setSlabStartHook(SlabStartHook hook);
    void setInputsSelectable(InputsSelectable predicate);

    void addObserver(IProjectObserver* observer);
    void removeObserver(IProjectObserver* observer);

    // --- the project ---------------------------------------------------------
    // One default element, no file name, no comment, recalculation on. The
    // modified flag is left as it is: asking about unsaved changes is the
    // caller's.
    void newProject();
    // Replaces the project by the file's; on failure nothing changes. Self
    // weights computed from the dimensions are brought in step with them;
    // when one differed from the file the project is modified. A comment cut
    // on reading is told at once (the result's cutNotice).
    TFileResult open(const std::string& fileName);
    // Replaces the project by the file's as a new project (an example): no
    // file name, `name` until the first save, modified since it was never
    // saved, so the file read is never written back. On failure nothing changes.
    TFileResult openAsUntitled(const std::string& fileName, const std::string& name);
    // Writes the project; on success the file name is set and the project is
    // no longer modified, on failure nothing changes. Over the file whose
    // comment was cut on reading it asks first; a No writes nothing
    // (TFileStatus::Declined).
    TFileResult save(const std::string& fileName);

    const std::string& fileName() const { return fileName_; }
    // The name of a project opened as untitled, until it is saved; empty
    // otherwise.
    const std::string& untitledName() const { return untitledName_; }
    bool modified() const { return modified_; }
    void setModified(bool modified);
    const std::vector<std::string>& comments() const { return comments_; }
    // Marks the project modified when the lines differ.
    void setComments(const std::vector<std::string>& lines);
    // The project's header, kept in element 0.
    const TProjectHeader& header() const { return elements_[0].Header; }
    // Marks the project modified when the header differs.
    void setHeader(const TProjectHeader& header);

    // --- elements --------------------------------------------------------------
    int count() const { return static_cast<int>(elements_.size()); }
    // Element records the session holds storage for, the open project's and
    // the spare together.
    std::size_t heldRecords() const { return elements_.capacity() + spare_.capacity(); }
    int currentIndex() const { return current_; }
    const TProjectElement& current() const { return elements_[current_]; }
    // Element i, 0 <= i < count().
    const TProjectElement& element(int i) const { return elements_[i]; }

    // Applies `edit` to the current element. When it changed anything the
    // project is marked modified, the element recalculated and true returned;
    // an edit that changes nothing does neither.
    bool editCurrent(const std::function<void(TProjectElement&)>& edit);
    // A store of the element editor (a typed value, a button, a dialog, a
    // library and the steps that follow them): as editCurrent, but refused
    // whole when it would leave a field of the editor's table outside that
    // field's range; the field's range message is shown then.
    enum class TStore { Unchanged, Stored, Refused };
    TStore storeEdit(const std::function<void(TProjectElement&)>& edit);
    // A user's choice of design case (0..5): stored, modified, recalculated
    // when it differs from the element's. Into the continuous model, with
    // the joint walls identical to the wall, these take the wall's E and J
    // and a slab without J or E the slab of a new element.
    bool setCase(int calcCase);
    // Makes element i current (modified, since the index is stored, and
    // recalculated); false for the current index or one out of range.
    bool setCurrent(int i);
    // Appends a default element of the given name, description and case and
    // makes it current; returns its index.
    int addElement(const std::string& name, const std::string& description, int calcCase);
    // Removes element i; the project header stays with the project. Refused
    // (false) for the only element or an index out of range.
    bool deleteElement(int i);
    // Appends a whole copy of element i (its header and load compilation
    // included) under the given name and description and makes it current;
    // returns its index, or -1 (nothing done) for an index out of range.
    int copyElement(int i, const std::string& name, const std::string& description);
    // Gives element i a new name and description; the project is marked
    // modified, nothing is recalculated. False for an index out of range.
    bool renameElement(int i, const std::string& name, const std::string& description);
    // The element list rebuilt elsewhere (the element manager): the first
    // `count` elements of `elements` become the project, `current` (clamped)
    // the current one; the project header stays with the project, in element
    // 0. Refused (false) for a count below 1 or above the elements given.
    bool replaceElements(const TElementList& elements, int count, int current);

    // --- recalculation -----------------------------------------------------------
    bool recalculation() const { return recalculation_; }
    // The toggle "Przeliczanie"; switching recalculates.
    void setRecalculation(bool on);
    // Recalculates the current element: with the toggle off nothing is
    // calculated (the old results stay) and the verdict is
    // ExceededOrNotCalculated; data that cannot be offered give Error.
    // Always tells the observers.
    void RecalculateElement();
    TVerdict verdict() const { return verdict_; }
    const TCalcResults& results() const { return results_; }
    const TTraceLines& trace() const { return trace_; }
    // Whether anyone reads the trace (the trace window while it is shown).
    // Without a reader no trace is built and trace() is empty; a new reader
    // gets the current element's trace at once (when recalculation is on).
    bool traceRead() const { return trace_.isRead(); }
    void setTraceRead(bool read);

    // --- for printing ----------------------------------------------------------
    // Copies element i whole; false (nothing copied) for an index out of range.
    bool GetElementRecord(int i, TProjectElement& element) const;
    // Calculates element i by its own case, toggle and selection aside, into
    // `results`; the current element's results and trace stay as they are.
    // False for an index out of range.
    bool CalculateElement(int i, TCalcResults& results);
    // The figure sizes become the defaults of new projects.
    void SaveCalcSettings(const TFigureSizes& sizes);

private:
    // A new element of the case given (0..5), which calculates at once.
    void InitElementDefaults(TProjectElement& e, int calcCase);
    // The joint of an element entering the continuous model (see setCase).
    void TakeJointDefaults(TCalcInput& in);
    void changeModified(bool modified);
    // weightsChanged: a computed self weight differed from the file's.
    TFileResult replaceFromFile(const std::string& fileName, bool& weightsChanged);
    // The work copy into the current element when it differs (modified, recalculated).
    bool takeEdit();
    template <typename Fn>
    void notify(Fn fn);

    TElementList elements_;
    // The storage of the project replaced last, into which the next file is
    // read: a project opened again or one of a like size finds its pages
    // there instead of taking a page fault for each.
    TElementList spare_;
    // Frees storage well beyond what the open project needs, so that a large
    // project opened once is not carried on.
    void trimStorage();
    int current_ = 0;
    std::string fileName_;
    std::string untitledName_;
    // The file whose comment was cut on reading, until the user lets a save
    // replace it; empty when nothing was cut.
    std::string commentCutFrom_;
    bool modified_ = false;
    std::vector<std::string> comments_;
    bool recalculation_ = true;
    TVerdict verdict_ = TVerdict::ExceededOrNotCalculated;
    TCalcResults results_;
    TTraceLines trace_;
    TTraceLines workTrace_;                 // of CalculateElement, never read
    std::unique_ptr<TProjectElement> edit_; // work copy of editCurrent
    SlabStartHook slabStart_;
    InputsSelectable selectable_;
    std::vector<IProjectObserver*> observers_;
};

} // namespace orv
