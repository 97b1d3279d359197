#include "knob/tsmoothline.h"

#include "knob/knobscale.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

void TSmoothLine::SetProp(TColor color, bool antiAlias, TPenStyle style, TPenMode mode, double width)
{
    m_color = color;
    m_antiAlias = antiAlias;
    m_style = style;
    m_mode = mode;
    m_width = std::isfinite(width) ? std::max(width, 0.0) : 1.0;
}

int TSmoothLine::intensity(double width, double distance)
{
    const double t = width + 2.0 - 2.0 * distance;
    if (t >= 3.0)
        return 255;
    if (t < 0.0)
        return 0;
    const double s = std::sin(t / 2.0);
    return int(std::floor(255.0 * s * s));
}

double TSmoothLine::segmentDistance(double px, double py, double x1, double y1, double x2, double y2)
{
    const double vx = x2 - x1;
    const double vy = y2 - y1;
    const double len2 = vx * vx + vy * vy;
    double t = 0.0;
    if (len2 > 0.0)
        t = std::clamp(((px - x1) * vx + (py - y1) * vy) / len2, 0.0, 1.0);
    const double ex = px - (x1 + t * vx);
    const double ey = py - (y1 + t * vy);
    return std::sqrt(ex * ex + ey * ey);
}

void TSmoothLine::Line2(QImage &image, double x1, double y1, double x2, double y2) const
{
    if (image.isNull() || image.format() != QImage::Format_RGB888)
        return;
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return;
    if (!m_antiAlias) {
        plainLine(image, x1, y1, x2, y2);
        return;
    }
    const double reach = m_width / 2.0 + 2.0;
    const double left = std::ceil(std::min(x1, x2) - reach);
    const double right = std::floor(std::max(x1, x2) + reach);
    const double top = std::ceil(std::min(y1, y2) - reach);
    const double bottom = std::floor(std::max(y1, y2) + reach);
    if (right < 0.0 || bottom < 0.0 || left > image.width() - 1 || top > image.height() - 1)
        return;
    const int x0 = int(std::max(left, 0.0));
    const int xN = int(std::min(right, double(image.width() - 1)));
    const int y0 = int(std::max(top, 0.0));
    const int yN = int(std::min(bottom, double(image.height() - 1)));

    const TColor c = resolveColor(m_color);
    const int cr = redOf(c), cg = greenOf(c), cb = blueOf(c);
    for (int y = y0; y <= yN; ++y) {
        uchar *row = image.scanLine(y);
        for (int x = x0; x <= xN; ++x) {
            const int i = intensity(m_width, segmentDistance(x, y, x1, y1, x2, y2));
            // Pixels the line does not cover keep their colour.
            if (i == 0)
                continue;
            uchar *p = row + 3 * x;
            p[0] = uchar((cr * i + (255 - i) * p[0]) / 256);
            p[1] = uchar((cg * i + (255 - i) * p[1]) / 256);
            p[2] = uchar((cb * i + (255 - i) * p[2]) / 256);
        }
    }
}

void TSmoothLine::plainLine(QImage &image, double x1, double y1, double x2, double y2) const
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(toQColor(m_color));
    pen.setWidth(std::max(knobscale::roundToInt(m_width), 0));
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(QPoint(knobscale::roundToInt(x1), knobscale::roundToInt(y1)),
                     QPoint(knobscale::roundToInt(x2), knobscale::roundToInt(y2)));
}
