// Small builders shared by the gallery pages.
#include "gallery.h"

#include <QFont>
#include <QGridLayout>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QSlider>
#include <QVBoxLayout>

namespace gallery {

QWidget *backdrop(TColor color, QWidget *parent)
{
    auto *w = new QWidget(parent);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, toQColor(color));
    w->setPalette(pal);
    w->setAutoFillBackground(true);
    return w;
}

QWidget *section(const QString &title, QGridLayout **grid)
{
    // A title over a plain grid: a group box would tint its inside, and the
    // knobs and pictures, which show their parent's colour, would stand out
    // as squares on the tint.
    auto *box = new QWidget;
    auto *v = new QVBoxLayout(box);
    v->setContentsMargins(0, 0, 0, 0);
    auto *caption = new QLabel(title);
    QFont f = caption->font();
    f.setBold(true);
    caption->setFont(f);
    auto *rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    v->addWidget(caption);
    v->addWidget(rule);
    auto *g = new QGridLayout;
    g->setContentsMargins(6, 2, 6, 6);
    g->setHorizontalSpacing(10);
    g->setVerticalSpacing(8);
    v->addLayout(g);
    *grid = g;
    return box;
}

static QLabel *smallLabel(const QString &text, bool bold)
{
    auto *l = new QLabel(text);
    QFont f = l->font();
    f.setPixelSize(10);
    f.setBold(bold);
    l->setFont(f);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    l->setWordWrap(true);
    return l;
}

QLabel *nameLabel(const QString &text) { return smallLabel(text, true); }

QLabel *noteLabel(const QString &text) { return smallLabel(text, false); }

QSlider *slider(int lo, int hi, int value)
{
    auto *s = new QSlider(Qt::Horizontal);
    s->setRange(lo, hi);
    s->setValue(value);
    s->setMinimumWidth(110);
    return s;
}

} // namespace gallery
