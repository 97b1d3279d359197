// The radio stack and the navigation receivers as the simulator reports them.
//
// Reads: 0x2E80 avionics master; 0x07A0, 0x07A4 NAV1/NAV2 power; 0x034C,
// 0x0356 ADF frequency; 0x0C6A ADF bearing; 0x303E ADF identifier; 0x0C1C ADF
// signal; 0x034E, 0x311A, 0x3118, 0x311C COM1/COM2 active and standby; 0x0350,
// 0x311E, 0x0352, 0x3120 NAV1/NAV2 active and standby; 0x0C52, 0x0C62 VOR
// signals; 0x0354 transponder; 0x3122 audio selector; 0x0C4B, 0x0C5B TO/FROM;
// 0x3000, 0x301F VOR identifiers; 0x0C56, 0x0C5C radials; 0x0300..0x030A DME
// distance, speed and time; 0x0C4D localiser/glideslope flags; 0x0C48, 0x0C49
// deviations; 0x0BAC, 0x0BAE, 0x0BB0 markers. Writes nothing.
//
// Controls shown: knbAvionics, knbTransOn, the lamps shpRad1, shpRad2,
// shpNav1Pwr, shpNav2pwr, shpVOR1On, shpVOR2On, shpADFSignal, shpLoc1, shpGS1
// (their colours are the power state NavInfo reads back), stCom1/2, eCom1s/2s,
// stNav1/2, eNav1s/2s, eADFFreq, stADFB, stADFR, rImgADFBrg, knbT1..knbT4,
// the audio buttons, lVor1, lVOR2, the VOR DME texts and needles, lLoc1, lGS1,
// shpLoc, shpGS, shpMkrIn, shpMkrMid, shpMkrOut.
#include "uACMainForm.h"

#include "adapters/paneledit.h"
#include "adapters/panellabel.h"
#include "adapters/panelshape.h"
#include "adapters/speedbutton.h"
#include "catalogue.h"
#include "image/trotatableimage.h"
#include "knob/tknob.h"
#include "readerrun.h"
#include "readout/rules/angles.h"
#include "readout/rules/radios.h"
#include "simlink/bcd.h"

#include <array>
#include <tuple>

namespace {

// A lamp is lit lime and dark silver; its colour is the state other readers
// and ticks go by.
bool isLit(const PanelShape *lamp)
{
    return lamp->BrushColor() == clLime;
}

void setLit(PanelShape *lamp, bool lit)
{
    lamp->SetBrushColor(lit ? clLime : clSilver);
}

void darken(std::initializer_list<PanelShape *> lamps)
{
    for (PanelShape *lamp : lamps)
        setLit(lamp, false);
}

QString text(const std::string &s)
{
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

// The radial text just written, as the needle turns by it.
double radialOf(const PanelLabel *radial)
{
    return tryStrToInt(radial->Caption()).value_or(0);
}

// COM1, COM2 and BOTH are one selector: one of them is down, or none when
// the simulator has no COM selected. The group keeps a down button down
// against a click, so the readout lets it go up for the moment it needs.
void showAudioSelector(TfrmACMain &w, std::uint8_t audio)
{
    const rules::ComAudio com = rules::comAudioShown(audio);
    const std::pair<SpeedButton *, rules::ComAudio> comButtons[] = {
        {w.sbtnCom1, rules::ComAudio::Com1}, {w.sbtnCom2, rules::ComAudio::Com2}, {w.sbtnBoth, rules::ComAudio::Both}};
    if (com == rules::ComAudio::None) {
        w.sbtnCom1->SetAllowAllUp(true);
        for (auto [button, choice] : comButtons)
            button->SetDown(false);
        w.sbtnCom1->SetAllowAllUp(false);
    }
    for (auto [button, choice] : comButtons)
        if (choice == com)
            button->SetDown(true);

    const std::pair<SpeedButton *, std::uint8_t> toggles[] = {
        {w.sbtnNav1, 0x10}, {w.sbtnNav2, 0x08}, {w.sbtnMkr, 0x04}, {w.sbtnDME, 0x02}, {w.sbtnADF, 0x01}};
    for (auto [button, bit] : toggles)
        button->SetDown((audio & bit) != 0);
}

// One VOR receiver: where its values live and where they are shown.
struct VorReceiver {
    const char *prefix;
    const catalogue::Variable &toFrom, &ident, &radial, &distance, &speed, &time;
    rules::SecondsRounding seconds;
    PanelLabel *line;
    std::array<PanelLabel *, 4> dme; // distance, speed, time, radial
    TRotatableImage *card, *needle;
};

void showNoDme(const VorReceiver &v)
{
    for (PanelLabel *box : v.dme)
        box->SetCaption(QStringLiteral("0"));
}

// The identifier line, the radial with its needle and the DME figures.
// False when the receiver has no TO/FROM (its figures then show 0).
bool showVor(TfrmACMain &w, const VorReceiver &v)
{
    const std::uint8_t toFrom = w.ReadByte(v.toFrom);
    const QString ident = (toFrom == 1 || toFrom == 2) ? text(w.ReadStr12(v.ident)) : QString();
    if (const auto line = rules::vorIdentLine(QLatin1String(v.prefix), toFrom, ident))
        v.line->SetCaption(*line);
    if (toFrom == 0) {
        showNoDme(v);
        return false;
    }
    const auto [distance, speed, time, radial] = v.dme;
    radial->SetCaption(QString::number(w.ReadWord(v.radial)));
    v.needle->SetRotationAngle(v.card->RotationAngle() - radialOf(radial));
    distance->SetCaption(QString::number(rules::dmeWhole(w.ReadWord(v.distance))));
    speed->SetCaption(QString::number(rules::dmeWhole(w.ReadWord(v.speed))));
    time->SetCaption(rules::dmeTimeText(w.ReadWord(v.time), v.seconds));
    return true;
}

// The localiser and glideslope of NAV1 and the marker lamps, while the
// localiser is received; otherwise only its two lamps go dark.
void showLocaliser(TfrmACMain &w)
{
    const std::uint8_t flags = w.ReadByte(var::Nav1LocGsFlags);
    if (!(flags & 0x80)) {
        darken({w.shpLoc1, w.shpGS1});
        return;
    }
    setLit(w.shpLoc1, true);
    const rules::Needle loc = rules::localiserNeedle(w.ReadShortInt(var::LocaliserDeviation));
    w.lLoc1->SetCaption(loc.text);
    w.shpLoc->move(loc.place, w.shpLoc->y());
    if (flags & 0x40) {
        setLit(w.shpGS1, true);
        const rules::Needle gs = rules::glideslopeNeedle(w.ReadShortInt(var::GlideslopeDeviation));
        w.shpGS->show();
        w.shpGS->move(w.shpGS->x(), gs.place);
        w.lGS1->SetCaption(gs.text);
    } else {
        setLit(w.shpGS1, false);
        w.shpGS->hide();
    }
    const std::tuple<const catalogue::Variable &, PanelShape *, TColor> markers[] = {
        {var::InnerMarker, w.shpMkrIn, clYellow},
        {var::MiddleMarker, w.shpMkrMid, clRed},
        {var::OuterMarker, w.shpMkrOut, clBlue},
    };
    for (const auto &[marker, lamp, colour] : markers)
        lamp->SetBrushColor(w.ReadSmlInt(marker) > 0 ? colour : clMedGray);
}

} // namespace

void TfrmACMain::RadioInfo()
{
    ReaderRun run(*this, QString());
    knbAvionics->SetPosition(conv::saturate32(ReadCard(var::AvionicsMaster)));
    knbTransOn->SetPosition(knbAvionics->Position());
    if (knbAvionics->Position() == 0) {
        // Avionics off: the whole stack goes dark; the frequencies stay.
        darken({shpRad1, shpNav2pwr, shpRad2, shpNav1Pwr, shpVOR1On, shpVOR2On, shpADFSignal, shpLoc1, shpGS1});
        return;
    }
    setLit(shpRad1, true);
    setLit(shpRad2, true);
    if (ReadCard(var::Nav1Present) == 0)
        darken({shpNav1Pwr, shpVOR1On, shpLoc1, shpGS1});
    else
        setLit(shpNav1Pwr, true);
    if (ReadCard(var::Nav2Present) == 0) {
        darken({shpNav2pwr, shpVOR2On});
        stNav2->SetCaption(QStringLiteral("000.000"));
    } else {
        setLit(shpNav2pwr, true);
    }
    setStatusPanel(4, QStringLiteral("Scanning.."));

    // ADF: frequency, bearing, station, and the needle while a signal is in.
    const std::uint16_t adfMain = ReadWord(var::AdfFrequency); // the main word first, then its extension
    showFrequency(eADFFreq, rules::adfFrequencyText(adfMain, ReadWord(var::AdfExtension)));
    const std::int64_t bearing = conv::N(ReadSmlInt(var::AdfBearing) * 360.0 / 65536.0);
    stADFB->SetCaption(QString::number(bearing));
    stADFR->SetCaption(text(ReadStr12(var::AdfIdent)));
    const bool adfSignal = ReadCard(var::AdfSignal) != 0;
    setLit(shpADFSignal, adfSignal);
    if (adfSignal)
        rImgADFBrg->SetRotationAngle(rImgADFLubber->RotationAngle() - double(bearing));

    stCom1->SetCaption(rules::comFrequencyText(ReadWord(var::Com1Active)));
    showFrequency(eCom1s, rules::comFrequencyText(ReadWord(var::Com1Standby)));
    stCom2->SetCaption(rules::comFrequencyText(ReadWord(var::Com2Active)));
    showFrequency(eCom2s, rules::comFrequencyText(ReadWord(var::Com2Standby)));

    if (isLit(shpNav1Pwr)) {
        stNav1->SetCaption(rules::navFrequencyText(ReadWord(var::Nav1Active)));
        showFrequency(eNav1s, rules::navFrequencyText(ReadWord(var::Nav1Standby)));
        if (ReadCard(var::Vor1Signal) > 0)
            setLit(shpVOR1On, true);
        else
            darken({shpVOR1On, shpLoc1, shpGS1});
    } else {
        darken({shpVOR1On, shpLoc1, shpGS1});
    }
    if (isLit(shpNav2pwr)) {
        stNav2->SetCaption(rules::navFrequencyText(ReadWord(var::Nav2Active)));
        showFrequency(eNav2s, rules::navFrequencyText(ReadWord(var::Nav2Standby)));
        setLit(shpVOR2On, ReadCard(var::Vor2Signal) > 0);
    } else {
        setLit(shpVOR2On, false);
    }

    const auto digits = rules::transponderDigits(ReadWord(var::Transponder));
    TKnob *const transponder[] = {knbT1, knbT2, knbT3, knbT4};
    for (int i = 0; i < 4; ++i)
        transponder[i]->SetPosition(digits[i]);

    showAudioSelector(*this, ReadByte(var::AudioSelector));
}

void TfrmACMain::NavInfo()
{
    ReaderRun run(*this, QStringLiteral("Scanning."));
    const VorReceiver vor1{"V1:", var::Nav1ToFrom, var::Vor1Ident, var::Vor1Radial,
                           var::Vor1DmeDistance, var::Vor1DmeSpeed, var::Vor1DmeTime,
                           rules::SecondsRounding::Truncate, lVor1, {stV1Dist, stV1Spd, stV1Time, stV1Brg},
                           rImgVOR1Lubber, rImgVOR1Needle};
    const VorReceiver vor2{"V2:", var::Nav2ToFrom, var::Vor2Ident, var::Vor2Radial,
                           var::Vor2DmeDistance, var::Vor2DmeSpeed, var::Vor2DmeTime,
                           rules::SecondsRounding::HalfEven, lVOR2, {stV2Dist, stV2Spd, stV2Time, stV2Brg},
                           rImgVOR2Lubber, rImgVOR2Needle};
    // Only VOR1 has the localiser, glideslope and markers, shown while it
    // has a station.
    if (!isLit(shpVOR1On))
        showNoDme(vor1);
    else if (showVor(*this, vor1))
        showLocaliser(*this);
    if (!isLit(shpVOR2On))
        showNoDme(vor2);
    else
        showVor(*this, vor2);
}
