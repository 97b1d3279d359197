#include "adapters/paneledit.h"

#include <QMouseEvent>

PanelEdit::PanelEdit(QWidget *parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, [this] { emit OnChange(this); });
    applyPalette();
}

void PanelEdit::SetFontColor(TColor color)
{
    if (color == m_fontColor)
        return;
    m_fontColor = color;
    applyPalette();
}

void PanelEdit::SetColor(TColor color)
{
    if (color == m_color)
        return;
    m_color = color;
    applyPalette();
}

void PanelEdit::applyPalette()
{
    QPalette pal = palette();
    pal.setColor(QPalette::Base, toQColor(m_color));
    pal.setColor(QPalette::Text, toQColor(m_fontColor));
    setPalette(pal);
}

void PanelEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    emit OnEnter(this);
}

void PanelEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    emit OnExit(this);
}

void PanelEdit::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit OnClick(this);
}
