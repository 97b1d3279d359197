#pragma once
// Helpers for the stand-in simulator tests: building request blocks byte by
// byte, a clock the test moves by hand, and a fixed calendar day.
#include "simulatorcore.h"

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <vector>

// One command and the answer it should get: exact, or a prefix ending in '*'.
struct CommandCase {
    const char *line;
    const char *answer;
};

inline void expectAnswer(const CommandCase &c, const std::string &answer)
{
    const std::string expected = c.answer;
    if (!expected.empty() && expected.back() == '*') {
        EXPECT_EQ(answer.substr(0, expected.size() - 1), expected.substr(0, expected.size() - 1)) << c.line;
    } else {
        EXPECT_EQ(answer, expected) << c.line;
    }
    EXPECT_EQ(answer.find('\n'), std::string::npos) << c.line;
}

class BlockBuilder {
public:
    BlockBuilder &u32(std::uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            m_bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        return *this;
    }
    BlockBuilder &read(std::uint32_t offset, std::uint32_t size, std::uint32_t dest = 0x1234)
    {
        u32(1).u32(offset).u32(size).u32(dest);
        m_bytes.insert(m_bytes.end(), size, 0);
        return *this;
    }
    BlockBuilder &write(std::uint32_t offset, std::initializer_list<std::uint8_t> data)
    {
        u32(2).u32(offset).u32(static_cast<std::uint32_t>(data.size()));
        m_bytes.insert(m_bytes.end(), data);
        return *this;
    }
    BlockBuilder &end() { return u32(0); }
    // The block padded with zeros to the link's mapping size.
    std::vector<std::uint8_t> mapping(std::size_t size = 0x8000) const
    {
        std::vector<std::uint8_t> b = m_bytes;
        b.resize(size, 0);
        return b;
    }
    const std::vector<std::uint8_t> &bytes() const { return m_bytes; }

private:
    std::vector<std::uint8_t> m_bytes;
};

struct ManualClock {
    std::chrono::steady_clock::time_point now{};
    void advance(int seconds) { now += std::chrono::seconds(seconds); }
    SimClock::Source source()
    {
        return [this] { return now; };
    }
};

inline PresetDate testDate(int secondsOfDay = 9 * 3600 + 5 * 60)
{
    return {2024, 7, 14, 196, secondsOfDay};
}

// The whole offset space as the core holds it now.
inline OffsetSpace snapshot(SimulatorCore &core)
{
    OffsetSpace s;
    s.write(0, core.peek(0, OffsetSpace::kSize));
    return s;
}

// A simulator core on a clock the test moves by hand, on a fixed day.
class SimCoreTest : public ::testing::Test {
protected:
    ManualClock clock;
    SimulatorOptions options;
    std::unique_ptr<SimulatorCore> core;

    void SetUp() override { make(); }
    void make() { core = std::make_unique<SimulatorCore>(options, clock.source(), testDate()); }
    std::vector<std::uint8_t> space() { return core->peek(0, OffsetSpace::kSize); }
};

// A fresh endpoint folder for the test (mode 0700), so runs in parallel never
// meet each other's windows, atoms or mappings; removed afterwards.
class FreshRuntimeDir {
public:
    FreshRuntimeDir()
    {
        if (const char *old = std::getenv("XDG_RUNTIME_DIR"))
            m_saved = old;
        char pattern[] = "/tmp/veltrano-simtest-XXXXXX";
        if (const char *dir = ::mkdtemp(pattern)) {
            m_path = dir;
            ::chmod(dir, 0700);
            ::setenv("XDG_RUNTIME_DIR", dir, 1);
        }
    }
    ~FreshRuntimeDir()
    {
        if (m_saved)
            ::setenv("XDG_RUNTIME_DIR", m_saved->c_str(), 1);
        else
            ::unsetenv("XDG_RUNTIME_DIR");
        std::error_code ignored;
        if (!m_path.empty())
            std::filesystem::remove_all(m_path, ignored);
    }
    FreshRuntimeDir(const FreshRuntimeDir &) = delete;
    FreshRuntimeDir &operator=(const FreshRuntimeDir &) = delete;
    const std::string &path() const { return m_path; }
    std::string endpoint(const std::string &windowClass) const { return m_path + "/veltrano/window." + windowClass; }

private:
    std::string m_path;
    std::optional<std::string> m_saved;
};
