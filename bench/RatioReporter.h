#pragma once
// Prints each measurement beside its baseline: the console report as usual, then the
// ratio of the two real times per iteration and whether it meets its goal.

#include <benchmark/benchmark.h>

#include <cstdio>
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
