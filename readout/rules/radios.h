#pragma once
// How the radio stack and the navigation receivers show the simulator's
// words: packed-decimal frequencies as texts, the transponder code as four
// knob digits, the localiser and glideslope needles, DME figures and the
// TO/FROM line of a VOR.
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace rules {

// COM: (BCD + 10000) / 100 with three decimals. The word has no room for the
// third decimal, so a frequency whose second decimal is 2 or 7 is shown
// ending in 5 (the 25 kHz channels): 0x2282 is 122.825, 0x2280 122.800.
QString comFrequencyText(std::uint16_t word);
// NAV: (BCD + 10000) / 100 with two decimals: 0x1390 is 113.90.
QString navFrequencyText(std::uint16_t word);

// ADF in kHz with one decimal, from the main word (the digits below the
// thousands) and the extension (100 and up carries the thousands digit 1,
// the rest is the tenths): 0x0344/0x0000 is 344.0, 0x0005/0x0103 is 1005.3.
QString adfFrequencyText(std::uint16_t main, std::uint16_t extension);

// The transponder knobs, thousands first: 0x7700 gives 7, 7, 0, 0.
std::array<int, 4> transponderDigits(std::uint16_t word);

// The localiser needle: direction text and Left inside the needle window
// (50 is centred; -127 gives "<LOC" at 6, +127 "LOC>" at 94).
struct Needle {
    QString text;
    int place;
};
Needle localiserNeedle(std::int8_t deviation);
// The glideslope needle: "|GS|", "GS^" (above) or "GSv", and its Top (48 centred).
Needle glideslopeNeedle(std::int8_t deviation);

// DME distance and speed travel in tenths; shown whole, rounded half to even.
std::int64_t dmeWhole(std::uint16_t tenths);
// DME time (tenths of seconds) as hh:mm: 36000 is 01:00. VOR1 truncates the
// seconds, VOR2 rounds them half to even.
enum class SecondsRounding { Truncate, HalfEven };
QString dmeTimeText(std::uint16_t tenthsOfSeconds, SecondsRounding rounding);

// The identifier line of a VOR: flag 0 gives "V1:-", 1 (TO) "V1:<ident>:<",
// 2 (FROM) "V1:<ident>:>"; any other flag leaves the line as it was.
std::optional<QString> vorIdentLine(const QString &prefix, std::uint8_t toFrom, const QString &ident);

// The COM audio selection the selector shows: one of COM1, COM2 and BOTH, or
// none. When the simulator reports more than one, the highest bit is the one
// shown, the same one a click on another COM button replaces.
enum class ComAudio { None, Com1, Com2, Both };
ComAudio comAudioShown(std::uint8_t audio);

} // namespace rules
