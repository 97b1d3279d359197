// The navigation and autopilot panel: heading bug and NAV1 course knobs with
// their quick-set labels round them, the NAV/GPS source, the altitude,
// vertical speed and NAV2 course targets, the autopilot master and the eight
// mode switches.
#include "uACMainForm.h"

#include "adapters/paneledit.h"
#include "adapters/panellabel.h"
#include "adapters/trackbar.h"
#include "layoutkit.h"

#include <QGroupBox>

using namespace layout;

namespace {

// A click target: a centred caption with its hint.
PanelLabel *quickSet(QWidget *parent, const char *name, QRect place, const QString &text, const QString &hint)
{
    PanelLabel *l = label(parent, name, place, text, hint);
    l->setAlignment(Qt::AlignCenter);
    l->setCursor(Qt::PointingHandCursor);
    return l;
}

// A target edit under its knob; the course and vertical speed edits only show
// what the knobs and the readout put there.
PanelEdit *targetEdit(QWidget *parent, const char *name, QRect place, const QString &text, const QString &hint,
                      bool readOnly)
{
    PanelEdit *e = edit(parent, name, place, text, hint);
    e->setAlignment(Qt::AlignCenter);
    e->setReadOnly(readOnly);
    return e;
}

} // namespace

void TfrmACMain::buildAPGroup()
{
    gbAP = group(this, "gbAP", QStringLiteral("Navigation/AP"), QStringLiteral("Navigation/AutoPilot Instrument"),
                 QRect(903, 420, 251, 311));
    QWidget *g = gbAP;

    // Heading bug, centred at (52, 62), with the eight compass points round
    // it: clicking one sets the bug there.
    knbHeadBug = knob(g, "knbHeadBug", {31, 41}, {42, -179, 180, itLine, 8, 2, 1, QStringLiteral("Deg.")},
                      QStringLiteral("Heading Bug: turn the mouse wheel to set, middle click for the present heading"));
    knbHeadBug->SetPosition(0);
    const struct {
        PanelLabel *TfrmACMain::*label;
        const char *name, *text;
        QRect place;
        const char *degrees;
    } compass[] = {
        {&TfrmACMain::lNorth, "lNorth", "N", {47, 26, 10, 13}, "0"},
        {&TfrmACMain::lNE, "lNE", "NE", {73, 28, 18, 13}, "45"},
        {&TfrmACMain::lEast, "lEast", "E", {77, 56, 12, 13}, "90"},
        {&TfrmACMain::lSE, "lSE", "SE", {73, 84, 18, 13}, "135"},
        {&TfrmACMain::lSouth, "lSouth", "S", {47, 85, 10, 13}, "180"},
        {&TfrmACMain::lSW, "lSW", "SW", {13, 84, 18, 13}, "225"},
        {&TfrmACMain::lWest, "lWest", "W", {15, 56, 12, 13}, "270"},
        {&TfrmACMain::lNW, "lNW", "NW", {13, 28, 18, 13}, "315"},
    };
    for (const auto &c : compass)
        this->*c.label = quickSet(g, c.name, c.place, QString::fromLatin1(c.text),
                                  QStringLiteral("Set the Heading Bug to %1").arg(QLatin1String(c.degrees)));
    caption(g, {6, 104, 26, 13}, QStringLiteral("HDG"));
    eAPHead = targetEdit(g, "eAPHead", {32, 102, 40, 18}, QStringLiteral("000"),
                         QStringLiteral("Heading Bug in Degrees: click and type a heading"), false);

    // NAV1 course, centred at (140, 62), with its four quick-set points.
    knbNavCrs = knob(g, "knbNavCrs", {119, 41}, {42, -179, 180, itLine, 8, 2, 1, QStringLiteral("Deg.")},
                     QStringLiteral("NAV1 Course: turn the mouse wheel to set"));
    knbNavCrs->SetPosition(0);
    const struct {
        PanelLabel *TfrmACMain::*label;
        const char *name, *text;
        QRect place;
        const char *degrees;
    } course[] = {
        {&TfrmACMain::lNCrs, "lNCrs", "N", {135, 26, 10, 13}, "0"},
        {&TfrmACMain::lECrs, "lECrs", "E", {163, 56, 12, 13}, "90"},
        {&TfrmACMain::lSCrs, "lSCrs", "S", {135, 85, 10, 13}, "180"},
        {&TfrmACMain::lWCrs, "lWCrs", "W", {105, 56, 12, 13}, "270"},
    };
    for (const auto &c : course)
        this->*c.label = quickSet(g, c.name, c.place, QString::fromLatin1(c.text),
                                  QStringLiteral("Set the NAV1 Course to %1").arg(QLatin1String(c.degrees)));
    caption(g, {96, 104, 26, 13}, QStringLiteral("CRS"));
    eAPCrs = targetEdit(g, "eAPCrs", {122, 102, 40, 18}, QStringLiteral("000"), QStringLiteral("NAV1 Course in Degrees"),
                        true);

    // Course source and the present heading.
    knbNavGps = knob(g, "knbNavGps", {202, 30}, {30, 0, 1}, QStringLiteral("NAV/GPS Course Source"));
    knbNavGps->SetColor(clSwitchOn);
    lnavgps = label(g, "lnavgps", {186, 62, 62, 13}, QStringLiteral("NAV/gps"), QStringLiteral("NAV/GPS Course Source"));
    lnavgps->setAlignment(Qt::AlignCenter);
    caption(g, {186, 84, 62, 13}, QStringLiteral("Mag. Hdg"), Qt::AlignCenter, 11);
    lHdg = valueBox(g, "lHdg", {197, 100, 40, 18}, QStringLiteral("000"), QStringLiteral("Present Magnetic Heading"));

    // Altitude target: quick-set altitudes in a column, the knob, the step
    // lever (up raises the target, down lowers it) and the edit.
    const struct {
        PanelLabel *TfrmACMain::*label;
        const char *name, *text, *feet;
    } altitudes[] = {
        {&TfrmACMain::lAlt20K, "lAlt20K", "20K", "20000"},
        {&TfrmACMain::lAlt10K, "lAlt10K", "10K", "10000"},
        {&TfrmACMain::lAlt5K, "lAlt5K", "5K", "5000"},
        {&TfrmACMain::lAltZero, "lAltZero", "0", "0"},
    };
    for (int i = 0; i < 4; ++i)
        this->*altitudes[i].label =
            quickSet(g, altitudes[i].name, {4, 130 + i * 14, 24, 13}, QString::fromLatin1(altitudes[i].text),
                     QStringLiteral("Set the Altitude Target to %1 Feet").arg(QLatin1String(altitudes[i].feet)));
    knbAltSet = knob(g, "knbAltSet", {30, 130}, {42, 0, 750, itLine, 8, 2, 1, QStringLiteral("Feet")},
                     QStringLiteral("Altitude Target: turn the mouse wheel to set, middle click for the present altitude"));
    knbAltSet->SetShowFocusedState(false);
    tbElevUpDn = lever(g, "tbElevUpDn", {74, 126, 22, 54}, -5, 5, 0,
                       QStringLiteral("Slide up to raise, down to lower the Altitude Target by 100 Feet a step"));
    tbElevUpDn->setTickInterval(5);
    tbElevUpDn->setTickPosition(QSlider::TicksBothSides);
    caption(g, {4, 186, 24, 13}, QStringLiteral("ALT"));
    eAPAlt = targetEdit(g, "eAPAlt", {28, 184, 46, 18}, QStringLiteral("00000"),
                        QStringLiteral("Altitude Target in Feet: click and type an altitude"), false);

    // Vertical speed and NAV2 course.
    caption(g, {100, 124, 44, 13}, QStringLiteral("V/S"), Qt::AlignCenter, 11);
    knbVertSpd = knob(g, "knbVertSpd", {106, 140}, {32, -40, 40, itLine, 6, 2, 1, QStringLiteral("Deg.")},
                      QStringLiteral("Vertical Speed: turn the mouse wheel to set, 100 ft/min a notch"));
    knbVertSpd->SetPosition(0);
    eVertSp = targetEdit(g, "eVertSp", {100, 184, 44, 18}, QStringLiteral("0"),
                         QStringLiteral("Vertical Speed Target in Feet per Minute"), true);
    caption(g, {150, 124, 44, 13}, QStringLiteral("CRS2"), Qt::AlignCenter, 11);
    knbNavCrs2 = knob(g, "knbNavCrs2", {156, 140}, {32, -179, 180, itLine, 6, 2, 1, QStringLiteral("Deg.")},
                      QStringLiteral("NAV2 Course: turn the mouse wheel to set"));
    knbNavCrs2->SetPosition(0);
    eCrs2 = targetEdit(g, "eCrs2", {152, 184, 40, 18}, QStringLiteral("000"), QStringLiteral("NAV2 Course in Degrees"),
                       true);

    // Autopilot master.
    caption(g, {198, 124, 50, 13}, QStringLiteral("A/P"), Qt::AlignCenter, 11);
    knbAutoPilotMaster = knob(g, "knbAutoPilotMaster", {206, 140}, {34, 0, 1}, QStringLiteral("Autopilot Master"));

    // Mode switches, two rows of four, each named under its knob.
    const struct {
        TKnob *TfrmACMain::*knob;
        const char *name, *caption, *hint;
    } modes[] = {
        {&TfrmACMain::knbAPNav, "knbAPNav", "NAV", "NAV Hold"},
        {&TfrmACMain::knbAPHead, "knbAPHead", "HDG", "Heading Hold"},
        {&TfrmACMain::knbAPAlt, "knbAPAlt", "ALT", "Altitude Hold"},
        {&TfrmACMain::knbWingLevel, "knbWingLevel", "WLV", "Wing Leveller"},
        {&TfrmACMain::knbAPFD, "knbAPFD", "FD", "Flight Director"},
        {&TfrmACMain::knbAPApr, "knbAPApr", "APR", "Approach Hold"},
        {&TfrmACMain::knbAPBC, "knbAPBC", "BC", "Back Course"},
        {&TfrmACMain::knbYawDamp, "knbYawDamp", "YD", "Yaw Damper"},
    };
    for (int i = 0; i < 8; ++i) {
        const int left = 18 + (i % 4) * 58, top = 212 + (i / 4) * 46;
        this->*modes[i].knob = knob(g, modes[i].name, {left, top}, {30, 0, 1}, QString::fromLatin1(modes[i].hint));
        caption(g, {left - 8, top + 31, 46, 12}, QString::fromLatin1(modes[i].caption), Qt::AlignCenter, 11);
    }
}
