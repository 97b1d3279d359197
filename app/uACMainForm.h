#pragma once
// The main window: the whole cockpit panel, its shared state and every event
// handler. One class, as the panel has always been built; its member functions
// are defined in files by panel area (lifecycle and connection in app/, the
// layout one file per group, readers in readout/, handlers in controls/, the
// viewer in viewer/).
#include "typedaccess.h"

#include <QWidget>

#include <cstdint>
#include <string>

class PanelStatusBar;
class PanelTimer;
class QPushButton;

class TfrmACMain : public QWidget, public simlink::TypedAccessors
{
    Q_OBJECT
public:
    explicit TfrmACMain(QWidget *parent = nullptr);
    ~TfrmACMain() override;

    // --- Window state shared by every panel area -----------------------
    bool isFirst = true;      // not activated yet
    bool doWrite = false;     // the next change event comes from the user
    bool vBuzy = false;       // a panel reader is running
    bool doSync = false;      // engine levers move together
    std::int16_t vLights = 0; // last light-switch word read
    std::uint8_t vInProc = 0; // refresh phase, 0..3
    std::int32_t imagecount = 0;
    bool isConnected = false;
    bool msedwn = false;       // a button is held on a direct control
    std::int16_t vNumEng = 0;  // engines of the loaded aircraft

    // Conversion constants of the readers.
    static constexpr double sixfive = 65536.0;
    static constexpr double sixFiveSq = 65536.0 * 65536.0;
    static constexpr double sixFiveQuad = 65536.0 * 65536.0 * 65536.0 * 65536.0;
    static constexpr double LatConv = 4.2957189152768E16;
    static constexpr double Dsixteen = 16384.0;
    static constexpr int iSixteen = 16383;

    // --- Lifecycle -------------------------------------------------------
    void FormCreate();
    void FormShow() {}
    void FormActivate();
    void FormClose();
    void btnCloseClick();

    // --- Connection and refresh -------------------------------------------
    bool OpenConnection();
    void ConnectionStart();

    // The status bar: panel 3 is the status line.
    void setStatusPanel(int panel, const QString &text);
    QString statusPanel(int panel) const;
    void DisplayHint(const QString &hint);

    // The window's key handler; it sees every key first (key preview), the
    // focused control then gets the key too.
    void FormKeyDown(int key, Qt::KeyboardModifiers shift);

signals:
    // Raised for every previewed key, before FormKeyDown runs.
    void OnKeyDown(int key, Qt::KeyboardModifiers shift);

public:
    // --- Controls ----------------------------------------------------------
    // Status bar and bottom row.
    PanelStatusBar *simver1 = nullptr;
    QPushButton *bbtnPause = nullptr;

    // Timers, all stopped until the connection starts them.
    PanelTimer *TimerUpdateTime = nullptr;
    PanelTimer *TimerOpen = nullptr;
    PanelTimer *tmEngineCycle = nullptr;
    PanelTimer *TimerImage1 = nullptr;
    PanelTimer *TimerAPU = nullptr;
    PanelTimer *TimerAutoMix = nullptr;
    PanelTimer *TimerExitEdit = nullptr;

protected:
    // The typed accessors' view of the window.
    void pumpMessages() override;
    void setStatusLine(const std::string &text) override;
    void stopRefreshTimer() override;
    void startRefreshTimer() override;
    bool linkConnected() const override;
    std::string pauseButtonCaption() const override;

    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildWindow();
    void buildStatusBar();
    void buildTimers();
    bool m_closed = false;
};

// The one main window of the process.
extern TfrmACMain *frmACMain;
