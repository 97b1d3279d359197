#include "dialkit.h"

#include "fonts/panelfonts.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>
#include <numbers>

namespace artwork {

QPolygonF atTop(QPointF c, std::initializer_list<QPointF> acrossRadius)
{
    QPolygonF poly;
    for (const QPointF &ar : acrossRadius)
        poly << QPointF(c.x() + ar.x(), c.y() - ar.y());
    return poly;
}

QPointF polar(QPointF c, double r, double angle)
{
    const double a = angle * std::numbers::pi / 180.0;
    return {c.x() + r * std::sin(a), c.y() - r * std::cos(a)};
}

QFont dialFont(int pixelSize, bool bold)
{
    QFont font(panelfonts::shippedFamily(u"DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void radialTicks(QPainter &p, QPointF c, double rInner, double rOuter, int step, const QColor &color,
                 double width)
{
    QPen pen(color, width, Qt::SolidLine, Qt::FlatCap);
    p.setPen(pen);
    for (int a = 0; a < 360; a += step)
        p.drawLine(polar(c, rInner, a), polar(c, rOuter, a));
}

void radialText(QPainter &p, QPointF c, double r, double angle, const QString &text, const QFont &font,
                const QColor &color)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    p.setFont(font);
    p.setPen(color);
    const QFontMetricsF fm(font);
    // Centre the ink box, not the line box, so that digits sit on the radius.
    const QRectF ink = fm.tightBoundingRect(text);
    p.drawText(QPointF(-ink.center().x(), -r - ink.center().y()), text);
    p.restore();
}

void compassRose(QPainter &p, QPointF c, const RoseStyle &style)
{
    for (int a = 0; a < 360; a += 5) {
        const bool ten = a % 10 == 0;
        const bool thirty = a % 30 == 0;
        const double len = thirty ? style.longTick + 1.0 : ten ? style.longTick : style.shortTick;
        QPen pen(style.tick, thirty ? 1.6 : ten ? 1.2 : 1.0, Qt::SolidLine, Qt::FlatCap);
        p.setPen(pen);
        p.drawLine(polar(c, style.rTicks - len, a), polar(c, style.rTicks, a));
    }
    static const char *const letterNames[] = {"N", "E", "S", "W"};
    static const char *const digitNames[] = {"0", "9", "18", "27"};
    for (int a = 0; a < 360; a += 30) {
        const bool cardinal = a % 90 == 0;
        QString text;
        if (cardinal)
            text = QString::fromLatin1(style.letters ? letterNames[a / 90] : digitNames[a / 90]);
        else
            text = QString::number(a / 10);
        const bool big = cardinal && style.letters;
        const QFont font = dialFont(big ? style.letterSize : style.digitSize, true);
        radialText(p, c, style.rLabels, a, text, font, a == 0 ? style.north : style.text);
    }
}

} // namespace artwork
