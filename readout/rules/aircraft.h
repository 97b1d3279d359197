#pragma once
// What the aircraft reader makes of the loaded aircraft's description: the
// airspeed dial's range, the season and engine-type texts, the flight date
// and time, and the folder where the simulator keeps its pictures.
#include <QDate>
#include <QString>
#include <QTime>

#include <cstdint>
#include <optional>

namespace rules {

// The airspeed dial for an aircraft whose barber pole is at `maxKnots`: the
// smallest of the scales 150, 200, 250, 300 and 350 that the pole does not
// pass (350 above 300), its number of main ticks, and the top of the
// coloured band at 85 % of the scale.
struct AirspeedDial {
    int scale;
    int mainTicks;
    int bandMaximum;
};
AirspeedDial airspeedDial(std::int64_t maxKnots);

// "Season: Winter" .. "Season: Fall" for 0..3; nothing for any other value.
std::optional<QString> seasonText(std::uint16_t season);

// "Engines - Piston" .. "Engines - TurboProp" for 0..5; nothing otherwise.
std::optional<QString> engineTypeCaption(std::uint8_t engineType);

// The flight date as the simulator gives it, month/day/year ("3/1/2009").
QString flightDateText(int month, int day, int year);
// The same as a date, when it is one and lies within earliest..latest.
std::optional<QDate> flightDate(int month, int day, int year, QDate earliest, QDate latest);
// The flight time of day, when hour and minute make one.
std::optional<QTime> flightTime(int hour, int minute);

// The simulator's picture folder next to the flight loaded: the folder part
// of the situation path in lower case, cut before its first "doc", followed
// by "Pictures\Flight Simulator X Files\". Nothing when the folder part has
// no "doc". The result is a Windows path, as the simulator's own.
std::optional<QString> pictureFolder(const QString &situationPath);

// A Windows path with '/' for '\', to look it up on this machine.
QString localPath(const QString &windowsPath);

} // namespace rules
