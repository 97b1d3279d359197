#include "bridgeoptions.h"

namespace fg {

std::optional<BridgeOptions> parseBridgeOptions(std::span<const std::string_view> args, std::string &error)
{
    static constexpr std::string_view kKnown[] = {"--class", "--version",  "--sim",      "--fg",
                                                  "--rate",  "--channels", "--aircraft", "--table"};
    BridgeOptions options;
    const bool ok = walkOptions(args, kKnown, [&](std::string_view option, std::string_view value) {
        switch (takeLinkOption(option, value, options.identity, error)) {
        case OptionUse::Taken: return true;
        case OptionUse::Bad: return false;
        case OptionUse::NotMine: break;
        }
        if (option == "--fg") {
            const std::size_t colon = value.rfind(':');
            const auto port =
                colon == std::string_view::npos ? std::nullopt : cmd::parseDecimal(value.substr(colon + 1), 65535);
            if (!port || *port == 0 || colon == 0) {
                error = "--fg must be HOST:PORT";
                return false;
            }
            options.bridge.host = std::string(value.substr(0, colon));
            options.bridge.port = static_cast<std::uint16_t>(*port);
        } else if (option == "--rate" || option == "--channels") {
            const bool rate = option == "--rate";
            const auto n = cmd::parseDecimal(value, rate ? 1000 : 16);
            if (!n || *n == 0) {
                error = rate ? "--rate must be 1..1000 refreshes a second" : "--channels must be 1..16 connections";
                return false;
            }
            (rate ? options.bridge.refreshHz : options.bridge.channels) = int(*n);
        } else if (option == "--aircraft") {
            options.bridge.aircraft = std::string(value);
        } else {
            options.tableFile = std::string(value);
        }
        return true;
    }, error);
    return ok ? std::optional(options) : std::nullopt;
}

} // namespace fg
