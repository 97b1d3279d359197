// A light aircraft's six basic instruments on a grey panel.
#include "dialkit.h"
#include "scenes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

using artwork::dialFont;
using artwork::polar;

namespace {

const QColor kFace(18, 18, 20);
const QColor kMarks(236, 236, 230);

void screw(QPainter &p, QPointF at)
{
    QRadialGradient g(at + QPointF(-1, -1), 4);
    g.setColorAt(0, QColor(170, 172, 176));
    g.setColorAt(1, QColor(70, 72, 76));
    p.setPen(QPen(QColor(30, 30, 32), 0.8));
    p.setBrush(g);
    p.drawEllipse(at, 3.2, 3.2);
    p.setPen(QPen(QColor(40, 40, 42), 1.0));
    p.drawLine(at + QPointF(-2, 1.2), at + QPointF(2, -1.2));
}

// Bezel and face; leaves the painter clipped to the face.
void caseAndFace(QPainter &p, QPointF c, double r)
{
    QLinearGradient bezel(c.x(), c.y() - r - 4, c.x(), c.y() + r + 4);
    bezel.setColorAt(0, QColor(30, 30, 32));
    bezel.setColorAt(1, QColor(92, 94, 98));
    p.setPen(Qt::NoPen);
    p.setBrush(bezel);
    p.drawEllipse(c, r + 4, r + 4);
    p.setBrush(kFace);
    p.drawEllipse(c, r, r);
    for (int a : {45, 135, 225, 315})
        screw(p, polar(c, r + 10, a));
}

void glass(QPainter &p, QPointF c, double r)
{
    QRadialGradient g(c + QPointF(-r * 0.4, -r * 0.5), r * 1.2);
    g.setColorAt(0, QColor(255, 255, 255, 40));
    g.setColorAt(0.5, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

void needle(QPainter &p, QPointF c, double length, double angle, double width = 2.4)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    QPolygonF shape;
    shape << QPointF(-width / 2, 8) << QPointF(-width / 2, -length + 6) << QPointF(0, -length)
          << QPointF(width / 2, -length + 6) << QPointF(width / 2, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(245, 245, 240));
    p.drawPolygon(shape);
    p.setBrush(QColor(60, 60, 64));
    p.drawEllipse(QPointF(0, 0), 3, 3);
    p.restore();
}

void ticks(QPainter &p, QPointF c, double r, double from, double to, int count, int majorEvery)
{
    for (int i = 0; i <= count; ++i) {
        const double a = from + (to - from) * i / count;
        const bool major = i % majorEvery == 0;
        p.setPen(QPen(kMarks, major ? 1.6 : 1.0, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(polar(c, r - (major ? 7 : 4), a), polar(c, r - 1, a));
    }
}

void arc(QPainter &p, QPointF c, double r, double from, double to, const QColor &color)
{
    // Compass angles to Qt's counter-clockwise-from-3-o'clock sixteenths.
    p.setPen(QPen(color, 3.5, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
    p.drawArc(box, int((90 - from) * 16), int(-(to - from) * 16));
}

// Upright text centred on the point at distance r and the given angle.
void uprightText(QPainter &p, QPointF c, double r, double angle, const QString &text, int size)
{
    const QPointF at = polar(c, r, angle);
    p.setFont(dialFont(size, true));
    p.setPen(kMarks);
    p.drawText(QRectF(at.x() - 15, at.y() - 7, 30, 14), Qt::AlignCenter, text);
}

void label(QPainter &p, QPointF at, const QString &text, int size)
{
    p.setFont(dialFont(size, true));
    p.setPen(kMarks);
    p.drawText(QRectF(at.x() - 30, at.y() - 8, 60, 16), Qt::AlignCenter, text);
}

void airspeed(QPainter &p, QPointF c, double r)
{
    caseAndFace(p, c, r);
    arc(p, c, r - 3, 60, 250, QColor(40, 170, 60));
    arc(p, c, r - 3, 250, 300, QColor(230, 200, 40));
    p.setPen(QPen(QColor(220, 40, 40), 2.5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(polar(c, r - 9, 300), polar(c, r - 1, 300));
    ticks(p, c, r, 20, 320, 30, 5);
    for (int i = 0; i <= 6; ++i)
        uprightText(p, c, r - 16, 20 + i * 50, QString::number(40 + i * 20), 8);
    label(p, c + QPointF(0, -r * 0.28), QStringLiteral("KNOTS"), 7);
    needle(p, c, r - 6, 150);
    glass(p, c, r);
}

void attitude(QPainter &p, QPointF c, double r)
{
    caseAndFace(p, c, r);
    p.save();
    QPainterPath face;
    face.addEllipse(c, r - 1, r - 1);
    p.setClipPath(face);
    p.translate(c);
    p.rotate(-12);
    p.fillRect(QRectF(-r, -r, 2 * r, r + 4), QColor(40, 120, 210));
    p.fillRect(QRectF(-r, 4, 2 * r, r), QColor(140, 90, 40));
    p.setPen(QPen(Qt::white, 1.5));
    p.drawLine(QPointF(-r, 4), QPointF(r, 4));
    p.setPen(QPen(Qt::white, 1.0));
    for (int d : {-12, -6, 12, 18}) {
        const double half = (d % 12 == 0) ? 10 : 5;
        p.drawLine(QPointF(-half, 4 + d), QPointF(half, 4 + d));
    }
    for (int a : {-60, -30, -20, -10, 0, 10, 20, 30, 60})
        p.drawLine(polar(QPointF(0, 0), r - 10, a), polar(QPointF(0, 0), r - 2, a));
    p.restore();
    p.setPen(QPen(QColor(255, 153, 51), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-22, 3), c + QPointF(-7, 3));
    p.drawLine(c + QPointF(7, 3), c + QPointF(22, 3));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 153, 51));
    p.drawEllipse(c + QPointF(0, 3), 2.5, 2.5);
    glass(p, c, r);
}

void altimeter(QPainter &p, QPointF c, double r)
{
    caseAndFace(p, c, r);
    ticks(p, c, r, 0, 360, 50, 5);
    for (int i = 0; i < 10; ++i)
        uprightText(p, c, r - 14, i * 36, QString::number(i), 10);
    label(p, c + QPointF(0, r * 0.38), QStringLiteral("ALT"), 7);
    p.fillRect(QRectF(c.x() + r * 0.28, c.y() - 5, 20, 10), QColor(40, 40, 44));
    p.setFont(dialFont(7, false));
    p.setPen(kMarks);
    p.drawText(QRectF(c.x() + r * 0.28, c.y() - 5, 20, 10), Qt::AlignCenter, QStringLiteral("29.9"));
    needle(p, c, r * 0.55, 151, 3.4); // thousands
    needle(p, c, r - 6, 180);         // hundreds
    glass(p, c, r);
}

void turnCoordinator(QPainter &p, QPointF c, double r)
{
    caseAndFace(p, c, r);
    for (int a : {-90, 90, -70, 70})
        p.setPen(QPen(kMarks, 2)), p.drawLine(polar(c, r - 10, a), polar(c, r - 2, a));
    label(p, c + QPointF(-r * 0.55, r * 0.18), QStringLiteral("L"), 8);
    label(p, c + QPointF(r * 0.55, r * 0.18), QStringLiteral("R"), 8);
    // Aircraft symbol in a gentle right turn.
    p.save();
    p.translate(c);
    p.rotate(10);
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-26, 0), QPointF(26, 0));
    p.drawLine(QPointF(0, -9), QPointF(0, 0));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(0, 0), 4, 4);
    p.restore();
    // Inclinometer.
    p.setPen(QPen(QColor(90, 90, 96), 1));
    p.setBrush(QColor(230, 230, 215));
    p.drawRoundedRect(QRectF(c.x() - 22, c.y() + r * 0.45, 44, 10), 5, 5);
    p.setBrush(QColor(20, 20, 20));
    p.drawEllipse(c + QPointF(1.5, r * 0.45 + 5), 4, 4);
    glass(p, c, r);
}

void heading(QPainter &p, QPointF c, double r)
{
    caseAndFace(p, c, r);
    artwork::RoseStyle rose;
    rose.rTicks = r - 1;
    rose.longTick = 6;
    rose.shortTick = 3.5;
    rose.rLabels = r - 14;
    rose.digitSize = 7;
    rose.letterSize = 9;
    p.save();
    p.translate(c);
    p.rotate(-40); // heading 040
    artwork::compassRose(p, QPointF(0, 0), rose);
    p.restore();
    p.setPen(QPen(QColor(255, 153, 51), 2));
    p.drawLine(c + QPointF(0, -r + 1), c + QPointF(0, -r + 10));
    p.setPen(QPen(QColor(255, 153, 51), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(0, -12), c + QPointF(0, 12));
    p.drawLine(c + QPointF(-12, -2), c + QPointF(12, -2));
    p.drawLine(c + QPointF(-5, 10), c + QPointF(5, 10));
    glass(p, c, r);
}

void verticalSpeed(QPainter &p, QPointF c, double r)
{
    caseAndFace(p, c, r);
    ticks(p, c, r, 270 - 170, 270 + 170, 34, 5);
    const int values[] = {0, 5, 10, 15, 20};
    for (int i = 0; i < 5; ++i) {
        uprightText(p, c, r - 15, 270 + i * 42.5, QString::number(values[i]), 8);
        if (i > 0)
            uprightText(p, c, r - 15, 270 - i * 42.5, QString::number(values[i]), 8);
    }
    label(p, c + QPointF(r * 0.15, -r * 0.3), QStringLiteral("UP"), 7);
    label(p, c + QPointF(r * 0.15, r * 0.3), QStringLiteral("DN"), 7);
    needle(p, c, r - 6, 290);
    glass(p, c, r);
}

} // namespace

QImage instrumentPanel(QSize size)
{
    const double w = size.width(), h = size.height();
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    QLinearGradient panel(0, 0, 0, h);
    panel.setColorAt(0, QColor(72, 76, 82));
    panel.setColorAt(1, QColor(42, 44, 48));
    p.fillRect(image.rect(), panel);
    // A glare shield along the top edge.
    p.fillRect(QRectF(0, 0, w, 6), QColor(24, 24, 26));

    const double r = 40;
    const double xs[] = {w / 2 - 118, w / 2, w / 2 + 118};
    const double yTop = 60, yBottom = 164;
    airspeed(p, QPointF(xs[0], yTop), r);
    attitude(p, QPointF(xs[1], yTop), r);
    altimeter(p, QPointF(xs[2], yTop), r);
    turnCoordinator(p, QPointF(xs[0], yBottom), r);
    heading(p, QPointF(xs[1], yBottom), r);
    verticalSpeed(p, QPointF(xs[2], yBottom), r);
    p.end();
    return image;
}
