#include "mechanisms/mechanismlogic.h"

#include "flow/numbers.h"

#include <cmath>

namespace mech {

Disc disc(double density, double diameter, double length) {
    const double r = diameter / 2;
    const double weight = density * length * pi * r * r;
    return {weight, weight * r * r / 2 / gravity};
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

} // namespace mech

QString mechanismBack(SizingRecord& record, QStringList& reportLines, const QString& choiceScreen) {
    if (record.gearboxAdded())
        return "Gearbox";
    reportLines.clear();
    return choiceScreen;
}

double addedReduction(const SizingRecord& record) {
    const double r = SizingRecord::number(record.AddedGBReduction);
    return r > 0 ? r : 0;
}
