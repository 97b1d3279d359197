// The instrument pictures as the panel shows them: stacked, centred and
// turned by the rotatable image, on the face they lie on.
#include "artwork/artwork.h"
#include "image/trotatableimage.h"

#include "golden.h"

#include <gtest/gtest.h>

namespace {

struct Layer
{
    QImage picture;
    double angle;
    TColor blend;
};

// Each layer is a centred, transparent rotatable image of the given size,
// drawn over what the layers before it left.
QImage stack(QSize size, TColor face, std::initializer_list<Layer> layers)
{
    QImage beneath(size, QImage::Format_RGB32);
    beneath.fill(toQColor(face));
    for (const Layer &layer : layers) {
        TRotatableImage image;
        image.resize(size);
        image.SetCenter(true);
        image.SetTransparent(true);
        image.SetBlendColor(layer.blend);
        image.SetPicture(layer.picture);
        image.SetRotationAngle(layer.angle);
        beneath = image.ComposeOver(beneath).convertToFormat(QImage::Format_RGB32);
    }
    return beneath;
}

// Heading 30, bug 120, course 75, wind from 230: the panel turns each marker
// by heading minus its value.
QImage gyroAt30()
{
    const double heading = 30;
    return stack(QSize(120, 120), clBlack,
                 {{artwork::compassCard(), heading, clBlack},
                  {artwork::headingMarker(), heading - 120, clBlack},
                  {artwork::courseMarker(), heading - 75, clBlack},
                  {artwork::windMarker(), heading - 230, clBlack}});
}

} // namespace

TEST(InstrumentStacks, GyroGolden)
{
    EXPECT_TRUE(matchesGolden(gyroAt30(), QStringLiteral("artwork_gyro_stack"), 2));
}

TEST(InstrumentStacks, VorGolden)
{
    // Heading 30, radial 135: the card turns by minus the heading, the needle
    // by the card's angle minus the radial.
    const QImage vor = stack(QSize(105, 105), clSilver,
                             {{artwork::vorCard(), -30, clBtnFace}, {artwork::vorNeedle(), -30 - 135, clBtnFace}});
    EXPECT_TRUE(matchesGolden(vor, QStringLiteral("artwork_vor_stack"), 2));
}

TEST(InstrumentStacks, AttitudeGolden)
{
    const QImage ball = stack(QSize(109, 108), clSilver, {{artwork::attitudeBall(), 20, clBtnFace}});
    EXPECT_TRUE(matchesGolden(ball, QStringLiteral("artwork_attitude_bank20"), 2));
}

TEST(InstrumentStacks, TurnedCardKeepsTheFaceAroundIt)
{
    // Outside the turned card the gyro's black face shows untouched, at any
    // angle: the key colour never shows and nothing square is left behind.
    for (double heading : {0.0, 17.0, 45.0, 90.0, 200.5, 333.0}) {
        const QImage card = stack(QSize(120, 120), clBlack, {{artwork::compassCard(), heading, clBlack}});
        for (QPoint corner : {QPoint(0, 0), QPoint(119, 0), QPoint(0, 119), QPoint(119, 119), QPoint(8, 8),
                              QPoint(111, 111), QPoint(60, 5), QPoint(5, 60)})
            EXPECT_EQ(card.pixel(corner), qRgb(0, 0, 0)) << heading << " at " << corner.x() << "," << corner.y();
        EXPECT_NE(card.pixel(60, 60), qRgb(0, 0, 0)) << heading; // the card itself
    }
}
