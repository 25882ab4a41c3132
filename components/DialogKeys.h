// Keys shared by the input and printing dialogs: Enter moves the focus on,
// and the number combos take digits and one decimal separator only.
#pragma once

class QComboBox;
class QDialog;
class QHBoxLayout;
class QWidget;

namespace orv {

// Enter in `dialog` moves the focus to the next control, but on a focused
// button, which takes it, and in an open list or a memo.
void InstallEnterMovesFocus(QWidget* dialog);
// Digits, Backspace and one decimal separator pass; "." becomes the
// locale's separator; other printable keys beep.
void InstallDecimalKeyFilter(QComboBox* combo);
// The button row of an editing dialog whose Enter moves on: the dialogs' one
// button box (CreateDialogButtons) with "OK" (OKBtn), "Anuluj" (CancelBtn)
// and "Pomoc" (HelpBtn) when a topic is given.
QHBoxLayout* CreateOkCancelRow(QDialog* dialog, const char* helpTopic = nullptr);

} // namespace orv
