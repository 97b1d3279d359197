#pragma once
// Small drawing helpers shared by the round instrument pictures. Angles are in
// degrees clockwise from straight up, as a compass reads them.
#include <QColor>
#include <QFont>
#include <QPointF>
#include <QPolygonF>
#include <QRgb>
#include <QString>

#include <initializer_list>

class QPainter;

namespace artwork {

// The panel's silver face, which the pictures lying on it are matted to.
constexpr QRgb kSilverMatte = 0xFFC0C0C0;

// A polygon given at 12 o'clock in (across, radius) pairs, placed about c; a
// negative radius lies below c.
QPolygonF atTop(QPointF c, std::initializer_list<QPointF> acrossRadius);

// The point at distance r from c in the direction of angle.
QPointF polar(QPointF c, double r, double angle);

// A font for dial texts: a sans family that every target machine has, sized in
// pixels so that the pictures come out the same whatever the screen.
QFont dialFont(int pixelSize, bool bold);

// Radial ticks every `step` degrees between the radii rInner and rOuter.
void radialTicks(QPainter &p, QPointF c, double rInner, double rOuter, int step, const QColor &color,
                 double width);

// Text centred at radius r, turned with its angle so that its top faces outward
// (the way a compass card carries its numbers).
void radialText(QPainter &p, QPointF c, double r, double angle, const QString &text, const QFont &font,
                const QColor &color);

// A compass rose: ticks every 5 degrees (long every 10, longer every 30) inside
// the radius rTicks, and the twelve 30-degree labels centred on rLabels. With
// letters, 0, 90, 180, 270 read N, E, S, W; otherwise 0, 9, 18, 27. The other
// labels are tens of degrees (3, 6, 12, ...).
struct RoseStyle
{
    double rTicks = 0;
    double longTick = 0;
    double shortTick = 0;
    double rLabels = 0;
    int digitSize = 8;
    int letterSize = 10;
    bool letters = true;
    QColor tick = Qt::white;
    QColor text = Qt::white;
    QColor north = Qt::white; // colour of the 0 label
};
void compassRose(QPainter &p, QPointF c, const RoseStyle &style);

} // namespace artwork
