#include "testpictures.h"

#include <QPainter>
#include <QPolygon>

#include <cmath>
#include <numbers>

QImage NeedlePicture(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    const int c = size / 2;
    p.setBrush(QColor(220, 30, 30));
    p.drawPolygon(QPolygon({QPoint(c - 4, c), QPoint(c, 3), QPoint(c + 4, c)}));
    p.setBrush(QColor(20, 20, 20));
    p.drawRect(c - 3, c, 7, size / 4);
    p.setBrush(QColor(128, 128, 128));
    p.drawEllipse(QPoint(c, c), 6, 6);
    return image;
}

QImage CardPicture(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    const double c = size / 2.0;
    const double r = size / 2.0 - 2;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(10, 10, 10));
    p.drawEllipse(QPointF(c, c), r, r);
    p.setPen(QPen(QColor(250, 250, 250), 2));
    for (int i = 0; i < 12; ++i) {
        const double a = i * std::numbers::pi / 6;
        p.drawLine(QPointF(c + std::sin(a) * r * 0.75, c - std::cos(a) * r * 0.75),
                   QPointF(c + std::sin(a) * r * 0.95, c - std::cos(a) * r * 0.95));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 200, 0));
    p.drawPolygon(QPolygonF({QPointF(c - 5, c - r * 0.6), QPointF(c, c - r * 0.9), QPointF(c + 5, c - r * 0.6)}));
    return image;
}

QImage FacePicture(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(90, 90, 96));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPointF c(size.width() / 2.0, size.height() / 2.0);
    const double r = std::min(size.width(), size.height()) / 2.0 - 3;
    p.setPen(QPen(QColor(200, 200, 190), 3));
    p.setBrush(QColor(30, 40, 60));
    p.drawEllipse(c, r, r);
    return image;
}

QImage PictureOf(const PixelBuffer &pixels)
{
    QImage image(pixels.width, pixels.height, QImage::Format_ARGB32);
    for (int y = 0; y < pixels.height; ++y)
        for (int x = 0; x < pixels.width; ++x) {
            const Pixel v = pixels.at(x, y);
            image.setPixel(x, y, qRgba(pixelRed(v), pixelGreen(v), pixelBlue(v), pixelAlpha(v)));
        }
    return image;
}

FaceWidget::FaceWidget(QSize size, QWidget *parent)
    : QWidget(parent), m_face(FacePicture(size))
{
    resize(size);
}

void FaceWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawImage(0, 0, m_face);
}
