#pragma once
// The radio stack's texts turned into the simulator's words, and the words
// the tuning buttons write. A frequency text is checked whole before anything
// is taken from it: a text without the expected shape is a conversion
// failure (EConvertError), so a handler writes nothing for it. The typed
// edits, the wheel and the ADF click all go through these.
#include <QString>

#include <cstdint>

namespace rules {

enum class RadioBand { Com, Nav };

// The parts of a standby frequency text: COM "ddd.ddd", NAV "ddd.dd".
// Surrounding blanks are allowed.
struct StandbyText {
    int mhz;      // the three digits before the point
    int fraction; // kHz for COM (three digits), hundredths of MHz for NAV (two)
};
StandbyText parseStandby(const QString &text, RadioBand band);

// What a standby text writes: the word (the digits after the leading 1 and
// the first two decimals: 118.025 is 0x1802, 110.50 is 0x1050) and, for COM
// only, the 25 kHz flag (1 when the second decimal is 2 or 7). The word has
// no room for a first digit other than 1: such a text is a failure too.
struct StandbyWrite {
    std::uint16_t word;
    bool hasFlag;
    std::uint16_t flag;
};
StandbyWrite standbyWrite(const QString &text, RadioBand band);

// The parts of an ADF text: two to four digits, a point and one digit
// (1799.5, 350.0); four digits start with 1, the simulator's thousands digit.
struct AdfText {
    QString digits; // before the point, blanks removed
    QChar tenth;
};
AdfText parseAdf(const QString &text);

// What an ADF text writes: the main word (the digits below the thousands) and
// the extension (0x0100 carries the thousands digit, the units the half kHz:
// any tenth but 0 is sent as 5). 1799.5 is 0x0799/0x0105, 350.0 0x0350/0.
struct AdfWrite {
    std::uint16_t main, extension;
};
AdfWrite adfWrite(const QString &text);

// The ADF half-kilohertz click: x.5 goes down to x.0, anything else to x.5
// (350.3 is 350.5). Single precision, as the edit's number is read.
float adfHalfStep(float kHz);
// One decimal, as the ADF edit shows it: 1799.0, 350.5.
QString adfText(float kHz);

// The audio selector byte after a click on the button with this bit (128
// COM1, 64 COM2, 32 both, 16 NAV1, 8 NAV2, 4 marker, 2 DME, 1 ADF). A COM
// choice replaces the COM bit set (0x88 + COM2 is 0x48, 0x80 + BOTH 0x20) and
// changes nothing when none is set (0x18 + COM1 stays 0x18); the others toggle.
std::uint8_t audioAfterClick(std::uint8_t old, std::uint8_t bit);

// The transponder code of the four digit labels run together ("7700" is
// 0x7700).
std::uint16_t transponderWord(const QString &digits);
// The VFR button: item 1 of the code choice is 7000, any other 1200.
std::uint16_t vfrWord(int itemIndex);

} // namespace rules
