#include "mainwindow/ZunApplication.h"

int main(int argc, char** argv)
{
    return orv::RunApplication(argc, argv);
}
