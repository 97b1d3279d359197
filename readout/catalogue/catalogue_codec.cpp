#include "catalogue_codec.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace catalogue {

namespace {

std::size_t width(const Variable &v, std::size_t available)
{
    return std::min<std::size_t>({v.ownedSize(), available, 8});
}

} // namespace

std::int64_t decodeInteger(const Variable &v, std::span<const std::uint8_t> bytes)
{
    const std::size_t n = std::min<std::size_t>(v.ownedSize(), 8);
    std::uint64_t raw = 0;
    for (std::size_t i = 0; i < n && i < bytes.size(); ++i)
        raw |= std::uint64_t(bytes[i]) << (8 * i);
    if (v.encoding == Encoding::Signed && n < 8 && (raw >> (8 * n - 1)) & 1)
        raw |= ~std::uint64_t(0) << (8 * n);
    return static_cast<std::int64_t>(raw);
}

void encodeInteger(const Variable &v, std::int64_t value, std::span<std::uint8_t> out)
{
    const auto raw = static_cast<std::uint64_t>(value);
    const std::size_t n = width(v, out.size());
    for (std::size_t i = 0; i < n; ++i)
        out[i] = static_cast<std::uint8_t>(raw >> (8 * i));
}

double decodeFloat(const Variable &v, std::span<const std::uint8_t> bytes)
{
    if (v.encoding == Encoding::Float32 && bytes.size() >= 4) {
        std::uint32_t raw = 0;
        for (int i = 0; i < 4; ++i)
            raw |= std::uint32_t(bytes[i]) << (8 * i);
        return std::bit_cast<float>(raw);
    }
    if (v.encoding == Encoding::Float64 && bytes.size() >= 8) {
        std::uint64_t raw = 0;
        for (int i = 0; i < 8; ++i)
            raw |= std::uint64_t(bytes[i]) << (8 * i);
        return std::bit_cast<double>(raw);
    }
    return 0.0;
}

void encodeFloat(const Variable &v, double value, std::span<std::uint8_t> out)
{
    if (v.encoding == Encoding::Float32 && out.size() >= 4) {
        const auto raw = std::bit_cast<std::uint32_t>(static_cast<float>(value));
        for (int i = 0; i < 4; ++i)
            out[i] = static_cast<std::uint8_t>(raw >> (8 * i));
    } else if (v.encoding == Encoding::Float64 && out.size() >= 8) {
        const auto raw = std::bit_cast<std::uint64_t>(value);
        for (int i = 0; i < 8; ++i)
            out[i] = static_cast<std::uint8_t>(raw >> (8 * i));
    }
}

std::string decodeText(const Variable &v, std::span<const std::uint8_t> bytes)
{
    const std::size_t n = std::min<std::size_t>(v.ownedSize(), bytes.size());
    std::string text;
    for (std::size_t i = 0; i < n && bytes[i] != 0; ++i)
        text += static_cast<char>(bytes[i]);
    return text;
}

void encodeText(const Variable &v, std::string_view text, std::span<std::uint8_t> out)
{
    const std::size_t n = std::min<std::size_t>(v.ownedSize(), out.size());
    for (std::size_t i = 0; i < n; ++i)
        out[i] = i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0;
}

} // namespace catalogue
