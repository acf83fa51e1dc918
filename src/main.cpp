#include "shell/ui/ProgramEntry.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return zendrova::runProgram();
}
