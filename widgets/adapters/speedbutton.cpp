#include "adapters/speedbutton.h"

#include "common/tcolor.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

SpeedButton::SpeedButton(QWidget *parent) : QWidget(parent)
{
    // Like its model, a speed button never takes the keyboard focus.
    setFocusPolicy(Qt::NoFocus);
}

void SpeedButton::SetCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    update();
}

void SpeedButton::SetGroupIndex(int index)
{
    index = std::max(index, 0);
    if (index == m_groupIndex)
        return;
    m_groupIndex = index;
    if (m_groupIndex == 0) {
        m_down = false;
    } else {
        // Joining a group: the group's AllowAllUp is ours, and ours the one down.
        for (SpeedButton *b : groupMates())
            b->m_allowAllUp = m_allowAllUp;
        if (m_down)
            raiseOthers();
    }
    update();
}

void SpeedButton::SetAllowAllUp(bool allow)
{
    m_allowAllUp = allow;
    for (SpeedButton *b : groupMates())
        b->m_allowAllUp = allow;
}

void SpeedButton::SetDown(bool down)
{
    if (m_groupIndex == 0)
        down = false;
    if (down == m_down)
        return;
    if (m_down && !m_allowAllUp)
        return;
    m_down = down;
    if (m_down)
        raiseOthers();
    update();
}

void SpeedButton::Click()
{
    emit OnClick(this);
}

QList<SpeedButton *> SpeedButton::groupMates() const
{
    QList<SpeedButton *> mates;
    if (m_groupIndex == 0 || !parentWidget())
        return mates;
    for (SpeedButton *b :
         parentWidget()->findChildren<SpeedButton *>(Qt::FindDirectChildrenOnly)) {
        if (b != this && b->m_groupIndex == m_groupIndex)
            mates.append(b);
    }
    return mates;
}

void SpeedButton::raiseOthers()
{
    for (SpeedButton *b : groupMates()) {
        if (b->m_down) {
            b->m_down = false;
            b->update();
        }
    }
}

void SpeedButton::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    emit OnMouseDown(this, event->button(), event->modifiers(), at.x(), at.y());
    if (event->button() != Qt::LeftButton)
        return;
    m_tracking = m_pressed = true;
    update();
}

void SpeedButton::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_tracking)
        return;
    const bool inside = rect().contains(event->position().toPoint());
    if (inside != m_pressed) {
        m_pressed = inside;
        update();
    }
}

void SpeedButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_tracking)
        return;
    m_tracking = m_pressed = false;
    const bool click = rect().contains(event->position().toPoint());
    if (click && m_groupIndex > 0)
        SetDown(!m_down); // before the handler runs, so it sees the new state
    update();
    if (click)
        emit OnClick(this);
}

void SpeedButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit OnDblClick(this);
    mousePressEvent(event); // the second press of the pair
}

void SpeedButton::enterEvent(QEnterEvent *event)
{
    m_hover = true;
    update();
    QWidget::enterEvent(event);
}

void SpeedButton::leaveEvent(QEvent *event)
{
    m_hover = false;
    update();
    QWidget::leaveEvent(event);
}

void SpeedButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect r = rect();
    const bool sunken = m_down || m_pressed;
    const QColor light = toQColor(clBtnHighlight);
    const QColor shadow = toQColor(clBtnShadow);
    if (m_down && !m_pressed) {
        // A button held down shows a dithered light face, as on the platform.
        painter.fillRect(rect(), QBrush(light, Qt::Dense4Pattern));
    }
    // Flat: the frame appears only when down, pressed or under the pointer.
    if ((sunken || (m_hover && isEnabled())) && r.width() > 0 && r.height() > 0) {
        painter.setPen(sunken ? shadow : light);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(sunken ? light : shadow);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    }
    QRect textBox = rect();
    if (sunken)
        textBox.translate(1, 1);
    painter.setFont(font());
    const int flags = Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextSingleLine;
    if (!isEnabled()) {
        // Embossed grey text of a disabled control.
        painter.setPen(light);
        painter.drawText(textBox.translated(1, 1), flags, m_caption);
        painter.setPen(shadow);
    } else {
        painter.setPen(toQColor(clBtnText));
    }
    painter.drawText(textBox, flags, m_caption);
}
