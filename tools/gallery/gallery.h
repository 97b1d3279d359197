#pragma once
// The widget gallery: one page per widget family, each showing the
// configurations the panel uses, live. Pages are plain widgets on the
// panel's silver background; main.cpp puts them into tabs.
#include "common/tcolor.h"

#include <QString>

class QGridLayout;
class QLabel;
class QSlider;
class QWidget;

namespace gallery {

QWidget *makeKnobPage();
QWidget *makeGaugePage();
QWidget *makeImagePage();
QWidget *makeControlsPage();

// The panel's window colour, so widgets that show their parent look as they
// do on the panel.
inline constexpr TColor pageColor = clSilver;

// A plain widget filled with a colour.
QWidget *backdrop(TColor color, QWidget *parent = nullptr);
// A titled section of a page, laid out as a grid.
QWidget *section(const QString &title, QGridLayout **grid);
// A small caption: the names of the panel controls a cell stands for.
QLabel *nameLabel(const QString &text);
// A small note under a widget: its configuration or its live value.
QLabel *noteLabel(const QString &text = {});
// A horizontal slider over lo..hi starting at value.
QSlider *slider(int lo, int hi, int value);

} // namespace gallery
