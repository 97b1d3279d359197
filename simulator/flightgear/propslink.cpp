#include "propslink.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace fg {

void LineReader::feed(std::span<const char> bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const char *start = bytes.data() + i;
        const void *eol = std::memchr(start, '\n', bytes.size() - i);
        const std::size_t n = eol ? std::size_t(static_cast<const char *>(eol) - start) : bytes.size() - i;
        if (!m_dropping) {
            m_partial.append(start, n);
            if (m_partial.size() > m_maxLine + 1) { // + 1: room for the \r of \r\n
                m_dropping = true;
                m_partial.clear();
                m_partial.shrink_to_fit();
            }
        }
        i += n;
        if (!eol)
            break;
        ++i; // the \n
        if (m_dropping) {
            m_lines.push_back({{}, true});
        } else {
            if (!m_partial.empty() && m_partial.back() == '\r')
                m_partial.pop_back();
            if (m_partial.size() > m_maxLine)
                m_lines.push_back({{}, true});
            else
                m_lines.push_back({std::move(m_partial), false});
        }
        m_partial.clear();
        m_dropping = false;
    }
}

std::optional<LineReader::Line> LineReader::next()
{
    if (m_lines.empty())
        return std::nullopt;
    Line l = std::move(m_lines.front());
    m_lines.pop_front();
    return l;
}

void LineReader::clear()
{
    m_partial.clear();
    m_dropping = false;
    m_lines.clear();
}

std::string getCommands(const std::vector<std::string> &paths)
{
    std::string text;
    for (const std::string &p : paths)
        text += "get " + p + "\r\n";
    return text;
}

std::string setCommands(const std::vector<PropertySet> &sets)
{
    auto safe = [](const std::string &s) { return s.find_first_of("\r\n") == std::string::npos; };
    std::string text;
    for (const PropertySet &s : sets)
        if (!s.path.empty() && s.path.find_first_of(" \t") == std::string::npos && safe(s.path) && safe(s.value))
            text += "set " + s.path + " " + s.value + "\r\n";
    return text;
}

namespace {

using Clock = std::chrono::steady_clock;

int msLeft(Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left < 0 ? 0 : int(left);
}

std::string errnoText(const char *what) { return std::string(what) + ": " + std::strerror(errno); }

} // namespace

bool PropsConnection::open(const std::string &host, std::uint16_t port, int timeoutMs, std::string &error)
{
    close();
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo *found = nullptr;
    if (const int rc = ::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found); rc != 0) {
        error = "cannot resolve " + host + ": " + ::gai_strerror(rc);
        return false;
    }
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    error = "no address for " + host;
    for (addrinfo *a = found; a && m_fd < 0; a = a->ai_next) {
        const int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, a->ai_protocol);
        if (fd < 0) {
            error = errnoText("socket");
            continue;
        }
        if (::connect(fd, a->ai_addr, a->ai_addrlen) != 0 && errno != EINPROGRESS) {
            error = errnoText("connect");
            ::close(fd);
            continue;
        }
        pollfd p{fd, POLLOUT, 0};
        int soError = 0;
        socklen_t len = sizeof soError;
        if (::poll(&p, 1, msLeft(deadline)) != 1 || ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &soError, &len) != 0 ||
            soError != 0) {
            error = soError ? std::string("connect: ") + std::strerror(soError) : "connect: timed out";
            ::close(fd);
            continue;
        }
        const int one = 1;
        ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one); // each batch goes out at once
        m_fd = fd;
    }
    ::freeaddrinfo(found);
    if (m_fd < 0)
        return false;
    m_lines.clear();
    return send("data\r\n", msLeft(deadline), error);
}

void PropsConnection::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_lines.clear();
}

bool PropsConnection::send(std::string_view text, int timeoutMs, std::string &error)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!text.empty()) {
        const ssize_t n = ::send(m_fd, text.data(), text.size(), MSG_NOSIGNAL);
        if (n > 0) {
            text.remove_prefix(std::size_t(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            pollfd p{m_fd, POLLOUT, 0};
            if (::poll(&p, 1, msLeft(deadline)) == 1)
                continue;
            error = "the server takes no more commands";
            return false;
        }
        error = errnoText("send");
        return false;
    }
    return true;
}

bool PropsConnection::receive(std::string &error)
{
    char chunk[16384];
    for (;;) {
        const ssize_t n = ::recv(m_fd, chunk, sizeof chunk, 0);
        if (n > 0) {
            m_lines.feed({chunk, std::size_t(n)});
            if (std::size_t(n) < sizeof chunk)
                return true;
            continue;
        }
        if (n == 0) {
            error = "the server closed the connection";
            return false;
        }
        if (errno == EINTR)
            continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK)
            return true;
        error = errnoText("recv");
        return false;
    }
}

std::optional<std::string> PropsConnection::ask(const std::string &path, int timeoutMs, std::string &error)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    if (!send(getCommands({path}), timeoutMs, error))
        return std::nullopt;
    for (;;) {
        if (auto line = nextLine()) {
            if (line->overlong) {
                error = "the answer for " + path + " is too long";
                return std::nullopt;
            }
            return std::move(line->text);
        }
        pollfd p{m_fd, POLLIN, 0};
        if (::poll(&p, 1, msLeft(deadline)) != 1) {
            error = "no answer for " + path;
            return std::nullopt;
        }
        if (!receive(error))
            return std::nullopt;
    }
}

} // namespace fg
