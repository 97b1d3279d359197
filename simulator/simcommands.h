#pragma once
// The stand-in simulator's program options.
#include "commandwords.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

struct SimulatorOptions : LinkIdentity {
    std::string aircraft = "c172";
    // The flight to start in (parked, taxi, cruise, approach), flying; none:
    // the aircraft parked as its preset has it, with the model frozen.
    std::string scenario;
};

// --class UIPCMAIN|FS98MAIN, --version 0xNNNNNNNN, --sim N, --aircraft NAME,
// --scenario NAME.
// Arguments after the program name. Empty on error, with the reason.
std::optional<SimulatorOptions> parseOptions(std::span<const std::string_view> args, std::string &error);
