#include "requestblock.h"

#include "offsetspace.h"

#include <cstring>

namespace block {

namespace {

std::uint32_t u32(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return std::uint32_t(bytes[at]) | std::uint32_t(bytes[at + 1]) << 8 | std::uint32_t(bytes[at + 2]) << 16 |
           std::uint32_t(bytes[at + 3]) << 24;
}

} // namespace

std::string_view faultText(Fault f)
{
    switch (f) {
    case Fault::None: return "ok";
    case Fault::MissingEnd: return "no end marker inside the block";
    case Fault::UnknownId: return "unknown record identifier";
    case Fault::HeaderPastEnd: return "record header past the end of the block";
    case Fault::DataPastEnd: return "record data past the end of the block";
    case Fault::OutsideSpace: return "offset and size outside the offset space";
    }
    return "?";
}

Fault parse(std::span<const std::uint8_t> bytes, std::vector<Record> &records)
{
    records.clear();
    std::size_t pos = 0;
    for (;;) {
        if (bytes.size() - pos < 4)
            return Fault::MissingEnd;
        const std::uint32_t id = u32(bytes, pos);
        if (id == kEnd)
            return Fault::None;
        std::size_t header;
        if (id == kRead)
            header = kReadHeader;
        else if (id == kWrite)
            header = kWriteHeader;
        else
            return Fault::UnknownId;
        if (bytes.size() - pos < header)
            return Fault::HeaderPastEnd;
        const std::uint32_t offset = u32(bytes, pos + 4);
        const std::uint32_t size = u32(bytes, pos + 8);
        if (size > bytes.size() - pos - header)
            return Fault::DataPastEnd;
        if (!OffsetSpace::contains(offset, size))
            return Fault::OutsideSpace;
        records.push_back({id, offset, size, pos + header});
        pos += header + size;
    }
}

void apply(std::span<std::uint8_t> bytes, std::span<const Record> records, OffsetSpace &space,
           const WriteObserver &afterWrite)
{
    std::vector<std::uint8_t> data;
    for (const Record &r : records) {
        if (r.id == kRead) {
            space.read(r.offset, bytes.subspan(r.data, r.size));
        } else {
            data.assign(bytes.begin() + static_cast<std::ptrdiff_t>(r.data),
                        bytes.begin() + static_cast<std::ptrdiff_t>(r.data + r.size));
            space.write(r.offset, data);
            if (afterWrite)
                afterWrite(r.offset, data);
        }
    }
}

} // namespace block
