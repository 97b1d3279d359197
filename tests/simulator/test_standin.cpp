// The stand-in simulator serving its window in the test's own process, with
// the panel's real link client at the other end of the socket.
#include "SimLinkClient.h"
#include "catalogue.h"
#include "linkclient.h"
#include "simtestutil.h"
#include "standinsimulator.h"

#include <gtest/gtest.h>

#include <mutex>
#include <sys/stat.h>

namespace {

class StandIn : public ::testing::Test {
protected:
    void SetUp() override
    {
        sim.setTraceSink([this](const std::string &line) {
            std::lock_guard lock(m_traceMutex);
            m_trace.push_back(line);
        });
    }
    void TearDown() override
    {
        FSUIPC_Close();
        sim.stop();
    }
    bool start(SimulatorOptions options = {})
    {
        std::string error;
        const bool ok = sim.start(options, &error);
        EXPECT_TRUE(ok) << error;
        return ok;
    }
    DWORD open()
    {
        DWORD result = 0xFFFF;
        FSUIPC_Open(SIM_ANY, result);
        return result;
    }
    // One read through the link, as the panel's accessors do it.
    std::optional<std::int16_t> readSmlInt(DWORD offset)
    {
        std::int16_t value = 0;
        DWORD result = 0;
        if (!FSUIPC_Read(offset, 2, &value, result) || !FSUIPC_Process(result))
            return std::nullopt;
        return value;
    }
    DWORD writeSmlInt(DWORD offset, std::int16_t value)
    {
        DWORD result = 0;
        if (FSUIPC_Write(offset, 2, &value, result))
            FSUIPC_Process(result);
        return result;
    }
    std::vector<std::string> trace()
    {
        std::lock_guard lock(m_traceMutex);
        return m_trace;
    }

    FreshRuntimeDir dir;
    LinkClientGuard link{1000, 2};
    StandInSimulator sim;

private:
    std::mutex m_traceMutex;
    std::vector<std::string> m_trace;
};

bool exists(const std::string &path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

} // namespace

TEST_F(StandIn, ThePanelsLinkOpensReadsAndWrites)
{
    SimulatorOptions options;
    options.version = 0x34560000;
    ASSERT_TRUE(start(options));
    ASSERT_EQ(open(), FSUIPC_ERR_OK);
    EXPECT_EQ(FSUIPC_Version, 0x34560000u);
    EXPECT_EQ(FSUIPC_FS_Version, 8u);
    EXPECT_FALSE(fWideFS);
    EXPECT_EQ(sim.core()->clientVersion(), 2005);

    EXPECT_EQ(readSmlInt(var::ParkingBrake), 32767);
    EXPECT_EQ(sim.command("trace on"), "OK");
    EXPECT_EQ(writeSmlInt(var::ParkingBrake, 0), FSUIPC_ERR_OK);
    EXPECT_EQ(trace(), (std::vector<std::string>{"W 0x0BC8 2 0000"}));
    EXPECT_EQ(sim.command("read 0x0BC8 2"), "OK 0000");
    EXPECT_EQ(readSmlInt(var::ParkingBrake), 0);
}

TEST_F(StandIn, AReopenedLinkIsServedFromItsNewMapping)
{
    ASSERT_TRUE(start());
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        ASSERT_EQ(open(), FSUIPC_ERR_OK);
        EXPECT_EQ(writeSmlInt(var::ElevatorTrim, std::int16_t(100 + round)), FSUIPC_ERR_OK);
        EXPECT_EQ(readSmlInt(var::ElevatorTrim), 100 + round);
        EXPECT_EQ(readSmlInt(var::EngineCount), 1);
        FSUIPC_Close(); // the same name is created afresh on the next open
    }
}

TEST_F(StandIn, FaultModesReachThePanelAsLinkFailures)
{
    ASSERT_TRUE(start());
    ASSERT_EQ(open(), FSUIPC_ERR_OK);

    EXPECT_EQ(sim.command("fault reject"), "OK");
    EXPECT_EQ(writeSmlInt(var::ParkingBrake, 0), FSUIPC_ERR_DATA);
    EXPECT_EQ(sim.command("read 0x0BC8 2"), "OK ff7f") << "a rejected block applies nothing";

    ::m_timing.sendTimeoutMs = 30;
    EXPECT_EQ(sim.command("fault silent"), "OK");
    EXPECT_FALSE(readSmlInt(var::ParkingBrake));

    ::m_timing.sendTimeoutMs = 1000;
    EXPECT_EQ(sim.command("fault late 20"), "OK");
    EXPECT_EQ(readSmlInt(var::ParkingBrake), 32767);

    EXPECT_EQ(sim.command("fault none"), "OK");
    EXPECT_EQ(readSmlInt(var::ParkingBrake), 32767);
}

TEST_F(StandIn, ClosingTheWindowTakesTheFarEndAwayUntilFaultNone)
{
    ASSERT_TRUE(start());
    const std::string endpoint = dir.endpoint("UIPCMAIN");
    EXPECT_TRUE(exists(endpoint));
    EXPECT_EQ(sim.command("fault late 600000"), "OK");
    EXPECT_EQ(sim.command("fault close"), "OK");
    EXPECT_FALSE(sim.serving());
    EXPECT_FALSE(exists(endpoint));
    EXPECT_EQ(open(), FSUIPC_ERR_NOFS);

    EXPECT_EQ(sim.command("fault none"), "OK");
    EXPECT_TRUE(sim.serving());
    ASSERT_EQ(open(), FSUIPC_ERR_OK);
    EXPECT_EQ(readSmlInt(var::ParkingBrake), 32767);

    sim.stop();
    EXPECT_FALSE(exists(endpoint));
    EXPECT_EQ(sim.command("read 0x0BC8 2").substr(0, 3), "ERR");
}

TEST_F(StandIn, StandsForANetworkClientAndRefusesASecondFarEndOfItsClass)
{
    SimulatorOptions options;
    options.windowClass = "FS98MAIN";
    options.simIndex = 7;
    ASSERT_TRUE(start(options));
    ASSERT_EQ(open(), FSUIPC_ERR_OK);
    EXPECT_TRUE(fWideFS);
    EXPECT_EQ(FSUIPC_FS_Version, 7u);

    StandInSimulator second;
    std::string error;
    EXPECT_FALSE(second.start(options, &error));
    EXPECT_EQ(error, "cannot create window FS98MAIN: a far end of class FS98MAIN is serving already");
    EXPECT_EQ(readSmlInt(var::ParkingBrake), 32767) << "the first keeps serving";
}

TEST_F(StandIn, AnEndpointItMayNotUseIsRefusedWithTheReason)
{
    // Any reason the layer gives will do (the layer's own tests go through them).
    FreshRuntimeDir own;
    const std::string folder = own.path() + "/veltrano";
    ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
    ASSERT_EQ(::symlink("/dev/null", (folder + "/window.UIPCMAIN").c_str()), 0);
    StandInSimulator refused;
    std::string error;
    EXPECT_FALSE(refused.start({}, &error));
    EXPECT_EQ(error, "cannot create window UIPCMAIN: " + folder + "/window.UIPCMAIN is a symbolic link, not a "
                     "window's socket");
}
