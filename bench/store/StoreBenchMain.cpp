#include "RatioReporter.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    zendrova::bench::RatioReporter reporter;
    reporter.addTarget("BM_OpenDatabase", 0.1);
    reporter.addTarget("BM_OpenDatabaseCold", 0.1);
    reporter.addTarget("BM_ApplySortReusingTag", 0.1);
    reporter.addTarget("BM_LetterCounts", 0.1);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
