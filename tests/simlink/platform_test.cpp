// The Windows-call layer's own promises: shared identifiers, atoms, private
// endpoints and mappings, stale objects, and answers kept apart by request.
#include "platform/winapi.h"
#include "testfarend.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

mode_t modeOf(const std::string &path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? (st.st_mode & 0777) : 0;
}

// Runs fn in a child process and returns what it wrote to its pipe.
template <typename Fn> std::string inChild(Fn fn)
{
    int p[2];
    if (::pipe(p) != 0)
        return {};
    const pid_t child = ::fork();
    if (child == 0) {
        const std::string out = fn();
        if (::write(p[1], out.data(), out.size()) < 0)
            ::_exit(2);
        ::_exit(0);
    }
    ::close(p[1]);
    char buf[256];
    const ssize_t n = ::read(p[0], buf, sizeof buf);
    ::close(p[0]);
    ::waitpid(child, nullptr, 0);
    return n > 0 ? std::string(buf, static_cast<std::size_t>(n)) : std::string();
}

} // namespace

TEST(Platform, RegisteredMessagesAgreeAcrossProcesses)
{
    ScopedRuntimeDir dir;
    const win::UINT here = win::RegisterWindowMessage("FsasmLib:IPC");
    EXPECT_GE(here, 0xC000u);
    EXPECT_LE(here, 0xFFFFu);
    EXPECT_EQ(win::RegisterWindowMessage("fsasmlib:ipc"), here); // names ignore case
    EXPECT_NE(win::RegisterWindowMessage("Another"), here);
    EXPECT_EQ(inChild([] { return std::to_string(win::RegisterWindowMessage("FsasmLib:IPC")); }),
              std::to_string(here));
}

TEST(Platform, AtomsAreReferenceCounted)
{
    ScopedRuntimeDir dir;
    const win::ATOM a = win::GlobalAddAtom("FsasmLib:IPC:1A2C:1");
    ASSERT_NE(a, 0);
    EXPECT_EQ(win::GlobalAddAtom("FsasmLib:IPC:1A2C:1"), a);
    char name[64];
    EXPECT_EQ(win::GlobalGetAtomName(a, name, sizeof name), 19u);
    EXPECT_STREQ(name, "FsasmLib:IPC:1A2C:1");
    EXPECT_EQ(win::GlobalGetAtomName(a, name, 5), 4u); // truncated, still terminated
    EXPECT_STREQ(name, "Fsas");
    EXPECT_EQ(win::GlobalDeleteAtom(a), 0);
    EXPECT_NE(win::GlobalGetAtomName(a, name, sizeof name), 0u);
    EXPECT_EQ(win::GlobalDeleteAtom(a), 0);
    EXPECT_EQ(win::GlobalGetAtomName(a, name, sizeof name), 0u);
    EXPECT_EQ(win::GlobalDeleteAtom(a), a); // no longer there
    // 255 characters is the longest name: kept whole; one more is refused.
    const std::string longest(255, 'y');
    const win::ATOM l = win::GlobalAddAtom(longest.c_str());
    ASSERT_NE(l, 0);
    char whole[300];
    EXPECT_EQ(win::GlobalGetAtomName(l, whole, sizeof whole), 255u);
    EXPECT_EQ(std::string(whole), longest);
    EXPECT_EQ(win::GlobalAddAtom(std::string(256, 'x').c_str()), 0); // too long
}

TEST(Platform, AtomNamesChangedByAnotherProcessAreSeenAtOnce)
{
    ScopedRuntimeDir dir;
    const win::ATOM a = win::GlobalAddAtom("FsasmLib:IPC:10:1");
    char name[64];
    ASSERT_NE(win::GlobalGetAtomName(a, name, sizeof name), 0u); // now remembered here
    // Another process frees the atom and the slot goes to another name.
    EXPECT_EQ(inChild([a] {
                  win::GlobalDeleteAtom(a);
                  return std::to_string(win::GlobalAddAtom("FsasmLib:IPC:20:1"));
              }),
              std::to_string(a));
    ASSERT_NE(win::GlobalGetAtomName(a, name, sizeof name), 0u);
    EXPECT_STREQ(name, "FsasmLib:IPC:20:1");
}

TEST(Platform, EndpointsAndMappingsArePrivate)
{
    ScopedRuntimeDir dir;
    const std::string folder = win::posix::endpointFolder();
    ASSERT_EQ(folder, dir.path() + "/veltrano");
    EXPECT_EQ(modeOf(folder), 0700u);

    TestFarEnd far;
    ASSERT_TRUE(far.serving());
    EXPECT_EQ(modeOf(folder + "/window.UIPCMAIN"), 0600u);

    win::HANDLE h = win::CreateFileMapping(win::INVALID_HANDLE_VALUE, nullptr, win::PAGE_READWRITE, 0, 0x8000, "m");
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(modeOf("/dev/shm" + win::posix::sharedMemoryName("m")), 0600u);
    win::CloseHandle(h);
    EXPECT_EQ(modeOf("/dev/shm" + win::posix::sharedMemoryName("m")), 0u); // gone with its creator
}

TEST(Platform, AFolderOpenToOthersIsRefused)
{
    ScopedRuntimeDir dir;
    const std::string folder = win::posix::endpointFolder();
    ASSERT_FALSE(folder.empty());
    ASSERT_EQ(::chmod(folder.c_str(), 0777), 0);
    std::string why;
    EXPECT_EQ(win::posix::endpointFolder(&why), "");
    EXPECT_NE(why.find("writable by others"), std::string::npos);
    EXPECT_EQ(win::CreateServedWindow("UIPCMAIN", [](win::UINT, win::WPARAM, win::LPARAM) { return 1; }), nullptr);
    EXPECT_EQ(win::FindWindowEx(nullptr, nullptr, "UIPCMAIN", nullptr), nullptr);
    // A folder that is ours but merely readable is closed, not refused.
    ASSERT_EQ(::chmod(folder.c_str(), 0755), 0);
    EXPECT_EQ(win::posix::endpointFolder(), folder);
    EXPECT_EQ(modeOf(folder), 0700u);
}

TEST(Platform, AFolderOfAnotherUserIsRefused)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to give a folder to another user";
    ScopedRuntimeDir dir;
    const std::string folder = dir.path() + "/veltrano";
    ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
    ASSERT_EQ(::chown(folder.c_str(), 65534, 65534), 0);
    std::string why;
    EXPECT_EQ(win::posix::endpointFolder(&why), "");
    EXPECT_NE(why.find("another user"), std::string::npos);
}

TEST(Platform, ADeadEndpointIsNotAWindowAndIsReplaced)
{
    ScopedRuntimeDir dir;
    const std::string path = win::posix::endpointFolder() + "/window.UIPCMAIN";
    // A socket file whose owner died: bound, never listening.
    const int fd = ::socket(AF_UNIX, SOCK_SEQPACKET, 0);
    sockaddr_un addr {};
    addr.sun_family = AF_UNIX;
    std::strncpy(addr.sun_path, path.c_str(), sizeof addr.sun_path - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr), 0);
    ::close(fd);
    EXPECT_EQ(win::FindWindowEx(nullptr, nullptr, "UIPCMAIN", nullptr), nullptr);
    TestFarEnd far;
    EXPECT_TRUE(far.serving());
    EXPECT_NE(win::FindWindowEx(nullptr, nullptr, "UIPCMAIN", nullptr), nullptr);
    // A second live window of the class is refused.
    EXPECT_EQ(win::CreateServedWindow("UIPCMAIN", [](win::UINT, win::WPARAM, win::LPARAM) { return 1; }), nullptr);
    EXPECT_EQ(win::GetLastError(), win::ERROR_CLASS_ALREADY_EXISTS);
}

TEST(Platform, ExistingMappingsAreReportedAndStaleOnesAreNot)
{
    ScopedRuntimeDir dir;
    win::HANDLE first = win::CreateFileMapping(win::INVALID_HANDLE_VALUE, nullptr, win::PAGE_READWRITE, 0, 4096, "n");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(win::GetLastError(), 0u);
    win::HANDLE second = win::CreateFileMapping(win::INVALID_HANDLE_VALUE, nullptr, win::PAGE_READWRITE, 0, 4096, "n");
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(win::GetLastError(), win::ERROR_ALREADY_EXISTS);
    win::CloseHandle(second);
    win::CloseHandle(first);

    // A creator that dies without closing leaves a name that does not count.
    EXPECT_EQ(inChild([] {
                  win::HANDLE h = win::CreateFileMapping(win::INVALID_HANDLE_VALUE, nullptr, win::PAGE_READWRITE, 0,
                                                         4096, "n");
                  ::kill(::getpid(), SIGKILL);
                  return std::string(h ? "made" : "failed");
              }),
              "");
    win::HANDLE again = win::CreateFileMapping(win::INVALID_HANDLE_VALUE, nullptr, win::PAGE_READWRITE, 0, 4096, "n");
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(win::GetLastError(), 0u);
    win::CloseHandle(again);
}

TEST(Platform, ALateAnswerIsNeverTakenForTheNextOne)
{
    ScopedRuntimeDir dir;
    std::atomic<int> count{0};
    win::HWND served = win::CreateServedWindow("UIPCMAIN", [&](win::UINT, win::WPARAM w, win::LPARAM) {
        if (++count == 1)
            win::Sleep(200); // the first answer comes after the sender gave up
        return std::optional<win::LRESULT>(static_cast<win::LRESULT>(w));
    });
    ASSERT_NE(served, nullptr);
    win::HWND w = win::FindWindowEx(nullptr, nullptr, "UIPCMAIN", nullptr);
    ASSERT_NE(w, nullptr);
    win::DWORD_PTR result = 0;
    EXPECT_EQ(win::SendMessageTimeout(w, 0xC000, 1, 0, win::SMTO_BLOCK, 50, &result), 0);
    EXPECT_EQ(win::GetLastError(), 0u); // a time-out
    EXPECT_NE(win::SendMessageTimeout(w, 0xC000, 2, 0, win::SMTO_BLOCK, 2000, &result), 0);
    EXPECT_EQ(result, 2u);
    win::DestroyWindow(served);
    EXPECT_EQ(win::SendMessageTimeout(w, 0xC000, 3, 0, win::SMTO_BLOCK, 2000, &result), 0);
    EXPECT_NE(win::GetLastError(), 0u); // a transport failure
}

TEST(Platform, AZeroTimeOutToAWindowThatNeverAnswersReturnsAtOnce)
{
    ScopedRuntimeDir dir;
    win::HWND served = win::CreateServedWindow("UIPCMAIN", [](win::UINT, win::WPARAM, win::LPARAM) {
        return std::optional<win::LRESULT>(); // takes the request, never answers
    });
    ASSERT_NE(served, nullptr);
    win::HWND w = win::FindWindowEx(nullptr, nullptr, "UIPCMAIN", nullptr);
    ASSERT_NE(w, nullptr);
    // On its own thread, so that a send that waits for ever fails the test
    // instead of hanging it: closing the window below ends such a wait.
    auto send = std::async(std::launch::async, [w] {
        win::DWORD_PTR result = 0;
        const win::LRESULT sent = win::SendMessageTimeout(w, 0xC000, 1, 0, win::SMTO_BLOCK, 0, &result);
        return std::make_pair(sent, win::GetLastError());
    });
    const bool returned = send.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
    win::DestroyWindow(served);
    const auto [sent, error] = send.get();
    EXPECT_TRUE(returned) << "a zero time-out waited for an answer";
    EXPECT_EQ(sent, 0);
    EXPECT_EQ(error, 0u) << "a time-out, not a transport failure";
}
