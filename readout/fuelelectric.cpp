// The fuel and electrical panels as the simulator holds them: FuelInfo
// (quantities, pumps, crossfeed, tank selectors, tank levels) and ElectInfo
// (battery, buses, light switches, signs, pitot heat).
//
// Offsets read: 0x126C total fuel weight, 0x1268 selected and 0x1264 total
// quantity, 0x3125 fuel pumps, 0x341F crossfeed, 0x0AF8, 0x2154, 0x2254,
// 0x2354 tank selectors, the eleven tank levels and capacities (0x0B74..
// 0x0BA8, 0x1244..0x1260), 0x30C0 zero fuel weight; 0x3102 master battery,
// 0x2834 battery voltage, 0x2840 and 0x2880.. bus voltages, 0x2848 and
// 0x2888.. bus currents, 0x0D0C lights, 0x341D seat belts, 0x341C no
// smoking, 0x029C pitot heat.
// Controls: gbFuel's caption, lFuelQSel, lFuelQTot, knbFuelPumpMaster,
// knbFuelXFeed, knbMasterFuel and knbFuelSel2..4 with their number labels,
// the tank bars with their name and raw labels and hints, lzfwgt;
// knbMasterBat, stBV, agBatteryV, agMainBus, agMainAmp, lvLights, the ten
// light knobs, knbSeatBelt, knbNoSmk, knbPitot.
#include "readerrun.h"

#include "adapters/panellabel.h"
#include "adapters/trackbar.h"
#include "catalogue.h"
#include "gauge/tanaloggauge.h"
#include "knob/tknob.h"
#include "readout/enginecolumn.h"
#include "readout/fueltanks.h"
#include "readout/rules/fuelelectric.h"

#include <QFrame>
#include <QGroupBox>

namespace {

void showSelector(TKnob *knob, PanelLabel *number, std::int64_t value)
{
    knob->SetPosition(conv::saturate32(value));
    number->SetCaption(QString::number(knob->Position()));
    knob->SetColor(rules::tankSelectorColour(knob->Position()));
}

void showVoltage(TAnalogGauge *dial, double volts)
{
    setDialRange(*dial, rules::voltageDialRange(volts));
    dial->SetPosition(float(volts));
}

} // namespace

void TfrmACMain::FuelInfo()
{
    ReaderRun run(*this, QStringLiteral("Scanning.."));
    gbFuel->setTitle(QStringLiteral("Fuel - ") + QString::number(ReadInt(var::FuelTotalWeight)));
    lFuelQSel->SetCaption(QStringLiteral("Fuel S: ") + QString::number(ReadInt(var::FuelSelectedQuantity)));
    lFuelQTot->SetCaption(QStringLiteral("Fuel T: ") + QString::number(ReadInt(var::FuelTotalQuantity)));

    knbFuelPumpMaster->SetPosition(ReadByte(var::FuelPumps) > 0 ? 1 : 0);
    knbFuelPumpMaster->SetColor(knbFuelPumpMaster->Position() == 1 ? clOrange : clGray);
    knbFuelXFeed->SetPosition(ReadByte(var::Crossfeed));
    knbFuelXFeed->SetColor(knbFuelXFeed->Position() == 0 ? clGray : clOrange);

    // As many selectors as the aircraft has (the aircraft reader's number).
    showSelector(knbMasterFuel, lFuelSelNum, ReadSmlInt(var::TankSelector1));
    const int selectors = tryStrToInt(lFuelNSel->Caption()).value_or(1);
    TKnob *const knobs[] = {knbFuelSel2, knbFuelSel3, knbFuelSel4};
    PanelLabel *const numbers[] = {lFuelSelNum2, lFuelSelNum3, lFuelSelNum4};
    for (int i = 0; i < 3 && selectors > i + 1; ++i)
        showSelector(knobs[i], numbers[i], ReadCard(var::TankSelectors[i + 1]));

    // The tanks the aircraft has; hidden ones are not read.
    for (const FuelTankControls &t : fuelTanks(*this)) {
        if (t.panel->isHidden())
            continue;
        const std::int32_t level = ReadInt(t.tank.level);
        t.raw->SetCaption(QString::number(level));
        t.bar->SetPosition(rules::tankBarPosition(level));
        const int percent = -t.bar->Position();
        t.name->SetColor(rules::tankColour(percent));
        t.bar->setStatusTip(rules::tankHint(percent, ReadInt(t.tank.capacity)));
    }
    lzfwgt->SetCaption(QString::number(conv::N(ReadDouble(var::ZeroFuelWeight))));
}

void TfrmACMain::ElectInfo()
{
    ReaderRun run(*this, QString());
    // With the battery off the electrical panel keeps its last values.
    knbMasterBat->SetPosition(ReadByte(var::MasterBattery));
    if (knbMasterBat->Position() != 1)
        return;
    setStatusPanel(4, QStringLiteral("Scanning.."));

    const double battery = ReadDouble(var::BatteryVoltage);
    stBV->SetCaption(QString::asprintf("%2.2f", battery));
    showVoltage(agBatteryV, battery);
    // The bus of the engine the bus selector names, else the main bus.
    const int bus = knbEngSelG->Position();
    const bool engineBus = bus >= 1 && bus <= 4;
    showVoltage(agMainBus, ReadDouble(engineBus ? var::BusVoltage[bus - 1] : var::MainBusVoltage));
    agMainAmp->SetPosition(float(ReadDouble(engineBus ? var::BusCurrent[bus - 1] : var::MainBusCurrent)));

    // Lights, signs and pitot heat change seldom: once in four ticks.
    if (vInProc != 2)
        return;
    vLights = ReadSmlInt(var::Lights);
    lvLights->SetCaption(QString::number(vLights));
    const auto lights = rules::lightSwitchPositions(vLights);
    TKnob *const knobs[10] = {knbCabin, knbLogo,  knbWing, knbRecog,  knbPanel,
                              knbStrobe, knbTaxi, knbLand, knbBeacon, knbNavLt};
    for (int i = 0; i < 10; ++i)
        knobs[i]->SetPosition(lights[i]);
    knbSeatBelt->SetPosition(ReadByte(var::SeatBeltSign));
    knbNoSmk->SetPosition(ReadByte(var::NoSmokingSign));
    knbPitot->SetPosition(ReadSmlInt(var::PitotHeat));
}
