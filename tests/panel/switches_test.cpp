// Switch toggles through their controls: each reads the simulator's value,
// writes its inverse with its own width, and says so; a failed read writes
// nothing. The recolouring handlers show each switch's state.
#include "adapters/panellabel.h"
#include "adapters/panelshape.h"
#include "adapters/speedbutton.h"
#include "catalogue.h"
#include "connectedpanel.h"
#include "knob/tknob.h"
#include "readfailingwindow.h"

namespace {

class Switches : public ConnectedPanel {
protected:
    void click(TKnob *k) { emit k->OnClick(k); }
};

class FailedReads : public Switches {
protected:
    std::unique_ptr<TfrmACMain> makeWindow() override { return std::make_unique<ReadFailingWindow>(sim); }
    ReadFailingWindow &window() { return static_cast<ReadFailingWindow &>(*panel); }
};

struct Toggle {
    const char *control;
    catalogue::Variable variable;
    std::int64_t before, after;
    const char *status;
};

} // namespace

TEST_F(Switches, EachToggleWritesTheInverseOfWhatTheSimulatorHolds)
{
    ASSERT_TRUE(connect({"--aircraft", "b747"}));
    const Toggle toggles[] = {
        {"knbMasterBat", var::MasterBattery, 0, 1, "Main Battery Changed."},
        {"knbMasterBat", var::MasterBattery, 1, 0, "Main Battery Changed."},
        {"knbGen1", var::Generator[0], 1, 0, "Gen Changed."},
        {"knbGen3", var::Generator[2], 0, 1, "Gen Changed."},
        {"knbGen4", var::Generator[3], 6, 7, "Gen Changed."}, // only bit 0 flips
        {"knbCarbHt2", var::CarbHeat[1], 0, 1, "CarbHeat Changed."},
        {"knbAvionics", var::AvionicsMaster, 1, 0, "Avionics Changed."},
        {"knbPitot", var::PitotHeat, 0, 1, "Pitot changed."},
        {"knbNoSmk", var::NoSmokingSign, 0, 1, "No Smoking changed."},
        {"knbSeatBelt", var::SeatBeltSign, 1, 0, "Seat Belts changed."},
        {"knbTWL", var::TailWheelLock, 0, 1, "Tailwheel Lock changed."},
        {"knbPropSync", var::PropSync, 0, 1, "Prop Sync changed."},
        {"knbFeather4", var::PropellerFeather[3], 0, 1, "Propeller Feather changed."},
        {"knbFV2", var::FuelValve[1], 1, 0, "Fuel Valve Changed."},
        {"knbFuelXFeed", var::Crossfeed, 0, 1, "Fuel Crossfeed Changed."},
        {"knbYawDamp", var::YawDamper, 0, 1, "Yaw Damper changed."},
        {"knbAutoPilotMaster", var::AutopilotMaster, 1, 0, "AutoPilot Master changed."},
        {"knbAPHead", var::ApHeadingHold, 0, 1, "AutoPilot Heading Hold changed."},
        {"knbAPAlt", var::ApAltitudeHold, 0, 1, "AutoPilot Alt Hold changed."},
        {"knbAPNav", var::ApNavHold, 0, 1, "AutoPilot NAV1 Hold Changed."},
        {"knbAPApr", var::ApApproachHold, 0, 1, "AutoPilot Approach Hold Changed."},
        {"knbAPBC", var::ApBackCourse, 0, 1, "AutoPilot Backcourse Hold Changed."},
        {"knbWingLevel", var::ApWingLeveller, 0, 1, "AutoPilot Wing Leveler changed."},
        {"knbAPFD", var::FlightDirector, 0, 1, "Flight Director changed."},
        {"knbNavGps", var::NavGpsSource, 0, 1, "Nav/GPS changed."},
        {"knbPark", var::ParkingBrake, 0, 32767, "Parking Brake Changed."},
        {"knbPark", var::ParkingBrake, 32767, 0, "Parking Brake Changed."},
        {"knbGear", var::GearLever, 8000, 16383, "Landing Gear Position changed."},
        {"knbGear", var::GearLever, 16383, 0, "Landing Gear Position changed."},
        {"knbSpoiler", var::Spoilers, 16383, 0, "Spoiler changed."},
        {"knbSpoiler", var::Spoilers, 100, 16383, "Spoiler changed."},
        {"knbHydPumps", var::HydraulicPumps, 5, 0, "Hydraulic Pumps changed."},
        {"knbHydPumps", var::HydraulicPumps, 0, 15, "Hydraulic Pumps changed."},
        {"knbFP3", var::FuelPumps, 1, 5, "Fuel Pump Position Changed."},
        {"knbCabin", var::Lights, 0x03FF, 0x01FF, "Lights changed."},
        {"knbNavLt", var::Lights, 0, 1, "Lights changed."},
        {"knbLogo", var::Lights, 0x0001, 0x0101, "Lights changed."},
    };
    for (const Toggle &t : toggles) {
        SCOPED_TRACE(std::string(t.control) + " from " + std::to_string(t.before));
        set(t.variable, t.before);
        click(panel->findChild<TKnob *>(QString::fromLatin1(t.control)));
        EXPECT_EQ(takeWrites(), Writes{wrote(t.variable, t.after)});
        EXPECT_EQ(status(), QString::fromLatin1(t.status));
        EXPECT_EQ(get(t.variable), t.after);
    }
    EXPECT_EQ(panel->vLights, 0x0001) << "the lights word last read";
}

TEST_F(Switches, MastersButtonsAndDoorsFollowTheirOwnRules)
{
    ASSERT_TRUE(connect({"--aircraft", "baron"}));
    panel->vNumEng = 2;
    set(var::FuelPumps, 1); // pump 1 on, pump 2 off
    click(panel->knbFuelPumpMaster);
    EXPECT_EQ(takeWrites(), Writes{wrote(var::FuelPumps, 2)});
    EXPECT_EQ(status(), QStringLiteral("Fuel Pump Master Position Changed."));
    panel->vNumEng = 4;
    click(panel->knbFuelPumpMaster);
    EXPECT_EQ(takeWrites(), Writes{wrote(var::FuelPumps, 13)});

    set(var::Lights, 0x0005);
    emit panel->sbtnAllOn->OnClick(panel->sbtnAllOn);
    emit panel->sbtnAllOff->OnClick(panel->sbtnAllOff);
    EXPECT_EQ(takeWrites(), (Writes{wrote(var::Lights, 1023), wrote(var::Lights, 0)}));
    EXPECT_EQ(status(), QStringLiteral("Lights changed."));

    // A door answers any mouse button.
    set(var::Doors, 0x81);
    emit panel->ShapeD3->OnMouseDown(panel->ShapeD3, Qt::RightButton, {}, 3, 3);
    emit panel->ShapeD1->OnMouseDown(panel->ShapeD1, Qt::LeftButton, {}, 3, 3);
    EXPECT_EQ(takeWrites(), (Writes{wrote(var::Doors, 0x85), wrote(var::Doors, 0x84)}));
    EXPECT_EQ(status(), QStringLiteral("Doors changed."));

    // A disabled auto-feather (fixed-pitch propeller) does nothing at all.
    panel->knbAutoFeather->setEnabled(false);
    panel->setStatusPanel(3, QStringLiteral("before"));
    click(panel->knbAutoFeather);
    EXPECT_EQ(takeWrites(), Writes{});
    EXPECT_EQ(status(), QStringLiteral("before"));
}

TEST_F(FailedReads, AToggleAfterAFailedReadWritesNothingAndSaysSo)
{
    ASSERT_TRUE(connect());
    set(var::Lights, 0x0004);
    set(var::GearLever, 16383);
    const std::pair<TKnob *, const char *> clicks[] = {
        {panel->knbNavLt, "Lights not changed."},
        {panel->knbGear, "Landing Gear Position not changed."},
        {panel->knbMasterBat, "Main Battery Not Changed."},
    };
    for (auto [knob, failed] : clicks) {
        window().failNextRead = true;
        click(knob);
        sim.command(QStringLiteral("fault none"));
        EXPECT_EQ(status(), QString::fromLatin1(failed));
        EXPECT_EQ(takeWrites(), Writes{}) << knob->objectName().toStdString();
    }
    EXPECT_EQ(get(var::Lights), 0x0004) << "the other lights stay on";
    EXPECT_EQ(get(var::GearLever), 16383) << "the gear stays down";
}

TEST_F(Switches, EachSwitchShowsItsStateByColour)
{
    ASSERT_TRUE(connect());
    struct Shown {
        TKnob *knob;
        int position;
        TColor colour;
    };
    TfrmACMain &w = *panel;
    const Shown shown[] = {
        {w.knbMasterBat, 1, clSwitchOn}, {w.knbMasterBat, 0, clGray},     {w.knbAPHead, 1, clSwitchOn},
        {w.knbTransOn, 1, clSwitchOn},   {w.knbFP2, 1, clOrange},         {w.knbAutoPilotMaster, 0, clGray},
        {w.knbAutoFeather, 1, clOrange}, {w.knbPark, 1, clRed},           {w.knbPark, 0, clGray},
        {w.knbTWL, 1, clOrange},         {w.knbNavGps, 1, clSkyBlue},     {w.knbNavGps, 0, clSwitchOn},
    };
    for (const Shown &s : shown) {
        s.knob->SetPosition(s.position);
        EXPECT_EQ(s.knob->Color(), s.colour) << s.knob->objectName().toStdString() << " at " << s.position;
    }
    EXPECT_EQ(w.lnavgps->Caption(), QStringLiteral("NAV/gps"));
    w.knbNavGps->SetPosition(1);
    EXPECT_EQ(w.lnavgps->Caption(), QStringLiteral("nav/GPS"));
    EXPECT_EQ(takeWrites(), Writes{});
}
