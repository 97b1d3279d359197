// Placeholder layout: every control of the group exists with its kind; places to come.
#include "uACMainForm.h"

#include "adapters/bargauge.h"
#include "adapters/filelist.h"
#include "adapters/paneledit.h"
#include "adapters/panelimage.h"
#include "adapters/panellabel.h"
#include "adapters/panelshape.h"
#include "adapters/radiogroup.h"
#include "adapters/speedbutton.h"
#include "adapters/trackbar.h"
#include "adapters/updown.h"
#include "artwork/artwork.h"
#include "gauge/tanaloggauge.h"
#include "image/trotatableimage.h"
#include "layoutkit.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QTimeEdit>

using namespace layout;

void TfrmACMain::buildFlightGroup()
{
    gbFlight = group(this, "gbFlight", QStringLiteral("Avionics"), QStringLiteral("Avionics Information Panel"), QRect(2, 84, 762, 189));
    stAlt = valueBox(gbFlight, "stAlt", QRect(4, 14, 16, 16));
    lgalt = label(gbFlight, "lgalt", QRect(24, 14, 16, 16), QString());
    lPress = label(gbFlight, "lPress", QRect(44, 14, 16, 16), QString());
    lPressScale = label(gbFlight, "lPressScale", QRect(64, 14, 16, 16), QString());
    lkollsmanval = label(gbFlight, "lkollsmanval", QRect(84, 14, 16, 16), QString());
    lPressDot = label(gbFlight, "lPressDot", QRect(104, 14, 16, 16), QString());
    lOAT = label(gbFlight, "lOAT", QRect(124, 14, 16, 16), QString());
    lSpeed = label(gbFlight, "lSpeed", QRect(144, 14, 16, 16), QString());
    lbps = label(gbFlight, "lbps", QRect(164, 14, 16, 16), QString());
    ltas = label(gbFlight, "ltas", QRect(184, 14, 16, 16), QString());
    lgs = label(gbFlight, "lgs", QRect(4, 34, 16, 16), QString());
    stVS = valueBox(gbFlight, "stVS", QRect(24, 34, 16, 16));
    lMagVar = label(gbFlight, "lMagVar", QRect(44, 34, 16, 16), QString());
    lCompass = label(gbFlight, "lCompass", QRect(64, 34, 16, 16), QString());
    lWinddir = label(gbFlight, "lWinddir", QRect(84, 34, 16, 16), QString());
    lWindSpd = label(gbFlight, "lWindSpd", QRect(104, 34, 16, 16), QString());
    lLat = label(gbFlight, "lLat", QRect(124, 34, 16, 16), QString());
    lLon = label(gbFlight, "lLon", QRect(144, 34, 16, 16), QString());
    lNearAP = label(gbFlight, "lNearAP", QRect(164, 34, 16, 16), QString());
    lNearAPAlt = label(gbFlight, "lNearAPAlt", QRect(184, 34, 16, 16), QString());
    lETANext = label(gbFlight, "lETANext", QRect(4, 54, 16, 16), QString());
    lETENext = label(gbFlight, "lETENext", QRect(24, 54, 16, 16), QString());
    lETADest = label(gbFlight, "lETADest", QRect(44, 54, 16, 16), QString());
    lETEDest = label(gbFlight, "lETEDest", QRect(64, 54, 16, 16), QString());
    lNWPID = label(gbFlight, "lNWPID", QRect(84, 54, 16, 16), QString());
    lDAPID = label(gbFlight, "lDAPID", QRect(104, 54, 16, 16), QString());
    lPitch = label(gbFlight, "lPitch", QRect(124, 54, 16, 16), QString());
    lElecF = label(gbFlight, "lElecF", QRect(144, 54, 16, 16), QString());
    lEngF = label(gbFlight, "lEngF", QRect(164, 54, 16, 16), QString());
    lHyd = label(gbFlight, "lHyd", QRect(184, 54, 16, 16), QString());
    lBrkF = label(gbFlight, "lBrkF", QRect(4, 74, 16, 16), QString());
    lstall = label(gbFlight, "lstall", QRect(24, 74, 16, 16), QString());
    lOS = label(gbFlight, "lOS", QRect(44, 74, 16, 16), QString());
    lVacF = label(gbFlight, "lVacF", QRect(64, 74, 16, 16), QString());
    lFireG = label(gbFlight, "lFireG", QRect(84, 74, 16, 16), QString());
    lice = label(gbFlight, "lice", QRect(104, 74, 16, 16), QString());
    ggalt = barGauge(gbFlight, "ggalt", QRect(124, 74, 16, 16), 0, 100, clBlue);
    ggVertSpeed = barGauge(gbFlight, "ggVertSpeed", QRect(144, 74, 16, 16), 0, 100, clBlue);
    gPitch = barGauge(gbFlight, "gPitch", QRect(164, 74, 16, 16), 0, 100, clBlue);
    knbKollsman = knob(gbFlight, "knbKollsman", QPoint(184, 74), {24, 0, 1});
    knbDriftFix = knob(gbFlight, "knbDriftFix", QPoint(4, 94), {24, 0, 1});
    agSpeed = gauge(gbFlight, "agSpeed", QPoint(24, 94), {QSize(82, 80), RightStyle, 90, 10, 4, 10, 4, 100, 10, 90, clRed, clGreen, clYellow, QStringLiteral("")});
    eHdg = edit(gbFlight, "eHdg", QRect(44, 94, 16, 16), QString());
    eWinddir = edit(gbFlight, "eWinddir", QRect(64, 94, 16, 16), QString());
    ePitch = edit(gbFlight, "ePitch", QRect(84, 94, 16, 16), QString());
    eBank = edit(gbFlight, "eBank", QRect(104, 94, 16, 16), QString());
    rImgAttitude = rotatable(gbFlight, "rImgAttitude", QRect(124, 94, 105, 105), QImage());
    rImgGyro = rotatable(gbFlight, "rImgGyro", QRect(144, 94, 105, 105), QImage());
    rImgWind = rotatable(gbFlight, "rImgWind", QRect(164, 94, 105, 105), QImage());
    rImgHdgMk = rotatable(gbFlight, "rImgHdgMk", QRect(184, 94, 105, 105), QImage());
    rImgCrs = rotatable(gbFlight, "rImgCrs", QRect(4, 114, 105, 105), QImage());
    shpTurn = lamp(gbFlight, "shpTurn", QRect(24, 114, 16, 16), clSilver);
    shpBall = lamp(gbFlight, "shpBall", QRect(44, 114, 16, 16), clSilver);
    shpMousePos = lamp(gbFlight, "shpMousePos", QRect(64, 114, 16, 16), clSilver);
    pnlMousePad = panel(gbFlight, "pnlMousePad", QRect(84, 114, 16, 16));
    Image4 = picture(gbFlight, "Image4", QRect(104, 114, 16, 16), QImage());
}
