#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace scale {

// What one step cost: seconds for the whole step, or per repetition when `repeats` > 1.
struct Figure
{
    std::string step;
    double seconds = 0;
    long peakRssKb = 0; // the process's peak resident memory during the step (0: unknown)
};

struct RunOptions
{
    std::string folder; // created afresh; left behind for checking when keep is set
    uint32_t cards = 0;
    uint64_t seed = 1;
    bool keep = false;
    bool timestamps = false; // each step's CLOCK_MONOTONIC start and end on stderr, to slice a profile
};

// Steps in the order they run; the report lists them the same way.
extern const char *const kAppend;
extern const char *const kBuildTag;
extern const char *const kOpenWarm;
extern const char *const kOpenCold;
extern const char *const kScan;
extern const char *const kFirstCount;
extern const char *const kLetterCounts;
extern const char *const kFind;
extern const char *const kLastPage;
extern const char *const kEdits;
extern const char *const kWindowWarm;
extern const char *const kWindowCold;

// The files of a folder out of the page cache, so that the next open reads from the disk.
void dropFromCache(const std::string &folder);
// As a collection last changed a while ago: the folder's file times put back an hour.
void settleFolder(const std::string &folder);

// Runs every step on a fresh card table of options.cards cards in options.folder.
// A step whose result is wrong (a letter total off, a name not found) throws.
std::vector<Figure> runAtSize(const RunOptions &options);

} // namespace scale
