// Trims, flaps, the rudder knob, the control pad and the bare window, and
// the controls readout: the inputs written while a drag lasts, the neutral
// inputs at every end of one, and what the panel shows.
#include "adapters/bargauge.h"
#include "adapters/paneledit.h"
#include "adapters/panelimage.h"
#include "adapters/panellabel.h"
#include "adapters/panelshape.h"
#include "adapters/paneltimer.h"
#include "catalogue.h"
#include "connectedpanel.h"
#include "knob/tknob.h"

#include <QGroupBox>
#include <QMouseEvent>
#include <QTest>

namespace {

class FlightControls : public ConnectedPanel {
protected:
    Writes neutralPad() { return {wrote(var::AileronInput, 0), wrote(var::ElevatorInput, 0)}; }
};

} // namespace

TEST_F(FlightControls, TrimsAndFlapsWriteWhatTheUserSets)
{
    ASSERT_TRUE(connect());
    TfrmACMain &w = *panel;
    // A wheel notch: the intent flag, then the knob.
    auto turn = [&](TKnob *k, int position) {
        w.doWrite = true;
        k->SetPosition(position);
    };
    turn(w.knbTrim, 1050);
    EXPECT_EQ(w.lTrim->Caption(), QStringLiteral("10.50"));
    EXPECT_EQ(w.knbTrim->Color(), clSkyBlue);
    EXPECT_EQ(status(), QStringLiteral("Trim Changed."));
    turn(w.knbTrim, -2100);
    EXPECT_EQ(w.knbTrim->Color(), clRed);
    turn(w.knbATrim, 100);
    turn(w.knbATrim, -50);
    EXPECT_EQ(w.knbATrim->Color(), clRed);
    turn(w.knbRTrim, 25);
    emit w.knbRTrim->OnMouseDown(w.knbRTrim, Qt::MiddleButton, {}, 1, 1); // centres it
    emit w.knbTrim->OnMouseDown(w.knbTrim, Qt::RightButton, {}, 1, 1);   // does nothing
    turn(w.knbFlaps, 3);
    EXPECT_EQ(status(), QStringLiteral("Flaps Changed."));
    EXPECT_EQ(takeWrites(), (Writes{wrote(var::ElevatorTrim, 8192), wrote(var::ElevatorTrim, -16384),
                                    wrote(var::AileronTrim, 16400), wrote(var::AileronTrim, -8200),
                                    wrote(var::RudderTrim, 4100), wrote(var::RudderTrim, 0), wrote(var::Flaps, 3)}));
    EXPECT_FALSE(w.doWrite);

    // Moved by the refresh: the elevator trim leaves its label and colour to
    // the readout, the side trims recolour; nothing is written.
    w.lTrim->SetCaption(QStringLiteral("x"));
    w.knbTrim->SetPosition(500);
    EXPECT_EQ(w.lTrim->Caption(), QStringLiteral("x"));
    w.knbATrim->SetPosition(0);
    EXPECT_EQ(w.knbATrim->Color(), clGray);
    w.knbFlaps->SetPosition(1);
    EXPECT_EQ(takeWrites(), Writes{});
}

TEST_F(FlightControls, ThePadDrivesAileronAndElevatorWhileTheButtonIsHeld)
{
    ASSERT_TRUE(connect());
    PanelImage *pad = panel->Image4;
    emit pad->OnMouseMove(pad, {}, 10, 10); // no button: neutral inputs
    EXPECT_EQ(takeWrites(), neutralPad());

    emit pad->OnMouseDown(pad, Qt::LeftButton, {}, 82, 82);
    emit pad->OnMouseMove(pad, {}, 150, 80);
    EXPECT_EQ(takeWrites(), Writes{wrote(var::AileronInput, 4352)});
    emit pad->OnMouseMove(pad, {}, 20, 120);
    EXPECT_EQ(takeWrites(), (Writes{wrote(var::AileronInput, -3968), wrote(var::ElevatorInput, 2432)}));
    // Dragged past the pad: its edge, never the opposite side.
    emit pad->OnMouseMove(pad, {}, 400, -30000);
    EXPECT_EQ(takeWrites(), (Writes{wrote(var::AileronInput, 5376), wrote(var::ElevatorInput, -5248)}));
    emit pad->OnMouseUp(pad, Qt::LeftButton, {}, 400, -30000); // released outside: no click
    EXPECT_EQ(takeWrites(), neutralPad());
    EXPECT_FALSE(panel->msedwn);

    emit pad->OnMouseDown(pad, Qt::LeftButton, {}, 100, 100);
    emit pad->OnClick(pad);
    emit pad->OnMouseUp(pad, Qt::LeftButton, {}, 100, 100);
    EXPECT_EQ(takeWrites(), (Writes{wrote(var::AileronInput, 0), wrote(var::ElevatorInput, 0),
                                    wrote(var::AileronInput, 0), wrote(var::ElevatorInput, 0)}));
    EXPECT_FALSE(panel->doWrite);
}

TEST_F(FlightControls, TheRudderKnobWritesWhileDraggedAndCentresOnRelease)
{
    ASSERT_TRUE(connect());
    TKnob *rudder = panel->knbRudder;
    const QPoint centre = rudder->rect().center();
    const QPoint quarterRight(rudder->width() - 2, centre.y());
    QTest::mousePress(rudder, Qt::LeftButton, {}, centre + QPoint(0, -rudder->height() / 3));
    QMouseEvent drag(QEvent::MouseMove, quarterRight, rudder->mapToGlobal(quarterRight), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(rudder, &drag);
    const int dragged = rudder->Position();
    EXPECT_GT(dragged, 4000);
    QTest::mouseRelease(rudder, Qt::LeftButton, {}, quarterRight);
    EXPECT_EQ(rudder->Position(), 0);
    EXPECT_EQ(takeWrites(), (Writes{wrote(var::RudderInput, 0), wrote(var::RudderInput, dragged),
                                    wrote(var::RudderInput, 0)}));
    EXPECT_FALSE(panel->msedwn);
    EXPECT_FALSE(panel->doWrite);

    // A right-button drag gives no click: the button-up centres it.
    emit rudder->OnMouseDown(rudder, Qt::RightButton, {}, 1, 1);
    panel->msedwn = true;
    panel->doWrite = true;
    rudder->SetPosition(-3000);
    emit rudder->OnMouseUp(rudder, Qt::RightButton, {}, 1, 1);
    EXPECT_EQ(takeWrites(), (Writes{wrote(var::RudderInput, 0), wrote(var::RudderInput, -3000),
                                    wrote(var::RudderInput, 0)}));
}

TEST_F(FlightControls, TheBareWindowCancelsAndCentres)
{
    ASSERT_TRUE(connect());
    TfrmACMain &w = *panel;
    // A point of the window outside every group and control.
    QPoint bare(-1, -1);
    for (int y = 0; y < w.height() && bare.x() < 0; y += 2)
        for (int x = 0; x < w.width() && bare.x() < 0; x += 2)
            if (!w.childAt(x, y))
                bare = QPoint(x, y);
    ASSERT_GE(bare.x(), 0);
    w.doWrite = true;
    QMouseEvent move(QEvent::MouseMove, bare, w.mapToGlobal(bare), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &move);
    EXPECT_FALSE(w.doWrite) << "a pending wheel adjustment is cancelled";

    w.knbRudder->SetPosition(500);
    QMouseEvent press(QEvent::MouseButtonPress, bare, w.mapToGlobal(bare), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &press);
    EXPECT_TRUE(w.msedwn);
    QMouseEvent release(QEvent::MouseButtonRelease, bare, w.mapToGlobal(bare), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &release);
    // The click, then the button-up, each centre everything.
    EXPECT_EQ(takeWrites(), (Writes{wrote(var::AileronInput, 0), wrote(var::ElevatorInput, 0),
                                    wrote(var::RudderInput, 0), wrote(var::AileronInput, 0),
                                    wrote(var::ElevatorInput, 0), wrote(var::RudderInput, 0)}));
    EXPECT_EQ(w.knbRudder->Position(), 0);
    EXPECT_FALSE(w.msedwn);

    // Over a control the window's handlers stay out of it.
    const QPoint onGroup = w.gbControls->geometry().center();
    w.doWrite = true;
    QMouseEvent over(QEvent::MouseMove, onGroup, w.mapToGlobal(onGroup), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &over);
    EXPECT_TRUE(w.doWrite);
    EXPECT_EQ(takeWrites(), Writes{});
}

TEST_F(FlightControls, TheReadoutShowsAttitudeTrimsGearAndFlaps)
{
    ASSERT_TRUE(connect({"--aircraft", "b727"}));
    TfrmACMain &w = *panel;
    setFloat(var::Pitch, -55.0); // nose up, past the bar's end
    setFloat(var::Bank, 12.345);
    setFloat(var::TurnRate, 1.0);
    setFloat(var::SideslipBall, -0.5);
    set(var::ElevatorTrim, -16383);
    set(var::AileronTrim, 8200);
    set(var::RudderTrim, 0);
    set(var::GearLever, 16383);
    set(var::GearNose, 16383);
    set(var::GearLeft, 8000);
    set(var::GearRight, 0);
    set(var::Spoilers, 4000);
    set(var::ParkingBrake, 32767);
    set(var::TailWheelLock, 1);
    w.knbTWL->setEnabled(true); // the 727 has no tail wheel: the reader shows only what exists
    w.knbFlaps->SetMax(5);
    set(var::Flaps, 5);
    w.vInProc = 0;
    w.ControlInfo();
    EXPECT_EQ(w.gPitch->Progress(), 40);
    EXPECT_EQ(w.lPitch->Caption(), QStringLiteral("40"));
    EXPECT_EQ(w.gPitch->ForeColor(), clGreen);
    EXPECT_EQ(w.ePitch->Text(), QStringLiteral("55.00"));
    EXPECT_EQ(w.eBank->Text(), QStringLiteral("-12.35"));
    EXPECT_EQ(w.shpTurn->x(), 73);
    EXPECT_EQ(w.shpBall->x(), 48);
    EXPECT_EQ(w.knbTrim->Position(), -2100);
    EXPECT_EQ(w.knbTrim->Color(), clRed);
    EXPECT_EQ(w.lTrim->Caption(), QStringLiteral("-21.00"));
    EXPECT_EQ(w.lAtrim->Caption(), QStringLiteral("50"));
    EXPECT_EQ(w.knbATrim->Color(), clSwitchOn);
    EXPECT_EQ(w.knbRTrim->Color(), clGray);
    EXPECT_EQ(w.knbGear->Color(), clSwitchOn);
    EXPECT_EQ(w.shpGearNose->BrushColor(), clLime);
    EXPECT_EQ(w.shpGearL->BrushColor(), clRed);
    EXPECT_EQ(w.shpGearR->BrushColor(), clBlue);
    EXPECT_EQ(w.knbSpoiler->Position(), 1);
    EXPECT_EQ(w.knbSpoiler->Color(), clOrange);
    EXPECT_EQ(w.knbPark->Position(), 1);
    EXPECT_EQ(w.knbPark->Color(), clRed);
    EXPECT_EQ(w.knbTWL->Color(), clOrange);
    EXPECT_EQ(w.lFlaps->Caption(), QStringLiteral("5"));
    EXPECT_EQ(w.knbFlaps->Color(), clRed);
    EXPECT_EQ(w.statusPanel(4), QStringLiteral("Scanning..."));

    // Outside phase 0 the gear and flaps wait; a disabled control is skipped.
    set(var::Flaps, 2);
    set(var::GearLever, 0);
    w.vInProc = 2;
    w.ControlInfo();
    EXPECT_EQ(w.lFlaps->Caption(), QStringLiteral("5"));
    w.vInProc = 0;
    w.knbGear->setEnabled(false);
    w.ControlInfo();
    EXPECT_EQ(w.knbGear->Color(), clSwitchOn);
    EXPECT_EQ(w.knbFlaps->Color(), clRedOrange);
    EXPECT_EQ(takeWrites(), Writes{});
}
