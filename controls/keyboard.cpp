// Keyboard shortcuts. The window sees every key first (key preview) and
// acts on a few, each through the same handler or control the mouse would
// use; the key then goes on to the focused control. No shortcut acts while
// the user types into a text field (the full stop of a frequency would set
// the parking brake), nor for a control that is disabled (no gear lever on
// fixed gear, no autopilot, no carburettor heat, no flaps).
//
// Offsets read: 0x0D0C lights (key L); every write goes through the
// handlers named below.
// Controls: none of its own; FormKeyDown acts on knbTWL, knbMasterBat,
// knbKollsman, knbDriftFix, knbFuelPumpMaster, knbGear, knbCarbHt1..4, the
// lights buttons, knbAutoPilotMaster, tbThrottle1 with lT1, knbFlaps with
// lFlaps and knbPark.
#include "uACMainForm.h"

#include "adapters/panellabel.h"
#include "adapters/speedbutton.h"
#include "adapters/trackbar.h"
#include "catalogue.h"
#include "controls/rules/keys.h"
#include "controls/rules/wheel.h"
#include "knob/tknob.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

void TfrmACMain::connectKeyboard()
{
    // Key preview is the window's own (see eventFilter); nothing to bind.
}

bool TfrmACMain::typingInTextField() const
{
    const QWidget *focus = focusWidget();
    if (!focus)
        return false;
    if (const auto *combo = qobject_cast<const QComboBox *>(focus))
        return combo->isEditable();
    return qobject_cast<const QLineEdit *>(focus) || qobject_cast<const QAbstractSpinBox *>(focus) ||
           qobject_cast<const QTextEdit *>(focus) || qobject_cast<const QPlainTextEdit *>(focus);
}

void TfrmACMain::FormKeyDown(int key, Qt::KeyboardModifiers shift)
{
    if (typingInTextField())
        return;
    const rules::Shortcut action =
        rules::shortcutFor(rules::virtualKey(key, shift), rules::shiftAlone(shift, QGuiApplication::mouseButtons()));

    // A knob's click handler, for a knob that is there to be used.
    auto click = [this](TKnob *knob, void (TfrmACMain::*handler)(QObject *)) {
        if (knob->isEnabled())
            (this->*handler)(knob);
    };
    // Throttle 1 and the flaps start from the value their label shows.
    auto stepThrottle = [this](int step) {
        if (!tbThrottle1->isEnabled())
            return;
        const int percent = rules::stepWithin(StrToInt(lT1->Caption()), step, 0, 100);
        doWrite = true;
        lT1->SetCaption(QString::number(percent));
        tbThrottle1->SetPosition(-percent);
    };
    auto stepFlaps = [this](int step) {
        if (!knbFlaps->isEnabled())
            return;
        const int detent = rules::stepWithin(StrToInt(lFlaps->Caption()), step, knbFlaps->Min(), knbFlaps->Max());
        doWrite = true;
        lFlaps->SetCaption(QString::number(detent));
        knbFlaps->SetPosition(detent);
    };

    switch (action) {
    case rules::Shortcut::None:
        break;
    case rules::Shortcut::TailWheelLock:
        click(knbTWL, &TfrmACMain::knbTWLClick);
        break;
    case rules::Shortcut::MasterBattery:
        click(knbMasterBat, &TfrmACMain::sbtnMasterBatClick);
        break;
    case rules::Shortcut::AltimeterToQnh:
        if (knbKollsman->isEnabled())
            setKollsmanToQnh();
        break;
    case rules::Shortcut::GyroDriftReset:
        click(knbDriftFix, &TfrmACMain::knbDriftFixClick);
        break;
    case rules::Shortcut::FuelPumpMaster:
        click(knbFuelPumpMaster, &TfrmACMain::knbFuelPumpMasterClick);
        break;
    case rules::Shortcut::Gear:
        click(knbGear, &TfrmACMain::knbGearClick);
        break;
    case rules::Shortcut::CarbHeat: {
        // Each engine's heat is inverted on its own.
        TKnob *const heat[] = {knbCarbHt1, knbCarbHt2, knbCarbHt3, knbCarbHt4};
        for (int engine = 0; engine < 4 && (engine == 0 || vNumEng > engine); ++engine)
            click(heat[engine], &TfrmACMain::sbtnCarbHeat1Click);
        break;
    }
    case rules::Shortcut::Lights: {
        const std::int16_t lights = ReadSmlInt(var::Lights);
        if (!LastReadOk()) {
            // Not knowing whether they are on, the key changes nothing.
            setStatusPanel(3, QStringLiteral("Lights not changed."));
            break;
        }
        if (lights >= 1023)
            sbtnAllOffClick(sbtnAllOff);
        else
            sbtnAllOnClick(sbtnAllOn);
        break;
    }
    case rules::Shortcut::Autopilot:
        click(knbAutoPilotMaster, &TfrmACMain::knbAutoPilotMasterClick);
        break;
    case rules::Shortcut::ThrottleDown:
        stepThrottle(-1);
        break;
    case rules::Shortcut::ThrottleUp:
        stepThrottle(1);
        break;
    case rules::Shortcut::FlapsUp:
        stepFlaps(-1);
        break;
    case rules::Shortcut::FlapsDown:
        stepFlaps(1);
        break;
    case rules::Shortcut::ParkingBrake:
        click(knbPark, &TfrmACMain::knbParkClick);
        break;
    }
}
