#pragma once
// One simulator variable as the panel exchanges it: where it lives in the
// offset space, how many bytes travel, how they are encoded, and what the
// panel does with them. Converts implicitly to its 32-bit offset, so readers
// write ReadSmlInt(var::ParkingBrake) just as they would the bare number.
#include <cstdint>
#include <string_view>

namespace catalogue {

enum class Encoding : std::uint8_t {
    Unsigned,   // little-endian unsigned integer
    Signed,     // little-endian two's complement
    Float32,    // IEEE 754 single
    Float64,    // IEEE 754 double
    BCD,        // 16-bit word, four decimal digits, lowest nibble the units
    BitFlags,   // one switch per bit, bit 0 the least significant
    Characters, // fixed-length text, zero padded
};

enum class Direction : std::uint8_t { Read, Write, ReadWrite };

struct Variable {
    std::uint16_t offset;
    std::uint16_t size; // bytes that travel in one request
    Encoding encoding;
    Direction direction;
    std::string_view meaning;
    std::string_view scaling; // unit and scaling as the panel applies them
    // Bytes that carry the value when fewer than travel (0: all of them). The
    // ground elevation is fetched as 8 bytes of which the low 4 are its own;
    // the upper 4 belong to the next variable.
    std::uint16_t valueSize = 0;

    constexpr operator std::uint32_t() const { return offset; }

    constexpr std::uint16_t ownedSize() const { return valueSize ? valueSize : size; }
    constexpr std::uint32_t end() const { return std::uint32_t(offset) + ownedSize(); } // one past the last owned byte
    constexpr bool isRead() const { return direction != Direction::Write; }
    constexpr bool isWritten() const { return direction != Direction::Read; }
};

std::string_view encodingName(Encoding e);
std::string_view directionName(Direction d);

} // namespace catalogue
