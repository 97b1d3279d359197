#pragma once
// The application's general error report. Handlers read numbers from edit
// and label texts with conversions that fail on text that is not a number;
// such a failure ends the handler at that point and is shown in a message
// box, while the window and the link carry on. Exceptions stop at the handler
// boundary and never cross Qt's event dispatch.
#include <QString>

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

// Shows an error that ended a handler (through the dialog seam).
void ApplicationShowException(const QString &message);

// Runs one event handler behind the boundary.
template <typename Fn> void handlerBoundary(Fn &&fn) noexcept
{
    try {
        fn();
    } catch (const std::exception &e) {
        ApplicationShowException(QString::fromUtf8(e.what()));
    } catch (...) {
        ApplicationShowException(QStringLiteral("Unknown error"));
    }
}
