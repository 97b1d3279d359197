#include "adapters/radiogroup.h"

#include "adapters/adapterlogic.h"

#include <QEvent>
#include <QFontMetrics>
#include <QRadioButton>
#include <algorithm>

RadioGroup::RadioGroup(QWidget *parent) : QGroupBox(parent) {}

void RadioGroup::SetItems(const QStringList &items)
{
    m_updating = true;
    qDeleteAll(m_buttons);
    m_buttons.clear();
    m_items = items;
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i], this);
        connect(button, &QRadioButton::toggled, this,
                [this, i](bool checked) { buttonToggled(i, checked); });
        m_buttons.append(button);
        button->show();
    }
    m_itemIndex = std::min(m_itemIndex, int(m_items.size()) - 1);
    if (m_itemIndex >= 0)
        m_buttons[m_itemIndex]->setChecked(true);
    m_updating = false;
    arrange();
}

void RadioGroup::SetItemIndex(int index)
{
    index = std::clamp(index, -1, int(m_items.size()) - 1);
    select(index);
    if (index >= 0)
        emit OnClick(this);
}

void RadioGroup::SetColumns(int columns)
{
    columns = std::clamp(columns, 1, 16);
    if (columns == m_columns)
        return;
    m_columns = columns;
    arrange();
}

QRadioButton *RadioGroup::Button(int index) const
{
    return index >= 0 && index < m_buttons.size() ? m_buttons[index] : nullptr;
}

void RadioGroup::select(int index)
{
    m_updating = true;
    if (index >= 0) {
        m_buttons[index]->setChecked(true); // auto-exclusive: clears the others
    } else if (m_itemIndex >= 0) {
        // Auto-exclusive buttons refuse to clear the last checked one.
        QRadioButton *b = m_buttons[m_itemIndex];
        b->setAutoExclusive(false);
        b->setChecked(false);
        b->setAutoExclusive(true);
    }
    m_itemIndex = index;
    m_updating = false;
}

void RadioGroup::buttonToggled(int index, bool checked)
{
    if (m_updating || !checked)
        return;
    m_itemIndex = index;
    emit OnClick(this);
}

void RadioGroup::arrange()
{
    const int caption = QFontMetrics(font()).height();
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setGeometry(
            adapterlogic::radioItemRect(i, int(m_buttons.size()), m_columns, size(), caption));
}

void RadioGroup::resizeEvent(QResizeEvent *event)
{
    QGroupBox::resizeEvent(event);
    arrange();
}

void RadioGroup::changeEvent(QEvent *event)
{
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        arrange();
}
