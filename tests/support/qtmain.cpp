// The main of the tests that need Qt: widget tests need an application object
// for the whole run and never a display (off-screen unless the caller chose a
// platform). Listing the tests, as ctest's discovery does, needs neither.
#include "fonts/panelfonts.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The panel's own typefaces, so that pictures of text match on every machine.
    panelfonts::registerPanelFonts();
    return RUN_ALL_TESTS();
}
