// veltrano-sim: the stand-in simulator as a program. It serves the link's
// window, prints READY <class>, then answers one line per command read from
// standard input. It keeps serving when input ends and stops on quit, SIGINT
// or SIGTERM, destroying its window so the endpoint goes with it.
#include "standinsimulator.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <mutex>
#include <poll.h>
#include <string>
#include <sys/signalfd.h>
#include <unistd.h>
#include <vector>

namespace {

// Whole lines to standard output, one write each, never interleaved: answers
// come from this thread, trace lines from the serving thread.
class LineOut {
public:
    void line(std::string_view text)
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

private:
    std::mutex m_mutex;
};

} // namespace

int main(int argc, char **argv)
{
    std::vector<std::string_view> args(argv + 1, argv + argc);
    std::string error;
    const auto options = parseOptions(args, error);
    if (!options) {
        std::fprintf(stderr, "veltrano-sim: %s\n"
                             "usage: veltrano-sim [--class UIPCMAIN|FS98MAIN] [--version 0xNNNNNNNN] [--sim N] "
                             "[--aircraft NAME] [--scenario parked|taxi|cruise|approach]\n",
                     error.c_str());
        return 2;
    }

    // Signals arrive as readable data on a descriptor; blocked before any
    // thread starts, so the serving thread never takes them.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    const int signalFd = ::signalfd(-1, &signals, SFD_CLOEXEC);
    if (signalFd < 0) {
        std::perror("veltrano-sim: signalfd");
        return 1;
    }

    LineOut out;
    StandInSimulator simulator;
    simulator.setTraceSink([&out](const std::string &line) { out.line(line); });
    if (!simulator.start(*options, &error)) {
        std::fprintf(stderr, "veltrano-sim: %s\n", error.c_str());
        return 1;
    }
    out.line("READY " + options->windowClass);

    std::string pending;
    bool inputOpen = true;
    while (!simulator.quitRequested()) {
        pollfd fds[2] = {{signalFd, POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
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
                out.line(simulator.command(pending));
            pending.clear();
            continue;
        }
        pending.append(chunk, static_cast<std::size_t>(n));
        std::size_t eol;
        while (!simulator.quitRequested() && (eol = pending.find('\n')) != std::string::npos) {
            const std::string line = pending.substr(0, eol);
            pending.erase(0, eol + 1);
            out.line(simulator.command(line));
        }
    }
    simulator.stop();
    ::close(signalFd);
    return 0;
}
