// veltrano-fg: the panel's far end on FlightGear. It serves the link's
// window exactly as veltrano-sim does and answers from FlightGear's property
// tree, reached through the props server in data mode. It prints READY
// <class> once it serves, a FLIGHTGEAR line whenever the property link
// connects or is lost, then answers one line per command on standard input:
// read, write, trace, quit, and stats (batch latency and counters; "stats
// reset" starts the latency record afresh). It stops
// on quit, SIGINT or SIGTERM.
#include "bridgeoptions.h"
#include "linkwindow.h"
#include "operatorconsole.h"
#include "propertybridge.h"
#include "propertyfarend.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::optional<fg::PropertyTable> loadTable(const std::string &file, std::string &error)
{
    std::string text(fg::builtInTable());
    if (!file.empty()) {
        std::ifstream in(file);
        if (!in) {
            error = "cannot read " + file;
            return std::nullopt;
        }
        std::ostringstream s;
        s << in.rdbuf();
        text = s.str();
    }
    auto table = fg::parseTable(text, error);
    if (!table)
        error = (file.empty() ? std::string("built-in table") : file) + ", " + error;
    return table;
}

std::string statsLine(const fg::PropertyBridge &bridge, const fg::PropertyFarEnd &core)
{
    const auto l = bridge.latency();
    return "OK connected " + std::to_string(bridge.connected() ? 1 : 0) + " aircraft " +
           (bridge.aircraft().empty() ? "-" : bridge.aircraft()) + " batches " + std::to_string(l.batches) +
           " median_us " + std::to_string(l.medianMicros) + " p99_us " + std::to_string(l.p99Micros) + " max_us " +
           std::to_string(l.maxMicros) + " refused " + std::to_string(core.refusedAnswers()) + " sets " +
           std::to_string(core.setsSent()) + " connections " + std::to_string(bridge.connections());
}

} // namespace

int main(int argc, char **argv)
{
    std::vector<std::string_view> args(argv + 1, argv + argc);
    std::string error;
    const auto options = fg::parseBridgeOptions(args, error);
    if (!options) {
        std::fprintf(stderr, "veltrano-fg: %s\n"
                             "usage: veltrano-fg [--fg HOST:PORT] [--rate HZ] [--channels N] [--aircraft NAME] [--table FILE] "
                             "[--class UIPCMAIN|FS98MAIN] [--version 0xNNNNNNNN] [--sim N]\n",
                     error.c_str());
        return 2;
    }
    auto table = loadTable(options->tableFile, error);
    if (!table) {
        std::fprintf(stderr, "veltrano-fg: %s\n", error.c_str());
        return 2;
    }
    if (!takeStopSignals("veltrano-fg"))
        return 1;

    LineOut out;
    fg::PropertyBridge *bridge = nullptr;
    fg::PropertyFarEnd core(options->identity, [&bridge] {
        if (bridge)
            bridge->wake();
    });
    core.setTraceSink([&out](const std::string &line) { out.line(line); });
    fg::PropertyBridge link(core, std::move(*table), options->bridge, [&out](const std::string &line) { out.line(line); });
    bridge = &link;

    LinkWindow window;
    if (!window.open(options->identity.windowClass, core, &error)) {
        std::fprintf(stderr, "veltrano-fg: %s\n", error.c_str());
        return 1;
    }
    out.line("READY " + options->identity.windowClass);
    link.start();
    runConsole(
        out,
        [&](std::string_view line) {
            const auto words = cmd::split(line);
            if (words.size() == 1 && words[0] == "stats")
                return statsLine(link, core);
            if (words.size() == 2 && words[0] == "stats" && words[1] == "reset") {
                std::string answer = statsLine(link, core);
                link.resetLatency();
                return answer;
            }
            return core.command(line);
        },
        [&] { return core.quitRequested(); });
    window.close();
    link.stop();
    return 0;
}
