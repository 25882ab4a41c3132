// The calculation trace window "Podgląd toku obliczeń": the trace lines of
// the last check in a read-only text, on top of the other windows. Closing
// it only hides it.
#pragma once

#include <QWidget>

#include <functional>

#include "core/MyUtils.h"
#include "core/ZunCalc.h"

class QAction;
class QMenu;
class QPlainTextEdit;

namespace orv {

class TCalculateSts : public QWidget {
    Q_OBJECT
public:
    explicit TCalculateSts(QWidget* parent = nullptr);

    // The trace the window shows (not owned; it must outlive the window or
    // be replaced). nullptr shows the initial text.
    void setTraceLines(const TTraceLines* lines);
    // Told true when the window is shown (before its lines are shown) and
    // false when it is hidden: the trace is built only while it is read.
    void setReaderHook(std::function<void(bool reading)> hook) { readerHook_ = std::move(hook); }
    // Shows the current lines of the trace; while the window is hidden the
    // text is brought up to date when it is shown next.
    void refresh();
    // The memo's font from "FontName PW" and "FontSize PW" (half the stored size).
    void applyStoredFont();
    // The font dialog of the editor library; the font is read again when it
    // was confirmed.
    void Czcionka1Click();

    QPlainTextEdit* memo() const { return Memo1; }
    QMenu* popupMenu() const { return PopupMenu1; }
    // Prepares the context menu: "Kopiuj" only with a selection.
    void PopupMenu1Popup();

    // Minimising rolls the window up to its caption bar (it never goes to
    // the task bar), maximising unrolls it to the height it had before.
    bool rolledUp() const { return rolled_; }
    void rollUp();
    void rollDown();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showLines();
    void swapTitleButtons(bool rolled);

    QPlainTextEdit* Memo1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Kopiuj1 = nullptr;
    QAction* Zaznaczwszystko1 = nullptr;
    QAction* Czcionka1 = nullptr;
    const TTraceLines* lines_ = nullptr;
    std::function<void(bool)> readerHook_;
    bool stale_ = false;
    bool placed_ = false;
    bool rolled_ = false;
    int fullHeight_ = 0;
    TPoint fontPlace_{-1, -1};
};

} // namespace orv
