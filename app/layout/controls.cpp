// Placeholder layout: every control of the group exists with its kind; places to come.
#include "uACMainForm.h"

#include "adapters/bargauge.h"
#include "adapters/filelist.h"
#include "adapters/paneledit.h"
#include "adapters/panelimage.h"
#include "adapters/panellabel.h"
#include "adapters/panelshape.h"
#include "adapters/radiogroup.h"
#include "adapters/speedbutton.h"
#include "adapters/trackbar.h"
#include "adapters/updown.h"
#include "artwork/artwork.h"
#include "gauge/tanaloggauge.h"
#include "image/trotatableimage.h"
#include "layoutkit.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QTimeEdit>

using namespace layout;

void TfrmACMain::buildControlsGroup()
{
    gbControls = group(this, "gbControls", QStringLiteral("Controls"), QStringLiteral("Control Panel"), QRect(2, 274, 475, 72));
    knbTrim = knob(gbControls, "knbTrim", QPoint(4, 14), {24, 0, 1});
    knbATrim = knob(gbControls, "knbATrim", QPoint(24, 14), {24, 0, 1});
    knbRTrim = knob(gbControls, "knbRTrim", QPoint(44, 14), {24, 0, 1});
    knbGear = knob(gbControls, "knbGear", QPoint(64, 14), {24, 0, 1});
    knbSpoiler = knob(gbControls, "knbSpoiler", QPoint(84, 14), {24, 0, 1});
    knbPark = knob(gbControls, "knbPark", QPoint(104, 14), {24, 0, 1});
    knbTWL = knob(gbControls, "knbTWL", QPoint(124, 14), {24, 0, 1});
    knbFlaps = knob(gbControls, "knbFlaps", QPoint(144, 14), {24, 0, 1});
    knbRudder = knob(gbControls, "knbRudder", QPoint(164, 14), {24, 0, 1});
    lTrim = label(gbControls, "lTrim", QRect(184, 14, 16, 16), QString());
    lAtrim = label(gbControls, "lAtrim", QRect(4, 34, 16, 16), QString());
    lRTrim = label(gbControls, "lRTrim", QRect(24, 34, 16, 16), QString());
    lFlaps = label(gbControls, "lFlaps", QRect(44, 34, 16, 16), QString());
    shpGearNose = lamp(gbControls, "shpGearNose", QRect(64, 34, 16, 16), clSilver);
    shpGearL = lamp(gbControls, "shpGearL", QRect(84, 34, 16, 16), clSilver);
    shpGearR = lamp(gbControls, "shpGearR", QRect(104, 34, 16, 16), clSilver);
}
