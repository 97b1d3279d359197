#include "errorreport.h"

#include "dialogseam.h"

#include <cmath>
#include <limits>

EConvertError::EConvertError(const QString &message) : std::runtime_error(message.toStdString()) {}

int StrToInt(const QString &text)
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
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return static_cast<int>(v);
}

double StrToFloat(const QString &text)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return v;
}

void ApplicationShowException(const QString &message)
{
    dialogs().showMessage(message);
}
