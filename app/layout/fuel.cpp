// The fuel group: the tanks as a row of level bars laid out as on the wing
// (left tip to right tip, then the external tanks), the four tank selectors
// with the codes they last read, the pump master and crossfeed switches, and
// the selected and total quantities under them.
#include "uACMainForm.h"

#include "adapters/panellabel.h"
#include "adapters/trackbar.h"
#include "layoutkit.h"

#include <QFrame>
#include <QGroupBox>

using namespace layout;

namespace {

// The tank selector codes, as the simulator numbers its tank choices.
const char *const kSelectorCodes[21] = {
    "Cut", "All", "Left All", "Right All", "Left Auxiliary", "Right Auxiliary", "Centre", "Centre 2", "Centre 3",
    "External 1", "External 2", "Right Tip", "Left Tip", "Crossfeed", "Crossfeed Left to Right",
    "Crossfeed Right to Left", "Crossfeed Both", "External", "Isolate", "Left Main", "Right Main"};

// The codes in one line for the status line, and in rows of three for the
// tool tip, where the whole list can be read at once.
QString selectorCodes(const QString &separator, int perRow)
{
    QString text;
    for (int code = 0; code < 21; ++code) {
        if (code > 0)
            text += code % perRow == 0 ? QStringLiteral("\n") : separator;
        text += QStringLiteral("%1 %2").arg(code).arg(QString::fromLatin1(kSelectorCodes[code]));
    }
    return text;
}

} // namespace

void TfrmACMain::buildFuelGroup()
{
    gbFuel = group(this, "gbFuel", QStringLiteral("Fuel - 0000"),
                   QStringLiteral("Fuel Panel - Total Fuel Amount in Pounds"), QRect(2, 347, 475, 72));
    QWidget *g = gbFuel;

    // Tanks. Each is a panel (shown only when the aircraft has the tank) with
    // its level bar (full at the top), a name whose colour tells the level,
    // and a hidden label with the raw level the simulator reported.
    struct Tank {
        QFrame *&panel;
        TrackBar *&bar;
        PanelLabel *&name, *&raw;
        const char *panelName, *barName, *nameName, *rawName, *shortName, *fullName;
    } tanks[] = {
        {pnlFLT, tbFLT, lFLT, lFLTp, "pnlFLT", "tbFLT", "lFLT", "lFLTp", "LT", "Left Tip"},
        {pnlFLA, tbFLA, lFLA, lFLAp, "pnlFLA", "tbFLA", "lFLA", "lFLAp", "LA", "Left Auxiliary"},
        {pnlFLM, tbFLM, lFLM, lFLMp, "pnlFLM", "tbFLM", "lFLM", "lFLMp", "LM", "Left Main"},
        {pnlFC1, tbFuelC, lFC1, lFC1p, "pnlFC1", "tbFuelC", "lFC1", "lFC1p", "C", "Centre"},
        {pnlFC2, tbFuelC2, lFC2, lFC2p, "pnlFC2", "tbFuelC2", "lFC2", "lFC2p", "C2", "Centre 2"},
        {pnlFC3, tbFuelC3, lFC3, lFC3p, "pnlFC3", "tbFuelC3", "lFC3", "lFC3p", "C3", "Centre 3"},
        {pnlFRM, tbFRM, lFRM, lFRMp, "pnlFRM", "tbFRM", "lFRM", "lFRMp", "RM", "Right Main"},
        {pnlFRA, tbFRA, lFRA, lFRAp, "pnlFRA", "tbFRA", "lFRA", "lFRAp", "RA", "Right Auxiliary"},
        {pnlFRT, tbFRT, lFRT, lFRTp, "pnlFRT", "tbFRT", "lFRT", "lFRTp", "RT", "Right Tip"},
        {pnlFE1, tbFE1, lFE1, lE1p, "pnlFE1", "tbFE1", "lFE1", "lE1p", "E1", "External 1"},
        {pnlFE2, tbFE2, lFE2, lE2p, "pnlFE2", "tbFE2", "lFE2", "lE2p", "E2", "External 2"},
    };
    int x = 4;
    for (Tank &t : tanks) {
        const QString tank = QString::fromLatin1(t.fullName) + QStringLiteral(" Tank");
        t.panel = panel(g, t.panelName, QRect(x, 13, 19, 57), clSilver, Bevel::None, tank);
        t.bar = lever(t.panel, t.barName, QRect(0, 0, 19, 43), -100, 0, 0,
                      QStringLiteral("Move the Slider to Desired Level: ") + tank);
        t.bar->setSingleStep(2);
        t.bar->setTickInterval(25);
        t.bar->setTickPosition(QSlider::TicksRight);
        t.name = label(t.panel, t.nameName, QRect(0, 44, 19, 13), QString::fromLatin1(t.shortName),
                       tank + QStringLiteral(": grey empty, red low, lime 12% or more"));
        t.name->setAlignment(Qt::AlignCenter);
        t.name->SetTransparent(false);
        t.name->SetColor(clGray);
        t.raw = label(t.panel, t.rawName, QRect(0, 30, 19, 13), QStringLiteral("0"));
        t.raw->hide();
        x += 20;
    }
    bevel(g, QRect(x + 2, 16, 2, 52));

    // Tank selectors, each with the code it last read under it.
    struct Selector {
        TKnob *&knob;
        PanelLabel *&code;
        const char *knobName, *codeName;
    } selectors[] = {
        {knbMasterFuel, lFuelSelNum, "knbMasterFuel", "lFuelSelNum"},
        {knbFuelSel2, lFuelSelNum2, "knbFuelSel2", "lFuelSelNum2"},
        {knbFuelSel3, lFuelSelNum3, "knbFuelSel3", "lFuelSelNum3"},
        {knbFuelSel4, lFuelSelNum4, "knbFuelSel4", "lFuelSelNum4"},
    };
    x = 232;
    int number = 1;
    for (Selector &s : selectors) {
        const QString which = QStringLiteral("Tank Selector %1: ").arg(number);
        s.knob = knob(g, s.knobName, {x + 2, 13}, {31, 0, 20, itLine, 6, 2},
                      which + selectorCodes(QStringLiteral(", "), 21));
        s.knob->setToolTip(which + QStringLiteral("\n") + selectorCodes(QStringLiteral(",   "), 3));
        caption(g, QRect(x, 44, 16, 13), QStringLiteral("T%1").arg(number), Qt::AlignRight | Qt::AlignVCenter);
        // The selectors' click handler turns this text back into a position.
        s.code = label(g, s.codeName, QRect(x + 18, 44, 17, 13), QStringLiteral("0"),
                       which + QStringLiteral("code last read"));
        x += 36;
        ++number;
    }
    bevel(g, QRect(x + 1, 16, 2, 38));

    // Fuel pumps of all engines, and crossfeed.
    knbFuelPumpMaster = knob(g, "knbFuelPumpMaster", {x + 12, 14}, {24, 0, 1}, QStringLiteral("Fuel Pump Master"));
    caption(g, QRect(x + 4, 39, 40, 13), QStringLiteral("Pump"), Qt::AlignCenter);
    knbFuelXFeed = knob(g, "knbFuelXFeed", {x + 54, 14}, {24, 0, 1}, QStringLiteral("Fuel Crossfeed"));
    caption(g, QRect(x + 46, 39, 40, 13), QStringLiteral("X-Feed"), Qt::AlignCenter);

    // Quantities in US gallons.
    lFuelQSel = label(g, "lFuelQSel", QRect(232, 57, 110, 13), QStringLiteral("Fuel S: 0"),
                      QStringLiteral("Fuel in the Selected Tanks, US Gallons"));
    lFuelQTot = label(g, "lFuelQTot", QRect(350, 57, 110, 13), QStringLiteral("Fuel T: 0"),
                      QStringLiteral("Total Fuel, US Gallons"));
    // How many selectors the aircraft has; the fuel reader reads that many.
    lFuelNSel = label(g, "lFuelNSel", QRect(462, 57, 10, 13), QStringLiteral("4"));
    lFuelNSel->hide();
}
