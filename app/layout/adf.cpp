// The ADF receiver: frequency window between its hundreds and tens knobs, the
// bearing instrument (card with the needle over it), bearing, station
// identifier and signal lamp.
#include "uACMainForm.h"

#include "adapters/paneledit.h"
#include "adapters/panellabel.h"
#include "adapters/panelshape.h"
#include "artwork/artwork.h"
#include "image/trotatableimage.h"
#include "layoutkit.h"

#include <QGroupBox>

using namespace layout;

namespace {

} // namespace

void TfrmACMain::buildADFGroup()
{
    gbADF = group(this, "gbADF", QStringLiteral("ADF"), QStringLiteral("ADF Panel"), QRect(765, 420, 137, 224));
    QWidget *g = gbADF;

    // Tuning: hundreds knob, frequency in kHz (typed, or composed by the
    // knobs), tens-and-units knob; both knobs are turned with the mouse wheel.
    knbADF2 = knob(g, "knbADF2", {6, 16}, {26, 1, 17, itLine, 4, 2}, QStringLiteral("100s"));
    eADFFreq = edit(g, "eADFFreq", {38, 19, 60, 20}, QStringLiteral("1799.5"), QStringLiteral("ADF Frequency in kHz"));
    eADFFreq->setAlignment(Qt::AlignCenter);
    knbADF = knob(g, "knbADF", {104, 16}, {26, 0, 99, itLine, 4, 2}, QStringLiteral("10s"));
    caption(g, {4, 43, 30, 11}, QStringLiteral("100s"), Qt::AlignCenter, 9);
    caption(g, {38, 42, 60, 11}, QStringLiteral("kHz"), Qt::AlignCenter, 9);
    caption(g, {102, 43, 30, 11}, QStringLiteral("10s"), Qt::AlignCenter, 9);

    // The instrument: the card first, the bearing needle turned over it.
    rImgADFLubber = rotatable(g, "rImgADFLubber", {16, 56, 105, 105}, artwork::adfCard());
    rImgADFBrg = rotatable(g, "rImgADFBrg", {16, 56, 105, 105}, artwork::adfNeedle());

    // Relative bearing, signal, station identifier.
    caption(g, {6, 167, 28, 13}, QStringLiteral("BRG"));
    stADFB = valueBox(g, "stADFB", {34, 165, 40, 18}, QStringLiteral("0"), QStringLiteral("ADF Relative Bearing"));
    shpADFSignal = lamp(g, "shpADFSignal", {84, 168, 12, 12}, clSilver, QStringLiteral("ADF Signal Received"));
    caption(g, {100, 167, 30, 13}, QStringLiteral("SIG"));
    caption(g, {6, 191, 28, 13}, QStringLiteral("ID"));
    stADFR = valueBox(g, "stADFR", {34, 189, 96, 18}, QString(), QStringLiteral("ADF Station Identifier"));
}
