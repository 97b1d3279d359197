#pragma once
// TKnob: the circular, self-drawn control from which the panel's switches and
// rotary selectors are made. It holds an integer Position between Min and Max
// and shows it as the direction of an indicator on a shaded disk sweeping 300
// degrees; the user sets it by clicking or dragging around the disk, or with
// the arrow, page, home and end keys when it has the focus.
//
// Painting works on 24-bit off-screen images. The face and rim are kept
// (fImage) so that focus, enabled and drag changes redraw only the state ring
// and the indicator; a position change reuses the stored background (sImage)
// instead of asking the parent again.
#include "common/tcolor.h"
#include "knob/tsmoothline.h"

#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <cstdint>

enum TIndicatorType { itLine, itCircle };

class TKnob : public QWidget
{
    Q_OBJECT

public:
    explicit TKnob(QWidget *parent = nullptr);
    ~TKnob() override;

    // Position and range. SetParams is the one road by which they change; it
    // clamps, redraws and fires OnChange on every call, changed or not.
    void SetParams(int APosition, int AMin, int AMax);
    int Position() const { return fPosition; }
    void SetPosition(int value);
    int Min() const { return fMin; }
    void SetMin(int value);
    int Max() const { return fMax; }
    void SetMax(int value);

    quint16 PageSize() const { return fPageSize; }
    void SetPageSize(quint16 value) { fPageSize = value; }
    bool SpringLoaded() const { return fSpringLoaded; }
    void SetSpringLoaded(bool value);

    QLabel *PositionLabel() const { return fPositionLabel.data(); }
    void SetPositionLabel(QLabel *label);
    QString Caption() const { return fCaption; }
    void SetCaption(const QString &value);
    // Shows "%d " + Caption of ThePosition in PositionLabel, when there is one.
    void ShowPosition(int ThePosition);

    TColor Color() const { return fKnobColor; }
    void SetColor(TColor value);
    TColor LineColor() const { return fLineColor; }
    void SetLineColor(TColor value);
    TIndicatorType IndicatorType() const { return fIndicatorType; }
    void SetIndicatorType(TIndicatorType value);
    bool ShowIndicator() const { return fShowIndicator; }
    void SetShowIndicator(bool value);
    float LineLength() const { return fLineLength; }
    void SetLineLength(float value);
    float LineWidth() const { return fLineWidth; }
    void SetLineWidth(float value);
    bool DrawBorder() const { return fDrawBorder; }
    void SetDrawBorder(bool value);
    bool ShowFocusedState() const { return fShowFocusedState; }
    void SetShowFocusedState(bool value);
    bool Transparent() const { return fTransparent; }
    void SetTransparent(bool value);
    const QImage &KnobImage() const { return fKnobImage; }
    void SetKnobImage(const QImage &image); // a null image clears it
    bool RotateImage() const { return fRotateImage; }
    void SetRotateImage(bool value);

    // Control properties under their panel names.
    bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
    void SetTabStop(bool value);
    QString Hint() const { return statusTip(); } // shown in the status line
    void SetHint(const QString &value) { setStatusTip(value); }
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool value) { setEnabled(value); }
    bool Visible() const { return !isHidden(); }
    void SetVisible(bool value) { setVisible(value); }
    // Geometry through the square rule, applied at once even while hidden.
    void SetBounds(int left, int top, int width, int height);
    void SetWidth(int value);
    void SetHeight(int value);

    // Painting steps: RedrawKnob repaints face, rim, ring and indicator from
    // the stored background; AdjustKnobState only the ring and indicator.
    void RedrawKnob();
    void AdjustKnobState();
    // The last finished picture (RGB888, Diameter() x Diameter()).
    const QImage &FrameImage() const { return m_canvas; }

    // Read-only state, for the panel's diagnostics and the tests.
    int Angle() const { return fAngle; }
    int MouseAngle() const { return fMouseAngle; }
    float AngleInterval() const { return fAngleInterval; }
    std::int64_t Steps() const { return fSteps; }
    int Diameter() const { return fDiameter; }
    float Radius() const { return fRadius; }
    bool Dragging() const { return fDragging; }
    int CalcPosition(int a) const;

    void setVisible(bool visible) override;
    QSize sizeHint() const override { return QSize(fDiameter, fDiameter); }

signals:
    void OnChange(TKnob *sender);
    void OnClick(TKnob *sender);
    void OnEnter(TKnob *sender);
    void OnExit(TKnob *sender);
    void OnMouseDown(TKnob *sender, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void OnMouseUp(TKnob *sender, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void OnMouseMove(TKnob *sender, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    void OnKeyDown(TKnob *sender, int key, Qt::KeyboardModifiers modifiers);
    void OnKeyUp(TKnob *sender, int key, Qt::KeyboardModifiers modifiers);
    void OnKeyPress(TKnob *sender, QChar key);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void SetSteps();
    void CalcAngle();
    void pressStep(QMouseEvent *event, bool armClick);

    // Painting pipeline (tknobpaint.cpp).
    bool plainFace() const { return !fTransparent && fKnobImage.isNull(); }
    void paintFrame(bool refresh);
    void PaintKnobFace(QImage &image, bool refresh);
    void PaintKnobBorder(QImage &image);
    void PaintState(QImage &image, bool restore);
    void PaintIndicator(QImage &image);
    void PutKnobImage();
    void SetCircleMask();
    void GetParentImage(QImage &image);
    void GetOuterCircleImage(const QImage &background);
    void applySquareSize();
    void invalidateKnob();

    TColor fLineColor = clActiveCaption;
    TColor fKnobColor = clBtnFace;
    std::int32_t fMin = 0;
    std::int32_t fMax = 127;
    std::int32_t fPosition = 0;
    QPointer<QLabel> fPositionLabel;
    bool fSpringLoaded = false;
    quint16 fPageSize = 10;
    int fDiameter = 0;
    float fRadius = 0.0f;
    std::int64_t fSteps = 0;
    float fAngleInterval = 0.0f;
    int fAngle = 240;
    int fMouseAngle = 0;
    bool fDragging = false;
    bool fTransparent = false;
    QImage fKnobImage;
    TIndicatorType fIndicatorType = itLine;
    bool fShowIndicator = true;
    bool fDrawBorder = true;
    bool fRotateImage = true;
    bool fShowFocusedState = true;
    QImage sImage;      // face source: background under the knob, or the placed KnobImage
    QImage mImage;      // circle mask: white inside
    QImage outer_Image; // background outside the circle, black inside
    QImage fImage;      // finished face with its rim
    bool fLoadedKnobImage = false;
    float fLineLength = 3.0f;
    float fLineWidth = 2.0f;
    TSmoothLine fSmoothLine;
    QString fCaption;

    QImage m_canvas;               // the picture shown by paintEvent
    bool m_canvasFresh = false;    // m_canvas was drawn since the last paint
    bool m_needsFullPaint = true;  // background or layout changed: ask the parent again
    bool m_haveFace = false;       // fImage holds a finished face
    bool m_inPaint = false;
    bool m_renderingParent = false;
    bool m_clickArmed = false;     // left press seen: a release over the control clicks
    std::uint64_t m_assignments = 0; // SetParams calls, to see whether a click handler placed the knob
};
