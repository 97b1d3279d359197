// The connection and the refresh cycle: which readers run when, the status
// texts, the timers and the pause and resume writes, against veltrano-sim.
#include "SimLinkClient.h"
#include "adapters/paneledit.h"
#include "adapters/panelshape.h"
#include "adapters/paneltimer.h"
#include "fakedialogs.h"
#include "simprocess.h"
#include "uACMainForm.h"
#include "watchedwindow.h"

#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

QStringList split(const char *names)
{
    return QString::fromLatin1(names).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

class RefreshTest : public ::testing::Test {
protected:
    void TearDown() override { FSUIPC_Close(); }
    // A running refresh, as after the connection start.
    void running(WatchedWindow &w)
    {
        w.isConnected = true;
        w.bbtnPause->setText(QStringLiteral("&Pause"));
        w.calls.clear();
    }
    FakeDialogs dialogs;
};

} // namespace

TEST_F(RefreshTest, TheConnectionStartReadsEverythingOnceAndStartsTheRefresh)
{
    SimProcess sim;
    ASSERT_TRUE(sim.start({"--aircraft", "baron"}));
    WatchedWindow w;
    w.vNumEng = 2; // as AircraftInfo would set it
    w.FormActivate();
    EXPECT_EQ(w.calls, split("AircraftInfo AltitudeInfo HeadInfo SpeedInfo ElectInfo ControlInfo RadioInfo FuelInfo "
                             "NavInfo APInfo EngineInfoSel EngineInfo1 EngineInfo2 FailInfo"));
    EXPECT_TRUE(w.isConnected);
    EXPECT_EQ(w.statusPanel(3), QStringLiteral("Initializing...Done."));
    EXPECT_EQ(w.statusPanel(4), QStringLiteral("Starting Scan..."));
    EXPECT_EQ(w.bbtnPause->text(), QStringLiteral("&Pause"));
    EXPECT_TRUE(w.TimerUpdateTime->Enabled());
    EXPECT_FALSE(w.TimerOpen->Enabled());
    // The first activation starts from a clean panel.
    EXPECT_TRUE(w.pnlEngine2->isHidden());
    EXPECT_FALSE(w.gbAPU->isEnabled());
    EXPECT_EQ(w.shpMkrIn->BrushColor(), 0xA4A0A0u);
}

TEST_F(RefreshTest, WithoutASimulatorItWaitsAndTheRetryConnectsWithTheRefreshStopped)
{
    SimProcess sim; // its folder is empty until the simulator starts
    WatchedWindow w;
    w.FormActivate();
    EXPECT_TRUE(w.calls.isEmpty());
    EXPECT_TRUE(w.TimerOpen->Enabled());
    EXPECT_FALSE(w.bbtnPause->isEnabled());

    w.TimerOpenTimer(); // still nobody there
    EXPECT_EQ(w.statusPanel(3), QStringLiteral("Unable to Open FS Connection...Waiting..."));
    EXPECT_TRUE(w.TimerOpen->Enabled());

    ASSERT_TRUE(sim.start());
    w.vNumEng = 1;
    w.TimerOpenTimer();
    EXPECT_TRUE(w.isConnected);
    EXPECT_FALSE(w.TimerOpen->Enabled());
    EXPECT_EQ(w.statusPanel(3), QStringLiteral("Connected."));
    EXPECT_EQ(w.bbtnPause->text(), QStringLiteral("G&o"));
    EXPECT_TRUE(w.bbtnPause->isEnabled());
    EXPECT_FALSE(w.TimerUpdateTime->Enabled()); // the user starts it with "Go"
    EXPECT_EQ(w.calls, split("AircraftInfo AltitudeInfo HeadInfo SpeedInfo ElectInfo ControlInfo RadioInfo FuelInfo "
                             "NavInfo APInfo EngineInfo1 FailInfo"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Veltrano - Connected"));
}

TEST_F(RefreshTest, ATickWhilePausedStopsTheTimerAndReadsNothing)
{
    WatchedWindow w;
    w.bbtnPause->setText(QStringLiteral("G&o"));
    w.TimerUpdateTime->SetEnabled(true);
    w.setStatusPanel(5, QStringLiteral("FS Clock: 01:02:03"));
    w.TimerUpdateTimeTimer();
    EXPECT_FALSE(w.TimerUpdateTime->Enabled());
    EXPECT_TRUE(w.calls.isEmpty());
    EXPECT_EQ(w.statusPanel(5), QStringLiteral("FS Clock: 01:02:03"));
}

TEST_F(RefreshTest, FourTicksTurnThePhasesOnce)
{
    WatchedWindow w;
    running(w);
    w.vNumEng = 4;
    const char *phases[] = {
        "ControlInfo ElectInfo",
        "NavInfo EngineInfo1 EngineInfo2 EngineInfo3 EngineInfo4",
        "ControlInfo FuelInfo ElectInfo",
        "RadioInfo APInfo NavInfo FailInfo",
    };
    for (int i = 0; i < 4; ++i) {
        w.calls.clear();
        w.TimerUpdateTimeTimer();
        EXPECT_EQ(w.calls, split("AltitudeInfo SpeedInfo HeadInfo EngineInfoSel") + split(phases[i])) << i;
        EXPECT_EQ(w.statusPanel(4), QStringLiteral("Scanning.%1").arg((i + 1) % 4));
    }
    // The clock read failed (no link): the tick carried on all the same.
    EXPECT_TRUE(w.statusPanel(3).startsWith(QStringLiteral("Reading: ")));
    w.vInProc = 9; // a phase that does not exist reads nothing and starts again
    w.calls.clear();
    w.TimerUpdateTimeTimer();
    EXPECT_EQ(w.calls, split("AltitudeInfo SpeedInfo HeadInfo EngineInfoSel"));
    EXPECT_EQ(w.vInProc, 0);
}

TEST_F(RefreshTest, EngineColumnsFollowTheNumberOfEngines)
{
    WatchedWindow w;
    running(w);
    w.vNumEng = 2;
    w.vInProc = 1;
    w.TimerUpdateTimeTimer();
    EXPECT_TRUE(w.calls.contains(QStringLiteral("EngineInfo2")));
    EXPECT_FALSE(w.calls.contains(QStringLiteral("EngineInfo3")));
    EXPECT_FALSE(w.calls.contains(QStringLiteral("EngineInfo4")));
}

TEST_F(RefreshTest, ABusyReaderHoldsBackTheReadersAfterIt)
{
    WatchedWindow w;
    running(w);
    w.busyReader = QStringLiteral("ControlInfo");
    w.TimerUpdateTimeTimer();
    // The fast instruments always run; ElectInfo waits for the busy reader.
    EXPECT_EQ(w.calls, split("AltitudeInfo SpeedInfo HeadInfo EngineInfoSel ControlInfo"));
    EXPECT_EQ(w.vInProc, 1);
    w.calls.clear();
    w.TimerUpdateTimeTimer(); // still busy: not even the selected engine
    EXPECT_EQ(w.calls, split("AltitudeInfo SpeedInfo HeadInfo"));
}

TEST_F(RefreshTest, PauseAndResumeWriteTheSimulationRate)
{
    SimProcess sim;
    ASSERT_TRUE(sim.start());
    ASSERT_EQ(sim.command(QStringLiteral("trace on")), QStringLiteral("OK"));
    WatchedWindow w;
    w.FormActivate();
    ASSERT_TRUE(w.isConnected);

    w.bbtnPauseClick();
    EXPECT_EQ(w.bbtnPause->text(), QStringLiteral("G&o"));
    EXPECT_EQ(w.statusPanel(4), QStringLiteral("Paused."));
    EXPECT_EQ(w.eSimRate->text(), QStringLiteral("0"));
    EXPECT_FALSE(w.TimerUpdateTime->Enabled());
    EXPECT_EQ(sim.command(QStringLiteral("read 0x0C1A 2")), QStringLiteral("OK 0000"));

    w.bbtnPauseClick();
    EXPECT_EQ(w.bbtnPause->text(), QStringLiteral("&Pause"));
    EXPECT_EQ(w.eSimRate->text(), QStringLiteral("1"));
    EXPECT_TRUE(w.TimerUpdateTime->Enabled());
    EXPECT_EQ(sim.command(QStringLiteral("read 0x0C1A 2")), QStringLiteral("OK 0001"));
    const QStringList writes = sim.traceLines().filter(QStringLiteral("0x0C1A"));
    EXPECT_EQ(writes, (QStringList{"W 0x0C1A 2 0000", "W 0x0C1A 2 0001"}));
}

TEST_F(RefreshTest, TheClockShowsTheSimulatorTime)
{
    SimProcess sim;
    ASSERT_TRUE(sim.start());
    WatchedWindow w;
    w.FormActivate();
    ASSERT_TRUE(w.isConnected);
    // A paused simulation keeps its clock still.
    ASSERT_EQ(sim.command(QStringLiteral("write 0x0C1A 0000")), QStringLiteral("OK"));
    ASSERT_EQ(sim.command(QStringLiteral("write 0x0238 070309")), QStringLiteral("OK"));
    w.TimerUpdateTimeTimer();
    EXPECT_EQ(w.statusPanel(5), QStringLiteral("FS Clock: 07:03:09"));
}

TEST_F(RefreshTest, RefreshWhileNotConnectedOnlySaysSo)
{
    WatchedWindow w;
    w.pnlEngine3->show();
    w.bbtnRefreshClick();
    EXPECT_TRUE(w.pnlEngine2->isHidden());
    EXPECT_TRUE(w.pnlEngine3->isHidden());
    EXPECT_FALSE(w.pnlEngine4->isEnabled());
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Not Connected to FS Now.")});
    EXPECT_TRUE(w.calls.isEmpty());
}

TEST_F(RefreshTest, RefreshWhileConnectedReadsTheAircraftAgain)
{
    SimProcess sim;
    ASSERT_TRUE(sim.start());
    WatchedWindow w;
    w.FormActivate();
    w.calls.clear();
    w.bbtnRefreshClick();
    EXPECT_EQ(w.calls, split("AircraftInfo AltitudeInfo HeadInfo SpeedInfo ElectInfo ControlInfo RadioInfo"));
    EXPECT_EQ(w.statusPanel(3), QStringLiteral("Initializing...Done."));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}
