#include "simprocess.h"

#include <QElapsedTimer>

#include <csignal>
#include <sys/prctl.h>

SimProcess::SimProcess()
{
    qputenv("XDG_RUNTIME_DIR", m_dir.path().toLocal8Bit());
}

SimProcess::~SimProcess()
{
    stop();
}

bool SimProcess::start(const QStringList &options)
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // A test that dies must not leave its simulator behind, holding the
    // caller's output open.
    m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_process.start(QStringLiteral(VELTRANO_SIM_PATH), options);
    if (!m_process.waitForStarted(5000))
        return false;
    return readLine(10000).startsWith(QStringLiteral("READY"));
}

QString SimProcess::command(const QString &line)
{
    m_process.write(line.toUtf8() + '\n');
    m_process.waitForBytesWritten(1000);
    for (;;) {
        const QString answer = readLine(10000);
        if (answer.startsWith(QStringLiteral("W ")))
            m_trace << answer; // trace lines may come before the answer
        else
            return answer;
    }
}

QStringList SimProcess::traceLines()
{
    // Collect what has arrived without waiting for more.
    m_buffer += m_process.readAllStandardOutput();
    int nl;
    while ((nl = m_buffer.indexOf('\n')) >= 0) {
        const QString line = QString::fromUtf8(m_buffer.left(nl)).trimmed();
        m_buffer.remove(0, nl + 1);
        if (line.startsWith(QStringLiteral("W ")))
            m_trace << line;
    }
    return m_trace;
}

bool SimProcess::waitForTrace(const QString &prefix)
{
    const qsizetype seen = traceLines().size();
    for (qsizetype i = 0; i < seen; ++i)
        if (m_trace[i].startsWith(prefix))
            return true;
    for (;;) {
        const QString line = readLine(10000);
        if (line.isEmpty())
            return false;
        if (line.startsWith(QStringLiteral("W ")))
            m_trace << line;
        if (line.startsWith(prefix))
            return true;
    }
}

void SimProcess::kill()
{
    m_process.kill();
    m_process.waitForFinished(5000);
    m_buffer.clear();
}

QStringList SimProcess::takeTraceLines()
{
    QStringList lines = traceLines();
    m_trace.clear();
    return lines;
}

void SimProcess::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.write("quit\n");
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(2000);
    }
}

QString SimProcess::readLine(int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const int nl = m_buffer.indexOf('\n');
        if (nl >= 0) {
            const QString line = QString::fromUtf8(m_buffer.left(nl)).trimmed();
            m_buffer.remove(0, nl + 1);
            return line;
        }
        const int left = timeoutMs - int(clock.elapsed());
        if (left <= 0 || !m_process.waitForReadyRead(left))
            return {};
        m_buffer += m_process.readAllStandardOutput();
    }
}
