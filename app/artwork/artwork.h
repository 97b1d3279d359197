#pragma once
// The panel's own pictures, all made by this project. The instrument pictures
// are drawn in code as bitmaps whose bottom-left pixel is their transparent
// colour (the rotatable image honours it); the viewer's built-in pictures and
// the about box banner are JPEG files made by tools/make-artwork, kept as Qt
// resources and decoded through libjpeg.
#include <QIcon>
#include <QImage>

namespace artwork {

// Rotating instrument pictures (sizes fit the controls that show them).
QImage attitudeBall();   // rImgAttitude, 109 x 108: horizon ball, turned by the bank angle
QImage compassCard();    // rImgGyro, 102 x 102: heading card of the gyro instrument
QImage windMarker();     // rImgWind, 120 x 120: wind direction arrow
QImage courseMarker();   // rImgCrs, 120 x 120: NAV 1 course pointer
QImage headingMarker();  // rImgHdgMk, 120 x 120: autopilot heading bug
QImage vorCard();        // rImgVOR1Lubber, rImgVOR2Lubber, 105 x 105: VOR card with lubber line
QImage vorNeedle();      // rImgVOR1Needle, rImgVOR2Needle, 105 x 105
QImage adfCard();        // rImgADFLubber, 105 x 105
QImage adfNeedle();      // rImgADFBrg, 105 x 105

// Still pictures.
QImage controlPad();     // Image4, 167 x 167: the aileron/elevator pad with its centre dead band
QImage viewerPicture(int index); // Image1..Image3 (index 1..3), built-in JPEGs
QImage aboutBanner();    // the about box banner, a JPEG
QImage programIcon();    // the program's icon, a bitmap

// Glyphs of the bottom row buttons: "pause", "refresh", "settings", "about", "close".
QIcon buttonGlyph(const char *name);

} // namespace artwork
