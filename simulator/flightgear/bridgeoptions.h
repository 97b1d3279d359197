#pragma once
// veltrano-fg's command line: how it shows itself on the link (--class,
// --version, --sim), where FlightGear's props server is (--fg HOST:PORT),
// how often it refreshes (--rate HZ) over how many connections
// (--channels N), the aircraft whose rows to take
// without asking (--aircraft NAME) and another mapping table (--table FILE).
#include "commandwords.h"
#include "propertybridge.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace fg {

struct BridgeOptions {
    LinkIdentity identity;
    BridgeSettings bridge;
    std::string tableFile; // empty: the built-in table
};

// Arguments after the program name. Empty on error, with the reason.
std::optional<BridgeOptions> parseBridgeOptions(std::span<const std::string_view> args, std::string &error);

} // namespace fg
