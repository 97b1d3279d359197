#include "adapters/panelstatusbar.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

// The bar fills its whole rectangle itself: nothing under it need be painted
// when a panel's text changes.
PanelStatusBar::PanelStatusBar(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_textRepaint.setSingleShot(true);
    m_textRepaint.setInterval(kTextRepaintMs);
    connect(&m_textRepaint, &QTimer::timeout, this, [this] {
        update(m_changedTexts);
        m_changedTexts = QRect();
    });
}

int PanelStatusBar::AddPanel(int width, const QString &text, TAlignment alignment)
{
    m_panels.append(Panel{std::max(width, 0), text, alignment});
    update();
    return PanelCount() - 1;
}

QString PanelStatusBar::PanelText(int index) const
{
    return valid(index) ? m_panels[index].text : QString();
}

void PanelStatusBar::SetPanelText(int index, const QString &text)
{
    if (!valid(index) || m_panels[index].text == text)
        return;
    m_panels[index].text = text;
    m_changedTexts |= PanelRect(index);
    if (!m_textRepaint.isActive())
        m_textRepaint.start();
}

int PanelStatusBar::PanelWidth(int index) const
{
    return valid(index) ? m_panels[index].width : 0;
}

void PanelStatusBar::SetPanelWidth(int index, int width)
{
    width = std::max(width, 0);
    if (!valid(index) || m_panels[index].width == width)
        return;
    m_panels[index].width = width;
    update();
}

TAlignment PanelStatusBar::PanelAlignment(int index) const
{
    return valid(index) ? m_panels[index].alignment : taLeftJustify;
}

void PanelStatusBar::SetPanelAlignment(int index, TAlignment alignment)
{
    if (!valid(index) || m_panels[index].alignment == alignment)
        return;
    m_panels[index].alignment = alignment;
    update(PanelRect(index));
}

QRect PanelStatusBar::PanelRect(int index) const
{
    if (!valid(index))
        return {};
    return adapterlogic::statusPanelRects(widths(), size())[index];
}

void PanelStatusBar::SetColor(TColor color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void PanelStatusBar::SetFontColor(TColor color)
{
    if (color == m_fontColor)
        return;
    m_fontColor = color;
    update();
}

QVector<int> PanelStatusBar::widths() const
{
    QVector<int> w;
    w.reserve(m_panels.size());
    for (const Panel &p : m_panels)
        w.append(p.width);
    return w;
}

void PanelStatusBar::paintBar(QPainter &painter, const QRect &area) const
{
    const QRect painted = area.isEmpty() ? rect() : area & rect();
    painter.fillRect(painted, toQColor(m_color));
    painter.setFont(font());
    // The bevel follows the bar's own colour so it shows on any background.
    const QColor shadow = toQColor(m_color).darker(140);
    const QColor light = toQColor(clBtnHighlight);
    const QVector<QRect> rects = adapterlogic::statusPanelRects(widths(), size());
    for (qsizetype i = 0; i < rects.size(); ++i) {
        if (!rects[i].intersects(painted))
            continue;
        // Two pixels between panels and above them, as the platform draws it.
        QRect box = rects[i].adjusted(i > 0 ? 2 : 0, 2, 0, 0);
        if (box.width() < 2 || box.height() < 2)
            continue;
        painter.setPen(shadow);
        painter.drawLine(box.topLeft(), box.topRight());
        painter.drawLine(box.topLeft(), box.bottomLeft());
        painter.setPen(light);
        painter.drawLine(box.bottomLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomRight());

        const QRect textBox = box.adjusted(3, 1, -3, -1);
        int flags = Qt::AlignVCenter | Qt::TextSingleLine;
        switch (m_panels[i].alignment) {
        case taLeftJustify: flags |= Qt::AlignLeft; break;
        case taRightJustify: flags |= Qt::AlignRight; break;
        case taCenter: flags |= Qt::AlignHCenter; break;
        }
        painter.setPen(toQColor(m_fontColor));
        painter.save();
        painter.setClipRect(textBox);
        painter.drawText(textBox, flags, m_panels[i].text);
        painter.restore();
    }
}

void PanelStatusBar::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    paintBar(painter, event->rect());
}
