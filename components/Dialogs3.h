// The program's message box: one dialog with Polish button captions that
// serves every question and complaint, bound to the core's message service.
#pragma once

#include <QDialog>
#include <QString>

#include "core/MessageService.h"

class QLabel;

namespace orv {

// The form of a message: an optional main line (bold), the message text,
// the icon of the type and the buttons of the set in their fixed order.
// Buttons are named "YES", "NIE", "OK", "CANCEL", "ABORT", "RETRY",
// "IGNORE", "ALL", "HELP"; the text label "Message", the main line
// "Instruction", the icon "Image". Closing or Escape answers
// CloseModalResult(buttons); Help closes nothing.
class TMessageForm : public QDialog {
    Q_OBJECT
public:
    TMessageForm(const QString& instruction, const QString& message, unsigned char dlgType,
                 unsigned buttons, QWidget* parent = nullptr);

    unsigned buttons() const { return buttons_; }
    void reject() override;

private:
    unsigned buttons_;
};

// Caption of a button of the set (one flag), e.g. "&Tak"; empty for no button.
QString MessageButtonCaption(unsigned button);

// The form of MessageDlg3 (the caller owns it).
TMessageForm* CreateMessageDialog3(const QString& msg, unsigned char dlgType, unsigned buttons,
                                   QWidget* parent = nullptr);
// Shows the message form modally at (x, y) (centred where a coordinate is -1).
int MessageDlgPos3(const QString& msg, unsigned char dlgType, unsigned buttons, int helpContext,
                   int x, int y);

// The real message box bound to the core's service: ShowMessageDialog gives
// the main line apart from the details (line breaks of the details run
// together, Ignore, All and Help are not offered); MessageDlg3 shows the
// plain form with every button of the set.
class QtMessageService : public IMessageService {
public:
    int showMessageDialog(const std::string& headline, const std::string& text,
                          unsigned char dlgType, unsigned buttons, int helpContext) override;
    int messageDlg3(const std::string& msg, unsigned char dlgType, unsigned buttons,
                    int helpContext) override;
};

// The buttons ShowMessageDialog offers of a set: those a task dialog has.
constexpr unsigned TaskDialogButtons(unsigned buttons)
{
    return buttons & (mbYes | mbNo | mbOK | mbCancel | mbAbort | mbRetry);
}

// The text with each file path (a word holding "/" or "\\") breakable
// after its separators only, at whatever width it is wrapped: a word joiner
// at every other place the line breaking would break it, a zero-width space
// after a separator where it would not. The label wraps between words and
// after a path's separators, never inside its folder names.
QString PathsBreakAtSeparators(const QString& text);

// The text with a word of question or exclamation marks alone (the " ?" of
// "Czy na pewno usunąć element "A" ?") kept on the line of the word before
// it: the blank before it becomes a no-break space (copied as a blank).
QString ClosingMarksKeepTheirWord(const QString& text);

// Details as one line: every CR and LF removed, a blank where two lines'
// words would otherwise touch.
QString JoinedDetails(const QString& details);

} // namespace orv
