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

void TfrmACMain::buildVORGroups()
{
    gbVOR1 = group(this, "gbVOR1", QStringLiteral("VOR1"), QStringLiteral("VOR 1 Panel"), QRect(480, 274, 141, 145));
    lVor1 = label(gbVOR1, "lVor1", QRect(4, 14, 16, 16), QString());
    stV1Dist = valueBox(gbVOR1, "stV1Dist", QRect(24, 14, 16, 16));
    stV1Spd = valueBox(gbVOR1, "stV1Spd", QRect(44, 14, 16, 16));
    stV1Time = valueBox(gbVOR1, "stV1Time", QRect(64, 14, 16, 16));
    stV1Brg = valueBox(gbVOR1, "stV1Brg", QRect(84, 14, 16, 16));
    rImgVOR1Lubber = rotatable(gbVOR1, "rImgVOR1Lubber", QRect(104, 14, 105, 105), QImage());
    rImgVOR1Needle = rotatable(gbVOR1, "rImgVOR1Needle", QRect(124, 14, 105, 105), QImage());
    gbVOR2 = group(this, "gbVOR2", QStringLiteral("VOR2"), QStringLiteral("VOR 2 Panel"), QRect(624, 274, 140, 145));
    lVOR2 = label(gbVOR2, "lVOR2", QRect(4, 14, 16, 16), QString());
    stV2Dist = valueBox(gbVOR2, "stV2Dist", QRect(24, 14, 16, 16));
    stV2Spd = valueBox(gbVOR2, "stV2Spd", QRect(44, 14, 16, 16));
    stV2Time = valueBox(gbVOR2, "stV2Time", QRect(64, 14, 16, 16));
    stV2Brg = valueBox(gbVOR2, "stV2Brg", QRect(84, 14, 16, 16));
    rImgVOR2Lubber = rotatable(gbVOR2, "rImgVOR2Lubber", QRect(104, 14, 105, 105), QImage());
    rImgVOR2Needle = rotatable(gbVOR2, "rImgVOR2Needle", QRect(124, 14, 105, 105), QImage());
}
