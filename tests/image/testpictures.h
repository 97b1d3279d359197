#pragma once
// Pictures drawn in code for the rotatable image tests, and a parent that
// paints a known instrument face beneath the control.
#include "image/pixelbuffer.h"

#include <QImage>
#include <QWidget>

// A needle on a white ground (white is the bottom-left pixel, so it is the
// transparent colour): a red pointer from the centre up, a black tail, a grey
// hub. Drawn without antialiasing so every ground pixel is exactly white.
QImage NeedlePicture(int size);

// A compass-card-like picture: a black disc with white ticks every 30 degrees
// and a yellow north mark, on a white ground.
QImage CardPicture(int size);

// A dark instrument face: grey surround, dark disc, light ring.
QImage FacePicture(QSize size);

// A picture built pixel by pixel from a buffer (top row first).
QImage PictureOf(const PixelBuffer &pixels);

class FaceWidget : public QWidget
{
public:
    explicit FaceWidget(QSize size, QWidget *parent = nullptr);
    const QImage &Face() const { return m_face; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_face;
};
