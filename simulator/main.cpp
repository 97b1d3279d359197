// veltrano-sim: the stand-in simulator as a program. It serves the link's
// window, prints READY <class>, then answers one line per command read from
// standard input. It keeps serving when input ends and stops on quit, SIGINT
// or SIGTERM, destroying its window so the endpoint goes with it.
#include "operatorconsole.h"
#include "standinsimulator.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char **argv)
{
    std::vector<std::string_view> args(argv + 1, argv + argc);
    std::string error;
    const auto options = parseOptions(args, error);
    if (!options) {
        std::fprintf(stderr, "veltrano-sim: %s\n"
                             "usage: veltrano-sim [--class UIPCMAIN|FS98MAIN] [--version 0xNNNNNNNN] [--sim N] "
                             "[--aircraft NAME] [--scenario parked|taxi|cruise|approach]\n",
                     error.c_str());
        return 2;
    }
    if (!takeStopSignals("veltrano-sim"))
        return 1;

    LineOut out;
    StandInSimulator simulator;
    simulator.setTraceSink([&out](const std::string &line) { out.line(line); });
    if (!simulator.start(*options, &error)) {
        std::fprintf(stderr, "veltrano-sim: %s\n", error.c_str());
        return 1;
    }
    out.line("READY " + options->windowClass);
    runConsole(out, [&](std::string_view line) { return simulator.command(line); },
               [&] { return simulator.quitRequested(); });
    simulator.stop();
    return 0;
}
