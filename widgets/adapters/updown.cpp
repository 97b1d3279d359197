#include "adapters/updown.h"

#include "common/tcolor.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

UpDown::UpDown(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void UpDown::SetMin(int value)
{
    m_min = value;
    setPositionQuietly(m_position);
}

void UpDown::SetMax(int value)
{
    m_max = value;
    setPositionQuietly(m_position);
}

int UpDown::Position() const
{
    if (!m_associate)
        return m_position;
    return adapterlogic::upDownPositionFromText(m_associate->text(), m_position, m_min, m_max);
}

void UpDown::SetPosition(int value)
{
    m_position = adapterlogic::clampToRange(value, m_min, m_max);
    writeAssociate();
}

void UpDown::SetIncrement(int value)
{
    m_increment = std::max(value, 1);
}

void UpDown::SetAssociate(QLineEdit *edit)
{
    if (m_associate)
        m_associate->removeEventFilter(this);
    m_associate = edit;
    if (m_associate) {
        m_associate->installEventFilter(this);
        writeAssociate();
    }
}

void UpDown::clickArrow(bool up)
{
    const int from = Position();
    m_position = from; // a number the user typed becomes the position
    const adapterlogic::UpDownStep step =
        adapterlogic::upDownStep(from, m_increment, m_min, m_max, up);
    if (!step.moves)
        return;
    bool allow = true;
    emit OnChangingEx(this, allow, step.newValue, step.direction);
    if (!allow)
        return;
    m_position = step.newValue;
    writeAssociate();
}

void UpDown::setPositionQuietly(int value)
{
    const int clamped = adapterlogic::clampToRange(value, m_min, m_max);
    if (clamped == m_position)
        return;
    m_position = clamped;
    writeAssociate();
}

void UpDown::writeAssociate()
{
    if (!m_associate)
        return;
    const QString text = QString::number(m_position);
    if (m_associate->text() != text)
        m_associate->setText(text);
}

void UpDown::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const bool up = event->position().y() < height() / 2.0;
    m_pressed = up ? 1 : -1;
    update();
    // The platform control steps on the press, not on the release.
    clickArrow(up);
}

void UpDown::mouseReleaseEvent(QMouseEvent *)
{
    m_pressed = 0;
    update();
}

bool UpDown::eventFilter(QObject *watched, QEvent *event)
{
    // The type first: an edit being destroyed still sends events, and looking
    // at it through the guarded pointer then would cast a half-gone object.
    if (event->type() == QEvent::KeyPress && watched == m_associate && m_arrowKeys && isEnabled()) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::NoModifier
            && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
            clickArrow(key->key() == Qt::Key_Up);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpDown::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor face = toQColor(clBtnFace);
    const QColor light = toQColor(clBtnHighlight);
    const QColor shadow = toQColor(clBtnShadow);
    const QColor arrow = isEnabled() ? toQColor(clBtnText) : shadow;
    const int split = height() / 2;
    const QRect halves[2] = {QRect(0, 0, width(), split), QRect(0, split, width(), height() - split)};
    for (int i = 0; i < 2; ++i) {
        const QRect r = halves[i];
        if (r.width() < 2 || r.height() < 2)
            continue;
        const bool sunken = m_pressed == (i == 0 ? 1 : -1);
        painter.fillRect(r, face);
        painter.setPen(sunken ? shadow : light);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(sunken ? light : shadow);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
        // A solid arrow of pixel rows (1, 3, 5 .. pixels), as the platform draws it.
        const int n = std::clamp(std::min(r.width(), r.height()) / 4, 1, 4);
        const int shift = sunken ? 1 : 0;
        const int cx = r.left() + (r.width() - 1) / 2 + shift;
        const int top = r.top() + (r.height() - n) / 2 + shift;
        painter.setPen(arrow);
        for (int row = 0; row < n; ++row) {
            const int reach = i == 0 ? row : n - 1 - row; // the up arrow points up
            painter.drawLine(cx - reach, top + row, cx + reach, top + row);
        }
    }
}
