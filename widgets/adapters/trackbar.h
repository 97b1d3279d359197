#pragma once
// A track bar used as a lever. Vertical bars run from Min at the top to Max
// at the bottom, as the panel's levers are read (a throttle at -100 is full).
// OnChange fires only when the position really changes; a bar given its
// present position fires nothing.
#include "common/tcolor.h"

#include <QSlider>

class TrackBar : public QSlider
{
    Q_OBJECT
public:
    explicit TrackBar(Qt::Orientation orientation = Qt::Vertical, QWidget *parent = nullptr);

    int Min() const { return minimum(); }
    void SetMin(int value) { setMinimum(value); }
    int Max() const { return maximum(); }
    void SetMax(int value) { setMaximum(value); }
    int Position() const { return value(); }
    void SetPosition(int value) { setValue(value); }

    // Background colour of the bar's control area.
    TColor Color() const { return m_color; }
    void SetColor(TColor color);

signals:
    void OnChange(TrackBar *sender);
    void OnEnter(TrackBar *sender);
    void OnExit(TrackBar *sender);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    TColor m_color = clSilver;
};
