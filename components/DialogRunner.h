// Modal dialogs run through one routine, so that a test can play the user:
// a bound responder gets the shown dialog, presses its buttons and answers
// the dialog's result instead of a modal loop.
#pragma once

#include <functional>

class QDialog;

namespace orv {

using TDialogResponder = std::function<int(QDialog&)>;
// Binds the responder (an empty one unbinds); returns the previous one.
TDialogResponder BindDialogResponder(TDialogResponder responder);

// The dialog's result: exec() or, with a responder bound, its answer.
int RunModal(QDialog& dialog);

} // namespace orv
