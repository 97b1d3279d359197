#include "gauge/gaugesampling.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

bool is32Bit(const QImage &img)
{
    switch (img.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return true;
    default:
        return false;
    }
}

// Two channels of a pixel spread into 16-bit lanes, so that up to 16 pixels
// can be summed per lane without one channel spilling into the next.
constexpr std::uint32_t laneMask = 0x00FF00FFu;

// Row access without the detach check of QImage::scanLine on every row.
struct Rows {
    const uchar *src;
    qsizetype srcStride;
    uchar *dst;
    qsizetype dstStride;
    const std::uint32_t *in(int y) const { return reinterpret_cast<const std::uint32_t *>(src + y * srcStride); }
    std::uint32_t *out(int y) const { return reinterpret_cast<std::uint32_t *>(dst + y * dstStride); }
};

template <int K, int Shift>
void averageShift(const Rows &img, const QRect &r)
{
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const std::uint32_t *rows[K];
        for (int j = 0; j < K; ++j)
            rows[j] = img.in(y * K + j);
        std::uint32_t *out = img.out(y);
        for (int x = r.left(); x <= r.right(); ++x) {
            std::uint32_t lo = 0, hi = 0;
            for (int j = 0; j < K; ++j) {
                const std::uint32_t *p = rows[j] + x * K;
                for (int i = 0; i < K; ++i) {
                    lo += p[i] & laneMask;
                    hi += (p[i] >> 8) & laneMask;
                }
            }
            out[x] = ((lo >> Shift) & laneMask) | (((hi >> Shift) & laneMask) << 8);
        }
    }
}

void averageNine(const Rows &img, const QRect &r)
{
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const std::uint32_t *rows[3];
        for (int j = 0; j < 3; ++j)
            rows[j] = img.in(y * 3 + j);
        std::uint32_t *out = img.out(y);
        for (int x = r.left(); x <= r.right(); ++x) {
            std::uint32_t lo = 0, hi = 0;
            for (int j = 0; j < 3; ++j) {
                const std::uint32_t *p = rows[j] + x * 3;
                for (int i = 0; i < 3; ++i) {
                    lo += p[i] & laneMask;
                    hi += (p[i] >> 8) & laneMask;
                }
            }
            out[x] = ((lo & 0xFFFFu) / 9) | (((lo >> 16) / 9) << 16) | (((hi & 0xFFFFu) / 9) << 8)
                     | (((hi >> 16) / 9) << 24);
        }
    }
}

void copyRect(const Rows &img, const QRect &r)
{
    const std::size_t bytes = std::size_t(r.width()) * 4;
    for (int y = r.top(); y <= r.bottom(); ++y)
        std::memcpy(img.out(y) + r.left(), img.in(y) + r.left(), bytes);
}

void averageRect(const Rows &rows, int k, const QRect &r)
{
    switch (k) {
    case 1: copyRect(rows, r); break;
    case 2: averageShift<2, 2>(rows, r); break;
    case 3: averageNine(rows, r); break;
    case 4: averageShift<4, 4>(rows, r); break;
    }
}

bool usable(const QImage &src, const QImage &dst, int k)
{
    return k >= 1 && k <= 4 && is32Bit(src) && is32Bit(dst);
}

} // namespace

bool averageBlocks(const QImage &src, QImage &dst, int k, const QRect &dstRect)
{
    if (!usable(src, dst, k))
        return false;
    const QRect r = dstRect & dst.rect() & QRect(0, 0, src.width() / k, src.height() / k);
    if (!r.isEmpty())
        averageRect({src.constBits(), src.bytesPerLine(), dst.bits(), dst.bytesPerLine()}, k, r);
    return true;
}

bool averageBlocks(const QImage &src, QImage &dst, int k, const std::vector<RowSpan> &spans,
                   const std::vector<RowSpan> &moreSpans)
{
    if (!usable(src, dst, k))
        return false;
    const int width = std::min(dst.width(), src.width() / k);
    const int height = std::min(dst.height(), src.height() / k);
    const Rows rows{src.constBits(), src.bytesPerLine(), dst.bits(), dst.bytesPerLine()};
    const auto average = [&](int y, RowSpan s) {
        const int left = std::max(s.left, 0);
        const int right = std::min(s.right, width - 1);
        if (left <= right)
            averageRect(rows, k, QRect(left, y, right - left + 1, 1));
    };
    const int last = std::min(int(std::max(spans.size(), moreSpans.size())), height) - 1;
    for (int y = 0; y <= last; ++y) {
        const RowSpan a = std::size_t(y) < spans.size() ? spans[std::size_t(y)] : RowSpan();
        const RowSpan b = std::size_t(y) < moreSpans.size() ? moreSpans[std::size_t(y)] : RowSpan();
        if (!a.empty() && !b.empty() && a.left <= b.right + 1 && b.left <= a.right + 1) {
            RowSpan both = a;
            both.add(b.left, b.right);
            average(y, both); // overlapping or touching: one pass
        } else {
            average(y, a);
            average(y, b);
        }
    }
    return true;
}

bool averageBlocks(const QImage &src, QImage &dst, int k)
{
    return averageBlocks(src, dst, k, dst.rect());
}
