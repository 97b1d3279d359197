// The flight instrument readers against veltrano-sim: altitude and its bar,
// speeds, vertical speed, the altimeter and QNH in either unit, heading, wind,
// position and route, each section in the refresh phases it runs in; and a
// refresh that never raises or writes.
#include "adapters/bargauge.h"
#include "adapters/paneledit.h"
#include "adapters/panellabel.h"
#include "adapters/radiogroup.h"
#include "catalogue.h"
#include "connectedpanel.h"
#include "gauge/tanaloggauge.h"
#include "image/trotatableimage.h"
#include "knob/tknob.h"

#include <QSignalBlocker>

namespace {

class Instruments : public ConnectedPanel {
protected:
    // One refresh tick in this phase of the cycle.
    void tickInPhase(int phase)
    {
        panel->vInProc = static_cast<std::uint8_t>(phase);
        tick();
    }
    // Text put into an edit without its change event, as a user's half-typed
    // entry the refresh then meets.
    static void typeQuietly(PanelEdit *edit, const QString &text)
    {
        const QSignalBlocker quiet(edit);
        edit->SetText(text);
    }
};

} // namespace

TEST_F(Instruments, AltitudeAboveGroundAndTheAltitudeBar)
{
    ASSERT_TRUE(connect({"--aircraft", "c172"}));
    TfrmACMain &w = *panel;
    struct Case {
        QString ceiling;
        int altitude, ground;
        QString shownAboveGround;
        int barMax, barProgress;
        bool low, closeToGround;
    };
    const Case cases[] = {
        {"13500", 499, 0, "499", 13500, 499, true, false},
        {"13500", 500, 0, "500", 13500, 500, false, false},
        {"13500", 699, 500, "199", 13500, 699, false, true},
        {"13500", 700, 500, "200", 13500, 700, false, false},
        {"", 3000, 0, "3000", 13500, 3000, false, false}, // no number: the bar keeps its top
        {"0", 2000, 0, "2000", 0, 0, true, false},        // no ceiling: an empty bar
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.ceiling.toStdString() + " " + std::to_string(c.altitude));
        typeQuietly(w.eServCeiling, c.ceiling);
        set(var::Altitude, conv::feetToAltitude(c.altitude));
        set(var::GroundAltitude, conv::feetToMetres256(c.ground));
        tickInPhase(0);
        EXPECT_EQ(w.stAlt->Caption(), QString::number(c.altitude));
        EXPECT_EQ(w.lgalt->Caption(), c.shownAboveGround);
        EXPECT_EQ(w.ggalt->MinValue(), 0);
        EXPECT_EQ(w.ggalt->MaxValue(), c.barMax);
        EXPECT_EQ(w.ggalt->Progress(), c.barProgress);
        EXPECT_EQ(w.ggalt->ForeColor(), c.low ? clRed : clBlue);
        EXPECT_EQ(w.stAlt->FontColor(), c.low ? clRed : clBlack);
        EXPECT_EQ(w.lgalt->FontColor(), c.closeToGround ? clRed : clBlack);
    }
    EXPECT_EQ(dialogs.messages, QStringList());
    EXPECT_EQ(takeWrites(), Writes{});
}

TEST_F(Instruments, SpeedsAndTheVerticalSpeedBar)
{
    ASSERT_TRUE(connect({"--aircraft", "c172"}));
    TfrmACMain &w = *panel;
    set(var::IndicatedAirspeed, conv::knotsToKnots128(120.4));
    set(var::TrueAirspeed, conv::knotsToKnots128(131.6));
    set(var::GroundSpeed, conv::knotsToGroundSpeed(140.2));
    set(var::BarberPole, 180 * 119);
    tickInPhase(2);
    EXPECT_EQ(w.lSpeed->Caption(), QStringLiteral("120"));
    EXPECT_FLOAT_EQ(w.agSpeed->Position(), 120.0f);
    EXPECT_EQ(w.ltas->Caption(), QStringLiteral("132"));
    EXPECT_EQ(w.lgs->Caption(), QStringLiteral("140"));
    EXPECT_EQ(w.lbps->Caption(), QStringLiteral("181")); // the description's, until phase 3
    tickInPhase(3);
    EXPECT_EQ(w.lbps->Caption(), QStringLiteral("180"));
    tickInPhase(0); // the dial's band follows the label on the next tick
    EXPECT_EQ(w.agSpeed->IndMaximum(), 180);

    struct Case {
        int fpm;
        TColor colour;
        int progress;
    };
    const Case cases[] = {
        {0, clMedGray, 0}, {-1, clRed, -1}, {4000, clGreen, 4000}, {4001, clRed, 4000},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.fpm);
        set(var::VerticalSpeed, conv::feetPerMinuteToVerticalSpeed(c.fpm));
        tickInPhase(0);
        EXPECT_EQ(w.stVS->Caption(), QString::number(c.fpm));
        EXPECT_EQ(w.ggVertSpeed->ForeColor(), c.colour);
        EXPECT_EQ(w.ggVertSpeed->Progress(), c.progress);
        EXPECT_EQ(w.ggVertSpeed->MinValue(), -4000);
        EXPECT_EQ(w.ggVertSpeed->MaxValue(), 4000);
    }
}

// The knob moves to the unit chosen only in phase 3, QNH is compared with it
// in phase 1; neither writes, even with the write intent left set.
TEST_F(Instruments, AltimeterAndQnhInEitherUnit)
{
    ASSERT_TRUE(connect({"--aircraft", "c172"}));
    TfrmACMain &w = *panel;
    struct Case {
        int baro;
        std::uint16_t kollsman, qnh;
        int min, max, position;
        bool dot;
        QString pressure, scale;
        TColor knobColour;
    };
    const Case cases[] = {
        {0, 16212, 16212, 2569, 3210, 2992, true, "29.92", "In.Hg", clGray},    // 1013.25 mb: 29.92
        {0, 16212, 16222, 2569, 3210, 2992, true, "29.94", "In.Hg", clOrange},
        {1, 16212, 16222, 870, 1087, 1013, false, "1013.9", "Mb", clOrange},
        {1, 16208, 16208, 870, 1087, 1013, false, "1013.0", "Mb", clGray},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.pressure.toStdString());
        w.rgBaro->SetItemIndex(c.baro);
        set(var::Kollsman, c.kollsman);
        set(var::QnhPressure, c.qnh);
        w.doWrite = true;
        tickInPhase(3);
        EXPECT_EQ(w.knbKollsman->Min(), c.min);
        EXPECT_EQ(w.knbKollsman->Max(), c.max);
        EXPECT_EQ(w.knbKollsman->Position(), c.position);
        EXPECT_EQ(w.lkollsmanval->Caption(), QString::number(c.position));
        EXPECT_EQ(!w.lPressDot->isHidden(), c.dot);
        w.doWrite = true;
        tickInPhase(1);
        EXPECT_EQ(w.lPress->Caption(), c.pressure);
        EXPECT_EQ(w.lPressScale->Caption(), c.scale);
        EXPECT_EQ(w.knbKollsman->Color(), c.knobColour);
    }
    EXPECT_EQ(takeWrites(), Writes{});

    set(var::OutsideAirTemperature, conv::celsiusToCelsius256(15.6));
    w.rgTemp->SetItemIndex(0);
    tickInPhase(3);
    EXPECT_EQ(w.lOAT->Caption(), QStringLiteral("OAT:60"));
    w.rgTemp->SetItemIndex(1);
    tickInPhase(3);
    EXPECT_EQ(w.lOAT->Caption(), QStringLiteral("OAT:16"));
}

TEST_F(Instruments, HeadingWindPositionAndRouteInTheirPhases)
{
    ASSERT_TRUE(connect({"--aircraft", "c172"}));
    TfrmACMain &w = *panel;
    setFloat(var::Heading, 90.4);
    setFloat(var::CompassHeading, 91.6);
    set(var::MagneticVariation, std::int16_t(conv::degreesToAngle16(-15.6)));
    set(var::WindDirection, conv::degreesToAngle16(60));
    set(var::WindSpeed, 12);
    set(var::Latitude, conv::degreesToLatitude(47.53));
    set(var::Longitude, conv::degreesToLongitude(-122.3019));
    setText(var::NearestAirport, "ELD");
    setFloat(var::NearestAirportElevation, 123.9);
    set(var::NextWaypointEta, 3725);
    set(var::NextWaypointEte, 59);
    set(var::DestinationEta, 32768 * 60 + 5);
    set(var::DestinationEte, 0);
    setText(var::NextWaypoint, "CPT");
    setText(var::DestinationAirport, "KBOS");

    tickInPhase(0);
    EXPECT_EQ(w.eHdg->Text(), QStringLiteral("90"));
    EXPECT_EQ(w.lHdg->Caption(), QStringLiteral("90"));
    EXPECT_DOUBLE_EQ(w.rImgGyro->RotationAngle(), 90.0);
    EXPECT_EQ(w.lCompass->Caption(), QStringLiteral("92"));
    EXPECT_EQ(w.lMagVar->Caption(), QStringLiteral("-16"));
    EXPECT_NE(w.lWinddir->Caption(), QStringLiteral("60")); // wind waits for phase 1

    tickInPhase(1);
    EXPECT_EQ(w.lWinddir->Caption(), QStringLiteral("60"));
    EXPECT_EQ(w.eWinddir->Text(), QStringLiteral("30"));
    EXPECT_DOUBLE_EQ(w.rImgWind->RotationAngle(), 30.0);
    EXPECT_EQ(w.lWindSpd->Caption(), QStringLiteral("12"));
    EXPECT_EQ(w.lLat->Caption(), QStringLiteral("Lat: 47.53000"));
    EXPECT_EQ(w.lLon->Caption(), QStringLiteral("Lon: -122.30190"));
    EXPECT_NE(w.lNearAP->Caption(), QStringLiteral("Nearest: ELD")); // the route waits for phase 3

    tickInPhase(3);
    EXPECT_EQ(w.lNearAP->Caption(), QStringLiteral("Nearest: ELD"));
    EXPECT_EQ(w.lNearAPAlt->Caption(), QStringLiteral("Elevation: 123"));
    EXPECT_EQ(w.lETANext->Caption(), QStringLiteral("ETA:1:02:05"));
    EXPECT_EQ(w.lETENext->Caption(), QStringLiteral("ETE:0:00:59"));
    EXPECT_EQ(w.lETADest->Caption(), QStringLiteral("ETA:546:08:05"));
    EXPECT_EQ(w.lETEDest->Caption(), QStringLiteral("ETE:0:00:00"));
    EXPECT_EQ(w.lNWPID->Caption(), QStringLiteral("CPT"));
    EXPECT_EQ(w.lDAPID->Caption(), QStringLiteral("KBOS"));

    // Gyro drift: orange past three quarters of a degree either way.
    const std::pair<int, TColor> drifts[] = {{137, clOrange}, {136, clGray}};
    for (auto [raw, colour] : drifts) {
        set(var::GyroDrift, raw);
        tickInPhase(0);
        EXPECT_EQ(w.knbDriftFix->Color(), colour) << raw;
    }
    EXPECT_EQ(takeWrites(), Writes{});
}

// Texts the user left half-typed never make the refresh raise: no dialog on
// any tick, the pictures that need them keep their angle, the others turn.
TEST_F(Instruments, RefreshPathsNeverRaise)
{
    ASSERT_TRUE(connect({"--aircraft", "baron"}));
    TfrmACMain &w = *panel;
    typeQuietly(w.eAPHead, QStringLiteral("120"));
    setFloat(var::Heading, 90.0);
    tickInPhase(0);
    ASSERT_DOUBLE_EQ(w.rImgHdgMk->RotationAngle(), -30.0);

    typeQuietly(w.eAPHead, QString());
    typeQuietly(w.eServCeiling, QStringLiteral("12a"));
    for (int heading : {100, 110, 120, 130}) {
        setFloat(var::Heading, heading);
        tickInPhase(heading % 4);
        EXPECT_DOUBLE_EQ(w.rImgGyro->RotationAngle(), heading);
        EXPECT_EQ(w.lHdg->Caption(), QString::number(heading));
    }
    EXPECT_DOUBLE_EQ(w.rImgHdgMk->RotationAngle(), -30.0);
    EXPECT_EQ(dialogs.messages, QStringList());
    EXPECT_FALSE(w.vBuzy);
    EXPECT_EQ(takeWrites(), Writes{});
}
