#pragma once
// veltrano-sim as a child process of a benchmark: started with its options,
// waited for until it prints READY, then driven one command line at a time.
// The benchmark's own endpoint folder (XDG_RUNTIME_DIR) is set up by
// PrivateEndpoints before anything starts, so that runs never meet another
// simulator or panel on the machine.
#include <cstdio>
#include <string>
#include <sys/types.h>
#include <vector>

class PrivateEndpoints {
public:
    PrivateEndpoints();  // a fresh folder as XDG_RUNTIME_DIR of this process
    ~PrivateEndpoints(); // removed with whatever is left in it
    PrivateEndpoints(const PrivateEndpoints &) = delete;
    PrivateEndpoints &operator=(const PrivateEndpoints &) = delete;

private:
    std::string m_folder;
};

class SimChild {
public:
    // Starts the simulator with these options; ends the program with a
    // message when it does not come up.
    explicit SimChild(const std::vector<std::string> &options = {});
    ~SimChild(); // quit, and wait for it
    SimChild(const SimChild &) = delete;
    SimChild &operator=(const SimChild &) = delete;

    // One command line; its one answer line without the line end.
    std::string command(const std::string &line);

private:
    pid_t m_pid = -1;
    FILE *m_in = nullptr;  // the simulator's standard input
    FILE *m_out = nullptr; // its standard output
};
