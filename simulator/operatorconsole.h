#pragma once
// A far-end program's console: whole lines to standard output, never
// interleaved (answers come from the operator's thread, trace and status
// lines from others), and the loop that answers one line per command read
// from standard input. The loop keeps serving when input ends and returns on
// quit, SIGINT or SIGTERM.
#include <functional>
#include <mutex>
#include <string>
#include <string_view>

class LineOut {
public:
    void line(std::string_view text);

private:
    std::mutex m_mutex;
};

// Blocks SIGINT and SIGTERM in every thread started afterwards, so that only
// the console loop takes them; call before starting any thread. False when
// the signals cannot be taken (the reason is printed).
bool takeStopSignals(const char *program);

// Answers each command line with `answer` until `quitRequested` or a stop
// signal. takeStopSignals() must have succeeded first.
void runConsole(LineOut &out, const std::function<std::string(std::string_view)> &answer,
                const std::function<bool()> &quitRequested);
