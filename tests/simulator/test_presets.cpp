// Aircraft presets: every catalogue variable gets a value, of the right
// encoding and a plausible size, and the aircraft differ where the panel
// shapes itself to them.
#include "catalogue.h"
#include "simtestutil.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using catalogue::Encoding;
using catalogue::Variable;

namespace {

std::string hex(std::uint32_t offset) { return cmd::offsetText(offset); }

// What each encoding allows, so garbage shows up whatever the variable.
void expectWellFormed(const OffsetSpace &space, const Variable &v)
{
    SCOPED_TRACE(hex(v.offset) + " " + std::string(v.meaning));
    const auto bytes = space.bytes(v.offset, v.ownedSize());
    switch (v.encoding) {
    case Encoding::BCD:
        EXPECT_TRUE(conv::isValidBcd(static_cast<std::uint16_t>(space.get(v))));
        break;
    case Encoding::Float32:
    case Encoding::Float64: {
        const double x = space.getFloat(v);
        EXPECT_TRUE(std::isfinite(x));
        EXPECT_LT(std::fabs(x), 1e7);
        break;
    }
    case Encoding::Characters: {
        bool ended = false;
        for (std::uint8_t b : bytes) {
            if (b == 0)
                ended = true;
            else if (ended)
                ADD_FAILURE() << "text continues after its end";
            else
                EXPECT_TRUE(b >= 0x20 && b < 0x7F) << "byte " << int(b);
        }
        break;
    }
    case Encoding::BitFlags:
    case Encoding::Signed:
    case Encoding::Unsigned:
        break;
    }
}

class Presets : public ::testing::TestWithParam<std::string_view> {
protected:
    ManualClock clock;
    std::unique_ptr<SimulatorCore> core;
    OffsetSpace space;
    std::set<std::uint16_t> written;
    const AircraftPreset *preset = nullptr;

    void SetUp() override
    {
        preset = findPreset(GetParam());
        ASSERT_NE(preset, nullptr);
        written = loadPreset(space, *preset, testDate());
    }
    std::int64_t get(const Variable &v) const { return space.get(v); }
    double getFloat(const Variable &v) const { return space.getFloat(v); }
};

} // namespace

TEST_P(Presets, FillEveryCatalogueVariable)
{
    // The handshake registers are the simulator's, not the aircraft's.
    std::set<std::uint16_t> expected;
    for (const Variable &v : catalogue::allVariables())
        expected.insert(v.offset);
    for (const Variable &v : {var::FsuipcVersion, var::SimulatorId, var::ClientVersion})
        expected.erase(v.offset);
    EXPECT_EQ(written, expected);
    for (const Variable &v : catalogue::allVariables())
        expectWellFormed(space, v);
}

TEST_P(Presets, AreAPlausibleAircraftParkedAtAnAirport)
{
    const int engines = preset->engines;
    EXPECT_EQ(get(var::EngineCount), engines);
    EXPECT_GE(engines, 1);
    EXPECT_LE(engines, 4);
    EXPECT_FALSE(space.getText(var::Title).empty());
    EXPECT_FALSE(space.getText(var::TailNumber).empty());
    EXPECT_EQ(space.getText(var::NearestAirport).size(), 4u);
    // The picture folder is found from the "doc" part of the situation path.
    const std::string path = space.getText(var::SituationPath);
    EXPECT_NE(path.find("\\Documents\\Flight Simulator X Files\\"), std::string::npos) << path;
    EXPECT_EQ(path.substr(path.size() - 4), ".FLT");

    // On the ground, still, brake set, running at normal rate.
    EXPECT_EQ(get(var::OnGround), 1);
    EXPECT_EQ(get(var::ParkingBrake), 32767);
    EXPECT_EQ(get(var::SimulationRate), 256);
    EXPECT_EQ(get(var::IndicatedAirspeed), 0);
    EXPECT_EQ(conv::N(conv::altitudeToFeet(get(var::Altitude))),
              conv::N(conv::metres256ToFeet(static_cast<std::int32_t>(get(var::GroundAltitude)))));
    EXPECT_NEAR(conv::latitudeToDegrees(get(var::Latitude)), preset->airport.latitude, 1e-6);
    EXPECT_NEAR(conv::longitudeToDegrees(get(var::Longitude)), preset->airport.longitude, 1e-6);
    const double qnh = conv::mb16ToMillibars(static_cast<std::int32_t>(get(var::QnhPressure)));
    EXPECT_GT(qnh, 950);
    EXPECT_LT(qnh, 1050);
    EXPECT_EQ(get(var::Kollsman), get(var::QnhPressure));
    for (const Variable *gear : {&var::GearNose, &var::GearLeft, &var::GearRight, &var::GearLever})
        EXPECT_EQ(get(*gear), 16383);
    EXPECT_GE(get(var::FlapDetents), 1);
    EXPECT_EQ(get(var::Flaps), 0);

    // Electrics up, avionics and radios on and tuned.
    EXPECT_EQ(get(var::MasterBattery), 1);
    EXPECT_GE(getFloat(var::BatteryVoltage), 24.0);
    EXPECT_LE(getFloat(var::BatteryVoltage), 28.5);
    EXPECT_EQ(get(var::AvionicsMaster), 1);
    EXPECT_NE(get(var::Nav1Present), 0);
    EXPECT_NE(get(var::Nav2Present), 0);
    EXPECT_TRUE(conv::isValidSquawk(static_cast<std::uint16_t>(get(var::Transponder))));
    for (const Variable *com : {&var::Com1Active, &var::Com1Standby, &var::Com2Active, &var::Com2Standby}) {
        const double mhz = conv::radioWordToMHz(static_cast<std::uint16_t>(get(*com)));
        EXPECT_GE(mhz, 118.0) << hex(com->offset);
        EXPECT_LT(mhz, 137.0) << hex(com->offset);
    }
    for (const Variable *nav : {&var::Nav1Active, &var::Nav1Standby, &var::Nav2Active, &var::Nav2Standby}) {
        const double mhz = conv::radioWordToMHz(static_cast<std::uint16_t>(get(*nav)));
        EXPECT_GE(mhz, 108.0) << hex(nav->offset);
        EXPECT_LT(mhz, 118.0) << hex(nav->offset);
    }
    const double adf = conv::adfWordsToKHz(static_cast<std::uint16_t>(get(var::AdfFrequency)),
                                           static_cast<std::uint16_t>(get(var::AdfExtension)));
    EXPECT_GE(adf, 190.0);
    EXPECT_LE(adf, 1799.5);
    EXPECT_FALSE(space.getText(var::Vor1Ident).empty());

    // Engines present but shut down; absent engines read as nothing.
    const double oatF = conv::celsiusToFahrenheit(conv::celsius256ToCelsius(
        static_cast<std::int32_t>(get(var::OutsideAirTemperature))));
    for (int e = 0; e < 4; ++e) {
        SCOPED_TRACE(e + 1);
        EXPECT_EQ(get(var::Combustion[e]), 0);
        EXPECT_EQ(get(var::Magnetos[e]), 0);
        EXPECT_EQ(getFloat(var::PropellerRpm[e]), 0.0);
        EXPECT_NEAR(conv::rankineToFahrenheit(getFloat(var::ExhaustGasTemperature[e])), oatF, 0.5);
        EXPECT_NEAR(getFloat(var::CylinderHeadTemperature[e]), oatF, 0.5);
        EXPECT_EQ(get(var::FuelValve[e]), e < engines ? 1 : 0);
        EXPECT_EQ(get(var::Generator[e]), e < engines ? 1 : 0);
    }

    // Tanks: a level only where there is a capacity, totals that add up.
    double gallons = 0;
    int tanks = 0;
    for (const catalogue::FuelTank &t : catalogue::FuelTanks) {
        SCOPED_TRACE(std::string(t.name));
        const std::int64_t level = get(t.level), capacity = get(t.capacity);
        EXPECT_GE(level, 0);
        EXPECT_LE(level, conv::fullTank);
        EXPECT_GE(capacity, 0);
        if (capacity == 0) {
            EXPECT_EQ(level, 0);
        }
        tanks += capacity > 0;
        gallons += capacity * conv::tankLevelToFraction(static_cast<std::int32_t>(level));
    }
    EXPECT_GE(tanks, 2);
    EXPECT_NEAR(double(get(var::FuelTotalQuantity)), gallons, 1.0);
    EXPECT_GT(get(var::FuelTotalWeight), 0);
    EXPECT_NEAR(conv::weight256ToPounds(static_cast<std::int32_t>(get(var::GrossWeight))),
                getFloat(var::ZeroFuelWeight) + double(get(var::FuelTotalWeight)), 1.0);
    EXPECT_LT(conv::weight256ToPounds(static_cast<std::int32_t>(get(var::EmptyWeight))), getFloat(var::ZeroFuelWeight));
    EXPECT_GE(get(var::TankSelectorCount), 1);
    EXPECT_LE(get(var::TankSelectorCount), 4);

    // Speeds in the order they must come.
    const double vs0 = conv::feetPerSecondToKnots(getFloat(var::StallSpeedFlaps));
    const double vs1 = conv::feetPerSecondToKnots(getFloat(var::StallSpeedClean));
    const double cruise = conv::feetPerSecondToKnots(getFloat(var::CruiseSpeed));
    EXPECT_LT(vs0, vs1);
    EXPECT_LT(vs1, cruise);
    EXPECT_NEAR(vs0, preset->vs0Kts, 0.01);

    // The date and time the day gave.
    EXPECT_EQ(get(var::DateFirstNumber), 7);
    EXPECT_EQ(get(var::DateSecondNumber), 14);
    EXPECT_EQ(get(var::DateYear), 2024);
    EXPECT_EQ(get(var::Season), 2);
    EXPECT_EQ(get(var::ClockHour), 9);
    EXPECT_EQ(get(var::ClockMinute), 5);
}

INSTANTIATE_TEST_SUITE_P(All, Presets, ::testing::Values("c172", "baron", "b727", "b747"),
                         [](const auto &info) { return std::string(info.param); });

TEST(PresetSet, CoversEveryEngineCountTheLayoutGates)
{
    std::set<int> counts;
    for (const AircraftPreset &p : aircraftPresets())
        counts.insert(p.engines);
    EXPECT_EQ(counts, (std::set<int>{1, 2, 3, 4}));
    EXPECT_NE(findPreset(kDefaultAircraft), nullptr);
    EXPECT_EQ(findPreset(kDefaultAircraft)->engines, 1);
    EXPECT_EQ(findPreset("C172"), nullptr) << "names are exact";
}

TEST(PresetSet, SwitchingAircraftLeavesNothingOfThePreviousOne)
{
    ManualClock clock;
    SimulatorOptions options;
    options.aircraft = "b747";
    SimulatorCore switched(options, clock.source(), testDate());
    ASSERT_EQ(switched.command("write 0x7000 abcdef"), "OK"); // outside the catalogue too
    ASSERT_EQ(switched.command("aircraft c172"), "OK");
    options.aircraft = "c172";
    SimulatorCore fresh(options, clock.source(), testDate());
    EXPECT_EQ(switched.peek(0, 0x10000), fresh.peek(0, 0x10000));
    EXPECT_EQ(switched.aircraft(), "c172");
}
