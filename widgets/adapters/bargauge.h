#pragma once
// A vertical bar gauge: a framed box filled from the bottom in proportion to
// Progress within MinValue..MaxValue. Progress is kept inside the range: it
// is clamped when set and again when the range moves, and Progress()
// returns the clamped value (readers show it, e.g. the pitch label).
#include "common/tcolor.h"

#include <QWidget>

class BarGauge : public QWidget
{
    Q_OBJECT
public:
    explicit BarGauge(QWidget *parent = nullptr);

    // A bound that would cross the other one (MinValue above MaxValue) is
    // refused and the range stays as it was; equal bounds are allowed.
    int MinValue() const { return m_min; }
    void SetMinValue(int value);
    int MaxValue() const { return m_max; }
    void SetMaxValue(int value);

    int Progress() const { return m_progress; }
    void SetProgress(int value);

    // Whole percent of the range covered; 0 when MinValue equals MaxValue.
    int PercentDone() const;

    TColor ForeColor() const { return m_foreColor; }
    void SetForeColor(TColor color);
    TColor BackColor() const { return m_backColor; }
    void SetBackColor(TColor color);

    // The gauge as drawn into a painter whose origin is the control's top left.
    void paintGauge(QPainter &painter) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_min = 0;
    int m_max = 100;
    int m_progress = 0;
    TColor m_foreColor = clBlack;
    TColor m_backColor = clWhite;
};
