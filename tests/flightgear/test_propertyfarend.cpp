// The property far end without sockets: answers fill the cache, writes
// become sets handed out ahead of the next batch, and a batch asked before a
// write does not undo it.
#include "catalogue.h"
#include "propertybridge.h"
#include "propertyfarend.h"

#include <gtest/gtest.h>

namespace {

fg::PropertyTable table(const char *text)
{
    std::string error;
    auto t = fg::parseTable(text, error);
    EXPECT_TRUE(t) << error;
    return t ? *t : fg::PropertyTable{};
}

} // namespace

TEST(PropertyFarEnd, ABatchAskedBeforeAWriteDoesNotUndoIt)
{
    int wakes = 0;
    fg::PropertyFarEnd core(LinkIdentity{}, [&] { ++wakes; });
    const auto paths = core.useRows(table(R"(
ParkingBrake   flag 32767   /brake
Lights.0       bit          /nav
Lights.1       bit          /beacon
EngineType     fixed 1
)").general);
    ASSERT_EQ(paths, (std::vector<std::string>{"/brake", "/nav", "/beacon"}));
    EXPECT_EQ(core.peek(var::EngineType.offset, 1)[0], 1) << "fixed values are in at once";

    const auto first = core.startBatch();
    EXPECT_TRUE(first.setsFirst.empty());
    // The panel sets the brake and the beacon while the first batch is out.
    EXPECT_EQ(core.command("write 0x0BC8 ff7f"), "OK");
    EXPECT_EQ(core.command("write 0x0D0C 0200"), "OK");
    EXPECT_EQ(wakes, 2);
    core.applyAnswers(first.generation, {"0", "false", "false"});
    EXPECT_EQ(core.command("read 0x0BC8 2"), "OK ff7f") << "answered before the write";
    EXPECT_EQ(core.command("read 0x0D0C 2"), "OK 0200");

    const auto second = core.startBatch();
    EXPECT_EQ(second.setsFirst, (std::vector<fg::PropertySet>{{"/brake", "1"}, {"/beacon", "1"}}));
    core.applyAnswers(second.generation, {"0", "true", "false"});
    EXPECT_EQ(core.command("read 0x0BC8 2"), "OK 0000") << "FlightGear's own value again";
    EXPECT_EQ(core.command("read 0x0D0C 2"), "OK 0100");
    EXPECT_TRUE(core.takeSets().empty());
    EXPECT_EQ(core.setsSent(), 2u);

    // A refused answer (a line too long) and one of the wrong count change nothing.
    core.applyAnswers(core.startBatch().generation, {std::nullopt, "false", "true"});
    EXPECT_EQ(core.command("read 0x0D0C 2"), "OK 0200");
    EXPECT_EQ(core.command("read 0x0BC8 2"), "OK 0000");
    EXPECT_EQ(core.refusedAnswers(), 1u);
    core.applyAnswers(core.startBatch().generation, {"1"});
    EXPECT_EQ(core.command("read 0x0BC8 2"), "OK 0000");
}

TEST(PropertyFarEnd, WithoutASimulatorTheHandshakeRegistersReadZero)
{
    fg::PropertyFarEnd core(LinkIdentity{"UIPCMAIN", 0x12345678, 7});
    EXPECT_EQ(core.command("read 0x3304 8"), "OK 785634120700defa");
    core.setSimulatorPresent(false);
    EXPECT_EQ(core.command("read 0x3304 8"), "OK 0000000000000000");
    core.setSimulatorPresent(true);
    EXPECT_EQ(core.command("read 0x3304 8"), "OK 785634120700defa");
}

TEST(LatencyRecord, MedianAndP99OfTheLatestBatches)
{
    fg::LatencyRecord record;
    EXPECT_EQ(record.summary().batches, 0u);
    // 1..100 ms, then the oldest are pushed out by 0.5 ms ones.
    for (int ms = 1; ms <= 100; ++ms)
        record.add(std::chrono::milliseconds(ms));
    auto s = record.summary();
    EXPECT_EQ(s.batches, 100u);
    EXPECT_EQ(s.medianMicros, 51000);
    EXPECT_EQ(s.p99Micros, 100000);
    EXPECT_EQ(s.maxMicros, 100000);
    for (std::size_t i = 0; i < fg::LatencyRecord::kKept; ++i)
        record.add(std::chrono::microseconds(500));
    s = record.summary();
    EXPECT_EQ(s.batches, 100u + fg::LatencyRecord::kKept);
    EXPECT_EQ(s.p99Micros, 500) << "only the latest are kept";
    record.clear();
    EXPECT_EQ(record.summary().batches, 0u);
    EXPECT_EQ(record.summary().medianMicros, 0);
}
