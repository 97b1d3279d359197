#include "simchild.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

PrivateEndpoints::PrivateEndpoints()
{
    char folder[] = "/tmp/veltrano-bench-XXXXXX";
    if (!::mkdtemp(folder)) {
        std::perror("mkdtemp");
        std::exit(1);
    }
    m_folder = folder;
    ::setenv("XDG_RUNTIME_DIR", folder, 1);
}

PrivateEndpoints::~PrivateEndpoints()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
}

SimChild::SimChild(const std::vector<std::string> &options)
{
    std::vector<char *> argv{const_cast<char *>(VELTRANO_SIM_PATH)};
    for (const std::string &o : options)
        argv.push_back(const_cast<char *>(o.c_str()));
    argv.push_back(nullptr);

    int toChild[2], fromChild[2];
    if (::pipe(toChild) != 0 || ::pipe(fromChild) != 0)
        std::abort();
    m_pid = ::fork();
    if (m_pid == 0) {
        ::dup2(toChild[0], 0);
        ::dup2(fromChild[1], 1);
        ::close(toChild[1]);
        ::close(fromChild[0]);
        ::execv(VELTRANO_SIM_PATH, argv.data());
        ::_exit(127);
    }
    ::close(toChild[0]);
    ::close(fromChild[1]);
    m_in = ::fdopen(toChild[1], "w");
    m_out = ::fdopen(fromChild[0], "r");
    char line[128] = {};
    if (!m_in || !m_out || !std::fgets(line, sizeof line, m_out) || std::strncmp(line, "READY", 5) != 0) {
        std::fprintf(stderr, "veltrano-sim did not start\n");
        std::exit(1);
    }
}

SimChild::~SimChild()
{
    std::fputs("quit\n", m_in);
    std::fclose(m_in);
    ::waitpid(m_pid, nullptr, 0);
    std::fclose(m_out);
}

std::string SimChild::command(const std::string &line)
{
    std::fputs((line + "\n").c_str(), m_in);
    std::fflush(m_in);
    char answer[512] = {};
    if (!std::fgets(answer, sizeof answer, m_out))
        return {};
    std::string text = answer;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}
