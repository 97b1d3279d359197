// Every catalogue variable by the name it has in code (var::ParkingBrake is
// "ParkingBrake"); per-engine variables carry the engine's number
// ("ThrottleLever1" .. "ThrottleLever4").
#include "variablenames.h"

#include "catalogue.h"

#include <algorithm>

namespace {

#define ONE(name) NamedVariable{#name, var::name},
#define FOUR(name)                                                                                                     \
    NamedVariable{#name "1", var::name[0]}, NamedVariable{#name "2", var::name[1]},                                    \
        NamedVariable{#name "3", var::name[2]}, NamedVariable{#name "4", var::name[3]},

const NamedVariable kNames[] = {
    ONE(FsuipcVersion) ONE(SimulatorId) ONE(ClientVersion) ONE(GroundAltitude) ONE(MagneticVariation)
    ONE(GroundSpeed) ONE(TrueAirspeed) ONE(IndicatedAirspeed) ONE(BarberPole) ONE(VerticalSpeed)
    ONE(CompassHeading) ONE(Kollsman) ONE(Latitude) ONE(Longitude) ONE(Altitude)
    ONE(GyroDrift) ONE(OutsideAirTemperature) ONE(WindSpeed) ONE(WindDirection) ONE(QnhPressure)
    ONE(Heading) ONE(NearestAirport) ONE(NearestAirportElevation) ONE(NextWaypoint) ONE(NextWaypointEte)
    ONE(NextWaypointEta) ONE(DestinationAirport) ONE(DestinationEte) ONE(DestinationEta) ONE(AdfFrequency)
    ONE(Com1Active) ONE(Nav1Active) ONE(Nav2Active) ONE(Transponder) ONE(AdfExtension)
    ONE(Com25kHz) ONE(Nav1Present) ONE(Nav2Present) ONE(AdfSignal) ONE(Vor1Signal)
    ONE(Vor2Signal) ONE(AdfBearing) ONE(AvionicsMaster) ONE(AdfIdent) ONE(Com2Active)
    ONE(Com1Standby) ONE(Com2Standby) ONE(Nav1Standby) ONE(Nav2Standby) ONE(AudioSelector)
    ONE(RadioSwap) ONE(Vor1DmeDistance) ONE(Vor1DmeSpeed) ONE(Vor1DmeTime) ONE(Vor2DmeDistance)
    ONE(Vor2DmeSpeed) ONE(Vor2DmeTime) ONE(InnerMarker) ONE(MiddleMarker) ONE(OuterMarker)
    ONE(LocaliserDeviation) ONE(GlideslopeDeviation) ONE(Nav1ToFrom) ONE(Nav1LocGsFlags) ONE(Vor1Radial)
    ONE(Nav2ToFrom) ONE(Vor2Radial) ONE(Vor1Ident) ONE(Vor2Ident) ONE(AutopilotAvailable)
    ONE(AutopilotMaster) ONE(ApWingLeveller) ONE(ApNavHold) ONE(ApHeadingHold) ONE(ApHeadingTarget)
    ONE(ApAltitudeHold) ONE(ApAltitudeTarget) ONE(ApVerticalSpeedTarget) ONE(ApApproachHold) ONE(ApBackCourse)
    ONE(YawDamper) ONE(Nav1Course) ONE(Nav2Course) ONE(NavGpsSource) ONE(FlightDirector)
    ONE(OnGround) ONE(SideslipBall) ONE(TurnRate) ONE(ElevatorInput) ONE(AileronInput)
    ONE(RudderInput) ONE(ElevatorTrim) ONE(ParkingBrake) ONE(Spoilers) ONE(GearLever)
    ONE(GearNose) ONE(GearRight) ONE(GearLeft) ONE(Flaps) ONE(AileronTrim)
    ONE(RudderTrim) ONE(TailWheelLock) ONE(Pitch) ONE(Bank) ONE(ThrottleLeverSet1)
    ONE(ThrottleLeverSet2) ONE(ApuMaster) ONE(ApuStarter) ONE(ApuLamp) ONE(ApuRpm)
    ONE(ApuStart) ONE(ApuVoltage) ONE(AutoFeather) ONE(PropSync) ONE(HydraulicPumps)
    ONE(TankSelector1) ONE(TankSelector2) ONE(TankSelector3) ONE(TankSelector4) ONE(FuelCentreLevel)
    ONE(FuelCentreCapacity) ONE(FuelLeftMainLevel) ONE(FuelLeftMainCapacity) ONE(FuelLeftAuxLevel) ONE(FuelLeftAuxCapacity)
    ONE(FuelLeftTipLevel) ONE(FuelLeftTipCapacity) ONE(FuelRightMainLevel) ONE(FuelRightMainCapacity) ONE(FuelRightAuxLevel)
    ONE(FuelRightAuxCapacity) ONE(FuelRightTipLevel) ONE(FuelRightTipCapacity) ONE(FuelCentre2Level) ONE(FuelCentre2Capacity)
    ONE(FuelCentre3Level) ONE(FuelCentre3Capacity) ONE(FuelExternal1Level) ONE(FuelExternal1Capacity) ONE(FuelExternal2Level)
    ONE(FuelExternal2Capacity) ONE(FuelTotalQuantity) ONE(FuelSelectedQuantity) ONE(FuelTotalWeight) ONE(ZeroFuelWeight)
    ONE(FuelPumps) ONE(Crossfeed) ONE(PitotHeat) ONE(Lights) ONE(BatteryVoltage)
    ONE(MainBusVoltage) ONE(MainBusCurrent) ONE(MasterBattery) ONE(NoSmokingSign) ONE(SeatBeltSign)
    ONE(SituationPath) ONE(ClockHour) ONE(ClockMinute) ONE(ClockSecond) ONE(DateSecondNumber)
    ONE(DayOfYear) ONE(Year) ONE(DateFirstNumber) ONE(Season) ONE(DateYear)
    ONE(AutoRudder) ONE(StallSpeedFlaps) ONE(StallSpeedClean) ONE(CruiseSpeed) ONE(EngineType)
    ONE(RetractableGear) ONE(HasFlaps) ONE(HasMixture) ONE(HasCarbHeat) ONE(HasSpoilers)
    ONE(TailDragger) ONE(EngineCount) ONE(PropellerType) ONE(TankSelectorCount) ONE(UnlimitedFuel)
    ONE(EmptyWeight) ONE(GrossWeight) ONE(CaptionThird) ONE(TailNumber) ONE(Airline)
    ONE(CaptionFirst) ONE(FlapDetents) ONE(Title) ONE(ZoomFactor) ONE(Ice2)
    ONE(Ice1) ONE(StallWarning) ONE(OverspeedWarning) ONE(HydraulicsFailure) ONE(BrakeFailure)
    ONE(ElectricalFailure) ONE(EngineFailure) ONE(VacuumFailure) ONE(SimulationRate) ONE(EngineFire)
    ONE(Doors)
    FOUR(ThrottleLever) FOUR(PropellerLever) FOUR(MixtureLever)
    FOUR(Magnetos) FOUR(Combustion) FOUR(CarbHeat)
    FOUR(OilTemperature) FOUR(OilPressure) FOUR(ManifoldPressure)
    FOUR(HydraulicPressure) FOUR(CylinderHeadTemperature) FOUR(FuelPressure)
    FOUR(FuelFlow) FOUR(Torque) FOUR(PropellerRpm)
    FOUR(PropellerFeather) FOUR(FuelValve) FOUR(CowlFlaps)
    FOUR(AirMassRatio) FOUR(CarbAirTemperature) FOUR(EngineAlarm)
    FOUR(ExhaustGasTemperature) FOUR(Generator) FOUR(FuelPumpSwitch)
    FOUR(BusVoltage) FOUR(BusCurrent)
};

#undef ONE
#undef FOUR

} // namespace

std::span<const NamedVariable> namedVariables() { return kNames; }

const catalogue::Variable *variableNamed(std::string_view name)
{
    const auto it = std::find_if(std::begin(kNames), std::end(kNames), [&](const NamedVariable &n) { return n.name == name; });
    return it == std::end(kNames) ? nullptr : &it->variable;
}
