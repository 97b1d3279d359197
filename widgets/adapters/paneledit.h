#pragma once
// An edit field with the events the panel's handlers use: a change event
// (only when the text really changes, from the user or from code), focus
// entry and exit, and a click.
#include "common/tcolor.h"

#include <QLineEdit>

class PanelEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit PanelEdit(QWidget *parent = nullptr);

    QString Text() const { return text(); }
    void SetText(const QString &text) { setText(text); }

    TColor FontColor() const { return m_fontColor; }
    void SetFontColor(TColor color);
    TColor Color() const { return m_color; }
    void SetColor(TColor color);

signals:
    void OnChange(PanelEdit *sender);
    void OnEnter(PanelEdit *sender);
    void OnExit(PanelEdit *sender);
    void OnClick(PanelEdit *sender);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void applyPalette();
    TColor m_fontColor = clWindowText;
    TColor m_color = clWhite;
};
