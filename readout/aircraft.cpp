// The aircraft reader: what the loaded aircraft and flight are, and the panel
// shaped to them. Reads CaptionFirst, Title, CaptionThird, SituationPath,
// DateFirstNumber, DateSecondNumber, DateYear, ClockHour, ClockMinute, Season,
// TailNumber, Airline, ZeroFuelWeight, GrossWeight, EmptyWeight,
// StallSpeedFlaps, StallSpeedClean, CruiseSpeed, BarberPole, EngineType,
// EngineCount, HasMixture, HasCarbHeat, AutoRudder, TailDragger,
// RetractableGear, GearNose, GearLeft, GearRight, HasFlaps, FlapDetents,
// HasSpoilers, Nav1Present, Nav2Present, UnlimitedFuel, TankSelectorCount and
// the eleven tank capacities; writes PropellerType (always constant speed).
// Owns the aircraft group's caption and figures (lSit, lLocDate, lSeason,
// lTailNo, lAirline, the weights and speeds, lNoEng, lTailDrag, lGearType,
// shpAutoRudder), the pickers' values, agSpeed's range, gbEngines' caption,
// and what the aircraft lacks or has elsewhere: engine columns 2..4 and the
// picture frames, the mixture, propeller, carburettor heat and feather
// controls, rgPropType, knbTWL, knbGear and its lamps, knbFlaps' range,
// knbSpoiler, the NAV presence lamps, the fuel selectors and tank panels, and
// the picture folder of FileListBox1, OpenDialog1 and eImage1..3.
#include "uACMainForm.h"

#include "adapters/filelist.h"
#include "adapters/paneledit.h"
#include "adapters/panellabel.h"
#include "adapters/panelshape.h"
#include "adapters/radiogroup.h"
#include "adapters/trackbar.h"
#include "app/dialogseam.h"
#include "app/readerrun.h"
#include "catalogue.h"
#include "gauge/tanaloggauge.h"
#include "knob/tknob.h"
#include "readout/rules/aircraft.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QTimeEdit>

namespace {

// The simulator's texts are single-byte characters.
QString text(const std::string &s) { return QString::fromLatin1(s.data(), qsizetype(s.size())); }

void enable(TKnob *knob, TColor colour)
{
    knob->SetEnabled(true);
    knob->SetColor(colour);
}

void disable(TKnob *knob)
{
    knob->SetEnabled(false);
    knob->SetColor(clSilver);
}

void showEnabled(QWidget *w)
{
    w->setEnabled(true);
    w->show();
}

// The folder the picture viewer starts in: the simulator's picture folder
// when it exists on this machine, otherwise the user's own pictures folder.
// Nothing when the situation path names no such folder at all.
std::optional<QString> localPictureFolder(const QString &situationPath)
{
    const std::optional<QString> folder = rules::pictureFolder(situationPath);
    if (!folder)
        return std::nullopt;
    const QString here = rules::localPath(*folder);
    if (QDir(here).exists())
        return here;
    return userPicturesFolder();
}

void presetPictureFolder(TfrmACMain &w, const QString &situationPath)
{
    const std::optional<QString> folder = localPictureFolder(situationPath);
    if (!folder)
        return;
    w.FileListBox1->SetDirectory(*folder);
    w.OpenDialog1->InitialDir = *folder;
    for (PanelEdit *e : {w.eImage1, w.eImage2, w.eImage3})
        e->SetText(*folder);
}

// The flight's date and time go into the pickers only when they are a date
// within the date picker's range and a time of day; otherwise the pickers
// keep today, and the reader goes on.
void readFlightDate(TfrmACMain &w)
{
    const QDate today = QDate::currentDate();
    w.DTP1->setMaximumDate(today);
    w.DTP1->setDate(today);

    const int month = w.ReadByte(var::DateFirstNumber);
    const int day = w.ReadByte(var::DateSecondNumber);
    const int year = w.ReadWord(var::DateYear);
    w.lLocDate->SetCaption(rules::flightDateText(month, day, year));
    if (const auto date = rules::flightDate(month, day, year, w.DTP1->minimumDate(), w.DTP1->maximumDate())) {
        w.DTP1->setDate(*date);
        w.DTP2->setDate(*date);
    }

    const int hour = w.ReadByte(var::ClockHour);
    const int minute = w.ReadByte(var::ClockMinute);
    if (const auto time = rules::flightTime(hour, minute))
        w.DTP2->setTime(*time);

    if (const auto season = rules::seasonText(w.ReadWord(var::Season)))
        w.lSeason->SetCaption(*season);
}

void readWeightsAndSpeeds(TfrmACMain &w)
{
    w.lzfwgt->SetCaption(QString::number(conv::N(w.ReadDouble(var::ZeroFuelWeight))));
    w.lgwgt->SetCaption(QString::number(conv::N(conv::weight256ToPounds(w.ReadInt(var::GrossWeight)))));
    w.lewgt->SetCaption(QString::number(conv::N(conv::weight256ToPounds(w.ReadInt(var::EmptyWeight)))));
    const std::int64_t vs0 = conv::N(conv::feetPerSecondToKnots(w.ReadDouble(var::StallSpeedFlaps)));
    w.lvs0->SetCaption(QString::number(vs0));
    w.lvs1->SetCaption(QString::number(conv::N(conv::feetPerSecondToKnots(w.ReadDouble(var::StallSpeedClean)))));
    w.lvc->SetCaption(QString::number(conv::N(conv::feetPerSecondToKnots(w.ReadDouble(var::CruiseSpeed)))));

    // The description divides the barber pole by 115, the refresh by 119.
    const std::int64_t maxKnots = conv::N(w.ReadInt(var::BarberPole) / 115.0);
    w.lbps->SetCaption(QString::number(maxKnots));
    const rules::AirspeedDial dial = rules::airspeedDial(maxKnots);
    w.agSpeed->SetScale(dial.scale);
    w.agSpeed->SetNumberMainTicks(dial.mainTicks);
    w.agSpeed->SetIndMinimum(conv::saturate32(vs0));
    w.agSpeed->SetIndMaximum(dial.bandMaximum);
}

// Engine columns 2..4 are shown for the engines the aircraft has; where a
// column is missing its picture frame shows instead. Columns are never hidden
// here (the refresh button hides them before a new aircraft is read).
void shapeEngines(TfrmACMain &w)
{
    if (const auto caption = rules::engineTypeCaption(w.ReadByte(var::EngineType)))
        w.gbEngines->setTitle(*caption);

    w.vNumEng = w.ReadSmlInt(var::EngineCount);
    // Scanning is offered on a multi-engine aircraft only, and a box left
    // disabled is unticked, so that no scan runs behind it.
    w.enableEngineScan(w.vNumEng > 1);
    w.lNoEng->SetCaption(QString::number(w.vNumEng));
    w.knbEngSel->SetPosition(1);
    w.knbEngSelG->SetPosition(1);
    w.cbxSyncEng->setChecked(false);
    w.cbxSyncEng->setEnabled(false);
    disable(w.knbPropSync);
    for (QFrame *frame : {w.pnlImage1, w.pnlImage2, w.pnlImage3})
        frame->show();
    if (w.vNumEng > 1) {
        w.cbxSyncEng->setEnabled(true);
        enable(w.knbPropSync, clGray);
        showEnabled(w.pnlEngine2);
        w.pnlImage1->hide();
    }
    if (w.vNumEng > 2) {
        showEnabled(w.pnlEngine3);
        w.pnlImage2->hide();
    }
    if (w.vNumEng > 3) {
        showEnabled(w.pnlEngine4);
        w.pnlImage3->hide();
    }
}

// The engine controls the aircraft has: engine 1's always, the others' while
// their column shows.
void shapeEngineControls(TfrmACMain &w)
{
    const bool column[] = {true, !w.pnlEngine2->isHidden(), !w.pnlEngine3->isHidden(), !w.pnlEngine4->isHidden()};
    TrackBar *const mixture[] = {w.tbMix1, w.tbMix2, w.tbMix3, w.tbMix4};
    TrackBar *const propeller[] = {w.tbProp1, w.tbProp2, w.tbProp3, w.tbProp4};
    TKnob *const carbHeat[] = {w.knbCarbHt1, w.knbCarbHt2, w.knbCarbHt3, w.knbCarbHt4};

    const bool hasMixture = w.ReadCard(var::HasMixture) != 0;
    for (int e = 0; e < 4; ++e) {
        if (!hasMixture)
            mixture[e]->setEnabled(false);
        else if (column[e])
            mixture[e]->setEnabled(true);
    }
    const bool hasCarbHeat = w.ReadCard(var::HasCarbHeat) != 0;
    for (int e = 0; e < 4; ++e) {
        if (!hasCarbHeat)
            disable(carbHeat[e]);
        else if (column[e])
            enable(carbHeat[e], clGray);
    }

    w.WriteWord(var::PropellerType, 1);
    w.rgPropType->SetItemIndex(1);
    for (int e = 0; e < 4; ++e) {
        if (column[e])
            propeller[e]->setEnabled(true);
    }
    for (TKnob *k : {w.knbFeather1, w.knbFeather2, w.knbAutoFeather, w.knbFeather3, w.knbFeather4})
        enable(k, clGray);
}

TColor gearLampColour(std::int32_t position)
{
    if (position == 0)
        return clBlue;
    return position == 16383 ? clLime : clRed;
}

void shapeAirframe(TfrmACMain &w)
{
    w.shpAutoRudder->SetBrushColor(w.ReadSmlInt(var::AutoRudder) != 0 ? clLime : clMedGray);

    if (w.ReadCard(var::TailDragger) != 0) {
        w.lTailDrag->SetCaption(QStringLiteral("TD:Yes"));
        enable(w.knbTWL, clGray);
    } else {
        w.lTailDrag->SetCaption(QStringLiteral("TD:No"));
        w.knbTWL->SetPosition(0);
        disable(w.knbTWL);
    }

    if (w.ReadWord(var::RetractableGear) != 0) {
        w.lGearType->SetCaption(QStringLiteral("Gear-Rectr."));
        enable(w.knbGear, clGray);
        w.shpGearNose->SetBrushColor(gearLampColour(w.ReadInt(var::GearNose)));
        w.shpGearL->SetBrushColor(gearLampColour(w.ReadInt(var::GearLeft)));
        w.shpGearR->SetBrushColor(gearLampColour(w.ReadInt(var::GearRight)));
    } else {
        w.lGearType->SetCaption(QStringLiteral("Gear-Fixed"));
        disable(w.knbGear);
        for (PanelShape *lamp : {w.shpGearNose, w.shpGearL, w.shpGearR})
            lamp->SetBrushColor(clLime);
        w.knbGear->SetHint(QStringLiteral("Fixed Landing Gear"));
    }

    if (w.ReadCard(var::HasFlaps) == 0) {
        disable(w.knbFlaps);
    } else {
        w.knbFlaps->SetEnabled(true);
        w.knbFlaps->SetMax(w.ReadWord(var::FlapDetents));
        w.knbFlaps->SetMin(0);
        w.lFlaps->SetCaption(QStringLiteral("0"));
    }

    if (w.ReadCard(var::HasSpoilers) != 0) {
        enable(w.knbSpoiler, clGray);
    } else {
        w.knbSpoiler->SetEnabled(false);
        w.knbSpoiler->SetPosition(0);
        w.knbSpoiler->SetColor(clSilver);
    }

    if (w.ReadCard(var::Nav1Present) == 0) {
        for (PanelShape *lamp : {w.shpNav1Pwr, w.shpVOR1On, w.shpLoc1, w.shpGS1})
            lamp->SetBrushColor(clSilver);
    } else {
        w.shpNav1Pwr->SetBrushColor(clLime);
    }
    if (w.ReadCard(var::Nav2Present) == 0) {
        w.shpNav2pwr->SetBrushColor(clSilver);
        w.stNav2->SetCaption(QStringLiteral("000.000"));
    } else {
        w.shpNav2pwr->SetBrushColor(clLime);
    }
}

void shapeFuel(TfrmACMain &w)
{
    if (w.ReadByte(var::UnlimitedFuel) == 1)
        w.gbFuel->setTitle(w.gbFuel->title() + QStringLiteral(" Unlimited Set"));

    w.lFuelNSel->SetCaption(QString::number(w.ReadByte(var::TankSelectorCount)));
    TKnob *const selectors[] = {w.knbFuelSel2, w.knbFuelSel3, w.knbFuelSel4};
    for (TKnob *k : selectors)
        disable(k);
    const int count = tryStrToInt(w.lFuelNSel->Caption()).value_or(0);
    for (int s = 2; s <= 4; ++s) {
        if (count >= s)
            enable(selectors[s - 2], clGray);
    }

    const std::pair<QFrame *, const catalogue::Variable &> tanks[] = {
        {w.pnlFC1, var::FuelCentreCapacity},     {w.pnlFC2, var::FuelCentre2Capacity},
        {w.pnlFC3, var::FuelCentre3Capacity},    {w.pnlFLM, var::FuelLeftMainCapacity},
        {w.pnlFLA, var::FuelLeftAuxCapacity},    {w.pnlFLT, var::FuelLeftTipCapacity},
        {w.pnlFRM, var::FuelRightMainCapacity},  {w.pnlFRA, var::FuelRightAuxCapacity},
        {w.pnlFRT, var::FuelRightTipCapacity},   {w.pnlFE1, var::FuelExternal1Capacity},
        {w.pnlFE2, var::FuelExternal2Capacity},
    };
    for (const auto &[panel, capacity] : tanks)
        panel->setVisible(w.ReadInt(capacity) != 0);
}

} // namespace

void TfrmACMain::AircraftInfo()
{
    ReaderRun run(*this, QStringLiteral("Scanning."));
    QString caption = text(ReadStr24(var::CaptionFirst));
    caption += QLatin1Char(' ') + text(ReadStr256(var::Title));
    gbAircraft->setTitle(caption);
    lSit->SetCaption(text(ReadStr256(var::SituationPath)));
    presetPictureFolder(*this, lSit->Caption());
    readFlightDate(*this);
    gbAircraft->setTitle(gbAircraft->title() + QLatin1Char(' ') + text(ReadStr12(var::CaptionThird)));
    lTailNo->SetCaption(text(ReadStr12(var::TailNumber)));
    lAirline->SetCaption(text(ReadStr24(var::Airline)));
    readWeightsAndSpeeds(*this);
    shapeEngines(*this);
    shapeEngineControls(*this);
    shapeAirframe(*this);
    shapeFuel(*this);
}
