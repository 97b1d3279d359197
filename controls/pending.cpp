// Handlers whose bodies arrive with their own panel areas. Each area's
// connect function binds nothing until the area lands, and each handler does
// nothing; an area's file takes its connect function and handlers from here.
#include "uACMainForm.h"

// Engine readout
void TfrmACMain::connectEngineReadout() {}
void TfrmACMain::tmEngineCycleTimer(QObject *) {}
void TfrmACMain::knbEngSelChange(QObject *) {}
void TfrmACMain::cbxScanEngClick(QObject *) {}

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

// Fuel controls
void TfrmACMain::connectFuelControls() {}
void TfrmACMain::tbFRMChange(QObject *) {}
void TfrmACMain::knbMasterFuelChange(QObject *) {}
void TfrmACMain::knbFuelSel2Change(QObject *) {}
void TfrmACMain::knbFuelSel2Click(QObject *) {}

// Simulation and environment settings
void TfrmACMain::connectSimulation() {}
void TfrmACMain::sbtnTimeSetClick(QObject *) {}
void TfrmACMain::UpDown1ChangingEx(QObject *, bool &, int, TUpDownDirection) {}
void TfrmACMain::eSimRateChange(QObject *) {}
void TfrmACMain::eServCeilingChange(QObject *) {}
void TfrmACMain::knbKollsmanChange(QObject *) {}
void TfrmACMain::knbKollsmanMouseDown(QObject *, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TfrmACMain::knbDriftFixClick(QObject *) {}
void TfrmACMain::sbtnBatFixClick(QObject *) {}
void TfrmACMain::eBankChange(QObject *) {}
void TfrmACMain::ePitchChange(QObject *) {}
void TfrmACMain::eHdgChange(QObject *) {}
void TfrmACMain::eWinddirChange(QObject *) {}
void TfrmACMain::Label24DragOver(QObject *, QObject *, int, int, bool &) {}

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
