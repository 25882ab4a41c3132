// The entry points of the editor library.
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>
#include <QWidget>

#include <exception>
#include <type_traits>
#include <string>

#include "core/MessageService.h"
#include "core/SettingsStore.h"
#include "platform/JolLibApi.h"
#include "printing/jollib/JolDialogs.h"

#define JOL_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

using namespace orv;

QWidget* OwnerWidget(void* owner) { return qobject_cast<QWidget*>(static_cast<QObject*>(owner)); }

// Runs the call; what it raises ends it with a message and false.
template <typename Call>
bool Guarded(Call&& call)
{
    try {
        return call();
    } catch (const std::exception& e) {
        ShowMessageDialog("Nie można uruchomić tej funkcji!", e.what(), mdWarning, mbOK);
    } catch (...) {
        ShowMessageDialog("Nie można uruchomić tej funkcji!", "Nieznany błąd.", mdWarning, mbOK);
    }
    return false;
}

// Shows the dialog modally at the caller's place and writes its place back.
bool RunPlaced(QDialog& dlg, int* x, int* y)
{
    if (x && y) PlaceDialog(dlg, *x, *y);
    const bool ok = dlg.exec() == QDialog::Accepted;
    if (x && y) {
        *x = dlg.x();
        *y = dlg.y();
    }
    return ok;
}

} // namespace

JOL_EXPORT void JolAttachHost(orv::ISettingsStore* settings, orv::IMessageService* messages)
{
    BindSettingsStore(settings);
    BindMessageService(messages);
}

JOL_EXPORT bool ShowPrintingJol(void* owner, int* x, int* y)
{
    return Guarded([&] {
        TPrintingSettingsDlg dlg(OwnerWidget(owner));
        return RunPlaced(dlg, x, y);
    });
}

JOL_EXPORT bool ShowWordInsertJol(void* owner, int* x, int* y)
{
    return Guarded([&] {
        TWordSettingsDlg dlg(OwnerWidget(owner));
        return RunPlaced(dlg, x, y);
    });
}

JOL_EXPORT bool ShowFontJol(void* owner, int* x, int* y)
{
    return Guarded([&] {
        TFontSettingsDlg dlg(OwnerWidget(owner));
        return RunPlaced(dlg, x, y);
    });
}

JOL_EXPORT bool ShowColorJol(void* owner, int mode, int* x, int* y)
{
    (void)mode; // one editor for every caller
    return Guarded([&] {
        TColorEditorDlg dlg(OwnerWidget(owner));
        return RunPlaced(dlg, x, y);
    });
}

JOL_EXPORT bool Export2RTF(void* owner, const char* path)
{
    (void)owner;
    return Guarded([&] {
        if (!path) return false;
        const QFileInfo file(QString::fromUtf8(path));
        if (!file.isFile()) return false;
        return QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
    });
}

// Checks the declared types against the definitions.
static_assert(std::is_same_v<decltype(&ShowPrintingJol), ShowPrintingJolFn>);
static_assert(std::is_same_v<decltype(&ShowWordInsertJol), ShowWordInsertJolFn>);
static_assert(std::is_same_v<decltype(&ShowFontJol), ShowFontJolFn>);
static_assert(std::is_same_v<decltype(&ShowColorJol), ShowColorJolFn>);
static_assert(std::is_same_v<decltype(&Export2RTF), Export2RTFFn>);
static_assert(std::is_same_v<decltype(&JolAttachHost), JolAttachHostFn>);
