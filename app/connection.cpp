// Opening the link: the connection start of the first activation and the
// reconnection timer. Closing it again when the far end vanishes (the
// simulator quit, crashed or dropped its window), so that the timer brings
// the panel back when the simulator returns.
#include "uACMainForm.h"

#include "SimLinkClient.h"
#include "adapters/panelshape.h"
#include "adapters/panelstatusbar.h"
#include "adapters/paneltimer.h"
#include "adapters/trackbar.h"
#include "connectiontexts.h"

#include <QFrame>
#include <QGroupBox>
#include <QPushButton>

#include <cstdio>

namespace {

const QString kWaiting = QStringLiteral("Unable to Open FS Connection...Waiting...");

// What a successful open appends to the caption.
QString connectedSuffix()
{
    return QStringLiteral(" - ") + QString::fromLatin1(resultTextOf(FSUIPC_ERR_OK));
}

} // namespace

bool TfrmACMain::OpenConnection()
{
    DWORD result = 0;
    if (FSUIPC_Open(SIM_ANY, result)) {
        setWindowTitle(windowTitle() + connectedSuffix());
        if (fWideFS) {
            setStatusPanel(1, QStringLiteral("WideFS: Yes"));
            TimerUpdateTime->SetInterval(400);
        } else {
            setStatusPanel(1, QStringLiteral("WideFS: No"));
            TimerUpdateTime->SetInterval(500);
        }
        setStatusPanel(2, simulatorText(FSUIPC_FS_Version));
        setStatusPanel(0, versionText(FSUIPC_Version));
        reportFarEndProblem(std::string());
        return true;
    }
    if (result == FSUIPC_ERR_NOFS)
        reportFarEndProblem(farEndProblem());
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
        enterWaiting();
        pumpMessages();
        TimerOpen->SetEnabled(true);
        return;
    }
    enterConnected(QStringLiteral("Connected"));
    m_refreshOwed = true; // until the end of the start, which starts it
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
    if (!isConnected)
        return; // the far end went during the pass: the reconnection starts the refresh

    m_refreshOwed = false;
    setStatusPanel(3, QStringLiteral("Initializing...Done."));
    bbtnPause->setText(QStringLiteral("&Pause"));
    giveFocus(bbtnPause);
    TimerUpdateTime->SetEnabled(true);
    setStatusPanel(4, QStringLiteral("Starting Scan..."));
}

void TfrmACMain::TimerOpenTimer()
{
    if (!OpenConnection()) {
        enterWaiting();
        return;
    }
    enterConnected(QStringLiteral("Connected."));

    // The reconnection pass. After a first connection, or when the user had
    // paused, the refresh waits for the user's "Go"; when it was running as
    // the far end went, it runs again.
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
    if (isConnected && m_refreshOwed) {
        m_refreshOwed = false;
        bbtnPause->setText(QStringLiteral("&Pause"));
        TimerUpdateTime->SetEnabled(true);
        setStatusPanel(4, QStringLiteral("Starting Scan..."));
    }
}

void TfrmACMain::farEndGone()
{
    // Called by the exchange that found the far end gone, before any other
    // exchange: from here on every request fails at once ("link not Open")
    // without reaching for the far end, and the refresh tick stops.
    if (bbtnPause->text() == QStringLiteral("&Pause"))
        m_refreshOwed = true;
    TimerUpdateTime->SetEnabled(false);
    FSUIPC_Close();
    QString caption = windowTitle();
    if (caption.endsWith(connectedSuffix()))
        caption.chop(connectedSuffix().size());
    setWindowTitle(caption);
    setStatusPanel(4, QString());
    enterWaiting();
    TimerOpen->SetEnabled(true);
}

void TfrmACMain::enterWaiting()
{
    setStatusPanel(3, kWaiting);
    isConnected = false;
    bbtnPause->setEnabled(false);
}

void TfrmACMain::reportFarEndProblem(const std::string &why)
{
    // Said once per reason on standard error; kept as the status bar's hint,
    // which shows in the status line while the pointer rests on the bar.
    if (why == m_farEndProblem)
        return;
    m_farEndProblem = why;
    if (!why.empty())
        std::fprintf(stderr, "veltrano: %s\n", why.c_str());
    const QString hint = QString::fromLocal8Bit(why.data(), qsizetype(why.size()));
    simver1->setStatusTip(hint);
    simver1->setToolTip(hint);
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
