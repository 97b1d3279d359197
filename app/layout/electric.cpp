// The electrical group: the ten light switches and the cabin signs with pitot
// heat, each captioned under it, with the all-lights buttons and the battery
// reset in a strip below them; then the master battery, the battery dial, the
// bus selector and the bus voltage and current dials.
#include "uACMainForm.h"

#include "adapters/panellabel.h"
#include "adapters/speedbutton.h"
#include "gauge/tanaloggauge.h"
#include "layoutkit.h"

#include <QGroupBox>

using namespace layout;

namespace {

} // namespace

void TfrmACMain::buildElectricGroup()
{
    gbElectric = group(this, "gbElectric", QStringLiteral("Electrical"), QStringLiteral("Electrical Panel."),
                       QRect(2, 420, 762, 72));
    QWidget *g = gbElectric;

    // Two-position switches in one row, exterior lights first. Their centres
    // are spaced by the widths of the captions under them, so that no two
    // captions run together in the panel font.
    struct Switch {
        TKnob *&knob;
        const char *name, *title, *hint;
        int centre;
    } switches[] = {
        {knbNavLt, "knbNavLt", "Nav", "Navigation Lights", 19},
        {knbBeacon, "knbBeacon", "Bcn", "Beacon Light", 49},
        {knbStrobe, "knbStrobe", "Strobe", "Strobe Lights", 81},
        {knbLand, "knbLand", "Land", "Landing Lights", 116},
        {knbTaxi, "knbTaxi", "Taxi", "Taxi Lights", 146},
        {knbLogo, "knbLogo", "Logo", "Logo Lights", 176},
        {knbWing, "knbWing", "Wing", "Wing Lights", 206},
        {knbRecog, "knbRecog", "Recog", "Recognition Lights", 240},
        {knbPanel, "knbPanel", "Panel", "Panel Lights", 275},
        {knbCabin, "knbCabin", "Cabin", "Cabin Lights", 309},
        // Pitot heat and the cabin signs.
        {knbPitot, "knbPitot", "Pitot", "Pitot Heat", 344},
        {knbSeatBelt, "knbSeatBelt", "Belts", "Seat Belt Sign", 373},
        {knbNoSmk, "knbNoSmk", "No Smk", "No Smoking Sign", 411},
    };
    for (Switch &s : switches) {
        s.knob = knob(g, s.name, {s.centre - 14, 14}, {28, 0, 1}, QString::fromLatin1(s.hint));
        caption(g, QRect(s.centre - 22, 42, 44, 13), QString::fromLatin1(s.title), Qt::AlignCenter);
    }
    // The switch readers keep the last light word here.
    lvLights = label(g, "lvLights", QRect(222, 57, 40, 13), QStringLiteral("0"));
    lvLights->hide();
    bevel(g, QRect(326, 16, 2, 38));

    // Strip under the switches.
    sbtnAllOn = speedButton(g, "sbtnAllOn", QRect(5, 56, 104, 14), QStringLiteral("Turn All Lights On"),
                            QStringLiteral("Turn All Lights On"));
    sbtnAllOff = speedButton(g, "sbtnAllOff", QRect(113, 56, 104, 14), QStringLiteral("Turn All Lights Off"),
                             QStringLiteral("Turn All Lights Off"));
    sbtnBatFix = speedButton(g, "sbtnBatFix", QRect(302, 56, 84, 14), QStringLiteral("Battery Reset"),
                             QStringLiteral("Click: Reset the Battery to 24 Volts. Right or Double Click: APU Panel"));
    caption(g, QRect(388, 57, 32, 13), QStringLiteral("Volts"), Qt::AlignRight | Qt::AlignVCenter);
    stBV = valueBox(g, "stBV", QRect(422, 56, 40, 14), {}, QStringLiteral("Battery Voltage"));

    // Battery and its dial.
    knbMasterBat = knob(g, "knbMasterBat", {432, 14}, {30, 0, 1}, QStringLiteral("Master Battery"));
    caption(g, QRect(427, 43, 40, 13), QStringLiteral("Batt"), Qt::AlignCenter);
    agBatteryV = gauge(g, "agBatteryV", {465, 14},
                       {QSize(82, 55), CenterStyle, 160, 4, 3, 10, 4, 38, 11, 24, clRed, clYellow, clGreen,
                        QStringLiteral("V"), clSilver},
                       QStringLiteral("Battery Voltage"));

    // Which bus the two dials show: 0 the main bus, 1 to 4 an engine's bus.
    knbEngSelG = knob(g, "knbEngSelG", {549, 14}, {40, 0, 4, itCircle, 5, 5},
                      QStringLiteral("Bus shown on the dials: 0 Main Bus, 1 to 4 Engine Bus"));
    caption(g, QRect(549, 55, 40, 13), QStringLiteral("Bus"), Qt::AlignCenter);
    agMainBus = gauge(g, "agMainBus", {591, 17},
                      {QSize(82, 50), CenterStyle, 160, 4, 3, 10, 4, 36, 11, 21, clRed, clYellow, clGreen,
                       QStringLiteral("V"), clSilver},
                      QStringLiteral("Bus Voltage"));
    agMainAmp = gauge(g, "agMainAmp", {675, 17},
                      {QSize(82, 50), CenterStyle, 160, 4, 5, 10, 4, 50, 5, 10, clRed, clYellow, clGreen,
                       QStringLiteral("A"), clSilver},
                      QStringLiteral("Bus Current, Amperes"));
}
