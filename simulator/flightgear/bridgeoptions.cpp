#include "bridgeoptions.h"

namespace fg {

std::optional<BridgeOptions> parseBridgeOptions(std::span<const std::string_view> args, std::string &error)
{
    BridgeOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view option = args[i];
        if (option != "--class" && option != "--version" && option != "--sim" && option != "--fg" &&
            option != "--rate" && option != "--channels" && option != "--aircraft" && option != "--table") {
            error = "unknown option " + std::string(option);
            return std::nullopt;
        }
        if (i + 1 >= args.size()) {
            error = "option " + std::string(option) + " needs a value";
            return std::nullopt;
        }
        const std::string_view value = args[++i];
        switch (takeLinkOption(option, value, options.identity, error)) {
        case OptionUse::Taken: continue;
        case OptionUse::Bad: return std::nullopt;
        case OptionUse::NotMine: break;
        }
        if (option == "--fg") {
            const std::size_t colon = value.rfind(':');
            const auto port = colon == std::string_view::npos ? std::nullopt
                                                               : cmd::parseDecimal(value.substr(colon + 1), 65535);
            if (!port || *port == 0 || colon == 0) {
                error = "--fg must be HOST:PORT";
                return std::nullopt;
            }
            options.bridge.host = std::string(value.substr(0, colon));
            options.bridge.port = static_cast<std::uint16_t>(*port);
        } else if (option == "--rate") {
            const auto hz = cmd::parseDecimal(value, 1000);
            if (!hz || *hz == 0) {
                error = "--rate must be 1..1000 refreshes a second";
                return std::nullopt;
            }
            options.bridge.refreshHz = int(*hz);
        } else if (option == "--channels") {
            const auto n = cmd::parseDecimal(value, 16);
            if (!n || *n == 0) {
                error = "--channels must be 1..16 connections";
                return std::nullopt;
            }
            options.bridge.channels = int(*n);
        } else if (option == "--aircraft") {
            options.bridge.aircraft = std::string(value);
        } else if (option == "--table") {
            options.tableFile = std::string(value);
        }
    }
    return options;
}

} // namespace fg
