#pragma once
// The simulator's write trace, decoded through the catalogue: what the panel
// wrote, at which variable, as which value. Tests compare whole lists,
//   EXPECT_EQ(takeWrites(), (Writes{wrote(var::ParkingBrake, 32767)}));
// and a failure prints each write by its meaning and decoded value.
#include "catalogue_variable.h"

#include <QString>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

struct Written {
    std::uint16_t offset = 0;
    std::vector<std::uint8_t> bytes; // as they arrived, least significant first

    bool operator==(const Written &) const = default;
    // The bytes as the catalogue's variable at this offset reads them
    // (integers sign-extended where signed, floats as floats); "?" when no
    // variable starts here or the width differs from the variable's own.
    std::string describe() const;
};
using Writes = std::vector<Written>;

// What writing this value to the variable puts on the wire.
Written wrote(const catalogue::Variable &v, std::int64_t value);
Written wroteFloat(const catalogue::Variable &v, double value);
// A write of another width than the variable's own (a handler that writes a
// different width than the catalogue gives shows up as a mismatch).
Written wroteBytes(std::uint16_t offset, std::vector<std::uint8_t> bytes);

// One trace line "W 0xOOOO N <hex>"; an empty offset and no bytes when the
// line is not a write.
Written parseTraceLine(const QString &line);

void PrintTo(const Written &w, std::ostream *os);
