#pragma once
// Small factories the layout files build the panel with: each makes one
// control with its name (objectName = the name the handlers use), parent,
// place (left, top, width, height in the parent's client area), hint (shown
// in the status line) and the properties every control of its kind shares on
// this panel. Kind-specific settings are made on the returned control.
#include "adapters/adapterlogic.h"
#include "common/tcolor.h"
#include "gauge/gaugetypes.h"
#include "knob/tknob.h"

#include <QRect>
#include <QString>

class BarGauge;
class FileList;
class PanelEdit;
class PanelImage;
class PanelLabel;
class PanelShape;
class QCheckBox;
class QDateEdit;
class QFrame;
class QGroupBox;
class QPushButton;
class QTimeEdit;
class QWidget;
class RadioGroup;
class SpeedButton;
class TAnalogGauge;
class TRotatableImage;
class TrackBar;
class UpDown;

namespace layout {

// The panel's fonts.
QFont panelFont();                          // "MS Sans Serif", 11 pixels
QFont panelFont(int pixels, bool bold = false, const char *family = "MS Sans Serif");

QGroupBox *group(QWidget *parent, const char *name, const QString &caption, const QString &hint, QRect place);
// A plain panel for a sub-area; bevelled panels are raised, flat ones have none.
enum class Bevel { None, Raised, Lowered };
QFrame *panel(QWidget *parent, const char *name, QRect place, TColor color = clSilver, Bevel bevel = Bevel::None,
              const QString &hint = {});
// A sunken frame (Bevel) without a name of its own.
QFrame *bevel(QWidget *parent, QRect place);

// A label that shows a value (named) or a fixed caption (name may be null).
PanelLabel *label(QWidget *parent, const char *name, QRect place, const QString &caption, const QString &hint = {});
// A fixed caption beside what it labels (no name of its own), in the panel
// font or a smaller one.
PanelLabel *caption(QWidget *parent, QRect place, const QString &text,
                    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter, int pixels = 11);
// A sunken value box (the panel's static texts, "st" names).
PanelLabel *valueBox(QWidget *parent, const char *name, QRect place, const QString &caption = {},
                     const QString &hint = {});
PanelEdit *edit(QWidget *parent, const char *name, QRect place, const QString &text, const QString &hint = {});

// Every knob of the panel: black indicator on a grey face with the rim.
// The side is the knob's square size; the position starts at Min unless set.
struct KnobSpec {
    int side;
    int min;
    int max;
    TIndicatorType indicator = itCircle;
    float lineLength = 3.0f;
    float lineWidth = 2.0f;
    int pageSize = 1;
    QString caption = {};
};
TKnob *knob(QWidget *parent, const char *name, QPoint topLeft, const KnobSpec &spec, const QString &hint = {});

// Every dial of the panel: black face, white ticks, needle and caption, 2x
// supersampling, every face part but the margin and the dots.
struct GaugeSpec {
    QSize size;
    TStyle style;
    int angle;
    int margin;
    int mainTicks;
    int lengthMain;
    int lengthSub;
    int scale;
    int indMinimum;
    int indMaximum;
    TColor minColor, midColor, maxColor;
    QString caption;
    TColor valueColor = clWhite;
    int fontPixels = 9;
};
TAnalogGauge *gauge(QWidget *parent, const char *name, QPoint topLeft, const GaugeSpec &spec,
                    const QString &hint = {});

// The rotating pictures: centred, the picture's transparent colour honoured.
TRotatableImage *rotatable(QWidget *parent, const char *name, QRect place, const QImage &picture,
                           TColor blendColor = clBtnFace, double angle = 0.0);
PanelImage *picture(QWidget *parent, const char *name, QRect place, const QImage &image, const QString &hint = {});

PanelShape *lamp(QWidget *parent, const char *name, QRect place, TColor color, const QString &hint = {},
                 TShapeType shape = stCircle);
BarGauge *barGauge(QWidget *parent, const char *name, QRect place, int min, int max, TColor color,
                   const QString &hint = {});
TrackBar *lever(QWidget *parent, const char *name, QRect place, int min, int max, int position,
                const QString &hint = {}, Qt::Orientation orientation = Qt::Vertical);
SpeedButton *speedButton(QWidget *parent, const char *name, QRect place, const QString &caption,
                         const QString &hint = {});
QPushButton *button(QWidget *parent, const char *name, QRect place, const QString &caption, const QString &hint = {});
QCheckBox *checkBox(QWidget *parent, const char *name, QRect place, const QString &caption, const QString &hint = {});
RadioGroup *radioGroup(QWidget *parent, const char *name, QRect place, const QString &caption,
                       const QStringList &items, int itemIndex, int columns = 1, const QString &hint = {});
UpDown *upDown(QWidget *parent, const char *name, QRect place, PanelEdit *associate, int min, int max,
               int position, const QString &hint = {});
FileList *fileList(QWidget *parent, const char *name, QRect place, const QString &mask, const QString &hint = {});
QDateEdit *datePicker(QWidget *parent, const char *name, QRect place, const QString &hint = {});
QTimeEdit *timePicker(QWidget *parent, const char *name, QRect place, const QString &hint = {});

} // namespace layout
