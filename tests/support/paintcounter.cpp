#include "paintcounter.h"

#include <QCoreApplication>
#include <QEvent>
#include <QStringList>
#include <QWidget>

PaintCounter::PaintCounter(QWidget *top)
{
    watch(top);
    for (QWidget *w : top->findChildren<QWidget *>())
        watch(w);
}

void PaintCounter::watch(QWidget *widget)
{
    if (!widget || m_watched.contains(widget))
        return;
    m_watched.insert(widget, widget);
    widget->installEventFilter(this);
}

void PaintCounter::flush()
{
    // Widgets ask for their repaints as posted update requests to their
    // windows; delivering them paints whatever is due.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

void PaintCounter::reset()
{
    flush();
    m_counts.clear();
}

int PaintCounter::count(const QWidget *widget) const
{
    return m_counts.value(static_cast<const QObject *>(widget));
}

int PaintCounter::total() const
{
    int sum = 0;
    for (int n : m_counts)
        sum += n;
    return sum;
}

QString PaintCounter::painted() const
{
    QStringList out;
    for (auto it = m_counts.cbegin(); it != m_counts.cend(); ++it) {
        const QObject *o = m_watched.value(it.key());
        const QString name = !o ? QStringLiteral("?")
                             : o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className())
                                                         : o->objectName();
        out << name + QStringLiteral(": ") + QString::number(it.value());
    }
    out.sort();
    return out.join(QStringLiteral(", "));
}

bool PaintCounter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint)
        ++m_counts[watched];
    return QObject::eventFilter(watched, event);
}
