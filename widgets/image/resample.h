#pragma once
// Turning, scaling and custom mapping of pixel buffers with bilinear sampling.
// Everything is computed once per change into plain buffers; painting then only
// blends a ready buffer.
#include "image/pixelbuffer.h"

#include <cstdint>
#include <functional>

// Weighted sum of four pixels, each of the four bytes (alpha included) rounded
// to the nearest integer (halves to even) and limited to 255.
Pixel MakeColor(Pixel p00, Pixel p10, Pixel p01, Pixel p11, float w00, float w10, float w01, float w11);

// The picture sampled at (sx, sy), counted in pixels from the top-left. A point
// with sx <= -1, sy <= -1, sx >= width or sy >= height (or not a number) gives
// 0, fully transparent. Otherwise the four neighbours around it are weighted by
// their distance; a neighbour outside the picture counts as blendCol, so edges
// fade toward the blend colour.
Pixel SampleBilinear(const PixelBuffer &src, double sx, double sy, Pixel blendCol);

// The picture turned counter-clockwise (on screen) by the angle, into a buffer
// of width x height (the rotated size). Target pixel (x, y) samples
// sx = dx cos a + dy sin a + w/2, sy = dx sin a - dy cos a + h/2 with
// dx = x - width/2, dy = height/2 - y.
PixelBuffer MakeRotated(const PixelBuffer &src, double radians, int width, int height, Pixel blendCol);

// The buffer resampled to width x height: target (x, y) samples (x / fx, y / fy)
// with fx, fy the ratios of the new to the old size.
PixelBuffer MakeStretched(const PixelBuffer &src, int width, int height, Pixel blendCol);

// Maps a pixel (au, av) of the client area to a point (ax, ay) of the picture.
// Rows are counted from the bottom on both sides, so a handler that leaves the
// point as given shows the picture upright, scaled to the client area.
using CustomMappingFn = std::function<void(std::uint16_t au, std::uint16_t av, float &ax, float &ay)>;

// A width x height buffer where each pixel (au, av) gets the picture sampled at
// the point the handler returns for it, starting from
// ax = au * picture width / width and ay = av * picture height / height.
// Client sizes are limited to 65535, the range of au and av.
PixelBuffer MakeCustomMapping(const PixelBuffer &src, int width, int height, const CustomMappingFn &map,
                              Pixel blendCol);
