// Still pictures drawn in code: the control pad and the program icon. Both are
// opaque bitmaps.
#include "artwork.h"
#include "dialkit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace artwork {

namespace {

// One pixel wide, exactly on pixel column or row `at`.
void pixelColumn(QPainter &p, int at, int from, int to, const QColor &color)
{
    p.fillRect(QRect(at, from, 1, to - from + 1), color);
}

void pixelRow(QPainter &p, int at, int from, int to, const QColor &color)
{
    p.fillRect(QRect(from, at, to - from + 1, 1), color);
}

} // namespace

QImage controlPad()
{
    // The handlers read the pointer in picture pixels: the centre is pixel 82
    // and pixels 70..96 of each axis give no input. The marks sit exactly on
    // those pixels, so what the user sees is what the handlers do.
    const int last = kPadSize - 1;
    QImage pad(kPadSize, kPadSize, QImage::Format_RGB32);
    pad.fill(kPadField);
    QPainter p(&pad);

    // Grid every 12 pixels out from the centre.
    for (int d = 12; kPadCentre + d < last || kPadCentre - d > 0; d += 12) {
        for (int at : {kPadCentre - d, kPadCentre + d}) {
            if (at <= 0 || at >= last || (at >= kPadDeadLow && at <= kPadDeadHigh))
                continue;
            pixelColumn(p, at, 1, last - 1, kPadGrid);
            pixelRow(p, at, 1, last - 1, kPadGrid);
        }
    }

    // The dead band of each axis as a shaded strip, bounded by lines on its
    // first and last pixel; where the two cross neither input moves.
    const int band = kPadDeadHigh - kPadDeadLow + 1;
    p.fillRect(QRect(kPadDeadLow, 1, band, last - 1), QColor(kPadBand));
    p.fillRect(QRect(1, kPadDeadLow, last - 1, band), QColor(kPadBand));
    p.fillRect(QRect(kPadDeadLow, kPadDeadLow, band, band), QColor(kPadNeutral));
    for (int at : {kPadDeadLow, kPadDeadHigh}) {
        pixelColumn(p, at, 1, last - 1, kPadBandEdge);
        pixelRow(p, at, 1, last - 1, kPadBandEdge);
    }

    // Cross-hair through the centre pixel, with a small ring around it.
    pixelColumn(p, kPadCentre, 1, last - 1, kPadCross);
    pixelRow(p, kPadCentre, 1, last - 1, kPadCross);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(kPadCross), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(kPadCentre + 0.5, kPadCentre + 0.5), 6.0, 6.0);
    p.setRenderHint(QPainter::Antialiasing, false);

    // Frame.
    p.setPen(QColor(16, 18, 22));
    p.drawRect(QRect(0, 0, last, last));
    p.end();
    return pad;
}

QImage programIcon()
{
    // A small attitude instrument in a square bezel: the panel in one glance.
    const int size = 48;
    QImage icon(size, size, QImage::Format_RGB32);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient bezel(0, 0, 0, size);
    bezel.setColorAt(0.0, QColor(70, 74, 84));
    bezel.setColorAt(1.0, QColor(28, 30, 36));
    p.fillRect(icon.rect(), bezel);
    p.setPen(QColor(110, 114, 124));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, size - 1.0, size - 1.0));

    const QPointF c(size / 2.0, size / 2.0);
    const double r = 19.0;
    QPainterPath ball;
    ball.addEllipse(c, r, r);
    p.save();
    p.setClipPath(ball);
    p.translate(c);
    p.rotate(-15.0);
    p.fillRect(QRectF(-30, -30, 60, 32), QColor(40, 120, 210));
    p.fillRect(QRectF(-30, 2, 60, 30), QColor(150, 98, 46));
    p.setPen(QPen(Qt::white, 1.5));
    p.drawLine(QPointF(-30, 2), QPointF(30, 2));
    p.setPen(QPen(Qt::white, 1.0));
    p.drawLine(QPointF(-5, -6), QPointF(5, -6));
    p.drawLine(QPointF(-5, 10), QPointF(5, 10));
    p.restore();
    p.setPen(QPen(QColor(200, 204, 212), 2.0));
    p.drawEllipse(c, r, r);

    // The aircraft symbol stays level.
    p.setPen(QPen(QColor(255, 153, 51), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.x() - 12, c.y() + 1), QPointF(c.x() - 4, c.y() + 1));
    p.drawLine(QPointF(c.x() + 4, c.y() + 1), QPointF(c.x() + 12, c.y() + 1));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 153, 51));
    p.drawEllipse(QPointF(c.x(), c.y() + 1), 2.0, 2.0);
    p.end();
    return icon;
}

} // namespace artwork
