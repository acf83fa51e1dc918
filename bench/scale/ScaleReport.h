#pragma once

#include "ScaleRun.h"

#include <cstdint>
#include <vector>

namespace scale {

// What one child process measured at one size.
struct SizeResult
{
    uint32_t cards = 0;
    std::vector<Figure> figures;
    long peakRssKb = 0;
    uint32_t indexBlockBytes = 0;
};

// One table: each step's time at every size, the growth from the smallest to the
// largest size and the target it should meet, then the peak memory of each size.
void printReport(const std::vector<SizeResult> &results);

} // namespace scale
