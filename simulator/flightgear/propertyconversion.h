#pragma once
// A table row's conversion both ways: FlightGear's answers (texts, one per
// path of the row) into the variable's bytes in the offset space, and the
// bytes the panel wrote into the property sets that carry them to
// FlightGear. Pure: no I/O, no locking.
//
// Answers are untrusted: an empty answer (a property that does not exist)
// leaves the variable as it is; a text that is not a number, a number that is
// not finite, or one beyond the variable's width is refused and changes
// nothing.
#include "offsetspace.h"
#include "propertytable.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace fg {

enum class ReadOutcome { Stored, Missing, Refused };

ReadOutcome storeAnswers(const PropertyRow &row, std::span<const std::string_view> answers, OffsetSpace &space);

// A fixed row's value into the space.
void storeFixed(const PropertyRow &row, OffsetSpace &space);

struct PropertySet {
    std::string path;
    std::string value;
    bool operator==(const PropertySet &) const = default;
};

// The last answered text of a path ("" when none came yet).
using CurrentText = std::function<std::string_view(std::string_view path)>;

// The sets for the row's variable as it now stands in the space. A bit row
// sends its property only when the bit differs from the property's current
// value (a property with no value yet only to switch it on); a swap row exchanges the current texts when its bit is set, and
// clears that bit in the space as the swap is done.
std::vector<PropertySet> setsFor(const PropertyRow &row, OffsetSpace &space, const CurrentText &current);

// A property text as a number: true/false as 1/0, otherwise a whole decimal
// number with optional blanks around it.
std::optional<double> propertyNumber(std::string_view text);

} // namespace fg
