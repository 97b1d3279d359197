// The additional engine controls beside the engines group: lever
// synchronisation, automatic mixture and the cowl flaps of all engines.
#include "uACMainForm.h"

#include "adapters/panellabel.h"
#include "layoutkit.h"

#include <QCheckBox>
#include <QFrame>

using namespace layout;

void TfrmACMain::buildAddEngPanel()
{
    pnlAddEng = panel(this, "pnlAddEng", QRect(766, 648, 137, 84), clMedGray, Bevel::Raised,
                      QStringLiteral("Additional Engine Control"));
    QWidget *p = pnlAddEng;

    cbxSyncEng = checkBox(p, "cbxSyncEng", QRect(6, 4, 110, 17), QStringLiteral("Sync Engines"),
                          QStringLiteral("Move the levers of all running engines with those of engine 1 or 2"));
    cbxAutoMix = checkBox(p, "cbxAutoMix", QRect(6, 22, 110, 17), QStringLiteral("AutoMixture"),
                          QStringLiteral("Keep the mixture at the best air mass ratio"));

    knbCowlFlaps = knob(p, "knbCowlFlaps", {6, 41}, {40, 0, 10, itLine, 8, 2},
                        QStringLiteral("Cowl Flaps: 0 Closed to 10 Open"));
    label(p, nullptr, QRect(52, 54, 70, 13), QStringLiteral("Cowl Flaps"));
    // The cowl flaps as last read.
    lCFVal = label(p, "lCFVal", QRect(52, 68, 30, 13), QStringLiteral("0"));
    lCFVal->hide();
}
