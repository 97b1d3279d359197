#include "typedaccess.h"

#include "SimLinkClient.h"

#include <array>
#include <bit>

static_assert(std::endian::native == std::endian::little, "offsets travel least significant byte first");

namespace simlink {

namespace {
constexpr int kPumpPassesAfterWrite = 11;
constexpr DWORD kPauseAfterWriteMs = 100;
} // namespace

void TypedAccessors::waitMilliseconds(DWORD ms)
{
    win::Sleep(ms);
}

bool TypedAccessors::processRequests(const char *lead, DWORD &result)
{
    if (FSUIPC_Process(result))
        return true;
    setStatusLine(lead + std::string(resultTextOf(result)));
    if (result == FSUIPC_ERR_SENDMSG)
        farEndGone();
    return false;
}

template <typename T> T TypedAccessors::readValue(DWORD inValue)
{
    // Pending messages run first, so a tick or a click may run here; nothing is
    // handled between queuing and processing, so no other request joins ours.
    pumpMessages();
    T value{};
    DWORD result = 0;
    m_lastReadOk = false;
    if (!FSUIPC_Read(inValue, sizeof(T), &value, result)) {
        setStatusLine(std::string("Unable to Read: ") + resultTextOf(result));
        return T{};
    }
    if (!processRequests("Unable to Process: ", result))
        return T{};
    m_lastReadOk = true;
    return value;
}

template <std::size_t N> std::string TypedAccessors::readText(DWORD inValue)
{
    const auto bytes = readValue<std::array<char, N>>(inValue);
    return textOfField(bytes.data(), N);
}

template <typename T> bool TypedAccessors::writeValue(DWORD inAddr, T value)
{
    stopRefreshTimer();
    DWORD result = 0;
    bool ok = false;
    if (!FSUIPC_Write(inAddr, sizeof(T), &value, result))
        setStatusLine(std::string("Unable to Write: ") + resultTextOf(result));
    else
        ok = processRequests("Unable to Process Write: ", result);
    for (int i = 0; i < kPumpPassesAfterWrite; ++i)
        pumpMessages();
    waitMilliseconds(kPauseAfterWriteMs);
    pumpMessages();
    if (linkConnected() && pauseButtonCaption() == "&Pause")
        startRefreshTimer();
    return ok;
}

std::string textOfField(const char *bytes, std::size_t size)
{
    std::size_t end = 0;
    while (end < size && bytes[end] != '\0')
        ++end;
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
    std::size_t begin = 0;
    while (begin < end && blank(bytes[begin]))
        ++begin;
    while (end > begin && blank(bytes[end - 1]))
        --end;
    return std::string(bytes + begin, end - begin);
}

std::uint8_t TypedAccessors::ReadByte(DWORD inValue) { return readValue<std::uint8_t>(inValue); }
std::int8_t TypedAccessors::ReadShortInt(DWORD inValue) { return readValue<std::int8_t>(inValue); }
std::uint16_t TypedAccessors::ReadWord(DWORD inValue) { return readValue<std::uint16_t>(inValue); }
std::int16_t TypedAccessors::ReadSmlInt(DWORD inValue) { return readValue<std::int16_t>(inValue); }
std::int32_t TypedAccessors::ReadInt(DWORD inValue) { return readValue<std::int32_t>(inValue); }
std::uint32_t TypedAccessors::ReadCard(DWORD inValue) { return readValue<std::uint32_t>(inValue); }
std::int64_t TypedAccessors::ReadInt64(DWORD inValue) { return readValue<std::int64_t>(inValue); }
float TypedAccessors::ReadSingle(DWORD inValue) { return readValue<float>(inValue); }
double TypedAccessors::ReadDouble(DWORD inValue) { return readValue<double>(inValue); }
std::string TypedAccessors::ReadStr6(DWORD inValue) { return readText<6>(inValue); }
std::string TypedAccessors::ReadStr12(DWORD inValue) { return readText<12>(inValue); }
std::string TypedAccessors::ReadStr24(DWORD inValue) { return readText<24>(inValue); }
std::string TypedAccessors::ReadStr256(DWORD inValue) { return readText<256>(inValue); }

bool TypedAccessors::WriteByte(DWORD inAddr, std::uint8_t value) { return writeValue(inAddr, value); }
bool TypedAccessors::WriteWord(DWORD inAddr, std::uint16_t value) { return writeValue(inAddr, value); }
bool TypedAccessors::WriteSmlInt(DWORD inAddr, std::int16_t value) { return writeValue(inAddr, value); }
bool TypedAccessors::WriteInt(DWORD inAddr, std::int32_t value) { return writeValue(inAddr, value); }
bool TypedAccessors::WriteCard(DWORD inAddr, std::uint32_t value) { return writeValue(inAddr, value); }
bool TypedAccessors::WriteSingle(DWORD inAddr, float value) { return writeValue(inAddr, value); }
bool TypedAccessors::WriteDouble(DWORD inAddr, double value) { return writeValue(inAddr, value); }

} // namespace simlink
