// The pictures drawn in code: sizes, transparency keys, placement about the
// turning centre, and the control pad's marks where its handlers read them.
#include "artwork/artwork.h"

#include <QPixmap>
#include <gtest/gtest.h>

#include <cmath>

using namespace artwork;

namespace {

enum class Shape
{
    Round,  // a disc filling the picture
    Marker, // a mark at the rim, drawn at 12 o'clock
    Needle, // pivots in the middle, points to 12 o'clock
};

struct InstrumentCase
{
    const char *name;
    QImage (*make)();
    QSize size;
    double minKey, maxKey; // share of the picture that is transparent
    Shape shape;
};

const InstrumentCase kInstruments[] = {
    {"attitudeBall", attitudeBall, {109, 108}, 0.18, 0.30, Shape::Round},
    {"compassCard", compassCard, {102, 102}, 0.18, 0.30, Shape::Round},
    {"windMarker", windMarker, {120, 120}, 0.95, 0.999, Shape::Marker},
    {"courseMarker", courseMarker, {120, 120}, 0.95, 0.999, Shape::Marker},
    {"headingMarker", headingMarker, {120, 120}, 0.95, 0.999, Shape::Marker},
    {"vorCard", vorCard, {105, 105}, 0.18, 0.30, Shape::Round},
    {"vorNeedle", vorNeedle, {105, 105}, 0.85, 0.99, Shape::Needle},
    {"adfCard", adfCard, {105, 105}, 0.18, 0.30, Shape::Round},
    {"adfNeedle", adfNeedle, {105, 105}, 0.85, 0.99, Shape::Needle},
};

class Instrument : public testing::TestWithParam<InstrumentCase>
{
};

std::string caseName(const testing::TestParamInfo<InstrumentCase> &info) { return info.param.name; }

// A key-tinted pixel: what an edge smoothed into the key colour would leave,
// which the widget cannot take for transparent. No artwork is purple.
bool keyTinted(QRgb px)
{
    return qRed(px) >= 150 && qBlue(px) >= 150 && qGreen(px) <= 100;
}

} // namespace

TEST_P(Instrument, SizeAndTransparentKey)
{
    const InstrumentCase &c = GetParam();
    const QImage image = c.make();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), c.size);
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    const QRgb key = transparentKey();
    const int w = image.width(), h = image.height();
    // The widget takes the bottom-left pixel for the transparent colour; the
    // corners stay transparent so the turned picture has no square outline.
    EXPECT_EQ(image.pixel(0, h - 1), key);
    EXPECT_EQ(image.pixel(0, 0), key);
    EXPECT_EQ(image.pixel(w - 1, 0), key);
    EXPECT_EQ(image.pixel(w - 1, h - 1), key);

    int rim = 0, rimKey = 0, keyed = 0, tinted = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const QRgb px = image.pixel(x, y);
            const bool isKey = px == key;
            keyed += isKey;
            tinted += !isKey && keyTinted(px);
            if (x == 0 || y == 0 || x == w - 1 || y == h - 1) {
                ++rim;
                rimKey += isKey;
            }
        }
    }
    const double share = double(keyed) / (w * h);
    EXPECT_GE(share, c.minKey);
    EXPECT_LE(share, c.maxKey);
    EXPECT_GT(double(rimKey) / rim, 0.8) << "the outer edge is mostly transparent";
    EXPECT_EQ(tinted, 0) << "opaque pixels mixed with the key colour";
}

TEST_P(Instrument, DrawnAboutTheTurningCentre)
{
    // The widget turns a picture about its exact middle: a round picture must
    // be centred there, a marker must sit straight above it, or it wobbles
    // when turned.
    const InstrumentCase &c = GetParam();
    const QImage image = c.make();
    const QRgb key = transparentKey();
    double sx = 0, sy = 0, left = image.width(), right = 0, top = image.height(), bottom = 0;
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == key)
                continue;
            sx += x + 0.5;
            sy += y + 0.5;
            left = std::min<double>(left, x);
            right = std::max<double>(right, x + 1);
            top = std::min<double>(top, y);
            bottom = std::max<double>(bottom, y + 1);
            ++n;
        }
    }
    ASSERT_GT(n, 0);
    const double cx = image.width() / 2.0, cy = image.height() / 2.0;
    EXPECT_NEAR(sx / n, cx, 0.5) << "balanced left and right";
    EXPECT_NEAR((left + right) / 2, cx, 0.5);
    switch (c.shape) {
    case Shape::Round:
        EXPECT_NEAR((top + bottom) / 2, cy, 0.5);
        break;
    case Shape::Marker:
        EXPECT_LT(sy / n, cy) << "the mark sits at 12 o'clock";
        EXPECT_LE(top, 1.0) << "the mark reaches the rim";
        break;
    case Shape::Needle:
        EXPECT_NE(image.pixel(int(cx), int(cy)), key) << "the pivot is in the middle";
        EXPECT_LT(top, cy - 40) << "the point reaches toward the card's rim";
        EXPECT_LT(sy / n, cy) << "the point, not the tail, is up";
        break;
    }
}

TEST_P(Instrument, SamePixelsEveryTime)
{
    const InstrumentCase &c = GetParam();
    EXPECT_EQ(c.make(), c.make());
}

INSTANTIATE_TEST_SUITE_P(Artwork, Instrument, testing::ValuesIn(kInstruments), caseName);

namespace {

struct PadMark
{
    const char *what;
    int x, y;
    QRgb colour;
};

// Sampled away from the centre ring, on both axes.
const PadMark kPadMarks[] = {
    {"cross-hair column", kPadCentre, 20, kPadCross},
    {"cross-hair column low", kPadCentre, 150, kPadCross},
    {"cross-hair row", 20, kPadCentre, kPadCross},
    {"cross-hair row right", 150, kPadCentre, kPadCross},
    {"first dead column", kPadDeadLow, 20, kPadBandEdge},
    {"last dead column", kPadDeadHigh, 20, kPadBandEdge},
    {"first dead row", 20, kPadDeadLow, kPadBandEdge},
    {"last dead row", 150, kPadDeadHigh, kPadBandEdge},
    {"inside the column band", kPadDeadLow + 1, 150, kPadBand},
    {"inside the row band", 150, kPadDeadHigh - 1, kPadBand},
    {"both axes dead", kPadDeadLow + 3, kPadDeadHigh - 3, kPadNeutral},
    {"live left of the band", kPadDeadLow - 1, 20, kPadField},
    {"live right of the band", kPadDeadHigh + 1, 20, kPadField},
    {"live above the band", 20, kPadDeadLow - 1, kPadField},
    {"live below the band", 150, kPadDeadHigh + 1, kPadField},
};

} // namespace

TEST(ControlPad, MarksWhereTheHandlersReadThem)
{
    const QImage pad = controlPad();
    ASSERT_EQ(pad.size(), QSize(kPadSize, kPadSize));
    for (const PadMark &m : kPadMarks)
        EXPECT_EQ(pad.pixel(m.x, m.y), m.colour) << m.what << " at " << m.x << "," << m.y;
    EXPECT_EQ(pad.pixel(kPadCentre, kPadCentre), kPadCross);
}

TEST(StillPictures, ProgramIconIsASmallOpaqueBitmap)
{
    const QImage icon = programIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_LE(icon.width(), 64);
    EXPECT_EQ(icon.width(), icon.height());
    EXPECT_FALSE(icon.hasAlphaChannel());
}

TEST(StillPictures, ButtonGlyphs)
{
    for (const char *name : {"pause", "refresh", "settings", "about", "close"}) {
        const QIcon icon = buttonGlyph(name);
        ASSERT_FALSE(icon.isNull()) << name;
        const QImage glyph = icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(glyph.size(), QSize(16, 16)) << name;
        int ink = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                ink += qAlpha(glyph.pixel(x, y)) > 128;
        EXPECT_GT(ink, 20) << name << ": visible";
        EXPECT_LT(ink, 200) << name << ": a glyph, not a filled square";
        EXPECT_EQ(qAlpha(glyph.pixel(0, 0)), 0) << name << ": transparent around the glyph";
    }
    EXPECT_TRUE(buttonGlyph("unknown").isNull());
    EXPECT_TRUE(buttonGlyph(nullptr).isNull());
}
