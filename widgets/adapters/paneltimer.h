#pragma once
// A window timer with the semantics the panel's handlers are written for:
// it is stopped when created; enabling a timer that already runs leaves its
// countdown alone; a new interval given while it runs restarts the countdown;
// an interval of 0 keeps it enabled but silent. Ticks arrive on the GUI
// thread through OnTimer; a handler may stop its own timer.
#include <QObject>
#include <QTimer>

class PanelTimer : public QObject
{
    Q_OBJECT
public:
    explicit PanelTimer(QObject *parent = nullptr);

    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);

    // Milliseconds between ticks; 1000 until set. Negative values count as 0.
    int Interval() const { return m_interval; }
    void SetInterval(int ms);

signals:
    void OnTimer(PanelTimer *sender);

private:
    void restart();

    QTimer m_timer;
    bool m_enabled = false;
    int m_interval = 1000;
};
