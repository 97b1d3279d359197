// The mouse wheel against veltrano-sim, delivered as the window system
// delivers it: each kind of row takes its value from the text the panel
// shows and writes through the control's own handler, the refresh runs
// again however a notch ends, and only controls the user can see and use
// take the wheel.
#include "adapters/paneledit.h"
#include "adapters/panelimage.h"
#include "adapters/panellabel.h"
#include "adapters/paneltimer.h"
#include "adapters/radiogroup.h"
#include "adapters/speedbutton.h"
#include "adapters/trackbar.h"
#include "catalogue.h"
#include "connectedpanel.h"
#include "knob/tknob.h"
#include "simlink/bcd.h"

#include <QApplication>
#include <QFrame>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

#include <functional>

namespace {

struct WheelCase {
    const char *what;
    std::function<void()> arrange;
    const QWidget *over;
    int delta;
    Writes writes;
    const char *status; // nullptr: the status line is left alone
    std::function<void()> check;
};

class Wheel : public ConnectedPanel {
protected:
    void showPanel()
    {
        panel->show();
        QApplication::setActiveWindow(panel.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(panel.get()));
    }
    // A wheel event over a control, as the window system hands it to the
    // panel's window; negative deltas turn towards the user.
    void turn(const QWidget *over, int delta)
    {
        const QPointF global = over->mapToGlobal(QPointF(over->rect().center()));
        QWheelEvent event(panel->mapFromGlobal(global), global, QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(panel->windowHandle(), &event);
    }
    static constexpr int towards = -120;
    static constexpr int away = 120;
    // One case: the writes and sentence of one notch, and the refresh
    // running again after it (stopped again for the next case).
    void run(const WheelCase &c)
    {
        SCOPED_TRACE(c.what);
        if (c.arrange)
            c.arrange();
        takeWrites();
        panel->doWrite = false;
        panel->setStatusPanel(3, QStringLiteral("before"));
        setRefreshRunning(true);
        turn(c.over, c.delta);
        EXPECT_EQ(takeWrites(), c.writes);
        EXPECT_EQ(status(), c.status ? QString::fromLatin1(c.status) : QStringLiteral("before"));
        EXPECT_TRUE(panel->TimerUpdateTime->Enabled()) << "the refresh runs again";
        setRefreshRunning(true);
        if (c.check)
            c.check();
    }
};


std::int64_t radioWord(double mhz)
{
    return conv::mhzToRadioWord(mhz);
}

} // namespace

TEST_F(Wheel, EachKindOfRowWritesThroughItsControlsHandler)
{
    ASSERT_TRUE(connect({"--aircraft", "baron"}));
    showPanel();
    TfrmACMain &w = *panel;
    QTest::mouseClick(w.sbtnComNav2, Qt::LeftButton); // radio 2 tunes NAV
    ASSERT_EQ(w.sbtnComNav2->Caption(), QStringLiteral("N"));
    w.knbFlaps->SetMax(2);
    auto text = [](PanelEdit *e, const char *t) { e->SetText(QString::fromLatin1(t)); };
    auto caption = [](PanelLabel *l, const char *t) { l->SetCaption(QString::fromLatin1(t)); };
    auto shows = [](PanelEdit *e, const char *t) { EXPECT_EQ(e->Text(), QString::fromLatin1(t)); };
    const WheelCase cases[] = {
        {"elevator trim", [&] { caption(w.lTrim, "10.47"); }, w.knbTrim, towards, {wrote(var::ElevatorTrim, 8192)},
         "Trim Changed.", [&] { EXPECT_EQ(w.lTrim->Caption(), QStringLiteral("10.50")); }},
        {"altimeter setting from the value the refresh shows",
         [&] {
             w.rgBaro->SetItemIndex(1);
             set(var::Kollsman, 16208); // 1013 mb
             for (int phase : {1, 3, 1}) {
                 w.vInProc = static_cast<std::uint8_t>(phase);
                 tick();
             }
             ASSERT_EQ(w.lkollsmanval->Caption(), QStringLiteral("1013"));
         },
         w.knbKollsman, towards, {wrote(var::Kollsman, 16224)}, "Kollsman Changed.",
         [&] { EXPECT_EQ(w.knbKollsman->Position(), 1014); }},
        {"heading 359 towards wraps to 0", [&] { text(w.eAPHead, "359"); }, w.knbHeadBug, towards,
         {wrote(var::ApHeadingTarget, 0)}, "AP Heading Bug Setting Changed.",
         [&] {
             shows(w.eAPHead, "0");
             EXPECT_EQ(w.knbHeadBug->Position(), 0);
         }},
        {"heading 181 shows -179 on the knob", [&] { text(w.eAPHead, "180"); }, w.knbHeadBug, towards,
         {wrote(var::ApHeadingTarget, 32950)}, "AP Heading Bug Setting Changed.",
         [&] { EXPECT_EQ(w.knbHeadBug->Position(), -179); }},
        {"altitude 12345 towards", [&] { text(w.eAPAlt, "12345"); }, w.knbAltSet, towards,
         {wrote(var::ApAltitudeTarget, 247694615)}, "AP Altitude Setting Changed.",
         [&] {
             shows(w.eAPAlt, "12400");
             EXPECT_EQ(w.knbAltSet->Position(), 124);
         }},
        {"altitude at the knob's top: nothing changes", [&] { text(w.eAPAlt, "75000"); }, w.knbAltSet, towards, {},
         nullptr, [&] { shows(w.eAPAlt, "75000"); }},
        {"vertical speed away", [&] { text(w.eVertSp, "1250"); }, w.knbVertSpd, away,
         {wrote(var::ApVerticalSpeedTarget, 1100)}, "Vertical Speed Setting Changed.",
         [&] { shows(w.eVertSp, "1100"); }},
        {"COM 1 megahertz", [&] { text(w.eCom1s, "118.025"); }, w.knbMHz1, towards,
         {wrote(var::Com25kHz, 1), wrote(var::Com1Standby, radioWord(119.025))}, "Standby Freq. Changed.",
         [&] { EXPECT_EQ(w.knbMHz1->Position(), 119); }},
        {"COM 1 at 136.975 stays", [&] { text(w.eCom1s, "136.975"); }, w.knbMHz1, towards, {}, nullptr,
         [&] { shows(w.eCom1s, "136.975"); }},
        {"COM 1 fraction at 136.975 stays", {}, w.knbKHz1, towards, {}, nullptr, [&] { shows(w.eCom1s, "136.975"); }},
        {"NAV 2 110.95 away", [&] { text(w.eNav2s, "110.95"); }, w.knbKHz2, away,
         {wrote(var::Nav2Standby, radioWord(110.90))}, "Standby Freq. Changed.", [&] { shows(w.eNav2s, "110.90"); }},
        {"NAV 2 110.00 towards", [&] { text(w.eNav2s, "110.00"); }, w.knbKHz2, towards,
         {wrote(var::Nav2Standby, radioWord(110.05))}, "Standby Freq. Changed.", {}},
        {"course 1", [&] { text(w.eAPCrs, "10"); }, w.knbNavCrs, away, {wrote(var::Nav1Course, 9)},
         "Nav Course Changed.", {}},
        {"course 2 0 away wraps to 359", [&] { text(w.eCrs2, "0"); }, w.knbNavCrs2, away,
         {wrote(var::Nav2Course, 359)}, "Nav Course 2 Changed.", [&] { EXPECT_EQ(w.knbNavCrs2->Position(), -1); }},
        {"ADF units", [&] { text(w.eADFFreq, "350.0"); }, w.knbADF, towards,
         {wrote(var::AdfFrequency, IntToBCD(351)), wrote(var::AdfExtension, 0)}, "ADF Set.",
         [&] { shows(w.eADFFreq, "351.0"); }},
        {"ADF hundreds at 17 stay", [&] { text(w.eADFFreq, "1799.5"); }, w.knbADF2, towards, {}, nullptr,
         [&] { shows(w.eADFFreq, "1799.5"); }},
        {"transponder digit",
         [&] {
             for (auto [l, t] : {std::pair{w.lTrans1, "1"}, {w.lTrans2, "2"}, {w.lTrans3, "0"}, {w.lTrans4, "0"}})
                 caption(l, t);
         },
         w.knbT1, towards, {wrote(var::Transponder, IntToBCD(2200))}, "Transponder Code Set.", {}},
        {"flaps", [&] { caption(w.lFlaps, "0"); }, w.knbFlaps, towards, {wrote(var::Flaps, 1)}, "Flaps Changed.",
         [&] { EXPECT_EQ(w.lFlaps->Caption(), QStringLiteral("1")); }},
        {"aileron trim from a decimal text", [&] { caption(w.lAtrim, "49.6"); }, w.knbATrim, towards,
         {wrote(var::AileronTrim, 8364)}, nullptr, [&] { EXPECT_EQ(w.lAtrim->Caption(), QStringLiteral("51")); }},
        {"rudder trim at its end", [&] { caption(w.lRTrim, "-100"); }, w.knbRTrim, away,
         {wrote(var::RudderTrim, -16400)}, nullptr, {}},
        {"a text that is not a number", [&] { text(w.eVertSp, "abc"); }, w.knbVertSpd, towards, {}, nullptr,
         [&] {
             EXPECT_EQ(dialogs.messages.takeLast(), QStringLiteral("'abc' is not a valid integer value"));
             EXPECT_FALSE(w.doWrite);
         }},
    };
    for (const WheelCase &c : cases)
        run(c);
    EXPECT_EQ(dialogs.messages, QStringList{});
}

TEST_F(Wheel, EngineAndFuelRowsWriteThroughTheirHandlers)
{
    ASSERT_TRUE(connect({"--aircraft", "baron"}));
    showPanel();
    TfrmACMain &w = *panel;
    ASSERT_EQ(w.vNumEng, 2);
    w.rgPropType->SetItemIndex(1); // constant speed: the propeller levers move
    // The tanks the fuel page shows: the auxiliaries and the left main only.
    for (QFrame *tank : {w.pnlFRM, w.pnlFC1, w.pnlFC2, w.pnlFC3, w.pnlFE1, w.pnlFE2, w.pnlFLT, w.pnlFRT})
        tank->hide();
    for (QFrame *tank : {w.pnlFLM, w.pnlFLA, w.pnlFRA})
        tank->show();
    auto caption = [](PanelLabel *l, const char *t) { l->SetCaption(QString::fromLatin1(t)); };
    auto shows = [](PanelLabel *l, const char *t) { EXPECT_EQ(l->Caption(), QString::fromLatin1(t)); };
    const WheelCase cases[] = {
        {"throttle 1 towards", [&] { caption(w.lT1, "50"); }, w.tbThrottle1, towards,
         {wrote(var::ThrottleLeverSet1, 8028)}, "Throttle Changed.",
         [&] {
             shows(w.lT1, "49");
             EXPECT_EQ(w.tbThrottle1->Position(), -49) << "moved once, by the panel";
         }},
        {"throttle 2 away", [&] { caption(w.lT2, "10"); }, w.tbThrottle2, away, {wrote(var::ThrottleLeverSet2, 1802)},
         "Throttle Changed.", [&] { shows(w.lT2, "11"); }},
        {"throttle at 100 away stays", [&] { caption(w.lT1, "100"); w.tbThrottle1->SetPosition(-100); }, w.tbThrottle1,
         away, {}, nullptr, [&] { EXPECT_EQ(w.tbThrottle1->Position(), -100); }},
        {"mixture 1 away", [&] { caption(w.lM1, "60"); }, w.tbMix1, away, {wrote(var::MixtureLever[0], 9994)},
         "Mixture Changed.", {}},
        {"propeller 1 at its bottom, towards: stays", [&] { caption(w.lP1, "-20"); w.tbProp1->SetPosition(20); },
         w.tbProp1, towards, {}, nullptr, [&] { shows(w.lP1, "-20"); }},
        {"propeller 1 away", {}, w.tbProp1, away, {wrote(var::PropellerLever[0], -3113)}, "Propeller Changed.",
         [&] { EXPECT_EQ(w.tbProp1->Position(), 19); }},
        {"cowl flaps, both engines", [&] { caption(w.lCFVal, "3"); }, w.knbCowlFlaps, towards,
         {wroteFloat(var::CowlFlaps[0], 0.4), wroteFloat(var::CowlFlaps[1], 0.4)}, "Engine Cowlflaps Set.", {}},
        {"magneto 1 from start to both", [&] { caption(w.lMag1Pos, "4"); }, w.knbMag, away,
         {wrote(var::Magnetos[0], 3)}, "Magneto changed.",
         [&] {
             shows(w.lMag1Pos, "3");
             EXPECT_EQ(w.knbMag->Color(), clSwitchOn);
         }},
        {"magneto 2 at start, towards: start again", [&] { caption(w.lMag2Pos, "4"); }, w.knbMag2, towards,
         {wrote(var::Magnetos[1], 4)}, "Magneto changed.", {}},
        {"selector 1 from all to the left tanks", [&] { caption(w.lFuelSelNum, "1"); }, w.knbMasterFuel,
         towards, {wrote(var::TankSelector1, 2)}, "Fuel Tank 1 Selection Set.", {}},
        {"selector 2 past the missing right main to all", [&] { caption(w.lFuelSelNum2, "19"); }, w.knbFuelSel2,
         towards, {wrote(var::TankSelector2, 1)}, "Fuel Tank Selection Set.", [&] { shows(w.lFuelSelNum2, "1"); }},
    };
    for (const WheelCase &c : cases)
        run(c);

    // A fixed-pitch propeller: its levers are disabled and take nothing;
    // with no propeller type chosen they decline the wheel.
    w.rgPropType->SetItemIndex(0);
    takeWrites();
    caption(w.lP1, "50");
    turn(w.tbProp1, away);
    w.rgPropType->SetItemIndex(-1);
    w.tbProp1->setEnabled(true);
    w.doWrite = false;
    setRefreshRunning(true);
    turn(w.tbProp1, away);
    shows(w.lP1, "50");
    EXPECT_FALSE(w.doWrite);
    EXPECT_TRUE(w.TimerUpdateTime->Enabled()) << "the refresh runs again";
    setRefreshRunning(false);
    EXPECT_EQ(takeWrites(), Writes{});

    // A wheel that reports an eighth of a notch at a time: one notch in eight.
    w.lFlaps->SetCaption(QStringLiteral("0"));
    for (int i = 0; i < 8; ++i)
        turn(w.knbFlaps, -15);
    EXPECT_EQ(w.lFlaps->Caption(), QStringLiteral("1"));
    EXPECT_EQ(takeWrites(), Writes{wrote(var::Flaps, 1)});
}

TEST_F(Wheel, OnlyControlsTheUserCanSeeAndUseTakeTheWheel)
{
    ASSERT_TRUE(connect({"--aircraft", "c172"}));
    showPanel();
    TfrmACMain &w = *panel;
    // Over a picture frame of a single-engine aircraft lie engine 2's hidden
    // levers: they take nothing.
    ASSERT_TRUE(w.pnlEngine2->isHidden());
    auto onScreen = [](const QWidget *c) { return QRect(c->mapToGlobal(QPoint(0, 0)), c->size()); };
    ASSERT_TRUE(onScreen(w.Image1).contains(onScreen(w.tbThrottle2).center()));
    w.lT2->SetCaption(QStringLiteral("40"));
    turn(w.tbThrottle2, towards);
    turn(w.tbMix2, away);
    for (const QWidget *over : {static_cast<const QWidget *>(w.Image1), static_cast<const QWidget *>(w.Image2),
                                static_cast<const QWidget *>(w.Image3)}) {
        turn(over, towards);
        turn(over, away);
    }
    EXPECT_EQ(w.lT2->Caption(), QStringLiteral("40"));
    EXPECT_EQ(takeWrites(), Writes{});

    // A disabled knob takes nothing either.
    w.knbFlaps->setEnabled(false);
    w.lFlaps->SetCaption(QStringLiteral("0"));
    turn(w.knbFlaps, towards);
    EXPECT_EQ(w.lFlaps->Caption(), QStringLiteral("0"));
    EXPECT_FALSE(w.doWrite);

    // A lever outside the table does not move under the wheel.
    const int step = w.tbElevUpDn->Position();
    turn(w.tbElevUpDn, away);
    turn(w.tbElevUpDn, towards);
    EXPECT_EQ(w.tbElevUpDn->Position(), step);
    EXPECT_EQ(takeWrites(), Writes{});
}
