// The bridge end to end without FlightGear: a fake props server on one side,
// the panel's own link client on the other, the built-in table between them.
#include "catalogue.h"
#include "commandwords.h"
#include "fakepropsserver.h"
#include "linkclient.h"
#include "linkwindow.h"
#include "propertybridge.h"
#include "propertyfarend.h"
#include "simtestutil.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

namespace {

using namespace std::chrono_literals;

// What the bridge tells, waited for by its beginning.
class Said {
public:
    void operator()(const std::string &line)
    {
        std::lock_guard lock(m_mutex);
        m_lines.push_back(line);
        m_changed.notify_all();
    }
    bool waitFor(const std::string &prefix, std::size_t count = 1)
    {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, 10s, [&] { return countLocked(prefix) >= count; });
    }
    std::size_t count(const std::string &prefix)
    {
        std::lock_guard lock(m_mutex);
        return countLocked(prefix);
    }

private:
    std::size_t countLocked(const std::string &prefix) const
    {
        return std::count_if(m_lines.begin(), m_lines.end(), [&](const std::string &l) { return l.rfind(prefix, 0) == 0; });
    }
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::string> m_lines;
};

// FlightGear's c172p in the air, as far as these tests ask.
const std::pair<const char *, const char *> kFlying[] = {
    {"/sim/aircraft", "c172p"},
    {"/sim/description", "Cessna 172P Skyhawk (1982)"},
    {"/position/altitude-ft", "3280.84"},
    {"/instrumentation/airspeed-indicator/indicated-speed-kt", "100.5"},
    {"/orientation/heading-deg", "270.25"},
    {"/orientation/roll-deg", "-5"},
    {"/engines/engine[0]/rpm", "2400"},
    {"/engines/engine[0]/running", "true"},
    {"/engines/engine[1]/running", "false"}, // a node the c172p has, never running
    {"/engines/engine[0]/oil-temperature-degf", "212"},
    {"/instrumentation/comm[0]/frequencies/selected-mhz", "118.3"},
    {"/instrumentation/comm[0]/frequencies/standby-mhz", "119.3"},
    {"/instrumentation/nav[0]/frequencies/selected-mhz", "110.5"},
    {"/instrumentation/transponder/id-code", "7700"},
    {"/instrumentation/adf/frequencies/selected-khz", "1234.5"},
    {"/controls/lighting/nav-lights", "true"},
    {"/controls/lighting/beacon", "false"},
    {"/controls/lighting/landing-lights", "true"},
    {"/controls/gear/brake-parking", "1"},
    {"/controls/switches/master-bat", "false"},
    {"/controls/engines/current-engine/throttle", "0.75"},
    {"/consumables/fuel/tank[0]/level-gal_us", "10.75"},
    {"/consumables/fuel/tank[0]/capacity-gal_us", "21.5"},
    {"/sim/time/local-day-seconds", "45378.6"},
    {"/sim/speed-up", "2"},
    {"/sim/freeze/master", "false"},
};

class Bridge : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const auto &[path, value] : kFlying)
            props.setProperty(path, value);
    }
    void TearDown() override
    {
        FSUIPC_Close();
        window.close();
        if (bridge)
            bridge->stop();
    }

    void start(fg::BridgeSettings settings = {})
    {
        settings.host = "127.0.0.1";
        settings.port = props.port();
        settings.refreshHz = 200;
        settings.channels = 3;
        settings.firstRetryMs = 5;
        settings.maxRetryMs = 20;
        std::string error;
        auto table = fg::parseTable(fg::builtInTable(), error);
        ASSERT_TRUE(table) << error;
        core = std::make_unique<fg::PropertyFarEnd>(LinkIdentity{}, [this] {
            if (bridge)
                bridge->wake();
        });
        bridge = std::make_unique<fg::PropertyBridge>(*core, std::move(*table), settings, std::ref(said));
        ASSERT_TRUE(window.open("UIPCMAIN", *core, &error)) << error;
        bridge->start();
        ASSERT_TRUE(said.waitFor("FLIGHTGEAR connected"));
        refreshed();
    }
    // Waits for a refresh sent after this call: what the server holds now is in.
    void refreshed()
    {
        const std::uint64_t now = bridge->refreshes();
        ASSERT_TRUE(bridge->waitForRefresh(now + 1, 10s));
    }
    DWORD open()
    {
        DWORD result = 0xFFFF;
        FSUIPC_Open(SIM_ANY, result);
        return result;
    }
    std::string read(const catalogue::Variable &v)
    {
        std::vector<std::uint8_t> bytes(v.size);
        DWORD result = 0;
        if (!FSUIPC_Read(v.offset, v.size, bytes.data(), result) || !FSUIPC_Process(result))
            return "failed";
        bytes.resize(v.ownedSize());
        return cmd::toHex(bytes);
    }
    template <typename T> DWORD write(const catalogue::Variable &v, T value)
    {
        DWORD result = 0;
        if (FSUIPC_Write(v.offset, sizeof value, &value, result))
            FSUIPC_Process(result);
        return result;
    }
    static std::string hexOf(const catalogue::Variable &v, std::int64_t value)
    {
        OffsetSpace s;
        s.set(v, value);
        return cmd::toHex(s.bytes(v.offset, v.ownedSize()));
    }
    static std::string hexOfFloat(const catalogue::Variable &v, double value)
    {
        OffsetSpace s;
        s.setFloat(v, value);
        return cmd::toHex(s.bytes(v.offset, v.ownedSize()));
    }

    FreshRuntimeDir dir;
    LinkClientGuard link{1000, 2};
    FakePropsServer props;
    Said said;
    std::unique_ptr<fg::PropertyFarEnd> core;
    std::unique_ptr<fg::PropertyBridge> bridge;
    LinkWindow window;
};

} // namespace

TEST_F(Bridge, ThePanelReadsFlightGearsPropertiesInTheOffsetsEncodings)
{
    start();
    ASSERT_EQ(open(), FSUIPC_ERR_OK);
    EXPECT_EQ(FSUIPC_FS_Version, 8u);
    EXPECT_EQ(bridge->aircraft(), "c172p");
    const std::pair<catalogue::Variable, std::string> cases[] = {
        {var::Altitude, hexOf(var::Altitude, 1000LL << 32)},
        {var::IndicatedAirspeed, hexOf(var::IndicatedAirspeed, 12864)},
        {var::Heading, hexOfFloat(var::Heading, 270.25)},
        {var::Bank, hexOfFloat(var::Bank, 5)},
        {var::PropellerRpm[0], hexOfFloat(var::PropellerRpm[0], 2400)},
        {var::OilTemperature[0], hexOf(var::OilTemperature[0], 11703)},
        {var::Combustion[0], hexOf(var::Combustion[0], 1)},
        {var::EngineCount, hexOf(var::EngineCount, 1)},               // the c172p's own, whatever exists
        {var::Com1Active, hexOf(var::Com1Active, 0x1830)},
        {var::Com1Standby, hexOf(var::Com1Standby, 0x1930)},
        {var::Nav1Active, hexOf(var::Nav1Active, 0x1050)},
        {var::Transponder, hexOf(var::Transponder, 0x7700)},
        {var::AdfFrequency, hexOf(var::AdfFrequency, 0x0234)},
        {var::AdfExtension, hexOf(var::AdfExtension, 0x0105)},
        {var::Lights, hexOf(var::Lights, 5)},
        {var::ParkingBrake, hexOf(var::ParkingBrake, 32767)},
        {var::MasterBattery, hexOf(var::MasterBattery, 0)},
        {var::ThrottleLever[0], hexOf(var::ThrottleLever[0], 12288)}, // the c172p's own path
        {var::FuelLeftMainLevel, hexOf(var::FuelLeftMainLevel, 4194304)},
        {var::ClockHour, "0c"},
        {var::SimulationRate, hexOf(var::SimulationRate, 512)},
        {var::FlapDetents, hexOf(var::FlapDetents, 3)},        // a fixed value of the c172p
        {var::ApuRpm, hexOfFloat(var::ApuRpm, 0)},             // a fixed value of every aircraft
        {var::Vor1Radial, hexOf(var::Vor1Radial, 0)},          // no such property: as it was
    };
    for (const auto &[v, bytes] : cases)
        EXPECT_EQ(read(v), bytes) << v.meaning;

    props.setProperty("/sim/freeze/master", "true");
    props.setProperty("/position/altitude-ft", "-328.084");
    refreshed();
    EXPECT_EQ(read(var::SimulationRate), "0000") << "paused";
    EXPECT_EQ(read(var::Altitude), hexOf(var::Altitude, -(100LL << 32)));
}

TEST_F(Bridge, ThePanelsWritesArriveAsSets)
{
    start();
    ASSERT_EQ(open(), FSUIPC_ERR_OK);
    struct Case {
        std::function<DWORD()> write;
        std::vector<FakePropsServer::Set> sets;
    };
    const Case cases[] = {
        {[&] { return write(var::MasterBattery, std::uint8_t(1)); }, {{"/controls/switches/master-bat", "1"}}},
        {[&] { return write(var::ParkingBrake, std::int16_t(0)); }, {{"/controls/gear/brake-parking", "0"}}},
        {[&] { return write(var::Com1Standby, std::uint16_t(0x2250)); },
         {{"/instrumentation/comm[0]/frequencies/standby-mhz", "122.500"}}},
        {[&] {
             write(var::Com25kHz, std::uint16_t(1));
             return write(var::Com1Standby, std::uint16_t(0x1802));
         },
         {{"/instrumentation/comm[0]/frequencies/standby-mhz", "118.025"}}},
        {[&] { return write(var::ThrottleLeverSet1, std::int16_t(8192)); },
         {{"/controls/engines/current-engine/throttle", "0.5"}}},
        {[&] { return write(var::Lights, std::uint16_t(5 | 16)); }, {{"/controls/lighting/strobe", "1"}}},
        {[&] { return write(var::Transponder, std::uint16_t(0x1200)); },
         {{"/instrumentation/transponder/id-code", "1200"}}},
        {[&] { return write(var::ApHeadingTarget, std::uint16_t(16384)); },
         {{"/autopilot/settings/heading-bug-deg", "90"}}},
        {[&] { return write(var::SimulationRate, std::int16_t(0)); }, {{"/sim/freeze/master", "1"}}},
        {[&] { return write(var::Magnetos[0], std::uint16_t(4)); },
         {{"/controls/switches/magnetos", "3"}, {"/controls/switches/starter", "1"}}},
        {[&] { return write(var::RadioSwap, std::uint8_t(8)); },
         {{"/instrumentation/comm[0]/frequencies/selected-mhz", "118.025"},
          {"/instrumentation/comm[0]/frequencies/standby-mhz", "118.3"}}},
    };
    for (const Case &c : cases) {
        props.clearSets();
        EXPECT_EQ(c.write(), FSUIPC_ERR_OK);
        ASSERT_TRUE(props.waitForSets(c.sets.size()));
        EXPECT_EQ(props.sets(), c.sets);
    }
    EXPECT_EQ(read(var::RadioSwap), "00") << "the swap is done";
    EXPECT_EQ(props.unknownCommand(), "");

    // A refresh asked before a write does not undo it; the next shows
    // FlightGear's own value again.
    props.clearSets();
    EXPECT_EQ(write(var::ParkingBrake, std::int16_t(32767)), FSUIPC_ERR_OK);
    EXPECT_EQ(read(var::ParkingBrake), "ff7f");
    ASSERT_TRUE(props.waitForSets(1));
    refreshed();
    EXPECT_EQ(read(var::ParkingBrake), "ff7f");
    EXPECT_EQ(props.property("/controls/gear/brake-parking"), "1");
    // Read-only rows and fixed values stay in the offset space only.
    props.clearSets();
    EXPECT_EQ(write(var::FlapDetents, std::uint16_t(9)), FSUIPC_ERR_OK);
    EXPECT_EQ(write(var::ClockHour, std::uint8_t(7)), FSUIPC_ERR_OK);
    EXPECT_EQ(write(var::MasterBattery, std::uint8_t(0)), FSUIPC_ERR_OK);
    ASSERT_TRUE(props.waitForSets(1));
    EXPECT_EQ(props.sets(), (std::vector<FakePropsServer::Set>{{"/controls/switches/master-bat", "0"}}));
}

TEST_F(Bridge, ALostFlightGearLeavesTheLastValuesAndIsFoundAgain)
{
    start();
    ASSERT_EQ(open(), FSUIPC_ERR_OK);
    EXPECT_EQ(read(var::IndicatedAirspeed), hexOf(var::IndicatedAirspeed, 12864));

    props.refuseConnections(true);
    props.dropConnections();
    ASSERT_TRUE(said.waitFor("FLIGHTGEAR lost: "));
    ASSERT_TRUE(said.waitFor("FLIGHTGEAR unreachable"));
    EXPECT_FALSE(bridge->connected());
    // The connected panel is served on with the last values; a panel opening
    // now is told there is no simulator behind the link.
    EXPECT_EQ(read(var::IndicatedAirspeed), hexOf(var::IndicatedAirspeed, 12864));
    EXPECT_EQ(cmd::toHex(core->peek(var::FsuipcVersion.offset, 8)), "0000000000000000");
    FSUIPC_Close();
    EXPECT_EQ(open(), FSUIPC_ERR_VERSION);
    // Retried, with a pause that grows, and told once.
    const std::size_t before = props.accepted();
    EXPECT_TRUE(props.waitForAccepted(before + 3 * 3)); // three tries of three channels
    EXPECT_EQ(said.count("FLIGHTGEAR unreachable"), 1u);

    props.setProperty("/instrumentation/airspeed-indicator/indicated-speed-kt", "80");
    props.refuseConnections(false);
    ASSERT_TRUE(said.waitFor("FLIGHTGEAR connected", 2));
    refreshed();
    EXPECT_TRUE(bridge->connected());
    ASSERT_EQ(open(), FSUIPC_ERR_OK);
    EXPECT_EQ(read(var::IndicatedAirspeed), hexOf(var::IndicatedAirspeed, 80 * 128));
    EXPECT_EQ(bridge->connections(), 2u);
}

TEST_F(Bridge, MalformedOrHugeAnswersAreRefusedWithoutHarm)
{
    start();
    ASSERT_EQ(open(), FSUIPC_ERR_OK);
    const std::string ias = hexOf(var::IndicatedAirspeed, 12864);
    props.setRawAnswer("/instrumentation/airspeed-indicator/indicated-speed-kt", std::string(1 << 20, '9') + "\r\n");
    props.setProperty("/orientation/heading-deg", "12abc");
    props.setRawAnswer("/sim/description", std::string(100000, 'x') + "\n");
    props.setProperty("/position/altitude-ft", "0");
    refreshed();
    refreshed();
    EXPECT_EQ(read(var::IndicatedAirspeed), ias) << "an overlong line keeps the value";
    EXPECT_EQ(read(var::Heading), hexOfFloat(var::Heading, 270.25)) << "so does a malformed one";
    EXPECT_EQ(read(var::Title).substr(0, 10), "436573736e") << "Cessn..., as it was";
    EXPECT_EQ(read(var::Altitude), hexOf(var::Altitude, 0)) << "the rest of the batch is taken";
    EXPECT_GE(core->refusedAnswers(), 3u);
    EXPECT_EQ(said.count("FLIGHTGEAR lost"), 0u);
    EXPECT_TRUE(bridge->connected());
}

TEST_F(Bridge, AnUnansweredBatchCountsAsALostConnection)
{
    fg::BridgeSettings settings;
    settings.answerTimeoutMs = 200;
    start(settings);
    props.setRawAnswer("/orientation/heading-deg", ""); // never answered
    ASSERT_TRUE(said.waitFor("FLIGHTGEAR lost: no answer within 200 ms"));
    props.setProperty("/orientation/heading-deg", "90");
    ASSERT_TRUE(said.waitFor("FLIGHTGEAR connected", 2));
    refreshed();
    EXPECT_EQ(cmd::toHex(core->peek(var::Heading.offset, 8)), hexOfFloat(var::Heading, 90));
}
