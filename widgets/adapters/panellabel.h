#pragma once
// A label as the panel uses it: a caption, a background colour that is
// readable state (annunciators are "on" when red), a text colour, and click
// events. Static value boxes are the same label with a sunken frame.
#include "common/tcolor.h"

#include <QLabel>

class PanelLabel : public QLabel
{
    Q_OBJECT
public:
    explicit PanelLabel(QWidget *parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString &caption) { setText(caption); }

    // Background colour; drawn only while the label is not transparent.
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);

    TColor FontColor() const { return m_fontColor; }
    void SetFontColor(TColor color);

    // A sunken box around the text (the panel's static value boxes).
    void SetSunken(bool sunken);

signals:
    void OnClick(PanelLabel *sender);
    void OnDblClick(PanelLabel *sender);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void applyPalette();
    TColor m_color = clSilver;
    TColor m_fontColor = clWindowText;
    bool m_transparent = true;
    bool m_pressed = false;
};
