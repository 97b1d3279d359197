#include "simcommands.h"

#include "aircraftpresets.h"
#include "scenarios.h"

std::optional<SimulatorOptions> parseOptions(std::span<const std::string_view> args, std::string &error)
{
    SimulatorOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view option = args[i];
        if (option != "--class" && option != "--version" && option != "--sim" && option != "--aircraft" &&
            option != "--scenario") {
            error = "unknown option " + std::string(option);
            return std::nullopt;
        }
        if (i + 1 >= args.size()) {
            error = "option " + std::string(option) + " needs a value";
            return std::nullopt;
        }
        const std::string_view value = args[++i];
        switch (takeLinkOption(option, value, options, error)) {
        case OptionUse::Taken: continue;
        case OptionUse::Bad: return std::nullopt;
        case OptionUse::NotMine: break;
        }
        if (option == "--aircraft") {
            if (!findPreset(value)) {
                error = "unknown aircraft '" + std::string(value) + "'";
                return std::nullopt;
            }
            options.aircraft = std::string(value);
        } else if (option == "--scenario") {
            if (!scenarioNamed(value)) {
                error = "unknown scenario '" + std::string(value) + "' (parked, taxi, cruise or approach)";
                return std::nullopt;
            }
            options.scenario = std::string(value);
        }
    }
    return options;
}
