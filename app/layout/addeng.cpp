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

void TfrmACMain::buildAddEngPanel()
{
    pnlAddEng = panel(this, "pnlAddEng", QRect(766, 648, 137, 84), clMedGray, Bevel::Raised, QStringLiteral("Additional Engine Control"));
    cbxSyncEng = checkBox(pnlAddEng, "cbxSyncEng", QRect(4, 14, 16, 16), QString());
    cbxAutoMix = checkBox(pnlAddEng, "cbxAutoMix", QRect(24, 14, 16, 16), QString());
    knbCowlFlaps = knob(pnlAddEng, "knbCowlFlaps", QPoint(44, 14), {24, 0, 1});
}
