// The pure arithmetic and geometry behind the adapters, at its edges.
#include "adapters/adapterlogic.h"

#include <gtest/gtest.h>

using namespace adapterlogic;

TEST(GaugeMath, PercentIsTruncatedAndSafeForEmptyRanges)
{
    struct Case { int progress, lo, hi, percent; };
    const Case cases[] = {
        {0, 0, 100, 0},        {100, 0, 100, 100},    {50, 0, 100, 50},
        {1, 0, 3, 33},         {2, 0, 3, 66},         // truncated, not rounded
        {0, -4000, 4000, 50},  {-4000, -4000, 4000, 0}, {4000, -4000, 4000, 100},
        {10, -40, 40, 62},     {-41, -40, 40, 0},     {41, -40, 40, 100},
        {5, 5, 5, 0},          {0, 0, 0, 0},          // no range: empty bar, no division
        {2147483647, -2147483647 - 1, 2147483647, 100}, // span beyond 32 bits
    };
    for (const Case &c : cases)
        EXPECT_EQ(gaugePercent(c.progress, c.lo, c.hi), c.percent)
            << c.progress << " in " << c.lo << ".." << c.hi;
    EXPECT_EQ(gaugeFillLength(50, 81), 40);
    EXPECT_EQ(gaugeFillLength(100, 81), 81);
}

TEST(ShapeGeometry, FiguresSitInsideTheControl)
{
    struct Case { TShapeType shape; QSize size; int pen; QRectF outline; };
    const Case cases[] = {
        {stRectangle, {20, 10}, 1, {0.5, 0.5, 19, 9}},
        {stEllipse, {20, 10}, 1, {0.5, 0.5, 19, 9}},
        {stCircle, {20, 10}, 1, {5.5, 0.5, 9, 9}},     // largest centred square
        {stCircle, {10, 20}, 1, {0.5, 5.5, 9, 9}},
        {stSquare, {21, 11}, 2, {1 + 5, 1, 9, 9}},
        {stRectangle, {0, 0}, 1, {0.5, 0.5, 0, 0}},    // no size: no negative extent
    };
    for (const Case &c : cases)
        EXPECT_EQ(shapeRect(c.shape, c.size, c.pen), c.outline) << int(c.shape);
}

TEST(StatusBarGeometry, FixedWidthsFromTheLeftAndTheLastPanelFillsTheBar)
{
    const QVector<QRect> r = statusPanelRects({100, 100, 50, 600, 100, 100}, QSize(1161, 21));
    ASSERT_EQ(r.size(), 6);
    const int lefts[] = {0, 100, 200, 250, 850, 950};
    const int widths[] = {100, 100, 50, 600, 100, 211};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(r[i].left(), lefts[i]) << i;
        EXPECT_EQ(r[i].width(), widths[i]) << i;
        EXPECT_EQ(r[i].height(), 21);
    }
    // A bar narrower than the panels: the last one shrinks to nothing.
    EXPECT_EQ(statusPanelRects({100, 100}, QSize(50, 21))[1].width(), 0);
}

TEST(RadioGroupGeometry, ItemsFillColumnByColumnAlsoWhenTheColumnsDoNotDivideThem)
{
    // Columns hold ceil(count / columns) items; the last column takes what is
    // left. Rows share the height under the caption, the spare pixels split
    // above and below.
    struct Case { int index, count, columns; QSize group; int caption; QRect place; };
    const Case cases[] = {
        // 5 items in 2 columns of 3: width (120 - 10) / 2, rows 62 / 3 = 20, 2 spare.
        {0, 5, 2, {120, 80}, 13, {8, 15, 55, 20}},
        {2, 5, 2, {120, 80}, 13, {8, 55, 55, 20}},
        {3, 5, 2, {120, 80}, 13, {63, 15, 55, 20}},
        {4, 5, 2, {120, 80}, 13, {63, 35, 55, 20}},
        // 7 items in 3 columns of 3: the last column holds one.
        {3, 7, 3, {160, 70}, 14, {58, 15, 50, 17}},
        {5, 7, 3, {160, 70}, 14, {58, 49, 50, 17}},
        {6, 7, 3, {160, 70}, 14, {108, 15, 50, 17}},
        // Even division, and more columns than items (one per column).
        {3, 4, 2, {120, 80}, 13, {63, 45, 55, 31}},
        {2, 3, 5, {120, 80}, 13, {52, 14, 22, 62}},
        // No such item.
        {5, 5, 2, {120, 80}, 13, {}},
        {-1, 5, 2, {120, 80}, 13, {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(radioItemRect(c.index, c.count, c.columns, c.group, c.caption), c.place)
            << "item " << c.index << " of " << c.count << " in " << c.columns << " columns";
}

TEST(UpDownMath, StepsStopAtTheLimits)
{
    struct Case { int pos, inc, min, max; bool up; bool moves; int to; TUpDownDirection dir; };
    const Case cases[] = {
        {1, 1, 0, 32, true, true, 2, updUp},
        {1, 1, 0, 32, false, true, 0, updDown},
        {32, 1, 0, 32, true, false, 32, updNone},
        {0, 1, 0, 32, false, false, 0, updNone},
        {30, 5, 0, 32, true, true, 32, updUp},    // a big step ends at the limit
        {5, 1, 10, 0, true, true, 4, updUp},      // reversed range: up goes toward Max
        {5, 1, 10, 0, false, true, 6, updDown},
        {0, 1, 10, 0, true, false, 0, updNone},   // reversed range at Max
        {10, 1, 10, 0, false, false, 10, updNone}, // and at Min
        {2, 5, 10, 0, true, true, 0, updUp},      // a big step stops at Max
        {2147483647, 1, 0, 2147483647, true, false, 2147483647, updNone},
    };
    for (const Case &c : cases) {
        const UpDownStep s = upDownStep(c.pos, c.inc, c.min, c.max, c.up);
        EXPECT_EQ(s.moves, c.moves) << c.pos << (c.up ? " up" : " down");
        EXPECT_EQ(s.newValue, c.to) << c.pos;
        EXPECT_EQ(s.direction, c.dir) << c.pos;
    }
}

TEST(FileMask, PatternsIgnoreCaseAndNamesSortWithoutCase)
{
    const QStringList p = maskPatterns(QStringLiteral("*.jpg; *.bmp;"));
    EXPECT_EQ(p, QStringList({"*.jpg", "*.bmp"}));
    struct Case { const char *name; bool match; };
    const Case cases[] = {{"a.jpg", true}, {"B.JPG", true}, {"c.Bmp", true},
                          {"d.jpeg", false}, {"e.jpg.txt", false}, {"jpg", false}};
    for (const Case &c : cases)
        EXPECT_EQ(matchesMask(QString::fromLatin1(c.name), p), c.match) << c.name;
    EXPECT_TRUE(matchesMask(QStringLiteral("README"), {QStringLiteral("*.*")}));
    QStringList names = {"b.jpg", "C.bmp", "a.jpg", "B.jpg"};
    sortFileNames(names);
    EXPECT_EQ(names, QStringList({"a.jpg", "B.jpg", "b.jpg", "C.bmp"}));
}
