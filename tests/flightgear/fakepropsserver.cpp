#include "fakepropsserver.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

FakePropsServer::FakePropsServer()
{
    m_listen = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    if (::bind(m_listen, reinterpret_cast<sockaddr *>(&addr), sizeof addr) != 0 || ::listen(m_listen, 16) != 0 ||
        ::getsockname(m_listen, reinterpret_cast<sockaddr *>(&addr), &len) != 0)
        return;
    m_port = ntohs(addr.sin_port);
    if (::pipe2(m_wake, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_thread = std::thread([this] { run(); });
}

FakePropsServer::~FakePropsServer()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    wakeLoop();
    if (m_thread.joinable())
        m_thread.join();
    for (int fd : {m_listen, m_wake[0], m_wake[1]})
        if (fd >= 0)
            ::close(fd);
}

void FakePropsServer::wakeLoop()
{
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(m_wake[1], &c, 1);
}

void FakePropsServer::setProperty(const std::string &path, const std::string &value)
{
    std::lock_guard lock(m_mutex);
    m_properties[path] = value;
    m_raw.erase(path);
}

void FakePropsServer::removeProperty(const std::string &path)
{
    std::lock_guard lock(m_mutex);
    m_properties.erase(path);
    m_raw.erase(path);
}

std::string FakePropsServer::property(const std::string &path) const
{
    std::lock_guard lock(m_mutex);
    const auto it = m_properties.find(path);
    return it == m_properties.end() ? std::string() : it->second;
}

void FakePropsServer::setRawAnswer(const std::string &path, std::string bytes)
{
    std::lock_guard lock(m_mutex);
    m_raw[path] = std::move(bytes);
}

std::vector<FakePropsServer::Set> FakePropsServer::sets() const
{
    std::lock_guard lock(m_mutex);
    return m_sets;
}

void FakePropsServer::clearSets()
{
    std::lock_guard lock(m_mutex);
    m_sets.clear();
}

bool FakePropsServer::waitForSets(std::size_t count, std::chrono::milliseconds limit) const
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, limit, [&] { return m_sets.size() >= count; });
}

void FakePropsServer::dropConnections()
{
    {
        std::lock_guard lock(m_mutex);
        m_drop = true;
    }
    wakeLoop();
}

void FakePropsServer::refuseConnections(bool refuse)
{
    std::lock_guard lock(m_mutex);
    m_refuse = refuse;
}

std::size_t FakePropsServer::accepted() const
{
    std::lock_guard lock(m_mutex);
    return m_accepted;
}

bool FakePropsServer::waitForAccepted(std::size_t count, std::chrono::milliseconds limit) const
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, limit, [&] { return m_accepted >= count; });
}

std::string FakePropsServer::unknownCommand() const
{
    std::lock_guard lock(m_mutex);
    return m_unknown;
}

void FakePropsServer::serveLine(Client &, std::string line, std::string &out)
{
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    std::lock_guard lock(m_mutex);
    if (line == "data")
        return;
    if (line.rfind("get ", 0) == 0) {
        const std::string path = line.substr(4);
        if (const auto raw = m_raw.find(path); raw != m_raw.end()) {
            out += raw->second;
            return;
        }
        const auto it = m_properties.find(path);
        out += (it == m_properties.end() ? std::string() : it->second) + "\r\n";
        return;
    }
    if (line.rfind("set ", 0) == 0) {
        const std::size_t blank = line.find(' ', 4);
        const std::string path = line.substr(4, blank == std::string::npos ? std::string::npos : blank - 4);
        const std::string value = blank == std::string::npos ? std::string() : line.substr(blank + 1);
        m_properties[path] = value;
        m_sets.emplace_back(path, value);
        m_changed.notify_all();
        return;
    }
    m_unknown = line;
}

void FakePropsServer::run()
{
    std::vector<Client> clients;
    for (;;) {
        std::vector<pollfd> fds{{m_wake[0], POLLIN, 0}, {m_listen, POLLIN, 0}};
        for (const Client &c : clients)
            fds.push_back({c.fd, POLLIN, 0});
        if (::poll(fds.data(), fds.size(), -1) < 0)
            continue;
        if (fds[0].revents & POLLIN) {
            char drain[64];
            while (::read(m_wake[0], drain, sizeof drain) > 0) {
            }
            std::lock_guard lock(m_mutex);
            if (m_stop || m_drop) {
                for (const Client &c : clients)
                    ::close(c.fd);
                clients.clear();
                m_drop = false;
                if (m_stop)
                    return;
                continue;
            }
        }
        if (fds[1].revents & POLLIN) {
            const int fd = ::accept4(m_listen, nullptr, nullptr, SOCK_CLOEXEC);
            std::lock_guard lock(m_mutex);
            if (fd >= 0) {
                ++m_accepted;
                m_changed.notify_all();
                if (m_refuse)
                    ::close(fd);
                else
                    clients.push_back({fd, {}});
            }
        }
        for (std::size_t i = 0; i < clients.size();) {
            const pollfd &p = fds[2 + i];
            if (i + 2 >= fds.size() || p.fd != clients[i].fd || !(p.revents & (POLLIN | POLLHUP | POLLERR))) {
                ++i;
                continue;
            }
            char chunk[8192];
            const ssize_t n = ::read(clients[i].fd, chunk, sizeof chunk);
            if (n <= 0) {
                ::close(clients[i].fd);
                clients.erase(clients.begin() + long(i));
                fds.erase(fds.begin() + long(2 + i));
                continue;
            }
            Client &c = clients[i];
            c.pending.append(chunk, std::size_t(n));
            std::string out;
            std::size_t eol;
            while ((eol = c.pending.find('\n')) != std::string::npos) {
                serveLine(c, c.pending.substr(0, eol), out);
                c.pending.erase(0, eol + 1);
            }
            // Every answer of a pipelined write goes back in one piece.
            for (std::size_t done = 0; done < out.size();) {
                const ssize_t w = ::send(c.fd, out.data() + done, out.size() - done, MSG_NOSIGNAL);
                if (w <= 0)
                    break;
                done += std::size_t(w);
            }
            ++i;
        }
    }
}
