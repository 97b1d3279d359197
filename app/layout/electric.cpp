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

void TfrmACMain::buildElectricGroup()
{
    gbElectric = group(this, "gbElectric", QStringLiteral("Electrical"), QStringLiteral("Electrical Panel."), QRect(2, 420, 762, 72));
    knbMasterBat = knob(gbElectric, "knbMasterBat", QPoint(4, 14), {24, 0, 1});
    knbEngSelG = knob(gbElectric, "knbEngSelG", QPoint(24, 14), {24, 0, 1});
    knbCabin = knob(gbElectric, "knbCabin", QPoint(44, 14), {24, 0, 1});
    knbLogo = knob(gbElectric, "knbLogo", QPoint(64, 14), {24, 0, 1});
    knbWing = knob(gbElectric, "knbWing", QPoint(84, 14), {24, 0, 1});
    knbRecog = knob(gbElectric, "knbRecog", QPoint(104, 14), {24, 0, 1});
    knbPanel = knob(gbElectric, "knbPanel", QPoint(124, 14), {24, 0, 1});
    knbStrobe = knob(gbElectric, "knbStrobe", QPoint(144, 14), {24, 0, 1});
    knbTaxi = knob(gbElectric, "knbTaxi", QPoint(164, 14), {24, 0, 1});
    knbLand = knob(gbElectric, "knbLand", QPoint(184, 14), {24, 0, 1});
    knbBeacon = knob(gbElectric, "knbBeacon", QPoint(4, 34), {24, 0, 1});
    knbNavLt = knob(gbElectric, "knbNavLt", QPoint(24, 34), {24, 0, 1});
    knbSeatBelt = knob(gbElectric, "knbSeatBelt", QPoint(44, 34), {24, 0, 1});
    knbNoSmk = knob(gbElectric, "knbNoSmk", QPoint(64, 34), {24, 0, 1});
    knbPitot = knob(gbElectric, "knbPitot", QPoint(84, 34), {24, 0, 1});
    stBV = valueBox(gbElectric, "stBV", QRect(104, 34, 16, 16));
    lvLights = label(gbElectric, "lvLights", QRect(124, 34, 16, 16), QString());
    agBatteryV = gauge(gbElectric, "agBatteryV", QPoint(144, 34), {QSize(82, 80), RightStyle, 90, 10, 4, 10, 4, 100, 10, 90, clRed, clGreen, clYellow, QStringLiteral("")});
    agMainBus = gauge(gbElectric, "agMainBus", QPoint(164, 34), {QSize(82, 80), RightStyle, 90, 10, 4, 10, 4, 100, 10, 90, clRed, clGreen, clYellow, QStringLiteral("")});
    agMainAmp = gauge(gbElectric, "agMainAmp", QPoint(184, 34), {QSize(82, 80), RightStyle, 90, 10, 4, 10, 4, 100, 10, 90, clRed, clGreen, clYellow, QStringLiteral("")});
    sbtnAllOn = speedButton(gbElectric, "sbtnAllOn", QRect(4, 54, 16, 16), QString());
    sbtnAllOff = speedButton(gbElectric, "sbtnAllOff", QRect(24, 54, 16, 16), QString());
    sbtnBatFix = speedButton(gbElectric, "sbtnBatFix", QRect(44, 54, 16, 16), QString());
}
