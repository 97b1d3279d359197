#pragma once
// The picture's pixels with alpha. The picture is drawn twice, once on pure red
// and once on pure blue; comparing the two renderings tells, per pixel, whether
// it is opaque, fully transparent or partly transparent (and how much), whatever
// kind of picture it is.
#include "image/pixelbuffer.h"

#include <QImage>

#include <cstdint>

// One pixel from its rendering on red (RR, RG, RB) and on blue (BR, BG, BB),
// each given as three bytes red, green, blue:
// - equal: opaque, that colour with alpha 255;
// - pure red on red and pure blue on blue: fully transparent, blendCol;
// - otherwise alpha = (BR - RR - 1) mod 256 and the colour un-premultiplied from
//   the channels the background did not touch (BR, BG from blue, RB from red),
//   each limited to 255. An alpha of 0 counts as fully transparent.
Pixel FindColor(const std::uint8_t *onRed, const std::uint8_t *onBlue, Pixel blendCol);

// The colour a bitmap treats as transparent unless it names another: white for
// a two-colour bitmap, else its bottom-left pixel. Black for an empty picture.
TColor DefaultTransparentColor(const QImage &picture);

// The picture as it draws itself: with transparent set, every pixel of the
// transparent colour becomes fully transparent; its own alpha is kept.
QImage PictureWithTransparency(const QImage &picture, bool transparent, TColor transparentColor);

// The source buffer of a picture (already carrying its transparency): drawn on
// red and on blue 24-bit images of its size, then FindColor per pixel. An empty
// picture gives an empty buffer.
PixelBuffer MakeData(const QImage &picture, Pixel blendCol);
