#include "units/results.h"

#include "units/units.h"

namespace units {

double shown(double x, Quantity quantity, UnitSystem system) {
    if (system == UnitSystem::US)
        return x;
    switch (quantity) {
    case Quantity::Inertia:
        return inertiaUnits().fromInternal("kg-cm^2", x);
    case Quantity::Torque:
        return torqueUnits().fromInternal("N-m", x);
    case Quantity::Speed:
        return rotarySpeedUnits().fromInternal("revs/min", x);
    case Quantity::Weight:
        return weightUnits().fromInternal("kg", x);
    case Quantity::Text:
    case Quantity::Percent:
    case Quantity::Ratio:
        break;
    }
    return x;
}

} // namespace units
