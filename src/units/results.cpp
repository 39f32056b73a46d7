#include "units/results.h"

#include "units/units.h"

namespace units {

double shown(double x, Quantity quantity, UnitSystem system) {
    if (system == UnitSystem::US)
        return x;
    const QString unit = unitOf(quantity, system);
    switch (quantity) {
    case Quantity::Inertia:
        return inertiaUnits().fromInternal(unit, x);
    case Quantity::Torque:
        return torqueUnits().fromInternal(unit, x);
    case Quantity::Speed:
        return rotarySpeedUnits().fromInternal(unit, x);
    case Quantity::Weight:
        return weightUnits().fromInternal(unit, x);
    case Quantity::Text:
    case Quantity::Percent:
    case Quantity::Ratio:
        break;
    }
    return x;
}

} // namespace units
