// The panel's walk of the far end's answer, against a far end that serves a
// block of the panel's requests and then corrupts chosen bytes of it. The
// walk must:
//  - never write outside a destination;
//  - deliver everything or nothing: every destination gets the bytes the
//    answer holds in its data area, or keeps what it held;
//  - deliver exactly when every header and the end marker came back as sent
//    (a corrupted data area is the far end's answer, and is delivered).
//
// Input: one byte for the number of requests (1..8); per request a kind
// byte (even: read, odd: write) and a size byte (0..63); the rest are
// corruptions, three bytes each: a position (two bytes, taken modulo the
// used part of the block and a little beyond) and a value to exclusive-or.
#include "SimLinkClient.h"
#include "testfarend.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr std::size_t kGuard = 16;
constexpr std::uint8_t kGuardByte = 0xEE, kUnread = 0xA5;
constexpr std::uint16_t kReadArea = 0x1000, kWriteArea = 0x9000; // writes never touch what is read

struct Request {
    bool read;
    std::uint32_t size;
    std::size_t position; // of the header in the block
    std::vector<std::uint8_t> dest; // guards around the destination
};

struct Link {
    ScopedRuntimeDir dir;
    std::unique_ptr<TestFarEnd> far;
    Link()
    {
        m_timing.sendTimeoutMs = 1000;
        m_timing.attempts = 1;
        m_timing.retryPauseMs = 0;
        m_timing.handshakePauseMs = 0;
        far = std::make_unique<TestFarEnd>();
        std::vector<std::uint8_t> pattern(0x1000);
        for (std::size_t i = 0; i < pattern.size(); ++i)
            pattern[i] = std::uint8_t(i * 7 + 3);
        far->poke(kReadArea, pattern.data(), pattern.size());
        DWORD result = 0;
        if (!FSUIPC_Open(SIM_ANY, result))
            std::abort();
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static Link link;
    if (size < 3)
        return 0;
    const std::size_t count = 1 + data[0] % 8;
    if (size < 1 + 2 * count)
        return 0;

    std::vector<Request> requests(count);
    std::size_t used = 0;
    DWORD result = 0;
    for (std::size_t i = 0; i < count; ++i) {
        Request &r = requests[i];
        r.read = data[1 + 2 * i] % 2 == 0;
        r.size = data[2 + 2 * i] % 64;
        r.position = used;
        r.dest.assign(kGuard + r.size + kGuard, kGuardByte);
        std::fill_n(r.dest.begin() + kGuard, r.size, kUnread);
        const std::uint32_t offset = (r.read ? kReadArea : kWriteArea) + std::uint32_t(i) * 64;
        const bool queued = r.read ? FSUIPC_Read(offset, r.size, r.dest.data() + kGuard, result)
                                   : FSUIPC_Write(offset, r.size, r.dest.data() + kGuard, result);
        if (!queued)
            std::abort();
        used += (r.read ? 16 : 12) + r.size;
    }
    const std::size_t end = used; // the end marker's position

    // The far end's answer before and after the corruption.
    std::vector<std::uint8_t> before, after;
    const std::uint8_t *corruptions = data + 1 + 2 * count;
    const std::size_t corruptionCount = (size - 1 - 2 * count) / 3;
    link.far->tamper = [&](std::uint8_t *block) {
        before.assign(block, block + end + 4);
        for (std::size_t k = 0; k < corruptionCount; ++k) {
            const std::uint8_t *c = corruptions + 3 * k;
            const std::size_t at = (std::size_t(c[0]) | std::size_t(c[1]) << 8) % (end + 4 + 16);
            block[at] ^= c[2];
        }
        after.assign(block, block + end + 4);
    };
    const bool delivered = FSUIPC_Process(result);
    link.far->tamper = nullptr;
    if (before.empty())
        std::abort(); // the far end never answered

    bool intact = std::memcmp(before.data() + end, after.data() + end, 4) == 0;
    for (const Request &r : requests) {
        const std::size_t header = r.read ? 16 : 12;
        intact = intact && std::memcmp(before.data() + r.position, after.data() + r.position, header) == 0;
    }
    if (delivered != intact || (!delivered && result != FSUIPC_ERR_DATA))
        std::abort();
    for (const Request &r : requests) {
        for (std::size_t g = 0; g < kGuard; ++g)
            if (r.dest[g] != kGuardByte || r.dest[kGuard + r.size + g] != kGuardByte)
                std::abort(); // written outside the destination
        if (!r.read)
            continue;
        const std::uint8_t *got = r.dest.data() + kGuard;
        for (std::uint32_t b = 0; b < r.size; ++b) {
            const std::uint8_t want = delivered ? after[r.position + 16 + b] : kUnread;
            if (got[b] != want)
                std::abort();
        }
    }
    return 0;
}
