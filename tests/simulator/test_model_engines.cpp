// The aircraft model's engines, fuel, electrics and APU, stepped in process.
#include "modelrig.h"

#include <gtest/gtest.h>

namespace {

bool running(const ModelRig &rig, int e = 0) { return rig.get(var::Combustion[e]) != 0; }

} // namespace

TEST(ModelEngines, ThrottleRaisesRpmAndFuelFlowAndTheTanksEmptyButNeverBelowZero)
{
    ModelRig rig("c172", Scenario::Taxi);
    rig.set(var::ParkingBrake, 32767);
    rig.seconds(5);
    const double idleRpm = rig.rpm(), idleFlow = rig.fuelFlow(), fuel = rig.tankGallons();
    rig.lever(var::ThrottleLever[0], 100);
    rig.seconds(5);
    EXPECT_GT(rig.rpm(), idleRpm + 1000);
    EXPECT_GT(rig.fuelFlow(), 3 * idleFlow);
    EXPECT_GT(conv::manifoldToInHg(std::int32_t(rig.get(var::ManifoldPressure[0]))), 25.0);
    EXPECT_LT(rig.tankGallons(), fuel);

    // A pull lowers the RPM again, with a lag, not at once.
    rig.lever(var::ThrottleLever[0], 20);
    rig.step();
    const double justAfter = rig.rpm();
    rig.seconds(5);
    EXPECT_LT(rig.rpm(), justAfter);
    EXPECT_GT(justAfter, rig.rpm() + 300) << "the engine spools down over time";

    // Nearly dry tanks run dry, never negative, and the engine stops.
    rig.lever(var::ThrottleLever[0], 100);
    for (const catalogue::FuelTank &t : catalogue::FuelTanks)
        if (rig.get(t.capacity) > 0)
            rig.set(t.level, conv::fractionToTankLevel(0.001));
    EXPECT_TRUE(rig.until([&] { return !running(rig); }, 120));
    for (const catalogue::FuelTank &t : catalogue::FuelTanks)
        EXPECT_GE(rig.get(t.level), 0) << t.name;
    EXPECT_EQ(rig.get(var::FuelTotalQuantity), 0);
    EXPECT_EQ(rig.fuelFlow(), 0.0);
    EXPECT_EQ(rig.get(var::FuelPressure[0]), 0);
}

TEST(ModelEngines, MagnetosOffStopTheEngineAndTheStarterStartsIt)
{
    ModelRig rig("c172", Scenario::Taxi);
    ASSERT_TRUE(running(rig));
    rig.set(var::Magnetos[0], 0);
    rig.step();
    EXPECT_FALSE(running(rig)) << "no ignition, no combustion";
    rig.seconds(5);
    EXPECT_LT(rig.rpm(), 50.0);
    EXPECT_EQ(rig.fuelFlow(), 0.0);

    // Key to start: the starter cranks, the engine catches, the key springs back.
    rig.set(var::Magnetos[0], 4);
    rig.lever(var::ThrottleLever[0], 10);
    rig.step(5);
    EXPECT_FALSE(running(rig));
    EXPECT_GT(rig.rpm(), 50.0) << "cranking";
    EXPECT_TRUE(rig.until([&] { return running(rig); }, 5));
    EXPECT_EQ(rig.get(var::Magnetos[0]), 3);
    rig.seconds(5);
    EXPECT_GT(rig.rpm(), 0.8 * rig.preset().performance.idleRpm);

    // Without a battery the starter does not turn.
    rig.set(var::Magnetos[0], 0);
    rig.seconds(5);
    rig.set(var::MasterBattery, 0);
    rig.set(var::Generator[0], 0);
    rig.set(var::Magnetos[0], 4);
    rig.seconds(5);
    EXPECT_FALSE(running(rig));
}

TEST(ModelEngines, MixtureCutOffAndAClosedValveStopTheEngine)
{
    struct Case {
        const char *what;
        catalogue::Variable v;
        std::int64_t value;
        double stopsWithin; // seconds
    };
    const Case cases[] = {
        {"mixture at idle cut-off", var::MixtureLever[0], 0, 0.1},
        {"fuel valve closed: the lines run dry", var::FuelValve[0], 0, 2.0},
        {"tank selector at cut", var::TankSelector1, 0, 2.0},
        {"engine failure", var::EngineFailure, 1, 0.1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ModelRig rig("c172", Scenario::Taxi);
        rig.set(c.v, c.value);
        rig.step();
        if (c.stopsWithin > 0.5) {
            EXPECT_TRUE(running(rig)) << "what is in the lines keeps it going a moment";
        }
        EXPECT_TRUE(rig.until([&] { return !running(rig); }, c.stopsWithin));
    }
}

TEST(ModelEngines, EveryPresetRunsItsEnginesOnItsTanks)
{
    for (const AircraftPreset &p : aircraftPresets()) {
        SCOPED_TRACE(std::string(p.name));
        ModelRig rig(p.name, Scenario::Taxi);
        rig.seconds(10);
        const double fuel = rig.tankGallons();
        const std::int64_t pounds = rig.get(var::FuelTotalWeight);
        rig.seconds(60);
        for (int e = 0; e < 4; ++e) {
            SCOPED_TRACE(e + 1);
            const bool present = e < p.engines;
            EXPECT_EQ(running(rig, e), present);
            EXPECT_EQ(rig.fuelFlow(e) > 0, present);
            EXPECT_EQ(rig.rpm(e) > 0, present);
            if (!present)
                continue;
            EXPECT_GT(conv::oilPressureToPsi(std::int32_t(rig.get(var::OilPressure[e]))), 20.0);
            EXPECT_GT(conv::rankineToFahrenheit(rig.real(var::ExhaustGasTemperature[e])), 500.0);
            const double map = conv::manifoldToInHg(std::int32_t(rig.get(var::ManifoldPressure[e])));
            if (p.engineType == 0) {
                EXPECT_GT(map, 8.0);
                EXPECT_GT(rig.real(var::AirMassRatio[e]), 0.05);
                EXPECT_GT(rig.real(var::Torque[e]), 0.0);
            } else {
                EXPECT_EQ(map, 0.0) << "turbines have no manifold";
                EXPECT_GT(rig.rpm(e), 0.15 * p.performance.ratedRpm) << "spinning at idle N1";
            }
            EXPECT_GT(rig.real(var::BusVoltage[e]), 27.0) << "its generator charges";
        }
        // Burnt by the fuel flow from the selected tanks, in gallons and pounds.
        double flow = 0;
        for (int e = 0; e < p.engines; ++e)
            flow += rig.fuelFlow(e);
        EXPECT_NEAR(fuel - rig.tankGallons(), flow / p.lbsPerGallon / 60.0, 0.05 * flow / p.lbsPerGallon / 60.0 + 0.01);
        EXPECT_LT(rig.get(var::FuelTotalWeight), pounds + 1);
        EXPECT_NEAR(conv::weight256ToPounds(std::int32_t(rig.get(var::GrossWeight))),
                    rig.real(var::ZeroFuelWeight) + double(rig.get(var::FuelTotalWeight)), 1.0);
    }
}

TEST(ModelFuel, SelectorsAndCrossfeedChooseTheTanksThatBurn)
{
    // The Baron's engines draw from their own side unless told otherwise.
    ModelRig rig("baron", Scenario::Taxi);
    auto level = [&](const catalogue::Variable &v) { return rig.get(v); };
    struct Case {
        const char *what;
        std::int64_t selector1, selector2, crossfeed;
        bool leftFalls, rightFalls, auxFalls;
    };
    const Case cases[] = {
        {"each engine on its own main", 19, 20, 0, true, true, false},
        {"both engines on the left main", 19, 19, 0, true, false, false},
        {"cross-feed takes the other side too", 19, 19, 1, true, true, false},
        {"left engine on its auxiliary", 4, 0, 0, false, false, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        rig.set(var::TankSelector1, c.selector1);
        rig.set(var::TankSelector2, c.selector2);
        rig.set(var::Crossfeed, c.crossfeed);
        rig.step();
        const auto left = level(var::FuelLeftMainLevel), right = level(var::FuelRightMainLevel),
                   aux = level(var::FuelLeftAuxLevel);
        rig.seconds(30);
        EXPECT_EQ(level(var::FuelLeftMainLevel) < left, c.leftFalls);
        EXPECT_EQ(level(var::FuelRightMainLevel) < right, c.rightFalls);
        EXPECT_EQ(level(var::FuelLeftAuxLevel) < aux, c.auxFalls);
    }
    // A level the panel writes is taken as written.
    rig.set(var::FuelLeftAuxLevel, conv::fractionToTankLevel(0.25));
    rig.step();
    EXPECT_NEAR(conv::tankLevelToFraction(std::int32_t(level(var::FuelLeftAuxLevel))), 0.25, 0.001);
}

TEST(ModelElectrics, BatteryDrainsWithoutAChargerAndChargesWithOne)
{
    ModelRig parked("c172", Scenario::Parked);
    const double start = parked.batteryVolts();
    parked.seconds(60);
    EXPECT_LT(parked.batteryVolts(), start - 0.05);
    EXPECT_NEAR(parked.real(var::MainBusVoltage), parked.batteryVolts() - 0.2, 1e-9);
    EXPECT_GT(parked.real(var::MainBusCurrent), 0.0);

    // More load, faster drain.
    ModelRig loaded("c172", Scenario::Parked);
    loaded.set(var::Lights, 0x3FF);
    loaded.set(var::PitotHeat, 1);
    loaded.seconds(60);
    EXPECT_LT(loaded.batteryVolts(), parked.batteryVolts());

    // Master off: nothing on the bus, the battery keeps what it has.
    parked.set(var::MasterBattery, 0);
    parked.step();
    const double kept = parked.batteryVolts();
    parked.seconds(60);
    EXPECT_EQ(parked.batteryVolts(), kept);
    EXPECT_EQ(parked.real(var::MainBusVoltage), 0.0);
    EXPECT_EQ(parked.real(var::MainBusCurrent), 0.0);

    // The panel's battery reset is taken, then a running alternator charges.
    ModelRig taxi("c172", Scenario::Taxi);
    taxi.setReal(var::BatteryVoltage, 24.0);
    taxi.step();
    EXPECT_GT(taxi.batteryVolts(), 24.0);
    EXPECT_LT(taxi.batteryVolts(), 24.01);
    taxi.seconds(30);
    EXPECT_GT(taxi.batteryVolts(), 24.2);
    EXPECT_EQ(taxi.real(var::MainBusVoltage), 28.0);

    // The generator switch off: back on the battery.
    taxi.set(var::Generator[0], 0);
    taxi.step();
    const double charged = taxi.batteryVolts();
    taxi.seconds(30);
    EXPECT_LT(taxi.batteryVolts(), charged);
    EXPECT_LT(taxi.real(var::BusVoltage[0]), 28.0);

    // An electrical failure darkens every bus.
    taxi.set(var::ElectricalFailure, 1);
    taxi.step();
    EXPECT_EQ(taxi.real(var::MainBusVoltage), 0.0);
    EXPECT_EQ(taxi.get(var::Nav1Present), 0);
}

TEST(ModelRadios, AvionicsOffDarkensTheRadiosAndOnBringsThemBack)
{
    ModelRig rig("c172", Scenario::Cruise);
    rig.step();
    ASSERT_EQ(rig.get(var::Nav1Present), 1);
    ASSERT_NE(rig.get(var::Vor1Signal), 0);
    ASSERT_NE(rig.get(var::Vor2Signal), 0);
    ASSERT_FALSE(rig.space.getText(var::Vor1Ident).empty());
    const auto com1 = rig.get(var::Com1Active);
    rig.set(var::AvionicsMaster, 0);
    rig.step();
    for (const catalogue::Variable *v : {&var::Nav1Present, &var::Nav2Present, &var::Vor1Signal, &var::Vor2Signal,
                                         &var::AdfSignal, &var::Vor1DmeDistance, &var::OuterMarker})
        EXPECT_EQ(rig.get(*v), 0) << v->meaning;
    EXPECT_TRUE(rig.space.getText(var::Vor1Ident).empty());
    EXPECT_EQ(rig.get(var::Com1Active), com1) << "frequencies stay tuned";
    rig.set(var::AvionicsMaster, 1);
    rig.step();
    EXPECT_EQ(rig.get(var::Nav1Present), 1);
    EXPECT_NE(rig.get(var::Vor1Signal), 0);
}

TEST(ModelApu, StartsRunsAndStopsAsThePanelDrivesIt)
{
    ModelRig rig("b747", Scenario::Parked);
    // The panel's start: master, starter, start value.
    rig.set(var::ApuMaster, 1);
    rig.set(var::ApuStarter, 1);
    rig.setReal(var::ApuStart, 100.0);
    rig.seconds(5);
    const double spooling = rig.real(var::ApuRpm);
    EXPECT_GT(spooling, 5.0);
    EXPECT_LT(spooling, 95.0);
    EXPECT_EQ(rig.real(var::ApuVoltage), 0.0) << "no power before it runs";
    EXPECT_EQ(rig.get(var::ApuStarter), 1);
    EXPECT_TRUE(rig.until([&] { return rig.real(var::ApuRpm) >= 100.0; }, 40));
    EXPECT_EQ(rig.real(var::ApuVoltage), 28.0);
    EXPECT_EQ(rig.get(var::ApuStarter), 1) << "running";
    // It charges the battery as a generator would.
    const double volts = rig.batteryVolts();
    rig.seconds(10);
    EXPECT_GT(rig.batteryVolts(), volts);

    // The panel's stop.
    rig.setReal(var::ApuStart, 0.0);
    rig.set(var::ApuMaster, 0);
    rig.set(var::ApuStarter, 0);
    rig.step();
    EXPECT_EQ(rig.get(var::ApuStarter), 0);
    EXPECT_EQ(rig.real(var::ApuVoltage), 0.0);
    EXPECT_TRUE(rig.until([&] { return rig.real(var::ApuRpm) == 0.0; }, 20));

    // A fire lamp shuts it down; an aircraft without an APU has none to start.
    rig.set(var::ApuMaster, 1);
    rig.setReal(var::ApuStart, 100.0);
    rig.seconds(40);
    ASSERT_EQ(rig.real(var::ApuVoltage), 28.0);
    rig.set(var::ApuLamp, 1);
    rig.step();
    EXPECT_EQ(rig.real(var::ApuVoltage), 0.0);

    ModelRig small("c172", Scenario::Parked);
    small.set(var::ApuMaster, 1);
    small.set(var::ApuStarter, 1);
    small.setReal(var::ApuStart, 100.0);
    small.seconds(40);
    EXPECT_EQ(small.real(var::ApuRpm), 0.0);
    EXPECT_EQ(small.get(var::ApuStarter), 0);
}
