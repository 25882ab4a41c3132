// The picture button of the welcome and load-compilation dialogs: a glyph
// and a caption, and, in a group (group index not 0), a button that stays
// down until another button of its group is pressed.
#pragma once

#include <QToolButton>

namespace orv {

class TMMSpeedButton : public QToolButton {
    Q_OBJECT
public:
    explicit TMMSpeedButton(QWidget* parent = nullptr);

    int groupIndex() const { return groupIndex_; }
    void setGroupIndex(int group);
    bool allowAllUp() const { return allowAllUp_; }
    void setAllowAllUp(bool on) { allowAllUp_ = on; }
    bool isDownState() const { return isChecked(); }
    // With group 0 a button never stays down; releasing the only down button
    // of a group is refused unless all may be up.
    void setDownState(bool down);

protected:
    void nextCheckState() override;

private:
    void releaseOthers();

    int groupIndex_ = 0;
    bool allowAllUp_ = false;
};

} // namespace orv
