#pragma once
// TAnalogGauge: the panel's self-drawn dial instrument. The scale (frame,
// caption, range arcs, ticks and numbers) is drawn once into FBackBitmap; a
// change of Position only restores the old needle's area from it, draws the
// new needle into FFaceBitmap and, when supersampling, averages the touched
// blocks into FAABitmap.
#include "common/tcolor.h"
#include "gauge/gaugegeometry.h"
#include "gauge/gaugerules.h"
#include "gauge/gaugetypes.h"

#include <QFont>
#include <QImage>
#include <QPen>
#include <QString>
#include <QWidget>

#include <vector>

class TAnalogGauge : public QWidget {
    Q_OBJECT
public:
    explicit TAnalogGauge(QWidget *parent = nullptr);
    ~TAnalogGauge() override;

    // Property changes between BeginUpdate and the matching EndUpdate draw
    // nothing; EndUpdate draws once what they asked for. (Setting up a dial
    // takes some twenty properties, each of which would rebuild the scale.)
    void BeginUpdate();
    void EndUpdate();

    // Value shown by the needle, in scale units; not limited to the scale.
    float Position() const { return m_position; }
    void SetPosition(float value);

    int Scale() const { return FScaleValue; }
    void SetScale(int value);
    int IndMinimum() const { return FMinimum; }
    void SetIndMinimum(int value);
    int IndMaximum() const { return FMaximum; }
    void SetIndMaximum(int value);
    int Angle() const { return FScaleAngle; }
    void SetAngle(int value);
    TStyle Style() const { return m_style; }
    void SetStyle(TStyle value);
    int Margin() const { return m_margin; }
    void SetMargin(int value);
    int NumberMainTicks() const { return FNumMainTicks; }
    void SetNumberMainTicks(int value);
    int LengthMainTicks() const { return FLengthMainTicks; }
    void SetLengthMainTicks(int value);
    int LengthSubTicks() const { return FLengthSubTicks; }
    void SetLengthSubTicks(int value);
    int ArrowWidth() const { return FArrowWidth; }
    void SetArrowWidth(int value);
    int CenterRadius() const { return FCenterRadius; }
    void SetCenterRadius(int value);
    int CircleRadius() const { return FCircleRadius; }
    void SetCircleRadius(int value);
    TFaceOptions FaceOptions() const { return FFaceOptions; }
    void SetFaceOptions(TFaceOptions value);
    QString Caption() const { return m_caption; }
    void SetCaption(const QString &value);
    TAntialiased AntiAliased() const { return FAntiAliased; }
    void SetAntiAliased(TAntialiased value);
    QFont Font() const { return font(); }
    void SetFont(const QFont &value) { setFont(value); }

    TColor FaceColor() const { return FFaceColor; }
    void SetFaceColor(TColor value);
    TColor TicksColor() const { return FTicksColor; }
    void SetTicksColor(TColor value);
    TColor ValueColor() const { return FValueColor; }
    void SetValueColor(TColor value);
    TColor CaptionColor() const { return FCaptionColor; }
    void SetCaptionColor(TColor value);
    TColor ArrowColor() const { return FArrowColor; }
    void SetArrowColor(TColor value);
    TColor MarginColor() const { return FMarginColor; }
    void SetMarginColor(TColor value);
    TColor MinColor() const { return FMinColor; }
    void SetMinColor(TColor value);
    TColor MidColor() const { return FMidColor; }
    void SetMidColor(TColor value);
    TColor MaxColor() const { return FMaxColor; }
    void SetMaxColor(TColor value);
    TColor CenterColor() const { return FCenterColor; }
    void SetCenterColor(TColor value);
    TColor CircleColor() const { return FCircleColor; }
    void SetCircleColor(TColor value);

    // Redraws per second of the last needle redraw (0 until one was measured).
    int Frames() const { return FFrames; }

    // Supersampling factor K: 1, 2, 3 or 4.
    int GetAAMultipler() const { return aaFactor(FAntiAliased); }
    // Geometry of an image of the control's size times k.
    GaugeGeometry geometryFor(int k) const;

    // Draws the whole scale into `image` (the control's size times k). A
    // side style lowers a scale angle above 90 to 90, and Angle keeps it.
    void DrawScale(QImage &image, int k);
    // Draws the needle and the pivot disk into `image` over what is there.
    void DrawArrow(QImage &image, int k) const;
    // Rebuilds the cached scale, then the needle.
    void RedrawScale();
    // Redraws the needle over the cached scale, averages, paints at once and
    // updates Frames.
    void RedrawArrow();
    // Averages the whole face image into the averaged image.
    void FastAntiAliasPicture();
    // Solid line of that width and colour with flat end caps.
    static void SetPenStyles(QPen &pen, int width, TColor color);

    // The cached scale, the scale with the needle (both K times the control's
    // size), the averaged picture (null without supersampling), and the
    // picture painted on the control.
    const QImage &scaleImage() const { return FBackBitmap; }
    const QImage &faceImage() const { return FFaceBitmap; }
    const QImage &averagedImage() const { return FAABitmap; }
    const QImage &shownImage() const { return FAntiAliased == aaNone ? FFaceBitmap : FAABitmap; }

    QSize sizeHint() const override { return {225, 180}; }

signals:
    // Position was set above IndMaximum (on every such change).
    void OnOverMax(TAnalogGauge *sender);
    // Position was set below IndMinimum (on every such change).
    void OnOverMin(TAnalogGauge *sender);
    // Frames changed.
    void OnFrames(TAnalogGauge *sender);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Makes the images fit the control's size and K; true when remade.
    bool syncImages();
    void setColor(TColor &store, TColor value);
    void setScaleInt(int &store, int value);
    void drawText(QPainter &p, QPoint anchor, const QString &text, TColor color) const;
    void drawRangeArc(QPainter &p, const GaugeGeometry &g, int from, int to, TColor color, int k) const;
    // Where DrawArrow draws on an image of the given size.
    struct Needle {
        QPoint pivot;
        QPoint tip;
        bool hasLine = false;
        int width = 1;
        int diskRadius = 0;
        bool operator==(const Needle &) const = default;
    };
    Needle needleFor(QSize imageSize, int k) const;
    // Rows of a pivot disk of that radius as the rasteriser fills it, relative
    // to a square of side 2 * radius + 4 around it (kept for the last radius).
    const std::vector<RowSpan> &diskRows(int radius) const;
    static qint64 counterNow();

    TColor FMinColor;
    TColor FMidColor;
    TColor FMaxColor;
    TColor FFaceColor;
    TColor FTicksColor;
    TColor FValueColor;
    TColor FCaptionColor;
    TColor FArrowColor;
    TColor FMarginColor;
    TColor FCenterColor;
    TColor FCircleColor;
    int FCenterRadius;
    int FCircleRadius;
    int FScaleAngle;
    int FArrowWidth;
    int FNumMainTicks;
    int FLengthMainTicks;
    int FLengthSubTicks;
    TFaceOptions FFaceOptions;
    int FScaleValue;
    int FMinimum;
    int FMaximum;
    TAntialiased FAntiAliased;
    QImage FBackBitmap;
    QImage FFaceBitmap;
    QImage FAABitmap;
    qint64 FTicker = -1;
    qint64 FPeriod = 0;
    int FFrames = 0;

    float m_position = 0.0f;
    TStyle m_style = CenterStyle;
    int m_margin = 10;
    QString m_caption;
    bool m_ready = false;      // construction finished; images exist
    bool m_faceStale = true;   // the face image must be copied whole
    int m_updateDepth = 0;     // open BeginUpdate calls
    bool m_scaleDeferred = false; // asked for meanwhile: the scale rebuilt
    bool m_arrowDeferred = false; // the needle redrawn
    std::vector<RowSpan> m_needleSpans; // pixels of the needle now in the face image
    std::vector<RowSpan> m_newSpans;    // those of the needle being drawn
    Needle m_shownNeedle;               // the needle in the face image
    mutable int m_diskRadius = -1;      // radius of m_diskRows
    mutable std::vector<RowSpan> m_diskRows;
};
