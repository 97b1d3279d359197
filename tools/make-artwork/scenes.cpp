// Outdoor scenes for the viewer: a runway at dusk and a sky with clouds.
#include "scenes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <vector>

double SceneRandom::next()
{
    m_state = m_state * 1664525u + 1013904223u;
    return double(m_state >> 8) / double(1u << 24);
}

namespace {

// A runway seen from the approach: lateral position x (pixels at the nearest
// row) and depth z >= 1 map to the screen like a simple pinhole camera.
struct Perspective
{
    double cx, horizon, bottom;
    QPointF at(double x, double z) const { return {cx + x / z, horizon + (bottom - horizon) / z}; }
};

void glow(QPainter &p, QPointF at, double radius, const QColor &core)
{
    QRadialGradient g(at, radius);
    QColor edge = core;
    edge.setAlpha(0);
    g.setColorAt(0.0, core);
    g.setColorAt(1.0, edge);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(at, radius, radius);
}

} // namespace

QImage runwayAtDusk(QSize size)
{
    const double w = size.width(), h = size.height();
    const double horizon = std::round(h * 0.54);
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);

    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0.00, QColor(14, 20, 58));
    sky.setColorAt(0.45, QColor(70, 52, 110));
    sky.setColorAt(0.80, QColor(214, 112, 78));
    sky.setColorAt(1.00, QColor(255, 186, 104));
    p.fillRect(QRectF(0, 0, w, horizon), sky);

    SceneRandom random(7);
    for (int i = 0; i < 40; ++i) {
        const QPointF star(random.between(0, w), random.between(0, horizon * 0.45));
        const int level = int(random.between(150, 255));
        glow(p, star, random.between(0.8, 1.6), QColor(level, level, 255, level));
    }

    // The sun just setting, with a wide warm glow.
    const QPointF sun(w * 0.74, horizon + 2);
    glow(p, sun, h * 0.45, QColor(255, 170, 90, 120));
    glow(p, sun, 18, QColor(255, 236, 180));

    // Thin streaks of cloud lit from below.
    for (int i = 0; i < 5; ++i) {
        const double y = horizon * random.between(0.55, 0.85);
        const double x = random.between(-40, w - 60);
        QLinearGradient streak(x, 0, x + 160, 0);
        streak.setColorAt(0.0, QColor(255, 150, 110, 0));
        streak.setColorAt(0.5, QColor(255, 160, 120, 110));
        streak.setColorAt(1.0, QColor(255, 150, 110, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(streak);
        p.drawEllipse(QRectF(x, y, 160, random.between(2.5, 5.0)));
    }

    // Far hills.
    QPainterPath hills(QPointF(0, horizon));
    for (int x = 0; x <= int(w); x += 12)
        hills.lineTo(x, horizon - 4 - 6 * std::sin(x * 0.021) - 3 * std::sin(x * 0.063 + 1.0));
    hills.lineTo(w, horizon + 1);
    hills.lineTo(0, horizon + 1);
    p.fillPath(hills, QColor(42, 30, 52));

    QLinearGradient ground(0, horizon, 0, h);
    ground.setColorAt(0.0, QColor(62, 52, 50));
    ground.setColorAt(0.15, QColor(38, 40, 44));
    ground.setColorAt(1.0, QColor(16, 20, 16));
    p.fillRect(QRectF(0, horizon, w, h - horizon), ground);

    const Perspective view{w / 2, horizon + 3, h + 4};
    const double halfWidth = 95.0, zFar = 24.0;
    QPolygonF runway;
    runway << view.at(-halfWidth, 1.0) << view.at(halfWidth, 1.0) << view.at(halfWidth, zFar)
           << view.at(-halfWidth, zFar);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(58, 58, 64));
    p.drawPolygon(runway);

    // Threshold bars and centreline dashes.
    p.setBrush(QColor(225, 225, 220));
    for (int i = 0; i < 8; ++i) {
        const double x0 = -halfWidth + 8 + i * 22.5 + (i >= 4 ? 6 : 0);
        QPolygonF bar;
        bar << view.at(x0, 1.15) << view.at(x0 + 12, 1.15) << view.at(x0 + 12, 1.7) << view.at(x0, 1.7);
        p.drawPolygon(bar);
    }
    for (double z = 2.0; z < zFar; z *= 1.32) {
        QPolygonF dash;
        dash << view.at(-2.2, z) << view.at(2.2, z) << view.at(2.2, z * 1.14) << view.at(-2.2, z * 1.14);
        p.drawPolygon(dash);
    }

    // Edge lights (warm white), the green threshold row and the red far end.
    for (double z = 1.05; z < zFar; z *= 1.16) {
        const double r = std::max(0.7, 3.0 / std::sqrt(z));
        glow(p, view.at(-halfWidth - 4, z), r * 2.2, QColor(255, 236, 190, 230));
        glow(p, view.at(halfWidth + 4, z), r * 2.2, QColor(255, 236, 190, 230));
    }
    for (int i = 0; i <= 10; ++i) {
        glow(p, view.at(-halfWidth + i * 19.0, 1.02), 3.2, QColor(90, 255, 120, 240));
        glow(p, view.at(-halfWidth + i * 19.0, zFar), 1.4, QColor(255, 60, 50, 240));
    }
    // Taxiway lights off to the left.
    for (double z = 1.3; z < 9.0; z *= 1.25)
        glow(p, view.at(-halfWidth - 60, z), std::max(0.8, 2.4 / std::sqrt(z)), QColor(80, 120, 255, 220));
    p.end();
    return image;
}

namespace {

// A cumulus: a heap of soft puffs, lit from above, so the puffs near its flat
// base are greyer; drawn from the base up so the bright tops lie in front.
void cumulus(QPainter &p, SceneRandom &random, QPointF base, double width, double height)
{
    struct Puff
    {
        QPointF c;
        double r;
        double shade; // 0 top, 1 base
    };
    std::vector<Puff> puffs;
    const int count = int(width / 3);
    for (int i = 0; i < count; ++i) {
        const double t = random.next();
        const double envelope = std::sin(t * 3.14159);
        const double lift = height * envelope * random.between(0.3, 1.0);
        const double r = height * random.between(0.16, 0.3) * (0.55 + envelope * 0.7);
        const double y = base.y() - lift + r * 0.4;
        puffs.push_back({QPointF(base.x() + (t - 0.5) * width, y), r, std::clamp(lift / height, 0.0, 1.0)});
    }
    std::sort(puffs.begin(), puffs.end(), [](const Puff &a, const Puff &b) { return a.c.y() > b.c.y(); });
    p.setPen(Qt::NoPen);
    for (const Puff &puff : puffs) {
        const double k = (1.0 - puff.shade) * 0.6;
        const QColor tone(int(255 - 60 * k), int(255 - 50 * k), int(255 - 34 * k));
        QColor soft = tone, clear = tone;
        soft.setAlpha(150);
        clear.setAlpha(0);
        QRadialGradient g(puff.c + QPointF(-puff.r * 0.2, -puff.r * 0.3), puff.r);
        g.setColorAt(0.0, tone);
        g.setColorAt(0.55, soft);
        g.setColorAt(1.0, clear);
        p.setBrush(g);
        p.drawEllipse(puff.c, puff.r, puff.r);
    }
}

void lightAircraft(QPainter &p, QPointF at, double scale)
{
    // A high-wing single seen from the side, flying to the right.
    p.save();
    p.translate(at);
    p.scale(scale, scale);
    p.rotate(-4);
    const QColor body(48, 52, 64);
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    QPainterPath fuselage;
    fuselage.moveTo(-22, -1);
    fuselage.cubicTo(-10, -3, 8, -5, 16, -3);
    fuselage.cubicTo(20, -2, 21, 1, 18, 2.5);
    fuselage.cubicTo(8, 4, -10, 2.5, -22, 1);
    fuselage.closeSubpath();
    p.drawPath(fuselage);
    QPainterPath fin;
    fin.moveTo(-22, -1);
    fin.lineTo(-25, -9);
    fin.lineTo(-20, -9);
    fin.lineTo(-15, -2);
    fin.closeSubpath();
    p.drawPath(fin);
    p.drawRoundedRect(QRectF(-8, -6.5, 18, 2.2), 1, 1);      // wing
    p.drawRect(QRectF(-25, -0.8, 7, 1.4));                   // tailplane
    p.setPen(QPen(body, 0.9));
    p.drawLine(QPointF(3, -4.5), QPointF(0, 1.5));           // strut
    p.drawLine(QPointF(21.2, -3), QPointF(21.2, 3));          // propeller disc
    p.restore();
}

} // namespace

QImage cloudySky(QSize size)
{
    const double w = size.width(), h = size.height();
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0.0, QColor(30, 92, 182));
    sky.setColorAt(0.7, QColor(112, 170, 228));
    sky.setColorAt(1.0, QColor(178, 212, 240));
    p.fillRect(image.rect(), sky);

    SceneRandom random(2024);
    // Far, small clouds low down, then larger nearer ones higher up.
    for (int i = 0; i < 6; ++i)
        cumulus(p, random, QPointF(random.between(0, w), h * random.between(0.82, 0.95)), random.between(40, 70),
                random.between(10, 16));
    cumulus(p, random, QPointF(w * 0.18, h * 0.62), 130, 44);
    cumulus(p, random, QPointF(w * 0.78, h * 0.70), 150, 52);
    cumulus(p, random, QPointF(w * 0.52, h * 0.38), 90, 28);

    // A haze band along the horizon.
    QLinearGradient haze(0, h * 0.86, 0, h);
    haze.setColorAt(0.0, QColor(230, 238, 246, 0));
    haze.setColorAt(1.0, QColor(230, 238, 246, 200));
    p.fillRect(QRectF(0, h * 0.86, w, h * 0.14), haze);

    lightAircraft(p, QPointF(w * 0.44, h * 0.2), 1.6);
    p.end();
    return image;
}
