// The autopilot panel and the flight controls as the simulator holds them:
// APInfo (master, modes, targets) and ControlInfo (attitude, turn and slip,
// trims, gear, spoilers, parking brake, tail-wheel lock, flaps).
//
// Offsets read: 0x0764 autopilot available, 0x07BC master, 0x07D4 altitude
// target, 0x07CC heading bug, 0x0C4E and 0x0C5E courses, 0x132C NAV/GPS,
// 0x0808 yaw damper, 0x07C4, 0x07C8, 0x07D0, 0x07C0, 0x2EE0, 0x0800, 0x0804
// modes, 0x07F2 vertical speed target; 0x2F70 pitch, 0x2F78 bank, 0x0384
// turn rate, 0x0380 sideslip, 0x0BC0, 0x0C02, 0x0C04 trims, 0x0BE8 gear lever,
// 0x0BEC, 0x0BF4, 0x0BF0 gear positions, 0x0BD0 spoilers, 0x0BC8 parking
// brake, 0x2A90 tail-wheel lock, 0x0BFC flaps.
// Controls set: the autopilot group's knobs and edits; gPitch, lPitch, ePitch,
// eBank, shpTurn, shpBall, the trim knobs and labels, knbGear and the gear
// lamps, knbSpoiler, knbPark, knbTWL, knbFlaps and lFlaps.
#include "readerrun.h"

#include "adapters/bargauge.h"
#include "adapters/paneledit.h"
#include "adapters/panellabel.h"
#include "adapters/panelshape.h"
#include "catalogue.h"
#include "knob/tknob.h"
#include "readout/rules/angles.h"
#include "readout/rules/controlreadout.h"

namespace {

// A mode switch shows the value read, grey while off.
void showMode(TKnob *knob, std::uint32_t value, TColor on)
{
    knob->SetPosition(conv::saturate32(value));
    knob->SetColor(knob->Position() == 0 ? clGray : on);
}

void moveLeft(QWidget *w, int left)
{
    w->move(left, w->y());
}

} // namespace

void TfrmACMain::APInfo()
{
    ReaderRun run(*this, QStringLiteral("Scanning."));
    knbAutoPilotMaster->setEnabled(ReadCard(var::AutopilotAvailable) != 0);
    if (!knbAutoPilotMaster->isEnabled())
        return;
    knbAutoPilotMaster->SetPosition(conv::saturate32(ReadCard(var::AutopilotMaster)));

    // An edit the user is typing into keeps the user's text.
    knbAltSet->SetPosition(rules::apAltitudeHundreds(ReadInt(var::ApAltitudeTarget)));
    if (eAPAltOnChange == &TfrmACMain::eAPAltChange)
        eAPAlt->SetText(QString::number(std::int64_t(knbAltSet->Position()) * 100));

    const std::int32_t bug = rules::headingBugDegrees(ReadWord(var::ApHeadingTarget));
    knbHeadBug->SetPosition(int(rules::knobDegrees(bug)));
    if (eAPHeadOnChange == &TfrmACMain::eAPHeadChange)
        eAPHead->SetText(QString::number(bug));

    const std::int16_t course = ReadSmlInt(var::Nav1Course);
    eAPCrs->SetText(QString::number(course));
    knbNavCrs->SetPosition(int(rules::knobDegrees(course)));
    knbNavGps->SetPosition(conv::saturate32(ReadCard(var::NavGpsSource)));
    if (shpNav2pwr->BrushColor() == clLime) {
        const std::int16_t course2 = ReadSmlInt(var::Nav2Course);
        eCrs2->SetText(QString::number(course2));
        knbNavCrs2->SetPosition(int(rules::knobDegrees(course2)));
    }
    showMode(knbYawDamp, ReadCard(var::YawDamper), clOrange);

    if (knbAutoPilotMaster->Position() != 1) {
        for (TKnob *k : {knbAPBC, knbAPNav, knbAPHead, knbAPAlt, knbAPFD, knbAPApr, knbWingLevel, knbYawDamp})
            k->SetColor(clGray);
        return;
    }
    showMode(knbAPNav, ReadCard(var::ApNavHold), clSwitchOn);
    showMode(knbAPHead, ReadCard(var::ApHeadingHold), clSwitchOn);
    showMode(knbAPAlt, ReadCard(var::ApAltitudeHold), clSwitchOn);
    showMode(knbWingLevel, ReadCard(var::ApWingLeveller), clSwitchOn);
    showMode(knbAPFD, ReadCard(var::FlightDirector), clSwitchOn);
    showMode(knbAPApr, ReadCard(var::ApApproachHold), clSwitchOn);
    showMode(knbAPBC, ReadCard(var::ApBackCourse), clSwitchOn);
    knbVertSpd->SetPosition(rules::hundreds(ReadSmlInt(var::ApVerticalSpeedTarget)));
    eVertSp->SetText(QString::number(knbVertSpd->Position() * 100));
    showMode(knbYawDamp, ReadCard(var::YawDamper), clOrange);
}

void TfrmACMain::ControlInfo()
{
    ReaderRun run(*this, QStringLiteral("Scanning..."));
    const double pitch = -ReadDouble(var::Pitch);
    gPitch->SetProgress(conv::N32(pitch));
    ePitch->SetText(QString::asprintf("%2.2f", pitch));
    lPitch->SetCaption(QString::number(gPitch->Progress()));
    gPitch->SetForeColor(rules::pitchBarColour(gPitch->Progress()));
    eBank->SetText(QString::asprintf("%2.2f", -ReadDouble(var::Bank)));
    moveLeft(shpTurn, rules::turnNeedleLeft(ReadSingle(var::TurnRate)));
    moveLeft(shpBall, rules::sideslipBallLeft(ReadSingle(var::SideslipBall)));

    knbTrim->SetPosition(rules::elevatorTrimPosition(ReadSmlInt(var::ElevatorTrim)));
    lTrim->SetCaption(QString::asprintf("%2.2f", knbTrim->Position() / 100.0));
    knbTrim->SetColor(rules::elevatorTrimColour(knbTrim->Position()));
    knbATrim->SetPosition(rules::sideTrimPosition(ReadSmlInt(var::AileronTrim)));
    lAtrim->SetCaption(QString::number(knbATrim->Position()));
    knbRTrim->SetPosition(rules::sideTrimPosition(ReadSmlInt(var::RudderTrim)));
    lRTrim->SetCaption(QString::number(knbRTrim->Position()));

    // Gear, spoilers, brakes and flaps change seldom: once in four ticks.
    if (vInProc != 0)
        return;
    if (knbGear->isEnabled()) {
        const bool down = ReadInt(var::GearLever) != 0;
        knbGear->SetPosition(down ? 1 : 0);
        knbGear->SetColor(down ? clSwitchOn : clSkyBlue);
        shpGearNose->SetBrushColor(rules::gearLampColour(ReadInt(var::GearNose)));
        shpGearL->SetBrushColor(rules::gearLampColour(ReadInt(var::GearLeft)));
        shpGearR->SetBrushColor(rules::gearLampColour(ReadInt(var::GearRight)));
    }
    if (knbSpoiler->isEnabled()) {
        const rules::SpoilerShown spoiler = rules::spoilerShown(ReadInt(var::Spoilers));
        knbSpoiler->SetPosition(spoiler.position);
        knbSpoiler->SetColor(spoiler.colour);
    }
    knbPark->SetPosition(ReadSmlInt(var::ParkingBrake));
    if (knbTWL->isEnabled())
        showMode(knbTWL, ReadCard(var::TailWheelLock), clOrange);
    if (knbFlaps->isEnabled()) {
        knbFlaps->SetPosition(ReadByte(var::Flaps));
        lFlaps->SetCaption(QString::number(knbFlaps->Position()));
        knbFlaps->SetColor(rules::flapColour(knbFlaps->Position(), knbFlaps->Max()));
    }
}
