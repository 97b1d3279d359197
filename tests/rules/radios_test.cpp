// The radio stack's words and texts both ways: what the readout shows for the
// simulator's words, what a standby, ADF or transponder text writes, the
// audio selector's bit rules and the wheel's tuning texts.
#include "controls/rules/radiotuning.h"
#include "controls/rules/radiowheel.h"
#include "controls/rules/strconv.h"
#include "readout/rules/radios.h"

#include <gtest/gtest.h>

using namespace rules;

namespace {

// The text's conversion report, or "" when the rule took it.
template <typename Rule> std::string reportOf(Rule rule)
{
    try {
        rule();
    } catch (const EConvertError &e) {
        return e.message().toStdString();
    }
    return {};
}

} // namespace

TEST(RadioReadout, FrequencyWordsShowAsTheRadiosShowThem)
{
    const std::pair<std::uint16_t, const char *> com[] = {
        {0x2282, "122.825"}, {0x2280, "122.800"}, {0x2287, "122.875"}, {0x1802, "118.025"},
        {0x3697, "136.975"}, {0x0000, "100.000"}, {0x1805, "118.050"},
    };
    for (auto [word, text] : com)
        EXPECT_EQ(comFrequencyText(word), QLatin1String(text)) << std::hex << word;

    const std::pair<std::uint16_t, const char *> nav[] = {{0x1390, "113.90"}, {0x0800, "108.00"}, {0x1795, "117.95"}};
    for (auto [word, text] : nav)
        EXPECT_EQ(navFrequencyText(word), QLatin1String(text)) << std::hex << word;

    struct Adf {
        std::uint16_t main, extension;
        const char *text;
    };
    const Adf adf[] = {
        {0x0344, 0x0000, "344.0"},  {0x0005, 0x0103, "1005.3"}, {0x0344, 0x0105, "1344.5"},
        {0x0799, 0x0105, "1799.5"}, {0x0350, 0x0005, "350.5"},  {0x0050, 0x0100, "1050.0"},
        {0x1234, 0x0100, "1234.0"},
    };
    for (const Adf &a : adf)
        EXPECT_EQ(adfFrequencyText(a.main, a.extension), QLatin1String(a.text)) << std::hex << a.main << "/" << a.extension;
}

TEST(RadioReadout, TransponderDigitsNeedlesAndDmeFigures)
{
    EXPECT_EQ(transponderDigits(0x7700), (std::array<int, 4>{7, 7, 0, 0}));
    EXPECT_EQ(transponderDigits(0x1234), (std::array<int, 4>{1, 2, 3, 4}));

    struct NeedleCase {
        std::int8_t deviation;
        const char *loc;
        int left;
        const char *gs;
        int top;
    };
    const NeedleCase needles[] = {
        {-127, "<LOC", 6, "GSv", 6}, {127, "LOC>", 94, "GS^", 90}, {0, "|LOC|", 50, "|GS|", 48}, {1, "LOC>", 50, "GS^", 48},
        {-3, "<LOC", 49, "GSv", 47},
    };
    for (const NeedleCase &n : needles) {
        SCOPED_TRACE(int(n.deviation));
        EXPECT_EQ(localiserNeedle(n.deviation).text, QLatin1String(n.loc));
        EXPECT_EQ(localiserNeedle(n.deviation).place, n.left);
        EXPECT_EQ(glideslopeNeedle(n.deviation).text, QLatin1String(n.gs));
        EXPECT_EQ(glideslopeNeedle(n.deviation).place, n.top);
    }

    // 3599.5 seconds: VOR1 truncates to 00:59, VOR2 rounds (half to even) to 01:00.
    struct Time {
        std::uint16_t tenths;
        const char *truncated, *rounded;
    };
    const Time times[] = {{36000, "01:00", "01:00"}, {35995, "00:59", "01:00"}, {0, "00:00", "00:00"},
                          {65535, "01:49", "01:49"}, {6005, "00:10", "00:10"}};
    for (const Time &t : times) {
        EXPECT_EQ(dmeTimeText(t.tenths, SecondsRounding::Truncate), QLatin1String(t.truncated)) << t.tenths;
        EXPECT_EQ(dmeTimeText(t.tenths, SecondsRounding::HalfEven), QLatin1String(t.rounded)) << t.tenths;
    }
    EXPECT_EQ(dmeWhole(125), 12);
    EXPECT_EQ(dmeWhole(135), 14);
    EXPECT_EQ(dmeWhole(0), 0);
}

TEST(RadioReadout, VorLinesAndTheComAudioShown)
{
    EXPECT_EQ(vorIdentLine(QStringLiteral("V1:"), 0, QString()), QStringLiteral("V1:-"));
    EXPECT_EQ(vorIdentLine(QStringLiteral("V1:"), 1, QStringLiteral("SFO")), QStringLiteral("V1:SFO:<"));
    EXPECT_EQ(vorIdentLine(QStringLiteral("V2:"), 2, QStringLiteral("OAK")), QStringLiteral("V2:OAK:>"));
    EXPECT_EQ(vorIdentLine(QStringLiteral("V2:"), 3, QStringLiteral("OAK")), std::nullopt);

    const std::pair<std::uint8_t, ComAudio> audio[] = {
        {0x90, ComAudio::Com1}, {0x48, ComAudio::Com2}, {0x20, ComAudio::Both},
        {0x18, ComAudio::None}, {0xC0, ComAudio::Com1}, {0x60, ComAudio::Com2},
    };
    for (auto [byte, shown] : audio)
        EXPECT_EQ(comAudioShown(byte), shown) << int(byte);
}

TEST(RadioTuning, StandbyTextsWriteTheirWordAndTheComFlag)
{
    struct Case {
        const char *text;
        RadioBand band;
        std::uint16_t word;
        bool hasFlag;
        std::uint16_t flag;
    };
    const Case cases[] = {
        {"118.025", RadioBand::Com, 0x1802, true, 1}, {"118.050", RadioBand::Com, 0x1805, true, 0},
        {"121.975", RadioBand::Com, 0x2197, true, 1}, {"136.970", RadioBand::Com, 0x3697, true, 1},
        {" 122.800 ", RadioBand::Com, 0x2280, true, 0}, {"113.90", RadioBand::Nav, 0x1390, false, 0},
        {"110.50", RadioBand::Nav, 0x1050, false, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        const StandbyWrite w = standbyWrite(QLatin1String(c.text), c.band);
        EXPECT_EQ(w.word, c.word);
        EXPECT_EQ(w.hasFlag, c.hasFlag);
        EXPECT_EQ(w.flag, c.flag);
    }
}

TEST(RadioTuning, MalformedFrequencyTextsAreConversionFailures)
{
    struct Case {
        const char *text;
        RadioBand band;
    };
    const Case standby[] = {
        {"118.05", RadioBand::Com},  {"118,025", RadioBand::Com}, {"1180255", RadioBand::Com},
        {"", RadioBand::Com},        {"118.0x5", RadioBand::Com}, {"218.025", RadioBand::Com},
        {"000.000", RadioBand::Com}, {"118.0255", RadioBand::Com}, {"-18.025", RadioBand::Com},
        {"113.9", RadioBand::Nav},   {"113.900", RadioBand::Nav}, {"1l3.90", RadioBand::Nav},
    };
    for (const Case &c : standby) {
        const QString text = QLatin1String(c.text);
        EXPECT_EQ(reportOf([&] { standbyWrite(text, c.band); }),
                  "'" + std::string(c.text) + "' is not a valid integer value");
    }
    for (const char *adf : {"5.5", "350", "350.", ".5", "2500.0", "12345.0", "35a.0", "350.x", "", "1799.5.0"}) {
        const QString text = QLatin1String(adf);
        EXPECT_EQ(reportOf([&] { adfWrite(text); }), "'" + std::string(adf) + "' is not a valid integer value");
    }
}

TEST(RadioTuning, AdfTextsWriteMainAndExtensionAndTheClickStepsByHalves)
{
    struct Case {
        const char *text;
        std::uint16_t main, extension;
    };
    const Case cases[] = {
        {"1799.5", 0x0799, 0x0105}, {"350.0", 0x0350, 0},    {"350.3", 0x0350, 5},
        {"1000.0", 0x0000, 0x0100}, {"99.5", 0x0099, 5},     {"350.50", 0x0350, 5},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        const AdfWrite w = adfWrite(QLatin1String(c.text));
        EXPECT_EQ(w.main, c.main);
        EXPECT_EQ(w.extension, c.extension);
    }

    const std::pair<float, const char *> steps[] = {
        {1799.5f, "1799.0"}, {350.0f, "350.5"}, {350.3f, "350.5"}, {1000.5f, "1000.0"}, {199.9f, "199.5"}};
    for (auto [before, after] : steps)
        EXPECT_EQ(adfText(adfHalfStep(before)), QLatin1String(after)) << before;
}

TEST(RadioTuning, AudioClicksTransponderAndVfrWords)
{
    struct Case {
        std::uint8_t old, bit, written;
    };
    const Case audio[] = {
        {0x88, 64, 0x48}, {0x80, 32, 0x20}, {0x18, 128, 0x18}, {0xC0, 32, 0x60}, {0x90, 16, 0x80},
        {0x00, 1, 0x01},  {0x81, 1, 0x80},  {0x48, 64, 0x48},  {0xFF, 2, 0xFD},  {0x40, 128, 0x80},
    };
    for (const Case &c : audio)
        EXPECT_EQ(audioAfterClick(c.old, c.bit), c.written) << int(c.old) << " + " << int(c.bit);

    EXPECT_EQ(transponderWord(QStringLiteral("7700")), 0x7700);
    EXPECT_EQ(transponderWord(QStringLiteral("0017")), 0x0017);
    EXPECT_EQ(vfrWord(1), 0x7000);
    EXPECT_EQ(vfrWord(0), 0x1200);
    EXPECT_EQ(vfrWord(-1), 0x1200);
}

TEST(RadioWheel, EachNotchComposesTheNextFrequencyText)
{
    constexpr int towards = 1, away = -1;
    enum Knob { MHz, Fraction, AdfUnits, AdfHundreds };
    struct Case {
        Knob knob;
        const char *before;
        RadioBand band;
        int notch, min, max;
        int position;
        const char *after;
    };
    const Case cases[] = {
        {MHz, "136.975", RadioBand::Com, towards, 118, 136, 136, "136.975"},
        {Fraction, "136.975", RadioBand::Com, towards, 0, 975, 975, "136.975"},
        {Fraction, "110.95", RadioBand::Nav, away, 0, 95, 90, "110.90"},
        {Fraction, "110.00", RadioBand::Nav, towards, 0, 95, 5, "110.05"},
        {Fraction, "121.500", RadioBand::Com, towards, 0, 975, 525, "121.525"},
        {Fraction, "118.025", RadioBand::Com, away, 0, 975, 0, "118.000"},
        {Fraction, "118.000", RadioBand::Com, away, 0, 975, 0, "118.000"},
        {MHz, "118.975", RadioBand::Com, away, 118, 136, 118, "118.975"},
        {MHz, "000.000", RadioBand::Com, towards, 118, 136, 118, "118.000"},
        {MHz, "113.90", RadioBand::Nav, towards, 108, 117, 114, "114.90"},
        {AdfUnits, "350.0", RadioBand::Com, towards, 0, 99, 51, "351.0"},
        {AdfUnits, "301.0", RadioBand::Com, away, 0, 99, 0, "300.0"},
        {AdfUnits, "1700.5", RadioBand::Com, away, 0, 99, 0, "1700.5"},
        {AdfUnits, "99.5", RadioBand::Com, towards, 0, 99, 99, "199.5"},
        {AdfHundreds, "1799.5", RadioBand::Com, towards, 1, 17, 17, "1799.5"},
        {AdfHundreds, "350.0", RadioBand::Com, away, 1, 17, 2, "250.0"},
        {AdfHundreds, "950.0", RadioBand::Com, towards, 1, 17, 10, "1050.0"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.before) + " knob " + std::to_string(c.knob) + " notch " + std::to_string(c.notch));
        const QString before = QLatin1String(c.before);
        const WheelTuning t = c.knob == MHz        ? radioMHzNotch(before, c.band, c.notch, c.min, c.max)
                              : c.knob == Fraction ? radioFractionNotch(before, c.band, c.notch, c.min, c.max)
                              : c.knob == AdfUnits ? adfUnitsNotch(before, c.notch, c.min, c.max)
                                                   : adfHundredsNotch(before, c.notch, c.min, c.max);
        EXPECT_EQ(t.position, c.position);
        EXPECT_EQ(t.text, QLatin1String(c.after));
    }

    // The wheel reads the edit's text through the same shapes as a typed one.
    EXPECT_EQ(reportOf([] { radioMHzNotch(QStringLiteral("118.05"), RadioBand::Com, 1, 118, 136); }),
              "'118.05' is not a valid integer value");
    EXPECT_EQ(reportOf([] { radioFractionNotch(QStringLiteral("110.9x"), RadioBand::Nav, 1, 0, 95); }),
              "'110.9x' is not a valid integer value");
    EXPECT_EQ(reportOf([] { adfUnitsNotch(QStringLiteral("1799"), 1, 0, 99); }), "'1799' is not a valid integer value");
}
