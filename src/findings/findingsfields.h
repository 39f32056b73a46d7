#pragma once

#include "flow/field.h"
#include "mechanisms/mechanismfields.h"

// The entries of the motor selection and of the gearbox projection.
namespace fields {

inline constexpr Field RotorInertia = entryField("RotorInertia");
inline constexpr Field TorqueAvailable = entryField("TorqueAvailable");
inline constexpr Field SpeedAvailable = entryField("SpeedAvailable");
inline constexpr Field TorqueContinuous = entryField("TorqueContinuous");

// The motor selection's table.
inline const Fields selection{RotorInertia, TorqueAvailable, SpeedAvailable, TorqueContinuous};
// The gearbox projection's table: the ratio of the gearbox it projects.
inline const Fields projection{Reduction};

} // namespace fields
