#include "gauge/gaugegeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

// Coordinates beyond this are off any image; keeping them small keeps all
// later integer arithmetic free of overflow.
constexpr std::int64_t coordLimit = 1 << 24;

int clampCoord(std::int64_t v)
{
    return int(std::clamp<std::int64_t>(v, -coordLimit, coordLimit));
}

double radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

} // namespace

int roundCoord(double v)
{
    if (!std::isfinite(v))
        return 0;
    v = std::clamp(v, double(-coordLimit), double(coordLimit));
    return int(std::nearbyint(v)); // default rounding mode: ties to even
}

GaugeGeometry gaugeGeometry(TStyle style, int W, int H, int M, int angle)
{
    GaugeGeometry g;
    const std::int64_t w = W, h = H, m = M;
    g.angle = angle;
    switch (style) {
    case LeftStyle:
    case RightStyle:
        g.angle = std::min(angle, 90);
        g.cx = clampCoord(style == LeftStyle ? m : w - m);
        g.cxExact = g.cx;
        g.cy = clampCoord(h - m);
        g.A = style == LeftStyle ? 90.0 : 0.0;
        g.R = clampCoord(w - 2 * m);
        break;
    case CenterStyle:
    default:
        g.cx = clampCoord(w / 2);
        g.cxExact = double(w) / 2.0;
        g.A = (180.0 - angle) / 2.0;
        if (angle < 180) {
            // A lies in (0, 90) here, so the cosine is positive.
            const double r = double(w - 2 * m) / 2.0 / std::cos(radians(g.A));
            g.R = std::min(roundCoord(r), clampCoord(h - 2 * m));
            g.cy = clampCoord((h - g.R) / 2 + g.R);
        } else {
            g.R = clampCoord((w - 2 * m) / 2);
            g.cy = clampCoord(h / 2);
        }
        break;
    }
    return g;
}

double valueToScale(double value, int angle, int scale)
{
    return scale == 0 ? 0.0 : double(angle) * value / double(scale);
}

double rangeToScale(int value, int angle, int scale)
{
    if (scale == 0)
        return 0.0;
    return double(std::int64_t(value) * std::int64_t(angle)) / double(scale);
}

QPointF scalePointF(const GaugeGeometry &g, double t, double d)
{
    const double theta = radians(t + g.A);
    return {g.cxExact - d * std::cos(theta), double(g.cy) - d * std::sin(theta)};
}

QPoint scalePoint(const GaugeGeometry &g, double t, double d)
{
    const QPointF p = scalePointF(g, t, d);
    return {roundCoord(p.x()), roundCoord(p.y())};
}

QPoint captionAnchor(const GaugeGeometry &g)
{
    const double theta = radians(g.angle / 2.0 + g.A);
    return {roundCoord(g.cxExact - std::cos(theta) * g.R / 2.0),
            roundCoord(g.cy - std::sin(theta) * g.R / 2.0)};
}

QPoint valueAnchor(const GaugeGeometry &g, double t, int lengthMainTicks, int i)
{
    const double theta = radians(t + g.A);
    const double d = double(g.R) - lengthMainTicks - 5;
    return {roundCoord(g.cxExact - std::cos(theta) * (d - i)), roundCoord(g.cy - std::sin(theta) * d)};
}

ArcSpan arcBetween(const GaugeGeometry &g, QPoint from, QPoint to)
{
    ArcSpan s;
    if (from == to)
        return s;
    // Directions in the usual mathematical sense (y up), as QPainter wants.
    const auto direction = [&](QPoint p) {
        return std::atan2(double(g.cy - p.y()), double(p.x() - g.cx)) * 180.0 / std::numbers::pi;
    };
    const double a = direction(from);
    double span = std::fmod(direction(to) - a, 360.0);
    if (span < 0)
        span += 360.0;
    s.start16 = int(std::lround(a * 16.0));
    s.span16 = int(std::lround(span * 16.0));
    s.empty = s.span16 == 0;
    return s;
}

QRect needleBounds(QPoint pivot, QPoint tip, bool hasLine, int penWidth, int diskRadius)
{
    QRect r;
    if (hasLine) {
        const int pad = std::max(penWidth, 1) + 2;
        r = QRect(QPoint(std::min(pivot.x(), tip.x()), std::min(pivot.y(), tip.y())),
                  QPoint(std::max(pivot.x(), tip.x()), std::max(pivot.y(), tip.y())))
                .adjusted(-pad, -pad, pad, pad);
    }
    if (diskRadius > 0) {
        const int pad = diskRadius + 2;
        r |= QRect(pivot.x() - pad, pivot.y() - pad, 2 * pad + 1, 2 * pad + 1);
    }
    return r;
}
