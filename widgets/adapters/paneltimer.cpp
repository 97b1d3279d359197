#include "adapters/paneltimer.h"

#include <algorithm>

PanelTimer::PanelTimer(QObject *parent) : QObject(parent)
{
    // Precise: a tick never comes early, so a handler can rely on at least
    // one interval having passed since the timer was (re)started.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (m_enabled)
            emit OnTimer(this);
    });
}

void PanelTimer::SetEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return; // already running: keep the countdown
    m_enabled = enabled;
    restart();
}

void PanelTimer::SetInterval(int ms)
{
    ms = std::max(ms, 0);
    if (ms == m_interval)
        return;
    m_interval = ms;
    restart();
}

void PanelTimer::restart()
{
    m_timer.stop();
    // QTimer treats 0 as "as often as possible"; a window timer with no
    // interval never fires.
    if (m_enabled && m_interval > 0)
        m_timer.start(m_interval);
}
