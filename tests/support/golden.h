#pragma once
// Golden-image comparison for painting tests: an image rendered off-screen is
// compared with tests/golden/<name>.png channel by channel. On a mismatch the
// actual image and a difference image are written to <build>/golden-failures.
// Run with VELTRANO_UPDATE_GOLDEN=1 to (re)write the stored image instead.
#include <QImage>
#include <QString>
#include <gtest/gtest.h>

::testing::AssertionResult matchesGolden(const QImage &actual, const QString &name,
                                         int tolerance = 2);
