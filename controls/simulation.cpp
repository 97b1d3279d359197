// Settings that act on the simulation rather than on one aircraft system.
// Writes ClockHour, ClockMinute, Year, DayOfYear (the date and time pickers),
// SimulationRate (the rate arrows), Kollsman (the altimeter knob), GyroDrift
// (the drift reset) and BatteryVoltage (the battery reset).
// Owns sbtnTimeSet, UpDown1 and eSimRate, eServCeiling, knbKollsman's change
// and middle click, knbDriftFix's click, sbtnBatFix's click, and the hidden
// relays eBank, ePitch, eHdg and eWinddir with the pictures they turn
// (rImgAttitude, rImgGyro, rImgHdgMk, rImgCrs, rImgWind and the VOR and ADF
// lubber lines) and lHdg.
#include "uACMainForm.h"

#include "adapters/paneledit.h"
#include "adapters/panellabel.h"
#include "adapters/panelshape.h"
#include "adapters/radiogroup.h"
#include "adapters/speedbutton.h"
#include "adapters/updown.h"
#include "app/dialogseam.h"
#include "catalogue.h"
#include "controls/rules/simulation.h"
#include "image/trotatableimage.h"
#include "knob/tknob.h"

#include <QDateEdit>
#include <QTimeEdit>

void TfrmACMain::connectSimulation()
{
    on(sbtnTimeSet, &SpeedButton::OnClick, &TfrmACMain::sbtnTimeSetClick);
    on(UpDown1, &UpDown::OnChangingEx, &TfrmACMain::UpDown1ChangingEx);
    on(eSimRate, &PanelEdit::OnChange, &TfrmACMain::eSimRateChange);
    on(eServCeiling, &PanelEdit::OnChange, &TfrmACMain::eServCeilingChange);
    on(knbKollsman, &TKnob::OnChange, &TfrmACMain::knbKollsmanChange);
    on(knbKollsman, &TKnob::OnMouseDown, &TfrmACMain::knbKollsmanMouseDown);
    on(knbDriftFix, &TKnob::OnClick, &TfrmACMain::knbDriftFixClick);
    on(sbtnBatFix, &SpeedButton::OnClick, &TfrmACMain::sbtnBatFixClick);
    on(eBank, &PanelEdit::OnChange, &TfrmACMain::eBankChange);
    on(ePitch, &PanelEdit::OnChange, &TfrmACMain::ePitchChange);
    on(eHdg, &PanelEdit::OnChange, &TfrmACMain::eHdgChange);
    on(eWinddir, &PanelEdit::OnChange, &TfrmACMain::eWinddirChange);
    // gbFlight's drag-over (Label24DragOver) stays unbound: nothing on the
    // panel starts a drag, and accepting the desktop's drops over the group
    // would take files that nothing handles.
}

void TfrmACMain::sbtnTimeSetClick(QObject *)
{
    // Each step reports its outcome in turn, but once one has failed a later
    // success does not replace that report: the user must see the failure.
    bool failed = false;
    auto report = [&](bool ok, const QString &success, const QString &failure) {
        if (!ok)
            setStatusPanel(3, failure);
        else if (!failed)
            setStatusPanel(3, success);
        failed = failed || !ok;
        return ok;
    };
    const QTime time = DTP2->time();
    if (report(WriteByte(var::ClockHour, static_cast<std::uint8_t>(time.hour())), QStringLiteral("Hour changed."),
               QStringLiteral("Hour not changed.")))
        report(WriteByte(var::ClockMinute, static_cast<std::uint8_t>(time.minute())),
               QStringLiteral("Minutes changed."), QStringLiteral("Minutes not changed."));
    const rules::SimulatorDate date = rules::simulatorDate(DTP1->date());
    if (report(WriteWord(var::Year, date.year), QStringLiteral("Year Changed."), QStringLiteral("Year Setting Failed.")))
        report(WriteWord(var::DayOfYear, date.dayOfYear), QStringLiteral("Date Changed."),
               QStringLiteral("Date Setting Failed."));
}

void TfrmACMain::UpDown1ChangingEx(QObject *, bool &AllowChange, int, TUpDownDirection)
{
    AllowChange = true;
    doWrite = true;
}

void TfrmACMain::eSimRateChange(QObject *)
{
    if (!doWrite)
        return;
    const bool ok = WriteSmlInt(var::SimulationRate, rules::simulationRateWord(UpDown1->Position()));
    setStatusPanel(3, ok ? QStringLiteral("Sim Rate Changed.") : QStringLiteral("Sim Rate Not Change Failed."));
    doWrite = false;
}

void TfrmACMain::eServCeilingChange(QObject *)
{
    if (tryStrToInt(eServCeiling->Text()))
        return;
    eServCeiling->SetText(QStringLiteral("15000"));
    dialogs().showMessage(QStringLiteral("No text in this field."));
}

void TfrmACMain::knbKollsmanChange(QObject *)
{
    if (!doWrite)
        return;
    const std::uint16_t word = rules::kollsmanWord(knbKollsman->Position(), rgBaro->ItemIndex() == 1);
    const bool ok = WriteWord(var::Kollsman, word);
    setStatusPanel(3, ok ? QStringLiteral("Kollsman Changed.") : QStringLiteral("Kollsman Change Failed."));
    doWrite = false;
}

void TfrmACMain::knbKollsmanMouseDown(QObject *, Qt::MouseButton Button, Qt::KeyboardModifiers, int, int)
{
    if (Button == Qt::MiddleButton)
        setKollsmanToQnh();
}

void TfrmACMain::setKollsmanToQnh()
{
    doWrite = true;
    // The pressure in the unit its label names, the knob in the unit its range
    // is in: the two differ between a change of the unit and the next refresh.
    const double pressure = StrToFloat(lPress->Caption());
    const bool pressureInMillibars = lPressScale->Caption() == QLatin1String("Mb");
    const rules::BaroUnit knobUnit = rules::kollsmanUnit(knbKollsman->Position(), rgBaro->ItemIndex() == 1);
    knbKollsman->SetPosition(rules::kollsmanPositionForQnh(pressure, pressureInMillibars, knobUnit));
}

void TfrmACMain::knbDriftFixClick(QObject *)
{
    WriteSmlInt(var::GyroDrift, 0);
    knbDriftFix->SetPosition(0);
    knbDriftFix->SetColor(clGray);
}

void TfrmACMain::sbtnBatFixClick(QObject *)
{
    const bool ok = WriteDouble(var::BatteryVoltage, 24.0);
    setStatusPanel(3, ok ? QStringLiteral("Battery Set.") : QStringLiteral("Battery Reset Failed."));
}

// The relays: the readers write the present values as text into hidden
// edits, and the pictures follow. A text that is not a number leaves its
// picture where it is.
namespace {

void turn(TRotatableImage *picture, std::optional<double> degrees)
{
    if (degrees)
        picture->SetRotationAngle(*degrees);
}

// A marker on the heading card turns by the difference of two whole degrees.
void turnMarker(TRotatableImage *marker, std::optional<int> heading, std::optional<int> target)
{
    if (heading && target)
        marker->SetRotationAngle(double(std::int64_t(*heading) - *target));
}

} // namespace

void TfrmACMain::eBankChange(QObject *)
{
    turn(rImgAttitude, tryStrToFloat(eBank->Text()));
}

void TfrmACMain::ePitchChange(QObject *)
{
    // One pixel per degree, from 13 pixels down at level flight.
    const std::int64_t top = conv::N(tryStrToFloat(ePitch->Text()).value_or(0.0)) + 13;
    rImgAttitude->move(rImgAttitude->x(), conv::saturate32(top));
}

void TfrmACMain::eWinddirChange(QObject *)
{
    turn(rImgWind, tryStrToFloat(eWinddir->Text()));
}

void TfrmACMain::eHdgChange(QObject *)
{
    const std::optional<double> heading = tryStrToFloat(eHdg->Text());
    const std::optional<int> wholeHeading = tryStrToInt(eHdg->Text());
    turn(rImgGyro, heading);
    turnMarker(rImgHdgMk, wholeHeading, tryStrToInt(eAPHead->Text()));
    turnMarker(rImgCrs, wholeHeading, tryStrToInt(eAPCrs->Text()));
    turn(rImgWind, tryStrToFloat(eWinddir->Text()));
    // A receiver's needle turns with the heading only while it has a signal.
    const std::pair<PanelShape *, TRotatableImage *> needles[] = {
        {shpVOR1On, rImgVOR1Lubber}, {shpVOR2On, rImgVOR2Lubber}, {shpADFSignal, rImgADFLubber}};
    for (const auto &[signal, needle] : needles) {
        if (signal->BrushColor() == clLime && heading)
            needle->SetRotationAngle(-*heading);
    }
    lHdg->SetCaption(eHdg->Text());
}

void TfrmACMain::Label24DragOver(QObject *, QObject *, int, int, bool &Accept)
{
    Accept = true;
}
