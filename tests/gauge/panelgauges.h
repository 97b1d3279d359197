#pragma once
// The thirteen dial configurations of the main panel, for tests and the
// benchmark: the same properties the panel layout gives its gauges.
#include "fonts/panelfonts.h"
#include "gauge/tanaloggauge.h"

#include <array>

struct PanelGauge {
    const char *name;
    int width, height;
    TStyle style;
    int angle, margin, mainTicks, lengthMain, lengthSub, scale, indMin, indMax;
    TColor minColor, midColor, maxColor, valueColor;
    const char *caption;
};

inline constexpr std::array<PanelGauge, 13> panelGauges{{
    {"agSpeed", 128, 128, CenterStyle, 300, 6, 8, 10, 4, 200, 1, 149, clRed, clGreen, clYellow, clSilver, "KNOTS"},
    {"agBatteryV", 82, 55, CenterStyle, 160, 4, 3, 10, 4, 38, 11, 24, clRed, clYellow, clGreen, clSilver, "V"},
    {"agMainBus", 82, 50, CenterStyle, 160, 4, 3, 10, 4, 36, 11, 21, clRed, clYellow, clGreen, clSilver, "V"},
    {"agMainAmp", 82, 50, CenterStyle, 160, 4, 5, 10, 4, 50, 5, 10, clRed, clYellow, clGreen, clSilver, "A"},
    {"agAPU", 100, 60, CenterStyle, 160, 4, 3, 10, 4, 36, 11, 21, clRed, clYellow, clGreen, clSilver, "V"},
    {"agRPM", 98, 98, CenterStyle, 300, 5, 6, 8, 3, 36, 5, 30, clYellow, clGreen, clRed, clWhite, "x100"},
    {"agMAP", 98, 98, CenterStyle, 300, 4, 9, 6, 3, 45, 5, 41, clYellow, clGreen, clRed, clWhite, "MAP"},
    {"agAPURPM", 100, 100, CenterStyle, 300, 5, 4, 8, 3, 100, 10, 25, clRed, clYellow, clGreen, clWhite, "x100"},
    {"agOT", 82, 80, RightStyle, 90, 10, 4, 10, 4, 24, 3, 21, clYellow, clGreen, clRed, clWhite, "Fx10"},
    {"agOP", 82, 80, RightStyle, 90, 10, 4, 10, 4, 100, 10, 90, clRed, clGreen, clYellow, clWhite, "PSI"},
    {"agCHT", 82, 80, RightStyle, 90, 10, 4, 10, 4, 60, 10, 51, clYellow, clGreen, clRed, clWhite, "Fx10"},
    {"agEGT", 82, 80, RightStyle, 90, 10, 4, 10, 4, 160, 30, 135, clYellow, clGreen, clRed, clWhite, "Fx10"},
    {"agFF", 82, 80, RightStyle, 90, 10, 3, 10, 4, 150, 10, 105, clYellow, clGreen, clBlue, clSilver, "PPH"},
}};

inline void configurePanelGauge(TAnalogGauge &g, const PanelGauge &c)
{
    g.resize(c.width, c.height);
    g.SetAntiAliased(aaBiline);
    g.SetFaceOptions(TFaceOptions(0xFFF) & ~TFaceOptions(ShowMargin | ShowCircles));
    g.SetFaceColor(clBlack);
    g.SetTicksColor(clWhite);
    g.SetCaptionColor(clWhite);
    g.SetArrowColor(clWhite);
    g.SetArrowWidth(2);
    g.SetCircleColor(clBlue);
    g.SetCenterColor(clGray);
    g.SetValueColor(c.valueColor);
    g.SetMarginColor(QLatin1String(c.name) == QLatin1String("agSpeed") ? clMedGray : clBlack);
    g.SetFont(panelfonts::panelTypeface(u"Lucida Console", c.width == c.height && (c.width == 98 || c.width == 100) ? 12 : 9));
    g.SetStyle(c.style);
    g.SetAngle(c.angle);
    g.SetMargin(c.margin);
    g.SetNumberMainTicks(c.mainTicks);
    g.SetLengthMainTicks(c.lengthMain);
    g.SetLengthSubTicks(c.lengthSub);
    g.SetScale(c.scale);
    g.SetIndMaximum(c.indMax);
    g.SetIndMinimum(c.indMin);
    g.SetMinColor(c.minColor);
    g.SetMidColor(c.midColor);
    g.SetMaxColor(c.maxColor);
    g.SetCaption(QString::fromLatin1(c.caption));
}
