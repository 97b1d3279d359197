// Mouse-wheel adjustment. The window sees the wheel before any control: one
// notch over a lever or knob of the table below computes the control's new
// value from the number the panel shows for it, sets the write intent and
// puts the value into the control and the text that shows it; the
// control's own change handler then writes and reports. The wheel reads and
// writes no simulator variable itself.
//
// Controls adjusted, in the order they are looked for under the pointer:
// tbThrottle1..4, tbMix1..4, tbProp1..4, knbTrim, knbKollsman, knbHeadBug,
// knbAltSet, knbVertSpd, knbMHz1, knbMHz2, knbKHz1, knbKHz2, knbNavCrs,
// knbNavCrs2, knbADF, knbADF2, knbT1..4, knbFlaps, knbCowlFlaps, knbATrim,
// knbRTrim, knbMag..knbMag4, knbMasterFuel, knbFuelSel2..4; with the labels
// and edits that show their values.
#include "uACMainForm.h"

#include "adapters/paneledit.h"
#include "adapters/panellabel.h"
#include "adapters/paneltimer.h"
#include "adapters/radiogroup.h"
#include "adapters/speedbutton.h"
#include "adapters/trackbar.h"
#include "controls/rules/radiowheel.h"
#include "controls/rules/wheel.h"
#include "knob/tknob.h"
#include "readout/rules/angles.h"

#include <QAbstractSlider>
#include <QScopeGuard>
#include <QWheelEvent>

#include <cstdlib>
#include <functional>
#include <optional>
#include <vector>

namespace {

// One row of the table: the control the pointer may be over, and what one
// notch (+1 towards the user, -1 away) does to it. A row may decline the
// notch (the propeller levers of a fixed-pitch propeller); it returns
// whether it acted.
struct WheelRow {
    QWidget *control;
    std::function<bool(int notch)> act;
};

QString number(std::int64_t v)
{
    return QString::number(v);
}

// The tanks an aircraft has are those whose panels the fuel page shows.
rules::TankPresence tanksShown(const TfrmACMain &w)
{
    auto shown = [&w](const QWidget *tank) { return tank->isVisibleTo(&w); };
    rules::TankPresence tanks;
    tanks.leftMain = shown(w.pnlFLM);
    tanks.rightMain = shown(w.pnlFRM);
    tanks.leftAux = shown(w.pnlFLA);
    tanks.rightAux = shown(w.pnlFRA);
    tanks.centre = shown(w.pnlFC1);
    tanks.centre2 = shown(w.pnlFC2);
    tanks.centre3 = shown(w.pnlFC3);
    tanks.external1 = shown(w.pnlFE1);
    tanks.external2 = shown(w.pnlFE2);
    tanks.rightTip = shown(w.pnlFRT);
    tanks.leftTip = shown(w.pnlFLT);
    return tanks;
}

std::vector<WheelRow> wheelRows(TfrmACMain &w)
{
    std::vector<WheelRow> rows;
    rows.reserve(41);

    // Levers show their percent in a label; the bar's position is minus it.
    auto lever = [&](TrackBar *bar, PanelLabel *label, int lowest, std::function<bool()> usable = {}) {
        rows.push_back({bar, [&w, bar, label, lowest, usable](int notch) {
                            if (usable && !usable())
                                return false;
                            const int percent = rules::leverNotch(StrToInt(label->Caption()), notch, lowest, 100);
                            w.doWrite = true;
                            label->SetCaption(number(percent));
                            bar->SetPosition(-percent);
                            return true;
                        }});
    };
    // The propeller levers move only for a propeller whose pitch varies.
    auto variablePitch = [&w] { return w.rgPropType->ItemIndex() == 1 || w.rgPropType->ItemIndex() == 2; };
    for (auto [bar, label] : {std::pair{w.tbThrottle1, w.lT1}, {w.tbThrottle2, w.lT2}, {w.tbThrottle3, w.lT3},
                              {w.tbThrottle4, w.lT4}})
        lever(bar, label, 0);
    for (auto [bar, label] : {std::pair{w.tbMix1, w.lM1}, {w.tbMix2, w.lM2}, {w.tbMix3, w.lM3}, {w.tbMix4, w.lM4}})
        lever(bar, label, 0);
    for (auto [bar, label] : {std::pair{w.tbProp1, w.lP1}, {w.tbProp2, w.lP2}, {w.tbProp3, w.lP3}, {w.tbProp4, w.lP4}})
        lever(bar, label, -20, variablePitch);

    rows.push_back({w.knbTrim, [&w](int notch) {
                        const std::int32_t trim = rules::elevatorTrimNotch(StrToFloat(w.lTrim->Caption()), notch);
                        w.doWrite = true;
                        w.lTrim->SetCaption(QString::asprintf("%2.2f", trim / 100.0));
                        w.knbTrim->SetPosition(trim);
                        return true;
                    }});
    rows.push_back({w.knbKollsman, [&w](int notch) {
                        const std::int32_t setting =
                            rules::stepWithin(StrToInt(w.lkollsmanval->Caption()), notch, INT32_MIN, INT32_MAX);
                        w.doWrite = true;
                        w.lkollsmanval->SetCaption(number(setting));
                        w.knbKollsman->SetPosition(setting);
                        return true;
                    }});

    // Heading bug and courses: the knob shows a bearing past 180 as negative;
    // the edit's change handler writes.
    auto bearing = [&](TKnob *knob, PanelEdit *edit) {
        return WheelRow{knob, [&w, knob, edit](int notch) {
                            const std::int32_t degrees = rules::bearingNotch(StrToInt(edit->Text()), notch);
                            w.doWrite = true;
                            knob->SetPosition(int(rules::knobDegrees(degrees)));
                            edit->SetText(number(degrees));
                            return true;
                        }};
    };
    rows.push_back(bearing(w.knbHeadBug, w.eAPHead));
    rows.push_back({w.knbAltSet, [&w](int notch) {
                        const std::int32_t hundreds = rules::hundredsNotch(StrToInt(w.eAPAlt->Text()), notch,
                                                                           w.knbAltSet->Min(), w.knbAltSet->Max());
                        w.doWrite = true;
                        w.knbAltSet->SetPosition(hundreds);
                        w.eAPAlt->SetText(number(std::int64_t(hundreds) * 100));
                        return true;
                    }});
    rows.push_back({w.knbVertSpd, [&w](int notch) {
                        const std::int32_t hundreds = rules::hundredsNotch(StrToInt(w.eVertSp->Text()), notch,
                                                                           w.knbVertSpd->Min(), w.knbVertSpd->Max());
                        w.doWrite = true;
                        w.eVertSp->SetText(number(std::int64_t(hundreds) * 100));
                        w.knbVertSpd->SetPosition(hundreds);
                        return true;
                    }});

    // Radios: the mode button's "C" tunes the COM standby, anything else the
    // NAV standby; the edit's change handler writes the text.
    using Notch = rules::WheelTuning (*)(const QString &, rules::RadioBand, int, int, int);
    auto radio = [&](TKnob *knob, SpeedButton *mode, PanelEdit *com, PanelEdit *nav, Notch rule) {
        rows.push_back({knob, [&w, knob, mode, com, nav, rule](int notch) {
                            const bool isCom = mode->Caption() == QLatin1String("C");
                            PanelEdit *edit = isCom ? com : nav;
                            const rules::WheelTuning t =
                                rule(edit->Text(), isCom ? rules::RadioBand::Com : rules::RadioBand::Nav, notch,
                                     knob->Min(), knob->Max());
                            w.doWrite = true;
                            edit->SetText(t.text);
                            knob->SetPosition(t.position);
                            return true;
                        }});
    };
    radio(w.knbMHz1, w.sbtnComNav1, w.eCom1s, w.eNav1s, &rules::radioMHzNotch);
    radio(w.knbMHz2, w.sbtnComNav2, w.eCom2s, w.eNav2s, &rules::radioMHzNotch);
    radio(w.knbKHz1, w.sbtnComNav1, w.eCom1s, w.eNav1s, &rules::radioFractionNotch);
    radio(w.knbKHz2, w.sbtnComNav2, w.eCom2s, w.eNav2s, &rules::radioFractionNotch);
    rows.push_back(bearing(w.knbNavCrs, w.eAPCrs));
    rows.push_back(bearing(w.knbNavCrs2, w.eCrs2));

    // ADF: the tens-and-units knob and the hundreds knob compose the text
    // whose change handler writes.
    auto adf = [&](TKnob *knob, rules::WheelTuning (*rule)(const QString &, int, int, int)) {
        rows.push_back({knob, [&w, knob, rule](int notch) {
                            const rules::WheelTuning t = rule(w.eADFFreq->Text(), notch, knob->Min(), knob->Max());
                            w.doWrite = true;
                            knob->SetPosition(t.position);
                            w.eADFFreq->SetText(t.text);
                            return true;
                        }});
    };
    adf(w.knbADF, &rules::adfUnitsNotch);
    adf(w.knbADF2, &rules::adfHundredsNotch);

    // Transponder digits: the knob clamps to 0..7 and its change handler
    // shows and writes the code.
    for (auto [knob, label] : {std::pair{w.knbT1, w.lTrans1}, {w.knbT2, w.lTrans2}, {w.knbT3, w.lTrans3},
                               {w.knbT4, w.lTrans4}})
        rows.push_back({knob, [&w, knob, label](int notch) {
                            const std::int32_t digit =
                                rules::stepWithin(StrToInt(label->Caption()), notch, INT32_MIN, INT32_MAX);
                            w.doWrite = true;
                            knob->SetPosition(digit);
                            return true;
                        }});

    // Knobs whose label shows the position, one a notch within the knob's range.
    auto detents = [&](TKnob *knob, PanelLabel *label) {
        rows.push_back({knob, [&w, knob, label](int notch) {
                            const std::int32_t v =
                                rules::stepWithin(StrToInt(label->Caption()), notch, knob->Min(), knob->Max());
                            w.doWrite = true;
                            label->SetCaption(number(v));
                            knob->SetPosition(v);
                            return true;
                        }});
    };
    detents(w.knbFlaps, w.lFlaps);
    detents(w.knbCowlFlaps, w.lCFVal);

    for (auto [knob, label] : {std::pair{w.knbATrim, w.lAtrim}, {w.knbRTrim, w.lRTrim}})
        rows.push_back({knob, [&w, knob, label](int notch) {
                            const std::int32_t trim = rules::sideTrimNotch(StrToFloat(label->Caption()), notch);
                            w.doWrite = true;
                            knob->SetPosition(trim);
                            label->SetCaption(number(trim));
                            return true;
                        }});
    for (auto [knob, label] : {std::pair{w.knbMag, w.lMag1Pos}, {w.knbMag2, w.lMag2Pos}, {w.knbMag3, w.lMag3Pos},
                               {w.knbMag4, w.lMag4Pos}})
        rows.push_back({knob, [&w, knob, label](int notch) {
                            const std::int32_t v = rules::stepWithin(StrToInt(label->Caption()), notch, 0, 4);
                            w.doWrite = true;
                            knob->SetPosition(v);
                            label->SetCaption(number(v));
                            return true;
                        }});

    // Fuel selectors step to the next tank the aircraft has.
    for (auto [knob, label] : {std::pair{w.knbMasterFuel, w.lFuelSelNum}, {w.knbFuelSel2, w.lFuelSelNum2},
                               {w.knbFuelSel3, w.lFuelSelNum3}, {w.knbFuelSel4, w.lFuelSelNum4}})
        rows.push_back({knob, [&w, knob, label](int notch) {
                            const std::int32_t code = rules::fuelSelectorNotch(StrToInt(label->Caption()), notch,
                                                                               tanksShown(w), knob->Min(), knob->Max());
                            w.doWrite = true;
                            label->SetCaption(number(code));
                            knob->SetPosition(code);
                            return true;
                        }});
    return rows;
}

// Under the pointer: inside the control's rectangle on the screen, edges
// included.
bool underPointer(const QWidget *control, QPoint at)
{
    const QPoint topLeft = control->mapToGlobal(QPoint(0, 0));
    return at.x() >= topLeft.x() && at.x() <= topLeft.x() + control->width() && at.y() >= topLeft.y() &&
           at.y() <= topLeft.y() + control->height();
}

// The first row under the pointer whose control the user can see and use: a
// control hidden (itself or by a hidden panel) or disabled does not take the
// wheel, and the look goes on to the next row.
std::optional<WheelRow> rowAt(TfrmACMain &w, QPoint at)
{
    for (WheelRow &row : wheelRows(w)) {
        if (underPointer(row.control, at) && row.control->isVisibleTo(&w) && row.control->isEnabled())
            return std::move(row);
    }
    return std::nullopt;
}

} // namespace

void TfrmACMain::connectWheel()
{
    // The window's wheel preview is its event filter (see previewWheel).
}

void TfrmACMain::FormMouseWheel(QObject *, Qt::KeyboardModifiers, int WheelDelta, QPoint MousePos, bool &Handled)
{
    TimerUpdateTime->SetEnabled(false);
    // However the notch ends (a value at its limit writes nothing, a text
    // that is not a number ends it early), the refresh runs again.
    const auto resume = qScopeGuard([this] { resumeRefresh(); });
    const int notch = rules::wheelNotch(WheelDelta);
    if (notch == 0)
        return;
    if (const std::optional<WheelRow> row = rowAt(*this, MousePos))
        Handled = row->act(notch);
}

bool TfrmACMain::previewWheel(QWheelEvent *event)
{
    const QPoint at = event->globalPosition().toPoint();
    const std::optional<WheelRow> row = rowAt(*this, at);
    if (!row) {
        m_wheelGathered = 0;
        m_wheelControl = nullptr;
        // Other controls keep the wheel, but no lever moves under it: a tank
        // bar would write its tank.
        return qobject_cast<const QAbstractSlider *>(childAt(mapFromGlobal(at))) != nullptr;
    }
    if (row->control != m_wheelControl) {
        m_wheelGathered = 0;
        m_wheelControl = row->control;
    }
    const int notches = rules::gatherNotches(m_wheelGathered, event->angleDelta().y());
    const Qt::KeyboardModifiers shift = event->modifiers();
    // A notch that fails (a text that is not a number) ends the turn.
    handlerBoundary([&] {
        for (int i = 0; i < std::abs(notches); ++i) {
            bool handled = false;
            FormMouseWheel(this, shift, notches < 0 ? -rules::kWheelNotch : rules::kWheelNotch, at, handled);
        }
    });
    // The wheel over a row is the table's, whether or not the row acted.
    return true;
}
