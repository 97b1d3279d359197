#pragma once
// A private endpoint folder, short link waits, and a link that is closed
// again after every test.
#include "SimLinkClient.h"
#include "testfarend.h"

#include <gtest/gtest.h>

class LinkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_savedTiming = ::m_timing;
        ::m_timing.sendTimeoutMs = 50;
        ::m_timing.retryPauseMs = 1;
        ::m_timing.handshakePauseMs = 1;
    }
    void TearDown() override
    {
        FSUIPC_Close();
        ::m_timing = m_savedTiming;
    }
    bool open(DWORD simulator = SIM_ANY)
    {
        m_result = 0xFFFF;
        return FSUIPC_Open(simulator, m_result);
    }

    ScopedRuntimeDir m_dir;
    SimLinkTiming m_savedTiming;
    DWORD m_result = 0;
};
