// Autopilot settings: the heading bug, the two courses, the vertical speed
// and the altitude target. Each target's edit is its write path: a new value
// is put into the edit as text and the edit's change handler writes it, but
// only for a user's action (doWrite set), or at every keystroke while the
// user types into the focused heading or altitude edit. Also the knob-click
// cancel every knob of the panel with a pending value uses.
//
// Offsets written: 0x07CC heading bug (degrees x 65536 / 360), 0x0C4E NAV1
// course, 0x0C5E NAV2 course, 0x07F2 vertical speed, 0x07D4 altitude target
// (metres x 65536).
// Controls: eAPHead, eAPCrs, eCrs2, eVertSp, eAPAlt with knbHeadBug,
// knbNavCrs, knbNavCrs2, knbVertSpd, knbAltSet; tbElevUpDn; the quick-set
// labels round the heading and course knobs and the altitude labels;
// TimerExitEdit; the heading and course markers rImgHdgMk and rImgCrs.
#include "uACMainForm.h"

#include "adapters/paneledit.h"
#include "adapters/panellabel.h"
#include "adapters/paneltimer.h"
#include "adapters/trackbar.h"
#include "catalogue.h"
#include "controls/rules/autopilotinput.h"
#include "image/trotatableimage.h"
#include "knob/tknob.h"
#include "readout/rules/angles.h"
#include "readout/rules/controlreadout.h"

#include <QScopeGuard>

void TfrmACMain::connectAutopilot()
{
    // The heading and altitude edits change their change handler with the focus.
    on(eAPHead, &PanelEdit::OnChange, [](TfrmACMain *w, QObject *s) { std::invoke(w->eAPHeadOnChange, w, s); });
    on(eAPAlt, &PanelEdit::OnChange, [](TfrmACMain *w, QObject *s) { std::invoke(w->eAPAltOnChange, w, s); });
    on(eAPHead, &PanelEdit::OnEnter, &TfrmACMain::eAPHeadEnter);
    on(eAPHead, &PanelEdit::OnExit, &TfrmACMain::eAPHeadExit);
    on(eAPAlt, &PanelEdit::OnEnter, &TfrmACMain::eAPAltEnter);
    on(eAPAlt, &PanelEdit::OnExit, &TfrmACMain::eAPAltExit);
    on(eAPCrs, &PanelEdit::OnChange, &TfrmACMain::eAPCrsChange);
    on(eCrs2, &PanelEdit::OnChange, &TfrmACMain::eCrs2Change);
    on(eVertSp, &PanelEdit::OnChange, &TfrmACMain::eVertSpChange);
    for (PanelEdit *e : {eAPCrs, eCrs2, eVertSp, eADFFreq}) {
        on(e, &PanelEdit::OnEnter, &TfrmACMain::eCrs2Enter);
        on(e, &PanelEdit::OnExit, &TfrmACMain::eCrs2Exit);
    }
    on(TimerExitEdit, &PanelTimer::OnTimer, &TfrmACMain::TimerExitEditTimer);
    on(knbHeadBug, &TKnob::OnMouseDown, &TfrmACMain::knbHeadBugMouseDown);
    on(knbAltSet, &TKnob::OnMouseDown, &TfrmACMain::knbAltSetMouseDown);
    for (PanelLabel *l : {lNorth, lNE, lEast, lSE, lSouth, lSW, lWest, lNW, lNCrs, lECrs, lSCrs, lWCrs})
        on(l, &PanelLabel::OnClick, &TfrmACMain::lNorthClick);
    for (PanelLabel *l : {lAltZero, lAlt5K, lAlt10K, lAlt20K})
        on(l, &PanelLabel::OnClick, &TfrmACMain::lAltZeroClick);
    on(tbElevUpDn, &TrackBar::OnChange, &TfrmACMain::tbElevUpDnChange);
    for (TKnob *k : {knbKollsman, knbCowlFlaps, knbFlaps, knbTrim, knbATrim, knbRTrim, knbHeadBug, knbNavCrs,
                     knbAltSet, knbNavCrs2, knbVertSpd})
        on(k, &TKnob::OnClick, &TfrmACMain::knbTrimClick);
}

// --- Heading bug -------------------------------------------------------------

// Writes the heading typed or put into eAPHead and turns the knob to it.
void TfrmACMain::writeHeadingBug()
{
    const QString text = eAPHead->Text();
    const std::int64_t h = StrToInt(text);
    knbHeadBug->SetPosition(int(rules::knobDegrees(h)));
    setStatusPanel(3, WriteWord(var::ApHeadingTarget, rules::headingBugWord(h))
                          ? QStringLiteral("AP Heading Bug Setting Changed.")
                          : QStringLiteral("AP Heading Bug Setting Failed."));
    doWrite = false;
}

// The bug marker on the heading gyro sits at the bug's angle from the
// present heading. A text that is not a number leaves it where it is.
void TfrmACMain::turnHeadingBugMarker()
{
    const auto heading = tryStrToInt(eHdg->Text());
    const auto bug = tryStrToInt(eAPHead->Text());
    if (heading && bug)
        rImgHdgMk->SetRotationAngle(double(std::int64_t(*heading) - *bug));
}

void TfrmACMain::eAPHeadChange(QObject *)
{
    TimerUpdateTime->SetEnabled(false);
    const auto restart = qScopeGuard([this] { resumeRefresh(); });
    if (doWrite)
        writeHeadingBug();
    turnHeadingBugMarker();
    waitMs(100);
}

void TfrmACMain::eAPHeadChange2(QObject *)
{
    // Typing: every keystroke that forms a number is written at once, and
    // two seconds after the first one the focus moves on by itself.
    writeHeadingBug();
    turnHeadingBugMarker();
    // The write lets messages run: the exit timer may have moved the focus
    // on meanwhile, and then typing is over and the timer stays stopped.
    if (eAPHeadOnChange == &TfrmACMain::eAPHeadChange2)
        TimerExitEdit->SetEnabled(true);
}

void TfrmACMain::eAPHeadEnter(QObject *)
{
    doWrite = false;
    eAPHeadOnChange = &TfrmACMain::eAPHeadChange2;
}

void TfrmACMain::eAPHeadExit(QObject *)
{
    doWrite = false;
    eAPHeadOnChange = &TfrmACMain::eAPHeadChange;
    TimerExitEdit->SetEnabled(false);
}

void TfrmACMain::TimerExitEditTimer(QObject *)
{
    tbThrottle1->setFocus(Qt::OtherFocusReason);
    // A throttle that cannot take the focus must not keep the user in the
    // typing handler for good: the edit lets go of the focus all the same.
    if (eAPHead->hasFocus())
        eAPHead->clearFocus();
}

// --- Courses and vertical speed ------------------------------------------------

void TfrmACMain::eAPCrsChange(QObject *)
{
    if (doWrite) {
        const QString text = eAPCrs->Text();
        const std::int64_t c = StrToInt(text);
        knbNavCrs->SetPosition(int(rules::knobDegrees(c)));
        setStatusPanel(3, WriteSmlInt(var::Nav1Course, toInt16(c, text)) ? QStringLiteral("Nav Course Changed.")
                                                                          : QStringLiteral("Nav Course Failed."));
        doWrite = false;
    }
    const auto heading = tryStrToInt(eHdg->Text());
    const auto course = tryStrToInt(eAPCrs->Text());
    if (heading && course)
        rImgCrs->SetRotationAngle(double(std::int64_t(*heading) - *course));
}

void TfrmACMain::eCrs2Change(QObject *)
{
    if (!doWrite)
        return;
    const QString text = eCrs2->Text();
    const std::int64_t c = StrToInt(text);
    knbNavCrs2->SetPosition(int(rules::knobDegrees(c)));
    setStatusPanel(3, WriteSmlInt(var::Nav2Course, toInt16(c, text)) ? QStringLiteral("Nav Course 2 Changed.")
                                                                      : QStringLiteral("Nav Course 2 Failed."));
    doWrite = false;
}

void TfrmACMain::eVertSpChange(QObject *)
{
    if (!doWrite)
        return;
    // The knob clamps to -40..40, so the speed written is a multiple of 100
    // within -4000..4000.
    knbVertSpd->SetPosition(rules::hundreds(StrToInt(eVertSp->Text())));
    setStatusPanel(3, WriteSmlInt(var::ApVerticalSpeedTarget, std::int16_t(knbVertSpd->Position() * 100))
                          ? QStringLiteral("Vertical Speed Setting Changed.")
                          : QStringLiteral("Vertical Speed Setting Failed."));
    doWrite = false;
}

void TfrmACMain::eCrs2Enter(QObject *)
{
    doWrite = false;
}

void TfrmACMain::eCrs2Exit(QObject *)
{
    doWrite = false;
}

// --- Altitude target -------------------------------------------------------------

void TfrmACMain::writeAltitudeTarget()
{
    const QString text = eAPAlt->Text();
    const std::int32_t raw = toInt32(rules::apAltitudeRaw(StrToInt(text)), text);
    setStatusPanel(3, WriteInt(var::ApAltitudeTarget, raw) ? QStringLiteral("AP Altitude Setting Changed.")
                                                          : QStringLiteral("AP Altitude Setting Failed."));
    doWrite = false;
}

void TfrmACMain::eAPAltChange(QObject *)
{
    if (!doWrite) {
        // The refresh's own text: the knob follows it, quietly.
        if (const auto feet = tryStrToInt(eAPAlt->Text()))
            knbAltSet->SetPosition(rules::hundreds(*feet));
        return;
    }
    knbAltSet->SetPosition(rules::hundreds(StrToInt(eAPAlt->Text())));
    writeAltitudeTarget();
}

void TfrmACMain::eAPAltChange2(QObject *)
{
    knbAltSet->SetPosition(rules::hundreds(StrToInt(eAPAlt->Text())));
    writeAltitudeTarget();
}

void TfrmACMain::eAPAltEnter(QObject *)
{
    doWrite = false;
    eAPAltOnChange = &TfrmACMain::eAPAltChange2;
}

void TfrmACMain::eAPAltExit(QObject *)
{
    doWrite = false;
    eAPAltOnChange = &TfrmACMain::eAPAltChange;
    TimerExitEdit->SetEnabled(false);
}

// --- Middle-button shortcuts and quick-set labels ----------------------------

void TfrmACMain::knbHeadBugMouseDown(QObject *, Qt::MouseButton Button, Qt::KeyboardModifiers, int, int)
{
    if (Button != Qt::MiddleButton)
        return;
    doWrite = true;
    knbHeadBug->SetPosition(int(rules::knobDegrees(StrToInt(lHdg->Caption()))));
    eAPHead->SetText(lHdg->Caption());
}

void TfrmACMain::knbAltSetMouseDown(QObject *, Qt::MouseButton Button, Qt::KeyboardModifiers, int, int)
{
    if (Button != Qt::MiddleButton)
        return;
    doWrite = true;
    eAPAlt->SetText(stAlt->Caption());
    knbAltSet->SetPosition(rules::hundreds(StrToInt(eAPAlt->Text())));
}

void TfrmACMain::lNorthClick(QObject *Sender)
{
    doWrite = true;
    QString value = QStringLiteral("0");
    if (Sender == lSouth || Sender == lSCrs)
        value = QStringLiteral("180");
    else if (Sender == lWest || Sender == lWCrs)
        value = QStringLiteral("270");
    else if (Sender == lEast || Sender == lECrs)
        value = QStringLiteral("90");
    else if (Sender == lNW)
        value = QStringLiteral("315");
    else if (Sender == lNE)
        value = QStringLiteral("45");
    else if (Sender == lSE)
        value = QStringLiteral("135");
    else if (Sender == lSW)
        value = QStringLiteral("225");
    const int position = int(rules::knobDegrees(StrToInt(value)));
    // The course labels are the ones whose names hold "rs" (lNCrs, ...).
    if (Sender && Sender->objectName().contains(QStringLiteral("rs"))) {
        knbNavCrs->SetPosition(position);
        eAPCrs->SetText(value);
    } else {
        knbHeadBug->SetPosition(position);
        eAPHead->SetText(value);
    }
}

void TfrmACMain::lAltZeroClick(QObject *Sender)
{
    doWrite = true;
    QString value = QStringLiteral("5000");
    if (Sender == lAltZero)
        value = QStringLiteral("0");
    else if (Sender == lAlt10K)
        value = QStringLiteral("10000");
    else if (Sender == lAlt20K)
        value = QStringLiteral("20000");
    eAPAlt->SetText(value);
}

void TfrmACMain::tbElevUpDnChange(QObject *)
{
    // The lever springs back to 0 after each step; doWrite is left as it is,
    // so a step is written only when a wheel turn asked for it.
    if (tbElevUpDn->Position() == 0)
        return;
    const std::int64_t feet = rules::steppedAltitude(StrToInt(eAPAlt->Text()), tbElevUpDn->Position());
    eAPAlt->SetText(QString::number(feet));
    tbElevUpDn->SetPosition(0);
}

// --- Knob click = cancel ----------------------------------------------------------

void TfrmACMain::knbTrimClick(QObject *Sender)
{
    // The widget has already moved the pointer to the click; put it back on
    // the value its companion shows. With doWrite clear nothing is written.
    doWrite = false;
    auto course = [](PanelEdit *edit) { return int(rules::knobDegrees(StrToInt(edit->Text()))); };
    if (Sender == knbATrim)
        knbATrim->SetPosition(StrToInt(lAtrim->Caption()));
    else if (Sender == knbRTrim)
        knbRTrim->SetPosition(StrToInt(lRTrim->Caption()));
    else if (Sender == knbKollsman)
        knbKollsman->SetPosition(StrToInt(lkollsmanval->Caption()));
    else if (Sender == knbCowlFlaps)
        knbCowlFlaps->SetPosition(StrToInt(lCFVal->Caption()));
    else if (Sender == knbFlaps)
        knbFlaps->SetPosition(StrToInt(lFlaps->Caption()));
    else if (Sender == knbVertSpd)
        knbVertSpd->SetPosition(rules::hundreds(StrToInt(eVertSp->Text())));
    else if (Sender == knbAltSet)
        knbAltSet->SetPosition(rules::hundreds(StrToInt(eAPAlt->Text())));
    else if (Sender == knbNavCrs2)
        knbNavCrs2->SetPosition(course(eCrs2));
    else if (Sender == knbNavCrs)
        knbNavCrs->SetPosition(course(eAPCrs));
    else if (Sender == knbHeadBug)
        knbHeadBug->SetPosition(course(eAPHead));
    else
        knbTrim->SetPosition(conv::N32(StrToFloat(lTrim->Caption()) * 100.0));
}
