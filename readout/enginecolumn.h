#pragma once
// One engine's column of the engines group, and the dial helpers the
// readers share. The engine readout fills a column; the lever handlers find
// the lever that moved, its label and its engine's running lamp in it.
#include "adapters/panellabel.h"
#include "adapters/panelshape.h"
#include "adapters/trackbar.h"
#include "knob/tknob.h"
#include "readout/rules/engines.h"

#include <QFrame>

class TAnalogGauge;
class TfrmACMain;

struct EngineColumn {
    QFrame *panel;
    TKnob *mag;
    PanelLabel *magPos;
    TrackBar *throttle, *prop, *mix;
    PanelLabel *lT, *lP, *lM;
    PanelShape *lamp;
    PanelLabel *carbAir;
    TKnob *gen, *carbHeat, *fuelValve, *fuelPump, *feather;
};

// The column of engine 1..4 (engine 1's for any other number).
EngineColumn engineColumn(const TfrmACMain &w, int engine);

// The engine (1..4) whose column holds the sender in this role, as a
// handler shared by the four columns picks its engine; engine 1 for any
// other sender.
template <typename Control> int engineOf(const TfrmACMain &w, const QObject *sender, Control *EngineColumn::*role)
{
    for (int n = 2; n <= 4; ++n)
        if (static_cast<const QObject *>(engineColumn(w, n).*role) == sender)
            return n;
    return 1;
}

// A dial's range, given in the order Scale, IndMaximum, IndMinimum, as each
// setter keeps the other two consistent with what it has already received.
void setDialRange(TAnalogGauge &dial, const rules::DialRange &range);
