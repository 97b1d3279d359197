#pragma once
// FlightGear's "props" server as a client sees it, in data mode: one command
// per line ("get PATH", "set PATH VALUE"); each get is answered by one line
// holding the bare value (an empty line when the property does not exist),
// a set is not answered. Commands may be pipelined: answers come back in
// order.
//
// Answers are untrusted input: lines are cut at a fixed length, and a longer
// one is taken as one refused answer whose bytes are dropped as they come,
// so a server that never ends a line costs no memory.
#include "propertyconversion.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace fg {

class LineReader {
public:
    explicit LineReader(std::size_t maxLine) : m_maxLine(maxLine) {}

    struct Line {
        std::string text; // without the line end ("\n" or "\r\n")
        bool overlong = false;
    };
    void feed(std::span<const char> bytes);
    std::optional<Line> next();
    void clear();

private:
    std::size_t m_maxLine;
    std::string m_partial;
    bool m_dropping = false;
    std::deque<Line> m_lines;
};

// "get PATH\r\n" for each path, as one text to write at once.
std::string getCommands(const std::vector<std::string> &paths);
// "set PATH VALUE\r\n" for each set; a set whose path or value could break
// the line protocol (a line end, an empty path) is left out.
std::string setCommands(const std::vector<PropertySet> &sets);

// The TCP connection to the props server. Blocking calls with time limits;
// used by one thread.
class PropsConnection {
public:
    static constexpr std::size_t kMaxLine = 4096;

    PropsConnection() = default;
    ~PropsConnection() { close(); }
    PropsConnection(const PropsConnection &) = delete;
    PropsConnection &operator=(const PropsConnection &) = delete;

    // Connects within the time limit and switches the server to data mode.
    bool open(const std::string &host, std::uint16_t port, int timeoutMs, std::string &error);
    void close();
    bool isOpen() const { return m_fd >= 0; }
    int fd() const { return m_fd; }

    // Writes all of `text`, waiting for room at most `timeoutMs` in all.
    bool send(std::string_view text, int timeoutMs, std::string &error);
    // Takes what has arrived (call when the descriptor is readable). False
    // when the server closed the connection or it failed.
    bool receive(std::string &error);
    std::optional<LineReader::Line> nextLine() { return m_lines.next(); }

    // One get, waited for: for asking a single value before refreshing.
    std::optional<std::string> ask(const std::string &path, int timeoutMs, std::string &error);

private:
    int m_fd = -1;
    LineReader m_lines{kMaxLine};
};

} // namespace fg
