#include "propertyconversion.h"

#include "catalogue.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace fg {

namespace {

using catalogue::Encoding;

bool isFloat(const catalogue::Variable &v) { return v.encoding == Encoding::Float32 || v.encoding == Encoding::Float64; }

// Whether an integer fits the variable's own bytes with its signedness.
bool fits(const catalogue::Variable &v, std::int64_t raw)
{
    const int bits = v.ownedSize() * 8;
    if (bits >= 64)
        return v.encoding == Encoding::Signed || raw >= 0;
    if (v.encoding == Encoding::Signed)
        return raw >= -(std::int64_t(1) << (bits - 1)) && raw < (std::int64_t(1) << (bits - 1));
    return raw >= 0 && raw < (std::int64_t(1) << bits);
}

ReadOutcome storeInteger(const catalogue::Variable &v, std::int64_t raw, OffsetSpace &space)
{
    if (!fits(v, raw))
        return ReadOutcome::Refused;
    space.set(v, raw);
    return ReadOutcome::Stored;
}

// A value in the variable's own encoding: floats as they are, integers
// rounded half to even. Out of range is refused, never wrapped.
ReadOutcome storeValue(const catalogue::Variable &v, double value, OffsetSpace &space)
{
    if (!std::isfinite(value))
        return ReadOutcome::Refused;
    if (isFloat(v)) {
        if (v.encoding == Encoding::Float32 && std::fabs(value) > 3.4e38)
            return ReadOutcome::Refused;
        space.setFloat(v, value);
        return ReadOutcome::Stored;
    }
    if (std::fabs(value) >= 9.2e18)
        return ReadOutcome::Refused;
    return storeInteger(v, conv::N(value), space);
}

double storedValue(const catalogue::Variable &v, const OffsetSpace &space)
{
    return isFloat(v) ? space.getFloat(v) : double(space.get(v));
}

std::string number(double x)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.10g", x);
    return buf;
}

std::string fixedPoint(double x, int decimals)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, x);
    return buf;
}

std::string truth(bool on) { return on ? "1" : "0"; }

// Every answer of the row present and a number; otherwise why not.
ReadOutcome numbers(std::span<const std::string_view> answers, std::vector<double> &out)
{
    out.clear();
    for (std::string_view a : answers) {
        if (a.empty())
            return ReadOutcome::Missing;
        const auto x = propertyNumber(a);
        if (!x)
            return ReadOutcome::Refused;
        out.push_back(*x);
    }
    return ReadOutcome::Stored;
}

std::uint16_t squawkWord(std::int64_t code)
{
    std::uint16_t word = 0;
    for (int shift = 0; shift < 16; shift += 4, code /= 10)
        word |= std::uint16_t((code % 10) << shift);
    return word;
}

ReadOutcome storeNumbers(const PropertyRow &row, const std::vector<double> &x, OffsetSpace &space)
{
    const catalogue::Variable &v = row.variable;
    switch (row.conversion) {
    case Conversion::Scale: return storeValue(v, (x[0] + row.b) * row.a, space);
    case Conversion::Angle: {
        if (!std::isfinite(x[0]) || std::fabs(x[0]) > 1e9)
            return ReadOutcome::Refused;
        const std::uint16_t word = conv::degreesToAngle16(x[0]);
        return storeInteger(v, v.encoding == Encoding::Signed ? std::int16_t(word) : word, space);
    }
    case Conversion::Flag: return storeValue(v, x[0] != 0 ? row.a : 0, space);
    case Conversion::Clear: return storeValue(v, x[0] == 0 ? row.a : 0, space);
    case Conversion::Bit: {
        const std::int64_t mask = std::int64_t(1) << row.bit;
        const std::int64_t old = space.get(v);
        return storeInteger(v, x[0] != 0 ? (old | mask) : (old & ~mask), space);
    }
    case Conversion::Radio:
    case Conversion::Radio25:
        if (!(x[0] >= 100.0 && x[0] < 200.0))
            return ReadOutcome::Refused;
        return storeInteger(v, conv::mhzToRadioWord(x[0]), space);
    case Conversion::AdfMain:
    case Conversion::AdfExtension: {
        if (!(x[0] >= 100.0 && x[0] < 2000.0))
            return ReadOutcome::Refused;
        const auto [main, extension] = conv::kHzToAdfWords(x[0]);
        return storeInteger(v, row.conversion == Conversion::AdfMain ? main : extension, space);
    }
    case Conversion::Squawk: {
        const std::int64_t code = conv::N(x[0]);
        if (code < 0 || code > 7777 || !conv::isValidSquawk(squawkWord(code)))
            return ReadOutcome::Refused;
        return storeInteger(v, squawkWord(code), space);
    }
    case Conversion::Div:
        if (!(std::fabs(x[0]) < 1e15))
            return ReadOutcome::Refused;
        return storeValue(v, std::fmod(std::floor(std::floor(x[0]) / row.a), row.b), space);
    case Conversion::Season: {
        const std::int64_t month = conv::N(x[0]);
        if (month < 1 || month > 12)
            return ReadOutcome::Refused;
        return storeInteger(v, month % 12 / 3, space); // Dec-Feb 0, Mar-May 1, Jun-Aug 2, Sep-Nov 3
    }
    case Conversion::ToFrom: return storeInteger(v, x[0] != 0 ? 1 : x[1] != 0 ? 2 : 0, space);
    case Conversion::Rate: return storeValue(v, x[1] != 0 ? 0.0 : x[0] * 256.0, space);
    case Conversion::Magnetos: return storeValue(v, x[1] != 0 ? 4.0 : x[0], space);
    case Conversion::Fraction:
        return storeValue(v, x[1] > 0 ? x[0] / x[1] * conv::fullTank : 0.0, space);
    case Conversion::Sum: return storeValue(v, x[0] * row.a + x[1] * row.b, space);
    case Conversion::Selector: {
        const bool left = x[0] != 0, right = x[1] != 0;
        return storeInteger(v, left && right ? 1 : left ? 2 : right ? 3 : 0, space);
    }
    default: return ReadOutcome::Refused;
    }
}

} // namespace

std::optional<double> propertyNumber(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    if (text == "true")
        return 1.0;
    if (text == "false")
        return 0.0;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

ReadOutcome storeAnswers(const PropertyRow &row, std::span<const std::string_view> answers, OffsetSpace &space)
{
    switch (row.conversion) {
    case Conversion::Fixed:
    case Conversion::Swap: return ReadOutcome::Missing;
    case Conversion::Text:
        // An empty text is a text too: a receiver that lost its station.
        space.setText(row.variable, answers[0]);
        return ReadOutcome::Stored;
    case Conversion::Equals:
        return storeInteger(row.variable, (row.text == "*" ? !answers[0].empty() : answers[0] == row.text) ? 1 : 0,
                            space);
    case Conversion::Count: {
        std::int64_t present = 0;
        for (std::string_view a : answers)
            present += a.empty() ? 0 : 1;
        return storeInteger(row.variable, present, space);
    }
    default: break;
    }
    std::vector<double> x;
    if (const ReadOutcome o = numbers(answers, x); o != ReadOutcome::Stored)
        return o;
    return storeNumbers(row, x, space);
}

void storeFixed(const PropertyRow &row, OffsetSpace &space)
{
    if (row.variable.encoding == Encoding::Characters)
        space.setText(row.variable, row.text);
    else
        storeValue(row.variable, row.a, space);
}

std::vector<PropertySet> setsFor(const PropertyRow &row, OffsetSpace &space, const CurrentText &current)
{
    const catalogue::Variable &v = row.variable;
    const std::vector<std::string> &p = row.paths;
    const double raw = storedValue(v, space);
    switch (row.conversion) {
    case Conversion::Scale: return {{p[0], number(raw / row.a - row.b)}};
    case Conversion::Angle: {
        const double degrees = conv::angle16ToDegrees(std::int32_t(raw));
        return {{p[0], number(degrees < 0 && v.encoding != Encoding::Signed ? degrees + 360.0 : degrees)}};
    }
    case Conversion::Flag: return {{p[0], truth(raw != 0)}};
    case Conversion::Clear: return {{p[0], truth(raw == 0)}};
    case Conversion::Bit: {
        const bool on = (std::int64_t(raw) >> row.bit) & 1;
        // A light FlightGear does not have is not made up to be switched off.
        const auto now = propertyNumber(current(p[0]));
        if (now ? (*now != 0) == on : !on)
            return {};
        return {{p[0], truth(on)}};
    }
    case Conversion::Equals:
        if (raw == 0)
            return {{p[0], ""}};
        if (row.text == "*")
            return {}; // on, but in which mode is not the panel's to say
        return {{p[0], row.text}};
    case Conversion::Radio:
    case Conversion::Radio25: {
        const auto word = static_cast<std::uint16_t>(raw);
        if (!conv::isValidBcd(word))
            return {};
        double mhz = conv::radioWordToMHz(word);
        // The word holds two decimals; the flag says a COM frequency ends in 25 or 75 kHz.
        if (row.conversion == Conversion::Radio25 && space.get(var::Com25kHz) == 1 && (word & 0xF) % 5 == 2)
            mhz += 0.005;
        return {{p[0], fixedPoint(mhz, 3)}};
    }
    case Conversion::AdfMain:
    case Conversion::AdfExtension: {
        const auto main = static_cast<std::uint16_t>(space.get(var::AdfFrequency));
        const auto extension = static_cast<std::uint16_t>(space.get(var::AdfExtension));
        if (!conv::isValidBcd(main) || !conv::isValidBcd(extension))
            return {};
        return {{p[0], fixedPoint(conv::adfWordsToKHz(main, extension), 1)}};
    }
    case Conversion::Squawk: {
        const auto word = static_cast<std::uint16_t>(raw);
        if (!conv::isValidSquawk(word))
            return {};
        char code[8];
        std::snprintf(code, sizeof code, "%04x", word);
        return {{p[0], code}};
    }
    case Conversion::Rate:
        if (raw <= 0)
            return {{p[1], "1"}};
        return {{p[1], "0"}, {p[0], number(raw / 256.0)}};
    case Conversion::Magnetos:
        if (raw >= 4)
            return {{p[0], "3"}, {p[1], "1"}};
        return {{p[0], number(std::max(raw, 0.0))}, {p[1], "0"}};
    case Conversion::Fraction: {
        const auto capacity = propertyNumber(current(p[1]));
        if (!capacity || *capacity <= 0)
            return {};
        return {{p[0], number(raw / conv::fullTank * *capacity)}};
    }
    case Conversion::Selector: {
        const int code = int(raw);
        const bool left = code == 1 || code == 2 || code == 14 || code == 16 || code == 19;
        const bool right = code == 1 || code == 3 || code == 15 || code == 16 || code == 20;
        if (code != 0 && !left && !right)
            return {};
        return {{p[0], truth(left)}, {p[1], truth(right)}};
    }
    case Conversion::Swap: {
        const std::int64_t mask = std::int64_t(1) << row.bit;
        if (!(space.get(v) & mask))
            return {};
        space.set(v, space.get(v) & ~mask); // done, as the simulator does it
        const std::string first(current(p[0])), second(current(p[1]));
        if (first.empty() || second.empty())
            return {};
        return {{p[0], second}, {p[1], first}};
    }
    default: return {};
    }
}

} // namespace fg
