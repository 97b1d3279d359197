#pragma once
// The panel's own link client in a far-end test: its waits short while the
// guard lives, and the link closed again when it goes.
#include "SimLinkClient.h"

class LinkClientGuard {
public:
    // Handshake passes 1 ms apart; attempts of `sendTimeoutMs`, `attempts`
    // of them, 1 ms apart (0: as the client has them).
    explicit LinkClientGuard(UINT sendTimeoutMs = 0, int attempts = 0) : m_saved(::m_timing)
    {
        ::m_timing.handshakePauseMs = 1;
        if (sendTimeoutMs) {
            ::m_timing.sendTimeoutMs = sendTimeoutMs;
            ::m_timing.retryPauseMs = 1;
        }
        if (attempts)
            ::m_timing.attempts = attempts;
    }
    ~LinkClientGuard()
    {
        FSUIPC_Close();
        ::m_timing = m_saved;
    }
    LinkClientGuard(const LinkClientGuard &) = delete;
    LinkClientGuard &operator=(const LinkClientGuard &) = delete;

private:
    SimLinkTiming m_saved;
};
