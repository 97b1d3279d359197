#pragma once
// Value types of the dial gauge: where the needle's pivot sits, the
// supersampling factor, and which parts of the dial are drawn.
#include <QFlags>
#include <QtGlobal>

// Where the needle's pivot is: bottom-left corner, bottom-right corner, or
// centred horizontally under a symmetric scale.
enum TStyle : int { LeftStyle, RightStyle, CenterStyle };

// Supersampling factor 1, 2, 3 or 4.
enum TAntialiased : int { aaNone, aaBiline, aaTriline, aaQuadral };

// The drawable parts of the dial; bit n is the n-th member of the set.
enum TFaceOption : quint16 {
    ShowMargin = 1u << 0,
    ShowCircles = 1u << 1,
    ShowMainTicks = 1u << 2,
    ShowSubTicks = 1u << 3,
    ShowIndicatorMin = 1u << 4,
    ShowIndicatorMid = 1u << 5,
    ShowIndicatorMax = 1u << 6,
    ShowValues = 1u << 7,
    ShowCenter = 1u << 8,
    ShowFrame = 1u << 9,
    Show3D = 1u << 10,
    ShowCaption = 1u << 11,
};
Q_DECLARE_FLAGS(TFaceOptions, TFaceOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TFaceOptions)

// Every part except the dots at the main ticks and the low and middle arcs.
constexpr TFaceOptions defaultFaceOptions()
{
    return TFaceOptions(ShowMargin | ShowMainTicks | ShowSubTicks | ShowIndicatorMax | ShowValues
                        | ShowCenter | ShowFrame | Show3D | ShowCaption);
}

// Factor K of a supersampling mode (anything unknown counts as 1).
constexpr int aaFactor(TAntialiased a)
{
    switch (a) {
    case aaBiline: return 2;
    case aaTriline: return 3;
    case aaQuadral: return 4;
    case aaNone: break;
    }
    return 1;
}
