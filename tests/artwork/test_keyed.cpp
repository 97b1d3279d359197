// Flattening anti-aliased artwork into a keyed bitmap: hard against the key,
// smooth against the matte.
#include "artwork/keyed.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace artwork;

namespace {

struct FlattenCase
{
    const char *what;
    QRgb premultiplied;
    QRgb matte;
    QRgb expected;
};

const FlattenCase kFlattenCases[] = {
    {"empty pixel", 0x00000000, 0xFF000000, kKeyColor},
    {"just under half covered", qRgba(127, 127, 127, 127), 0xFF000000, kKeyColor},
    {"half covered white on black", qRgba(128, 128, 128, 128), 0xFF000000, qRgb(128, 128, 128)},
    {"half covered white on silver", qRgba(128, 128, 128, 128), 0xFFC0C0C0, qRgb(224, 224, 224)},
    {"opaque orange ignores the matte", qRgb(255, 153, 51), 0xFFC0C0C0, qRgb(255, 153, 51)},
    {"artwork in the key colour moves off it", qRgb(255, 0, 255), 0xFF000000, qRgb(255, 0, 254)},
    {"half purple on a key-coloured matte moves off it", qRgba(128, 0, 128, 128), 0xFFFF00FF, qRgb(255, 0, 254)},
};

class Flatten : public testing::TestWithParam<FlattenCase>
{
};

} // namespace

TEST_P(Flatten, Pixel)
{
    const FlattenCase &c = GetParam();
    EXPECT_EQ(flattenPixel(c.premultiplied, c.matte), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Keyed, Flatten, testing::ValuesIn(kFlattenCases));

TEST(Keyed, SmoothDiscHasNoKeyTintedEdge)
{
    QImage canvas = keyCanvas(31, 31);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(turnCentre(canvas), 12.3, 12.3);
    p.end();

    const QImage keyed = flattenOnKey(canvas, 0xFF000000);
    ASSERT_EQ(keyed.format(), QImage::Format_RGB32);
    EXPECT_EQ(keyed.pixel(0, keyed.height() - 1), kKeyColor);
    int grey = 0;
    for (int y = 0; y < keyed.height(); ++y) {
        for (int x = 0; x < keyed.width(); ++x) {
            const QRgb px = keyed.pixel(x, y);
            if (px == kKeyColor)
                continue;
            // Only white and white-on-black greys: nothing of the key leaks in.
            EXPECT_TRUE(qRed(px) == qGreen(px) && qGreen(px) == qBlue(px)) << x << "," << y;
            if (qRed(px) < 255)
                ++grey;
        }
    }
    EXPECT_GT(grey, 0); // the edge is smoothed against the matte
}
