// Opening the link: the connection start of the first activation and the
// reconnection timer.
#include "uACMainForm.h"

#include "SimLinkClient.h"
#include "adapters/panelshape.h"
#include "adapters/paneltimer.h"
#include "adapters/trackbar.h"
#include "connectiontexts.h"

#include <QFrame>
#include <QGroupBox>
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
    pumpMessages();
    return alreadyOpen;
}

void TfrmACMain::ConnectionStart()
{
    imagecount = 0;
    vInProc = 0;
    TimerUpdateTime->SetEnabled(false);
    setStatusPanel(3, QString());
    for (QWidget *w : {static_cast<QWidget *>(pnlEngine2), static_cast<QWidget *>(pnlEngine3),
                       static_cast<QWidget *>(pnlEngine4), static_cast<QWidget *>(gbAPU)}) {
        w->hide();
        w->setEnabled(false);
    }
    for (PanelShape *lamp : {shpMkrOut, shpMkrMid, shpMkrIn})
        lamp->SetBrushColor(0xA4A0A0); // the markers' unlit grey

    if (!OpenConnection()) {
        setStatusPanel(3, QStringLiteral("Unable to Open FS Connection...Waiting..."));
        isConnected = false;
        bbtnPause->setEnabled(false);
        pumpMessages();
        TimerOpen->SetEnabled(true);
        return;
    }
    enterConnected(QStringLiteral("Connected"));
    setStatusPanel(3, QStringLiteral("Initializing..."));

    // The initial pass. Giving the levers the focus runs their enter and leave
    // handlers, which set and clear the write intent between the readers.
    AircraftInfo();
    AltitudeInfo();
    HeadInfo();
    SpeedInfo();
    giveFocus(tbThrottle1);
    ElectInfo();
    ControlInfo();
    RadioInfo();
    FuelInfo();
    giveFocus(tbProp1);
    NavInfo();
    APInfo();
    EngineInfoSel();
    EngineInfo1();
    giveFocus(tbMix1);
    readOtherEngineColumns();
    FailInfo();
    pumpMessages(kPassPumps);

    setStatusPanel(3, QStringLiteral("Initializing...Done."));
    bbtnPause->setText(QStringLiteral("&Pause"));
    giveFocus(bbtnPause);
    TimerUpdateTime->SetEnabled(true);
    setStatusPanel(4, QStringLiteral("Starting Scan..."));
}

void TfrmACMain::TimerOpenTimer()
{
    if (!OpenConnection()) {
        setStatusPanel(3, QStringLiteral("Unable to Open FS Connection...Waiting..."));
        isConnected = false;
        return;
    }
    enterConnected(QStringLiteral("Connected."));

    // The reconnection pass; the refresh waits for the user's "Go".
    AircraftInfo();
    AltitudeInfo();
    HeadInfo();
    SpeedInfo();
    ElectInfo();
    ControlInfo();
    RadioInfo();
    FuelInfo();
    NavInfo();
    APInfo();
    EngineInfo1();
    readOtherEngineColumns();
    FailInfo();
    pumpMessages(kPassPumps);
}

void TfrmACMain::enterConnected(const QString &status)
{
    TimerOpen->SetEnabled(false);
    setStatusPanel(3, status);
    isConnected = true;
    bbtnPause->setEnabled(true);
    bbtnPause->setText(QStringLiteral("G&o"));
}

void TfrmACMain::readOtherEngineColumns()
{
    if (vNumEng > 1)
        EngineInfo2();
    if (vNumEng > 2)
        EngineInfo3();
    if (vNumEng > 3)
        EngineInfo4();
}

void TfrmACMain::giveFocus(QWidget *control)
{
    if (control->isVisible() && control->isEnabled())
        control->setFocus(Qt::OtherFocusReason);
}
