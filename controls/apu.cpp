// The APU panel: opened from the battery-reset button while on the ground,
// refreshed by its own timer while open, and the Off / On / Start switch.
// The switch's colour records the APU's state as the panel last saw it:
// grey off, orange switched on but not running, dark green running, red
// while starting.
//
// Offsets read: 0x0366 on ground, 0x0B51 APU switch, 0x0B52 starter and
// running flag, 0x0B53 fire lamp, 0x0B54 RPM, 0x0B5C voltage.
// Offsets written: 0x0B51, 0x0B52, 0x0B58 start value.
// Controls: gbAPU, knbAPU, lAPUOff, lAPUOn, lAPUStart, agAPURPM, stRPMAPU,
// agAPU, shpAPU, sbtnAPU, TimerAPU, and sbtnBatFix's right button and
// double-click.
#include "uACMainForm.h"

#include "adapters/panellabel.h"
#include "adapters/panelshape.h"
#include "adapters/paneltimer.h"
#include "adapters/speedbutton.h"
#include "catalogue.h"
#include "dialogseam.h"
#include "gauge/tanaloggauge.h"
#include "knob/tknob.h"

#include <QGroupBox>
#include <QScopedValueRollback>

namespace {

constexpr TColor clApuOff = clGray;
constexpr TColor clApuOn = clOrange;     // switched on, not running
constexpr TColor clApuRunning = clGreen; // dark green
constexpr TColor clApuStarting = clRed;

} // namespace

void TfrmACMain::connectApu()
{
    on(sbtnBatFix, &SpeedButton::OnMouseDown, &TfrmACMain::sbtnBatFixMouseDown);
    on(sbtnBatFix, &SpeedButton::OnDblClick, &TfrmACMain::sbtnBatFixDblClick);
    on(sbtnAPU, &SpeedButton::OnClick, &TfrmACMain::sbtnAPUClick);
    on(TimerAPU, &PanelTimer::OnTimer, &TfrmACMain::TimerAPUTimer);
    on(knbAPU, &TKnob::OnChange, &TfrmACMain::knbAPUChange);
    on(knbAPU, &TKnob::OnClick, &TfrmACMain::knbAPUClick);
    on(lAPUOff, &PanelLabel::OnClick, &TfrmACMain::lAPUOffClick);
    on(lAPUOn, &PanelLabel::OnClick, &TfrmACMain::lAPUOnClick);
    on(lAPUStart, &PanelLabel::OnClick, &TfrmACMain::lAPUStartClick);
}

// --- Opening and closing the panel --------------------------------------------

void TfrmACMain::openApuPanel()
{
    const std::uint16_t onGround = ReadWord(var::OnGround);
    // A failed read says nothing of where the aircraft is; the status line
    // already tells why.
    if (!LastReadOk())
        return;
    if (onGround != 1) {
        dialogs().showMessage(QStringLiteral("You must be on the ground to use the APU"));
        return;
    }
    if (!gbAPU->isHidden())
        return;
    gbAPU->show();
    gbAPU->raise();
    gbAPU->setEnabled(true);
    TimerAPU->SetEnabled(true);
}

void TfrmACMain::sbtnBatFixMouseDown(QObject *, Qt::MouseButton Button, Qt::KeyboardModifiers, int, int)
{
    if (Button == Qt::RightButton)
        openApuPanel();
}

void TfrmACMain::sbtnBatFixDblClick(QObject *)
{
    openApuPanel();
}

void TfrmACMain::sbtnAPUClick(QObject *)
{
    if (gbAPU->isHidden())
        return;
    TimerAPU->SetEnabled(false);
    gbAPU->setEnabled(false);
    gbAPU->hide();
}

// --- The panel's own refresh ----------------------------------------------------

void TfrmACMain::colourApuSwitch()
{
    switch (knbAPU->Position()) {
    case 0:
        knbAPU->SetColor(clApuOff);
        break;
    case 1:
        knbAPU->SetColor(ReadByte(var::ApuStarter) == 1 ? clApuRunning : clApuOn);
        break;
    default:
        knbAPU->SetColor(clApuStarting);
        break;
    }
}

void TfrmACMain::TimerAPUTimer(QObject *)
{
    {
        // The switch follows the simulator; a move the refresh makes is
        // never the user's and writes nothing.
        const QScopedValueRollback refreshing(m_apuRefreshing, true);
        knbAPU->SetPosition(ReadByte(var::ApuMaster));
    }
    if (ReadByte(var::ApuStarter) != 0) {
        agAPURPM->SetPosition(ReadSingle(var::ApuRpm));
        stRPMAPU->SetCaption(QString::asprintf("%3.1f", double(agAPURPM->Position())));
        shpAPU->SetBrushColor(ReadByte(var::ApuLamp) == 0 ? clMedGray : clRed);
        agAPU->SetPosition(ReadSingle(var::ApuVoltage));
    } else {
        agAPURPM->SetPosition(0);
        agAPU->SetPosition(0);
        stRPMAPU->SetCaption(QStringLiteral("0"));
        if (ReadByte(var::ApuLamp) == 0)
            shpAPU->SetBrushColor(clMedGray);
    }
    colourApuSwitch();
}

// --- The switch -------------------------------------------------------------------

void TfrmACMain::knbAPUChange(QObject *)
{
    if (!m_apuRefreshing) {
        const TColor seen = knbAPU->Color();
        switch (knbAPU->Position()) {
        case 0:
            if (seen == clApuRunning) {
                WriteSingle(var::ApuStart, 0.0f);
                WriteByte(var::ApuMaster, 0);
                WriteByte(var::ApuStarter, 0);
                knbAPU->SetColor(clApuOff);
            } else if (seen == clApuOn) {
                // Switched on but not running: off again, nothing to stop.
                WriteByte(var::ApuMaster, 0);
                knbAPU->SetColor(clApuOff);
            }
            break;
        case 1:
            if (seen == clApuOff) {
                WriteByte(var::ApuMaster, 1);
                knbAPU->SetColor(ReadByte(var::ApuStarter) == 1 ? clApuRunning : clApuOn);
            }
            break;
        case 2:
            WriteByte(var::ApuMaster, 1);
            WriteByte(var::ApuStarter, 1);
            knbAPU->SetColor(clApuStarting);
            WriteSingle(var::ApuStart, 100.0f);
            waitMs(100);
            // The switch springs back to On; while it shows red that move
            // writes nothing.
            knbAPU->SetPosition(1);
            knbAPU->SetColor(ReadByte(var::ApuStarter) == 1 ? clApuRunning : clApuOn);
            break;
        default:
            break;
        }
    }
    colourApuSwitch();
}

void TfrmACMain::knbAPUClick(QObject *) {}

void TfrmACMain::lAPUOffClick(QObject *)
{
    knbAPU->SetPosition(0);
}

void TfrmACMain::lAPUOnClick(QObject *)
{
    knbAPU->SetPosition(1);
}

void TfrmACMain::lAPUStartClick(QObject *)
{
    knbAPU->SetPosition(2);
}
