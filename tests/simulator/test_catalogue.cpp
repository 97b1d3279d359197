// The variable catalogue: widths, encodings and layout rules that catch real
// faults (overlaps, wrong strides, sign handling), and the shared scalings.
#include "catalogue.h"
#include "catalogue_codec.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <limits>
#include <map>
#include <set>
#include <string>

using catalogue::Direction;
using catalogue::Encoding;
using catalogue::Variable;

namespace {

std::string hex(std::uint32_t offset)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%04X", offset);
    return buf;
}

// Places where the catalogue itself says one offset lies inside another.
const std::set<std::pair<std::uint16_t, std::uint16_t>> kAllowedOverlaps = {
    {0x3308, 0x330A}, // client version written into the identifier's high half
};

} // namespace

TEST(Catalogue, EveryVariableFitsTheOffsetSpaceWithAWidthItsEncodingAllows)
{
    for (const Variable &v : catalogue::allVariables()) {
        SCOPED_TRACE(hex(v.offset) + " " + std::string(v.meaning));
        EXPECT_LE(std::uint32_t(v.offset) + v.size, 0x10000u);
        EXPECT_LE(v.ownedSize(), v.size);
        EXPECT_FALSE(v.meaning.empty());
        EXPECT_FALSE(v.scaling.empty());
        switch (v.encoding) {
        case Encoding::Float32: EXPECT_EQ(v.size, 4); break;
        case Encoding::Float64: EXPECT_EQ(v.size, 8); break;
        case Encoding::BCD: EXPECT_EQ(v.size, 2); break;
        case Encoding::BitFlags: EXPECT_TRUE(v.size == 1 || v.size == 2); break;
        case Encoding::Signed:
        case Encoding::Unsigned:
            EXPECT_TRUE(v.ownedSize() == 1 || v.ownedSize() == 2 || v.ownedSize() == 4 || v.ownedSize() == 8);
            break;
        case Encoding::Characters: EXPECT_GE(v.size, 4); break;
        }
    }
}

namespace {

struct Reference {
    std::uint16_t offset;
    std::uint16_t size;
    Encoding encoding;
    Direction direction;
};

constexpr Encoding U = Encoding::Unsigned, S = Encoding::Signed, F4 = Encoding::Float32, F8 = Encoding::Float64,
                   BCD = Encoding::BCD, Bits = Encoding::BitFlags, Chars = Encoding::Characters;
constexpr Direction R = Direction::Read, W = Direction::Write, RW = Direction::ReadWrite;

const Reference kReference[] = {
#include "catalogue_reference.inc"
};

} // namespace

TEST(Catalogue, EveryVariableHasTheWidthEncodingAndDirectionOfTheOffsetList)
{
    std::map<std::uint16_t, Reference> expected;
    for (const Reference &r : kReference)
        EXPECT_TRUE(expected.emplace(r.offset, r).second) << "listed twice: " << hex(r.offset);
    std::set<std::uint16_t> found;
    for (const Variable &v : catalogue::allVariables()) {
        SCOPED_TRACE(hex(v.offset) + " " + std::string(v.meaning));
        found.insert(v.offset);
        const auto it = expected.find(v.offset);
        if (it == expected.end()) {
            ADD_FAILURE() << "not in the offset list";
            continue;
        }
        EXPECT_EQ(v.size, it->second.size);
        EXPECT_EQ(catalogue::encodingName(v.encoding), catalogue::encodingName(it->second.encoding));
        EXPECT_EQ(catalogue::directionName(v.direction), catalogue::directionName(it->second.direction));
    }
    for (const auto &[offset, r] : expected)
        EXPECT_TRUE(found.count(offset)) << "missing from the catalogue: " << hex(offset);
}

TEST(Catalogue, ValuesTravelWithTheirSignAndWholeWidth)
{
    // Raw values the simulator really sends, through the catalogue's codec.
    struct Case {
        const Variable &v;
        std::int64_t raw;
    };
    const Case cases[] = {
        {var::OutsideAirTemperature, -20 * 256},  // -20 degrees C
        {var::VerticalSpeed, -40000},             // beyond 16 bits: about -1800 ft/min
        {var::VerticalSpeed, 40000},
        {var::MagneticVariation, -1820},
        {var::GroundAltitude, -256},
        {var::Altitude, 35000LL * 65536 * 65536 / 3},
        {var::Latitude, -4000000000000000LL},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(hex(c.v.offset) + " " + std::string(c.v.meaning) + " " + std::to_string(c.raw));
        std::array<std::uint8_t, 8> bytes{};
        catalogue::encodeInteger(c.v, c.raw, bytes);
        EXPECT_EQ(catalogue::decodeInteger(c.v, bytes), c.raw);
        // The sign reaches the top byte of the variable's own width and no further.
        const std::size_t width = c.v.ownedSize();
        if (width < bytes.size()) {
            EXPECT_EQ(bytes[width], 0) << "written past the variable";
        }
        EXPECT_EQ(bytes[width - 1] >= 0x80, c.raw < 0);
    }
}

TEST(Catalogue, NoTwoVariablesShareBytesExceptWhereTheCatalogueSaysSo)
{
    const auto all = catalogue::allVariables();
    std::set<std::pair<std::uint16_t, std::uint16_t>> seen;
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (i > 0) {
            EXPECT_LT(all[i - 1].offset, all[i].offset) << "listed twice or unsorted: " << hex(all[i].offset);
        }
        for (std::size_t j = i + 1; j < all.size() && all[j].offset < all[i].end(); ++j) {
            const std::pair<std::uint16_t, std::uint16_t> pair{all[i].offset, all[j].offset};
            EXPECT_TRUE(kAllowedOverlaps.count(pair)) << hex(pair.first) << " overlaps " << hex(pair.second);
            seen.insert(pair);
        }
    }
    EXPECT_EQ(seen, kAllowedOverlaps) << "an allowed overlap no longer exists";
}

TEST(Catalogue, GroundElevationIsFetchedAsEightBytesOfWhichTheLowFourAreItsOwn)
{
    EXPECT_EQ(var::GroundAltitude.offset, 0x0020);
    EXPECT_EQ(var::GroundAltitude.size, 8);
    EXPECT_EQ(var::GroundAltitude.ownedSize(), 4);
    EXPECT_EQ(var::GroundAltitude.end(), var::SituationPath.offset);

    // The upper four bytes fetched are the path's text; the value ignores them.
    const std::array<std::uint8_t, 8> fetched{0x00, 0xFF, 0xFF, 0xFF, 'C', ':', '\\', 'U'};
    EXPECT_EQ(catalogue::decodeInteger(var::GroundAltitude, fetched), -256);
    std::array<std::uint8_t, 8> stored = fetched;
    catalogue::encodeInteger(var::GroundAltitude, 1000, stored);
    EXPECT_EQ(stored[4], 'C') << "storing the elevation must not touch the next variable";
    EXPECT_EQ(catalogue::decodeInteger(var::GroundAltitude, stored), 1000);
}

TEST(Catalogue, ReadSignedAndWrittenUnsignedKeepTheSameFourBytes)
{
    Variable asWritten = var::Spoilers;
    asWritten.encoding = Encoding::Unsigned;
    for (std::int64_t value : {0LL, 16383LL, -1LL, -16383LL, 2147483647LL, -2147483648LL}) {
        SCOPED_TRACE(value);
        std::array<std::uint8_t, 4> read{};
        catalogue::encodeInteger(var::Spoilers, value, read);
        const std::int64_t unsignedValue = catalogue::decodeInteger(asWritten, read);
        EXPECT_GE(unsignedValue, 0);
        EXPECT_LE(unsignedValue, 0xFFFFFFFFLL);
        std::array<std::uint8_t, 4> written{};
        catalogue::encodeInteger(asWritten, unsignedValue, written);
        EXPECT_EQ(read, written);
        EXPECT_EQ(catalogue::decodeInteger(var::Spoilers, written), value);
    }
}

TEST(Catalogue, TanksPairLevelAndCapacityAndAFullTankIs8388608)
{
    std::set<std::uint16_t> levels;
    for (const catalogue::FuelTank &t : catalogue::FuelTanks) {
        SCOPED_TRACE(std::string(t.name));
        EXPECT_EQ(t.capacity.offset, t.level.offset + 4);
        EXPECT_EQ(t.level.size, 4);
        EXPECT_EQ(t.level.encoding, Encoding::Signed);
        EXPECT_EQ(t.level.direction, Direction::ReadWrite);
        EXPECT_EQ(t.capacity.direction, Direction::Read);
        levels.insert(t.level.offset);
    }
    EXPECT_EQ(levels.size(), 11u);
    EXPECT_EQ(conv::fullTank, 8388608);
    EXPECT_EQ(conv::fractionToTankLevel(1.0), 8388608);
    EXPECT_EQ(conv::fractionToTankLevel(0.5), 4194304);
    EXPECT_DOUBLE_EQ(conv::tankLevelToFraction(8388608), 1.0);
}

TEST(Catalogue, PerEngineOffsetsFollowTheirBlockStrides)
{
    struct Group {
        const char *name;
        const var::Engines &engines;
        int stride;
    };
    const Group groups[] = {
        {"throttle", var::ThrottleLever, 0x98}, {"propeller", var::PropellerLever, 0x98},
        {"mixture", var::MixtureLever, 0x98}, {"magnetos", var::Magnetos, 0x98},
        {"combustion", var::Combustion, 0x98}, {"carb heat", var::CarbHeat, 0x98},
        {"oil temperature", var::OilTemperature, 0x98}, {"oil pressure", var::OilPressure, 0x98},
        {"manifold", var::ManifoldPressure, 0x98}, {"hydraulic", var::HydraulicPressure, 0x98},
        {"CHT", var::CylinderHeadTemperature, 0x98}, {"fuel pressure", var::FuelPressure, 0x98},
        {"fuel flow", var::FuelFlow, 0x98}, {"torque", var::Torque, 0x98},
        {"cowl flaps", var::CowlFlaps, -0xC0}, {"air mass", var::AirMassRatio, -0xC0},
        {"carb air", var::CarbAirTemperature, -0xC0}, {"alarm", var::EngineAlarm, -0xC0},
        {"EGT", var::ExhaustGasTemperature, -0xC0}, {"generator", var::Generator, -0xC0},
        {"fuel pump", var::FuelPumpSwitch, -0xC0}, {"RPM", var::PropellerRpm, 0x100},
        {"fuel valve", var::FuelValve, 4},
        {"bus volts", var::BusVoltage, 0x10}, {"bus amps", var::BusCurrent, 0x10},
    };
    for (const Group &g : groups) {
        SCOPED_TRACE(g.name);
        for (int e = 1; e < 4; ++e) {
            EXPECT_EQ(int(g.engines[e].offset) - int(g.engines[e - 1].offset), g.stride) << "engine " << e + 1;
            EXPECT_EQ(g.engines[e].size, g.engines[0].size);
            EXPECT_EQ(g.engines[e].encoding, g.engines[0].encoding);
        }
    }
    const std::array<std::uint16_t, 4> feather{0x2434, 0x2534, 0x2624, 0x2724};
    for (int e = 0; e < 4; ++e)
        EXPECT_EQ(var::PropellerFeather[e].offset, feather[e]);
    // Engines 1 and 2 write their throttle elsewhere; 3 and 4 where they read it.
    EXPECT_EQ(var::ThrottleLeverWrite[0].offset, 0x089A);
    EXPECT_EQ(var::ThrottleLeverWrite[1].offset, 0x0932);
    EXPECT_EQ(var::ThrottleLeverWrite[2].offset, var::ThrottleLever[2].offset);
    EXPECT_EQ(var::ThrottleLeverWrite[3].offset, var::ThrottleLever[3].offset);
}

TEST(Catalogue, AVariableConvertsToItsOffsetAndIsFoundByIt)
{
    const std::uint32_t offset = var::ParkingBrake;
    EXPECT_EQ(offset, 0x0BC8u);
    const Variable *found = catalogue::findVariable(0x0BC8);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->meaning, var::ParkingBrake.meaning);
    EXPECT_EQ(catalogue::findVariable(0x0BC9), nullptr);
    EXPECT_EQ(catalogue::findVariable(0x10000), nullptr);
}

TEST(Scaling, RoundingIsHalfToEvenAndTruncationTowardZero)
{
    struct Case {
        double x;
        std::int64_t n, t;
    };
    const Case cases[] = {
        {0.5, 0, 0},     {1.5, 2, 1},      {2.5, 2, 2},         {-0.5, 0, 0},   {-1.5, -2, -1},
        {-2.5, -2, -2},  {2.4999, 2, 2},   {2.5001, 3, 2},      {-2.7, -3, -2}, {4503599627370497.0, 4503599627370497, 4503599627370497},
        {1e300, std::numeric_limits<std::int64_t>::max(), std::numeric_limits<std::int64_t>::max()},
        {-1e300, std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::min()},
        {std::nan(""), 0, 0},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(conv::N(c.x), c.n) << c.x;
        EXPECT_EQ(conv::T(c.x), c.t) << c.x;
    }
}

TEST(Scaling, PanelFiguresComeOutAsTheReadersShowThem)
{
    using namespace conv;
    EXPECT_EQ(N(millibarsToInHgHundredths(1013.25)), 2992);                    // Kollsman knob in inches
    EXPECT_NEAR(apAltitudeToFeet(3048 * 65536), 9999.88, 0.005);                // autopilot uses 3.2808
    EXPECT_NEAR(groundSpeedToKnots(1), 2.9660713080453562e-05, 1e-20);
    EXPECT_EQ(N(leverToPercent(16384)), 100);
    EXPECT_EQ(N(leverToPercent(-4096)), -25);
    EXPECT_EQ(N(angle16ToDegrees(degreesToAngle16(270.0))), 270);
    EXPECT_EQ(std::int16_t(degreesToAngle16(-10.0)), std::int16_t(degreesToAngle16(350.0)));
    EXPECT_EQ(N(metres256ToFeet(feetToMetres256(433.0))), 433);
    EXPECT_EQ(N(altitudeToFeet(feetToAltitude(35000.0))), 35000);
    EXPECT_NEAR(latitudeToDegrees(degreesToLatitude(47.449)), 47.449, 1e-9);
    EXPECT_NEAR(longitudeToDegrees(degreesToLongitude(-122.3093)), -122.3093, 1e-9);
    EXPECT_EQ(N(verticalSpeedToFeetPerMinute(feetPerMinuteToVerticalSpeed(-700))), -700);
    // No overflow where the multiplication by 60 would leave 32 bits.
    EXPECT_GT(verticalSpeedToFeetPerMinute(std::numeric_limits<std::int32_t>::max()), 0.0);
    EXPECT_EQ(millibarsToMb16(1013.2), 16211);
    EXPECT_NEAR(oilTemperatureToCelsius(8192), 70.0, 1e-12); // 140 degrees full scale
    EXPECT_NEAR(oilPressureToPsi(16384), 55.0, 1e-12);
    EXPECT_NEAR(rankineToFahrenheit(518.67), 59.0, 1e-9);
    EXPECT_EQ(N(celsiusToFahrenheit(15)), 59);
}

TEST(Scaling, RadioWordsTravelAsPackedDecimal)
{
    using namespace conv;
    struct Radio {
        std::uint16_t word;
        double mhz;
    };
    for (const Radio r : {Radio{0x2282, 122.82}, Radio{0x1802, 118.02}, Radio{0x1390, 113.90}, Radio{0x1050, 110.50}}) {
        EXPECT_NEAR(radioWordToMHz(r.word), r.mhz, 1e-9) << std::hex << r.word;
        EXPECT_EQ(mhzToRadioWord(r.mhz), r.word) << r.mhz;
    }
    EXPECT_EQ(mhzToRadioWord(118.025), 0x1802); // third decimal not in the word
    EXPECT_EQ(mhzToRadioWord(121.975), 0x2197);

    struct Adf {
        std::uint16_t main, ext;
        double khz;
    };
    for (const Adf a : {Adf{0x0344, 0x0000, 344.0}, Adf{0x0005, 0x0103, 1005.3}, Adf{0x0344, 0x0105, 1344.5},
                        Adf{0x0799, 0x0105, 1799.5}, Adf{0x0350, 0x0005, 350.5}}) {
        EXPECT_NEAR(adfWordsToKHz(a.main, a.ext), a.khz, 1e-9);
        const auto words = kHzToAdfWords(a.khz);
        EXPECT_EQ(words.first, a.main) << a.khz;
        EXPECT_EQ(words.second, a.ext) << a.khz;
    }
    EXPECT_TRUE(isValidBcd(0x1799));
    EXPECT_FALSE(isValidBcd(0x0A00));
    EXPECT_TRUE(isValidSquawk(0x7700));
    EXPECT_FALSE(isValidSquawk(0x1280));
}
