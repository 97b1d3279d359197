// The pictures of the attitude ball and of the heading gyro: the compass card
// and the three markers that ring it (heading bug, NAV 1 course, wind). Each is
// a keyed bitmap (keyed.h) turned about its exact middle by the panel.
//
// The gyro stack lies on a black face, so its outlines are smoothed against
// black. The markers are drawn at 12 o'clock: the panel turns each by heading
// minus its own value, which brings it to that value on the turned card.
#include "artwork.h"
#include "dialkit.h"
#include "keyed.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace artwork {

namespace {

constexpr QRgb kGyroMatte = 0xFF000000;   // the gyro instrument's black face

// Compass-card radius in the 120 x 120 marker pictures: the markers live
// outside it, in the ring up to the picture's edge.
constexpr double kCardRim = 51.0;
constexpr double kMarkerOuter = 59.5;

void drawPitchLine(QPainter &p, QPointF c, int degrees, double halfLength, bool label)
{
    const double y = c.y() - degrees; // one pixel per degree, as the panel moves the ball
    p.setPen(QPen(QColor(255, 255, 255), 1.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(c.x() - halfLength, y + 0.5), QPointF(c.x() + halfLength, y + 0.5));
    if (!label)
        return;
    const QFont font = dialFont(7, true);
    const QString text = QString::number(std::abs(degrees));
    p.setFont(font);
    const QFontMetricsF fm(font);
    const QRectF ink = fm.tightBoundingRect(text);
    const double baseline = y + 0.5 - ink.center().y();
    p.drawText(QPointF(c.x() - halfLength - 2.0 - ink.right(), baseline), text);
    p.drawText(QPointF(c.x() + halfLength + 2.0 - ink.left(), baseline), text);
}

} // namespace

QImage attitudeBall()
{
    // Half a pixel inside the picture, so that a turn that shifts the
    // picture by half a pixel still shows the whole ball.
    const double radius = 53.5;
    const double w = 109, h = 108;
    return keyedPicture(109, 108, kSilverMatte, [&](QPainter &p, QPointF c) {
        QPainterPath ball;
        ball.addEllipse(c, radius, radius);
        p.setClipPath(ball);

        QLinearGradient sky(0, c.y() - radius, 0, c.y());
        sky.setColorAt(0.0, QColor(16, 70, 160));
        sky.setColorAt(1.0, QColor(104, 166, 226));
        p.fillRect(QRectF(0, 0, w, c.y()), sky);
        QLinearGradient ground(0, c.y(), 0, c.y() + radius);
        ground.setColorAt(0.0, QColor(156, 102, 48));
        ground.setColorAt(1.0, QColor(88, 54, 24));
        p.fillRect(QRectF(0, c.y(), w, h - c.y()), ground);

        // Pitch ladder, one pixel per degree: short lines every 5, long every 10.
        for (int deg = 5; deg <= 30; deg += 5) {
            const bool ten = deg % 10 == 0;
            const double half = ten ? (deg == 30 ? 14.0 : 11.0) : 5.0;
            drawPitchLine(p, c, deg, half, ten && deg < 30);
            drawPitchLine(p, c, -deg, half, ten && deg < 30);
        }
        p.setPen(QPen(QColor(255, 255, 255), 2.0, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(0, c.y()), QPointF(w, c.y()));

        // Bank scale along the upper rim, with the zero index as a triangle.
        for (int bank : {-60, -45, -30, -20, -10, 10, 20, 30, 45, 60}) {
            const bool major = bank == 30 || bank == -30 || bank == 60 || bank == -60;
            p.setPen(QPen(QColor(255, 255, 255), major ? 1.6 : 1.1, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(polar(c, radius - (major ? 9.0 : 6.0), bank), polar(c, radius, bank));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255));
        p.drawPolygon(atTop(c, {{-4.0, radius - 0.5}, {4.0, radius - 0.5}, {0.0, radius - 8.0}}));

        // A dark rim gives the ball a crisp edge on any background.
        p.setClipping(false);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(30, 30, 34), 1.5));
        p.drawEllipse(c, radius - 0.75, radius - 0.75);
    });
}

QImage compassCard()
{
    return keyedPicture(102, 102, kGyroMatte, [&](QPainter &p, QPointF c) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(96, 98, 106)); // metal ring that separates card and face
        p.drawEllipse(c, 50.5, 50.5);
        p.setBrush(QColor(30, 31, 36));
        p.drawEllipse(c, 48.5, 48.5);

        RoseStyle rose;
        rose.rTicks = 48.5;
        rose.longTick = 6.0;
        rose.shortTick = 3.5;
        rose.rLabels = 35.0;
        rose.digitSize = 9;
        rose.letterSize = 11;
        rose.north = QColor(255, 153, 51);
        compassRose(p, c, rose);

        // Hub.
        p.setPen(QPen(QColor(20, 20, 22), 1.0));
        p.setBrush(QColor(150, 152, 160));
        p.drawEllipse(c, 3.0, 3.0);
    });
}

QImage headingMarker()
{
    // The classic heading bug: a block at the rim with a notch that frames the
    // selected heading.
    return keyedPicture(120, 120, kGyroMatte, [&](QPainter &p, QPointF c) {
        p.setPen(QPen(QColor(120, 60, 0), 1.0));
        p.setBrush(QColor(255, 153, 51));
        p.drawPolygon(atTop(c, {{-7.0, kMarkerOuter},
                                {7.0, kMarkerOuter},
                                {7.0, kCardRim + 1.0},
                                {2.5, kCardRim + 1.0},
                                {0.0, kCardRim + 4.5},
                                {-2.5, kCardRim + 1.0},
                                {-7.0, kCardRim + 1.0}}));
    });
}

QImage courseMarker()
{
    // The NAV 1 course pointer: an arrowhead at the rim pointing at the course,
    // and a bar at the reciprocal.
    return keyedPicture(120, 120, kGyroMatte, [&](QPainter &p, QPointF c) {
        const QColor green(51, 204, 0);
        p.setPen(QPen(QColor(10, 60, 0), 1.0));
        p.setBrush(green);
        p.drawPolygon(atTop(c, {{-6.0, kMarkerOuter}, {6.0, kMarkerOuter}, {0.0, kCardRim - 2.0}}));
        p.drawRect(QRectF(c.x() - 2.0, c.y() + kCardRim + 0.5, 4.0, kMarkerOuter - kCardRim - 0.5));
    });
}

QImage windMarker()
{
    // An arrow from the rim toward the middle: the wind blows from where it
    // sits on the card. A round tail tells it from the course pointer.
    return keyedPicture(120, 120, kGyroMatte, [&](QPainter &p, QPointF c) {
        const QColor blue(0, 204, 255);
        const double tip = kCardRim - 13.0;
        const double headBase = tip + 8.0;
        p.setPen(QPen(QColor(0, 60, 90), 1.0));
        p.setBrush(blue);
        QPainterPath arrow;
        arrow.addPolygon(atTop(c, {{-1.6, kMarkerOuter - 4.0},
                                   {1.6, kMarkerOuter - 4.0},
                                   {1.6, headBase},
                                   {5.0, headBase},
                                   {0.0, tip},
                                   {-5.0, headBase},
                                   {-1.6, headBase}}));
        arrow.closeSubpath();
        arrow.addEllipse(polar(c, kMarkerOuter - 4.0, 0), 3.6, 3.6);
        arrow.setFillRule(Qt::WindingFill);
        p.drawPath(arrow.simplified());
    });
}

} // namespace artwork
