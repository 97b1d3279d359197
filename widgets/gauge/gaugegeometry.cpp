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

void needleRowSpans(QPoint pivot, QPoint tip, bool hasLine, int penWidth, int diskRadius, QSize imageSize, int k,
                    std::vector<RowSpan> &spans)
{
    k = std::max(k, 1);
    const int rows = std::max(imageSize.height() / k, 0);
    const int lastColumn = imageSize.width() / k - 1;
    spans.assign(std::size_t(rows), RowSpan());
    // Image columns from..to into control row r, clipped.
    const auto mark = [&](int r, double from, double to) {
        const int l = std::max(int(std::floor(from)) / k, 0);
        const int rt = std::min(int(std::ceil(to)) / k, lastColumn);
        if (l <= rt)
            spans[std::size_t(r)].add(l, rt);
    };
    // Control rows whose image rows reach from lo to hi.
    const auto rowsOf = [&](int lo, int hi) {
        return std::pair{std::max(lo, 0) / k, std::min(hi / k, rows - 1)};
    };
    if (hasLine) {
        // The pen is a disk of the pen's radius swept along the centre line:
        // a pixel of image row y lies within that radius (and half a pixel)
        // of a centre point whose y is that close to y too, and the centre
        // line's x is monotonic in y.
        const int pad = (std::max(penWidth, 1) + 1) / 2 + 1;
        const int yLo = std::min(pivot.y(), tip.y());
        const int yHi = std::max(pivot.y(), tip.y());
        const double dy = double(tip.y()) - pivot.y();
        const double slope = dy == 0 ? 0.0 : (double(tip.x()) - pivot.x()) / dy;
        const auto xAt = [&](int y) { return pivot.x() + (y - pivot.y()) * slope; };
        const auto [first, last] = rowsOf(yLo - pad, yHi + pad);
        for (int r = first; r <= last; ++r) {
            double a = std::min(pivot.x(), tip.x());
            double b = std::max(pivot.x(), tip.x());
            if (dy != 0) {
                a = xAt(std::clamp(r * k - pad, yLo, yHi));
                b = xAt(std::clamp(r * k + k - 1 + pad, yLo, yHi));
            }
            mark(r, std::min(a, b) - pad, std::max(a, b) + pad);
        }
    }
    if (diskRadius > 0) {
        const int reach = diskRadius + 2;
        const auto [first, last] = rowsOf(pivot.y() - reach, pivot.y() + reach);
        for (int r = first; r <= last; ++r) {
            // The image row of this control row nearest to the centre.
            const int nearest = std::clamp(pivot.y(), r * k, r * k + k - 1) - pivot.y();
            const double inner = std::max(std::abs(nearest) - 2, 0);
            const double half = std::ceil(std::sqrt(std::max(double(reach) * reach - inner * inner, 0.0))) + 1;
            mark(r, pivot.x() - half, pivot.x() + half);
        }
    }
}
