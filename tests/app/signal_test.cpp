// Told to end by a signal, the panel closes as by its close button: the link
// is closed, and nothing of it stays behind for the next panel to trip on.
// The real program against veltrano-sim.
#include "SimLinkClient.h"
#include "simprocess.h"
#include "../simlink/linkleftovers.h"

#include <QProcess>
#include <gtest/gtest.h>

#include <csignal>
#include <cstring>

TEST(Signals, TermIntAndHupCloseThePanelAndItsLink)
{
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(::strsignal(sig));
        SimProcess sim;
        ASSERT_TRUE(sim.start());
        ASSERT_EQ(sim.command(QStringLiteral("trace on")), QStringLiteral("OK"));
        QProcess panel;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        panel.setProcessEnvironment(env);
        panel.setProcessChannelMode(QProcess::ForwardedChannels);
        panel.start(QStringLiteral(VELTRANO_PATH), QStringList{});
        ASSERT_TRUE(panel.waitForStarted(5000));
        ASSERT_TRUE(sim.waitForTrace(QStringLiteral("W 0x330A"))); // its handshake: the link is open
        const std::string mapping = mappingNameOf(DWORD(panel.processId()));
        ASSERT_TRUE(sharedObjectExists(mapping));
        ASSERT_TRUE(atomNamed(mapping));

        ::kill(pid_t(panel.processId()), sig);
        ASSERT_TRUE(panel.waitForFinished(10000));
        EXPECT_EQ(panel.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(panel.exitCode(), 0);
        EXPECT_FALSE(sharedObjectExists(mapping));
        EXPECT_FALSE(atomNamed(mapping));
    }
}
