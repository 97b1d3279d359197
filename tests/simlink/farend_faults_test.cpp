// A far end that stalls, vanishes, refuses or lies: the link reports it with
// the right code, delivers nothing, and never writes past a destination.
#include "linkfixture.h"

#include <cstring>

namespace {

// A destination with guard bytes on both sides.
struct Guarded {
    std::uint8_t before[16];
    std::uint32_t value;
    std::uint8_t after[16];
    Guarded() : value(0x11111111)
    {
        std::memset(before, 0xEE, sizeof before);
        std::memset(after, 0xEE, sizeof after);
    }
    bool guardsIntact() const
    {
        for (std::uint8_t b : before)
            if (b != 0xEE)
                return false;
        for (std::uint8_t b : after)
            if (b != 0xEE)
                return false;
        return true;
    }
};

} // namespace

class FaultTest : public LinkTest {
protected:
    void SetUp() override
    {
        LinkTest::SetUp();
        m_far = std::make_unique<TestFarEnd>();
        ASSERT_TRUE(open());
        const std::uint32_t v = 0x12345678;
        m_far->poke(0x2000, &v, 4);
    }
    // Queues one 4-byte read of 0x2000 and processes it.
    bool exchange(Guarded &g)
    {
        DWORD ignored;
        EXPECT_TRUE(FSUIPC_Read(0x2000, 4, &g.value, ignored));
        return FSUIPC_Process(m_result);
    }
    std::unique_ptr<TestFarEnd> m_far;
};

TEST_F(FaultTest, AFarEndThatNeverAnswersTimesOutAfterEveryAttempt)
{
    m_far->mode = TestFarEnd::Mode::Silent;
    Guarded g;
    const int before = m_far->messages();
    EXPECT_FALSE(exchange(g));
    EXPECT_EQ(m_result, FSUIPC_ERR_TIMEOUT);
    EXPECT_EQ(g.value, 0x11111111u);
    // Every attempt reached the far end (the last one may still be on its way).
    EXPECT_TRUE(m_far->waitForMessages(before + 10, 5000));
    EXPECT_EQ(m_far->messages() - before, 10);
    // Its late answers are not taken for the next exchange's.
    m_far->mode = TestFarEnd::Mode::Normal;
    EXPECT_TRUE(exchange(g));
    EXPECT_EQ(g.value, 0x12345678u);
}

TEST_F(FaultTest, AVanishedFarEndIsASendFailure)
{
    m_far->vanish();
    Guarded g;
    EXPECT_FALSE(exchange(g));
    EXPECT_EQ(m_result, FSUIPC_ERR_SENDMSG);
    EXPECT_EQ(g.value, 0x11111111u);
}

TEST_F(FaultTest, AFarEndThatAnswersZeroGivesBadData)
{
    m_far->mode = TestFarEnd::Mode::Reject;
    Guarded g;
    EXPECT_FALSE(exchange(g));
    EXPECT_EQ(m_result, FSUIPC_ERR_DATA);
    EXPECT_EQ(g.value, 0x11111111u);
}

TEST_F(FaultTest, ForgedAnswersDeliverNothingAndStayInsideTheirBuffers)
{
    struct Forgery {
        const char *what;
        std::function<void(std::uint8_t *)> tamper;
    } forgeries[] = {
        {"id", [](std::uint8_t *b) { b[0] = 2; }},
        {"offset", [](std::uint8_t *b) { b[4] ^= 1; }},
        {"huge size", [](std::uint8_t *b) { std::memset(b + 8, 0xFF, 4); }},
        {"size grown by one", [](std::uint8_t *b) { b[8] = 5; }},
        {"destination key", [](std::uint8_t *b) { b[12] = 9; }},
        {"end marker", [](std::uint8_t *b) { b[20] = 1; }},
    };
    for (const Forgery &f : forgeries) {
        SCOPED_TRACE(f.what);
        m_far->tamper = f.tamper;
        Guarded g;
        EXPECT_FALSE(exchange(g));
        EXPECT_EQ(m_result, FSUIPC_ERR_DATA);
        EXPECT_EQ(g.value, 0x11111111u);
        EXPECT_TRUE(g.guardsIntact());
    }
    m_far->tamper = nullptr;
    Guarded g;
    EXPECT_TRUE(exchange(g));
    EXPECT_EQ(g.value, 0x12345678u);
    EXPECT_TRUE(g.guardsIntact());
}

TEST_F(FaultTest, AForgedSecondRecordSpoilsTheWholeBlock)
{
    std::uint32_t first = 1, second = 2;
    DWORD r;
    ASSERT_TRUE(FSUIPC_Read(0x3304, 4, &first, r));
    ASSERT_TRUE(FSUIPC_Read(0x3308, 4, &second, r));
    m_far->tamper = [](std::uint8_t *b) { b[20 + 4] = 0x99; }; // offset of record two
    EXPECT_FALSE(FSUIPC_Process(m_result));
    EXPECT_EQ(m_result, FSUIPC_ERR_DATA);
    EXPECT_EQ(first, 1u);
    EXPECT_EQ(second, 2u);
}
