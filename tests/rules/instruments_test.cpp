// The flight instruments: bars and their colours, the altimeter and QNH
// displays, gyro drift, durations and identifiers.
#include "catalogue_scaling.h"
#include "readout/rules/instruments.h"

#include <gtest/gtest.h>

#include <limits>

TEST(InstrumentRules, AltitudeBarClampsToTheCeilingAndWarnsBelow500)
{
    struct Case {
        std::int64_t altitude;
        std::optional<int> ceiling;
        int max, progress;
        bool low;
    };
    const Case cases[] = {
        {499, 13500, 13500, 499, true},
        {500, 13500, 13500, 500, false},
        {-20, 13500, 13500, 0, true},
        {20000, 13500, 13500, 13500, false},
        {2000, 400, 400, 400, true},        // a ceiling below 500 keeps the bar red above it
        {2000, 0, 0, 0, true},              // no ceiling: an empty bar
        {2000, -100, 0, 0, true},
        {2000, std::nullopt, 9000, 2000, false}, // no number typed: the top stays
        {std::int64_t(1) << 40, 13500, 13500, 13500, false},
    };
    for (const Case &c : cases) {
        const rules::AltitudeBar bar = rules::altitudeBar(c.altitude, c.ceiling, 9000);
        EXPECT_EQ(bar.maxValue, c.max) << c.altitude;
        EXPECT_EQ(bar.progress, c.progress) << c.altitude;
        EXPECT_EQ(bar.low, c.low) << c.altitude;
    }
    EXPECT_TRUE(rules::closeToGround(199));
    EXPECT_FALSE(rules::closeToGround(200));
    EXPECT_TRUE(rules::closeToGround(-50));
}

TEST(InstrumentRules, VerticalSpeedColours)
{
    using C = rules::ClimbColour;
    const std::pair<std::int64_t, C> cases[] = {
        {0, C::Level}, {-1, C::Warning}, {1, C::Climb}, {4000, C::Climb}, {4001, C::Warning}, {-4000, C::Warning},
    };
    for (auto [fpm, colour] : cases)
        EXPECT_EQ(rules::climbColour(fpm), colour) << fpm;
}

TEST(InstrumentRules, KollsmanAndQnhInEitherUnit)
{
    // 1013.25 mb travels as 16212.
    const rules::KollsmanDisplay inches = rules::kollsmanDisplay(16212, false);
    EXPECT_EQ(inches.position, 2992);
    EXPECT_EQ(inches.min, 2569);
    EXPECT_EQ(inches.max, 3210);
    EXPECT_TRUE(inches.dot);
    const rules::KollsmanDisplay mb = rules::kollsmanDisplay(16212, true);
    EXPECT_EQ(mb.position, 1013);
    EXPECT_EQ(mb.min, 870);
    EXPECT_EQ(mb.max, 1087);
    EXPECT_FALSE(mb.dot);

    const rules::QnhDisplay qnhMb = rules::qnhDisplay(16222, true); // 1013.875 mb
    EXPECT_EQ(qnhMb.text, QStringLiteral("1013.9"));
    EXPECT_EQ(qnhMb.scale, QStringLiteral("Mb"));
    EXPECT_EQ(qnhMb.knobPosition, 1014);
    const rules::QnhDisplay qnhIn = rules::qnhDisplay(16212, false);
    EXPECT_EQ(qnhIn.text, QStringLiteral("29.92"));
    EXPECT_EQ(qnhIn.scale, QStringLiteral("In.Hg"));
    EXPECT_EQ(qnhIn.knobPosition, 2992);
}

TEST(InstrumentRules, GyroDriftAndMagneticVariation)
{
    EXPECT_FALSE(rules::gyroDrifted(0.75f));
    EXPECT_FALSE(rules::gyroDrifted(-0.75f));
    EXPECT_TRUE(rules::gyroDrifted(0.76f));
    EXPECT_TRUE(rules::gyroDrifted(-0.76f));
    EXPECT_FALSE(rules::gyroDrifted(rules::gyroDriftDegrees(136))); // 0.747 degrees
    EXPECT_TRUE(rules::gyroDrifted(rules::gyroDriftDegrees(137)));  // 0.753 degrees
    EXPECT_FLOAT_EQ(rules::gyroDriftDegrees(-16384), -90.0f);

    EXPECT_EQ(rules::magneticVariation(std::int16_t(conv::degreesToAngle16(-15.6))), -16);
    EXPECT_EQ(rules::magneticVariation(-32768), -180);
}

TEST(InstrumentRules, DurationsIn64Bits)
{
    const std::pair<std::uint32_t, const char *> cases[] = {
        {3725, "1:02:05"},
        {59, "0:00:59"},
        {0, "0:00:00"},
        {36000, "10:00:00"},
        {32768u * 60, "546:08:00"}, // past 32768 minutes
        {std::numeric_limits<std::uint32_t>::max(), "1193046:28:15"},
    };
    for (auto [seconds, text] : cases)
        EXPECT_EQ(rules::durationText(seconds), QLatin1String(text)) << seconds;
}

TEST(InstrumentRules, IdentifiersEndAtTheirFirstZeroByte)
{
    EXPECT_EQ(rules::fourCharacters(0x4C4C4745), QStringLiteral("EGLL"));
    EXPECT_EQ(rules::fourCharacters(0x00444C45), QStringLiteral("ELD")); // a short identifier
    EXPECT_EQ(rules::fourCharacters(0), QString());
    EXPECT_EQ(rules::characterText(QByteArray("KBOS\0", 5)), QStringLiteral("KBOS"));
    EXPECT_EQ(rules::characterText(QByteArray("KJFKX", 5)), QStringLiteral("KJFKX"));
}
