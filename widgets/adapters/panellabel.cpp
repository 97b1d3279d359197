#include "adapters/panellabel.h"

#include <QMouseEvent>

PanelLabel::PanelLabel(QWidget *parent) : QLabel(parent)
{
    applyPalette();
}

void PanelLabel::SetColor(TColor color)
{
    if (color == m_color)
        return;
    m_color = color;
    applyPalette();
}

void PanelLabel::SetTransparent(bool transparent)
{
    if (transparent == m_transparent)
        return;
    m_transparent = transparent;
    applyPalette();
}

void PanelLabel::SetFontColor(TColor color)
{
    if (color == m_fontColor)
        return;
    m_fontColor = color;
    applyPalette();
}

void PanelLabel::SetSunken(bool sunken)
{
    setFrameStyle(sunken ? (QFrame::Panel | QFrame::Sunken) : QFrame::NoFrame);
    setLineWidth(1);
}

void PanelLabel::applyPalette()
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(m_color));
    pal.setColor(QPalette::WindowText, toQColor(m_fontColor));
    setPalette(pal);
    setAutoFillBackground(!m_transparent);
    update();
}

void PanelLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void PanelLabel::mouseReleaseEvent(QMouseEvent *event)
{
    // A click is a left press and release over the label.
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit OnClick(this);
}

void PanelLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    QLabel::mouseDoubleClickEvent(event);
    emit OnDblClick(this);
}
