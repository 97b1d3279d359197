#include "golden.h"

#include <QDir>

#include <algorithm>
#include <cstdlib>

namespace {

QString goldenPath(const QString &name)
{
    return QStringLiteral(VELTRANO_GOLDEN_DIR "/") + name + QStringLiteral(".png");
}

void writeFailure(const QImage &actual, const QImage &diff, const QString &name)
{
    QDir().mkpath(QStringLiteral(VELTRANO_GOLDEN_OUT));
    const QString base = QStringLiteral(VELTRANO_GOLDEN_OUT "/") + name;
    actual.save(base + QStringLiteral("-actual.png"));
    if (!diff.isNull())
        diff.save(base + QStringLiteral("-diff.png"));
}

} // namespace

::testing::AssertionResult matchesGolden(const QImage &actualIn, const QString &name, int tolerance)
{
    const QImage actual = actualIn.convertToFormat(QImage::Format_RGB32);
    const char *update = std::getenv("VELTRANO_UPDATE_GOLDEN");
    if (update && *update == '1') {
        if (!actual.save(goldenPath(name)))
            return ::testing::AssertionFailure() << "cannot write golden " << goldenPath(name).toStdString();
        return ::testing::AssertionSuccess();
    }
    QImage expected(goldenPath(name));
    if (expected.isNull()) {
        writeFailure(actual, QImage(), name);
        return ::testing::AssertionFailure() << "no golden image " << goldenPath(name).toStdString()
                                             << " (run with VELTRANO_UPDATE_GOLDEN=1 to create it)";
    }
    expected = expected.convertToFormat(QImage::Format_RGB32);
    if (expected.size() != actual.size()) {
        writeFailure(actual, QImage(), name);
        return ::testing::AssertionFailure() << name.toStdString() << ": size " << actual.width() << "x"
                                             << actual.height() << " differs from golden " << expected.width()
                                             << "x" << expected.height();
    }
    QImage diff(actual.size(), QImage::Format_RGB32);
    diff.fill(Qt::black);
    int worst = 0;
    int badPixels = 0;
    for (int y = 0; y < actual.height(); ++y) {
        const QRgb *a = reinterpret_cast<const QRgb *>(actual.constScanLine(y));
        const QRgb *e = reinterpret_cast<const QRgb *>(expected.constScanLine(y));
        QRgb *d = reinterpret_cast<QRgb *>(diff.scanLine(y));
        for (int x = 0; x < actual.width(); ++x) {
            const int dr = std::abs(qRed(a[x]) - qRed(e[x]));
            const int dg = std::abs(qGreen(a[x]) - qGreen(e[x]));
            const int db = std::abs(qBlue(a[x]) - qBlue(e[x]));
            const int m = std::max({dr, dg, db});
            worst = std::max(worst, m);
            if (m > tolerance) {
                ++badPixels;
                d[x] = qRgb(255, 0, 0);
            } else if (m > 0) {
                d[x] = qRgb(0, 0, 96);
            }
        }
    }
    if (badPixels == 0)
        return ::testing::AssertionSuccess();
    writeFailure(actual, diff, name);
    return ::testing::AssertionFailure() << name.toStdString() << ": " << badPixels
                                         << " pixels differ by more than " << tolerance
                                         << " (worst " << worst << "); see " VELTRANO_GOLDEN_OUT;
}
