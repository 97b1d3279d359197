#include "layoutkit.h"

#include "adapters/bargauge.h"
#include "adapters/filelist.h"
#include "adapters/paneledit.h"
#include "adapters/panelimage.h"
#include "adapters/panellabel.h"
#include "adapters/panelshape.h"
#include "adapters/radiogroup.h"
#include "adapters/speedbutton.h"
#include "adapters/trackbar.h"
#include "adapters/updown.h"
#include "fonts/panelfonts.h"
#include "gauge/tanaloggauge.h"
#include "image/trotatableimage.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QTimeEdit>

namespace layout {

namespace {

// Name, place and hint, as every control gets them.
template <typename W> W *placed(W *w, const char *name, QRect place, const QString &hint)
{
    if (name)
        w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(place);
    if (!hint.isEmpty())
        w->setStatusTip(hint);
    return w;
}

void fill(QWidget *w, TColor color)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, toQColor(color));
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

} // namespace

QFont panelFont()
{
    return panelFont(11);
}

QFont panelFont(int pixels, bool bold, const char *family)
{
    return panelfonts::panelTypeface(QLatin1String(family), pixels, bold);
}

QGroupBox *group(QWidget *parent, const char *name, const QString &caption, const QString &hint, QRect place)
{
    return placed(new QGroupBox(caption, parent), name, place, hint);
}

QFrame *panel(QWidget *parent, const char *name, QRect place, TColor color, Bevel bevel, const QString &hint)
{
    auto *f = placed(new QFrame(parent), name, place, hint);
    switch (bevel) {
    case Bevel::None: f->setFrameStyle(QFrame::NoFrame); break;
    case Bevel::Raised: f->setFrameStyle(QFrame::Panel | QFrame::Raised); break;
    case Bevel::Lowered: f->setFrameStyle(QFrame::Panel | QFrame::Sunken); break;
    }
    fill(f, color);
    return f;
}

QFrame *bevel(QWidget *parent, QRect place)
{
    auto *f = placed(new QFrame(parent), nullptr, place, {});
    f->setFrameStyle(QFrame::Box | QFrame::Sunken);
    return f;
}

PanelLabel *label(QWidget *parent, const char *name, QRect place, const QString &caption, const QString &hint)
{
    auto *l = placed(new PanelLabel(parent), name, place, hint);
    l->setText(caption);
    return l;
}

PanelLabel *caption(QWidget *parent, QRect place, const QString &text, Qt::Alignment align, int pixels)
{
    PanelLabel *l = label(parent, nullptr, place, text);
    l->setAlignment(align);
    if (pixels != 11)
        l->setFont(panelFont(pixels));
    return l;
}

PanelLabel *valueBox(QWidget *parent, const char *name, QRect place, const QString &caption, const QString &hint)
{
    PanelLabel *l = label(parent, name, place, caption, hint);
    l->SetSunken(true);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

PanelEdit *edit(QWidget *parent, const char *name, QRect place, const QString &text, const QString &hint)
{
    auto *e = placed(new PanelEdit(parent), name, place, hint);
    e->setText(text);
    return e;
}

TKnob *knob(QWidget *parent, const char *name, QPoint topLeft, const KnobSpec &spec, const QString &hint)
{
    auto *k = new TKnob(parent);
    k->setObjectName(QString::fromLatin1(name));
    k->SetBounds(topLeft.x(), topLeft.y(), spec.side, spec.side);
    k->SetLineColor(clBlack);
    k->SetColor(clGray);
    k->SetIndicatorType(spec.indicator);
    k->SetLineLength(spec.lineLength);
    k->SetLineWidth(spec.lineWidth);
    k->SetPageSize(static_cast<quint16>(spec.pageSize));
    k->SetParams(spec.min, spec.min, spec.max);
    if (!spec.caption.isEmpty())
        k->SetCaption(spec.caption);
    k->SetHint(hint);
    return k;
}

TAnalogGauge *gauge(QWidget *parent, const char *name, QPoint topLeft, const GaugeSpec &spec, const QString &hint)
{
    auto *g = placed(new TAnalogGauge(parent), name, QRect(topLeft, spec.size), hint);
    g->BeginUpdate(); // the dial is drawn once, with all of it
    g->SetAntiAliased(aaBiline);
    g->SetFaceOptions(TFaceOptions(ShowMainTicks | ShowSubTicks | ShowIndicatorMin | ShowIndicatorMid |
                                   ShowIndicatorMax | ShowValues | ShowCenter | ShowFrame | Show3D | ShowCaption));
    g->SetFaceColor(clBlack);
    g->SetTicksColor(clWhite);
    g->SetCaptionColor(clWhite);
    g->SetArrowColor(clWhite);
    g->SetValueColor(spec.valueColor);
    g->SetArrowWidth(2);
    g->SetCircleColor(clBlue);
    g->SetCenterColor(clGray);
    g->SetMarginColor(clBlack);
    g->SetFont(panelFont(spec.fontPixels, false, "Lucida Console"));
    g->SetStyle(spec.style);
    g->SetAngle(spec.angle);
    g->SetMargin(spec.margin);
    g->SetNumberMainTicks(spec.mainTicks);
    g->SetLengthMainTicks(spec.lengthMain);
    g->SetLengthSubTicks(spec.lengthSub);
    g->SetScale(spec.scale);
    g->SetIndMaximum(spec.indMaximum);
    g->SetIndMinimum(spec.indMinimum);
    g->SetMinColor(spec.minColor);
    g->SetMidColor(spec.midColor);
    g->SetMaxColor(spec.maxColor);
    g->SetCaption(spec.caption);
    g->EndUpdate();
    return g;
}

TRotatableImage *rotatable(QWidget *parent, const char *name, QRect place, const QImage &picture,
                           TColor blendColor, double angle)
{
    auto *r = placed(new TRotatableImage(parent), name, place, {});
    r->SetCenter(true);
    r->SetTransparent(true);
    r->SetBlendColor(blendColor);
    r->SetPicture(picture);
    r->SetRotationAngle(angle);
    return r;
}

PanelImage *picture(QWidget *parent, const char *name, QRect place, const QImage &image, const QString &hint)
{
    auto *p = placed(new PanelImage(parent), name, place, hint);
    p->SetPicture(image);
    return p;
}

PanelShape *lamp(QWidget *parent, const char *name, QRect place, TColor color, const QString &hint, TShapeType shape)
{
    auto *s = placed(new PanelShape(parent), name, place, hint);
    s->SetShape(shape);
    s->SetBrushColor(color);
    return s;
}

BarGauge *barGauge(QWidget *parent, const char *name, QRect place, int min, int max, TColor color,
                   const QString &hint)
{
    auto *g = placed(new BarGauge(parent), name, place, hint);
    g->SetMinValue(min);
    g->SetMaxValue(max);
    g->SetForeColor(color);
    return g;
}

TrackBar *lever(QWidget *parent, const char *name, QRect place, int min, int max, int position, const QString &hint,
                Qt::Orientation orientation)
{
    auto *t = placed(new TrackBar(orientation, parent), name, place, hint);
    t->SetMin(min);
    t->SetMax(max);
    t->SetPosition(position);
    return t;
}

SpeedButton *speedButton(QWidget *parent, const char *name, QRect place, const QString &caption, const QString &hint)
{
    auto *b = placed(new SpeedButton(parent), name, place, hint);
    b->SetCaption(caption);
    return b;
}

QPushButton *button(QWidget *parent, const char *name, QRect place, const QString &caption, const QString &hint)
{
    return placed(new QPushButton(caption, parent), name, place, hint);
}

QCheckBox *checkBox(QWidget *parent, const char *name, QRect place, const QString &caption, const QString &hint)
{
    return placed(new QCheckBox(caption, parent), name, place, hint);
}

RadioGroup *radioGroup(QWidget *parent, const char *name, QRect place, const QString &caption,
                       const QStringList &items, int itemIndex, int columns, const QString &hint)
{
    auto *g = placed(new RadioGroup(parent), name, place, hint);
    g->setTitle(caption);
    g->SetColumns(columns);
    g->SetItems(items);
    g->SetItemIndex(itemIndex);
    return g;
}

UpDown *upDown(QWidget *parent, const char *name, QRect place, PanelEdit *associate, int min, int max, int position,
               const QString &hint)
{
    auto *u = placed(new UpDown(parent), name, place, hint);
    u->SetMin(min);
    u->SetMax(max);
    u->SetAssociate(associate);
    u->SetPosition(position);
    return u;
}

FileList *fileList(QWidget *parent, const char *name, QRect place, const QString &mask, const QString &hint)
{
    auto *f = placed(new FileList(parent), name, place, hint);
    f->SetMask(mask);
    return f;
}

QDateEdit *datePicker(QWidget *parent, const char *name, QRect place, const QString &hint)
{
    auto *d = placed(new QDateEdit(parent), name, place, hint);
    d->setCalendarPopup(true);
    return d;
}

QTimeEdit *timePicker(QWidget *parent, const char *name, QRect place, const QString &hint)
{
    return placed(new QTimeEdit(parent), name, place, hint);
}

} // namespace layout
