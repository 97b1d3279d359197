#include "closeonsignal.h"

#include <QSocketNotifier>
#include <QWidget>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The handler only writes a byte; the window is closed on the event loop.
int g_wakeWrite = -1;

void onSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    if (::write(g_wakeWrite, &byte, 1) < 0) {
        // full pipe: a close is already on its way
    }
    errno = saved;
}

} // namespace

CloseOnSignal::CloseOnSignal(QWidget *window) : m_window(window)
{
    int wake[2];
    if (::pipe2(wake, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    g_wakeWrite = wake[1];
    m_notifier = new QSocketNotifier(wake[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &CloseOnSignal::closeWindow);
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : kSignals)
        ::sigaction(sig, &action, nullptr);
}

CloseOnSignal::~CloseOnSignal()
{
    for (int sig : kSignals)
        std::signal(sig, SIG_DFL);
    if (m_notifier) {
        ::close(int(m_notifier->socket()));
        ::close(g_wakeWrite);
        g_wakeWrite = -1;
    }
}

void CloseOnSignal::closeWindow()
{
    char drain[16];
    while (::read(int(m_notifier->socket()), drain, sizeof drain) > 0) {
    }
    m_window->close();
}
