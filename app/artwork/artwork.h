#pragma once
// The panel's own pictures, all made by this project. The instrument pictures
// are drawn in code as bitmaps whose bottom-left pixel is their transparent
// colour (the rotatable image honours it); the viewer's built-in pictures and
// the about box banner are JPEG files made by tools/make-artwork, kept as Qt
// resources and decoded through libjpeg.
#include <QIcon>
#include <QImage>
#include <QRgb>

namespace artwork {

// The colour that every rotating picture below keeps in its bottom-left pixel
// and wherever it is transparent (magenta; no instrument uses it).
QRgb transparentKey();

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
// The pad's marks, in picture pixels: the centre, and the first and last pixel
// of the dead band of each axis (inclusive), where the pad gives no input.
constexpr int kPadSize = 167;
constexpr int kPadCentre = 82;
constexpr int kPadDeadLow = 70;
constexpr int kPadDeadHigh = 96;
// The pad's colours: field, grid, dead band strip, the square where both axes
// are dead, the lines on the band's first and last pixel, the cross-hair.
constexpr QRgb kPadField = 0xFF323741;
constexpr QRgb kPadGrid = 0xFF3E444F;
constexpr QRgb kPadBand = 0xFF46505C;
constexpr QRgb kPadNeutral = 0xFF55606E;
constexpr QRgb kPadBandEdge = 0xFFC8A03C;
constexpr QRgb kPadCross = 0xFFE6E6E6;
QImage viewerPicture(int index); // Image1..Image3 (index 1..3), built-in JPEGs
QImage aboutBanner();    // the about box banner, a JPEG
QImage programIcon();    // the program's icon, a bitmap

// Glyphs of the bottom row buttons: "pause", "refresh", "settings", "about", "close".
// An unknown name gives a null icon.
QIcon buttonGlyph(const char *name);

} // namespace artwork
