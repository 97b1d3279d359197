// Switch toggles: a click reads the switch's variable, inverts it (or one bit
// of it) and writes it back; the knob itself is left to the next refresh.
// The recolouring handlers show each switch's state by its colour.
//
// Offsets read and written: 0x3102 master battery; 0x3B78, 0x3AB8, 0x39F8,
// 0x3938 generators; 0x08B2, 0x094A, 0x09E2, 0x0A7A carburettor heat; 0x2E80
// avionics; 0x029C pitot heat; 0x341C no smoking; 0x341D seat belts; 0x2A90
// tail-wheel lock; 0x2EC8 propeller sync; 0x2E88 auto-feather; 0x2434,
// 0x2534, 0x2624, 0x2724 feather; 0x3590..0x359C fuel valves; 0x341F
// crossfeed; 0x0808 yaw damper; 0x07BC, 0x07C8, 0x07D0, 0x07C4, 0x0800,
// 0x0804, 0x07C0 autopilot master and modes; 0x2EE0 flight director; 0x132C
// NAV/GPS; 0x0BC8 parking brake; 0x0BE8 gear; 0x0BD0 spoilers; 0x341E
// hydraulic pumps; 0x3125 fuel pumps; 0x0D0C lights; 0x3367 doors.
// Controls: the two-position knobs of those switches, sbtnAllOn, sbtnAllOff,
// the door shapes ShapeD1..ShapeD8, and the label lnavgps.
#include "uACMainForm.h"

#include "adapters/panellabel.h"
#include "adapters/panelshape.h"
#include "adapters/speedbutton.h"
#include "catalogue.h"
#include "controls/rules/toggles.h"
#include "knob/tknob.h"

#include <initializer_list>

namespace {

// The index of the sender among the controls a shared handler serves; a
// sender that is none of them takes the first (default) entry.
std::size_t senderIndex(QObject *sender, std::initializer_list<QObject *> controls)
{
    std::size_t i = 0;
    for (QObject *c : controls) {
        if (c == sender)
            return i;
        ++i;
    }
    return 0;
}

// One toggle: read, compute, write, one sentence. A read that failed writes
// nothing: the value it gave is not the simulator's, and writing its
// inverse would switch on what the user meant to switch off.
template <typename Value, typename Written, typename Rule>
void toggle(TfrmACMain &w, Value (simlink::TypedAccessors::*read)(win::DWORD),
            bool (simlink::TypedAccessors::*write)(win::DWORD, Written), win::DWORD offset, Rule rule,
            const char *changed, const char *failed)
{
    const Value old = (w.*read)(offset);
    if (!w.LastReadOk()) {
        w.setStatusPanel(3, QString::fromLatin1(failed));
        return;
    }
    const bool ok = (w.*write)(offset, static_cast<Written>(rule(old)));
    w.setStatusPanel(3, QString::fromLatin1(ok ? changed : failed));
}

template <typename Value> Value flipped(Value v)
{
    return static_cast<Value>(v ^ 1);
}

using TA = simlink::TypedAccessors;

} // namespace

void TfrmACMain::connectSwitches()
{
    auto clicks = [this](std::initializer_list<TKnob *> knobs, void (TfrmACMain::*handler)(QObject *)) {
        for (TKnob *k : knobs)
            on(k, &TKnob::OnClick, handler);
    };
    clicks({knbMasterBat}, &TfrmACMain::sbtnMasterBatClick);
    clicks({knbGen1, knbGen2, knbGen3, knbGen4}, &TfrmACMain::sbtnGen1Click);
    clicks({knbCarbHt1, knbCarbHt2, knbCarbHt3, knbCarbHt4}, &TfrmACMain::sbtnCarbHeat1Click);
    clicks({knbAvionics}, &TfrmACMain::knbAvionicsClick);
    clicks({knbPitot}, &TfrmACMain::knbPitotClick);
    clicks({knbNoSmk}, &TfrmACMain::knbNoSmkClick);
    clicks({knbSeatBelt}, &TfrmACMain::knbSeatBeltClick);
    clicks({knbTWL}, &TfrmACMain::knbTWLClick);
    clicks({knbPropSync}, &TfrmACMain::knbPropSyncClick);
    clicks({knbAutoFeather}, &TfrmACMain::knbAutoFeatherClick);
    clicks({knbFeather1, knbFeather2, knbFeather3, knbFeather4}, &TfrmACMain::knbFeather1Click);
    clicks({knbFV1, knbFV2, knbFV3, knbFV4}, &TfrmACMain::knbFV1Click);
    clicks({knbFuelXFeed}, &TfrmACMain::knbFuelXFeedClick);
    clicks({knbYawDamp}, &TfrmACMain::knbYawDampClick);
    clicks({knbAutoPilotMaster}, &TfrmACMain::knbAutoPilotMasterClick);
    clicks({knbAPHead}, &TfrmACMain::knbAPHeadClick);
    clicks({knbAPAlt}, &TfrmACMain::knbAPAltClick);
    clicks({knbAPNav}, &TfrmACMain::knbAPNavClick);
    clicks({knbAPApr}, &TfrmACMain::knbAPAprClick);
    clicks({knbAPBC}, &TfrmACMain::knbAPBCClick);
    clicks({knbWingLevel}, &TfrmACMain::knbWingLevelClick);
    clicks({knbAPFD}, &TfrmACMain::knbAPFDClick);
    clicks({knbNavGps}, &TfrmACMain::knbNavGpsClick);
    clicks({knbPark}, &TfrmACMain::knbParkClick);
    clicks({knbGear}, &TfrmACMain::knbGearClick);
    clicks({knbSpoiler}, &TfrmACMain::knbSpoilerClick);
    clicks({knbHydPumps}, &TfrmACMain::knbHydPumpsClick);
    clicks({knbFP1, knbFP2, knbFP3, knbFP4, knbFuelPumpMaster}, &TfrmACMain::knbFuelPumpMasterClick);
    clicks({knbNavLt, knbBeacon, knbLand, knbTaxi, knbStrobe, knbPanel, knbRecog, knbWing, knbLogo, knbCabin},
           &TfrmACMain::knbLightsClick);
    on(sbtnAllOn, &SpeedButton::OnClick, &TfrmACMain::sbtnAllOnClick);
    on(sbtnAllOff, &SpeedButton::OnClick, &TfrmACMain::sbtnAllOffClick);
    for (PanelShape *door : {ShapeD1, ShapeD2, ShapeD3, ShapeD4, ShapeD5, ShapeD6, ShapeD7, ShapeD8})
        on(door, &PanelShape::OnMouseDown, &TfrmACMain::ShapeD1MouseDown);

    auto changes = [this](std::initializer_list<TKnob *> knobs, void (TfrmACMain::*handler)(QObject *)) {
        for (TKnob *k : knobs)
            on(k, &TKnob::OnChange, handler);
    };
    changes({knbPitot, knbMasterBat, knbNavLt, knbBeacon, knbLand, knbTaxi, knbStrobe, knbPanel, knbRecog, knbWing,
             knbLogo, knbCabin, knbSeatBelt, knbNoSmk, knbFV1, knbFV2, knbFV3, knbFV4, knbGen1, knbGen2, knbGen3,
             knbGen4, knbCarbHt1, knbCarbHt2, knbCarbHt3, knbCarbHt4, knbHydPumps, knbYawDamp, knbAPHead, knbAPFD,
             knbAPAlt, knbAPNav, knbAPBC, knbAPApr, knbWingLevel, knbTransOn, knbAvionics},
            &TfrmACMain::knbLightsChange);
    changes({knbFP1, knbFP2, knbFP3, knbFP4, knbFeather1, knbFeather2, knbFeather3, knbFeather4, knbAutoPilotMaster,
             knbAutoFeather, knbPropSync},
            &TfrmACMain::knbOrangeONOFFChange);
    changes({knbPark}, &TfrmACMain::knbParkChange);
    changes({knbTWL}, &TfrmACMain::knbTWLChange);
    changes({knbNavGps}, &TfrmACMain::knbNavGpsChange);
}

// --- Simple toggles: the value read, exclusive-or 1 ------------------------

void TfrmACMain::sbtnMasterBatClick(QObject *)
{
    toggle(*this, &TA::ReadByte, &TA::WriteByte, var::MasterBattery, flipped<std::uint8_t>, "Main Battery Changed.",
           "Main Battery Not Changed.");
}

void TfrmACMain::sbtnGen1Click(QObject *Sender)
{
    const auto engine = senderIndex(Sender, {knbGen1, knbGen2, knbGen3, knbGen4});
    toggle(*this, &TA::ReadCard, &TA::WriteCard, var::Generator[engine], flipped<std::uint32_t>, "Gen Changed.",
           "Gen Change Failed.");
}

void TfrmACMain::sbtnCarbHeat1Click(QObject *Sender)
{
    const auto engine = senderIndex(Sender, {knbCarbHt1, knbCarbHt2, knbCarbHt3, knbCarbHt4});
    toggle(*this, &TA::ReadSmlInt, &TA::WriteSmlInt, var::CarbHeat[engine], flipped<std::int16_t>,
           "CarbHeat Changed.", "CarbHeat Change Failed.");
}

void TfrmACMain::knbAvionicsClick(QObject *)
{
    toggle(*this, &TA::ReadCard, &TA::WriteCard, var::AvionicsMaster, flipped<std::uint32_t>, "Avionics Changed.",
           "Avionics Not Changed.");
}

void TfrmACMain::knbPitotClick(QObject *)
{
    toggle(*this, &TA::ReadSmlInt, &TA::WriteSmlInt, var::PitotHeat, flipped<std::int16_t>, "Pitot changed.",
           "Pitot not changed.");
}

void TfrmACMain::knbNoSmkClick(QObject *)
{
    toggle(*this, &TA::ReadByte, &TA::WriteByte, var::NoSmokingSign, flipped<std::uint8_t>, "No Smoking changed.",
           "No Smoking not changed.");
}

void TfrmACMain::knbSeatBeltClick(QObject *)
{
    toggle(*this, &TA::ReadByte, &TA::WriteByte, var::SeatBeltSign, flipped<std::uint8_t>, "Seat Belts changed.",
           "Seat Belts not changed.");
}

void TfrmACMain::knbTWLClick(QObject *)
{
    toggle(*this, &TA::ReadCard, &TA::WriteCard, var::TailWheelLock, flipped<std::uint32_t>,
           "Tailwheel Lock changed.", "Tailwheel Lock not changed.");
}

void TfrmACMain::knbPropSyncClick(QObject *)
{
    toggle(*this, &TA::ReadWord, &TA::WriteWord, var::PropSync, flipped<std::uint16_t>, "Prop Sync changed.",
           "Prop Sync not changed.");
}

void TfrmACMain::knbAutoFeatherClick(QObject *)
{
    // Fixed-pitch propellers disable the knob; then a click does nothing at all.
    if (!knbAutoFeather->isEnabled())
        return;
    toggle(*this, &TA::ReadCard, &TA::WriteCard, var::AutoFeather, flipped<std::uint32_t>, "AutoFeather changed.",
           "AutoFeather not changed.");
}

void TfrmACMain::knbFeather1Click(QObject *Sender)
{
    const auto engine = senderIndex(Sender, {knbFeather1, knbFeather2, knbFeather3, knbFeather4});
    toggle(*this, &TA::ReadCard, &TA::WriteCard, var::PropellerFeather[engine], flipped<std::uint32_t>,
           "Propeller Feather changed.", "Propeller Feather not changed.");
}

void TfrmACMain::knbFV1Click(QObject *Sender)
{
    const auto engine = senderIndex(Sender, {knbFV1, knbFV2, knbFV3, knbFV4});
    toggle(*this, &TA::ReadCard, &TA::WriteCard, var::FuelValve[engine], flipped<std::uint32_t>,
           "Fuel Valve Changed.", "Fuel Valve Change Failed.");
}

void TfrmACMain::knbFuelXFeedClick(QObject *)
{
    toggle(*this, &TA::ReadByte, &TA::WriteByte, var::Crossfeed, flipped<std::uint8_t>, "Fuel Crossfeed Changed.",
           "Fuel Crossfeed Not Changed.");
}

void TfrmACMain::knbYawDampClick(QObject *)
{
    toggle(*this, &TA::ReadCard, &TA::WriteCard, var::YawDamper, flipped<std::uint32_t>, "Yaw Damper changed.",
           "Yaw Damper not changed.");
}

void TfrmACMain::knbAutoPilotMasterClick(QObject *)
{
    toggle(*this, &TA::ReadCard, &TA::WriteCard, var::AutopilotMaster, flipped<std::uint32_t>,
           "AutoPilot Master changed.", "AutoPilot Master not changed.");
}

void TfrmACMain::knbAPHeadClick(QObject *)
{
    toggle(*this, &TA::ReadCard, &TA::WriteCard, var::ApHeadingHold, flipped<std::uint32_t>,
           "AutoPilot Heading Hold changed.", "AutoPilot Heading Hold not changed.");
}

void TfrmACMain::knbAPAltClick(QObject *)
{
    toggle(*this, &TA::ReadCard, &TA::WriteCard, var::ApAltitudeHold, flipped<std::uint32_t>,
           "AutoPilot Alt Hold changed.", "AutoPilot Alt Hold not changed.");
}

void TfrmACMain::knbAPNavClick(QObject *)
{
    toggle(*this, &TA::ReadCard, &TA::WriteCard, var::ApNavHold, flipped<std::uint32_t>,
           "AutoPilot NAV1 Hold Changed.", "AutoPilot NAV1 Hold not Changed.");
}

void TfrmACMain::knbAPAprClick(QObject *)
{
    toggle(*this, &TA::ReadCard, &TA::WriteCard, var::ApApproachHold, flipped<std::uint32_t>,
           "AutoPilot Approach Hold Changed.", "AutoPilot Approach Hold not Changed.");
}

void TfrmACMain::knbAPBCClick(QObject *)
{
    toggle(*this, &TA::ReadCard, &TA::WriteCard, var::ApBackCourse, flipped<std::uint32_t>,
           "AutoPilot Backcourse Hold Changed.", "AutoPilot Backcourse Hold not Changed.");
}

void TfrmACMain::knbWingLevelClick(QObject *)
{
    toggle(*this, &TA::ReadCard, &TA::WriteCard, var::ApWingLeveller, flipped<std::uint32_t>,
           "AutoPilot Wing Leveler changed.", "AutoPilot Wing Leveler not changed.");
}

void TfrmACMain::knbAPFDClick(QObject *)
{
    toggle(*this, &TA::ReadCard, &TA::WriteCard, var::FlightDirector, flipped<std::uint32_t>,
           "Flight Director changed.", "Flight Director not changed.");
}

void TfrmACMain::knbNavGpsClick(QObject *)
{
    toggle(*this, &TA::ReadCard, &TA::WriteCard, var::NavGpsSource, flipped<std::uint32_t>, "Nav/GPS changed.",
           "Nav/GPS not changed.");
}

// --- Toggles with a rule of their own ---------------------------------------

void TfrmACMain::knbParkClick(QObject *)
{
    toggle(*this, &TA::ReadSmlInt, &TA::WriteSmlInt, var::ParkingBrake, rules::parkingBrakeToggled,
           "Parking Brake Changed.", "Parking Brake Not Changed.");
}

void TfrmACMain::knbGearClick(QObject *)
{
    toggle(*this, &TA::ReadInt, &TA::WriteInt, var::GearLever, rules::leverToggled, "Landing Gear Position changed.",
           "Landing Gear Position not changed.");
}

void TfrmACMain::knbSpoilerClick(QObject *)
{
    toggle(*this, &TA::ReadInt, &TA::WriteCard, var::Spoilers, rules::leverToggled, "Spoiler changed.",
           "Spoiler not changed.");
}

void TfrmACMain::knbHydPumpsClick(QObject *)
{
    toggle(*this, &TA::ReadByte, &TA::WriteByte, var::HydraulicPumps, rules::hydraulicPumpsToggled,
           "Hydraulic Pumps changed.", "Hydraulic Pumps not changed.");
}

void TfrmACMain::knbFuelPumpMasterClick(QObject *Sender)
{
    if (Sender == knbFuelPumpMaster) {
        const std::uint8_t mask = rules::fuelPumpMasterMask(vNumEng);
        toggle(*this, &TA::ReadByte, &TA::WriteByte, var::FuelPumps,
               [mask](std::uint8_t old) { return std::uint8_t(old ^ mask); }, "Fuel Pump Master Position Changed.",
               "Fuel Pump Master Position Not Changed.");
        return;
    }
    const std::uint8_t bit = std::uint8_t(1u << senderIndex(Sender, {knbFP1, knbFP2, knbFP3, knbFP4}));
    toggle(*this, &TA::ReadByte, &TA::WriteByte, var::FuelPumps,
           [bit](std::uint8_t old) { return std::uint8_t(old ^ bit); }, "Fuel Pump Position Changed.",
           "Fuel Pump Position Not Changed.");
}

void TfrmACMain::knbLightsClick(QObject *Sender)
{
    // Bit n of the lights word for the n-th knob; any other sender writes the
    // word back unchanged.
    const QObject *knobs[] = {knbNavLt, knbBeacon, knbLand, knbTaxi, knbStrobe,
                              knbPanel, knbRecog,  knbWing, knbLogo, knbCabin};
    std::int16_t bit = 0;
    for (int i = 0; i < 10; ++i)
        if (Sender == knobs[i])
            bit = std::int16_t(1 << i);
    toggle(*this, &TA::ReadSmlInt, &TA::WriteSmlInt, var::Lights,
           [this, bit](std::int16_t old) {
               vLights = old;
               return std::int16_t(vLights ^ bit);
           },
           "Lights changed.", "Lights not changed.");
}

void TfrmACMain::sbtnAllOnClick(QObject *)
{
    setStatusPanel(3, WriteSmlInt(var::Lights, 1023) ? QStringLiteral("Lights changed.")
                                                     : QStringLiteral("Lights not changed."));
}

void TfrmACMain::sbtnAllOffClick(QObject *)
{
    setStatusPanel(3, WriteSmlInt(var::Lights, 0) ? QStringLiteral("Lights changed.")
                                                  : QStringLiteral("Lights not changed."));
}

void TfrmACMain::ShapeD1MouseDown(QObject *Sender, Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
    const std::uint8_t bit = std::uint8_t(
        1u << senderIndex(Sender, {ShapeD1, ShapeD2, ShapeD3, ShapeD4, ShapeD5, ShapeD6, ShapeD7, ShapeD8}));
    toggle(*this, &TA::ReadByte, &TA::WriteByte, var::Doors,
           [bit](std::uint8_t old) { return std::uint8_t(old ^ bit); }, "Doors changed.", "Doors not changed.");
}

// --- Recolouring: each switch shows its state by colour ---------------------

void TfrmACMain::knbLightsChange(QObject *Sender)
{
    if (auto *k = qobject_cast<TKnob *>(Sender))
        k->SetColor(k->Position() == 1 ? clSwitchOn : clGray);
}

void TfrmACMain::knbOrangeONOFFChange(QObject *Sender)
{
    if (auto *k = qobject_cast<TKnob *>(Sender))
        k->SetColor(k->Position() != 0 ? clOrange : clGray);
}

void TfrmACMain::knbParkChange(QObject *)
{
    knbPark->SetColor(knbPark->Position() == 1 ? clRed : clGray);
}

void TfrmACMain::knbTWLChange(QObject *)
{
    knbTWL->SetColor(knbTWL->Position() == 1 ? clOrange : clGray);
}

void TfrmACMain::knbNavGpsChange(QObject *)
{
    const bool gps = knbNavGps->Position() != 0;
    lnavgps->SetCaption(gps ? QStringLiteral("nav/GPS") : QStringLiteral("NAV/gps"));
    knbNavGps->SetColor(gps ? clSkyBlue : clSwitchOn);
}
