#include "operatorconsole.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <sys/signalfd.h>
#include <unistd.h>

namespace {

int g_signalFd = -1;

} // namespace

void LineOut::line(std::string_view text)
{
    std::string buffer(text);
    buffer += '\n';
    std::lock_guard lock(m_mutex);
    std::size_t done = 0;
    while (done < buffer.size()) {
        const ssize_t n = ::write(STDOUT_FILENO, buffer.data() + done, buffer.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return; // output gone: keep serving regardless
        done += static_cast<std::size_t>(n);
    }
}

bool takeStopSignals(const char *program)
{
    // Signals arrive as readable data on a descriptor; blocked before any
    // thread starts, so no other thread takes them.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    g_signalFd = ::signalfd(-1, &signals, SFD_CLOEXEC);
    if (g_signalFd < 0) {
        std::fprintf(stderr, "%s: signalfd: %s\n", program, std::strerror(errno));
        return false;
    }
    return true;
}

void runConsole(LineOut &out, const std::function<std::string(std::string_view)> &answer,
                const std::function<bool()> &quitRequested)
{
    std::string pending;
    bool inputOpen = true;
    while (!quitRequested()) {
        pollfd fds[2] = {{g_signalFd, POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
        if (::poll(fds, inputOpen ? 2 : 1, -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (fds[0].revents & POLLIN)
            break; // SIGINT or SIGTERM
        if (!inputOpen || !(fds[1].revents & (POLLIN | POLLHUP | POLLERR)))
            continue;
        char chunk[4096];
        const ssize_t n = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            inputOpen = false; // keep serving without commands
            if (!pending.empty())
                out.line(answer(pending));
            pending.clear();
            continue;
        }
        pending.append(chunk, static_cast<std::size_t>(n));
        std::size_t eol;
        while (!quitRequested() && (eol = pending.find('\n')) != std::string::npos) {
            const std::string line = pending.substr(0, eol);
            pending.erase(0, eol + 1);
            out.line(answer(line));
        }
    }
    if (g_signalFd >= 0)
        ::close(g_signalFd);
    g_signalFd = -1;
}
