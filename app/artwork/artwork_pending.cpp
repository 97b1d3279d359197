// Placeholder pictures until the artwork lands: every picture is empty.
#include "artwork.h"

namespace artwork {
QImage attitudeBall() { return {}; }
QImage compassCard() { return {}; }
QImage windMarker() { return {}; }
QImage courseMarker() { return {}; }
QImage headingMarker() { return {}; }
QImage vorCard() { return {}; }
QImage vorNeedle() { return {}; }
QImage adfCard() { return {}; }
QImage adfNeedle() { return {}; }
QImage controlPad() { return {}; }
QImage viewerPicture(int) { return {}; }
QImage aboutBanner() { return {}; }
QImage programIcon() { return {}; }
QIcon buttonGlyph(const char *) { return {}; }
} // namespace artwork
