// Creating, activating and closing the main window; the window's side of the
// typed accessors; hints and key preview.
#include "uACMainForm.h"

#include "SimLinkClient.h"
#include "adapters/panelstatusbar.h"
#include "adapters/paneltimer.h"
#include "dialogseam.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QWheelEvent>
#include <QWindow>

TfrmACMain *frmACMain = nullptr;

TfrmACMain::TfrmACMain(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmACMain"));
    buildWindow();
    connectHandlers();
    FormCreate();
    if (!frmACMain)
        frmACMain = this;
}

TfrmACMain::~TfrmACMain()
{
    qApp->removeEventFilter(this);
    for (const QMetaObject::Connection &c : m_handlerConnections)
        QObject::disconnect(c);
    delete OpenDialog1;
    if (frmACMain == this)
        frmACMain = nullptr;
}

// Every area binds its own controls' events; the window binds none itself.
void TfrmACMain::connectHandlers()
{
    connectConnection();
    connectEngineReadout();
    connectSwitches();
    connectRadioTuning();
    connectAutopilot();
    connectEngineControls();
    connectFlightControls();
    connectFuelControls();
    connectSimulation();
    connectApu();
    connectKeyboard();
    connectWheel();
    connectViewer();
}

void TfrmACMain::FormCreate()
{
    isFirst = true;
    // Key preview: the window sees every key before the focused control.
    qApp->installEventFilter(this);
    // Qt draws every widget double-buffered already, the rotating pictures'
    // containers included.
    isConnected = false;
    for (PanelTimer *t : {TimerUpdateTime, tmEngineCycle, TimerOpen, TimerImage1, TimerAPU, TimerAutoMix})
        t->SetEnabled(false);
    // Hints reach the status line through Qt's status tips (see event()).
}

void TfrmACMain::FormActivate()
{
    if (!isFirst)
        return;
    isFirst = false; // cleared first, so that activations nested in the start do nothing
    ConnectionStart();
}

void TfrmACMain::FormClose()
{
    FSUIPC_Close();
    isConnected = false;
}

void TfrmACMain::btnCloseClick()
{
    close();
}

void TfrmACMain::setStatusPanel(int panel, const QString &text)
{
    simver1->SetPanelText(panel, text);
}

QString TfrmACMain::statusPanel(int panel) const
{
    return simver1->PanelText(panel);
}

void TfrmACMain::DisplayHint(const QString &hint)
{
    setStatusPanel(3, hint);
}

void TfrmACMain::resumeRefresh()
{
    if (isConnected && bbtnPause->text() == QStringLiteral("&Pause"))
        TimerUpdateTime->SetEnabled(true);
}

void TfrmACMain::waitMs(int ms)
{
    win::Sleep(DWORD(ms));
}

// --- The typed accessors' view of the window ---------------------------------

void TfrmACMain::pumpMessages()
{
    QCoreApplication::processEvents();
}

void TfrmACMain::pumpMessages(int times)
{
    for (int i = 0; i < times; ++i)
        QCoreApplication::processEvents();
}

void TfrmACMain::setStatusLine(const std::string &text)
{
    setStatusPanel(3, QString::fromLatin1(text.data(), qsizetype(text.size())));
}

void TfrmACMain::stopRefreshTimer()
{
    TimerUpdateTime->SetEnabled(false);
}

void TfrmACMain::startRefreshTimer()
{
    TimerUpdateTime->SetEnabled(true);
}

bool TfrmACMain::linkConnected() const
{
    return isConnected;
}

std::string TfrmACMain::pauseButtonCaption() const
{
    return bbtnPause->text().toStdString();
}

// --- Window events -------------------------------------------------------------

bool TfrmACMain::event(QEvent *e)
{
    switch (e->type()) {
    case QEvent::WindowActivate:
        QWidget::event(e);
        FormActivate();
        return true;
    case QEvent::StatusTip:
        // The application's hint handler: the hint of the control under the
        // pointer, or nothing when it leaves.
        DisplayHint(static_cast<QStatusTipEvent *>(e)->tip());
        return true;
    default:
        return QWidget::event(e);
    }
}

void TfrmACMain::closeEvent(QCloseEvent *e)
{
    if (!m_closed) {
        m_closed = true;
        FormClose();
    }
    e->accept();
}

bool TfrmACMain::eventFilter(QObject *watched, QEvent *e)
{
    // A key travels from the focused control up to its parents; preview it once,
    // at its first stop, and never consume it.
    if (e->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto *w = static_cast<QWidget *>(watched);
        const QWidget *target = focusWidget() ? focusWidget() : this;
        if (w == target && (w == this || isAncestorOf(w))) {
            auto *k = static_cast<QKeyEvent *>(e);
            emit OnKeyDown(k->key(), k->modifiers());
            handlerBoundary([&] { FormKeyDown(k->key(), k->modifiers()); });
        }
    }
    // The wheel reaches the window's system window before any control.
    if (e->type() == QEvent::Wheel && watched == windowHandle())
        return previewWheel(static_cast<QWheelEvent *>(e));
    return QWidget::eventFilter(watched, e);
}
