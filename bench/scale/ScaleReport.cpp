#include "ScaleReport.h"

#include "dbase/index/PageFile.h"

#include <cstdio>
#include <string>

namespace scale {

namespace {

// The index's block cache holds at most this many blocks (one cache per index file).
constexpr double kCachedBlocks = dbase::PageFile::kDefaultMaxBlocks;
constexpr double kMemoryAllowanceMb = 100;

struct StepTarget
{
    const char *step;
    const char *label;
    double maxGrowthPerTenfold; // the growth allowed when the size grows tenfold
};

const StepTarget kTargets[] = {
    {kAppend, "append all (tags IDX0 STR(RECNUM), IDX1 UPPER(CARDNAME))", 10.0},
    {kBuildTag, "build tag UPPER(CARDNAME) on the filled table", 10.0},
    {kOpenWarm, "open on the name tag, first record (warm)", 2.0},
    {kOpenCold, "open on the name tag, first record (cold)", 2.0},
    {kScan, "full scan, natural order, two fields a record", 10.0},
    {kFirstCount, "first count along the name tag (walks it)", 10.0},
    {kLetterCounts, "26 letter counts on the name tag, per run", 10.0},
    {kFind, "find a name on the name tag, per find (1,000)", 1.5},
    {kLastPage, "last page: last + 20 back, position near end + 20, per page", 1.5},
    {kEdits, "10,000 edits of the card name, each posted", 10.0},
    {kWindowWarm, "main window first show: open, letter counts, list, card (warm)", 2.0},
    {kWindowCold, "main window first show: open, letter counts, list, card (cold)", 2.0},
};

std::string duration(double seconds)
{
    char text[32];
    if (seconds >= 1)
        std::snprintf(text, sizeof text, "%.3f s", seconds);
    else if (seconds >= 1e-3)
        std::snprintf(text, sizeof text, "%.3f ms", seconds * 1e3);
    else
        std::snprintf(text, sizeof text, "%.2f us", seconds * 1e6);
    return text;
}

const Figure *figureOf(const SizeResult &result, const std::string &step)
{
    for (const Figure &figure : result.figures) {
        if (figure.step == step)
            return &figure;
    }
    return nullptr;
}

void printStep(const StepTarget &target, const std::vector<SizeResult> &results)
{
    std::printf("%-62s", target.label);
    for (const SizeResult &result : results) {
        const Figure *figure = figureOf(result, target.step);
        std::printf(" %14s", figure ? duration(figure->seconds).c_str() : "-");
    }
    const Figure *smallest = figureOf(results.front(), target.step);
    const Figure *largest = figureOf(results.back(), target.step);
    if (results.size() < 2 || !smallest || !largest || smallest->seconds <= 0) {
        std::printf("\n");
        return;
    }
    const double growth = largest->seconds / smallest->seconds;
    const double sizeRatio = double(results.back().cards) / double(results.front().cards);
    // Linear steps may grow with the size; flat ones may not grow with it at all.
    const double allowed = target.maxGrowthPerTenfold >= 10 ? sizeRatio * target.maxGrowthPerTenfold / 10
                                                            : target.maxGrowthPerTenfold;
    std::printf(" %8.2fx   <= %5.1fx  %s\n", growth, allowed, growth <= allowed ? "met" : "MISSED");
}

void printStepMemory(const std::vector<SizeResult> &results)
{
    std::printf("\nPeak resident memory during each step (VmHWM, reset before the step), MB:\n");
    for (const StepTarget &target : kTargets) {
        std::printf("  %-60s", target.step);
        for (const SizeResult &result : results) {
            const Figure *figure = figureOf(result, target.step);
            std::printf(" %10.1f", figure ? double(figure->peakRssKb) / 1024.0 : 0.0);
        }
        std::printf("\n");
    }
}

void printMemory(const std::vector<SizeResult> &results)
{
    printStepMemory(results);
    std::printf("\nPeak memory of the child process for each size (highest of the steps' peaks and ru_maxrss):\n");
    for (const SizeResult &result : results) {
        const double cacheMb = kCachedBlocks * result.indexBlockBytes / (1024.0 * 1024.0);
        const double peakMb = double(result.peakRssKb) / 1024.0;
        const double limitMb = kMemoryAllowanceMb + cacheMb;
        std::printf("  %9u cards: peak %.1f MB; target < %.0f MB + block cache %.0f MB (%.0f blocks of %u bytes)"
                    " = %.0f MB: %s\n",
                    result.cards, peakMb, kMemoryAllowanceMb, cacheMb, kCachedBlocks, result.indexBlockBytes, limitMb,
                    peakMb < limitMb ? "met" : "MISSED");
    }
}

} // namespace

void printReport(const std::vector<SizeResult> &results)
{
    if (results.empty())
        return;
    std::printf("\n%-62s", "step");
    for (const SizeResult &result : results)
        std::printf(" %8u cards", result.cards);
    if (results.size() > 1)
        std::printf(" %9s   %8s\n", "growth", "target");
    else
        std::printf("\n");
    for (const StepTarget &target : kTargets)
        printStep(target, results);
    printMemory(results);
}

} // namespace scale
