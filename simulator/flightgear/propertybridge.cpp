#include "propertybridge.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace fg {

using Clock = std::chrono::steady_clock;

void LatencyRecord::add(std::chrono::microseconds latency)
{
    std::lock_guard lock(m_mutex);
    if (m_micros.size() < kKept)
        m_micros.push_back(latency.count());
    else
        m_micros[m_count % kKept] = latency.count();
    ++m_count;
}

void LatencyRecord::clear()
{
    std::lock_guard lock(m_mutex);
    m_micros.clear();
    m_count = 0;
}

LatencyRecord::Summary LatencyRecord::summary() const
{
    std::vector<std::int64_t> sorted;
    Summary s;
    {
        std::lock_guard lock(m_mutex);
        sorted = m_micros;
        s.batches = m_count;
    }
    if (sorted.empty())
        return s;
    std::sort(sorted.begin(), sorted.end());
    s.medianMicros = sorted[sorted.size() / 2];
    s.p99Micros = sorted[std::min(sorted.size() - 1, sorted.size() * 99 / 100)];
    s.maxMicros = sorted.back();
    return s;
}

PropertyBridge::PropertyBridge(PropertyFarEnd &core, PropertyTable table, BridgeSettings settings, Say say)
    : m_core(core), m_table(std::move(table)), m_settings(std::move(settings)), m_say(std::move(say)),
      m_wakeFd(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{
    // Until FlightGear answers, the panel finds no simulator behind the link,
    // and the general rows' fixed values stand.
    m_core.setSimulatorPresent(false);
    m_core.useRows(m_table.rowsFor(m_settings.aircraft));
}

PropertyBridge::~PropertyBridge()
{
    stop();
    if (m_wakeFd >= 0)
        ::close(m_wakeFd);
}

void PropertyBridge::start()
{
    if (m_thread.joinable())
        return;
    m_stop = false;
    m_thread = std::thread([this] { run(); });
}

void PropertyBridge::stop()
{
    m_stop = true;
    wake();
    if (m_thread.joinable())
        m_thread.join();
}

void PropertyBridge::wake()
{
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t n = ::write(m_wakeFd, &one, sizeof one);
}

void PropertyBridge::drainWake()
{
    std::uint64_t count;
    [[maybe_unused]] const ssize_t n = ::read(m_wakeFd, &count, sizeof count);
}

std::string PropertyBridge::aircraft() const
{
    std::lock_guard lock(m_stateMutex);
    return m_aircraft;
}

std::uint64_t PropertyBridge::refreshes() const
{
    std::lock_guard lock(m_stateMutex);
    return m_refreshes;
}

bool PropertyBridge::waitForRefresh(std::uint64_t beyond, std::chrono::milliseconds limit) const
{
    std::unique_lock lock(m_stateMutex);
    return m_refreshed.wait_for(lock, limit, [&] { return m_refreshes > beyond; });
}

void PropertyBridge::pause(int ms)
{
    const auto until = Clock::now() + std::chrono::milliseconds(ms);
    while (!m_stop) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()).count();
        if (left <= 0)
            return;
        pollfd p{m_wakeFd, POLLIN, 0};
        if (::poll(&p, 1, int(left)) == 1) {
            drainWake();
            m_core.takeSets(); // nobody to send them to: FlightGear's values come back on reconnecting
        }
    }
}

bool PropertyBridge::openChannels(std::string &aircraft, std::string &error)
{
    closeChannels();
    for (int i = 0; i < std::max(1, m_settings.channels); ++i) {
        auto channel = std::make_unique<PropsConnection>();
        if (!channel->open(m_settings.host, m_settings.port, m_settings.connectTimeoutMs, error))
            return false;
        m_channels.push_back(std::move(channel));
    }
    aircraft = m_settings.aircraft;
    if (!aircraft.empty())
        return true;
    const auto answer = m_channels[0]->ask("/sim/aircraft", m_settings.answerTimeoutMs, error);
    if (answer)
        aircraft = *answer;
    return answer.has_value();
}

void PropertyBridge::closeChannels()
{
    m_channels.clear();
    m_channelOfPath.clear();
}

void PropertyBridge::run()
{
    const std::string where = m_settings.host + ":" + std::to_string(m_settings.port);
    int retryMs = m_settings.firstRetryMs;
    bool toldUnreachable = false;
    while (!m_stop) {
        std::string error, aircraft;
        if (openChannels(aircraft, error)) {
            {
                std::lock_guard lock(m_stateMutex);
                m_aircraft = aircraft;
            }
            m_paths = m_core.useRows(m_table.rowsFor(aircraft));
            m_told = "FLIGHTGEAR connected to " + where + ": aircraft " + (aircraft.empty() ? "unknown" : aircraft) +
                     (m_table.aircraft.count(aircraft) ? " (its own rows)" : " (general rows)") + ", " +
                     std::to_string(m_paths.size()) + " properties at " + std::to_string(m_settings.refreshHz) +
                     " Hz over " + std::to_string(m_channels.size()) + " channels";
            error = serve(m_paths);
        }
        closeChannels();
        if (m_stop)
            break;
        if (m_connected) {
            // Told once the first refresh came back: data flows.
            m_connected = false;
            m_core.setSimulatorPresent(false);
            m_say("FLIGHTGEAR lost: " + error + "; serving the last values, reconnecting");
            toldUnreachable = false;
            retryMs = m_settings.firstRetryMs;
            continue;
        }
        if (!toldUnreachable)
            m_say("FLIGHTGEAR unreachable at " + where + ": " + error + "; retrying");
        toldUnreachable = true;
        pause(retryMs);
        retryMs = std::min(retryMs * 2, m_settings.maxRetryMs);
    }
}

bool PropertyBridge::sendSets(const std::vector<PropertySet> &sets, std::string &error)
{
    std::vector<std::vector<PropertySet>> perChannel(m_channels.size());
    for (const PropertySet &s : sets) {
        const auto it = m_channelOfPath.find(s.path);
        perChannel[it == m_channelOfPath.end() ? 0 : it->second].push_back(s);
    }
    for (std::size_t c = 0; c < m_channels.size(); ++c)
        if (!perChannel[c].empty() &&
            !m_channels[c]->send(setCommands(perChannel[c]), m_settings.answerTimeoutMs, error))
            return false;
    return true;
}

namespace {

// One channel's share of a batch.
struct ChannelBatch {
    std::size_t first = 0, count = 0; // its paths in the batch
    std::string gets;
    std::size_t answered = 0;
};

} // namespace

std::string PropertyBridge::serve(const std::vector<std::string> &paths)
{
    const auto period = std::chrono::microseconds(1000000 / std::max(1, m_settings.refreshHz));
    const auto answerLimit = std::chrono::milliseconds(m_settings.answerTimeoutMs);
    const std::size_t channels = m_channels.size();
    std::vector<ChannelBatch> shares(channels);
    for (std::size_t c = 0; c < channels; ++c) {
        ChannelBatch &s = shares[c];
        s.first = paths.size() * c / channels;
        s.count = paths.size() * (c + 1) / channels - s.first;
        const std::vector<std::string> mine(paths.begin() + long(s.first), paths.begin() + long(s.first + s.count));
        s.gets = getCommands(mine);
        for (const std::string &p : mine)
            m_channelOfPath.emplace(p, c);
    }
    std::vector<PropertyFarEnd::Answer> answers(paths.size());
    std::size_t missing = 0; // answers still to come
    std::uint64_t generation = 0;
    Clock::time_point sentAt{}, nextRefresh = Clock::now();
    std::string error;
    std::vector<pollfd> fds(channels + 1);
    while (!m_stop) {
        const auto now = Clock::now();
        if (missing > 0 && now - sentAt > answerLimit)
            return "no answer within " + std::to_string(m_settings.answerTimeoutMs) + " ms";
        if (missing == 0 && now >= nextRefresh) {
            auto batch = m_core.startBatch();
            if (!sendSets(batch.setsFirst, error))
                return error;
            for (std::size_t c = 0; c < channels; ++c) {
                shares[c].answered = 0;
                if (!m_channels[c]->send(shares[c].gets, m_settings.answerTimeoutMs, error))
                    return error;
            }
            generation = batch.generation;
            missing = paths.size();
            sentAt = now;
            // A fixed rate: a late refresh does not pull the next ones along.
            nextRefresh += period;
            if (nextRefresh <= now)
                nextRefresh = now + period;
        }
        const auto until = missing > 0 ? std::min(nextRefresh, sentAt + answerLimit) : nextRefresh;
        const auto waitMs = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()).count();
        for (std::size_t c = 0; c < channels; ++c)
            fds[c] = {m_channels[c]->fd(), POLLIN, 0};
        fds[channels] = {m_wakeFd, POLLIN, 0};
        if (::poll(fds.data(), fds.size(), int(std::clamp<std::int64_t>(waitMs + 1, 0, 1000))) < 0 && errno != EINTR)
            return "poll failed";
        if (fds[channels].revents & POLLIN) {
            drainWake();
            if (!sendSets(m_core.takeSets(), error))
                return error;
        }
        for (std::size_t c = 0; c < channels; ++c) {
            if (!(fds[c].revents & (POLLIN | POLLHUP | POLLERR)))
                continue;
            if (!m_channels[c]->receive(error))
                return error;
            ChannelBatch &s = shares[c];
            while (auto line = m_channels[c]->nextLine()) {
                if (s.answered == s.count || missing == 0)
                    return "an answer nobody asked for";
                answers[s.first + s.answered++] =
                    line->overlong ? PropertyFarEnd::Answer() : PropertyFarEnd::Answer(std::move(line->text));
                --missing;
            }
        }
        if (missing == 0 && generation != 0) {
            m_core.applyAnswers(generation, answers);
            m_latency.add(std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - sentAt));
            generation = 0;
            if (!m_connected) {
                m_connected = true;
                ++m_connections;
                m_core.setSimulatorPresent(true); // the cache holds FlightGear's values now
                m_say(m_told);
            }
            {
                std::lock_guard lock(m_stateMutex);
                ++m_refreshes;
            }
            m_refreshed.notify_all();
        }
    }
    return "stopped";
}

} // namespace fg
