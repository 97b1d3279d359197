#include "inventory.h"

#include "adapters/bargauge.h"
#include "adapters/filelist.h"
#include "adapters/panelshape.h"
#include "adapters/panelstatusbar.h"
#include "adapters/paneltimer.h"
#include "adapters/radiogroup.h"
#include "adapters/speedbutton.h"
#include "adapters/trackbar.h"
#include "adapters/updown.h"
#include "gauge/tanaloggauge.h"
#include "image/trotatableimage.h"
#include "knob/tknob.h"
#include "uACMainForm.h"

#include <QAbstractButton>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimeEdit>

namespace {

QString clean(QString s)
{
    return s.replace(QLatin1Char('\t'), QStringLiteral("\\t")).replace(QLatin1Char('\n'), QStringLiteral("\\n"));
}

QString colourText(TColor c)
{
    const TColor rgb = resolveColor(c);
    return QStringLiteral("#%1%2%3")
        .arg(redOf(rgb), 2, 16, QLatin1Char('0'))
        .arg(greenOf(rgb), 2, 16, QLatin1Char('0'))
        .arg(blueOf(rgb), 2, 16, QLatin1Char('0'));
}

QString line(const QString &name, const char *kind, QRect r, bool visible, bool enabled, const QString &text,
             const QString &hint)
{
    return QStringList{name,
                       QString::fromLatin1(kind),
                       QString::number(r.x()),
                       QString::number(r.y()),
                       QString::number(r.width()),
                       QString::number(r.height()),
                       visible ? QStringLiteral("1") : QStringLiteral("0"),
                       enabled ? QStringLiteral("1") : QStringLiteral("0"),
                       clean(text),
                       clean(hint)}
        .join(QLatin1Char('\t'));
}

} // namespace

QString inventoryText(const QObject *o)
{
    if (auto *s = qobject_cast<const PanelStatusBar *>(o)) {
        QStringList panels;
        for (int i = 0; i < s->PanelCount(); ++i)
            panels << s->PanelText(i);
        return panels.join(QStringLiteral(" | "));
    }
    if (auto *g = qobject_cast<const RadioGroup *>(o))
        return g->ItemIndex() >= 0 && g->ItemIndex() < g->Items().size() ? g->Items().at(g->ItemIndex()) : QString();
    if (auto *k = qobject_cast<const TKnob *>(o))
        return QString::number(k->Position());
    if (auto *t = qobject_cast<const TrackBar *>(o))
        return QString::number(t->Position());
    if (auto *g = qobject_cast<const TAnalogGauge *>(o))
        return QString::number(double(g->Position()));
    if (auto *b = qobject_cast<const BarGauge *>(o))
        return QString::number(b->Progress());
    if (auto *s = qobject_cast<const PanelShape *>(o))
        return colourText(s->BrushColor());
    if (auto *r = qobject_cast<const TRotatableImage *>(o))
        return QString::number(r->RotationAngle());
    if (auto *u = qobject_cast<const UpDown *>(o))
        return QString::number(u->Position());
    if (auto *f = qobject_cast<const FileList *>(o))
        return f->Directory();
    if (auto *t = qobject_cast<const PanelTimer *>(o))
        return QString::number(t->Interval());
    if (auto *b = qobject_cast<const SpeedButton *>(o))
        return b->Caption();
    if (auto *d = qobject_cast<const QDateEdit *>(o))
        return d->date().toString(Qt::ISODate);
    if (auto *t = qobject_cast<const QTimeEdit *>(o))
        return t->time().toString(Qt::ISODate);
    if (auto *g = qobject_cast<const QGroupBox *>(o))
        return g->title();
    if (auto *l = qobject_cast<const QLabel *>(o))
        return l->text();
    if (auto *e = qobject_cast<const QLineEdit *>(o))
        return e->text();
    if (auto *b = qobject_cast<const QAbstractButton *>(o))
        return b->text();
    return {};
}

QStringList inventoryLines(const TfrmACMain &window)
{
    QStringList out;
    out << line(QStringLiteral("frmACMain"), window.metaObject()->className(), QRect(QPoint(), window.size()), true,
                window.isEnabled(), window.windowTitle(), QString());
    const QList<QObject *> objects = window.findChildren<QObject *>();
    for (const QObject *o : objects) {
        const QString name = o->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
            continue;
        if (auto *w = qobject_cast<const QWidget *>(o)) {
            const QRect r(w->mapTo(&window, QPoint(0, 0)), w->size());
            out << line(name, o->metaObject()->className(), r, w->isVisibleTo(&window), w->isEnabled(),
                        inventoryText(o), w->statusTip());
        } else if (auto *t = qobject_cast<const PanelTimer *>(o)) {
            out << line(name, o->metaObject()->className(), QRect(), false, t->Enabled(), inventoryText(o), {});
        }
    }
    return out;
}
