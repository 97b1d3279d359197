#pragma once
// Anti-aliased pixel primitives of the knob face. They work on 24-bit images
// (QImage::Format_RGB888; anything else is left untouched), address pixels by
// integer coordinates and touch only pixels of the bounding square of the
// outer edge, clipped to the image. Colours may be system colours; they are
// resolved when drawn.
#include "common/tcolor.h"

#include <QImage>

#include <array>

// Filled disk; the edge is blended over `feather` pixels centred on `radius`.
void DrawAntialiasedDisk(QImage &image, double cx, double cy, double radius, double feather,
                         TColor color);

// Ring of the given line width centred on `radius`; both edges are feathered
// (the feather is limited to the width).
void DrawAntialiasedCircle(QImage &image, double cx, double cy, double radius, double width,
                           double feather, TColor color);

// Ring as DrawAntialiasedCircle whose colour runs from colorA over the arc
// arcStart..arcEnd (degrees) to colorB on the opposite side. Nothing is drawn
// for arcs the weight table cannot describe (see gradientWeights).
void DrawGradientCircle(QImage &image, double cx, double cy, double radius, double width,
                        double feather, TColor colorA, TColor colorB, int arcStart, int arcEnd);

// Per-degree weights of DrawGradientCircle: 0 is pure colour A, 1 pure colour
// B. Returns false (table untouched) when the arc gives no gradient.
bool gradientWeights(int arcStart, int arcEnd, std::array<double, 360> &weights);

// Per channel Round(rate/255 * b + (255 - rate)/255 * a); rate is clamped to 0..255.
TColor GetMixedColor(TColor a, TColor b, int rate);

// Direction of pixel (x, y) from (cx, cy) in whole degrees 0..359, y upward.
int Calc_Angle(double cx, double cy, int x, int y);

// The picture turned by `angle` degrees (positive: counter-clockwise on
// screen), nearest neighbour, grown to hold the turned picture; uncovered
// pixels take `fill`. Returns an RGB888 image.
QImage CreateRotatedBitmap(const QImage &bitmap, TColor fill, double angle);

// Whole-image raster operations used to cut the face out of its background.
// Both images must have the same size and format RGB888; otherwise nothing happens.
void copyPixels(QImage &dst, const QImage &src);
void andPixels(QImage &dst, const QImage &mask);
void orPixels(QImage &dst, const QImage &src);

// side x side RGB888 mask: white inside the circle that fills the square from
// (2, 2) to (side - 2, side - 2), black outside; `inverted` swaps the two.
// The circle is centred on (side / 2, side / 2) like the drawn rings.
QImage circleMask(int side, bool inverted);

// Blank 24-bit image filled with a colour.
QImage newFaceImage(int side, TColor fill);
