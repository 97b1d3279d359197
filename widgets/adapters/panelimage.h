#pragma once
// A still picture with the mouse events the panel uses (double-click to
// change a picture, the control pad's press, move and release). The picture
// is drawn stretched to the control, optionally keeping its proportions, or
// at its own size, optionally centred.
#include <QImage>
#include <QWidget>

class PanelImage : public QWidget
{
    Q_OBJECT
public:
    explicit PanelImage(QWidget *parent = nullptr);

    const QImage &Picture() const { return m_picture; }
    void SetPicture(const QImage &picture);

    bool Stretch() const { return m_stretch; }
    void SetStretch(bool on);
    bool Proportional() const { return m_proportional; }
    void SetProportional(bool on);
    bool Center() const { return m_center; }
    void SetCenter(bool on);

    // Where the picture lands inside the control.
    QRect pictureRect() const;

signals:
    void OnClick(PanelImage *sender);
    void OnDblClick(PanelImage *sender);
    void OnMouseDown(PanelImage *sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void OnMouseMove(PanelImage *sender, Qt::KeyboardModifiers shift, int x, int y);
    void OnMouseUp(PanelImage *sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QImage m_picture;
    bool m_stretch = false;
    bool m_proportional = false;
    bool m_center = false;
    bool m_pressed = false;
};
