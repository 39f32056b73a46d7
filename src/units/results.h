#pragma once

#include "flow/quantity.h"

namespace units {

// A figure held in the program's units (oz-in-sec^2, oz-in, revs/sec, oz)
// in the unit the system shows it in: in SI, kg-cm^2, N-m, revs/min and kg,
// through the factors of the unit lists, so that a figure typed in one of
// those units comes back as typed. Percentages, ratios and the US system
// leave it as it is.
double shown(double x, Quantity quantity, UnitSystem system);

} // namespace units
