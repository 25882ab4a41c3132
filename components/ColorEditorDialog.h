// The editor of the drawing colours: every stored slot with a colour button.
// OK writes the set to the "Colors" section of the maker's key.
#pragma once

#include <QDialog>

#include "drawing/CommonColorUnit.h"

class QPushButton;

namespace orv {

class TColorEditorDlg : public QDialog {
    Q_OBJECT
public:
    explicit TColorEditorDlg(QWidget* parent = nullptr);

    TColor slotColor(int slot) const { return colors_[slot]; }
    void setSlotColor(int slot, TColor color);
    // The button of a slot (objectName "colorButton<slot>"), nullptr for a slot not edited.
    QPushButton* slotButton(int slot) const;

    void accept() override;

private:
    void chooseColor(int slot);
    void showColor(int slot);

    TDrawingColors colors_{};
    QPushButton* buttons_[DrawingColorCount] = {};
};

// Shows the editor modally at Place (kept when it is (0, 0)) and writes its
// place back; true on OK.
bool ShowColorEditor(QObject* owner, int mode, TPoint& place);
// Makes ShowColorEditor the editor that EditDrawingColors runs.
void RegisterColorEditor();

} // namespace orv
