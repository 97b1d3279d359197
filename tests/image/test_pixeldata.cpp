// Recovering each pixel's alpha from the picture drawn on red and on blue.
#include "image/pixeldata.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

constexpr Pixel kBlendCol = MakePixel(11, 22, 33, 0);

struct FindColorCase
{
    const char *what;
    std::uint8_t onRed[3];
    std::uint8_t onBlue[3];
    Pixel expected;
};

TEST(ImageFindColor, ClassifiesEachPixel)
{
    const FindColorCase cases[] = {
        {"opaque", {10, 20, 30}, {10, 20, 30}, MakePixel(10, 20, 30, 255)},
        {"opaque pure red", {255, 0, 0}, {255, 0, 0}, MakePixel(255, 0, 0, 255)},
        {"opaque pure blue", {0, 0, 255}, {0, 0, 255}, MakePixel(0, 0, 255, 255)},
        {"fully transparent", {255, 0, 0}, {0, 0, 255}, kBlendCol},
        // (200, 100, 50) at alpha 128 as a painter composes it on each ground.
        {"half transparent", {227, 50, 25}, {100, 50, 152}, MakePixel(199, 99, 49, 128)},
        {"pure red at alpha 64", {255, 0, 0}, {64, 0, 191}, MakePixel(255, 0, 0, 64)},
        {"alpha works out as 0", {10, 0, 0}, {11, 0, 5}, kBlendCol},
        // Inconsistent renderings: 60 * 255 / 25 is 612; it saturates rather than wrapping.
        {"colour beyond 255 saturates", {250, 0, 60}, {20, 0, 255}, MakePixel(204, 0, 255, 25)},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FindColor(c.onRed, c.onBlue, kBlendCol), c.expected) << c.what;
}

TEST(ImageFindColor, TransparentColourIsBottomLeftOrWhiteForTwoColours)
{
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(qRgb(1, 2, 3));
    picture.setPixel(0, 1, qRgb(40, 50, 60));
    EXPECT_EQ(DefaultTransparentColor(picture), RGBColor(40, 50, 60));

    QImage mono(8, 2, QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    mono.fill(0);
    EXPECT_EQ(DefaultTransparentColor(mono), clWhite);
    EXPECT_EQ(DefaultTransparentColor(QImage()), clBlack);
}

TEST(ImageFindColor, TransparentColourIsKeyedOnlyWhenHonoured)
{
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 255, 255));
    picture.setPixel(1, 0, qRgb(254, 255, 255));
    const QImage keyed = PictureWithTransparency(picture, true, clWhite);
    EXPECT_EQ(qAlpha(keyed.pixel(0, 0)), 0);
    EXPECT_EQ(keyed.pixel(1, 0), qRgba(254, 255, 255, 255));
    EXPECT_EQ(PictureWithTransparency(picture, false, clWhite).pixel(0, 0), qRgb(255, 255, 255));
}

TEST(ImageMakeData, RecoversAlphaOfEveryKindOfPixel)
{
    QImage picture(4, 2, QImage::Format_ARGB32);
    picture.fill(qRgba(0, 200, 0, 255));
    picture.setPixel(0, 0, qRgba(10, 20, 30, 255));
    picture.setPixel(1, 0, qRgba(0, 0, 0, 0));
    picture.setPixel(2, 0, qRgba(200, 100, 50, 128));
    picture.setPixel(3, 0, qRgba(255, 0, 0, 255));
    const PixelBuffer source = MakeData(picture, kBlendCol);
    ASSERT_EQ(source.width, 4);
    ASSERT_EQ(source.height, 2);
    EXPECT_EQ(source.at(0, 0), MakePixel(10, 20, 30, 255));
    EXPECT_EQ(source.at(1, 0), kBlendCol);
    EXPECT_EQ(source.at(3, 0), MakePixel(255, 0, 0, 255));
    EXPECT_EQ(source.at(0, 1), MakePixel(0, 200, 0, 255)); // second row kept in place
    const Pixel half = source.at(2, 0);
    EXPECT_NEAR(pixelAlpha(half), 128, 1);
    EXPECT_NEAR(pixelRed(half), 200, 3);
    EXPECT_NEAR(pixelGreen(half), 100, 3);
    EXPECT_NEAR(pixelBlue(half), 50, 3);
}

TEST(ImageMakeData, EmptyPictureGivesEmptyBuffer)
{
    EXPECT_TRUE(MakeData(QImage(), kBlendCol).isEmpty());
}

} // namespace
