// The aircraft reader against veltrano-sim: the panel shaped to each aircraft
// (engine columns, picture frames, tanks, selectors, missing systems, dial
// ranges), the refresh after the simulator loads another aircraft, and the
// description's edge cases, a bad date among them.
#include "adapters/filelist.h"
#include "adapters/paneledit.h"
#include "adapters/panellabel.h"
#include "adapters/panelshape.h"
#include "adapters/radiogroup.h"
#include "adapters/trackbar.h"
#include "catalogue.h"
#include "connectedpanel.h"
#include "dialogseam.h"
#include "gauge/tanaloggauge.h"
#include "knob/tknob.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QStandardPaths>
#include <QTimeEdit>

#include <set>

namespace {

class AircraftPanel : public ConnectedPanel {
protected:
    // The panels shown among these, by object name.
    static std::set<QString> shown(std::initializer_list<QWidget *> widgets)
    {
        std::set<QString> names;
        for (QWidget *w : widgets)
            if (!w->isHidden())
                names.insert(w->objectName());
        return names;
    }
    std::set<QString> engineColumns() const { return shown({panel->pnlEngine2, panel->pnlEngine3, panel->pnlEngine4}); }
    std::set<QString> pictureFrames() const { return shown({panel->pnlImage1, panel->pnlImage2, panel->pnlImage3}); }
    std::set<QString> tanks() const
    {
        TfrmACMain &w = *panel;
        return shown({w.pnlFC1, w.pnlFC2, w.pnlFC3, w.pnlFLM, w.pnlFLA, w.pnlFLT, w.pnlFRM, w.pnlFRA, w.pnlFRT,
                      w.pnlFE1, w.pnlFE2});
    }
    std::set<QString> enabledSelectors() const
    {
        std::set<QString> names;
        for (TKnob *k : {panel->knbFuelSel2, panel->knbFuelSel3, panel->knbFuelSel4})
            if (k->Enabled())
                names.insert(k->objectName());
        return names;
    }
    // Enabled (the knob's own state, whatever its column's), and grey when
    // enabled or silver when not.
    static void expectPresent(TKnob *knob, bool present)
    {
        SCOPED_TRACE(knob->objectName().toStdString());
        EXPECT_EQ(!knob->testAttribute(Qt::WA_ForceDisabled), present);
        EXPECT_EQ(knob->Color(), present ? clGray : clSilver);
    }
};

using Names = std::set<QString>;

} // namespace

TEST_F(AircraftPanel, EachPresetShapesThePanelAndItsInstrumentsRun)
{
    struct Case {
        const char *aircraft;
        int engines;
        QString caption, engineType;
        Names columns, frames, tanks, selectors;
        bool mixture, carbHeat, retractable, spoilers;
        int flapDetents, dialScale, dialTicks;
        QString maxIas, altitude, nearest;
    };
    const Case cases[] = {
        {"c172", 1, "Cessna Cessna Skyhawk 172SP Paint1 172SP", "Engines - Piston", {},
         {"pnlImage1", "pnlImage2", "pnlImage3"}, {"pnlFLM", "pnlFRM"}, {}, true, true, false, false, 3, 200, 8,
         "181", "21", "Nearest: KBFI"},
        {"baron", 2, "Beechcraft Beechcraft Baron 58 Paint1 Baron 58", "Engines - Piston", {"pnlEngine2"},
         {"pnlImage2", "pnlImage3"}, {"pnlFLM", "pnlFRM", "pnlFLA", "pnlFRA"}, {"knbFuelSel2"}, true, false, true,
         false, 2, 250, 10, "248", "433", "Nearest: KSEA"},
        {"b727", 3, "Boeing Boeing 727-200 Advanced 727-200", "Engines - Jet", {"pnlEngine2", "pnlEngine3"},
         {"pnlImage3"}, {"pnlFC1", "pnlFLM", "pnlFRM"}, {"knbFuelSel2", "knbFuelSel3"}, false, false, true, true, 6,
         350, 10, "434", "13", "Nearest: KJFK"},
        // Centre 2 holds nothing but has a capacity: it is shown.
        {"b747", 4, "Boeing Boeing 747-400 Paint1 747-400", "Engines - Jet", {"pnlEngine2", "pnlEngine3", "pnlEngine4"},
         {}, {"pnlFC1", "pnlFC2", "pnlFLM", "pnlFRM", "pnlFLA", "pnlFRA", "pnlFLT", "pnlFRT"},
         {"knbFuelSel2", "knbFuelSel3", "knbFuelSel4"}, false, false, true, true, 6, 350, 10, "406", "83",
         "Nearest: EGLL"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.aircraft);
        ASSERT_TRUE(connect({"--aircraft", c.aircraft}));
        TfrmACMain &w = *panel;
        // Read again, so that what follows is the reader's own doing, before
        // other readers colour the controls by their state. It writes on
        // purpose the propeller type, constant speed, and nothing else (the
        // propeller-type group, selected after it, writes its item too).
        w.AircraftInfo();
        const Writes writes = takeWrites();
        EXPECT_FALSE(writes.empty());
        for (const Written &write : writes)
            EXPECT_EQ(write, wrote(var::PropellerType, 1));

        EXPECT_EQ(w.vNumEng, c.engines);
        EXPECT_EQ(w.lNoEng->Caption(), QString::number(c.engines));
        EXPECT_EQ(w.gbAircraft->title(), c.caption);
        EXPECT_EQ(w.gbEngines->title(), c.engineType);
        EXPECT_EQ(engineColumns(), c.columns);
        EXPECT_EQ(pictureFrames(), c.frames);
        EXPECT_EQ(tanks(), c.tanks);
        EXPECT_EQ(enabledSelectors(), c.selectors);
        for (TKnob *k : {w.knbFuelSel2, w.knbFuelSel3, w.knbFuelSel4})
            expectPresent(k, c.selectors.count(k->objectName()) > 0);

        // Engine controls: engine 1's by the aircraft's systems, the others'
        // only where their column shows.
        EXPECT_EQ(w.tbMix1->isEnabled(), c.mixture);
        expectPresent(w.knbCarbHt1, c.carbHeat);
        EXPECT_TRUE(w.tbProp1->isEnabled());
        EXPECT_EQ(w.tbProp4->isEnabled(), c.engines == 4);
        EXPECT_EQ(w.rgPropType->ItemIndex(), 1);
        for (TKnob *k : {w.knbFeather1, w.knbFeather4, w.knbAutoFeather})
            expectPresent(k, true);
        expectPresent(w.knbPropSync, c.engines > 1);
        EXPECT_EQ(w.cbxSyncEng->isEnabled(), c.engines > 1);
        EXPECT_EQ(w.cbxScanEng->isEnabled(), c.engines > 1);
        EXPECT_FALSE(w.cbxSyncEng->isChecked());
        EXPECT_EQ(w.knbEngSel->Position(), 1);

        // Airframe.
        expectPresent(w.knbGear, c.retractable);
        EXPECT_EQ(w.lGearType->Caption(), c.retractable ? QStringLiteral("Gear-Rectr.") : QStringLiteral("Gear-Fixed"));
        for (PanelShape *lamp : {w.shpGearNose, w.shpGearL, w.shpGearR})
            EXPECT_EQ(lamp->BrushColor(), clLime); // down, or fixed
        expectPresent(w.knbSpoiler, c.spoilers);
        expectPresent(w.knbTWL, false);
        EXPECT_EQ(w.lTailDrag->Caption(), QStringLiteral("TD:No"));
        EXPECT_TRUE(w.knbFlaps->Enabled());
        EXPECT_EQ(w.knbFlaps->Max(), c.flapDetents);
        EXPECT_EQ(w.shpNav1Pwr->BrushColor(), clLime);
        EXPECT_EQ(w.shpNav2pwr->BrushColor(), clLime);

        // The airspeed dial for the aircraft's speeds.
        EXPECT_EQ(w.agSpeed->Scale(), c.dialScale);
        EXPECT_EQ(w.agSpeed->NumberMainTicks(), c.dialTicks);
        EXPECT_EQ(w.agSpeed->IndMinimum(), w.lvs0->Caption().toInt());
        EXPECT_EQ(w.lbps->Caption(), c.maxIas);


        // The instruments after a few ticks, and the clock running.
        tick(4);
        EXPECT_EQ(w.stAlt->Caption(), c.altitude);
        EXPECT_EQ(w.lgalt->Caption(), QStringLiteral("0"));
        EXPECT_EQ(w.lNearAP->Caption(), c.nearest);
        EXPECT_EQ(w.lHdg->Caption(), w.eHdg->Text());
        EXPECT_TRUE(w.statusPanel(5).startsWith(QStringLiteral("FS Clock: ")));
        EXPECT_EQ(w.lkollsmanval->Caption(), QString::number(w.knbKollsman->Position()));
        EXPECT_FALSE(w.lPressDot->isHidden()); // inches of mercury, the default unit
        EXPECT_EQ(takeWrites(), Writes{});
        TearDown();
    }
}

TEST_F(AircraftPanel, RefreshAfterTheSimulatorLoadsAnotherAircraft)
{
    ASSERT_TRUE(connect({"--aircraft", "b747"}));
    TfrmACMain &w = *panel;
    ASSERT_EQ(engineColumns(), (Names{"pnlEngine2", "pnlEngine3", "pnlEngine4"}));
    ASSERT_EQ(sim.command(QStringLiteral("aircraft c172")), QStringLiteral("OK"));

    w.bbtnRefreshClick();
    EXPECT_EQ(w.vNumEng, 1);
    EXPECT_EQ(engineColumns(), Names{});
    EXPECT_EQ(pictureFrames(), (Names{"pnlImage1", "pnlImage2", "pnlImage3"}));
    EXPECT_EQ(tanks(), (Names{"pnlFLM", "pnlFRM"}));
    EXPECT_EQ(enabledSelectors(), Names{});
    EXPECT_EQ(w.gbAircraft->title(), QStringLiteral("Cessna Cessna Skyhawk 172SP Paint1 172SP"));
    EXPECT_EQ(w.gbEngines->title(), QStringLiteral("Engines - Piston"));
    EXPECT_TRUE(w.tbMix1->isEnabled());
    expectPresent(w.knbCarbHt1, true);
    expectPresent(w.knbGear, false);
    EXPECT_EQ(w.knbGear->Hint(), QStringLiteral("Fixed Landing Gear"));
    EXPECT_EQ(w.agSpeed->Scale(), 200);
    EXPECT_EQ(w.knbFlaps->Max(), 3);

    // And back to a four-engine aircraft.
    ASSERT_EQ(sim.command(QStringLiteral("aircraft b747")), QStringLiteral("OK"));
    w.bbtnRefreshClick();
    EXPECT_EQ(engineColumns(), (Names{"pnlEngine2", "pnlEngine3", "pnlEngine4"}));
    EXPECT_EQ(pictureFrames(), Names{});
    EXPECT_TRUE(w.pnlEngine4->isEnabled());
    EXPECT_FALSE(w.tbMix1->isEnabled());
    for (TKnob *k : {w.knbCarbHt1, w.knbCarbHt2, w.knbCarbHt3, w.knbCarbHt4})
        expectPresent(k, false);
    for (TrackBar *t : {w.tbProp2, w.tbProp3, w.tbProp4})
        EXPECT_TRUE(t->isEnabled());
}

// A date the simulator gives that is not one, or lies after today, leaves
// the date picker at today and the reader goes on: everything after the date
// is still read. (An hour past 23 is the rules' table: the stand-in's running
// clock never holds one.)
TEST_F(AircraftPanel, ABadDateNeverStopsTheReader)
{
    ASSERT_TRUE(connect({"--aircraft", "baron"}));
    TfrmACMain &w = *panel;
    set(var::SimulationRate, 0); // the clock stands still at the times set below
    const QDate today = QDate::currentDate();
    const QDate tomorrow = today.addDays(1);
    struct Case {
        int month, day, year, hour, minute;
        QString dateText;
        QDate date;  // DTP1 afterwards
        int engines; // a later step's result
    };
    const Case cases[] = {
        {3, 1, 2009, 14, 35, "3/1/2009", QDate(2009, 3, 1), 1},
        {0, 0, 0, 9, 5, "0/0/0", today, 3}, // a failed read
        {tomorrow.month(), tomorrow.day(), tomorrow.year(), 10, 0, QString(), today, 4},
        {2, 30, 2009, 23, 59, "2/30/2009", today, 2},
        {13, 1, 2009, 0, 0, "13/1/2009", today, 2},
        {12, 17, 1903, 0, 0, "12/17/1903", QDate(1903, 12, 17), 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(QStringLiteral("%1/%2/%3").arg(c.month).arg(c.day).arg(c.year).toStdString());
        set(var::DateFirstNumber, c.month);
        set(var::DateSecondNumber, c.day);
        set(var::DateYear, c.year);
        set(var::ClockHour, c.hour);
        set(var::ClockMinute, c.minute);
        set(var::EngineCount, c.engines);
        w.AircraftInfo();
        if (!c.dateText.isNull()) {
            EXPECT_EQ(w.lLocDate->Caption(), c.dateText);
        }
        EXPECT_EQ(w.DTP1->date(), c.date);
        EXPECT_EQ(w.DTP1->maximumDate(), today);
        EXPECT_EQ(w.DTP2->time(), QTime(c.hour, c.minute));
        EXPECT_EQ(w.vNumEng, c.engines);
        EXPECT_EQ(w.lNoEng->Caption(), QString::number(c.engines));
        EXPECT_EQ(w.gbAircraft->title(), QStringLiteral("Beechcraft Beechcraft Baron 58 Paint1 Baron 58"));
        EXPECT_EQ(tanks(), (Names{"pnlFLM", "pnlFRM", "pnlFLA", "pnlFRA"}));
    }
}

TEST_F(AircraftPanel, DescriptionEdgeCases)
{
    ASSERT_TRUE(connect({"--aircraft", "c172"}));
    TfrmACMain &w = *panel;

    // Seasons: an unknown value keeps the label.
    const std::pair<int, const char *> seasons[] = {
        {0, "Season: Winter"}, {2, "Season: Summer"}, {4, "Season: Summer"}, {3, "Season: Fall"}};
    for (auto [season, text] : seasons) {
        set(var::Season, season);
        w.AircraftInfo();
        EXPECT_EQ(w.lSeason->Caption(), QLatin1String(text)) << season;
    }

    // The barber pole sets the airspeed dial: 150 knots is the smallest dial.
    const std::pair<int, std::pair<int, int>> poles[] = {{150, {150, 6}}, {151, {200, 8}}, {301, {350, 10}}};
    for (auto [knots, dial] : poles) {
        set(var::BarberPole, knots * 115);
        w.AircraftInfo();
        EXPECT_EQ(w.agSpeed->Scale(), dial.first) << knots;
        EXPECT_EQ(w.agSpeed->NumberMainTicks(), dial.second) << knots;
        EXPECT_EQ(w.lbps->Caption(), QString::number(knots));
    }

    // Gear moving, the aircraft without NAV receivers, a tail dragger,
    // auto-rudder, unlimited fuel, no tanks at all.
    set(var::RetractableGear, 1);
    set(var::GearNose, 8000);
    set(var::GearLeft, 0);
    set(var::GearRight, 16383);
    set(var::Nav1Present, 0);
    set(var::Nav2Present, 0);
    set(var::TailDragger, 1);
    set(var::AutoRudder, 1);
    set(var::UnlimitedFuel, 1);
    set(var::HasFlaps, 0);
    for (const catalogue::FuelTank &t : catalogue::FuelTanks)
        set(t.capacity, 0);
    w.gbFuel->setTitle(QStringLiteral("Fuel - 0000"));
    w.AircraftInfo();
    EXPECT_EQ(w.shpGearNose->BrushColor(), clRed);
    EXPECT_EQ(w.shpGearL->BrushColor(), clBlue);
    EXPECT_EQ(w.shpGearR->BrushColor(), clLime);
    for (PanelShape *lamp : {w.shpNav1Pwr, w.shpVOR1On, w.shpLoc1, w.shpGS1, w.shpNav2pwr})
        EXPECT_EQ(lamp->BrushColor(), clSilver) << lamp->objectName().toStdString();
    EXPECT_EQ(w.stNav2->Caption(), QStringLiteral("000.000"));
    expectPresent(w.knbTWL, true);
    EXPECT_EQ(w.lTailDrag->Caption(), QStringLiteral("TD:Yes"));
    EXPECT_EQ(w.shpAutoRudder->BrushColor(), clLime);
    EXPECT_EQ(w.gbFuel->title(), QStringLiteral("Fuel - 0000 Unlimited Set"));
    expectPresent(w.knbFlaps, false);
    EXPECT_EQ(tanks(), Names{});
}

// The simulator's picture folder next to the flight's, when it exists on this
// machine; otherwise the user's pictures folder. A path without "doc" in its
// folder leaves the viewer where it was.
TEST_F(AircraftPanel, PictureFolderFromTheFlightLoaded)
{
    ASSERT_TRUE(connect({"--aircraft", "c172"}));
    TfrmACMain &w = *panel;
    const QString base = QStringLiteral("/tmp/veltrano-pictures-%1").arg(QCoreApplication::applicationPid());
    const QString simulatorPictures = base + QStringLiteral("/Pictures/Flight Simulator X Files/");
    ASSERT_TRUE(QDir().mkpath(simulatorPictures));
    const QString userPictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) + QLatin1Char('/');
    EXPECT_EQ(OpenDialog().InitialDir, userPictures); // before any flight names one

    struct Case {
        QString situation;
        QString folder;
    };
    const Case cases[] = {
        {base + QStringLiteral("\\Documents\\Flight Simulator X Files\\my.FLT"), simulatorPictures},
        {QStringLiteral("D:\\Users\\Pilot\\Documents\\Flight Simulator X Files\\my.FLT"), userPictures},
        {QStringLiteral("C:\\Flights\\my.FLT"), userPictures}, // unchanged
        {base + QStringLiteral("/documents/x.FLT"), simulatorPictures},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.situation.toStdString());
        setText(var::SituationPath, c.situation.toStdString());
        w.AircraftInfo();
        EXPECT_EQ(w.lSit->Caption(), c.situation);
        EXPECT_EQ(w.FileListBox1->Directory(), c.folder);
        EXPECT_EQ(w.OpenDialog1->InitialDir, c.folder);
        for (PanelEdit *e : {w.eImage1, w.eImage2, w.eImage3})
            EXPECT_EQ(e->Text(), c.folder);
    }
    QDir(base).removeRecursively();
}
