#pragma once
// The far end of the link, whatever stands behind it: the offset space with
// the handshake registers, the write effects, the checked application of the
// panel's blocks, the write trace and the operator's read, write, trace and
// quit commands. veltrano-sim puts its aircraft model behind it, veltrano-fg
// FlightGear's property tree.
//
// Thread use: blocks arrive on the window's serving thread, commands on the
// operator's; m_mutex keeps every block and command whole.
#include "commandwords.h"
#include "offsetspace.h"
#include "requestblock.h"
#include "writeeffects.h"

#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class FarEndCore {
public:
    static constexpr std::uint32_t kIdentifierMark = 0xFADE0000;

    using TraceSink = std::function<void(const std::string &line)>;
    // What the serving window does with the next request.
    enum class Admission { Serve, Reject, Ignore };

    FarEndCore(std::uint32_t version, std::uint16_t simIndex);
    virtual ~FarEndCore() = default;
    FarEndCore(const FarEndCore &) = delete;
    FarEndCore &operator=(const FarEndCore &) = delete;

    // One block of the link: checked whole, then applied in order. Returns the
    // message result: 1 done, 0 refused with nothing changed.
    int processBlock(std::span<std::uint8_t> block);

    // A far end without fault modes serves every request at once.
    virtual Admission admit() { return Admission::Serve; }
    // Ends (and keeps ending) any wait inside admit(); see SimulatorCore.
    virtual void cancelWaits(bool) {}

    // One command line in, one answer line out (no newline): read, write,
    // trace and quit here, more in a far end that has them.
    virtual std::string command(std::string_view line);
    bool quitRequested() const { return m_quit; }

    // Receives the "W 0xOOOO N <hex>" lines while tracing is on, on the
    // serving thread, after the block is applied and before it is answered.
    void setTraceSink(TraceSink sink);

    // Under the lock, brought up to date first.
    std::vector<std::uint8_t> peek(std::uint32_t offset, std::uint32_t size);
    std::uint16_t clientVersion() const;
    std::uint64_t refusedBlocks() const { return m_refused; }

    // Whether a simulator stands behind this far end (it does from the
    // start). Without one the version and identifier registers read 0, as on
    // a network client whose simulator is not running: a panel opening then
    // is told so and tries again, and a panel already connected is served on.
    void setSimulatorPresent(bool present);
    bool simulatorPresent() const;

protected:
    // Called with m_mutex held, before a block or an operator's read or
    // write is served.
    virtual void bringUpToDate() {}
    // Called with m_mutex held, after the writes of a block or of the
    // operator are applied.
    virtual void afterWrites() {}

    // The answer to read, write, trace or quit; nothing for other verbs.
    std::optional<std::string> commonCommand(std::span<const std::string_view> words);
    // The version and identifier registers; callers hold m_mutex.
    void writeHandshake();

    mutable std::mutex m_mutex;
    OffsetSpace m_space;
    WriteEffects m_effects;

private:
    std::string readCommand(std::span<const std::string_view> words);
    std::string writeCommand(std::span<const std::string_view> words);

    const std::uint32_t m_version;
    std::uint32_t m_identifier;
    std::uint16_t m_clientVersion = 0;
    bool m_present = true;
    std::vector<block::Record> m_records;
    TraceSink m_sink;
    std::atomic<bool> m_trace{false};
    std::atomic<bool> m_quit{false};
    std::atomic<std::uint64_t> m_refused{0};
};
