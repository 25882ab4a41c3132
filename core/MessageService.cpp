#include "core/MessageService.h"

#include "core/MyUtils.h"

namespace orv {
namespace {
IMessageService* g_service = nullptr;
}

IMessageService* BindMessageService(IMessageService* service)
{
    IMessageService* old = g_service;
    g_service = service;
    return old;
}

int DefaultModalResult(unsigned buttons)
{
    if (buttons & mbYes) return mrYes;
    if (buttons & mbNo) return mrNo;
    if (buttons & mbOK) return mrOk;
    if (buttons & mbCancel) return mrCancel;
    if (buttons & mbAbort) return mrAbort;
    if (buttons & mbRetry) return mrRetry;
    return mrOk;
}

int CloseModalResult(unsigned buttons)
{
    if (buttons & mbCancel) return mrCancel;
    if (buttons & mbNo) return mrNo;
    if (buttons & mbOK) return mrOk;
    if (buttons & mbAbort) return mrAbort;
    if (buttons & mbYes) return mrYes;
    if (buttons & mbRetry) return mrRetry;
    if (buttons & mbIgnore) return mrIgnore;
    if (buttons & mbAll) return mrAll;
    return mrOk;
}

const char* MessageDialogTitle(unsigned char dlgType)
{
    switch (dlgType) {
    case mdWarning: return "Ostrzeżenie";
    case mdError: return "Uwaga błąd!";
    case mdInformation: return "Informacja";
    case mdConfirmation: return "Zatwierdzenie";
    default: return "";
    }
}

int ShowMessageDialog(const std::string& headline, const std::string& text, unsigned char dlgType,
                      unsigned buttons, int helpContext)
{
    if (!g_service) return DefaultModalResult(buttons);
    return g_service->showMessageDialog(headline, text, dlgType, buttons, helpContext);
}

int MessageDlg3(const std::string& msg, unsigned char dlgType, unsigned buttons, int helpContext)
{
    if (!g_service) return DefaultModalResult(buttons);
    return g_service->messageDlg3(msg, dlgType, buttons, helpContext);
}

bool IsWindowsVistaOrLater()
{
    return g_service ? g_service->isWindowsVistaOrLater() : true;
}

void ShowOutOfRangeMessage(bool taskDialog, const std::string& second)
{
    if (taskDialog) ShowMessageDialog("Wartość spoza zakresu.", second, mdWarning, mbOK);
    else MessageDlg3("Wartość spoza zakresu.\r" + second, mdWarning, mbOK);
}

std::string RangeLimitLine(bool below, double limit, int decimals)
{
    return (below ? "Wartość minimalna: " : "Wartość maksymalna: ") + FormatFixed(decimals, limit);
}

void ShowOutOfRangeMessage(bool taskDialog, double value, double min, double max, int decimals)
{
    const bool below = value < min;
    ShowOutOfRangeMessage(taskDialog, RangeLimitLine(below, below ? min : max, decimals));
}

} // namespace orv
