// Radio tuning: standby frequencies, swaps, the COM/NAV mode of the tuning
// knobs, the audio selector, the transponder and the ADF.
//
// Writes: 0x311A, 0x311C COM1/COM2 standby and 0x0358 the COM 25 kHz flag;
// 0x311E, 0x3120 NAV1/NAV2 standby; 0x3123 swap; 0x3122 audio selector (read
// first); 0x0354 transponder; 0x034C, 0x0356 ADF frequency and extension.
//
// Controls: eCom1s, eCom2s, eNav1s, eNav2s, sbtnComNav1/2, knbMHz1/2,
// knbKHz1/2, the four swap buttons, the eight audio buttons, knbT1..knbT4
// with lTrans1..lTrans4, sbtnTransVFR, rgTrans, eADFFreq, knbADF, knbADF2;
// and the select-all click of eAPHead, eAPCrs, eAPAlt, eCrs2, eVertSp.
#include "uACMainForm.h"

#include "adapters/paneledit.h"
#include "adapters/panellabel.h"
#include "adapters/radiogroup.h"
#include "adapters/speedbutton.h"
#include "catalogue.h"
#include "controls/rules/radiotuning.h"
#include "knob/tknob.h"

#include <array>
#include <utility>

namespace {

// The standby edit the tuning knobs work on is aqua, the other yellow.
constexpr TColor clAqua = RGBColor(0, 255, 255);

// The edit of a standby or ADF frequency: the readout's text, or one the
// user is typing in. QLineEdit's modified flag is exactly that state: the
// user's typing sets it, a text set by the panel (readout, wheel, click)
// clears it.
bool beingTyped(const PanelEdit *edit)
{
    return edit->isModified();
}

} // namespace

void TfrmACMain::connectRadioTuning()
{
    for (PanelEdit *e : {eCom1s, eNav1s, eCom2s, eNav2s})
        on(e, &PanelEdit::OnChange, &TfrmACMain::eCom1sChange);
    on(eADFFreq, &PanelEdit::OnChange, &TfrmACMain::eADFFreqChange);
    for (PanelEdit *e : {eCom1s, eNav1s, eCom2s, eNav2s, eADFFreq}) {
        on(e, &QLineEdit::returnPressed, [e](TfrmACMain *w) { w->commitTypedFrequency(e); });
        on(e, &PanelEdit::OnExit, &TfrmACMain::commitTypedFrequency);
    }
    for (SpeedButton *b : {sbtnComNav1, sbtnComNav2})
        on(b, &SpeedButton::OnClick, &TfrmACMain::sbtnComNav1Click);
    for (SpeedButton *b : {sbtnComSwitch1, sbtnComSwitch2, sbtnNavSwitch1, sbtnNavSwitch2})
        on(b, &SpeedButton::OnClick, &TfrmACMain::sbtnComSwitch1Click);
    for (TKnob *k : {knbMHz1, knbMHz2})
        on(k, &TKnob::OnClick, &TfrmACMain::knbMHz2Click);
    for (TKnob *k : {knbKHz1, knbKHz2})
        on(k, &TKnob::OnClick, &TfrmACMain::knbKHz2Click);
    for (SpeedButton *b : {sbtnCom1, sbtnCom2, sbtnBoth, sbtnNav1, sbtnNav2, sbtnMkr, sbtnDME, sbtnADF})
        on(b, &SpeedButton::OnClick, &TfrmACMain::sbtnCom1Click);
    for (TKnob *k : {knbT1, knbT2, knbT3, knbT4}) {
        on(k, &TKnob::OnChange, &TfrmACMain::knbT1Change);
        on(k, &TKnob::OnClick, &TfrmACMain::knbT1Click);
    }
    on(sbtnTransVFR, &SpeedButton::OnClick, &TfrmACMain::sbtnTransVFRClick);
    for (TKnob *k : {knbADF, knbADF2})
        on(k, &TKnob::OnClick, &TfrmACMain::knbADFClick);
    for (PanelEdit *e : {eAPHead, eAPCrs, eAPAlt, eCrs2, eVertSp, eADFFreq})
        on(e, &PanelEdit::OnClick, &TfrmACMain::eADFFreqClick);
}

void TfrmACMain::showFrequency(PanelEdit *edit, const QString &text)
{
    if (!beingTyped(edit))
        edit->SetText(text);
}

void TfrmACMain::commitTypedFrequency(QObject *Sender)
{
    auto *edit = qobject_cast<PanelEdit *>(Sender);
    if (!edit || !beingTyped(edit))
        return;
    // Typed text is the user's: written through the edit's own change
    // handler. The state ends first, so that a report of a malformed text
    // (which takes the focus away) does not commit it a second time.
    edit->setModified(false);
    doWrite = true;
    try {
        if (edit == eADFFreq)
            eADFFreqChange(edit);
        else
            eCom1sChange(edit);
    } catch (...) {
        doWrite = false; // nothing was written; the intent ends with the report
        throw;
    }
}

void TfrmACMain::eCom1sChange(QObject *Sender)
{
    auto *edit = qobject_cast<PanelEdit *>(Sender);
    // A keystroke: the text is written when the typing is committed.
    if (!edit || beingTyped(edit))
        return;
    const catalogue::Variable &standby = Sender == eCom2s   ? var::Com2Standby
                                         : Sender == eNav1s ? var::Nav1Standby
                                         : Sender == eNav2s ? var::Nav2Standby
                                                            : var::Com1Standby;
    if (!doWrite)
        return;
    const bool nav = Sender == eNav1s || Sender == eNav2s;
    // The whole text is checked before anything is written.
    const rules::StandbyWrite w = rules::standbyWrite(edit->Text(), nav ? rules::RadioBand::Nav : rules::RadioBand::Com);
    if (w.hasFlag)
        WriteWord(var::Com25kHz, w.flag);
    const bool ok = WriteWord(standby, w.word);
    setStatusPanel(3, ok ? QStringLiteral("Standby Freq. Changed.") : QStringLiteral("Standby Freq. Not Change Failed."));
    doWrite = false;
}

void TfrmACMain::sbtnComNav1Click(QObject *Sender)
{
    struct Radio {
        SpeedButton *mode;
        PanelEdit *com, *nav;
        TKnob *mhz, *khz;
    };
    const Radio r = Sender == sbtnComNav2 ? Radio{sbtnComNav2, eCom2s, eNav2s, knbMHz2, knbKHz2}
                                          : Radio{sbtnComNav1, eCom1s, eNav1s, knbMHz1, knbKHz1};
    // Down: the knobs tune NAV; up: COM. The aqua edit is the one tuned.
    const bool nav = r.mode->Down();
    r.mode->SetCaption(nav ? QStringLiteral("N") : QStringLiteral("C"));
    r.nav->SetFontColor(nav ? clAqua : clYellow);
    r.com->SetFontColor(nav ? clYellow : clAqua);
    r.mhz->SetMax(nav ? 117 : 136);
    r.mhz->SetMin(nav ? 108 : 118);
    r.khz->SetMax(nav ? 95 : 975);
    r.khz->SetMin(0);
    r.mhz->SetPageSize(1);
    r.khz->SetPageSize(nav ? 5 : 25);
}

void TfrmACMain::sbtnComSwitch1Click(QObject *Sender)
{
    const std::uint8_t swap = Sender == sbtnComSwitch1   ? 8
                              : Sender == sbtnComSwitch2 ? 4
                              : Sender == sbtnNavSwitch1 ? 2
                                                         : 1;
    WriteByte(var::RadioSwap, swap);
}

void TfrmACMain::knbMHz2Click(QObject *)
{
    doWrite = false;
}

void TfrmACMain::knbKHz2Click(QObject *)
{
    doWrite = false;
}

void TfrmACMain::sbtnCom1Click(QObject *Sender)
{
    const std::uint8_t old = ReadByte(var::AudioSelector);
    // Without the simulator's byte a click would write its own bit alone and
    // switch every other source off: nothing is written.
    if (!LastReadOk()) {
        setStatusPanel(3, QStringLiteral("Audio not changed."));
        return;
    }
    const std::pair<SpeedButton *, std::uint8_t> bits[] = {
        {sbtnDME, 2}, {sbtnMkr, 4}, {sbtnNav2, 8}, {sbtnNav1, 16}, {sbtnBoth, 32}, {sbtnCom2, 64}, {sbtnCom1, 128}};
    std::uint8_t bit = 1; // sbtnADF
    for (auto [button, b] : bits)
        if (Sender == button) {
            bit = b;
            break;
        }
    const bool ok = WriteByte(var::AudioSelector, rules::audioAfterClick(old, bit));
    setStatusPanel(3, ok ? QStringLiteral("Audio changed.") : QStringLiteral("Audio not changed."));
}

namespace {

// Each transponder digit knob with the label that shows its digit.
std::array<std::pair<TKnob *, PanelLabel *>, 4> transponderDigits(const TfrmACMain &w)
{
    return {{{w.knbT1, w.lTrans1}, {w.knbT2, w.lTrans2}, {w.knbT3, w.lTrans3}, {w.knbT4, w.lTrans4}}};
}

} // namespace

void TfrmACMain::knbT1Change(QObject *Sender)
{
    for (auto [knob, label] : transponderDigits(*this))
        if (Sender == knob)
            label->SetCaption(QString::number(knob->Position()));
    if (!doWrite)
        return;
    const std::uint16_t code = rules::transponderWord(lTrans1->Caption() + lTrans2->Caption() + lTrans3->Caption() +
                                                      lTrans4->Caption());
    const bool ok = WriteWord(var::Transponder, code);
    setStatusPanel(3, ok ? QStringLiteral("Transponder Code Set.") : QStringLiteral("Unable to Set Transponder Code."));
    doWrite = false;
}

void TfrmACMain::knbT1Click(QObject *Sender)
{
    doWrite = false;
    // Back onto the digit shown: undoes the pointer's move to the click.
    for (auto [knob, label] : transponderDigits(*this))
        if (Sender == knob)
            knob->SetPosition(StrToInt(label->Caption()));
}

void TfrmACMain::sbtnTransVFRClick(QObject *)
{
    const bool ok = WriteWord(var::Transponder, rules::vfrWord(rgTrans->ItemIndex()));
    setStatusPanel(3, ok ? QStringLiteral("VFR Set.") : QStringLiteral("Unable to Set VFR."));
}

void TfrmACMain::eADFFreqChange(QObject *)
{
    if (beingTyped(eADFFreq) || !doWrite)
        return;
    const rules::AdfWrite w = rules::adfWrite(eADFFreq->Text());
    if (WriteWord(var::AdfFrequency, w.main)) {
        WriteWord(var::AdfExtension, w.extension);
        setStatusPanel(3, QStringLiteral("ADF Set."));
    } else {
        setStatusPanel(3, QStringLiteral("Unable to Set ADF."));
    }
    doWrite = false;
}

void TfrmACMain::knbADFClick(QObject *)
{
    doWrite = true;
    const float kHz = rules::adfHalfStep(float(StrToFloat(eADFFreq->Text())));
    eADFFreq->SetText(rules::adfText(kHz)); // its change handler writes it
    knbADF->SetPosition(conv::T32(double(kHz) * 10.0));
}

void TfrmACMain::eADFFreqClick(QObject *Sender)
{
    if (auto *edit = qobject_cast<PanelEdit *>(Sender))
        edit->selectAll();
}
