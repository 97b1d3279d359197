#include "testfarend.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <unistd.h>

TestFarEnd::TestFarEnd(const char *windowClass, std::uint32_t version, std::uint32_t simulator)
{
    poke(0x3304, &version, 4);
    poke(0x3308, &simulator, 4);
    m_window = win::CreateServedWindow(windowClass, [this](win::UINT, win::WPARAM w, win::LPARAM) { return answer(w); });
}

TestFarEnd::~TestFarEnd()
{
    vanish();
}

void TestFarEnd::vanish()
{
    if (m_window)
        win::DestroyWindow(m_window);
    m_window = nullptr;
}

void TestFarEnd::poke(std::uint16_t offset, const void *bytes, std::size_t size)
{
    std::lock_guard lock(m_mutex);
    std::memcpy(m_space.data() + offset, bytes, size);
}

void TestFarEnd::peek(std::uint16_t offset, void *bytes, std::size_t size) const
{
    std::lock_guard lock(m_mutex);
    std::memcpy(bytes, m_space.data() + offset, size);
}

std::uint16_t TestFarEnd::clientVersion() const
{
    std::lock_guard lock(m_mutex);
    return m_clientVersion;
}

std::string TestFarEnd::lastMappingName() const
{
    std::lock_guard lock(m_mutex);
    return m_lastName;
}

bool TestFarEnd::waitForMessages(int n, int timeoutMs)
{
    std::unique_lock lock(m_mutex);
    return m_messageTaken.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return m_messages >= n; });
}

std::optional<win::LRESULT> TestFarEnd::answer(win::WPARAM atom)
{
    {
        std::lock_guard lock(m_mutex);
        ++m_messages;
    }
    m_messageTaken.notify_all();
    if (mode == Mode::Silent)
        return std::nullopt;
    if (mode == Mode::Reject)
        return 0;
    char name[256];
    if (!win::GlobalGetAtomName(static_cast<win::ATOM>(atom), name, sizeof name))
        return 0;
    win::HANDLE map = win::OpenFileMapping(win::FILE_MAP_WRITE, 0, name);
    auto *block = map ? static_cast<std::uint8_t *>(win::MapViewOfFile(map, win::FILE_MAP_WRITE, 0, 0, 0)) : nullptr;
    if (!block) {
        if (map)
            win::CloseHandle(map);
        return 0;
    }
    std::lock_guard lock(m_mutex);
    m_lastName = name;
    // The blocks these tests send are well formed; the walk still stays inside.
    std::size_t pos = 0;
    const std::size_t size = 0x8000;
    while (pos + 4 <= size) {
        std::uint32_t h[4];
        std::memcpy(h, block + pos, std::min<std::size_t>(16, size - pos));
        if (h[0] == 1 && pos + 16 + h[2] <= size && h[1] + h[2] <= m_space.size()) {
            std::memcpy(block + pos + 16, m_space.data() + h[1], h[2]);
            pos += 16 + h[2];
        } else if (h[0] == 2 && pos + 12 + h[2] <= size && h[1] + h[2] <= m_space.size()) {
            // The client's version goes aside: 0x330A lies inside the mark at 0x3308.
            if (h[1] == 0x330A && h[2] == 2)
                std::memcpy(&m_clientVersion, block + pos + 12, 2);
            else
                std::memcpy(m_space.data() + h[1], block + pos + 12, h[2]);
            pos += 12 + h[2];
        } else {
            break;
        }
    }
    if (tamper)
        tamper(block);
    win::UnmapViewOfFile(block);
    win::CloseHandle(map);
    return 1;
}

ScopedRuntimeDir::ScopedRuntimeDir()
{
    if (const char *prev = std::getenv("XDG_RUNTIME_DIR")) {
        m_previous = prev;
        m_hadPrevious = true;
    }
    char pattern[] = "/tmp/veltrano-test-XXXXXX";
    m_path = ::mkdtemp(pattern);
    ::setenv("XDG_RUNTIME_DIR", m_path.c_str(), 1);
}

ScopedRuntimeDir::~ScopedRuntimeDir()
{
    if (m_hadPrevious)
        ::setenv("XDG_RUNTIME_DIR", m_previous.c_str(), 1);
    else
        ::unsetenv("XDG_RUNTIME_DIR");
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}
