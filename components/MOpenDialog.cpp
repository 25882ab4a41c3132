#include "components/MOpenDialog.h"

#include <QFileDialog>
#include <QMouseEvent>
#include <QSignalBlocker>

#include <algorithm>

namespace orv {
namespace {

TMOpenDialog::Responder& BoundResponder()
{
    static TMOpenDialog::Responder responder;
    return responder;
}

} // namespace

TMOpenDialog::Responder TMOpenDialog::bindResponder(Responder r)
{
    Responder old = std::move(BoundResponder());
    BoundResponder() = std::move(r);
    return old;
}

bool TMOpenDialog::Execute(QWidget* parent)
{
    if (BoundResponder()) return BoundResponder()(*this);

    QFileDialog dialog(parent, title, initialDir, filter);
    dialog.setAcceptMode(mode_ == Mode::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(mode_ == Mode::Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The dialog adds the extension before its overwrite question, so a
    // name typed without one never replaces another file unasked.
    if (!defaultExt.isEmpty()) dialog.setDefaultSuffix(defaultExt);
    dialog.setViewMode(defaultView == TMOpenDialogView::Report ? QFileDialog::Detail : QFileDialog::List);
    if (!fileName.isEmpty()) dialog.selectFile(fileName);
    if (dialog.exec() != QDialog::Accepted) return false;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return false;
    fileName = files.first();
    return true;
}

TElementTabBar::TElementTabBar(QWidget* parent) : QTabBar(parent)
{
    setExpanding(false);
    setFocusPolicy(Qt::NoFocus);
}

void TElementTabBar::setTabs(const QStringList& texts, int current)
{
    // Every change to a shown tab bar lays all its tabs out again; a hidden
    // one only notes it and lays them out once when it is shown.
    const bool shown = isVisible();
    if (shown) hide();
    filling_ = true;
    while (count() > texts.size()) removeTab(count() - 1);
    // Every added tab has all the tabs laid out again; a hidden tab is passed
    // over there, so the added ones stay hidden until the bar is filled.
    const int kept = count();
    for (int i = 0; i < texts.size(); ++i) {
        if (i >= count()) {
            addTab(texts[i]);
            if (i > 0) setTabVisible(i, false);
        } else if (tabText(i) != texts[i]) {
            setTabText(i, texts[i]);
        }
    }
    for (int i = std::max(kept, 1); i < count(); ++i) setTabVisible(i, true);
    setCurrentIndex(current);
    filling_ = false;
    // The tabs were laid out with the placeholder sizes while filling: have
    // them measured once, when the bar is shown (a hidden bar only notes it).
    setElideMode(elideMode());
    updateGeometry();
    if (shown) show();
    // Scrolled to the current tab: a bar that keeps its current tab does
    // not scroll to it by itself, so it is chosen again, silently.
    if (current >= 0 && current < count() && count() > 1) {
        const QSignalBlocker silent(this);
        setCurrentIndex(current == 0 ? 1 : 0);
        setCurrentIndex(current);
    }
}

QSize TElementTabBar::tabSizeHint(int index) const
{
    return filling_ ? QSize(1, 1) : QTabBar::tabSizeHint(index);
}

QSize TElementTabBar::minimumTabSizeHint(int index) const
{
    return filling_ ? QSize(1, 1) : QTabBar::minimumTabSizeHint(index);
}

void TElementTabBar::mouseDoubleClickEvent(QMouseEvent* e)
{
    QTabBar::mouseDoubleClickEvent(e);
    emit doubleClicked();
}

} // namespace orv
