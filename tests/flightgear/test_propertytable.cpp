// The mapping table: the built-in one parses and covers the panel's areas,
// an aircraft's rows replace the general ones, and a malformed line is
// refused with its number and reason.
#include "catalogue.h"
#include "propertyconversion.h"
#include "propertytable.h"
#include "variablenames.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using fg::Conversion;
using fg::PropertyRow;

const PropertyRow *rowOf(const std::vector<PropertyRow> &rows, std::string_view name, int bit = -1)
{
    const auto it = std::find_if(rows.begin(), rows.end(), [&](const PropertyRow &r) { return r.name == name && r.bit == bit; });
    return it == rows.end() ? nullptr : &*it;
}

fg::PropertyTable builtIn()
{
    std::string error;
    auto table = fg::parseTable(fg::builtInTable(), error);
    EXPECT_TRUE(table) << error;
    return table ? *table : fg::PropertyTable{};
}

} // namespace

TEST(PropertyTable, TheBuiltInTableCoversEveryAreaOfThePanel)
{
    const fg::PropertyTable table = builtIn();
    const std::vector<PropertyRow> rows = table.rowsFor("no-such-aircraft");
    // One variable of each area the panel shows, answered by a property.
    for (const char *name : {"Altitude", "IndicatedAirspeed", "Heading", "VerticalSpeed", "Com1Active", "Nav1Standby",
                             "Transponder", "AdfFrequency", "Vor1DmeDistance", "ApHeadingTarget", "ApAltitudeHold",
                             "PropellerRpm1", "ThrottleLever4", "ManifoldPressure2", "FuelLeftMainLevel",
                             "FuelTotalQuantity", "MainBusVoltage", "MasterBattery", "Flaps", "GearNose",
                             "ElevatorTrim", "ParkingBrake", "ClockHour", "DateYear", "SimulationRate", "Title",
                             "EngineCount"}) {
        const PropertyRow *row = rowOf(rows, name);
        ASSERT_TRUE(row) << name;
        EXPECT_NE(row->conversion, Conversion::Fixed) << name;
    }
    for (int bit : {0, 1, 2, 3, 4})
        EXPECT_TRUE(rowOf(rows, "Lights", bit)) << "light bit " << bit;
    EXPECT_EQ(rowOf(rows, "FuelPumps", 3)->paths, std::vector<std::string>{"/controls/engines/engine[3]/fuel-pump"});
    // Every variable the panel reads has a row: a property or a fixed value.
    for (const char *name : {"ApuRpm", "Torque1", "HydraulicPressure3", "FuelCentreLevel", "YawDamper"})
        ASSERT_TRUE(rowOf(rows, name)) << name;
}

TEST(PropertyTable, TheC172TakesItsOwnRowsInPlaceOfTheGeneralOnes)
{
    const fg::PropertyTable table = builtIn();
    const std::vector<PropertyRow> general = table.rowsFor("ufo");
    const std::vector<PropertyRow> c172 = table.rowsFor("c172p");
    EXPECT_EQ(rowOf(general, "ThrottleLever1")->paths[0], "/controls/engines/engine[0]/throttle");
    EXPECT_EQ(rowOf(c172, "ThrottleLever1")->paths[0], "/controls/engines/current-engine/throttle");
    EXPECT_EQ(rowOf(c172, "ThrottleLever2")->paths[0], "/controls/engines/engine[1]/throttle") << "kept";
    EXPECT_EQ(rowOf(c172, "AudioSelector", 7)->paths[0], "/instrumentation/kma20/com1") << "a bit the general rows lack";
    EXPECT_EQ(rowOf(c172, "FlapDetents")->a, 3);
    EXPECT_TRUE(rowOf(c172, "AutopilotMaster")->readOnly);
    EXPECT_EQ(general.size() + 3, c172.size()) << "three audio bits more; one row per variable and bit";
}

TEST(PropertyTable, RowsSpellTheirConversions)
{
    std::string error;
    const auto table = fg::parseTable(R"(
GroundSpeed        scale 65536*1852/3600   /velocities/groundspeed-kt   # a product
OilTemperature#    scale 5/9*16384/140 -32 /engines/engine[#]/oil-temperature-degf
Lights.2           bit                     /controls/lighting/landing-lights
FuelPumps.#        bit                     /controls/engines/engine[#]/fuel-pump
ApHeadingHold      equals dg-heading-hold  /autopilot/locks/heading
Airline            fixed "Veltrano Air"
ClockHour          div 3600 24             /sim/time/local-day-seconds ro
EngineCount        count                   /engines/engine[#]/running
[aircraft c172p]
Lights.2           bit                     /controls/lighting/landing-light-switch
)",
                                      error);
    ASSERT_TRUE(table) << error;
    const auto &rows = table->general;
    ASSERT_EQ(rows.size(), 14u);
    EXPECT_DOUBLE_EQ(rows[0].a, 65536.0 * 1852 / 3600);
    EXPECT_EQ(rows[0].variable.offset, var::GroundSpeed.offset);
    EXPECT_EQ(rows[2].name, "OilTemperature2");
    EXPECT_EQ(rows[2].paths[0], "/engines/engine[1]/oil-temperature-degf");
    EXPECT_DOUBLE_EQ(rows[2].b, -32);
    EXPECT_EQ(rows[5].bit, 2);
    EXPECT_EQ(rows[9].bit, 3);
    EXPECT_EQ(rows[9].name, "FuelPumps");
    EXPECT_EQ(rows[10].text, "dg-heading-hold");
    EXPECT_EQ(rows[11].text, "Veltrano Air");
    EXPECT_TRUE(rows[12].readOnly);
    EXPECT_FALSE(rows[12].writes());
    EXPECT_EQ(fg::readPathsOf(rows[13]).back(), "/engines/engine[3]/running");
    EXPECT_EQ(table->aircraft.at("c172p").size(), 1u);
}

TEST(PropertyTable, AMalformedLineIsRefusedWithItsNumberAndReason)
{
    struct Case {
        const char *text;
        const char *error;
    };
    const Case cases[] = {
        {"Altitude", "line 1: a row needs a variable and a conversion"},
        {"Altitude warp /position/altitude-ft", "line 1: unknown conversion 'warp'"},
        {"Altitud scale 1 /position/altitude-ft", "line 1: unknown variable 'Altitud'"},
        {"Altitude scale /position/altitude-ft", "line 1: 'scale' takes 1..2 values"},
        {"Altitude scale 1", "line 1: 'scale' takes 1 paths"},
        {"Altitude scale 1 /a /b", "line 1: 'scale' takes 1 paths"},
        {"Altitude scale 0 /a", "line 1: a scale of 0 cannot be written back"},
        {"Altitude scale 1/0 /a", "line 1: '1/0' is not a number"},
        {"Altitude scale x2 /a", "line 1: 'x2' is not a number"},
        {"Altitude scale /a 2", "line 1: values come before the paths"},
        {"Lights bit /a", "line 1: 'bit' needs NAME.BIT"},
        {"Lights.16 bit /a", "line 1: bit '16' is outside Lights"},
        {"Altitude.2 scale 1 /a", "line 1: only bit and swap rows name a bit"},
        {"Title scale 1 /a", "line 1: Title is text: use text or fixed"},
        {"Altitude text /a", "line 1: Altitude is not text"},
        {"ClockHour div 0 24 /a", "line 1: div needs two positive numbers"},
        {"EngineCount count /engines/engine/running", "line 1: count needs a path with #"},
        {"Airline fixed \"open", "line 1: a quote is not closed"},
        {"[aircraft]", "line 1: a section reads [aircraft NAME]"},
        {"# fine\nHeading scale 1 /a\nHeading angle /b", "line 3: Heading has a row already"},
    };
    for (const Case &c : cases) {
        std::string error;
        EXPECT_FALSE(fg::parseTable(c.text, error)) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
    }
}

TEST(PropertyTable, EveryVariableThePanelReadsHasARow)
{
    const fg::PropertyTable table = builtIn();
    for (const char *aircraft : {"ufo", "c172p"}) {
        const std::vector<PropertyRow> rows = table.rowsFor(aircraft);
        for (const NamedVariable &n : namedVariables()) {
            if (!n.variable.isRead() || n.name == "FsuipcVersion" || n.name == "SimulatorId") // the far end's own
                continue;
            EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [&](const PropertyRow &r) { return r.name == n.name; }))
                << aircraft << ": " << n.name << " answers nothing";
        }
    }
}
