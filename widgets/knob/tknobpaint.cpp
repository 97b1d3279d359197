// Painting pipeline of TKnob: background, face, rim, state ring, indicator.
#include "knob/aaprimitives.h"
#include "knob/tknob.h"

#include <QPainter>

#include <cmath>
#include <numbers>

namespace {

constexpr TColor RimLight = RGBColor(223, 223, 223);
constexpr TColor RimDark = RGBColor(127, 127, 127);
constexpr TColor RimHighlight = RGBColor(239, 239, 239);
constexpr TColor RingDisabled = RGBColor(128, 128, 128);
constexpr TColor RingIdle = RGBColor(63, 63, 63);

// The side x side window at the centre of `image`; uncovered pixels white.
QImage centredWindow(const QImage &image, int side)
{
    QImage out = newFaceImage(side, clWhite);
    if (out.isNull() || image.isNull())
        return out;
    const int ox = (image.width() - side) / 2;
    const int oy = (image.height() - side) / 2;
    for (int y = 0; y < side; ++y) {
        const int sy = y + oy;
        if (sy < 0 || sy >= image.height())
            continue;
        const uchar *src = image.constScanLine(sy);
        uchar *dst = out.scanLine(y);
        for (int x = 0; x < side; ++x) {
            const int sx = x + ox;
            if (sx >= 0 && sx < image.width())
                std::copy_n(src + 3 * sx, 3, dst + 3 * x);
        }
    }
    return out;
}

} // namespace

void TKnob::invalidateKnob()
{
    m_needsFullPaint = true;
    update();
}

void TKnob::paintFrame(bool refresh)
{
    applySquareSize();
    if (fDiameter <= 0)
        return;
    if (m_needsFullPaint)
        refresh = true;
    if (m_canvas.width() != fDiameter || m_canvas.format() != QImage::Format_RGB888)
        m_canvas = newFaceImage(fDiameter, clBlack);
    PaintKnobFace(m_canvas, refresh);
    if (fDrawBorder)
        PaintKnobBorder(m_canvas);
    PaintState(m_canvas, false);
    PaintIndicator(m_canvas);
    m_haveFace = true;
    m_needsFullPaint = false;
    m_canvasFresh = true;
    if (!m_inPaint)
        update();
}

void TKnob::RedrawKnob()
{
    paintFrame(false);
}

void TKnob::AdjustKnobState()
{
    applySquareSize();
    if (!m_haveFace || m_needsFullPaint || m_canvas.width() != fDiameter) {
        paintFrame(true);
        return;
    }
    PaintState(m_canvas, true);
    PaintIndicator(m_canvas);
    m_canvasFresh = true;
    if (!m_inPaint)
        update();
}

void TKnob::paintEvent(QPaintEvent *)
{
    // A paint that follows our own redraw shows it; any other (exposure, the
    // parent repainted) asks the parent for the background again.
    m_inPaint = true;
    if (!m_canvasFresh || m_needsFullPaint || m_canvas.width() != fDiameter)
        paintFrame(true);
    m_inPaint = false;
    m_canvasFresh = false;
    QPainter painter(this);
    painter.drawImage(0, 0, m_canvas);
}

void TKnob::SetCircleMask()
{
    mImage = circleMask(fDiameter, false);
}

void TKnob::GetParentImage(QImage &image)
{
    QWidget *parent = parentWidget();
    const QColor fill = parent ? parent->palette().color(parent->backgroundRole())
                               : palette().color(QPalette::Window);
    QImage background(fDiameter, fDiameter, QImage::Format_RGB32);
    background.fill(fill);
    if (parent && !m_renderingParent) {
        // The parent's own background and content, without its children (this
        // knob among them), at the knob's offset.
        const QRect mine = geometry();
        const QRect shared = mine & parent->rect();
        if (!shared.isEmpty()) {
            m_renderingParent = true;
            parent->render(&background, shared.topLeft() - mine.topLeft(), QRegion(shared),
                           QWidget::DrawWindowBackground);
            m_renderingParent = false;
        }
    }
    image = background.convertToFormat(QImage::Format_RGB888);
}

void TKnob::GetOuterCircleImage(const QImage &background)
{
    outer_Image = circleMask(fDiameter, true);
    andPixels(outer_Image, background);
}

void TKnob::PutKnobImage()
{
    if (sImage.isNull())
        return;
    sImage = newFaceImage(fDiameter, fKnobColor);
    const int side = fDiameter;
    const int pw = fKnobImage.width();
    const int ph = fKnobImage.height();
    // Unscaled and centred: a larger picture is cropped equally on both sides.
    const int srcX = pw > side ? (pw - side) / 2 : 0;
    const int srcY = ph > side ? (ph - side) / 2 : 0;
    const int dstX = pw < side ? (side - pw) / 2 : 0;
    const int dstY = ph < side ? (side - ph) / 2 : 0;
    const int cw = std::min(pw - srcX, side - dstX);
    const int ch = std::min(ph - srcY, side - dstY);
    for (int y = 0; y < ch; ++y)
        std::copy_n(fKnobImage.constScanLine(srcY + y) + 3 * srcX, 3 * std::max(cw, 0),
                    sImage.scanLine(dstY + y) + 3 * dstX);
    fLoadedKnobImage = true;
}

void TKnob::PaintKnobFace(QImage &image, bool refresh)
{
    const double R = fRadius;
    if (refresh)
        GetParentImage(image);
    if (plainFace()) {
        if (refresh)
            copyPixels(sImage, image);
        else
            copyPixels(image, sImage);
        DrawAntialiasedDisk(image, R, R, fDrawBorder ? R - 3.5 : R - 1.5, 1.4, fKnobColor);
        if (!fDrawBorder)
            copyPixels(fImage, image);
        return;
    }
    if (refresh)
        GetOuterCircleImage(image);
    if (!fTransparent) {
        if (!fLoadedKnobImage)
            PutKnobImage();
    } else if (refresh) {
        copyPixels(sImage, image);
    }
    // The picture is upright at Min and turns with the indicator.
    QImage face = fRotateImage
                      ? centredWindow(CreateRotatedBitmap(sImage, clWhite, fAngle - 240), fDiameter)
                      : sImage.copy();
    andPixels(face, mImage);
    orPixels(face, outer_Image);
    copyPixels(image, face);
    if (!fDrawBorder)
        copyPixels(fImage, image);
}

void TKnob::PaintKnobBorder(QImage &image)
{
    const double R = fRadius;
    if (plainFace()) {
        // The light falls on a fixed side of the turning knob: light arc at
        // a+30..a+120, dark arc opposite. The call form keeps the arc start
        // below 180 degrees.
        const int a = fAngle;
        if (a >= 150 && a < 270)
            DrawGradientCircle(image, R, R, R - 2.4, 1.8, 1.0, RimDark, RimLight, a - 150, a - 60);
        else if (a >= -30 && a < 150)
            DrawGradientCircle(image, R, R, R - 2.4, 1.8, 1.0, RimLight, RimDark, a + 30, a + 120);
        else if (a >= -60 && a < -30)
            DrawGradientCircle(image, R, R, R - 2.4, 1.8, 1.0, RimDark, RimLight, a + 210, a + 300);
        DrawAntialiasedCircle(image, R, R, R - 3.8, 0.8, 0.8, RimHighlight);
    } else {
        DrawAntialiasedCircle(image, R, R, R - 2.5, 1.0, 1.0, clWhite);
    }
    copyPixels(fImage, image);
}

void TKnob::PaintState(QImage &image, bool restore)
{
    if (fPositionLabel)
        fPositionLabel->setEnabled(isEnabled());
    if (restore)
        copyPixels(image, fImage);
    if (!fDrawBorder)
        return;
    TColor ring;
    if (!isEnabled())
        ring = RingDisabled;
    else if (fDragging)
        ring = clBlack;
    else if (fShowFocusedState)
        ring = hasFocus() ? clBlack : RingIdle;
    else
        ring = RingIdle;
    DrawAntialiasedCircle(image, fRadius, fRadius, fRadius - 1.0, 1.0, 1.0, ring);
}

void TKnob::PaintIndicator(QImage &image)
{
    const bool plain = plainFace();
    // A plain face always shows where it points; only a picture or a
    // transparent face may hide the indicator.
    if (!fShowIndicator && !plain)
        return;
    const double R = fRadius;
    double o = plain ? (fDrawBorder ? 6.0 : 3.0) : (fDrawBorder ? 5.0 : 3.0);
    if (fIndicatorType == itLine)
        o += fLineWidth / 2.0;
    const double rad = fAngle * std::numbers::pi / 180.0;
    const double c = std::cos(rad);
    const double s = std::sin(rad);
    const double r = R - o;
    if (fIndicatorType == itLine) {
        const double inner = r - fLineLength;
        fSmoothLine.Line2(image, R + r * c, R - r * s, R + inner * c, R - inner * s);
    } else {
        const double d = r - 1.0 - fLineLength / 2.0;
        DrawAntialiasedDisk(image, R + d * c, R - d * s, fLineLength / 2.0, 1.6, fLineColor);
    }
}
