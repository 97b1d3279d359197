// The radio stack against veltrano-sim: what RadioInfo and NavInfo show, and
// what each tuning control writes, through the controls' own events.
#include "adapters/paneledit.h"
#include "adapters/panellabel.h"
#include "adapters/panelshape.h"
#include "adapters/radiogroup.h"
#include "adapters/speedbutton.h"
#include "catalogue.h"
#include "connectedpanel.h"
#include "image/trotatableimage.h"
#include "knob/tknob.h"
#include "readfailingwindow.h"
#include "controls/rules/radiowheel.h"
#include "simlink/bcd.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace {

// The audio selector's bits.
enum : std::uint8_t { COM1 = 128, COM2 = 64, BOTH = 32, NAV1 = 16, NAV2 = 8, MKR = 4, DME = 2, ADF = 1 };

std::int64_t radioWord(double mhz)
{
    return conv::mhzToRadioWord(mhz);
}

constexpr TColor clAqua = RGBColor(0, 255, 255);

class Radios : public ConnectedPanel {
protected:
    // A powered stack with both receivers on a station.
    void powerUp()
    {
        for (const catalogue::Variable *v : {&var::AvionicsMaster, &var::Nav1Present, &var::Nav2Present,
                                             &var::Vor1Signal, &var::Vor2Signal, &var::AdfSignal})
            set(*v, 1);
    }
    std::vector<PanelShape *> stackLamps() const
    {
        return {panel->shpRad1, panel->shpNav2pwr, panel->shpRad2,       panel->shpNav1Pwr, panel->shpVOR1On,
                panel->shpVOR2On, panel->shpADFSignal, panel->shpLoc1, panel->shpGS1};
    }
    // The user's intent, as the wheel or a click leaves it, then a new text.
    void enter(PanelEdit *edit, const QString &text)
    {
        panel->doWrite = true;
        edit->SetText(text);
    }
    // The window shown and active, so that edits take and lose the focus.
    void showPanel()
    {
        panel->show();
        QApplication::setActiveWindow(panel.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(panel.get()));
    }
};

class RadiosFailedReads : public Radios {
protected:
    std::unique_ptr<TfrmACMain> makeWindow() override { return std::make_unique<ReadFailingWindow>(sim); }
    ReadFailingWindow &window() { return static_cast<ReadFailingWindow &>(*panel); }
};

} // namespace

TEST_F(Radios, ReadoutShowsTheStackAndWritesNothing)
{
    ASSERT_TRUE(connect({"--aircraft", "baron"}));
    powerUp();
    set(var::Com1Active, IntToBCD(2282));
    set(var::Com1Standby, radioWord(122.80));
    set(var::Com2Active, IntToBCD(2287));
    set(var::Com2Standby, radioWord(118.025));
    set(var::Nav1Active, radioWord(113.90));
    set(var::Nav1Standby, radioWord(108.00));
    set(var::Nav2Active, radioWord(117.95));
    set(var::Nav2Standby, radioWord(110.50));
    set(var::AdfFrequency, IntToBCD(5));
    set(var::AdfExtension, IntToBCD(103));
    set(var::AdfBearing, 16384); // 90 degrees
    setText(var::AdfIdent, "  ABC ");
    set(var::Transponder, IntToBCD(7700));
    set(var::AudioSelector, COM2 | NAV1 | MKR);
    set(var::Nav1ToFrom, 2);
    setText(var::Vor1Ident, "SFO");
    set(var::Vor1Radial, 275);
    set(var::Vor1DmeDistance, 125);
    set(var::Vor1DmeSpeed, 1206);
    set(var::Vor1DmeTime, 35995);
    set(var::Nav1LocGsFlags, 128 | 64);
    set(var::LocaliserDeviation, -127);
    set(var::GlideslopeDeviation, 127);
    set(var::InnerMarker, 1);
    set(var::MiddleMarker, 0);
    set(var::OuterMarker, 1);
    set(var::Nav2ToFrom, 1);
    setText(var::Vor2Ident, "OAK");
    set(var::Vor2Radial, 90);
    set(var::Vor2DmeDistance, 135);
    set(var::Vor2DmeSpeed, 0);
    set(var::Vor2DmeTime, 35995);
    panel->setStatusPanel(3, QStringLiteral("before"));

    panel->RadioInfo();
    EXPECT_EQ(panel->statusPanel(4), QStringLiteral("Scanning.."));
    panel->NavInfo();
    EXPECT_EQ(panel->statusPanel(4), QStringLiteral("Scanning."));

    const std::pair<QString, const char *> texts[] = {
        {panel->stCom1->Caption(), "122.825"}, {panel->eCom1s->Text(), "122.800"}, {panel->stCom2->Caption(), "122.875"},
        {panel->eCom2s->Text(), "118.025"},    {panel->stNav1->Caption(), "113.90"}, {panel->eNav1s->Text(), "108.00"},
        {panel->stNav2->Caption(), "117.95"},  {panel->eNav2s->Text(), "110.50"},  {panel->eADFFreq->Text(), "1005.3"},
        {panel->stADFB->Caption(), "90"},      {panel->stADFR->Caption(), "ABC"},  {panel->lTrans1->Caption(), "7"},
        {panel->lTrans2->Caption(), "7"},      {panel->lTrans3->Caption(), "0"},   {panel->lTrans4->Caption(), "0"},
        {panel->lVor1->Caption(), "V1:SFO:>"}, {panel->stV1Brg->Caption(), "275"}, {panel->stV1Dist->Caption(), "12"},
        {panel->stV1Spd->Caption(), "121"},    {panel->stV1Time->Caption(), "00:59"}, {panel->lLoc1->Caption(), "<LOC"},
        {panel->lGS1->Caption(), "GS^"},       {panel->lVOR2->Caption(), "V2:OAK:<"}, {panel->stV2Brg->Caption(), "90"},
        {panel->stV2Dist->Caption(), "14"},    {panel->stV2Spd->Caption(), "0"},   {panel->stV2Time->Caption(), "01:00"},
    };
    for (const auto &[shown, expected] : texts)
        EXPECT_EQ(shown, QLatin1String(expected));

    for (PanelShape *lamp : stackLamps())
        EXPECT_EQ(lamp->BrushColor(), clLime) << lamp->objectName().toStdString();
    EXPECT_EQ(panel->shpMkrIn->BrushColor(), clYellow);
    EXPECT_EQ(panel->shpMkrMid->BrushColor(), clMedGray);
    EXPECT_EQ(panel->shpMkrOut->BrushColor(), clBlue);
    EXPECT_EQ(panel->shpLoc->x(), 6);
    EXPECT_EQ(panel->shpGS->y(), 90);
    EXPECT_FALSE(panel->shpGS->isHidden());
    EXPECT_EQ(panel->knbAvionics->Position(), 1);
    EXPECT_EQ(panel->knbTransOn->Position(), 1);
    EXPECT_EQ(panel->knbT1->Position(), 7);
    EXPECT_EQ(panel->knbT4->Position(), 0);
    EXPECT_DOUBLE_EQ(panel->rImgADFBrg->RotationAngle(), panel->rImgADFLubber->RotationAngle() - 90);
    EXPECT_DOUBLE_EQ(panel->rImgVOR1Needle->RotationAngle(), panel->rImgVOR1Lubber->RotationAngle() - 275);
    EXPECT_DOUBLE_EQ(panel->rImgVOR2Needle->RotationAngle(), panel->rImgVOR2Lubber->RotationAngle() - 90);
    const std::pair<SpeedButton *, bool> audio[] = {
        {panel->sbtnCom1, false}, {panel->sbtnCom2, true}, {panel->sbtnBoth, false}, {panel->sbtnNav1, true},
        {panel->sbtnNav2, false}, {panel->sbtnMkr, true},  {panel->sbtnDME, false},  {panel->sbtnADF, false},
    };
    for (auto [button, down] : audio)
        EXPECT_EQ(button->Down(), down) << button->objectName().toStdString();

    // Glideslope lost: its needle hides; localiser lost: the needles and
    // markers stay where they were and only the two lamps go dark.
    set(var::Nav1LocGsFlags, 128);
    panel->NavInfo();
    EXPECT_TRUE(panel->shpGS->isHidden());
    EXPECT_EQ(panel->shpGS1->BrushColor(), clSilver);
    set(var::Nav1LocGsFlags, 0);
    set(var::LocaliserDeviation, 0);
    set(var::InnerMarker, 0);
    panel->NavInfo();
    EXPECT_EQ(panel->shpLoc1->BrushColor(), clSilver);
    EXPECT_EQ(panel->lLoc1->Caption(), QStringLiteral("<LOC"));
    EXPECT_EQ(panel->shpMkrIn->BrushColor(), clYellow);

    // No TO/FROM: the VOR1 figures show 0, the line "V1:-".
    set(var::Nav1ToFrom, 0);
    panel->NavInfo();
    EXPECT_EQ(panel->lVor1->Caption(), QStringLiteral("V1:-"));
    for (PanelLabel *box : {panel->stV1Dist, panel->stV1Spd, panel->stV1Time, panel->stV1Brg})
        EXPECT_EQ(box->Caption(), QStringLiteral("0"));

    // The standby edits and knobs filled by the readout wrote nothing.
    EXPECT_EQ(takeWrites(), Writes{});
    EXPECT_EQ(status(), QStringLiteral("before"));
}

TEST_F(Radios, PowerOffDarkensTheStackAndKeepsItsFrequencies)
{
    ASSERT_TRUE(connect({"--aircraft", "c172"}));
    powerUp();
    set(var::Nav1ToFrom, 1);
    set(var::Nav2ToFrom, 1);
    set(var::Vor2DmeDistance, 55);
    panel->RadioInfo();
    panel->NavInfo();
    ASSERT_EQ(panel->stV2Dist->Caption(), QStringLiteral("6"));
    const QStringList shown = {panel->stCom1->Caption(), panel->eCom1s->Text(), panel->stNav1->Caption(),
                               panel->eNav2s->Text(), panel->eADFFreq->Text()};

    set(var::AvionicsMaster, 0);
    set(var::Com1Active, radioWord(135.00));
    set(var::Com1Standby, radioWord(135.00));
    set(var::Nav1Active, radioWord(111.00));
    set(var::Nav2Standby, radioWord(111.00));
    set(var::AdfFrequency, IntToBCD(222));
    panel->RadioInfo();
    for (PanelShape *lamp : stackLamps())
        EXPECT_EQ(lamp->BrushColor(), clSilver) << lamp->objectName().toStdString();
    EXPECT_EQ((QStringList{panel->stCom1->Caption(), panel->eCom1s->Text(), panel->stNav1->Caption(),
                           panel->eNav2s->Text(), panel->eADFFreq->Text()}),
              shown);
    EXPECT_EQ(panel->knbAvionics->Position(), 0);
    EXPECT_EQ(panel->knbTransOn->Position(), 0);
    // Every later NavInfo blanks both VOR displays.
    panel->NavInfo();
    for (PanelLabel *box : {panel->stV1Dist, panel->stV2Dist, panel->stV2Time, panel->stV2Brg})
        EXPECT_EQ(box->Caption(), QStringLiteral("0"));

    // Power back, NAV2 receiver off: its lamps dark and its active shows
    // zeros; NAV1 off: its standby stays as it was.
    set(var::AvionicsMaster, 1);
    set(var::Nav2Present, 0);
    set(var::Nav1Present, 0);
    panel->RadioInfo();
    EXPECT_EQ(panel->stNav2->Caption(), QStringLiteral("000.000"));
    for (PanelShape *lamp : {panel->shpNav1Pwr, panel->shpNav2pwr, panel->shpVOR1On, panel->shpVOR2On,
                             panel->shpLoc1, panel->shpGS1})
        EXPECT_EQ(lamp->BrushColor(), clSilver) << lamp->objectName().toStdString();
    EXPECT_EQ(panel->shpRad1->BrushColor(), clLime);
    EXPECT_EQ(panel->stNav1->Caption(), shown[2]);
    EXPECT_EQ(panel->eCom1s->Text(), QStringLiteral("135.000"));
    EXPECT_EQ(takeWrites(), Writes{});
}

TEST_F(Radios, StandbyEditsWriteTheirFrequencyOnlyWithWriteIntent)
{
    ASSERT_TRUE(connect({"--aircraft", "baron"}));
    struct Case {
        PanelEdit *edit;
        const char *text;
        bool intent;
        Writes writes;
        const char *status;
        const char *report;
    };
    const Case cases[] = {
        {panel->eCom1s, "118.025", true, {wrote(var::Com25kHz, 1), wrote(var::Com1Standby, radioWord(118.025))},
         "Standby Freq. Changed.", nullptr},
        {panel->eCom1s, "118.050", true, {wrote(var::Com25kHz, 0), wrote(var::Com1Standby, radioWord(118.05))},
         "Standby Freq. Changed.", nullptr},
        {panel->eCom2s, "121.975", true, {wrote(var::Com25kHz, 1), wrote(var::Com2Standby, radioWord(121.975))},
         "Standby Freq. Changed.", nullptr},
        {panel->eNav1s, "113.90", true, {wrote(var::Nav1Standby, radioWord(113.90))}, "Standby Freq. Changed.", nullptr},
        {panel->eNav2s, "110.50", true, {wrote(var::Nav2Standby, radioWord(110.50))}, "Standby Freq. Changed.", nullptr},
        {panel->eCom1s, "119.000", false, {}, "before", nullptr},
        // A malformed text writes nothing, not even the 25 kHz flag.
        {panel->eCom1s, "118.02", true, {}, "before", "'118.02' is not a valid integer value"},
        {panel->eNav2s, "11O.50", true, {}, "before", "'11O.50' is not a valid integer value"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        panel->doWrite = false;
        c.edit->SetText(QStringLiteral("000.000"));
        panel->setStatusPanel(3, QStringLiteral("before"));
        dialogs.messages.clear();
        panel->doWrite = c.intent;
        c.edit->SetText(QLatin1String(c.text));
        EXPECT_EQ(takeWrites(), c.writes);
        EXPECT_EQ(status(), QLatin1String(c.status));
        EXPECT_EQ(dialogs.messages, c.report ? QStringList{QLatin1String(c.report)} : QStringList{});
        if (!c.report) {
            EXPECT_FALSE(panel->doWrite);
        }
    }
    EXPECT_EQ(get(var::Nav2Standby), radioWord(110.50));
}

TEST_F(Radios, SwapsAudioButtonsAndTheComNavMode)
{
    ASSERT_TRUE(connect({"--aircraft", "baron"}));
    powerUp();
    set(var::Com1Active, radioWord(118.025));
    set(var::Com1Standby, radioWord(122.80));
    const std::pair<SpeedButton *, int> swaps[] = {
        {panel->sbtnComSwitch1, 8}, {panel->sbtnComSwitch2, 4}, {panel->sbtnNavSwitch1, 2}, {panel->sbtnNavSwitch2, 1}};
    panel->setStatusPanel(3, QStringLiteral("before"));
    for (auto [button, bit] : swaps) {
        emit button->OnClick(button);
        EXPECT_EQ(takeWrites(), (Writes{wrote(var::RadioSwap, bit)})) << button->objectName().toStdString();
    }
    EXPECT_EQ(status(), QStringLiteral("before"));
    panel->RadioInfo();
    EXPECT_EQ(panel->stCom1->Caption(), QStringLiteral("122.800"));
    EXPECT_EQ(panel->eCom1s->Text(), QStringLiteral("118.025"));

    // Audio: a COM button replaces the COM choice, the others toggle; the
    // selector then shows what the simulator holds, no COM included.
    struct Audio {
        std::uint8_t before;
        SpeedButton *button;
        std::uint8_t written;
    };
    const Audio audio[] = {
        {COM1 | NAV2, panel->sbtnCom2, COM2 | NAV2}, {COM1, panel->sbtnBoth, BOTH},
        {NAV1 | NAV2, panel->sbtnCom1, NAV1 | NAV2}, {COM1 | NAV1, panel->sbtnNav1, COM1},
        {COM2, panel->sbtnADF, COM2 | ADF},          {COM2, panel->sbtnDME, COM2 | DME},
        {BOTH, panel->sbtnMkr, BOTH | MKR},          {COM1 | NAV2, panel->sbtnNav2, COM1},
    };
    for (const Audio &a : audio) {
        SCOPED_TRACE(a.button->objectName().toStdString() + " on " + std::to_string(a.before));
        set(var::AudioSelector, a.before);
        emit a.button->OnClick(a.button);
        EXPECT_EQ(takeWrites(), (Writes{wrote(var::AudioSelector, a.written)}));
        EXPECT_EQ(status(), QStringLiteral("Audio changed."));
        panel->RadioInfo();
        const std::pair<SpeedButton *, std::uint8_t> buttons[] = {
            {panel->sbtnCom1, COM1}, {panel->sbtnCom2, COM2}, {panel->sbtnBoth, BOTH}, {panel->sbtnNav1, NAV1},
            {panel->sbtnNav2, NAV2}, {panel->sbtnMkr, MKR},   {panel->sbtnDME, DME},   {panel->sbtnADF, ADF}};
        for (auto [button, bit] : buttons)
            EXPECT_EQ(button->Down(), (a.written & bit) != 0) << button->objectName().toStdString();
    }

    // The mode button: down tunes NAV with the NAV ranges, up COM.
    struct Mode {
        SpeedButton *button;
        PanelEdit *com, *nav;
        TKnob *mhz, *khz;
    };
    const Mode modes[] = {{panel->sbtnComNav1, panel->eCom1s, panel->eNav1s, panel->knbMHz1, panel->knbKHz1},
                          {panel->sbtnComNav2, panel->eCom2s, panel->eNav2s, panel->knbMHz2, panel->knbKHz2}};
    for (const Mode &m : modes) {
        SCOPED_TRACE(m.button->objectName().toStdString());
        QTest::mouseClick(m.button, Qt::LeftButton);
        EXPECT_EQ(m.button->Caption(), QStringLiteral("N"));
        EXPECT_EQ(m.nav->FontColor(), clAqua);
        EXPECT_EQ(m.com->FontColor(), clYellow);
        EXPECT_EQ((std::array{m.mhz->Min(), m.mhz->Max(), int(m.mhz->PageSize())}), (std::array{108, 117, 1}));
        EXPECT_EQ((std::array{m.khz->Min(), m.khz->Max(), int(m.khz->PageSize())}), (std::array{0, 95, 5}));
        QTest::mouseClick(m.button, Qt::LeftButton);
        EXPECT_EQ(m.button->Caption(), QStringLiteral("C"));
        EXPECT_EQ(m.nav->FontColor(), clYellow);
        EXPECT_EQ(m.com->FontColor(), clAqua);
        EXPECT_EQ((std::array{m.mhz->Min(), m.mhz->Max(), int(m.mhz->PageSize())}), (std::array{118, 136, 1}));
        EXPECT_EQ((std::array{m.khz->Min(), m.khz->Max(), int(m.khz->PageSize())}), (std::array{0, 975, 25}));
    }
    // A click on a tuning knob cancels a pending wheel write.
    for (TKnob *knob : {panel->knbMHz1, panel->knbMHz2, panel->knbKHz1, panel->knbKHz2}) {
        panel->doWrite = true;
        emit knob->OnClick(knob);
        EXPECT_FALSE(panel->doWrite) << knob->objectName().toStdString();
    }
    EXPECT_EQ(takeWrites(), Writes{});
}

TEST_F(Radios, TransponderDigitsAndVfrCodes)
{
    ASSERT_TRUE(connect({"--aircraft", "baron"}));
    set(var::Transponder, IntToBCD(7700));
    panel->RadioInfo();
    EXPECT_EQ(takeWrites(), Writes{});

    // A digit turned with the intent set writes the code the labels show.
    struct Digit {
        TKnob *knob;
        int position;
        int code;
    };
    const Digit digits[] = {{panel->knbT4, 3, 7703}, {panel->knbT1, 1, 1703}, {panel->knbT2, 2, 1203}};
    for (const Digit &d : digits) {
        panel->setStatusPanel(3, QString());
        panel->doWrite = true;
        d.knob->SetPosition(d.position);
        EXPECT_EQ(takeWrites(), (Writes{wrote(var::Transponder, IntToBCD(d.code))})) << d.code;
        EXPECT_EQ(status(), QStringLiteral("Transponder Code Set."));
        EXPECT_FALSE(panel->doWrite);
    }
    EXPECT_EQ(panel->lTrans2->Caption(), QStringLiteral("2"));

    // A click cancels the intent and puts the knob back on its digit.
    panel->doWrite = true;
    emit panel->knbT3->OnClick(panel->knbT3);
    EXPECT_FALSE(panel->doWrite);
    EXPECT_EQ(panel->knbT3->Position(), 0);
    EXPECT_EQ(takeWrites(), Writes{});

    // VFR: the code chosen below the button; the intent is left alone.
    const std::pair<int, int> vfr[] = {{1, 7000}, {0, 1200}};
    for (auto [item, code] : vfr) {
        panel->rgTrans->SetItemIndex(item);
        panel->doWrite = item == 1;
        emit panel->sbtnTransVFR->OnClick(panel->sbtnTransVFR);
        EXPECT_EQ(takeWrites(), (Writes{wrote(var::Transponder, IntToBCD(code))})) << code;
        EXPECT_EQ(status(), QStringLiteral("VFR Set."));
        EXPECT_EQ(panel->doWrite, item == 1);
    }
}

TEST_F(Radios, AdfEditHalfStepClickAndSelectAll)
{
    ASSERT_TRUE(connect({"--aircraft", "baron"}));
    struct Case {
        const char *before;
        bool click; // the half-kHz click instead of a text entered with intent
        const char *after;
        int main, extension;
        const char *status;
    };
    const Case cases[] = {
        {"1005.3", false, "350.0", 350, 0, "ADF Set."},  {"350.0", false, "1799.5", 799, 105, "ADF Set."},
        {"1799.5", true, "1799.0", 799, 100, "ADF Set."}, {"350.0", true, "350.5", 350, 5, "ADF Set."},
        {"350.3", true, "350.5", 350, 5, "ADF Set."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.before) + " -> " + c.after);
        panel->doWrite = false;
        panel->eADFFreq->SetText(QLatin1String(c.before));
        panel->setStatusPanel(3, QString());
        if (c.click)
            emit panel->knbADF->OnClick(panel->knbADF);
        else
            enter(panel->eADFFreq, QLatin1String(c.after));
        EXPECT_EQ(panel->eADFFreq->Text(), QLatin1String(c.after));
        EXPECT_EQ(takeWrites(), (Writes{wrote(var::AdfFrequency, IntToBCD(c.main)),
                                        wrote(var::AdfExtension, IntToBCD(c.extension))}));
        EXPECT_EQ(status(), QLatin1String(c.status));
        EXPECT_FALSE(panel->doWrite);
    }
    EXPECT_EQ(panel->knbADF->Position(), 99); // the integer part of 3505, held in 0..99

    // A refused main word: the extension is not sent.
    ASSERT_EQ(sim.command(QStringLiteral("fault reject")), QStringLiteral("OK"));
    enter(panel->eADFFreq, QStringLiteral("400.0"));
    ASSERT_EQ(sim.command(QStringLiteral("fault none")), QStringLiteral("OK"));
    EXPECT_EQ(takeWrites(), Writes{});
    EXPECT_EQ(status(), QStringLiteral("Unable to Set ADF."));

    // Without two digits and a tenth it is no frequency: nothing is written.
    enter(panel->eADFFreq, QStringLiteral("350"));
    EXPECT_EQ(takeWrites(), Writes{});
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("'350' is not a valid integer value")});

    // A click in the ADF or an autopilot edit selects its whole text.
    for (PanelEdit *e : {panel->eADFFreq, panel->eAPHead, panel->eAPCrs, panel->eAPAlt, panel->eCrs2, panel->eVertSp}) {
        e->SetText(QStringLiteral("123"));
        e->deselect();
        emit e->OnClick(e);
        EXPECT_EQ(e->selectedText(), QStringLiteral("123")) << e->objectName().toStdString();
    }
}

TEST_F(Radios, TypedFrequenciesAreLeftAloneAndWrittenOnReturnOrLeaving)
{
    ASSERT_TRUE(connect({"--aircraft", "baron"}));
    powerUp();
    set(var::Com1Standby, radioWord(118.00));
    set(var::Nav1Standby, radioWord(108.00));
    set(var::AdfFrequency, IntToBCD(350));
    set(var::AdfExtension, 0);
    panel->RadioInfo();
    showPanel();
    // Edits are changed with digits, Backspace, Delete, Home and End only:
    // the point stays where the readout put it.
    auto type = [](PanelEdit *edit, std::initializer_list<Qt::Key> keys, const char *digits) {
        edit->setFocus();
        for (Qt::Key k : keys)
            QTest::keyClick(edit, k);
        QTest::keyClicks(edit, QLatin1String(digits));
    };

    // While typing, even with an intent pending, nothing is written and the
    // refresh leaves the edit alone.
    panel->doWrite = true;
    type(panel->eCom1s, {Qt::Key_End, Qt::Key_Backspace, Qt::Key_Backspace, Qt::Key_Backspace}, "025");
    EXPECT_EQ(takeWrites(), Writes{});
    set(var::Com1Standby, radioWord(122.80));
    set(var::Com2Standby, radioWord(122.80));
    panel->RadioInfo();
    EXPECT_EQ(panel->eCom1s->Text(), QStringLiteral("118.025"));
    EXPECT_EQ(panel->eCom2s->Text(), QStringLiteral("122.800"));

    // Return commits it through the change handler.
    QTest::keyClick(panel->eCom1s, Qt::Key_Return);
    EXPECT_EQ(takeWrites(), (Writes{wrote(var::Com25kHz, 1), wrote(var::Com1Standby, radioWord(118.025))}));
    EXPECT_EQ(status(), QStringLiteral("Standby Freq. Changed."));
    EXPECT_FALSE(panel->doWrite);
    set(var::Com1Standby, radioWord(121.50));
    panel->RadioInfo();
    EXPECT_EQ(panel->eCom1s->Text(), QStringLiteral("121.500"));

    // Leaving the edit after changing it commits too; leaving it unchanged
    // writes nothing.
    type(panel->eNav1s, {Qt::Key_End, Qt::Key_Backspace, Qt::Key_Backspace}, "90");
    panel->eCom2s->setFocus();
    EXPECT_EQ(takeWrites(), (Writes{wrote(var::Nav1Standby, radioWord(108.90))}));
    panel->eCom1s->setFocus();
    EXPECT_EQ(takeWrites(), Writes{});

    // The ADF edit alike.
    type(panel->eADFFreq, {Qt::Key_Home, Qt::Key_Delete, Qt::Key_Delete, Qt::Key_Delete}, "415");
    QTest::keyClick(panel->eADFFreq, Qt::Key_Return);
    EXPECT_EQ(takeWrites(), (Writes{wrote(var::AdfFrequency, IntToBCD(415)), wrote(var::AdfExtension, 0)}));
    EXPECT_EQ(status(), QStringLiteral("ADF Set."));

    // A malformed text gets the report and writes nothing; the next refresh
    // shows the simulator's frequency again.
    type(panel->eCom1s, {Qt::Key_End, Qt::Key_Backspace}, "");
    QTest::keyClick(panel->eCom1s, Qt::Key_Return);
    EXPECT_EQ(takeWrites(), Writes{});
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("'121.50' is not a valid integer value")});
    EXPECT_FALSE(panel->doWrite);
    panel->bbtnPause->setFocus();
    EXPECT_EQ(takeWrites(), Writes{});
    panel->RadioInfo();
    EXPECT_EQ(panel->eCom1s->Text(), QStringLiteral("121.500"));
}

TEST_F(Radios, WheelRowsComposeTextsTheStandbyAndAdfHandlersWrite)
{
    // What a wheel notch on a tuning knob does: the intent, the text the
    // rules compose from the edit's text and the knob's range, the edit's
    // own change handler writing it, then the knob's pointer.
    ASSERT_TRUE(connect({"--aircraft", "baron"}));
    powerUp();
    set(var::Com1Standby, radioWord(118.00));
    set(var::AdfFrequency, IntToBCD(350));
    set(var::AdfExtension, 0);
    panel->RadioInfo();
    using Notch = std::function<rules::WheelTuning(const QString &, int notch, int min, int max)>;
    const Notch comKHz = [](const QString &t, int n, int min, int max) {
        return rules::radioFractionNotch(t, rules::RadioBand::Com, n, min, max);
    };
    const Notch comMHz = [](const QString &t, int n, int min, int max) {
        return rules::radioMHzNotch(t, rules::RadioBand::Com, n, min, max);
    };
    struct Case {
        TKnob *knob;
        PanelEdit *edit;
        Notch notch;
        const char *after;
        Writes writes;
    };
    const Case cases[] = {
        {panel->knbKHz1, panel->eCom1s, comKHz, "118.025",
         {wrote(var::Com25kHz, 1), wrote(var::Com1Standby, radioWord(118.025))}},
        {panel->knbMHz1, panel->eCom1s, comMHz, "119.025",
         {wrote(var::Com25kHz, 1), wrote(var::Com1Standby, radioWord(119.025))}},
        {panel->knbADF, panel->eADFFreq, rules::adfUnitsNotch, "351.0",
         {wrote(var::AdfFrequency, IntToBCD(351)), wrote(var::AdfExtension, 0)}},
        {panel->knbADF2, panel->eADFFreq, rules::adfHundredsNotch, "451.0",
         {wrote(var::AdfFrequency, IntToBCD(451)), wrote(var::AdfExtension, 0)}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.after);
        panel->doWrite = true;
        const rules::WheelTuning t = c.notch(c.edit->Text(), 1, c.knob->Min(), c.knob->Max());
        c.edit->SetText(t.text);
        c.knob->SetPosition(t.position);
        EXPECT_EQ(c.edit->Text(), QLatin1String(c.after));
        EXPECT_EQ(takeWrites(), c.writes);
        EXPECT_FALSE(panel->doWrite);
    }
}

TEST_F(RadiosFailedReads, AnAudioClickAfterAFailedReadWritesNothing)
{
    // The click's own bit alone would switch every other source off.
    ASSERT_TRUE(connect());
    set(var::AudioSelector, COM1 | NAV1 | MKR);
    for (SpeedButton *button : {panel->sbtnDME, panel->sbtnCom2}) {
        window().failNextRead = true;
        emit button->OnClick(button);
        sim.command(QStringLiteral("fault none"));
        EXPECT_EQ(status(), QStringLiteral("Audio not changed.")) << button->objectName().toStdString();
        EXPECT_EQ(takeWrites(), Writes{}) << button->objectName().toStdString();
    }
    EXPECT_EQ(get(var::AudioSelector), COM1 | NAV1 | MKR);
}
