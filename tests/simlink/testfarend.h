#pragma once
// A small far end for the link tests, served in the test's own process: it
// answers the handshake and keeps its own offset space, and can be told to
// misbehave in the ways a real far end might.
#include "platform/winapi.h"

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

class TestFarEnd {
public:
    enum class Mode { Normal, Silent, Reject };

    explicit TestFarEnd(const char *windowClass = "UIPCMAIN", std::uint32_t version = 0x40000000,
                        std::uint32_t simulator = 0xFADE0008);
    ~TestFarEnd();
    TestFarEnd(const TestFarEnd &) = delete;
    TestFarEnd &operator=(const TestFarEnd &) = delete;

    bool serving() const { return m_window != nullptr; }
    void vanish(); // the window goes away

    std::atomic<Mode> mode{Mode::Normal};
    // Runs on the answered block just before the answer, to forge replies.
    std::function<void(std::uint8_t *block)> tamper;

    void poke(std::uint16_t offset, const void *bytes, std::size_t size);
    void peek(std::uint16_t offset, void *bytes, std::size_t size) const;
    int messages() const { return m_messages; }
    // Waits (at most timeoutMs) until the far end has taken n messages in all.
    bool waitForMessages(int n, int timeoutMs);
    std::string lastMappingName() const;
    std::uint16_t clientVersion() const;

private:
    std::optional<win::LRESULT> answer(win::WPARAM atom);

    win::HWND m_window = nullptr;
    mutable std::mutex m_mutex;
    std::array<std::uint8_t, 0x10000> m_space{};
    std::atomic<int> m_messages{0};
    std::condition_variable m_messageTaken;
    std::string m_lastName;
    std::uint16_t m_clientVersion = 0;
};

// Points the endpoint folder at a fresh private folder for the test's life,
// so tests never meet each other's windows, atoms or mappings.
class ScopedRuntimeDir {
public:
    ScopedRuntimeDir();
    ~ScopedRuntimeDir();
    const std::string &path() const { return m_path; }

private:
    std::string m_path;
    std::string m_previous;
    bool m_hadPrevious = false;
};
