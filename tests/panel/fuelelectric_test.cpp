// The fuel and electrical readout and the fuel controls against
// veltrano-sim: tanks, selectors, pumps and quantities as read; a tank set by
// its bar holds the whole-percent level and the refresh never rewrites one;
// selector turns; battery, buses and light switches.
#include "adapters/panellabel.h"
#include "adapters/paneltimer.h"
#include "adapters/trackbar.h"
#include "catalogue.h"
#include "connectedpanel.h"
#include "gauge/tanaloggauge.h"
#include "knob/tknob.h"
#include "readout/fueltanks.h"
#include "readout/rules/fuelelectric.h"

#include <QFrame>
#include <QGroupBox>

namespace {

class FuelElectric : public ConnectedPanel {
protected:
    void tickPhase(int phase)
    {
        panel->vInProc = std::uint8_t(phase);
        tick();
    }
    static std::int32_t level(double percent) { return conv::fractionToTankLevel(percent / 100.0); }
    static std::array<int, 3> range(const TAnalogGauge *g) { return {g->Scale(), g->IndMaximum(), g->IndMinimum()}; }
};

} // namespace

TEST_F(FuelElectric, TheFuelPanelShowsTanksSelectorsAndQuantities)
{
    ASSERT_TRUE(connect({"--aircraft", "baron"}));
    TfrmACMain &w = *panel;
    // The aircraft reader shows the tanks with a capacity and counts the selectors.
    ASSERT_TRUE(w.pnlFC1->isHidden());
    ASSERT_FALSE(w.pnlFLA->isHidden());
    ASSERT_EQ(w.lFuelNSel->Caption(), QStringLiteral("2"));
    set(var::FuelLeftMainLevel, level(11.4));
    set(var::FuelRightMainLevel, level(11.6));
    set(var::FuelLeftAuxLevel, conv::fullTank);
    set(var::FuelRightAuxLevel, 0);
    set(var::FuelCentreLevel, level(50)); // a tank the aircraft lacks
    set(var::FuelTotalWeight, 1234);
    set(var::FuelSelectedQuantity, 40);
    set(var::FuelTotalQuantity, 150);
    set(var::FuelPumps, 2);
    set(var::Crossfeed, 1);
    set(var::TankSelector1, 19);
    set(var::TankSelector2, 0);
    set(var::TankSelector3, 13);
    setFloat(var::ZeroFuelWeight, 4050.5);
    tickPhase(2);

    struct Tank {
        TrackBar *bar;
        PanelLabel *name, *raw;
        int position;
        TColor colour;
    } tanks[] = {
        {w.tbFLM, w.lFLM, w.lFLMp, -11, clRed},
        {w.tbFRM, w.lFRM, w.lFRMp, -12, clLime},
        {w.tbFLA, w.lFLA, w.lFLAp, -100, clLime},
        {w.tbFRA, w.lFRA, w.lFRAp, 0, clGray},
    };
    for (const Tank &t : tanks) {
        SCOPED_TRACE(t.bar->objectName().toStdString());
        EXPECT_EQ(t.bar->Position(), t.position);
        EXPECT_EQ(t.name->Color(), t.colour);
    }
    EXPECT_EQ(w.lFLMp->Caption(), QString::number(level(11.4))) << "the level read, not the bar's";
    EXPECT_EQ(w.tbFLA->statusTip(), QStringLiteral("Move the Slider to Desired Level: 100% of 26 Gallons"));
    EXPECT_EQ(w.tbFLM->statusTip(), QStringLiteral("Move the Slider to Desired Level: 11% of 71 Gallons"));
    EXPECT_EQ(w.lFC1p->Caption(), QStringLiteral("0")) << "a hidden tank is not read";

    EXPECT_EQ(w.gbFuel->title(), QStringLiteral("Fuel - 1234"));
    EXPECT_EQ(w.lFuelQSel->Caption(), QStringLiteral("Fuel S: 40"));
    EXPECT_EQ(w.lFuelQTot->Caption(), QStringLiteral("Fuel T: 150"));
    EXPECT_EQ(w.knbFuelPumpMaster->Position(), 1);
    EXPECT_EQ(w.knbFuelPumpMaster->Color(), clOrange);
    EXPECT_EQ(w.knbFuelXFeed->Position(), 1);
    EXPECT_EQ(w.knbFuelXFeed->Color(), clOrange);
    EXPECT_EQ(w.knbMasterFuel->Position(), 19);
    EXPECT_EQ(w.lFuelSelNum->Caption(), QStringLiteral("19"));
    EXPECT_EQ(w.knbMasterFuel->Color(), clSwitchOn);
    EXPECT_EQ(w.knbFuelSel2->Position(), 0);
    EXPECT_EQ(w.knbFuelSel2->Color(), clGray);
    EXPECT_EQ(w.knbFuelSel3->Position(), 0) << "the aircraft has two selectors";
    EXPECT_EQ(w.lzfwgt->Caption(), QStringLiteral("4050"));
    EXPECT_EQ(takeWrites(), Writes{});

    set(var::FuelPumps, 0);
    set(var::Crossfeed, 0);
    tickPhase(2);
    EXPECT_EQ(w.knbFuelPumpMaster->Color(), clGray);
    EXPECT_EQ(w.knbFuelXFeed->Color(), clGray);
}

TEST_F(FuelElectric, ATankSetByItsBarHoldsTheWholePercentLevel)
{
    ASSERT_TRUE(connect({"--aircraft", "baron"}));
    TfrmACMain &w = *panel;
    set(var::FuelLeftMainLevel, level(90));
    tickPhase(2);
    ASSERT_EQ(w.tbFLM->Position(), -90);
    takeWrites();

    // The user's drags.
    const std::pair<int, std::int32_t> drags[] = {{-50, 4194304}, {-37, 3103784}, {-100, 8388608}, {0, 0}};
    for (auto [position, written] : drags) {
        SCOPED_TRACE(position);
        w.tbFLM->SetPosition(position);
        EXPECT_EQ(takeWrites(), Writes{wrote(var::FuelLeftMainLevel, written)});
        EXPECT_EQ(status(), QStringLiteral("Tank changed."));
        EXPECT_EQ(w.lFLMp->Caption(), QString::number(written));
        EXPECT_EQ(get(var::FuelLeftMainLevel), written) << "the tank holds it";
        EXPECT_FALSE(w.doWrite);
    }

    // The refresh moving a bar to the tank's level writes nothing, whether or
    // not the level is a whole percent.
    for (std::int32_t held : {4194304, level(59.6), level(0.4)}) {
        SCOPED_TRACE(held);
        set(var::FuelLeftMainLevel, held);
        tickPhase(2);
        EXPECT_EQ(w.tbFLM->Position(), rules::tankBarPosition(held));
        EXPECT_EQ(takeWrites(), Writes{});
        EXPECT_EQ(get(var::FuelLeftMainLevel), held);
    }

    // A focused bar writes its next change, even to the level the tank holds.
    set(var::FuelLeftMainLevel, level(59.6));
    emit w.tbFLM->OnEnter(w.tbFLM);
    w.tbFLM->SetPosition(-60);
    EXPECT_EQ(takeWrites(), Writes{wrote(var::FuelLeftMainLevel, 5033164)});
    emit w.tbFLM->OnExit(w.tbFLM);

    // A level that cannot be read is no reason to write.
    sim.command(QStringLiteral("fault reject"));
    w.tbFLM->SetPosition(-20);
    sim.command(QStringLiteral("fault none"));
    EXPECT_EQ(takeWrites(), Writes{});
    EXPECT_TRUE(status().startsWith(QStringLiteral("Unable to Process: ")));

    // The handler stops the refresh for its run and lets it go on after.
    setRefreshRunning(true);
    w.tbFLM->SetPosition(-25);
    EXPECT_TRUE(w.TimerUpdateTime->Enabled());
    setRefreshRunning(false);
    w.tbFLM->SetPosition(-26);
    EXPECT_FALSE(w.TimerUpdateTime->Enabled());
    EXPECT_EQ(takeWrites(), (Writes{wrote(var::FuelLeftMainLevel, 2097152), wrote(var::FuelLeftMainLevel, 2181038)}));
}

TEST_F(FuelElectric, ManyTicksWhileTheTanksDrainWriteNoTank)
{
    ASSERT_TRUE(connect({"--aircraft", "b747"}));
    const auto tanks = fuelTanks(*panel);
    for (int i = 0; i < 40; ++i) {
        for (const FuelTankControls &t : tanks)
            if (!t.panel->isHidden())
                set(t.tank.level, std::max<std::int64_t>(0, get(t.tank.level) - level(0.37)));
        tick();
    }
    tickPhase(2);
    EXPECT_EQ(takeWrites(), Writes{});
    for (const FuelTankControls &t : tanks) {
        if (t.panel->isHidden())
            continue;
        EXPECT_EQ(t.bar->Position(), rules::tankBarPosition(std::int32_t(get(t.tank.level)))) << t.tank.name;
    }
}

TEST_F(FuelElectric, TankSelectorsWriteTheUsersTurn)
{
    ASSERT_TRUE(connect({"--aircraft", "b747"}));
    TfrmACMain &w = *panel;
    struct Turn {
        TKnob *knob;
        int position;
        Written written;
        const char *status;
        TColor colour;
    } turns[] = {
        {w.knbFuelSel3, 13, wrote(var::TankSelector3, 13), "Fuel Tank Selection Set.", clSwitchOn},
        {w.knbFuelSel3, 0, wrote(var::TankSelector3, 0), "Fuel Tank Selection Set.", clGray},
        {w.knbFuelSel2, 6, wrote(var::TankSelector2, 6), "Fuel Tank Selection Set.", clSwitchOn},
        {w.knbFuelSel4, 20, wrote(var::TankSelector4, 20), "Fuel Tank Selection Set.", clSwitchOn},
        {w.knbMasterFuel, 4, wrote(var::TankSelector1, 4), "Fuel Tank 1 Selection Set.", clSwitchOn},
        {w.knbMasterFuel, 0, wrote(var::TankSelector1, 0), "Fuel Tank 1 Selection Set.", clGray},
    };
    for (const Turn &t : turns) {
        SCOPED_TRACE(t.knob->objectName().toStdString() + " to " + std::to_string(t.position));
        w.doWrite = true; // the wheel's intent
        t.knob->SetPosition(t.position);
        EXPECT_EQ(takeWrites(), Writes{t.written});
        EXPECT_EQ(status(), QString::fromLatin1(t.status));
        EXPECT_EQ(t.knob->Color(), t.colour);
        EXPECT_FALSE(w.doWrite);
    }

    // Turned without intent, then clicked: back on the code read, nothing written.
    w.lFuelSelNum2->SetCaption(QStringLiteral("19"));
    w.knbFuelSel2->SetPosition(7);
    emit w.knbFuelSel2->OnClick(w.knbFuelSel2);
    EXPECT_EQ(w.knbFuelSel2->Position(), 19);
    w.knbMasterFuel->SetPosition(9);
    emit w.knbMasterFuel->OnClick(w.knbMasterFuel);
    EXPECT_EQ(w.knbMasterFuel->Position(), w.lFuelSelNum->Caption().toInt());
    EXPECT_EQ(takeWrites(), Writes{});

    sim.command(QStringLiteral("fault reject"));
    w.doWrite = true;
    w.knbFuelSel4->SetPosition(3);
    w.doWrite = true;
    w.knbMasterFuel->SetPosition(3);
    sim.command(QStringLiteral("fault none"));
    EXPECT_EQ(status(), QStringLiteral("Fuel Tank 1 Selection Failed."));
    EXPECT_EQ(takeWrites(), Writes{});
}

TEST_F(FuelElectric, TheElectricalPanelShowsBatteryBusesAndLights)
{
    ASSERT_TRUE(connect({"--aircraft", "b727"}));
    TfrmACMain &w = *panel;
    ASSERT_EQ(w.vNumEng, 3);
    set(var::MasterBattery, 1);
    setFloat(var::BatteryVoltage, 12.6);
    setFloat(var::MainBusVoltage, 24.0);
    setFloat(var::MainBusCurrent, 12.5);
    setFloat(var::BusVoltage[1], 28.0);
    setFloat(var::BusCurrent[1], 31.5);
    w.knbEngSelG->SetPosition(0);
    tickPhase(0);
    EXPECT_EQ(w.stBV->Caption(), QStringLiteral("12.60"));
    EXPECT_EQ(range(w.agBatteryV), (std::array{15, 10, 5}));
    EXPECT_FLOAT_EQ(w.agBatteryV->Position(), 12.6f);
    EXPECT_EQ(range(w.agMainBus), (std::array{27, 20, 11}));
    EXPECT_FLOAT_EQ(w.agMainAmp->Position(), 12.5f);
    EXPECT_EQ(w.statusPanel(4), QStringLiteral("Scanning.1"));

    w.knbEngSelG->SetPosition(2);
    tickPhase(0);
    EXPECT_EQ(range(w.agMainBus), (std::array{38, 24, 11}));
    EXPECT_FLOAT_EQ(w.agMainBus->Position(), 28.0f);
    EXPECT_FLOAT_EQ(w.agMainAmp->Position(), 31.5f);

    // Lights, signs and pitot heat in phase 2 only.
    set(var::Lights, 0x0205);
    set(var::SeatBeltSign, 1);
    set(var::NoSmokingSign, 0);
    set(var::PitotHeat, 1);
    tickPhase(0);
    EXPECT_EQ(w.knbCabin->Position(), 0);
    tickPhase(2);
    EXPECT_EQ(w.vLights, 0x0205);
    EXPECT_EQ(w.lvLights->Caption(), QStringLiteral("517"));
    TKnob *const lights[] = {w.knbCabin, w.knbLogo,  w.knbWing, w.knbRecog,  w.knbPanel,
                             w.knbStrobe, w.knbTaxi, w.knbLand, w.knbBeacon, w.knbNavLt};
    const int on[] = {1, 0, 0, 0, 0, 0, 0, 1, 0, 1};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(lights[i]->Position(), on[i]) << lights[i]->objectName().toStdString();
        EXPECT_EQ(lights[i]->Color(), on[i] ? clSwitchOn : clGray) << lights[i]->objectName().toStdString();
    }
    EXPECT_EQ(w.knbSeatBelt->Position(), 1);
    EXPECT_EQ(w.knbNoSmk->Position(), 0);
    EXPECT_EQ(w.knbPitot->Position(), 1);

    // With the battery off the panel keeps its last values.
    set(var::MasterBattery, 0);
    setFloat(var::BatteryVoltage, 28.0);
    set(var::Lights, 0);
    tickPhase(2);
    EXPECT_EQ(w.knbMasterBat->Position(), 0);
    EXPECT_EQ(w.stBV->Caption(), QStringLiteral("12.60"));
    EXPECT_EQ(w.knbCabin->Position(), 1);
    EXPECT_EQ(takeWrites(), Writes{});
}
