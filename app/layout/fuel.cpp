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

void TfrmACMain::buildFuelGroup()
{
    gbFuel = group(this, "gbFuel", QStringLiteral("Fuel - 0000"), QStringLiteral("Fuel Panel - Total Fuel Amount in Pounds"), QRect(2, 347, 475, 72));
    lFuelQSel = label(gbFuel, "lFuelQSel", QRect(4, 14, 16, 16), QString());
    lFuelQTot = label(gbFuel, "lFuelQTot", QRect(24, 14, 16, 16), QString());
    lFuelSelNum = label(gbFuel, "lFuelSelNum", QRect(44, 14, 16, 16), QString());
    lFuelSelNum2 = label(gbFuel, "lFuelSelNum2", QRect(64, 14, 16, 16), QString());
    lFuelSelNum3 = label(gbFuel, "lFuelSelNum3", QRect(84, 14, 16, 16), QString());
    lFuelSelNum4 = label(gbFuel, "lFuelSelNum4", QRect(104, 14, 16, 16), QString());
    lFuelNSel = label(gbFuel, "lFuelNSel", QRect(124, 14, 16, 16), QString());
    knbFuelPumpMaster = knob(gbFuel, "knbFuelPumpMaster", QPoint(144, 14), {24, 0, 1});
    knbFuelXFeed = knob(gbFuel, "knbFuelXFeed", QPoint(164, 14), {24, 0, 1});
    knbMasterFuel = knob(gbFuel, "knbMasterFuel", QPoint(184, 14), {24, 0, 1});
    knbFuelSel2 = knob(gbFuel, "knbFuelSel2", QPoint(4, 34), {24, 0, 1});
    knbFuelSel3 = knob(gbFuel, "knbFuelSel3", QPoint(24, 34), {24, 0, 1});
    knbFuelSel4 = knob(gbFuel, "knbFuelSel4", QPoint(44, 34), {24, 0, 1});
    pnlFC1 = panel(gbFuel, "pnlFC1", QRect(64, 34, 16, 16));
    pnlFC2 = panel(gbFuel, "pnlFC2", QRect(84, 34, 16, 16));
    pnlFC3 = panel(gbFuel, "pnlFC3", QRect(104, 34, 16, 16));
    pnlFLM = panel(gbFuel, "pnlFLM", QRect(124, 34, 16, 16));
    pnlFRM = panel(gbFuel, "pnlFRM", QRect(144, 34, 16, 16));
    pnlFLA = panel(gbFuel, "pnlFLA", QRect(164, 34, 16, 16));
    pnlFLT = panel(gbFuel, "pnlFLT", QRect(184, 34, 16, 16));
    pnlFRA = panel(gbFuel, "pnlFRA", QRect(4, 54, 16, 16));
    pnlFRT = panel(gbFuel, "pnlFRT", QRect(24, 54, 16, 16));
    pnlFE1 = panel(gbFuel, "pnlFE1", QRect(44, 54, 16, 16));
    pnlFE2 = panel(gbFuel, "pnlFE2", QRect(64, 54, 16, 16));
    tbFuelC = lever(gbFuel, "tbFuelC", QRect(84, 54, 16, 16), -100, 0, 0);
    tbFuelC2 = lever(gbFuel, "tbFuelC2", QRect(104, 54, 16, 16), -100, 0, 0);
    tbFuelC3 = lever(gbFuel, "tbFuelC3", QRect(124, 54, 16, 16), -100, 0, 0);
    tbFLM = lever(gbFuel, "tbFLM", QRect(144, 54, 16, 16), -100, 0, 0);
    tbFRM = lever(gbFuel, "tbFRM", QRect(164, 54, 16, 16), -100, 0, 0);
    tbFLA = lever(gbFuel, "tbFLA", QRect(184, 54, 16, 16), -100, 0, 0);
    tbFLT = lever(gbFuel, "tbFLT", QRect(4, 74, 16, 16), -100, 0, 0);
    tbFRA = lever(gbFuel, "tbFRA", QRect(24, 74, 16, 16), -100, 0, 0);
    tbFRT = lever(gbFuel, "tbFRT", QRect(44, 74, 16, 16), -100, 0, 0);
    tbFE1 = lever(gbFuel, "tbFE1", QRect(64, 74, 16, 16), -100, 0, 0);
    tbFE2 = lever(gbFuel, "tbFE2", QRect(84, 74, 16, 16), -100, 0, 0);
    lFC1 = label(gbFuel, "lFC1", QRect(104, 74, 16, 16), QString());
    lFC2 = label(gbFuel, "lFC2", QRect(124, 74, 16, 16), QString());
    lFC3 = label(gbFuel, "lFC3", QRect(144, 74, 16, 16), QString());
    lFLM = label(gbFuel, "lFLM", QRect(164, 74, 16, 16), QString());
    lFRM = label(gbFuel, "lFRM", QRect(184, 74, 16, 16), QString());
    lFLA = label(gbFuel, "lFLA", QRect(4, 94, 16, 16), QString());
    lFLT = label(gbFuel, "lFLT", QRect(24, 94, 16, 16), QString());
    lFRA = label(gbFuel, "lFRA", QRect(44, 94, 16, 16), QString());
    lFRT = label(gbFuel, "lFRT", QRect(64, 94, 16, 16), QString());
    lFE1 = label(gbFuel, "lFE1", QRect(84, 94, 16, 16), QString());
    lFE2 = label(gbFuel, "lFE2", QRect(104, 94, 16, 16), QString());
    lFC1p = label(gbFuel, "lFC1p", QRect(124, 94, 16, 16), QString());
    lFC2p = label(gbFuel, "lFC2p", QRect(144, 94, 16, 16), QString());
    lFC3p = label(gbFuel, "lFC3p", QRect(164, 94, 16, 16), QString());
    lFLMp = label(gbFuel, "lFLMp", QRect(184, 94, 16, 16), QString());
    lFRMp = label(gbFuel, "lFRMp", QRect(4, 114, 16, 16), QString());
    lFLAp = label(gbFuel, "lFLAp", QRect(24, 114, 16, 16), QString());
    lFLTp = label(gbFuel, "lFLTp", QRect(44, 114, 16, 16), QString());
    lFRAp = label(gbFuel, "lFRAp", QRect(64, 114, 16, 16), QString());
    lFRTp = label(gbFuel, "lFRTp", QRect(84, 114, 16, 16), QString());
    lE1p = label(gbFuel, "lE1p", QRect(104, 114, 16, 16), QString());
    lE2p = label(gbFuel, "lE2p", QRect(124, 114, 16, 16), QString());
}
