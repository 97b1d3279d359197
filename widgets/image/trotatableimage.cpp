#include "image/trotatableimage.h"

#include "image/compose.h"
#include "image/imagegeometry.h"
#include "image/pixeldata.h"
#include "image/resample.h"

#include <QPainter>
#include <QResizeEvent>
#include <QSysInfo>

namespace {

// Draws a buffer without copying it where the byte layouts agree.
QImage viewOf(const PixelBuffer &buffer)
{
    if constexpr (QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
        return QImage(reinterpret_cast<const uchar *>(buffer.pixels.data()), buffer.width, buffer.height,
                      qsizetype(buffer.width) * qsizetype(sizeof(Pixel)), QImage::Format_RGBA8888);
    } else {
        return ToQImage(buffer);
    }
}

} // namespace

TRotatableImage::TRotatableImage(QWidget *parent)
    : QWidget(parent)
{
    resize(105, 105);
    m_builtFor = size();
}

TRotatableImage::~TRotatableImage() = default;

void TRotatableImage::SetPicture(const QImage &picture)
{
    m_picture = picture;
    invalidateSource();
    PictureChanged();
}

void TRotatableImage::SetRotationAngle(double degrees)
{
    if (degrees == m_rotationAngle)
        return;
    m_rotationAngle = degrees;
    const double reduced = ReduceAngle(degrees);
    // A whole turn more or less shows the same picture.
    if (reduced == m_reducedAngle)
        return;
    m_reducedAngle = reduced;
    m_reducedRadians = DegreesToRadians(m_reducedAngle);
    PictureChanged();
}

void TRotatableImage::SetCenter(bool center)
{
    if (center == m_center)
        return;
    m_center = center;
    PictureChanged();
}

void TRotatableImage::SetTransparent(bool transparent)
{
    if (transparent == m_transparent)
        return;
    m_transparent = transparent;
    invalidateSource();
    PictureChanged();
}

TColor TRotatableImage::TransparentColor() const
{
    return m_transparentColorNamed ? m_transparentColor : DefaultTransparentColor(m_picture);
}

void TRotatableImage::SetTransparentColor(TColor color)
{
    if (m_transparentColorNamed && color == m_transparentColor)
        return;
    m_transparentColorNamed = true;
    m_transparentColor = color;
    invalidateSource();
    PictureChanged();
}

void TRotatableImage::ResetTransparentColor()
{
    if (!m_transparentColorNamed)
        return;
    m_transparentColorNamed = false;
    invalidateSource();
    PictureChanged();
}

void TRotatableImage::SetBlendColor(TColor color)
{
    if (color == m_blendColor)
        return;
    m_blendColor = color;
    invalidateSource();
    PictureChanged();
}

void TRotatableImage::SetStretch(bool stretch)
{
    if (stretch == m_stretch)
        return;
    m_stretch = stretch;
    PictureChanged();
}

void TRotatableImage::SetProportional(bool proportional)
{
    if (proportional == m_proportional)
        return;
    m_proportional = proportional;
    PictureChanged();
}

void TRotatableImage::SetAutoSize(bool autoSize)
{
    if (autoSize == m_autoSize)
        return;
    m_autoSize = autoSize;
    PictureChanged();
}

void TRotatableImage::SetCustomMapping(bool customMapping)
{
    if (customMapping == m_customMapping)
        return;
    m_customMapping = customMapping;
    PictureChanged();
}

void TRotatableImage::SetIncrementalDisplay(bool incrementalDisplay)
{
    m_incrementalDisplay = incrementalDisplay;
}

void TRotatableImage::SetOnCustomMapping(TCustomMappingEvent handler)
{
    m_onCustomMapping = std::move(handler);
    // A handler assigned after the mode was switched on takes effect at once.
    if (m_customMapping)
        PictureChanged();
}

int TRotatableImage::RotatedWidth() const
{
    return ::RotatedWidth(m_picture.width(), m_picture.height(), m_reducedRadians);
}

int TRotatableImage::RotatedHeight() const
{
    return ::RotatedHeight(m_picture.width(), m_picture.height(), m_reducedRadians);
}

int TRotatableImage::StretchedWidth() const
{
    return ::StretchedWidth(QSize(RotatedWidth(), RotatedHeight()), size(), m_stretch, m_proportional);
}

int TRotatableImage::StretchedHeight() const
{
    return ::StretchedHeight(QSize(RotatedWidth(), RotatedHeight()), size(), m_stretch, m_proportional);
}

void TRotatableImage::invalidateSource()
{
    m_sourceValid = false;
}

void TRotatableImage::PictureChanged()
{
    const int rw = RotatedWidth();
    const int rh = RotatedHeight();
    if (m_autoSize && rw > 0 && rh > 0 && !m_customMapping)
        resize(rw, rh);
    MakeData();
    if (!m_drawing)
        update();
}

void TRotatableImage::MakeData()
{
    m_rotated.clear();
    m_stretched.clear();
    m_customMap.clear();
    m_builtFor = size();
    if (m_picture.isNull()) {
        m_source.clear();
        m_display = QImage();
        m_sourceValid = true;
        return;
    }
    // The source depends only on the picture, its transparency and the blend
    // colour, so a new angle or mode reuses it.
    const Pixel blendCol = BlendColOf(m_blendColor);
    if (!m_sourceValid) {
        m_display = PictureWithTransparency(m_picture, m_transparent, TransparentColor());
        m_source = ::MakeData(m_display, blendCol);
        m_sourceValid = true;
    }
    const QSize rotated(RotatedWidth(), RotatedHeight());
    if (m_reducedAngle != 0.0)
        m_rotated = MakeRotated(m_source, m_reducedRadians, rotated.width(), rotated.height(), blendCol);
    if (NeedsStretch(rotated, size(), m_stretch, m_proportional)) {
        const QSize stretched = StretchedSize(rotated, size(), m_stretch, m_proportional);
        m_stretched = MakeStretched(m_reducedAngle != 0.0 ? m_rotated : m_source, stretched.width(),
                                    stretched.height(), blendCol);
    }
    if (m_customMapping && m_onCustomMapping) {
        const auto map = [this](std::uint16_t au, std::uint16_t av, float &ax, float &ay) {
            m_onCustomMapping(this, au, av, ax, ay);
        };
        m_customMap = MakeCustomMapping(m_source, width(), height(), map, blendCol);
    }
}

TRotatableImage::PaintPlan TRotatableImage::paintPlan() const
{
    PaintPlan plan;
    const QSize rotated(RotatedWidth(), RotatedHeight());
    if (m_picture.isNull() || rotated.isEmpty())
        return plan;
    if (m_customMapping) {
        plan.buffer = &m_customMap;
        return plan;
    }
    if (!NeedsStretch(rotated, size(), m_stretch, m_proportional)) {
        plan.offset = CenterOffset(size(), rotated, m_center);
        if (m_reducedAngle == 0.0)
            plan.picture = &m_display;
        else
            plan.buffer = &m_rotated;
        return plan;
    }
    plan.offset = CenterOffset(size(), QSize(StretchedWidth(), StretchedHeight()), m_center);
    plan.buffer = &m_stretched;
    return plan;
}

QImage TRotatableImage::ComposeOver(const QImage &beneath) const
{
    QImage surface = beneath.convertToFormat(QImage::Format_RGB32);
    const PaintPlan plan = paintPlan();
    if (plan.picture)
        BlendBuffer(surface, m_source, plan.offset); // the picture with its own alpha
    else if (plan.buffer)
        BlendBuffer(surface, *plan.buffer, plan.offset);
    return surface;
}

void TRotatableImage::paintEvent(QPaintEvent *)
{
    if (!parentWidget())
        return;
    m_drawing = true;
    // A size change not yet seen by resizeEvent (a hidden control) still gets
    // buffers made for the current size.
    if (size() != m_builtFor && (m_stretch || m_proportional || m_customMapping))
        MakeData();
    const PaintPlan plan = paintPlan();
    if (plan.picture || (plan.buffer && !plan.buffer->isEmpty())) {
        QPainter painter(this);
        if (plan.picture)
            painter.drawImage(plan.offset, *plan.picture);
        else
            painter.drawImage(plan.offset, viewOf(*plan.buffer));
    }
    m_drawing = false;
}

void TRotatableImage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The scaled and custom-mapped buffers follow the client size.
    if (size() != m_builtFor && (m_stretch || m_proportional || m_customMapping) && !m_picture.isNull())
        MakeData();
}
