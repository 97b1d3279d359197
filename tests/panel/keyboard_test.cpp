// Keyboard shortcuts against veltrano-sim: each key acts through the
// handler or control the mouse would use, with that handler's writes and
// sentence; the shift state is compared whole; no shortcut acts while a text
// field has the focus or for a disabled control, while a knob, lever or
// button with the focus keeps them.
#include "adapters/paneledit.h"
#include "adapters/panellabel.h"
#include "adapters/radiogroup.h"
#include "adapters/trackbar.h"
#include "catalogue.h"
#include "connectedpanel.h"
#include "knob/tknob.h"

#include <QApplication>
#include <QDateEdit>
#include <QFrame>
#include <QSignalSpy>
#include <QTest>

#include <functional>

namespace {

class Keyboard : public ConnectedPanel {
protected:
    // The aircraft read again after the simulator's description changed.
    void reloadAircraft()
    {
        panel->bbtnRefreshClick();
        takeWrites(); // the reader's own write of the propeller type
    }
    // The refresh phases that show the altimeter setting and the pressure.
    void readAltimeter()
    {
        for (int phase : {1, 3, 1}) {
            panel->vInProc = static_cast<std::uint8_t>(phase);
            tick();
        }
        ASSERT_EQ(takeWrites(), Writes{});
    }
    void showPanel()
    {
        panel->show();
        QApplication::setActiveWindow(panel.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(panel.get()));
    }
    // A key as the user presses it: it goes to the control with the focus,
    // and the window sees it first.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QWidget *focus = panel->focusWidget();
        QTest::keyClick(focus ? focus : panel.get(), key, modifiers);
    }
};

struct KeyCase {
    const char *what;
    std::function<void()> arrange;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    Writes writes;
    const char *status; // nullptr: the status line is left alone
};

} // namespace

TEST_F(Keyboard, EachShortcutActsThroughItsControl)
{
    ASSERT_TRUE(connect({"--aircraft", "baron"}));
    showPanel();
    TfrmACMain &w = *panel;
    // A twin with carburettor heat and a tail wheel.
    set(var::HasCarbHeat, 1);
    set(var::TailDragger, 1);
    reloadAircraft();
    ASSERT_EQ(w.vNumEng, 2);
    ASSERT_EQ(w.knbFlaps->Max(), 2);
    // A knob with the focus keeps the shortcuts; it gets the key as well and
    // ignores it.
    w.knbGear->setFocus();
    const int gearKnob = w.knbGear->Position();
    const Qt::KeyboardModifiers none, shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier;
    const KeyCase cases[] = {
        {"G lowers the gear", [&] { set(var::GearLever, 0); }, Qt::Key_G, none, {wrote(var::GearLever, 16383)},
         "Landing Gear Position changed."},
        {"Ctrl+G raises it", [&] { set(var::GearLever, 16383); }, Qt::Key_G, ctrl, {wrote(var::GearLever, 0)},
         "Landing Gear Position changed."},
        {"Shift+G locks the tail wheel", [&] { set(var::TailWheelLock, 0); }, Qt::Key_G, shift,
         {wrote(var::TailWheelLock, 1)}, "Tailwheel Lock changed."},
        {"Shift+M, the master battery", [&] { set(var::MasterBattery, 1); }, Qt::Key_M, shift,
         {wrote(var::MasterBattery, 0)}, "Main Battery Changed."},
        {"M alone does nothing", {}, Qt::Key_M, none, {}, nullptr},
        {"Shift+L does nothing", {}, Qt::Key_L, shift, {}, nullptr},
        {"Ctrl+Shift+G is not Shift alone: the gear", [&] { set(var::GearLever, 0); }, Qt::Key_G, ctrl | shift,
         {wrote(var::GearLever, 16383)}, "Landing Gear Position changed."},
        {"the full stop, the parking brake", [&] { set(var::ParkingBrake, 32767); }, Qt::Key_Period, none,
         {wrote(var::ParkingBrake, 0)}, "Parking Brake Changed."},
        {"the keypad's point is another key", {}, Qt::Key_Period, Qt::KeypadModifier, {}, nullptr},
        {"Delete has the full stop's Qt number", {}, Qt::Key_Delete, none, {}, nullptr},
        {"Z, the autopilot master", [&] { set(var::AutopilotMaster, 1); }, Qt::Key_Z, none,
         {wrote(var::AutopilotMaster, 0)}, "AutoPilot Master changed."},
        {"F, the pumps of both engines", [&] { set(var::FuelPumps, 1); }, Qt::Key_F, none, {wrote(var::FuelPumps, 2)},
         "Fuel Pump Master Position Changed."},
        {"H inverts each engine's heat on its own, both engines in opposite states",
         [&] {
             set(var::CarbHeat[0], 1);
             set(var::CarbHeat[1], 0);
         },
         Qt::Key_H, none, {wrote(var::CarbHeat[0], 0), wrote(var::CarbHeat[1], 1)}, "CarbHeat Changed."},
        {"L with every light on puts them out", [&] { set(var::Lights, 1023); }, Qt::Key_L, none,
         {wrote(var::Lights, 0)}, "Lights changed."},
        {"L with one light off puts them all on", [&] { set(var::Lights, 0x03FE); }, Qt::Key_L, none,
         {wrote(var::Lights, 1023)}, "Lights changed."},
        {"B sets the altimeter to the sea-level pressure, as the knob's middle click does",
         [&] {
             w.rgBaro->SetItemIndex(1);
             set(var::Kollsman, 16208);
             set(var::QnhPressure, 16222); // 1013.9 mb
             readAltimeter();
         },
         Qt::Key_B, none, {wrote(var::Kollsman, 16224)}, "Kollsman Changed."},
        {"D resets the gyro drift", [&] { set(var::GyroDrift, 900); }, Qt::Key_D, none, {wrote(var::GyroDrift, 0)},
         nullptr},
        {"F7 lowers the flaps a detent from the label", [&] { w.lFlaps->SetCaption(QStringLiteral("1")); },
         Qt::Key_F7, none, {wrote(var::Flaps, 2)}, "Flaps Changed."},
        {"F7 at the last detent writes it again", {}, Qt::Key_F7, none, {wrote(var::Flaps, 2)}, "Flaps Changed."},
        {"F6 raises them", {}, Qt::Key_F6, none, {wrote(var::Flaps, 1)}, "Flaps Changed."},
        {"F6 at the first detent writes it again", [&] { w.lFlaps->SetCaption(QStringLiteral("0")); }, Qt::Key_F6,
         none, {wrote(var::Flaps, 0)}, "Flaps Changed."},
    };
    for (const KeyCase &c : cases) {
        SCOPED_TRACE(c.what);
        if (c.arrange)
            c.arrange();
        w.setStatusPanel(3, QStringLiteral("before"));
        press(c.key, c.modifiers);
        EXPECT_EQ(takeWrites(), c.writes);
        EXPECT_EQ(status(), c.status ? QString::fromLatin1(c.status) : QStringLiteral("before"));
    }
    EXPECT_EQ(w.knbGear->Position(), gearKnob) << "the knob ignores the letters it gets too";
    EXPECT_TRUE(w.knbGear->hasFocus());
}

TEST_F(Keyboard, ThrottleKeysStepTheLabelAndTheLever)
{
    ASSERT_TRUE(connect({"--aircraft", "c172"}));
    TfrmACMain &w = *panel;
    w.lT1->SetCaption(QStringLiteral("50"));
    w.FormKeyDown(Qt::Key_F3, {});
    EXPECT_EQ(w.lT1->Caption(), QStringLiteral("49"));
    EXPECT_EQ(w.tbThrottle1->Position(), -49);
    EXPECT_EQ(status(), QStringLiteral("Throttle Changed."));
    w.FormKeyDown(Qt::Key_F4, {});
    w.FormKeyDown(Qt::Key_F4, {});
    EXPECT_EQ(w.lT1->Caption(), QStringLiteral("51"));
    EXPECT_EQ(w.tbThrottle1->Position(), -51);
    EXPECT_EQ(takeWrites(), (Writes{wrote(var::ThrottleLeverSet1, 8028), wrote(var::ThrottleLeverSet1, 8192),
                                    wrote(var::ThrottleLeverSet1, 8356)}));

    // At a limit the lever is given its own position: no change, no write,
    // and the intent stays for the next change handler.
    w.lT1->SetCaption(QStringLiteral("100"));
    w.tbThrottle1->SetPosition(-100);
    takeWrites();
    w.doWrite = false;
    w.FormKeyDown(Qt::Key_F4, {});
    EXPECT_EQ(w.lT1->Caption(), QStringLiteral("100"));
    EXPECT_EQ(takeWrites(), Writes{});
    EXPECT_TRUE(w.doWrite);
    w.doWrite = false;
    w.lT1->SetCaption(QStringLiteral("0"));
    w.tbThrottle1->SetPosition(0);
    takeWrites();
    w.FormKeyDown(Qt::Key_F3, {});
    EXPECT_EQ(w.lT1->Caption(), QStringLiteral("0"));
    EXPECT_EQ(w.tbThrottle1->Position(), 0);
    EXPECT_EQ(takeWrites(), Writes{});

    // A label that is not a number: the key ends with the conversion report,
    // leaving no intent behind, and the window carries on.
    w.doWrite = false;
    w.lT1->SetCaption(QStringLiteral("x"));
    press(Qt::Key_F4);
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("'x' is not a valid integer value")});
    EXPECT_FALSE(w.doWrite);
    EXPECT_EQ(takeWrites(), Writes{});
}

TEST_F(Keyboard, NoShortcutWhileTypingOrForADisabledControl)
{
    ASSERT_TRUE(connect({"--aircraft", "baron"}));
    showPanel();
    TfrmACMain &w = *panel;
    QSignalSpy seen(&w, &TfrmACMain::OnKeyDown);

    // Typing a frequency: the full stop goes into the edit, not to the brake.
    w.eCom1s->setFocus();
    w.eCom1s->selectAll();
    QTest::keyClicks(w.eCom1s, QStringLiteral("121.5g"));
    EXPECT_EQ(w.eCom1s->Text(), QStringLiteral("121.5g"));
    EXPECT_EQ(seen.count(), 6) << "the window still sees every key";
    w.DTP2->setFocus();
    press(Qt::Key_G);
    press(Qt::Key_Period);
    EXPECT_EQ(takeWrites(), Writes{});

    // A lever with the focus keeps them.
    w.tbThrottle1->setFocus();
    set(var::ParkingBrake, 0);
    press(Qt::Key_Period);
    EXPECT_EQ(takeWrites(), Writes{wrote(var::ParkingBrake, 32767)});

    // A control that is not there to be used: no gear lever on fixed gear, no
    // autopilot, no carburettor heat, no flaps.
    set(var::RetractableGear, 0);
    set(var::AutopilotAvailable, 0);
    set(var::HasCarbHeat, 0);
    set(var::HasFlaps, 0);
    reloadAircraft();
    w.APInfo();
    for (const TKnob *k : {w.knbGear, w.knbAutoPilotMaster, w.knbCarbHt1, w.knbCarbHt2, w.knbFlaps})
        ASSERT_FALSE(k->isEnabled()) << k->objectName().toStdString();
    w.tbThrottle1->setFocus();
    takeWrites();
    w.lFlaps->SetCaption(QStringLiteral("1"));
    w.doWrite = false;
    w.setStatusPanel(3, QStringLiteral("before"));
    for (Qt::Key key : {Qt::Key_G, Qt::Key_Z, Qt::Key_H, Qt::Key_F7, Qt::Key_F6})
        press(key);
    EXPECT_EQ(takeWrites(), Writes{});
    EXPECT_EQ(status(), QStringLiteral("before"));
    EXPECT_EQ(w.lFlaps->Caption(), QStringLiteral("1"));
    EXPECT_FALSE(w.doWrite);

    // L does not guess when the lights cannot be read.
    ASSERT_EQ(sim.command(QStringLiteral("fault reject")), QStringLiteral("OK"));
    press(Qt::Key_L);
    ASSERT_EQ(sim.command(QStringLiteral("fault none")), QStringLiteral("OK"));
    EXPECT_EQ(takeWrites(), Writes{});
    EXPECT_EQ(status(), QStringLiteral("Lights not changed."));
}
