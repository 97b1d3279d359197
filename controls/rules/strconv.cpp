#include "strconv.h"

#include <cmath>
#include <limits>

namespace {

QString integerError(const QString &text)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}

} // namespace

EConvertError::EConvertError(const QString &message) : std::runtime_error(message.toStdString()) {}

std::optional<int> tryStrToInt(const QString &text)
{
    const QString t = text.trimmed();
    bool ok = false;
    qlonglong v = 0;
    if (t.startsWith(QLatin1Char('$')) || t.startsWith(QLatin1String("-$"))) {
        const bool negative = t.startsWith(QLatin1Char('-'));
        v = t.mid(negative ? 2 : 1).toLongLong(&ok, 16);
        if (negative)
            v = -v;
    } else if (!t.isEmpty() && (t[0].isDigit() || t[0] == QLatin1Char('-') || t[0] == QLatin1Char('+'))) {
        v = t.toLongLong(&ok, 10);
    }
    if (!ok || v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(v);
}

std::optional<double> tryStrToFloat(const QString &text)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

int StrToInt(const QString &text)
{
    if (const auto v = tryStrToInt(text))
        return *v;
    throw EConvertError(integerError(text));
}

double StrToFloat(const QString &text)
{
    if (const auto v = tryStrToFloat(text))
        return *v;
    throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

std::int32_t toInt32(std::int64_t value, const QString &text)
{
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        throw EConvertError(integerError(text));
    return static_cast<std::int32_t>(value);
}

std::int16_t toInt16(std::int64_t value, const QString &text)
{
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        throw EConvertError(integerError(text));
    return static_cast<std::int16_t>(value);
}

void throwNotInteger(const QString &text)
{
    throw EConvertError(integerError(text));
}
