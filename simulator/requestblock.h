#pragma once
// The shared block the panel sends: request records packed from its start,
// ended by a zero identifier. The block is untrusted input: it is walked and
// checked whole before anything is applied, so a bad block changes nothing.
//
//   read  (id 1): {1, offset, size, pDest} 16 bytes, then size data bytes
//   write (id 2): {2, offset, size}        12 bytes, then size data bytes
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

class OffsetSpace;

namespace block {

constexpr std::uint32_t kEnd = 0;
constexpr std::uint32_t kRead = 1;
constexpr std::uint32_t kWrite = 2;
constexpr std::size_t kReadHeader = 16;
constexpr std::size_t kWriteHeader = 12;

// One checked record; `data` is the position of its data area in the block.
struct Record {
    std::uint32_t id;
    std::uint32_t offset;
    std::uint32_t size;
    std::size_t data;
};

enum class Fault {
    None,
    MissingEnd,      // the walk reached the block's end without a zero identifier
    UnknownId,       // neither read, write nor end
    HeaderPastEnd,   // a record header runs past the block's end
    DataPastEnd,     // a record's data runs past the block's end
    OutsideSpace,    // offset + size leaves 0x0000..0xFFFF
};
std::string_view faultText(Fault f);

// Walks the whole block. On success `records` holds every record in order and
// Fault::None comes back; otherwise `records` means nothing.
Fault parse(std::span<const std::uint8_t> bytes, std::vector<Record> &records);

// Called after each write record is stored, with the bytes as sent.
using WriteObserver = std::function<void(std::uint32_t offset, std::span<const std::uint8_t> bytes)>;

// Applies checked records in order: reads fill their data areas in place
// (headers untouched), writes store their bytes. Each write's bytes are copied
// out of the block once, so a sender changing the block meanwhile cannot make
// the stored and the reported bytes differ.
void apply(std::span<std::uint8_t> bytes, std::span<const Record> records, OffsetSpace &space,
           const WriteObserver &afterWrite);

} // namespace block
