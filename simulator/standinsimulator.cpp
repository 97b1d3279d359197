#include "standinsimulator.h"

StandInSimulator::~StandInSimulator() { stop(); }

bool StandInSimulator::start(const SimulatorOptions &options, std::string *error)
{
    std::lock_guard lock(m_mutex);
    if (m_core) {
        if (error)
            *error = "already started";
        return false;
    }
    m_core = std::make_unique<SimulatorCore>(options);
    if (m_sink)
        m_core->setTraceSink(m_sink);
    if (!openWindow(error)) {
        m_core.reset();
        return false;
    }
    return true;
}

bool StandInSimulator::openWindow(std::string *error)
{
    m_core->cancelWaits(false);
    return m_window.open(m_core->options().windowClass, *m_core, error);
}

void StandInSimulator::closeWindow()
{
    if (!m_window.isOpen())
        return;
    m_core->cancelWaits(true); // a late answer in progress must not hold the window
    m_window.close();
}

void StandInSimulator::stop()
{
    std::lock_guard lock(m_mutex);
    if (!m_core)
        return;
    closeWindow();
    m_core.reset();
}

bool StandInSimulator::serving() const
{
    std::lock_guard lock(m_mutex);
    return m_window.isOpen();
}

std::string StandInSimulator::command(std::string_view line)
{
    std::lock_guard lock(m_mutex);
    if (!m_core)
        return "ERR not started";
    std::string answer = m_core->command(line);
    // Bring the window in line with the fault mode.
    const bool wantWindow = m_core->faultMode() != FaultMode::Close;
    if (!wantWindow && m_window.isOpen()) {
        closeWindow();
    } else if (wantWindow && !m_window.isOpen()) {
        std::string error;
        if (!openWindow(&error))
            answer = "ERR " + error;
    }
    return answer;
}

bool StandInSimulator::quitRequested() const
{
    std::lock_guard lock(m_mutex);
    return m_core && m_core->quitRequested();
}

void StandInSimulator::setTraceSink(SimulatorCore::TraceSink sink)
{
    std::lock_guard lock(m_mutex);
    m_sink = sink;
    if (m_core)
        m_core->setTraceSink(std::move(sink));
}
