// report_dump <project.clcm>: prints the reports of every element as plain text.
#include <iostream>
#include <string>
#include <vector>

#include "ReportDump.h"

namespace {

// Reads the elements of a project file.
bool LoadElementsForDump(const std::string& fileName, std::vector<orv::TProjectElement>& elements,
                         std::string& message)
{
    message = "project reading not available";
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: report_dump <project.clcm>\n";
        return 2;
    }
    std::vector<orv::TProjectElement> elements;
    std::string message;
    if (!LoadElementsForDump(argv[1], elements, message)) {
        std::cerr << argv[1] << ": " << message << "\n";
        return 1;
    }
    orvtest::DumpProject(elements, std::cout);
    return 0;
}
