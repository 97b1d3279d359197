#pragma once
// Aircraft the stand-in simulator can load by name. Each preset is data; one
// filler turns it into a value for every catalogue variable, so switching
// aircraft leaves nothing of the previous one behind.
#include <array>
#include <cstdint>
#include <set>
#include <span>
#include <string_view>

class OffsetSpace;

struct PresetAirport {
    std::string_view icao;
    double latitude, longitude; // degrees, north and east positive
    double elevationFt;
    double magVarEast;          // degrees; stored negated (east negative)
    double oatC, windFromDeg, windKts, qnhMb;
};

struct PresetStation {
    std::string_view ident;
    int radial;     // degrees
    double dmeNm;   // 0 without DME
    int toFrom;     // 0 none, 1 TO, 2 FROM
};

struct PresetRadios {
    double com1, com1Standby, com2, com2Standby; // MHz
    double nav1, nav1Standby, nav2, nav2Standby; // MHz
    double adfKHz;
    int squawk;                                  // four octal digits as written, e.g. 1200
    PresetStation vor1, vor2;
    std::string_view adfIdent;
    int adfBearing;                              // degrees, relative
};

struct PresetTank {
    double capacityGal;
    double fraction; // 0..1
};

// How the aircraft flies and how its engines run, for the aircraft model.
struct PresetPerformance {
    double ratedRpm;         // propeller RPM at full power; turbines: shaft RPM at 100 % N1
    double idleRpm;
    double ratedHp;          // per engine; 0 for jets, which show no torque
    double fullFuelFlowPph;  // per engine, full power at sea level
    double idleFuelFlowPph;
    double cruiseAltitudeFt;
    double cruiseThrottle;   // lever fraction flown in cruise
    double approachKts;
    int approachFlaps;       // detent flown on the approach
    double gearSeconds;      // gear travel, up or down
    double flapSecondsPerDetent;
    double liftToDrag;       // in cruise: sets the drag, and with it the thrust the engines give
};

struct AircraftPreset {
    std::string_view name;
    std::string_view title, captionFirst, captionThird, tailNumber, airline, situationFile;
    int engineType; // 0 piston, 1 jet, 5 turboprop
    int engines;
    bool retractableGear, spoilers, tailDragger, mixture, carbHeat, autopilot, apu;
    int flapDetents;
    int propellerType; // 0 fixed, 1 constant speed
    int tankSelectors;
    std::array<int, 4> selectorValues;
    double emptyLbs, zeroFuelLbs, lbsPerGallon;
    double vs0Kts, vs1Kts, cruiseKts, maxKts;
    double batteryVolts, busAmps;
    std::uint8_t hydraulicPumps; // one bit per pump
    PresetAirport airport;
    double headingTrue;
    double pitchDeg; // nose attitude on the ground
    PresetRadios radios;
    std::array<PresetTank, 11> tanks; // in the order of catalogue::FuelTanks
    std::string_view nextWaypoint, destination;
    int nextWaypointEte, destinationEte; // seconds
    PresetPerformance performance;
};

// What the presets take from the machine: the date and time they start at.
struct PresetDate {
    int year, month, day; // month 1..12
    int dayOfYear;        // 1..366
    int secondsOfDay;
};
PresetDate todayLocal();
// 0 winter, 1 spring, 2 summer, 3 fall, as the season offset holds it.
int seasonOfMonth(int month);

std::span<const AircraftPreset> aircraftPresets();
const AircraftPreset *findPreset(std::string_view name);
inline constexpr std::string_view kDefaultAircraft = "c172";

// Writes every catalogue variable from the preset (the space is not cleared
// first). Returns the offsets written, for checks.
std::set<std::uint16_t> loadPreset(OffsetSpace &space, const AircraftPreset &preset, const PresetDate &date);
