#include "gauge/gaugegeometry.h"
#include "gauge/gaugesampling.h"
#include "gauge/tanaloggauge.h"

#include <QApplication>
#include <QPainter>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace {

// A plain dial: black face, white needle, nothing else drawn, no pivot disk.
void makeBare(TAnalogGauge &g, TAntialiased aa = aaNone)
{
    g.resize(128, 128);
    g.SetAntiAliased(aa);
    g.SetFaceOptions(TFaceOptions());
    g.SetFaceColor(clBlack);
    g.SetArrowColor(clWhite);
    g.SetArrowWidth(2);
    g.SetMargin(6);
    g.SetAngle(300);
    g.SetScale(200);
}

// What the face and averaged images must hold after any sequence of redraws.
void expectConsistentPicture(TAnalogGauge &g, const char *what)
{
    QImage face = g.scaleImage().copy();
    g.DrawArrow(face, g.GetAAMultipler());
    ASSERT_EQ(g.faceImage(), face) << what;
    if (g.GetAAMultipler() > 1) {
        QImage avg(g.size(), QImage::Format_RGB32);
        averageBlocks(face, avg, g.GetAAMultipler());
        ASSERT_EQ(g.averagedImage(), avg) << what;
    } else {
        EXPECT_TRUE(g.averagedImage().isNull()) << what;
    }
}

bool lit(const QImage &img, QPoint p)
{
    return qGray(img.pixel(p)) > 200;
}

TEST(TAnalogGauge, Defaults)
{
    TAnalogGauge g;
    EXPECT_EQ(g.size(), QSize(225, 180));
    EXPECT_EQ(g.Position(), 0.0f);
    EXPECT_EQ(g.Scale(), 140);
    EXPECT_EQ(g.IndMinimum(), 30);
    EXPECT_EQ(g.IndMaximum(), 80);
    EXPECT_EQ(g.Angle(), 120);
    EXPECT_EQ(g.Style(), CenterStyle);
    EXPECT_EQ(g.Margin(), 10);
    EXPECT_EQ(g.NumberMainTicks(), 7);
    EXPECT_EQ(g.LengthMainTicks(), 15);
    EXPECT_EQ(g.LengthSubTicks(), 8);
    EXPECT_EQ(g.ArrowWidth(), 1);
    EXPECT_EQ(g.CenterRadius(), 8);
    EXPECT_EQ(g.CircleRadius(), 3);
    EXPECT_EQ(g.FaceOptions(), TFaceOptions(ShowMargin | ShowMainTicks | ShowSubTicks | ShowIndicatorMax | ShowValues
                                            | ShowCenter | ShowFrame | Show3D | ShowCaption));
    EXPECT_EQ(g.Caption(), QStringLiteral("mV"));
    EXPECT_EQ(g.AntiAliased(), aaNone);
    EXPECT_EQ(g.GetAAMultipler(), 1);
    EXPECT_EQ(g.FaceColor(), clBtnFace);
    for (TColor c : {g.TicksColor(), g.ValueColor(), g.CaptionColor(), g.ArrowColor(), g.MarginColor()})
        EXPECT_EQ(c, clBlack);
    EXPECT_EQ(g.MinColor(), RGBColor(0, 128, 0));
    EXPECT_EQ(g.MidColor(), RGBColor(255, 255, 0));
    EXPECT_EQ(g.MaxColor(), RGBColor(255, 0, 0));
    EXPECT_EQ(g.CenterColor(), RGBColor(128, 128, 128));
    EXPECT_EQ(g.CircleColor(), RGBColor(0, 0, 255));
    EXPECT_EQ(g.Font(), QApplication::font());
    EXPECT_EQ(g.Frames(), 0);
    EXPECT_EQ(g.faceImage().size(), QSize(225, 180));
    EXPECT_TRUE(g.averagedImage().isNull());
}

TEST(TAnalogGauge, ScaleSetterPullsTheRangeLimits)
{
    TAnalogGauge g;
    g.SetScale(200);
    g.SetIndMaximum(150);
    g.SetIndMinimum(30);
    g.SetScale(100);
    EXPECT_EQ(g.Scale(), 100);
    EXPECT_EQ(g.IndMaximum(), 99);
    EXPECT_EQ(g.IndMinimum(), 1);
    g.SetIndMaximum(100); // outside the scale: ignored
    EXPECT_EQ(g.IndMaximum(), 99);
}

TEST(TAnalogGauge, AngleWidthAndTickLimits)
{
    TAnalogGauge g;
    g.SetAngle(10);
    EXPECT_EQ(g.Angle(), 120);
    g.SetAngle(360);
    EXPECT_EQ(g.Angle(), 360);
    g.SetArrowWidth(9);
    EXPECT_EQ(g.ArrowWidth(), 5);
    g.SetArrowWidth(0);
    EXPECT_EQ(g.ArrowWidth(), 1);
    // No main interval at all would divide the scale by zero: refused.
    g.SetNumberMainTicks(0);
    EXPECT_EQ(g.NumberMainTicks(), 7);
    g.SetNumberMainTicks(1);
    EXPECT_EQ(g.NumberMainTicks(), 1);
}

TEST(TAnalogGauge, SideStylesSweepAtMostNinetyDegrees)
{
    for (TStyle style : {RightStyle, LeftStyle}) {
        TAnalogGauge g;
        makeBare(g);
        g.SetStyle(style);
        EXPECT_EQ(g.Angle(), 90) << style;
        g.SetAngle(120);
        EXPECT_EQ(g.Angle(), 90) << style;
        g.SetAngle(60);
        EXPECT_EQ(g.Angle(), 60) << style;
        g.SetAngle(120);
        // The needle at the end of the scale points 90 degrees on from its start.
        g.SetPosition(float(g.Scale()));
        const GaugeGeometry geo = g.geometryFor(1);
        EXPECT_EQ(geo.angle, 90);
        EXPECT_TRUE(lit(g.shownImage(), scalePoint(geo, 90, geo.R - 2))) << style;
        EXPECT_FALSE(lit(g.shownImage(), scalePoint(geo, 60, geo.R - 2))) << style;
    }
}

TEST(TAnalogGauge, NeedleReachesTheScaleEndAndPointsBeyondTheStart)
{
    TAnalogGauge g;
    makeBare(g);
    const GaugeGeometry geo = g.geometryFor(1);
    g.SetPosition(200.0f);
    EXPECT_TRUE(lit(g.shownImage(), scalePoint(geo, 300, geo.R - 1)));
    EXPECT_TRUE(lit(g.shownImage(), scalePoint(geo, 300, geo.R / 2.0)));
    EXPECT_FALSE(lit(g.shownImage(), scalePoint(geo, 290, geo.R - 1)));
    g.SetPosition(-10.0f); // t = -15: before the start of the scale
    EXPECT_TRUE(lit(g.shownImage(), scalePoint(geo, -15, geo.R - 1)));
    EXPECT_FALSE(lit(g.shownImage(), scalePoint(geo, 0, geo.R - 1)));
    EXPECT_FALSE(lit(g.shownImage(), scalePoint(geo, 300, geo.R - 1)));
}

TEST(TAnalogGauge, OverMaxAndOverMinFireOnEveryChangeBeyondTheLimit)
{
    TAnalogGauge g; // IndMinimum 30, IndMaximum 80
    QSignalSpy overMax(&g, &TAnalogGauge::OnOverMax);
    QSignalSpy overMin(&g, &TAnalogGauge::OnOverMin);
    const struct {
        float position;
        int max, min;
    } steps[] = {
        {50, 0, 0}, {80, 0, 0}, {80.5f, 1, 0}, {95, 2, 0}, {95, 2, 0} /* unchanged: no redraw, no event */,
        {30, 2, 0}, {29.9f, 2, 1}, {-10, 2, 2}, {50, 2, 2},
    };
    for (const auto &s : steps) {
        g.SetPosition(s.position);
        EXPECT_EQ(overMax.count(), s.max) << s.position;
        EXPECT_EQ(overMin.count(), s.min) << s.position;
    }
    ASSERT_FALSE(overMax.isEmpty());
    EXPECT_EQ(overMax.first().first().value<TAnalogGauge *>(), &g);
    EXPECT_EQ(overMin.first().first().value<TAnalogGauge *>(), &g);
}

TEST(TAnalogGauge, NeedleRedrawEqualsAFullRedraw)
{
    // Only the old and new needle areas are refreshed; the result must be the
    // same as copying the whole scale and averaging the whole picture.
    const float positions[] = {0, 37, 37.5f, 199, 260, -40, 100, 150.25f, 5, 180};
    for (TAntialiased aa : {aaNone, aaBiline, aaTriline, aaQuadral}) {
        for (TStyle style : {CenterStyle, RightStyle, LeftStyle}) {
            TAnalogGauge g;
            g.resize(97, 83);
            g.SetAntiAliased(aa);
            g.SetStyle(style);
            g.SetArrowWidth(5);
            g.SetCenterRadius(11);
            for (float p : positions) {
                g.SetPosition(p);
                expectConsistentPicture(g, "position");
            }
            g.SetArrowWidth(1);
            expectConsistentPicture(g, "thin");
            g.SetCenterRadius(3);
            expectConsistentPicture(g, "small disk");
            g.SetPosition(77);
            expectConsistentPicture(g, "after shrink");
        }
    }
}

TEST(TAnalogGauge, NeedleRowSpansHoldEveryPixelTheNeedleDraws)
{
    // The redraw restores and averages only the spans, so a pixel of the
    // needle outside them would be left behind on the next move.
    for (int k = 1; k <= 4; ++k) {
        for (TStyle style : {CenterStyle, RightStyle}) {
            for (int width : {1, 2, 5}) {
                TAnalogGauge g;
                makeBare(g, TAntialiased(k - 1));
                g.SetStyle(style);
                g.SetArrowWidth(width);
                g.SetFaceOptions(TFaceOptions(ShowCenter));
                g.SetCenterRadius(width * 3);
                const GaugeGeometry geo = g.geometryFor(k);
                for (float p = -30; p <= 230; p += 3.7f) {
                    QImage face = g.scaleImage().copy();
                    g.SetPosition(p);
                    g.DrawArrow(face, k);
                    const QPoint tip = scalePoint(geo, valueToScale(p, geo.angle, g.Scale()), geo.R);
                    std::vector<RowSpan> spans;
                    needleRowSpans({geo.cx, geo.cy}, tip, true, width * k, width * 3 * k, face.size(), k, spans);
                    for (int y = 0; y < face.height(); ++y)
                        for (int x = 0; x < face.width(); ++x) {
                            if (face.pixel(x, y) == g.scaleImage().pixel(x, y))
                                continue;
                            const RowSpan &s = spans[std::size_t(y / k)];
                            ASSERT_TRUE(x / k >= s.left && x / k <= s.right)
                                << "k " << k << " width " << width << " position " << p << " at " << x << "," << y;
                        }
                }
            }
        }
    }
}

TEST(TAnalogGauge, ThePivotDiskIsTheEllipseTheRasteriserFills)
{
    // The disk's rows are worked out once and filled again on every move;
    // they must be what drawing the ellipse there fills, wherever the pivot.
    for (int k = 1; k <= 4; ++k) {
        for (QSize size : {QSize(60, 50), QSize(61, 53), QSize(82, 55), QSize(97, 83)}) {
            for (int radius : {1, 3, 8, 11}) {
                TAnalogGauge g;
                makeBare(g, TAntialiased(k - 1));
                g.resize(size);
                g.SetFaceOptions(TFaceOptions(ShowCenter));
                g.SetCenterRadius(radius);
                g.SetPosition(std::numeric_limits<float>::quiet_NaN()); // the disk alone
                QImage drawn = g.scaleImage().copy();
                g.DrawArrow(drawn, k);
                QImage expected = g.scaleImage().copy();
                QPainter p(&expected);
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(128, 128, 128));
                const GaugeGeometry geo = g.geometryFor(k);
                const int r = radius * k;
                p.drawEllipse(QRect(geo.cx - r, geo.cy - r, 2 * r, 2 * r));
                p.end();
                EXPECT_EQ(drawn, expected) << "k " << k << " size " << size.width() << "x" << size.height()
                                           << " radius " << radius;
            }
        }
    }
}

TEST(TAnalogGauge, NonNumericPositionDrawsOnlyThePivot)
{
    TAnalogGauge g;
    makeBare(g, aaBiline);
    g.SetPosition(120);
    g.SetPosition(std::numeric_limits<float>::quiet_NaN());
    expectConsistentPicture(g, "nan");
    g.SetPosition(std::numeric_limits<float>::infinity());
    expectConsistentPicture(g, "inf");
    const GaugeGeometry geo = g.geometryFor(1);
    for (double t : {0.0, 90.0, 180.0, 270.0})
        EXPECT_FALSE(lit(g.shownImage(), scalePoint(geo, t, geo.R / 2.0))) << t;
    g.SetPosition(50);
    expectConsistentPicture(g, "back to a number");
}

TEST(TAnalogGauge, SupersamplingSwitchKeepsThePicture)
{
    TAnalogGauge g;
    g.resize(128, 128);
    g.SetFaceColor(clBlack);
    g.SetTicksColor(clWhite);
    g.SetArrowColor(clWhite);
    g.SetAntiAliased(aaBiline);
    g.SetPosition(70);
    const QImage smooth = g.shownImage().copy();
    EXPECT_EQ(g.scaleImage().size(), QSize(256, 256));
    EXPECT_EQ(g.averagedImage().size(), QSize(128, 128));

    g.SetAntiAliased(aaNone);
    EXPECT_EQ(g.scaleImage().size(), QSize(128, 128));
    EXPECT_TRUE(g.averagedImage().isNull());
    const QImage sharp = g.shownImage().copy();
    // Same drawing, only the edges differ: most pixels agree closely.
    int close = 0;
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x)
            close += std::abs(qGray(smooth.pixel(x, y)) - qGray(sharp.pixel(x, y))) < 40;
    EXPECT_GT(close, 128 * 128 * 9 / 10);

    g.SetAntiAliased(aaBiline);
    EXPECT_EQ(g.shownImage(), smooth);
}

TEST(TAnalogGauge, MinimumSizeAndImagesFollowTheControl)
{
    TAnalogGauge g;
    g.SetAntiAliased(aaTriline);
    g.resize(10, 10);
    EXPECT_EQ(g.size(), QSize(60, 50));
    g.SetPosition(3);
    EXPECT_EQ(g.faceImage().size(), QSize(180, 150));
    EXPECT_EQ(g.averagedImage().size(), QSize(60, 50));
    expectConsistentPicture(g, "resized");
}

TEST(TAnalogGauge, PaintShowsTheShownImage)
{
    TAnalogGauge g;
    g.resize(100, 60);
    g.SetAntiAliased(aaBiline);
    g.SetPosition(66);
    g.show();
    const QImage painted = g.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(painted, g.shownImage());
}

TEST(TAnalogGauge, FramesReportsMeasuredRedrawRate)
{
    TAnalogGauge g;
    QList<int> reported;
    QObject::connect(&g, &TAnalogGauge::OnFrames, [&](TAnalogGauge *sender) {
        EXPECT_EQ(sender, &g);
        reported << sender->Frames();
    });
    g.SetPosition(10);
    // The first measured redraw changes Frames from 0.
    ASSERT_EQ(reported.size(), 1);
    EXPECT_GT(g.Frames(), 0);
    for (int i = 0; i < 20; ++i)
        g.SetPosition(float(i));
    for (qsizetype i = 1; i < reported.size(); ++i)
        EXPECT_NE(reported[i], reported[i - 1]); // fired only on a change
    EXPECT_EQ(g.Frames(), reported.last());
}

struct SetterCase {
    const char *name;
    std::function<void(TAnalogGauge &)> set;
};

TEST(TAnalogGauge, EverySetterRedrawsThePicture)
{
    const SetterCase cases[] = {
        {"Scale", [](TAnalogGauge &g) { g.SetScale(90); }},
        {"IndMinimum", [](TAnalogGauge &g) { g.SetIndMinimum(60); }},
        {"IndMaximum", [](TAnalogGauge &g) { g.SetIndMaximum(40); }},
        {"Angle", [](TAnalogGauge &g) { g.SetAngle(200); }},
        {"Style", [](TAnalogGauge &g) { g.SetStyle(LeftStyle); }},
        {"Margin", [](TAnalogGauge &g) { g.SetMargin(3); }},
        {"NumberMainTicks", [](TAnalogGauge &g) { g.SetNumberMainTicks(3); }},
        {"LengthMainTicks", [](TAnalogGauge &g) { g.SetLengthMainTicks(25); }},
        {"LengthSubTicks", [](TAnalogGauge &g) { g.SetLengthSubTicks(14); }},
        {"ArrowWidth", [](TAnalogGauge &g) { g.SetArrowWidth(4); }},
        {"CenterRadius", [](TAnalogGauge &g) { g.SetCenterRadius(15); }},
        {"CircleRadius", [](TAnalogGauge &g) { g.SetCircleRadius(6); }},
        {"FaceOptions", [](TAnalogGauge &g) { g.SetFaceOptions(g.FaceOptions() & ~TFaceOptions(ShowFrame)); }},
        {"Caption", [](TAnalogGauge &g) { g.SetCaption(QStringLiteral("PSI")); }},
        {"Font", [](TAnalogGauge &g) {
             QFont f = g.Font();
             f.setPixelSize(20);
             g.SetFont(f);
         }},
        {"FaceColor", [](TAnalogGauge &g) { g.SetFaceColor(clBlue); }},
        {"TicksColor", [](TAnalogGauge &g) { g.SetTicksColor(clRed); }},
        {"ValueColor", [](TAnalogGauge &g) { g.SetValueColor(clRed); }},
        {"CaptionColor", [](TAnalogGauge &g) { g.SetCaptionColor(clRed); }},
        {"ArrowColor", [](TAnalogGauge &g) { g.SetArrowColor(clRed); }},
        {"MarginColor", [](TAnalogGauge &g) { g.SetMarginColor(clRed); }},
        {"MinColor", [](TAnalogGauge &g) { g.SetMinColor(clBlue); }},
        {"MidColor", [](TAnalogGauge &g) { g.SetMidColor(clBlue); }},
        {"MaxColor", [](TAnalogGauge &g) { g.SetMaxColor(clBlue); }},
        {"CenterColor", [](TAnalogGauge &g) { g.SetCenterColor(clRed); }},
        {"CircleColor", [](TAnalogGauge &g) { g.SetCircleColor(clRed); }},
        {"AntiAliased", [](TAnalogGauge &g) { g.SetAntiAliased(aaQuadral); }},
    };
    for (const SetterCase &c : cases) {
        TAnalogGauge g;
        g.SetFaceOptions(TFaceOptions(0xFFF)); // every part, so that every setter shows
        g.SetPosition(50);
        const QImage before = g.shownImage().copy();
        c.set(g);
        EXPECT_NE(g.shownImage(), before) << c.name;
        expectConsistentPicture(g, c.name);
    }
}

} // namespace

TEST(TAnalogGauge, ChangesBetweenBeginAndEndUpdateAreDrawnOnceAtTheEnd)
{
    const auto setUp = [](TAnalogGauge &g) {
        g.SetFaceOptions(TFaceOptions(ShowMainTicks | ShowSubTicks | ShowIndicatorMax | ShowCaption));
        g.SetScale(120);
        g.SetIndMaximum(100);
        g.SetCaption(QStringLiteral("KNOTS"));
        g.SetArrowWidth(3);
        g.SetPosition(70);
    };
    TAnalogGauge each, batched;
    for (TAnalogGauge *g : {&each, &batched})
        makeBare(*g, aaBiline);
    setUp(each);

    const QImage before = batched.faceImage().copy();
    batched.BeginUpdate();
    batched.BeginUpdate(); // nested: only the outer end draws
    setUp(batched);
    EXPECT_EQ(batched.faceImage(), before);
    batched.EndUpdate();
    EXPECT_EQ(batched.faceImage(), before);
    batched.EndUpdate();
    EXPECT_EQ(batched.faceImage(), each.faceImage());
    EXPECT_EQ(batched.averagedImage(), each.averagedImage());
    expectConsistentPicture(batched, "after the batch");

    // A needle alone, batched, is drawn at the end as well.
    batched.BeginUpdate();
    batched.SetPosition(20);
    EXPECT_EQ(batched.faceImage(), each.faceImage());
    batched.EndUpdate();
    each.SetPosition(20);
    EXPECT_EQ(batched.averagedImage(), each.averagedImage());
    batched.EndUpdate(); // one too many: ignored
    expectConsistentPicture(batched, "after the needle");
}
