// Opening the link, the connection start of the first activation, the
// reconnection timer and the refresh cycle.
//
// Offsets: 0x0238 (3 bytes: hour, minute, second of the simulator clock),
// 0x0C1A written by the pause button (simulation rate x 256).
#include "uACMainForm.h"

#include "SimLinkClient.h"
#include "adapters/panelstatusbar.h"
#include "adapters/paneltimer.h"
#include "connectiontexts.h"

#include <QCoreApplication>
#include <QPushButton>

bool TfrmACMain::OpenConnection()
{
    DWORD result = 0;
    if (FSUIPC_Open(SIM_ANY, result)) {
        setWindowTitle(windowTitle() + QStringLiteral(" - ") + QString::fromLatin1(resultTextOf(result)));
        if (fWideFS) {
            setStatusPanel(1, QStringLiteral("WideFS: Yes"));
            TimerUpdateTime->SetInterval(400);
        } else {
            setStatusPanel(1, QStringLiteral("WideFS: No"));
            TimerUpdateTime->SetInterval(500);
        }
        setStatusPanel(2, simulatorText(FSUIPC_FS_Version));
        setStatusPanel(0, versionText(FSUIPC_Version));
        return true;
    }
    const bool alreadyOpen = result == FSUIPC_ERR_OPEN;
    setStatusPanel(3, QString::fromLatin1(alreadyOpen ? "Connect: " : "Waiting to connect: ") +
                          QString::fromLatin1(resultTextOf(result)));
    QCoreApplication::processEvents();
    return alreadyOpen;
}

void TfrmACMain::ConnectionStart()
{
    imagecount = 0;
    vInProc = 0;
    TimerUpdateTime->SetEnabled(false);
    setStatusPanel(3, QString());
    if (OpenConnection()) {
        TimerOpen->SetEnabled(false);
        setStatusPanel(3, QStringLiteral("Connected"));
        isConnected = true;
        bbtnPause->setEnabled(true);
        bbtnPause->setText(QStringLiteral("G&o"));
    } else {
        setStatusPanel(3, QStringLiteral("Unable to Open FS Connection...Waiting..."));
        isConnected = false;
        bbtnPause->setEnabled(false);
        QCoreApplication::processEvents();
        TimerOpen->SetEnabled(true);
    }
}
