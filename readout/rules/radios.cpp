#include "radios.h"

#include "catalogue_scaling.h"
#include "simlink/bcd.h"

namespace rules {

namespace {

// (BCD + 10000) as whole MHz and hundredths; exact, no floating point.
struct Hundredths {
    int mhz, hundredths;
};
Hundredths radioHundredths(std::uint16_t word)
{
    const int v = BCDToInt(word) + 10000;
    return {v / 100, v % 100};
}

QString twoDigits(std::int64_t v)
{
    return QString::number(v).rightJustified(2, QLatin1Char('0'));
}

} // namespace

QString comFrequencyText(std::uint16_t word)
{
    const auto [mhz, hundredths] = radioHundredths(word);
    const int second = hundredths % 10;
    const QChar third = (second == 2 || second == 7) ? QLatin1Char('5') : QLatin1Char('0');
    return QString::number(mhz) + QLatin1Char('.') + twoDigits(hundredths) + third;
}

QString navFrequencyText(std::uint16_t word)
{
    const auto [mhz, hundredths] = radioHundredths(word);
    return QString::number(mhz) + QLatin1Char('.') + twoDigits(hundredths);
}

QString adfFrequencyText(std::uint16_t main, std::uint16_t extension)
{
    QString khz = QString::number(BCDToInt(main));
    int tenths = BCDToInt(extension);
    if (tenths >= 100) {
        // The thousands digit 1 in front of the main digits, zero-filled.
        static const char *const prefix[] = {"", "100", "10", "1"};
        if (khz.size() <= 3)
            khz.prepend(QLatin1String(prefix[khz.size()]));
        tenths -= 100;
    }
    return khz + (tenths > 0 ? QLatin1Char('.') + QString::number(tenths) : QStringLiteral(".0"));
}

std::array<int, 4> transponderDigits(std::uint16_t word)
{
    const int x = BCDToInt(word);
    return {x / 1000, x % 1000 / 100, x % 100 / 10, x % 10};
}

Needle localiserNeedle(std::int8_t deviation)
{
    const QString text = deviation == 0 ? QStringLiteral("|LOC|")
                         : deviation > 0 ? QStringLiteral("LOC>")
                                         : QStringLiteral("<LOC");
    return {text, static_cast<int>(conv::N(deviation / 2.9)) + 50};
}

Needle glideslopeNeedle(std::int8_t deviation)
{
    const QString text = deviation == 0 ? QStringLiteral("|GS|")
                         : deviation > 0 ? QStringLiteral("GS^")
                                         : QStringLiteral("GSv");
    return {text, static_cast<int>(conv::N(deviation / 3.0)) + 48};
}

std::int64_t dmeWhole(std::uint16_t tenths)
{
    return conv::N(tenths / 10.0);
}

QString dmeTimeText(std::uint16_t tenthsOfSeconds, SecondsRounding rounding)
{
    const double exact = tenthsOfSeconds / 10.0;
    const std::int64_t seconds = rounding == SecondsRounding::Truncate ? conv::T(exact) : conv::N(exact);
    const std::int64_t minutes = seconds / 60;
    const std::int64_t hours = minutes / 60;
    return twoDigits(hours) + QLatin1Char(':') + twoDigits(minutes - 60 * hours);
}

std::optional<QString> vorIdentLine(const QString &prefix, std::uint8_t toFrom, const QString &ident)
{
    switch (toFrom) {
    case 0:
        return prefix + QLatin1Char('-');
    case 1:
        return prefix + ident + QStringLiteral(":<");
    case 2:
        return prefix + ident + QStringLiteral(":>");
    default:
        return std::nullopt;
    }
}

ComAudio comAudioShown(std::uint8_t audio)
{
    if (audio & 0x80)
        return ComAudio::Com1;
    if (audio & 0x40)
        return ComAudio::Com2;
    if (audio & 0x20)
        return ComAudio::Both;
    return ComAudio::None;
}

} // namespace rules
