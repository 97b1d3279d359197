// The failures readout with its tones, and the APU panel, against
// veltrano-sim: annunciators light and go out once each with their pair of
// tones, doors, zoom and rate show, a failed read changes nothing; the APU
// panel opens on the ground only, starts and stops the unit and follows the
// simulator without writing.
#include "adapters/paneledit.h"
#include "adapters/panellabel.h"
#include "adapters/panelshape.h"
#include "adapters/paneltimer.h"
#include "adapters/speedbutton.h"
#include "adapters/updown.h"
#include "catalogue.h"
#include "connectedpanel.h"
#include "gauge/tanaloggauge.h"
#include "knob/tknob.h"

#include <QGroupBox>
#include <QLineEdit>

namespace {

class Failures : public ConnectedPanel {
protected:
    const Beeps lightOn{{880, 200}, {440, 100}};
    const Beeps goOut{{440, 300}, {880, 200}};
    bool lit(const PanelLabel *lamp) const
    {
        const bool red = lamp->Color() == clRed && lamp->FontColor() == clWhite;
        const bool off = lamp->Color() == clSilver && lamp->FontColor() == clGray;
        EXPECT_TRUE(red || off) << lamp->objectName().toStdString() << " is neither on nor off";
        return red;
    }
};

class Apu : public ConnectedPanel {
protected:
    void rightClickBatteryReset() { emit panel->sbtnBatFix->OnMouseDown(panel->sbtnBatFix, Qt::RightButton, {}, 2, 2); }
    void click(PanelLabel *l) { emit l->OnClick(l); }
    void refreshApu() { panel->TimerAPUTimer(panel->TimerAPU); }
};

} // namespace

TEST_F(Failures, AnnunciatorsLightAndGoOutWithTheirTones)
{
    ASSERT_TRUE(connect({"--aircraft", "b727"}));
    TfrmACMain &w = *panel;
    for (PanelLabel *lamp : {w.lElecF, w.lEngF, w.lHyd, w.lBrkF, w.lstall, w.lOS, w.lVacF, w.lFireG, w.lice})
        EXPECT_FALSE(lit(lamp));
    EXPECT_EQ(speaker.take(), Beeps{});

    // Each condition in turn: on at its first reading, once.
    const std::pair<catalogue::Variable, PanelLabel *> conditions[] = {
        {var::ElectricalFailure, w.lElecF}, {var::EngineFailure, w.lEngF}, {var::HydraulicsFailure, w.lHyd},
        {var::BrakeFailure, w.lBrkF},       {var::StallWarning, w.lstall}, {var::OverspeedWarning, w.lOS},
        {var::VacuumFailure, w.lVacF},      {var::EngineFire, w.lFireG},   {var::Ice1, w.lice},
        {var::Ice2, w.lice},
    };
    for (const auto &[variable, lamp] : conditions) {
        SCOPED_TRACE(variable.meaning);
        set(variable, 3);
        w.FailInfo();
        EXPECT_TRUE(lit(lamp));
        EXPECT_EQ(speaker.take(), lightOn);
        w.FailInfo();
        EXPECT_TRUE(lit(lamp));
        EXPECT_EQ(speaker.take(), Beeps{}) << "a lamp already on stays on in silence";
        set(variable, 0);
        w.FailInfo();
        EXPECT_FALSE(lit(lamp));
        EXPECT_EQ(speaker.take(), goOut);
    }

    // Ice needs both indicators clear to go out.
    set(var::Ice1, 1);
    set(var::Ice2, 1);
    w.FailInfo();
    set(var::Ice1, 0);
    w.FailInfo();
    EXPECT_TRUE(lit(w.lice));
    set(var::Ice2, 0);
    w.FailInfo();
    EXPECT_FALSE(lit(w.lice));
    EXPECT_EQ(speaker.take(), (Beeps{{880, 200}, {440, 100}, {440, 300}, {880, 200}}));

    // Several at once, in the table's order.
    set(var::StallWarning, 1);
    set(var::ElectricalFailure, 1);
    w.FailInfo();
    EXPECT_EQ(speaker.take(), (Beeps{{880, 200}, {440, 100}, {880, 200}, {440, 100}}));
    EXPECT_EQ(takeWrites(), Writes{});
}

TEST_F(Failures, TheRefreshShowsFailuresDoorsZoomAndRateWithoutWriting)
{
    ASSERT_TRUE(connect({"--aircraft", "baron"}));
    TfrmACMain &w = *panel;
    // A failure present over two rounds of the refresh tones once; its end
    // tones the other pair.
    set(var::VacuumFailure, 1);
    set(var::Doors, 0x81);
    set(var::ZoomFactor, 128);
    set(var::SimulationRate, 512);
    tick(8);
    EXPECT_TRUE(lit(w.lVacF));
    EXPECT_EQ(speaker.take(), lightOn);
    const PanelShape *doors[] = {w.ShapeD1, w.ShapeD2, w.ShapeD3, w.ShapeD4,
                                 w.ShapeD5, w.ShapeD6, w.ShapeD7, w.ShapeD8};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(doors[i]->BrushColor(), i == 0 || i == 7 ? clRed : clSilver) << "door " << i + 1;
    EXPECT_EQ(w.lZoom->Caption(), QStringLiteral("2"));
    EXPECT_EQ(w.UpDown1->Position(), 2);
    EXPECT_EQ(w.eSimRate->text(), QStringLiteral("2"));

    set(var::VacuumFailure, 0);
    set(var::Doors, 0);
    set(var::ZoomFactor, 127);
    set(var::SimulationRate, 128); // a rate of one half
    tick(4);
    EXPECT_FALSE(lit(w.lVacF));
    EXPECT_EQ(speaker.take(), goOut);
    EXPECT_EQ(w.ShapeD1->BrushColor(), clSilver);
    EXPECT_EQ(w.lZoom->Caption(), QStringLiteral("1"));
    EXPECT_EQ(w.UpDown1->Position(), 0);
    EXPECT_EQ(takeWrites(), Writes{});
}

TEST_F(Failures, AFailedReadLeavesEverythingAsItWas)
{
    ASSERT_TRUE(connect({"--aircraft", "baron"}));
    TfrmACMain &w = *panel;
    set(var::EngineFire, 1);
    set(var::Doors, 2);
    set(var::ZoomFactor, 192);
    w.FailInfo();
    ASSERT_TRUE(lit(w.lFireG));
    speaker.take();

    // The link fails for one reading: nothing goes out, nothing tones.
    ASSERT_EQ(sim.command(QStringLiteral("fault reject")), QStringLiteral("OK"));
    w.FailInfo();
    ASSERT_EQ(sim.command(QStringLiteral("fault none")), QStringLiteral("OK"));
    EXPECT_TRUE(status().startsWith(QStringLiteral("Unable to Process"))) << status().toStdString();
    EXPECT_TRUE(lit(w.lFireG));
    EXPECT_EQ(w.ShapeD2->BrushColor(), clRed);
    EXPECT_EQ(w.lZoom->Caption(), QStringLiteral("3"));
    // And when it recovers, the lamp is simply still on.
    w.FailInfo();
    EXPECT_TRUE(lit(w.lFireG));
    EXPECT_EQ(speaker.take(), Beeps{});
}

TEST_F(Apu, OpensOnTheGroundStartsStopsAndFollowsTheSimulator)
{
    ASSERT_TRUE(connect({"--aircraft", "b747"}));
    TfrmACMain &w = *panel;
    ASSERT_TRUE(w.gbAPU->isHidden());

    // In flight the dialog says why; on the ground the panel opens, once.
    set(var::OnGround, 0);
    rightClickBatteryReset();
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("You must be on the ground to use the APU")});
    EXPECT_TRUE(w.gbAPU->isHidden());
    // A failed read says nothing of where the aircraft is: no dialog, no panel.
    ASSERT_EQ(sim.command(QStringLiteral("fault reject")), QStringLiteral("OK"));
    rightClickBatteryReset();
    ASSERT_EQ(sim.command(QStringLiteral("fault none")), QStringLiteral("OK"));
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(w.gbAPU->isHidden());
    set(var::OnGround, 1);
    emit w.sbtnBatFix->OnMouseDown(w.sbtnBatFix, Qt::LeftButton, {}, 2, 2); // the left button resets the battery
    EXPECT_TRUE(w.gbAPU->isHidden());
    rightClickBatteryReset();
    EXPECT_FALSE(w.gbAPU->isHidden());
    EXPECT_TRUE(w.gbAPU->isEnabled());
    EXPECT_TRUE(w.TimerAPU->Enabled());
    EXPECT_EQ(w.TimerAPU->Interval(), 500);
    rightClickBatteryReset();
    emit w.sbtnBatFix->OnDblClick(w.sbtnBatFix);
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_FALSE(w.gbAPU->isHidden());
    // The test runs the panel's refresh itself, between the handlers.
    w.TimerAPU->SetEnabled(false);

    // Off: the refresh shows it, writing nothing.
    set(var::ApuMaster, 0);
    set(var::ApuStarter, 0);
    refreshApu();
    EXPECT_EQ(w.knbAPU->Position(), 0);
    EXPECT_EQ(w.knbAPU->Color(), clGray);
    EXPECT_EQ(w.stRPMAPU->Caption(), QStringLiteral("0"));

    // Start: switch and starter on, the start value, and the switch back at On.
    click(w.lAPUStart);
    EXPECT_EQ(takeWrites(), (Writes{wrote(var::ApuMaster, 1), wrote(var::ApuStarter, 1),
                                    wroteFloat(var::ApuStart, 100.0)}));
    EXPECT_EQ(w.knbAPU->Position(), 1);
    EXPECT_EQ(w.knbAPU->Color(), clGreen);

    // Running: the gauges, the value and the lamp follow, and the switch
    // given its own position again writes nothing.
    setFloat(var::ApuRpm, 95.5);
    setFloat(var::ApuVoltage, 28.0);
    set(var::ApuLamp, 1);
    refreshApu();
    EXPECT_FLOAT_EQ(w.agAPURPM->Position(), 95.5f);
    EXPECT_EQ(w.stRPMAPU->Caption(), QStringLiteral("95.5"));
    EXPECT_FLOAT_EQ(w.agAPU->Position(), 28.0f);
    EXPECT_EQ(w.shpAPU->BrushColor(), clRed);
    set(var::ApuLamp, 0);
    refreshApu();
    EXPECT_EQ(w.shpAPU->BrushColor(), clMedGray);
    EXPECT_EQ(w.knbAPU->Color(), clGreen);
    EXPECT_EQ(takeWrites(), Writes{});

    // Off from running: the start value, the switch and the starter to 0.
    click(w.lAPUOff);
    EXPECT_EQ(takeWrites(), (Writes{wroteFloat(var::ApuStart, 0.0), wrote(var::ApuMaster, 0),
                                    wrote(var::ApuStarter, 0)}));
    EXPECT_EQ(w.knbAPU->Color(), clGray);
    refreshApu();
    EXPECT_EQ(w.stRPMAPU->Caption(), QStringLiteral("0"));
    EXPECT_FLOAT_EQ(w.agAPURPM->Position(), 0.0f);

    // On without starting (orange), and off again from there.
    click(w.lAPUOn);
    EXPECT_EQ(takeWrites(), Writes{wrote(var::ApuMaster, 1)});
    EXPECT_EQ(w.knbAPU->Color(), clOrange);
    click(w.lAPUOn); // already on: nothing
    click(w.lAPUOff);
    EXPECT_EQ(takeWrites(), Writes{wrote(var::ApuMaster, 0)});
    EXPECT_EQ(w.knbAPU->Color(), clGray);
    refreshApu();
    EXPECT_EQ(w.knbAPU->Position(), 0);

    // The simulator changes the APU by itself: the panel shows it, and its
    // move of the switch writes nothing back.
    set(var::ApuMaster, 1);
    set(var::ApuStarter, 1);
    refreshApu();
    EXPECT_EQ(w.knbAPU->Position(), 1);
    EXPECT_EQ(w.knbAPU->Color(), clGreen);
    set(var::ApuMaster, 0);
    refreshApu();
    EXPECT_EQ(w.knbAPU->Position(), 0);
    EXPECT_EQ(w.knbAPU->Color(), clGray);
    EXPECT_EQ(takeWrites(), Writes{});

    // Closing: the timer stops with the panel.
    emit w.sbtnAPU->OnClick(w.sbtnAPU);
    EXPECT_TRUE(w.gbAPU->isHidden());
    EXPECT_FALSE(w.gbAPU->isEnabled());
    EXPECT_FALSE(w.TimerAPU->Enabled());
    emit w.sbtnAPU->OnClick(w.sbtnAPU);
    emit w.sbtnBatFix->OnDblClick(w.sbtnBatFix);
    EXPECT_FALSE(w.gbAPU->isHidden());
}
