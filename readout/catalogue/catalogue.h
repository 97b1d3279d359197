#pragma once
// The one list of simulator variables the panel exchanges: each offset with
// its width, encoding, direction, unit and meaning, defined once here. Readers
// and handlers name them (var::ParkingBrake) instead of restating numbers;
// the stand-in simulator fills every one of them from an aircraft preset.
#include "catalogue_scaling.h"
#include "catalogue_variable.h"

#include <array>
#include <span>

namespace var {

using catalogue::Direction;
using catalogue::Encoding;
using catalogue::Variable;
using Engines = std::array<Variable, 4>; // engine 1..4

constexpr Direction R = Direction::Read;
constexpr Direction W = Direction::Write;
constexpr Direction RW = Direction::ReadWrite;

// --- link and handshake --------------------------------------------------
inline constexpr Variable FsuipcVersion{0x3304, 4, Encoding::Unsigned, R, "interface module version", "version number, at least 0x19980005"};
inline constexpr Variable SimulatorId{0x3308, 4, Encoding::Unsigned, R, "simulator identifier", "high 16 bits 0xFADE, low 16 bits simulator index"};
// Lies inside SimulatorId: the far end takes the written value without
// letting it show through the identifier.
inline constexpr Variable ClientVersion{0x330A, 2, Encoding::Unsigned, W, "client version announced at connection", "2005"};

// --- flight instruments --------------------------------------------------
inline constexpr Variable GroundAltitude{0x0020, 8, Encoding::Signed, R, "ground elevation under the aircraft", "metres x 256; 8 bytes fetched, low 4 used as signed 32-bit; feet = v x 3.28084 / 256", 4};
inline constexpr Variable MagneticVariation{0x02A0, 2, Encoding::Signed, R, "magnetic variation", "degrees = v x 360 / 65536"};
inline constexpr Variable GroundSpeed{0x02B4, 4, Encoding::Signed, R, "ground speed", "metres per second x 65536; knots = v x 3600 / (1852 x 65536)"};
inline constexpr Variable TrueAirspeed{0x02B8, 4, Encoding::Signed, R, "true airspeed", "knots x 128"};
inline constexpr Variable IndicatedAirspeed{0x02BC, 4, Encoding::Signed, R, "indicated airspeed", "knots x 128"};
inline constexpr Variable BarberPole{0x02C4, 4, Encoding::Signed, R, "maximum speed (barber pole)", "knots x 128; shown as v / 119 by the refresh, v / 115 by the aircraft description"};
inline constexpr Variable VerticalSpeed{0x02C8, 4, Encoding::Signed, R, "vertical speed", "metres per second x 256; feet per minute = v x 60 x 3.28084 / 256"};
inline constexpr Variable CompassHeading{0x02CC, 8, Encoding::Float64, R, "magnetic compass heading", "degrees"};
inline constexpr Variable Kollsman{0x0330, 2, Encoding::Unsigned, RW, "altimeter (Kollsman) setting", "millibars x 16"};
inline constexpr Variable Latitude{0x0560, 8, Encoding::Signed, R, "latitude", "degrees = v x 90 / LatConv"};
inline constexpr Variable Longitude{0x0568, 8, Encoding::Signed, R, "longitude", "degrees = v x 360 / 65536^4"};
inline constexpr Variable Altitude{0x0570, 8, Encoding::Signed, R, "altitude", "metres x 65536 x 65536; feet = v x 3.28084 / 4294967296"};
inline constexpr Variable GyroDrift{0x0C3E, 2, Encoding::Signed, RW, "gyro drift", "degrees = v x 360 / 65536"};
inline constexpr Variable OutsideAirTemperature{0x0E8C, 2, Encoding::Signed, R, "outside air temperature", "degrees Celsius x 256"};
inline constexpr Variable WindSpeed{0x0E90, 2, Encoding::Unsigned, R, "wind speed", "knots"};
inline constexpr Variable WindDirection{0x0E92, 2, Encoding::Unsigned, R, "wind direction", "degrees = v x 360 / 65536"};
inline constexpr Variable QnhPressure{0x0F48, 2, Encoding::Unsigned, R, "QNH pressure", "millibars x 16"};
inline constexpr Variable Heading{0x2B00, 8, Encoding::Float64, R, "heading", "degrees"};

// --- position and route --------------------------------------------------
inline constexpr Variable NearestAirport{0x0658, 4, Encoding::Characters, R, "nearest airport identifier", "four characters, low byte first"};
inline constexpr Variable NearestAirportElevation{0x0664, 4, Encoding::Float32, R, "nearest airport elevation", "as shown (truncated)"};
inline constexpr Variable NextWaypoint{0x60A4, 6, Encoding::Characters, R, "next waypoint identifier", "text"};
inline constexpr Variable NextWaypointEte{0x60E4, 4, Encoding::Unsigned, R, "next waypoint time en route", "seconds"};
inline constexpr Variable NextWaypointEta{0x60E8, 4, Encoding::Unsigned, R, "next waypoint arrival time", "seconds"};
// Read as five single bytes, 0x6137 to 0x613B.
inline constexpr Variable DestinationAirport{0x6137, 5, Encoding::Characters, R, "destination airport identifier", "one character per byte"};
inline constexpr Variable DestinationEte{0x6198, 4, Encoding::Unsigned, R, "destination time en route", "seconds"};
inline constexpr Variable DestinationEta{0x619C, 4, Encoding::Unsigned, R, "destination arrival time", "seconds"};

// --- radios ---------------------------------------------------------------
inline constexpr Variable AdfFrequency{0x034C, 2, Encoding::BCD, RW, "ADF frequency", "kHz main digits"};
inline constexpr Variable Com1Active{0x034E, 2, Encoding::BCD, R, "COM1 active frequency", "MHz = (BCD + 10000) / 100"};
inline constexpr Variable Nav1Active{0x0350, 2, Encoding::BCD, R, "NAV1 active frequency", "MHz = (BCD + 10000) / 100"};
inline constexpr Variable Nav2Active{0x0352, 2, Encoding::BCD, R, "NAV2 active frequency", "as NAV1"};
inline constexpr Variable Transponder{0x0354, 2, Encoding::BCD, RW, "transponder code", "four octal digits"};
inline constexpr Variable AdfExtension{0x0356, 2, Encoding::BCD, RW, "ADF frequency extension", "value >= 100: thousands digit 1; remainder = tenths of kHz"};
inline constexpr Variable Com25kHz{0x0358, 2, Encoding::Unsigned, W, "COM 25 kHz flag", "1 when the standby COM frequency ends in 25 or 75 kHz"};
inline constexpr Variable Nav1Present{0x07A0, 4, Encoding::Unsigned, R, "NAV1 receiver present and powered", "0 = off"};
inline constexpr Variable Nav2Present{0x07A4, 4, Encoding::Unsigned, R, "NAV2 receiver present and powered", "0 = off"};
inline constexpr Variable AdfSignal{0x0C1C, 4, Encoding::Unsigned, R, "ADF signal", "0 = no signal"};
inline constexpr Variable Vor1Signal{0x0C52, 4, Encoding::Unsigned, R, "VOR1 signal", "> 0 = signal"};
inline constexpr Variable Vor2Signal{0x0C62, 4, Encoding::Unsigned, R, "VOR2 signal", "> 0 = signal"};
inline constexpr Variable AdfBearing{0x0C6A, 2, Encoding::Signed, R, "ADF relative bearing", "degrees = v x 360 / 65536"};
inline constexpr Variable AvionicsMaster{0x2E80, 4, Encoding::Unsigned, RW, "avionics master switch", "0 = off, non-zero = on"};
inline constexpr Variable AdfIdent{0x303E, 12, Encoding::Characters, R, "ADF station identifier", "trimmed text"};
inline constexpr Variable Com2Active{0x3118, 2, Encoding::BCD, R, "COM2 active frequency", "as COM1"};
// The standby frequencies are written by the tuning handlers as well.
inline constexpr Variable Com1Standby{0x311A, 2, Encoding::BCD, RW, "COM1 standby frequency", "as COM1"};
inline constexpr Variable Com2Standby{0x311C, 2, Encoding::BCD, RW, "COM2 standby frequency", "as COM1"};
inline constexpr Variable Nav1Standby{0x311E, 2, Encoding::BCD, RW, "NAV1 standby frequency", "as NAV1"};
inline constexpr Variable Nav2Standby{0x3120, 2, Encoding::BCD, RW, "NAV2 standby frequency", "as NAV1"};
inline constexpr Variable AudioSelector{0x3122, 1, Encoding::BitFlags, RW, "audio selector", "bit 7 COM1, 6 COM2, 5 both, 4 NAV1, 3 NAV2, 2 marker, 1 DME, 0 ADF"};
inline constexpr Variable RadioSwap{0x3123, 1, Encoding::BitFlags, W, "swap active and standby frequency", "8 COM1, 4 COM2, 2 NAV1, 1 NAV2"};

// --- navigation receivers ------------------------------------------------
inline constexpr Variable Vor1DmeDistance{0x0300, 2, Encoding::Unsigned, R, "VOR1 DME distance", "nautical miles x 10"};
inline constexpr Variable Vor1DmeSpeed{0x0302, 2, Encoding::Unsigned, R, "VOR1 DME speed", "knots x 10"};
inline constexpr Variable Vor1DmeTime{0x0304, 2, Encoding::Unsigned, R, "VOR1 DME time", "seconds x 10"};
inline constexpr Variable Vor2DmeDistance{0x0306, 2, Encoding::Unsigned, R, "VOR2 DME distance", "nautical miles x 10"};
inline constexpr Variable Vor2DmeSpeed{0x0308, 2, Encoding::Unsigned, R, "VOR2 DME speed", "knots x 10"};
inline constexpr Variable Vor2DmeTime{0x030A, 2, Encoding::Unsigned, R, "VOR2 DME time", "seconds x 10"};
inline constexpr Variable InnerMarker{0x0BAC, 2, Encoding::Signed, R, "inner marker", "> 0 = on"};
inline constexpr Variable MiddleMarker{0x0BAE, 2, Encoding::Signed, R, "middle marker", "> 0 = on"};
inline constexpr Variable OuterMarker{0x0BB0, 2, Encoding::Signed, R, "outer marker", "> 0 = on"};
inline constexpr Variable LocaliserDeviation{0x0C48, 1, Encoding::Signed, R, "localiser deviation", "-127..127"};
inline constexpr Variable GlideslopeDeviation{0x0C49, 1, Encoding::Signed, R, "glideslope deviation", "-127..127"};
inline constexpr Variable Nav1ToFrom{0x0C4B, 1, Encoding::Unsigned, R, "NAV1 TO/FROM flag", "0 none, 1 TO, 2 FROM"};
inline constexpr Variable Nav1LocGsFlags{0x0C4D, 1, Encoding::BitFlags, R, "NAV1 localiser/glideslope flags", "bit 7 localiser, bit 6 glideslope"};
inline constexpr Variable Vor1Radial{0x0C56, 2, Encoding::Unsigned, R, "VOR1 radial", "degrees as read"};
inline constexpr Variable Nav2ToFrom{0x0C5B, 1, Encoding::Unsigned, R, "NAV2 TO/FROM flag", "0 none, 1 TO, 2 FROM"};
inline constexpr Variable Vor2Radial{0x0C5C, 2, Encoding::Unsigned, R, "VOR2 radial", "degrees as read"};
inline constexpr Variable Vor1Ident{0x3000, 12, Encoding::Characters, R, "VOR1 identifier", "trimmed text"};
inline constexpr Variable Vor2Ident{0x301F, 12, Encoding::Characters, R, "VOR2 identifier", "trimmed text"};

// --- autopilot ------------------------------------------------------------
inline constexpr Variable AutopilotAvailable{0x0764, 4, Encoding::Unsigned, R, "autopilot available", "0 = no autopilot"};
inline constexpr Variable AutopilotMaster{0x07BC, 4, Encoding::Unsigned, RW, "autopilot master", "0 off, 1 on"};
inline constexpr Variable ApWingLeveller{0x07C0, 4, Encoding::Unsigned, RW, "autopilot wing leveller", "0 off"};
inline constexpr Variable ApNavHold{0x07C4, 4, Encoding::Unsigned, RW, "autopilot NAV hold", "0 off"};
inline constexpr Variable ApHeadingHold{0x07C8, 4, Encoding::Unsigned, RW, "autopilot heading hold", "0 off"};
inline constexpr Variable ApHeadingTarget{0x07CC, 2, Encoding::Unsigned, RW, "autopilot heading target", "degrees = v x 360 / 65536"};
inline constexpr Variable ApAltitudeHold{0x07D0, 4, Encoding::Unsigned, RW, "autopilot altitude hold", "0 off"};
inline constexpr Variable ApAltitudeTarget{0x07D4, 4, Encoding::Signed, RW, "autopilot altitude target", "metres x 65536; feet = v x 3.2808 / 65536"};
inline constexpr Variable ApVerticalSpeedTarget{0x07F2, 2, Encoding::Signed, RW, "autopilot vertical speed target", "feet per minute"};
inline constexpr Variable ApApproachHold{0x0800, 4, Encoding::Unsigned, RW, "autopilot approach hold", "0 off"};
inline constexpr Variable ApBackCourse{0x0804, 4, Encoding::Unsigned, RW, "autopilot back course", "0 off"};
inline constexpr Variable YawDamper{0x0808, 4, Encoding::Unsigned, RW, "yaw damper", "0 off"};
inline constexpr Variable Nav1Course{0x0C4E, 2, Encoding::Signed, RW, "NAV1 course (OBS)", "degrees"};
inline constexpr Variable Nav2Course{0x0C5E, 2, Encoding::Signed, RW, "NAV2 course (OBS)", "degrees"};
inline constexpr Variable NavGpsSource{0x132C, 4, Encoding::Unsigned, RW, "NAV/GPS course source", "0 NAV, 1 GPS"};
inline constexpr Variable FlightDirector{0x2EE0, 4, Encoding::Unsigned, RW, "flight director", "0 off"};

// --- flight controls, gear and attitude ----------------------------------
inline constexpr Variable OnGround{0x0366, 2, Encoding::Unsigned, R, "on-ground flag", "1 = on the ground"};
inline constexpr Variable SideslipBall{0x0380, 4, Encoding::Float32, R, "sideslip ball", "ball deflection (x 22 pixels)"};
inline constexpr Variable TurnRate{0x0384, 4, Encoding::Float32, R, "turn rate", "turn needle deflection (x 7.3 pixels)"};
inline constexpr Variable ElevatorInput{0x0BB2, 2, Encoding::Signed, W, "elevator control input", "-16383..16383"};
inline constexpr Variable AileronInput{0x0BB6, 2, Encoding::Signed, W, "aileron control input", "-16383..16383"};
inline constexpr Variable RudderInput{0x0BBA, 2, Encoding::Signed, W, "rudder control input", "-16383..16383"};
inline constexpr Variable ElevatorTrim{0x0BC0, 2, Encoding::Signed, RW, "elevator trim", "-16383..16383; knob = v / 7.802"};
inline constexpr Variable ParkingBrake{0x0BC8, 2, Encoding::Signed, RW, "parking brake", "0 off, 32767 on (as written)"};
// Read as signed 32-bit, written as unsigned 32-bit: the same four bytes.
inline constexpr Variable Spoilers{0x0BD0, 4, Encoding::Signed, RW, "spoilers", "0 retracted, 16383 full"};
inline constexpr Variable GearLever{0x0BE8, 4, Encoding::Signed, RW, "gear lever", "0 up, otherwise down (16383 as written)"};
inline constexpr Variable GearNose{0x0BEC, 4, Encoding::Signed, R, "nose gear position", "0 up, 16383 down, other values moving"};
inline constexpr Variable GearRight{0x0BF0, 4, Encoding::Signed, R, "right gear position", "0 up, 16383 down, other values moving"};
inline constexpr Variable GearLeft{0x0BF4, 4, Encoding::Signed, R, "left gear position", "0 up, 16383 down, other values moving"};
inline constexpr Variable Flaps{0x0BFC, 1, Encoding::Unsigned, RW, "flaps", "flap detent number"};
inline constexpr Variable AileronTrim{0x0C02, 2, Encoding::Signed, RW, "aileron trim", "knob = v / 164"};
inline constexpr Variable RudderTrim{0x0C04, 2, Encoding::Signed, RW, "rudder trim", "knob = v / 164"};
inline constexpr Variable TailWheelLock{0x2A90, 4, Encoding::Unsigned, RW, "tail-wheel lock", "0 off"};
inline constexpr Variable Pitch{0x2F70, 8, Encoding::Float64, R, "pitch", "degrees; the panel shows the negated value"};
inline constexpr Variable Bank{0x2F78, 8, Encoding::Float64, R, "bank", "degrees; the panel shows the negated value"};

// --- engines (engine 1..4) -----------------------------------------------
// The lever and engine-state block repeats every 0x98 bytes from engine 1
// upward, the second engine block every 0xC0 bytes from engine 1 downward.
constexpr Engines perEngine(std::uint16_t e1, std::uint16_t e2, std::uint16_t e3, std::uint16_t e4, std::uint16_t size,
                            Encoding enc, Direction dir, std::string_view meaning, std::string_view scaling)
{
    return {Variable{e1, size, enc, dir, meaning, scaling}, Variable{e2, size, enc, dir, meaning, scaling},
            Variable{e3, size, enc, dir, meaning, scaling}, Variable{e4, size, enc, dir, meaning, scaling}};
}

// Read for all four engines; written here for engines 3 and 4 only (engines
// 1 and 2 are written at ThrottleLeverSet1/2, see ThrottleLeverWrite).
inline constexpr Engines ThrottleLever = perEngine(0x088C, 0x0924, 0x09BC, 0x0A54, 2, Encoding::Signed, RW, "throttle lever", "percent = v x 100 / 16384");
inline constexpr Engines PropellerLever = perEngine(0x088E, 0x0926, 0x09BE, 0x0A56, 2, Encoding::Signed, RW, "propeller lever", "percent = v x 100 / 16384");
inline constexpr Engines MixtureLever = perEngine(0x0890, 0x0928, 0x09C0, 0x0A58, 2, Encoding::Signed, RW, "mixture lever", "percent = v x 100 / 16384");
inline constexpr Engines Magnetos = perEngine(0x0892, 0x092A, 0x09C2, 0x0A5A, 2, Encoding::Unsigned, RW, "magnetos and starter", "0 off .. 4 start");
inline constexpr Engines Combustion = perEngine(0x0894, 0x092C, 0x09C4, 0x0A5C, 2, Encoding::Unsigned, R, "combustion", "0 = not running");
inline constexpr Variable ThrottleLeverSet1{0x089A, 2, Encoding::Signed, W, "throttle lever as written, engine 1", "0..16384"};
inline constexpr Variable ThrottleLeverSet2{0x0932, 2, Encoding::Signed, W, "throttle lever as written, engine 2", "0..16384"};
inline constexpr Engines CarbHeat = perEngine(0x08B2, 0x094A, 0x09E2, 0x0A7A, 2, Encoding::Signed, RW, "carburettor heat", "0 = off");
inline constexpr Engines OilTemperature = perEngine(0x08B8, 0x0950, 0x09E8, 0x0A80, 2, Encoding::Signed, R, "oil temperature", "degrees Celsius = v x 140 / 16384");
inline constexpr Engines OilPressure = perEngine(0x08BA, 0x0952, 0x09EA, 0x0A82, 2, Encoding::Unsigned, R, "oil pressure", "psi = v x 55 / 16384");
inline constexpr Engines ManifoldPressure = perEngine(0x08C0, 0x0958, 0x09F0, 0x0A88, 2, Encoding::Unsigned, R, "manifold pressure", "inches of mercury = v / 1024");
inline constexpr Engines HydraulicPressure = perEngine(0x08D8, 0x0970, 0x0A08, 0x0AA0, 4, Encoding::Signed, R, "hydraulic pressure", "shown as v / 4");
inline constexpr Engines CylinderHeadTemperature = perEngine(0x08E8, 0x0980, 0x0A18, 0x0AB0, 8, Encoding::Float64, R, "cylinder head temperature", "degrees Fahrenheit");
inline constexpr Engines FuelPressure = perEngine(0x08F8, 0x0990, 0x0A28, 0x0AC0, 4, Encoding::Signed, R, "fuel pressure", "psi = v / 144");
inline constexpr Engines FuelFlow = perEngine(0x0918, 0x09B0, 0x0A48, 0x0AE0, 8, Encoding::Float64, R, "fuel flow", "pounds per hour");
inline constexpr Engines Torque = perEngine(0x0920, 0x09B8, 0x0A50, 0x0AE8, 4, Encoding::Float32, R, "torque", "foot-pounds");
inline constexpr Engines PropellerRpm = perEngine(0x2400, 0x2500, 0x2600, 0x2700, 8, Encoding::Float64, R, "propeller RPM", "revolutions per minute");
// Engines 3 and 4 sit 0x10 below the 0x100 stride of engines 1 and 2.
inline constexpr Engines PropellerFeather = perEngine(0x2434, 0x2534, 0x2624, 0x2724, 4, Encoding::Unsigned, RW, "propeller feather switch", "0 off, 1 feathered");
inline constexpr Engines FuelValve = perEngine(0x3590, 0x3594, 0x3598, 0x359C, 4, Encoding::Unsigned, RW, "fuel valve", "0 = closed");
// Read for engine 1 only; the panel writes all four.
inline constexpr Engines CowlFlaps = perEngine(0x37F0, 0x3730, 0x3670, 0x35B0, 8, Encoding::Float64, RW, "cowl flaps", "fraction 0..1 (knob = v x 10)");
inline constexpr Engines AirMassRatio = perEngine(0x3818, 0x3758, 0x3698, 0x35D8, 8, Encoding::Float64, R, "air mass ratio", "ratio");
inline constexpr Engines CarbAirTemperature = perEngine(0x3828, 0x3768, 0x36A8, 0x35E8, 8, Encoding::Float64, R, "carburettor air temperature", "degrees Rankine (F = v - 459.67)");
inline constexpr Engines EngineAlarm = perEngine(0x3AE0, 0x3A20, 0x3960, 0x38A0, 4, Encoding::Unsigned, R, "engine alarm flag", "exactly 1 turns the running lamp red");
inline constexpr Engines ExhaustGasTemperature = perEngine(0x3B70, 0x3AB0, 0x39F0, 0x3930, 8, Encoding::Float64, R, "exhaust gas temperature", "degrees Rankine (F = v - 459.67)");
inline constexpr Engines Generator = perEngine(0x3B78, 0x3AB8, 0x39F8, 0x3938, 4, Encoding::Unsigned, RW, "generator switch", "0 = off");
inline constexpr Engines FuelPumpSwitch = perEngine(0x3B98, 0x3AD8, 0x3A18, 0x3958, 4, Encoding::Unsigned, R, "fuel pump switch", "0 = off");

// Where each engine's throttle is written (engines 3 and 4 share the offset
// they are read from).
inline constexpr Engines ThrottleLeverWrite{ThrottleLeverSet1, ThrottleLeverSet2, ThrottleLever[2], ThrottleLever[3]};

inline constexpr Variable ApuMaster{0x0B51, 1, Encoding::Unsigned, RW, "APU master switch", "0 off, 1 on"};
inline constexpr Variable ApuStarter{0x0B52, 1, Encoding::Unsigned, RW, "APU starter", "1 = started"};
inline constexpr Variable ApuLamp{0x0B53, 1, Encoding::Unsigned, R, "APU lamp flag", "non-zero = lamp red (APU Fire)"};
inline constexpr Variable ApuRpm{0x0B54, 4, Encoding::Float32, R, "APU RPM", "percent"};
inline constexpr Variable ApuStart{0x0B58, 4, Encoding::Float32, W, "APU start value", "100.0 to start, 0.0 to stop"};
inline constexpr Variable ApuVoltage{0x0B5C, 4, Encoding::Float32, R, "APU voltage", "volts, as shown"};
inline constexpr Variable AutoFeather{0x2E88, 4, Encoding::Unsigned, RW, "auto-feather", "0 = off"};
inline constexpr Variable PropSync{0x2EC8, 2, Encoding::Unsigned, RW, "propeller synchronisation", "0 = off"};
inline constexpr Variable HydraulicPumps{0x341E, 1, Encoding::BitFlags, RW, "hydraulic pump switches", "one bit per pump (15 = four pumps); knob = N(v / 15)"};

// --- fuel -------------------------------------------------------------------
inline constexpr Variable TankSelector1{0x0AF8, 2, Encoding::Signed, RW, "tank selector 1", "selector value 0..20"};
inline constexpr Variable TankSelector2{0x2154, 4, Encoding::Unsigned, RW, "tank selector 2", "selector value 0..20"};
inline constexpr Variable TankSelector3{0x2254, 4, Encoding::Unsigned, RW, "tank selector 3", "selector value 0..20"};
inline constexpr Variable TankSelector4{0x2354, 4, Encoding::Unsigned, RW, "tank selector 4", "selector value 0..20"};
inline constexpr std::array<Variable, 4> TankSelectors{TankSelector1, TankSelector2, TankSelector3, TankSelector4};

constexpr std::string_view kLevelScaling = "filled fraction x 8388608 (8388608 = full)";
inline constexpr Variable FuelCentreLevel{0x0B74, 4, Encoding::Signed, RW, "centre tank level", kLevelScaling};
inline constexpr Variable FuelCentreCapacity{0x0B78, 4, Encoding::Signed, R, "centre tank capacity", "US gallons"};
inline constexpr Variable FuelLeftMainLevel{0x0B7C, 4, Encoding::Signed, RW, "left main tank level", kLevelScaling};
inline constexpr Variable FuelLeftMainCapacity{0x0B80, 4, Encoding::Signed, R, "left main tank capacity", "US gallons"};
inline constexpr Variable FuelLeftAuxLevel{0x0B84, 4, Encoding::Signed, RW, "left auxiliary tank level", kLevelScaling};
inline constexpr Variable FuelLeftAuxCapacity{0x0B88, 4, Encoding::Signed, R, "left auxiliary tank capacity", "US gallons"};
inline constexpr Variable FuelLeftTipLevel{0x0B8C, 4, Encoding::Signed, RW, "left tip tank level", kLevelScaling};
inline constexpr Variable FuelLeftTipCapacity{0x0B90, 4, Encoding::Signed, R, "left tip tank capacity", "US gallons"};
inline constexpr Variable FuelRightMainLevel{0x0B94, 4, Encoding::Signed, RW, "right main tank level", kLevelScaling};
inline constexpr Variable FuelRightMainCapacity{0x0B98, 4, Encoding::Signed, R, "right main tank capacity", "US gallons"};
inline constexpr Variable FuelRightAuxLevel{0x0B9C, 4, Encoding::Signed, RW, "right auxiliary tank level", kLevelScaling};
inline constexpr Variable FuelRightAuxCapacity{0x0BA0, 4, Encoding::Signed, R, "right auxiliary tank capacity", "US gallons"};
inline constexpr Variable FuelRightTipLevel{0x0BA4, 4, Encoding::Signed, RW, "right tip tank level", kLevelScaling};
inline constexpr Variable FuelRightTipCapacity{0x0BA8, 4, Encoding::Signed, R, "right tip tank capacity", "US gallons"};
inline constexpr Variable FuelCentre2Level{0x1244, 4, Encoding::Signed, RW, "centre 2 tank level", kLevelScaling};
inline constexpr Variable FuelCentre2Capacity{0x1248, 4, Encoding::Signed, R, "centre 2 tank capacity", "US gallons"};
inline constexpr Variable FuelCentre3Level{0x124C, 4, Encoding::Signed, RW, "centre 3 tank level", kLevelScaling};
inline constexpr Variable FuelCentre3Capacity{0x1250, 4, Encoding::Signed, R, "centre 3 tank capacity", "US gallons"};
inline constexpr Variable FuelExternal1Level{0x1254, 4, Encoding::Signed, RW, "external 1 tank level", kLevelScaling};
inline constexpr Variable FuelExternal1Capacity{0x1258, 4, Encoding::Signed, R, "external 1 tank capacity", "US gallons"};
inline constexpr Variable FuelExternal2Level{0x125C, 4, Encoding::Signed, RW, "external 2 tank level", kLevelScaling};
inline constexpr Variable FuelExternal2Capacity{0x1260, 4, Encoding::Signed, R, "external 2 tank capacity", "US gallons"};
inline constexpr Variable FuelTotalQuantity{0x1264, 4, Encoding::Signed, R, "total fuel quantity", "US gallons"};
inline constexpr Variable FuelSelectedQuantity{0x1268, 4, Encoding::Signed, R, "selected fuel quantity", "US gallons"};
inline constexpr Variable FuelTotalWeight{0x126C, 4, Encoding::Signed, R, "total fuel weight", "pounds"};
inline constexpr Variable ZeroFuelWeight{0x30C0, 8, Encoding::Float64, R, "zero fuel weight", "pounds"};
inline constexpr Variable FuelPumps{0x3125, 1, Encoding::BitFlags, RW, "fuel pump switches", "bit n = fuel pump of engine n + 1"};
inline constexpr Variable Crossfeed{0x341F, 1, Encoding::Unsigned, RW, "crossfeed", "0 = off"};

// --- electrical (buses charged by engines 1..4) ---------------------------
inline constexpr Variable PitotHeat{0x029C, 2, Encoding::Signed, RW, "pitot heat", "0 off"};
inline constexpr Variable Lights{0x0D0C, 2, Encoding::BitFlags, RW, "light switches", "bit 0 navigation, 1 beacon, 2 landing, 3 taxi, 4 strobe, 5 panel, 6 recognition, 7 wing, 8 logo, 9 cabin"};
inline constexpr Variable BatteryVoltage{0x2834, 8, Encoding::Float64, RW, "battery voltage", "volts"};
inline constexpr Variable MainBusVoltage{0x2840, 8, Encoding::Float64, R, "main bus voltage", "volts"};
inline constexpr Variable MainBusCurrent{0x2848, 8, Encoding::Float64, R, "main bus current", "amperes"};
inline constexpr Engines BusVoltage = perEngine(0x2880, 0x2890, 0x28A0, 0x28B0, 8, Encoding::Float64, R, "bus voltage", "volts");
inline constexpr Engines BusCurrent = perEngine(0x2888, 0x2898, 0x28A8, 0x28B8, 8, Encoding::Float64, R, "bus current", "amperes");
inline constexpr Variable MasterBattery{0x3102, 1, Encoding::Unsigned, RW, "master battery", "1 = on"};
inline constexpr Variable NoSmokingSign{0x341C, 1, Encoding::Unsigned, RW, "no smoking sign", "0 off"};
inline constexpr Variable SeatBeltSign{0x341D, 1, Encoding::Unsigned, RW, "seat belt sign", "0 off"};

// --- aircraft description, date and time ---------------------------------
inline constexpr Variable SituationPath{0x0024, 256, Encoding::Characters, R, "path of the flight (situation) loaded", "text"};
// The refresh tick reads hour, minute and second as one 3-byte block.
inline constexpr Variable ClockHour{0x0238, 1, Encoding::Unsigned, RW, "simulator clock hour", "hours"};
inline constexpr Variable ClockMinute{0x0239, 1, Encoding::Unsigned, RW, "simulator clock minute", "minutes"};
inline constexpr Variable ClockSecond{0x023A, 1, Encoding::Unsigned, R, "simulator clock second", "seconds"};
inline constexpr Variable DateSecondNumber{0x023D, 1, Encoding::Unsigned, R, "second number of the flight date", "number (day of the month)"};
inline constexpr Variable DayOfYear{0x023E, 2, Encoding::Unsigned, W, "simulator date: day", "day of the year 1..366"};
inline constexpr Variable Year{0x0240, 2, Encoding::Unsigned, W, "simulator date: year", "year"};
inline constexpr Variable DateFirstNumber{0x0244, 1, Encoding::Unsigned, R, "first number of the flight date", "number (month)"};
inline constexpr Variable Season{0x0248, 2, Encoding::Unsigned, R, "season", "0 winter, 1 spring, 2 summer, 3 fall"};
inline constexpr Variable DateYear{0x024A, 2, Encoding::Unsigned, R, "year of the flight date", "year"};
inline constexpr Variable AutoRudder{0x0278, 2, Encoding::Signed, R, "auto-rudder", "non-zero = on"};
inline constexpr Variable StallSpeedFlaps{0x0538, 8, Encoding::Float64, R, "stall speed, full flaps", "feet per second; knots = v x 0.592484"};
inline constexpr Variable StallSpeedClean{0x0540, 8, Encoding::Float64, R, "clean stall speed", "feet per second; knots = v x 0.592484"};
inline constexpr Variable CruiseSpeed{0x0548, 8, Encoding::Float64, R, "cruise speed", "feet per second; knots = v x 0.592484"};
inline constexpr Variable EngineType{0x0609, 1, Encoding::Unsigned, R, "engine type", "0 piston, 1 jet, 2 sail, 3 helo, 4 rocket, 5 turboprop"};
inline constexpr Variable RetractableGear{0x060C, 2, Encoding::Unsigned, R, "retractable gear", "0 = fixed"};
inline constexpr Variable HasFlaps{0x0778, 4, Encoding::Unsigned, R, "aircraft has flaps", "0 = none"};
inline constexpr Variable HasMixture{0x0780, 4, Encoding::Unsigned, R, "aircraft has mixture control", "0 = none"};
inline constexpr Variable HasCarbHeat{0x0784, 4, Encoding::Unsigned, R, "aircraft has carburettor heat", "0 = none"};
inline constexpr Variable HasSpoilers{0x078C, 4, Encoding::Unsigned, R, "aircraft has spoilers", "0 = none"};
inline constexpr Variable TailDragger{0x0790, 4, Encoding::Unsigned, R, "aircraft is a tail dragger", "0 = no"};
inline constexpr Variable EngineCount{0x0AEC, 2, Encoding::Signed, R, "number of engines", "count"};
inline constexpr Variable PropellerType{0x0AF0, 2, Encoding::Unsigned, W, "propeller type", "0 fixed, 1 constant speed, 2 automatic"};
inline constexpr Variable TankSelectorCount{0x123E, 1, Encoding::Unsigned, R, "number of tank selectors", "count"};
inline constexpr Variable UnlimitedFuel{0x123F, 1, Encoding::Unsigned, R, "unlimited fuel", "1 = set"};
inline constexpr Variable EmptyWeight{0x1330, 4, Encoding::Signed, R, "empty weight", "weight x 256 (shown as N(v / 256))"};
inline constexpr Variable GrossWeight{0x1334, 4, Encoding::Signed, R, "gross weight", "weight x 256 (shown as N(v / 256))"};
inline constexpr Variable CaptionThird{0x3130, 12, Encoding::Characters, R, "third part of the aircraft caption", "text"};
inline constexpr Variable TailNumber{0x313C, 12, Encoding::Characters, R, "tail number", "text"};
inline constexpr Variable Airline{0x3148, 24, Encoding::Characters, R, "airline", "text"};
inline constexpr Variable CaptionFirst{0x3160, 24, Encoding::Characters, R, "first part of the aircraft caption", "text"};
inline constexpr Variable FlapDetents{0x3BF8, 2, Encoding::Unsigned, R, "number of flap detents (flap knob maximum)", "count"};
inline constexpr Variable Title{0x3D00, 256, Encoding::Characters, R, "aircraft title (second part of the caption)", "text"};

// --- failures, doors, view and simulation rate ----------------------------
inline constexpr Variable ZoomFactor{0x02B2, 2, Encoding::Unsigned, R, "view zoom factor", "zoom = v / 64 (truncated)"};
inline constexpr Variable Ice2{0x0348, 2, Encoding::Unsigned, R, "ice (second indicator)", "non-zero = ice"};
inline constexpr Variable Ice1{0x034A, 2, Encoding::Unsigned, R, "ice (first indicator)", "non-zero = ice"};
inline constexpr Variable StallWarning{0x036C, 1, Encoding::Unsigned, R, "stall warning", "non-zero = on"};
inline constexpr Variable OverspeedWarning{0x036D, 1, Encoding::Unsigned, R, "overspeed warning", "non-zero = on"};
inline constexpr Variable HydraulicsFailure{0x0B62, 1, Encoding::Unsigned, R, "hydraulics failure", "non-zero = failed"};
inline constexpr Variable BrakeFailure{0x0B63, 1, Encoding::Unsigned, R, "brake failure", "non-zero = failed"};
inline constexpr Variable ElectricalFailure{0x0B6A, 1, Encoding::Unsigned, R, "electrical failure", "non-zero = failed"};
inline constexpr Variable EngineFailure{0x0B6B, 1, Encoding::Unsigned, R, "engine failure", "non-zero = failed"};
inline constexpr Variable VacuumFailure{0x0B73, 1, Encoding::Unsigned, R, "vacuum failure", "non-zero = failed"};
inline constexpr Variable SimulationRate{0x0C1A, 2, Encoding::Signed, RW, "simulation rate", "rate x 256; 0 written to pause, 256 to resume"};
inline constexpr Variable EngineFire{0x3366, 1, Encoding::Unsigned, R, "engine fire", "non-zero = fire"};
inline constexpr Variable Doors{0x3367, 1, Encoding::BitFlags, RW, "doors", "bit 0 main door, bits 1..7 doors 2..8; 1 = open"};

} // namespace var

namespace catalogue {

// One fuel tank of the fuel panel, in the order the panel processes them.
struct FuelTank {
    std::string_view name;
    Variable level;
    Variable capacity;
};

inline constexpr std::array<FuelTank, 11> FuelTanks{{
    {"centre", var::FuelCentreLevel, var::FuelCentreCapacity},
    {"centre 2", var::FuelCentre2Level, var::FuelCentre2Capacity},
    {"centre 3", var::FuelCentre3Level, var::FuelCentre3Capacity},
    {"left main", var::FuelLeftMainLevel, var::FuelLeftMainCapacity},
    {"right main", var::FuelRightMainLevel, var::FuelRightMainCapacity},
    {"left auxiliary", var::FuelLeftAuxLevel, var::FuelLeftAuxCapacity},
    {"left tip", var::FuelLeftTipLevel, var::FuelLeftTipCapacity},
    {"right auxiliary", var::FuelRightAuxLevel, var::FuelRightAuxCapacity},
    {"right tip", var::FuelRightTipLevel, var::FuelRightTipCapacity},
    {"external 1", var::FuelExternal1Level, var::FuelExternal1Capacity},
    {"external 2", var::FuelExternal2Level, var::FuelExternal2Capacity},
}};

// Every variable once, ordered by offset.
std::span<const Variable> allVariables();

// The variable starting at this offset, or null.
const Variable *findVariable(std::uint32_t offset);

} // namespace catalogue
