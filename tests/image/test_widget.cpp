// TRotatableImage as a control: properties, the buffers each mode builds, and
// what it paints over the face beneath (exact composition and Qt's painting).
#include "image/compose.h"
#include "image/imagegeometry.h"
#include "image/trotatableimage.h"
#include "golden.h"
#include "testpictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

// Largest per-channel difference between two images of the same size.
int worstDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    if (x.size() != y.size())
        return 256;
    int worst = 0;
    for (int j = 0; j < x.height(); ++j)
        for (int i = 0; i < x.width(); ++i) {
            const QRgb p = x.pixel(i, j), q = y.pixel(i, j);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    return worst;
}

// A face with one control on it, shown off-screen.
struct Panel
{
    explicit Panel(QSize size = {140, 140}) : face(size) { face.show(); }
    TRotatableImage *add(const QImage &picture, QPoint at, QSize size)
    {
        auto *image = new TRotatableImage(&face);
        image->setGeometry(QRect(at, size));
        image->SetCenter(true);
        image->SetTransparent(true);
        image->SetPicture(picture);
        image->show();
        return image;
    }
    // What Qt painted in the control's rectangle.
    QImage painted(const TRotatableImage *image) { return face.grab(image->geometry()).toImage(); }
    // The exact composition of the control over the face.
    QImage composed(const TRotatableImage *image) { return image->ComposeOver(face.Face().copy(image->geometry())); }
    FaceWidget face;
};

TEST(ImageWidget, Defaults)
{
    TRotatableImage image;
    EXPECT_EQ(image.size(), QSize(105, 105));
    EXPECT_TRUE(image.Picture().isNull());
    EXPECT_EQ(image.RotationAngle(), 0.0);
    EXPECT_EQ(image.BlendColor(), clBtnFace);
    EXPECT_FALSE(image.Center() || image.Transparent() || image.Stretch() || image.Proportional()
                 || image.AutoSize() || image.CustomMapping() || image.IncrementalDisplay());
    EXPECT_EQ(image.RotatedWidth(), 0);
    EXPECT_TRUE(image.SourceBuffer().isEmpty());
}

TEST(ImageWidget, AnglesReduceToTheSameTurn)
{
    TRotatableImage image;
    image.SetTransparent(true);
    image.SetPicture(NeedlePicture(60));
    const struct
    {
        double given, same;
    } cases[] = {{450, 90}, {-90, 270}, {-323, 37}, {757, 37}};
    for (const auto &c : cases) {
        image.SetRotationAngle(c.same);
        const PixelBuffer expected = image.RotatedBuffer();
        image.SetRotationAngle(c.given);
        EXPECT_EQ(image.RotationAngle(), c.given);
        EXPECT_DOUBLE_EQ(image.ReducedAngle(), c.same);
        EXPECT_EQ(image.RotatedBuffer().pixels, expected.pixels) << c.given;
        EXPECT_FALSE(expected.isEmpty());
    }
}

TEST(ImageWidget, ZeroTurnDrawsThePictureItselfWithoutATurnedBuffer)
{
    Panel panel;
    TRotatableImage *image = panel.add(NeedlePicture(60), {10, 10}, {105, 105});
    for (double angle : {0.0, 360.0, -720.0}) {
        image->SetRotationAngle(37); // something to throw away
        image->SetRotationAngle(angle);
        EXPECT_TRUE(image->RotatedBuffer().isEmpty()) << angle;
        EXPECT_FALSE(image->SourceBuffer().isEmpty());
        // The picture sits centred, its white ground showing the face.
        QImage expected = panel.face.Face().copy(image->geometry());
        BlendBuffer(expected, image->SourceBuffer(), QPoint(22, 22));
        EXPECT_EQ(worstDifference(panel.composed(image), expected), 0) << angle;
        EXPECT_LE(worstDifference(panel.painted(image), expected), 1) << angle;
    }
}

TEST(ImageWidget, LargerTurnedPictureIsClippedAndCentred)
{
    Panel panel;
    TRotatableImage *image = panel.add(CardPicture(120), {17, 17}, {105, 105});
    image->SetRotationAngle(45);
    ASSERT_EQ(image->RotatedWidth(), 170);
    ASSERT_EQ(image->RotatedHeight(), 170);
    for (bool center : {true, false}) {
        image->SetCenter(center);
        const int shift = center ? 32 : 0; // (105 - 170) div 2 = -32
        const QImage beneath = panel.face.Face().copy(image->geometry());
        const QImage composed = image->ComposeOver(beneath);
        ASSERT_EQ(composed.size(), QSize(105, 105));
        for (int y = 0; y < 105; ++y)
            for (int x = 0; x < 105; ++x)
                ASSERT_EQ(composed.pixel(x, y),
                          BlendPixel(beneath.pixel(x, y), image->RotatedBuffer().at(x + shift, y + shift)))
                    << x << "," << y << " centre " << center;
        EXPECT_LE(worstDifference(panel.painted(image), composed), 2);
    }
}

TEST(ImageWidget, ProportionalShrinksLargePicturesOnly)
{
    TRotatableImage image;
    image.SetPicture(CardPicture(120));
    image.SetRotationAngle(45);
    image.SetProportional(true);
    EXPECT_EQ(image.StretchedWidth(), 105);
    EXPECT_EQ(image.StretchedHeight(), 105);
    EXPECT_EQ(image.StretchedBuffer().width, 105);

    image.SetPicture(CardPicture(50));
    EXPECT_EQ(image.StretchedWidth(), image.RotatedWidth()); // 71: fits, never enlarged
    EXPECT_TRUE(image.StretchedBuffer().isEmpty());

    image.SetStretch(true);
    EXPECT_EQ(image.StretchedWidth(), 105);
    EXPECT_EQ(image.StretchedBuffer().height, 105);
}

TEST(ImageWidget, ScaledBuffersFollowTheControlSize)
{
    Panel panel;
    TRotatableImage *image = panel.add(CardPicture(40), {0, 0}, {105, 105});
    image->SetStretch(true);
    image->resize(80, 60);
    EXPECT_EQ(image->StretchedBuffer().width, 80);
    EXPECT_EQ(image->StretchedBuffer().height, 60);
    EXPECT_LE(worstDifference(panel.painted(image), panel.composed(image)), 2);
}

TEST(ImageWidget, AutoSizeTakesTheTurnedSize)
{
    Panel panel;
    TRotatableImage *image = panel.add(QImage(100, 50, QImage::Format_RGB32), {7, 9}, {105, 105});
    image->SetRotationAngle(90);
    image->SetAutoSize(true);
    EXPECT_EQ(image->geometry(), QRect(7, 9, 50, 100));
    image->SetRotationAngle(45);
    EXPECT_EQ(image->geometry(), QRect(7, 9, 107, 107));
}

TEST(ImageWidget, CustomMappingFillsTheClientArea)
{
    Panel panel;
    TRotatableImage *image = panel.add(CardPicture(60), {0, 0}, {90, 70});
    TRotatableImage *sender = nullptr;
    int calls = 0;
    image->SetCustomMapping(true);
    EXPECT_TRUE(image->CustomMapBuffer().isEmpty()); // no handler yet
    image->SetOnCustomMapping([&](TRotatableImage *s, std::uint16_t, std::uint16_t, float &ax, float &) {
        sender = s;
        ++calls;
        ax = 59.0f - ax; // mirrored
    });
    EXPECT_EQ(sender, image);
    EXPECT_EQ(calls, 90 * 70);
    EXPECT_EQ(image->CustomMapBuffer().width, 90);
    EXPECT_EQ(image->CustomMapBuffer().height, 70);
    const QImage composed = panel.composed(image);
    QImage expected = panel.face.Face().copy(image->geometry());
    BlendBuffer(expected, image->CustomMapBuffer(), QPoint(0, 0));
    EXPECT_EQ(worstDifference(composed, expected), 0);
    EXPECT_LE(worstDifference(panel.painted(image), composed), 2);
}

TEST(ImageWidget, TransparentColourCanBeNamed)
{
    TRotatableImage image;
    image.SetPicture(NeedlePicture(40));
    image.SetTransparent(true);
    EXPECT_EQ(image.TransparentColor(), clWhite);
    EXPECT_EQ(pixelAlpha(image.SourceBuffer().at(0, 0)), 0);
    image.SetTransparentColor(RGBColor(128, 128, 128)); // the hub instead of the ground
    EXPECT_EQ(pixelAlpha(image.SourceBuffer().at(0, 0)), 255);
    EXPECT_EQ(pixelAlpha(image.SourceBuffer().at(20, 20)), 0);
    image.ResetTransparentColor();
    EXPECT_EQ(pixelAlpha(image.SourceBuffer().at(0, 0)), 0);
    image.SetTransparent(false);
    EXPECT_EQ(pixelAlpha(image.SourceBuffer().at(0, 0)), 255);
}

TEST(ImageWidget, BlendColourColoursTransparentPixels)
{
    TRotatableImage image;
    image.SetTransparent(true);
    image.SetPicture(NeedlePicture(40));
    EXPECT_EQ(image.SourceBuffer().at(0, 0), BlendColOf(clBtnFace));
    image.SetBlendColor(clBlack);
    EXPECT_EQ(image.SourceBuffer().at(0, 0), MakePixel(0, 0, 0, 0));
}

TEST(ImageWidget, NeedleTurned37DegreesOverFace)
{
    Panel panel;
    TRotatableImage *image = panel.add(NeedlePicture(100), {20, 20}, {100, 100});
    image->SetBlendColor(RGBColor(30, 40, 60)); // the face's colour, as a panel instance would
    image->SetRotationAngle(37);
    QImage composed = panel.face.Face();
    BlendBuffer(composed, image->RotatedBuffer(), image->pos() + CenterOffset({100, 100}, {image->RotatedWidth(), image->RotatedHeight()}, true));
    EXPECT_TRUE(matchesGolden(composed, QStringLiteral("image_needle37"), 1));
    EXPECT_LE(worstDifference(panel.painted(image), composed.copy(image->geometry())), 2);
}

// The panel's eleven instances: size, blend colour, first angle.
struct Instance
{
    const char *name;
    QSize size;
    bool blackBlend;
    double angle;
    bool card;
};

const Instance kInstances[] = {
    {"rImgAttitude", {109, 108}, false, 0, true},   {"rImgGyro", {102, 102}, true, 0, true},
    {"rImgWind", {120, 120}, true, 90, false},      {"rImgCrs", {120, 120}, true, 270, false},
    {"rImgHdgMk", {120, 120}, true, 0, false},      {"rImgVOR1Needle", {105, 105}, false, 0, false},
    {"rImgVOR2Needle", {105, 105}, false, 0, false}, {"rImgVOR1Lubber", {105, 105}, false, 0, false},
    {"rImgVOR2Lubber", {105, 105}, false, 0, false}, {"rImgADFBrg", {105, 105}, false, 0, false},
    {"rImgADFLubber", {105, 105}, false, 0, false},
};

TEST(ImageWidget, PanelInstancesShowTheirPictureOverTheFace)
{
    for (const Instance &inst : kInstances) {
        SCOPED_TRACE(inst.name);
        Panel panel;
        const int side = std::min(inst.size.width(), inst.size.height());
        const QImage picture = inst.card ? CardPicture(side) : NeedlePicture(side);
        TRotatableImage *image = panel.add(picture, {10, 10}, inst.size);
        if (inst.blackBlend)
            image->SetBlendColor(clBlack);
        image->SetRotationAngle(inst.angle);
        for (double angle : {inst.angle, 37.0, -123.0}) {
            image->SetRotationAngle(angle);
            EXPECT_EQ(image->RotatedBuffer().isEmpty(), ReduceAngle(angle) == 0.0);
            const QImage composed = panel.composed(image);
            const QImage beneath = panel.face.Face().copy(image->geometry());
            EXPECT_LE(worstDifference(panel.painted(image), composed), 2) << angle;
            // The picture's middle covers the face; its keyed ground does not.
            const QPoint mid(inst.size.width() / 2, inst.size.height() / 2);
            EXPECT_EQ(composed.pixel(mid), inst.card ? qRgb(10, 10, 10) : qRgb(128, 128, 128)) << angle;
            EXPECT_EQ(composed.pixel(1, 1), beneath.pixel(1, 1)) << angle;
        }
    }
}

TEST(ImageWidget, StackedInstancesShowThroughEachOther)
{
    Panel panel;
    TRotatableImage *card = panel.add(CardPicture(102), {19, 19}, {102, 102});
    card->SetBlendColor(clBlack);
    card->SetRotationAngle(37);
    TRotatableImage *heading = panel.add(NeedlePicture(120), {10, 10}, {120, 120});
    heading->SetBlendColor(clBlack);
    heading->SetRotationAngle(300);
    TRotatableImage *wind = panel.add(NeedlePicture(120), {10, 10}, {120, 120});
    wind->SetBlendColor(clBlack);
    wind->SetRotationAngle(90);

    QImage composed = panel.face.Face();
    for (TRotatableImage *image : {card, heading, wind}) {
        const QImage part = image->ComposeOver(composed.copy(image->geometry()));
        for (int y = 0; y < part.height(); ++y)
            for (int x = 0; x < part.width(); ++x)
                composed.setPixel(image->x() + x, image->y() + y, part.pixel(x, y));
    }
    EXPECT_TRUE(matchesGolden(composed, QStringLiteral("image_gyro_stack"), 1));
    EXPECT_LE(worstDifference(panel.face.grab().toImage(), composed), 2);
}

} // namespace
