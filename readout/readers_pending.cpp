// Readers whose bodies arrive with their own panel areas. Each is called by
// the connection passes and the refresh cycle in its place already; until its
// area lands it reads nothing.
#include "uACMainForm.h"

void TfrmACMain::FailInfo() {}
