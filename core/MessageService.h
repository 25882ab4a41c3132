// The message box as the calculation core sees it. The application binds the
// real dialog at start-up; tests bind a recorder. Unbound, every call answers
// as if the first offered button had been pressed and shows nothing.
#pragma once

#include <string>

namespace orv {

// Dialog types.
enum : unsigned char { mdWarning = 0, mdError = 1, mdInformation = 2, mdConfirmation = 3, mdCustom = 4 };
// Button flags.
enum : unsigned {
    mbYes = 1, mbNo = 2, mbOK = 4, mbCancel = 8, mbAbort = 16, mbRetry = 32,
    mbIgnore = 64, mbAll = 128, mbHelp = 256
};
// Modal results.
enum : int {
    mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7,
    mrAll = 8
};

class IMessageService {
public:
    virtual ~IMessageService() = default;
    virtual int showMessageDialog(const std::string& headline, const std::string& text,
                                  unsigned char dlgType, unsigned buttons, int helpContext) = 0;
    virtual int messageDlg3(const std::string& msg, unsigned char dlgType, unsigned buttons,
                            int helpContext) = 0;
    virtual bool isWindowsVistaOrLater() const { return true; }
};

// Binds the service (nullptr unbinds); returns the previous one.
IMessageService* BindMessageService(IMessageService* service);

int ShowMessageDialog(const std::string& headline, const std::string& text, unsigned char dlgType,
                      unsigned buttons, int helpContext = 0);
int MessageDlg3(const std::string& msg, unsigned char dlgType, unsigned buttons, int helpContext = 0);
bool IsWindowsVistaOrLater();
// The message of a number outside its field's range, with the field's own
// second line: in the task-dialog form or the classic one.
void ShowOutOfRangeMessage(bool taskDialog, const std::string& second);
// The second line that gives the limit passed: "Wartość minimalna: 10,0"
// below the range, "Wartość maksymalna: 75,0" above it, the limit with the
// field's decimals.
std::string RangeLimitLine(bool below, double limit, int decimals);
// The message of a value outside min..max with the limit it passed.
void ShowOutOfRangeMessage(bool taskDialog, double value, double min, double max, int decimals);

// Title line of a message box of the given type.
const char* MessageDialogTitle(unsigned char dlgType);
// The modal result of the first button present in the set (Yes, No, OK, Cancel, Abort, Retry).
int DefaultModalResult(unsigned buttons);
// The answer of a box closed by its close button or Escape: Cancel where
// offered, else No, else OK, else Abort, else the first other button; never a button
// that is not in the set and never "no answer".
int CloseModalResult(unsigned buttons);

} // namespace orv
