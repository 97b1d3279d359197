// A refresh tick repaints only what changed: with the simulator's values
// standing still, the ticks of a whole cycle repaint no control; the status
// bar alone shows the refresh going on (a moment later, once for a burst of
// texts). A value that does change repaints its own controls.
#include "adapters/panellabel.h"
#include "adapters/panelstatusbar.h"
#include "catalogue.h"
#include "connectedpanel.h"
#include "gauge/tanaloggauge.h"
#include "knob/tknob.h"
#include "paintcounter.h"

#include <QPushButton>
#include <QTest>

namespace {

class RefreshRepaints : public ConnectedPanel {
protected:
    // One tick of a running refresh. The pause button keeps its caption, as
    // while the refresh runs, so that the tick itself is all that paints.
    void runningTick()
    {
        panel->TimerUpdateTimeTimer();
        PaintCounter::flush();
    }
};

} // namespace

TEST_F(RefreshRepaints, ATickWithUnchangedValuesRepaintsNoControl)
{
    ASSERT_TRUE(connect({"--aircraft", "b747"})); // parked and frozen: nothing moves but the clock
    panel->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(panel.get()));
    panel->bbtnPause->setText(QStringLiteral("&Pause"));
    // Two cycles settle what the first pass left: the altimeter knob takes
    // its place in phase 3 and the colour that depends on it in phase 1.
    for (int i = 0; i < 8; ++i)
        runningTick();

    PaintCounter paints(panel.get());
    paints.reset();
    for (int phase = 0; phase < 8; ++phase) {
        SCOPED_TRACE(phase % 4);
        runningTick();
        EXPECT_EQ(paints.total(), paints.count(panel->simver1)) << paints.painted().toStdString();
        paints.reset();
    }

    // What changes is painted: the airspeed's text and needle, the parking
    // brake's knob (read with the controls, in phase 0).
    set(var::IndicatedAirspeed, 180 * 128);
    set(var::ParkingBrake, panel->knbPark->Position() == 0 ? 32767 : 0);
    panel->vInProc = 0;
    runningTick();
    EXPECT_GT(paints.count(panel->lSpeed), 0) << paints.painted().toStdString();
    EXPECT_GT(paints.count(panel->agSpeed), 0);
    EXPECT_GT(paints.count(panel->knbPark), 0);
    EXPECT_EQ(takeWrites(), Writes{});
}
