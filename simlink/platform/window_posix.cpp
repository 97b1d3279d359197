// Top-level windows as listening AF_UNIX SOCK_SEQPACKET sockets named
// window.<class> in the endpoint folder. A found window is a connection to
// that socket; a message is one request packet and, unless the window keeps
// it, one answer packet carrying the request's sequence number, so a late
// answer is never taken for the answer to a later request.
//
// Nothing here waits on the far end without a limit: a far end that has
// stopped (SIGSTOP, a debugger) neither accepts connections nor reads
// requests, and the sender's thread is the panel's window thread.
#include "posix_internal.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <map>
#include <memory>
#include <mutex>
#include <poll.h>
#include <sys/time.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <time.h>
#include <unistd.h>
#include <vector>

namespace win {

namespace {

constexpr std::uint32_t kRequestMagic = 0x564C4D53; // "VLMS"
constexpr std::uint32_t kAnswerMagic = 0x564C4D41;  // "VLMA"

struct Request {
    std::uint32_t magic;
    std::uint32_t seq;
    std::uint32_t msg;
    std::uint32_t reserved;
    std::uint64_t wParam;
    std::int64_t lParam;
};

struct Answer {
    std::uint32_t magic;
    std::uint32_t seq;
    std::int64_t result;
};

class Server;

} // namespace

struct WindowRef {
    std::string className;
    std::mutex mutex; // one message at a time per connection
    int fd = -1;      // client side: the connection; -1 once the far end is gone
    std::uint32_t seq = 0;
    std::int64_t receiveTimeoutMs = -1; // SO_RCVTIMEO now set on fd
    Server *server = nullptr;           // far-end side: the served window
};

namespace {

// Handles are never freed, so a stale handle stays safe to look at.
std::mutex g_windowsMutex;
std::deque<WindowRef> g_windows;
std::map<std::string, WindowRef *> g_found; // class -> last found window

bool isHandle(HWND w)
{
    for (const WindowRef &r : g_windows)
        if (&r == w)
            return true;
    return false;
}

bool socketAddress(const std::string &className, sockaddr_un &addr, socklen_t &len)
{
    if (className.empty() || className.find('/') != std::string::npos)
        return false;
    const std::string folder = posix::endpointFolder();
    if (folder.empty())
        return false;
    const std::string path = folder + "/window." + className;
    if (path.size() >= sizeof(addr.sun_path))
        return false;
    std::memset(&addr, 0, sizeof addr);
    addr.sun_family = AF_UNIX;
    std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);
    len = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path.size() + 1);
    return true;
}

bool peerIsUs(int fd)
{
    ucred cred {};
    socklen_t len = sizeof cred;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &cred, &len) == 0 && cred.uid == posix::effectiveUser();
}

std::int64_t millisecondsNow()
{
    timespec ts {};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

// How long a connection may wait for a far end whose backlog is full. A live
// far end empties it at once; one that stays full has stopped.
constexpr std::int64_t kConnectWaitMs = 250;

enum class Reach {
    Connected, // fd is the connection
    Absent,    // no socket, or a dead one
    Busy,      // a listener that takes no connections: stopped
    Refused,   // the endpoint may not be used (see endpointProblem)
};

struct Connection {
    Reach reach;
    int fd = -1;
};

Connection connectTo(const std::string &className)
{
    sockaddr_un addr;
    socklen_t len;
    if (!socketAddress(className, addr, len) || !posix::endpointProblem(className).empty())
        return {Reach::Refused};
    // Without blocking: with the far end's backlog full a blocking connect
    // would wait for as long as the far end stays stopped.
    const int fd = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return {Reach::Absent};
    const std::int64_t deadline = millisecondsNow() + kConnectWaitMs;
    while (::connect(fd, reinterpret_cast<sockaddr *>(&addr), len) != 0) {
        const int err = errno;
        if (err == EINTR)
            continue;
        if (err == EAGAIN && millisecondsNow() < deadline) {
            Sleep(10); // a full backlog cannot be waited on with poll
            continue;
        }
        ::close(fd);
        return {err == EAGAIN ? Reach::Busy : Reach::Absent};
    }
    // Messages wait with their own limits (see SendMessageTimeout).
    if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0 || !peerIsUs(fd)) {
        ::close(fd);
        return {Reach::Refused};
    }
    return {Reach::Connected, fd};
}

bool connectionAlive(int fd)
{
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, 0) < 0)
        return false;
    if (p.revents & (POLLHUP | POLLERR | POLLNVAL))
        return false;
    return true; // pending late answers are fine; they are skipped by sequence
}

void markDead(WindowRef &w)
{
    if (w.fd >= 0)
        ::close(w.fd);
    w.fd = -1;
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
}

// The far end of a served window: one thread polling the listening socket,
// its connections and a wake-up descriptor.
class Server {
public:
    Server(int listenFd, std::string path, ino_t inode, WindowProc proc)
        : m_listen(listenFd), m_path(std::move(path)), m_inode(inode), m_proc(std::move(proc))
    {
        m_wake = ::eventfd(0, EFD_CLOEXEC);
        m_thread = std::thread([this] { run(); });
    }
    ~Server()
    {
        const std::uint64_t one = 1;
        if (::write(m_wake, &one, sizeof one) < 0) {
        }
        m_thread.join();
        for (int fd : m_clients)
            ::close(fd);
        // Remove the endpoint only if it is still ours.
        struct stat st {};
        if (::lstat(m_path.c_str(), &st) == 0 && st.st_ino == m_inode)
            ::unlink(m_path.c_str());
        ::close(m_listen);
        ::close(m_wake);
    }

private:
    // Out of descriptors, accept fails and leaves the listener readable: it
    // is left out of the poll this long, so the thread neither spins nor
    // misses the clients that come once descriptors are free again.
    static constexpr int kAcceptPauseMs = 100;

    void run()
    {
        std::int64_t acceptPausedUntil = 0;
        for (;;) {
            const std::int64_t pause = acceptPausedUntil - millisecondsNow();
            std::vector<pollfd> fds;
            fds.push_back({m_wake, POLLIN, 0});
            fds.push_back({m_listen, static_cast<short>(pause > 0 ? 0 : POLLIN), 0});
            for (int fd : m_clients)
                fds.push_back({fd, POLLIN, 0});
            if (::poll(fds.data(), fds.size(), pause > 0 ? static_cast<int>(pause) : -1) < 0) {
                if (errno == EINTR)
                    continue;
                return;
            }
            if (fds[0].revents)
                return;
            if ((fds[1].revents & POLLIN) && !accept())
                acceptPausedUntil = millisecondsNow() + kAcceptPauseMs;
            for (std::size_t i = 2; i < fds.size(); ++i)
                if (fds[i].revents)
                    serve(fds[i].fd);
            std::erase(m_clients, -1);
        }
    }

    // False when accepting must pause: the process or the system is out of
    // descriptors or memory.
    bool accept()
    {
        const int fd = ::accept4(m_listen, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0)
            return !(errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM);
        if (!peerIsUs(fd)) { // another user: refused
            ::close(fd);
            return true;
        }
        m_clients.push_back(fd);
        return true;
    }

    void serve(int fd)
    {
        Request req {};
        const ssize_t n = ::recv(fd, &req, sizeof req, MSG_DONTWAIT);
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        if (n != static_cast<ssize_t>(sizeof req) || req.magic != kRequestMagic) {
            drop(fd); // end of connection, or not our protocol
            return;
        }
        const std::optional<LRESULT> result = m_proc(req.msg, static_cast<WPARAM>(req.wParam),
                                                     static_cast<LPARAM>(req.lParam));
        if (!result)
            return; // the window keeps the message: no answer
        const Answer ans{kAnswerMagic, req.seq, static_cast<std::int64_t>(*result)};
        if (::send(fd, &ans, sizeof ans, MSG_NOSIGNAL) != static_cast<ssize_t>(sizeof ans))
            drop(fd);
    }

    void drop(int fd)
    {
        ::close(fd);
        for (int &c : m_clients)
            if (c == fd)
                c = -1;
    }

    int m_listen;
    std::string m_path;
    ino_t m_inode;
    WindowProc m_proc;
    int m_wake = -1;
    std::vector<int> m_clients;
    std::thread m_thread;
};

} // namespace

HWND FindWindowEx(HWND parent, HWND childAfter, const char *className, const char *windowName)
{
    if (parent || childAfter || windowName || !className) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::lock_guard lock(g_windowsMutex);
    WindowRef *known = nullptr;
    auto it = g_found.find(className);
    if (it != g_found.end()) {
        known = it->second;
        std::lock_guard wlock(known->mutex);
        if (known->fd >= 0 && connectionAlive(known->fd))
            return known;
        if (known->fd >= 0)
            markDead(*known);
    }
    // A dead socket file does not count, nor does a far end that has stopped.
    const Connection c = connectTo(className);
    if (c.reach != Reach::Connected) {
        SetLastError(c.reach == Reach::Refused ? ERROR_ACCESS_DENIED : ERROR_FILE_NOT_FOUND);
        return nullptr;
    }
    // A window of the class that came back takes its old handle again, so that
    // a far end restarted over and over costs nothing.
    WindowRef &w = known ? *known : g_windows.emplace_back();
    std::lock_guard wlock(w.mutex);
    w.className = className;
    w.fd = c.fd;
    w.receiveTimeoutMs = -1;
    g_found[className] = &w;
    SetLastError(ERROR_SUCCESS);
    return &w;
}

namespace {

// Waits until fd is ready for `events` or the deadline passes.
bool waitReady(int fd, short events, std::int64_t deadline)
{
    for (;;) {
        const std::int64_t wait = deadline - millisecondsNow();
        if (wait <= 0)
            return false;
        pollfd p{fd, events, 0};
        const int n = ::poll(&p, 1, static_cast<int>(wait));
        if (n > 0)
            return true; // ready, or an error that the next call reports
        if (n < 0 && errno != EINTR)
            return true;
    }
}

LRESULT timedOut()
{
    SetLastError(ERROR_SUCCESS); // a time-out leaves the last error at 0
    return 0;
}

} // namespace

LRESULT SendMessageTimeout(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT /*flags*/, UINT timeoutMs,
                           DWORD_PTR *result)
{
    {
        std::lock_guard lock(g_windowsMutex);
        if (!window || !isHandle(window) || window->server) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return 0;
        }
    }
    WindowRef &w = *window;
    std::lock_guard wlock(w.mutex);
    if (w.fd < 0) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    const std::int64_t deadline = millisecondsNow() + timeoutMs;
    const Request req{kRequestMagic, ++w.seq, msg, 0, static_cast<std::uint64_t>(wParam),
                      static_cast<std::int64_t>(lParam)};
    // A far end that has stopped reading fills its queue; the request then
    // waits for room no longer than for the answer.
    for (;;) {
        if (::send(w.fd, &req, sizeof req, MSG_NOSIGNAL | MSG_DONTWAIT) == static_cast<ssize_t>(sizeof req))
            break;
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK) {
            markDead(w);
            return 0;
        }
        if (!waitReady(w.fd, POLLOUT, deadline))
            return timedOut();
    }
    // Wait with a receive time-out rather than poll: one system call per
    // answer. The time-out is set again only when it changes.
    std::int64_t wait = deadline - millisecondsNow();
    for (;;) {
        if (wait <= 0)
            return timedOut();
        if (wait != w.receiveTimeoutMs) {
            const timeval tv{static_cast<time_t>(wait / 1000), static_cast<suseconds_t>((wait % 1000) * 1000)};
            ::setsockopt(w.fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
            w.receiveTimeoutMs = wait;
        }
        Answer ans {};
        const ssize_t n = ::recv(w.fd, &ans, sizeof ans, 0);
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
            wait = deadline - millisecondsNow();
            continue;
        }
        if (n != static_cast<ssize_t>(sizeof ans) || ans.magic != kAnswerMagic) {
            markDead(w); // end of connection or garbage: the window is gone
            return 0;
        }
        if (ans.seq != w.seq) {
            wait = deadline - millisecondsNow(); // the late answer to an earlier request
            continue;
        }
        if (result)
            *result = static_cast<DWORD_PTR>(ans.result);
        SetLastError(ERROR_SUCCESS);
        return 1;
    }
}

HWND CreateServedWindow(const char *className, WindowProc proc)
{
    sockaddr_un addr;
    socklen_t len;
    if (!className || !proc || !socketAddress(className, addr, len)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    const Connection probe = connectTo(className);
    if (probe.reach == Reach::Refused) {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    if (probe.reach != Reach::Absent) { // live, or stopped but still there
        if (probe.fd >= 0)
            ::close(probe.fd);
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return nullptr;
    }
    ::unlink(addr.sun_path); // a socket file left by a far end that died
    const int fd = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    struct stat st {};
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr *>(&addr), len) != 0 || ::chmod(addr.sun_path, 0600) != 0 ||
        ::listen(fd, 16) != 0 || ::lstat(addr.sun_path, &st) != 0) {
        const int err = errno;
        if (fd >= 0)
            ::close(fd);
        posix::setLastErrorFromErrno(err);
        return nullptr;
    }
    std::lock_guard lock(g_windowsMutex);
    WindowRef &w = g_windows.emplace_back();
    w.className = className;
    w.server = new Server(fd, addr.sun_path, st.st_ino, std::move(proc));
    SetLastError(ERROR_SUCCESS);
    return &w;
}

BOOL DestroyWindow(HWND window)
{
    Server *server = nullptr;
    {
        std::lock_guard lock(g_windowsMutex);
        if (!window || !isHandle(window) || !window->server) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return 0;
        }
        server = window->server;
        window->server = nullptr;
    }
    delete server; // joins the serving thread outside the table lock
    return 1;
}

} // namespace win

namespace win::posix {

std::string endpointProblem(const std::string &className)
{
    std::string why;
    const std::string folder = endpointFolder(&why);
    if (folder.empty())
        return why;
    if (className.empty() || className.find('/') != std::string::npos)
        return "\"" + className + "\" is not a window class";
    const std::string path = folder + "/window." + className;
    if (path.size() >= sizeof(sockaddr_un::sun_path))
        return path + " is too long for a socket's name";
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0)
        return {}; // nobody there yet
    if (S_ISLNK(st.st_mode))
        return path + " is a symbolic link, not a window's socket";
    if (S_ISDIR(st.st_mode))
        return path + " is a folder, not a window's socket";
    if (!S_ISSOCK(st.st_mode))
        return path + " is not a socket";
    if (st.st_uid != effectiveUser())
        return path + " belongs to another user";
    return {};
}

} // namespace win::posix
