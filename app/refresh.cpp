// The refresh cycle, the pause/go button and the refresh button, and the
// binding of the timers and the bottom button row.
//
// Offsets: 0x0238 read as 3 bytes (hour, minute, second of the simulator
// clock); 0x0C1A written by the pause button (0 pauses, 256 resumes).
#include "uACMainForm.h"

#include "SimLinkClient.h"
#include "adapters/paneledit.h"
#include "adapters/paneltimer.h"
#include "connectiontexts.h"
#include "dialogseam.h"
#include "catalogue.h"

#include <QFrame>
#include <QPushButton>

void TfrmACMain::connectConnection()
{
    on(TimerOpen, &PanelTimer::OnTimer, &TfrmACMain::TimerOpenTimer);
    on(TimerUpdateTime, &PanelTimer::OnTimer, &TfrmACMain::TimerUpdateTimeTimer);
    on(bbtnPause, &QPushButton::clicked, &TfrmACMain::bbtnPauseClick);
    on(bbtnRefresh, &QPushButton::clicked, &TfrmACMain::bbtnRefreshClick);
    on(bbtnSettings, &QPushButton::clicked, &TfrmACMain::bbtnSettingsClick);
    on(bbtnAbout, &QPushButton::clicked, &TfrmACMain::bbtnAboutClick);
    on(bbtnClose, &QPushButton::clicked, &TfrmACMain::btnCloseClick);
}

void TfrmACMain::TimerUpdateTimeTimer()
{
    if (bbtnPause->text() == QStringLiteral("G&o")) {
        TimerUpdateTime->SetEnabled(false);
        return;
    }

    // The clock goes straight through the link: no messages run before it.
    std::uint8_t clock[3] = {};
    DWORD result = 0;
    if (!FSUIPC_Read(var::ClockHour, sizeof clock, clock, result))
        setStatusPanel(3, QStringLiteral("Reading: ") + QString::fromLatin1(resultTextOf(result)));
    else if (processRequests("Processing: ", result))
        setStatusPanel(5, clockText(clock[0], clock[1], clock[2]));

    // A far end that vanished closes the link (farEndGone) and the tick calls
    // no further reader; the reader it happened in ends with requests that
    // fail at once. Each phase reader also runs only while no other reader is
    // busy; both tests are made again before every call, since readers nest
    // through the pump.
    auto always = [this](void (TfrmACMain::*reader)()) {
        if (isConnected)
            (this->*reader)();
    };
    auto run = [this](void (TfrmACMain::*reader)()) {
        if (isConnected && !vBuzy)
            (this->*reader)();
    };
    always(&TfrmACMain::AltitudeInfo);
    always(&TfrmACMain::SpeedInfo);
    always(&TfrmACMain::HeadInfo);
    run(&TfrmACMain::EngineInfoSel);

    switch (vInProc) {
    case 0:
        run(&TfrmACMain::ControlInfo);
        run(&TfrmACMain::ElectInfo);
        vInProc = 1;
        break;
    case 1:
        run(&TfrmACMain::NavInfo);
        run(&TfrmACMain::EngineInfo1);
        if (vNumEng > 1)
            run(&TfrmACMain::EngineInfo2);
        if (vNumEng > 2)
            run(&TfrmACMain::EngineInfo3);
        if (vNumEng > 3)
            run(&TfrmACMain::EngineInfo4);
        vInProc = 2;
        break;
    case 2:
        run(&TfrmACMain::ControlInfo);
        run(&TfrmACMain::FuelInfo);
        run(&TfrmACMain::ElectInfo);
        vInProc = 3;
        break;
    case 3:
        run(&TfrmACMain::RadioInfo);
        run(&TfrmACMain::APInfo);
        run(&TfrmACMain::NavInfo);
        run(&TfrmACMain::FailInfo);
        vInProc = 0;
        break;
    default:
        vInProc = 0;
        break;
    }
    if (!isConnected) {
        enterWaiting(); // the last word of a tick that lost the far end
        return;
    }
    setStatusPanel(4, QStringLiteral("Scanning.") + QString::number(vInProc));
}

void TfrmACMain::bbtnPauseClick()
{
    m_refreshOwed = false; // the user's own choice stands over a reconnection's
    if (bbtnPause->text() == QStringLiteral("&Pause")) {
        TimerUpdateTime->SetEnabled(false);
        bbtnPause->setText(QStringLiteral("G&o"));
        setStatusPanel(4, QStringLiteral("Paused."));
        eSimRate->setText(QStringLiteral("0"));
        WriteSmlInt(var::SimulationRate, 0);
    } else {
        bbtnPause->setText(QStringLiteral("&Pause"));
        TimerUpdateTime->SetEnabled(true);
        eSimRate->setText(QStringLiteral("1"));
        WriteSmlInt(var::SimulationRate, 256);
    }
}

void TfrmACMain::bbtnRefreshClick()
{
    for (QFrame *column : {pnlEngine2, pnlEngine3, pnlEngine4}) {
        column->hide();
        column->setEnabled(false);
    }
    if (!isConnected) {
        dialogs().showMessage(QStringLiteral("Not Connected to FS Now."));
        return;
    }
    setStatusPanel(3, QStringLiteral("Initializing..."));
    AircraftInfo();
    AltitudeInfo();
    HeadInfo();
    SpeedInfo();
    ElectInfo();
    ControlInfo();
    RadioInfo();
    pumpMessages(kPassPumps);
    setStatusPanel(3, QStringLiteral("Initializing...Done."));
}
