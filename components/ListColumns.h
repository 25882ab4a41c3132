// The columns of a list as wide as their captions and contents and left to
// the user's hand, and a window that opens wide enough to show them whole.
#pragma once

class QTreeView;
class QWidget;

namespace orv {

// Every column to its caption and contents, resizable by the user; a
// stretched last column takes what the others leave.
void FitColumnsToContents(QTreeView& view);
// The width the view needs to show every column whole; a stretched last
// column takes `restWidth` (at least its caption).
int WidthForColumns(const QTreeView& view, int restWidth = 0);
// Widens `window`, if need be, so that `view` inside it shows every column,
// though never beyond the available screen (the columns scroll then).
void WidenForColumns(QWidget& window, const QTreeView& view, int restWidth = 0);
// Keeps `column` at least as wide as the view's room less the other columns.
void FillRoomWithColumn(QTreeView& view, int column);

} // namespace orv
