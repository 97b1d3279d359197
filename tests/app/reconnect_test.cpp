// The panel comes back when the simulator comes back: a far end that goes
// away (its window dropped, or its process killed) closes the link, the panel
// waits and retries, and the reconnection restores the refresh the user had
// running. Against veltrano-sim.
#include "SimLinkClient.h"
#include "adapters/panelstatusbar.h"
#include "adapters/paneltimer.h"
#include "fakedialogs.h"
#include "simprocess.h"
#include "uACMainForm.h"
#include "watchedwindow.h"

#include <QPushButton>
#include <functional>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kWaiting = QStringLiteral("Unable to Open FS Connection...Waiting...");
const QString kNotOpen = QStringLiteral("Unable to Read: Call cannot execute, link not Open");

class ReconnectTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_saved = m_timing;
        m_timing.retryPauseMs = 1; // the ten attempts on a vanished far end, quickly
    }
    void TearDown() override
    {
        FSUIPC_Close();
        m_timing = m_saved;
    }
    FakeDialogs dialogs;

private:
    SimLinkTiming m_saved;
};

enum class Going { FaultClose, Killed };
enum class Where { TickClock, TickReader, HandlerRead, HandlerWrite, StartPass };

} // namespace

TEST_F(ReconnectTest, TheFarEndGoesAndComesBackAndTheRefreshIsAsTheUserLeftIt)
{
    struct Case {
        const char *what;
        Going going;
        Where where;
        bool paused;
        bool refreshAfter;
    } cases[] = {
        {"window dropped during a tick's reader", Going::FaultClose, Where::TickReader, false, true},
        {"process killed before a tick's clock read", Going::Killed, Where::TickClock, false, true},
        {"window dropped while paused, seen by a handler's read", Going::FaultClose, Where::HandlerRead, true, false},
        {"process killed while paused, seen by a handler's write", Going::Killed, Where::HandlerWrite, true, false},
        {"window dropped during the connection start's pass", Going::FaultClose, Where::StartPass, false, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        FSUIPC_Close(); // the link of the case before
        SimProcess sim;
        ASSERT_TRUE(sim.start());
        WatchedWindow w;
        w.vNumEng = 1;
        auto goAway = [&] {
            if (c.going == Going::FaultClose) {
                ASSERT_EQ(sim.command(QStringLiteral("fault close")), QStringLiteral("OK"));
            } else {
                sim.kill();
            }
        };
        QStringList sentences; // what the reader in which the far end went left in the status line
        auto readTwice = [&] {
            goAway();
            for (int i = 0; i < 2; ++i) {
                w.ReadInt(0x0570);
                sentences << w.statusPanel(3);
            }
        };

        if (c.where == Where::StartPass)
            w.workOnce[QStringLiteral("AircraftInfo")] = readTwice;
        w.FormActivate();
        if (c.where != Where::StartPass) {
            ASSERT_TRUE(w.isConnected);
            ASSERT_EQ(w.windowTitle(), QStringLiteral("Veltrano - Connected"));
            if (c.paused)
                w.bbtnPauseClick();
            w.calls.clear();
            switch (c.where) {
            case Where::TickClock:
                goAway();
                w.TimerUpdateTimeTimer();
                EXPECT_TRUE(w.calls.isEmpty()) << w.calls.join(' ').toStdString();
                break;
            case Where::TickReader:
                w.workOnce[QStringLiteral("AltitudeInfo")] = readTwice;
                w.TimerUpdateTimeTimer();
                EXPECT_EQ(w.calls, QStringList{QStringLiteral("AltitudeInfo")}); // none after it
                break;
            case Where::HandlerRead:
                readTwice();
                break;
            case Where::HandlerWrite:
                goAway();
                EXPECT_FALSE(w.WriteSmlInt(0x0BC8, 0));
                break;
            case Where::StartPass:
                break;
            }
        }
        if (!sentences.isEmpty()) { // one exchange failed; the next request never left
            EXPECT_EQ(sentences, (QStringList{kWaiting, kNotOpen}));
        }

        // Waiting: the link is closed and the caption no longer claims it.
        EXPECT_EQ(w.farEndsGone, 1);
        EXPECT_EQ(m_pView, nullptr);
        EXPECT_FALSE(w.isConnected);
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Veltrano"));
        if (c.where != Where::HandlerRead && c.where != Where::StartPass) {
            EXPECT_EQ(w.statusPanel(3), kWaiting);
        }
        EXPECT_TRUE(w.TimerOpen->Enabled());
        EXPECT_FALSE(w.TimerUpdateTime->Enabled());
        EXPECT_FALSE(w.bbtnPause->isEnabled());

        // The retry finds nobody yet and keeps waiting.
        w.TimerOpenTimer();
        EXPECT_EQ(w.statusPanel(3), kWaiting);
        EXPECT_TRUE(w.TimerOpen->Enabled());

        // The simulator returns: the retry connects and reads everything again.
        if (c.going == Going::FaultClose) {
            ASSERT_EQ(sim.command(QStringLiteral("fault none")), QStringLiteral("OK"));
        } else {
            ASSERT_TRUE(sim.start());
        }
        w.calls.clear();
        w.TimerOpenTimer();
        EXPECT_TRUE(w.isConnected);
        EXPECT_FALSE(w.TimerOpen->Enabled());
        EXPECT_EQ(w.statusPanel(3), QStringLiteral("Connected."));
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Veltrano - Connected"));
        EXPECT_TRUE(w.bbtnPause->isEnabled());
        EXPECT_EQ(w.calls.join(' '), QStringLiteral("AircraftInfo AltitudeInfo HeadInfo SpeedInfo ElectInfo "
                                                    "ControlInfo RadioInfo FuelInfo NavInfo APInfo EngineInfo1 "
                                                    "FailInfo"));
        EXPECT_EQ(w.bbtnPause->text(), c.refreshAfter ? QStringLiteral("&Pause") : QStringLiteral("G&o"));
        EXPECT_EQ(w.TimerUpdateTime->Enabled(), c.refreshAfter);
        if (c.refreshAfter) {
            EXPECT_EQ(w.statusPanel(4), QStringLiteral("Starting Scan..."));
            w.TimerUpdateTimeTimer(); // and the refresh reads the new far end
            EXPECT_TRUE(w.statusPanel(5).startsWith(QStringLiteral("FS Clock: ")));
            EXPECT_TRUE(w.statusPanel(4).startsWith(QStringLiteral("Scanning.")));
        }
        EXPECT_EQ(w.farEndsGone, 1);
    }
}

TEST_F(ReconnectTest, AFarEndThatMayNotBeReachedIsExplainedOnceOnStandardErrorAndAsTheStatusBarsHint)
{
    struct Case {
        const char *what;
        std::function<void(const QString &folder)> spoil, mend;
        const char *reason;
    } cases[] = {
        {"folder open to others", [](const QString &f) { ::chmod(f.toLocal8Bit(), 0777); },
         [](const QString &f) { ::chmod(f.toLocal8Bit(), 0700); }, "veltrano is writable by others"},
        {"symbolic link in the window's place",
         [](const QString &f) { ::symlink("/dev/null", (f + "/window.UIPCMAIN").toLocal8Bit()); },
         [](const QString &f) { ::unlink((f + "/window.UIPCMAIN").toLocal8Bit()); },
         "window.UIPCMAIN is a symbolic link, not a window's socket"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        FSUIPC_Close();
        SimProcess sim;
        const QString folder = sim.runtimeDir() + QStringLiteral("/veltrano");
        ASSERT_EQ(::mkdir(folder.toLocal8Bit(), 0700), 0);
        c.spoil(folder);
        WatchedWindow w;
        testing::internal::CaptureStderr();
        w.FormActivate();
        w.TimerOpenTimer(); // the same reason again: said once
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(w.statusPanel(3), kWaiting);
        const QString hint = w.simver1->statusTip();
        EXPECT_TRUE(hint.endsWith(QString::fromLatin1(c.reason))) << hint.toStdString();
        EXPECT_EQ(said, "veltrano: " + hint.toStdString() + "\n");

        c.mend(folder);
        ASSERT_TRUE(sim.start());
        w.TimerOpenTimer();
        EXPECT_TRUE(w.isConnected);
        EXPECT_EQ(w.simver1->statusTip(), QString());
    }
}
