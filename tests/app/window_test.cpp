// The main window's life: creation, the first activation's connection,
// closing, key preview and hints.
#include "SimLinkClient.h"
#include "adapters/paneltimer.h"
#include "simprocess.h"
#include "uACMainForm.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusTipEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QList<PanelTimer *> timersOf(TfrmACMain &w)
{
    return {w.TimerUpdateTime, w.TimerOpen, w.tmEngineCycle, w.TimerImage1,
            w.TimerAPU,        w.TimerAutoMix, w.TimerExitEdit};
}

class WindowTest : public ::testing::Test {
protected:
    void TearDown() override { FSUIPC_Close(); }
};

} // namespace

TEST_F(WindowTest, StartsFixedWithEverythingStopped)
{
    TfrmACMain w;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Veltrano"));
    EXPECT_EQ(w.size(), QSize(1161, 783));
    EXPECT_EQ(w.minimumSize(), w.maximumSize()); // not resizable
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
    for (PanelTimer *t : timersOf(w))
        EXPECT_FALSE(t->Enabled()) << t->objectName().toStdString();
    EXPECT_EQ(w.TimerUpdateTime->Interval(), 1000);
    EXPECT_EQ(w.TimerOpen->Interval(), 2000);
    const QStringList initial{"FSUIPC:", "WideFS:", "FS:", "Message", "", "FS Clock:"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(w.statusPanel(i), initial[i]);
    EXPECT_TRUE(w.isFirst);
    EXPECT_FALSE(w.isConnected);
}

TEST_F(WindowTest, ConnectsOnFirstActivationOnly)
{
    SimProcess sim;
    ASSERT_TRUE(sim.start({"--version", "0x34560002", "--sim", "8"}));
    TfrmACMain w;
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    EXPECT_FALSE(w.isFirst);
    EXPECT_TRUE(w.isConnected);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Veltrano - Connected"));
    EXPECT_EQ(w.statusPanel(0), QStringLiteral("FSUIPC: 3.456b"));
    EXPECT_EQ(w.statusPanel(1), QStringLiteral("WideFS: No"));
    EXPECT_EQ(w.statusPanel(2), QStringLiteral("FS: FSX"));
    EXPECT_EQ(w.TimerUpdateTime->Interval(), 500);
    EXPECT_FALSE(w.TimerOpen->Enabled());

    // Later activations open nothing and leave the caption alone.
    w.FormActivate();
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&w, &activate);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Veltrano - Connected"));

    w.close();
    EXPECT_FALSE(w.isConnected);
    EXPECT_EQ(m_pView, nullptr);
}

TEST_F(WindowTest, ANetworkClientRefreshesFasterThanTheSimulatorItself)
{
    // A far end registered as FS98MAIN is a network client (WideFS).
    const struct {
        const char *windowClass;
        const char *wideFS;
        int interval;
    } cases[] = {{"FS98MAIN", "WideFS: Yes", 400}, {"UIPCMAIN", "WideFS: No", 500}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.windowClass);
        SimProcess sim;
        ASSERT_TRUE(sim.start({"--class", c.windowClass}));
        TfrmACMain w;
        ASSERT_TRUE(w.OpenConnection());
        EXPECT_EQ(w.statusPanel(1), QLatin1String(c.wideFS));
        EXPECT_EQ(w.TimerUpdateTime->Interval(), c.interval);
        FSUIPC_Close();
    }
}

TEST_F(WindowTest, WithoutAFarEndItWaitsAndRetries)
{
    SimProcess noSimulator; // a private folder with nobody in it
    TfrmACMain w;
    w.FormActivate();
    EXPECT_FALSE(w.isConnected);
    EXPECT_TRUE(w.TimerOpen->Enabled());
    EXPECT_FALSE(w.bbtnPause->isEnabled());
    EXPECT_EQ(w.statusPanel(3), QStringLiteral("Unable to Open FS Connection...Waiting..."));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Veltrano"));
    // Closing while the retry runs closes a link that was never opened.
    w.close();
    EXPECT_FALSE(w.isConnected);
}

TEST_F(WindowTest, TheWindowSeesKeysBeforeTheFocusedEdit)
{
    TfrmACMain w;
    auto *edit = new QLineEdit(&w);
    w.show();
    edit->setFocus();
    QString textWhenPreviewed = QStringLiteral("unset");
    int previews = 0;
    QObject::connect(&w, &TfrmACMain::OnKeyDown, [&](int key, Qt::KeyboardModifiers) {
        if (key == Qt::Key_B) {
            textWhenPreviewed = edit->text();
            ++previews;
        }
    });
    QTest::keyClick(edit, Qt::Key_B);
    EXPECT_EQ(previews, 1);                  // once, though the key travels up the parents
    EXPECT_EQ(textWhenPreviewed, QString()); // before the edit had it
    EXPECT_EQ(edit->text(), QStringLiteral("b")); // and the edit still got it
}

TEST_F(WindowTest, HintsGoToTheStatusLineAndLeaveIt)
{
    TfrmACMain w;
    QStatusTipEvent over(QStringLiteral("Close Veltrano"));
    QApplication::sendEvent(&w, &over);
    EXPECT_EQ(w.statusPanel(3), QStringLiteral("Close Veltrano"));
    QStatusTipEvent away{QString()};
    QApplication::sendEvent(&w, &away);
    EXPECT_EQ(w.statusPanel(3), QString());
}
