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

void TfrmACMain::buildEnginesGroup()
{
    gbEngines = group(this, "gbEngines", QStringLiteral("Engines"), QStringLiteral("Engine Information and Control Panel."), QRect(2, 492, 762, 269));
    pnlEngGauges = panel(gbEngines, "pnlEngGauges", QRect(4, 14, 16, 16));
    pnlEngine1 = panel(gbEngines, "pnlEngine1", QRect(24, 14, 16, 16));
    pnlEngine2 = panel(gbEngines, "pnlEngine2", QRect(44, 14, 16, 16));
    pnlEngine3 = panel(gbEngines, "pnlEngine3", QRect(64, 14, 16, 16));
    pnlEngine4 = panel(gbEngines, "pnlEngine4", QRect(84, 14, 16, 16));
    knbMag = knob(gbEngines, "knbMag", QPoint(104, 14), {24, 0, 1});
    knbMag2 = knob(gbEngines, "knbMag2", QPoint(124, 14), {24, 0, 1});
    knbMag3 = knob(gbEngines, "knbMag3", QPoint(144, 14), {24, 0, 1});
    knbMag4 = knob(gbEngines, "knbMag4", QPoint(164, 14), {24, 0, 1});
    lMag1Pos = label(gbEngines, "lMag1Pos", QRect(184, 14, 16, 16), QString());
    lMag2Pos = label(gbEngines, "lMag2Pos", QRect(4, 34, 16, 16), QString());
    lMag3Pos = label(gbEngines, "lMag3Pos", QRect(24, 34, 16, 16), QString());
    lMag4Pos = label(gbEngines, "lMag4Pos", QRect(44, 34, 16, 16), QString());
    lT1 = label(gbEngines, "lT1", QRect(64, 34, 16, 16), QString());
    lP1 = label(gbEngines, "lP1", QRect(84, 34, 16, 16), QString());
    lM1 = label(gbEngines, "lM1", QRect(104, 34, 16, 16), QString());
    lT2 = label(gbEngines, "lT2", QRect(124, 34, 16, 16), QString());
    lP2 = label(gbEngines, "lP2", QRect(144, 34, 16, 16), QString());
    lM2 = label(gbEngines, "lM2", QRect(164, 34, 16, 16), QString());
    lT3 = label(gbEngines, "lT3", QRect(184, 34, 16, 16), QString());
    lP3 = label(gbEngines, "lP3", QRect(4, 54, 16, 16), QString());
    lM3 = label(gbEngines, "lM3", QRect(24, 54, 16, 16), QString());
    lT4 = label(gbEngines, "lT4", QRect(44, 54, 16, 16), QString());
    lP4 = label(gbEngines, "lP4", QRect(64, 54, 16, 16), QString());
    lM4 = label(gbEngines, "lM4", QRect(84, 54, 16, 16), QString());
    tbThrottle1 = lever(gbEngines, "tbThrottle1", QRect(104, 54, 16, 16), -100, 0, 0);
    tbProp1 = lever(gbEngines, "tbProp1", QRect(124, 54, 16, 16), -100, 0, 0);
    tbMix1 = lever(gbEngines, "tbMix1", QRect(144, 54, 16, 16), -100, 0, 0);
    tbThrottle2 = lever(gbEngines, "tbThrottle2", QRect(164, 54, 16, 16), -100, 0, 0);
    tbProp2 = lever(gbEngines, "tbProp2", QRect(184, 54, 16, 16), -100, 0, 0);
    tbMix2 = lever(gbEngines, "tbMix2", QRect(4, 74, 16, 16), -100, 0, 0);
    tbThrottle3 = lever(gbEngines, "tbThrottle3", QRect(24, 74, 16, 16), -100, 0, 0);
    tbProp3 = lever(gbEngines, "tbProp3", QRect(44, 74, 16, 16), -100, 0, 0);
    tbMix3 = lever(gbEngines, "tbMix3", QRect(64, 74, 16, 16), -100, 0, 0);
    tbThrottle4 = lever(gbEngines, "tbThrottle4", QRect(84, 74, 16, 16), -100, 0, 0);
    tbProp4 = lever(gbEngines, "tbProp4", QRect(104, 74, 16, 16), -100, 0, 0);
    tbMix4 = lever(gbEngines, "tbMix4", QRect(124, 74, 16, 16), -100, 0, 0);
    ShpEng1 = lamp(gbEngines, "ShpEng1", QRect(144, 74, 16, 16), clSilver);
    ShpEng2 = lamp(gbEngines, "ShpEng2", QRect(164, 74, 16, 16), clSilver);
    shpEng3 = lamp(gbEngines, "shpEng3", QRect(184, 74, 16, 16), clSilver);
    shpEng4 = lamp(gbEngines, "shpEng4", QRect(4, 94, 16, 16), clSilver);
    stCAT1 = valueBox(gbEngines, "stCAT1", QRect(24, 94, 16, 16));
    stCat2 = valueBox(gbEngines, "stCat2", QRect(44, 94, 16, 16));
    stCAT3 = valueBox(gbEngines, "stCAT3", QRect(64, 94, 16, 16));
    stCAT4 = valueBox(gbEngines, "stCAT4", QRect(84, 94, 16, 16));
    knbGen1 = knob(gbEngines, "knbGen1", QPoint(104, 94), {24, 0, 1});
    knbCarbHt1 = knob(gbEngines, "knbCarbHt1", QPoint(124, 94), {24, 0, 1});
    knbFV1 = knob(gbEngines, "knbFV1", QPoint(144, 94), {24, 0, 1});
    knbFP1 = knob(gbEngines, "knbFP1", QPoint(164, 94), {24, 0, 1});
    knbFeather1 = knob(gbEngines, "knbFeather1", QPoint(184, 94), {24, 0, 1});
    knbGen2 = knob(gbEngines, "knbGen2", QPoint(4, 114), {24, 0, 1});
    knbCarbHt2 = knob(gbEngines, "knbCarbHt2", QPoint(24, 114), {24, 0, 1});
    knbFV2 = knob(gbEngines, "knbFV2", QPoint(44, 114), {24, 0, 1});
    knbFP2 = knob(gbEngines, "knbFP2", QPoint(64, 114), {24, 0, 1});
    knbFeather2 = knob(gbEngines, "knbFeather2", QPoint(84, 114), {24, 0, 1});
    knbGen3 = knob(gbEngines, "knbGen3", QPoint(104, 114), {24, 0, 1});
    knbCarbHt3 = knob(gbEngines, "knbCarbHt3", QPoint(124, 114), {24, 0, 1});
    knbFV3 = knob(gbEngines, "knbFV3", QPoint(144, 114), {24, 0, 1});
    knbFP3 = knob(gbEngines, "knbFP3", QPoint(164, 114), {24, 0, 1});
    knbFeather3 = knob(gbEngines, "knbFeather3", QPoint(184, 114), {24, 0, 1});
    knbGen4 = knob(gbEngines, "knbGen4", QPoint(4, 134), {24, 0, 1});
    knbCarbHt4 = knob(gbEngines, "knbCarbHt4", QPoint(24, 134), {24, 0, 1});
    knbFV4 = knob(gbEngines, "knbFV4", QPoint(44, 134), {24, 0, 1});
    knbFP4 = knob(gbEngines, "knbFP4", QPoint(64, 134), {24, 0, 1});
    knbFeather4 = knob(gbEngines, "knbFeather4", QPoint(84, 134), {24, 0, 1});
    agRPM = gauge(gbEngines, "agRPM", QPoint(104, 134), {QSize(82, 80), RightStyle, 90, 10, 4, 10, 4, 100, 10, 90, clRed, clGreen, clYellow, QStringLiteral("")});
    agMAP = gauge(gbEngines, "agMAP", QPoint(124, 134), {QSize(82, 80), RightStyle, 90, 10, 4, 10, 4, 100, 10, 90, clRed, clGreen, clYellow, QStringLiteral("")});
    agCHT = gauge(gbEngines, "agCHT", QPoint(144, 134), {QSize(82, 80), RightStyle, 90, 10, 4, 10, 4, 100, 10, 90, clRed, clGreen, clYellow, QStringLiteral("")});
    agEGT = gauge(gbEngines, "agEGT", QPoint(164, 134), {QSize(82, 80), RightStyle, 90, 10, 4, 10, 4, 100, 10, 90, clRed, clGreen, clYellow, QStringLiteral("")});
    agOT = gauge(gbEngines, "agOT", QPoint(184, 134), {QSize(82, 80), RightStyle, 90, 10, 4, 10, 4, 100, 10, 90, clRed, clGreen, clYellow, QStringLiteral("")});
    agOP = gauge(gbEngines, "agOP", QPoint(4, 154), {QSize(82, 80), RightStyle, 90, 10, 4, 10, 4, 100, 10, 90, clRed, clGreen, clYellow, QStringLiteral("")});
    agFF = gauge(gbEngines, "agFF", QPoint(24, 154), {QSize(82, 80), RightStyle, 90, 10, 4, 10, 4, 100, 10, 90, clRed, clGreen, clYellow, QStringLiteral("")});
    stRPM1 = valueBox(gbEngines, "stRPM1", QRect(44, 154, 16, 16));
    stMAP1 = valueBox(gbEngines, "stMAP1", QRect(64, 154, 16, 16));
    stCHT1 = valueBox(gbEngines, "stCHT1", QRect(84, 154, 16, 16));
    stEGT1 = valueBox(gbEngines, "stEGT1", QRect(104, 154, 16, 16));
    stOT1 = valueBox(gbEngines, "stOT1", QRect(124, 154, 16, 16));
    stOP1 = valueBox(gbEngines, "stOP1", QRect(144, 154, 16, 16));
    stFF1 = valueBox(gbEngines, "stFF1", QRect(164, 154, 16, 16));
    stRatio1 = valueBox(gbEngines, "stRatio1", QRect(184, 154, 16, 16));
    stFP1 = valueBox(gbEngines, "stFP1", QRect(4, 174, 16, 16));
    stHP1 = valueBox(gbEngines, "stHP1", QRect(24, 174, 16, 16));
    stTPSI1 = valueBox(gbEngines, "stTPSI1", QRect(44, 174, 16, 16));
    lCFVal = label(gbEngines, "lCFVal", QRect(64, 174, 16, 16), QString());
    knbEngSel = knob(gbEngines, "knbEngSel", QPoint(84, 174), {24, 0, 1});
    cbxScanEng = checkBox(gbEngines, "cbxScanEng", QRect(104, 174, 16, 16), QString());
    knbPropSync = knob(gbEngines, "knbPropSync", QPoint(124, 174), {24, 0, 1});
    knbAutoFeather = knob(gbEngines, "knbAutoFeather", QPoint(144, 174), {24, 0, 1});
    knbHydPumps = knob(gbEngines, "knbHydPumps", QPoint(164, 174), {24, 0, 1});
    pnlImage1 = panel(gbEngines, "pnlImage1", QRect(184, 174, 16, 16));
    pnlImage2 = panel(gbEngines, "pnlImage2", QRect(4, 194, 16, 16));
    pnlImage3 = panel(gbEngines, "pnlImage3", QRect(24, 194, 16, 16));
    Image1 = picture(gbEngines, "Image1", QRect(44, 194, 16, 16), QImage());
    Image2 = picture(gbEngines, "Image2", QRect(64, 194, 16, 16), QImage());
    Image3 = picture(gbEngines, "Image3", QRect(84, 194, 16, 16), QImage());
    eImage1 = edit(gbEngines, "eImage1", QRect(104, 194, 16, 16), QString());
    eImage2 = edit(gbEngines, "eImage2", QRect(124, 194, 16, 16), QString());
    eImage3 = edit(gbEngines, "eImage3", QRect(144, 194, 16, 16), QString());
    eImage1time = edit(gbEngines, "eImage1time", QRect(164, 194, 16, 16), QString());
    FileListBox1 = fileList(gbEngines, "FileListBox1", QRect(184, 194, 16, 16), QStringLiteral("*.jpg;*.bmp"));
    btnImagePlay = button(gbEngines, "btnImagePlay", QRect(4, 214, 16, 16), QString());
    btnImagePlayExit = button(gbEngines, "btnImagePlayExit", QRect(24, 214, 16, 16), QString());
    limage1Ck = label(gbEngines, "limage1Ck", QRect(44, 214, 16, 16), QString());
    cbxImage1 = checkBox(gbEngines, "cbxImage1", QRect(64, 214, 16, 16), QString());
}
