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

void TfrmACMain::buildAPGroup()
{
    gbAP = group(this, "gbAP", QStringLiteral("Navigation/AP"), QStringLiteral("Navigation/AutoPilot Instrument"), QRect(903, 420, 251, 311));
    knbAutoPilotMaster = knob(gbAP, "knbAutoPilotMaster", QPoint(4, 14), {24, 0, 1});
    knbAltSet = knob(gbAP, "knbAltSet", QPoint(24, 14), {24, 0, 1});
    knbHeadBug = knob(gbAP, "knbHeadBug", QPoint(44, 14), {24, 0, 1});
    knbNavCrs = knob(gbAP, "knbNavCrs", QPoint(64, 14), {24, 0, 1});
    knbNavCrs2 = knob(gbAP, "knbNavCrs2", QPoint(84, 14), {24, 0, 1});
    knbNavGps = knob(gbAP, "knbNavGps", QPoint(104, 14), {24, 0, 1});
    knbVertSpd = knob(gbAP, "knbVertSpd", QPoint(124, 14), {24, 0, 1});
    knbAPNav = knob(gbAP, "knbAPNav", QPoint(144, 14), {24, 0, 1});
    knbAPHead = knob(gbAP, "knbAPHead", QPoint(164, 14), {24, 0, 1});
    knbAPAlt = knob(gbAP, "knbAPAlt", QPoint(184, 14), {24, 0, 1});
    knbWingLevel = knob(gbAP, "knbWingLevel", QPoint(4, 34), {24, 0, 1});
    knbAPFD = knob(gbAP, "knbAPFD", QPoint(24, 34), {24, 0, 1});
    knbAPApr = knob(gbAP, "knbAPApr", QPoint(44, 34), {24, 0, 1});
    knbAPBC = knob(gbAP, "knbAPBC", QPoint(64, 34), {24, 0, 1});
    knbYawDamp = knob(gbAP, "knbYawDamp", QPoint(84, 34), {24, 0, 1});
    eAPAlt = edit(gbAP, "eAPAlt", QRect(104, 34, 16, 16), QString());
    eAPHead = edit(gbAP, "eAPHead", QRect(124, 34, 16, 16), QString());
    eAPCrs = edit(gbAP, "eAPCrs", QRect(144, 34, 16, 16), QString());
    eCrs2 = edit(gbAP, "eCrs2", QRect(164, 34, 16, 16), QString());
    eVertSp = edit(gbAP, "eVertSp", QRect(184, 34, 16, 16), QString());
    tbElevUpDn = lever(gbAP, "tbElevUpDn", QRect(4, 54, 16, 16), -100, 0, 0);
    lnavgps = label(gbAP, "lnavgps", QRect(24, 54, 16, 16), QString());
    lHdg = label(gbAP, "lHdg", QRect(44, 54, 16, 16), QString());
    lNorth = label(gbAP, "lNorth", QRect(64, 54, 16, 16), QString());
    lNE = label(gbAP, "lNE", QRect(84, 54, 16, 16), QString());
    lEast = label(gbAP, "lEast", QRect(104, 54, 16, 16), QString());
    lSE = label(gbAP, "lSE", QRect(124, 54, 16, 16), QString());
    lSouth = label(gbAP, "lSouth", QRect(144, 54, 16, 16), QString());
    lSW = label(gbAP, "lSW", QRect(164, 54, 16, 16), QString());
    lWest = label(gbAP, "lWest", QRect(184, 54, 16, 16), QString());
    lNW = label(gbAP, "lNW", QRect(4, 74, 16, 16), QString());
    lNCrs = label(gbAP, "lNCrs", QRect(24, 74, 16, 16), QString());
    lECrs = label(gbAP, "lECrs", QRect(44, 74, 16, 16), QString());
    lSCrs = label(gbAP, "lSCrs", QRect(64, 74, 16, 16), QString());
    lWCrs = label(gbAP, "lWCrs", QRect(84, 74, 16, 16), QString());
    lAltZero = label(gbAP, "lAltZero", QRect(104, 74, 16, 16), QString());
    lAlt5K = label(gbAP, "lAlt5K", QRect(124, 74, 16, 16), QString());
    lAlt10K = label(gbAP, "lAlt10K", QRect(144, 74, 16, 16), QString());
    lAlt20K = label(gbAP, "lAlt20K", QRect(164, 74, 16, 16), QString());
}
