// The "OK" / "Anuluj" (/ "Pomoc") buttons of a dialog: one QDialogButtonBox,
// its buttons in the order of the platform, named as each dialog names them.
// "OK" is the dialog's default button; a focused button takes Enter itself.
// Header only, so that the companion libraries, which link no part of the
// program, build their buttons alike.
#pragma once

#include <QDialog>
#include <QDialogButtonBox>
#include <QObject>
#include <QPushButton>
#include <QString>

#include <functional>

namespace orv {

// Object names of the buttons; no "Pomoc" without a name for it.
struct TDialogButtonNames {
    const char* ok = "OKBtn";
    const char* cancel = "CancelBtn";
    const char* help = nullptr;
};

struct TDialogButtons {
    QDialogButtonBox* box = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QPushButton* help = nullptr;
};

// "Anuluj" rejects the dialog; "OK" runs `onOk`, or accepts the dialog
// without one; "Pomoc" runs `onHelp`. The caller lays the box out.
inline TDialogButtons CreateDialogButtons(QDialog& dialog, const TDialogButtonNames& names = {},
                                          std::function<void()> onOk = {}, std::function<void()> onHelp = {},
                                          Qt::Orientation orientation = Qt::Horizontal)
{
    TDialogButtons b;
    b.box = new QDialogButtonBox(orientation, &dialog);
    b.box->setObjectName(QStringLiteral("DialogButtons"));
    b.ok = b.box->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    b.ok->setObjectName(QString::fromLatin1(names.ok));
    b.cancel = b.box->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole);
    b.cancel->setObjectName(QString::fromLatin1(names.cancel));
    if (names.help) {
        b.help = b.box->addButton(QStringLiteral("Pomoc"), QDialogButtonBox::HelpRole);
        b.help->setObjectName(QString::fromLatin1(names.help));
    }
    QDialog* d = &dialog;
    if (onOk) QObject::connect(b.box, &QDialogButtonBox::accepted, d, std::move(onOk));
    else QObject::connect(b.box, &QDialogButtonBox::accepted, d, &QDialog::accept);
    QObject::connect(b.box, &QDialogButtonBox::rejected, d, &QDialog::reject);
    if (onHelp) QObject::connect(b.box, &QDialogButtonBox::helpRequested, d, std::move(onHelp));
    return b;
}

} // namespace orv
