#pragma once

#include <benchmark/benchmark.h>

#include <string>

namespace zendrova::bench {

// The non-stop search as the program runs it: the Search window of a shown
// main window (offscreen) searching all fields of the 100,000 cards, the
// match count answered as the user would. Reports the cards it marked.
void findNonStopInWindow(benchmark::State &state, const std::string &text);

} // namespace zendrova::bench
