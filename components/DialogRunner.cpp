#include "components/DialogRunner.h"

#include <QDialog>

#include <utility>

namespace orv {
namespace {

TDialogResponder& Bound()
{
    static TDialogResponder responder;
    return responder;
}

} // namespace

TDialogResponder BindDialogResponder(TDialogResponder responder)
{
    TDialogResponder old = std::move(Bound());
    Bound() = std::move(responder);
    return old;
}

int RunModal(QDialog& dialog)
{
    if (!Bound()) return dialog.exec();
    dialog.setResult(0);
    dialog.show();
    // A copy: the responder may bind another for a dialog it opens.
    const TDialogResponder responder = Bound();
    const int result = responder(dialog);
    dialog.hide();
    return result;
}

} // namespace orv
