// Top-level windows as listening AF_UNIX SOCK_SEQPACKET sockets named
// window.<class> in the endpoint folder. A found window is a connection to
// that socket; a message is one request packet and, unless the window keeps
// it, one answer packet carrying the request's sequence number, so a late
// answer is never taken for the answer to a later request.
#include "posix_internal.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <deque>
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

int connectTo(const std::string &className)
{
    sockaddr_un addr;
    socklen_t len;
    if (!socketAddress(className, addr, len))
        return -1;
    const int fd = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    if (::connect(fd, reinterpret_cast<sockaddr *>(&addr), len) != 0 || !peerIsUs(fd)) {
        ::close(fd);
        return -1;
    }
    return fd;
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

std::int64_t millisecondsNow()
{
    timespec ts {};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
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
    void run()
    {
        for (;;) {
            std::vector<pollfd> fds;
            fds.push_back({m_wake, POLLIN, 0});
            fds.push_back({m_listen, POLLIN, 0});
            for (int fd : m_clients)
                fds.push_back({fd, POLLIN, 0});
            if (::poll(fds.data(), fds.size(), -1) < 0) {
                if (errno == EINTR)
                    continue;
                return;
            }
            if (fds[0].revents)
                return;
            if (fds[1].revents & POLLIN)
                accept();
            for (std::size_t i = 2; i < fds.size(); ++i)
                if (fds[i].revents)
                    serve(fds[i].fd);
            std::erase(m_clients, -1);
        }
    }

    void accept()
    {
        const int fd = ::accept4(m_listen, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0)
            return;
        if (!peerIsUs(fd)) { // another user: refused
            ::close(fd);
            return;
        }
        m_clients.push_back(fd);
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
    auto it = g_found.find(className);
    if (it != g_found.end()) {
        WindowRef &w = *it->second;
        std::lock_guard wlock(w.mutex);
        if (w.fd >= 0 && connectionAlive(w.fd))
            return &w;
        if (w.fd >= 0)
            markDead(w);
    }
    const int fd = connectTo(className); // a dead socket file does not count
    if (fd < 0) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return nullptr;
    }
    WindowRef &w = g_windows.emplace_back();
    w.className = className;
    w.fd = fd;
    g_found[className] = &w;
    SetLastError(ERROR_SUCCESS);
    return &w;
}

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
    const Request req{kRequestMagic, ++w.seq, msg, 0, static_cast<std::uint64_t>(wParam),
                      static_cast<std::int64_t>(lParam)};
    if (::send(w.fd, &req, sizeof req, MSG_NOSIGNAL) != static_cast<ssize_t>(sizeof req)) {
        markDead(w);
        return 0;
    }
    // Wait with a receive time-out rather than poll: one system call per
    // answer. The time-out is set again only when it changes.
    const std::int64_t deadline = millisecondsNow() + timeoutMs;
    std::int64_t wait = timeoutMs;
    for (;;) {
        if (wait <= 0) {
            SetLastError(ERROR_SUCCESS); // a time-out leaves the last error at 0
            return 0;
        }
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
    const int probe = connectTo(className);
    if (probe >= 0) {
        ::close(probe);
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
