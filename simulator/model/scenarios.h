#pragma once
// Where a flight begins: parked at the gate (the preset as it is), taxiing
// with engines running, cruising on the autopilot at the aircraft's cruise
// altitude along its route, or on an ILS approach to the home airport with
// the autopilot's approach mode a little off the beam.
#include "modelstate.h"

#include <optional>
#include <span>
#include <string_view>

class OffsetSpace;

enum class Scenario { Parked, Taxi, Cruise, Approach };

std::optional<Scenario> scenarioNamed(std::string_view name);
std::string_view scenarioName(Scenario scenario);
std::span<const std::string_view> scenarioNames();

// Sets the levers, switches and targets in the space and the aircraft's
// state in the model, starting from the aircraft just loaded.
void setUpScenario(Scenario scenario, ModelState &state, OffsetSpace &space);

// Where the approach scenario starts: off the localiser to the right and
// above the glide path, so the autopilot has something to correct.
inline constexpr double kApproachStartNm = 8.0;
inline constexpr double kApproachOffsetNm = 0.2;
inline constexpr double kApproachHighFt = 150.0;
