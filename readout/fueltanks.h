#pragma once
// The fuel group's tanks with their controls, in the order the fuel readout
// processes them (the catalogue's order, the centre tank first). The level
// handler finds the bar that moved, its hidden raw label and its offset here.
#include "catalogue.h"

#include <array>

class PanelLabel;
class QFrame;
class TfrmACMain;
class TrackBar;

struct FuelTankControls {
    catalogue::FuelTank tank;
    QFrame *panel;
    TrackBar *bar;
    PanelLabel *name; // coloured by the level
    PanelLabel *raw;  // hidden: the level as the simulator's integer
};

std::array<FuelTankControls, 11> fuelTanks(const TfrmACMain &w);
