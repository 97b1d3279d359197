#pragma once
// Pure arithmetic and geometry behind the control adapters, kept apart from
// painting and events so it can be checked without a display.
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

// Shape kinds of a lamp or marker drawn as a plain figure.
enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

// Text placement inside a status bar panel.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// Direction reported by an up-down before it moves.
enum TUpDownDirection { updNone, updUp, updDown };

namespace adapterlogic {

// v limited to lo..hi; the bounds may come in either order.
int clampToRange(int v, int lo, int hi);

// --- Shapes -------------------------------------------------------------
// The outline of a figure inside a control of the given size: the pen is
// centred on the outline, so the figure is inset by half the pen width.
// Squares and circles use the largest centred square.
QRectF shapeRect(TShapeType shape, QSize size, int penWidth);
// Corner radius of the rounded kinds: the corner arcs span a quarter of
// the shorter side, so the radius is an eighth of it; 0 for other kinds.
qreal shapeCornerRadius(TShapeType shape, const QRectF &outline);

// --- Bar gauge ----------------------------------------------------------
// Whole percent of the way from lo to hi (truncated); 0 for an empty range.
int gaugePercent(int progress, int lo, int hi);
// Pixels of a bar of the given length filled at that percent.
int gaugeFillLength(int percent, int length);

// --- Status bar ---------------------------------------------------------
// Horizontal extent of each panel: panels sit edge to edge from the left,
// each as wide as given; the last one reaches the bar's right edge, as a
// Windows status bar does. Rects are full height.
QVector<QRect> statusPanelRects(const QVector<int> &widths, QSize bar);

// --- Radio group --------------------------------------------------------
// Place of item `index` of `count` items in `columns` columns, filled column
// by column, inside a group of the given size whose caption takes
// `captionHeight` pixels at the top.
QRect radioItemRect(int index, int count, int columns, QSize group, int captionHeight);

// --- Up-down ------------------------------------------------------------
struct UpDownStep {
    bool moves = false;      // false at a limit: nothing happens
    int newValue = 0;        // the position after the step (within range)
    TUpDownDirection direction = updNone;
};
// One arrow click from `position`. With Max below Min the arrows swap
// meaning, as the platform control does; no wrap-around at the limits.
UpDownStep upDownStep(int position, int increment, int min, int max, bool upArrow);
// The position an up-down reports: the number in its associated edit when
// that text is an integer within range, else the position it last had.
int upDownPositionFromText(const QString &text, int stored, int min, int max);

// --- File list ----------------------------------------------------------
// "*.jpg;*.bmp" -> {"*.jpg", "*.bmp"}: split at ';', blanks trimmed, empty
// parts dropped; an empty mask means "*".
QStringList maskPatterns(const QString &mask);
// True when the file name matches any pattern, ignoring case ("*.*" and
// "*" match every name, with or without an extension).
bool matchesMask(const QString &fileName, const QStringList &patterns);
// File names in list order: case-insensitive, ties broken by exact text.
void sortFileNames(QStringList &names);

} // namespace adapterlogic
