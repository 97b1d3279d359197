#include "adapters/bargauge.h"

#include "adapters/adapterlogic.h"

#include <QPainter>
#include <algorithm>

BarGauge::BarGauge(QWidget *parent) : QWidget(parent) {}

void BarGauge::SetMinValue(int value)
{
    if (value == m_min || value > m_max)
        return;
    m_min = value;
    m_progress = std::max(m_progress, m_min);
    update();
}

void BarGauge::SetMaxValue(int value)
{
    if (value == m_max || value < m_min)
        return;
    m_max = value;
    m_progress = std::min(m_progress, m_max);
    update();
}

void BarGauge::SetProgress(int value)
{
    value = std::clamp(value, m_min, m_max);
    if (value == m_progress)
        return;
    const int before = PercentDone();
    m_progress = value;
    if (PercentDone() != before) // the bar moves only in whole percent
        update();
}

int BarGauge::PercentDone() const
{
    return adapterlogic::gaugePercent(m_progress, m_min, m_max);
}

void BarGauge::SetForeColor(TColor color)
{
    if (color == m_foreColor)
        return;
    m_foreColor = color;
    update();
}

void BarGauge::SetBackColor(TColor color)
{
    if (color == m_backColor)
        return;
    m_backColor = color;
    update();
}

void BarGauge::paintGauge(QPainter &painter) const
{
    const QRect outer = rect();
    if (outer.isEmpty())
        return;
    // One-pixel frame, then the bar area inside it.
    painter.fillRect(outer, toQColor(clBlack));
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    if (inner.isEmpty())
        return;
    painter.fillRect(inner, toQColor(m_backColor));
    const int fill = adapterlogic::gaugeFillLength(PercentDone(), inner.height());
    if (fill > 0)
        painter.fillRect(QRect(inner.left(), inner.bottom() - fill + 1, inner.width(), fill),
                         toQColor(m_foreColor));
}

void BarGauge::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintGauge(painter);
}
