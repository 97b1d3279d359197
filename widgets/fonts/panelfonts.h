#pragma once
// The panel's typefaces travel with the program, so that it looks the same on
// every machine whatever fonts are installed there. The layout still names
// the typefaces of the Windows panel it mirrors ("MS Sans Serif", "Lucida
// Console", ...); shippedFamily() is the one place that says which shipped
// typeface stands in for each.
#include <QFont>
#include <QString>
#include <QAnyStringView>

namespace panelfonts {

// Adds the shipped typefaces to the application's font database and makes the
// shipped sans family the application's default (keeping the default size).
// Needs a QGuiApplication; the panel, the tools, the tests and the benchmarks
// call it once after creating theirs (later calls do nothing). False when a
// typeface could not be loaded.
bool registerPanelFonts();

// The shipped family standing in for `requested`; a name the table does not
// know gets the shipped sans family.
QString shippedFamily(QAnyStringView requested);

// A font of the shipped typeface standing in for `requested`, `pixels` high.
QFont panelTypeface(QAnyStringView requested, int pixels, bool bold = false);

} // namespace panelfonts
