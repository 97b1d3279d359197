// The engines group. Top row: engine 1's column at the left, then three
// frames that the picture viewer and the columns of engines 2 to 4 share (a
// column takes its frame's place when the aircraft has that engine). Below:
// the gauge cluster of the selected engine, and beside it the engine
// selector with the engine-wide propeller and hydraulic switches.
#include "uACMainForm.h"

#include "adapters/filelist.h"
#include "adapters/paneledit.h"
#include "adapters/panelimage.h"
#include "adapters/panellabel.h"
#include "adapters/panelshape.h"
#include "adapters/trackbar.h"
#include "artwork/artwork.h"
#include "gauge/tanaloggauge.h"
#include "layoutkit.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>

using namespace layout;

namespace {

// The four frames of the top row; engine 1 keeps the left one for itself.
const QRect kTopRow[4] = {{2, 12, 187, 121}, {190, 12, 189, 121}, {380, 12, 189, 121}, {570, 12, 189, 121}};

// Lever backgrounds, so that the three levers of a column tell apart at a glance.
constexpr TColor kThrottleColor = clGray;
constexpr TColor kPropColor = RGBColor(166, 202, 240);
constexpr TColor kMixColor = RGBColor(255, 204, 204);

// A value box with its caption to the left, as the cluster's readouts are laid.
PanelLabel *readout(QWidget *parent, const char *name, QPoint at, int captionWidth, int boxWidth,
                    const QString &text, const QString &hint)
{
    caption(parent, QRect(at.x(), at.y() + 1, captionWidth, 13), text, Qt::AlignRight | Qt::AlignVCenter);
    return valueBox(parent, name, QRect(at.x() + captionWidth + 2, at.y(), boxWidth, 15), {}, hint);
}

// Places and texts of the viewer's settings are fixed; where the panel font
// runs wider than the place, the text steps down a pixel at a time instead of
// being cut off.
void shrinkToFit(QWidget *w)
{
    QFont f = w->font();
    while (w->sizeHint().width() > w->width() && f.pixelSize() > 8) {
        f.setPixelSize(f.pixelSize() - 1);
        w->setFont(f);
    }
}

QByteArray numbered(const char *pattern, int n)
{
    return QString::fromLatin1(pattern).arg(n).toLatin1();
}

// The controls of one engine column, as the window holds them.
struct EngineColumn {
    QFrame *&panel;
    TKnob *&mag;
    PanelLabel *&magPos;
    TrackBar *&throttle, *&prop, *&mix;
    PanelLabel *&lT, *&lP, *&lM;
    PanelShape *&running;
    PanelLabel *&cat;
    TKnob *&gen, *&carbHeat, *&fuelValve, *&fuelPump, *&feather;
};

// One column: the three levers with their percent labels at the left; the
// running lamp, carburettor air temperature, magnetos and the five engine
// switches at the right.
void buildEngineColumn(QWidget *group, int n, const EngineColumn &c)
{
    static const char *const magNames[4] = {"knbMag", "knbMag2", "knbMag3", "knbMag4"};
    static const char *const lampNames[4] = {"ShpEng1", "ShpEng2", "shpEng3", "shpEng4"};
    static const char *const catNames[4] = {"stCAT1", "stCat2", "stCAT3", "stCAT4"};
    const QString engine = QStringLiteral(" - Engine %1").arg(n);

    c.panel = panel(group, numbered("pnlEngine%1", n).constData(), kTopRow[n - 1], clSilver, Bevel::Raised);
    QWidget *p = c.panel;

    // Levers: throttle, propeller (its travel goes on 20 % past zero), mixture; full
    // is at the top.
    struct Lever {
        TrackBar *&bar;
        PanelLabel *&percent;
        const char *barName, *labelName, *title, *what;
        int max, position;
        TColor color;
    } levers[] = {
        {c.throttle, c.lT, "tbThrottle%1", "lT%1", "Thr", "Throttle", 0, -50, kThrottleColor},
        {c.prop, c.lP, "tbProp%1", "lP%1", "Prop", "Propeller", 20, 0, kPropColor},
        {c.mix, c.lM, "tbMix%1", "lM%1", "Mix", "Mixture", 0, 0, kMixColor},
    };
    int x = 4;
    for (Lever &l : levers) {
        const QString what = QString::fromLatin1(l.what);
        caption(p, QRect(x - 1, 2, 24, 13), QString::fromLatin1(l.title), Qt::AlignCenter);
        l.bar = lever(p, numbered(l.barName, n).constData(), QRect(x, 16, 22, 84), -100, l.max, l.position,
                      what + QStringLiteral(" Lever") + engine);
        l.bar->SetColor(l.color);
        // The handlers compare this text with the lever, so it always holds a number.
        l.percent = label(p, numbered(l.labelName, n).constData(), QRect(x - 1, 101, 24, 13),
                          QString::number(-l.position), what + QStringLiteral(" Percent") + engine);
        l.percent->setAlignment(Qt::AlignCenter);
        x += 24;
    }

    // Title with the running lamp, then the carburettor air temperature.
    c.running = lamp(p, lampNames[n - 1], QRect(78, 3, 12, 12), clSilver,
                     QStringLiteral("Engine %1: lime running, red alarm").arg(n));
    PanelLabel *title =
        caption(p, QRect(94, 2, 70, 13), QStringLiteral("Engine %1").arg(n), Qt::AlignLeft | Qt::AlignVCenter);
    title->setFont(panelFont(11, true));
    caption(p, QRect(78, 18, 46, 13), QStringLiteral("Carb Air"), Qt::AlignLeft | Qt::AlignVCenter);
    c.cat = valueBox(p, catNames[n - 1], QRect(126, 17, 56, 15), {},
                     QStringLiteral("Carburettor Air Temperature") + engine);

    // Magnetos and switches in two rows of three, each with its caption under it.
    const int centres[3] = {96, 132, 168};
    const KnobSpec onOff{24, 0, 1};
    auto cell = [&](int col, int top, const char *name, const KnobSpec &spec, const QString &text,
                    const QString &hint) {
        TKnob *k = knob(p, name, QPoint(centres[col] - spec.side / 2, top + (30 - spec.side) / 2), spec, hint);
        caption(p, QRect(centres[col] - 18, top + 30, 36, 13), text, Qt::AlignCenter);
        return k;
    };
    c.mag = cell(0, 34, magNames[n - 1], {30, 0, 4, itLine, 5, 2}, QStringLiteral("Mag"),
                 QStringLiteral("Magnetos: Off, Right, Left, Both, Start") + engine);
    c.magPos = label(p, numbered("lMag%1Pos", n).constData(), QRect(78, 64, 36, 13), QStringLiteral("0"));
    c.magPos->hide();
    c.gen = cell(1, 34, numbered("knbGen%1", n).constData(), onOff, QStringLiteral("Gen"),
                 QStringLiteral("Generator") + engine);
    c.carbHeat = cell(2, 34, numbered("knbCarbHt%1", n).constData(), onOff, QStringLiteral("Carb"),
                      QStringLiteral("Carburettor Heat") + engine);
    c.fuelValve = cell(0, 76, numbered("knbFV%1", n).constData(), onOff, QStringLiteral("Valve"),
                       QStringLiteral("Fuel Valve") + engine);
    c.fuelPump = cell(1, 76, numbered("knbFP%1", n).constData(), onOff, QStringLiteral("Pump"),
                      QStringLiteral("Fuel Pump") + engine);
    c.feather = cell(2, 76, numbered("knbFeather%1", n).constData(), onOff, QStringLiteral("Feath"),
                     QStringLiteral("Propeller Feather") + engine);
}

} // namespace

void TfrmACMain::buildEnginesGroup()
{
    gbEngines = group(this, "gbEngines", QStringLiteral("Engines"),
                      QStringLiteral("Engine Information and Control Panel."), QRect(2, 492, 762, 269));
    QWidget *g = gbEngines;

    // Engine columns. Columns 2 to 4 wait hidden until the aircraft has those engines.
    const EngineColumn columns[4] = {
        {pnlEngine1, knbMag, lMag1Pos, tbThrottle1, tbProp1, tbMix1, lT1, lP1, lM1, ShpEng1, stCAT1, knbGen1,
         knbCarbHt1, knbFV1, knbFP1, knbFeather1},
        {pnlEngine2, knbMag2, lMag2Pos, tbThrottle2, tbProp2, tbMix2, lT2, lP2, lM2, ShpEng2, stCat2, knbGen2,
         knbCarbHt2, knbFV2, knbFP2, knbFeather2},
        {pnlEngine3, knbMag3, lMag3Pos, tbThrottle3, tbProp3, tbMix3, lT3, lP3, lM3, shpEng3, stCAT3, knbGen3,
         knbCarbHt3, knbFV3, knbFP3, knbFeather3},
        {pnlEngine4, knbMag4, lMag4Pos, tbThrottle4, tbProp4, tbMix4, lT4, lP4, lM4, shpEng4, stCAT4, knbGen4,
         knbCarbHt4, knbFV4, knbFP4, knbFeather4},
    };
    for (int n = 1; n <= 4; ++n)
        buildEngineColumn(g, n, columns[n - 1]);
    for (QFrame *column : {pnlEngine2, pnlEngine3, pnlEngine4})
        column->hide();

    // The picture viewer's three frames, each a white panel with its picture,
    // and the slide-show settings that open in place of the third picture. The
    // edits and the settings stay hidden until the viewer shows them.
    const QString mask = QStringLiteral("*.jpg;*.bmp");
    const QString changeHint = QStringLiteral("Double Click to Change Picture.");
    struct Frame {
        QFrame *&frame;
        PanelImage *&image;
        PanelEdit *&path;
        const char *frameName, *imageName, *pathName;
        QRect pathPlace;
        QString hint;
    } frames[] = {
        {pnlImage1, Image1, eImage1, "pnlImage1", "Image1", "eImage1", {4, 4, 177, 22}, changeHint},
        {pnlImage2, Image2, eImage2, "pnlImage2", "Image2", "eImage2", {4, 4, 177, 22}, changeHint},
        {pnlImage3, Image3, eImage3, "pnlImage3", "Image3", "eImage3", {4, 29, 177, 22},
         QStringLiteral("Double Click to Change Picture, Right Click to Set AutoPlay")},
    };
    int index = 1;
    for (Frame &f : frames) {
        f.frame = panel(g, f.frameName, kTopRow[index], clWhite, Bevel::Lowered);
        f.image = picture(f.frame, f.imageName, QRect(4, 4, 180, 112), artwork::viewerPicture(index), f.hint);
        f.image->SetStretch(true);
        // Made after the picture so that it lies over it while shown.
        f.path = edit(f.frame, f.pathName, f.pathPlace, mask);
        f.path->hide();
        ++index;
    }

    FileListBox1 = fileList(pnlImage1, "FileListBox1", QRect(24, 52, 145, 61), mask);
    FileListBox1->SetFileEdit(eImage1);
    FileListBox1->hide();

    // Slide-show settings, in panel 3.
    QWidget *p = pnlImage3;
    btnImagePlay = button(p, "btnImagePlay", QRect(5, 9, 89, 17), QStringLiteral("Set Image Path"),
                          QStringLiteral("Select first Image file."));
    limage1Ck = label(p, "limage1Ck", QRect(5, 55, 170, 14), QStringLiteral("Click Check Box to enable AutoPlay"));
    cbxImage1 = checkBox(p, "cbxImage1", QRect(5, 73, 108, 17), QStringLiteral("Auto Play Images"));
    eImage1time = edit(p, "eImage1time", QRect(114, 72, 61, 22), QStringLiteral("1"),
                       QStringLiteral("Set display time in minutes."));
    btnImagePlayExit = button(p, "btnImagePlayExit", QRect(5, 93, 89, 17), QStringLiteral("Exit"),
                              QStringLiteral("Return to Image"));
    shrinkToFit(limage1Ck);
    shrinkToFit(cbxImage1);
    for (QWidget *w : std::initializer_list<QWidget *>{btnImagePlay, limage1Ck, cbxImage1, eImage1time,
                                                       btnImagePlayExit})
        w->hide();

    // Gauge cluster of the selected engine: the two round dials, the five
    // quarter dials, each with its value under it, and four more readouts.
    pnlEngGauges = panel(g, "pnlEngGauges", QRect(2, 134, 624, 132), clSilver, Bevel::Lowered);
    QWidget *c = pnlEngGauges;
    const int top = 8;
    agRPM = gauge(c, "agRPM", {3, top},
                  {QSize(98, 98), CenterStyle, 300, 5, 6, 8, 3, 36, 5, 30, clYellow, clGreen, clRed,
                   QStringLiteral("x100"), clWhite, 12},
                  QStringLiteral("Propeller RPM x100"));
    agMAP = gauge(c, "agMAP", {103, top},
                  {QSize(98, 98), CenterStyle, 300, 4, 9, 6, 3, 45, 5, 41, clYellow, clGreen, clRed,
                   QStringLiteral("MAP"), clWhite, 12},
                  QStringLiteral("Manifold Pressure, inches of mercury"));
    stRPM1 = readout(c, "stRPM1", {3, top + 100}, 28, 66, QStringLiteral("RPM"), QStringLiteral("Propeller RPM"));
    stMAP1 = readout(c, "stMAP1", {103, top + 100}, 28, 66, QStringLiteral("MAP"),
                     QStringLiteral("Manifold Pressure, inches of mercury"));

    // Quarter dials: temperatures in tens of degrees (the unit follows the
    // aircraft group's scale choice), oil pressure, fuel flow.
    struct Quarter {
        TAnalogGauge *&dial;
        PanelLabel *&value;
        const char *dialName, *valueName, *title, *hint;
        int scale, indMinimum, indMaximum, mainTicks;
        TColor minColor, midColor, maxColor;
        const char *unit;
        TColor valueColor;
    } quarters[] = {
        {agCHT, stCHT1, "agCHT", "stCHT1", "CHT", "Cylinder Head Temperature", 60, 10, 51, 4, clYellow, clGreen,
         clRed, "Fx10", clWhite},
        {agEGT, stEGT1, "agEGT", "stEGT1", "EGT", "Exhaust Gas Temperature", 160, 30, 135, 4, clYellow, clGreen,
         clRed, "Fx10", clWhite},
        {agOT, stOT1, "agOT", "stOT1", "Oil T", "Oil Temperature", 24, 3, 21, 4, clYellow, clGreen, clRed, "Fx10",
         clWhite},
        {agOP, stOP1, "agOP", "stOP1", "Oil P", "Oil Pressure, PSI", 100, 10, 90, 4, clRed, clGreen, clYellow, "PSI",
         clWhite},
        {agFF, stFF1, "agFF", "stFF1", "FF", "Fuel Flow, pounds per hour", 150, 10, 105, 3, clYellow, clGreen,
         clBlue, "PPH", clSilver},
    };
    int x = 203;
    for (Quarter &q : quarters) {
        const QString hint = QString::fromLatin1(q.hint);
        q.dial = gauge(c, q.dialName, {x, top},
                       {QSize(82, 80), RightStyle, 90, 10, q.mainTicks, 10, 4, q.scale, q.indMinimum, q.indMaximum,
                        q.minColor, q.midColor, q.maxColor, QString::fromLatin1(q.unit), q.valueColor},
                       hint);
        q.value = readout(c, q.valueName, {x, top + 82}, 28, 52, QString::fromLatin1(q.title), hint);
        x += 84;
    }
    const int extrasTop = top + 100;
    stRatio1 = readout(c, "stRatio1", {203, extrasTop}, 56, 46, QStringLiteral("Ratio"),
                       QStringLiteral("Air Mass Ratio"));
    stFP1 = readout(c, "stFP1", {307, extrasTop}, 56, 46, QStringLiteral("Fuel Press"),
                    QStringLiteral("Fuel Pressure, PSI"));
    stHP1 = readout(c, "stHP1", {411, extrasTop}, 56, 46, QStringLiteral("Hyd Press"),
                    QStringLiteral("Hydraulic Pressure"));
    stTPSI1 = readout(c, "stTPSI1", {515, extrasTop}, 56, 46, QStringLiteral("Torque"),
                      QStringLiteral("Torque, ft-lb"));

    // Beside the cluster: which engine it shows, the automatic scan through
    // the engines, and the switches that act on all engines at once.
    knbEngSel = knob(g, "knbEngSel", {632, 136}, {40, 1, 4, itCircle, 5, 5, 1, QStringLiteral("Engine")},
                     QStringLiteral("Engine shown on the gauges"));
    caption(g, QRect(676, 149, 60, 13), QStringLiteral("Engine"), Qt::AlignLeft | Qt::AlignVCenter);
    cbxScanEng = checkBox(g, "cbxScanEng", QRect(632, 177, 110, 17), QStringLiteral("Scan Engines"),
                          QStringLiteral("Show each engine on the gauges in turn, every 5 seconds"));
    knbPropSync = knob(g, "knbPropSync", {636, 196}, {24, 0, 1}, QStringLiteral("Propeller Synchronisation"));
    caption(g, QRect(664, 201, 90, 13), QStringLiteral("Prop Sync"), Qt::AlignLeft | Qt::AlignVCenter);
    knbAutoFeather = knob(g, "knbAutoFeather", {636, 222}, {24, 0, 1}, QStringLiteral("Propeller Auto Feather"));
    caption(g, QRect(664, 227, 90, 13), QStringLiteral("Auto Feather"), Qt::AlignLeft | Qt::AlignVCenter);
    knbHydPumps = knob(g, "knbHydPumps", {639, 248}, {18, 0, 1, itCircle, 3, 1}, QStringLiteral("Hydraulic Pumps"));
    caption(g, QRect(664, 250, 90, 13), QStringLiteral("Hyd Pumps"), Qt::AlignLeft | Qt::AlignVCenter);
}
