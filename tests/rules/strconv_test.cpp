// Numbers read from edit and label texts, and the 64-bit arithmetic that
// must fit the offset it is written to.
#include "controls/rules/strconv.h"

#include <gtest/gtest.h>

#include <limits>

TEST(Conversions, IntegersAndFloatsOrTheirMessages)
{
    EXPECT_EQ(StrToInt(QStringLiteral("270")), 270);
    EXPECT_EQ(StrToInt(QStringLiteral(" -10 ")), -10);
    EXPECT_EQ(StrToInt(QStringLiteral("$1F")), 31);
    EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral("1013.9")), 1013.9);
    EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral("-0.00")), 0.0);
    const char *notIntegers[] = {"", "12a", "1.5", "99999999999", "--1"};
    for (const char *t : notIntegers) {
        try {
            StrToInt(QString::fromLatin1(t));
            ADD_FAILURE() << "accepted " << t;
        } catch (const EConvertError &e) {
            EXPECT_EQ(e.message(), QStringLiteral("'%1' is not a valid integer value").arg(QString::fromLatin1(t)));
        }
    }
    EXPECT_THROW(StrToFloat(QStringLiteral("abc")), EConvertError);
    EXPECT_THROW(StrToFloat(QStringLiteral("nan")), EConvertError);
}

TEST(Conversions, TheQuietFormsGiveNothingWhereTheReportWouldRaise)
{
    EXPECT_EQ(tryStrToInt(QStringLiteral("359")), 359);
    EXPECT_EQ(tryStrToInt(QString()), std::nullopt);
    EXPECT_EQ(tryStrToInt(QStringLiteral("2147483648")), std::nullopt);
    EXPECT_EQ(tryStrToFloat(QStringLiteral(" 29.92 ")), 29.92);
    EXPECT_EQ(tryStrToFloat(QStringLiteral("inf")), std::nullopt);
}

TEST(Conversions, ResultsThatDoNotFitTheirOffsetAreConversionFailures)
{
    const QString text = QStringLiteral("99999");
    EXPECT_EQ(toInt16(32767, text), 32767);
    EXPECT_EQ(toInt16(-32768, text), -32768);
    EXPECT_THROW(toInt16(32768, text), EConvertError);
    EXPECT_EQ(toInt32(std::numeric_limits<std::int32_t>::min(), text), std::numeric_limits<std::int32_t>::min());
    try {
        toInt32(std::int64_t(1) << 31, text);
        ADD_FAILURE() << "2^31 accepted";
    } catch (const EConvertError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("'99999' is not a valid integer value"));
    }
}
