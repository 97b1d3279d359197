#include "commandwords.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace cmd {

std::vector<std::string_view> split(std::string_view line)
{
    std::vector<std::string_view> words;
    std::size_t i = 0;
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (i < line.size()) {
        while (i < line.size() && blank(line[i]))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && !blank(line[i]))
            ++i;
        if (i > start)
            words.push_back(line.substr(start, i - start));
    }
    return words;
}

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::optional<std::uint32_t> parseHexNumber(std::string_view text, std::uint32_t max)
{
    if (text.size() < 3 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X'))
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text.substr(2)) {
        const int d = hexDigit(c);
        if (d < 0)
            return std::nullopt;
        value = value * 16 + std::uint64_t(d);
        if (value > max)
            return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

std::optional<std::uint32_t> parseDecimal(std::string_view text, std::uint32_t max)
{
    if (text.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + std::uint64_t(c - '0');
        if (value > max)
            return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

std::optional<std::int64_t> parseInteger(std::string_view text)
{
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        std::uint64_t value = 0;
        const auto [end, error] = std::from_chars(text.data() + 2, text.data() + text.size(), value, 16);
        if (error != std::errc() || end != text.data() + text.size())
            return std::nullopt;
        return static_cast<std::int64_t>(value);
    }
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<double> parseReal(std::string_view text)
{
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::vector<std::uint8_t>> parseHexBytes(std::string_view text)
{
    if (text.empty() || text.size() % 2)
        return std::nullopt;
    std::vector<std::uint8_t> bytes;
    bytes.reserve(text.size() / 2);
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int hi = hexDigit(text[i]), lo = hexDigit(text[i + 1]);
        if (hi < 0 || lo < 0)
            return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(hi * 16 + lo));
    }
    return bytes;
}

std::string toHex(std::span<const std::uint8_t> bytes)
{
    static constexpr char digits[] = "0123456789abcdef";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (std::uint8_t b : bytes) {
        text += digits[b >> 4];
        text += digits[b & 0xF];
    }
    return text;
}

std::string offsetText(std::uint32_t offset)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%04X", offset);
    return buf;
}

} // namespace cmd

bool walkOptions(std::span<const std::string_view> args, std::span<const std::string_view> known,
                 const std::function<bool(std::string_view option, std::string_view value)> &take,
                 std::string &error)
{
    for (std::size_t i = 0; i < args.size(); i += 2) {
        const std::string_view option = args[i];
        if (std::find(known.begin(), known.end(), option) == known.end()) {
            error = "unknown option " + std::string(option);
            return false;
        }
        if (i + 1 >= args.size()) {
            error = "option " + std::string(option) + " needs a value";
            return false;
        }
        if (!take(option, args[i + 1]))
            return false;
    }
    return true;
}

OptionUse takeLinkOption(std::string_view option, std::string_view value, LinkIdentity &identity, std::string &error)
{
    if (option == "--class") {
        if (value != "UIPCMAIN" && value != "FS98MAIN") {
            error = "--class must be UIPCMAIN or FS98MAIN";
            return OptionUse::Bad;
        }
        identity.windowClass = std::string(value);
    } else if (option == "--version") {
        const auto v = cmd::parseHexNumber(value, 0xFFFFFFFFu);
        if (!v) {
            error = "--version must be 0xNNNNNNNN";
            return OptionUse::Bad;
        }
        identity.version = *v;
    } else if (option == "--sim") {
        const auto v = cmd::parseDecimal(value, 0xFFFF);
        if (!v) {
            error = "--sim must be a number 0..65535";
            return OptionUse::Bad;
        }
        identity.simIndex = static_cast<std::uint16_t>(*v);
    } else {
        return OptionUse::NotMine;
    }
    return OptionUse::Taken;
}
