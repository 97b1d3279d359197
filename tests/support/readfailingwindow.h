#pragma once
// A window whose next read the simulator refuses while its write goes
// through: the far end rejects from the read's message pump until the write
// stops the refresh timer. For handlers that read a value before they write
// a changed one: after a failed read they must write nothing.
#include "simprocess.h"
#include "uACMainForm.h"

class ReadFailingWindow : public TfrmACMain {
public:
    explicit ReadFailingWindow(SimProcess &sim) : m_sim(sim) {}
    bool failNextRead = false;

protected:
    void pumpMessages() override
    {
        if (failNextRead) {
            failNextRead = false;
            m_rejecting = m_sim.command(QStringLiteral("fault reject")) == QLatin1String("OK");
        }
        TfrmACMain::pumpMessages();
    }
    void stopRefreshTimer() override
    {
        if (m_rejecting)
            m_rejecting = m_sim.command(QStringLiteral("fault none")) != QLatin1String("OK");
        TfrmACMain::stopRefreshTimer();
    }

private:
    SimProcess &m_sim;
    bool m_rejecting = false;
};
