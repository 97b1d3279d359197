// veltrano-fg as a program: its options, its READY and FLIGHTGEAR lines, its
// commands, and the panel's link reaching FlightGear's values through it.
#include "catalogue.h"
#include "childprocess.h"
#include "fakepropsserver.h"
#include "linkclient.h"
#include "simtestutil.h"

#include <gtest/gtest.h>

namespace {

class FgProcess : public ChildProcess {
public:
    explicit FgProcess(std::vector<std::string> args) : ChildProcess(VELTRANO_FG_PATH, std::move(args)) {}
};

class FgProgram : public ::testing::Test {
protected:
    FreshRuntimeDir dir;
    LinkClientGuard link;
    FakePropsServer props;
};

} // namespace

TEST_F(FgProgram, ServesThePanelFromFlightGearUntilQuit)
{
    props.setProperty("/sim/aircraft", "ufo");
    props.setProperty("/instrumentation/airspeed-indicator/indicated-speed-kt", "250");
    FgProcess fg({"--fg", "127.0.0.1:" + std::to_string(props.port()), "--rate", "100", "--channels", "2",
                  "--class", "FS98MAIN"});
    ASSERT_TRUE(fg.running());
    ASSERT_EQ(fg.line(), "READY FS98MAIN");
    const std::string told = "FLIGHTGEAR connected to 127.0.0.1:" + std::to_string(props.port()) +
                             ": aircraft ufo (general rows), ";
    const std::string line = fg.line();
    EXPECT_EQ(line.substr(0, told.size()), told);
    EXPECT_EQ(fg.ask("read 0x02BC 4"), "OK 007d0000"); // 250 x 128
    EXPECT_EQ(fg.ask("stats").substr(0, 30), "OK connected 1 aircraft ufo ba");
    EXPECT_EQ(fg.ask("stats reset").substr(0, 30), "OK connected 1 aircraft ufo ba");

    DWORD result = 0;
    ASSERT_TRUE(FSUIPC_Open(SIM_ANY, result)) << result;
    EXPECT_TRUE(fWideFS);
    const std::uint8_t on = 1;
    ASSERT_TRUE(FSUIPC_Write(var::MasterBattery, 1, &on, result));
    ASSERT_TRUE(FSUIPC_Process(result));
    ASSERT_TRUE(props.waitForSets(1));
    EXPECT_EQ(props.sets().front(), FakePropsServer::Set("/controls/switches/master-bat", "1"));

    EXPECT_EQ(fg.ask("quit"), "OK");
    EXPECT_EQ(fg.wait(), 0);
}

TEST_F(FgProgram, RefusesBadOptionsAndTables)
{
    for (const std::vector<std::string> &args : std::vector<std::vector<std::string>>{
             {"--rate", "0"}, {"--fg", "localhost"}, {"--fg", ":5401"}, {"--channels", "99"}, {"--sim", "x"},
             {"--table", "/nonexistent/table"}, {"--bogus", "1"}, {"--aircraft"}}) {
        FgProcess fg(args);
        EXPECT_EQ(fg.wait(), 2) << args[0];
    }
}
