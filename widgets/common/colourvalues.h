#pragma once
// Colours as values, without any drawing: a 32-bit value with red in the low
// byte, then green and blue; a top byte of 0xFF names a system colour (button
// face, button text and the like) that is resolved only when drawn. The
// panel's pure rules pick colours from here.
#include <cstdint>

using TColor = std::uint32_t;

constexpr TColor RGBColor(int r, int g, int b)
{
    return TColor(r & 0xFF) | (TColor(g & 0xFF) << 8) | (TColor(b & 0xFF) << 16);
}
constexpr int redOf(TColor c) { return int(c & 0xFF); }
constexpr int greenOf(TColor c) { return int((c >> 8) & 0xFF); }
constexpr int blueOf(TColor c) { return int((c >> 16) & 0xFF); }

// System colours (top byte 0xFF, low byte the system colour index).
constexpr TColor clSystemColor = 0xFF000000;
constexpr TColor clActiveCaption = clSystemColor | 2;
constexpr TColor clWindowText = clSystemColor | 8;
constexpr TColor clBtnFace = clSystemColor | 15;
constexpr TColor clBtnShadow = clSystemColor | 16;
constexpr TColor clBtnText = clSystemColor | 18;
constexpr TColor clBtnHighlight = clSystemColor | 20;

// The panel's colour language.
constexpr TColor clBlack = RGBColor(0, 0, 0);
constexpr TColor clWhite = RGBColor(255, 255, 255);
constexpr TColor clGray = RGBColor(128, 128, 128);       // switch off
constexpr TColor clSilver = RGBColor(192, 192, 192);     // system absent
constexpr TColor clSwitchOn = RGBColor(51, 204, 0);      // switch on
constexpr TColor clOrange = RGBColor(255, 153, 51);      // on, worth attention
constexpr TColor clRed = RGBColor(255, 0, 0);            // warning
constexpr TColor clSkyBlue = RGBColor(0, 204, 255);      // GPS course source
constexpr TColor clLime = RGBColor(0, 255, 0);           // lamp lit
constexpr TColor clGreen = RGBColor(0, 128, 0);
constexpr TColor clBlue = RGBColor(0, 0, 255);
constexpr TColor clYellow = RGBColor(255, 255, 0);
constexpr TColor clMedGray = RGBColor(160, 160, 164);
constexpr TColor clRedOrange = RGBColor(255, 102, 0);
