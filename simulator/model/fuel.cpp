// Reads: tank selectors, tank levels (when the panel writes them), tank
// capacities, fuel valves, cross-feed, unlimited fuel, zero fuel weight.
// Writes: tank levels, total and selected quantity, fuel weight, gross weight.
#include "fuel.h"

#include "aircraftpresets.h"

#include <algorithm>
#include <bit>

namespace {

enum Tank : std::uint32_t {
    Centre = 1 << 0, Centre2 = 1 << 1, Centre3 = 1 << 2, LeftMain = 1 << 3, RightMain = 1 << 4, LeftAux = 1 << 5,
    LeftTip = 1 << 6, RightAux = 1 << 7, RightTip = 1 << 8, External1 = 1 << 9, External2 = 1 << 10,
};

enum class Side { Left, Centre, Right };

Side sideOf(int engine, int engines)
{
    const int twice = 2 * engine + 1;
    return twice < engines ? Side::Left : twice > engines ? Side::Right : Side::Centre;
}

std::uint32_t ownMain(Side side)
{
    return side == Side::Left ? LeftMain : side == Side::Right ? RightMain : LeftMain | RightMain;
}

std::uint32_t otherMain(Side side)
{
    return side == Side::Left ? RightMain : side == Side::Right ? LeftMain : LeftMain | RightMain;
}

double capacityOf(const OffsetSpace &space, std::size_t tank)
{
    return double(std::max<std::int64_t>(0, space.get(catalogue::FuelTanks[tank].capacity)));
}

// Engine n takes selector n; engines beyond the aircraft's selectors take
// its last one.
std::uint32_t engineTanks(const OffsetSpace &space, const AircraftPreset &p, int engine)
{
    const int index = std::clamp(engine, 0, std::max(0, std::min(p.tankSelectors, 4) - 1));
    return tanksForSelector(int(space.get(var::TankSelectors[index])), engine, p.engines, space.get(var::Crossfeed) != 0);
}

} // namespace

std::uint32_t tanksForSelector(int selector, int engine, int engines, bool crossfeed)
{
    const Side side = sideOf(engine, engines);
    std::uint32_t tanks = 0;
    switch (selector) {
    case 1: tanks = 0x7FF; break;
    case 2: tanks = LeftMain | LeftAux | LeftTip; break;
    case 3: tanks = RightMain | RightAux | RightTip; break;
    case 4: tanks = LeftAux; break;
    case 5: tanks = RightAux; break;
    case 6: tanks = Centre; break;
    case 7: tanks = Centre2; break;
    case 8: tanks = Centre3; break;
    case 9: tanks = External1; break;
    case 10: tanks = External2; break;
    case 11: tanks = RightTip; break;
    case 12: tanks = LeftTip; break;
    case 13: tanks = otherMain(side); break;
    case 14: tanks = LeftMain; break;
    case 15: tanks = RightMain; break;
    case 16: tanks = LeftMain | RightMain; break;
    case 17: tanks = External1 | External2; break;
    case 18: tanks = ownMain(side); break;
    case 19: tanks = LeftMain; break;
    case 20: tanks = RightMain; break;
    default: return 0; // 0 cut, or nothing the selector knows
    }
    return crossfeed ? tanks | otherMain(side) : tanks;
}

void stepFuel(ModelState &state, ModelIo &io)
{
    const AircraftPreset &p = *state.preset;
    auto &gallons = state.tankGallons;
    for (std::size_t t = 0; t < gallons.size(); ++t)
        if (io.written(catalogue::FuelTanks[t].level))
            gallons[t] = std::max(0.0, conv::tankLevelToFraction(std::int32_t(io.get(catalogue::FuelTanks[t].level)))) *
                         capacityOf(io.space, t);

    const bool unlimited = io.get(var::UnlimitedFuel) == 1;
    for (int e = 0; e < p.engines; ++e) {
        EngineState &engine = state.engines[e];
        const std::uint32_t tanks = engineTanks(io.space, p, e);
        std::uint32_t wet = 0;
        for (std::size_t t = 0; t < gallons.size(); ++t)
            if ((tanks >> t) & 1 && gallons[t] > 0)
                wet |= 1u << t;
        engine.fed = wet != 0 && io.on(var::FuelValve[e]);
        if (!engine.fed || unlimited || engine.fuelFlowPph <= 0)
            continue;
        // Share the burn evenly; what a tank running dry cannot give, the
        // others give.
        double burn = engine.fuelFlowPph / p.lbsPerGallon * io.dt / 3600.0;
        for (int pass = 0; pass < 2 && burn > 1e-12 && wet; ++pass) {
            const double share = burn / std::popcount(wet);
            for (std::size_t t = 0; t < gallons.size(); ++t) {
                if (!((wet >> t) & 1))
                    continue;
                const double taken = std::min(share, gallons[t]);
                gallons[t] -= taken;
                burn -= taken;
                if (gallons[t] <= 0)
                    wet &= ~(1u << t);
            }
        }
    }
}

void publishFuel(const ModelState &state, OffsetSpace &space)
{
    const AircraftPreset &p = *state.preset;
    double total = 0;
    for (std::size_t t = 0; t < state.tankGallons.size(); ++t) {
        const double capacity = capacityOf(space, t);
        if (capacity <= 0)
            continue;
        space.set(catalogue::FuelTanks[t].level, conv::fractionToTankLevel(state.tankGallons[t] / capacity));
        total += state.tankGallons[t];
    }
    std::uint32_t selected = 0;
    for (int e = 0; e < p.engines; ++e)
        selected |= engineTanks(space, p, e);
    double selectedGallons = 0;
    for (std::size_t t = 0; t < state.tankGallons.size(); ++t)
        if ((selected >> t) & 1)
            selectedGallons += state.tankGallons[t];
    const double pounds = total * p.lbsPerGallon;
    space.set(var::FuelTotalQuantity, conv::N(total));
    space.set(var::FuelSelectedQuantity, conv::N(selectedGallons));
    space.set(var::FuelTotalWeight, conv::N(pounds));
    space.set(var::GrossWeight, conv::poundsToWeight256(space.getFloat(var::ZeroFuelWeight) + pounds));
}
