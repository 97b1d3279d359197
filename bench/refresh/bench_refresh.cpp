// One refresh tick of the connected panel (the clock, the always-readers and
// the phase's readers, then painting what changed) against veltrano-sim in
// another process with the 747 (four engines, most tanks), and in the same
// run the same number of bare link exchanges, so that the ratio shows what
// the readers and the controls cost beyond the link.
//
// The simulator flies the cruise scenario frozen, and the benchmark steps it
// by 500 ms of flight (ten model steps, outside the timed part) before each
// moving tick: every run sees the same flight, as deterministic as a frozen
// aircraft, while the values move as they do between two ticks in the air.
// Still ticks take no step: nothing the panel shows changes but the clock.
//
//   Tick/phase/moving  one tick with vInProc at phase (0..3), moving 0 or 1
//   Cycle/moving       four ticks, phases 0 to 3 in turn
//   BareExchanges/n    n exchanges of one 8-byte read each (FSUIPC_Read and
//                      FSUIPC_Process), n being the exchanges of a tick
//
// Times are the panel process's CPU time (the simulator's is its own; the
// wait for its answers costs none). The repetitions are interleaved at random
// and the table after the run is built from CPU-time medians.
//
// Exchanges are counted at the socket: the program is linked with
// --wrap=send, so every message the link sends passes through __wrap_send.
// Repaints are counted per widget with the tests' paint counter, in one
// calibration run of each kind of tick before the measurements.
#include "medianreporter.h"
#include "SimLinkClient.h"
#include "adapters/panelstatusbar.h"
#include "adapters/paneltimer.h"
#include "fonts/panelfonts.h"
#include "paintcounter.h"
#include "benchoptions.h"
#include "simchild.h"
#include "uACMainForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <sys/socket.h>
#include <sys/types.h>

namespace {

long g_sends = 0;

} // namespace

extern "C" ssize_t __real_send(int fd, const void *buf, size_t n, int flags);
extern "C" ssize_t __wrap_send(int fd, const void *buf, size_t n, int flags)
{
    ++g_sends;
    return __real_send(fd, buf, n, flags);
}

namespace {

// 500 ms of flight: the refresh interval of a panel on the simulator's machine.
constexpr const char *kStepBetweenTicks = "step 10";

SimChild *g_sim = nullptr;
TfrmACMain *g_panel = nullptr;

// The tick as the refresh timer runs it, then the paint the event loop would
// do next. The status bar paints its new texts a moment after the tick; a
// whole repaint of it here stands for that (a little more than it paints).
[[gnu::noinline]] void tickAt(int phase) // noinline: a profiler can collect just the ticks
{
    g_panel->vInProc = std::uint8_t(phase);
    g_panel->TimerUpdateTimeTimer();
    QCoreApplication::processEvents();
    g_panel->simver1->repaint();
}

void stepFlight()
{
    if (g_sim->command(kStepBetweenTicks) != "OK")
        std::fprintf(stderr, "veltrano-sim refused \"%s\"\n", kStepBetweenTicks);
}

// Before a moving tick, the flight goes on outside the timed part.
void stepUntimed(benchmark::State &state, bool moving)
{
    if (!moving)
        return;
    state.PauseTiming();
    stepFlight();
    state.ResumeTiming();
}

void Tick(benchmark::State &state)
{
    const int phase = int(state.range(0));
    const bool moving = state.range(1) != 0;
    for (auto _ : state) {
        stepUntimed(state, moving);
        tickAt(phase);
    }
}

void Cycle(benchmark::State &state)
{
    const bool moving = state.range(0) != 0;
    for (auto _ : state)
        for (int phase = 0; phase < 4; ++phase) {
            stepUntimed(state, moving);
            tickAt(phase);
        }
}

void BareExchanges(benchmark::State &state)
{
    const auto n = state.range(0);
    double value = 0;
    DWORD result = 0;
    for (auto _ : state) {
        for (std::int64_t i = 0; i < n; ++i) {
            FSUIPC_Read(0x2B00, 8, &value, result);
            if (!FSUIPC_Process(result))
                state.SkipWithError(resultTextOf(result));
        }
        benchmark::DoNotOptimize(value);
    }
}

struct Calibration {
    double exchanges = 0; // per tick
    double paints = 0;    // paint events per tick, every widget counted
    int widgets = 0;      // widgets painted at least once, over the ticks
};

// The exchanges and repaints of `ticks` ticks of one kind, per tick.
Calibration calibrate(const std::vector<int> &phases, bool moving, int rounds)
{
    PaintCounter paints(g_panel);
    paints.reset();
    const long sendsBefore = g_sends;
    int ticks = 0;
    for (int r = 0; r < rounds; ++r)
        for (int phase : phases) {
            if (moving)
                stepFlight();
            tickAt(phase);
            ++ticks;
        }
    PaintCounter::flush();
    Calibration c;
    c.exchanges = double(g_sends - sendsBefore) / ticks;
    c.paints = double(paints.total()) / ticks;
    c.widgets = paints.widgetsPainted();
    return c;
}

std::string name(const char *base, std::initializer_list<long> args)
{
    std::string s = base;
    for (long a : args)
        s += "/" + std::to_string(a);
    return s;
}

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    PrivateEndpoints endpoints;
    QApplication app(argc, argv);
    panelfonts::registerPanelFonts();

    SimChild sim({"--aircraft", "b747", "--scenario", "cruise"});
    g_sim = &sim;
    if (sim.command("freeze on") != "OK")
        return 1;
    auto panel = std::make_unique<TfrmACMain>();
    g_panel = panel.get();
    panel->show();
    panel->FormActivate();
    if (!panel->isConnected) {
        std::fprintf(stderr, "the panel did not connect: %s\n", qPrintable(panel->statusPanel(3)));
        return 1;
    }
    // The benchmark runs the ticks itself; the refresh stays "running" (the
    // pause button reads "&Pause") with its timer stopped. The engine scan
    // the connection started for the running engines would turn the
    // selectors on its own timer; it is stopped too.
    panel->TimerUpdateTime->SetEnabled(false);
    panel->cbxScanEng->setChecked(false);
    for (int i = 0; i < 8; ++i) // the first ticks settle the ranges and texts
        tickAt(i % 4);

    std::map<std::string, Calibration> calibrations;
    std::set<long> exchangeCounts;
    for (int moving = 0; moving < 2; ++moving) {
        for (int phase = 0; phase < 4; ++phase) {
            const Calibration c = calibrate({phase}, moving, 4);
            calibrations[name("Tick", {phase, moving})] = c;
            exchangeCounts.insert(long(c.exchanges + 0.5));
        }
        calibrations[name("Cycle", {moving})] = calibrate({0, 1, 2, 3}, moving, 2);
        exchangeCounts.insert(long(calibrations[name("Cycle", {moving})].exchanges * 4 + 0.5));
    }

    if (calibrations.begin()->second.exchanges == 0) {
        std::fprintf(stderr, "no exchange counted: does the link still send with send()?\n");
        return 1;
    }

    for (int moving = 0; moving < 2; ++moving) {
        for (int phase = 0; phase < 4; ++phase)
            benchmark::RegisterBenchmark("Tick", Tick)
                ->Args({phase, moving})
                ->MeasureProcessCPUTime()
                ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark("Cycle", Cycle)
            ->Args({moving})
            ->MeasureProcessCPUTime()
            ->Unit(benchmark::kMicrosecond);
    }
    for (long n : exchangeCounts)
        benchmark::RegisterBenchmark("BareExchanges", BareExchanges)
            ->Args({n})
            ->MeasureProcessCPUTime()
            ->Unit(benchmark::kMicrosecond);

    initializeInterleaved(argc, argv, "0.2");
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\nCPU-time medians per tick; the bare side is the same number of exchanges alone\n");
    std::printf("%-10s %10s %10s %9s %12s %8s %8s\n", "", "tick us", "exchanges", "bare us", "tick / bare",
                "paints", "widgets");
    for (const auto &[bench, c] : calibrations) {
        const bool cycle = bench.rfind("Cycle", 0) == 0;
        const double ticks = cycle ? 4.0 : 1.0;
        const long exchanges = long(c.exchanges * ticks + 0.5);
        const auto tick = reporter.medians.find(bench);
        const auto bare = reporter.medians.find(name("BareExchanges", {exchanges}));
        if (tick == reporter.medians.end() || bare == reporter.medians.end())
            continue;
        std::printf("%-10s %10.1f %10.1f %9.1f %12.2f %8.1f %8d\n", bench.c_str(), tick->second.cpu / ticks, c.exchanges,
                    bare->second.cpu / ticks, tick->second.cpu / bare->second.cpu, c.paints, c.widgets);
    }
    std::printf("Tick/phase/moving; Cycle/moving per tick over the four phases. Paints: paint events per tick;\n"
                "widgets: how many widgets painted at least once over the calibration ticks.\n");

    benchmark::Shutdown();
    panel.reset();
    FSUIPC_Close();
    return 0;
}
