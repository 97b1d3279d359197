#pragma once
// The mapping between the panel's variables and FlightGear's property tree.
// It is data: a table (properties.table, built in; another may be given on
// the command line) of one row per variable, or per bit of a bit-flag
// variable, naming a conversion and the property paths it works on, and of
// sections whose rows replace the general ones for one aircraft.
//
// A row reads   NAME CONVERSION [VALUE...] [PATH...] [ro]
//   NAME        a catalogue variable (ParkingBrake); NAME.N one bit of it
//               (Lights.2); NAME# or NAME.# stands for engines 1..4 and
//               every # in the paths for 0..3 (ThrottleLever#,
//               /controls/engines/engine[#]/throttle).
//   VALUE       a number, or a product and quotient of numbers
//               (65536*1852/3600); for equals and fixed text, a word or a
//               "quoted text".
//   PATH        an absolute property path.
//   ro          FlightGear is never written: what the panel writes stays
//               in the offset space only.
// "[aircraft NAME]" starts the rows for the aircraft whose /sim/aircraft is
// NAME; "#" starts a comment.
#include "catalogue_variable.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fg {

enum class Conversion {
    Scale,        // raw = (x + b) * a; writes the inverse
    Angle,        // degrees to 65536 per turn, wrapped into 16 bits
    Flag,         // property true or non-zero: raw a (1 when not given), else 0
    Clear,        // the opposite: raw a while the property is false or zero
    Bit,          // bit N of the variable follows a true/false property
    Equals,       // 1 while the property's text is the given text (* any text), else 0
    Radio,        // MHz to a COM or NAV packed-decimal word
    Radio25,      // as Radio; writes take the third decimal from the COM 25 kHz flag
    AdfMain,      // kHz to the ADF's main word
    AdfExtension, // kHz to the ADF's extension word
    Squawk,       // a transponder code such as 7700 to its packed-decimal word
    Text,         // the property's text
    Div,          // raw = floor(x / a) mod b (clock fields from seconds of the day)
    Season,       // month 1..12 to 0 winter, 1 spring, 2 summer, 3 fall
    ToFrom,       // to-flag, from-flag: 1 TO, 2 FROM, 0 neither
    Rate,         // speed-up, freeze: rate x 256, 0 while frozen
    Magnetos,     // magnetos 0..3, starter: 4 while the starter turns
    Fraction,     // level, capacity: level / capacity x 8388608
    Sum,          // raw = x * a + y * b (read only: a gross weight less the fuel)
    Selector,     // left, right tank selected: 1 both, 2 left, 3 right, 0 none
    Count,        // how many of the path's [#] = 0..3 exist (answer non-empty)
    Swap,         // written bit N exchanges the two properties' values
    Fixed,        // no property: always the given value
};

struct PropertyRow {
    std::string name; // the variable's catalogue name (per engine with its number)
    catalogue::Variable variable{};
    int bit = -1; // Bit and Swap rows
    Conversion conversion = Conversion::Fixed;
    std::vector<std::string> paths;
    double a = 0, b = 0;
    std::string text; // Equals, and Fixed on a text variable
    bool readOnly = false;
    int line = 0; // in the table, for messages

    // Rows of one variable and bit replace each other in an aircraft's section.
    bool sameSlot(const PropertyRow &other) const { return name == other.name && bit == other.bit; }
    bool reads() const;  // takes answers from FlightGear
    bool writes() const; // carries the panel's writes to FlightGear
};

struct PropertyTable {
    std::vector<PropertyRow> general;
    std::map<std::string, std::vector<PropertyRow>, std::less<>> aircraft;

    // The general rows with the aircraft's own rows in place of theirs.
    std::vector<PropertyRow> rowsFor(std::string_view aircraftName) const;
};

// The paths a row asks for: its own, or for a count row the four engines'.
std::vector<std::string> readPathsOf(const PropertyRow &row);

// The whole table, or nothing with "line N: reason" when a line is malformed.
std::optional<PropertyTable> parseTable(std::string_view text, std::string &error);

// The table built into veltrano-fg (properties.table).
std::string_view builtInTable();

} // namespace fg
