#pragma once

#include "flow/form.h"
#include "flow/outcome.h"
#include "mechanisms/applications.h"
#include "sizing/sizing.h"

// The steps of a sizing on the mechanism screens and the load calculator.
// Each works on the sizing alone: the screens only show it.

// The entries a mechanism screen shows: the application's own, or on the
// gearbox screen while a gearbox is added, the added gearbox's.
// The gearbox screen hides its constant torque and calculator controls while
// it stands as a gearbox added to another application, until its NEXT passes.
bool gearboxControlsHidden(const Sizing& sizing);

Form& mechanismForm(Sizing& sizing, const Application& mechanism);

// NEXT on a mechanism screen: its checks and stores, then the screen to show
// (the profile, tagged with the application's mechanism; or after an added gearbox, the
// application's own mechanism screen).
Outcome submitMechanism(Sizing& sizing, const Application& mechanism);

// BACK on a mechanism screen. On the gearbox screen while a gearbox is added,
// it takes the gearbox away and returns to the findings as they were.
ScreenId leaveMechanism(Sizing& sizing, const Application& mechanism);

// The load calculator's entries, ENTER and CLEAR. ENTER writes the load's
// inertia into the load inertia entry of the rotary application being sized.
Form& loadCalcForm(Sizing& sizing);
Outcome submitLoadCalc(Sizing& sizing);
void clearLoadCalc(Sizing& sizing);
