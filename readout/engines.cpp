// The engines as the simulator holds them: EngineInfoSel fills the gauge
// cluster with the engine the selector shows, EngineInfo1..4 the engine
// columns; the scan steps the selectors through the engines.
//
// Offsets read, per engine (var::...[engine]): 0x2400.. propeller RPM,
// 0x08C0.. manifold pressure, 0x08E8.. cylinder head temperature, 0x3B70..
// exhaust gas temperature, 0x0918.. fuel flow, 0x3818.. air mass ratio,
// 0x08B8.. oil temperature, 0x08BA.. oil pressure, 0x08F8.. fuel pressure,
// 0x08D8.. hydraulic pressure, 0x0920.. torque; 0x0892.. magnetos, 0x088C..
// throttle, 0x088E.. propeller and 0x0890.. mixture levers, 0x0894..
// combustion, 0x3AE0.. alarm flag, 0x3828.. carburettor air temperature,
// 0x3B78.. generator, 0x08B2.. carburettor heat, 0x3590.. fuel valve,
// 0x3B98.. fuel pump switch. Shared: 0x37F0 cowl flaps, 0x2EC8 propeller
// synchronisation, 0x2E88 auto-feather, 0x341E hydraulic pumps.
// Controls: the gauge cluster (agRPM, agMAP, agCHT, agEGT, agOT, agOP, agFF
// and the st.. values), the engine columns (levers, lT/lP/lM, magneto knobs
// and lMagNPos, running lamps, carburettor air, the column switches),
// knbCowlFlaps and lCFVal, knbPropSync, knbAutoFeather, knbHydPumps; the
// selectors knbEngSel and knbEngSelG, cbxScanEng and tmEngineCycle.
#include "readerrun.h"

#include "adapters/panellabel.h"
#include "adapters/panelshape.h"
#include "adapters/paneltimer.h"
#include "adapters/radiogroup.h"
#include "adapters/trackbar.h"
#include "catalogue.h"
#include "gauge/tanaloggauge.h"
#include "knob/tknob.h"
#include "readout/enginecolumn.h"
#include "readout/rules/engines.h"

#include <QCheckBox>
#include <QPushButton>

namespace {

constexpr TColor kPropellerLever = RGBColor(166, 202, 240); // light blue
constexpr TColor kMixtureLever = RGBColor(255, 204, 204);   // pink

// A lever as read: its whole percent in the label, the bar where that percent
// stands (the label first, so that the lever handler finds the two agreeing).
void showLever(TrackBar *bar, PanelLabel *label, std::int16_t raw, TColor colour)
{
    const std::int32_t percent = rules::leverPercent(raw);
    label->SetCaption(QString::number(percent));
    bar->SetPosition(rules::leverBarPosition(percent));
    bar->SetColor(colour);
}

void showTemperature(TAnalogGauge *dial, PanelLabel *value, const rules::TemperatureDial &t)
{
    value->SetCaption(QString::number(conv::N(t.degrees)));
    setDialRange(*dial, t.range);
    dial->SetCaption(QString::fromLatin1(t.caption));
    dial->SetPosition(float(t.degrees / 10.0));
}

} // namespace

void TfrmACMain::connectEngineReadout()
{
    on(tmEngineCycle, &PanelTimer::OnTimer, &TfrmACMain::tmEngineCycleTimer);
    on(knbEngSel, &TKnob::OnChange, &TfrmACMain::knbEngSelChange);
    on(knbEngSelG, &TKnob::OnChange, &TfrmACMain::knbEngSelChange);
    // Ticked by the user or by the engine readout alike.
    on(cbxScanEng, &QCheckBox::toggled, [](TfrmACMain *w, bool) { w->cbxScanEngClick(w->cbxScanEng); });
}

bool TfrmACMain::tempInCelsius() const
{
    return rgTemp->ItemIndex() == 1;
}

// --- The gauge cluster --------------------------------------------------------

void TfrmACMain::EngineInfoSel()
{
    ReaderRun run(*this, QStringLiteral("Scanning."));
    const int e = rules::selectedEngineIndex(knbEngSel->Position());
    const bool celsius = tempInCelsius();

    const double rpm = ReadDouble(var::PropellerRpm[e]);
    stRPM1->SetCaption(QString::number(conv::N(rpm)));
    if (const auto scale = rules::rpmDialScale(agRPM->Scale(), rpm))
        agRPM->SetScale(*scale);
    agRPM->SetPosition(float(rpm / 100.0));

    const double manifold = conv::manifoldToInHg(ReadWord(var::ManifoldPressure[e]));
    stMAP1->SetCaption(QString::asprintf("%2.1f", manifold));
    if (const auto scale = rules::manifoldDialScale(agMAP->Scale(), manifold))
        agMAP->SetScale(*scale);
    agMAP->SetPosition(float(manifold));

    showTemperature(agCHT, stCHT1, rules::cylinderHeadDial(ReadDouble(var::CylinderHeadTemperature[e]), celsius));
    showTemperature(agEGT, stEGT1, rules::exhaustGasDial(ReadDouble(var::ExhaustGasTemperature[e]), celsius));

    agFF->SetPosition(float(ReadDouble(var::FuelFlow[e])));
    stFF1->SetCaption(QString::number(conv::N(agFF->Position())));
    const int throttle = rules::fuelFlowThrottle(tbThrottle1->Position(), tbThrottle2->Position(), vNumEng);
    if (const auto range = rules::fuelFlowRescale(agFF->Scale(), agFF->Position(), throttle)) {
        agFF->SetScale(range->scale);
        agFF->SetIndMaximum(range->indMaximum);
    }

    stRatio1->SetCaption(QString::asprintf("%0.3f", ReadDouble(var::AirMassRatio[e])));
    showTemperature(agOT, stOT1, rules::oilTemperatureDial(ReadSmlInt(var::OilTemperature[e]), celsius));
    const double oilPressure = conv::oilPressureToPsi(ReadWord(var::OilPressure[e]));
    stOP1->SetCaption(QString::number(conv::N(oilPressure)));
    agOP->SetPosition(float(oilPressure));
    stFP1->SetCaption(QString::number(conv::N(conv::fuelPressureToPsi(ReadInt(var::FuelPressure[e])))));
    stHP1->SetCaption(QString::number(conv::N(conv::hydraulicPressureShown(ReadInt(var::HydraulicPressure[e])))));
    stTPSI1->SetCaption(QString::number(conv::N(ReadSingle(var::Torque[e]))));

    // The engine-wide settings change seldom: once in four ticks.
    if (vInProc != 3)
        return;
    knbCowlFlaps->SetPosition(rules::cowlFlapsPosition(ReadDouble(var::CowlFlaps[0])));
    lCFVal->SetCaption(QString::number(knbCowlFlaps->Position()));
    knbCowlFlaps->SetColor(rules::cowlFlapsColour(knbCowlFlaps->Position()));
    if (knbPropSync->isEnabled())
        knbPropSync->SetPosition(ReadWord(var::PropSync));
    if (knbAutoFeather->isEnabled())
        knbAutoFeather->SetPosition(conv::saturate32(ReadCard(var::AutoFeather)));
    knbHydPumps->SetPosition(rules::hydraulicPumpsPosition(ReadByte(var::HydraulicPumps)));
}

// --- The engine columns ---------------------------------------------------------

void TfrmACMain::EngineInfo1() { readEngineColumn(1); }
void TfrmACMain::EngineInfo2() { readEngineColumn(2); }
void TfrmACMain::EngineInfo3() { readEngineColumn(3); }
void TfrmACMain::EngineInfo4() { readEngineColumn(4); }

void TfrmACMain::readEngineColumn(int engine)
{
    static const char *const progress[4] = {"Scanning..", "Scanning...", "Scanning.", "Scanning.."};
    ReaderRun run(*this, QString());
    const int e = engine - 1;
    const EngineColumn c = engineColumn(*this, engine);

    // An engine with its magnetos off keeps its column as it was.
    c.mag->SetPosition(ReadWord(var::Magnetos[e]));
    if (c.mag->Position() <= 0)
        return;
    setStatusPanel(4, QString::fromLatin1(progress[e]));

    showLever(c.throttle, c.lT, ReadSmlInt(var::ThrottleLever[e]), clGray);
    showLever(c.prop, c.lP, ReadSmlInt(var::PropellerLever[e]), kPropellerLever);
    showLever(c.mix, c.lM, ReadSmlInt(var::MixtureLever[e]), kMixtureLever);
    const std::uint16_t combustion = ReadWord(var::Combustion[e]);
    c.lamp->SetBrushColor(rules::runningLampColour(combustion, ReadCard(var::EngineAlarm[e])));

    // Connecting (or paused) with a second engine running: scan the engines
    // and move their levers together.
    if (engine == 2 && bbtnPause->text() == QStringLiteral("G&o") && c.lamp->BrushColor() == clLime) {
        cbxScanEng->setChecked(true);
        cbxSyncEng->setChecked(true);
    }

    const double carbAir = conv::rankineToFahrenheit(ReadDouble(var::CarbAirTemperature[e]));
    c.carbAir->SetCaption(QString::number(conv::N(tempInCelsius() ? conv::fahrenheitToCelsius(carbAir) : carbAir)));

    // The switches' own change handlers colour them.
    c.gen->SetPosition(conv::saturate32(ReadCard(var::Generator[e])));
    if (c.carbHeat->isEnabled()) {
        c.carbHeat->SetPosition(ReadSmlInt(var::CarbHeat[e]));
        c.carbHeat->SetColor(c.carbHeat->Position() == 0 ? clGray : clOrange);
    }
    c.fuelValve->SetPosition(conv::saturate32(ReadCard(var::FuelValve[e])));
    c.fuelPump->SetPosition(conv::saturate32(ReadCard(var::FuelPumpSwitch[e])));
    c.magPos->SetCaption(QString::number(c.mag->Position()));
    c.mag->SetColor(rules::magnetoColour(c.mag->Position()));
}

// --- Engine selectors and the scan ------------------------------------------------

void TfrmACMain::tmEngineCycleTimer(QObject *)
{
    knbEngSel->SetPosition(rules::nextScannedEngine(knbEngSel->Position(), vNumEng, 1));
    knbEngSelG->SetPosition(rules::nextScannedEngine(knbEngSelG->Position(), vNumEng, 0));
}

void TfrmACMain::knbEngSelChange(QObject *)
{
    // A selector beyond the aircraft's engines goes back to the last one.
    // Only a position the knob can take is given: a knob that clamped it
    // would raise this handler again, for ever.
    for (TKnob *k : {knbEngSel, knbEngSelG})
        if (const auto last = rules::engineSelectorPullBack(k->Position(), vNumEng, k->Min(), k->Max()))
            k->SetPosition(*last);
}

void TfrmACMain::cbxScanEngClick(QObject *)
{
    tmEngineCycle->SetEnabled(cbxScanEng->isChecked());
}

void TfrmACMain::enableEngineScan(bool enabled)
{
    cbxScanEng->setEnabled(enabled);
    if (!enabled)
        cbxScanEng->setChecked(false);
}
