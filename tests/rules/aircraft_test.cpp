// The aircraft description: dial ranges, texts, the flight date and time,
// and the simulator's picture folder.
#include "readout/rules/aircraft.h"

#include <gtest/gtest.h>

TEST(AircraftRules, AirspeedDialScaleTicksAndBandByBarberPole)
{
    struct Case {
        std::int64_t maxKnots;
        int scale, ticks, band;
    };
    const Case cases[] = {
        {0, 150, 6, 128},    {150, 150, 6, 128},  {151, 200, 8, 170},  {200, 200, 8, 170}, {201, 250, 10, 212},
        {250, 250, 10, 212}, {251, 300, 10, 255}, {300, 300, 10, 255}, {301, 350, 10, 298}, {-5, 150, 6, 128},
    };
    for (const Case &c : cases) {
        const rules::AirspeedDial d = rules::airspeedDial(c.maxKnots);
        EXPECT_EQ(d.scale, c.scale) << c.maxKnots;
        EXPECT_EQ(d.mainTicks, c.ticks) << c.maxKnots;
        EXPECT_EQ(d.bandMaximum, c.band) << c.maxKnots;
    }
}

TEST(AircraftRules, SeasonAndEngineTypeTextsOnlyForKnownValues)
{
    EXPECT_EQ(rules::seasonText(0), QStringLiteral("Season: Winter"));
    EXPECT_EQ(rules::seasonText(3), QStringLiteral("Season: Fall"));
    EXPECT_EQ(rules::seasonText(4), std::nullopt); // the label keeps what it showed
    EXPECT_EQ(rules::seasonText(0xFFFF), std::nullopt);
    EXPECT_EQ(rules::engineTypeCaption(0), QStringLiteral("Engines - Piston"));
    EXPECT_EQ(rules::engineTypeCaption(5), QStringLiteral("Engines - TurboProp"));
    EXPECT_EQ(rules::engineTypeCaption(6), std::nullopt);
}

TEST(AircraftRules, FlightDateAndTimeOnlyWhenTheyAreOneWithinThePickersRange)
{
    const QDate earliest(1903, 12, 17), latest(2016, 4, 25);
    EXPECT_EQ(rules::flightDateText(3, 1, 2009), QStringLiteral("3/1/2009"));
    EXPECT_EQ(rules::flightDateText(0, 0, 0), QStringLiteral("0/0/0"));

    struct Case {
        int month, day, year;
        std::optional<QDate> date;
    };
    const Case cases[] = {
        {3, 1, 2009, QDate(2009, 3, 1)},    // month first
        {12, 17, 1903, earliest},           {4, 25, 2016, latest},
        {4, 26, 2016, std::nullopt},        // after the latest allowed
        {12, 16, 1903, std::nullopt},       {0, 0, 0, std::nullopt}, // a failed read
        {2, 30, 2009, std::nullopt},        {13, 1, 2009, std::nullopt},
        {2, 29, 2008, QDate(2008, 2, 29)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(rules::flightDate(c.month, c.day, c.year, earliest, latest), c.date)
            << c.month << "/" << c.day << "/" << c.year;

    EXPECT_EQ(rules::flightTime(14, 35), QTime(14, 35));
    EXPECT_EQ(rules::flightTime(0, 0), QTime(0, 0));
    EXPECT_EQ(rules::flightTime(24, 0), std::nullopt);
    EXPECT_EQ(rules::flightTime(255, 0), std::nullopt);
    EXPECT_EQ(rules::flightTime(23, 60), std::nullopt);
}

TEST(AircraftRules, PictureFolderFromTheSituationPath)
{
    struct Case {
        const char *situation;
        std::optional<QString> folder;
    };
    const Case cases[] = {
        {"D:\\Users\\Pilot\\Documents\\Flight Simulator X Files\\my.FLT",
         QStringLiteral("d:\\users\\pilot\\Pictures\\Flight Simulator X Files\\")},
        // The first "doc" of the folder part, wherever it is.
        {"C:\\Docs\\x\\Documents\\a.FLT", QStringLiteral("c:\\Pictures\\Flight Simulator X Files\\")},
        // The file name does not count.
        {"C:\\Flights\\document.FLT", std::nullopt},
        {"", std::nullopt},
        {"/home/pilot/Documents/a.FLT", QStringLiteral("/home/pilot/Pictures\\Flight Simulator X Files\\")},
    };
    for (const Case &c : cases)
        EXPECT_EQ(rules::pictureFolder(QString::fromLatin1(c.situation)), c.folder) << c.situation;

    EXPECT_EQ(rules::localPath(QStringLiteral("d:\\users\\Pictures\\")), QStringLiteral("d:/users/Pictures/"));
}
