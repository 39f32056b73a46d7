#pragma once

#include "findings/projectionlogic.h"
#include "flow/outcome.h"
#include "sizing/sizing.h"

// The steps of a sizing on the preliminary findings, the motor selection,
// the findings and the gearbox projection.

// BACK of the preliminary findings.
ScreenId leavePreliminary(Sizing& sizing);

Form& selectionForm(Sizing& sizing);
// While a library motor is in use, the motor selection's figures are the
// motor's, its torque and speed read off its curve for the need in force;
// false when there is no curve to read.
bool followLibraryMotor(Sizing& sizing);
// SELECT MOTOR: the motor selection, with a library motor's figures read
// again for the need.
ScreenId openSelection(Sizing& sizing);
// NEXT of the motor selection: the findings, which it shows.
Outcome submitSelection(Sizing& sizing);
// BACK of the motor selection: its report lines go.
void leaveSelection(Sizing& sizing);

// The gearbox projection: its entry, what the ratio typed there would make of
// the findings, and ADD GEARBOX, which shows the gearbox screen with the
// ratio and the load it drives.
Form& projectionForm(Sizing& sizing);
Projection projectGearbox(Sizing& sizing);
// The projection of the ratio just typed; a ratio it cannot project is set
// back to 1 (the message says why).
Projection projectTypedRatio(Sizing& sizing);
Outcome submitGearbox(Sizing& sizing);
