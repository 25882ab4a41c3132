// Writes the program's icon as a PNG bitmap for the desktop:
//   render_icon SIZE FILE.png
#include <QImage>
#include <QString>

#include <cstdio>
#include <cstdlib>

#include "resources/ProgramIcon.h"

int main(int argc, char** argv)
{
    const int size = argc == 3 ? std::atoi(argv[1]) : 0;
    if (size <= 0) {
        std::fprintf(stderr, "usage: render_icon SIZE FILE.png\n");
        return 2;
    }
    const QImage image = orv::RenderProgramIcon(size);
    if (image.isNull() || !image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "render_icon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
