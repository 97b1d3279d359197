#pragma once
// Two small arrow buttons bound to an edit (the associate) that shows the
// position as a number.
//
// A click on an arrow (or Up/Down pressed in the associate while ArrowKeys
// is on) first fires OnChangingEx with the value the position would take and
// the direction; a handler may refuse by clearing allowChange. If allowed,
// Position moves by Increment within Min..Max and the number is written
// into the associate, whose own change signal then fires only when its text
// really changes. At a limit there is nothing to move to: neither the event
// nor a write happens, so a handler that prepares a write on OnChangingEx is
// never left waiting for an edit change that will not come.
//
// Position() reads the associate: when its text is an integer within range
// (the user typed one) that is the position; otherwise the last position
// set or stepped to. SetPosition clamps into range and writes the associate
// without OnChangingEx.
#include <QLineEdit>
#include <QPointer>
#include <QWidget>

#include "adapters/adapterlogic.h"

class UpDown : public QWidget
{
    Q_OBJECT
public:
    explicit UpDown(QWidget *parent = nullptr);

    int Min() const { return m_min; }
    void SetMin(int value);
    int Max() const { return m_max; }
    void SetMax(int value);

    int Position() const;
    void SetPosition(int value);

    int Increment() const { return m_increment; }
    void SetIncrement(int value); // at least 1

    QLineEdit *Associate() const { return m_associate; }
    // Binds the edit and writes the present position into it.
    void SetAssociate(QLineEdit *edit);

    bool ArrowKeys() const { return m_arrowKeys; }
    void SetArrowKeys(bool on) { m_arrowKeys = on; }

    // The arrow the user would click: the upper half steps up.
    void clickArrow(bool up);

signals:
    void OnChangingEx(UpDown *sender, bool &allowChange, int newValue,
                      TUpDownDirection direction);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setPositionQuietly(int value);
    void writeAssociate();

    int m_min = 0;
    int m_max = 100;
    int m_position = 0;
    int m_increment = 1;
    bool m_arrowKeys = true;
    QPointer<QLineEdit> m_associate;
    int m_pressed = 0; // +1 upper arrow held, -1 lower, 0 none (drawing only)
};
