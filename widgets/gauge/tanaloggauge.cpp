#include "gauge/tanaloggauge.h"

#include "gauge/gaugesampling.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

#include <chrono>
#include <cstring>
#include <utility>

using Counter = std::chrono::steady_clock;

namespace {

// Copies the blocks of control pixels in `spans` from one supersampled image
// to another of the same size and format.
void copySpans(const QImage &from, QImage &to, const std::vector<RowSpan> &spans, int k)
{
    const qsizetype fromStride = from.bytesPerLine();
    const qsizetype toStride = to.bytesPerLine();
    const uchar *src = from.constBits();
    uchar *dst = to.bits();
    for (std::size_t y = 0; y < spans.size(); ++y) {
        const RowSpan &s = spans[y];
        if (s.empty())
            continue;
        const std::size_t offset = std::size_t(s.left) * k * 4;
        const std::size_t bytes = std::size_t(s.right - s.left + 1) * k * 4;
        for (qsizetype row = qsizetype(y) * k; row < qsizetype(y + 1) * k; ++row)
            std::memcpy(dst + row * toStride + offset, src + row * fromStride + offset, bytes);
    }
}

// The control pixels of all spans.
QRect boundsOf(const std::vector<RowSpan> &spans)
{
    RowSpan columns;
    int top = -1;
    int bottom = -1;
    for (std::size_t y = 0; y < spans.size(); ++y) {
        if (spans[y].empty())
            continue;
        columns.add(spans[y].left, spans[y].right);
        if (top < 0)
            top = int(y);
        bottom = int(y);
    }
    return top < 0 ? QRect() : QRect(QPoint(columns.left, top), QPoint(columns.right, bottom));
}

} // namespace

TAnalogGauge::TAnalogGauge(QWidget *parent)
    : QWidget(parent)
    , FMinColor(clGreen)
    , FMidColor(clYellow)
    , FMaxColor(clRed)
    , FFaceColor(clBtnFace)
    , FTicksColor(clBlack)
    , FValueColor(clBlack)
    , FCaptionColor(clBlack)
    , FArrowColor(clBlack)
    , FMarginColor(clBlack)
    , FCenterColor(clGray)
    , FCircleColor(clBlue)
    , FCenterRadius(8)
    , FCircleRadius(3)
    , FScaleAngle(120)
    , FArrowWidth(1)
    , FNumMainTicks(7)
    , FLengthMainTicks(15)
    , FLengthSubTicks(8)
    , FFaceOptions(defaultFaceOptions())
    , FScaleValue(140)
    , FMinimum(30)
    , FMaximum(80)
    , FAntiAliased(aaNone)
    , m_caption(QStringLiteral("mV"))
{
    FPeriod = qint64(Counter::period::den / Counter::period::num);
    // The whole rectangle is painted from the images; nothing shows through.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(60, 50);
    resize(225, 180);
    m_ready = true;
    RedrawScale();
    FFrames = 0; // nothing has been measured for a caller yet
}

TAnalogGauge::~TAnalogGauge() = default;

qint64 TAnalogGauge::counterNow()
{
    return qint64(Counter::now().time_since_epoch().count());
}

GaugeGeometry TAnalogGauge::geometryFor(int k) const
{
    return gaugeGeometry(m_style, width() * k, height() * k, m_margin * k, FScaleAngle);
}

// ---- setters -------------------------------------------------------------

void TAnalogGauge::SetPosition(float value)
{
    if (value == m_position)
        return;
    m_position = value;
    if (FMaximum < m_position)
        emit OnOverMax(this);
    if (FMinimum > m_position)
        emit OnOverMin(this);
    // A value so close to the last that the needle lands on the same pixels
    // changes nothing that shows.
    const int k = GetAAMultipler();
    if (!m_faceStale && FFaceBitmap.size() == size() * k && needleFor(FFaceBitmap.size(), k) == m_shownNeedle)
        return;
    RedrawArrow();
}

void TAnalogGauge::SetScale(int value)
{
    if (value == FScaleValue)
        return;
    // A value that is not taken leaves the picture as it is: nothing to
    // rebuild (the refresh assigns limits out of range on every tick).
    ScaleLimits l{FScaleValue, FMinimum, FMaximum};
    if (!applyScale(l, value))
        return;
    FScaleValue = l.scale;
    FMinimum = l.indMinimum;
    FMaximum = l.indMaximum;
    RedrawScale();
}

void TAnalogGauge::SetIndMinimum(int value)
{
    if (value == FMinimum)
        return;
    ScaleLimits l{FScaleValue, FMinimum, FMaximum};
    if (!applyIndMinimum(l, value))
        return;
    FMinimum = l.indMinimum;
    RedrawScale();
}

void TAnalogGauge::SetIndMaximum(int value)
{
    if (value == FMaximum)
        return;
    ScaleLimits l{FScaleValue, FMinimum, FMaximum};
    if (!applyIndMaximum(l, value))
        return;
    FMaximum = l.indMaximum;
    RedrawScale();
}

void TAnalogGauge::SetAngle(int value)
{
    if (value == FScaleAngle)
        return;
    if (!angleAccepted(value))
        return;
    FScaleAngle = value;
    RedrawScale();
}

void TAnalogGauge::SetStyle(TStyle value)
{
    if (value == m_style)
        return;
    m_style = value;
    RedrawScale();
}

void TAnalogGauge::setScaleInt(int &store, int value)
{
    if (value == store)
        return;
    store = value;
    RedrawScale();
}

void TAnalogGauge::SetMargin(int value) { setScaleInt(m_margin, value); }
void TAnalogGauge::SetLengthMainTicks(int value) { setScaleInt(FLengthMainTicks, value); }
void TAnalogGauge::SetLengthSubTicks(int value) { setScaleInt(FLengthSubTicks, value); }
void TAnalogGauge::SetCenterRadius(int value) { setScaleInt(FCenterRadius, value); }
void TAnalogGauge::SetCircleRadius(int value) { setScaleInt(FCircleRadius, value); }

void TAnalogGauge::SetNumberMainTicks(int value)
{
    // Below one interval there is nothing to divide the scale by.
    if (!mainTicksAccepted(value))
        return;
    setScaleInt(FNumMainTicks, value);
}

void TAnalogGauge::SetArrowWidth(int value)
{
    value = limitArrowWidth(value);
    if (value == FArrowWidth)
        return;
    FArrowWidth = value;
    RedrawArrow();
}

void TAnalogGauge::SetFaceOptions(TFaceOptions value)
{
    if (value == FFaceOptions)
        return;
    FFaceOptions = value;
    RedrawScale();
}

void TAnalogGauge::SetCaption(const QString &value)
{
    if (value == m_caption)
        return;
    m_caption = value;
    RedrawScale();
}

void TAnalogGauge::SetAntiAliased(TAntialiased value)
{
    if (value == FAntiAliased)
        return;
    FAntiAliased = value;
    // Images of the new factor; the averaged one exists only while sampling.
    FBackBitmap = QImage();
    FFaceBitmap = QImage();
    FAABitmap = QImage();
    RedrawScale();
}

void TAnalogGauge::setColor(TColor &store, TColor value)
{
    if (value == store)
        return;
    store = value;
    RedrawScale();
}

void TAnalogGauge::SetFaceColor(TColor value) { setColor(FFaceColor, value); }
void TAnalogGauge::SetTicksColor(TColor value) { setColor(FTicksColor, value); }
void TAnalogGauge::SetValueColor(TColor value) { setColor(FValueColor, value); }
void TAnalogGauge::SetCaptionColor(TColor value) { setColor(FCaptionColor, value); }
void TAnalogGauge::SetArrowColor(TColor value) { setColor(FArrowColor, value); }
void TAnalogGauge::SetMarginColor(TColor value) { setColor(FMarginColor, value); }
void TAnalogGauge::SetMinColor(TColor value) { setColor(FMinColor, value); }
void TAnalogGauge::SetMidColor(TColor value) { setColor(FMidColor, value); }
void TAnalogGauge::SetMaxColor(TColor value) { setColor(FMaxColor, value); }
void TAnalogGauge::SetCenterColor(TColor value) { setColor(FCenterColor, value); }
void TAnalogGauge::SetCircleColor(TColor value) { setColor(FCircleColor, value); }

// ---- redraw pipeline -----------------------------------------------------

bool TAnalogGauge::syncImages()
{
    const int k = GetAAMultipler();
    const QSize big = size() * k;
    const bool aaOk = k == 1 ? FAABitmap.isNull() : FAABitmap.size() == size();
    if (FBackBitmap.size() == big && FFaceBitmap.size() == big && aaOk)
        return false;
    FBackBitmap = QImage(big, QImage::Format_RGB32);
    FFaceBitmap = QImage(big, QImage::Format_RGB32);
    FAABitmap = k == 1 ? QImage() : QImage(size(), QImage::Format_RGB32);
    m_faceStale = true;
    return true;
}

void TAnalogGauge::BeginUpdate()
{
    ++m_updateDepth;
}

void TAnalogGauge::EndUpdate()
{
    if (m_updateDepth == 0 || --m_updateDepth > 0)
        return;
    const bool scale = std::exchange(m_scaleDeferred, false);
    const bool arrow = std::exchange(m_arrowDeferred, false);
    if (scale)
        RedrawScale();
    else if (arrow)
        RedrawArrow();
}

void TAnalogGauge::RedrawScale()
{
    if (!m_ready)
        return;
    if (m_updateDepth > 0) {
        m_scaleDeferred = true;
        return;
    }
    FTicker = counterNow();
    syncImages();
    DrawScale(FBackBitmap, GetAAMultipler());
    m_faceStale = true;
    RedrawArrow();
}

void TAnalogGauge::RedrawArrow()
{
    if (!m_ready)
        return;
    if (m_updateDepth > 0) {
        m_arrowDeferred = true;
        return;
    }
    if (FTicker < 0)
        FTicker = counterNow();
    const int k = GetAAMultipler();
    if (syncImages()) // resized while hidden: the cached scale is new and blank
        DrawScale(FBackBitmap, k);

    // Only the pixels of the old and the new needle differ from the cached
    // scale, so only they are restored and averaged again, row by row; the
    // result is the same as copying the whole scale and averaging every block.
    const Needle n = needleFor(FFaceBitmap.size(), k);
    needleRowSpans(n.pivot, n.tip, n.hasLine, n.width, n.diskRadius, FFaceBitmap.size(), k, m_newSpans);
    QRect changed;
    if (m_faceStale) {
        std::memcpy(FFaceBitmap.bits(), FBackBitmap.constBits(), std::size_t(FBackBitmap.sizeInBytes()));
        DrawArrow(FFaceBitmap, k);
        if (k > 1)
            averageBlocks(FFaceBitmap, FAABitmap, k);
        changed = rect();
    } else {
        copySpans(FBackBitmap, FFaceBitmap, m_needleSpans, k);
        DrawArrow(FFaceBitmap, k);
        if (k > 1)
            averageBlocks(FFaceBitmap, FAABitmap, k, m_needleSpans, m_newSpans);
        changed = boundsOf(m_needleSpans) | boundsOf(m_newSpans);
    }
    std::swap(m_needleSpans, m_newSpans);
    m_shownNeedle = n;
    m_faceStale = false;
    if (isVisible())
        repaint(changed);

    if (const auto frames = framesFromElapsed(FPeriod, counterNow() - FTicker); frames && *frames != FFrames) {
        FFrames = *frames;
        emit OnFrames(this);
    }
    FTicker = -1;
}

void TAnalogGauge::FastAntiAliasPicture()
{
    if (GetAAMultipler() > 1)
        averageBlocks(FFaceBitmap, FAABitmap, GetAAMultipler());
}

// ---- events --------------------------------------------------------------

void TAnalogGauge::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const QRect r = event->rect();
    p.drawImage(r.topLeft(), shownImage(), r);
}

void TAnalogGauge::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    RedrawScale();
}

void TAnalogGauge::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        RedrawScale();
}
