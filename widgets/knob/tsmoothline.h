#pragma once
// Anti-aliased line drawer for 24-bit images: one segment of a given width
// with round ends, its edge softened over about one pixel on each side.
#include "common/tcolor.h"

#include <QImage>

class TSmoothLine
{
public:
    enum TPenStyle { psSolid };
    enum TPenMode { pmCopy };

    void SetProp(TColor color, bool antiAlias, TPenStyle style, TPenMode mode, double width);
    // Draws the segment (x1, y1)-(x2, y2) into an RGB888 image, clipped to it.
    void Line2(QImage &image, double x1, double y1, double x2, double y2) const;

    TColor Color() const { return m_color; }
    double Width() const { return m_width; }
    bool AntiAlias() const { return m_antiAlias; }

    // Coverage 0..255 of a pixel at `distance` from a segment of `width`.
    static int intensity(double width, double distance);
    // Distance from (px, py) to the segment (x1, y1)-(x2, y2); beyond the ends
    // it is the distance to the nearer end point.
    static double segmentDistance(double px, double py, double x1, double y1, double x2, double y2);

private:
    void plainLine(QImage &image, double x1, double y1, double x2, double y2) const;

    TColor m_color = clBlack;
    bool m_antiAlias = true;
    TPenStyle m_style = psSolid;
    TPenMode m_mode = pmCopy;
    double m_width = 1.0;
};
