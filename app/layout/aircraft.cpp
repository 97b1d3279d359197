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

void TfrmACMain::buildAircraftGroup()
{
    gbAircraft = group(this, "gbAircraft", QStringLiteral("Aircraft"), QStringLiteral("Aircraft/Flight Information and Configuration Panel"), QRect(2, 0, 762, 84));
    lSit = label(gbAircraft, "lSit", QRect(4, 14, 16, 16), QString());
    lLocDate = label(gbAircraft, "lLocDate", QRect(24, 14, 16, 16), QString());
    lSeason = label(gbAircraft, "lSeason", QRect(44, 14, 16, 16), QString());
    lTailNo = label(gbAircraft, "lTailNo", QRect(64, 14, 16, 16), QString());
    lAirline = label(gbAircraft, "lAirline", QRect(84, 14, 16, 16), QString());
    lzfwgt = label(gbAircraft, "lzfwgt", QRect(104, 14, 16, 16), QString());
    lgwgt = label(gbAircraft, "lgwgt", QRect(124, 14, 16, 16), QString());
    lewgt = label(gbAircraft, "lewgt", QRect(144, 14, 16, 16), QString());
    lvs0 = label(gbAircraft, "lvs0", QRect(164, 14, 16, 16), QString());
    lvs1 = label(gbAircraft, "lvs1", QRect(184, 14, 16, 16), QString());
    lvc = label(gbAircraft, "lvc", QRect(4, 34, 16, 16), QString());
    lNoEng = label(gbAircraft, "lNoEng", QRect(24, 34, 16, 16), QString());
    lTailDrag = label(gbAircraft, "lTailDrag", QRect(44, 34, 16, 16), QString());
    lGearType = label(gbAircraft, "lGearType", QRect(64, 34, 16, 16), QString());
    lZoom = label(gbAircraft, "lZoom", QRect(84, 34, 16, 16), QString());
    DTP1 = datePicker(gbAircraft, "DTP1", QRect(104, 34, 16, 16));
    DTP2 = timePicker(gbAircraft, "DTP2", QRect(124, 34, 16, 16));
    rgPropType = radioGroup(gbAircraft, "rgPropType", QRect(144, 34, 16, 16), QString(), {}, -1);
    rgTemp = radioGroup(gbAircraft, "rgTemp", QRect(164, 34, 16, 16), QString(), {}, -1);
    rgBaro = radioGroup(gbAircraft, "rgBaro", QRect(184, 34, 16, 16), QString(), {}, -1);
    shpAutoRudder = lamp(gbAircraft, "shpAutoRudder", QRect(4, 54, 16, 16), clSilver);
    sbtnTimeSet = speedButton(gbAircraft, "sbtnTimeSet", QRect(24, 54, 16, 16), QString());
    eSimRate = edit(gbAircraft, "eSimRate", QRect(44, 54, 16, 16), QString());
    UpDown1 = upDown(gbAircraft, "UpDown1", QRect(64, 54, 16, 16), nullptr, 0, 32, 1);
    eServCeiling = edit(gbAircraft, "eServCeiling", QRect(84, 54, 16, 16), QString());
    ShapeD1 = lamp(gbAircraft, "ShapeD1", QRect(104, 54, 16, 16), clSilver);
    ShapeD2 = lamp(gbAircraft, "ShapeD2", QRect(124, 54, 16, 16), clSilver);
    ShapeD3 = lamp(gbAircraft, "ShapeD3", QRect(144, 54, 16, 16), clSilver);
    ShapeD4 = lamp(gbAircraft, "ShapeD4", QRect(164, 54, 16, 16), clSilver);
    ShapeD5 = lamp(gbAircraft, "ShapeD5", QRect(184, 54, 16, 16), clSilver);
    ShapeD6 = lamp(gbAircraft, "ShapeD6", QRect(4, 74, 16, 16), clSilver);
    ShapeD7 = lamp(gbAircraft, "ShapeD7", QRect(24, 74, 16, 16), clSilver);
    ShapeD8 = lamp(gbAircraft, "ShapeD8", QRect(44, 74, 16, 16), clSilver);
}
