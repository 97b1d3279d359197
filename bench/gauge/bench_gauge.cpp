// Needle redraw of the panel's airspeed dial (128x128, 2x supersampling)
// against Qt's raster engine drawing the same needle and pivot disk with
// antialiasing over a copy of the cached scale at 1x. Both off-screen, neither
// paints a window (the dial is never shown, so its redraw skips the paint).
//
// What each side includes, per iteration:
//   BM_GaugePositionChange: SetPosition - the needle's geometry, restoring the
//     old needle's pixels from the cached 2x scale, the new needle (a 4-pixel
//     line through QPainter, the pivot disk from its cached rows), averaging
//     the changed 2x2 blocks down to the shown picture, the Frames clock.
//   BM_QPainterNeedleBaseline: a copy of the whole 1x scale (64 KiB), a
//     QPainter on it, an antialiased 2-pixel line and an antialiased disk.
//
// The ratio is taken from the CPU-time medians: the repetitions of the three
// benchmarks are interleaved at random, so work that comes and goes on the
// machine meanwhile falls on both sides alike; wall-clock ratios still move
// with that work (one run after another gave 1.3 to 2.6 for the same code on
// a shared two-core machine) and are printed for reference only.
#include "medianreporter.h"
#include "panelgauges.h"

#include "gauge/gaugesampling.h"

#include <QApplication>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <array>
#include <cstring>
#include <iostream>
#include <memory>

namespace {

// Positions spread over the dial so that every needle direction is measured.
constexpr std::array<float, 16> positions{3, 171, 48, 122, 97, 15, 186, 66, 140, 30, 110, 199, 80, 158, 55, 131};

void configureSpeed(TAnalogGauge &g)
{
    configurePanelGauge(g, panelGauges[0]);
}

// What a Position change costs on the panel: the widget's own redraw.
void BM_GaugePositionChange(benchmark::State &state)
{
    TAnalogGauge g;
    configureSpeed(g);
    std::size_t i = 0;
    for (auto _ : state) {
        g.SetPosition(positions[i++ % positions.size()]);
        benchmark::DoNotOptimize(g.averagedImage().constBits());
    }
}
BENCHMARK(BM_GaugePositionChange)->MeasureProcessCPUTime();

// The same redraw done over the whole picture: copy of the whole scale,
// needle, and averaging of every block.
void BM_GaugeWholeFrameRedraw(benchmark::State &state)
{
    std::vector<std::unique_ptr<TAnalogGauge>> gauges;
    for (float p : positions) {
        gauges.push_back(std::make_unique<TAnalogGauge>());
        configureSpeed(*gauges.back());
        gauges.back()->SetPosition(p);
    }
    const QImage &scale = gauges[0]->scaleImage();
    QImage face(scale.size(), QImage::Format_RGB32);
    QImage avg(gauges[0]->size(), QImage::Format_RGB32);
    std::size_t i = 0;
    for (auto _ : state) {
        std::memcpy(face.bits(), scale.constBits(), std::size_t(scale.sizeInBytes()));
        gauges[i++ % gauges.size()]->DrawArrow(face, 2);
        averageBlocks(face, avg, 2);
        benchmark::DoNotOptimize(avg.constBits());
    }
}
BENCHMARK(BM_GaugeWholeFrameRedraw)->MeasureProcessCPUTime();

// Baseline: QPainter with antialiasing, same needle and disk, at 1x.
void BM_QPainterNeedleBaseline(benchmark::State &state)
{
    TAnalogGauge g;
    configureSpeed(g);
    g.SetAntiAliased(aaNone);
    const QImage scale = g.scaleImage().copy();
    QImage frame(scale.size(), QImage::Format_RGB32);
    const GaugeGeometry geo = g.geometryFor(1);
    const QPen pen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap);
    const QColor disk(128, 128, 128);
    std::size_t i = 0;
    for (auto _ : state) {
        std::memcpy(frame.bits(), scale.constBits(), std::size_t(scale.sizeInBytes()));
        const float v = positions[i++ % positions.size()];
        QPainter p(&frame);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(pen);
        const QPointF pivot(geo.cx, geo.cy);
        p.drawLine(pivot, scalePointF(geo, valueToScale(v, geo.angle, g.Scale()), geo.R));
        p.setPen(Qt::NoPen);
        p.setBrush(disk);
        p.drawEllipse(pivot, 8.0, 8.0);
        p.end();
        benchmark::DoNotOptimize(frame.constBits());
    }
}
BENCHMARK(BM_QPainterNeedleBaseline)->MeasureProcessCPUTime();

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    panelfonts::registerPanelFonts();
    std::vector<char *> args(argv, argv + argc);
    std::string reps = "--benchmark_repetitions=15";
    std::string aggr = "--benchmark_report_aggregates_only=true";
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    // Given first, so that options on the command line still override them.
    args.insert(args.begin() + 1, {reps.data(), aggr.data(), interleave.data()});
    int n = int(args.size());
    benchmark::Initialize(&n, args.data());
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const Median base = reporter.of("BM_QPainterNeedleBaseline");
    if (base.real > 0 && base.cpu > 0) {
        for (const char *name : {"BM_GaugePositionChange", "BM_GaugeWholeFrameRedraw"}) {
            const Median t = reporter.of(name);
            if (t.real > 0)
                std::cout << name << " / baseline, CPU-time medians: " << t.cpu / base.cpu
                          << " (wall clock " << t.real / base.real << ")\n";
        }
    }
    benchmark::Shutdown();
    return 0;
}
