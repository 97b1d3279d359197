// Queuing and processing requests: the size bound, the queue's life, order.
#include "linkfixture.h"

#include <vector>

class QueueTest : public LinkTest {
protected:
    void SetUp() override
    {
        LinkTest::SetUp();
        m_far = std::make_unique<TestFarEnd>();
        ASSERT_TRUE(open());
    }
    std::unique_ptr<TestFarEnd> m_far;
    DWORD r = 0;
};

TEST_F(QueueTest, TheBlockHoldsExactlyMaxSizeIncludingTheEndMarker)
{
    std::vector<std::uint8_t> big(32493);
    EXPECT_FALSE(FSUIPC_Read(0, 32493, big.data(), r));
    EXPECT_EQ(r, FSUIPC_ERR_SIZE);
    EXPECT_EQ(m_pNext, m_pView); // nothing queued
    EXPECT_TRUE(FSUIPC_Read(0, 32492, big.data(), r));
    EXPECT_EQ(m_pNext - m_pView, 32508);
    // Full: even an empty read no longer fits, and the queue stays as it was.
    EXPECT_FALSE(FSUIPC_Read(0, 0, nullptr, r));
    EXPECT_EQ(r, FSUIPC_ERR_SIZE);
    EXPECT_EQ(m_pNext - m_pView, 32508);
    EXPECT_TRUE(FSUIPC_Process(r)) << r;
}

TEST_F(QueueTest, WritesHaveTheSmallerHeaderAndTheSameBound)
{
    std::vector<std::uint8_t> big(32497);
    EXPECT_FALSE(FSUIPC_Write(0, 32497, big.data(), r));
    EXPECT_EQ(r, FSUIPC_ERR_SIZE);
    EXPECT_TRUE(FSUIPC_Write(0, 32496, big.data(), r));
    // A size that would wrap around 32 bits is refused too.
    EXPECT_FALSE(FSUIPC_Write(0, 0xFFFFFFF0u, big.data(), r));
    EXPECT_EQ(r, FSUIPC_ERR_SIZE);
}

TEST_F(QueueTest, ZeroSizeReadQueuesABareHeaderAndCopiesNothing)
{
    std::uint32_t untouched = 0xA5A5A5A5;
    ASSERT_TRUE(FSUIPC_Read(0x3304, 0, &untouched, r));
    EXPECT_EQ(m_pNext - m_pView, 16);
    ASSERT_TRUE(FSUIPC_Process(r));
    EXPECT_EQ(untouched, 0xA5A5A5A5u);
}

TEST_F(QueueTest, ProcessingNothingSendsNothing)
{
    const int before = m_far->messages();
    EXPECT_FALSE(FSUIPC_Process(r));
    EXPECT_EQ(r, FSUIPC_ERR_NODATA);
    EXPECT_EQ(m_far->messages(), before);
}

TEST_F(QueueTest, AFailedProcessEmptiesTheQueue)
{
    std::uint32_t v = 7;
    m_far->mode = TestFarEnd::Mode::Reject;
    ASSERT_TRUE(FSUIPC_Read(0x3304, 4, &v, r));
    EXPECT_FALSE(FSUIPC_Process(r));
    EXPECT_EQ(r, FSUIPC_ERR_DATA);
    EXPECT_EQ(v, 7u); // the block's reads delivered nothing
    EXPECT_FALSE(FSUIPC_Process(r));
    EXPECT_EQ(r, FSUIPC_ERR_NODATA);
    // The link stays open and the next exchange succeeds.
    m_far->mode = TestFarEnd::Mode::Normal;
    ASSERT_TRUE(FSUIPC_Read(0x3304, 4, &v, r));
    EXPECT_TRUE(FSUIPC_Process(r));
    EXPECT_EQ(v, 0x40000000u);
}

TEST_F(QueueTest, RequestsApplyInOrderAndSourcesAreCopiedWhenQueued)
{
    std::uint16_t value = 1111;
    ASSERT_TRUE(FSUIPC_Write(0x1000, 2, &value, r));
    value = 2222; // the queued write keeps 1111
    std::uint16_t first = 0, second = 0;
    ASSERT_TRUE(FSUIPC_Read(0x1000, 2, &first, r));
    ASSERT_TRUE(FSUIPC_Write(0x1000, 2, &value, r));
    ASSERT_TRUE(FSUIPC_Read(0x1000, 2, &second, r));
    ASSERT_TRUE(FSUIPC_Process(r));
    EXPECT_EQ(first, 1111);
    EXPECT_EQ(second, 2222);
}

TEST_F(LinkTest, EveryCallOnAClosedLinkFailsWithNotOpen)
{
    DWORD r = 0;
    std::uint32_t v = 0;
    EXPECT_FALSE(FSUIPC_Read(0, 4, &v, r));
    EXPECT_EQ(r, FSUIPC_ERR_NOTOPEN);
    EXPECT_FALSE(FSUIPC_Write(0, 4, &v, r));
    EXPECT_EQ(r, FSUIPC_ERR_NOTOPEN);
    EXPECT_FALSE(FSUIPC_Process(r));
    EXPECT_EQ(r, FSUIPC_ERR_NOTOPEN);
}

TEST(ResultTexts, CoverEveryCodeAndNothingBeyond)
{
    EXPECT_STREQ(resultTextOf(FSUIPC_ERR_OK), "Connected");
    EXPECT_STREQ(resultTextOf(FSUIPC_ERR_SIZE),
                 "Read or Write request cannot be added, memory for Process is full");
    EXPECT_STREQ(resultTextOf(16), "");
    EXPECT_STREQ(SimulationText[10], "P3D");
}
