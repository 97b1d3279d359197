// The aircraft model in flight: autopilot modes, the ILS, gear and flaps,
// manual inputs, the ground, stepped in process.
#include "modelrig.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(ModelAutopilot, HeadingHoldTurnsToTheBugAtAStandardRateAndStopsThere)
{
    struct Case {
        const char *aircraft;
        double turn; // degrees, right positive
    };
    const Case cases[] = {{"c172", 90}, {"c172", -120}, {"baron", 45}, {"b747", 60}};
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.aircraft) + " " + std::to_string(c.turn));
        ModelRig rig(c.aircraft, Scenario::Cruise);
        const double bug = std::fmod(rig.heading() + c.turn + 360.0, 360.0);
        rig.headingBug(bug);
        rig.seconds(std::fabs(c.turn) / 3.0 / 2.0); // halfway through at standard rate
        const double rate = rig.real(var::TurnRate);
        EXPECT_GT(rate * c.turn, 0) << "turning the short way";
        EXPECT_LE(std::fabs(rate), 3.05) << "no faster than standard rate";
        if (std::string(c.aircraft) == "c172") {
            EXPECT_GT(std::fabs(rate), 2.9) << "a slow aircraft turns at standard rate";
        } else {
            EXPECT_GT(std::fabs(rate), 1.0) << "a fast one at its bank limit";
        }
        EXPECT_GT(rig.bankRight() * c.turn, 0) << "banked into the turn";
        EXPECT_TRUE(rig.until([&] { return angleBetween(rig.heading(), bug) < 0.5; }, 240));
        rig.seconds(20);
        EXPECT_LT(angleBetween(rig.heading(), bug), 0.5) << "and stays there";
        EXPECT_NEAR(rig.bankRight(), 0.0, 0.5);
        EXPECT_NEAR(rig.altitudeFt(), rig.preset().performance.cruiseAltitudeFt, 20) << "level through the turn";
    }
}

TEST(ModelAutopilot, AltitudeHoldClimbsAndDescendsAtTheSelectedRateAndLevelsOff)
{
    struct Case {
        const char *aircraft;
        double change, fpm; // target change in feet; selected vertical speed (0: the aircraft's default)
    };
    const Case cases[] = {{"c172", 1000, 500}, {"c172", -1500, -700}, {"b727", 4000, 0}, {"baron", -2000, 0}};
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.aircraft) + " " + std::to_string(c.change));
        ModelRig rig(c.aircraft, Scenario::Cruise);
        const double target = rig.altitudeFt() + c.change;
        rig.set(var::ApAltitudeTarget, conv::feetToApAltitude(target));
        rig.set(var::ApVerticalSpeedTarget, std::int64_t(c.fpm));
        rig.seconds(20);
        EXPECT_GT(rig.fpm() * c.change, 0) << "on its way";
        if (c.fpm != 0) {
            EXPECT_NEAR(rig.fpm(), c.fpm, 50);
        }
        EXPECT_TRUE(rig.until([&] { return std::fabs(rig.altitudeFt() - target) < 10; }, 900));
        rig.seconds(60);
        EXPECT_NEAR(rig.altitudeFt(), target, 10) << "levelled off";
        EXPECT_NEAR(rig.fpm(), 0, 20);
    }
    // Altitude hold off: the master holds the selected vertical speed.
    ModelRig rig("c172", Scenario::Cruise);
    rig.set(var::ApAltitudeHold, 0);
    rig.set(var::ApVerticalSpeedTarget, -400);
    rig.seconds(30);
    EXPECT_NEAR(rig.fpm(), -400, 10);
    // Master off: the aircraft flies on where the pilot leaves it.
    rig.set(var::AutopilotMaster, 0);
    rig.headingBug(rig.heading() + 90);
    const double heading = rig.heading();
    rig.seconds(30);
    EXPECT_LT(angleBetween(rig.heading(), heading), 2.0);
}

TEST(ModelAutopilot, NavHoldTracksTheSelectedRadial)
{
    // Cruising north from Boeing Field, NAV1 on SEA: fly its 010 radial out.
    ModelRig rig("c172", Scenario::Cruise);
    rig.set(var::Nav1Course, 10);
    rig.set(var::ApNavHold, 1);
    rig.set(var::ApHeadingHold, 0);
    rig.seconds(400);
    ASSERT_NE(rig.get(var::Vor1Signal), 0);
    EXPECT_EQ(rig.get(var::Nav1ToFrom), 2) << "outbound: FROM";
    EXPECT_NEAR(double(rig.get(var::Vor1Radial)), 10.0, 1.0);
    EXPECT_LT(std::abs(rig.get(var::LocaliserDeviation)), 13) << "the course needle centred";
    EXPECT_GT(rig.get(var::Vor1DmeDistance), 100) << "more than 10 miles out";
    EXPECT_GT(rig.get(var::Vor1DmeSpeed), 900) << "opening at about the ground speed";
    EXPECT_EQ(rig.get(var::Vor1DmeTime), 0) << "no time to a station behind";

    // GPS as the course source: to the next waypoint instead.
    ModelRig gps("baron", Scenario::Cruise);
    gps.set(var::NavGpsSource, 1);
    gps.set(var::ApNavHold, 1);
    gps.set(var::ApHeadingHold, 0);
    const auto ete = gps.get(var::NextWaypointEte);
    gps.seconds(60);
    EXPECT_LT(gps.get(var::NextWaypointEte), ete - 50);
    EXPECT_EQ(gps.space.getText(var::NextWaypoint), gps.preset().nextWaypoint);
}

TEST(ModelRadios, TheIlsNeedlesShrinkOnCourseAndTheMarkersPass)
{
    for (const AircraftPreset &p : aircraftPresets()) {
        SCOPED_TRACE(std::string(p.name));
        ModelRig rig(p.name, Scenario::Approach);
        ASSERT_EQ(rig.get(var::Nav1LocGsFlags), 0xC0) << "localiser and glide slope received";
        ASSERT_NE(rig.get(var::Vor1Signal), 0);
        EXPECT_EQ(rig.get(var::Nav1ToFrom), 1);
        const auto loc = rig.get(var::LocaliserDeviation), gs = rig.get(var::GlideslopeDeviation);
        EXPECT_LT(loc, -20) << "right of the localiser: the needle points left";
        EXPECT_GT(gs, 10) << "above the glide path: the needle below";
        rig.seconds(60);
        EXPECT_LT(std::abs(rig.get(var::LocaliserDeviation)), std::abs(loc) / 2);
        EXPECT_LT(std::abs(rig.get(var::GlideslopeDeviation)), gs);
        EXPECT_TRUE(rig.until([&] { return rig.get(var::OuterMarker) > 0; }, 240));
        EXPECT_LT(std::abs(rig.get(var::LocaliserDeviation)), 10);
        EXPECT_LT(std::abs(rig.get(var::GlideslopeDeviation)), 15);
        EXPECT_EQ(rig.get(var::MiddleMarker), 0);
        EXPECT_TRUE(rig.until([&] { return rig.get(var::MiddleMarker) > 0; }, 240));
        EXPECT_TRUE(rig.until([&] { return rig.get(var::OnGround) == 1; }, 120)) << "down the glide path to the runway";
        EXPECT_EQ(rig.get(var::StallWarning), 0);
    }
}

TEST(ModelSystems, GearTravelsThenLocksAndFlapsAndGearSlowTheAircraft)
{
    ModelRig rig("baron", Scenario::Cruise);
    const double cruise = rig.iasKts();
    rig.set(var::GearLever, conv::iSixteen);
    rig.seconds(1);
    for (const catalogue::Variable *g : {&var::GearNose, &var::GearLeft, &var::GearRight}) {
        EXPECT_GT(rig.get(*g), 0) << "moving";
        EXPECT_LT(rig.get(*g), conv::iSixteen) << "moving";
    }
    rig.seconds(rig.preset().performance.gearSeconds + 2);
    for (const catalogue::Variable *g : {&var::GearNose, &var::GearLeft, &var::GearRight})
        EXPECT_EQ(rig.get(*g), conv::iSixteen) << "down and locked";
    rig.set(var::Flaps, 2);
    rig.seconds(120);
    EXPECT_LT(rig.iasKts(), cruise - 20) << "drag takes the speed";
    EXPECT_EQ(rig.get(var::OverspeedWarning), 0);

    // Up again, but never on the ground; hydraulics failed, nothing moves up.
    rig.set(var::GearLever, 0);
    rig.seconds(rig.preset().performance.gearSeconds + 2);
    EXPECT_EQ(rig.get(var::GearNose), 0);
    ModelRig parked("baron", Scenario::Parked);
    parked.set(var::GearLever, 0);
    parked.seconds(10);
    EXPECT_EQ(parked.get(var::GearLeft), conv::iSixteen);
    ModelRig jet("b727", Scenario::Cruise);
    jet.set(var::HydraulicsFailure, 1);
    jet.set(var::GearLever, conv::iSixteen);
    jet.seconds(jet.preset().performance.gearSeconds + 2);
    EXPECT_GT(jet.get(var::GearNose), 0) << "falling under its own weight";
    EXPECT_LT(jet.get(var::GearNose), conv::iSixteen) << "but slowly";
    for (int e = 0; e < 3; ++e)
        EXPECT_EQ(jet.get(var::HydraulicPressure[e]), 0);
}

TEST(ModelFlight, ThePilotsInputsMoveTheAircraft)
{
    ModelRig rig("c172", Scenario::Cruise);
    rig.set(var::AutopilotMaster, 0);
    rig.seconds(10);
    EXPECT_NEAR(rig.fpm(), 0, 30) << "trimmed for level flight";
    // Aileron right banks right; the turn needle and heading follow.
    rig.set(var::AileronInput, 5376);
    rig.seconds(3);
    rig.set(var::AileronInput, 0);
    EXPECT_GT(rig.bankRight(), 5);
    EXPECT_GT(rig.real(var::TurnRate), 0.5);
    // Back pressure climbs and costs speed.
    const double ias = rig.iasKts();
    rig.set(var::ElevatorInput, 4000);
    rig.seconds(10);
    EXPECT_GT(rig.fpm(), 300);
    EXPECT_LT(rig.iasKts(), ias);
    rig.set(var::ElevatorInput, 0);
    // Rudder pushes the ball out; the yaw damper takes most of it back.
    rig.set(var::RudderInput, 8000);
    rig.step();
    const double ball = rig.real(var::SideslipBall);
    EXPECT_LT(ball, -0.3);
    rig.set(var::YawDamper, 1);
    rig.step();
    EXPECT_GT(rig.real(var::SideslipBall), ball / 2);

    // Pull the power and slow down until the stall warning sounds.
    ModelRig slow("c172", Scenario::Cruise);
    slow.lever(var::ThrottleLever[0], 0);
    EXPECT_TRUE(slow.until([&] { return slow.get(var::StallWarning) != 0; }, 300));
}

TEST(ModelFlight, OnTheGroundBrakesHoldAndRudderSteers)
{
    ModelRig rig("c172", Scenario::Taxi);
    const auto lat = rig.get(var::Latitude);
    rig.seconds(10);
    EXPECT_NE(rig.get(var::Latitude), lat) << "rolling";
    EXPECT_NEAR(conv::groundSpeedToKnots(std::int32_t(rig.get(var::GroundSpeed))), 12, 1.5);
    EXPECT_EQ(rig.get(var::OnGround), 1);
    const double heading = rig.heading();
    rig.set(var::RudderInput, 8000);
    rig.seconds(5);
    EXPECT_GT(angleBetween(rig.heading(), heading), 20);
    rig.set(var::ParkingBrake, 32767);
    rig.seconds(5);
    EXPECT_EQ(rig.get(var::GroundSpeed), 0);
    const auto held = rig.get(var::Latitude);
    rig.seconds(5);
    EXPECT_EQ(rig.get(var::Latitude), held);

    // Full power, brake off, and a pull at flying speed: it takes off.
    rig.set(var::RudderInput, 0);
    rig.set(var::ParkingBrake, 0);
    rig.lever(var::ThrottleLever[0], 100);
    rig.set(var::Flaps, 1);
    rig.set(var::ElevatorInput, 5000);
    EXPECT_TRUE(rig.until([&] { return rig.get(var::OnGround) == 0; }, 60));
    rig.seconds(20);
    EXPECT_GT(rig.altitudeFt(), 100) << "climbing away";
}

TEST(ModelFlight, WindMakesTheGroundSpeedAndTheOperatorsValuesAreTaken)
{
    ModelRig rig("c172", Scenario::Cruise);
    rig.set(var::WindSpeed, 0);
    rig.step();
    const double still = conv::groundSpeedToKnots(std::int32_t(rig.get(var::GroundSpeed)));
    EXPECT_NEAR(still, conv::knots128ToKnots(std::int32_t(rig.get(var::TrueAirspeed))), 0.5);
    // A headwind of 30 knots, from where the aircraft is heading (magnetic).
    rig.set(var::WindSpeed, 30);
    rig.set(var::WindDirection, conv::degreesToAngle16(rig.real(var::CompassHeading)));
    rig.step();
    EXPECT_NEAR(conv::groundSpeedToKnots(std::int32_t(rig.get(var::GroundSpeed))), still - 30, 1.0);

    // What the operator sets, the aircraft takes as its own.
    rig.set(var::Altitude, conv::feetToAltitude(6000));
    rig.set(var::ApAltitudeHold, 0);
    rig.set(var::ApVerticalSpeedTarget, 0);
    rig.step();
    EXPECT_NEAR(rig.altitudeFt(), 6000, 5);
    rig.setReal(var::Heading, 90.0);
    rig.set(var::ApHeadingHold, 0);
    rig.step();
    EXPECT_NEAR(rig.heading(), 90.0, 0.5);
    rig.set(var::OutsideAirTemperature, conv::celsiusToCelsius256(-5));
    rig.step();
    EXPECT_NEAR(conv::celsius256ToCelsius(std::int32_t(rig.get(var::OutsideAirTemperature))), -5, 0.1);
}

TEST(ModelRoute, TimesEnRouteComeFromTheDistanceAndTheClock)
{
    ModelRig rig("c172", Scenario::Cruise);
    rig.set(var::NavGpsSource, 1); // straight over the waypoint
    rig.set(var::ApNavHold, 1);
    rig.step();
    EXPECT_EQ(rig.space.getText(var::NearestAirport), "KBFI");
    const double gs = conv::groundSpeedToKnots(std::int32_t(rig.get(var::GroundSpeed)));
    const auto ete = rig.get(var::NextWaypointEte);
    EXPECT_GT(ete, 0);
    const int clock = int(rig.get(var::ClockHour) * 3600 + rig.get(var::ClockMinute) * 60 + rig.get(var::ClockSecond));
    EXPECT_EQ(rig.get(var::NextWaypointEta), clock + ete);
    EXPECT_GT(rig.get(var::DestinationEte), ete);
    rig.seconds(60);
    EXPECT_NEAR(double(ete - rig.get(var::NextWaypointEte)), 60.0, 3.0) << "a minute closer at " << gs << " knots";
    // Past the waypoint the destination is next.
    rig.until([&] { return rig.space.getText(var::NextWaypoint) == "KPAE"; }, 900);
    EXPECT_EQ(rig.get(var::NextWaypointEte), rig.get(var::DestinationEte));
}
