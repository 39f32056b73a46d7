#pragma once

#include "flow/field.h"
#include "mechanisms/mechanismfields.h"
#include "units/units.h"

// The entries of the motor selection and of the gearbox projection.
namespace fields {

inline constexpr Field RotorInertia = entryField("RotorInertia");
inline constexpr Field TorqueAvailable = entryField("TorqueAvailable");
inline constexpr Field SpeedAvailable = entryField("SpeedAvailable");
inline constexpr Field TorqueContinuous = entryField("TorqueContinuous");
// clang-format off
// Each figure in any unit; the US items are those of a file that names none.
inline constexpr Field RotorInertiaUnits = unitsField("RotorInertiaUnits", [](Motion) { return units::inertiaUnits().texts(); }, "oz-in-sec^2");
inline constexpr Field TorqueAvailableUnits = unitsField("TorqueAvailableUnits", [](Motion) { return units::torqueUnits().texts(); }, "oz-in");
inline constexpr Field SpeedAvailableUnits = unitsField("SpeedAvailableUnits", [](Motion) { return units::rotarySpeedUnits().texts(); }, "revs/sec");
inline constexpr Field TorqueContinuousUnits = unitsField("TorqueContinuousUnits", [](Motion) { return units::torqueUnits().texts(); }, "oz-in");
// clang-format on

// The motor selection's table.
inline const Fields selection{RotorInertia,         RotorInertiaUnits,    TorqueAvailable,
                              TorqueAvailableUnits, SpeedAvailable,       SpeedAvailableUnits,
                              TorqueContinuous,     TorqueContinuousUnits};
// The gearbox projection's table: the ratio of the gearbox it projects.
inline const Fields projection{Reduction};

} // namespace fields
