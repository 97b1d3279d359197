// Handlers whose bodies arrive with their own panel areas. Each area's
// connect function binds nothing until the area lands, and each handler does
// nothing; an area's file takes its connect function and handlers from here.
#include "uACMainForm.h"

// Engine readout
void TfrmACMain::connectEngineReadout() {}
void TfrmACMain::tmEngineCycleTimer(QObject *) {}
void TfrmACMain::knbEngSelChange(QObject *) {}
void TfrmACMain::cbxScanEngClick(QObject *) {}

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

