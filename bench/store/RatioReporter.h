#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace zendrova::bench {

// Prints every benchmark as a ratio against a baseline of the same run (the
// full scan unless told otherwise), with the target each one is held to.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    static inline const std::string kFullScan = "BM_FullScan";

    // name: the benchmark; target: the ratio it must stay under (0 for none);
    // baseline: the benchmark it is divided by.
    void addTarget(const std::string &name, double target, const std::string &baseline = kFullScan)
    {
        m_targets[name] = { target, baseline };
        m_baselines.insert(baseline);
    }

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            // In seconds: benchmarks of one run may print different units.
            const double seconds
                = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            if (m_baselines.count(run.benchmark_name()) != 0)
                m_baselineTimes[run.benchmark_name()] = seconds;
            else
                m_times.emplace_back(run.benchmark_name(), seconds);
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const auto &[name, time] : m_times) {
            // Every argument of a benchmark is held to its target.
            const auto target = m_targets.find(name.substr(0, name.find('/')));
            const bool known = target != m_targets.end();
            const std::string &baseline = known ? target->second.baseline : kFullScan;
            const auto base = m_baselineTimes.find(baseline);
            if (base == m_baselineTimes.end() || base->second <= 0)
                continue;
            std::printf("%s / %s = %.4f", name.c_str(),
                baseline == kFullScan ? "full scan" : baseline.c_str(), time / base->second);
            if (known && target->second.ratio > 0)
                std::printf(" (target < %g)", target->second.ratio);
            std::printf("\n");
        }
    }

private:
    struct Target
    {
        double ratio = 0;
        std::string baseline;
    };

    std::vector<std::pair<std::string, double>> m_times;
    std::map<std::string, Target> m_targets;
    std::set<std::string> m_baselines { kFullScan };
    std::map<std::string, double> m_baselineTimes;
};

} // namespace zendrova::bench
