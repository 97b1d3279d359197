#pragma once
// The far end's 64 KiB offset space (offsets 0x0000..0xFFFF) as plain bytes,
// with typed access by catalogue variable. Not locked itself: the simulator
// core holds one mutex around every block and command that touches it.
#include "catalogue_variable.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

class OffsetSpace {
public:
    static constexpr std::uint32_t kSize = 0x10000;

    // True when [offset, offset + size) lies inside the space (64-bit safe).
    static constexpr bool contains(std::uint64_t offset, std::uint64_t size)
    {
        return offset < kSize && size <= kSize - offset;
    }

    // Callers check contains() first; out-of-range requests copy nothing.
    void read(std::uint32_t offset, std::span<std::uint8_t> out) const;
    void write(std::uint32_t offset, std::span<const std::uint8_t> in);
    std::span<const std::uint8_t> bytes(std::uint32_t offset, std::uint32_t size) const;
    void clear();

    // By variable, in its own width and encoding.
    void set(const catalogue::Variable &v, std::int64_t value);
    void setFloat(const catalogue::Variable &v, double value);
    void setText(const catalogue::Variable &v, std::string_view text);
    std::int64_t get(const catalogue::Variable &v) const;
    double getFloat(const catalogue::Variable &v) const;
    std::string getText(const catalogue::Variable &v) const;

private:
    std::span<std::uint8_t> own(const catalogue::Variable &v);
    std::span<const std::uint8_t> own(const catalogue::Variable &v) const;

    std::array<std::uint8_t, kSize> m_bytes{};
};
