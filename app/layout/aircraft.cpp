// The aircraft group: what the loaded aircraft and flight are (situation
// file, tail number and airline, engines and gear, weights and reference
// speeds, the simulator's date and season), the pickers that set the
// simulator's date and time, the propeller type and the panel's two unit
// choices, simulation rate, service ceiling, zoom, auto-rudder and the doors.
#include "uACMainForm.h"

#include "adapters/paneledit.h"
#include "adapters/panellabel.h"
#include "adapters/panelshape.h"
#include "adapters/radiogroup.h"
#include "adapters/speedbutton.h"
#include "adapters/updown.h"
#include "layoutkit.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QTimeEdit>

using namespace layout;

namespace {

// The four text rows of the group.
constexpr int kRow[] = {19, 35, 51, 67};
constexpr int kRowHeight = 15;

// A caption and the figure it names, on one row.
PanelLabel *captioned(QWidget *parent, const char *name, int left, int row, int captionWidth, int width,
                      const QString &title, const QString &hint)
{
    caption(parent, QRect(left, kRow[row], captionWidth, kRowHeight), title);
    PanelLabel *l = label(parent, name, QRect(left + captionWidth, kRow[row], width, kRowHeight),
                          QStringLiteral("0"), hint);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

} // namespace

void TfrmACMain::buildAircraftGroup()
{
    gbAircraft = group(this, "gbAircraft", QStringLiteral("Aircraft"),
                       QStringLiteral("Aircraft/Flight Information and Configuration Panel"), QRect(2, 0, 762, 84));
    QWidget *g = gbAircraft;

    // Identity: the flight loaded, tail number and airline, engines and gear,
    // and the simulator's own date and season.
    lSit = label(g, "lSit", QRect(4, kRow[0], 190, kRowHeight), QString(),
                 QStringLiteral("Flight Situation on Startup..."));
    lTailNo = label(g, "lTailNo", QRect(4, kRow[1], 60, kRowHeight), QString(), QStringLiteral("Tail Number"));
    lAirline = label(g, "lAirline", QRect(68, kRow[1], 126, kRowHeight), QString(), QStringLiteral("Airline"));
    caption(g, QRect(4, kRow[2], 47, kRowHeight), QStringLiteral("Engines:"));
    lNoEng = label(g, "lNoEng", QRect(53, kRow[2], 14, kRowHeight), QStringLiteral("0"),
                   QStringLiteral("Number of Engines"));
    lTailDrag = label(g, "lTailDrag", QRect(68, kRow[2], 40, kRowHeight), QString(), QStringLiteral("Tail Dragger"));
    lGearType = label(g, "lGearType", QRect(111, kRow[2], 83, kRowHeight), QString(),
                      QStringLiteral("Landing Gear Type"));
    lLocDate = label(g, "lLocDate", QRect(4, kRow[3], 70, kRowHeight), QString(), QStringLiteral("Flight Date"));
    lSeason = label(g, "lSeason", QRect(77, kRow[3], 117, kRowHeight), QString(), QStringLiteral("Season"));

    // Weights in pounds and reference speeds in knots.
    lzfwgt = captioned(g, "lzfwgt", 198, 0, 28, 44, QStringLiteral("ZFW"),
                       QStringLiteral("Zero Fuel Weight in Pounds"));
    lgwgt = captioned(g, "lgwgt", 198, 1, 28, 44, QStringLiteral("GW"), QStringLiteral("Gross Weight in Pounds"));
    lewgt = captioned(g, "lewgt", 198, 2, 28, 44, QStringLiteral("EW"), QStringLiteral("Empty Weight in Pounds"));
    lvs0 = captioned(g, "lvs0", 274, 0, 24, 30, QStringLiteral("Vs0"),
                     QStringLiteral("Stall Speed with Full Flaps in Knots"));
    lvs1 = captioned(g, "lvs1", 274, 1, 24, 30, QStringLiteral("Vs1"), QStringLiteral("Clean Stall Speed in Knots"));
    lvc = captioned(g, "lvc", 274, 2, 24, 30, QStringLiteral("Vc"), QStringLiteral("Cruise Speed in Knots"));

    // Auto-rudder lamp: lime while the simulator steers the rudder itself.
    shpAutoRudder = lamp(g, "shpAutoRudder", QRect(200, kRow[3] + 2, 11, 11), clMedGray,
                         QStringLiteral("Auto Rudder is Turned on in FS."));
    caption(g, QRect(215, kRow[3], 72, kRowHeight), QStringLiteral("Auto Rudder"));

    // The simulator's date and time, set from the two pickers.
    DTP1 = datePicker(g, "DTP1", QRect(332, 19, 98, 20), QStringLiteral("Set Date for Flight"));
    DTP1->setDateRange(QDate(1903, 12, 17), QDate(2016, 4, 25));
    DTP2 = timePicker(g, "DTP2", QRect(332, 40, 98, 20), QStringLiteral("Set Flight Time"));
    sbtnTimeSet = speedButton(g, "sbtnTimeSet", QRect(332, 61, 98, 20), QStringLiteral("Set Time"),
                              QStringLiteral("Set the Simulator's Date and Time to the Values Above"));

    // Propeller type, and the units the panel shows temperatures and pressures in.
    rgPropType = radioGroup(g, "rgPropType", QRect(434, 18, 50, 64), QStringLiteral("Prop"),
                            {QStringLiteral("Fx"), QStringLiteral("Cn"), QStringLiteral("Au")}, -1, 1,
                            QStringLiteral("Propeller Type: Fixed Pitch, Constant Speed, Automatic"));
    rgTemp = radioGroup(g, "rgTemp", QRect(487, 18, 46, 64), QStringLiteral("Temp"),
                        {QStringLiteral("F"), QStringLiteral("C")}, 0, 1,
                        QStringLiteral("Temperature Scale: Fahrenheit or Celsius"));
    rgBaro = radioGroup(g, "rgBaro", QRect(536, 18, 52, 64), QStringLiteral("Baro"),
                        {QStringLiteral("Hg"), QStringLiteral("Mb")}, 0, 1,
                        QStringLiteral("Pressure Scale: Inches of Mercury or Millibars"));

    // Simulation rate (the arrows step it), service ceiling (top of the
    // altitude bar) and the simulator's zoom.
    caption(g, QRect(592, 21, 49, kRowHeight), QStringLiteral("Sim Rate"));
    // The arrows are made before their edit so that they also go first when
    // the window is torn down: the dying edit's last events then never reach
    // the arrows' key filter.
    UpDown1 = upDown(g, "UpDown1", QRect(671, 19, 14, 19), nullptr, 0, 32, 1, QStringLiteral("Simulation Rate"));
    eSimRate = edit(g, "eSimRate", QRect(643, 19, 28, 19), QStringLiteral("1"), QStringLiteral("Simulation Rate"));
    UpDown1->SetAssociate(eSimRate);
    caption(g, QRect(592, 42, 49, kRowHeight), QStringLiteral("Ceiling"));
    eServCeiling = edit(g, "eServCeiling", QRect(643, 40, 42, 19), QStringLiteral("13500"),
                        QStringLiteral("Service Ceiling in Feet: the top of the altitude bar"));
    caption(g, QRect(592, kRow[3], 49, kRowHeight), QStringLiteral("Zoom"));
    lZoom = label(g, "lZoom", QRect(645, kRow[3], 40, kRowHeight), QStringLiteral("0"),
                  QStringLiteral("FS Zoom Factor"));

    // Door lamps, red while a door is open; a click opens or closes it.
    caption(g, QRect(691, kRow[0], 64, kRowHeight), QStringLiteral("Doors"))->setAlignment(Qt::AlignCenter);
    PanelShape **doors[] = {&ShapeD1, &ShapeD2, &ShapeD3, &ShapeD4, &ShapeD5, &ShapeD6, &ShapeD7, &ShapeD8};
    for (int i = 0; i < 8; ++i) {
        const QString name = QStringLiteral("ShapeD%1").arg(i + 1);
        const QString hint = i == 0 ? QStringLiteral("Main Door: red when open. Click to Open or Close.")
                                    : QStringLiteral("Door %1: red when open. Click to Open or Close.").arg(i + 1);
        *doors[i] = lamp(g, name.toLatin1().constData(), QRect(697 + (i % 4) * 14, 38 + (i / 4) * 16, 11, 11),
                         clSilver, hint);
    }
}
