// The far end's walk of the panel's block, fed any bytes. A block is checked
// whole before anything is applied, so:
//  - a refused block (answer 0) changes nothing, neither the offset space
//    nor the block;
//  - an accepted one (answer 1) changes only the data areas of its read
//    records; every header, every written byte and the end marker stay.
#include "simulatorcore.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// A still clock and a fixed date, so that nothing changes the space by itself.
SimulatorCore makeCore()
{
    return SimulatorCore(SimulatorOptions{}, [] { return SimClock::TimePoint{}; }, PresetDate{2024, 6, 1, 153, 43200});
}

// Marks the bytes of the block that an accepted block may change.
std::vector<bool> readDataAreas(std::span<const std::uint8_t> block)
{
    std::vector<block::Record> records;
    std::vector<bool> mayChange(block.size(), false);
    if (block::parse(block, records) != block::Fault::None)
        std::abort(); // accepted, yet not a block
    for (const block::Record &r : records)
        if (r.id == block::kRead)
            std::fill_n(mayChange.begin() + std::ptrdiff_t(r.data), r.size, true);
    return mayChange;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static SimulatorCore core = makeCore();
    const std::vector<std::uint8_t> sent(data, data + size);
    std::vector<std::uint8_t> block = sent;
    const std::vector<std::uint8_t> spaceBefore = core.peek(0, OffsetSpace::kSize);

    const int answer = core.processBlock(block);
    if (answer == 0) {
        if (core.peek(0, OffsetSpace::kSize) != spaceBefore || block != sent)
            std::abort(); // a refusal changed something
        return 0;
    }
    if (answer != 1)
        std::abort();
    const std::vector<bool> mayChange = readDataAreas(sent);
    for (std::size_t i = 0; i < size; ++i)
        if (!mayChange[i] && block[i] != sent[i])
            std::abort(); // a header, written data or the end marker changed
    return 0;
}
