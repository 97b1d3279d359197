// Opening and closing the link: the handshake and every failure path.
#include "linkfixture.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// True when someone else still holds a reference to the atom of that name.
bool atomExists(const std::string &name)
{
    const ATOM a = win::GlobalAddAtom(name.c_str());
    win::GlobalDeleteAtom(a);
    char buf[256];
    return win::GlobalGetAtomName(a, buf, sizeof buf) != 0;
}

} // namespace

TEST_F(LinkTest, OpensAgainstAnyFarEndAndKeepsTheSimulatorIndex)
{
    TestFarEnd far("UIPCMAIN", 0x34560002, 0xFADE0008);
    ASSERT_TRUE(open());
    EXPECT_EQ(m_result, FSUIPC_ERR_OK);
    EXPECT_EQ(FSUIPC_Version, 0x34560002u);
    EXPECT_EQ(FSUIPC_FS_Version, 8u);
    EXPECT_FALSE(fWideFS);
    EXPECT_NE(m_pView, nullptr);
    EXPECT_EQ(m_pNext, m_pView);
    // The handshake announced the client's version and named our own block.
    EXPECT_EQ(far.clientVersion(), 2005);
    EXPECT_EQ(far.lastMappingName(), mappingNameOf(win::GetCurrentProcessId()));
}

TEST_F(LinkTest, OpeningTwiceFailsAndTheFirstLinkKeepsWorking)
{
    TestFarEnd far;
    ASSERT_TRUE(open());
    EXPECT_FALSE(open());
    EXPECT_EQ(m_result, FSUIPC_ERR_OPEN);
    std::uint32_t version = 0;
    DWORD r;
    ASSERT_TRUE(FSUIPC_Read(0x3304, 4, &version, r));
    ASSERT_TRUE(FSUIPC_Process(r));
    EXPECT_EQ(version, 0x40000000u);
}

TEST_F(LinkTest, NoFarEndLeavesNothingBehind)
{
    EXPECT_FALSE(open());
    EXPECT_EQ(m_result, FSUIPC_ERR_NOFS);
    EXPECT_EQ(m_atom, 0);
    EXPECT_EQ(m_hMap, nullptr);
    EXPECT_EQ(m_pView, nullptr);
    EXPECT_FALSE(atomExists(mappingNameOf(win::GetCurrentProcessId())));
    EXPECT_EQ(win::OpenFileMapping(win::FILE_MAP_READ, 0, mappingNameOf(win::GetCurrentProcessId()).c_str()), nullptr);
}

TEST_F(LinkTest, VersionFailuresDependOnHowTheFarEndWasFound)
{
    struct Case {
        const char *windowClass;
        std::uint32_t version, simulator;
        DWORD expected;
        bool wide;
    } cases[] = {
        {"UIPCMAIN", 0x19980004, 0xFADE0008, FSUIPC_ERR_VERSION, false}, // too old
        {"UIPCMAIN", 0x40000000, 0x00000008, FSUIPC_ERR_VERSION, false}, // no mark
        {"FS98MAIN", 0x19980004, 0xFADE0008, FSUIPC_ERR_RUNNING, true},
        {"FS98MAIN", 0x40000000, 0xBEEF0008, FSUIPC_ERR_RUNNING, true},
        {"FS98MAIN", 0x19980005, 0xFADE0007, FSUIPC_ERR_OK, true}, // the smallest version accepted
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.windowClass);
        TestFarEnd far(c.windowClass, c.version, c.simulator);
        EXPECT_EQ(open(), c.expected == FSUIPC_ERR_OK);
        EXPECT_EQ(m_result, c.expected);
        EXPECT_EQ(fWideFS, c.wide);
        EXPECT_EQ(m_pView != nullptr, c.expected == FSUIPC_ERR_OK);
        FSUIPC_Close();
    }
}

TEST_F(LinkTest, ARequiredSimulatorMustMatch)
{
    TestFarEnd far("UIPCMAIN", 0x40000000, 0xFADE0008);
    EXPECT_FALSE(open(SIM_FS2K4));
    EXPECT_EQ(m_result, FSUIPC_ERR_WRONGFS);
    EXPECT_EQ(m_pView, nullptr);
    EXPECT_EQ(m_atom, 0);
    EXPECT_TRUE(open(SIM_FSX));
    EXPECT_EQ(FSUIPC_FS_Version, 8u);
}

TEST_F(LinkTest, ClosingIsSafeAtAnyTimeAndReopeningUsesTheSameName)
{
    FSUIPC_Close();
    FSUIPC_Close();
    TestFarEnd far;
    ASSERT_TRUE(open());
    FSUIPC_Close();
    FSUIPC_Close();
    EXPECT_EQ(m_pView, nullptr);
    EXPECT_EQ(FSUIPC_FS_Version, 8u); // kept after closing
    ASSERT_TRUE(open());
    EXPECT_EQ(far.lastMappingName(), mappingNameOf(win::GetCurrentProcessId()));
}

TEST(MappingName, IsTheProcessInUpperCaseHexAndAlwaysOne)
{
    EXPECT_EQ(mappingNameOf(255), "FsasmLib:IPC:FF:1");
    EXPECT_EQ(mappingNameOf(4096), "FsasmLib:IPC:1000:1");
    EXPECT_EQ(mappingNameOf(0x1A2C), "FsasmLib:IPC:1A2C:1");
}

TEST_F(LinkTest, ABlockLeftByAKilledProcessDoesNotBlockTheNextOpen)
{
    TestFarEnd far;
    // A process that holds a block of our name is killed without closing it.
    const std::string name = mappingNameOf(win::GetCurrentProcessId());
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        win::HANDLE h = win::CreateFileMapping(win::INVALID_HANDLE_VALUE, nullptr, win::PAGE_READWRITE, 0, 0x8000,
                                               name.c_str());
        const char ok = h ? '1' : '0';
        if (::write(ready[1], &ok, 1) != 1)
            ::_exit(2);
        ::pause();
        ::_exit(0);
    }
    char ok = 0;
    ASSERT_EQ(::read(ready[0], &ok, 1), 1);
    ASSERT_EQ(ok, '1');
    // While that process lives, the name is taken.
    EXPECT_FALSE(open());
    EXPECT_EQ(m_result, FSUIPC_ERR_MAP);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_TRUE(open());
    ::close(ready[0]);
    ::close(ready[1]);
}
