// A second start finds the running panel and asks it to the front.
#include "simprocess.h"
#include "singleinstance.h"

#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

TEST(SingleInstance, ASecondStartFindsTheRunningPanel)
{
    SimProcess privateFolder; // endpoints of this test only
    SingleInstance first;
    EXPECT_FALSE(first.raiseRunningCopy()); // nobody runs yet

    QWidget window;
    window.showMinimized();
    ASSERT_TRUE(window.isMinimized());
    first.serve(&window);
    SingleInstance second;
    EXPECT_TRUE(second.raiseRunningCopy());
    // The request is carried out on the running panel's own thread.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isMinimized(); }, 5000));

    first.stop();
    EXPECT_FALSE(SingleInstance().raiseRunningCopy());
}
