// The Windows-call layer under attack from the user's own processes: a cut
// atom table, a far end that has stopped, a descriptor flood, panels killed
// without closing, and endpoints something else stands in the place of.
#include "SimLinkClient.h"
#include "platform/winapi.h"
#include "linkleftovers.h"
#include "testfarend.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <future>
#include <sstream>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace std::chrono_literals;

// A far end in a process of its own, serving UIPCMAIN with answer 1 until it
// is killed. It can start with few descriptors, and be stopped and continued.
class ChildFarEnd {
public:
    explicit ChildFarEnd(rlim_t descriptors = 0)
    {
        int ready[2];
        if (::pipe(ready) != 0)
            return;
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(ready[0]);
            if (descriptors) {
                const rlimit limit{descriptors, descriptors};
                ::setrlimit(RLIMIT_NOFILE, &limit);
            }
            const bool ok = win::CreateServedWindow("UIPCMAIN", [](win::UINT, win::WPARAM, win::LPARAM) {
                                return std::optional<win::LRESULT>(1);
                            }) != nullptr;
            if (::write(ready[1], ok ? "r" : "f", 1) != 1 || !ok)
                ::_exit(1);
            for (;;)
                ::pause();
        }
        ::close(ready[1]);
        char c = 0;
        m_serving = ::read(ready[0], &c, 1) == 1 && c == 'r';
        ::close(ready[0]);
    }
    ~ChildFarEnd()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    bool serving() const { return m_serving; }
    bool stop()
    {
        int status = 0;
        return ::kill(m_pid, SIGSTOP) == 0 && ::waitpid(m_pid, &status, WUNTRACED) == m_pid && WIFSTOPPED(status);
    }
    void resume() { ::kill(m_pid, SIGCONT); }
    // Processor time used so far, in clock ticks.
    long cpuTicks() const
    {
        std::ifstream in("/proc/" + std::to_string(m_pid) + "/stat");
        std::string all((std::istreambuf_iterator<char>(in)), {});
        std::istringstream fields(all.substr(all.rfind(')') + 2)); // after the command name
        std::string field;
        long utime = 0, stime = 0;
        for (int i = 3; i <= 15 && fields >> field; ++i) {
            if (i == 14)
                utime = std::stol(field);
            if (i == 15)
                stime = std::stol(field);
        }
        return utime + stime;
    }

private:
    pid_t m_pid = -1;
    bool m_serving = false;
};

// Connects to the window socket without blocking until its backlog is full;
// returns the connections made.
std::vector<int> fillBacklog(const std::string &path, int most)
{
    std::vector<int> fds;
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::snprintf(addr.sun_path, sizeof addr.sun_path, "%s", path.c_str());
    while (int(fds.size()) < most) {
        const int fd = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (::connect(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) != 0) {
            ::close(fd);
            break;
        }
        fds.push_back(fd);
    }
    return fds;
}

// Runs fn on a thread; false when it has not returned within the limit. A
// call that hangs is then released by `release`, so the test ends either way.
template <typename Fn> bool returnsWithin(std::chrono::milliseconds limit, Fn fn, const std::function<void()> &release)
{
    auto done = std::async(std::launch::async, fn);
    const bool inTime = done.wait_for(limit) == std::future_status::ready;
    if (!inTime)
        release();
    done.wait();
    return inTime;
}

} // namespace

TEST(PlatformFaults, AnAtomTableCutShortIsReadAgainNotFallenOver)
{
    ScopedRuntimeDir dir;
    const std::string table = win::posix::endpointFolder() + "/atoms";
    // In a child: the far end's lookup would die there of SIGBUS, not the test.
    int out[2];
    ASSERT_EQ(::pipe(out), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        const win::ATOM a = win::GlobalAddAtom("FsasmLib:IPC:77:1");
        char name[64];
        const bool before = win::GlobalGetAtomName(a, name, sizeof name) != 0; // remembered from here on
        if (::truncate(table.c_str(), 0) != 0)
            ::_exit(3);
        const bool after = win::GlobalGetAtomName(a, name, sizeof name) != 0;
        const char answer[2] = {before ? '1' : '0', after ? '1' : '0'};
        ::_exit(::write(out[1], answer, 2) == 2 ? 0 : 2);
    }
    ::close(out[1]);
    char answer[3] = {};
    const ssize_t n = ::read(out[0], answer, 2);
    ::close(out[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_FALSE(WIFSIGNALED(status)) << "killed by signal " << WTERMSIG(status);
    ASSERT_EQ(n, 2);
    EXPECT_STREQ(answer, "10"); // found before; an emptied table holds it no more
}

TEST(PlatformFaults, AStoppedFarEndNeitherHangsTheSearchNorTheSenderNorLosesItsPlace)
{
    ScopedRuntimeDir dir;
    ChildFarEnd far;
    ASSERT_TRUE(far.serving());
    ASSERT_TRUE(far.stop());

    // Its backlog full, it is not found, and not replaced either.
    std::vector<int> backlog = fillBacklog(win::posix::endpointFolder() + "/window.UIPCMAIN", 100);
    ASSERT_FALSE(backlog.empty());
    win::HWND found = reinterpret_cast<win::HWND>(1);
    EXPECT_TRUE(returnsWithin(
        5s, [&] { found = win::FindWindowEx(nullptr, nullptr, "UIPCMAIN", nullptr); }, [&] { far.resume(); }));
    EXPECT_EQ(found, nullptr);
    EXPECT_EQ(win::CreateServedWindow("UIPCMAIN", [](win::UINT, win::WPARAM, win::LPARAM) { return 1; }), nullptr);
    EXPECT_EQ(win::GetLastError(), win::ERROR_CLASS_ALREADY_EXISTS);
    for (int fd : backlog)
        ::close(fd);

    // Found once it runs again; then stopped, it leaves requests unread. Past
    // the socket's queue each one still waits no longer than its time-out.
    far.resume();
    win::HWND w = win::FindWindowEx(nullptr, nullptr, "UIPCMAIN", nullptr);
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(far.stop());
    int timeouts = 0;
    EXPECT_TRUE(returnsWithin(
        20s,
        [&] {
            for (int i = 0; i < 403; ++i) {
                win::DWORD_PTR result = 0;
                const win::UINT limitMs = i < 400 ? 0 : 50; // the last few wait for room in vain
                if (win::SendMessageTimeout(w, 0xC000, 1, 0, win::SMTO_BLOCK, limitMs, &result) == 0 &&
                    win::GetLastError() == 0)
                    ++timeouts;
            }
        },
        [&] { far.resume(); }));
    EXPECT_EQ(timeouts, 403);
}

TEST(PlatformFaults, ADescriptorFloodNeitherSpinsTheFarEndNorLocksOutLaterClients)
{
    ScopedRuntimeDir dir;
    ChildFarEnd far(32);
    ASSERT_TRUE(far.serving());
    // More connections than it has descriptors: it takes what it can, then
    // its backlog fills and connecting fails.
    std::vector<int> flood = fillBacklog(win::posix::endpointFolder() + "/window.UIPCMAIN", 200);
    ASSERT_LT(flood.size(), 200u);

    // A rate cannot be signalled: look at the processor time it uses while
    // the flood holds its descriptors. Spinning would use all of it.
    const long before = far.cpuTicks();
    std::this_thread::sleep_for(500ms);
    const long used = far.cpuTicks() - before;
    EXPECT_LT(used, ::sysconf(_SC_CLK_TCK) / 10) << "ticks used in half a second: " << used;

    for (int fd : flood)
        ::close(fd);
    win::HWND w = win::FindWindowEx(nullptr, nullptr, "UIPCMAIN", nullptr);
    ASSERT_NE(w, nullptr);
    win::DWORD_PTR result = 0;
    EXPECT_NE(win::SendMessageTimeout(w, 0xC000, 1, 0, win::SMTO_BLOCK, 2000, &result), 0);
    EXPECT_EQ(result, 1u);
}

TEST(PlatformFaults, WhatAKilledProcessLeftIsReclaimedAtTheNextOpenAndNothingOfTheLiving)
{
    ScopedRuntimeDir dir;
    const win::UINT message = win::RegisterWindowMessage("FsasmLib:IPC");
    struct Case {
        const char *name;
        bool dies;
    } cases[] = {{"FsasmLib:IPC:DEAD:1", true}, {"FsasmLib:IPC:A11FE:1", false}};
    std::vector<pid_t> children;
    for (const Case &c : cases) {
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            // What opening the link leaves: an atom and a named mapping.
            const bool made = win::GlobalAddAtom(c.name) != 0 &&
                              win::CreateFileMapping(win::INVALID_HANDLE_VALUE, nullptr, win::PAGE_READWRITE, 0,
                                                     0x8000, c.name) != nullptr &&
                              win::RegisterWindowMessage("Permanent:Once") != 0;
            if (::write(ready[1], made ? "m" : "f", 1) != 1)
                ::_exit(2);
            if (c.dies)
                ::kill(::getpid(), SIGKILL);
            for (;;)
                ::pause();
        }
        ::close(ready[1]);
        char r = 0;
        ASSERT_EQ(::read(ready[0], &r, 1), 1);
        ::close(ready[0]);
        ASSERT_EQ(r, 'm');
        if (c.dies)
            ::waitpid(child, nullptr, 0);
        else
            children.push_back(child);
        ASSERT_TRUE(sharedObjectExists(c.name)) << c.name;
        ASSERT_TRUE(atomNamed(c.name)) << c.name;
    }

    // The next open.
    ASSERT_NE(win::GlobalAddAtom("FsasmLib:IPC:1:1"), 0);
    win::HANDLE mine =
        win::CreateFileMapping(win::INVALID_HANDLE_VALUE, nullptr, win::PAGE_READWRITE, 0, 0x8000, "FsasmLib:IPC:1:1");
    ASSERT_NE(mine, nullptr);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(sharedObjectExists(c.name), !c.dies);
        EXPECT_EQ(atomNamed(c.name), !c.dies);
    }
    // Registered messages stay, whoever registered them.
    EXPECT_TRUE(atomNamed("Permanent:Once"));
    EXPECT_EQ(win::RegisterWindowMessage("FsasmLib:IPC"), message);
    win::CloseHandle(mine);
    for (pid_t child : children) {
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
    }
}

TEST(PlatformFaults, AnEndpointThatMayNotBeUsedSaysWhy)
{
    struct Case {
        const char *what;
        std::function<void(const std::string &folder)> spoil;
        const char *reason;
    } cases[] = {
        {"folder open to others", [](const std::string &f) { ::chmod(f.c_str(), 0777); }, "writable by others"},
        {"symbolic link in the window's place",
         [](const std::string &f) { ASSERT_EQ(::symlink("/dev/null", (f + "/window.UIPCMAIN").c_str()), 0); },
         "window.UIPCMAIN is a symbolic link"},
        {"folder in the window's place",
         [](const std::string &f) { ASSERT_EQ(::mkdir((f + "/window.UIPCMAIN").c_str(), 0700), 0); },
         "window.UIPCMAIN is a folder"},
        {"plain file in the window's place",
         [](const std::string &f) { std::ofstream(f + "/window.UIPCMAIN") << "x"; }, "window.UIPCMAIN is not a socket"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ScopedRuntimeDir dir;
        const std::string folder = win::posix::endpointFolder();
        ASSERT_FALSE(folder.empty());
        EXPECT_EQ(win::posix::endpointProblem("UIPCMAIN"), "");
        c.spoil(folder);
        EXPECT_NE(win::posix::endpointProblem("UIPCMAIN").find(c.reason), std::string::npos)
            << win::posix::endpointProblem("UIPCMAIN");
        EXPECT_NE(farEndProblem().find(c.reason), std::string::npos);
        EXPECT_EQ(win::CreateServedWindow("UIPCMAIN", [](win::UINT, win::WPARAM, win::LPARAM) { return 1; }), nullptr);
        EXPECT_EQ(win::FindWindowEx(nullptr, nullptr, "UIPCMAIN", nullptr), nullptr);
        ::chmod(folder.c_str(), 0700);
    }
    // Nothing in the way, nobody there: no reason at all.
    ScopedRuntimeDir dir;
    EXPECT_EQ(farEndProblem(), "");
}
