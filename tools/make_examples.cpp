// Writes the example projects into the folder named by its one argument.
#include <iostream>
#include <string>

#include "tools/ExampleProjects.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_examples <folder>\n";
        return 2;
    }
    std::string failed;
    if (!orv::WriteExampleProjects(argv[1], failed)) {
        std::cerr << "make_examples: cannot write " << failed << "\n";
        return 1;
    }
    return 0;
}
