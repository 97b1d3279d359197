#pragma once
// Putting a pixel buffer over what lies beneath it.
#include "image/pixelbuffer.h"

#include <QImage>
#include <QPoint>
#include <QSysInfo>

// One channel of colour over the one beneath with alpha a:
// Round(beneath + (colour - beneath) * a / 255), in integers (the quotient is
// never exactly half way, so the rounding direction of halves does not matter).
int BlendChannel(int beneath, int colour, int alpha);

// A pixel over an opaque one: alpha 0 leaves it, 255 replaces it, anything
// between mixes each channel with BlendChannel.
QRgb BlendPixel(QRgb beneath, Pixel pixel);

// Blends the buffer over the surface with its top-left at offset, clipped to the
// surface; pixels outside are neither read nor written. The surface is made
// Format_RGB32 first if it is not.
void BlendBuffer(QImage &surface, const PixelBuffer &buffer, QPoint offset);

// The buffer as a non-premultiplied image sharing nothing with it.
QImage ToQImage(const PixelBuffer &buffer);
