#include "knob/tknob.h"

#include "knob/aaprimitives.h"
#include "knob/knobscale.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

int saturatedInt(std::int64_t v)
{
    return int(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                        std::numeric_limits<int>::max()));
}

} // namespace

TKnob::TKnob(QWidget *parent)
    : QWidget(parent)
{
    // The knob covers its whole square itself; Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true); // the pointer direction is followed without a button too
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    fSmoothLine.SetProp(fLineColor, true, TSmoothLine::psSolid, TSmoothLine::pmCopy, fLineWidth);
    SetBounds(0, 0, 40, 40);
    SetSteps();
    CalcAngle();
}

TKnob::~TKnob() = default;

// ---- position and range ----------------------------------------------------

void TKnob::SetSteps()
{
    const knobscale::Steps s = knobscale::setSteps(fMin, fMax);
    fAngleInterval = s.angleInterval;
    fSteps = s.steps;
}

void TKnob::CalcAngle()
{
    fAngle = knobscale::calcAngle(fPosition, fMin, fAngleInterval);
}

int TKnob::CalcPosition(int a) const
{
    return knobscale::calcPosition(a, fMin, fAngleInterval);
}

void TKnob::SetParams(int APosition, int AMin, int AMax)
{
    ++m_assignments;
    if (AMin != fMin) {
        fMin = AMin;
        SetSteps();
    }
    if (AMax != fMax) {
        fMax = AMax;
        SetSteps();
    }
    const int p = knobscale::clampPosition(APosition, AMin, AMax, fAngleInterval);
    if (p != fPosition)
        fPosition = p;
    const int shownAngle = fAngle;
    CalcAngle();
    // The picture shows only the indicator's direction: an assignment that
    // leaves it where it is draws nothing (readers assign on every tick).
    if (fAngle != shownAngle || !m_haveFace || m_needsFullPaint)
        RedrawKnob();
    ShowPosition(fPosition);
    // Every assignment notifies, changed or not: the panel's readers rely on it.
    emit OnChange(this);
}

void TKnob::SetPosition(int value)
{
    SetParams(value, fMin, fMax);
}

void TKnob::SetMin(int value)
{
    SetParams(fPosition, value, fMax);
}

void TKnob::SetMax(int value)
{
    SetParams(fPosition, fMin, value);
}

void TKnob::SetSpringLoaded(bool value)
{
    fSpringLoaded = value;
    if (value)
        SetPosition(0);
}

// ---- label and caption ------------------------------------------------------

void TKnob::SetPositionLabel(QLabel *label)
{
    fPositionLabel = label; // QPointer: cleared when the label is destroyed
    if (fPositionLabel)
        ShowPosition(fPosition);
}

void TKnob::SetCaption(const QString &value)
{
    fCaption = value;
    ShowPosition(fPosition);
}

void TKnob::ShowPosition(int ThePosition)
{
    if (fPositionLabel)
        fPositionLabel->setText(QString::asprintf("%d ", ThePosition) + fCaption);
}

void TKnob::setVisible(bool visible)
{
    QWidget::setVisible(visible);
    if (fPositionLabel)
        fPositionLabel->setVisible(visible);
}

// ---- appearance -------------------------------------------------------------

void TKnob::SetColor(TColor value)
{
    if (value == fKnobColor)
        return;
    fKnobColor = value;
    invalidateKnob();
}

void TKnob::SetLineColor(TColor value)
{
    if (value == fLineColor)
        return;
    fLineColor = value;
    fSmoothLine.SetProp(fLineColor, true, TSmoothLine::psSolid, TSmoothLine::pmCopy, fLineWidth);
    invalidateKnob();
}

void TKnob::SetIndicatorType(TIndicatorType value)
{
    if (value == fIndicatorType)
        return;
    fIndicatorType = value;
    invalidateKnob();
}

void TKnob::SetShowIndicator(bool value)
{
    if (value == fShowIndicator)
        return;
    fShowIndicator = value;
    invalidateKnob();
}

void TKnob::SetLineLength(float value)
{
    if (std::isnan(value))
        return;
    // The limit uses the radius of the moment: set the size first.
    const float v = knobscale::limitLineLength(value, fRadius);
    if (v == fLineLength)
        return;
    fLineLength = v;
    invalidateKnob();
}

void TKnob::SetLineWidth(float value)
{
    if (std::isnan(value))
        return;
    const float v = knobscale::limitLineWidth(value);
    if (v == fLineWidth)
        return;
    fLineWidth = v;
    fSmoothLine.SetProp(fLineColor, true, TSmoothLine::psSolid, TSmoothLine::pmCopy, fLineWidth);
    invalidateKnob();
}

void TKnob::SetDrawBorder(bool value)
{
    if (value == fDrawBorder)
        return;
    fDrawBorder = value;
    invalidateKnob();
}

void TKnob::SetShowFocusedState(bool value)
{
    if (value == fShowFocusedState)
        return;
    fShowFocusedState = value;
    invalidateKnob();
}

void TKnob::SetRotateImage(bool value)
{
    if (value == fRotateImage)
        return;
    fRotateImage = value;
    invalidateKnob();
}

void TKnob::SetKnobImage(const QImage &image)
{
    if (!image.isNull()) {
        fKnobImage = image.convertToFormat(QImage::Format_RGB888);
        if (!fTransparent)
            PutKnobImage();
    } else if (!fKnobImage.isNull()) {
        fKnobImage = QImage();
    }
    invalidateKnob();
}

void TKnob::SetTransparent(bool value)
{
    if (value == fTransparent)
        return;
    fTransparent = value;
    if (value)
        fLoadedKnobImage = false;
    else
        PutKnobImage();
    invalidateKnob();
}

void TKnob::SetTabStop(bool value)
{
    // Clicks inside the disk take the focus explicitly, so Qt never needs to
    // give it on a click (a click in the corners must not take it).
    setFocusPolicy(value ? Qt::TabFocus : Qt::NoFocus);
}

// ---- geometry ---------------------------------------------------------------

void TKnob::SetBounds(int left, int top, int width, int height)
{
    const int side = knobscale::squareSide(std::max(width, 0), std::max(height, 0), fDiameter);
    setGeometry(left, top, side, side);
    applySquareSize(); // Qt defers resize events of hidden widgets
}

void TKnob::SetWidth(int value)
{
    SetBounds(x(), y(), value, height());
}

void TKnob::SetHeight(int value)
{
    SetBounds(x(), y(), width(), value);
}

void TKnob::applySquareSize()
{
    const int side = knobscale::squareSide(width(), height(), fDiameter);
    if (side != fDiameter || sImage.width() != side) {
        fDiameter = side;
        fRadius = float(side) / 2.0f;
        sImage = newFaceImage(side, clBlack);
        outer_Image = newFaceImage(side, clBlack);
        fImage = newFaceImage(side, clBlack);
        SetCircleMask();
        // A placed picture must be centred again on the new side.
        fLoadedKnobImage = false;
        m_haveFace = false;
        m_needsFullPaint = true;
    }
    if (size() != QSize(side, side))
        resize(side, side);
}

void TKnob::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    applySquareSize();
    update();
}

void TKnob::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    m_needsFullPaint = true; // a different piece of the parent lies under the corners
}

void TKnob::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_needsFullPaint = true;
}

void TKnob::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    switch (event->type()) {
    case QEvent::EnabledChange:
        AdjustKnobState();
        break;
    case QEvent::PaletteChange:
    case QEvent::ParentChange:
        invalidateKnob();
        break;
    default:
        break;
    }
}

// ---- mouse ------------------------------------------------------------------

void TKnob::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pt = event->position().toPoint();
    const int angle = knobscale::pointerAngle(width() / 2, height() / 2, pt.x(), pt.y());
    if (!(fDragging && knobscale::dragMoveIgnored(fPosition, fMin, fMax, angle))) {
        fMouseAngle = angle;
        const int q = CalcPosition(angle);
        if (fDragging && q != fPosition)
            SetPosition(q);
        ShowPosition(q);
    }
    emit OnMouseMove(this, event->buttons(), event->modifiers(), pt.x(), pt.y());
}

void TKnob::pressStep(QMouseEvent *event, bool armClick)
{
    const QPoint pt = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        m_clickArmed = armClick;
        if (knobscale::insideInscribedEllipse(width(), height(), pt.x(), pt.y())) {
            // Qt may deliver a press without a move to its point first (a knob
            // shown under a resting pointer); the press itself gives the direction.
            fMouseAngle = knobscale::pointerAngle(width() / 2, height() / 2, pt.x(), pt.y());
            setFocus(Qt::MouseFocusReason);
            fDragging = true;
            SetPosition(CalcPosition(fMouseAngle));
        }
    }
    emit OnMouseDown(this, event->button(), event->modifiers(), pt.x(), pt.y());
}

void TKnob::mousePressEvent(QMouseEvent *event)
{
    pressStep(event, true);
}

void TKnob::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click acts as a press but does not click
    // again on release, so a quick double click toggles a switch once.
    pressStep(event, false);
}

void TKnob::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint pt = event->position().toPoint();
    QPointer<TKnob> self(this);
    bool placedByClick = false;
    if (event->button() == Qt::LeftButton) {
        const bool click = m_clickArmed && rect().contains(pt);
        m_clickArmed = false;
        // The click comes first: its handler sees the dragged position, before a
        // spring-loaded knob returns to 0.
        const std::uint64_t before = m_assignments;
        if (click)
            emit OnClick(this);
        if (!self)
            return;
        placedByClick = m_assignments != before;
    }
    if (fDragging) {
        if (fSpringLoaded) {
            SetPosition(0);
        } else if (!placedByClick) {
            // A click handler that put the knob somewhere (the panel's cancel
            // click) has the last word over the pointer's place.
            const int q = CalcPosition(fMouseAngle);
            if (q != fPosition)
                SetPosition(q);
        }
    }
    fDragging = false;
    AdjustKnobState();
    emit OnMouseUp(this, event->button(), event->modifiers(), pt.x(), pt.y());
}

void TKnob::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    ShowPosition(fPosition);
}

// ---- keyboard and focus -----------------------------------------------------

void TKnob::keyPressEvent(QKeyEvent *event)
{
    QPointer<TKnob> self(this);
    emit OnKeyDown(this, event->key(), event->modifiers());
    if (!self)
        return;
    const std::int64_t p = fPosition;
    std::int64_t next;
    bool handled = true;
    switch (event->key()) {
    case Qt::Key_PageUp: next = p + fPageSize; break;
    case Qt::Key_PageDown: next = p - fPageSize; break;
    case Qt::Key_End: next = fMax; break;
    case Qt::Key_Home: next = fMin; break;
    case Qt::Key_Up:
    case Qt::Key_Right: next = p + 1; break;
    case Qt::Key_Down:
    case Qt::Key_Left: next = p - 1; break;
    default: handled = false; next = p; break;
    }
    if (handled) {
        event->accept();
        SetPosition(saturatedInt(next));
    } else {
        QWidget::keyPressEvent(event);
    }
    if (self && !event->text().isEmpty())
        emit OnKeyPress(this, event->text().at(0));
}

void TKnob::keyReleaseEvent(QKeyEvent *event)
{
    emit OnKeyUp(this, event->key(), event->modifiers());
    QWidget::keyReleaseEvent(event);
}

void TKnob::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    if (fShowFocusedState)
        AdjustKnobState();
    emit OnEnter(this);
}

void TKnob::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    fDragging = false;
    if (fSpringLoaded)
        SetPosition(0);
    if (fShowFocusedState)
        AdjustKnobState();
    emit OnExit(this);
}
