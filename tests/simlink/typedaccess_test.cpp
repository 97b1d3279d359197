// The typed accessors: texts, BCD, the status-line sentences and the
// writers' refresh-timer rule, against a window stand-in.
#include "bcd.h"
#include "linkfixture.h"
#include "typedaccess.h"

#include <cstring>
#include <vector>

namespace {

class FakeWindow : public simlink::TypedAccessors {
public:
    std::string statusLine = "untouched";
    bool connected = true;
    std::string caption = "&Pause";
    bool timerRunning = true;
    int pumps = 0;
    int waitedMs = 0;
    int pumpsBeforeLastRequest = -1;
    std::vector<std::string> goneAfter; // the status line each time the far end was reported gone

protected:
    void farEndGone() override { goneAfter.push_back(statusLine); }
    void pumpMessages() override { ++pumps; }
    void setStatusLine(const std::string &text) override { statusLine = text; }
    void stopRefreshTimer() override { timerRunning = false; }
    void startRefreshTimer() override { timerRunning = true; }
    bool linkConnected() const override { return connected; }
    std::string pauseButtonCaption() const override { return caption; }
    void waitMilliseconds(win::DWORD ms) override { waitedMs += static_cast<int>(ms); }
};

} // namespace

TEST(FieldText, StopsAtZeroAndTrimsBlanksAndControls)
{
    struct Case {
        const char *bytes;
        std::size_t size;
        const char *text;
    } cases[] = {
        {"N123\0\0\0\0", 8, "N123"},
        {"  N123\0\0", 8, "N123"},
        {"\t\x01N123 \x1f\0", 8, "N123"},
        {"ABCDEFGHIJKLMNOPQRSTUVWX", 24, "ABCDEFGHIJKLMNOPQRSTUVWX"},
        {"A B\0C", 5, "A B"},
        {"\0\0\0", 3, ""},
        {"\xC4rger  ", 7, "\xC4rger"}, // single-byte characters above 0x7F are kept
    };
    for (const Case &c : cases)
        EXPECT_EQ(simlink::textOfField(c.bytes, c.size), c.text);
}

TEST(Bcd, ConvertsFourDigitsBothWays)
{
    EXPECT_EQ(BCDToInt(0x1234), 1234);
    EXPECT_EQ(BCDToInt(0x0A00), 1000); // a nibble above 9 counts with its weight
    EXPECT_EQ(BCDToInt(0xFFFF1234), 1234); // higher bits are ignored
    EXPECT_EQ(IntToBCD(1234), 0x1234);
    EXPECT_EQ(IntToBCD(12345), 0x2345);
    EXPECT_EQ(IntToBCD(7), 0x0007);
    EXPECT_EQ(IntToBCD(1200), 0x1200);
    for (int v = 0; v < 10000; v += 37)
        EXPECT_EQ(BCDToInt(IntToBCD(v)), v);
}

TEST_F(LinkTest, ReadersReturnTheValueOrZeroWithASentence)
{
    FakeWindow w;
    EXPECT_EQ(w.ReadSmlInt(0x0BC8), 0);
    EXPECT_EQ(w.statusLine, "Unable to Read: Call cannot execute, link not Open");

    TestFarEnd far;
    ASSERT_TRUE(open());
    const std::int16_t brake = -2;
    far.poke(0x0BC8, &brake, 2);
    const double heading = 271.5;
    far.poke(0x2B00, &heading, 8);
    const char title[24] = "  Cessna 172  ";
    far.poke(0x3148, title, 24);
    w.statusLine = "kept";
    w.pumps = 0;
    EXPECT_EQ(w.ReadSmlInt(0x0BC8), -2);
    EXPECT_EQ(w.ReadWord(0x0BC8), 0xFFFE);
    EXPECT_EQ(w.ReadShortInt(0x0BC8), -2);
    EXPECT_EQ(w.ReadByte(0x0BC8), 0xFE);
    EXPECT_DOUBLE_EQ(w.ReadDouble(0x2B00), 271.5);
    EXPECT_EQ(w.ReadStr24(0x3148), "Cessna 172");
    EXPECT_EQ(w.pumps, 6); // one pass of the pump before each read
    EXPECT_EQ(w.statusLine, "kept");

    far.mode = TestFarEnd::Mode::Reject;
    EXPECT_DOUBLE_EQ(w.ReadDouble(0x2B00), 0.0);
    EXPECT_EQ(w.statusLine, "Unable to Process: IPC request contains bad data");
    EXPECT_EQ(w.ReadStr24(0x3148), "");
}

TEST_F(LinkTest, WritersReportAndFollowTheRefreshTimerRule)
{
    TestFarEnd far;
    ASSERT_TRUE(open());
    struct Case {
        bool connected;
        const char *caption;
        bool timerAfter;
    } cases[] = {
        {true, "&Pause", true},
        {true, "G&o", false},
        {false, "&Pause", false},
        {true, "Pause", false}, // only the exact caption counts
    };
    for (const Case &c : cases) {
        FakeWindow w;
        w.connected = c.connected;
        w.caption = c.caption;
        EXPECT_TRUE(w.WriteSmlInt(0x0C1A, 256));
        EXPECT_EQ(w.timerRunning, c.timerAfter) << c.caption;
        EXPECT_EQ(w.statusLine, "untouched"); // a success leaves the status line alone
        EXPECT_EQ(w.pumps, 12);
        EXPECT_EQ(w.waitedMs, 100);
    }
    std::int16_t rate = 0;
    far.peek(0x0C1A, &rate, 2);
    EXPECT_EQ(rate, 256);

    FakeWindow w;
    far.mode = TestFarEnd::Mode::Reject;
    EXPECT_FALSE(w.WriteDouble(0x2834, 24.0));
    EXPECT_EQ(w.statusLine, "Unable to Process Write: IPC request contains bad data");
    EXPECT_TRUE(w.timerRunning); // the rule holds whatever the result

    FSUIPC_Close();
    w.caption = "G&o";
    EXPECT_FALSE(w.WriteByte(0x3102, 1));
    EXPECT_EQ(w.statusLine, "Unable to Write: Call cannot execute, link not Open");
    EXPECT_FALSE(w.timerRunning);
}

TEST_F(LinkTest, WritersStoreTheExactBytes)
{
    TestFarEnd far;
    ASSERT_TRUE(open());
    FakeWindow w;
    ASSERT_TRUE(w.WriteCard(0x0BD0, 0xFFFFC001u));
    std::int32_t asSigned = 0;
    far.peek(0x0BD0, &asSigned, 4);
    EXPECT_EQ(asSigned, -16383); // one offset, two widths: the same four bytes
    ASSERT_TRUE(w.WriteSingle(0x0B58, 100.0f));
    EXPECT_FLOAT_EQ(w.ReadSingle(0x0B58), 100.0f);
    ASSERT_TRUE(w.WriteInt(0x0B7C, 8388608));
    EXPECT_EQ(w.ReadInt(0x0B7C), 8388608);
    EXPECT_EQ(w.ReadInt64(0x0B7C), 8388608);
}

TEST_F(LinkTest, OnlyAFarEndThatVanishedIsReportedGoneAfterTheSentence)
{
    struct Case {
        const char *fault;
        std::function<void(TestFarEnd &)> make;
        const char *readSentence;
        bool gone;
    } cases[] = {
        {"rejects", [](TestFarEnd &f) { f.mode = TestFarEnd::Mode::Reject; },
         "Unable to Process: IPC request contains bad data", false},
        {"silent", [](TestFarEnd &f) { f.mode = TestFarEnd::Mode::Silent; },
         "Unable to Process: IPC timed out all retries", false},
        {"vanished", [](TestFarEnd &f) { f.vanish(); }, "Unable to Process: IPC sendmessage failed all retries",
         true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.fault);
        FSUIPC_Close();
        TestFarEnd far;
        ASSERT_TRUE(open());
        FakeWindow w;
        c.make(far);
        EXPECT_EQ(w.ReadInt(0x0BC8), 0);
        EXPECT_EQ(w.statusLine, c.readSentence);
        EXPECT_EQ(w.goneAfter, c.gone ? std::vector<std::string>{c.readSentence} : std::vector<std::string>{});
        w.goneAfter.clear();
        EXPECT_FALSE(w.WriteSmlInt(0x0C1A, 0));
        EXPECT_EQ(w.goneAfter.size(), c.gone ? 1u : 0u);
        if (c.gone) {
            EXPECT_EQ(w.goneAfter[0], "Unable to Process Write: IPC sendmessage failed all retries");
        }
    }
}
