#include "radiotuning.h"

#include "strconv.h"

#include "simlink/bcd.h"

#include <cmath>

namespace rules {

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool allDigits(QStringView s)
{
    for (QChar c : s)
        if (!isDigit(c))
            return false;
    return !s.isEmpty();
}

int digitsValue(QStringView s)
{
    int v = 0;
    for (QChar c : s)
        v = v * 10 + (c.unicode() - '0');
    return v;
}

} // namespace

StandbyText parseStandby(const QString &text, RadioBand band)
{
    const QString t = text.trimmed();
    const int decimals = band == RadioBand::Com ? 3 : 2;
    const QStringView v(t);
    if (t.size() != 4 + decimals || t[3] != QLatin1Char('.') || !allDigits(v.first(3)) || !allDigits(v.sliced(4)))
        throwNotInteger(text);
    return {digitsValue(v.first(3)), digitsValue(v.sliced(4))};
}

StandbyWrite standbyWrite(const QString &text, RadioBand band)
{
    const StandbyText s = parseStandby(text, band);
    if (s.mhz / 100 != 1)
        throwNotInteger(text);
    // Tens and units of the MHz, then the first two decimals.
    const int hundredths = band == RadioBand::Com ? s.fraction / 10 : s.fraction;
    const std::uint16_t word = IntToBCD((s.mhz % 100) * 100 + hundredths);
    if (band == RadioBand::Nav)
        return {word, false, 0};
    const int second = hundredths % 10;
    return {word, true, std::uint16_t(second == 2 || second == 7)};
}

AdfText parseAdf(const QString &text)
{
    const QString t = text.trimmed();
    const qsizetype point = t.indexOf(QLatin1Char('.'));
    const QStringView v(t);
    if (point < 2 || point > 4 || !allDigits(v.first(point)) || !allDigits(v.sliced(point + 1)) ||
        (point == 4 && t[0] != QLatin1Char('1')))
        throwNotInteger(text);
    return {t.first(point), t[point + 1]};
}

AdfWrite adfWrite(const QString &text)
{
    const AdfText a = parseAdf(text);
    const bool half = a.tenth != QLatin1Char('0');
    if (a.digits.size() == 4)
        return {IntToBCD(digitsValue(QStringView(a.digits).sliced(1))), std::uint16_t(half ? 0x0105 : 0x0100)};
    return {IntToBCD(digitsValue(a.digits)), std::uint16_t(half ? 5 : 0)};
}

float adfHalfStep(float kHz)
{
    const float whole = std::trunc(kHz);
    return kHz - whole == 0.5f ? whole : whole + 0.5f;
}

QString adfText(float kHz)
{
    return QString::asprintf("%4.1f", double(kHz));
}

std::uint8_t audioAfterClick(std::uint8_t old, std::uint8_t bit)
{
    if (bit < 32)
        return old ^ bit;
    if (old == 128 || old == 64 || old == 32)
        return bit;
    // The COM bit set is the highest bit: take it away and put the new one in.
    for (int com : {128, 64, 32})
        if (old > com)
            return std::uint8_t(old - com + bit);
    return old;
}

std::uint16_t transponderWord(const QString &digits)
{
    return IntToBCD(StrToInt(digits));
}

std::uint16_t vfrWord(int itemIndex)
{
    return itemIndex == 1 ? 0x7000 : 0x1200;
}

} // namespace rules
