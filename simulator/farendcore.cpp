#include "farendcore.h"

#include "catalogue.h"

FarEndCore::FarEndCore(std::uint32_t version, std::uint16_t simIndex)
    : m_version(version), m_identifier(kIdentifierMark | simIndex)
{
    // The client version lies inside the identifier. The panel's write is
    // taken as the client version and never shows through the identifier, so
    // a later handshake still finds 0xFADE; the operator may change both.
    m_effects.add(var::SimulatorId.offset, var::SimulatorId.size, [this](OffsetSpace &space, const WriteEvent &e) {
        if (e.source == WriteSource::Command) {
            m_identifier = static_cast<std::uint32_t>(space.get(var::SimulatorId));
            return;
        }
        if (e.offset < var::ClientVersion.end() && var::ClientVersion.offset < e.offset + e.size)
            m_clientVersion = static_cast<std::uint16_t>(space.get(var::ClientVersion));
        space.set(var::SimulatorId, m_present ? m_identifier : 0);
    });
    std::lock_guard lock(m_mutex);
    writeHandshake();
}

void FarEndCore::writeHandshake()
{
    m_space.set(var::FsuipcVersion, m_present ? m_version : 0);
    m_space.set(var::SimulatorId, m_present ? m_identifier : 0);
}

void FarEndCore::setSimulatorPresent(bool present)
{
    std::lock_guard lock(m_mutex);
    m_present = present;
    writeHandshake();
}

bool FarEndCore::simulatorPresent() const
{
    std::lock_guard lock(m_mutex);
    return m_present;
}

int FarEndCore::processBlock(std::span<std::uint8_t> bytes)
{
    std::vector<std::string> trace;
    TraceSink sink;
    {
        std::lock_guard lock(m_mutex);
        if (block::parse(bytes, m_records) != block::Fault::None) {
            ++m_refused;
            return 0;
        }
        bringUpToDate();
        const bool tracing = m_trace;
        block::apply(bytes, m_records, m_space, [&](std::uint32_t offset, std::span<const std::uint8_t> data) {
            m_effects.run(m_space, {offset, static_cast<std::uint32_t>(data.size()), WriteSource::Panel});
            if (tracing)
                trace.push_back("W " + cmd::offsetText(offset) + " " + std::to_string(data.size()) + " " +
                                cmd::toHex(data));
        });
        afterWrites();
        if (!trace.empty())
            sink = m_sink;
    }
    if (sink)
        for (const std::string &line : trace)
            sink(line);
    return 1;
}

std::string FarEndCore::command(std::string_view line)
{
    const std::vector<std::string_view> words = cmd::split(line);
    if (words.empty())
        return "ERR empty command";
    if (auto answer = commonCommand(words))
        return *answer;
    return "ERR unknown command '" + std::string(words[0]) + "'";
}

std::optional<std::string> FarEndCore::commonCommand(std::span<const std::string_view> words)
{
    const std::string_view verb = words[0];
    if (verb == "read")
        return readCommand(words);
    if (verb == "write")
        return writeCommand(words);
    if (verb == "trace") {
        if (words.size() == 2 && (words[1] == "on" || words[1] == "off")) {
            m_trace = words[1] == "on";
            return "OK";
        }
        return "ERR usage: trace on|off";
    }
    if (verb == "quit" && words.size() == 1) {
        m_quit = true;
        return "OK";
    }
    return std::nullopt;
}

std::string FarEndCore::readCommand(std::span<const std::string_view> words)
{
    if (words.size() != 3)
        return "ERR usage: read 0xOOOO N";
    const auto offset = cmd::parseHexNumber(words[1], OffsetSpace::kSize - 1);
    if (!offset)
        return "ERR offset must be 0x0000..0xFFFF";
    const auto count = cmd::parseDecimal(words[2], OffsetSpace::kSize);
    if (!count || *count == 0)
        return "ERR length must be 1..65536";
    if (!OffsetSpace::contains(*offset, *count))
        return "ERR offset + length past 0xFFFF";
    return "OK " + cmd::toHex(peek(*offset, *count));
}

std::string FarEndCore::writeCommand(std::span<const std::string_view> words)
{
    if (words.size() != 3)
        return "ERR usage: write 0xOOOO <hex>";
    const auto offset = cmd::parseHexNumber(words[1], OffsetSpace::kSize - 1);
    if (!offset)
        return "ERR offset must be 0x0000..0xFFFF";
    const auto data = cmd::parseHexBytes(words[2]);
    if (!data)
        return "ERR data must be pairs of hex digits";
    if (!OffsetSpace::contains(*offset, data->size()))
        return "ERR offset + length past 0xFFFF";
    std::lock_guard lock(m_mutex);
    bringUpToDate();
    m_space.write(*offset, *data);
    m_effects.run(m_space, {*offset, static_cast<std::uint32_t>(data->size()), WriteSource::Command});
    afterWrites();
    return "OK";
}

void FarEndCore::setTraceSink(TraceSink sink)
{
    std::lock_guard lock(m_mutex);
    m_sink = std::move(sink);
}

std::vector<std::uint8_t> FarEndCore::peek(std::uint32_t offset, std::uint32_t size)
{
    std::lock_guard lock(m_mutex);
    bringUpToDate();
    const auto b = m_space.bytes(offset, size);
    return {b.begin(), b.end()};
}

std::uint16_t FarEndCore::clientVersion() const
{
    std::lock_guard lock(m_mutex);
    return m_clientVersion;
}
