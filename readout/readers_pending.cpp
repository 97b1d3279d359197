// Readers whose bodies arrive with their own panel areas. Each is called by
// the connection passes and the refresh cycle in its place already; until its
// area lands it reads nothing.
#include "uACMainForm.h"

void TfrmACMain::AircraftInfo() {}
void TfrmACMain::AltitudeInfo() {}
void TfrmACMain::SpeedInfo() {}
void TfrmACMain::HeadInfo() {}
void TfrmACMain::ElectInfo() {}
void TfrmACMain::RadioInfo() {}
void TfrmACMain::FuelInfo() {}
void TfrmACMain::NavInfo() {}
void TfrmACMain::EngineInfoSel() {}
void TfrmACMain::EngineInfo1() {}
void TfrmACMain::EngineInfo2() {}
void TfrmACMain::EngineInfo3() {}
void TfrmACMain::EngineInfo4() {}
void TfrmACMain::FailInfo() {}
