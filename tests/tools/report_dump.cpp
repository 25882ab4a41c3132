// report_dump <project.clcm>: prints the reports of every element as plain text.
#include <iostream>
#include <string>
#include <vector>

#include "core/MessageService.h"
#include "tests/core/support/ReportDump.h"
#include "core/ZunProject.h"

namespace {

// File errors go to standard error instead of a message box.
class StderrMessages : public orv::IMessageService {
public:
    int showMessageDialog(const std::string& headline, const std::string& text, unsigned char,
                          unsigned buttons, int) override
    {
        std::cerr << headline << (text.empty() ? "" : " ") << text << "\n";
        return orv::DefaultModalResult(buttons);
    }
    int messageDlg3(const std::string& msg, unsigned char, unsigned buttons, int) override
    {
        std::cerr << msg << "\n";
        return orv::DefaultModalResult(buttons);
    }
};

bool LoadElementsForDump(const std::string& fileName, orv::TElementList& elements)
{
    std::vector<std::string> comments;
    return orv::ReadProjectFile(comments, fileName, elements);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: report_dump <project.clcm>\n";
        return 2;
    }
    orv::TElementList elements;
    StderrMessages messages;
    orv::BindMessageService(&messages);
    if (!LoadElementsForDump(argv[1], elements)) return 1;
    orvtest::DumpProject(elements, std::cout);
    return 0;
}
