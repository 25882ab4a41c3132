#include "components/MSpeedBtn.h"

namespace orv {

TMMSpeedButton::TMMSpeedButton(QWidget* parent) : QToolButton(parent)
{
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setAutoRaise(false);
}

void TMMSpeedButton::setGroupIndex(int group)
{
    groupIndex_ = group;
    setCheckable(group != 0);
    if (group == 0) setChecked(false);
}

void TMMSpeedButton::setDownState(bool down)
{
    if (groupIndex_ == 0) down = false;
    if (down == isChecked()) return;
    if (!down && !allowAllUp_) return;
    setChecked(down);
    if (down) releaseOthers();
}

void TMMSpeedButton::nextCheckState()
{
    if (groupIndex_ == 0) return;
    setDownState(!isChecked());
}

void TMMSpeedButton::releaseOthers()
{
    if (!parentWidget()) return;
    for (TMMSpeedButton* other : parentWidget()->findChildren<TMMSpeedButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (other == this || other->groupIndex_ != groupIndex_ || !other->isChecked()) continue;
        other->setChecked(false);
        other->allowAllUp_ = allowAllUp_;
    }
}

} // namespace orv
