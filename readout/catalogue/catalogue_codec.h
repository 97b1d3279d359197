#pragma once
// A variable's value to and from its bytes in the offset space: little-endian,
// of the variable's own width (the ground elevation's low 4 bytes of the 8
// fetched), sign-extended only where the encoding is signed.
#include "catalogue_variable.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace catalogue {

// Bytes beyond the span are taken as zero; the span is never overrun.
std::int64_t decodeInteger(const Variable &v, std::span<const std::uint8_t> bytes);
void encodeInteger(const Variable &v, std::int64_t value, std::span<std::uint8_t> out);

// Float32 and Float64 variables only; other encodings decode as 0.
double decodeFloat(const Variable &v, std::span<const std::uint8_t> bytes);
void encodeFloat(const Variable &v, double value, std::span<std::uint8_t> out);

// Text up to the first zero byte; stored zero padded, cut to the width.
std::string decodeText(const Variable &v, std::span<const std::uint8_t> bytes);
void encodeText(const Variable &v, std::string_view text, std::span<std::uint8_t> out);

} // namespace catalogue
