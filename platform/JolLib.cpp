#include "platform/JolLib.h"

#include "core/MessageService.h"
#include "core/SettingsStore.h"
#include "platform/JolLibApi.h"
#include "platform/MakerLibrary.h"

namespace orv {
namespace {

// The library's message boxes go to whatever message box the program has bound.
class HostMessages : public IMessageService {
public:
    int showMessageDialog(const std::string& headline, const std::string& text,
                          unsigned char dlgType, unsigned buttons, int helpContext) override
    {
        return ShowMessageDialog(headline, text, dlgType, buttons, helpContext);
    }
    int messageDlg3(const std::string& msg, unsigned char dlgType, unsigned buttons,
                    int helpContext) override
    {
        return MessageDlg3(msg, dlgType, buttons, helpContext);
    }
    bool isWindowsVistaOrLater() const override { return IsWindowsVistaOrLater(); }
};

template <typename Fn, typename Call>
bool CallJol(const char* entryName, Call&& call)
{
    MakerLibrary library(QString::fromLatin1(JolLibraryName));
    const auto attach = library.entry<JolAttachHostFn>(JolAttachHostEntry);
    const auto fn = library.entry<Fn>(entryName);
    if (!attach || !fn) {
        ShowMessageDialog("Nie można uruchomić tej funkcji!", MissingLibraryText(library.fileName()),
                          mdWarning, mbOK, 0);
        return false;
    }
    HostMessages messages;
    attach(&Settings(), &messages);
    const bool result = call(fn);
    attach(nullptr, nullptr);
    return result;
}

} // namespace

QString JolLibraryFile() { return MakerLibraryFile(QString::fromLatin1(JolLibraryName)); }

bool ShowPrintingSettingsDlg(QObject* owner, TPoint& place)
{
    return CallJol<ShowPrintingJolFn>(ShowPrintingJolEntry, [&](ShowPrintingJolFn fn) {
        return fn(owner, &place.X, &place.Y);
    });
}

bool ShowWordInsertSettingsDlg(QObject* owner, TPoint& place)
{
    return CallJol<ShowWordInsertJolFn>(ShowWordInsertJolEntry, [&](ShowWordInsertJolFn fn) {
        return fn(owner, &place.X, &place.Y);
    });
}

bool ExportToRtf(QObject* owner, const std::string& path)
{
    return CallJol<Export2RTFFn>(Export2RTFEntry, [&](Export2RTFFn fn) {
        return fn(owner, path.c_str());
    });
}

bool ShowFontDialogJol(QObject* owner, TPoint& place)
{
    return CallJol<ShowFontJolFn>(ShowFontJolEntry, [&](ShowFontJolFn fn) {
        return fn(owner, &place.X, &place.Y);
    });
}

bool ShowColorDialogJol(QObject* owner, int mode, TPoint& place)
{
    return CallJol<ShowColorJolFn>(ShowColorJolEntry, [&](ShowColorJolFn fn) {
        return fn(owner, mode, &place.X, &place.Y);
    });
}

} // namespace orv
