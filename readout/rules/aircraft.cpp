#include "aircraft.h"

#include "catalogue_scaling.h"

#include <algorithm>

namespace rules {

AirspeedDial airspeedDial(std::int64_t maxKnots)
{
    struct Step {
        std::int64_t above;
        int scale, mainTicks;
    };
    static constexpr Step steps[] = {{300, 350, 10}, {250, 300, 10}, {200, 250, 10}, {150, 200, 8}};
    int scale = 150, ticks = 6;
    for (const Step &s : steps) {
        if (maxKnots > s.above) {
            scale = s.scale;
            ticks = s.mainTicks;
            break;
        }
    }
    return {scale, ticks, conv::N32(scale * 0.85)};
}

std::optional<QString> seasonText(std::uint16_t season)
{
    static const char *const names[] = {"Winter", "Spring", "Summer", "Fall"};
    if (season >= std::size(names))
        return std::nullopt;
    return QStringLiteral("Season: ") + QLatin1String(names[season]);
}

std::optional<QString> engineTypeCaption(std::uint8_t engineType)
{
    static const char *const names[] = {"Piston", "Jet", "Sail", "Helo", "Rocket", "TurboProp"};
    if (engineType >= std::size(names))
        return std::nullopt;
    return QStringLiteral("Engines - ") + QLatin1String(names[engineType]);
}

QString flightDateText(int month, int day, int year)
{
    return QStringLiteral("%1/%2/%3").arg(month).arg(day).arg(year);
}

std::optional<QDate> flightDate(int month, int day, int year, QDate earliest, QDate latest)
{
    const QDate date(year, month, day);
    if (!date.isValid() || date < earliest || date > latest)
        return std::nullopt;
    return date;
}

std::optional<QTime> flightTime(int hour, int minute)
{
    const QTime time(hour, minute, 0);
    if (!time.isValid())
        return std::nullopt;
    return time;
}

std::optional<QString> pictureFolder(const QString &situationPath)
{
    // The folder part keeps its last separator, as a file name's folder does.
    const qsizetype cut = std::max({situationPath.lastIndexOf(QLatin1Char('\\')),
                                    situationPath.lastIndexOf(QLatin1Char('/')),
                                    situationPath.lastIndexOf(QLatin1Char(':'))});
    const QString folder = situationPath.left(cut + 1).toLower();
    const qsizetype doc = folder.indexOf(QLatin1String("doc"));
    if (doc < 0)
        return std::nullopt;
    return folder.left(doc) + QStringLiteral("Pictures\\Flight Simulator X Files\\");
}

QString localPath(const QString &windowsPath)
{
    QString path = windowsPath;
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

} // namespace rules
