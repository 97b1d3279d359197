#include "fueltanks.h"

#include "uACMainForm.h"

std::array<FuelTankControls, 11> fuelTanks(const TfrmACMain &w)
{
    const auto &t = catalogue::FuelTanks;
    return {{
        {t[0], w.pnlFC1, w.tbFuelC, w.lFC1, w.lFC1p},
        {t[1], w.pnlFC2, w.tbFuelC2, w.lFC2, w.lFC2p},
        {t[2], w.pnlFC3, w.tbFuelC3, w.lFC3, w.lFC3p},
        {t[3], w.pnlFLM, w.tbFLM, w.lFLM, w.lFLMp},
        {t[4], w.pnlFRM, w.tbFRM, w.lFRM, w.lFRMp},
        {t[5], w.pnlFLA, w.tbFLA, w.lFLA, w.lFLAp},
        {t[6], w.pnlFLT, w.tbFLT, w.lFLT, w.lFLTp},
        {t[7], w.pnlFRA, w.tbFRA, w.lFRA, w.lFRAp},
        {t[8], w.pnlFRT, w.tbFRT, w.lFRT, w.lFRTp},
        {t[9], w.pnlFE1, w.tbFE1, w.lFE1, w.lE1p},
        {t[10], w.pnlFE2, w.tbFE2, w.lFE2, w.lE2p},
    }};
}
