#pragma once
// A small stand-in for FlightGear's props server, for the bridge's tests:
// TCP on 127.0.0.1, any number of connections, the data-mode protocol (a get
// answered by the bare value or an empty line when the property does not
// exist, a set not answered), answering every command of a pipelined write
// in order. It can answer a path with raw bytes of the test's choosing, drop
// every connection, and refuse new ones.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

class FakePropsServer {
public:
    FakePropsServer();
    ~FakePropsServer();
    FakePropsServer(const FakePropsServer &) = delete;
    FakePropsServer &operator=(const FakePropsServer &) = delete;

    std::uint16_t port() const { return m_port; }

    void setProperty(const std::string &path, const std::string &value);
    void removeProperty(const std::string &path);
    std::string property(const std::string &path) const; // "" when absent
    // The answer to a get of `path` is exactly these bytes (no line end added).
    void setRawAnswer(const std::string &path, std::string bytes);

    using Set = std::pair<std::string, std::string>;
    std::vector<Set> sets() const;
    void clearSets();
    // Waits until `count` sets have arrived since the last clearSets().
    bool waitForSets(std::size_t count, std::chrono::milliseconds limit = std::chrono::seconds(5)) const;

    void dropConnections();
    void refuseConnections(bool refuse);
    std::size_t accepted() const; // connections taken, refused ones too
    bool waitForAccepted(std::size_t count, std::chrono::milliseconds limit = std::chrono::seconds(5)) const;
    // Commands that were neither get, set nor data ("" when none).
    std::string unknownCommand() const;

private:
    struct Client {
        int fd;
        std::string pending;
    };
    void run();
    void serveLine(Client &client, std::string line, std::string &out);
    void wakeLoop();

    int m_listen = -1;
    int m_wake[2] = {-1, -1};
    std::uint16_t m_port = 0;
    std::thread m_thread;

    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    std::map<std::string, std::string> m_properties;
    std::map<std::string, std::string> m_raw;
    std::vector<Set> m_sets;
    std::size_t m_accepted = 0;
    bool m_refuse = false;
    bool m_drop = false;
    bool m_stop = false;
    std::string m_unknown;
};
