#include "adapters/trackbar.h"

TrackBar::TrackBar(Qt::Orientation orientation, QWidget *parent) : QSlider(orientation, parent)
{
    // Min at the top of a vertical bar, at the left of a horizontal one.
    setInvertedAppearance(orientation == Qt::Vertical);
    setInvertedControls(orientation == Qt::Vertical);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    SetColor(clSilver);
    connect(this, &QSlider::valueChanged, this, [this] { emit OnChange(this); });
}

void TrackBar::SetColor(TColor color)
{
    m_color = color;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(color));
    pal.setColor(QPalette::Button, toQColor(color));
    // A lever's groove is not a level: no filled part on either side of the handle.
    pal.setColor(QPalette::Highlight, pal.color(QPalette::Base));
    setPalette(pal);
}

void TrackBar::focusInEvent(QFocusEvent *event)
{
    QSlider::focusInEvent(event);
    emit OnEnter(this);
}

void TrackBar::focusOutEvent(QFocusEvent *event)
{
    QSlider::focusOutEvent(event);
    emit OnExit(this);
}
