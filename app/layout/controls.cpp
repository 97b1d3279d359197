// The controls group: elevator, aileron and rudder trim, flaps, landing gear
// with its three position lamps, spoilers, parking brake, tail-wheel lock and
// the spring-loaded rudder. One column per control: its name above, the knob,
// and under it the figure it shows (or the gear lamps).
#include "uACMainForm.h"

#include "adapters/panellabel.h"
#include "adapters/panelshape.h"
#include "layoutkit.h"

#include <QGroupBox>

using namespace layout;

namespace {

// The three tiers inside the group's frame.
constexpr int kCaptionTop = 18;
constexpr int kKnobMiddle = 44; // knobs of every size share one centre line
constexpr int kFigureTop = 58;

// A column: the caption across its width and the knob centred under it.
TKnob *column(QWidget *parent, const char *name, int left, int width, const QString &title, const KnobSpec &spec,
              const QString &hint)
{
    PanelLabel *c = label(parent, nullptr, QRect(left, kCaptionTop, width, 12), title);
    c->setAlignment(Qt::AlignCenter);
    return knob(parent, name, QPoint(left + (width - spec.side) / 2, kKnobMiddle - spec.side / 2), spec, hint);
}

// The figure under a column.
PanelLabel *figure(QWidget *parent, const char *name, int left, int width, const QString &text, const QString &hint)
{
    PanelLabel *l = label(parent, name, QRect(left, kFigureTop, width, 11), text, hint);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

} // namespace

void TfrmACMain::buildControlsGroup()
{
    gbControls = group(this, "gbControls", QStringLiteral("Controls"), QStringLiteral("Control Panel"),
                       QRect(2, 274, 475, 72));
    QWidget *g = gbControls;

    // Trims, centred at the start; a middle click centres a trim.
    knbTrim = column(g, "knbTrim", 4, 44, QStringLiteral("Trim"), {28, -2100, 2100, itLine, 5.0f, 2.0f, 5},
                     QStringLiteral("Elevator Trim in Degrees. Middle Click to Centre."));
    knbTrim->SetPosition(0);
    lTrim = figure(g, "lTrim", 4, 44, QStringLiteral("-0.00"), QStringLiteral("Elevator Trim in Degrees"));
    knbATrim = column(g, "knbATrim", 51, 42, QStringLiteral("A.Trim"), {28, -100, 100, itLine, 5.0f, 2.0f},
                      QStringLiteral("Aileron Trim in Percent. Middle Click to Centre."));
    knbATrim->SetPosition(0);
    lAtrim = figure(g, "lAtrim", 51, 42, QStringLiteral("0"), QStringLiteral("Aileron Trim in Percent"));
    knbRTrim = column(g, "knbRTrim", 96, 42, QStringLiteral("R.Trim"), {28, -100, 100, itLine, 5.0f, 2.0f},
                      QStringLiteral("Rudder Trim in Percent. Middle Click to Centre."));
    knbRTrim->SetPosition(0);
    lRTrim = figure(g, "lRTrim", 96, 42, QStringLiteral("0"), QStringLiteral("Rudder Trim in Percent"));

    knbFlaps = column(g, "knbFlaps", 141, 38, QStringLiteral("Flaps"), {28, 0, 8, itLine, 5.0f, 2.0f},
                      QStringLiteral("Flaps Position"));
    lFlaps = figure(g, "lFlaps", 141, 38, QStringLiteral("0"), QStringLiteral("Flaps Position"));

    // Gear lever; left, nose and right wheel lamps under it.
    knbGear = column(g, "knbGear", 182, 36, QStringLiteral("Gear"), {30, 0, 1}, QStringLiteral("Landing Gear"));
    shpGearL = lamp(g, "shpGearL", QRect(185, kFigureTop + 1, 9, 9), clSilver, QStringLiteral("Left Main Gear"));
    shpGearNose = lamp(g, "shpGearNose", QRect(195, kFigureTop + 1, 9, 9), clSilver, QStringLiteral("Nose Gear"));
    shpGearR = lamp(g, "shpGearR", QRect(205, kFigureTop + 1, 9, 9), clSilver, QStringLiteral("Right Main Gear"));

    knbSpoiler = column(g, "knbSpoiler", 221, 46, QStringLiteral("Spoilers"), {28, 0, 2},
                        QStringLiteral("Spoilers: Retracted, Armed, Extended"));
    knbPark = column(g, "knbPark", 270, 46, QStringLiteral("Parking"), {30, 0, 1}, QStringLiteral("Parking Brake"));
    knbTWL = column(g, "knbTWL", 319, 48, QStringLiteral("TW Lock"), {28, 0, 1}, QStringLiteral("Tail Wheel Lock"));

    // The rudder springs back to the centre when it is let go; it is too big
    // for the caption row, so its caption stands beside it.
    PanelLabel *rudder = label(g, nullptr, QRect(371, 30, 40, 28), QStringLiteral("Rudder"));
    rudder->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    knbRudder = knob(g, "knbRudder", QPoint(414, kKnobMiddle - 24), {48, -16383, 16383, itLine, 4.0f, 8.0f, 32},
                     QStringLiteral("Rudder: drag to steer; it returns to the centre when released."));
    knbRudder->SetSpringLoaded(true);
}
