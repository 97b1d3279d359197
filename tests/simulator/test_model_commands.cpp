// The model behind the stand-in's commands, in process: scenarios, failures,
// freezing and stepping, setting by name, and simulated time that follows
// the simulation rate.
#include "catalogue.h"
#include "simtestutil.h"
#include "variablenames.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

class ModelCore : public SimCoreTest {
protected:
    OffsetSpace snapshot() { return ::snapshot(*core); }
    std::int64_t get(const catalogue::Variable &v) { return snapshot().get(v); }
    double latitude() { return conv::latitudeToDegrees(get(var::Latitude)); }
};

} // namespace

TEST_F(ModelCore, WithoutAScenarioThePresetStandsStillUntilTold)
{
    EXPECT_TRUE(core->frozen());
    auto before = space();
    clock.advance(600);
    auto after = space();
    // Only the clock moved.
    for (std::uint32_t i = 0; i < OffsetSpace::kSize; ++i)
        if (i < var::ClockHour.offset || i > var::ClockSecond.offset) {
            ASSERT_EQ(before[i], after[i]) << cmd::offsetText(i);
        }
    // What the panel writes stays as written, and so do the operator's values.
    EXPECT_EQ(core->command("write 0x02BC 00100000"), "OK"); // indicated airspeed
    EXPECT_EQ(core->command("set BatteryVoltage 23.5"), "OK");
    clock.advance(60);
    EXPECT_EQ(core->command("read 0x02BC 4"), "OK 00100000");
    EXPECT_EQ(snapshot().getFloat(var::BatteryVoltage), 23.5);
    // Stepping it moves what the model drives, from those values.
    EXPECT_EQ(core->command("step 20"), "OK");
    EXPECT_LT(snapshot().getFloat(var::BatteryVoltage), 23.5);
}

TEST_F(ModelCore, AScenarioOptionStartsItFlyingOnSimulatedTime)
{
    options.scenario = "cruise";
    make();
    EXPECT_FALSE(core->frozen());
    EXPECT_EQ(get(var::OnGround), 0);
    const double start = latitude();
    clock.advance(10);
    const double tenSeconds = latitude() - start;
    EXPECT_GT(tenSeconds, 0.004) << "north at cruise speed: a third of a mile in ten seconds";
    // Twice the rate, twice the way; paused, none; the clock keeps pace.
    EXPECT_EQ(core->command("write 0x0C1A 0002"), "OK");
    const double fast = latitude();
    clock.advance(10);
    EXPECT_NEAR(latitude() - fast, 2 * tenSeconds, 0.1 * tenSeconds);
    EXPECT_EQ(core->command("write 0x0C1A 0000"), "OK");
    const double paused = latitude();
    clock.advance(10);
    EXPECT_EQ(latitude(), paused);

    // After a long quiet spell it makes up at most a minute.
    EXPECT_EQ(core->command("write 0x0C1A 0001"), "OK");
    const double quiet = latitude();
    clock.advance(3600);
    EXPECT_NEAR(latitude() - quiet, 6 * tenSeconds, 0.2 * tenSeconds);
}

TEST_F(ModelCore, TheSimulationRateRunsTheClockAndTheModel)
{
    auto seconds = [&] {
        const OffsetSpace s = snapshot();
        return s.get(var::ClockHour) * 3600 + s.get(var::ClockMinute) * 60 + s.get(var::ClockSecond);
    };
    const auto start = seconds();
    EXPECT_EQ(core->command("set SimulationRate 1024"), "OK"); // four times
    clock.advance(10);
    EXPECT_EQ(seconds(), start + 40);
    EXPECT_EQ(core->command("set SimulationRate 128"), "OK"); // half
    clock.advance(10);
    EXPECT_EQ(seconds(), start + 45);
    EXPECT_EQ(core->command("freeze off"), "OK");
    const auto battery = snapshot().getFloat(var::BatteryVoltage);
    clock.advance(20);
    const auto tenSimulated = battery - snapshot().getFloat(var::BatteryVoltage);
    EXPECT_GT(tenSimulated, 0);
    EXPECT_EQ(core->command("set SimulationRate 256"), "OK");
    const auto atOne = snapshot().getFloat(var::BatteryVoltage);
    clock.advance(10);
    EXPECT_NEAR(atOne - snapshot().getFloat(var::BatteryVoltage), tenSimulated, 1e-6);
}

TEST_F(ModelCore, CommandsAnswerOneLineAndRefusalsChangeNothing)
{
    const CommandCase refused[] = {
        {"scenario", "ERR *"},
        {"scenario landing", "ERR *"},
        {"scenario cruise now", "ERR *"},
        {"fail", "ERR *"},
        {"fail gremlins on", "ERR *"},
        {"fail engine maybe", "ERR *"},
        {"fail Engine on", "ERR *"},
        {"freeze", "ERR *"},
        {"freeze yes", "ERR *"},
        {"step 0", "ERR *"},
        {"step -1", "ERR *"},
        {"step many", "ERR *"},
        {"step 72001", "ERR *"},
        {"set", "ERR *"},
        {"set ParkingBrake", "ERR *"},
        {"set Parkingbrake 0", "ERR unknown variable 'Parkingbrake'"},
        {"set ThrottleLever5 0", "ERR unknown variable*"},
        {"set ParkingBrake 32768", "ERR *"},
        {"set ParkingBrake -32769", "ERR *"},
        {"set ParkingBrake 1.5", "ERR *"},
        {"set ParkingBrake 0x", "ERR *"},
        {"set ParkingBrake 1 2", "ERR *"},
        {"set Flaps 256", "ERR *"},
        {"set Flaps -1", "ERR *"},
        {"set BatteryVoltage nan", "ERR *"},
        {"set BatteryVoltage 1e400", "ERR *"},
        {"set BatteryVoltage 24,0", "ERR *"},
        {"set ApuRpm 1e39", "ERR *"},
        {"set NextWaypoint TOOLONG", "ERR *"},
    };
    const auto before = space();
    for (const CommandCase &c : refused) {
        expectAnswer(c, core->command(c.line));
        EXPECT_EQ(space(), before) << c.line;
    }
    // Step needs the model frozen.
    EXPECT_EQ(core->command("freeze off"), "OK");
    EXPECT_EQ(core->command("step 1"), "ERR step needs freeze on");

    const CommandCase accepted[] = {
        {"freeze on", "OK"},
        {"step 1", "OK"},
        {"set ParkingBrake -32768", "OK"},
        {"set Transponder 0x7700", "OK"},
        {"set BatteryVoltage 23.75", "OK"},
        {"set ThrottleLever4 16384", "OK"},
        {"set NextWaypoint ALPHA", "OK"},
        {"set Title My Own Aircraft", "OK"},
    };
    for (const CommandCase &c : accepted)
        expectAnswer(c, core->command(c.line));
    OffsetSpace s = snapshot();
    EXPECT_EQ(s.get(var::ParkingBrake), -32768);
    EXPECT_EQ(s.get(var::Transponder), 0x7700);
    EXPECT_EQ(s.getFloat(var::BatteryVoltage), 23.75);
    EXPECT_EQ(s.get(var::ThrottleLever[3]), 16384);
    EXPECT_EQ(s.getText(var::NextWaypoint), "ALPHA");
    EXPECT_EQ(s.getText(var::Title), "My Own Aircraft");

    // A scenario starts the aircraft afresh and keeps the freeze; another
    // aircraft is put into the same scenario.
    EXPECT_EQ(core->command("scenario approach"), "OK");
    s = snapshot();
    EXPECT_EQ(s.get(var::Transponder), 0x1200);
    EXPECT_EQ(s.get(var::OnGround), 0);
    EXPECT_EQ(s.get(var::Nav1LocGsFlags), 0xC0);
    EXPECT_TRUE(core->frozen());
    EXPECT_EQ(core->command("aircraft b747"), "OK");
    s = snapshot();
    EXPECT_EQ(s.get(var::EngineCount), 4);
    EXPECT_EQ(s.get(var::OnGround), 0);
    EXPECT_EQ(s.get(var::Nav1LocGsFlags), 0xC0);
    EXPECT_EQ(core->command("scenario parked"), "OK");
    EXPECT_EQ(snapshot().get(var::OnGround), 1);
}

TEST_F(ModelCore, FailuresAndDoorsSetTheirFlagsAndTheModelAnswers)
{
    struct Case {
        const char *name;
        catalogue::Variable flag;
        std::int64_t on;
    };
    const Case cases[] = {
        {"electrical", var::ElectricalFailure, 1}, {"engine", var::EngineFailure, 1},
        {"hydraulics", var::HydraulicsFailure, 1}, {"brakes", var::BrakeFailure, 1},
        {"vacuum", var::VacuumFailure, 1},         {"fire", var::EngineFire, 1},
        {"ice", var::Ice1, 16384},                 {"pitotice", var::Ice2, 16384},
        {"apufire", var::ApuLamp, 1},              {"door1", var::Doors, 0x01},
        {"door5", var::Doors, 0x10},               {"door8", var::Doors, 0x80},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(core->command(std::string("fail ") + c.name + " on"), "OK");
        EXPECT_EQ(get(c.flag), c.on);
        EXPECT_EQ(core->command(std::string("fail ") + c.name + " off"), "OK");
        EXPECT_EQ(get(c.flag), 0);
    }
    // Doors are bits: opening one keeps the others as they are.
    EXPECT_EQ(core->command("fail door2 on"), "OK");
    EXPECT_EQ(core->command("fail door8 on"), "OK");
    EXPECT_EQ(core->command("fail door2 off"), "OK");
    EXPECT_EQ(get(var::Doors), 0x80);

    // The model answers: a failed engine stops and lights its alarm; a
    // vacuum failure lets the heading gyro drift.
    EXPECT_EQ(core->command("scenario cruise"), "OK");
    EXPECT_EQ(core->command("fail engine on"), "OK");
    EXPECT_EQ(core->command("fail vacuum on"), "OK");
    EXPECT_EQ(core->command("step 200"), "OK");
    EXPECT_EQ(get(var::Combustion[0]), 0);
    EXPECT_EQ(get(var::EngineAlarm[0]), 1);
    EXPECT_GT(conv::angle16ToDegrees(std::int16_t(get(var::GyroDrift))), 2.0);
}

TEST(VariableNames, EveryCatalogueVariableHasOneNameAndEveryNameOneVariable)
{
    std::set<std::string_view> names;
    std::map<std::uint16_t, int> named;
    for (const NamedVariable &n : namedVariables()) {
        EXPECT_TRUE(names.insert(n.name).second) << n.name << " twice";
        ++named[n.variable.offset];
        const catalogue::Variable *v = variableNamed(n.name);
        ASSERT_NE(v, nullptr);
        EXPECT_EQ(v->offset, n.variable.offset);
    }
    for (const catalogue::Variable &v : catalogue::allVariables())
        EXPECT_EQ(named[v.offset], 1) << cmd::offsetText(v.offset) << " " << v.meaning;
    EXPECT_EQ(namedVariables().size(), catalogue::allVariables().size());
    EXPECT_EQ(variableNamed("ParkingBrake")->offset, var::ParkingBrake.offset);
    EXPECT_EQ(variableNamed("ThrottleLever3")->offset, var::ThrottleLever[2].offset);
    EXPECT_EQ(variableNamed("parkingbrake"), nullptr);
}
