// The openings of a wall loaded horizontally, under "ściana z otworami":
// the grid of up to five openings (x, y, l, h in cm, typed into the cells)
// and the buttons "Dodaj", "Edytuj" and "Usuń", which define an opening in
// the opening dialog. A cell is checked when it is left; a row is stored
// when it is left, after the check that the opening collides with no other.
#pragma once

#include <QWidget>

#include <functional>

#include "core/ZunTypes.h"

class QKeyEvent;
class QPushButton;

namespace orv {

class ProjectSession;
class TMCoolGrid;

class TOpeningsPanel : public QWidget {
    Q_OBJECT
public:
    // The dialog that defines an opening against the wall with the other
    // openings; true (and the opening set) when it was accepted.
    using OpeningDialog = std::function<bool(const TCalcInput& wall, bool newOpening, TOpening& opening)>;

    explicit TOpeningsPanel(ProjectSession& session, QWidget* parent = nullptr);

    // The openings of the current element into the grid; unless `all`, a
    // row being typed keeps its text.
    void FillOpeningsGrid(bool all);
    // The check of leaving the grid, for commands that act on the data: the
    // current cell, then its row. False when refused (told, the focus stays).
    bool commit();
    bool owns(const QWidget* w) const;
    // A row typed and not yet stored (refused when the grid was left).
    bool holdsTypedRow() const { return typed_; }
    // Asked after the grid's own check before a button acts (the owner's
    // other fields); false stops the button.
    void setGuard(std::function<bool()> guard) { guard_ = std::move(guard); }
    TMCoolGrid* grid() const { return grid_; }
    void setOpeningDialog(OpeningDialog dialog) { dialog_ = std::move(dialog); }

    void DodajBtn1Click();  // "Dodaj"
    void EdytujBtn1Click(); // "Edytuj"
    void UsunBtn1Click();   // "Usuń"

signals:
    // The element was changed here.
    void stored();

private:
    bool mayAct();
    bool cellLeft();
    bool rowLeft();
    bool OknaGrid1KeyPress(QKeyEvent* e);
    void markCurrentRow();
    void refocus();

    ProjectSession& session_;
    TMCoolGrid* grid_ = nullptr;
    OpeningDialog dialog_;
    std::function<bool()> guard_;
    bool typed_ = false;    // the current row holds typed values not yet stored
    bool filling_ = false;
    bool checking_ = false;
};

} // namespace orv
