// Fuel controls: a tank's level set by its bar, and the four tank selectors.
// A bar's change is written only when it is the user's: the refresh puts a
// bar at the tank's level in whole percent, and a bar standing there was
// moved by the refresh.
//
// Offsets read and written: the eleven tank levels 0x0B74, 0x0B7C, 0x0B84,
// 0x0B8C, 0x0B94, 0x0B9C, 0x0BA4, 0x1244, 0x124C, 0x1254, 0x125C (percent x
// 128 x 65536). Written: 0x0AF8, 0x2154, 0x2254, 0x2354 tank selectors.
// Controls: the level bars tbFuelC..tbFE2 with their hidden raw labels;
// knbMasterFuel, knbFuelSel2..4 with lFuelSelNum..lFuelSelNum4.
#include "uACMainForm.h"

#include "adapters/panellabel.h"
#include "adapters/paneltimer.h"
#include "adapters/trackbar.h"
#include "catalogue.h"
#include "controls/rules/enginecontrols.h"
#include "knob/tknob.h"
#include "readout/fueltanks.h"
#include "readout/rules/fuelelectric.h"

#include <QScopeGuard>

namespace {

// A tank selector with its number label and offset.
struct Selector {
    TKnob *knob;
    PanelLabel *number;
    const catalogue::Variable &offset;
};

// The selector of the sender, in the order knbMasterFuel, knbFuelSel2..4;
// the first for any other sender.
Selector selectorOf(const TfrmACMain &w, QObject *sender, int first)
{
    const Selector all[] = {{w.knbMasterFuel, w.lFuelSelNum, var::TankSelectors[0]},
                            {w.knbFuelSel2, w.lFuelSelNum2, var::TankSelectors[1]},
                            {w.knbFuelSel3, w.lFuelSelNum3, var::TankSelectors[2]},
                            {w.knbFuelSel4, w.lFuelSelNum4, var::TankSelectors[3]}};
    for (int i = first; i < 4; ++i)
        if (all[i].knob == sender)
            return all[i];
    return all[first];
}

} // namespace

void TfrmACMain::connectFuelControls()
{
    for (const FuelTankControls &t : fuelTanks(*this)) {
        on(t.bar, &TrackBar::OnChange, &TfrmACMain::tbFRMChange);
        on(t.bar, &TrackBar::OnEnter, &TfrmACMain::tbFRMEnter);
        on(t.bar, &TrackBar::OnExit, &TfrmACMain::tbFRMExit);
    }
    on(knbMasterFuel, &TKnob::OnChange, &TfrmACMain::knbMasterFuelChange);
    for (TKnob *k : {knbFuelSel2, knbFuelSel3, knbFuelSel4})
        on(k, &TKnob::OnChange, &TfrmACMain::knbFuelSel2Change);
    for (TKnob *k : {knbMasterFuel, knbFuelSel2, knbFuelSel3, knbFuelSel4})
        on(k, &TKnob::OnClick, &TfrmACMain::knbFuelSel2Click);
}

void TfrmACMain::tbFRMChange(QObject *Sender)
{
    TimerUpdateTime->SetEnabled(false);
    const auto restart = qScopeGuard([this] { resumeRefresh(); });
    const auto tanks = fuelTanks(*this);
    const FuelTankControls *t = &tanks[0];
    for (const FuelTankControls &candidate : tanks)
        if (candidate.bar == Sender)
            t = &candidate;

    // The refresh puts a bar at its tank's level in whole percent: a bar
    // standing there was not moved by the user, and the raw label keeps the
    // level read. A level that could not be read tells nothing either way.
    const std::int32_t held = ReadInt(t->tank.level);
    if (LastReadOk() && rules::tankBarPosition(held) != t->bar->Position())
        doWrite = true;
    if (!doWrite)
        return;
    const std::int32_t level = rules::tankLevelFromBar(t->bar->Position());
    t->raw->SetCaption(QString::number(level));
    setStatusPanel(3, WriteInt(t->tank.level, level) ? QStringLiteral("Tank changed.")
                                                      : QStringLiteral("Tank not changed."));
    doWrite = false;
}

void TfrmACMain::knbMasterFuelChange(QObject *)
{
    if (!doWrite)
        return;
    setStatusPanel(3, WriteSmlInt(var::TankSelector1, std::int16_t(knbMasterFuel->Position()))
                          ? QStringLiteral("Fuel Tank 1 Selection Set.")
                          : QStringLiteral("Fuel Tank 1 Selection Failed."));
    knbMasterFuel->SetColor(rules::tankSelectorColour(knbMasterFuel->Position()));
    doWrite = false;
}

void TfrmACMain::knbFuelSel2Change(QObject *Sender)
{
    if (!doWrite)
        return;
    const Selector s = selectorOf(*this, Sender, 1);
    setStatusPanel(3, WriteCard(s.offset, std::uint32_t(s.knob->Position()))
                          ? QStringLiteral("Fuel Tank Selection Set.")
                          : QStringLiteral("Fuel Tank Selection Failed."));
    s.knob->SetColor(rules::tankSelectorColour(s.knob->Position()));
    doWrite = false;
}

void TfrmACMain::knbFuelSel2Click(QObject *Sender)
{
    // The widget has already turned to the click; back to the code read.
    doWrite = false;
    const Selector s = selectorOf(*this, Sender, 0);
    s.knob->SetPosition(StrToInt(s.number->Caption()));
}
