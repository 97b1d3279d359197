#pragma once
// Numbers typed by the user or shown in labels, read back by the handlers.
// A text that is not a number raises EConvertError, which ends the handler
// and reaches the application's error report; the try-forms are for the
// refresh paths, which fall back silently instead of reporting every tick.
#include <QString>

#include <cstdint>
#include <optional>
#include <stdexcept>

// A text that is not a number.
class EConvertError : public std::runtime_error {
public:
    explicit EConvertError(const QString &message);
    QString message() const { return QString::fromUtf8(what()); }
};

// Whole decimal numbers with an optional sign (and, as always, a "$" prefix
// for hexadecimal); surrounding blanks are allowed. Otherwise throws
// "'<text>' is not a valid integer value".
int StrToInt(const QString &text);
// Decimal numbers with "." as the decimal point and an optional exponent.
// Otherwise throws "'<text>' is not a valid floating point value".
double StrToFloat(const QString &text);

// The same conversions without the report: nothing when the text is not a
// number.
std::optional<int> tryStrToInt(const QString &text);
std::optional<double> tryStrToFloat(const QString &text);

// Arithmetic on the user's numbers is done in 64 bits; a result that does
// not fit the offset it is written to is a failed conversion of the text it
// came from, never a wrapped write.
std::int32_t toInt32(std::int64_t value, const QString &text);
std::int16_t toInt16(std::int64_t value, const QString &text);

// A text whose shape is wrong for the number it should hold (a frequency
// without its point, a digit too many): the integer conversion's report.
[[noreturn]] void throwNotInteger(const QString &text);
