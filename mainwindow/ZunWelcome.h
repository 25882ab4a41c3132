// The welcome dialog of a fresh start: new calculations, the two example
// projects, the help. Its choices are groups of a picture button and labels
// (by tag) that light up together under the mouse.
#pragma once

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;

namespace orv {

class TWelcomeDlg : public QDialog {
    Q_OBJECT
public:
    explicit TWelcomeDlg(QWidget* parent = nullptr);

    QCheckBox* dontShowAgain() const { return checkBox1_; }

    // What the choices do (the main window binds them).
    std::function<void()> onNewProject;
    std::function<void(int example)> onOpenExample;
    std::function<void()> onHelp;

    // Labels of the hovered group (tag 10..13) turn blue, the others back.
    void HighlightWelcomeGroup(int hoveredTag);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    QCheckBox* checkBox1_ = nullptr;
};

} // namespace orv
