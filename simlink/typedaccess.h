#pragma once
// Typed access to single offsets: each accessor moves exactly one value of one
// fixed width in one exchange and never raises an error. A failed read gives
// 0, 0.0 or empty text, a failed write false, and both leave one sentence in
// the status line.
//
// The accessors need a little of their window: the message pump, the status
// line, the refresh timer and the pause button's caption. The window provides
// them by implementing the hooks below, so the rules are testable without it.
#include "platform/winapi.h"

#include <cstdint>
#include <string>

namespace simlink {

using win::DWORD;

class TypedAccessors {
public:
    virtual ~TypedAccessors() = default;

    std::uint8_t ReadByte(DWORD inValue);
    std::int8_t ReadShortInt(DWORD inValue);
    std::uint16_t ReadWord(DWORD inValue);
    std::int16_t ReadSmlInt(DWORD inValue);
    std::int32_t ReadInt(DWORD inValue);
    std::uint32_t ReadCard(DWORD inValue);
    std::int64_t ReadInt64(DWORD inValue);
    float ReadSingle(DWORD inValue);
    double ReadDouble(DWORD inValue);
    // Texts: up to the first zero byte, single-byte characters, with every
    // leading and trailing character of code 0x20 or lower removed.
    std::string ReadStr6(DWORD inValue);
    std::string ReadStr12(DWORD inValue);
    std::string ReadStr24(DWORD inValue);
    std::string ReadStr256(DWORD inValue);
    // Whether the last read delivered the simulator's value (false: it gave
    // the failure value and left its sentence in the status line).
    bool LastReadOk() const { return m_lastReadOk; }

    // Writers stop the refresh timer for their whole run and start it again
    // only while connected with the refresh running ("&Pause" showing).
    bool WriteByte(DWORD inAddr, std::uint8_t value);
    bool WriteWord(DWORD inAddr, std::uint16_t value);
    bool WriteSmlInt(DWORD inAddr, std::int16_t value);
    bool WriteInt(DWORD inAddr, std::int32_t value);
    bool WriteCard(DWORD inAddr, std::uint32_t value);
    bool WriteSingle(DWORD inAddr, float value);
    bool WriteDouble(DWORD inAddr, double value);

protected:
    // Processes the queued requests. On failure the status line gets `lead`
    // followed by the wording of the code; when the far end is gone (the
    // message could not be delivered at all, FSUIPC_ERR_SENDMSG; a time-out is
    // not that) farEndGone() runs after that sentence. Every exchange of the
    // window goes through here, so a vanished far end is noticed in one place.
    bool processRequests(const char *lead, DWORD &result);
    // The far end vanished: the window closes the link and waits for it.
    virtual void farEndGone() {}

    // One pass of the application's message pump.
    virtual void pumpMessages() = 0;
    virtual void setStatusLine(const std::string &text) = 0;
    virtual void stopRefreshTimer() = 0;
    virtual void startRefreshTimer() = 0;
    virtual bool linkConnected() const = 0;
    virtual std::string pauseButtonCaption() const = 0;
    virtual void waitMilliseconds(DWORD ms);

private:
    bool m_lastReadOk = false;
    template <typename T> T readValue(DWORD inValue);
    template <std::size_t N> std::string readText(DWORD inValue);
    template <typename T> bool writeValue(DWORD inAddr, T value);
};

// The text of a fixed-length character field, as the text readers build it.
std::string textOfField(const char *bytes, std::size_t size);

} // namespace simlink
