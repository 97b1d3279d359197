#include "writeeffects.h"

void WriteEffects::add(std::uint32_t first, std::uint32_t size, Effect effect)
{
    m_entries.push_back({first, size, std::move(effect)});
}

void WriteEffects::run(OffsetSpace &space, const WriteEvent &event) const
{
    const std::uint64_t end = std::uint64_t(event.offset) + event.size;
    for (const Entry &e : m_entries)
        if (event.offset < std::uint64_t(e.first) + e.size && e.first < end)
            e.effect(space, event);
}
