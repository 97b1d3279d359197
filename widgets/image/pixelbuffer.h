#pragma once
// 32-bit pixels with alpha as the rotatable image keeps them: red in the low
// byte, then green, blue, and alpha in the high byte. Rows are stored top row
// first, so a buffer maps onto a QImage of Format_RGBA8888 without conversion
// (only the row order differs from a bottom-up bitmap; every result is the same).
#include "common/tcolor.h"

#include <cstdint>
#include <vector>

using Pixel = std::uint32_t;

constexpr Pixel MakePixel(int r, int g, int b, int a)
{
    return Pixel(r & 0xFF) | (Pixel(g & 0xFF) << 8) | (Pixel(b & 0xFF) << 16) | (Pixel(a & 0xFF) << 24);
}
constexpr int pixelRed(Pixel p) { return int(p & 0xFF); }
constexpr int pixelGreen(Pixel p) { return int((p >> 8) & 0xFF); }
constexpr int pixelBlue(Pixel p) { return int((p >> 16) & 0xFF); }
constexpr int pixelAlpha(Pixel p) { return int(p >> 24); }

// The value given to fully transparent pixels: the blend colour's red, green
// and blue with a zero alpha byte. System colours are resolved here.
inline Pixel BlendColOf(TColor blendColor)
{
    return Pixel(resolveColor(blendColor) & 0x00FFFFFF);
}

struct PixelBuffer
{
    int width = 0;
    int height = 0;
    std::vector<Pixel> pixels; // width * height, top row first

    PixelBuffer() = default;
    PixelBuffer(int w, int h, Pixel fill = 0)
        : width(w > 0 && h > 0 ? w : 0), height(w > 0 && h > 0 ? h : 0),
          pixels(std::size_t(width) * std::size_t(height), fill)
    {
    }

    bool isEmpty() const { return pixels.empty(); }
    void clear() { *this = PixelBuffer(); }

    // x from the left, y from the top; callers stay inside the buffer.
    Pixel at(int x, int y) const { return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
    Pixel &at(int x, int y) { return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
    const Pixel *row(int y) const { return pixels.data() + std::size_t(y) * std::size_t(width); }
    Pixel *row(int y) { return pixels.data() + std::size_t(y) * std::size_t(width); }
};
