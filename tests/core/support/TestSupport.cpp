#include "tests/core/support/TestSupport.h"

#include <atomic>
#include <fstream>
#include <random>
#include <unistd.h>

namespace orvtest {

MessageRecorder::MessageRecorder() : previous_(orv::BindMessageService(this)) {}
MessageRecorder::~MessageRecorder() { orv::BindMessageService(previous_); }

int MessageRecorder::showMessageDialog(const std::string& headline, const std::string& text,
                                       unsigned char dlgType, unsigned buttons, int)
{
    messages.push_back({headline, text, dlgType, buttons});
    return answer ? answer : orv::DefaultModalResult(buttons);
}

int MessageRecorder::messageDlg3(const std::string& msg, unsigned char dlgType, unsigned buttons, int)
{
    messages.push_back({msg, {}, dlgType, buttons});
    return answer ? answer : orv::DefaultModalResult(buttons);
}

ScratchDir::ScratchDir()
{
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("orv-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

ScratchDir::~ScratchDir()
{
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string ReadFileBytes(const std::string& name)
{
    std::ifstream f(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

void WriteFileBytes(const std::string& name, const std::string& data)
{
    std::ofstream f(name, std::ios::binary | std::ios::trunc);
    f.write(data.data(), static_cast<std::streamsize>(data.size()));
}

} // namespace orvtest
