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

void TfrmACMain::buildADFGroup()
{
    gbADF = group(this, "gbADF", QStringLiteral("ADF"), QStringLiteral("ADF Panel"), QRect(765, 420, 137, 224));
    eADFFreq = edit(gbADF, "eADFFreq", QRect(4, 14, 16, 16), QString());
    stADFB = valueBox(gbADF, "stADFB", QRect(24, 14, 16, 16));
    stADFR = valueBox(gbADF, "stADFR", QRect(44, 14, 16, 16));
    rImgADFLubber = rotatable(gbADF, "rImgADFLubber", QRect(64, 14, 105, 105), QImage());
    rImgADFBrg = rotatable(gbADF, "rImgADFBrg", QRect(84, 14, 105, 105), QImage());
    shpADFSignal = lamp(gbADF, "shpADFSignal", QRect(104, 14, 16, 16), clSilver);
    knbADF = knob(gbADF, "knbADF", QPoint(124, 14), {24, 0, 1});
    knbADF2 = knob(gbADF, "knbADF2", QPoint(144, 14), {24, 0, 1});
}
