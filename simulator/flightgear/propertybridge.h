#pragma once
// The property link's thread: keeps connections to FlightGear's props
// server, refreshes the far end's cache at a fixed rate with one pipelined
// batch of gets per refresh, and sends the panel's writes as sets the moment
// they are made.
//
// FlightGear reads only so much of a connection per frame, so a batch of
// hundreds of gets takes many frames on one connection; the batch is split
// over a few connections ("channels"), each sent as one pipelined write. A
// set goes on the channel that asks for its property, behind any earlier
// get of it, so a batch sent after a write sees it. On connecting it asks for /sim/aircraft and takes that
// aircraft's rows. When the connection is lost (closed, failed, or a batch
// unanswered for too long) the far end keeps serving the last values with
// the simulator-present registers cleared, and the link reconnects with a
// growing pause. Every change of state is told through `say`.
#include "propertyfarend.h"
#include "propertytable.h"
#include "propslink.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

namespace fg {

struct BridgeSettings {
    std::string host = "localhost";
    std::uint16_t port = 5401;
    int refreshHz = 20;
    int channels = 8;
    int answerTimeoutMs = 5000;  // a batch unanswered this long means the link is lost
    int connectTimeoutMs = 2000;
    int firstRetryMs = 250;      // then doubling up to maxRetryMs
    int maxRetryMs = 8000;
    std::string aircraft;        // rows of this aircraft without asking FlightGear
};

// Batch latencies (send to last answer) of the most recent refreshes.
class LatencyRecord {
public:
    static constexpr std::size_t kKept = 4096;
    void add(std::chrono::microseconds latency);
    struct Summary {
        std::uint64_t batches = 0; // all of them, not only those kept
        std::int64_t medianMicros = 0, p99Micros = 0, maxMicros = 0;
    };
    Summary summary() const;
    void clear();

private:
    mutable std::mutex m_mutex;
    std::vector<std::int64_t> m_micros; // ring of the last kKept
    std::uint64_t m_count = 0;
};

class PropertyBridge {
public:
    using Say = std::function<void(const std::string &line)>;

    PropertyBridge(PropertyFarEnd &core, PropertyTable table, BridgeSettings settings, Say say);
    ~PropertyBridge();
    PropertyBridge(const PropertyBridge &) = delete;
    PropertyBridge &operator=(const PropertyBridge &) = delete;

    void start();
    void stop(); // joins; safe to call twice

    // Sets are waiting (the far end's wake): send them now. Any thread.
    void wake();

    bool connected() const { return m_connected; }
    // Refreshes applied so far; waits until more than `beyond` have been
    // (false when the limit passes first).
    std::uint64_t refreshes() const;
    bool waitForRefresh(std::uint64_t beyond, std::chrono::milliseconds limit) const;
    std::string aircraft() const;
    LatencyRecord::Summary latency() const { return m_latency.summary(); }
    void resetLatency() { m_latency.clear(); }
    std::uint64_t connections() const { return m_connections; }

private:
    void run();
    bool openChannels(std::string &aircraft, std::string &error);
    void closeChannels();
    // Serves the open channels until the link is lost; returns why.
    std::string serve(const std::vector<std::string> &paths);
    // Each set on the channel that asks for its path (the first for others).
    bool sendSets(const std::vector<PropertySet> &sets, std::string &error);
    // Waits up to `ms` for a stop; sets arriving meanwhile are dropped.
    void pause(int ms);
    void drainWake();

    PropertyFarEnd &m_core;
    const PropertyTable m_table;
    const BridgeSettings m_settings;
    const Say m_say;
    std::vector<std::unique_ptr<PropsConnection>> m_channels;
    std::vector<std::string> m_paths; // of the present connection
    std::string m_told;               // said on its first refresh
    std::unordered_map<std::string, std::size_t> m_channelOfPath;
    LatencyRecord m_latency;
    int m_wakeFd = -1;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_connected{false};
    std::atomic<std::uint64_t> m_connections{0};
    mutable std::mutex m_stateMutex;
    mutable std::condition_variable m_refreshed;
    std::uint64_t m_refreshes = 0;
    std::string m_aircraft;
};

} // namespace fg
