#pragma once
// Block averaging of a supersampled picture down to the control's size.
#include <QImage>
#include <QRect>

#include "gauge/gaugegeometry.h"

#include <vector>

// For each pixel (x, y) of `dst` inside `dstRect`, the k x k block of `src`
// at (x*k, y*k) is averaged per 8-bit channel with integer sums: shifted
// right by 4 for k = 4, by 2 for k = 2, divided by 9 for k = 3; k = 1 copies.
// Both images hold 32 bits per pixel (RGB32 keeps 0xFF in the unused byte,
// and the average of that byte stays 0xFF). The rectangle is clipped to
// what both images hold, so nothing outside them is read or written; other
// formats or factors leave `dst` unchanged and return false.
bool averageBlocks(const QImage &src, QImage &dst, int k, const QRect &dstRect);
bool averageBlocks(const QImage &src, QImage &dst, int k);
// The same for the pixels of either span list, one entry per row of `dst`
// (rows beyond a list are left alone); a pixel in both is averaged once.
bool averageBlocks(const QImage &src, QImage &dst, int k, const std::vector<RowSpan> &spans,
                   const std::vector<RowSpan> &moreSpans = {});
