#pragma once
// The engines: piston engines answer throttle, propeller, mixture,
// magnetos, carburettor heat and cowl flaps; turbines spool between idle and
// full thrust. Both start with the starter (magnetos at 4), stop without
// fuel or ignition, and follow their levers with lags.
#include "modelio.h"
#include "modelstate.h"

struct AircraftPreset;

bool isTurbine(const AircraftPreset &preset);

// What a running engine settles at for these lever fractions.
struct EngineTargets {
    double rpm, thrust, fuelFlowPph, manifoldInHg, airMassRatio, egtF, chtF, oilTempC, oilPsi, torque;
};
struct EngineLevers {
    double throttle, propeller, mixture;
    int magnetos;       // 0 off, 1 left, 2 right, 3 both, 4 start
    bool carbHeat;
    double cowlFlaps;   // 0 closed .. 1 open
};
EngineTargets runningTargets(const AircraftPreset &preset, const EngineLevers &levers, double altitudeFt,
                             const Environment &env, double iasKts);

// The mixture lever fraction at which a piston engine runs at the ratio
// the panel's automatic mixture holds, at this altitude.
double economyMixture(const AircraftPreset &preset, double altitudeFt, const Environment &env);
// The throttle fraction that gives this thrust at this altitude, with the
// propeller lever here and the economy mixture.
double throttleForThrust(const AircraftPreset &preset, double thrust, double propeller, double altitudeFt,
                         const Environment &env);

void stepEngines(ModelState &state, ModelIo &io, const Environment &env);
// Also gives each engine its running state at once (for the scenarios).
void settleEngine(ModelState &state, int engine, bool running, const EngineLevers &levers, const Environment &env);
void publishEngines(const ModelState &state, OffsetSpace &space, const Environment &env);

// Fraction of full thrust of all engines together (average), for the flight.
double totalThrust(const ModelState &state);
