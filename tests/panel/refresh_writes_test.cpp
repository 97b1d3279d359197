// The refresh never writes: a panel left alone sends the simulator nothing
// but the writes its readers make on purpose, on every aircraft and while
// the simulator's values change under it.
#include "catalogue.h"
#include "connectedpanel.h"

namespace {

class RefreshWrites : public ConnectedPanel {};

} // namespace

TEST_F(RefreshWrites, TheFixtureSeesThePanelsWritesAndTheSimulatorsValues)
{
    ASSERT_TRUE(connect({"--aircraft", "baron"}));
    set(var::ParkingBrake, 32767);
    EXPECT_EQ(get(var::ParkingBrake), 32767);
    setFloat(var::BatteryVoltage, 24.5);
    EXPECT_DOUBLE_EQ(getFloat(var::BatteryVoltage), 24.5);
    panel->WriteSmlInt(var::ParkingBrake, -2);
    panel->WriteDouble(var::BatteryVoltage, 12.5);
    EXPECT_EQ(takeWrites(), (Writes{wrote(var::ParkingBrake, -2), wroteFloat(var::BatteryVoltage, 12.5)}));
    EXPECT_EQ(takeWrites(), Writes{});
    EXPECT_EQ(get(var::ParkingBrake), -2);
}

TEST_F(RefreshWrites, NoWriteOnAnyAircraftOverManyTicks)
{
    for (const char *aircraft : {"c172", "baron", "b727", "b747"}) {
        SCOPED_TRACE(aircraft);
        ASSERT_TRUE(connect({"--aircraft", aircraft}));
        tick(24);
        EXPECT_EQ(takeWrites(), Writes{});
        // Values the refresh shows in edits and knobs, changed between ticks.
        set(var::Transponder, 0x7700);
        set(var::SimulationRate, 128);
        set(var::ApAltitudeTarget, 3048 * 65536);
        set(var::ApHeadingTarget, 49152);
        tick(8);
        EXPECT_EQ(takeWrites(), Writes{});
        TearDown();
    }
}
