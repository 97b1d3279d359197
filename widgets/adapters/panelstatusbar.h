#pragma once
// A status bar of fixed-width panels along the bottom of the window, drawn
// like a classic Windows status bar: each panel a sunken box with one line
// of text. Panels sit edge to edge from the left; the last one reaches the
// right edge. An index outside the panels is ignored (reads give "").
//
// A new text is painted a moment later (kTextRepaintMs), with every other
// text changed meanwhile: the refresh changes the progress panel several
// times within a few milliseconds, and only the last text stands long enough
// to be seen. Painting each would cost a pass over the window every time.
#include "adapters/adapterlogic.h"
#include "common/tcolor.h"

#include <QRect>
#include <QString>
#include <QTimer>
#include <QVector>
#include <QWidget>

class PanelStatusBar : public QWidget
{
    Q_OBJECT
public:
    explicit PanelStatusBar(QWidget *parent = nullptr);
    static constexpr int kTextRepaintMs = 40;

    // Appends a panel and returns its index.
    int AddPanel(int width, const QString &text = {}, TAlignment alignment = taLeftJustify);
    int PanelCount() const { return int(m_panels.size()); }

    QString PanelText(int index) const;
    void SetPanelText(int index, const QString &text);

    int PanelWidth(int index) const;
    void SetPanelWidth(int index, int width);

    TAlignment PanelAlignment(int index) const;
    void SetPanelAlignment(int index, TAlignment alignment);

    // Where panel `index` lies in the bar (full height; empty when out of range).
    QRect PanelRect(int index) const;

    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    // Text colour; the typeface is the widget's font (setFont).
    TColor FontColor() const { return m_fontColor; }
    void SetFontColor(TColor color);

    // The bar as drawn into a painter whose origin is the control's top left;
    // with an area, only the panels that reach into it (a panel's text is the
    // dear part, and usually one panel has changed).
    void paintBar(QPainter &painter, const QRect &area = {}) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Panel {
        int width = 50;
        QString text;
        TAlignment alignment = taLeftJustify;
    };
    bool valid(int index) const { return index >= 0 && index < m_panels.size(); }
    QVector<int> widths() const;

    QVector<Panel> m_panels;
    QRect m_changedTexts; // panels whose new text is not painted yet
    QTimer m_textRepaint;
    TColor m_color = clBtnFace;
    TColor m_fontColor = clBtnText;
};
