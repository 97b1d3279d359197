// veltrano-sim as a program: started as a child process, awaited through its
// READY line, driven through standard input, reached through the link.
#include "SimLinkClient.h"
#include "catalogue.h"
#include "childprocess.h"
#include "linkclient.h"
#include "simtestutil.h"

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <sys/stat.h>

namespace {

// veltrano-sim with pipes on its standard input and output.
class SimProcess : public ChildProcess {
public:
    explicit SimProcess(std::vector<std::string> args) : ChildProcess(VELTRANO_SIM_PATH, std::move(args)) {}
};

bool exists(const std::string &path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

class Program : public ::testing::Test {
protected:
    FreshRuntimeDir dir;
    LinkClientGuard link;
};

} // namespace

TEST_F(Program, ServesCommandsAndThePanelUntilQuit)
{
    SimProcess sim({"--aircraft", "baron"});
    ASSERT_TRUE(sim.running());
    ASSERT_EQ(sim.line(), "READY UIPCMAIN");
    EXPECT_TRUE(exists(dir.endpoint("UIPCMAIN")));

    EXPECT_EQ(sim.ask("read 0x0AEC 2"), "OK 0200");
    EXPECT_EQ(sim.ask("read 0x0BC8 2"), "OK ff7f");
    EXPECT_EQ(sim.ask("write 0x0BC8 0000"), "OK");
    EXPECT_EQ(sim.ask("read 0x0BC8 2"), "OK 0000");
    EXPECT_EQ(sim.ask("aircraft concorde").substr(0, 4), "ERR ");
    EXPECT_EQ(sim.ask("trace on"), "OK");

    // The panel's link reaches the same far end; its writes are traced.
    DWORD result = 0;
    ASSERT_TRUE(FSUIPC_Open(SIM_FSX, result)) << result;
    std::int16_t brake = -1;
    ASSERT_TRUE(FSUIPC_Read(0x0BC8, 2, &brake, result));
    ASSERT_TRUE(FSUIPC_Process(result));
    EXPECT_EQ(brake, 0);
    EXPECT_EQ(sim.line(), "W 0x330A 2 d507"); // the handshake's client version
    const std::int16_t rate = 0;
    ASSERT_TRUE(FSUIPC_Write(0x0C1A, 2, &rate, result));
    ASSERT_TRUE(FSUIPC_Process(result));
    EXPECT_EQ(sim.line(), "W 0x0C1A 2 0000");

    sim.send("quit\n");
    EXPECT_EQ(sim.line(), "OK");
    EXPECT_EQ(sim.wait(), 0);
    EXPECT_FALSE(exists(dir.endpoint("UIPCMAIN")));
}

TEST_F(Program, KeepsServingWhenInputEndsAndStopsCleanlyOnSigterm)
{
    SimProcess sim({"--class", "FS98MAIN"});
    ASSERT_TRUE(sim.running());
    ASSERT_EQ(sim.line(), "READY FS98MAIN");
    // A last command without its newline is still answered at end of input.
    sim.send("read 0x3308 4");
    sim.closeInput();
    EXPECT_EQ(sim.line(), "OK 0800defa");

    DWORD result = 0;
    ASSERT_TRUE(FSUIPC_Open(SIM_ANY, result)) << result;
    EXPECT_TRUE(fWideFS);
    FSUIPC_Close();

    sim.signal(SIGTERM);
    EXPECT_EQ(sim.wait(), 0);
    EXPECT_FALSE(exists(dir.endpoint("FS98MAIN")));
}

TEST_F(Program, RefusesBadOptions)
{
    SimProcess sim({"--sim", "eight"});
    ASSERT_TRUE(sim.running());
    EXPECT_EQ(sim.line(), ""); // no READY: it never served
    EXPECT_EQ(sim.wait(), 2);
}

TEST_F(Program, FliesAScenarioAndAnswersTheModelsCommands)
{
    SimProcess sim({"--aircraft", "baron", "--scenario", "cruise"});
    ASSERT_TRUE(sim.running());
    ASSERT_EQ(sim.line(), "READY UIPCMAIN");
    EXPECT_EQ(sim.ask("freeze on"), "OK");
    EXPECT_EQ(sim.ask("read 0x0366 2"), "OK 0000") << "airborne";
    const std::string before = sim.ask("read 0x0560 8");
    EXPECT_EQ(sim.ask("step 20"), "OK");
    EXPECT_NE(sim.ask("read 0x0560 8"), before) << "a second of flight moves it";
    const std::string frozen = sim.ask("read 0x0560 8");
    EXPECT_EQ(sim.ask("read 0x0560 8"), frozen) << "and frozen it stays";

    EXPECT_EQ(sim.ask("set ApHeadingTarget 0x4000"), "OK");
    EXPECT_EQ(sim.ask("read 0x07CC 2"), "OK 0040");
    EXPECT_EQ(sim.ask("set NoSuchThing 1"), "ERR unknown variable 'NoSuchThing'");
    EXPECT_EQ(sim.ask("fail engine on"), "OK");
    EXPECT_EQ(sim.ask("read 0x0B6B 1"), "OK 01");
    EXPECT_EQ(sim.ask("step 20"), "OK");
    EXPECT_EQ(sim.ask("read 0x0894 2"), "OK 0000") << "engine 1 stopped";
    EXPECT_EQ(sim.ask("scenario parked"), "OK");
    EXPECT_EQ(sim.ask("read 0x0366 2"), "OK 0100");
    EXPECT_EQ(sim.ask("fail gremlins on").substr(0, 4), "ERR ");
    sim.send("quit\n");
    EXPECT_EQ(sim.line(), "OK");
    EXPECT_EQ(sim.wait(), 0);
}

TEST_F(Program, StartsFrozenWithoutAScenarioAndRefusesAnUnknownOne)
{
    SimProcess sim({});
    ASSERT_TRUE(sim.running());
    ASSERT_EQ(sim.line(), "READY UIPCMAIN");
    EXPECT_EQ(sim.ask("step 1"), "OK") << "stepping needs the freeze the default start has";
    sim.send("quit\n");
    EXPECT_EQ(sim.line(), "OK");
    EXPECT_EQ(sim.wait(), 0);

    SimProcess bad({"--scenario", "landing"});
    ASSERT_TRUE(bad.running());
    EXPECT_EQ(bad.line(), "");
    EXPECT_EQ(bad.wait(), 2);
}

TEST_F(Program, ThePanelsWritesFlyTheAircraftThroughTheLink)
{
    SimProcess sim({"--scenario", "cruise"});
    ASSERT_TRUE(sim.running());
    ASSERT_EQ(sim.line(), "READY UIPCMAIN");
    EXPECT_EQ(sim.ask("freeze on"), "OK");
    DWORD result = 0;
    ASSERT_TRUE(FSUIPC_Open(SIM_FSX, result)) << result;
    auto readDouble = [&](DWORD offset) {
        double v = 0;
        EXPECT_TRUE(FSUIPC_Read(offset, 8, &v, result));
        EXPECT_TRUE(FSUIPC_Process(result));
        return v;
    };
    auto write = [&](DWORD offset, auto value) {
        EXPECT_TRUE(FSUIPC_Write(offset, sizeof value, &value, result));
        EXPECT_TRUE(FSUIPC_Process(result));
    };

    // Heading bug 90 degrees to the right with heading hold on: it turns.
    const double heading = readDouble(var::Heading);
    write(var::ApHeadingTarget, std::uint16_t(conv::degreesToAngle16(heading + 90)));
    EXPECT_EQ(sim.ask("step 400"), "OK");
    const double turned = std::remainder(readDouble(var::Heading) - heading, 360.0);
    EXPECT_GT(turned, 45);

    // A throttle pull on engine 1's written lever lowers the RPM.
    const double rpm = readDouble(var::PropellerRpm[0]);
    write(var::ThrottleLeverSet1, std::int16_t(conv::percentToLever(30)));
    EXPECT_EQ(sim.ask("step 100"), "OK");
    EXPECT_LT(readDouble(var::PropellerRpm[0]), rpm - 300);

    // Avionics off: the receivers go dark.
    write(var::AvionicsMaster, std::uint32_t(0));
    EXPECT_EQ(sim.ask("step 1"), "OK");
    std::uint32_t nav1 = 1, vor1 = 1;
    ASSERT_TRUE(FSUIPC_Read(var::Nav1Present, 4, &nav1, result));
    ASSERT_TRUE(FSUIPC_Read(var::Vor1Signal, 4, &vor1, result));
    ASSERT_TRUE(FSUIPC_Process(result));
    EXPECT_EQ(nav1, 0u);
    EXPECT_EQ(vor1, 0u);
}

TEST_F(Program, SurvivesItsAtomTableCutShortUnderALiveLink)
{
    SimProcess sim({});
    ASSERT_TRUE(sim.running());
    ASSERT_EQ(sim.line(), "READY UIPCMAIN");
    DWORD result = 0;
    ASSERT_TRUE(FSUIPC_Open(SIM_ANY, result)) << result; // the far end now knows the panel's atom
    ASSERT_EQ(::truncate((dir.path() + "/veltrano/atoms").c_str(), 0), 0);
    std::int16_t brake = 0;
    ASSERT_TRUE(FSUIPC_Read(0x0BC8, 2, &brake, result));
    EXPECT_FALSE(FSUIPC_Process(result)); // the atom is gone with the table
    EXPECT_EQ(result, FSUIPC_ERR_DATA);
    EXPECT_EQ(sim.ask("read 0x0BC8 2"), "OK ff7f"); // and the far end is still there
}
