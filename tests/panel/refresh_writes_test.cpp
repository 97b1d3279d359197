// The refresh never writes: a panel left alone sends the simulator nothing
// but the writes its readers make on purpose, on every aircraft and while
// the simulator's values change under it.
#include "adapters/radiogroup.h"
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
        set(var::Com1Standby, conv::mhzToRadioWord(121.975));
        set(var::Nav2Standby, conv::mhzToRadioWord(110.35));
        set(var::AdfFrequency, conv::kHzToAdfWords(1234.5).first);
        set(var::AdfExtension, conv::kHzToAdfWords(1234.5).second);
        set(var::AudioSelector, 64 | 4);
        set(var::Nav1ToFrom, 2);
        set(var::Vor1DmeTime, 36000);
        set(var::EngineFire, 1);
        set(var::Ice2, 4);
        set(var::Doors, 0x81);
        set(var::ZoomFactor, 192);
        set(var::Kollsman, 16000);
        set(var::QnhPressure, 16300);
        setFloat(var::Heading, 123.4);
        set(var::WindDirection, 30000);
        set(var::GyroDrift, 900);
        tick(4);
        // The altimeter knob changes its range with the unit on the next refresh.
        panel->rgBaro->SetItemIndex(1 - panel->rgBaro->ItemIndex());
        tick(4);
        // Engines running with levers a bar cannot stand at (reverse, past
        // full), and fuel draining by fractions of a percent.
        const auto engines = get(var::EngineCount);
        for (int e = 0; e < engines; ++e) {
            set(var::Magnetos[e], 3);
            set(var::Combustion[e], 1);
            set(var::ThrottleLever[e], e % 2 ? -4096 : 20000);
            set(var::PropellerLever[e], -1638);
            set(var::MixtureLever[e], 12000);
        }
        setFloat(var::CowlFlaps[0], 0.35);
        set(var::TankSelector1, 13);
        set(var::Lights, 0x0205);
        for (int i = 0; i < 8; ++i) {
            for (const auto &tank : catalogue::FuelTanks)
                set(tank.level, std::max<std::int64_t>(0, get(tank.level) - 31457)); // 0.375 %
            tick();
        }
        EXPECT_EQ(takeWrites(), Writes{});
        // Avionics off and on again: the stack goes dark and comes back.
        set(var::AvionicsMaster, 0);
        tick(4);
        set(var::AvionicsMaster, 1);
        tick(4);
        EXPECT_EQ(takeWrites(), Writes{});
        TearDown();
    }
}
