// Autopilot settings through their edits, knobs and labels, and the
// autopilot readout: what is written for a user's action, that a refresh
// writes nothing, and what the panel shows for the simulator's values.
#include "adapters/bargauge.h"
#include "adapters/paneledit.h"
#include "adapters/panellabel.h"
#include "adapters/panelshape.h"
#include "adapters/paneltimer.h"
#include "adapters/trackbar.h"
#include "catalogue.h"
#include "connectedpanel.h"
#include "image/trotatableimage.h"
#include "knob/tknob.h"

#include <QApplication>
#include <QTest>

namespace {

class Autopilot : public ConnectedPanel {
protected:
    // A user's action on the panel: the intent flag, then the control.
    void byUser(const std::function<void()> &action)
    {
        panel->doWrite = true;
        action();
    }
    void middleClick(TKnob *k) { emit k->OnMouseDown(k, Qt::MiddleButton, {}, 5, 5); }
    void click(PanelLabel *l) { emit l->OnClick(l); }
};

} // namespace

TEST_F(Autopilot, TargetsSetByTheUserAreWrittenThroughTheirEdits)
{
    ASSERT_TRUE(connect());
    TfrmACMain &w = *panel;

    click(w.lSE);
    EXPECT_EQ(w.eAPHead->Text(), QStringLiteral("135"));
    EXPECT_EQ(takeWrites(), Writes{wrote(var::ApHeadingTarget, 24576)});
    EXPECT_EQ(status(), QStringLiteral("AP Heading Bug Setting Changed."));
    EXPECT_FALSE(w.doWrite);

    click(w.lWCrs);
    EXPECT_EQ(w.knbNavCrs->Position(), -90);
    EXPECT_EQ(takeWrites(), Writes{wrote(var::Nav1Course, 270)});
    EXPECT_EQ(status(), QStringLiteral("Nav Course Changed."));

    click(w.lAlt10K);
    EXPECT_EQ(w.knbAltSet->Position(), 100);
    EXPECT_EQ(takeWrites(), Writes{wrote(var::ApAltitudeTarget, 199753722)});
    EXPECT_EQ(status(), QStringLiteral("AP Altitude Setting Changed."));

    byUser([&] { w.eVertSp->SetText(QStringLiteral("1250")); });
    EXPECT_EQ(w.knbVertSpd->Position(), 12);
    byUser([&] { w.eVertSp->SetText(QStringLiteral("5000")); });
    EXPECT_EQ(w.knbVertSpd->Position(), 40);
    EXPECT_EQ(takeWrites(), (Writes{wrote(var::ApVerticalSpeedTarget, 1200), wrote(var::ApVerticalSpeedTarget, 4000)}));
    EXPECT_EQ(status(), QStringLiteral("Vertical Speed Setting Changed."));

    byUser([&] { w.eCrs2->SetText(QStringLiteral("181")); });
    EXPECT_EQ(w.knbNavCrs2->Position(), -179);
    EXPECT_EQ(takeWrites(), Writes{wrote(var::Nav2Course, 181)});
    EXPECT_EQ(status(), QStringLiteral("Nav Course 2 Changed."));

    // The wheel click takes the present heading and the unrounded altitude.
    w.lHdg->SetCaption(QStringLiteral("270"));
    middleClick(w.knbHeadBug);
    EXPECT_EQ(w.knbHeadBug->Position(), -90);
    w.stAlt->SetCaption(QStringLiteral("5432"));
    middleClick(w.knbAltSet);
    EXPECT_EQ(w.knbAltSet->Position(), 54);
    EXPECT_EQ(takeWrites(), (Writes{wrote(var::ApHeadingTarget, 49152), wrote(var::ApAltitudeTarget, 108506222)}));
    // Other buttons do nothing there.
    emit w.knbHeadBug->OnMouseDown(w.knbHeadBug, Qt::LeftButton, {}, 5, 5);
    EXPECT_EQ(takeWrites(), Writes{});
}

TEST_F(Autopilot, TextsOutOfReachAreReportedAndNothingIsWritten)
{
    ASSERT_TRUE(connect());
    TfrmACMain &w = *panel;
    byUser([&] { w.eAPAlt->SetText(QStringLiteral("99999999")); }); // beyond the 32-bit offset
    byUser([&] { w.eAPAlt->SetText(QStringLiteral("12a")); });
    byUser([&] { w.eCrs2->SetText(QStringLiteral("40000")); });
    EXPECT_EQ(dialogs.messages, (QStringList{QStringLiteral("'99999999' is not a valid integer value"),
                                             QStringLiteral("'12a' is not a valid integer value"),
                                             QStringLiteral("'40000' is not a valid integer value")}));
    EXPECT_EQ(takeWrites(), Writes{});

    // The heading handler stops the refresh and starts it again on every
    // exit, the failed conversion included.
    setRefreshRunning(true);
    byUser([&] { w.eAPHead->SetText(QStringLiteral("north")); });
    EXPECT_TRUE(w.TimerUpdateTime->Enabled());
    setRefreshRunning(false);
    byUser([&] { w.eAPHead->SetText(QStringLiteral("90")); });
    EXPECT_FALSE(w.TimerUpdateTime->Enabled()) << "paused: it stays stopped";
    EXPECT_EQ(takeWrites(), Writes{wrote(var::ApHeadingTarget, 16384)});
}

TEST_F(Autopilot, AKnobClickPutsThePointerBackAndWritesNothing)
{
    ASSERT_TRUE(connect());
    TfrmACMain &w = *panel;
    w.eCrs2->SetText(QStringLiteral("200"));
    w.eAPHead->SetText(QStringLiteral("90"));
    w.eVertSp->SetText(QStringLiteral("-1500"));
    w.lTrim->SetCaption(QStringLiteral("-10.25"));
    w.lFlaps->SetCaption(QStringLiteral("2"));
    takeWrites();
    const std::pair<TKnob *, int> cancels[] = {
        {w.knbNavCrs2, -160}, {w.knbHeadBug, 90}, {w.knbVertSpd, -15}, {w.knbTrim, -1025}, {w.knbFlaps, 2},
    };
    for (auto [knob, back] : cancels) {
        knob->SetPosition(knob->Min()); // the widget's own move to the click...
        w.doWrite = true;               // ...with a wheel turn pending
        emit knob->OnClick(knob);
        EXPECT_EQ(knob->Position(), back) << knob->objectName().toStdString();
        EXPECT_FALSE(w.doWrite);
    }
    EXPECT_EQ(takeWrites(), Writes{});
}

TEST_F(Autopilot, TheAltitudeLeverStepsTheTextAndSpringsBack)
{
    ASSERT_TRUE(connect());
    TfrmACMain &w = *panel;
    w.eAPAlt->SetText(QStringLiteral("5000"));
    w.tbElevUpDn->SetPosition(-3);
    EXPECT_EQ(w.eAPAlt->Text(), QStringLiteral("5300"));
    EXPECT_EQ(w.tbElevUpDn->Position(), 0);
    EXPECT_EQ(takeWrites(), Writes{}) << "shown until the refresh, written only on a wheel turn";
    w.doWrite = true;
    w.tbElevUpDn->SetPosition(2);
    EXPECT_EQ(w.eAPAlt->Text(), QStringLiteral("5100"));
    EXPECT_EQ(takeWrites(), Writes{wrote(var::ApAltitudeTarget, 101874398)});
}

TEST_F(Autopilot, TypingIntoTheHeadingEditWritesEachKeystrokeUntilTheFocusMovesOn)
{
    ASSERT_TRUE(connect());
    TfrmACMain &w = *panel;
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.eAPHead->setFocus();
    ASSERT_TRUE(w.eAPHead->hasFocus());
    w.eAPHead->clear();
    takeWrites();
    w.TimerExitEdit->SetInterval(300); // the two seconds, shortened
    QTest::keyClicks(w.eAPHead, QStringLiteral("270"));
    EXPECT_EQ(takeWrites(), (Writes{wrote(var::ApHeadingTarget, 364), wrote(var::ApHeadingTarget, 4915),
                                    wrote(var::ApHeadingTarget, 49152)}));
    EXPECT_TRUE(w.TimerExitEdit->Enabled());
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.tbThrottle1->hasFocus(); }, 3000));
    EXPECT_FALSE(w.TimerExitEdit->Enabled());
    EXPECT_TRUE(w.eAPHeadOnChange == &TfrmACMain::eAPHeadChange);
    // A refresh now shows the simulator's value and writes nothing.
    w.doWrite = false;
    w.APInfo();
    EXPECT_EQ(w.eAPHead->Text(), QStringLiteral("270"));
    EXPECT_EQ(takeWrites(), Writes{});
}

TEST_F(Autopilot, TheReadoutShowsTheTargetsAndModes)
{
    ASSERT_TRUE(connect({"--aircraft", "b747"}));
    TfrmACMain &w = *panel;
    set(var::AutopilotAvailable, 1);
    set(var::AutopilotMaster, 1);
    set(var::ApAltitudeTarget, 3048 * 65536);
    set(var::ApHeadingTarget, 65481); // 359.7 degrees
    set(var::Nav1Course, 181);
    set(var::ApVerticalSpeedTarget, -1250);
    set(var::ApHeadingHold, 1);
    set(var::ApNavHold, 0);
    set(var::YawDamper, 1);
    w.shpNav2pwr->SetBrushColor(clLime);
    set(var::Nav2Course, 180);
    w.eHdg->SetText(QStringLiteral("10"));
    w.APInfo();
    EXPECT_EQ(w.knbAltSet->Position(), 100);
    EXPECT_EQ(w.eAPAlt->Text(), QStringLiteral("10000"));
    EXPECT_EQ(w.knbHeadBug->Position(), 0);
    EXPECT_EQ(w.eAPHead->Text(), QStringLiteral("0"));
    EXPECT_EQ(w.eAPCrs->Text(), QStringLiteral("181"));
    EXPECT_EQ(w.knbNavCrs->Position(), -179);
    EXPECT_EQ(w.knbNavCrs2->Position(), 180);
    EXPECT_EQ(w.knbVertSpd->Position(), -12);
    EXPECT_EQ(w.eVertSp->Text(), QStringLiteral("-1200"));
    EXPECT_EQ(w.knbAPHead->Color(), clSwitchOn);
    EXPECT_EQ(w.knbAPNav->Color(), clGray);
    EXPECT_EQ(w.knbYawDamp->Color(), clOrange);
    EXPECT_DOUBLE_EQ(w.rImgCrs->RotationAngle(), 10 - 181) << "the course marker turns with the refresh";
    EXPECT_EQ(w.statusPanel(4), QStringLiteral("Scanning."));
    EXPECT_FALSE(w.vBuzy);

    // The master off: the modes keep their positions and turn grey.
    set(var::AutopilotMaster, 0);
    w.APInfo();
    EXPECT_EQ(w.knbAPHead->Position(), 1);
    EXPECT_EQ(w.knbAPHead->Color(), clGray);
    EXPECT_EQ(w.knbYawDamp->Color(), clGray);
    // No autopilot: the master is disabled and the rest left as it was.
    set(var::AutopilotAvailable, 0);
    set(var::Nav1Course, 90);
    w.APInfo();
    EXPECT_FALSE(w.knbAutoPilotMaster->isEnabled());
    EXPECT_EQ(w.eAPCrs->Text(), QStringLiteral("181"));
    EXPECT_EQ(takeWrites(), Writes{});
}
