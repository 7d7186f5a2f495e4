#pragma once
// Prints each measurement beside its baseline: the console report as usual, then the
// ratio of the two real times per iteration and whether it meets its goal.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                times[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

inline void printRatio(const RatioReporter &r, const std::string &what, const std::string &measured,
                       const std::string &baseline, double goal)
{
    const auto m = r.times.find(measured), b = r.times.find(baseline);
    if (m == r.times.end() || b == r.times.end() || b->second <= 0)
        return;
    const double ratio = m->second / b->second;
    std::printf("%-60s %6.2fx  goal %.1fx: %s\n", what.c_str(), ratio, goal, ratio <= goal ? "met" : "NOT met");
}

// For measurements that a flush to disk dominates: the floor and the measurement take
// turns, one of each per round, and their medians are compared, so that the disk's
// slow and quick spells fall on both alike.
inline void printInterleavedRatio(const std::string &what, const std::function<bool()> &measured,
                                  const std::function<bool()> &floor, double goal, int rounds = 41)
{
    std::vector<double> m, f;
    const auto time = [](const std::function<bool()> &work, std::vector<double> &into) {
        const auto start = std::chrono::steady_clock::now();
        const bool ok = work();
        into.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        return ok;
    };
    for (int i = 0; i < rounds; ++i)
        if (!time(floor, f) || !time(measured, m)) {
            std::printf("%-60s failed\n", what.c_str());
            return;
        }
    std::sort(m.begin(), m.end());
    std::sort(f.begin(), f.end());
    const double ratio = m[m.size() / 2] / f[f.size() / 2];
    std::printf("%-60s %6.2fx  goal %.1fx: %s (medians %.2f / %.2f ms, interleaved)\n", what.c_str(), ratio, goal,
                ratio <= goal ? "met" : "NOT met", m[m.size() / 2], f[f.size() / 2]);
}
