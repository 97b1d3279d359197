#include "radiowheel.h"

#include <cstdint>

namespace rules {

namespace {

// The new value, held in the knob's range as the knob holds its position
// (in 64 bits, so that no range given can overflow it).
int stepWithin(int value, int notch, int step, int min, int max)
{
    std::int64_t v = std::int64_t(value) + std::int64_t(notch) * step;
    if (v < min)
        v = min;
    if (v > max)
        v = max;
    return int(v);
}

int decimalsOf(RadioBand band)
{
    return band == RadioBand::Com ? 3 : 2;
}

QString standbyText(int mhz, int fraction, RadioBand band)
{
    return QString::number(mhz) + QLatin1Char('.') +
           QString::number(fraction).rightJustified(decimalsOf(band), QLatin1Char('0'));
}

// An ADF text cut where the wheel works on it: head, tens and units, and the
// point with the tenth.
struct AdfParts {
    QString head, units, tail;
};
AdfParts splitAdf(const QString &adf)
{
    const AdfText a = parseAdf(adf);
    const qsizetype n = a.digits.size();
    const QString head = a.digits.first(n - 2);
    return {head.isEmpty() ? QStringLiteral("1") : head, a.digits.sliced(n - 2), QLatin1Char('.') + a.tenth};
}

} // namespace

WheelTuning radioMHzNotch(const QString &standby, RadioBand band, int notch, int min, int max)
{
    const StandbyText s = parseStandby(standby, band);
    const int mhz = stepWithin(s.mhz, notch, 1, min, max);
    return {mhz, standbyText(mhz, s.fraction, band)};
}

WheelTuning radioFractionNotch(const QString &standby, RadioBand band, int notch, int min, int max)
{
    const StandbyText s = parseStandby(standby, band);
    const int fraction = stepWithin(s.fraction, notch, band == RadioBand::Com ? 25 : 5, min, max);
    return {fraction, standbyText(s.mhz, fraction, band)};
}

WheelTuning adfUnitsNotch(const QString &adf, int notch, int min, int max)
{
    const AdfParts p = splitAdf(adf);
    const int units = stepWithin(p.units.toInt(), notch, 1, min, max);
    return {units, p.head + QString::number(units).rightJustified(2, QLatin1Char('0')) + p.tail};
}

WheelTuning adfHundredsNotch(const QString &adf, int notch, int min, int max)
{
    const AdfParts p = splitAdf(adf);
    const int hundreds = stepWithin(p.head.toInt(), notch, 1, min, max);
    return {hundreds, QString::number(hundreds) + p.units + p.tail};
}

} // namespace rules
