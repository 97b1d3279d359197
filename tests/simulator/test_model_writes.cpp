// Every offset the panel writes, written as the panel writes it (a record of
// the link), has an effect the panel can read back: either the model answers
// it, or it is plain storage that keeps what was written. The table covers
// the catalogue's writable entries; a new one fails the test until it is
// given a row.
#include "catalogue.h"
#include "catalogue_codec.h"
#include "simtestutil.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>
#include <variant>

namespace {

using catalogue::Variable;
using Value = std::variant<std::int64_t, double>;
using Check = std::function<bool(const OffsetSpace &before, const OffsetSpace &after)>;

struct WriteCase {
    Variable v;
    const char *aircraft;
    const char *scenario;
    std::vector<const char *> setup; // operator commands first
    Value value;
    double seconds;
    Check effect; // null: plain storage, the value reads back as written
};

std::int64_t geti(const OffsetSpace &s, const Variable &v) { return s.get(v); }
double getf(const OffsetSpace &s, const Variable &v) { return s.getFloat(v); }

Check rises(Variable v) { return [v](auto &b, auto &a) { return getf(a, v) > getf(b, v) + 1e-9 || geti(a, v) > geti(b, v); }; }
Check falls(Variable v) { return [v](auto &b, auto &a) { return getf(a, v) < getf(b, v) - 1e-9 || geti(a, v) < geti(b, v); }; }
Check becomes(Variable v, std::int64_t value) { return [v, value](auto &, auto &a) { return geti(a, v) == value; }; }
Check text(Variable v, std::string expected) { return [v, expected](auto &, auto &a) { return a.getText(v) == expected; }; }
Check ias(std::function<bool(double before, double after)> compare)
{
    return [compare](auto &b, auto &a) {
        return compare(conv::knots128ToKnots(std::int32_t(geti(b, var::IndicatedAirspeed))),
                       conv::knots128ToKnots(std::int32_t(geti(a, var::IndicatedAirspeed))));
    };
}
double headingOf(const OffsetSpace &s) { return getf(s, var::Heading); }
double turn(const OffsetSpace &b, const OffsetSpace &a) { return std::fabs(std::remainder(headingOf(a) - headingOf(b), 360.0)); }
double feetOf(const OffsetSpace &s) { return conv::altitudeToFeet(geti(s, var::Altitude)); }
double fpmOf(const OffsetSpace &s) { return conv::verticalSpeedToFeetPerMinute(std::int32_t(geti(s, var::VerticalSpeed))); }
std::int64_t lever(double percent) { return conv::percentToLever(percent); }
constexpr double kCruiseHeadingC172 = 346.8; // magnetic, Boeing Field to Paine

std::int64_t mhz(double value) { return conv::mhzToRadioWord(value); }

// A level the model takes as written (and burns on from).
Check levelTaken(Variable v, double fraction)
{
    return [v, fraction](auto &, auto &a) { return std::fabs(conv::tankLevelToFraction(std::int32_t(geti(a, v))) - fraction) < 0.002; };
}

std::vector<WriteCase> cases()
{
    using namespace var;
    std::vector<WriteCase> c = {
        // Link, clock, date, rate.
        {ClientVersion, "c172", nullptr, {}, std::int64_t(2005), 0, [](auto &, auto &a) { return (geti(a, SimulatorId) >> 16) == 0xFADE; }},
        {ClockHour, "c172", nullptr, {}, std::int64_t(14), 0, becomes(ClockHour, 14)},
        {ClockMinute, "c172", nullptr, {}, std::int64_t(35), 0, becomes(ClockMinute, 35)},
        {Year, "c172", nullptr, {}, std::int64_t(2009), 0, becomes(DateYear, 2009)},
        {DayOfYear, "c172", nullptr, {"set Year 2009"}, std::int64_t(60), 0, [](auto &, auto &a) { return geti(a, DateFirstNumber) == 3 && geti(a, DateSecondNumber) == 1 && geti(a, Season) == 1; }},
        // Instruments.
        {Kollsman, "c172", "cruise", {}, std::int64_t(16211), 2, nullptr},
        {GyroDrift, "c172", "cruise", {}, std::int64_t(conv::degreesToAngle16(5)), 0.05, [](auto &b, auto &a) { return std::fabs(headingOf(a) - headingOf(b) - 5.0) < 0.1; }},
        // Radios.
        {AdfFrequency, "c172", "cruise", {"set AdfExtension 0"}, std::int64_t(0x0362), 0.05, text(AdfIdent, "CHE")},
        {AdfExtension, "b747", "cruise", {}, std::int64_t(0), 0.05, becomes(AdfSignal, 0)}, // 1005.5 kHz becomes 5
        {Transponder, "c172", "cruise", {}, std::int64_t(0x7700), 2, nullptr},
        {Com25kHz, "c172", "cruise", {}, std::int64_t(1), 2, nullptr},
        {AvionicsMaster, "c172", "cruise", {}, std::int64_t(0), 0.05, becomes(Nav1Present, 0)},
        {Com1Standby, "c172", "cruise", {}, mhz(122.80), 0, [](auto &, auto &a) { return geti(a, Com1Standby) == mhz(122.80); }},
        {Com2Standby, "c172", "cruise", {}, mhz(119.20), 0, [](auto &, auto &a) { return geti(a, Com2Standby) == mhz(119.20); }},
        {Nav1Standby, "c172", "cruise", {}, mhz(110.90), 0, [](auto &, auto &a) { return geti(a, Nav1Standby) == mhz(110.90); }},
        {Nav2Standby, "c172", "cruise", {}, mhz(116.80), 0, [](auto &, auto &a) { return geti(a, Nav2Standby) == mhz(116.80); }},
        {RadioSwap, "c172", "cruise", {"set Nav1Standby 0x1090"}, std::int64_t(0x0F), 0.05, [](auto &b, auto &a) {
             return geti(a, Nav1Active) == 0x1090 && geti(a, Com1Active) == geti(b, Com1Standby) &&
                    geti(a, Com2Standby) == geti(b, Com2Active) && geti(a, Nav2Active) == geti(b, Nav2Standby) &&
                    geti(a, RadioSwap) == 0 && a.getText(Vor1Ident) == "IBFI"; }},
        {AudioSelector, "c172", "cruise", {}, std::int64_t(0x44), 2, nullptr},
        // Autopilot.
        {AutopilotMaster, "c172", "cruise", {"set ElevatorInput 3000"}, std::int64_t(0), 10, [](auto &, auto &a) { return fpmOf(a) > 200; }},
        {ApWingLeveller, "c172", "cruise", {"set ApHeadingHold 0", "set Bank -20.0", "step 20"}, std::int64_t(1), 10, [](auto &, auto &a) { return std::fabs(getf(a, Bank)) < 1; }},
        {ApNavHold, "c172", "cruise", {"set ApHeadingHold 0", "set Nav1Course 60"}, std::int64_t(1), 10, [](auto &b, auto &a) { return turn(b, a) > 10; }},
        {ApHeadingHold, "c172", "cruise", {"set ApHeadingHold 0", "set ApHeadingTarget 0x4000"}, std::int64_t(1), 10, [](auto &b, auto &a) { return turn(b, a) > 10; }},
        {ApHeadingTarget, "c172", "cruise", {}, std::int64_t(0x4000), 10, [](auto &b, auto &a) { return turn(b, a) > 10; }},
        {ApAltitudeHold, "c172", "cruise", {"set ApAltitudeHold 0", "set ApVerticalSpeedTarget 500", "step 200"}, std::int64_t(1), 120, [](auto &b, auto &a) { return feetOf(b) > 4550 && std::fabs(feetOf(a) - 4500) < 15; }},
        {ApAltitudeTarget, "c172", "cruise", {}, std::int64_t(conv::feetToApAltitude(6000)), 10, [](auto &, auto &a) { return fpmOf(a) > 300; }},
        {ApVerticalSpeedTarget, "c172", "cruise", {"set ApAltitudeTarget 0"}, std::int64_t(-300), 10, [](auto &, auto &a) { return std::fabs(fpmOf(a) + 300) < 20; }},
        {ApApproachHold, "c172", "approach", {"set ApApproachHold 0", "set ApHeadingHold 1"}, std::int64_t(1), 20, [](auto &b, auto &a) { return std::abs(geti(a, LocaliserDeviation)) < std::abs(geti(b, LocaliserDeviation)); }},
        {ApBackCourse, "c172", "cruise", {}, std::int64_t(1), 2, nullptr},
        {YawDamper, "c172", "cruise", {"set RudderInput 8000", "step 1"}, std::int64_t(1), 0.05, [](auto &b, auto &a) { return std::fabs(getf(a, SideslipBall)) < std::fabs(getf(b, SideslipBall)); }},
        {Nav1Course, "c172", "cruise", {}, std::int64_t(180), 0.05, [](auto &b, auto &a) { return geti(a, Nav1ToFrom) != geti(b, Nav1ToFrom); }},
        {Nav2Course, "c172", "cruise", {}, std::int64_t(0), 0.05, [](auto &b, auto &a) { return geti(a, Nav2ToFrom) != geti(b, Nav2ToFrom); }},
        // Tracking a VOR course away from the route, then straight to the waypoint.
        {NavGpsSource, "c172", "cruise", {"set ApNavHold 1", "set ApHeadingHold 0", "set Nav1Course 90", "step 600"}, std::int64_t(1), 60, [](auto &b, auto &a) { return turn(b, a) > 60 && std::fabs(std::remainder(headingOf(a) - kCruiseHeadingC172, 360.0)) < 15; }},
        {FlightDirector, "c172", "cruise", {}, std::int64_t(1), 2, nullptr},
        // Flight controls.
        {ElevatorInput, "c172", "cruise", {"set AutopilotMaster 0"}, std::int64_t(4000), 5, [](auto &, auto &a) { return fpmOf(a) > 200; }},
        {AileronInput, "c172", "cruise", {"set AutopilotMaster 0"}, std::int64_t(-5000), 2, [](auto &, auto &a) { return getf(a, Bank) > 5; }},
        {RudderInput, "c172", "cruise", {}, std::int64_t(8000), 0.05, [](auto &, auto &a) { return getf(a, SideslipBall) < -0.3; }},
        {ElevatorTrim, "c172", "cruise", {"set AutopilotMaster 0"}, std::int64_t(-8000), 5, [](auto &, auto &a) { return fpmOf(a) < -200; }},
        {ParkingBrake, "c172", "taxi", {}, std::int64_t(32767), 5, becomes(GroundSpeed, 0)},
        {Spoilers, "b727", "cruise", {"set ApAltitudeHold 0"}, std::int64_t(16383), 20, ias([](double b, double a) { return a < b - 5; })},
        {GearLever, "baron", "cruise", {}, std::int64_t(16383), 1, [](auto &, auto &a) { return geti(a, GearNose) > 0 && geti(a, GearNose) < 16383; }},
        {Flaps, "c172", "cruise", {}, std::int64_t(3), 60, ias([](double b, double a) { return a < b - 10; })},
        {AileronTrim, "c172", "cruise", {"set AutopilotMaster 0"}, std::int64_t(16400), 10, [](auto &, auto &a) { return getf(a, Bank) < -3; }},
        {RudderTrim, "c172", "cruise", {}, std::int64_t(16400), 0.05, [](auto &, auto &a) { return getf(a, SideslipBall) < -0.3; }},
        {TailWheelLock, "c172", "taxi", {}, std::int64_t(1), 2, nullptr},
        // Engines as a whole.
        {ThrottleLeverSet1, "c172", "cruise", {}, lever(40), 5, [](auto &b, auto &a) { return geti(a, ThrottleLever[0]) == lever(40) && getf(a, PropellerRpm[0]) < getf(b, PropellerRpm[0]) - 200; }},
        {ThrottleLeverSet2, "baron", "cruise", {}, lever(100), 0.05, becomes(ThrottleLever[1], lever(100))},
        {ApuMaster, "b747", "parked", {"set ApuStarter 1", "set ApuStart 100.0"}, std::int64_t(1), 10, rises(ApuRpm)},
        {ApuStarter, "b747", "parked", {"set ApuMaster 1"}, std::int64_t(1), 10, rises(ApuRpm)},
        {ApuStart, "b747", "parked", {"set ApuMaster 1"}, 100.0, 10, rises(ApuRpm)},
        {AutoFeather, "baron", "cruise", {"fail engine on"}, std::int64_t(1), 1, becomes(PropellerFeather[0], 1)},
        {PropSync, "baron", "cruise", {"set PropellerLever2 15000", "step 100"}, std::int64_t(1), 5, [](auto &b, auto &a) { return std::fabs(getf(b, PropellerRpm[1]) - getf(b, PropellerRpm[0])) > 30 && std::fabs(getf(a, PropellerRpm[1]) - getf(a, PropellerRpm[0])) < 1; }},
        {HydraulicPumps, "b727", "taxi", {}, std::int64_t(0), 0.05, becomes(HydraulicPressure[0], 0)},
        // Fuel.
        {FuelPumps, "c172", "parked", {}, std::int64_t(1), 0, [](auto &, auto &a) { return geti(a, FuelPumpSwitch[0]) == 1; }},
        {Crossfeed, "baron", "taxi", {"set TankSelector2 19"}, std::int64_t(1), 30, falls(FuelRightMainLevel)},
        {TankSelector1, "baron", "taxi", {}, std::int64_t(4), 30, falls(FuelLeftAuxLevel)},
        {TankSelector2, "baron", "taxi", {}, std::int64_t(19), 30, [](auto &b, auto &a) { return geti(a, FuelRightMainLevel) == geti(b, FuelRightMainLevel); }},
        {TankSelector3, "b727", "taxi", {}, std::int64_t(6), 30, [](auto &b, auto &a) { return geti(a, FuelRightMainLevel) == geti(b, FuelRightMainLevel); }},
        {TankSelector4, "b747", "taxi", {}, std::int64_t(20), 30, [](auto &b, auto &a) { return geti(a, FuelRightAuxLevel) == geti(b, FuelRightAuxLevel); }},
        // Electrics.
        {PitotHeat, "c172", "cruise", {"fail pitotice on"}, std::int64_t(1), 10, [](auto &, auto &a) { return geti(a, Ice2) == 0 && geti(a, IndicatedAirspeed) > 0; }},
        {Lights, "c172", "parked", {}, std::int64_t(0x3FF), 0.05, rises(MainBusCurrent)},
        {BatteryVoltage, "c172", "parked", {}, 24.0, 0.05, [](auto &, auto &a) { return std::fabs(getf(a, BatteryVoltage) - 24.0) < 0.01; }},
        {MasterBattery, "c172", "parked", {}, std::int64_t(0), 0.05, becomes(MainBusVoltage, 0)},
        {NoSmokingSign, "b747", "parked", {}, std::int64_t(0), 2, nullptr},
        {SeatBeltSign, "b747", "parked", {}, std::int64_t(0), 2, nullptr},
        // Aircraft and failures.
        {PropellerType, "c172", "cruise", {}, std::int64_t(1), 2, nullptr},
        {Doors, "b747", "parked", {}, std::int64_t(0x81), 2, nullptr},
    };
    for (int e = 0; e < 4; ++e) {
        const bool piston = e < 2;
        const char *twin = e < 2 ? "baron" : "b747";
        c.push_back({ThrottleLever[e], "b747", "cruise", {"set AutopilotMaster 0"}, lever(0), 2, falls(PropellerRpm[e])});
        c.push_back({Magnetos[e], "b747", "cruise", {}, std::int64_t(0), 0.05, becomes(Combustion[e], 0)});
        c.push_back({FuelValve[e], "b747", "cruise", {}, std::int64_t(0), 3, becomes(Combustion[e], 0)});
        c.push_back({Generator[e], twin, "cruise", {}, std::int64_t(0), 0.05, [e](auto &, auto &a) { return geti(a, BusCurrent[e]) == 0 && getf(a, BusCurrent[e]) == 0.0; }});
        // Piston levers and switches exist on the twins' two engines only.
        c.push_back({PropellerLever[e], twin, "cruise", {}, lever(0), 5, piston ? falls(PropellerRpm[e]) : Check{}});
        c.push_back({MixtureLever[e], twin, "cruise", {}, lever(100), 0.05, piston ? rises(AirMassRatio[e]) : Check{}});
        c.push_back({CarbHeat[e], twin, "cruise", {}, std::int64_t(1), 0.05, piston ? rises(CarbAirTemperature[e]) : Check{}});
        c.push_back({CowlFlaps[e], twin, "cruise", {}, 1.0, 60, piston ? falls(CylinderHeadTemperature[e]) : Check{}});
        c.push_back({PropellerFeather[e], twin, "cruise", {}, std::int64_t(1), 5, piston ? [e](auto &, auto &a) { return getf(a, PropellerRpm[e]) < 10; } : Check{}});
    }
    for (const catalogue::FuelTank &t : catalogue::FuelTanks)
        c.push_back({t.level, "b747", "parked", {}, std::int64_t(conv::fractionToTankLevel(0.5)), 0.05, levelTaken(t.level, 0.5)});
    return c;
}

// Written where the model cannot show it in a table row; tested on its own.
const std::set<std::uint16_t> kTestedElsewhere = {
    var::SimulationRate.offset, // ModelCommands.TheSimulationRateRunsTheClockAndTheModel
};

void panelWrite(SimulatorCore &core, const Variable &v, const Value &value)
{
    std::vector<std::uint8_t> bytes(v.ownedSize());
    if (std::holds_alternative<double>(value))
        catalogue::encodeFloat(v, std::get<double>(value), bytes);
    else
        catalogue::encodeInteger(v, std::get<std::int64_t>(value), bytes);
    BlockBuilder b;
    b.u32(2).u32(v.offset).u32(std::uint32_t(bytes.size()));
    std::vector<std::uint8_t> block = b.bytes();
    block.insert(block.end(), bytes.begin(), bytes.end());
    for (int i = 0; i < 4; ++i)
        block.push_back(0);
    ASSERT_EQ(core.processBlock(block), 1);
}

} // namespace

TEST(ModelWrites, EveryOffsetThePanelWritesHasAnEffectItCanReadBack)
{
    std::set<std::uint16_t> covered = kTestedElsewhere;
    ManualClock clock;
    for (const WriteCase &c : cases()) {
        SCOPED_TRACE(cmd::offsetText(c.v.offset) + " " + std::string(c.v.meaning) + " on " + c.aircraft);
        covered.insert(c.v.offset);
        SimulatorOptions options;
        options.aircraft = c.aircraft;
        SimulatorCore core(options, clock.source(), testDate());
        ASSERT_EQ(core.command("freeze on"), "OK");
        if (c.scenario) {
            ASSERT_EQ(core.command(std::string("scenario ") + c.scenario), "OK");
        }
        for (const char *line : c.setup)
            ASSERT_EQ(core.command(line), "OK") << line;
        const OffsetSpace before = snapshot(core);
        panelWrite(core, c.v, c.value);
        const int steps = int(std::lround(c.seconds / 0.05));
        if (steps > 0) {
            ASSERT_EQ(core.command("step " + std::to_string(steps)), "OK");
        }
        const OffsetSpace after = snapshot(core);
        if (c.effect) {
            EXPECT_TRUE(c.effect(before, after));
        } else {
            std::vector<std::uint8_t> expected(c.v.ownedSize());
            if (std::holds_alternative<double>(c.value))
                catalogue::encodeFloat(c.v, std::get<double>(c.value), expected);
            else
                catalogue::encodeInteger(c.v, std::get<std::int64_t>(c.value), expected);
            const auto stored = after.bytes(c.v.offset, c.v.ownedSize());
            EXPECT_TRUE(std::equal(stored.begin(), stored.end(), expected.begin(), expected.end()))
                << "plain storage keeps what the panel wrote";
        }
    }
    for (const Variable &v : catalogue::allVariables())
        if (v.isWritten()) {
            EXPECT_TRUE(covered.count(v.offset)) << cmd::offsetText(v.offset) << " " << v.meaning << " has no row";
        }
}
