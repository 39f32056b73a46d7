#pragma once

#include "flow/quantity.h"

#include "sizing/figures.h"

#include <QStringList>

// Accelerating takes the torque to accelerate on top of thrust and gravity,
// running at speed thrust and gravity alone, decelerating thrust and gravity
// less the torque to accelerate, and the dwell at rest gravity alone. A move
// time of 0 means constant velocity: the acceleration and a constant stretch
// as long again, with no dwell. Empty when the figures make no move (no
// speed, no time, or not finite).
MoveProfile moveProfile(double maxSpeed, double accelTime, double moveTime, double accelTorque,
                        double thrust, double gravity, double dwellTime = 0);

// The RMS torque of the move repeated with its dwell, for these torques:
// sqrt(sum(T^2 * t) / (move time + dwell time)) over accelerating, running,
// decelerating and dwelling. A constant velocity runs for as long as it runs:
// |thrust + gravity|.
double rmsTorque(const MoveProfile& move, double accelTorque, double thrust, double gravity);

// The figures the picture of the move states beside it: the maximum speed,
// the acceleration time and the move time, in the locale's form.
QStringList moveCaption(const MoveProfile& move, UnitSystem system = UnitSystem::US);
// The move with its speeds and torques in the units of that system.
MoveProfile inUnits(MoveProfile move, UnitSystem system);
