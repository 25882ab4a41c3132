#include "components/MOpenDialog.h"

#include <QFileDialog>

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

} // namespace orv
