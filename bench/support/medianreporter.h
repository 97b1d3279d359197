#pragma once
// Keeps the median of every benchmark run with repetitions, so that a
// benchmark program can print its ratios against a baseline measured in the
// same run once all have run.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

struct Median {
    double real = 0; // wall clock per iteration, in the benchmark's time unit
    double cpu = 0;  // CPU time per iteration, in the same unit
    std::map<std::string, double> counters;
};

class MedianReporter : public benchmark::ConsoleReporter {
public:
    // Keyed "Name", or "Name/arguments" as the benchmark was registered.
    std::map<std::string, Median> medians;

    // The median of the benchmark with this key; zeros when it did not run.
    Median of(const std::string &key) const
    {
        const auto it = medians.find(key);
        return it == medians.end() ? Median{} : it->second;
    }

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &r : runs) {
            if (r.run_type != Run::RT_Aggregate || r.aggregate_name != "median")
                continue;
            Median m{r.GetAdjustedRealTime(), r.GetAdjustedCPUTime(), {}};
            for (const auto &[name, counter] : r.counters)
                m.counters[name] = counter.value;
            medians[r.run_name.function_name + (r.run_name.args.empty() ? "" : "/" + r.run_name.args)] = m;
        }
    }
};
