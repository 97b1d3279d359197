// Knobs page: one knob per distinct knob configuration of the panel, each
// with a label as its PositionLabel so turning it shows the value.
#include "gallery.h"

#include "knob/tknob.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <array>

namespace gallery {
namespace {

struct KnobEntry {
    const char *group;  // section of the page
    const char *names;  // the panel knobs that share this configuration
    int side, min, max, start;
    TIndicatorType indicator;
    float lineLength, lineWidth;
    int pageSize = 1;
    const char *caption = "";
    bool tabStop = true;
    bool showFocusedState = true;
    bool springLoaded = false;
    TColor color = clGray;
};

constexpr const char *kSwitches = "Two-position switches";
constexpr const char *kDots = "Selectors with dots";
constexpr const char *kLines = "Selectors with lines";
constexpr const char *kContinuous = "Continuous knobs";
constexpr const char *kSpring = "Spring-loaded";

// Start positions are plausible panel values, so the page shows indicators in
// many directions; the ranges, sizes and indicators are the panel's.
const std::array<KnobEntry, 28> kKnobs{{
    {kSwitches, "knbBeacon, knbNavLt, knbLand, knbTaxi, knbStrobe, knbPanel, knbCabin, knbRecog, knbLogo, knbWing, "
                "knbSeatBelt, knbNoSmk, knbPitot, knbTWL",
     28, 0, 1, 0, itCircle, 3, 2},
    {kSwitches, "knbFP1..4, knbFV1..4, knbGen1..4, knbCarbHt1..4, knbFeather1..4, knbFuelPumpMaster, knbFuelXFeed, "
                "knbAutoFeather, knbPropSync, knbDriftFix",
     24, 0, 1, 1, itCircle, 3, 2},
    {kSwitches, "knbMasterBat, knbPark, knbGear, knbYawDamp, knbAPHead, knbAPFD, knbAPAlt, knbAPNav, knbAPBC, "
                "knbAPApr, knbWingLevel, knbAvionics",
     30, 0, 1, 0, itCircle, 3, 2},
    {kSwitches, "knbNavGps (starts green)", 30, 0, 1, 1, itCircle, 3, 2, 1, "", true, true, false, clSwitchOn},
    {kSwitches, "knbAutoPilotMaster", 34, 0, 1, 1, itCircle, 3, 2},
    {kSwitches, "knbHydPumps", 18, 0, 1, 0, itCircle, 3, 1},
    {kDots, "knbSpoiler", 28, 0, 2, 1, itCircle, 3, 2},
    {kDots, "knbAPU", 30, 0, 2, 2, itCircle, 4, 4},
    {kDots, "knbTransOn (not a tab stop)", 22, 0, 3, 2, itCircle, 3, 2, 1, "", false},
    {kDots, "knbEngSelG", 40, 0, 4, 2, itCircle, 5, 5},
    {kDots, "knbEngSel", 40, 1, 4, 3, itCircle, 5, 5, 1, "Engine"},
    {kLines, "knbMag, knbMag2..4", 30, 0, 4, 3, itLine, 5, 2},
    {kLines, "knbMasterFuel, knbFuelSel2..4", 31, 0, 20, 7, itLine, 6, 2},
    {kLines, "knbT1..4", 22, 0, 7, 4, itLine, 3, 2},
    {kLines, "knbFlaps", 28, 0, 8, 2, itLine, 5, 2},
    {kLines, "knbCowlFlaps", 40, 0, 10, 10, itLine, 8, 2},
    {kContinuous, "knbKollsman", 24, 870, 1087, 1013, itLine, 3, 2},
    {kContinuous, "knbTrim", 28, -2100, 2100, 0, itLine, 5, 2, 5},
    {kContinuous, "knbATrim, knbRTrim", 28, -100, 100, -40, itLine, 5, 2},
    {kContinuous, "knbHeadBug, knbNavCrs", 42, -179, 180, 45, itLine, 8, 2, 1, "Deg."},
    {kContinuous, "knbNavCrs2", 32, -179, 180, -90, itLine, 6, 2, 1, "Deg."},
    {kContinuous, "knbVertSpd", 32, -40, 40, 10, itLine, 6, 2, 1, "Deg."},
    {kContinuous, "knbAltSet (no focus ring)", 42, 0, 750, 50, itLine, 8, 2, 1, "Feet", true, false},
    {kContinuous, "knbMHz1, knbMHz2", 42, 118, 136, 121, itLine, 8, 2},
    {kContinuous, "knbKHz1, knbKHz2", 36, 0, 975, 500, itLine, 6, 2, 25},
    {kContinuous, "knbADF", 26, 0, 99, 35, itLine, 4, 2},
    {kContinuous, "knbADF2", 26, 1, 17, 17, itLine, 4, 2},
    {kSpring, "knbRudder", 48, -16383, 16383, 0, itLine, 4, 8, 32, "", true, true, true},
}};

// The knob as the panel builds it: size first (the line length limit uses
// the radius of the moment), then colours, indicator, range and extras.
TKnob *makeKnob(const KnobEntry &e, QLabel *positionLabel)
{
    auto *k = new TKnob;
    k->setObjectName(QString::fromLatin1(e.names).section(QLatin1Char(' '), 0, 0).remove(QLatin1Char(',')));
    k->setFixedSize(e.side, e.side);
    k->SetLineColor(clBlack);
    k->SetColor(e.color);
    k->SetIndicatorType(e.indicator);
    k->SetLineLength(e.lineLength);
    k->SetLineWidth(e.lineWidth);
    k->SetPageSize(static_cast<quint16>(e.pageSize));
    k->SetParams(e.start, e.min, e.max);
    k->SetCaption(QString::fromLatin1(e.caption));
    k->SetTabStop(e.tabStop);
    k->SetShowFocusedState(e.showFocusedState);
    k->SetSpringLoaded(e.springLoaded);
    k->SetPositionLabel(positionLabel);
    k->SetHint(QString::fromLatin1(e.names));
    return k;
}

// What the knob actually holds (the widget may limit LineLength and
// LineWidth), so the note shows the configuration as drawn.
QString describe(const TKnob &k, const KnobEntry &e)
{
    QString s = QStringLiteral("%1 px, %2..%3\n%4 %5 / %6")
                    .arg(k.Diameter())
                    .arg(k.Min())
                    .arg(k.Max())
                    .arg(k.IndicatorType() == itCircle ? QStringLiteral("dot") : QStringLiteral("line"))
                    .arg(double(k.LineLength()))
                    .arg(double(k.LineWidth()));
    if (double(k.LineLength()) != double(e.lineLength))
        s += QStringLiteral(" (asked %1)").arg(double(e.lineLength));
    if (k.PageSize() != 1)
        s += QStringLiteral(", page %1").arg(k.PageSize());
    if (k.SpringLoaded())
        s += QStringLiteral(", spring");
    return s;
}

QWidget *knobCell(const KnobEntry &e)
{
    auto *cell = new QWidget;
    cell->setFixedWidth(150);
    auto *v = new QVBoxLayout(cell);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(3);
    auto *value = new QLabel;
    value->setAlignment(Qt::AlignHCenter);
    QFont f = value->font();
    f.setPixelSize(12);
    f.setBold(true);
    value->setFont(f);
    TKnob *k = makeKnob(e, value);
    v->addWidget(nameLabel(QString::fromLatin1(e.names)));
    v->addWidget(k, 0, Qt::AlignHCenter);
    v->addWidget(value);
    v->addWidget(noteLabel(describe(*k, e)));
    v->addStretch(1);
    return cell;
}

} // namespace

QWidget *makeKnobPage()
{
    auto *page = backdrop(pageColor);
    auto *v = new QVBoxLayout(page);
    QGridLayout *grid = nullptr;
    QString current;
    int index = 0;
    constexpr int columns = 7;
    for (const KnobEntry &e : kKnobs) {
        if (current != QLatin1String(e.group)) {
            current = QLatin1String(e.group);
            v->addWidget(section(current, &grid));
            grid->setColumnStretch(columns, 1); // keep the cells packed to the left
            index = 0;
        }
        grid->addWidget(knobCell(e), index / columns, index % columns, Qt::AlignTop);
        ++index;
    }
    v->addStretch(1);
    return page;
}

} // namespace gallery
