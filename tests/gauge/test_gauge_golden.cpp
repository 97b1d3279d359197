#include "panelgauges.h"

#include "golden.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const PanelGauge &panelGauge(const char *name)
{
    for (const PanelGauge &c : panelGauges)
        if (std::strcmp(c.name, name) == 0)
            return c;
    throw std::invalid_argument(name);
}

struct GoldenCase {
    const char *gauge;
    float position;
    const char *golden;
};

class PanelGolden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(PanelGolden, LooksAsStored)
{
    const GoldenCase &c = GetParam();
    TAnalogGauge g;
    configurePanelGauge(g, panelGauge(c.gauge));
    g.SetPosition(c.position);
    EXPECT_TRUE(matchesGolden(g.shownImage(), QString::fromLatin1(c.golden), 8));
}

INSTANTIATE_TEST_SUITE_P(Panel, PanelGolden,
                         ::testing::Values(GoldenCase{"agSpeed", 123.0f, "gauge_agSpeed"},
                                           GoldenCase{"agBatteryV", 27.5f, "gauge_agBatteryV"},
                                           GoldenCase{"agOT", 18.0f, "gauge_agOT"},
                                           GoldenCase{"agRPM", 24.0f, "gauge_agRPM"}));

// Every dial of the panel takes its configuration as given and shows its
// needle where the position says.
TEST(PanelGauges, AllConfigurationsHoldAndShowTheNeedle)
{
    for (const PanelGauge &c : panelGauges) {
        TAnalogGauge g;
        configurePanelGauge(g, c);
        EXPECT_EQ(g.size(), QSize(c.width, c.height)) << c.name;
        EXPECT_EQ(g.Angle(), c.angle) << c.name;
        EXPECT_EQ(g.Scale(), c.scale) << c.name;
        EXPECT_EQ(g.IndMinimum(), c.indMin) << c.name;
        EXPECT_EQ(g.IndMaximum(), c.indMax) << c.name;
        g.SetPosition(c.scale * 0.4f);
        const GaugeGeometry geo = g.geometryFor(2);
        const double t = valueToScale(c.scale * 0.4, geo.angle, c.scale);
        // Halfway along the needle, clear of the pivot disk: white.
        const QPoint mid = scalePoint(geo, t, geo.R * 0.6);
        EXPECT_GT(qGray(g.faceImage().pixel(mid)), 200) << c.name;
    }
}

} // namespace
