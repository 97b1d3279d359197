#pragma once
// Colours as the panel stores them (colourvalues.h), and their conversion to
// the colours Qt draws with.
#include "colourvalues.h"

#include <QColor>

// Resolves system colours to RGB (other values pass through unchanged).
TColor resolveColor(TColor c);
QColor toQColor(TColor c);
TColor fromQColor(const QColor &c);
