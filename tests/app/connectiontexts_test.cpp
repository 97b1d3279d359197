// The status-bar texts of the connection.
#include "connectiontexts.h"

#include <gtest/gtest.h>

TEST(ConnectionTexts, VersionHasFourDigitsAndAnOptionalLetter)
{
    EXPECT_EQ(versionText(0x34560000).toStdString(), "FSUIPC: 3.456");
    EXPECT_EQ(versionText(0x34560001).toStdString(), "FSUIPC: 3.456a");
    EXPECT_EQ(versionText(0x34560002).toStdString(), "FSUIPC: 3.456b");
    EXPECT_EQ(versionText(0x19980005).toStdString(), "FSUIPC: 1.998e");
}

TEST(ConnectionTexts, SimulatorNamesAndNumbersBeyondTheTable)
{
    EXPECT_EQ(simulatorText(8).toStdString(), "FS: FSX");
    EXPECT_EQ(simulatorText(0).toStdString(), "FS: Any");
    EXPECT_EQ(simulatorText(10).toStdString(), "FS: P3D");
    EXPECT_EQ(simulatorText(11).toStdString(), "FS: #11");
}

TEST(ConnectionTexts, ClockHasTwoDigitsEach)
{
    EXPECT_EQ(clockText(7, 3, 9).toStdString(), "FS Clock: 07:03:09");
    EXPECT_EQ(clockText(23, 59, 0).toStdString(), "FS Clock: 23:59:00");
}
