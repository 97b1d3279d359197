#pragma once
// What follows a write in the simulator: each effect watches a range of
// offsets and runs after any write that touches it, in the order added. The
// clock and the handshake registers are effects now; later behaviours (radio
// frequency swaps, levers moving the engines) plug in the same way.
#include <cstdint>
#include <functional>
#include <vector>

class OffsetSpace;

enum class WriteSource {
    Panel,   // a write record of the link
    Command, // the operator's write command
};

struct WriteEvent {
    std::uint32_t offset;
    std::uint32_t size;
    WriteSource source;
};

class WriteEffects {
public:
    using Effect = std::function<void(OffsetSpace &, const WriteEvent &)>;

    void add(std::uint32_t first, std::uint32_t size, Effect effect);
    void run(OffsetSpace &space, const WriteEvent &event) const;

private:
    struct Entry {
        std::uint32_t first, size;
        Effect effect;
    };
    std::vector<Entry> m_entries;
};
