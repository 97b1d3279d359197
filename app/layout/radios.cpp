// The radio stack (group caption "Radios"): avionics master, COM/NAV radios 1
// and 2 with their tuning knobs, the audio selector, the localiser and
// glideslope indicator with the marker lamps, and the transponder.
#include "uACMainForm.h"

#include "adapters/paneledit.h"
#include "adapters/panellabel.h"
#include "adapters/panelshape.h"
#include "adapters/radiogroup.h"
#include "adapters/speedbutton.h"
#include "layoutkit.h"

#include <QFrame>
#include <QGroupBox>

#include <tuple>

using namespace layout;

namespace {

// Radio displays: dark windows; the standby edit the knobs tune is aqua, the
// other one yellow (the mode buttons swap the two colours).
constexpr TColor clAqua = RGBColor(0, 255, 255);
constexpr TColor clDisplay = clBlack;
constexpr TColor clActiveText = clWhite;

// A dark display window: a sunken box with light text.
void darken(PanelLabel *box, TColor text)
{
    box->SetColor(clDisplay);
    box->SetTransparent(false);
    box->SetFontColor(text);
}

void darken(PanelEdit *edit, TColor text)
{
    edit->SetColor(clDisplay);
    edit->SetFontColor(text);
    edit->setAlignment(Qt::AlignCenter);
}

// A toggle: a button alone in its group that may be raised again.
SpeedButton *toggle(SpeedButton *b, int groupIndex)
{
    b->SetGroupIndex(groupIndex);
    b->SetAllowAllUp(true);
    return b;
}

} // namespace

void TfrmACMain::buildRadiosGroup()
{
    gbAvionics = group(this, "gbAvionics", QStringLiteral("Radios"),
                       QStringLiteral("Radios, Localizer and Transponder Panel"), QRect(767, 0, 386, 420));
    QWidget *g = gbAvionics;

    // Avionics master and the column headings of the radio rows.
    knbAvionics = knob(g, "knbAvionics", {10, 15}, {30, 0, 1}, QStringLiteral("Avionics Master Switch"));
    caption(g, {44, 20, 80, 13}, QStringLiteral("Avionics"));
    caption(g, {60, 38, 60, 11}, QStringLiteral("ACTIVE"), Qt::AlignCenter, 9);
    caption(g, {156, 38, 60, 11}, QStringLiteral("STANDBY"), Qt::AlignCenter, 9);
    caption(g, {220, 38, 44, 11}, QStringLiteral("SIGNAL"), Qt::AlignCenter, 9);
    caption(g, {264, 38, 112, 11}, QStringLiteral("TUNE"), Qt::AlignCenter, 9);

    // One row of a radio: name, power lamp, active frequency, swap button and
    // standby frequency (an edit the tuning knobs and the handlers write).
    auto row = [g](int top, const QString &name, const char *lampName, const char *activeName,
                   const char *swapName, const char *standbyName, const QString &freq) {
        caption(g, {10, top + 3, 34, 13}, name);
        PanelShape *lamp_ = lamp(g, lampName, {44, top + 4, 12, 12}, clSilver, name + QStringLiteral(" Power"));
        PanelLabel *active = valueBox(g, activeName, {60, top, 60, 20}, freq, name + QStringLiteral(" Active Frequency"));
        darken(active, clActiveText);
        SpeedButton *swap = speedButton(g, swapName, {124, top, 28, 20}, QStringLiteral("<->"),
                                        QStringLiteral("Swap ") + name + QStringLiteral(" Active and Standby"));
        PanelEdit *standby = edit(g, standbyName, {156, top, 60, 20}, freq, name + QStringLiteral(" Standby Frequency"));
        return std::make_tuple(lamp_, active, swap, standby);
    };
    // The tuning knobs of one radio: the COM/NAV mode button and the MHz and
    // kHz knobs (turned with the mouse wheel).
    auto tuning = [g](int top, int radio, const char *modeName, const char *mhzName, const char *khzName) {
        const QString n = QString::number(radio);
        SpeedButton *mode = toggle(speedButton(g, modeName, {264, top + 13, 20, 20}, QStringLiteral("C"),
                                               QStringLiteral("Radio %1: C tunes COM%1, N tunes NAV%1").arg(n)),
                                   radio);
        TKnob *mhz = knob(g, mhzName, {290, top + 1}, {42, 118, 136, itLine, 8, 2},
                          QStringLiteral("Radio %1 MHz: turn the mouse wheel to tune").arg(n));
        TKnob *khz = knob(g, khzName, {338, top + 4}, {36, 0, 975, itLine, 6, 2, 25},
                          QStringLiteral("Radio %1 kHz: turn the mouse wheel to tune").arg(n));
        caption(g, {290, top + 43, 42, 11}, QStringLiteral("MHz"), Qt::AlignCenter, 9);
        caption(g, {338, top + 43, 36, 11}, QStringLiteral("kHz"), Qt::AlignCenter, 9);
        return std::make_tuple(mode, mhz, khz);
    };
    auto vorLamp = [g](int top, const char *name, const QString &hint) {
        PanelShape *l = lamp(g, name, {236, top + 4, 12, 12}, clSilver, hint);
        return l;
    };

    // Radio 1.
    bevel(g, {4, 50, 378, 62});
    std::tie(shpRad1, stCom1, sbtnComSwitch1, eCom1s) =
        row(56, QStringLiteral("COM1"), "shpRad1", "stCom1", "sbtnComSwitch1", "eCom1s", QStringLiteral("000.000"));
    std::tie(shpNav1Pwr, stNav1, sbtnNavSwitch1, eNav1s) =
        row(82, QStringLiteral("NAV1"), "shpNav1Pwr", "stNav1", "sbtnNavSwitch1", "eNav1s", QStringLiteral("000.00"));
    shpVOR1On = vorLamp(82, "shpVOR1On", QStringLiteral("VOR1 Signal Received"));
    std::tie(sbtnComNav1, knbMHz1, knbKHz1) = tuning(56, 1, "sbtnComNav1", "knbMHz1", "knbKHz1");

    // Radio 2.
    bevel(g, {4, 118, 378, 62});
    std::tie(shpRad2, stCom2, sbtnComSwitch2, eCom2s) =
        row(124, QStringLiteral("COM2"), "shpRad2", "stCom2", "sbtnComSwitch2", "eCom2s", QStringLiteral("000.000"));
    std::tie(shpNav2pwr, stNav2, sbtnNavSwitch2, eNav2s) =
        row(150, QStringLiteral("NAV2"), "shpNav2pwr", "stNav2", "sbtnNavSwitch2", "eNav2s", QStringLiteral("000.00"));
    shpVOR2On = vorLamp(150, "shpVOR2On", QStringLiteral("VOR2 Signal Received"));
    std::tie(sbtnComNav2, knbMHz2, knbKHz2) = tuning(124, 2, "sbtnComNav2", "knbMHz2", "knbKHz2");

    // COM mode at start: the COM standby is the one tuned.
    for (PanelEdit *e : {eCom1s, eCom2s})
        darken(e, clAqua);
    for (PanelEdit *e : {eNav1s, eNav2s})
        darken(e, clYellow);

    // Audio selector: the three COM choices share one group (one of them is
    // selected); the others are independent toggles.
    bevel(g, {4, 186, 378, 40});
    caption(g, {10, 199, 34, 13}, QStringLiteral("Audio"));
    struct Audio {
        SpeedButton *TfrmACMain::*button;
        const char *name, *caption, *hint;
        int groupIndex;
        bool allowAllUp;
    };
    const Audio audio[] = {
        {&TfrmACMain::sbtnCom1, "sbtnCom1", "COM1", "Listen to COM1", 3, false},
        {&TfrmACMain::sbtnCom2, "sbtnCom2", "COM2", "Listen to COM2", 3, false},
        {&TfrmACMain::sbtnBoth, "sbtnBoth", "BOTH", "Listen to both COM radios", 3, false},
        {&TfrmACMain::sbtnNav1, "sbtnNav1", "NAV1", "NAV1 audio on/off", 4, true},
        {&TfrmACMain::sbtnNav2, "sbtnNav2", "NAV2", "NAV2 audio on/off", 5, true},
        {&TfrmACMain::sbtnMkr, "sbtnMkr", "MKR", "Marker audio on/off", 6, true},
        {&TfrmACMain::sbtnDME, "sbtnDME", "DME", "DME audio on/off", 7, true},
        {&TfrmACMain::sbtnADF, "sbtnADF", "ADF", "ADF audio on/off", 8, true},
    };
    for (int i = 0; i < int(std::size(audio)); ++i) {
        const Audio &a = audio[i];
        SpeedButton *b = speedButton(g, a.name, {46 + i * 41, 196, 38, 20}, QString::fromLatin1(a.caption),
                                     QString::fromLatin1(a.hint));
        b->SetGroupIndex(a.groupIndex);
        b->SetAllowAllUp(a.allowAllUp);
        this->*a.button = b;
    }

    // Localiser and glideslope indicator: the needles cross in the middle of
    // a dark 100 x 100 window; the reader moves shpLoc's Left (6..94) and
    // shpGS's Top (about 6..90).
    bevel(g, {4, 232, 186, 182});
    caption(g, {10, 236, 170, 13}, QStringLiteral("Localizer / Glideslope"));
    pnlNeedles = panel(g, "pnlNeedles", {10, 252, 100, 100}, clBlack, Bevel::Lowered,
                       QStringLiteral("Localizer and Glideslope Needles"));
    // Scale: a centre ring and two dots each way on both axes, drawn under
    // the needles and letting the mouse through to the window.
    auto mark = [this](QRect place, TColor fill) {
        PanelShape *m = lamp(pnlNeedles, nullptr, place, fill);
        m->SetPenColor(clWhite);
        m->setAttribute(Qt::WA_TransparentForMouseEvents);
    };
    mark({45, 43, 15, 15}, clBlack);
    for (int d : {-34, -17, 17, 34}) {
        mark({52 + d - 2, 48, 5, 5}, clWhite);
        mark({50, 50 + d - 2, 5, 5}, clWhite);
    }
    shpLoc = lamp(pnlNeedles, "shpLoc", {50, 5, 5, 90}, clWhite, QStringLiteral("Localizer Needle"), stRectangle);
    shpGS = lamp(pnlNeedles, "shpGS", {7, 48, 91, 5}, clWhite, QStringLiteral("Glideslope Needle"), stRectangle);
    for (PanelShape *needle : {shpLoc, shpGS})
        needle->SetPenColor(clWhite);

    shpLoc1 = lamp(g, "shpLoc1", {120, 258, 12, 12}, clSilver, QStringLiteral("Localizer Signal"));
    caption(g, {136, 257, 40, 13}, QStringLiteral("LOC"));
    lLoc1 = valueBox(g, "lLoc1", {120, 274, 62, 18}, QStringLiteral("|LOC|"), QStringLiteral("Localizer Direction"));
    shpGS1 = lamp(g, "shpGS1", {120, 304, 12, 12}, clSilver, QStringLiteral("Glideslope Signal"));
    caption(g, {136, 303, 40, 13}, QStringLiteral("GS"));
    lGS1 = valueBox(g, "lGS1", {120, 320, 62, 18}, QStringLiteral("|GS|"), QStringLiteral("Glideslope Direction"));

    // Marker beacons: outer (blue), middle and inner, grey while silent.
    caption(g, {10, 366, 90, 13}, QStringLiteral("Marker Beacons"));
    struct Marker {
        PanelShape *TfrmACMain::*lamp;
        const char *name, *caption, *hint;
    };
    const Marker markers[] = {
        {&TfrmACMain::shpMkrOut, "shpMkrOut", "OM", "Outer Marker"},
        {&TfrmACMain::shpMkrMid, "shpMkrMid", "MM", "Middle Marker"},
        {&TfrmACMain::shpMkrIn, "shpMkrIn", "IM", "Inner Marker"},
    };
    for (int i = 0; i < int(std::size(markers)); ++i) {
        const Marker &m = markers[i];
        this->*m.lamp = lamp(g, m.name, {14 + i * 58, 385, 16, 16}, clMedGray, QString::fromLatin1(m.hint));
        caption(g, {34 + i * 58, 386, 24, 13}, QString::fromLatin1(m.caption));
    }

    // Transponder: the code as four digits over their knobs, the mode switch
    // and the VFR code button with its choice of code.
    bevel(g, {194, 232, 188, 182});
    caption(g, {200, 236, 100, 13}, QStringLiteral("Transponder"));
    struct Digit {
        PanelLabel *TfrmACMain::*label;
        TKnob *TfrmACMain::*knob;
        const char *labelName, *knobName, *hint;
    };
    const Digit digits[] = {
        {&TfrmACMain::lTrans1, &TfrmACMain::knbT1, "lTrans1", "knbT1", "Transponder Thousands"},
        {&TfrmACMain::lTrans2, &TfrmACMain::knbT2, "lTrans2", "knbT2", "Transponder Hundreds"},
        {&TfrmACMain::lTrans3, &TfrmACMain::knbT3, "lTrans3", "knbT3", "Transponder Tens"},
        {&TfrmACMain::lTrans4, &TfrmACMain::knbT4, "lTrans4", "knbT4", "Transponder Units"},
    };
    for (int i = 0; i < int(std::size(digits)); ++i) {
        const Digit &d = digits[i];
        const QString hint = QString::fromLatin1(d.hint) + QStringLiteral(": turn the mouse wheel to set");
        PanelLabel *digit = valueBox(g, d.labelName, {244 + i * 32, 256, 22, 22}, QStringLiteral("0"), hint);
        darken(digit, clActiveText);
        digit->setFont(panelFont(14, true));
        this->*d.label = digit;
        this->*d.knob = knob(g, d.knobName, {244 + i * 32, 284}, {22, 0, 7, itLine, 3, 2}, hint);
    }

    // Mode switch with its four positions round it (Min lower left, then
    // clockwise over the top to Max lower right).
    knbTransOn = knob(g, "knbTransOn", {218, 344}, {22, 0, 3}, QStringLiteral("Transponder Mode"));
    knbTransOn->SetTabStop(false);
    caption(g, {208, 318, 42, 11}, QStringLiteral("MODE"), Qt::AlignCenter, 9);
    caption(g, {196, 366, 22, 11}, QStringLiteral("OFF"), Qt::AlignRight | Qt::AlignVCenter, 9);
    caption(g, {196, 332, 22, 11}, QStringLiteral("SBY"), Qt::AlignRight | Qt::AlignVCenter, 9);
    caption(g, {242, 332, 22, 11}, QStringLiteral("ON"), Qt::AlignLeft | Qt::AlignVCenter, 9);
    caption(g, {242, 366, 22, 11}, QStringLiteral("ALT"), Qt::AlignLeft | Qt::AlignVCenter, 9);

    sbtnTransVFR = speedButton(g, "sbtnTransVFR", {276, 318, 100, 22}, QStringLiteral("VFR"),
                               QStringLiteral("Set the VFR code chosen below"));
    rgTrans = radioGroup(g, "rgTrans", {276, 344, 100, 56}, QString(), {QStringLiteral("1200"), QStringLiteral("7000")},
                         0, 1, QStringLiteral("VFR code the VFR button sets"));
}
