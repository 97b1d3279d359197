// A knob position change (SetPosition -> RedrawKnob into the off-screen image)
// against Qt's raster engine drawing the same disk, rim, rings and indicator
// into an image of the same size. Both run in the same process; the report
// ends with the two medians and their ratio.
#include "medianreporter.h"
#include "knob/tknob.h"

#include <QApplication>
#include <QConicalGradient>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

namespace {

constexpr int Side = 42;

void BM_KnobRedraw(benchmark::State &state)
{
    TKnob knob; // never shown: only the off-screen redraw is measured
    knob.SetBounds(0, 0, Side, Side);
    knob.SetColor(clGray);
    knob.SetLineColor(clBlack);
    knob.SetLineLength(8);
    knob.SetLineWidth(2);
    knob.SetParams(-179, -179, 180);
    int p = -179;
    for (auto _ : state) {
        p = p >= 180 ? -179 : p + 7; // every step turns indicator and rim
        knob.SetPosition(p);
        benchmark::DoNotOptimize(knob.FrameImage().constBits());
    }
}
BENCHMARK(BM_KnobRedraw);

// Qt's own picture of the same knob: AA disk, gradient rim, highlight and
// state rings, a round-capped indicator line, over a stored background.
void qtKnob(QImage &image, const QImage &background, int angle)
{
    image = background; // shared until the painter detaches it: one copy, as ours
    const double R = Side / 2.0;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(128, 128, 128));
    p.drawEllipse(QPointF(R, R), R - 3.5, R - 3.5);
    p.setBrush(Qt::NoBrush);

    QConicalGradient rim(R, R, angle + 75);
    rim.setColorAt(0.0, QColor(223, 223, 223));
    rim.setColorAt(0.5, QColor(127, 127, 127));
    rim.setColorAt(1.0, QColor(223, 223, 223));
    p.setPen(QPen(QBrush(rim), 1.8));
    p.drawEllipse(QPointF(R, R), R - 2.4, R - 2.4);
    p.setPen(QPen(QColor(239, 239, 239), 0.8));
    p.drawEllipse(QPointF(R, R), R - 3.8, R - 3.8);
    p.setPen(QPen(QColor(63, 63, 63), 1.0));
    p.drawEllipse(QPointF(R, R), R - 1.0, R - 1.0);

    const double rad = angle * std::numbers::pi / 180.0;
    const double r = R - 7.0;
    QPen line(Qt::black, 2.0, Qt::SolidLine, Qt::RoundCap);
    p.setPen(line);
    p.drawLine(QPointF(R + r * std::cos(rad), R - r * std::sin(rad)),
               QPointF(R + (r - 8) * std::cos(rad), R - (r - 8) * std::sin(rad)));
}

void BM_QtRasterBaseline(benchmark::State &state)
{
    const auto format = QImage::Format(state.range(0));
    QImage background(Side, Side, format);
    background.fill(QColor(212, 208, 200));
    QImage image;
    int angle = 240;
    for (auto _ : state) {
        angle = angle <= -60 ? 240 : angle - 6;
        qtKnob(image, background, angle);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_QtRasterBaseline)
    ->ArgName("format")
    ->Arg(QImage::Format_ARGB32_Premultiplied) // Qt's fastest target
    ->Arg(QImage::Format_RGB888);              // the knob's own 24-bit format

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto knob = reporter.medians.find("BM_KnobRedraw");
    if (knob == reporter.medians.end()) {
        std::printf("\n(run with --benchmark_repetitions=N to get medians and ratios)\n");
        return 0;
    }
    // CPU time is the steadier figure on a shared machine; both are shown.
    const auto &k = knob->second;
    std::printf("\nmedians, real / cpu ns: knob redraw %.0f / %.0f\n", k.real, k.cpu);
    for (const auto &[name, m] : reporter.medians)
        if (name.rfind("BM_QtRasterBaseline", 0) == 0)
            std::printf("  %s %.0f / %.0f  ratio knob/baseline %.2f / %.2f\n", name.c_str(), m.real, m.cpu,
                        k.real / m.real, k.cpu / m.cpu);
    return 0;
}
