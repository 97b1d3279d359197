#include "gauge/gaugesampling.h"

#include <gtest/gtest.h>

#include <random>

namespace {

QImage blockImage(int k, const std::vector<QRgb> &block)
{
    QImage img(k, k, QImage::Format_RGB32);
    for (int y = 0; y < k; ++y)
        for (int x = 0; x < k; ++x)
            img.setPixel(x, y, block[std::size_t(y * k + x)]);
    return img;
}

struct BlockCase {
    const char *what;
    int k;
    std::vector<QRgb> block;
    QRgb expected;
};

TEST(GaugeSampling, KnownBlocksAverageExactly)
{
    const BlockCase cases[] = {
        {"k2 truncates", 2, {qRgb(1, 0, 255), qRgb(2, 0, 255), qRgb(3, 0, 255), qRgb(4, 0, 254)}, qRgb(2, 0, 254)},
        {"k2 white on black", 2, {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(0, 0, 0), qRgb(0, 0, 0)},
         qRgb(63, 63, 63)},
        {"k3 divides by nine", 3,
         {qRgb(0, 255, 9), qRgb(1, 255, 9), qRgb(2, 255, 9), qRgb(3, 255, 9), qRgb(4, 255, 9), qRgb(5, 255, 9),
          qRgb(6, 255, 9), qRgb(7, 255, 9), qRgb(8, 0, 9)},
         qRgb(4, 226, 9)},
        {"k4 sixteen values", 4,
         {qRgb(255, 0, 16), qRgb(255, 0, 16), qRgb(255, 0, 16), qRgb(255, 0, 16), qRgb(255, 0, 16), qRgb(255, 0, 16),
          qRgb(255, 0, 16), qRgb(255, 0, 16), qRgb(255, 0, 16), qRgb(255, 0, 16), qRgb(255, 0, 16), qRgb(255, 0, 16),
          qRgb(255, 0, 16), qRgb(255, 0, 16), qRgb(255, 0, 16), qRgb(0, 255, 15)},
         qRgb(239, 15, 15)},
    };
    for (const BlockCase &c : cases) {
        const QImage src = blockImage(c.k, c.block);
        QImage dst(1, 1, QImage::Format_RGB32);
        dst.fill(Qt::magenta);
        ASSERT_TRUE(averageBlocks(src, dst, c.k)) << c.what;
        EXPECT_EQ(dst.pixel(0, 0), c.expected) << c.what << std::hex << " got " << dst.pixel(0, 0);
    }
}

// Per-channel reference: sum the block, then shift or divide as the rules say.
QRgb referenceAverage(const QImage &src, int x, int y, int k)
{
    int sum[3] = {0, 0, 0};
    for (int j = 0; j < k; ++j)
        for (int i = 0; i < k; ++i) {
            const QRgb p = src.pixel(x * k + i, y * k + j);
            sum[0] += qRed(p);
            sum[1] += qGreen(p);
            sum[2] += qBlue(p);
        }
    const auto avg = [k](int s) { return k == 4 ? s >> 4 : k == 3 ? s / 9 : k == 2 ? s >> 2 : s; };
    return qRgb(avg(sum[0]), avg(sum[1]), avg(sum[2]));
}

TEST(GaugeSampling, WholePictureMatchesPerChannelSums)
{
    std::mt19937 rng(7);
    for (int k = 1; k <= 4; ++k) {
        QImage src(13 * k, 7 * k, QImage::Format_RGB32);
        for (int y = 0; y < src.height(); ++y)
            for (int x = 0; x < src.width(); ++x)
                src.setPixel(x, y, qRgb(int(rng() & 255), int(rng() & 255), int(rng() & 255)));
        QImage dst(13, 7, QImage::Format_RGB32);
        ASSERT_TRUE(averageBlocks(src, dst, k));
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 13; ++x)
                ASSERT_EQ(dst.pixel(x, y), referenceAverage(src, x, y, k)) << "k=" << k << " at " << x << "," << y;
    }
}

TEST(GaugeSampling, RectangleIsClippedAndNothingElseWritten)
{
    QImage src(8, 8, QImage::Format_RGB32);
    src.fill(Qt::white);
    QImage dst(6, 6, QImage::Format_RGB32); // larger than src / 2
    dst.fill(Qt::black);
    ASSERT_TRUE(averageBlocks(src, dst, 2, QRect(2, -5, 100, 100)));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(dst.pixel(x, y), (x >= 2 && x < 4 && y < 4) ? qRgb(255, 255, 255) : qRgb(0, 0, 0))
                << x << "," << y;
}

TEST(GaugeSampling, RefusesOtherFormatsAndFactors)
{
    QImage src(4, 4, QImage::Format_RGB888);
    QImage dst(2, 2, QImage::Format_RGB32);
    EXPECT_FALSE(averageBlocks(src, dst, 2));
    QImage src32(4, 4, QImage::Format_RGB32);
    EXPECT_FALSE(averageBlocks(src32, dst, 5));
    EXPECT_FALSE(averageBlocks(src32, dst, 0));
}

} // namespace
