#pragma once
// TRotatableImage: a picture turned by any angle with bilinear sampling and
// per-pixel transparency, painted over whatever the parent and the siblings
// below it painted inside its rectangle. The panel stacks several of these for
// its round instruments (attitude, compass card, markers, needles).
//
// The control never fills its background: Qt shows what lies beneath a child
// widget that does not, so transparent pixels let the instrument face through.
// Each change of angle, picture or mode rebuilds the pixel buffers once;
// painting only puts a ready buffer over the area beneath.
#include "common/tcolor.h"
#include "image/pixelbuffer.h"

#include <QImage>
#include <QPoint>
#include <QWidget>

#include <cstdint>
#include <functional>

class TRotatableImage : public QWidget
{
    Q_OBJECT

public:
    // Maps a client pixel (AU, AV), rows counted from the bottom, to the point
    // (AX, AY) of the picture to show there; AX, AY arrive as the plain scaled
    // position and may be changed.
    using TCustomMappingEvent =
        std::function<void(TRotatableImage *Sender, std::uint16_t AU, std::uint16_t AV, float &AX, float &AY)>;

    explicit TRotatableImage(QWidget *parent = nullptr);
    ~TRotatableImage() override;

    // The picture shown (owned copy). Setting it always rebuilds.
    const QImage &Picture() const { return m_picture; }
    void SetPicture(const QImage &picture);

    // Degrees; positive turns counter-clockwise on screen. Kept as given, the
    // drawing uses it reduced into 0 <= a < 360.
    double RotationAngle() const { return m_rotationAngle; }
    void SetRotationAngle(double degrees);
    double ReducedAngle() const { return m_reducedAngle; }
    double ReducedRadians() const { return m_reducedRadians; }

    bool Center() const { return m_center; }
    void SetCenter(bool center);

    // Honour the picture's transparent colour (its bottom-left pixel, white for
    // a two-colour bitmap, unless one is named with SetTransparentColor).
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);
    TColor TransparentColor() const;
    void SetTransparentColor(TColor color);
    void ResetTransparentColor(); // back to the picture's own colour

    // Colour of fully transparent pixels, toward which the turned edges fade.
    TColor BlendColor() const { return m_blendColor; }
    void SetBlendColor(TColor color);

    bool Stretch() const { return m_stretch; }
    void SetStretch(bool stretch);
    bool Proportional() const { return m_proportional; }
    void SetProportional(bool proportional);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);
    bool CustomMapping() const { return m_customMapping; }
    void SetCustomMapping(bool customMapping);
    // Kept for the layout; pictures arrive whole, so there is nothing to show
    // while one loads.
    bool IncrementalDisplay() const { return m_incrementalDisplay; }
    void SetIncrementalDisplay(bool incrementalDisplay);

    const TCustomMappingEvent &OnCustomMapping() const { return m_onCustomMapping; }
    void SetOnCustomMapping(TCustomMappingEvent handler);

    int RotatedWidth() const;
    int RotatedHeight() const;
    int StretchedWidth() const;
    int StretchedHeight() const;

    // The ready buffers: the picture with alpha, turned, scaled to the control
    // and custom-mapped. Empty when not needed (no turned buffer at angle 0).
    const PixelBuffer &SourceBuffer() const { return m_source; }
    const PixelBuffer &RotatedBuffer() const { return m_rotated; }
    const PixelBuffer &StretchedBuffer() const { return m_stretched; }
    const PixelBuffer &CustomMapBuffer() const { return m_customMap; }

    // The control's drawing over an image of what lies beneath it (client
    // size), blended exactly with BlendChannel; paintEvent draws the same with
    // QPainter, whose rounding may differ by one.
    QImage ComposeOver(const QImage &beneath) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // What painting puts where: the picture itself, a buffer, or nothing.
    struct PaintPlan
    {
        const QImage *picture = nullptr;
        const PixelBuffer *buffer = nullptr;
        QPoint offset;
    };
    PaintPlan paintPlan() const;

    void PictureChanged();
    void MakeData();
    void invalidateSource();

    QImage m_picture;
    QImage m_display; // the picture with its transparency applied
    double m_rotationAngle = 0.0;
    double m_reducedAngle = 0.0;
    double m_reducedRadians = 0.0;
    bool m_center = false;
    bool m_transparent = false;
    bool m_transparentColorNamed = false;
    TColor m_transparentColor = clWhite;
    TColor m_blendColor = clBtnFace;
    bool m_stretch = false;
    bool m_proportional = false;
    bool m_autoSize = false;
    bool m_customMapping = false;
    bool m_incrementalDisplay = false;
    bool m_drawing = false;
    TCustomMappingEvent m_onCustomMapping;

    bool m_sourceValid = false; // m_source and m_display match picture, transparency and blend colour
    PixelBuffer m_source;
    PixelBuffer m_rotated;
    PixelBuffer m_stretched;
    PixelBuffer m_customMap;
    QSize m_builtFor; // client size the buffers were made for
};
