// Flight controls and trims: the trim and flap knobs write what the user sets
// (by the wheel or the middle button); the spring-loaded rudder knob and the
// control pad drive the rudder, aileron and elevator inputs while a button
// is held, and every way a drag ends sends neutral inputs. A press, move or
// click on the bare window cancels a pending adjustment.
//
// Offsets written: 0x0BC0 elevator trim, 0x0C02 aileron trim, 0x0C04 rudder
// trim, 0x0BFC flaps, 0x0BB6 aileron input, 0x0BB2 elevator input, 0x0BBA
// rudder input.
// Controls: knbTrim, lTrim, knbATrim, knbRTrim, knbFlaps, knbRudder, the pad
// Image4, shpMousePos, and the window's own mouse events.
#include "uACMainForm.h"

#include "adapters/panelimage.h"
#include "adapters/panellabel.h"
#include "adapters/panelshape.h"
#include "adapters/paneltimer.h"
#include "catalogue.h"
#include "controls/rules/directinputs.h"
#include "knob/tknob.h"
#include "readout/rules/controlreadout.h"

#include <QMouseEvent>

void TfrmACMain::connectFlightControls()
{
    on(knbTrim, &TKnob::OnChange, &TfrmACMain::knbTrimChange);
    on(knbATrim, &TKnob::OnChange, &TfrmACMain::knbATrimChange);
    on(knbRTrim, &TKnob::OnChange, &TfrmACMain::knbATrimChange);
    for (TKnob *k : {knbTrim, knbATrim, knbRTrim})
        on(k, &TKnob::OnMouseDown, &TfrmACMain::knbTrimMouseDown);
    on(knbFlaps, &TKnob::OnChange, &TfrmACMain::knbFlapsChange);
    on(knbRudder, &TKnob::OnMouseDown, &TfrmACMain::knbRudderMouseDown);
    on(knbRudder, &TKnob::OnMouseMove, &TfrmACMain::knbRudderMouseMove);
    on(knbRudder, &TKnob::OnChange, &TfrmACMain::knbRudderChange);
    on(knbRudder, &TKnob::OnClick, &TfrmACMain::knbRudderClick);
    on(knbRudder, &TKnob::OnMouseUp, &TfrmACMain::knbRudderMouseUp);
    on(Image4, &PanelImage::OnMouseDown, &TfrmACMain::Image4MouseDown);
    on(Image4, &PanelImage::OnMouseMove, &TfrmACMain::Image4MouseMove);
    on(Image4, &PanelImage::OnMouseUp, &TfrmACMain::Image4MouseUp);
    on(Image4, &PanelImage::OnClick, &TfrmACMain::Image4Click);
    on(shpMousePos, &PanelShape::OnMouseDown, &TfrmACMain::FormMouseDown);
    // Moves over the bare window reach FormMouseMove without a button held.
    setMouseTracking(true);
}

// --- Trims and flaps ---------------------------------------------------------------

void TfrmACMain::knbTrimChange(QObject *)
{
    // A change the refresh makes does nothing here: the readout shows it.
    if (!doWrite)
        return;
    const int position = knbTrim->Position();
    setStatusPanel(3, WriteSmlInt(var::ElevatorTrim, rules::elevatorTrimRaw(position))
                          ? QStringLiteral("Trim Changed.")
                          : QStringLiteral("Trim Change Failed."));
    doWrite = false;
    lTrim->SetCaption(QString::asprintf("%2.2f", position / 100.0));
    knbTrim->SetColor(rules::elevatorTrimColour(position));
}

void TfrmACMain::knbATrimChange(QObject *Sender)
{
    if (doWrite) {
        if (Sender == knbATrim)
            WriteSmlInt(var::AileronTrim, rules::sideTrimRaw(knbATrim->Position()));
        else
            WriteSmlInt(var::RudderTrim, rules::sideTrimRaw(knbRTrim->Position()));
        doWrite = false;
    }
    if (auto *k = qobject_cast<TKnob *>(Sender))
        k->SetColor(rules::sideTrimColour(k->Position()));
}

void TfrmACMain::knbTrimMouseDown(QObject *Sender, Qt::MouseButton Button, Qt::KeyboardModifiers, int, int)
{
    // The wheel click centres the trim; the change handler writes it.
    auto *k = qobject_cast<TKnob *>(Sender);
    if (Button != Qt::MiddleButton || !k)
        return;
    doWrite = true;
    k->SetPosition(0);
}

void TfrmACMain::knbFlapsChange(QObject *)
{
    if (!doWrite)
        return;
    setStatusPanel(3, WriteByte(var::Flaps, std::uint8_t(knbFlaps->Position())) ? QStringLiteral("Flaps Changed.")
                                                                                 : QStringLiteral("Flaps Change Failed."));
    doWrite = false;
}

// --- The rudder knob ------------------------------------------------------------------

void TfrmACMain::knbRudderMouseDown(QObject *, Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
    doWrite = true;
    msedwn = true;
    knbRudder->SetPosition(0);
}

void TfrmACMain::knbRudderMouseMove(QObject *, Qt::MouseButtons, Qt::KeyboardModifiers, int, int)
{
    if (msedwn)
        doWrite = true;
    waitMs(50);
}

void TfrmACMain::knbRudderChange(QObject *)
{
    if (doWrite && msedwn)
        WriteSmlInt(var::RudderInput, std::int16_t(knbRudder->Position()));
}

void TfrmACMain::knbRudderClick(QObject *)
{
    doWrite = true;
    msedwn = true;
    knbRudder->SetPosition(0);
    waitMs(50);
    msedwn = false;
    doWrite = false;
}

void TfrmACMain::knbRudderMouseUp(QObject *, Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
    // Writes 0 only when no click came (a right-button drag, say).
    knbRudder->SetPosition(0);
    msedwn = false;
    doWrite = false;
}

// --- The control pad ---------------------------------------------------------------------

void TfrmACMain::writeNeutralPad()
{
    WriteSmlInt(var::AileronInput, 0);
    WriteSmlInt(var::ElevatorInput, 0);
}

void TfrmACMain::Image4MouseDown(QObject *, Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
    msedwn = true;
    pumpMessages();
}

void TfrmACMain::Image4MouseMove(QObject *, Qt::KeyboardModifiers, int X, int Y)
{
    if (!msedwn) {
        writeNeutralPad();
        waitMs(100);
        return;
    }
    TimerUpdateTime->SetEnabled(false);
    // Inside the dead band an axis is left as it is, not centred.
    const std::int16_t aileron = rules::padInput(X);
    const std::int16_t elevator = rules::padInput(Y);
    if (aileron != 0)
        WriteSmlInt(var::AileronInput, aileron);
    if (elevator != 0)
        WriteSmlInt(var::ElevatorInput, elevator);
    waitMs(100);
    resumeRefresh();
}

void TfrmACMain::Image4MouseUp(QObject *, Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
    msedwn = false;
    writeNeutralPad();
    waitMs(100);
}

void TfrmACMain::Image4Click(QObject *)
{
    msedwn = true;
    doWrite = true;
    writeNeutralPad();
    waitMs(50);
    msedwn = false;
    doWrite = false;
}

// --- The bare window -----------------------------------------------------------------------

void TfrmACMain::writeNeutralControls()
{
    knbRudder->SetPosition(0);
    WriteSmlInt(var::AileronInput, 0);
    WriteSmlInt(var::ElevatorInput, 0);
    WriteSmlInt(var::RudderInput, 0);
}

void TfrmACMain::FormMouseDown(QObject *, Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
    doWrite = false;
    msedwn = true;
}

void TfrmACMain::FormMouseMove(QObject *, Qt::KeyboardModifiers, int, int)
{
    doWrite = false;
}

void TfrmACMain::FormMouseUp(QObject *, Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
    doWrite = false;
    msedwn = false;
    writeNeutralControls();
}

void TfrmACMain::FormClick(QObject *)
{
    msedwn = false;
    writeNeutralControls();
    doWrite = false;
}

// Mouse events reach the window's handlers only where no control lies under
// the pointer: what a control lets pass up is not the bare window's.
bool TfrmACMain::onBareWindow(const QMouseEvent *event) const
{
    return childAt(event->position().toPoint()) == nullptr;
}

void TfrmACMain::mousePressEvent(QMouseEvent *event)
{
    m_bareClickArmed = false;
    if (!onBareWindow(event))
        return QWidget::mousePressEvent(event);
    m_bareClickArmed = event->button() == Qt::LeftButton;
    const QPoint p = event->position().toPoint();
    handlerBoundary([&] { FormMouseDown(this, event->button(), event->modifiers(), p.x(), p.y()); });
}

void TfrmACMain::mouseMoveEvent(QMouseEvent *event)
{
    if (!onBareWindow(event))
        return QWidget::mouseMoveEvent(event);
    const QPoint p = event->position().toPoint();
    handlerBoundary([&] { FormMouseMove(this, event->modifiers(), p.x(), p.y()); });
}

void TfrmACMain::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_bareClickArmed && event->button() == Qt::LeftButton && onBareWindow(event);
    m_bareClickArmed = false;
    if (!onBareWindow(event))
        return QWidget::mouseReleaseEvent(event);
    const QPoint p = event->position().toPoint();
    // As for every control, the click comes before the button-up.
    if (click)
        handlerBoundary([&] { FormClick(this); });
    handlerBoundary([&] { FormMouseUp(this, event->button(), event->modifiers(), p.x(), p.y()); });
}
