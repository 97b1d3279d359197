#pragma once
// The main window: the whole cockpit panel, its shared state and every event
// handler. One class, as the panel has always been built; its member functions
// are defined in files by panel area (lifecycle and connection in app/, the
// layout one file per group in app/layout/, readers in readout/, handlers in
// controls/, the viewer in viewer/).
#include "adapters/adapterlogic.h"
#include "catalogue_scaling.h"
#include "errorreport.h"
#include "typedaccess.h"

#include <QPoint>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

class BarGauge;
class FileList;
class OpenDialog;
class PanelEdit;
class PanelImage;
class PanelLabel;
class PanelShape;
class PanelStatusBar;
class PanelTimer;
class QCheckBox;
class QDateEdit;
class QFrame;
class QGroupBox;
class QMouseEvent;
class QPushButton;
class QTimeEdit;
class RadioGroup;
class SpeedButton;
class TAnalogGauge;
class TKnob;
class TRotatableImage;
class TrackBar;
class UpDown;

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
    bool msedwn = false;      // a button is held on a direct control
    std::int16_t vNumEng = 0; // engines of the loaded aircraft

    // Conversion constants of the readers, the catalogue's own.
    static constexpr double sixfive = conv::sixfive;
    static constexpr double sixFiveSq = conv::sixFiveSq;
    static constexpr double sixFiveQuad = conv::sixFiveQuad;
    static constexpr double LatConv = conv::LatConv;
    static constexpr double Dsixteen = conv::Dsixteen;
    static constexpr int iSixteen = conv::iSixteen;

    // --- Lifecycle (app/lifecycle.cpp) -----------------------------------
    void FormCreate();
    void FormShow() {}
    void FormActivate();
    void FormClose();
    void btnCloseClick();

    // --- Connection and refresh (app/connection.cpp, app/refresh.cpp) -----
    bool OpenConnection();
    void ConnectionStart();
    void TimerOpenTimer();
    void TimerUpdateTimeTimer();
    void bbtnPauseClick();
    void bbtnRefreshClick();

    // --- Readers (readout/), called by the connection passes and the refresh
    // cycle. Virtual so that the cycle can be watched on its own. Every reader
    // clears doWrite on entry (a change it causes is never a user's) and
    // clears vBuzy on every exit.
    virtual void AircraftInfo();  // readout/aircraft.cpp
    virtual void AltitudeInfo();  // readout/instruments.cpp
    virtual void SpeedInfo();
    virtual void HeadInfo();
    virtual void RadioInfo();     // readout/radios.cpp
    virtual void NavInfo();
    virtual void APInfo();        // readout/autopilot.cpp
    virtual void ControlInfo();
    virtual void EngineInfoSel(); // readout/engines.cpp
    virtual void EngineInfo1();
    virtual void EngineInfo2();
    virtual void EngineInfo3();
    virtual void EngineInfo4();
    virtual void FuelInfo();      // readout/fuelelectric.cpp
    virtual void ElectInfo();
    virtual void FailInfo();      // readout/failures.cpp

    // --- Handlers, by panel area. Each area's connect function binds its
    // controls' events (through on(), the error boundary); connectHandlers()
    // only calls them. Handlers take the event's sender, as handlers shared by
    // several controls pick their offset by it.

    // Engine readout (readout/engines.cpp): selected engine and scan cycle.
    void connectEngineReadout();
    void tmEngineCycleTimer(QObject *Sender);
    void knbEngSelChange(QObject *Sender);
    void cbxScanEngClick(QObject *Sender);
    // For the aircraft reader: whether engine scanning is offered. A box
    // left disabled is also unticked, so no scan runs behind it.
    void enableEngineScan(bool enabled);
    void readEngineColumn(int engine); // EngineInfo1..4: the column of engine 1..4
    bool tempInCelsius() const;        // rgTemp: item 1 Celsius, anything else Fahrenheit

    // Switch toggles (controls/switches.cpp).
    void connectSwitches();
    void sbtnMasterBatClick(QObject *Sender);
    void sbtnGen1Click(QObject *Sender);
    void sbtnCarbHeat1Click(QObject *Sender);
    void knbAvionicsClick(QObject *Sender);
    void knbPitotClick(QObject *Sender);
    void knbNoSmkClick(QObject *Sender);
    void knbSeatBeltClick(QObject *Sender);
    void knbTWLClick(QObject *Sender);
    void knbPropSyncClick(QObject *Sender);
    void knbAutoFeatherClick(QObject *Sender);
    void knbFeather1Click(QObject *Sender);
    void knbFV1Click(QObject *Sender);
    void knbFuelXFeedClick(QObject *Sender);
    void knbYawDampClick(QObject *Sender);
    void knbAutoPilotMasterClick(QObject *Sender);
    void knbAPHeadClick(QObject *Sender);
    void knbAPAltClick(QObject *Sender);
    void knbAPNavClick(QObject *Sender);
    void knbAPAprClick(QObject *Sender);
    void knbAPBCClick(QObject *Sender);
    void knbWingLevelClick(QObject *Sender);
    void knbAPFDClick(QObject *Sender);
    void knbNavGpsClick(QObject *Sender);
    void knbParkClick(QObject *Sender);
    void knbGearClick(QObject *Sender);
    void knbSpoilerClick(QObject *Sender);
    void knbHydPumpsClick(QObject *Sender);
    void knbFuelPumpMasterClick(QObject *Sender);
    void knbLightsClick(QObject *Sender);
    void sbtnAllOnClick(QObject *Sender);
    void sbtnAllOffClick(QObject *Sender);
    void ShapeD1MouseDown(QObject *Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void knbLightsChange(QObject *Sender);
    void knbOrangeONOFFChange(QObject *Sender);
    void knbParkChange(QObject *Sender);
    void knbTWLChange(QObject *Sender);
    void knbNavGpsChange(QObject *Sender);

    // Radio tuning (controls/radiotuning.cpp).
    void connectRadioTuning();
    void eCom1sChange(QObject *Sender);
    void sbtnComNav1Click(QObject *Sender);
    void sbtnComSwitch1Click(QObject *Sender);
    void knbMHz2Click(QObject *Sender);
    void knbKHz2Click(QObject *Sender);
    void sbtnCom1Click(QObject *Sender);
    void knbT1Change(QObject *Sender);
    void knbT1Click(QObject *Sender);
    void sbtnTransVFRClick(QObject *Sender);
    void eADFFreqChange(QObject *Sender);
    void knbADFClick(QObject *Sender);
    void eADFFreqClick(QObject *Sender);
    // Typed frequencies: while the user types in a standby or ADF edit the
    // readout leaves that edit alone (showFrequency); Return, or leaving the
    // edit after typing in it, writes the typed text through the edit's own
    // change handler.
    void showFrequency(PanelEdit *edit, const QString &text);
    void commitTypedFrequency(QObject *Sender);

    // Autopilot settings, write intent and knob-click cancel (controls/autopilot.cpp).
    void connectAutopilot();
    void eAPHeadChange(QObject *Sender);
    void eAPHeadChange2(QObject *Sender);
    void eAPHeadEnter(QObject *Sender);
    void eAPHeadExit(QObject *Sender);
    void eAPCrsChange(QObject *Sender);
    void eCrs2Change(QObject *Sender);
    void eVertSpChange(QObject *Sender);
    void eCrs2Enter(QObject *Sender);
    void eCrs2Exit(QObject *Sender);
    void eAPAltChange(QObject *Sender);
    void eAPAltChange2(QObject *Sender);
    void eAPAltEnter(QObject *Sender);
    void eAPAltExit(QObject *Sender);
    void TimerExitEditTimer(QObject *Sender);
    void knbHeadBugMouseDown(QObject *Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void knbAltSetMouseDown(QObject *Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void lNorthClick(QObject *Sender);
    void lAltZeroClick(QObject *Sender);
    void tbElevUpDnChange(QObject *Sender);
    void knbTrimClick(QObject *Sender);
    // The change handlers of eAPHead and eAPAlt in force: the normal one, or
    // the typing one while the edit has the focus.
    using EditHandler = void (TfrmACMain::*)(QObject *);
    EditHandler eAPHeadOnChange = &TfrmACMain::eAPHeadChange;
    EditHandler eAPAltOnChange = &TfrmACMain::eAPAltChange;
    void writeHeadingBug();      // the heading in eAPHead, to the knob and the simulator
    void turnHeadingBugMarker(); // the bug marker at the bug's angle from the heading
    void writeAltitudeTarget();  // the altitude in eAPAlt, to the simulator

    // Engine levers and engine settings (controls/engines.cpp).
    void connectEngineControls();
    void tbThrottle1Change(QObject *Sender);
    void tbProp1Change(QObject *Sender);
    void tbMix1Change(QObject *Sender);
    void tbFRMEnter(QObject *Sender);
    void tbFRMExit(QObject *Sender);
    void knbMagChange(QObject *Sender);
    void knbMagClick(QObject *Sender);
    void knbCowlFlapsChange(QObject *Sender);
    void rgPropTypeClick(QObject *Sender);
    void cbxAutoMixClick(QObject *Sender);
    void TimerAutoMixTimer(QObject *Sender);

    // Flight controls and trims (controls/flightcontrols.cpp).
    void connectFlightControls();
    void knbTrimChange(QObject *Sender);
    void knbATrimChange(QObject *Sender);
    void knbTrimMouseDown(QObject *Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void knbFlapsChange(QObject *Sender);
    void knbRudderMouseDown(QObject *Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void knbRudderMouseMove(QObject *Sender, Qt::MouseButtons Buttons, Qt::KeyboardModifiers Shift, int X, int Y);
    void knbRudderChange(QObject *Sender);
    void knbRudderClick(QObject *Sender);
    void knbRudderMouseUp(QObject *Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void Image4MouseDown(QObject *Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void Image4MouseMove(QObject *Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    void Image4MouseUp(QObject *Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void Image4Click(QObject *Sender);
    void FormMouseDown(QObject *Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void FormMouseMove(QObject *Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    void FormMouseUp(QObject *Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void FormClick(QObject *Sender);
    void writeNeutralPad();      // aileron and elevator inputs to 0
    void writeNeutralControls(); // the rudder knob, and all three inputs, to 0
    bool onBareWindow(const QMouseEvent *event) const;
    bool m_bareClickArmed = false; // a left press on the bare window may become a click

    // Fuel controls (controls/fuel.cpp).
    void connectFuelControls();
    void tbFRMChange(QObject *Sender);
    void knbMasterFuelChange(QObject *Sender);
    void knbFuelSel2Change(QObject *Sender);
    void knbFuelSel2Click(QObject *Sender);

    // Simulation and environment settings (controls/simulation.cpp).
    void connectSimulation();
    void sbtnTimeSetClick(QObject *Sender);
    void UpDown1ChangingEx(QObject *Sender, bool &AllowChange, int NewValue, TUpDownDirection Direction);
    void eSimRateChange(QObject *Sender);
    void eServCeilingChange(QObject *Sender);
    void knbKollsmanChange(QObject *Sender);
    void knbKollsmanMouseDown(QObject *Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void knbDriftFixClick(QObject *Sender);
    void sbtnBatFixClick(QObject *Sender);
    void eBankChange(QObject *Sender);
    void ePitchChange(QObject *Sender);
    void eHdgChange(QObject *Sender);
    void eWinddirChange(QObject *Sender);
    // The altimeter to the present QNH: the knob's middle click, and key B.
    void setKollsmanToQnh();
    // gbFlight's drag-over: every dragged object is accepted.
    void Label24DragOver(QObject *Sender, QObject *Source, int X, int Y, bool &Accept);

    // APU panel (controls/apu.cpp).
    void connectApu();
    void sbtnBatFixMouseDown(QObject *Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void sbtnBatFixDblClick(QObject *Sender);
    void sbtnAPUClick(QObject *Sender);
    void TimerAPUTimer(QObject *Sender);
    void knbAPUChange(QObject *Sender);
    void knbAPUClick(QObject *Sender);
    void lAPUOffClick(QObject *Sender);
    void lAPUOnClick(QObject *Sender);
    void lAPUStartClick(QObject *Sender);
    void openApuPanel();     // on the ground only, and only once
    void colourApuSwitch();  // knbAPU's colour for its position and the APU's state
    bool m_apuRefreshing = false; // TimerAPU is moving the switch to the simulator's

    // Keyboard shortcuts (controls/keyboard.cpp). The window's key handler
    // sees every key first (key preview); the focused control then gets the
    // key too.
    void connectKeyboard();
    void FormKeyDown(int key, Qt::KeyboardModifiers shift);
    bool typingInTextField() const; // the focus is in a field that takes text

    // Mouse-wheel adjustment (controls/wheel.cpp). The window sees the wheel
    // before the control under the pointer.
    void connectWheel();
    void FormMouseWheel(QObject *Sender, Qt::KeyboardModifiers Shift, int WheelDelta, QPoint MousePos, bool &Handled);
    // The wheel as the window's system window receives it, before any
    // control: whole notches over a row of the table go to FormMouseWheel.
    // True when the controls are not to see the event.
    bool previewWheel(class QWheelEvent *event);
    int m_wheelGathered = 0;                   // wheel delta short of a whole notch
    const QWidget *m_wheelControl = nullptr;   // the row it was gathered over

    // Picture viewer and slide show (viewer/viewer.cpp).
    void connectViewer();
    void Image1DblClick(QObject *Sender);
    void Image1MouseDown(QObject *Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void cbxImage1Click(QObject *Sender);
    void btnImagePlayExitClick(QObject *Sender);
    void TimerImage1Timer(QObject *Sender);
    bool showPicture(PanelImage *frame, const QString &path, bool reportOnce);
    void showSlideShowSettings(bool open); // in place of Image3, or Image3 again
    void stepSlideShow(bool wrapFirst);    // the visible frames take the next files
    QList<QString> m_picturesReported;     // files the slide show could not show, said once

    // --- About box and settings (dialogs/) --------------------------------
    void bbtnAboutClick();
    void bbtnSettingsClick();

    // --- Status bar: panel 3 is the status line, 4 the refresh state --------
    void setStatusPanel(int panel, const QString &text);
    QString statusPanel(int panel) const;
    // The application's hint handler: the hint of the control under the
    // pointer, or nothing when it leaves.
    void DisplayHint(const QString &hint);

    // The writers' rule for handlers that stop the refresh: it runs again
    // only while connected with "&Pause" showing.
    void resumeRefresh();
    // The fixed waits of the direct controls and the heading bug (the window
    // does not respond meanwhile).
    static void waitMs(int ms);

    // --- Controls, by panel area --------------------------------------------
    PanelStatusBar *simver1 = nullptr;
    OpenDialog *OpenDialog1 = nullptr;

    // Timers, all stopped until the connection starts them.
    PanelTimer *TimerUpdateTime = nullptr, *TimerOpen = nullptr, *tmEngineCycle = nullptr, *TimerImage1 = nullptr,
        *TimerAPU = nullptr, *TimerAutoMix = nullptr, *TimerExitEdit = nullptr;

    // Aircraft group gbAircraft (identity, date and time, simulation settings, doors)
    QGroupBox *gbAircraft = nullptr;
    PanelLabel *lSit = nullptr, *lLocDate = nullptr, *lSeason = nullptr, *lTailNo = nullptr, *lAirline = nullptr,
        *lzfwgt = nullptr, *lgwgt = nullptr, *lewgt = nullptr, *lvs0 = nullptr, *lvs1 = nullptr, *lvc = nullptr,
        *lNoEng = nullptr, *lTailDrag = nullptr, *lGearType = nullptr, *lZoom = nullptr;
    QDateEdit *DTP1 = nullptr;
    QTimeEdit *DTP2 = nullptr;
    RadioGroup *rgPropType = nullptr, *rgTemp = nullptr, *rgBaro = nullptr;
    PanelShape *shpAutoRudder = nullptr, *ShapeD1 = nullptr, *ShapeD2 = nullptr, *ShapeD3 = nullptr,
        *ShapeD4 = nullptr, *ShapeD5 = nullptr, *ShapeD6 = nullptr, *ShapeD7 = nullptr, *ShapeD8 = nullptr;
    SpeedButton *sbtnTimeSet = nullptr;
    PanelEdit *eSimRate = nullptr, *eServCeiling = nullptr;
    UpDown *UpDown1 = nullptr;

    // Avionics group gbFlight (flight instruments, attitude, heading gyro, annunciators, control pad)
    QGroupBox *gbFlight = nullptr;
    PanelLabel *stAlt = nullptr, *lgalt = nullptr, *lPress = nullptr, *lPressScale = nullptr,
        *lkollsmanval = nullptr, *lPressDot = nullptr, *lOAT = nullptr, *lSpeed = nullptr, *lbps = nullptr,
        *ltas = nullptr, *lgs = nullptr, *stVS = nullptr, *lMagVar = nullptr, *lCompass = nullptr,
        *lWinddir = nullptr, *lWindSpd = nullptr, *lLat = nullptr, *lLon = nullptr, *lNearAP = nullptr,
        *lNearAPAlt = nullptr, *lETANext = nullptr, *lETENext = nullptr, *lETADest = nullptr, *lETEDest = nullptr,
        *lNWPID = nullptr, *lDAPID = nullptr, *lPitch = nullptr, *lElecF = nullptr, *lEngF = nullptr,
        *lHyd = nullptr, *lBrkF = nullptr, *lstall = nullptr, *lOS = nullptr, *lVacF = nullptr, *lFireG = nullptr,
        *lice = nullptr;
    BarGauge *ggalt = nullptr, *ggVertSpeed = nullptr, *gPitch = nullptr;
    TKnob *knbKollsman = nullptr, *knbDriftFix = nullptr;
    TAnalogGauge *agSpeed = nullptr;
    PanelEdit *eHdg = nullptr, *eWinddir = nullptr, *ePitch = nullptr, *eBank = nullptr;
    TRotatableImage *rImgAttitude = nullptr, *rImgGyro = nullptr, *rImgWind = nullptr, *rImgHdgMk = nullptr,
        *rImgCrs = nullptr;
    PanelShape *shpTurn = nullptr, *shpBall = nullptr, *shpMousePos = nullptr;
    QFrame *pnlMousePad = nullptr;
    PanelImage *Image4 = nullptr;

    // Controls group gbControls (trims, gear, spoilers, brakes, flaps, rudder)
    QGroupBox *gbControls = nullptr;
    TKnob *knbTrim = nullptr, *knbATrim = nullptr, *knbRTrim = nullptr, *knbGear = nullptr, *knbSpoiler = nullptr,
        *knbPark = nullptr, *knbTWL = nullptr, *knbFlaps = nullptr, *knbRudder = nullptr;
    PanelLabel *lTrim = nullptr, *lAtrim = nullptr, *lRTrim = nullptr, *lFlaps = nullptr;
    PanelShape *shpGearNose = nullptr, *shpGearL = nullptr, *shpGearR = nullptr;

    // Fuel group gbFuel (quantities, pumps, selectors, tanks)
    QGroupBox *gbFuel = nullptr;
    PanelLabel *lFuelQSel = nullptr, *lFuelQTot = nullptr, *lFuelSelNum = nullptr, *lFuelSelNum2 = nullptr,
        *lFuelSelNum3 = nullptr, *lFuelSelNum4 = nullptr, *lFuelNSel = nullptr, *lFC1 = nullptr, *lFC2 = nullptr,
        *lFC3 = nullptr, *lFLM = nullptr, *lFRM = nullptr, *lFLA = nullptr, *lFLT = nullptr, *lFRA = nullptr,
        *lFRT = nullptr, *lFE1 = nullptr, *lFE2 = nullptr, *lFC1p = nullptr, *lFC2p = nullptr, *lFC3p = nullptr,
        *lFLMp = nullptr, *lFRMp = nullptr, *lFLAp = nullptr, *lFLTp = nullptr, *lFRAp = nullptr, *lFRTp = nullptr,
        *lE1p = nullptr, *lE2p = nullptr;
    TKnob *knbFuelPumpMaster = nullptr, *knbFuelXFeed = nullptr, *knbMasterFuel = nullptr, *knbFuelSel2 = nullptr,
        *knbFuelSel3 = nullptr, *knbFuelSel4 = nullptr;
    QFrame *pnlFC1 = nullptr, *pnlFC2 = nullptr, *pnlFC3 = nullptr, *pnlFLM = nullptr, *pnlFRM = nullptr,
        *pnlFLA = nullptr, *pnlFLT = nullptr, *pnlFRA = nullptr, *pnlFRT = nullptr, *pnlFE1 = nullptr,
        *pnlFE2 = nullptr;
    TrackBar *tbFuelC = nullptr, *tbFuelC2 = nullptr, *tbFuelC3 = nullptr, *tbFLM = nullptr, *tbFRM = nullptr,
        *tbFLA = nullptr, *tbFLT = nullptr, *tbFRA = nullptr, *tbFRT = nullptr, *tbFE1 = nullptr, *tbFE2 = nullptr;

    // Electrical group gbElectric (battery, buses, lights, signs)
    QGroupBox *gbElectric = nullptr;
    TKnob *knbMasterBat = nullptr, *knbEngSelG = nullptr, *knbCabin = nullptr, *knbLogo = nullptr,
        *knbWing = nullptr, *knbRecog = nullptr, *knbPanel = nullptr, *knbStrobe = nullptr, *knbTaxi = nullptr,
        *knbLand = nullptr, *knbBeacon = nullptr, *knbNavLt = nullptr, *knbSeatBelt = nullptr, *knbNoSmk = nullptr,
        *knbPitot = nullptr;
    PanelLabel *stBV = nullptr, *lvLights = nullptr;
    TAnalogGauge *agBatteryV = nullptr, *agMainBus = nullptr, *agMainAmp = nullptr;
    SpeedButton *sbtnAllOn = nullptr, *sbtnAllOff = nullptr, *sbtnBatFix = nullptr;

    // Engines group gbEngines (engine columns, gauge cluster, picture viewer)
    QGroupBox *gbEngines = nullptr;
    QFrame *pnlEngGauges = nullptr, *pnlEngine1 = nullptr, *pnlEngine2 = nullptr, *pnlEngine3 = nullptr,
        *pnlEngine4 = nullptr, *pnlImage1 = nullptr, *pnlImage2 = nullptr, *pnlImage3 = nullptr;
    TKnob *knbMag = nullptr, *knbMag2 = nullptr, *knbMag3 = nullptr, *knbMag4 = nullptr, *knbGen1 = nullptr,
        *knbCarbHt1 = nullptr, *knbFV1 = nullptr, *knbFP1 = nullptr, *knbFeather1 = nullptr, *knbGen2 = nullptr,
        *knbCarbHt2 = nullptr, *knbFV2 = nullptr, *knbFP2 = nullptr, *knbFeather2 = nullptr, *knbGen3 = nullptr,
        *knbCarbHt3 = nullptr, *knbFV3 = nullptr, *knbFP3 = nullptr, *knbFeather3 = nullptr, *knbGen4 = nullptr,
        *knbCarbHt4 = nullptr, *knbFV4 = nullptr, *knbFP4 = nullptr, *knbFeather4 = nullptr, *knbEngSel = nullptr,
        *knbPropSync = nullptr, *knbAutoFeather = nullptr, *knbHydPumps = nullptr;
    PanelLabel *lMag1Pos = nullptr, *lMag2Pos = nullptr, *lMag3Pos = nullptr, *lMag4Pos = nullptr, *lT1 = nullptr,
        *lP1 = nullptr, *lM1 = nullptr, *lT2 = nullptr, *lP2 = nullptr, *lM2 = nullptr, *lT3 = nullptr,
        *lP3 = nullptr, *lM3 = nullptr, *lT4 = nullptr, *lP4 = nullptr, *lM4 = nullptr, *stCAT1 = nullptr,
        *stCat2 = nullptr, *stCAT3 = nullptr, *stCAT4 = nullptr, *stRPM1 = nullptr, *stMAP1 = nullptr,
        *stCHT1 = nullptr, *stEGT1 = nullptr, *stOT1 = nullptr, *stOP1 = nullptr, *stFF1 = nullptr,
        *stRatio1 = nullptr, *stFP1 = nullptr, *stHP1 = nullptr, *stTPSI1 = nullptr, *lCFVal = nullptr,
        *limage1Ck = nullptr;
    TrackBar *tbThrottle1 = nullptr, *tbProp1 = nullptr, *tbMix1 = nullptr, *tbThrottle2 = nullptr,
        *tbProp2 = nullptr, *tbMix2 = nullptr, *tbThrottle3 = nullptr, *tbProp3 = nullptr, *tbMix3 = nullptr,
        *tbThrottle4 = nullptr, *tbProp4 = nullptr, *tbMix4 = nullptr;
    PanelShape *ShpEng1 = nullptr, *ShpEng2 = nullptr, *shpEng3 = nullptr, *shpEng4 = nullptr;
    TAnalogGauge *agRPM = nullptr, *agMAP = nullptr, *agCHT = nullptr, *agEGT = nullptr, *agOT = nullptr,
        *agOP = nullptr, *agFF = nullptr;
    QCheckBox *cbxScanEng = nullptr, *cbxImage1 = nullptr;
    PanelImage *Image1 = nullptr, *Image2 = nullptr, *Image3 = nullptr;
    PanelEdit *eImage1 = nullptr, *eImage2 = nullptr, *eImage3 = nullptr, *eImage1time = nullptr;
    FileList *FileListBox1 = nullptr;
    QPushButton *btnImagePlay = nullptr, *btnImagePlayExit = nullptr;

    // Additional engine control pnlAddEng (sync, automatic mixture, cowl flaps)
    QFrame *pnlAddEng = nullptr;
    QCheckBox *cbxSyncEng = nullptr, *cbxAutoMix = nullptr;
    TKnob *knbCowlFlaps = nullptr;

    // Radios group gbAvionics (COM, NAV, audio, transponder, localiser and markers)
    QGroupBox *gbAvionics = nullptr;
    TKnob *knbAvionics = nullptr, *knbTransOn = nullptr, *knbMHz1 = nullptr, *knbKHz1 = nullptr, *knbMHz2 = nullptr,
        *knbKHz2 = nullptr, *knbT1 = nullptr, *knbT2 = nullptr, *knbT3 = nullptr, *knbT4 = nullptr;
    PanelShape *shpRad1 = nullptr, *shpRad2 = nullptr, *shpNav1Pwr = nullptr, *shpNav2pwr = nullptr,
        *shpVOR1On = nullptr, *shpVOR2On = nullptr, *shpLoc1 = nullptr, *shpGS1 = nullptr, *shpMkrIn = nullptr,
        *shpMkrMid = nullptr, *shpMkrOut = nullptr, *shpLoc = nullptr, *shpGS = nullptr;
    PanelLabel *stCom1 = nullptr, *stCom2 = nullptr, *stNav1 = nullptr, *stNav2 = nullptr, *lTrans1 = nullptr,
        *lTrans2 = nullptr, *lTrans3 = nullptr, *lTrans4 = nullptr, *lLoc1 = nullptr, *lGS1 = nullptr;
    PanelEdit *eCom1s = nullptr, *eCom2s = nullptr, *eNav1s = nullptr, *eNav2s = nullptr;
    SpeedButton *sbtnComNav1 = nullptr, *sbtnComNav2 = nullptr, *sbtnComSwitch1 = nullptr, *sbtnComSwitch2 = nullptr,
        *sbtnNavSwitch1 = nullptr, *sbtnNavSwitch2 = nullptr, *sbtnCom1 = nullptr, *sbtnCom2 = nullptr,
        *sbtnBoth = nullptr, *sbtnNav1 = nullptr, *sbtnNav2 = nullptr, *sbtnMkr = nullptr, *sbtnDME = nullptr,
        *sbtnADF = nullptr, *sbtnTransVFR = nullptr;
    RadioGroup *rgTrans = nullptr;
    QFrame *pnlNeedles = nullptr;

    // ADF group gbADF
    QGroupBox *gbADF = nullptr;
    PanelEdit *eADFFreq = nullptr;
    PanelLabel *stADFB = nullptr, *stADFR = nullptr;
    TRotatableImage *rImgADFLubber = nullptr, *rImgADFBrg = nullptr;
    PanelShape *shpADFSignal = nullptr;
    TKnob *knbADF = nullptr, *knbADF2 = nullptr;

    // VOR groups gbVOR1 and gbVOR2
    QGroupBox *gbVOR1 = nullptr, *gbVOR2 = nullptr;
    PanelLabel *lVor1 = nullptr, *stV1Dist = nullptr, *stV1Spd = nullptr, *stV1Time = nullptr, *stV1Brg = nullptr,
        *lVOR2 = nullptr, *stV2Dist = nullptr, *stV2Spd = nullptr, *stV2Time = nullptr, *stV2Brg = nullptr;
    TRotatableImage *rImgVOR1Lubber = nullptr, *rImgVOR1Needle = nullptr, *rImgVOR2Lubber = nullptr,
        *rImgVOR2Needle = nullptr;

    // Navigation/AP group gbAP (autopilot)
    QGroupBox *gbAP = nullptr;
    TKnob *knbAutoPilotMaster = nullptr, *knbAltSet = nullptr, *knbHeadBug = nullptr, *knbNavCrs = nullptr,
        *knbNavCrs2 = nullptr, *knbNavGps = nullptr, *knbVertSpd = nullptr, *knbAPNav = nullptr,
        *knbAPHead = nullptr, *knbAPAlt = nullptr, *knbWingLevel = nullptr, *knbAPFD = nullptr, *knbAPApr = nullptr,
        *knbAPBC = nullptr, *knbYawDamp = nullptr;
    PanelEdit *eAPAlt = nullptr, *eAPHead = nullptr, *eAPCrs = nullptr, *eCrs2 = nullptr, *eVertSp = nullptr;
    TrackBar *tbElevUpDn = nullptr;
    PanelLabel *lnavgps = nullptr, *lHdg = nullptr, *lNorth = nullptr, *lNE = nullptr, *lEast = nullptr,
        *lSE = nullptr, *lSouth = nullptr, *lSW = nullptr, *lWest = nullptr, *lNW = nullptr, *lNCrs = nullptr,
        *lECrs = nullptr, *lSCrs = nullptr, *lWCrs = nullptr, *lAltZero = nullptr, *lAlt5K = nullptr,
        *lAlt10K = nullptr, *lAlt20K = nullptr;

    // APU group gbAPU (over the VOR groups, hidden until asked for)
    QGroupBox *gbAPU = nullptr;
    TKnob *knbAPU = nullptr;
    PanelLabel *lAPUOff = nullptr, *lAPUOn = nullptr, *lAPUStart = nullptr, *stRPMAPU = nullptr;
    TAnalogGauge *agAPURPM = nullptr, *agAPU = nullptr;
    PanelShape *shpAPU = nullptr;
    SpeedButton *sbtnAPU = nullptr;

    // Bottom button row
    QPushButton *bbtnPause = nullptr, *bbtnRefresh = nullptr, *bbtnSettings = nullptr, *bbtnAbout = nullptr,
        *bbtnClose = nullptr;

signals:
    // Raised for every previewed key, before FormKeyDown runs.
    void OnKeyDown(int key, Qt::KeyboardModifiers shift);

protected:
    // The typed accessors' view of the window.
    void pumpMessages() override;
    void setStatusLine(const std::string &text) override;
    void stopRefreshTimer() override;
    void startRefreshTimer() override;
    bool linkConnected() const override;
    std::string pauseButtonCaption() const override;

    // --- Link resilience (app/connection.cpp) -----------------------------
    // A far end that vanished closes the link; TimerOpen brings it back.
    void farEndGone() override;

    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // The bare window's mouse events (controls/flightcontrols.cpp).
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    // Lets pending messages run n times in a row (the passes end with 1001).
    void pumpMessages(int times);
    // Connects a control's event to a handler behind the application's error
    // boundary: a conversion error ends the handler with a message box, and
    // no exception ever crosses Qt's event dispatch.
    template <typename Sender, typename Signal, typename Handler>
    void on(Sender *sender, Signal signal, Handler handler);

private:
    // Layout (app/layout/): the window, then one builder per group.
    void buildWindow();
    void buildStatusBar();
    void buildTimers();
    void buildBottomRow();
    void buildAircraftGroup();
    void buildFlightGroup();
    void buildControlsGroup();
    void buildFuelGroup();
    void buildElectricGroup();
    void buildEnginesGroup();
    void buildAddEngPanel();
    void buildRadiosGroup();
    void buildADFGroup();
    void buildVORGroups();
    void buildAPGroup();
    void buildAPUGroup();
    void setTabOrder();
    void connectHandlers();
    void connectConnection(); // the connection timers and the bottom button row

    void giveFocus(QWidget *control);
    void enterConnected(const QString &status);
    void readOtherEngineColumns(); // engines 2 to 4, as many as the aircraft has
    // The connection passes let pending messages run this often at their end.
    static constexpr int kPassPumps = 1001;
    bool m_closed = false;

    // --- Link resilience (app/connection.cpp) -----------------------------
    void enterWaiting();
    void reportFarEndProblem(const std::string &why);
    // The refresh was running when the far end went (or the connection start
    // was about to start it): the reconnection starts it again.
    bool m_refreshOwed = false;
    std::string m_farEndProblem; // last reason printed on standard error
    // Every handler binding, cut when the window is destroyed: the controls
    // still send events (focus moves, hides) while QWidget takes them down.
    std::vector<QMetaObject::Connection> m_handlerConnections;
};

// The one main window of the process.
extern TfrmACMain *frmACMain;

template <typename Sender, typename Signal, typename Handler>
void TfrmACMain::on(Sender *sender, Signal signal, Handler handler)
{
    m_handlerConnections.push_back(QObject::connect(sender, signal, this, [this, handler](auto &&...args) {
        // A handler takes the event's arguments, or none of them.
        handlerBoundary([&] {
            if constexpr (std::is_invocable_v<Handler, TfrmACMain *, decltype(args)...>)
                std::invoke(handler, this, args...);
            else
                std::invoke(handler, this);
        });
    }));
}
