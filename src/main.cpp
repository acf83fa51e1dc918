#include "common/ui/GuardedApplication.h"
#include "shell/ui/ProgramEntry.h"

int main(int argc, char *argv[])
{
    zendrova::GuardedApplication app(argc, argv);
    return zendrova::runProgram();
}
