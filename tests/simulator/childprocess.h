#pragma once
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

// A far-end program as a child process with pipes on its standard input and
// output: its lines read with a limit that turns a hung child into a failure
// instead of a hung test.
class ChildProcess {
public:
    ChildProcess(const char *program, std::vector<std::string> args)
    {
        int in[2], out[2];
        if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        args.insert(args.begin(), program);
        std::vector<char *> argv;
        for (std::string &a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        if (posix_spawn(&m_pid, program, &actions, nullptr, argv.data(), environ) != 0)
            m_pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(in[0]);
        ::close(out[1]);
        m_in = in[1];
        m_out = out[0];
    }
    ~ChildProcess()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
        closeInput();
        if (m_out >= 0)
            ::close(m_out);
    }
    bool running() const { return m_pid > 0; }

    void send(const std::string &text)
    {
        std::size_t done = 0;
        while (done < text.size()) {
            const ssize_t n = ::write(m_in, text.data() + done, text.size() - done);
            if (n <= 0)
                return;
            done += static_cast<std::size_t>(n);
        }
    }
    void closeInput()
    {
        if (m_in >= 0)
            ::close(m_in);
        m_in = -1;
    }

    // The next line of output; empty at end of output. The limit only turns
    // a hung child into a failure instead of a hung test.
    std::string line(int limitMs = 10000)
    {
        for (;;) {
            const std::size_t eol = m_buffer.find('\n');
            if (eol != std::string::npos) {
                std::string l = m_buffer.substr(0, eol);
                m_buffer.erase(0, eol + 1);
                return l;
            }
            pollfd p{m_out, POLLIN, 0};
            if (::poll(&p, 1, limitMs) <= 0) {
                ADD_FAILURE() << "no line from the child";
                return {};
            }
            char chunk[4096];
            const ssize_t n = ::read(m_out, chunk, sizeof chunk);
            if (n <= 0)
                return {};
            m_buffer.append(chunk, static_cast<std::size_t>(n));
        }
    }
    std::string ask(const std::string &command)
    {
        send(command + "\n");
        return line();
    }
    // The exit status; -1 when it did not exit normally.
    int wait()
    {
        int status = 0;
        if (::waitpid(m_pid, &status, 0) != m_pid)
            return -1;
        m_pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    void signal(int sig) { ::kill(m_pid, sig); }

private:
    pid_t m_pid = -1;
    int m_in = -1, m_out = -1;
    std::string m_buffer;
};
