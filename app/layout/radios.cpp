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

void TfrmACMain::buildRadiosGroup()
{
    gbAvionics = group(this, "gbAvionics", QStringLiteral("Radios"), QStringLiteral("Radios, Localizer and Transponder Panel"), QRect(767, 0, 386, 420));
    knbAvionics = knob(gbAvionics, "knbAvionics", QPoint(4, 14), {24, 0, 1});
    knbTransOn = knob(gbAvionics, "knbTransOn", QPoint(24, 14), {24, 0, 1});
    knbMHz1 = knob(gbAvionics, "knbMHz1", QPoint(44, 14), {24, 0, 1});
    knbKHz1 = knob(gbAvionics, "knbKHz1", QPoint(64, 14), {24, 0, 1});
    knbMHz2 = knob(gbAvionics, "knbMHz2", QPoint(84, 14), {24, 0, 1});
    knbKHz2 = knob(gbAvionics, "knbKHz2", QPoint(104, 14), {24, 0, 1});
    knbT1 = knob(gbAvionics, "knbT1", QPoint(124, 14), {24, 0, 1});
    knbT2 = knob(gbAvionics, "knbT2", QPoint(144, 14), {24, 0, 1});
    knbT3 = knob(gbAvionics, "knbT3", QPoint(164, 14), {24, 0, 1});
    knbT4 = knob(gbAvionics, "knbT4", QPoint(184, 14), {24, 0, 1});
    shpRad1 = lamp(gbAvionics, "shpRad1", QRect(4, 34, 16, 16), clSilver);
    shpRad2 = lamp(gbAvionics, "shpRad2", QRect(24, 34, 16, 16), clSilver);
    shpNav1Pwr = lamp(gbAvionics, "shpNav1Pwr", QRect(44, 34, 16, 16), clSilver);
    shpNav2pwr = lamp(gbAvionics, "shpNav2pwr", QRect(64, 34, 16, 16), clSilver);
    shpVOR1On = lamp(gbAvionics, "shpVOR1On", QRect(84, 34, 16, 16), clSilver);
    shpVOR2On = lamp(gbAvionics, "shpVOR2On", QRect(104, 34, 16, 16), clSilver);
    shpLoc1 = lamp(gbAvionics, "shpLoc1", QRect(124, 34, 16, 16), clSilver);
    shpGS1 = lamp(gbAvionics, "shpGS1", QRect(144, 34, 16, 16), clSilver);
    shpMkrIn = lamp(gbAvionics, "shpMkrIn", QRect(164, 34, 16, 16), clSilver);
    shpMkrMid = lamp(gbAvionics, "shpMkrMid", QRect(184, 34, 16, 16), clSilver);
    shpMkrOut = lamp(gbAvionics, "shpMkrOut", QRect(4, 54, 16, 16), clSilver);
    shpLoc = lamp(gbAvionics, "shpLoc", QRect(24, 54, 16, 16), clSilver);
    shpGS = lamp(gbAvionics, "shpGS", QRect(44, 54, 16, 16), clSilver);
    stCom1 = valueBox(gbAvionics, "stCom1", QRect(64, 54, 16, 16));
    stCom2 = valueBox(gbAvionics, "stCom2", QRect(84, 54, 16, 16));
    stNav1 = valueBox(gbAvionics, "stNav1", QRect(104, 54, 16, 16));
    stNav2 = valueBox(gbAvionics, "stNav2", QRect(124, 54, 16, 16));
    lTrans1 = label(gbAvionics, "lTrans1", QRect(144, 54, 16, 16), QString());
    lTrans2 = label(gbAvionics, "lTrans2", QRect(164, 54, 16, 16), QString());
    lTrans3 = label(gbAvionics, "lTrans3", QRect(184, 54, 16, 16), QString());
    lTrans4 = label(gbAvionics, "lTrans4", QRect(4, 74, 16, 16), QString());
    lLoc1 = label(gbAvionics, "lLoc1", QRect(24, 74, 16, 16), QString());
    lGS1 = label(gbAvionics, "lGS1", QRect(44, 74, 16, 16), QString());
    eCom1s = edit(gbAvionics, "eCom1s", QRect(64, 74, 16, 16), QString());
    eCom2s = edit(gbAvionics, "eCom2s", QRect(84, 74, 16, 16), QString());
    eNav1s = edit(gbAvionics, "eNav1s", QRect(104, 74, 16, 16), QString());
    eNav2s = edit(gbAvionics, "eNav2s", QRect(124, 74, 16, 16), QString());
    sbtnComNav1 = speedButton(gbAvionics, "sbtnComNav1", QRect(144, 74, 16, 16), QString());
    sbtnComNav2 = speedButton(gbAvionics, "sbtnComNav2", QRect(164, 74, 16, 16), QString());
    sbtnComSwitch1 = speedButton(gbAvionics, "sbtnComSwitch1", QRect(184, 74, 16, 16), QString());
    sbtnComSwitch2 = speedButton(gbAvionics, "sbtnComSwitch2", QRect(4, 94, 16, 16), QString());
    sbtnNavSwitch1 = speedButton(gbAvionics, "sbtnNavSwitch1", QRect(24, 94, 16, 16), QString());
    sbtnNavSwitch2 = speedButton(gbAvionics, "sbtnNavSwitch2", QRect(44, 94, 16, 16), QString());
    sbtnCom1 = speedButton(gbAvionics, "sbtnCom1", QRect(64, 94, 16, 16), QString());
    sbtnCom2 = speedButton(gbAvionics, "sbtnCom2", QRect(84, 94, 16, 16), QString());
    sbtnBoth = speedButton(gbAvionics, "sbtnBoth", QRect(104, 94, 16, 16), QString());
    sbtnNav1 = speedButton(gbAvionics, "sbtnNav1", QRect(124, 94, 16, 16), QString());
    sbtnNav2 = speedButton(gbAvionics, "sbtnNav2", QRect(144, 94, 16, 16), QString());
    sbtnMkr = speedButton(gbAvionics, "sbtnMkr", QRect(164, 94, 16, 16), QString());
    sbtnDME = speedButton(gbAvionics, "sbtnDME", QRect(184, 94, 16, 16), QString());
    sbtnADF = speedButton(gbAvionics, "sbtnADF", QRect(4, 114, 16, 16), QString());
    sbtnTransVFR = speedButton(gbAvionics, "sbtnTransVFR", QRect(24, 114, 16, 16), QString());
    rgTrans = radioGroup(gbAvionics, "rgTrans", QRect(44, 114, 16, 16), QString(), {}, -1);
    pnlNeedles = panel(gbAvionics, "pnlNeedles", QRect(64, 114, 16, 16));
}
