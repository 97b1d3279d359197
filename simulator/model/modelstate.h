#pragma once
// What the aircraft model remembers between steps, in its own units (feet,
// knots, degrees, gallons, volts): the parts that the offsets cannot hold
// precisely enough or at all. Everything the panel sets (levers, switches,
// targets, failures) stays in the offset space and is read from there on
// every step.
#include "geo.h"

#include <array>
#include <cstdint>
#include <string_view>

struct AircraftPreset;
struct Navaid;

struct FlightState {
    geo::LatLon position{};
    double altitudeFt = 0;       // above sea level
    double groundElevationFt = 0;
    double headingTrue = 0;      // degrees
    double iasKts = 0;
    double groundSpeedKts = 0;   // on the ground: along the heading
    double verticalSpeedFpm = 0;
    double pitchDeg = 0;         // nose up positive
    double bankDeg = 0;          // right wing down positive
    double turnRateDps = 0;      // right positive
    double ball = 0;             // sideslip ball, right positive
    bool onGround = true;
};

struct EngineState {
    bool running = false;
    double rpm = 0;           // propeller, or turbine shaft
    double thrust = 0;        // fraction of full thrust, negative in reverse
    double fuelFlowPph = 0;
    double torque = 0;        // foot-pounds
    double egtF = 0, chtF = 0, oilTempC = 0, oilPsi = 0;
    double manifoldInHg = 0;
    double airMassRatio = 0;
    double crankSeconds = 0;  // the starter's turning so far
    double starvedSeconds = 0; // without fuel so far
    bool fed = true;          // some selected tank has fuel
};

// One navigation receiver's view of its station.
struct NavReception {
    const Navaid *station = nullptr;
    bool localiser = false, glideslope = false;
    double rightOfCourseNm = 0; // VOR: of the selected course; ILS: of the localiser
    double glidePathErrorFt = 0; // above the glide path positive
    double dmeNm = 0, dmeKts = 0;
    bool dmeValid = false;
};

struct ApuState {
    double rpmPercent = 0;
    bool running = false;
};

struct ModelState {
    const AircraftPreset *preset = nullptr;
    FlightState flight;
    std::array<EngineState, 4> engines{};
    std::array<double, 11> tankGallons{}; // in the order of catalogue::FuelTanks
    double batteryVolts = 0;
    double flapDetent = 0;        // where the flaps are, in detents (moving)
    double gyroDriftDeg = 0;
    std::int64_t trimNeutral = 0; // elevator trim at which the aircraft holds its pitch
    double surfaceOatC = 15;
    ApuState apu;
    NavReception nav1, nav2;
    bool busPowered = false;
    int routeLeg = 0;             // 0: to the next waypoint, 1: to the destination
    // The speed the aircraft cruises at and the thrust of its engines at
    // full power as a fraction of its weight, worked out when the aircraft is
    // loaded so that its cruise thrust just meets its cruise drag.
    double cruiseIasKts = 100;
    double fullThrustToWeight = 0.2;
};
