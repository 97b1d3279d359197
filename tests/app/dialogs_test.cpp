// The about box, the disabled settings button and the general error report.
#include "SimLinkClient.h"
#include "adapters/panellabel.h"
#include "adapters/paneltimer.h"
#include "errorreport.h"
#include "fakedialogs.h"
#include "simprocess.h"
#include "uACMainForm.h"
#include "uAboutBox.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

TEST(ErrorReport, AConversionFailureEndsTheHandlerWithAMessageAndNothingElse)
{
    FakeDialogs dialogs;
    bool afterTheConversion = false;
    handlerBoundary([&] {
        StrToInt(QStringLiteral("abc"));
        afterTheConversion = true;
    });
    EXPECT_FALSE(afterTheConversion);
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("'abc' is not a valid integer value")});
}

TEST(AboutBox, HasItsFixedContent)
{
    TAboutBox box;
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(box.size(), QSize(309, 368));
    EXPECT_EQ(box.ProductName->text(), QStringLiteral("Veltrano"));
    EXPECT_EQ(box.Version->text(), QStringLiteral("Version: 0.5.0.1"));
    EXPECT_EQ(box.BitBtn1->geometry(), QRect(118, 340, 75, 25));
}

TEST(AboutBox, OpensFreshEachTimeWhileTheRefreshKeepsRunning)
{
    FakeDialogs dialogs;
    SimProcess sim;
    ASSERT_TRUE(sim.start());
    TfrmACMain w;
    w.FormActivate();
    ASSERT_TRUE(w.TimerUpdateTime->Enabled());
    w.TimerUpdateTime->SetInterval(20);

    QList<const QDialog *> boxes;
    int ticksWhileOpen = 0;
    dialogs.whileModal = [&](QDialog &box) {
        boxes << &box;
        // Run the box for real and close it after a few refresh ticks.
        int ticks = 0;
        auto conn = QObject::connect(w.TimerUpdateTime, &PanelTimer::OnTimer, &box, [&] {
            if (++ticks == 3)
                QTimer::singleShot(0, &box, &QDialog::accept);
        });
        box.exec();
        QObject::disconnect(conn);
        ticksWhileOpen += ticks;
    };
    w.bbtnAboutClick();
    w.bbtnAboutClick();
    EXPECT_EQ(dialogs.modals, 2);
    EXPECT_EQ(dialogs.shown, (QStringList{"About", "About"}));
    EXPECT_GE(ticksWhileOpen, 6);
    EXPECT_TRUE(w.TimerUpdateTime->Enabled());
}

TEST(Settings, TheButtonNeverReacts)
{
    FakeDialogs dialogs;
    TfrmACMain w;
    EXPECT_FALSE(w.bbtnSettings->isEnabled());
    QTest::mouseClick(w.bbtnSettings, Qt::LeftButton);
    EXPECT_EQ(dialogs.modals, 0);
    EXPECT_FALSE(w.bbtnSettings->isEnabled());
}
