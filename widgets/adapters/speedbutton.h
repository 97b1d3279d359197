#pragma once
// A flat button that can stay down, with the rules the panel's handlers are
// written for:
//  - GroupIndex 0: a plain button; it never stays down.
//  - GroupIndex > 0: buttons with the same GroupIndex and the same parent
//    form a group in which at most one is down. A click puts the button down
//    (or, when it is down and AllowAllUp is on, raises it) BEFORE OnClick
//    runs, so a handler reads the new state. Without AllowAllUp a down
//    button cannot be raised, by a click or by SetDown(false); another
//    button of its group going down raises it.
//  - SetDown from code never fires OnClick.
//  - AllowAllUp is shared by the group: setting it on one sets it on all.
// A toggle button is a button alone in its group with AllowAllUp on.
#include <QString>
#include <QWidget>

class SpeedButton : public QWidget
{
    Q_OBJECT
public:
    explicit SpeedButton(QWidget *parent = nullptr);

    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption);

    int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int index);

    bool AllowAllUp() const { return m_allowAllUp; }
    void SetAllowAllUp(bool allow);

    bool Down() const { return m_down; }
    void SetDown(bool down);

    // Fires OnClick as a click does, without changing the down state.
    void Click();

signals:
    void OnClick(SpeedButton *sender);
    // Any mouse button pressed on the button (x, y inside it), before a
    // left press is taken as the start of a click.
    void OnMouseDown(SpeedButton *sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    // A double-click with any button; its second press and release also
    // make a second click, as on the platform.
    void OnDblClick(SpeedButton *sender);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QList<SpeedButton *> groupMates() const;
    void raiseOthers();

    QString m_caption;
    int m_groupIndex = 0;
    bool m_allowAllUp = false;
    bool m_down = false;
    bool m_pressed = false;  // left button held and pointer inside
    bool m_tracking = false; // left button held since a press on this button
    bool m_hover = false;
};
