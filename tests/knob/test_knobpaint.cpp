// Golden pictures of knobs as the panel configures them, plus the picture face.
#include "knobfixture.h"

#include "golden.h"

#include <QPainter>

namespace {

// Knob of the panel's kind: grey face, black indicator.
void configure(TKnob *k, int side, int min, int max, TIndicatorType type, float length, float width)
{
    k->SetBounds(10, 10, side, side);
    k->SetColor(clGray);
    k->SetLineColor(clBlack);
    k->SetIndicatorType(type);
    k->SetLineLength(length);
    k->SetLineWidth(width);
    k->SetParams(min, min, max);
}

} // namespace

TEST_F(KnobFixture, GoldenLineKnob42)
{
    showActive();
    other->setFocus();
    configure(knob, 42, -179, 180, itLine, 8, 2);
    knob->SetPosition(-179);
    EXPECT_TRUE(matchesGolden(knob->FrameImage(), "knob_line42_min"));
    knob->SetPosition(90);
    EXPECT_TRUE(matchesGolden(knob->FrameImage(), "knob_line42_90"));
}

TEST_F(KnobFixture, GoldenSwitch28FocusedAndNot)
{
    showActive();
    other->setFocus();
    configure(knob, 28, 0, 1, itCircle, 3, 2);
    knob->SetPosition(1);
    EXPECT_TRUE(matchesGolden(knob->FrameImage(), "knob_circle28_on"));
    knob->setFocus();
    EXPECT_TRUE(matchesGolden(knob->FrameImage(), "knob_circle28_on_focused"));
}

TEST_F(KnobFixture, GoldenDisabledSelector)
{
    showActive();
    configure(knob, 30, 0, 4, itLine, 5, 2);
    knob->SetPosition(2);
    knob->setEnabled(false);
    EXPECT_TRUE(matchesGolden(knob->FrameImage(), "knob_line30_disabled"));
}

TEST_F(KnobFixture, GoldenRudder48)
{
    showActive();
    other->setFocus();
    configure(knob, 48, -16383, 16383, itLine, 4, 8);
    knob->SetSpringLoaded(true);
    EXPECT_TRUE(matchesGolden(knob->FrameImage(), "knob_rudder48"));
}

TEST_F(KnobFixture, GoldenPictureFaceTurnsWithTheKnob)
{
    showActive();
    other->setFocus();
    QImage picture(30, 30, QImage::Format_RGB888);
    picture.fill(QColor(40, 90, 160));
    {
        QPainter p(&picture);
        p.fillRect(12, 0, 6, 15, QColor(250, 220, 40)); // a bar pointing up at Min
    }
    configure(knob, 40, 0, 10, itCircle, 4, 2);
    knob->SetKnobImage(picture);
    knob->SetPosition(0);
    EXPECT_TRUE(matchesGolden(knob->FrameImage(), "knob_picture40_min"));
    knob->SetPosition(5); // turned 150 degrees clockwise
    EXPECT_TRUE(matchesGolden(knob->FrameImage(), "knob_picture40_mid"));

    // A transparent face shows the parent inside the ring as well.
    knob->SetTransparent(true);
    knob->RedrawKnob();
    EXPECT_EQ(framePixel(20, 20), RGBColor(212, 208, 200));
    EXPECT_EQ(framePixel(0, 0), RGBColor(212, 208, 200));
    knob->SetTransparent(false);
    knob->RedrawKnob();
    EXPECT_NE(framePixel(20, 20), RGBColor(212, 208, 200));
}
