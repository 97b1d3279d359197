#include "adapters/panelshape.h"

#include <QMouseEvent>
#include <algorithm>
#include <QPainter>

// Only the figure is painted; the parent shows through the corners.
PanelShape::PanelShape(QWidget *parent) : QWidget(parent) {}

void PanelShape::SetShape(TShapeType shape)
{
    if (shape == m_shape)
        return;
    m_shape = shape;
    update();
}

void PanelShape::SetBrushColor(TColor color)
{
    if (color == m_brushColor)
        return;
    m_brushColor = color;
    update();
}

void PanelShape::SetPenColor(TColor color)
{
    if (color == m_penColor)
        return;
    m_penColor = color;
    update();
}

void PanelShape::SetPenWidth(int width)
{
    width = std::max(width, 1);
    if (width == m_penWidth)
        return;
    m_penWidth = width;
    update();
}

void PanelShape::paintShape(QPainter &painter) const
{
    const QRectF r = adapterlogic::shapeRect(m_shape, size(), m_penWidth);
    QPen pen(toQColor(m_penColor), m_penWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(toQColor(m_brushColor));
    // The outline lies on half-pixel coordinates for odd pen widths, so with
    // antialiasing straight edges stay crisp and curves stay smooth.
    painter.setRenderHint(QPainter::Antialiasing, true);
    switch (m_shape) {
    case stRectangle:
    case stSquare:
        painter.drawRect(r);
        break;
    case stRoundRect:
    case stRoundSquare: {
        const qreal radius = adapterlogic::shapeCornerRadius(m_shape, r);
        painter.drawRoundedRect(r, radius, radius);
        break;
    }
    case stEllipse:
    case stCircle:
        painter.drawEllipse(r);
        break;
    }
}

void PanelShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintShape(painter);
}

void PanelShape::mousePressEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    // The shape takes the press, as a drawn control does; the window below
    // does not see it.
    event->accept();
    emit OnMouseDown(this, event->button(), event->modifiers(), p.x(), p.y());
}
