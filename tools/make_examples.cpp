// Writes the example projects into the folder named by its one argument,
// through the program's own file writer.
#include <iostream>
#include <string>

#include "platform/PosixFileWriter.h"
#include "tools/ExampleProjects.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_examples <folder>\n";
        return 2;
    }
    orv::TPosixFileWriter files;
    orv::BindFileWriter(&files);
    std::string failed;
    if (!orv::WriteExampleProjects(argv[1], failed)) {
        std::cerr << "make_examples: cannot write " << failed << "\n";
        return 1;
    }
    return 0;
}
