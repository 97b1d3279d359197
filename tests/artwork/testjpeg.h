#pragma once
// Test pictures in the JPEG layouts the decoder must handle, encoded on the
// spot with libjpeg: grey, RGB and Adobe-style (inverted) CMYK.
#include <QByteArray>
#include <QImage>

#include <cstdint>
#include <vector>

enum class JpegLayout { Grey, Rgb, Cmyk };

// `samples` holds width x height pixels of 1, 3 or 4 bytes (by layout), rows
// top first. Quality 95.
QByteArray encodeTestJpeg(JpegLayout layout, int width, int height, const std::vector<std::uint8_t> &samples,
                          bool progressive = false);

// An RGB JPEG of a colour pattern, baseline or progressive.
QByteArray patternJpeg(int width, int height, bool progressive = false);

// An RGB JPEG of one colour, encoded a row at a time: a picture of any size
// without holding its pixels.
QByteArray solidJpeg(int width, int height, QRgb colour);

// Offset of the first marker 0xFF `code` at or after `from` in a JPEG, or -1.
qsizetype findMarker(const QByteArray &jpeg, unsigned char code, qsizetype from = 0);
