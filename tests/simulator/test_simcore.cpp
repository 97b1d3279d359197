// The stand-in simulator's core without a window: request blocks, the
// handshake registers, the clock, tracing, faults and the command protocol.
#include "catalogue.h"
#include "requestblock.h"
#include "simtestutil.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

class Core : public SimCoreTest {
protected:
    std::uint32_t u32At(const std::vector<std::uint8_t> &b, std::size_t at)
    {
        return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24;
    }
};

} // namespace

TEST_F(Core, MalformedBlocksAreAnsweredZeroAndChangeNothing)
{
    struct Case {
        const char *what;
        std::vector<std::uint8_t> block;
    };
    const std::vector<Case> cases = {
        {"empty block", {}},
        {"too short for an end marker", {0, 0, 0}},
        {"valid write, then the block ends", BlockBuilder().write(0x0BC8, {0, 0}).bytes()},
        {"valid write, then an unknown id", BlockBuilder().write(0x0BC8, {0, 0}).u32(3).end().mapping()},
        {"huge read size", BlockBuilder().write(0x0BC8, {0, 0}).u32(1).u32(0).u32(0xFFFFFFFF).u32(0).end().mapping()},
        {"write past the space", BlockBuilder().write(0x0BC8, {0, 0}).write(0xFFFF, {1, 2}).end().mapping()},
        {"offset 0x10000", BlockBuilder().write(0x10000, {1}).end().mapping()},
        {"offset + size wraps 32 bits", BlockBuilder().u32(2).u32(0x10).u32(0xFFFFFFF8).end().mapping()},
        {"offset 0xFFFFFFFF", BlockBuilder().write(0xFFFFFFFF, {1}).end().mapping()},
        {"read header cut by the block end", BlockBuilder().write(0x0BC8, {0, 0}).u32(1).u32(0x0BC8).bytes()},
        {"write data runs past the block end", [] {
             auto b = BlockBuilder().u32(2).u32(0x0BC8).u32(8).bytes();
             b.insert(b.end(), 4, 0);
             return b;
         }()},
        {"read data runs past the block end", BlockBuilder().u32(1).u32(0x0BC8).u32(64).u32(0).u32(0).bytes()},
    };
    const auto before = space();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::uint8_t> block = c.block;
        const std::vector<std::uint8_t> sent = block;
        EXPECT_EQ(core->processBlock(block), 0);
        EXPECT_EQ(block, sent) << "a refused block is left as it came";
        EXPECT_EQ(space(), before) << "a refused block changes nothing";
    }
    EXPECT_EQ(core->refusedBlocks(), cases.size());
    // And the far end keeps serving.
    auto good = BlockBuilder().read(var::ParkingBrake, 2).end().mapping();
    EXPECT_EQ(core->processBlock(good), 1);
    EXPECT_EQ(good[16], 0xFF);
    EXPECT_EQ(good[17], 0x7F);
}

TEST(RequestBlock, EachKindOfMalformedBlockHasItsOwnFault)
{
    using block::Fault;
    const auto plus = [](BlockBuilder b, std::size_t zeros) {
        std::vector<std::uint8_t> v = b.bytes();
        v.insert(v.end(), zeros, 0);
        return v;
    };
    struct Case {
        const char *what;
        std::vector<std::uint8_t> block;
        Fault fault;
    };
    const Case cases[] = {
        {"only an end marker", BlockBuilder().end().bytes(), Fault::None},
        {"three bytes", {0, 0, 0}, Fault::MissingEnd},
        {"unknown identifier", BlockBuilder().u32(3).end().bytes(), Fault::UnknownId},
        {"write header one byte short", plus(BlockBuilder().u32(2).u32(0x0BC8), 3), Fault::HeaderPastEnd},
        {"read header one byte short", plus(BlockBuilder().u32(1).u32(0x0BC8).u32(0), 3), Fault::HeaderPastEnd},
        {"write header ends the block", BlockBuilder().u32(2).u32(0x0BC8).u32(0).bytes(), Fault::MissingEnd},
        {"write data one byte short", plus(BlockBuilder().u32(2).u32(0x0BC8).u32(8), 7), Fault::DataPastEnd},
        {"read data past the end", BlockBuilder().u32(1).u32(0x0BC8).u32(64).u32(0).bytes(), Fault::DataPastEnd},
        {"write data ends the block", plus(BlockBuilder().u32(2).u32(0x0BC8).u32(8), 8), Fault::MissingEnd},
        {"write past the offset space", BlockBuilder().write(0xFFFF, {1, 2}).end().bytes(), Fault::OutsideSpace},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<block::Record> records;
        EXPECT_EQ(block::faultText(block::parse(c.block, records)), block::faultText(c.fault));
    }
    // A good block gives its records in order, each with its data place.
    std::vector<block::Record> records;
    ASSERT_EQ(block::parse(BlockBuilder().write(0x0BC8, {1, 2}).read(0x0330, 2).end().bytes(), records), Fault::None);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].data, block::kWriteHeader);
    EXPECT_EQ(records[1].offset, 0x0330u);
    EXPECT_EQ(records[1].data, block::kWriteHeader + 2 + block::kReadHeader);
}

TEST_F(Core, RecordsApplyInOrderAndReadsLeaveHeadersAlone)
{
    BlockBuilder b;
    b.read(var::ParkingBrake, 2, 0xAAAA0001)
        .write(var::ParkingBrake, {0x00, 0x00})
        .read(var::ParkingBrake, 2, 0xAAAA0002)
        .read(var::ParkingBrake, 0, 0xAAAA0003)
        .write(var::ParkingBrake, {0x34, 0x12})
        .read(var::ParkingBrake, 2, 0xAAAA0004)
        .end();
    std::vector<std::uint8_t> block = b.bytes(); // exactly as long as its records
    const std::vector<std::uint8_t> sent = block;
    ASSERT_EQ(core->processBlock(block), 1);

    // Data areas at 16, 48 and 96 (records of 18, 14, 18, 16, 14 bytes before).
    const std::size_t first = 16, second = 18 + 14 + 16, third = 18 + 14 + 18 + 16 + 14 + 16;
    EXPECT_EQ(block[first] | block[first + 1] << 8, 0x7FFF);
    EXPECT_EQ(block[second] | block[second + 1] << 8, 0x0000);
    EXPECT_EQ(block[third] | block[third + 1] << 8, 0x1234);
    // Everything but the three data areas is as sent: headers, pDest, writes.
    for (std::size_t i = 0; i < block.size(); ++i) {
        if ((i >= first && i < first + 2) || (i >= second && i < second + 2) || (i >= third && i < third + 2))
            continue;
        EXPECT_EQ(block[i], sent[i]) << "byte " << i;
    }
    EXPECT_EQ(core->peek(var::ParkingBrake, 2), (std::vector<std::uint8_t>{0x34, 0x12}));
}

TEST_F(Core, RecordsReachingTheLastOffsetAreServed)
{
    auto block = BlockBuilder().write(0xFFFE, {7, 9}).read(0xFFFF, 1).read(0, 0).end().mapping();
    EXPECT_EQ(core->processBlock(block), 1);
    EXPECT_EQ(block[14 + 16], 9);
    auto endOnly = BlockBuilder().end().bytes();
    EXPECT_EQ(core->processBlock(endOnly), 1);
}

TEST_F(Core, HandshakeKeepsTheIdentifierThroughTheClientVersionWrite)
{
    options.simIndex = 7;
    options.version = 0x34560001;
    make();
    for (int pass = 0; pass < 2; ++pass) { // a reconnection handshakes again
        SCOPED_TRACE(pass);
        auto block = BlockBuilder().read(0x3304, 4).read(0x3308, 4).write(0x330A, {0xD5, 0x07}).end().mapping();
        ASSERT_EQ(core->processBlock(block), 1);
        EXPECT_EQ(u32At(block, 16), 0x34560001u);
        EXPECT_EQ(u32At(block, 20 + 16), 0xFADE0007u);
        EXPECT_EQ(core->clientVersion(), 2005);
    }
    // The operator may stand in for something that is not the interface module.
    EXPECT_EQ(core->command("write 0x3308 08000000"), "OK");
    auto block = BlockBuilder().write(0x330A, {0xD5, 0x07}).read(0x3308, 4).end().mapping();
    ASSERT_EQ(core->processBlock(block), 1);
    EXPECT_EQ(u32At(block, 14 + 16), 0x00000008u);
}

TEST_F(Core, ClockRunsFromItsStartAndIsRebasedByWrites)
{
    auto clockText = [&] { return core->command("read 0x0238 3"); };
    EXPECT_EQ(clockText(), "OK 090500");
    clock.advance(65);
    EXPECT_EQ(clockText(), "OK 090605");

    // The panel sets 23:59:58; the clock runs on from there across midnight.
    auto set = BlockBuilder().write(0x0238, {23, 59, 58}).read(0x0238, 3).end().mapping();
    ASSERT_EQ(core->processBlock(set), 1);
    EXPECT_EQ(set[15 + 16], 23);
    clock.advance(3);
    EXPECT_EQ(clockText(), "OK 000001");

    // Setting the hour alone keeps minute and second.
    auto hour = BlockBuilder().write(0x0238, {14}).end().mapping();
    ASSERT_EQ(core->processBlock(hour), 1);
    EXPECT_EQ(clockText(), "OK 0e0001");

    // Paused (rate 0) it stands still; resumed it runs on from where it stood.
    auto pause = BlockBuilder().write(var::SimulationRate, {0, 0}).end().mapping();
    ASSERT_EQ(core->processBlock(pause), 1);
    clock.advance(100);
    EXPECT_EQ(clockText(), "OK 0e0001");
    EXPECT_EQ(core->command("write 0x0C1A 0001"), "OK");
    clock.advance(2);
    EXPECT_EQ(clockText(), "OK 0e0003");

    // Loading another aircraft does not stop or reset the time.
    EXPECT_EQ(core->command("aircraft b747"), "OK");
    clock.advance(1);
    EXPECT_EQ(clockText(), "OK 0e0004");
}

TEST_F(Core, ASwapBitExchangesThatRadiosActiveAndStandby)
{
    auto word = [&](const catalogue::Variable &v) {
        const auto b = core->peek(v.offset, 2);
        return b[0] | b[1] << 8;
    };
    // Active and standby of COM1, COM2, NAV1, NAV2 before and after.
    const std::pair<const catalogue::Variable *, const catalogue::Variable *> radios[] = {
        {&var::Com1Active, &var::Com1Standby},
        {&var::Com2Active, &var::Com2Standby},
        {&var::Nav1Active, &var::Nav1Standby},
        {&var::Nav2Active, &var::Nav2Standby}};
    const int before[4][2] = {{0x1802, 0x2228}, {0x3456, 0x3561}, {0x1050, 0x1390}, {0x1150, 0x1490}};
    struct Case {
        std::uint8_t bits;
        bool swapped[4];
    };
    const Case cases[] = {{8, {true, false, false, false}},
                          {4 | 1, {false, true, false, true}},
                          {2, {false, false, true, false}},
                          {15, {true, true, true, true}}};
    for (const Case &c : cases) {
        SCOPED_TRACE(int(c.bits));
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 2; ++j) {
                const int w = before[i][j];
                auto set = BlockBuilder()
                               .write(j ? radios[i].second->offset : radios[i].first->offset,
                                      {std::uint8_t(w), std::uint8_t(w >> 8)})
                               .end()
                               .mapping();
                ASSERT_EQ(core->processBlock(set), 1);
            }
        auto swap = BlockBuilder().write(var::RadioSwap, {c.bits}).end().mapping();
        ASSERT_EQ(core->processBlock(swap), 1);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(word(*radios[i].first), before[i][c.swapped[i] ? 1 : 0]) << "radio " << i;
            EXPECT_EQ(word(*radios[i].second), before[i][c.swapped[i] ? 0 : 1]) << "radio " << i;
        }
        EXPECT_EQ(core->command("read 0x3123 1"), "OK 00") << "the swap byte is a command";
    }
}

TEST_F(Core, TraceReportsEachPanelWriteOnlyWhileOn)
{
    std::vector<std::string> lines;
    core->setTraceSink([&](const std::string &l) { lines.push_back(l); });
    auto block = BlockBuilder().write(var::SimulationRate, {0, 0}).read(0x0BC8, 2).write(0x3122, {0x90}).end().mapping();
    ASSERT_EQ(core->processBlock(block), 1);
    EXPECT_TRUE(lines.empty());

    EXPECT_EQ(core->command("trace on"), "OK");
    ASSERT_EQ(core->processBlock(block), 1);
    EXPECT_EQ(lines, (std::vector<std::string>{"W 0x0C1A 2 0000", "W 0x3122 1 90"}));
    EXPECT_EQ(core->command("write 0x0BC8 0000"), "OK");
    EXPECT_EQ(lines.size(), 2u) << "operator writes are not the panel's";
    auto bad = BlockBuilder().write(0x0BC8, {1, 1}).u32(9).end().mapping();
    EXPECT_EQ(core->processBlock(bad), 0);
    EXPECT_EQ(lines.size(), 2u) << "a refused block wrote nothing";

    EXPECT_EQ(core->command("trace off"), "OK");
    ASSERT_EQ(core->processBlock(block), 1);
    EXPECT_EQ(lines.size(), 2u);
}

TEST_F(Core, CommandLinesGetOneAnswerEach)
{
    const CommandCase cases[] = {
        {"read 0x0BC8 2", "OK ff7f"},
        {"read 0x0bc8 2\r", "OK ff7f"},
        {"  read\t0x0BC8   2  ", "OK ff7f"},
        {"write 0x0BC8 0000", "OK"},
        {"read 0x0BC8 2", "OK 0000"},
        {"write 0x0BC8 FF7F", "OK"},
        {"read 0x0BC8 2", "OK ff7f"},
        {"read 0xFFFF 1", "OK 00"},
        {"read 0x0000 65536", "OK *"},
        {"read 0xFFFF 2", "ERR *"},
        {"read 0x10000 1", "ERR *"},
        {"read 0x0BC8 0", "ERR *"},
        {"read 0x0BC8 -1", "ERR *"},
        {"read 0x0BC8 65537", "ERR *"},
        {"read 0x0BC8 99999999999999999999", "ERR *"},
        {"read 3016 2", "ERR *"},
        {"read 0x 2", "ERR *"},
        {"read 0x0BZ8 2", "ERR *"},
        {"read 0x0BC8", "ERR *"},
        {"read 0x0BC8 2 3", "ERR *"},
        {"write 0x0BC8", "ERR *"},
        {"write 0x0BC8 abc", "ERR *"},
        {"write 0x0BC8 zz", "ERR *"},
        {"write 0xFFFF 0000", "ERR *"},
        {"trace on", "OK"},
        {"trace off", "OK"},
        {"trace maybe", "ERR *"},
        {"fault late 250", "OK"},
        {"fault late", "ERR *"},
        {"fault late x", "ERR *"},
        {"fault late 99999999", "ERR *"},
        {"fault silent", "OK"},
        {"fault reject", "OK"},
        {"fault close", "OK"},
        {"fault none", "OK"},
        {"fault explode", "ERR *"},
        {"aircraft baron", "OK"},
        {"read 0x0AEC 2", "OK 0200"},
        {"aircraft concorde", "ERR unknown aircraft 'concorde'*"},
        {"aircraft", "ERR *"},
        {"", "ERR *"},
        {"   ", "ERR *"},
        {"READ 0x0BC8 2", "ERR *"},
        {"bogus", "ERR *"},
        {"quit now", "ERR *"},
    };
    for (const CommandCase &c : cases)
        expectAnswer(c, core->command(c.line));
    EXPECT_FALSE(core->quitRequested());
    EXPECT_EQ(core->command("quit"), "OK");
    EXPECT_TRUE(core->quitRequested());
}

TEST_F(Core, FaultModesDecideWhatARequestGets)
{
    using A = SimulatorCore::Admission;
    EXPECT_EQ(core->admit(), A::Serve);
    core->command("fault reject");
    EXPECT_EQ(core->admit(), A::Reject);
    core->command("fault silent");
    EXPECT_EQ(core->admit(), A::Ignore);
    core->command("fault close");
    EXPECT_EQ(core->admit(), A::Ignore);
    EXPECT_EQ(core->faultMode(), FaultMode::Close);
    core->command("fault late 0");
    EXPECT_EQ(core->admit(), A::Serve);

    // A long late answer gives way at once when the window has to go.
    core->command("fault late 600000");
    A result = A::Serve;
    std::thread server([&] { result = core->admit(); });
    core->cancelWaits(true);
    server.join();
    EXPECT_EQ(result, A::Ignore);
    core->cancelWaits(false);
    core->command("fault none");
    EXPECT_EQ(core->admit(), A::Serve);
}

TEST(SimulatorOptions, ParseStrictly)
{
    struct Case {
        std::vector<std::string_view> args;
        bool ok;
    };
    const Case cases[] = {
        {{}, true},
        {{"--class", "FS98MAIN", "--version", "0x19980005", "--sim", "7", "--aircraft", "b727"}, true},
        {{"--class", "OTHER"}, false},
        {{"--version", "19980005"}, false},
        {{"--version", "0x1FFFFFFFF"}, false},
        {{"--sim", "65536"}, false},
        {{"--sim", "-1"}, false},
        {{"--aircraft", "concorde"}, false},
        {{"--aircraft"}, false},
        {{"--scenario", "approach"}, true},
        {{"--scenario", "landing"}, false},
        {{"--scenario"}, false},
        {{"--frobnicate", "1"}, false},
    };
    for (const Case &c : cases) {
        std::string error;
        const auto options = parseOptions(c.args, error);
        EXPECT_EQ(options.has_value(), c.ok) << (c.args.empty() ? "(none)" : c.args[0]) << " " << error;
        if (!c.ok) {
            EXPECT_FALSE(error.empty());
        }
    }
    std::string error;
    const std::vector<std::string_view> args{"--class", "FS98MAIN", "--version", "0x19980005", "--sim", "7"};
    const auto o = parseOptions(args, error);
    ASSERT_TRUE(o);
    EXPECT_EQ(o->windowClass, "FS98MAIN");
    EXPECT_EQ(o->version, 0x19980005u);
    EXPECT_EQ(o->simIndex, 7);
    EXPECT_EQ(o->aircraft, "c172");
}
