// Helpers shared by the core tests: a message-box recorder and a scratch folder.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/MessageService.h"

namespace orvtest {

struct RecordedMessage {
    std::string headline;
    std::string text;
    unsigned char type;
    unsigned buttons;
};

// Binds itself for its lifetime and answers every box with `answer`
// (0 = the first offered button).
class MessageRecorder : public orv::IMessageService {
public:
    MessageRecorder();
    ~MessageRecorder() override;
    int showMessageDialog(const std::string& headline, const std::string& text,
                          unsigned char dlgType, unsigned buttons, int helpContext) override;
    int messageDlg3(const std::string& msg, unsigned char dlgType, unsigned buttons,
                    int helpContext) override;
    bool isWindowsVistaOrLater() const override { return vista; }

    std::vector<RecordedMessage> messages;
    int answer = 0;
    bool vista = true;

private:
    orv::IMessageService* previous_;
};

// A fresh folder under the system's temporary folder, removed on destruction.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

std::string ReadFileBytes(const std::string& name);
void WriteFileBytes(const std::string& name, const std::string& data);

} // namespace orvtest
