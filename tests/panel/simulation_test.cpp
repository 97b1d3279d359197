// The simulation settings through their controls, against veltrano-sim:
// exact writes and status sentences of Set Time, the rate arrows, the
// altimeter knob (also between a unit change and the next refresh), the
// service ceiling, the drift and battery resets; and the pictures the relays
// turn.
#include "adapters/paneledit.h"
#include "adapters/panellabel.h"
#include "adapters/panelshape.h"
#include "adapters/radiogroup.h"
#include "adapters/speedbutton.h"
#include "adapters/updown.h"
#include "catalogue.h"
#include "connectedpanel.h"
#include "image/trotatableimage.h"
#include "knob/tknob.h"

#include <QDateEdit>
#include <QSignalBlocker>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>

namespace {

class Simulation : public ConnectedPanel {
protected:
    void clickTimeSet() { emit panel->sbtnTimeSet->OnClick(panel->sbtnTimeSet); }
    // The altimeter as the refresh leaves it, in the unit chosen.
    void readAltimeter(int baro, std::uint16_t kollsman, std::uint16_t qnh)
    {
        panel->rgBaro->SetItemIndex(baro);
        set(var::Kollsman, kollsman);
        set(var::QnhPressure, qnh);
        for (int phase : {1, 3, 1}) {
            panel->vInProc = static_cast<std::uint8_t>(phase);
            tick();
        }
        takeWrites();
    }
    // One wheel notch away from the user on the altimeter knob: the wheel sets
    // the write intent and steps the knob; the knob's change handler writes.
    void wheelUpOnKollsman()
    {
        TfrmACMain &w = *panel;
        w.doWrite = true;
        const int next = w.lkollsmanval->Caption().toInt() + 1;
        w.lkollsmanval->SetCaption(QString::number(next));
        w.knbKollsman->SetPosition(next);
    }
};

} // namespace

TEST_F(Simulation, SetTimeWritesTheClockAndTheDate)
{
    ASSERT_TRUE(connect({"--aircraft", "c172"}));
    TfrmACMain &w = *panel;
    struct Case {
        QDate date;
        QTime time;
        int day;
    };
    const Case cases[] = {
        {QDate(2009, 3, 1), QTime(14, 35), 60},
        {QDate(2008, 3, 1), QTime(14, 35), 61},
        {QDate(2008, 12, 31), QTime(0, 0), 366},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.date.toString().toStdString());
        w.DTP1->setDate(c.date);
        w.DTP2->setTime(c.time);
        clickTimeSet();
        EXPECT_EQ(takeWrites(), (Writes{wrote(var::ClockHour, c.time.hour()), wrote(var::ClockMinute, c.time.minute()),
                                        wrote(var::Year, c.date.year()), wrote(var::DayOfYear, c.day)}));
        EXPECT_EQ(status(), QStringLiteral("Date Changed."));
    }
}

// A failed write ends on its failure: a later success does not hide it. The
// simulator refuses every block, or only the first (the hour's).
TEST_F(Simulation, SetTimeEndsOnTheFailureOfAWriteThatFailed)
{
    ASSERT_TRUE(connect({"--aircraft", "c172"}));
    TfrmACMain &w = *panel;
    w.DTP1->setDate(QDate(2009, 3, 1));
    w.DTP2->setTime(QTime(14, 35));

    ASSERT_EQ(sim.command(QStringLiteral("fault reject")), QStringLiteral("OK"));
    clickTimeSet();
    EXPECT_EQ(status(), QStringLiteral("Year Setting Failed."));
    ASSERT_EQ(sim.command(QStringLiteral("fault none")), QStringLiteral("OK"));
    EXPECT_EQ(takeWrites(), Writes{});

    // The hour's write lets pending events run after it fails; the simulator
    // takes blocks again from then on.
    ASSERT_EQ(sim.command(QStringLiteral("fault reject")), QStringLiteral("OK"));
    QTimer::singleShot(0, [this] { sim.command(QStringLiteral("fault none")); });
    clickTimeSet();
    EXPECT_EQ(takeWrites(), (Writes{wrote(var::Year, 2009), wrote(var::DayOfYear, 60)}));
    EXPECT_EQ(status(), QStringLiteral("Hour not changed."));
}

TEST_F(Simulation, RateArrowsWriteTheRateTypingDoesNot)
{
    ASSERT_TRUE(connect({"--aircraft", "c172"}));
    TfrmACMain &w = *panel;
    struct Case {
        int from;
        bool up;
        QString shown;
        Writes writes;
        QString status;
    };
    const Case cases[] = {
        {1, true, "2", {wrote(var::SimulationRate, 512)}, "Sim Rate Changed."},
        {1, false, "0", {wrote(var::SimulationRate, 0)}, "Sim Rate Changed."},
        {0, true, "1", {wrote(var::SimulationRate, 256)}, "Sim Rate Changed."},
        {32, true, "32", {}, "unchanged"}, // at the top nothing moves, nothing is written
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.shown.toStdString());
        w.UpDown1->SetPosition(c.from);
        w.setStatusPanel(3, QStringLiteral("unchanged"));
        w.UpDown1->clickArrow(c.up);
        EXPECT_EQ(w.eSimRate->Text(), c.shown);
        EXPECT_EQ(takeWrites(), c.writes);
        EXPECT_EQ(status(), c.status);
        EXPECT_FALSE(w.doWrite);
    }
    // Typing a rate changes the text only.
    QTest::keyClicks(w.eSimRate, QStringLiteral("4"));
    EXPECT_EQ(takeWrites(), Writes{});
}

TEST_F(Simulation, AnEmptiedServiceCeilingIsResetWithOneDialog)
{
    ASSERT_TRUE(connect({"--aircraft", "c172"}));
    TfrmACMain &w = *panel;
    struct Case {
        QString typed, shown;
        int dialogs;
    };
    const Case cases[] = {{"", "15000", 1}, {"20000", "20000", 1}, {"12a", "15000", 2}, {"-", "15000", 3}};
    for (const Case &c : cases) {
        w.eServCeiling->SetText(c.typed);
        EXPECT_EQ(w.eServCeiling->Text(), c.shown) << c.typed.toStdString();
        EXPECT_EQ(dialogs.messages.size(), c.dialogs) << c.typed.toStdString();
    }
    EXPECT_EQ(dialogs.messages.value(0), QStringLiteral("No text in this field."));
    EXPECT_EQ(takeWrites(), Writes{});
}

TEST_F(Simulation, AltimeterIsWrittenInTheUnitTheKnobIsIn)
{
    ASSERT_TRUE(connect({"--aircraft", "c172"}));
    TfrmACMain &w = *panel;

    // The knob's own change, with the write intent: inches and millibars.
    readAltimeter(0, 16212, 16212);
    w.doWrite = true;
    w.knbKollsman->SetPosition(2992);
    EXPECT_EQ(takeWrites(), Writes{wrote(var::Kollsman, 16211)});
    EXPECT_EQ(status(), QStringLiteral("Kollsman Changed."));
    EXPECT_FALSE(w.doWrite);
    readAltimeter(1, 16208, 16208);
    w.doWrite = true;
    w.knbKollsman->SetPosition(1013);
    EXPECT_EQ(takeWrites(), Writes{wrote(var::Kollsman, 16208)});
    // Without it (a refresh, a cancelled turn) nothing is written.
    w.knbKollsman->SetPosition(1020);
    EXPECT_EQ(takeWrites(), Writes{});

    // Middle click: to QNH, 1013.9 mb.
    readAltimeter(1, 16208, 16222);
    ASSERT_EQ(w.lPress->Caption(), QStringLiteral("1013.9"));
    QTest::mouseClick(w.knbKollsman, Qt::MiddleButton);
    EXPECT_EQ(w.knbKollsman->Position(), 1014);
    EXPECT_EQ(takeWrites(), Writes{wrote(var::Kollsman, 16224)});
    EXPECT_EQ(status(), QStringLiteral("Kollsman Changed."));
    // Other buttons do nothing here.
    QTest::mouseClick(w.knbKollsman, Qt::RightButton);
    EXPECT_EQ(takeWrites(), Writes{});

    // The unit changed to millibars, the knob still counts hundredths of an
    // inch: a wheel notch writes 29.93 in., a middle click 29.92 in.
    readAltimeter(0, 16212, 16212);
    w.rgBaro->SetItemIndex(1);
    wheelUpOnKollsman();
    EXPECT_EQ(w.knbKollsman->Position(), 2993);
    EXPECT_EQ(takeWrites(), Writes{wrote(var::Kollsman, 16217)});
    QTest::mouseClick(w.knbKollsman, Qt::MiddleButton);
    EXPECT_EQ(w.knbKollsman->Position(), 2992);
    EXPECT_EQ(takeWrites(), Writes{wrote(var::Kollsman, 16211)});

    // And back: inches chosen, the knob in millibars.
    readAltimeter(1, 16208, 16208);
    w.rgBaro->SetItemIndex(0);
    wheelUpOnKollsman();
    EXPECT_EQ(takeWrites(), Writes{wrote(var::Kollsman, 16224)});
    QTest::mouseClick(w.knbKollsman, Qt::MiddleButton);
    EXPECT_EQ(w.knbKollsman->Position(), 1013);
    EXPECT_EQ(takeWrites(), Writes{wrote(var::Kollsman, 16208)});
}

TEST_F(Simulation, DriftAndBatteryResets)
{
    ASSERT_TRUE(connect({"--aircraft", "c172"}));
    TfrmACMain &w = *panel;
    set(var::GyroDrift, 500);
    tick();
    ASSERT_EQ(w.knbDriftFix->Color(), clOrange);
    w.setStatusPanel(3, QStringLiteral("before"));
    w.knbDriftFix->SetPosition(1);
    emit w.knbDriftFix->OnClick(w.knbDriftFix);
    EXPECT_EQ(takeWrites(), Writes{wrote(var::GyroDrift, 0)});
    EXPECT_EQ(w.knbDriftFix->Position(), 0);
    EXPECT_EQ(w.knbDriftFix->Color(), clGray);
    EXPECT_EQ(status(), QStringLiteral("before")); // no sentence of its own

    emit w.sbtnBatFix->OnClick(w.sbtnBatFix);
    EXPECT_EQ(takeWrites(), Writes{wroteFloat(var::BatteryVoltage, 24.0)});
    EXPECT_EQ(status(), QStringLiteral("Battery Set."));
    ASSERT_EQ(sim.command(QStringLiteral("fault reject")), QStringLiteral("OK"));
    emit w.sbtnBatFix->OnClick(w.sbtnBatFix);
    EXPECT_EQ(status(), QStringLiteral("Battery Reset Failed."));
}

TEST_F(Simulation, RelaysTurnTheirPictures)
{
    ASSERT_TRUE(connect({"--aircraft", "c172"}));
    TfrmACMain &w = *panel;
    const auto quietly = [](PanelEdit *edit, const QString &text) {
        const QSignalBlocker quiet(edit);
        edit->SetText(text);
    };

    // Attitude: bank turns the ball, pitch moves it one pixel per degree.
    const std::pair<const char *, double> banks[] = {{"12.50", 12.5}, {"-3.00", -3.0}, {"abc", -3.0}};
    for (auto [text, angle] : banks) {
        w.eBank->SetText(QLatin1String(text));
        EXPECT_DOUBLE_EQ(w.rImgAttitude->RotationAngle(), angle) << text;
    }
    const std::pair<const char *, int> pitches[] = {{"5.50", 19}, {"-10.00", 3}, {"4.50", 17}, {"x", 13}};
    for (auto [text, top] : pitches) {
        w.ePitch->SetText(QLatin1String(text));
        EXPECT_EQ(w.rImgAttitude->y(), top) << text;
    }

    // Heading 90 with the bug at 120 and the course at 45; VOR1 and the ADF
    // have a signal, VOR2 has none.
    quietly(w.eAPHead, QStringLiteral("120"));
    quietly(w.eAPCrs, QStringLiteral("45"));
    quietly(w.eWinddir, QStringLiteral("30"));
    w.shpVOR1On->SetBrushColor(clLime);
    w.shpVOR2On->SetBrushColor(clSilver);
    w.shpADFSignal->SetBrushColor(clLime);
    w.rImgVOR2Lubber->SetRotationAngle(7.0);
    w.eHdg->SetText(QStringLiteral("90"));
    EXPECT_DOUBLE_EQ(w.rImgGyro->RotationAngle(), 90.0);
    EXPECT_DOUBLE_EQ(w.rImgHdgMk->RotationAngle(), -30.0);
    EXPECT_DOUBLE_EQ(w.rImgCrs->RotationAngle(), 45.0);
    EXPECT_DOUBLE_EQ(w.rImgWind->RotationAngle(), 30.0);
    EXPECT_DOUBLE_EQ(w.rImgVOR1Lubber->RotationAngle(), -90.0);
    EXPECT_DOUBLE_EQ(w.rImgVOR2Lubber->RotationAngle(), 7.0);
    EXPECT_DOUBLE_EQ(w.rImgADFLubber->RotationAngle(), -90.0);
    EXPECT_EQ(w.lHdg->Caption(), QStringLiteral("90"));

    w.eWinddir->SetText(QStringLiteral("-45"));
    EXPECT_DOUBLE_EQ(w.rImgWind->RotationAngle(), -45.0);

    // An emptied bug keeps its marker where it was; no dialog.
    quietly(w.eAPHead, QString());
    w.eHdg->SetText(QStringLiteral("100"));
    EXPECT_DOUBLE_EQ(w.rImgHdgMk->RotationAngle(), -30.0);
    EXPECT_DOUBLE_EQ(w.rImgCrs->RotationAngle(), 55.0);
    EXPECT_EQ(dialogs.messages, QStringList());
    EXPECT_EQ(takeWrites(), Writes{});
}
