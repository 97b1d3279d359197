#pragma once
// A titled group of radio buttons, one column or several (filled column by
// column). ItemIndex is the selected item, -1 for none.
//
// OnClick fires
//  - when the user selects an item that was not selected (mouse or keys);
//  - every time code sets ItemIndex to an item (0..count-1), even the one
//    already selected. Readers set the selection on every run and rely on the
//    click handler running the same way each time, whatever the user did
//    before (e.g. the propeller-type group after an aircraft is read).
// Setting ItemIndex to -1 clears the selection without OnClick: no item was
// chosen, so there is nothing for a handler to act on.
#include <QGroupBox>
#include <QStringList>
#include <QVector>

class QRadioButton;

class RadioGroup : public QGroupBox
{
    Q_OBJECT
public:
    explicit RadioGroup(QWidget *parent = nullptr);

    // Replaces the buttons; the selection is kept when it is still an item
    // (else it becomes the last item, or -1 for no items), without OnClick.
    QStringList Items() const { return m_items; }
    void SetItems(const QStringList &items);

    int ItemIndex() const { return m_itemIndex; }
    // Values below -1 count as -1, values past the last item as the last.
    void SetItemIndex(int index);

    int Columns() const { return m_columns; }
    void SetColumns(int columns); // 1..16

    // The button of item `index`, or null.
    QRadioButton *Button(int index) const;

signals:
    void OnClick(RadioGroup *sender);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void select(int index);
    void arrange();
    void buttonToggled(int index, bool checked);

    QStringList m_items;
    QVector<QRadioButton *> m_buttons;
    int m_itemIndex = -1;
    int m_columns = 1;
    bool m_updating = false;
};
