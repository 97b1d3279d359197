#include "gauge/gaugesampling.h"

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

template <int K, int Shift>
void averageShift(const QImage &src, QImage &dst, const QRect &r)
{
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const std::uint32_t *rows[K];
        for (int j = 0; j < K; ++j)
            rows[j] = reinterpret_cast<const std::uint32_t *>(src.constScanLine(y * K + j));
        auto *out = reinterpret_cast<std::uint32_t *>(dst.scanLine(y));
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

void averageNine(const QImage &src, QImage &dst, const QRect &r)
{
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const std::uint32_t *rows[3];
        for (int j = 0; j < 3; ++j)
            rows[j] = reinterpret_cast<const std::uint32_t *>(src.constScanLine(y * 3 + j));
        auto *out = reinterpret_cast<std::uint32_t *>(dst.scanLine(y));
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

void copyRect(const QImage &src, QImage &dst, const QRect &r)
{
    const std::size_t bytes = std::size_t(r.width()) * 4;
    for (int y = r.top(); y <= r.bottom(); ++y)
        std::memcpy(dst.scanLine(y) + std::size_t(r.left()) * 4, src.constScanLine(y) + std::size_t(r.left()) * 4,
                    bytes);
}

} // namespace

bool averageBlocks(const QImage &src, QImage &dst, int k, const QRect &dstRect)
{
    if (k < 1 || k > 4 || !is32Bit(src) || !is32Bit(dst))
        return false;
    const QRect r = dstRect & dst.rect() & QRect(0, 0, src.width() / k, src.height() / k);
    if (r.isEmpty())
        return true;
    switch (k) {
    case 1: copyRect(src, dst, r); break;
    case 2: averageShift<2, 2>(src, dst, r); break;
    case 3: averageNine(src, dst, r); break;
    case 4: averageShift<4, 4>(src, dst, r); break;
    }
    return true;
}

bool averageBlocks(const QImage &src, QImage &dst, int k)
{
    return averageBlocks(src, dst, k, dst.rect());
}
