// Gauges page: the panel's thirteen dials, each driven by a slider whose
// range reaches beyond both ends of the scale, so the needle can be watched
// leaving it.
#include "gallery.h"

#include "gauge/tanaloggauge.h"
#include "panelgauges.h"

#include <QGridLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>

namespace gallery {
namespace {

QWidget *gaugeCell(const PanelGauge &c)
{
    auto *cell = new QWidget;
    auto *v = new QVBoxLayout(cell);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(3);
    auto *g = new TAnalogGauge;
    g->setObjectName(QString::fromLatin1(c.name));
    configurePanelGauge(*g, c);
    g->setFixedSize(c.width, c.height);

    // A tenth of the scale below 0 and a fifth above its end.
    const int lo = -std::max(1, c.scale / 10);
    const int hi = c.scale + std::max(2, c.scale / 5);
    const int start = c.scale * 3 / 5;
    QSlider *s = slider(lo, hi, start);
    QLabel *value = noteLabel();
    const QString caption = QString::fromLatin1(c.caption);
    const auto show = [g, value, caption](int position) {
        value->setText(QStringLiteral("%1 %2").arg(position).arg(caption));
        g->SetPosition(float(position));
    };
    // The gauge reports every change beyond the coloured limits.
    QObject::connect(g, &TAnalogGauge::OnOverMax, value,
                     [value] { value->setText(value->text() + QStringLiteral(" (over max)")); });
    QObject::connect(g, &TAnalogGauge::OnOverMin, value,
                     [value] { value->setText(value->text() + QStringLiteral(" (under min)")); });
    QObject::connect(s, &QSlider::valueChanged, g, show);
    show(start);

    v->addWidget(nameLabel(QString::fromLatin1(c.name)));
    v->addWidget(g, 0, Qt::AlignHCenter);
    v->addWidget(s);
    v->addWidget(value);
    v->addWidget(noteLabel(QStringLiteral("%1x%2, 0..%3, limits %4..%5")
                               .arg(c.width)
                               .arg(c.height)
                               .arg(c.scale)
                               .arg(c.indMin)
                               .arg(c.indMax)));
    v->addStretch(1);
    return cell;
}

} // namespace

QWidget *makeGaugePage()
{
    auto *page = backdrop(pageColor);
    auto *v = new QVBoxLayout(page);
    QGridLayout *grid = nullptr;
    v->addWidget(section(QStringLiteral("Dial gauges"), &grid));
    constexpr int columns = 5;
    grid->setColumnStretch(columns, 1);
    int index = 0;
    for (const PanelGauge &c : panelGauges) {
        grid->addWidget(gaugeCell(c), index / columns, index % columns, Qt::AlignTop);
        ++index;
    }
    v->addStretch(1);
    return page;
}

} // namespace gallery
