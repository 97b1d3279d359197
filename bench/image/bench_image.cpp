// What a new angle costs the rotatable image before it paints, and what a paint
// costs, each against Qt's own raster engine doing the same job in this run.
//
//   bench_image --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
//
// Pairs to compare (ratio = ours / Qt's):
//   BM_NewAngle (widget: SetRotationAngle, buffers rebuilt)  vs BM_QtTransformed
//   BM_MakeRotated (the turning alone)                       vs BM_QtTransformed
//   BM_PaintWidget (blend the ready buffer over the face)    vs BM_QtPaintRotated
// CPU time is the whole process's, since Qt may hand part of an image job to
// its thread pool; on a busy machine it is steadier than the wall-clock time.
#include "image/imagegeometry.h"
#include "image/pixeldata.h"
#include "image/resample.h"
#include "image/trotatableimage.h"

#include <QApplication>
#include <QPainter>
#include <QPolygon>
#include <QTransform>
#include <benchmark/benchmark.h>

namespace {

constexpr int kSide = 120;
constexpr double kAngle = 37.0;

// A 120 x 120 needle on a white (transparent) ground, like the panel's markers.
QImage Needle()
{
    QImage image(kSide, kSide, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 30, 30));
    p.drawPolygon(QPolygon({QPoint(56, 60), QPoint(60, 4), QPoint(64, 60)}));
    p.setBrush(QColor(20, 20, 20));
    p.drawRect(57, 60, 7, 40);
    p.setBrush(QColor(128, 128, 128));
    p.drawEllipse(QPoint(60, 60), 6, 6);
    return image;
}

QImage Face()
{
    QImage image(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(30, 40, 60));
    return image;
}

// The keyed picture: what both sides turn.
const QImage &Picture()
{
    static const QImage picture = PictureWithTransparency(Needle(), true, clWhite);
    return picture;
}

void BM_NewAngle(benchmark::State &state)
{
    TRotatableImage image;
    image.resize(kSide, kSide);
    image.SetCenter(true);
    image.SetTransparent(true);
    image.SetBlendColor(clBlack);
    image.SetPicture(Needle());
    bool flip = false;
    for (auto _ : state) {
        // 37 and 397 differ as values but turn alike, so every pass does the same work.
        image.SetRotationAngle(flip ? kAngle + 360.0 : kAngle);
        flip = !flip;
        benchmark::DoNotOptimize(image.RotatedBuffer().pixels.data());
    }
}
BENCHMARK(BM_NewAngle)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

void BM_MakeRotated(benchmark::State &state)
{
    const Pixel blendCol = BlendColOf(clBlack);
    const PixelBuffer source = MakeData(Picture(), blendCol);
    const double rad = DegreesToRadians(kAngle);
    const int w = RotatedWidth(kSide, kSide, rad), h = RotatedHeight(kSide, kSide, rad);
    for (auto _ : state) {
        PixelBuffer out = MakeRotated(source, rad, w, h, blendCol);
        benchmark::DoNotOptimize(out.pixels.data());
    }
}
BENCHMARK(BM_MakeRotated)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

void BM_QtTransformed(benchmark::State &state)
{
    const QImage &picture = Picture();
    // Qt's y axis points down, so a counter-clockwise turn on screen is negative.
    const QTransform turn = QTransform().rotate(-kAngle);
    for (auto _ : state) {
        QImage out = picture.transformed(turn, Qt::SmoothTransformation);
        benchmark::DoNotOptimize(out.constBits());
    }
}
BENCHMARK(BM_QtTransformed)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

void BM_PaintWidget(benchmark::State &state)
{
    QWidget parent;
    parent.resize(kSide, kSide);
    auto *image = new TRotatableImage(&parent);
    image->resize(kSide, kSide);
    image->SetCenter(true);
    image->SetTransparent(true);
    image->SetBlendColor(clBlack);
    image->SetPicture(Needle());
    image->SetRotationAngle(kAngle);
    const QImage face = Face();
    QImage target = face;
    for (auto _ : state) {
        target = face;
        image->render(&target, QPoint(), QRegion(), QWidget::RenderFlags());
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_PaintWidget)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

void BM_QtPaintRotated(benchmark::State &state)
{
    const QImage &picture = Picture();
    const QImage face = Face();
    QImage target = face;
    for (auto _ : state) {
        target = face;
        QPainter p(&target);
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.translate(kSide / 2.0, kSide / 2.0);
        p.rotate(-kAngle);
        p.drawImage(QPointF(-kSide / 2.0, -kSide / 2.0), picture);
        p.end();
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_QtPaintRotated)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
