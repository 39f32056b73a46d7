#include "mechanisms/mechanismlogic.h"

#include "flow/numbers.h"

#include <cmath>

namespace mech {

Disc disc(double density, double diameter, double length) {
    const double r = diameter / 2;
    const double weight = density * length * constants::pi * r * r;
    return {weight, weight * r * r / 2 / constants::gravity};
}

bool read(const QString& text, double& out) {
    const auto value = numbers::parse(text);
    if (value)
        out = *value;
    return value.has_value();
}

bool allFinite(std::initializer_list<double> values) {
    for (double x : values)
        if (!std::isfinite(x))
            return false;
    return true;
}

double throughAddedGearbox(const SizingRecord& record, double j) {
    const double r = record.AddedGBReduction;
    if (!(r > 0))
        return j;
    return record.AddedGBInertia + j / (r * r * record.AddedGBEfficiency);
}

} // namespace mech

ScreenId mechanismBack(SizingRecord& record, ScreenId choiceScreen) {
    if (record.gearboxAdded())
        return ScreenId::Gearbox;
    record.MechanismLines.clear();
    return choiceScreen;
}
