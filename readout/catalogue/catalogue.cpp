#include "catalogue.h"

#include "simlink/bcd.h"

#include <algorithm>
#include <vector>

namespace catalogue {

std::string_view encodingName(Encoding e)
{
    switch (e) {
    case Encoding::Unsigned: return "unsigned";
    case Encoding::Signed: return "signed";
    case Encoding::Float32: return "float32";
    case Encoding::Float64: return "float64";
    case Encoding::BCD: return "BCD";
    case Encoding::BitFlags: return "bit flags";
    case Encoding::Characters: return "characters";
    }
    return "?";
}

std::string_view directionName(Direction d)
{
    switch (d) {
    case Direction::Read: return "R";
    case Direction::Write: return "W";
    case Direction::ReadWrite: return "R/W";
    }
    return "?";
}

namespace {

std::vector<Variable> buildList()
{
    using namespace var;
    std::vector<Variable> v{
        FsuipcVersion, SimulatorId, ClientVersion,
        GroundAltitude, MagneticVariation, GroundSpeed, TrueAirspeed, IndicatedAirspeed, BarberPole, VerticalSpeed,
        CompassHeading, Kollsman, Latitude, Longitude, Altitude, GyroDrift, OutsideAirTemperature, WindSpeed,
        WindDirection, QnhPressure, Heading,
        NearestAirport, NearestAirportElevation, NextWaypoint, NextWaypointEte, NextWaypointEta, DestinationAirport,
        DestinationEte, DestinationEta,
        AdfFrequency, Com1Active, Nav1Active, Nav2Active, Transponder, AdfExtension, Com25kHz, Nav1Present,
        Nav2Present, AdfSignal, Vor1Signal, Vor2Signal, AdfBearing, AvionicsMaster, AdfIdent, Com2Active, Com1Standby,
        Com2Standby, Nav1Standby, Nav2Standby, AudioSelector, RadioSwap,
        Vor1DmeDistance, Vor1DmeSpeed, Vor1DmeTime, Vor2DmeDistance, Vor2DmeSpeed, Vor2DmeTime, InnerMarker,
        MiddleMarker, OuterMarker, LocaliserDeviation, GlideslopeDeviation, Nav1ToFrom, Nav1LocGsFlags, Vor1Radial,
        Nav2ToFrom, Vor2Radial, Vor1Ident, Vor2Ident,
        AutopilotAvailable, AutopilotMaster, ApWingLeveller, ApNavHold, ApHeadingHold, ApHeadingTarget, ApAltitudeHold,
        ApAltitudeTarget, ApVerticalSpeedTarget, ApApproachHold, ApBackCourse, YawDamper, Nav1Course, Nav2Course,
        NavGpsSource, FlightDirector,
        OnGround, SideslipBall, TurnRate, ElevatorInput, AileronInput, RudderInput, ElevatorTrim, ParkingBrake, Spoilers,
        GearLever, GearNose, GearRight, GearLeft, Flaps, AileronTrim, RudderTrim, TailWheelLock, Pitch, Bank,
        ThrottleLeverSet1, ThrottleLeverSet2, ApuMaster, ApuStarter, ApuLamp, ApuRpm, ApuStart, ApuVoltage, AutoFeather,
        PropSync, HydraulicPumps,
        TankSelector1, TankSelector2, TankSelector3, TankSelector4, FuelTotalQuantity, FuelSelectedQuantity,
        FuelTotalWeight, ZeroFuelWeight, FuelPumps, Crossfeed,
        PitotHeat, Lights, BatteryVoltage, MainBusVoltage, MainBusCurrent, MasterBattery, NoSmokingSign, SeatBeltSign,
        SituationPath, ClockHour, ClockMinute, ClockSecond, DateSecondNumber, DayOfYear, Year, DateFirstNumber, Season,
        DateYear, AutoRudder, StallSpeedFlaps, StallSpeedClean, CruiseSpeed, EngineType, RetractableGear, HasFlaps,
        HasMixture, HasCarbHeat, HasSpoilers, TailDragger, EngineCount, PropellerType, TankSelectorCount, UnlimitedFuel,
        EmptyWeight, GrossWeight, CaptionThird, TailNumber, Airline, CaptionFirst, FlapDetents, Title,
        ZoomFactor, Ice2, Ice1, StallWarning, OverspeedWarning, HydraulicsFailure, BrakeFailure, ElectricalFailure,
        EngineFailure, VacuumFailure, SimulationRate, EngineFire, Doors,
    };
    for (const Engines *group :
         {&ThrottleLever, &PropellerLever, &MixtureLever, &Magnetos, &Combustion, &CarbHeat, &OilTemperature,
          &OilPressure, &ManifoldPressure, &HydraulicPressure, &CylinderHeadTemperature, &FuelPressure, &FuelFlow,
          &Torque, &PropellerRpm, &PropellerFeather, &FuelValve, &CowlFlaps, &AirMassRatio, &CarbAirTemperature,
          &EngineAlarm, &ExhaustGasTemperature, &Generator, &FuelPumpSwitch, &BusVoltage, &BusCurrent})
        v.insert(v.end(), group->begin(), group->end());
    for (const FuelTank &tank : FuelTanks) {
        v.push_back(tank.level);
        v.push_back(tank.capacity);
    }
    std::sort(v.begin(), v.end(), [](const Variable &a, const Variable &b) { return a.offset < b.offset; });
    return v;
}

} // namespace

std::span<const Variable> allVariables()
{
    static const std::vector<Variable> list = buildList();
    return list;
}

const Variable *findVariable(std::uint32_t offset)
{
    const auto list = allVariables();
    auto it = std::lower_bound(list.begin(), list.end(), offset,
                               [](const Variable &v, std::uint32_t o) { return v.offset < o; });
    return (it != list.end() && it->offset == offset) ? &*it : nullptr;
}

} // namespace catalogue

namespace conv {

double radioWordToMHz(std::uint16_t word) { return (BCDToInt(word) + 10000) / 100.0; }

std::uint16_t mhzToRadioWord(double mhz)
{
    // Whole kHz first, so 118.025 (stored as 118.02499...) keeps its digits.
    const std::int64_t hundredths = N(mhz * 1000.0) / 10;
    return IntToBCD(static_cast<std::int32_t>(hundredths - 10000));
}

double adfWordsToKHz(std::uint16_t main, std::uint16_t extension)
{
    const int m = BCDToInt(main);
    int e = BCDToInt(extension);
    double khz = m;
    if (e >= 100) {
        if (m < 1000)
            khz += 1000;
        e -= 100;
    }
    // The extension's remainder is written after the point as it stands.
    double scale = 10.0;
    for (int rest = e / 10; rest > 0; rest /= 10)
        scale *= 10.0;
    return khz + e / scale;
}

std::pair<std::uint16_t, std::uint16_t> kHzToAdfWords(double kHz)
{
    const std::int64_t tenthsTotal = N(kHz * 10.0);
    const auto whole = static_cast<std::int32_t>(tenthsTotal / 10);
    const auto tenths = static_cast<std::int32_t>(tenthsTotal % 10);
    if (whole >= 1000)
        return {IntToBCD(whole % 1000), IntToBCD(100 + tenths)};
    return {IntToBCD(whole), IntToBCD(tenths)};
}

bool isValidSquawk(std::uint16_t word)
{
    for (int shift = 0; shift < 16; shift += 4)
        if (((word >> shift) & 0xF) > 7)
            return false;
    return true;
}

} // namespace conv
