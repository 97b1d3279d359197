#pragma once
// One notch of the mouse wheel on a radio or ADF tuning knob: the knob's new
// position and the text its edit then shows, composed from the text the edit
// shows now. The edit's change handler writes that text. A text without the
// shape of its frequency is a conversion failure (EConvertError), as for a
// typed one.
//
// notch: +1 for a turn towards the user, -1 away. min and max are the knob's
// present range; the new value is held inside it.
#include "radiotuning.h"

#include <QString>

namespace rules {

struct WheelTuning {
    int position;
    QString text;
};

// The MHz knob: one MHz a notch. COM 136.975 towards stays 136.975 (136..).
WheelTuning radioMHzNotch(const QString &standby, RadioBand band, int notch, int min, int max);
// The kHz knob: 25 kHz a notch on COM, 0.05 MHz on NAV; the fraction keeps
// its three (COM) or two (NAV) digits. NAV 110.95 away is 110.90, 110.00
// towards 110.05.
WheelTuning radioFractionNotch(const QString &standby, RadioBand band, int notch, int min, int max);

// The ADF "10s" knob: the two digits before the point, one kHz a notch
// (350.0 towards is 351.0). Everything before those two digits is kept, or
// becomes 1 when there is nothing.
WheelTuning adfUnitsNotch(const QString &adf, int notch, int min, int max);
// The ADF "100s" knob: the digits before the last two, 100 kHz a notch
// (1799.5 towards stays 1799.5 at the knob's 17).
WheelTuning adfHundredsNotch(const QString &adf, int notch, int min, int max);

} // namespace rules
