// The pictures of the two VOR indicators and the ADF: a card with its lubber
// line (the index of the aircraft's nose) and a needle for each. The panel
// turns the card by minus the heading and the needle by the card's angle
// minus the radial or bearing, so the needle reads its value on the card.
// Each is a keyed bitmap (keyed.h) turned about its exact middle.
//
// The cards lie on the panel's silver face; a needle always lies on its card,
// so its outline is smoothed against the card's face colour.
#include "artwork.h"
#include "dialkit.h"
#include "keyed.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace artwork {

namespace {

const QColor kVorFace(22, 24, 28);
const QColor kAdfFace(20, 30, 48);
const QColor kBezel(92, 94, 102);
const QColor kLubber(255, 153, 51);

constexpr double kCardRadius = 52.0;
constexpr double kFaceRadius = 49.5;

QImage card(const QColor &face, bool letters, bool aircraft)
{
    return keyedPicture(105, 105, kSilverMatte, [&](QPainter &p, QPointF c) {
        p.setPen(Qt::NoPen);
        p.setBrush(kBezel);
        p.drawEllipse(c, kCardRadius, kCardRadius);
        p.setBrush(face);
        p.drawEllipse(c, kFaceRadius, kFaceRadius);

        RoseStyle rose;
        rose.rTicks = kFaceRadius - 0.5;
        rose.longTick = 6.0;
        rose.shortTick = 3.5;
        rose.rLabels = 36.0;
        rose.digitSize = 9;
        rose.letterSize = 11;
        rose.letters = letters;
        rose.tick = QColor(235, 235, 235);
        rose.text = QColor(235, 235, 235);
        rose.north = letters ? QColor(255, 255, 255) : kLubber;
        compassRose(p, c, rose);

        if (aircraft) {
            // A small aircraft seen from above, nose to the lubber line.
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(150, 160, 176));
            QPainterPath plane;
            plane.addPolygon(atTop(c, {{0.0, 16.0},    {2.0, 13.0},   {2.2, 5.0},   {15.0, 0.0},   {15.0, -3.0},
                                       {2.2, -2.0},    {1.6, -10.0},  {6.0, -13.0}, {6.0, -15.5},  {0.0, -14.0},
                                       {-6.0, -15.5},  {-6.0, -13.0}, {-1.6, -10.0}, {-2.2, -2.0}, {-15.0, -3.0},
                                       {-15.0, 0.0},   {-2.2, 5.0},   {-2.0, 13.0}}));
            plane.closeSubpath();
            p.drawPath(plane);
        }

        // The lubber line: a wedge over the ticks at 12 o'clock.
        p.setPen(QPen(QColor(90, 40, 0), 1.0));
        p.setBrush(kLubber);
        p.drawPolygon(atTop(c, {{-5.0, kCardRadius - 0.5}, {5.0, kCardRadius - 0.5}, {0.0, kFaceRadius - 8.0}}));
    });
}

void hub(QPainter &p, QPointF c)
{
    p.setPen(QPen(QColor(16, 16, 18), 1.0));
    p.setBrush(QColor(170, 172, 180));
    p.drawEllipse(c, 4.0, 4.0);
}

} // namespace

QImage vorCard() { return card(kVorFace, true, false); }

QImage adfCard() { return card(kAdfFace, false, true); }

QImage vorNeedle()
{
    // A slim needle: arrowhead at the radial, a plain tail at the reciprocal.
    return keyedPicture(105, 105, kVorFace.rgb(), [&](QPainter &p, QPointF c) {
        p.setPen(QPen(QColor(8, 50, 0), 1.0));
        p.setBrush(QColor(80, 230, 40));
        p.drawPolygon(atTop(c, {{0.0, 44.0},
                                {5.0, 32.0},
                                {1.5, 33.0},
                                {1.5, -38.0},
                                {-1.5, -38.0},
                                {-1.5, 33.0},
                                {-5.0, 32.0}}));
        hub(p, c);
    });
}

QImage adfNeedle()
{
    // A broad needle with a forked tail, pointing at the station.
    return keyedPicture(105, 105, kAdfFace.rgb(), [&](QPainter &p, QPointF c) {
        p.setPen(QPen(QColor(90, 60, 0), 1.0));
        p.setBrush(QColor(255, 204, 0));
        p.drawPolygon(atTop(c, {{0.0, 44.0},
                                {6.5, 30.0},
                                {2.5, 30.0},
                                {2.5, -30.0},
                                {6.0, -40.0},
                                {0.0, -35.0},
                                {-6.0, -40.0},
                                {-2.5, -30.0},
                                {-2.5, 30.0},
                                {-6.5, 30.0}}));
        hub(p, c);
    });
}

} // namespace artwork
