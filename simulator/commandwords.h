#pragma once
// The pieces of an operator's command line, shared by every far end: strict
// parsing, so a malformed number is an error and never a silently different
// value.
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cmd {

// Words separated by blanks; a trailing carriage return is ignored.
std::vector<std::string_view> split(std::string_view line);

// Hexadecimal with 0x prefix, at most max.
std::optional<std::uint32_t> parseHexNumber(std::string_view text, std::uint32_t max);
// Plain decimal digits, at most max.
std::optional<std::uint32_t> parseDecimal(std::string_view text, std::uint32_t max);
// A whole number, decimal with an optional minus sign or 0x hexadecimal.
std::optional<std::int64_t> parseInteger(std::string_view text);
// A finite decimal number.
std::optional<double> parseReal(std::string_view text);
// Pairs of hex digits, either case, at least one byte.
std::optional<std::vector<std::uint8_t>> parseHexBytes(std::string_view text);

std::string toHex(std::span<const std::uint8_t> bytes); // lower case, no spaces
std::string offsetText(std::uint32_t offset);           // 0x0C1A

} // namespace cmd

// Walks "--option value" pairs: each option must be one of `known` and have
// a value, and `take` must accept it (it sets `error` when it does not).
bool walkOptions(std::span<const std::string_view> args, std::span<const std::string_view> known,
                 const std::function<bool(std::string_view option, std::string_view value)> &take,
                 std::string &error);

// How a far end shows itself to the panel: the window class it serves and
// the handshake registers' version and simulator index.
struct LinkIdentity {
    std::string windowClass = "UIPCMAIN"; // or "FS98MAIN", standing for a network client
    std::uint32_t version = 0x49740000;   // shows as FSUIPC: 4.974
    std::uint16_t simIndex = 8;           // FSX
};

// --class UIPCMAIN|FS98MAIN, --version 0xNNNNNNNN, --sim N: NotMine for any
// other option; Bad with the reason for a value out of its range.
enum class OptionUse { NotMine, Taken, Bad };
OptionUse takeLinkOption(std::string_view option, std::string_view value, LinkIdentity &identity, std::string &error);
