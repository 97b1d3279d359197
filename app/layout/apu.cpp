// The APU panel, laid over the two VOR groups while it is open: the
// Off/On/Start switch with its click labels, the RPM dial with its value, the
// voltage dial, the fire lamp and the button that closes the panel.
#include "uACMainForm.h"

#include "adapters/panellabel.h"
#include "adapters/panelshape.h"
#include "adapters/speedbutton.h"
#include "gauge/tanaloggauge.h"
#include "layoutkit.h"

#include <QGroupBox>

using namespace layout;

namespace {

// A switch position the user can click.
PanelLabel *position(QWidget *parent, const char *name, QRect place, const QString &text, const QString &hint)
{
    PanelLabel *l = label(parent, name, place, text, hint);
    l->setAlignment(Qt::AlignCenter);
    l->setCursor(Qt::PointingHandCursor);
    return l;
}

} // namespace

void TfrmACMain::buildAPUGroup()
{
    gbAPU = group(this, "gbAPU", QStringLiteral("APU"),
                  QStringLiteral("APU Information/Control Panel. Double Click to Close."), QRect(480, 275, 285, 145));
    // Opaque, so that the VOR groups under it do not show through.
    gbAPU->setAutoFillBackground(true);
    QWidget *g = gbAPU;

    // Switch: Off at the lower left, On at the top, Start at the lower right,
    // where the knob's indicator points for 0, 1 and 2.
    knbAPU = knob(g, "knbAPU", {24, 50}, {30, 0, 2, itCircle, 4, 4}, QStringLiteral("APU Switch: Off, On, Start"));
    lAPUOn = position(g, "lAPUOn", {25, 34, 28, 13}, QStringLiteral("On"), QStringLiteral("Switch the APU on"));
    lAPUOff = position(g, "lAPUOff", {2, 80, 26, 13}, QStringLiteral("Off"), QStringLiteral("Switch the APU off"));
    lAPUStart = position(g, "lAPUStart", {48, 80, 30, 13}, QStringLiteral("Start"), QStringLiteral("Start the APU"));

    // RPM dial with the value under it.
    agAPURPM = gauge(g, "agAPURPM", {80, 16},
                     {QSize(100, 100), CenterStyle, 300, 5, 4, 8, 3, 100, 10, 25, clRed, clYellow, clGreen,
                      QStringLiteral("x100"), clWhite, 12},
                     QStringLiteral("APU RPM x100"));
    label(g, nullptr, {84, 122, 30, 13}, QStringLiteral("RPM"));
    stRPMAPU = valueBox(g, "stRPMAPU", {114, 120, 56, 18}, QStringLiteral("0"), QStringLiteral("APU RPM"));

    // Voltage dial, fire lamp and the close button.
    agAPU = gauge(g, "agAPU", {182, 16},
                  {QSize(100, 60), CenterStyle, 160, 4, 3, 10, 4, 36, 11, 21, clRed, clYellow, clGreen,
                   QStringLiteral("V"), clSilver, 9},
                  QStringLiteral("APU Generator Voltage"));
    shpAPU = lamp(g, "shpAPU", {192, 88, 16, 16}, clMedGray, QStringLiteral("APU Fire when red"));
    label(g, nullptr, {212, 89, 60, 13}, QStringLiteral("APU Fire"));
    sbtnAPU = speedButton(g, "sbtnAPU", {184, 116, 96, 22}, QStringLiteral("Close APU Panel"),
                          QStringLiteral("Close the APU Panel"));
}
