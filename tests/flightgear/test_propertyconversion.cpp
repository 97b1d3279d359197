// Each conversion both ways: FlightGear's answers into the variable's bytes,
// and the bytes the panel writes into the sets that carry them. Rows come
// from one-line tables, as in the built-in one.
#include "catalogue.h"
#include "commandwords.h"
#include "propertyconversion.h"
#include "propertytable.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using fg::PropertySet;
using fg::ReadOutcome;

fg::PropertyRow row(const std::string &line)
{
    std::string error;
    const auto table = fg::parseTable(line, error);
    EXPECT_TRUE(table && table->general.size() == 1) << line << ": " << error;
    return table && !table->general.empty() ? table->general.front() : fg::PropertyRow{};
}

std::string bytesOf(const OffsetSpace &space, const catalogue::Variable &v)
{
    return cmd::toHex(space.bytes(v.offset, v.ownedSize()));
}

std::string hexOf(const catalogue::Variable &v, std::int64_t value)
{
    OffsetSpace s;
    s.set(v, value);
    return bytesOf(s, v);
}

std::string hexOfFloat(const catalogue::Variable &v, double value)
{
    OffsetSpace s;
    s.setFloat(v, value);
    return bytesOf(s, v);
}

} // namespace

TEST(PropertyConversion, AnswersBecomeTheVariablesBytes)
{
    struct Case {
        const char *row;
        std::vector<std::string_view> answers;
        std::string bytes; // of the variable afterwards
    };
    const Case cases[] = {
        {"Altitude scale 4294967296/3.28084 /a", {"3280.84"}, hexOf(var::Altitude, 1000LL << 32)},
        {"IndicatedAirspeed scale 128 /a", {"100.5"}, hexOf(var::IndicatedAirspeed, 12864)},
        {"IndicatedAirspeed scale 128 /a", {" 100.5\t"}, hexOf(var::IndicatedAirspeed, 12864)},
        {"Heading scale 1 /a", {"270.25"}, hexOfFloat(var::Heading, 270.25)},
        {"Pitch scale -1 /a", {"4.5"}, hexOfFloat(var::Pitch, -4.5)},
        {"PropellerRpm1 scale 1 /a", {"2400"}, hexOfFloat(var::PropellerRpm[0], 2400)},
        {"VerticalSpeed scale 0.3048*256 /a", {"-10"}, hexOf(var::VerticalSpeed, -780)},
        {"OilTemperature1 scale 5/9*16384/140 -32 /a", {"212"}, hexOf(var::OilTemperature[0], 11703)},
        {"ExhaustGasTemperature1 scale 1 459.67 /a", {"1400"}, hexOfFloat(var::ExhaustGasTemperature[0], 1859.67)},
        {"MagneticVariation angle /a", {"-10"}, hexOf(var::MagneticVariation, -1820)},
        {"ApHeadingTarget angle /a", {"360"}, hexOf(var::ApHeadingTarget, 0)},
        {"WindDirection angle /a", {"270"}, hexOf(var::WindDirection, 49152)},
        {"ParkingBrake flag 32767 /a", {"true"}, hexOf(var::ParkingBrake, 32767)},
        {"ParkingBrake flag 32767 /a", {"0.0"}, hexOf(var::ParkingBrake, 0)},
        {"MasterBattery flag /a", {"1"}, hexOf(var::MasterBattery, 1)},
        {"FuelValve1 clear /a", {"false"}, hexOf(var::FuelValve[0], 1)},
        {"Lights.2 bit /a", {"true"}, hexOf(var::Lights, 4)},
        {"ApHeadingHold equals dg-heading-hold /a", {"dg-heading-hold"}, hexOf(var::ApHeadingHold, 1)},
        {"ApHeadingHold equals dg-heading-hold /a", {""}, hexOf(var::ApHeadingHold, 0)},
        {"AutopilotMaster equals * /a", {"nav1-hold"}, hexOf(var::AutopilotMaster, 1)},
        {"Com1Active radio /a", {"118.3"}, hexOf(var::Com1Active, 0x1830)},
        {"Com1Standby radio25 /a", {"118.025"}, hexOf(var::Com1Standby, 0x1802)},
        {"Nav1Active radio /a", {"110.5"}, hexOf(var::Nav1Active, 0x1050)},
        {"AdfFrequency adf /a", {"359.5"}, hexOf(var::AdfFrequency, 0x0359)},
        {"AdfExtension adfext /a", {"359.5"}, hexOf(var::AdfExtension, 0x0005)},
        {"AdfFrequency adf /a", {"1234.5"}, hexOf(var::AdfFrequency, 0x0234)},
        {"AdfExtension adfext /a", {"1234.5"}, hexOf(var::AdfExtension, 0x0105)},
        {"Transponder squawk /a", {"7700"}, hexOf(var::Transponder, 0x7700)},
        {"Title text /a", {"Cessna 172P Skyhawk (1982)"}, [] {
             OffsetSpace s;
             s.setText(var::Title, "Cessna 172P Skyhawk (1982)");
             return bytesOf(s, var::Title);
         }()},
        {"Vor1Ident text /a", {""}, std::string(24, '0')},
        {"ClockHour div 3600 24 /a", {"45378.6"}, hexOf(var::ClockHour, 12)},
        {"ClockMinute div 60 60 /a", {"45378.6"}, hexOf(var::ClockMinute, 36)},
        {"ClockSecond div 1 60 /a", {"45378.6"}, hexOf(var::ClockSecond, 18)},
        {"Season season /a", {"12"}, hexOf(var::Season, 0)},
        {"Season season /a", {"7"}, hexOf(var::Season, 2)},
        {"Nav1ToFrom tofrom /a /b", {"false", "true"}, hexOf(var::Nav1ToFrom, 2)},
        {"SimulationRate rate /a /b", {"2", "false"}, hexOf(var::SimulationRate, 512)},
        {"SimulationRate rate /a /b", {"2", "true"}, hexOf(var::SimulationRate, 0)},
        {"Magnetos1 magnetos /a /b", {"3", "true"}, hexOf(var::Magnetos[0], 4)},
        {"Magnetos1 magnetos /a /b", {"2", "false"}, hexOf(var::Magnetos[0], 2)},
        {"FuelLeftMainLevel fraction /a /b", {"10.75", "21.5"}, hexOf(var::FuelLeftMainLevel, 4194304)},
        {"FuelLeftMainLevel fraction /a /b", {"10", "0"}, hexOf(var::FuelLeftMainLevel, 0)},
        {"TankSelector1 selector /a /b", {"true", "false"}, hexOf(var::TankSelector1, 2)},
        {"TankSelector1 selector /a /b", {"true", "true"}, hexOf(var::TankSelector1, 1)},
        {"EngineCount count /e[#]", {"true", "false", "", ""}, hexOf(var::EngineCount, 2)},
        {"ZeroFuelWeight sum 1 -1 /w /f", {"1702.5", "65.5"}, hexOfFloat(var::ZeroFuelWeight, 1637)},
    };
    for (const Case &c : cases) {
        OffsetSpace space;
        EXPECT_EQ(fg::storeAnswers(row(c.row), c.answers, space), ReadOutcome::Stored) << c.row;
        const fg::PropertyRow r = row(c.row);
        EXPECT_EQ(bytesOf(space, r.variable), c.bytes) << c.row << " <- " << c.answers[0];
    }
}

TEST(PropertyConversion, UntrustedAnswersAreRefusedOrMissedWithoutHarm)
{
    struct Case {
        const char *row;
        std::vector<std::string_view> answers;
        ReadOutcome outcome;
    };
    const Case cases[] = {
        {"IndicatedAirspeed scale 128 /a", {""}, ReadOutcome::Missing},
        {"IndicatedAirspeed scale 128 /a", {"fast"}, ReadOutcome::Refused},
        {"IndicatedAirspeed scale 128 /a", {"12abc"}, ReadOutcome::Refused},
        {"IndicatedAirspeed scale 128 /a", {"nan"}, ReadOutcome::Refused},
        {"IndicatedAirspeed scale 128 /a", {"inf"}, ReadOutcome::Refused},
        {"IndicatedAirspeed scale 128 /a", {"1e300"}, ReadOutcome::Refused},
        {"IndicatedAirspeed scale 128 /a", {"16777216"}, ReadOutcome::Refused}, // x 128 is past 32 bits
        {"ParkingBrake flag 32767 /a", {"yes"}, ReadOutcome::Refused},
        {"Vor1Radial scale 1 /a", {"-5"}, ReadOutcome::Refused},               // unsigned
        {"TurnRate scale 3 /a", {"1e39"}, ReadOutcome::Refused},               // beyond a float
        {"Com1Active radio /a", {"99.5"}, ReadOutcome::Refused},
        {"AdfFrequency adf /a", {"2500"}, ReadOutcome::Refused},
        {"Transponder squawk /a", {"7780"}, ReadOutcome::Refused},             // not octal
        {"Transponder squawk /a", {"-1"}, ReadOutcome::Refused},
        {"Season season /a", {"13"}, ReadOutcome::Refused},
        {"MagneticVariation angle /a", {"1e300"}, ReadOutcome::Refused},
        {"Nav1ToFrom tofrom /a /b", {"true", ""}, ReadOutcome::Missing},
        {"FuelLeftMainLevel fraction /a /b", {"x", "21.5"}, ReadOutcome::Refused},
    };
    for (const Case &c : cases) {
        OffsetSpace space;
        const fg::PropertyRow r = row(c.row);
        space.set(r.variable, 7);
        const std::string before = bytesOf(space, r.variable);
        EXPECT_EQ(fg::storeAnswers(r, c.answers, space), c.outcome) << c.row << " <- " << c.answers[0];
        EXPECT_EQ(bytesOf(space, r.variable), before) << c.row << " <- " << c.answers[0];
    }
}

TEST(PropertyConversion, WrittenBytesBecomeSets)
{
    struct Case {
        const char *row;
        std::function<void(OffsetSpace &)> write;
        std::vector<PropertySet> sets;
    };
    const auto set = [](const catalogue::Variable &v, std::int64_t value) {
        return [&v, value](OffsetSpace &s) { s.set(v, value); };
    };
    const Case cases[] = {
        {"ParkingBrake flag 32767 /p", set(var::ParkingBrake, 32767), {{"/p", "1"}}},
        {"GearLever flag 16383 /p", set(var::GearLever, 5), {{"/p", "1"}}},
        {"FuelValve1 clear /p", set(var::FuelValve[0], 0), {{"/p", "1"}}},
        {"ThrottleLeverSet1 scale 16384 /p", set(var::ThrottleLeverSet1, 8192), {{"/p", "0.5"}}},
        {"Kollsman scale 16 /p", set(var::Kollsman, 16212), {{"/p", "1013.25"}}},
        {"ApHeadingTarget angle /p", set(var::ApHeadingTarget, 49152), {{"/p", "270"}}},
        {"GyroDrift angle /p", set(var::GyroDrift, -1820), {{"/p", "-9.997558594"}}},
        {"ApHeadingHold equals dg-heading-hold /p", set(var::ApHeadingHold, 1), {{"/p", "dg-heading-hold"}}},
        {"ApHeadingHold equals dg-heading-hold /p", set(var::ApHeadingHold, 0), {{"/p", ""}}},
        {"AutopilotMaster equals * /p", set(var::AutopilotMaster, 1), {}},
        {"Com1Standby radio25 /p", set(var::Com1Standby, 0x2250), {{"/p", "122.500"}}},
        {"Com1Standby radio25 /p",
         [](OffsetSpace &s) {
             s.set(var::Com25kHz, 1);
             s.set(var::Com1Standby, 0x1802);
         },
         {{"/p", "118.025"}}},
        {"Nav1Standby radio /p", set(var::Nav1Standby, 0x1A50), {}}, // not packed decimal
        {"AdfExtension adfext /p",
         [](OffsetSpace &s) {
             s.set(var::AdfFrequency, 0x0234);
             s.set(var::AdfExtension, 0x0105);
         },
         {{"/p", "1234.5"}}},
        {"Transponder squawk /p", set(var::Transponder, 0x7700), {{"/p", "7700"}}},
        {"Transponder squawk /p", set(var::Transponder, 0x7800), {}},
        {"SimulationRate rate /s /f", set(var::SimulationRate, 0), {{"/f", "1"}}},
        {"SimulationRate rate /s /f", set(var::SimulationRate, 512), {{"/f", "0"}, {"/s", "2"}}},
        {"Magnetos1 magnetos /m /s", set(var::Magnetos[0], 4), {{"/m", "3"}, {"/s", "1"}}},
        {"Magnetos1 magnetos /m /s", set(var::Magnetos[0], 1), {{"/m", "1"}, {"/s", "0"}}},
        {"FuelLeftMainLevel fraction /l /c", set(var::FuelLeftMainLevel, 4194304), {{"/l", "10.75"}}},
        {"TankSelector1 selector /l /r", set(var::TankSelector1, 3), {{"/l", "0"}, {"/r", "1"}}},
        {"TankSelector1 selector /l /r", set(var::TankSelector1, 9), {}},
        {"Lights.2 bit /landing", set(var::Lights, 4), {{"/landing", "1"}}},
        {"Lights.0 bit /nav", set(var::Lights, 4), {}}, // already off in FlightGear
        {"RadioSwap.3 swap /act /sby", set(var::RadioSwap, 8), {{"/act", "119.3"}, {"/sby", "118.3"}}},
        {"RadioSwap.3 swap /act /sby", set(var::RadioSwap, 4), {}},
    };
    const std::map<std::string, std::string, std::less<>> current = {
        {"/c", "21.5"}, {"/nav", "false"}, {"/landing", "false"}, {"/act", "118.3"}, {"/sby", "119.3"}};
    const fg::CurrentText text = [&](std::string_view path) -> std::string_view {
        const auto it = current.find(path);
        return it == current.end() ? std::string_view() : std::string_view(it->second);
    };
    for (const Case &c : cases) {
        OffsetSpace space;
        c.write(space);
        EXPECT_EQ(fg::setsFor(row(c.row), space, text), c.sets) << c.row;
    }
}

TEST(PropertyConversion, ASwapIsDoneOnceAndAFixedRowStoresItsValue)
{
    OffsetSpace space;
    space.set(var::RadioSwap, 8 | 2);
    const fg::CurrentText text = [](std::string_view) { return std::string_view("1"); };
    EXPECT_EQ(fg::setsFor(row("RadioSwap.3 swap /a /b"), space, text).size(), 2u);
    EXPECT_EQ(space.get(var::RadioSwap), 2) << "its bit is cleared, the other stays for its own row";
    EXPECT_TRUE(fg::setsFor(row("RadioSwap.3 swap /a /b"), space, text).empty());

    fg::storeFixed(row("StallSpeedClean fixed 60/0.592484"), space);
    EXPECT_DOUBLE_EQ(space.getFloat(var::StallSpeedClean), 60 / 0.592484);
    fg::storeFixed(row("Airline fixed \"Veltrano Air\""), space);
    EXPECT_EQ(space.getText(var::Airline), "Veltrano Air");
}
