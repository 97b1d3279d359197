// Painting of the dial: the scale into the cached image and the needle over
// a copy of it. Lines, ellipses and arcs are drawn without antialiasing, as
// the supersampling (AntiAliased) is what smooths them.
#include "gauge/tanaloggauge.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// A plain pen: solid, round ends and joins, as a wide line of the platform's
// default pen looks.
QPen plainPen(int width, TColor color)
{
    return QPen(toQColor(color), std::max(width, 1), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QFont scaledFont(QFont f, int k)
{
    if (f.pixelSize() > 0)
        f.setPixelSize(f.pixelSize() * k);
    else if (f.pointSizeF() > 0)
        f.setPointSizeF(f.pointSizeF() * k);
    return f;
}

} // namespace

void TAnalogGauge::SetPenStyles(QPen &pen, int width, TColor color)
{
    // QPainter always honours geometric pens, so no plain-pen fallback is needed.
    pen = QPen(toQColor(color), std::max(width, 1), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

void TAnalogGauge::drawText(QPainter &p, QPoint anchor, const QString &text, TColor color) const
{
    // Text boxes are opaque in the face colour so that ticks and arcs under a
    // number do not show through it.
    const QFontMetrics fm(p.font());
    const int w = fm.horizontalAdvance(text);
    const QPoint topLeft(anchor.x() - w / 2, anchor.y());
    p.fillRect(QRect(topLeft, QSize(w, fm.height())), toQColor(FFaceColor));
    p.setPen(toQColor(color));
    p.drawText(QPoint(topLeft.x(), topLeft.y() + fm.ascent()), text);
}

void TAnalogGauge::drawRangeArc(QPainter &p, const GaugeGeometry &g, int from, int to, TColor color, int k) const
{
    // The arc runs counter-clockwise between the radials through two rounded
    // points of the scale circle, so both ends are computed as points first.
    const QPoint a = scalePoint(g, rangeToScale(from, g.angle, FScaleValue), g.R);
    const QPoint b = scalePoint(g, rangeToScale(to, g.angle, FScaleValue), g.R);
    const ArcSpan s = arcBetween(g, a, b);
    if (s.empty)
        return;
    QPen pen;
    SetPenStyles(pen, 4 * k, color);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(g.cx - g.R, g.cy - g.R, 2.0 * g.R, 2.0 * g.R), s.start16, s.span16);
}

void TAnalogGauge::DrawScale(QImage &image, int k)
{
    if (image.isNull())
        return;
    k = std::max(k, 1);
    const int W = image.width();
    const int H = image.height();
    const int M = m_margin * k;
    const GaugeGeometry g = gaugeGeometry(m_style, W, H, M, FScaleAngle);
    FScaleAngle = g.angle; // the side styles keep the lowered angle
    const TFaceOptions opt = FFaceOptions;

    image.fill(toQColor(FFaceColor));
    QPainter p(&image);
    p.setFont(scaledFont(font(), k));
    p.setBrush(Qt::NoBrush);

    if (opt & ShowFrame) {
        if (!(opt & Show3D)) {
            p.setPen(plainPen(k, clBtnText));
            p.drawRect(QRect(0, 0, W - 1, H - 1));
        } else {
            p.setPen(plainPen(2 * k, clBtnShadow));
            const QPoint shadow[] = {{0, H - 1}, {0, 0}, {W - 1, 0}};
            p.drawPolyline(shadow, 3);
            p.setPen(plainPen(2 * k, clBtnHighlight));
            const QPoint light[] = {{W - 1, 0}, {W - 1, H - 1}, {0, H - 1}};
            p.drawPolyline(light, 3);
        }
    }
    if (opt & ShowMargin) {
        p.setPen(plainPen(k, FMarginColor));
        p.drawRect(QRect(M, M, W - 2 * M - 1, H - 2 * M - 1));
    }
    if (opt & ShowCaption)
        drawText(p, captionAnchor(g), m_caption, FCaptionColor);

    if (opt & ShowIndicatorMax)
        drawRangeArc(p, g, FScaleValue, FMaximum, FMaxColor, k);
    if ((opt & ShowIndicatorMid) && FMinimum < FMaximum)
        drawRangeArc(p, g, FMaximum, FMinimum, FMidColor, k);
    if (opt & ShowIndicatorMin)
        drawRangeArc(p, g, FMinimum, 0, FMinColor, k);

    const std::int64_t n = std::max(FNumMainTicks, 1);
    const QPen tickPen = plainPen(k, FTicksColor);
    if (opt & ShowSubTicks) {
        p.setPen(tickPen);
        const std::int64_t subs = 5 * n;
        for (std::int64_t i = 0; i <= subs; ++i) {
            const double t = double(i) * g.angle / double(subs);
            p.drawLine(scalePoint(g, t, g.R - double(FLengthSubTicks) * k), scalePoint(g, t, g.R));
        }
    }
    for (std::int64_t i = 0; i <= n; ++i) {
        const double t = double(i) * g.angle / double(n);
        if (opt & ShowMainTicks) {
            p.setPen(tickPen);
            p.drawLine(scalePoint(g, t, g.R - double(FLengthMainTicks) * k), scalePoint(g, t, g.R));
        }
        if (opt & ShowCircles) {
            const QPoint c = scalePoint(g, t, g.R);
            const int r = FCircleRadius * k;
            p.setPen(Qt::NoPen);
            p.setBrush(toQColor(FCircleColor));
            p.drawEllipse(QRect(c.x() - r, c.y() - r, 2 * r, 2 * r));
            p.setBrush(Qt::NoBrush);
        }
        if (opt & ShowValues) {
            const QString text = QString::number(i * FScaleValue / n);
            drawText(p, valueAnchor(g, t, FLengthMainTicks * k, int(i)), text, FValueColor);
        }
    }
}

TAnalogGauge::Needle TAnalogGauge::needleFor(QSize imageSize, int k) const
{
    k = std::max(k, 1);
    const GaugeGeometry g = gaugeGeometry(m_style, imageSize.width(), imageSize.height(), m_margin * k, FScaleAngle);
    Needle n;
    n.pivot = QPoint(g.cx, g.cy);
    const double t = valueToScale(double(m_position), g.angle, FScaleValue);
    // A value that is no number has no direction: only the pivot is drawn.
    n.hasLine = std::isfinite(t);
    n.tip = n.hasLine ? scalePoint(g, t, g.R) : n.pivot;
    n.width = FArrowWidth * k;
    n.diskRadius = (FFaceOptions & ShowCenter) ? std::max(FCenterRadius * k, 0) : 0;
    return n;
}

const std::vector<RowSpan> &TAnalogGauge::diskRows(int radius) const
{
    if (radius != m_diskRadius) {
        // Drawn once, as DrawArrow would draw it, two pixels in from the
        // mask's corner; integer moves do not change what the rasteriser fills.
        QImage mask(2 * radius + 4, 2 * radius + 4, QImage::Format_RGB32);
        mask.fill(Qt::black);
        QPainter p(&mask);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QRect(2, 2, 2 * radius, 2 * radius));
        p.end();
        m_diskRows.assign(std::size_t(mask.height()), RowSpan());
        for (int y = 0; y < mask.height(); ++y)
            for (int x = 0; x < mask.width(); ++x)
                if (mask.pixel(x, y) != QColor(Qt::black).rgb())
                    m_diskRows[std::size_t(y)].add(x, x);
        m_diskRadius = radius;
    }
    return m_diskRows;
}

void TAnalogGauge::DrawArrow(QImage &image, int k) const
{
    if (image.isNull())
        return;
    const Needle n = needleFor(image.size(), k);
    if (n.hasLine) {
        QPainter p(&image);
        p.setPen(plainPen(n.width, FArrowColor));
        p.drawLine(n.pivot, n.tip);
    }
    if (n.diskRadius <= 0)
        return;
    const int r = n.diskRadius;
    if (image.depth() != 32) {
        QPainter p(&image);
        p.setPen(Qt::NoPen);
        p.setBrush(toQColor(FCenterColor));
        p.drawEllipse(QRect(n.pivot.x() - r, n.pivot.y() - r, 2 * r, 2 * r));
        return;
    }
    // The pivot disk never changes shape: its rows are filled from the ones
    // worked out once instead of rasterising the ellipse on every move.
    const std::uint32_t colour = toQColor(FCenterColor).rgb();
    const int left = n.pivot.x() - r - 2;
    const int top = n.pivot.y() - r - 2;
    const std::vector<RowSpan> &rows = diskRows(r);
    for (int y = 0; y < int(rows.size()); ++y) {
        const int row = top + y;
        if (rows[std::size_t(y)].empty() || row < 0 || row >= image.height())
            continue;
        const int from = std::max(left + rows[std::size_t(y)].left, 0);
        const int to = std::min(left + rows[std::size_t(y)].right, image.width() - 1);
        auto *line = reinterpret_cast<std::uint32_t *>(image.scanLine(row));
        std::fill(line + from, line + to + 1, colour);
    }
}
