// Handlers whose bodies arrive with their own panel areas. Each area's
// connect function binds nothing until the area lands, and each handler does
// nothing; an area's file takes its connect function and handlers from here.
#include "uACMainForm.h"

// Engine readout
void TfrmACMain::connectEngineReadout() {}
void TfrmACMain::tmEngineCycleTimer(QObject *) {}
void TfrmACMain::knbEngSelChange(QObject *) {}
void TfrmACMain::cbxScanEngClick(QObject *) {}

// Switch toggles
void TfrmACMain::connectSwitches() {}
void TfrmACMain::sbtnMasterBatClick(QObject *) {}
void TfrmACMain::sbtnGen1Click(QObject *) {}
void TfrmACMain::sbtnCarbHeat1Click(QObject *) {}
void TfrmACMain::knbAvionicsClick(QObject *) {}
void TfrmACMain::knbPitotClick(QObject *) {}
void TfrmACMain::knbNoSmkClick(QObject *) {}
void TfrmACMain::knbSeatBeltClick(QObject *) {}
void TfrmACMain::knbTWLClick(QObject *) {}
void TfrmACMain::knbPropSyncClick(QObject *) {}
void TfrmACMain::knbAutoFeatherClick(QObject *) {}
void TfrmACMain::knbFeather1Click(QObject *) {}
void TfrmACMain::knbFV1Click(QObject *) {}
void TfrmACMain::knbFuelXFeedClick(QObject *) {}
void TfrmACMain::knbYawDampClick(QObject *) {}
void TfrmACMain::knbAutoPilotMasterClick(QObject *) {}
void TfrmACMain::knbAPHeadClick(QObject *) {}
void TfrmACMain::knbAPAltClick(QObject *) {}
void TfrmACMain::knbAPNavClick(QObject *) {}
void TfrmACMain::knbAPAprClick(QObject *) {}
void TfrmACMain::knbAPBCClick(QObject *) {}
void TfrmACMain::knbWingLevelClick(QObject *) {}
void TfrmACMain::knbAPFDClick(QObject *) {}
void TfrmACMain::knbNavGpsClick(QObject *) {}
void TfrmACMain::knbParkClick(QObject *) {}
void TfrmACMain::knbGearClick(QObject *) {}
void TfrmACMain::knbSpoilerClick(QObject *) {}
void TfrmACMain::knbHydPumpsClick(QObject *) {}
void TfrmACMain::knbFuelPumpMasterClick(QObject *) {}
void TfrmACMain::knbLightsClick(QObject *) {}
void TfrmACMain::sbtnAllOnClick(QObject *) {}
void TfrmACMain::sbtnAllOffClick(QObject *) {}
void TfrmACMain::ShapeD1MouseDown(QObject *, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TfrmACMain::knbLightsChange(QObject *) {}
void TfrmACMain::knbOrangeONOFFChange(QObject *) {}
void TfrmACMain::knbParkChange(QObject *) {}
void TfrmACMain::knbTWLChange(QObject *) {}
void TfrmACMain::knbNavGpsChange(QObject *) {}

// Radio tuning
void TfrmACMain::connectRadioTuning() {}
void TfrmACMain::eCom1sChange(QObject *) {}
void TfrmACMain::sbtnComNav1Click(QObject *) {}
void TfrmACMain::sbtnComSwitch1Click(QObject *) {}
void TfrmACMain::knbMHz2Click(QObject *) {}
void TfrmACMain::knbKHz2Click(QObject *) {}
void TfrmACMain::sbtnCom1Click(QObject *) {}
void TfrmACMain::knbT1Change(QObject *) {}
void TfrmACMain::knbT1Click(QObject *) {}
void TfrmACMain::sbtnTransVFRClick(QObject *) {}
void TfrmACMain::eADFFreqChange(QObject *) {}
void TfrmACMain::knbADFClick(QObject *) {}
void TfrmACMain::eADFFreqClick(QObject *) {}

// Autopilot settings, write intent and knob-click cancel
void TfrmACMain::connectAutopilot() {}
void TfrmACMain::eAPHeadChange(QObject *) {}
void TfrmACMain::eAPHeadChange2(QObject *) {}
void TfrmACMain::eAPHeadEnter(QObject *) {}
void TfrmACMain::eAPHeadExit(QObject *) {}
void TfrmACMain::eAPCrsChange(QObject *) {}
void TfrmACMain::eCrs2Change(QObject *) {}
void TfrmACMain::eVertSpChange(QObject *) {}
void TfrmACMain::eCrs2Enter(QObject *) {}
void TfrmACMain::eCrs2Exit(QObject *) {}
void TfrmACMain::eAPAltChange(QObject *) {}
void TfrmACMain::eAPAltChange2(QObject *) {}
void TfrmACMain::eAPAltEnter(QObject *) {}
void TfrmACMain::eAPAltExit(QObject *) {}
void TfrmACMain::TimerExitEditTimer(QObject *) {}
void TfrmACMain::knbHeadBugMouseDown(QObject *, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TfrmACMain::knbAltSetMouseDown(QObject *, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TfrmACMain::lNorthClick(QObject *) {}
void TfrmACMain::lAltZeroClick(QObject *) {}
void TfrmACMain::tbElevUpDnChange(QObject *) {}
void TfrmACMain::knbTrimClick(QObject *) {}

// Engine levers and engine settings
void TfrmACMain::connectEngineControls() {}
void TfrmACMain::tbThrottle1Change(QObject *) {}
void TfrmACMain::tbProp1Change(QObject *) {}
void TfrmACMain::tbMix1Change(QObject *) {}
void TfrmACMain::tbFRMEnter(QObject *) {}
void TfrmACMain::tbFRMExit(QObject *) {}
void TfrmACMain::knbMagChange(QObject *) {}
void TfrmACMain::knbMagClick(QObject *) {}
void TfrmACMain::knbCowlFlapsChange(QObject *) {}
void TfrmACMain::rgPropTypeClick(QObject *) {}
void TfrmACMain::cbxAutoMixClick(QObject *) {}
void TfrmACMain::TimerAutoMixTimer(QObject *) {}

// Flight controls and trims
void TfrmACMain::connectFlightControls() {}
void TfrmACMain::knbTrimChange(QObject *) {}
void TfrmACMain::knbATrimChange(QObject *) {}
void TfrmACMain::knbTrimMouseDown(QObject *, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TfrmACMain::knbFlapsChange(QObject *) {}
void TfrmACMain::knbRudderMouseDown(QObject *, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TfrmACMain::knbRudderMouseMove(QObject *, Qt::MouseButtons, Qt::KeyboardModifiers, int, int) {}
void TfrmACMain::knbRudderChange(QObject *) {}
void TfrmACMain::knbRudderClick(QObject *) {}
void TfrmACMain::knbRudderMouseUp(QObject *, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TfrmACMain::Image4MouseDown(QObject *, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TfrmACMain::Image4MouseMove(QObject *, Qt::KeyboardModifiers, int, int) {}
void TfrmACMain::Image4MouseUp(QObject *, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TfrmACMain::Image4Click(QObject *) {}
void TfrmACMain::FormMouseDown(QObject *, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TfrmACMain::FormMouseMove(QObject *, Qt::KeyboardModifiers, int, int) {}
void TfrmACMain::FormMouseUp(QObject *, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TfrmACMain::FormClick(QObject *) {}

// Fuel controls
void TfrmACMain::connectFuelControls() {}
void TfrmACMain::tbFRMChange(QObject *) {}
void TfrmACMain::knbMasterFuelChange(QObject *) {}
void TfrmACMain::knbFuelSel2Change(QObject *) {}
void TfrmACMain::knbFuelSel2Click(QObject *) {}

// APU panel
void TfrmACMain::connectApu() {}
void TfrmACMain::sbtnBatFixMouseDown(QObject *, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TfrmACMain::sbtnBatFixDblClick(QObject *) {}
void TfrmACMain::sbtnAPUClick(QObject *) {}
void TfrmACMain::TimerAPUTimer(QObject *) {}
void TfrmACMain::knbAPUChange(QObject *) {}
void TfrmACMain::knbAPUClick(QObject *) {}
void TfrmACMain::lAPUOffClick(QObject *) {}
void TfrmACMain::lAPUOnClick(QObject *) {}
void TfrmACMain::lAPUStartClick(QObject *) {}

// Keyboard shortcuts
void TfrmACMain::connectKeyboard() {}
void TfrmACMain::FormKeyDown(int, Qt::KeyboardModifiers) {}

// Mouse-wheel adjustment
void TfrmACMain::connectWheel() {}
void TfrmACMain::FormMouseWheel(QObject *, Qt::KeyboardModifiers, int, QPoint, bool &) {}

// Picture viewer and slide show
void TfrmACMain::connectViewer() {}
void TfrmACMain::Image1DblClick(QObject *) {}
void TfrmACMain::Image1MouseDown(QObject *, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TfrmACMain::cbxImage1Click(QObject *) {}
void TfrmACMain::btnImagePlayExitClick(QObject *) {}
void TfrmACMain::TimerImage1Timer(QObject *) {}
