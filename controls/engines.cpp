// Engine levers and engine settings: the throttle, propeller and mixture
// levers of each engine (moved together with engine sync), the magneto
// knobs, the cowl flaps, the propeller type and the automatic mixture.
// A lever's change is written only when it is the user's: the refresh moves
// a lever to where its percent label says, and a lever standing where its
// label says was moved by the refresh.
//
// Offsets written: 0x089A, 0x0932, 0x09BC, 0x0A54 throttles; 0x088E, 0x0926,
// 0x09BE, 0x0A56 propeller levers; 0x0890, 0x0928, 0x09C0, 0x0A58 mixture
// levers; 0x0892, 0x092A, 0x09C2, 0x0A5A magnetos; 0x37F0, 0x3730, 0x3670,
// 0x35B0 cowl flaps; 0x0AF0 propeller type. Read: 0x3818, 0x3758, 0x3698,
// 0x35D8 air mass ratio (automatic mixture).
// Controls: tbThrottle1..4, tbProp1..4, tbMix1..4 with lT/lP/lM; knbMag..
// knbMag4 with lMag1Pos..lMag4Pos; knbCowlFlaps; rgPropType; cbxAutoMix and
// TimerAutoMix; cbxSyncEng is read.
#include "uACMainForm.h"

#include "adapters/paneltimer.h"
#include "adapters/radiogroup.h"
#include "catalogue.h"
#include "controls/rules/enginecontrols.h"
#include "dialogseam.h"
#include "readout/enginecolumn.h"

#include <QCheckBox>
#include <QScopeGuard>

namespace {

// One kind of lever: its bar and label in a column, where it is written and
// what the status line says.
struct LeverKind {
    TrackBar *EngineColumn::*bar;
    PanelLabel *EngineColumn::*label;
    const var::Engines &offsets;
    const char *changed, *failed;
};

const LeverKind kThrottle{&EngineColumn::throttle, &EngineColumn::lT, var::ThrottleLeverWrite, "Throttle Changed.",
                          "Throttle Change Failed."};
const LeverKind kPropeller{&EngineColumn::prop, &EngineColumn::lP, var::PropellerLever, "Propeller Changed.",
                           "Propeller Change Failed."};
const LeverKind kMixture{&EngineColumn::mix, &EngineColumn::lM, var::MixtureLever, "Mixture Changed.",
                         "Mixture Change Failed."};

// A lever moved. The user's move is written; with engine sync on, a move of
// engine 1's or 2's lever moves the same lever of every other running engine,
// each of which comes back here (nested) to write its own engine.
void leverChange(TfrmACMain &w, QObject *sender, const LeverKind &kind)
{
    const int engine = engineOf(w, sender, kind.bar);
    const EngineColumn column = engineColumn(w, engine);
    TrackBar *bar = column.*kind.bar;
    PanelLabel *label = column.*kind.label;

    if (!w.doWrite)
        w.doWrite = rules::leverBarPosition(StrToInt(label->Caption())) != bar->Position();
    if (!w.doWrite)
        return;
    label->SetCaption(QString::number(-bar->Position()));
    const bool ok = w.WriteSmlInt(kind.offsets[engine - 1], rules::leverWord(bar->Position()));
    w.setStatusPanel(3, QString::fromLatin1(ok ? kind.changed : kind.failed));

    const auto done = qScopeGuard([&w] { w.doWrite = false; });
    if (!w.cbxSyncEng->isChecked() || w.doSync)
        return;
    const auto passDone = qScopeGuard([&w] { w.doSync = false; });
    w.doSync = true;
    for (const int other : rules::syncedEngines(engine, w.vNumEng)) {
        const EngineColumn c = engineColumn(w, other);
        if (c.lamp->BrushColor() == clLime)
            (c.*kind.bar)->SetPosition(bar->Position());
    }
}

} // namespace

void TfrmACMain::connectEngineControls()
{
    for (int n = 1; n <= 4; ++n) {
        const EngineColumn c = engineColumn(*this, n);
        on(c.throttle, &TrackBar::OnChange, &TfrmACMain::tbThrottle1Change);
        on(c.prop, &TrackBar::OnChange, &TfrmACMain::tbProp1Change);
        on(c.mix, &TrackBar::OnChange, &TfrmACMain::tbMix1Change);
        for (TrackBar *lever : {c.throttle, c.prop, c.mix}) {
            on(lever, &TrackBar::OnEnter, &TfrmACMain::tbFRMEnter);
            on(lever, &TrackBar::OnExit, &TfrmACMain::tbFRMExit);
        }
        on(c.mag, &TKnob::OnChange, &TfrmACMain::knbMagChange);
        on(c.mag, &TKnob::OnClick, &TfrmACMain::knbMagClick);
    }
    on(knbCowlFlaps, &TKnob::OnChange, &TfrmACMain::knbCowlFlapsChange);
    on(rgPropType, &RadioGroup::OnClick, &TfrmACMain::rgPropTypeClick);
    on(cbxAutoMix, &QCheckBox::toggled, [](TfrmACMain *w, bool) { w->cbxAutoMixClick(w->cbxAutoMix); });
    on(TimerAutoMix, &PanelTimer::OnTimer, &TfrmACMain::TimerAutoMixTimer);
}

// --- Levers ------------------------------------------------------------------------

void TfrmACMain::tbThrottle1Change(QObject *Sender)
{
    leverChange(*this, Sender, kThrottle);
}

void TfrmACMain::tbProp1Change(QObject *Sender)
{
    leverChange(*this, Sender, kPropeller);
}

void TfrmACMain::tbMix1Change(QObject *Sender)
{
    leverChange(*this, Sender, kMixture);
}

// A lever or tank bar that takes the focus writes its next change, whatever
// moved it; leaving it ends that.
void TfrmACMain::tbFRMEnter(QObject *)
{
    doWrite = true;
}

void TfrmACMain::tbFRMExit(QObject *)
{
    doWrite = false;
}

// --- Magnetos ----------------------------------------------------------------------

void TfrmACMain::knbMagChange(QObject *Sender)
{
    const int engine = engineOf(*this, Sender, &EngineColumn::mag);
    const EngineColumn c = engineColumn(*this, engine);
    c.mag->SetColor(rules::magnetoColour(c.mag->Position()));
    if (!doWrite)
        return;
    setStatusPanel(3, WriteWord(var::Magnetos[engine - 1], std::uint16_t(c.mag->Position()))
                          ? QStringLiteral("Magneto changed.")
                          : QStringLiteral("Magneto not changed."));
    doWrite = false;
}

void TfrmACMain::knbMagClick(QObject *Sender)
{
    // The widget has already turned to the click; back to the position read.
    doWrite = false;
    const EngineColumn c = engineColumn(*this, engineOf(*this, Sender, &EngineColumn::mag));
    c.mag->SetPosition(StrToInt(c.magPos->Caption()));
}

// --- Cowl flaps, propeller type ---------------------------------------------------

void TfrmACMain::knbCowlFlapsChange(QObject *)
{
    // The refresh's change neither writes nor recolours: the readout does.
    if (!doWrite)
        return;
    const double fraction = rules::cowlFlapsFraction(knbCowlFlaps->Position());
    if (WriteDouble(var::CowlFlaps[0], fraction)) {
        setStatusPanel(3, QStringLiteral("Engine Cowlflaps Set."));
        for (int e = 1; e < 4 && e < vNumEng; ++e)
            WriteDouble(var::CowlFlaps[e], fraction);
    } else {
        setStatusPanel(3, QStringLiteral("Engine 1 Cowlflap Set Failed."));
    }
    doWrite = false;
    knbCowlFlaps->SetColor(rules::cowlFlapsColour(knbCowlFlaps->Position()));
}

void TfrmACMain::rgPropTypeClick(QObject *)
{
    const int type = rgPropType->ItemIndex();
    TKnob *const feathers[] = {knbFeather1, knbFeather2, knbFeather3, knbFeather4, knbAutoFeather};
    if (type == 0) {
        // Fixed pitch: the propeller levers of the aircraft's engines go to
        // full and stay there; no feathering.
        for (int n = 1; n <= 4; ++n)
            engineColumn(*this, n).prop->setEnabled(false);
        for (int n = 1; n <= 4 && n <= vNumEng; ++n)
            engineColumn(*this, n).prop->SetPosition(-100);
        for (TKnob *k : feathers) {
            k->setEnabled(false);
            k->SetColor(clSilver);
        }
    } else {
        tbProp1->setEnabled(true);
        for (int n = 2; n <= 4; ++n) {
            const EngineColumn c = engineColumn(*this, n);
            c.prop->setEnabled(!c.panel->isHidden());
        }
        for (TKnob *k : feathers) {
            k->setEnabled(true);
            k->SetColor(clGray);
        }
    }
    WriteWord(var::PropellerType, std::uint16_t(type));
}

// --- Automatic mixture ------------------------------------------------------------

void TfrmACMain::cbxAutoMixClick(QObject *)
{
    // Only ticking the box is refused; unticking it always stops the timer.
    if (cbxAutoMix->isChecked() && vNumEng > 1 && !cbxSyncEng->isChecked()) {
        dialogs().showMessage(QStringLiteral("Engines must be Sync'd for AutoMix to Work"));
        cbxAutoMix->setChecked(false);
        return;
    }
    TimerAutoMix->SetEnabled(cbxAutoMix->isChecked());
}

void TfrmACMain::TimerAutoMixTimer(QObject *)
{
    const double ratio = ReadDouble(var::AirMassRatio[rules::selectedEngineIndex(knbEngSel->Position())]);
    // A ratio that could not be read is no reason to move the mixture.
    if (!LastReadOk())
        return;
    // The mixture lever's own handler writes the move (and syncs it).
    if (const int step = rules::autoMixtureStep(ratio))
        tbMix1->SetPosition(tbMix1->Position() + step);
}
