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

TaggedMechanism mechanismOfTag(const QString& tag) {
    struct Row {
        const char* tag;
        const char* screen;
        bool rotary;
    };
    static constexpr Row rows[] = {{"Direct Drive", "DirectDrive", true},
                                   {"Belt Pulley", "BeltPulley", true},
                                   {"Gearbox", "Gearbox", true},
                                   {"Screw Drive", "ScrewDrive", false},
                                   {"BP Screw", "BeltScrewDrive", false},
                                   {"GB Screw", "GBScrewDrive", false},
                                   {"Conveyor", "ConveyorDrive", false},
                                   {"NR Screw", "NonRScrewDrive", false},
                                   {"Rack & Pinion", "RackPinionDrive", false}};
    for (const Row& row : rows)
        if (tag == QLatin1String(row.tag))
            return {row.screen, row.rotary};
    return {};
}

double addedReduction(const SizingRecord& record) {
    const double r = SizingRecord::number(record.AddedGBReduction);
    return r > 0 ? r : 0;
}
