#include "benchoptions.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

void initializeInterleaved(int argc, char **argv, const char *minTime)
{
    // Kept for the whole run: Google Benchmark holds on to the arguments.
    static std::vector<std::string> defaults;
    defaults = {"--benchmark_repetitions=9", "--benchmark_report_aggregates_only=true",
                "--benchmark_enable_random_interleaving=true", std::string("--benchmark_min_time=") + minTime};
    std::vector<char *> args(argv, argv + argc);
    // Given first, so that options on the command line still override them.
    for (std::size_t i = 0; i < defaults.size(); ++i)
        args.insert(args.begin() + 1 + std::ptrdiff_t(i), defaults[i].data());
    static std::vector<char *> kept;
    kept = args;
    int n = int(kept.size());
    benchmark::Initialize(&n, kept.data());
}
