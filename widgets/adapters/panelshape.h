#pragma once
// A lamp or marker drawn as a plain figure. Its brush colour is state the
// readers compare ("is shpNav1Pwr lime?"), so it is stored exactly as given.
#include "adapters/adapterlogic.h"
#include "common/tcolor.h"

#include <QWidget>

class PanelShape : public QWidget
{
    Q_OBJECT
public:
    explicit PanelShape(QWidget *parent = nullptr);

    TShapeType Shape() const { return m_shape; }
    void SetShape(TShapeType shape);

    TColor BrushColor() const { return m_brushColor; }
    void SetBrushColor(TColor color);

    TColor PenColor() const { return m_penColor; }
    void SetPenColor(TColor color);

    int PenWidth() const { return m_penWidth; }
    void SetPenWidth(int width);

    // The figure as drawn into a painter whose origin is the control's top left.
    void paintShape(QPainter &painter) const;

signals:
    // Any mouse button; x and y are inside the control.
    void OnMouseDown(PanelShape *sender, Qt::MouseButton button,
                     Qt::KeyboardModifiers shift, int x, int y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    TShapeType m_shape = stRectangle;
    TColor m_brushColor = clWhite;
    TColor m_penColor = clBlack;
    int m_penWidth = 1;
};
