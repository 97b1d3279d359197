#pragma once
// The aircraft model on its own, as the tests drive it: an offset space
// loaded from a preset, the model taking it over, and steps on demand.
#include "aircraftmodel.h"
#include "aircraftpresets.h"
#include "catalogue.h"
#include "simtestutil.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string_view>

class ModelRig {
public:
    explicit ModelRig(std::string_view aircraft, std::optional<Scenario> scenario = std::nullopt)
    {
        m_preset = findPreset(aircraft);
        if (!m_preset) {
            ADD_FAILURE() << "no preset " << aircraft;
            m_preset = findPreset(kDefaultAircraft);
        }
        loadPreset(space, *m_preset, testDate());
        model.load(*m_preset, space);
        if (scenario)
            model.applyScenario(*scenario, space);
    }

    void step(int n = 1)
    {
        for (int i = 0; i < n; ++i)
            model.step(space);
    }
    void seconds(double s) { step(int(std::lround(s / AircraftModel::kStepSeconds))); }

    // Steps until the condition holds, at most `limit` seconds; true when it did.
    template <class Condition>
    bool until(Condition condition, double limit)
    {
        for (double t = 0; t < limit; t += AircraftModel::kStepSeconds) {
            if (condition())
                return true;
            step();
        }
        return condition();
    }

    std::int64_t get(const catalogue::Variable &v) const { return space.get(v); }
    double real(const catalogue::Variable &v) const { return space.getFloat(v); }
    void set(const catalogue::Variable &v, std::int64_t value) { space.set(v, value); }
    void setReal(const catalogue::Variable &v, double value) { space.setFloat(v, value); }
    // A lever as the panel writes it, in percent.
    void lever(const catalogue::Variable &v, double percent) { set(v, conv::percentToLever(percent)); }

    double altitudeFt() const { return conv::altitudeToFeet(get(var::Altitude)); }
    double iasKts() const { return conv::knots128ToKnots(std::int32_t(get(var::IndicatedAirspeed))); }
    double heading() const { return real(var::Heading); }
    double bankRight() const { return -real(var::Bank); }
    double fpm() const { return conv::verticalSpeedToFeetPerMinute(std::int32_t(get(var::VerticalSpeed))); }
    double rpm(int e = 0) const { return real(var::PropellerRpm[e]); }
    double fuelFlow(int e = 0) const { return real(var::FuelFlow[e]); }
    double batteryVolts() const { return real(var::BatteryVoltage); }
    double tankGallons() const
    {
        double sum = 0;
        for (const catalogue::FuelTank &t : catalogue::FuelTanks)
            sum += conv::tankLevelToFraction(std::int32_t(get(t.level))) * double(get(t.capacity));
        return sum;
    }
    void headingBug(double degrees) { set(var::ApHeadingTarget, conv::degreesToAngle16(degrees)); }

    const AircraftPreset &preset() const { return *m_preset; }

    OffsetSpace space;
    AircraftModel model;

private:
    const AircraftPreset *m_preset = nullptr;
};

inline double angleBetween(double a, double b)
{
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180 ? 360 - d : d;
}
