#include "simcommands.h"

#include "aircraftpresets.h"
#include "scenarios.h"

std::optional<SimulatorOptions> parseOptions(std::span<const std::string_view> args, std::string &error)
{
    static constexpr std::string_view kKnown[] = {"--class", "--version", "--sim", "--aircraft", "--scenario"};
    SimulatorOptions options;
    const bool ok = walkOptions(args, kKnown, [&](std::string_view option, std::string_view value) {
        switch (takeLinkOption(option, value, options, error)) {
        case OptionUse::Taken: return true;
        case OptionUse::Bad: return false;
        case OptionUse::NotMine: break;
        }
        if (option == "--aircraft") {
            if (!findPreset(value)) {
                error = "unknown aircraft '" + std::string(value) + "'";
                return false;
            }
            options.aircraft = std::string(value);
        } else {
            if (!scenarioNamed(value)) {
                error = "unknown scenario '" + std::string(value) + "' (parked, taxi, cruise or approach)";
                return false;
            }
            options.scenario = std::string(value);
        }
        return true;
    }, error);
    return ok ? std::optional(options) : std::nullopt;
}
