// The bottom row's about and settings buttons.
#include "uACMainForm.h"

#include "dialogseam.h"
#include "uAboutBox.h"

void TfrmACMain::bbtnAboutClick()
{
    // A new box each time, with no owner; it is gone once it closes.
    TAboutBox box;
    dialogs().showModal(box);
}

void TfrmACMain::bbtnSettingsClick()
{
    // The panel keeps no settings; the button is disabled for the whole run.
}
