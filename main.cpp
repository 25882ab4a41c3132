#include "mainwindow/ZunMain.h"
#include "platform/HeapPolicy.h"

int main(int argc, char** argv)
{
    orv::KeepFreedMemoryForReuse();
    return orv::RunApplication(argc, argv);
}
