// Timer semantics the refresh cycle depends on. Waits are on signals; the
// elapsed-time bounds leave room for a loaded machine (a precise timer never
// fires early, so the lower bounds are exact).
#include "adapters/paneltimer.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Lets the event loop run until `reference` has ticked `n` times.
void runTicks(PanelTimer &reference, int n)
{
    QSignalSpy spy(&reference, &PanelTimer::OnTimer);
    reference.SetEnabled(true);
    while (spy.count() < n)
        ASSERT_TRUE(spy.wait(2000));
    reference.SetEnabled(false);
}

} // namespace

TEST(PanelTimer, EnablingARunningTimerKeepsItsCountdown)
{
    PanelTimer t;
    t.SetInterval(400);
    QSignalSpy spy(&t, &PanelTimer::OnTimer);
    QElapsedTimer clock;
    clock.start();
    t.SetEnabled(true);
    qint64 reEnabledAt = -1;
    QTimer::singleShot(250, [&] {
        reEnabledAt = clock.elapsed();
        t.SetEnabled(true);
    });
    ASSERT_TRUE(spy.wait(3000));
    const qint64 tick = clock.elapsed();
    ASSERT_GE(reEnabledAt, 0);
    ASSERT_LT(reEnabledAt, 400) << "machine too slow for this test";
    EXPECT_GE(tick, 400);
    // A restart at 250 ms would have put the tick at 650 ms or later.
    EXPECT_LT(tick, reEnabledAt + 400 - 50);
    EXPECT_EQ(spy.first().at(0).value<PanelTimer *>(), &t);
}

TEST(PanelTimer, ANewIntervalWhileRunningRestartsTheCountdown)
{
    PanelTimer t;
    t.SetInterval(400);
    QSignalSpy spy(&t, &PanelTimer::OnTimer);
    QElapsedTimer clock;
    clock.start();
    t.SetEnabled(true);
    qint64 changedAt = -1;
    QTimer::singleShot(250, [&] {
        changedAt = clock.elapsed();
        t.SetInterval(300);
    });
    ASSERT_TRUE(spy.wait(3000));
    ASSERT_GE(changedAt, 0);
    EXPECT_GE(clock.elapsed(), changedAt + 300);
    EXPECT_EQ(t.Interval(), 300);
}

TEST(PanelTimer, StaysSilentWhenStoppedOrWithoutInterval)
{
    PanelTimer stopped; // created stopped, with the platform's default interval
    EXPECT_EQ(stopped.Interval(), 1000);
    stopped.SetInterval(5); // a new interval does not start a stopped timer
    PanelTimer noInterval;
    noInterval.SetInterval(0);
    noInterval.SetEnabled(true);
    PanelTimer negative;
    negative.SetInterval(-5);
    negative.SetEnabled(true);
    QSignalSpy a(&stopped, &PanelTimer::OnTimer);
    QSignalSpy b(&noInterval, &PanelTimer::OnTimer);
    QSignalSpy c(&negative, &PanelTimer::OnTimer);

    PanelTimer reference;
    reference.SetInterval(20);
    runTicks(reference, 4);
    EXPECT_EQ(a.count(), 0);
    EXPECT_EQ(b.count(), 0);
    EXPECT_EQ(c.count(), 0);
    EXPECT_FALSE(stopped.Enabled());
    EXPECT_TRUE(noInterval.Enabled());
    EXPECT_EQ(negative.Interval(), 0);

    noInterval.SetInterval(5); // an interval makes the enabled timer tick
    EXPECT_TRUE(b.wait(2000));
}

TEST(PanelTimer, AHandlerCanStopItsOwnTimer)
{
    PanelTimer t;
    t.SetInterval(5);
    int ticks = 0;
    QObject::connect(&t, &PanelTimer::OnTimer, [&](PanelTimer *sender) {
        ++ticks;
        sender->SetEnabled(false);
    });
    t.SetEnabled(true);
    PanelTimer reference;
    reference.SetInterval(20);
    runTicks(reference, 4);
    EXPECT_EQ(ticks, 1);
    EXPECT_FALSE(t.Enabled());

    t.SetEnabled(true); // and it runs again when enabled again
    QSignalSpy spy(&t, &PanelTimer::OnTimer);
    EXPECT_TRUE(spy.wait(2000));
}
