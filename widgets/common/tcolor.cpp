#include "tcolor.h"

TColor resolveColor(TColor c)
{
    if ((c & 0xFF000000) != clSystemColor)
        return c & 0x00FFFFFF;
    switch (c) {
    case clActiveCaption: return RGBColor(153, 180, 209);
    case clBtnFace: return RGBColor(240, 240, 240);
    case clBtnShadow: return RGBColor(160, 160, 160);
    case clBtnHighlight: return RGBColor(255, 255, 255);
    case clWindowText:
    case clBtnText:
    default: return RGBColor(0, 0, 0);
    }
}

QColor toQColor(TColor c)
{
    const TColor rgb = resolveColor(c);
    return QColor(redOf(rgb), greenOf(rgb), blueOf(rgb));
}

TColor fromQColor(const QColor &c)
{
    return RGBColor(c.red(), c.green(), c.blue());
}
