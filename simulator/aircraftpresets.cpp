// One preset to a value for every catalogue variable, in the catalogue's
// groups. Absent engines read as shut down with ambient temperatures, so no
// gauge shows an absolute zero.
#include "aircraftpresets.h"

#include "catalogue.h"
#include "geo.h"
#include "offsetspace.h"
#include "simclock.h"
#include "simlink/bcd.h"

#include <cmath>
#include <ctime>
#include <string>

PresetDate todayLocal()
{
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_yday + 1,
            local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec};
}

namespace {

using catalogue::Variable;

// Stores values and remembers which variables got one.
class Filler {
public:
    explicit Filler(OffsetSpace &space) : m_space(space) {}
    void set(const Variable &v, std::int64_t value)
    {
        m_space.set(v, value);
        touch(v);
    }
    void setFloat(const Variable &v, double value)
    {
        m_space.setFloat(v, value);
        touch(v);
    }
    void setText(const Variable &v, std::string_view text)
    {
        m_space.setText(v, text);
        touch(v);
    }
    void setWord(const Variable &v, std::uint16_t word) { set(v, word); }
    std::set<std::uint16_t> written() const { return m_written; }

private:
    void touch(const Variable &v) { m_written.insert(v.offset); }
    OffsetSpace &m_space;
    std::set<std::uint16_t> m_written;
};

} // namespace

int seasonOfMonth(int month)
{
    if (month == 12 || month <= 2)
        return 0;
    if (month <= 5)
        return 1;
    return month <= 8 ? 2 : 3;
}

namespace {

void fillInstruments(Filler &f, const AircraftPreset &p, double magneticHeading)
{
    const PresetAirport &a = p.airport;
    f.set(var::GroundAltitude, conv::feetToMetres256(a.elevationFt));
    f.set(var::Altitude, conv::feetToAltitude(a.elevationFt));
    f.set(var::MagneticVariation, std::int16_t(conv::degreesToAngle16(-a.magVarEast)));
    f.set(var::GroundSpeed, 0);
    f.set(var::TrueAirspeed, 0);
    f.set(var::IndicatedAirspeed, 0);
    f.set(var::BarberPole, conv::knotsToKnots128(p.maxKts));
    f.set(var::VerticalSpeed, 0);
    f.setFloat(var::CompassHeading, magneticHeading);
    f.setFloat(var::Heading, magneticHeading);
    f.set(var::Kollsman, conv::millibarsToMb16(a.qnhMb));
    f.set(var::QnhPressure, conv::millibarsToMb16(a.qnhMb));
    f.set(var::Latitude, conv::degreesToLatitude(a.latitude));
    f.set(var::Longitude, conv::degreesToLongitude(a.longitude));
    f.set(var::GyroDrift, 0);
    f.set(var::OutsideAirTemperature, conv::celsiusToCelsius256(a.oatC));
    f.set(var::WindSpeed, std::int64_t(a.windKts));
    f.set(var::WindDirection, conv::degreesToAngle16(a.windFromDeg));
}

void fillRoute(Filler &f, const AircraftPreset &p, const PresetDate &d)
{
    f.setText(var::NearestAirport, p.airport.icao);
    f.setFloat(var::NearestAirportElevation, p.airport.elevationFt);
    f.setText(var::NextWaypoint, p.nextWaypoint);
    f.set(var::NextWaypointEte, p.nextWaypointEte);
    f.set(var::NextWaypointEta, (d.secondsOfDay + p.nextWaypointEte) % SimClock::kDay);
    f.setText(var::DestinationAirport, p.destination);
    f.set(var::DestinationEte, p.destinationEte);
    f.set(var::DestinationEta, (d.secondsOfDay + p.destinationEte) % SimClock::kDay);
}

void fillRadios(Filler &f, const PresetRadios &r, double magneticHeading)
{
    const auto adf = conv::kHzToAdfWords(r.adfKHz);
    f.setWord(var::AdfFrequency, adf.first);
    f.setWord(var::AdfExtension, adf.second);
    f.setWord(var::Com1Active, conv::mhzToRadioWord(r.com1));
    f.setWord(var::Com1Standby, conv::mhzToRadioWord(r.com1Standby));
    f.setWord(var::Com2Active, conv::mhzToRadioWord(r.com2));
    f.setWord(var::Com2Standby, conv::mhzToRadioWord(r.com2Standby));
    f.setWord(var::Nav1Active, conv::mhzToRadioWord(r.nav1));
    f.setWord(var::Nav1Standby, conv::mhzToRadioWord(r.nav1Standby));
    f.setWord(var::Nav2Active, conv::mhzToRadioWord(r.nav2));
    f.setWord(var::Nav2Standby, conv::mhzToRadioWord(r.nav2Standby));
    f.setWord(var::Transponder, IntToBCD(r.squawk));
    const std::int64_t khz = conv::N(r.com1Standby * 1000.0) % 100;
    f.set(var::Com25kHz, khz == 25 || khz == 75);
    f.set(var::Nav1Present, 1);
    f.set(var::Nav2Present, 1);
    f.set(var::AdfSignal, 1);
    f.set(var::Vor1Signal, r.vor1.toFrom != 0);
    f.set(var::Vor2Signal, r.vor2.toFrom != 0);
    f.set(var::AdfBearing, std::int16_t(conv::degreesToAngle16(r.adfBearing)));
    f.set(var::AvionicsMaster, 1);
    f.setText(var::AdfIdent, r.adfIdent);
    f.set(var::AudioSelector, 0x80 | 0x10); // COM1 and NAV1
    f.set(var::RadioSwap, 0);

    f.set(var::Vor1DmeDistance, conv::N(r.vor1.dmeNm * 10));
    f.set(var::Vor1DmeSpeed, 0);
    f.set(var::Vor1DmeTime, 0);
    f.set(var::Vor2DmeDistance, conv::N(r.vor2.dmeNm * 10));
    f.set(var::Vor2DmeSpeed, 0);
    f.set(var::Vor2DmeTime, 0);
    f.set(var::InnerMarker, 0);
    f.set(var::MiddleMarker, 0);
    f.set(var::OuterMarker, 0);
    f.set(var::LocaliserDeviation, 0);
    f.set(var::GlideslopeDeviation, 0);
    f.set(var::Nav1ToFrom, r.vor1.toFrom);
    f.set(var::Nav1LocGsFlags, 0);
    f.set(var::Vor1Radial, r.vor1.radial);
    f.set(var::Nav2ToFrom, r.vor2.toFrom);
    f.set(var::Vor2Radial, r.vor2.radial);
    f.setText(var::Vor1Ident, r.vor1.ident);
    f.setText(var::Vor2Ident, r.vor2.ident);
    f.set(var::Nav1Course, r.vor1.radial);
    f.set(var::Nav2Course, r.vor2.radial);
    f.set(var::ApHeadingTarget, conv::degreesToAngle16(magneticHeading));
}

void fillAutopilotAndControls(Filler &f, const AircraftPreset &p)
{
    f.set(var::AutopilotAvailable, p.autopilot);
    for (const Variable *v : {&var::AutopilotMaster, &var::ApWingLeveller, &var::ApNavHold, &var::ApHeadingHold,
                              &var::ApAltitudeHold, &var::ApApproachHold, &var::ApBackCourse, &var::YawDamper,
                              &var::NavGpsSource, &var::FlightDirector})
        f.set(*v, 0);
    f.set(var::ApAltitudeTarget, conv::feetToApAltitude(p.engineType == 1 ? 10000 : 4500));
    f.set(var::ApVerticalSpeedTarget, 0);

    f.set(var::OnGround, 1);
    f.setFloat(var::SideslipBall, 0.0);
    f.setFloat(var::TurnRate, 0.0);
    f.set(var::ElevatorInput, 0);
    f.set(var::AileronInput, 0);
    f.set(var::RudderInput, 0);
    f.set(var::ElevatorTrim, 600);
    f.set(var::ParkingBrake, 32767);
    f.set(var::Spoilers, 0);
    f.set(var::GearLever, 16383);
    f.set(var::GearNose, 16383);
    f.set(var::GearRight, 16383);
    f.set(var::GearLeft, 16383);
    f.set(var::Flaps, 0);
    f.set(var::AileronTrim, 0);
    f.set(var::RudderTrim, 0);
    f.set(var::TailWheelLock, 0);
    f.setFloat(var::Pitch, -p.pitchDeg); // the simulator's sign: nose up negative
    f.setFloat(var::Bank, 0.0);
}

void fillEngines(Filler &f, const AircraftPreset &p)
{
    const PresetAirport &a = p.airport;
    const double oatF = conv::celsiusToFahrenheit(a.oatC);
    const bool piston = p.engineType == 0;
    const double fieldInHg = conv::millibarsToInHg(a.qnhMb) - a.elevationFt / 1000.0;
    for (int e = 0; e < 4; ++e) {
        const bool present = e < p.engines;
        f.set(var::ThrottleLever[e], 0);
        f.set(var::PropellerLever[e], present && p.propellerType == 1 ? 16384 : 0);
        f.set(var::MixtureLever[e], present && piston ? 16384 : 0);
        f.set(var::Magnetos[e], 0);
        f.set(var::Combustion[e], 0);
        f.set(var::CarbHeat[e], 0);
        f.set(var::OilTemperature[e], conv::celsiusToOilTemperature(a.oatC));
        f.set(var::OilPressure[e], 0);
        f.set(var::ManifoldPressure[e], present && piston ? conv::inHgToManifold(fieldInHg) : 0);
        f.set(var::HydraulicPressure[e], 0);
        f.setFloat(var::CylinderHeadTemperature[e], oatF);
        f.set(var::FuelPressure[e], 0);
        f.setFloat(var::FuelFlow[e], 0.0);
        f.setFloat(var::Torque[e], 0.0);
        f.setFloat(var::PropellerRpm[e], 0.0);
        f.set(var::PropellerFeather[e], 0);
        f.set(var::FuelValve[e], present);
        f.setFloat(var::CowlFlaps[e], present && p.propellerType == 1 ? 1.0 : 0.0); // open on the ground
        f.setFloat(var::AirMassRatio[e], 0.0);
        f.setFloat(var::CarbAirTemperature[e], conv::fahrenheitToRankine(oatF));
        f.set(var::EngineAlarm[e], 0);
        f.setFloat(var::ExhaustGasTemperature[e], conv::fahrenheitToRankine(oatF));
        f.set(var::Generator[e], present);
        f.set(var::FuelPumpSwitch[e], 0);
        f.setFloat(var::BusVoltage[e], present ? p.batteryVolts : 0.0);
        f.setFloat(var::BusCurrent[e], 0.0);
    }
    f.set(var::ThrottleLeverSet1, 0);
    f.set(var::ThrottleLeverSet2, 0);
    f.set(var::ApuMaster, 0);
    f.set(var::ApuStarter, 0);
    f.set(var::ApuLamp, 0);
    f.setFloat(var::ApuRpm, 0.0);
    f.setFloat(var::ApuStart, 0.0);
    f.setFloat(var::ApuVoltage, 0.0);
    f.set(var::AutoFeather, 0);
    f.set(var::PropSync, 0);
    f.set(var::HydraulicPumps, p.hydraulicPumps);
}

void fillFuelAndElectrics(Filler &f, const AircraftPreset &p)
{
    for (int i = 0; i < 4; ++i)
        f.set(var::TankSelectors[i], i < p.tankSelectors ? p.selectorValues[i] : 0);
    double gallons = 0;
    for (std::size_t i = 0; i < catalogue::FuelTanks.size(); ++i) {
        const PresetTank &t = p.tanks[i];
        f.set(catalogue::FuelTanks[i].capacity, conv::N(t.capacityGal));
        f.set(catalogue::FuelTanks[i].level, conv::fractionToTankLevel(t.fraction));
        gallons += t.capacityGal * t.fraction;
    }
    const double fuelLbs = gallons * p.lbsPerGallon;
    f.set(var::FuelTotalQuantity, conv::N(gallons));
    f.set(var::FuelSelectedQuantity, conv::N(gallons));
    f.set(var::FuelTotalWeight, conv::N(fuelLbs));
    f.setFloat(var::ZeroFuelWeight, p.zeroFuelLbs);
    f.set(var::EmptyWeight, conv::poundsToWeight256(p.emptyLbs));
    f.set(var::GrossWeight, conv::poundsToWeight256(p.zeroFuelLbs + fuelLbs));
    f.set(var::FuelPumps, 0);
    f.set(var::Crossfeed, 0);
    f.set(var::TankSelectorCount, p.tankSelectors);
    f.set(var::UnlimitedFuel, 0);

    const bool airliner = p.engineType == 1;
    f.set(var::PitotHeat, 0);
    f.set(var::Lights, airliner ? 0x0123 : 0); // nav, beacon, panel, logo at the gate
    f.setFloat(var::BatteryVoltage, p.batteryVolts);
    f.setFloat(var::MainBusVoltage, p.batteryVolts - 0.2);
    f.setFloat(var::MainBusCurrent, p.busAmps);
    f.set(var::MasterBattery, 1);
    f.set(var::NoSmokingSign, airliner);
    f.set(var::SeatBeltSign, airliner);
}

void fillDescription(Filler &f, const AircraftPreset &p, const PresetDate &d)
{
    f.setText(var::SituationPath,
              std::string("C:\\Users\\Pilot\\Documents\\Flight Simulator X Files\\") + std::string(p.situationFile));
    const ClockBytes clock = clockBytes(d.secondsOfDay);
    f.set(var::ClockHour, clock.hour);
    f.set(var::ClockMinute, clock.minute);
    f.set(var::ClockSecond, clock.second);
    f.set(var::DateFirstNumber, d.month);
    f.set(var::DateSecondNumber, d.day);
    f.set(var::DateYear, d.year);
    f.set(var::DayOfYear, d.dayOfYear);
    f.set(var::Year, d.year);
    f.set(var::Season, seasonOfMonth(d.month));
    f.set(var::AutoRudder, 0);
    f.setFloat(var::StallSpeedFlaps, conv::knotsToFeetPerSecond(p.vs0Kts));
    f.setFloat(var::StallSpeedClean, conv::knotsToFeetPerSecond(p.vs1Kts));
    f.setFloat(var::CruiseSpeed, conv::knotsToFeetPerSecond(p.cruiseKts));
    f.set(var::EngineType, p.engineType);
    f.set(var::RetractableGear, p.retractableGear);
    f.set(var::HasFlaps, p.flapDetents > 0);
    f.set(var::HasMixture, p.mixture);
    f.set(var::HasCarbHeat, p.carbHeat);
    f.set(var::HasSpoilers, p.spoilers);
    f.set(var::TailDragger, p.tailDragger);
    f.set(var::EngineCount, p.engines);
    f.set(var::PropellerType, p.propellerType);
    f.setText(var::CaptionFirst, p.captionFirst);
    f.setText(var::Title, p.title);
    f.setText(var::CaptionThird, p.captionThird);
    f.setText(var::TailNumber, p.tailNumber);
    f.setText(var::Airline, p.airline);
    f.set(var::FlapDetents, p.flapDetents);

    f.set(var::ZoomFactor, 64);
    for (const Variable *v : {&var::Ice1, &var::Ice2, &var::StallWarning, &var::OverspeedWarning,
                              &var::HydraulicsFailure, &var::BrakeFailure, &var::ElectricalFailure,
                              &var::EngineFailure, &var::VacuumFailure, &var::EngineFire})
        f.set(*v, 0);
    f.set(var::SimulationRate, 256);
    f.set(var::Doors, p.engineType == 1 ? 0x01 : 0); // airliners at the gate, main door open
}

} // namespace

std::set<std::uint16_t> loadPreset(OffsetSpace &space, const AircraftPreset &preset, const PresetDate &date)
{
    Filler f(space);
    const double magneticHeading = geo::wrap360(preset.headingTrue - preset.airport.magVarEast);
    fillInstruments(f, preset, magneticHeading);
    fillRoute(f, preset, date);
    fillRadios(f, preset.radios, magneticHeading);
    fillAutopilotAndControls(f, preset);
    fillEngines(f, preset);
    fillFuelAndElectrics(f, preset);
    fillDescription(f, preset, date);
    return f.written();
}
