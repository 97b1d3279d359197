#pragma once
// Packed decimal as radio frequencies and the transponder code travel: four
// decimal digits in the four low nibbles of a word, the lowest nibble the units.
#include <cstdint>

// Nibbles above 9 are not rejected: they count with their place's weight.
constexpr std::int32_t BCDToInt(std::uint32_t hWord)
{
    return std::int32_t(hWord & 0xF) + std::int32_t((hWord >> 4) & 0xF) * 10 +
           std::int32_t((hWord >> 8) & 0xF) * 100 + std::int32_t((hWord >> 12) & 0xF) * 1000;
}

// Keeps the four lowest decimal digits; higher digits are dropped. Division
// truncates toward zero as the conversion always has.
constexpr std::uint16_t IntToBCD(std::int32_t hInt)
{
    const std::int32_t t = (hInt / 1000) % 10, h = (hInt / 100) % 10, e = (hInt / 10) % 10, u = hInt % 10;
    return static_cast<std::uint16_t>((((((t << 4) | h) << 4) | e) << 4) | u);
}
