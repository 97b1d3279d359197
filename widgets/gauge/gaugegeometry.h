#pragma once
// Geometry of the dial, shared by the scale and the needle: where the pivot
// is, the scale radius, and where values, ticks, numbers and the caption go.
// All in pixels of the image drawn into (the control's size times K).
#include "gauge/gaugetypes.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <algorithm>
#include <vector>

struct GaugeGeometry {
    int cx = 0;           // pivot x for arcs, lines and disks
    double cxExact = 0.0; // pivot x for points computed from angles
    int cy = 0;
    int R = 0;            // scale radius
    double A = 0.0;       // direction of the scale start, degrees
    int angle = 0;        // scale angle drawn; the side styles sweep at most 90
};

// W, H and M are the image size and the margin already multiplied by K.
GaugeGeometry gaugeGeometry(TStyle style, int W, int H, int M, int angle);

// Nearest integer, ties to even; non-finite input gives 0 and huge values
// are clamped so that they stay drawable.
int roundCoord(double v);

// Scale parameter t (0 at the start, the scale angle at the end) of a value.
double valueToScale(double value, int angle, int scale);
// The same for the integer range limits; the product is formed in 64 bits.
double rangeToScale(int value, int angle, int scale);

// Point at distance d from the pivot in the direction of scale parameter t:
// the scale runs from the left, clockwise over the top, to the right.
QPointF scalePointF(const GaugeGeometry &g, double t, double d);
QPoint scalePoint(const GaugeGeometry &g, double t, double d);

// Caption anchor: x is the centre of the text, y its top; halfway between the
// pivot and the scale in the scale's middle direction.
QPoint captionAnchor(const GaugeGeometry &g);

// Anchor (text centre x, text top y) of the number of main tick i at scale
// parameter t. lengthMainTicks is already multiplied by K; the 5 pixels of
// clearance and the shift by i are pixels of the drawn image.
QPoint valueAnchor(const GaugeGeometry &g, double t, int lengthMainTicks, int i);

// Counter-clockwise arc of the scale circle from the radial through `from`
// to the radial through `to`, in 1/16 degree as QPainter::drawArc takes it.
// Coincident end points give an empty arc (nothing is drawn rather than a
// whole circle).
struct ArcSpan {
    int start16 = 0;
    int span16 = 0;
    bool empty = true;
};
ArcSpan arcBetween(const GaugeGeometry &g, QPoint from, QPoint to);

// Columns of one row that a drawing may touch, both ends included; empty
// while left > right.
struct RowSpan {
    int left = 1 << 30;
    int right = -(1 << 30);
    bool empty() const { return left > right; }
    void add(int from, int to)
    {
        left = std::min(left, from);
        right = std::max(right, to);
    }
};

// For each control row (k rows of the image drawn into), the control columns
// whose k x k blocks a needle of the given pen width from pivot to tip (when
// hasLine) and a pivot disk of the given radius (when diskRadius > 0) may
// touch, clipped to an image of `imageSize` (the control's size times k).
// The spans follow the needle row by row, so a slanted needle costs a band
// and not its whole bounding box; a border allows for the rasteriser's
// rounding. `spans` gets one entry per control row.
void needleRowSpans(QPoint pivot, QPoint tip, bool hasLine, int penWidth, int diskRadius, QSize imageSize, int k,
                    std::vector<RowSpan> &spans);
