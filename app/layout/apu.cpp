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

void TfrmACMain::buildAPUGroup()
{
    gbAPU = group(this, "gbAPU", QStringLiteral("APU"), QStringLiteral("APU Information/Control Panel. Double Click to Close."), QRect(480, 275, 285, 145));
    knbAPU = knob(gbAPU, "knbAPU", QPoint(4, 14), {24, 0, 1});
    lAPUOff = label(gbAPU, "lAPUOff", QRect(24, 14, 16, 16), QString());
    lAPUOn = label(gbAPU, "lAPUOn", QRect(44, 14, 16, 16), QString());
    lAPUStart = label(gbAPU, "lAPUStart", QRect(64, 14, 16, 16), QString());
    agAPURPM = gauge(gbAPU, "agAPURPM", QPoint(84, 14), {QSize(82, 80), RightStyle, 90, 10, 4, 10, 4, 100, 10, 90, clRed, clGreen, clYellow, QStringLiteral("")});
    stRPMAPU = valueBox(gbAPU, "stRPMAPU", QRect(104, 14, 16, 16));
    agAPU = gauge(gbAPU, "agAPU", QPoint(124, 14), {QSize(82, 80), RightStyle, 90, 10, 4, 10, 4, 100, 10, 90, clRed, clGreen, clYellow, QStringLiteral("")});
    shpAPU = lamp(gbAPU, "shpAPU", QRect(144, 14, 16, 16), clSilver);
    sbtnAPU = speedButton(gbAPU, "sbtnAPU", QRect(164, 14, 16, 16), QString());
}
