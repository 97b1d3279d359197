#include "enginecolumn.h"

#include "gauge/tanaloggauge.h"
#include "uACMainForm.h"

EngineColumn engineColumn(const TfrmACMain &w, int engine)
{
    switch (engine) {
    case 2:
        return {w.pnlEngine2, w.knbMag2, w.lMag2Pos, w.tbThrottle2, w.tbProp2, w.tbMix2, w.lT2, w.lP2, w.lM2,
                w.ShpEng2,    w.stCat2,  w.knbGen2,  w.knbCarbHt2,  w.knbFV2,  w.knbFP2, w.knbFeather2};
    case 3:
        return {w.pnlEngine3, w.knbMag3, w.lMag3Pos, w.tbThrottle3, w.tbProp3, w.tbMix3, w.lT3, w.lP3, w.lM3,
                w.shpEng3,    w.stCAT3,  w.knbGen3,  w.knbCarbHt3,  w.knbFV3,  w.knbFP3, w.knbFeather3};
    case 4:
        return {w.pnlEngine4, w.knbMag4, w.lMag4Pos, w.tbThrottle4, w.tbProp4, w.tbMix4, w.lT4, w.lP4, w.lM4,
                w.shpEng4,    w.stCAT4,  w.knbGen4,  w.knbCarbHt4,  w.knbFV4,  w.knbFP4, w.knbFeather4};
    default:
        return {w.pnlEngine1, w.knbMag,  w.lMag1Pos, w.tbThrottle1, w.tbProp1, w.tbMix1, w.lT1, w.lP1, w.lM1,
                w.ShpEng1,    w.stCAT1,  w.knbGen1,  w.knbCarbHt1,  w.knbFV1,  w.knbFP1, w.knbFeather1};
    }
}

void setDialRange(TAnalogGauge &dial, const rules::DialRange &range)
{
    dial.SetScale(range.scale);
    dial.SetIndMaximum(range.indMaximum);
    dial.SetIndMinimum(range.indMinimum);
}
