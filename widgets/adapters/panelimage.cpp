#include "adapters/panelimage.h"

#include <QMouseEvent>
#include <QPainter>

PanelImage::PanelImage(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true); // moves without a button reach OnMouseMove too
}

void PanelImage::SetPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void PanelImage::SetStretch(bool on)
{
    m_stretch = on;
    update();
}

void PanelImage::SetProportional(bool on)
{
    m_proportional = on;
    update();
}

void PanelImage::SetCenter(bool on)
{
    m_center = on;
    update();
}

QRect PanelImage::pictureRect() const
{
    if (m_picture.isNull())
        return {};
    QSize s = m_picture.size();
    if (m_stretch) {
        s = m_proportional ? s.scaled(size(), Qt::KeepAspectRatio) : size();
    } else if (m_proportional && (s.width() > width() || s.height() > height())) {
        s = s.scaled(size(), Qt::KeepAspectRatio); // shrink, never enlarge
    }
    const QPoint at = m_center ? QPoint((width() - s.width()) / 2, (height() - s.height()) / 2) : QPoint();
    return {at, s};
}

void PanelImage::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.drawImage(pictureRect(), m_picture);
}

void PanelImage::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    const QPoint at = event->position().toPoint();
    emit OnMouseDown(this, event->button(), event->modifiers(), at.x(), at.y());
}

void PanelImage::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    emit OnMouseMove(this, event->modifiers(), at.x(), at.y());
}

void PanelImage::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    // As on Windows, the click comes before the button-up event.
    if (m_pressed && event->button() == Qt::LeftButton && rect().contains(at))
        emit OnClick(this);
    m_pressed = false;
    emit OnMouseUp(this, event->button(), event->modifiers(), at.x(), at.y());
}

void PanelImage::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit OnDblClick(this);
    QWidget::mouseDoubleClickEvent(event);
}
