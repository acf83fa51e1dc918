#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace zendrova::bench {

// Prints every benchmark as a ratio against the full scan of the same run,
// with the target each one is held to.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    // name: the benchmark; target: the ratio it must stay under (0 for none).
    void addTarget(const std::string &name, double target) { m_targets[name] = target; }

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.benchmark_name() == "BM_FullScan")
                m_scan = run.GetAdjustedRealTime();
            else
                m_times.emplace_back(run.benchmark_name(), run.GetAdjustedRealTime());
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        if (m_scan <= 0)
            return;
        for (const auto &[name, time] : m_times) {
            // Every argument of a benchmark is held to its target.
            const auto target = m_targets.find(name.substr(0, name.find('/')));
            std::printf("%s / full scan = %.4f", name.c_str(), time / m_scan);
            if (target != m_targets.end() && target->second > 0)
                std::printf(" (target < %g)", target->second);
            std::printf("\n");
        }
    }

private:
    double m_scan = 0;
    std::vector<std::pair<std::string, double>> m_times;
    std::map<std::string, double> m_targets;
};

} // namespace zendrova::bench
