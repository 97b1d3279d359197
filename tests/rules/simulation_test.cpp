// The altimeter setting in the knob's unit, the simulator's date words and
// the simulation rate.
#include "controls/rules/simulation.h"

#include <gtest/gtest.h>

TEST(SimulationRules, AltimeterWordInTheUnitTheKnobIsIn)
{
    struct Case {
        int position;
        bool millibarsChosen;
        std::uint16_t word;
    };
    const Case cases[] = {
        {2992, false, 16211}, // 29.92 in.
        {1013, true, 16208},  // 1013 mb
        // The unit choice changed, the knob not yet: its range decides.
        {2992, true, 16211},
        {1013, false, 16208},
        {870, false, 13920},
        {1087, false, 17392},
        {2569, true, 13919},
        {3210, true, 17392},
        // Outside both ranges the unit chosen counts.
        {2000, true, 32000},
        {2000, false, 10836},
    };
    for (const Case &c : cases)
        EXPECT_EQ(rules::kollsmanWord(c.position, c.millibarsChosen), c.word) << c.position;
}

TEST(SimulationRules, QnhToTheKnobWhicheverUnitsTheLabelAndTheKnobAreIn)
{
    using U = rules::BaroUnit;
    struct Case {
        double pressure;
        bool labelMillibars;
        U knob;
        int position;
    };
    const Case cases[] = {
        {1013.9, true, U::Millibars, 1014},
        {29.92, false, U::InHgHundredths, 2992},
        {29.925, false, U::InHgHundredths, 2992}, // half to even
        {1013.9, true, U::InHgHundredths, 2994},
        {29.94, false, U::Millibars, 1014},
    };
    for (const Case &c : cases)
        EXPECT_EQ(rules::kollsmanPositionForQnh(c.pressure, c.labelMillibars, c.knob), c.position) << c.pressure;
}

TEST(SimulationRules, DayOfYearAndRate)
{
    const std::pair<QDate, int> days[] = {
        {QDate(2009, 3, 1), 60}, {QDate(2008, 3, 1), 61}, {QDate(2008, 12, 31), 366}, {QDate(2009, 1, 1), 1}};
    for (auto [date, day] : days) {
        EXPECT_EQ(rules::simulatorDate(date).dayOfYear, day) << date.toString().toStdString();
        EXPECT_EQ(rules::simulatorDate(date).year, date.year());
    }
    EXPECT_EQ(rules::simulationRateWord(2), 512);
    EXPECT_EQ(rules::simulationRateWord(0), 0);
    EXPECT_EQ(rules::simulationRateWord(32), 8192);
}
