// The engine readout and the engine controls against veltrano-sim: the
// engine columns and the gauge cluster follow the simulator on aircraft of
// one to four engines without writing, the selectors cycle and stay within
// the engines, the user's levers are written (and synced to the running
// engines), magnetos, cowl flaps, propeller type and automatic mixture act.
#include "adapters/panellabel.h"
#include "adapters/panelshape.h"
#include "adapters/paneltimer.h"
#include "adapters/radiogroup.h"
#include "adapters/trackbar.h"
#include "catalogue.h"
#include "connectedpanel.h"
#include "gauge/tanaloggauge.h"
#include "knob/tknob.h"
#include "readout/enginecolumn.h"

#include <QCheckBox>
#include <QFrame>

namespace {

class Engines : public ConnectedPanel {
protected:
    // The simulator now reports this many engines, and the aircraft is read
    // again: after the refresh button (columns 2 to 4 hidden first), or as a
    // reconnection reads it (columns already shown stay shown).
    void refreshAircraft(int engines)
    {
        set(var::EngineCount, engines);
        panel->bbtnRefreshClick();
        takeWrites(); // the aircraft reader's own
    }
    void reconnectAircraft(int engines)
    {
        set(var::EngineCount, engines);
        panel->AircraftInfo();
        takeWrites();
    }
    // Engine n (1..4) with both magnetos on, its throttle at this word,
    // running or not.
    void engine(int n, std::int16_t throttle, bool running)
    {
        set(var::Magnetos[n - 1], 3);
        set(var::ThrottleLever[n - 1], throttle);
        set(var::Combustion[n - 1], running ? 1 : 0);
    }
    // One refresh tick in this phase (1 reads the engine columns, 3 the
    // engine-wide settings).
    void tickPhase(int phase)
    {
        panel->vInProc = std::uint8_t(phase);
        tick();
    }
    EngineColumn column(int n) const { return engineColumn(*panel, n); }
    std::string name(const QObject *o) const { return o->objectName().toStdString(); }
};

// An aircraft without engines (a glider, or an engine count that could not
// be read): the simulator reports none by the time the aircraft is read.
class GliderWindow : public TfrmACMain {
protected:
    void AircraftInfo() override
    {
        WriteSmlInt(var::EngineCount, 0);
        TfrmACMain::AircraftInfo();
    }
};

class Glider : public Engines {
protected:
    std::unique_ptr<TfrmACMain> makeWindow() override { return std::make_unique<GliderWindow>(); }
};

} // namespace

TEST_F(Engines, ColumnsFollowTheSimulatorOnAircraftOfOneToFourEngines)
{
    const std::pair<const char *, int> presets[] = {{"c172", 1}, {"baron", 2}, {"b727", 3}, {"b747", 4}};
    for (auto [aircraft, engines] : presets) {
        SCOPED_TRACE(aircraft);
        ASSERT_TRUE(connect({"--aircraft", aircraft}));
        ASSERT_EQ(panel->vNumEng, engines);
        for (int n = 1; n <= 4; ++n) {
            engine(n, std::int16_t(4096 * n), true);
            set(var::Generator[n - 1], 1);
            set(var::FuelPumpSwitch[n - 1], 1);
            setFloat(var::CarbAirTemperature[n - 1], 519.67); // 60 F
        }
        tickPhase(1);
        for (int n = 1; n <= 4; ++n) {
            SCOPED_TRACE(n);
            const EngineColumn c = column(n);
            EXPECT_EQ(c.panel->isHidden(), n > engines);
            if (n > engines) {
                EXPECT_EQ(c.lT->Caption(), QStringLiteral("50")) << "an engine the aircraft lacks is not read";
                EXPECT_EQ(c.mag->Position(), 0);
                continue;
            }
            EXPECT_EQ(c.lT->Caption(), QString::number(25 * n));
            EXPECT_EQ(c.throttle->Position(), -25 * n);
            EXPECT_EQ(c.lamp->BrushColor(), clLime);
            EXPECT_EQ(c.mag->Position(), 3);
            EXPECT_EQ(c.mag->Color(), clSwitchOn);
            EXPECT_EQ(c.magPos->Caption(), QStringLiteral("3"));
            EXPECT_EQ(c.gen->Position(), 1);
            EXPECT_EQ(c.gen->Color(), clSwitchOn);
            EXPECT_EQ(c.fuelPump->Color(), clOrange);
            EXPECT_EQ(c.carbAir->Caption(), QStringLiteral("60"));
        }
        EXPECT_EQ(panel->statusPanel(4), QStringLiteral("Scanning.2"));
        EXPECT_EQ(takeWrites(), Writes{}) << "the refresh writes nothing";
        TearDown();
    }
}

TEST_F(Engines, AColumnShowsLeversLampsAndSwitchesAsRead)
{
    ASSERT_TRUE(connect({"--aircraft", "baron"}));
    TfrmACMain &w = *panel;
    engine(1, 8192, false);
    tickPhase(1);
    EXPECT_EQ(w.lT1->Caption(), QStringLiteral("50"));
    EXPECT_EQ(w.ShpEng1->BrushColor(), clSilver);

    // Magnetos off: the column keeps what it showed.
    set(var::Magnetos[0], 0);
    set(var::ThrottleLever[0], 16384);
    tickPhase(1);
    EXPECT_EQ(w.knbMag->Position(), 0);
    EXPECT_EQ(w.knbMag->Color(), clGray);
    EXPECT_EQ(w.lT1->Caption(), QStringLiteral("50"));
    EXPECT_EQ(w.tbThrottle1->Position(), -50);

    // Values a lever bar cannot stand at: the label tells, the bar stops at
    // its end, and the refresh writes nothing back.
    struct Lever {
        const catalogue::Variable &variable;
        std::int16_t raw;
        PanelLabel *label;
        TrackBar *bar;
        const char *shown;
        int position;
    } levers[] = {
        {var::ThrottleLever[0], 16384, w.lT1, w.tbThrottle1, "100", -100},
        {var::ThrottleLever[0], -4096, w.lT1, w.tbThrottle1, "-25", 0},
        {var::ThrottleLever[0], 20000, w.lT1, w.tbThrottle1, "122", -100},
        {var::PropellerLever[0], 8192, w.lP1, w.tbProp1, "50", -50},
        {var::PropellerLever[0], -1638, w.lP1, w.tbProp1, "-10", 0},
        {var::MixtureLever[0], 13107, w.lM1, w.tbMix1, "80", -80},
    };
    set(var::Magnetos[0], 1);
    for (const Lever &l : levers) {
        SCOPED_TRACE(l.shown);
        set(l.variable, l.raw);
        tickPhase(1);
        EXPECT_EQ(l.label->Caption(), QString::fromLatin1(l.shown));
        EXPECT_EQ(l.bar->Position(), l.position);
        EXPECT_EQ(takeWrites(), Writes{});
    }
    EXPECT_EQ(w.knbMag->Color(), clOrange);
    EXPECT_EQ(w.tbProp1->Color(), RGBColor(166, 202, 240));
    EXPECT_EQ(w.tbMix1->Color(), RGBColor(255, 204, 204));

    // Lamps: running, alarm; carburettor heat where the aircraft has it.
    set(var::Combustion[0], 1);
    set(var::EngineAlarm[0], 1);
    set(var::CarbHeat[0], 1);
    w.knbCarbHt1->setEnabled(true);
    w.rgTemp->SetItemIndex(1);
    setFloat(var::CarbAirTemperature[0], 519.67);
    tickPhase(1);
    EXPECT_EQ(w.ShpEng1->BrushColor(), clRed);
    EXPECT_EQ(w.knbCarbHt1->Position(), 1);
    EXPECT_EQ(w.knbCarbHt1->Color(), clOrange);
    EXPECT_EQ(w.stCAT1->Caption(), QStringLiteral("16")) << "15.6 C";
    set(var::CarbHeat[0], 0);
    w.knbCarbHt1->setEnabled(false);
    tickPhase(1);
    EXPECT_EQ(w.knbCarbHt1->Position(), 1) << "a disabled carburettor heat is not read";

    // Found with engine 2 running while the refresh is stopped: scan and sync.
    EXPECT_FALSE(w.cbxScanEng->isChecked());
    engine(2, 0, true);
    tickPhase(1);
    EXPECT_FALSE(w.cbxScanEng->isChecked()) << "not while the refresh runs";
    w.EngineInfo2();
    EXPECT_TRUE(w.cbxScanEng->isChecked());
    EXPECT_TRUE(w.cbxSyncEng->isChecked());
    EXPECT_TRUE(w.tmEngineCycle->Enabled());
    EXPECT_EQ(takeWrites(), Writes{});
}

TEST_F(Engines, TheGaugeClusterShowsTheSelectedEngine)
{
    ASSERT_TRUE(connect({"--aircraft", "b747"}));
    TfrmACMain &w = *panel;
    w.knbEngSel->SetPosition(2);
    setFloat(var::PropellerRpm[0], 1000.0);
    setFloat(var::PropellerRpm[1], 2450.4);
    set(var::ManifoldPressure[1], 24883); // 24.2998 inHg
    setFloat(var::CylinderHeadTemperature[1], 380.0);
    setFloat(var::ExhaustGasTemperature[1], 1859.67); // 1400 F
    setFloat(var::FuelFlow[1], 60.0);
    setFloat(var::AirMassRatio[1], 0.0812);
    set(var::OilTemperature[1], 8192); // 70 C
    set(var::OilPressure[1], 16384);   // 55 psi
    set(var::FuelPressure[1], 2880);   // 20 psi
    set(var::HydraulicPressure[1], 12000);
    setFloat(var::Torque[1], 250.6);
    tickPhase(0);
    EXPECT_EQ(w.stRPM1->Caption(), QStringLiteral("2450"));
    EXPECT_FLOAT_EQ(w.agRPM->Position(), 24.504f);
    EXPECT_EQ(w.agRPM->Scale(), 36);
    EXPECT_EQ(w.stMAP1->Caption(), QStringLiteral("24.3"));
    EXPECT_EQ(w.stCHT1->Caption(), QStringLiteral("380"));
    EXPECT_EQ(w.agCHT->Caption(), QStringLiteral("Fx10"));
    EXPECT_FLOAT_EQ(w.agCHT->Position(), 38.0f);
    EXPECT_EQ(w.stEGT1->Caption(), QStringLiteral("1400"));
    EXPECT_EQ(w.agEGT->IndMinimum(), 60);
    EXPECT_EQ(w.stFF1->Caption(), QStringLiteral("60"));
    EXPECT_EQ(w.stRatio1->Caption(), QStringLiteral("0.081"));
    EXPECT_EQ(w.stOT1->Caption(), QStringLiteral("158"));
    EXPECT_EQ(w.stOP1->Caption(), QStringLiteral("55"));
    EXPECT_EQ(w.stFP1->Caption(), QStringLiteral("20"));
    EXPECT_EQ(w.stHP1->Caption(), QStringLiteral("3000"));
    EXPECT_EQ(w.stTPSI1->Caption(), QStringLiteral("251"));

    // Celsius: the temperature dials take their Celsius ranges.
    w.rgTemp->SetItemIndex(1);
    setFloat(var::PropellerRpm[1], 3700.0);
    tickPhase(0);
    EXPECT_EQ(w.agRPM->Scale(), 47) << "grown past its end";
    EXPECT_EQ(w.stCHT1->Caption(), QStringLiteral("193"));
    EXPECT_EQ(w.agCHT->Caption(), QStringLiteral("Cx10"));
    EXPECT_EQ((std::array{w.agCHT->Scale(), w.agCHT->IndMaximum(), w.agCHT->IndMinimum()}), (std::array{30, 27, 5}));
    EXPECT_EQ(w.stEGT1->Caption(), QStringLiteral("760"));
    EXPECT_EQ((std::array{w.agEGT->Scale(), w.agEGT->IndMaximum(), w.agEGT->IndMinimum()}), (std::array{80, 65, 30}));
    EXPECT_EQ(w.stOT1->Caption(), QStringLiteral("70"));
    EXPECT_EQ((std::array{w.agOT->Scale(), w.agOT->IndMaximum(), w.agOT->IndMinimum()}), (std::array{12, 11, 3}));

    // The fuel-flow dial by engine 1's throttle: kept at 40 %, shrunk to the
    // flow at full throttle at 60 %, grown when the flow passes its end.
    engine(1, 6554, true); // 40 %
    setFloat(var::FuelFlow[1], 30.0);
    tickPhase(1);
    EXPECT_EQ(w.agFF->Scale(), 150);
    engine(1, 9830, true); // 60 %
    tickPhase(1);
    EXPECT_EQ(w.agFF->Scale(), 150) << "the cluster is read before the columns";
    tickPhase(0);
    EXPECT_EQ(w.agFF->Scale(), 55);
    EXPECT_EQ(w.agFF->IndMaximum(), 41);
    setFloat(var::FuelFlow[1], 200.0);
    tickPhase(0);
    EXPECT_EQ(w.agFF->Scale(), 335);
    EXPECT_EQ(w.agFF->IndMaximum(), 251);

    // The engine-wide settings, once in four ticks.
    setFloat(var::CowlFlaps[0], 0.35);
    set(var::PropSync, 1);
    set(var::AutoFeather, 1);
    set(var::HydraulicPumps, 15);
    tickPhase(0);
    EXPECT_EQ(w.knbCowlFlaps->Position(), 0) << "not in phase 0";
    tickPhase(3);
    EXPECT_EQ(w.knbCowlFlaps->Position(), 4);
    EXPECT_EQ(w.lCFVal->Caption(), QStringLiteral("4"));
    EXPECT_EQ(w.knbCowlFlaps->Color(), RGBColor(255, 153, 0));
    EXPECT_EQ(w.knbPropSync->Position(), 1);
    EXPECT_EQ(w.knbAutoFeather->Position(), 1);
    EXPECT_EQ(w.knbHydPumps->Position(), 1);
    w.knbPropSync->setEnabled(false);
    set(var::PropSync, 0);
    tickPhase(3);
    EXPECT_EQ(w.knbPropSync->Position(), 1) << "a disabled switch is not read";
    EXPECT_EQ(takeWrites(), Writes{});
}

TEST_F(Engines, SelectorsCycleThroughTheEnginesAndStayWithinThem)
{
    ASSERT_TRUE(connect({"--aircraft", "baron"}));
    TfrmACMain &w = *panel;
    w.knbEngSel->SetPosition(2);
    w.knbEngSelG->SetPosition(2);
    const std::pair<int, int> cycle[] = {{1, 0}, {2, 1}, {1, 2}, {2, 0}};
    for (auto [sel, bus] : cycle) {
        w.tmEngineCycleTimer(w.tmEngineCycle);
        EXPECT_EQ(w.knbEngSel->Position(), sel);
        EXPECT_EQ(w.knbEngSelG->Position(), bus);
    }
    w.knbEngSel->SetPosition(4);
    EXPECT_EQ(w.knbEngSel->Position(), 2) << "engine 4 on a twin";
    w.knbEngSelG->SetPosition(3);
    EXPECT_EQ(w.knbEngSelG->Position(), 2);

    w.cbxScanEng->setChecked(true);
    EXPECT_TRUE(w.tmEngineCycle->Enabled());
    EXPECT_EQ(w.tmEngineCycle->Interval(), 5000);
    w.cbxScanEng->setChecked(false);
    EXPECT_FALSE(w.tmEngineCycle->Enabled());

    // An aircraft that offers no scanning leaves none running.
    w.cbxScanEng->setChecked(true);
    takeWrites();
    refreshAircraft(1);
    EXPECT_FALSE(w.cbxScanEng->isEnabled());
    EXPECT_FALSE(w.cbxScanEng->isChecked());
    EXPECT_FALSE(w.tmEngineCycle->Enabled());
    refreshAircraft(2);
    EXPECT_TRUE(w.cbxScanEng->isEnabled());
    EXPECT_FALSE(w.cbxScanEng->isChecked());
}

TEST_F(Glider, AnAircraftWithoutEnginesConnectsAndRefreshes)
{
    ASSERT_TRUE(connect({"--aircraft", "c172"}));
    TfrmACMain &w = *panel;
    ASSERT_EQ(w.vNumEng, 0);
    w.tmEngineCycleTimer(w.tmEngineCycle);
    emit w.knbEngSel->OnChange(w.knbEngSel);
    emit w.knbEngSelG->OnChange(w.knbEngSelG);
    EXPECT_EQ(w.knbEngSel->Position(), 1);
    EXPECT_EQ(w.knbEngSelG->Position(), 0);
    w.knbEngSel->SetPosition(3);
    EXPECT_EQ(w.knbEngSel->Position(), 3) << "no engine to pull it back to";
    tick(8);
    EXPECT_EQ(takeWrites(), Writes{});
}

TEST_F(Engines, UsersLeversAreWrittenAndSyncedToTheRunningEngines)
{
    ASSERT_TRUE(connect({"--aircraft", "b747"}));
    TfrmACMain &w = *panel;
    for (int n = 1; n <= 4; ++n)
        engine(n, 0, n != 3);
    tickPhase(1);
    w.cbxSyncEng->setChecked(true);
    takeWrites();

    // A user's move: the lever stands away from its label.
    w.tbThrottle1->SetPosition(-80);
    EXPECT_EQ(takeWrites(), (Writes{wrote(var::ThrottleLeverWrite[0], 13107), wrote(var::ThrottleLeverWrite[1], 13107),
                                    wrote(var::ThrottleLeverWrite[3], 13107)}));
    EXPECT_EQ(status(), QStringLiteral("Throttle Changed."));
    EXPECT_EQ((QStringList{w.lT1->Caption(), w.lT2->Caption(), w.lT3->Caption(), w.lT4->Caption()}),
              (QStringList{"80", "80", "0", "80"}));
    EXPECT_EQ(w.tbThrottle3->Position(), 0);
    EXPECT_FALSE(w.doWrite);
    EXPECT_FALSE(w.doSync);

    w.tbThrottle3->SetPosition(-30);
    EXPECT_EQ(takeWrites(), Writes{wrote(var::ThrottleLeverWrite[2], 4915)}) << "engine 3 starts no pass";
    w.tbThrottle1->SetPosition(-60);
    EXPECT_EQ(takeWrites(), (Writes{wrote(var::ThrottleLeverWrite[0], 9830), wrote(var::ThrottleLeverWrite[1], 9830),
                                    wrote(var::ThrottleLeverWrite[3], 9830)}));
    w.tbThrottle2->SetPosition(-100);
    EXPECT_EQ(takeWrites(), (Writes{wrote(var::ThrottleLeverWrite[1], 16384), wrote(var::ThrottleLeverWrite[0], 16384),
                                    wrote(var::ThrottleLeverWrite[3], 16384)}));

    w.cbxSyncEng->setChecked(false);
    w.tbProp1->SetPosition(20);
    w.tbMix1->SetPosition(-71);
    EXPECT_EQ(takeWrites(), (Writes{wrote(var::PropellerLever[0], -3277), wrote(var::MixtureLever[0], 11633)}));
    EXPECT_EQ(status(), QStringLiteral("Mixture Changed."));
    EXPECT_EQ(w.lP1->Caption(), QStringLiteral("-20"));

    // The refresh moves the levers to what the simulator holds (here a
    // throttle the simulator moved itself) and writes nothing, reverse
    // propeller included.
    set(var::ThrottleLever[0], 4096);
    tickPhase(1);
    EXPECT_EQ(takeWrites(), Writes{});
    EXPECT_EQ(w.tbThrottle1->Position(), -25);
    EXPECT_EQ(w.lT1->Caption(), QStringLiteral("25"));
    EXPECT_EQ(w.tbThrottle3->Position(), -30);
    EXPECT_EQ(w.tbProp1->Position(), 0);
    EXPECT_EQ(w.lP1->Caption(), QStringLiteral("-20"));

    // Taking the focus means the next change is the user's; leaving ends it.
    emit w.tbThrottle2->OnEnter(w.tbThrottle2);
    EXPECT_TRUE(w.doWrite);
    emit w.tbThrottle2->OnExit(w.tbThrottle2);
    EXPECT_FALSE(w.doWrite);

    // Columns of a larger aircraft loaded before keep their lamps lit; the
    // sync moves only the engines this aircraft has.
    reconnectAircraft(2);
    ASSERT_FALSE(w.pnlEngine4->isHidden());
    ASSERT_EQ(w.shpEng4->BrushColor(), clLime);
    w.cbxSyncEng->setChecked(true);
    w.tbThrottle1->SetPosition(-50);
    EXPECT_EQ(takeWrites(), (Writes{wrote(var::ThrottleLeverWrite[0], 8192), wrote(var::ThrottleLeverWrite[1], 8192)}));
    EXPECT_EQ(w.tbThrottle4->Position(), -100);
}

TEST_F(Engines, MagnetosShowTheirPositionAndWriteTheUsersTurn)
{
    ASSERT_TRUE(connect({"--aircraft", "c172"}));
    TfrmACMain &w = *panel;
    set(var::Magnetos[0], 4);
    tickPhase(1);
    EXPECT_EQ(w.knbMag->Position(), 4);
    EXPECT_EQ(w.knbMag->Color(), clRed);
    EXPECT_EQ(w.lMag1Pos->Caption(), QStringLiteral("4"));
    EXPECT_EQ(takeWrites(), Writes{});

    // Turned by the wheel (the intent, then the position).
    w.doWrite = true;
    w.knbMag->SetPosition(3);
    EXPECT_EQ(takeWrites(), Writes{wrote(var::Magnetos[0], 3)});
    EXPECT_EQ(status(), QStringLiteral("Magneto changed."));
    EXPECT_EQ(w.knbMag->Color(), clSwitchOn);
    EXPECT_FALSE(w.doWrite);
    w.doWrite = true;
    w.knbMag3->SetPosition(1);
    EXPECT_EQ(takeWrites(), Writes{wrote(var::Magnetos[2], 1)});
    EXPECT_EQ(w.knbMag3->Color(), clOrange);

    // A click puts the knob back on the position read.
    w.knbMag->SetPosition(0);
    EXPECT_EQ(w.knbMag->Color(), clGray);
    emit w.knbMag->OnClick(w.knbMag);
    EXPECT_EQ(w.knbMag->Position(), 4);
    EXPECT_EQ(w.knbMag->Color(), clRed);
    EXPECT_EQ(takeWrites(), Writes{});

    sim.command(QStringLiteral("fault reject"));
    w.doWrite = true;
    w.knbMag->SetPosition(2);
    sim.command(QStringLiteral("fault none"));
    EXPECT_EQ(status(), QStringLiteral("Magneto not changed."));
    EXPECT_EQ(takeWrites(), Writes{});
}

TEST_F(Engines, CowlFlapsPropellerTypeAndAutomaticMixture)
{
    ASSERT_TRUE(connect({"--aircraft", "baron"}));
    TfrmACMain &w = *panel;

    w.doWrite = true;
    w.knbCowlFlaps->SetPosition(4);
    EXPECT_EQ(takeWrites(), (Writes{wroteFloat(var::CowlFlaps[0], 0.4), wroteFloat(var::CowlFlaps[1], 0.4)}));
    EXPECT_EQ(status(), QStringLiteral("Engine Cowlflaps Set."));
    EXPECT_EQ(w.knbCowlFlaps->Color(), RGBColor(255, 153, 0));
    w.knbCowlFlaps->SetPosition(9);
    EXPECT_EQ(takeWrites(), Writes{}) << "the refresh's change";
    EXPECT_EQ(w.knbCowlFlaps->Color(), RGBColor(255, 153, 0)) << "nor recoloured";
    sim.command(QStringLiteral("fault reject"));
    w.doWrite = true;
    w.knbCowlFlaps->SetPosition(2);
    sim.command(QStringLiteral("fault none"));
    EXPECT_EQ(status(), QStringLiteral("Engine 1 Cowlflap Set Failed."));
    EXPECT_EQ(takeWrites(), Writes{});

    // Fixed pitch: the aircraft's propeller levers to full, no feathering.
    for (int n = 1; n <= 2; ++n) {
        engine(n, 0, false);
        set(var::PropellerLever[n - 1], 8192);
    }
    tickPhase(1);
    w.pnlEngine3->show(); // a column left over from a larger aircraft
    w.rgPropType->SetItemIndex(0);
    EXPECT_EQ(takeWrites(), (Writes{wrote(var::PropellerLever[0], 16384), wrote(var::PropellerLever[1], 16384),
                                    wrote(var::PropellerType, 0)}));
    EXPECT_EQ(w.tbProp3->Position(), 0) << "beyond the aircraft's engines";
    for (TrackBar *b : {w.tbProp1, w.tbProp2, w.tbProp3, w.tbProp4})
        EXPECT_FALSE(b->isEnabled()) << name(b);
    for (TKnob *k : {w.knbFeather1, w.knbFeather2, w.knbFeather3, w.knbFeather4, w.knbAutoFeather}) {
        EXPECT_FALSE(k->isEnabled()) << name(k);
        EXPECT_EQ(k->Color(), clSilver) << name(k);
    }
    w.pnlEngine3->hide();
    w.rgPropType->SetItemIndex(1);
    EXPECT_EQ(takeWrites(), Writes{wrote(var::PropellerType, 1)});
    EXPECT_EQ((std::array{w.tbProp1->isEnabled(), w.tbProp2->isEnabled(), w.tbProp3->isEnabled()}),
              (std::array{true, true, false}));
    for (TKnob *k : {w.knbFeather1, w.knbFeather4, w.knbAutoFeather}) {
        EXPECT_TRUE(k->isEnabledTo(k->parentWidget())) << name(k);
        EXPECT_EQ(k->Color(), clGray) << name(k);
    }
    refreshAircraft(1); // the aircraft reader chooses "Cn"
    EXPECT_EQ((std::array{w.tbProp1->isEnabled(), w.tbProp2->isEnabledTo(w.pnlEngine2)}), (std::array{true, false}));
    refreshAircraft(2);

    // Automatic mixture needs the engines synced on a twin; unticking always
    // stops it.
    w.cbxAutoMix->setChecked(true);
    EXPECT_EQ(dialogs.messages, QStringList{"Engines must be Sync'd for AutoMix to Work"});
    EXPECT_FALSE(w.cbxAutoMix->isChecked());
    EXPECT_FALSE(w.TimerAutoMix->Enabled());
    w.cbxSyncEng->setChecked(true);
    w.cbxAutoMix->setChecked(true);
    EXPECT_TRUE(w.TimerAutoMix->Enabled());
    EXPECT_EQ(w.TimerAutoMix->Interval(), 2500);
    w.cbxSyncEng->setChecked(false);
    w.cbxAutoMix->setChecked(false);
    EXPECT_FALSE(w.TimerAutoMix->Enabled());
    EXPECT_EQ(dialogs.messages.size(), 1);

    set(var::MixtureLever[0], 11469); // 70 %
    tickPhase(1);
    ASSERT_EQ(w.tbMix1->Position(), -70);
    takeWrites();
    const struct {
        double ratio1, ratio2;
        int selected, position;
        Writes writes;
    } ticks[] = {
        {0.0835, 0.0835, 1, -70, {}},
        {0.081, 0.0835, 1, -71, {wrote(var::MixtureLever[0], 11633)}},
        {0.081, 0.09, 2, -70, {wrote(var::MixtureLever[0], 11469)}}, // engine 2's ratio: leaner
    };
    for (const auto &t : ticks) {
        SCOPED_TRACE(t.ratio1);
        setFloat(var::AirMassRatio[0], t.ratio1);
        setFloat(var::AirMassRatio[1], t.ratio2);
        w.knbEngSel->SetPosition(t.selected);
        w.TimerAutoMixTimer(w.TimerAutoMix);
        EXPECT_EQ(w.tbMix1->Position(), t.position);
        EXPECT_EQ(takeWrites(), t.writes);
    }
    // A ratio that cannot be read moves nothing.
    sim.command(QStringLiteral("fault reject"));
    w.TimerAutoMixTimer(w.TimerAutoMix);
    sim.command(QStringLiteral("fault none"));
    EXPECT_EQ(w.tbMix1->Position(), -70);
    EXPECT_EQ(takeWrites(), Writes{});
}
