#include "offsetspace.h"

#include "catalogue_codec.h"

#include <algorithm>
#include <cstring>

void OffsetSpace::read(std::uint32_t offset, std::span<std::uint8_t> out) const
{
    if (contains(offset, out.size()) && !out.empty())
        std::memcpy(out.data(), m_bytes.data() + offset, out.size());
}

void OffsetSpace::write(std::uint32_t offset, std::span<const std::uint8_t> in)
{
    if (contains(offset, in.size()) && !in.empty())
        std::memcpy(m_bytes.data() + offset, in.data(), in.size());
}

std::span<const std::uint8_t> OffsetSpace::bytes(std::uint32_t offset, std::uint32_t size) const
{
    if (!contains(offset, size))
        return {};
    return std::span<const std::uint8_t>(m_bytes).subspan(offset, size);
}

void OffsetSpace::clear() { m_bytes.fill(0); }

std::span<std::uint8_t> OffsetSpace::own(const catalogue::Variable &v)
{
    const std::uint32_t size = std::min<std::uint32_t>(v.ownedSize(), kSize - v.offset);
    return std::span<std::uint8_t>(m_bytes).subspan(v.offset, size);
}

std::span<const std::uint8_t> OffsetSpace::own(const catalogue::Variable &v) const
{
    const std::uint32_t size = std::min<std::uint32_t>(v.ownedSize(), kSize - v.offset);
    return std::span<const std::uint8_t>(m_bytes).subspan(v.offset, size);
}

void OffsetSpace::set(const catalogue::Variable &v, std::int64_t value) { catalogue::encodeInteger(v, value, own(v)); }
void OffsetSpace::setFloat(const catalogue::Variable &v, double value) { catalogue::encodeFloat(v, value, own(v)); }
void OffsetSpace::setText(const catalogue::Variable &v, std::string_view text) { catalogue::encodeText(v, text, own(v)); }
std::int64_t OffsetSpace::get(const catalogue::Variable &v) const { return catalogue::decodeInteger(v, own(v)); }
double OffsetSpace::getFloat(const catalogue::Variable &v) const { return catalogue::decodeFloat(v, own(v)); }
std::string OffsetSpace::getText(const catalogue::Variable &v) const { return catalogue::decodeText(v, own(v)); }
