// Glyphs of the bottom button row, drawn in code on a 16-unit grid and
// rendered at 16 and 32 pixels so that they stay sharp on dense screens.
#include "artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>
#include <cstring>
#include <numbers>

namespace artwork {

namespace {

using Painter = void (*)(QPainter &);

const QColor kInk(40, 40, 44);

void pauseGlyph(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawRoundedRect(QRectF(3.5, 2.5, 3.5, 11.0), 0.8, 0.8);
    p.drawRoundedRect(QRectF(9.0, 2.5, 3.5, 11.0), 0.8, 0.8);
}

void refreshGlyph(QPainter &p)
{
    // A clockwise circular arrow: from 2 o'clock round to 10 o'clock, the
    // arrowhead pointing on across the gap at the top.
    const QColor green(0, 128, 0);
    const QPointF c(8.0, 8.5);
    const double r = 5.2;
    p.setPen(QPen(green, 1.9, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    const double startDeg = 50.0, spanDeg = -280.0; // Qt: counter-clockwise from 3 o'clock
    p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), int(startDeg * 16), int(spanDeg * 16));
    const double end = (startDeg + spanDeg) * std::numbers::pi / 180.0;
    const QPointF at(c.x() + r * std::cos(end), c.y() - r * std::sin(end));
    const QPointF d(std::sin(end), std::cos(end)); // clockwise tangent on screen
    const QPointF n(-d.y(), d.x());
    p.setPen(Qt::NoPen);
    p.setBrush(green);
    QPolygonF head;
    head << at + d * 3.2 << at - d * 1.0 + n * 3.0 << at - d * 1.0 - n * 3.0;
    p.drawPolygon(head);
}

void settingsGlyph(QPainter &p)
{
    const QPointF c(8.0, 8.0);
    QPainterPath gear;
    const int teeth = 8;
    for (int i = 0; i < teeth * 4; ++i) {
        // Each tooth: two points on the outer radius, two on the root.
        const double a = (i - 0.5) * 2.0 * std::numbers::pi / (teeth * 4);
        const double r = (i % 4 < 2) ? 7.0 : 5.2;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0)
            gear.moveTo(pt);
        else
            gear.lineTo(pt);
    }
    gear.closeSubpath();
    gear.addEllipse(c, 2.2, 2.2); // the hole, cut by the odd-even fill
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 94, 104));
    p.drawPath(gear);
}

void aboutGlyph(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 90, 200));
    p.drawEllipse(QPointF(8.0, 8.0), 7.0, 7.0);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8.0, 4.6), 1.3, 1.3);
    p.drawRoundedRect(QRectF(6.9, 6.8, 2.2, 6.0), 0.5, 0.5);
}

void closeGlyph(QPainter &p)
{
    p.setPen(QPen(QColor(190, 30, 30), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
}

Painter glyphPainter(const char *name)
{
    static const struct
    {
        const char *name;
        Painter paint;
    } glyphs[] = {{"pause", pauseGlyph},
                  {"refresh", refreshGlyph},
                  {"settings", settingsGlyph},
                  {"about", aboutGlyph},
                  {"close", closeGlyph}};
    if (!name)
        return nullptr;
    for (const auto &g : glyphs) {
        if (std::strcmp(g.name, name) == 0)
            return g.paint;
    }
    return nullptr;
}

QImage renderGlyph(Painter paint, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size / 16.0, size / 16.0);
    paint(p);
    p.end();
    return image;
}

} // namespace

QIcon buttonGlyph(const char *name)
{
    const Painter paint = glyphPainter(name);
    if (!paint)
        return {};
    QIcon icon;
    for (int size : {16, 32})
        icon.addPixmap(QPixmap::fromImage(renderGlyph(paint, size)));
    return icon;
}

} // namespace artwork
