#pragma once
// A listing of the panel: one line per named object, tab-separated: name,
// kind (class), left, top, width, height (in the window's client area),
// visible (0/1), enabled (0/1), text or caption, hint. The window comes
// first. Used by the layout inventory tool and the layout tests.
#include <QString>
#include <QStringList>

class TfrmACMain;
class QObject;

QStringList inventoryLines(const TfrmACMain &window);

// The text an object shows, as the inventory prints it: a status bar's six
// panels joined by " | ", a radio group's selected item, a knob's, lever's or
// gauge's position, a lamp's brush colour (#rrggbb).
QString inventoryText(const QObject *object);
