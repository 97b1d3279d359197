// Reads: gear lever, flaps, flap detents, pitot heat, pitot ice, APU master,
// starter and start value, APU fire lamp, hydraulics failure, day of year
// and year. Writes: gear positions, pitot ice, APU starter flag, RPM and
// voltage, the date fields.
#include "systems.h"

#include "aircraftpresets.h"
#include "engines.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kApuSpoolPercentPerSecond = 4.0;
constexpr double kApuRunningPercent = 95.0;
constexpr double kPitotMeltSeconds = 5.0;

bool hydraulicPower(const ModelState &state, const OffsetSpace &space)
{
    if (space.get(var::HydraulicsFailure))
        return false;
    if (space.get(var::HydraulicPumps) == 0)
        return state.busPowered; // electric gear and flaps
    for (int e = 0; e < state.preset->engines; ++e)
        if (space.get(var::HydraulicPressure[e]) > 0)
            return true;
    return false;
}

void moveGear(const ModelState &state, ModelIo &io, bool powered)
{
    const AircraftPreset &p = *state.preset;
    if (!p.retractableGear || p.performance.gearSeconds <= 0)
        return;
    const bool down = io.on(var::GearLever);
    if (!down && state.flight.onGround)
        return; // the squat switch keeps the gear down on the ground
    // Without hydraulics the gear can only fall, slowly, under its weight.
    const double seconds = p.performance.gearSeconds * (powered ? 1.0 : 3.0);
    if (!powered && !down)
        return;
    const struct {
        const catalogue::Variable *v;
        double speed;
    } legs[] = {{&var::GearNose, 1.2}, {&var::GearLeft, 1.0}, {&var::GearRight, 0.9}};
    for (const auto &leg : legs) {
        const double now = double(io.get(*leg.v));
        const double step = conv::iSixteen / seconds * leg.speed * io.dt;
        const double next = down ? std::min<double>(conv::iSixteen, now + step) : std::max(0.0, now - step);
        io.space.set(*leg.v, conv::N(next));
    }
}

void moveFlaps(ModelState &state, const ModelIo &io, bool powered)
{
    const double detents = double(std::max<std::int64_t>(0, io.get(var::FlapDetents)));
    const double target = std::clamp(double(io.get(var::Flaps)), 0.0, detents);
    const double seconds = std::max(0.5, state.preset->performance.flapSecondsPerDetent);
    if (!powered)
        return;
    const double step = io.dt / seconds;
    state.flapDetent += std::clamp(target - state.flapDetent, -step, step);
}

void meltPitotIce(const ModelState &state, ModelIo &io)
{
    const auto ice = io.get(var::Ice2);
    if (ice == 0 || !io.on(var::PitotHeat) || !state.busPowered)
        return;
    io.space.set(var::Ice2, std::max<std::int64_t>(0, ice - conv::N(16384.0 * io.dt / kPitotMeltSeconds) - 1));
}

void runApu(ModelState &state, const ModelIo &io)
{
    ApuState &apu = state.apu;
    const bool wanted = state.preset->apu && io.on(var::ApuMaster) && !io.on(var::ApuLamp) &&
                        (io.getFloat(var::ApuStart) >= 50.0 || io.on(var::ApuStarter));
    // The starter needs the battery; once running the APU keeps itself going.
    const bool turning = wanted && (apu.running || apu.rpmPercent > 0 || state.busPowered);
    const double step = kApuSpoolPercentPerSecond * io.dt;
    apu.rpmPercent = turning ? std::min(100.0, apu.rpmPercent + step) : std::max(0.0, apu.rpmPercent - 2.5 * step);
    apu.running = turning && apu.rpmPercent >= kApuRunningPercent;
}

int daysInYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0 ? 366 : 365; }

} // namespace

void stepSystems(ModelState &state, ModelIo &io)
{
    const bool powered = hydraulicPower(state, io.space);
    moveGear(state, io, powered);
    moveFlaps(state, io, powered);
    meltPitotIce(state, io);
    runApu(state, io);
}

void publishSystems(const ModelState &state, OffsetSpace &space)
{
    const ApuState &apu = state.apu;
    if (!state.preset->apu) {
        space.set(var::ApuStarter, 0);
        return;
    }
    space.set(var::ApuStarter, apu.rpmPercent > 0 && space.get(var::ApuMaster) != 0);
    space.setFloat(var::ApuRpm, apu.rpmPercent);
    space.setFloat(var::ApuVoltage, apu.running ? 28.0 : 0.0);
}

void applyDateWrite(OffsetSpace &space)
{
    const int year = int(space.get(var::Year));
    int day = int(space.get(var::DayOfYear));
    if (year < 1 || day < 1 || day > daysInYear(year))
        return;
    static constexpr int kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int month = 0;
    for (; month < 12; ++month) {
        const int length = kMonthDays[month] + (month == 1 && daysInYear(year) == 366);
        if (day <= length)
            break;
        day -= length;
    }
    ++month;
    space.set(var::DateFirstNumber, month);
    space.set(var::DateSecondNumber, day);
    space.set(var::DateYear, year);
    space.set(var::Season, seasonOfMonth(month));
}
