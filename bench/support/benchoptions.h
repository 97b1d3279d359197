#pragma once
// The options the whole-panel benchmarks run with unless the command line
// says otherwise: nine repetitions, interleaved at random so that load that
// comes and goes on a shared machine falls on every side alike, reported as
// aggregates (the medians are what the programs compare).

// Initializes Google Benchmark; minTime is the least time of one repetition,
// in seconds ("0.2").
void initializeInterleaved(int argc, char **argv, const char *minTime);
