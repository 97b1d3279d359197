#pragma once
// veltrano-sim as a subprocess of a test, in a private endpoint folder: start
// it, wait for its READY line, send commands and read their answers.
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class SimProcess {
public:
    // Points XDG_RUNTIME_DIR of this process at a fresh folder, so that the
    // panel under test and the simulator meet there and nowhere else.
    SimProcess();
    ~SimProcess();

    bool start(const QStringList &options = {});
    // One command line; returns its one answer line (empty on failure).
    QString command(const QString &line);
    // Trace lines ("W 0x0C1A 2 0000") seen so far, in order.
    QStringList traceLines();
    // Waits until a trace line starting with `prefix` has been seen (false
    // when none came within 10 s).
    bool waitForTrace(const QString &prefix);
    // The same, handed over: the next call starts from an empty list.
    QStringList takeTraceLines();
    void stop();
    // Ends the simulator as a crash would: no clean-up at all (SIGKILL).
    void kill();
    // The folder that stands for XDG_RUNTIME_DIR.
    QString runtimeDir() const { return m_dir.path(); }

private:
    QString readLine(int timeoutMs);
    QTemporaryDir m_dir;
    QProcess m_process;
    QStringList m_trace;
    QByteArray m_buffer;
};
