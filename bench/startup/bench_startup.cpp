// Start to connected: the time from starting the panel to its caption
// reading "Veltrano - Connected" with the first pass done (the pause button
// reads "&Pause", the refresh started), with veltrano-sim (the 747 in cruise)
// already running. Each iteration starts a fresh process that runs the
// program's own start (runPanel) and reports the moment; the baseline starts
// a process that shows an empty Qt window and reports its first activation,
// Qt's own share of any start.
//
// Per iteration the wall-clock time from fork to the report is the measured
// (manual) time: a start is a wait the user sees. The child's CPU time up to
// that moment is reported beside it. Off-screen by default; under xvfb-run
// with QT_QPA_PLATFORM=xcb it measures a start on an X server.
#include "medianreporter.h"
#include "benchoptions.h"
#include "program.h"
#include "simchild.h"
#include "uACMainForm.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr const char *kPanelChild = "--panel-child";
constexpr const char *kBareChild = "--bare-child";

std::string g_self; // this program, started again as the child

// "<cpu microseconds>" on standard output, the child's moment.
void reportMoment()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const long long cpu = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000LL + usage.ru_utime.tv_usec +
                          usage.ru_stime.tv_usec;
    std::printf("%lld\n", cpu);
    std::fflush(stdout);
}

bool connectedWithFirstPassDone(const TfrmACMain &w)
{
    return w.windowTitle() == QLatin1String("Veltrano - Connected") && w.bbtnPause->text() == QLatin1String("&Pause");
}

// The panel as the program starts it; reports and quits once connected.
int panelChild(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTimer watch;
    watch.setInterval(1); // also runs inside the first pass, which pumps messages
    QObject::connect(&watch, &QTimer::timeout, [&] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            const auto *panel = qobject_cast<TfrmACMain *>(w);
            if (panel && connectedWithFirstPassDone(*panel)) {
                watch.stop();
                reportMoment();
                QCoreApplication::exit(0);
            }
        }
    });
    watch.start();
    return runPanel(app);
}

// An empty window, shown and activated the same way; reports its activation.
int bareChild(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(1161, 783);
    QTimer watch;
    watch.setInterval(1);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (window.isActiveWindow()) {
            watch.stop();
            reportMoment();
            QCoreApplication::exit(0);
        }
    });
    watch.start();
    window.show();
    window.activateWindow();
    return app.exec();
}

// Starts this program as a child in `mode`; the wall time until its report
// and the CPU time it reported. False when it ended without one.
bool startChild(const char *mode, double &wallSeconds, double &cpuSeconds)
{
    int out[2];
    if (::pipe(out) != 0)
        return false;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(out[1], 1);
        ::close(out[0]);
        ::close(out[1]);
        ::execl(g_self.c_str(), g_self.c_str(), mode, static_cast<char *>(nullptr));
        ::_exit(127);
    }
    ::close(out[1]);
    FILE *in = ::fdopen(out[0], "r");
    long long cpuMicros = -1;
    const bool reported = in && std::fscanf(in, "%lld", &cpuMicros) == 1;
    wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    cpuSeconds = double(cpuMicros) / 1e6;
    if (in)
        std::fclose(in);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return reported;
}

void measureStarts(benchmark::State &state, const char *mode)
{
    double cpu = 0;
    for (auto _ : state) {
        double wall = 0, childCpu = 0;
        if (!startChild(mode, wall, childCpu)) {
            state.SkipWithError("the child ended without reporting");
            break;
        }
        state.SetIterationTime(wall);
        cpu += childCpu;
    }
    state.counters["child_cpu_ms"] = benchmark::Counter(cpu * 1000, benchmark::Counter::kAvgIterations);
}

void PanelStartToConnected(benchmark::State &state) { measureStarts(state, kPanelChild); }
void BareQtWindowStart(benchmark::State &state) { measureStarts(state, kBareChild); }

BENCHMARK(PanelStartToConnected)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BareQtWindowStart)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 2 && std::strcmp(argv[1], kPanelChild) == 0)
        return panelChild(argc, argv);
    if (argc == 2 && std::strcmp(argv[1], kBareChild) == 0)
        return bareChild(argc, argv);

    char self[4096] = {};
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    g_self = n > 0 ? std::string(self, std::size_t(n)) : std::string(argv[0]);
    PrivateEndpoints endpoints;
    SimChild sim({"--aircraft", "b747", "--scenario", "cruise"});

    initializeInterleaved(argc, argv, "0.5");
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    Median panel = reporter.of("PanelStartToConnected");
    Median bare = reporter.of("BareQtWindowStart");
    if (panel.real > 0 && bare.real > 0)
        std::printf("\nmedian start to connected %.0f ms (child CPU %.0f ms); an empty Qt window %.0f ms (CPU %.0f "
                    "ms); ratio %.2f\n",
                    panel.real, panel.counters["child_cpu_ms"], bare.real, bare.counters["child_cpu_ms"],
                    panel.real / bare.real);
    benchmark::Shutdown();
    return 0;
}
