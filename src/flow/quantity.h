#pragma once

#include <QString>

// What a figure measures. Figures are held in the program's inch-ounce-second
// units; a figure shown carries its quantity to where it is shown, which
// gives its unit.
enum class Quantity { Text, Inertia, Torque, Speed, Weight, Percent, Ratio };

// The units results are shown in: the program's own (US customary), or SI.
enum class UnitSystem { US, SI };

// The unit a figure of that quantity is shown in ("" for a text or a ratio).
inline QString unitOf(Quantity quantity, UnitSystem system = UnitSystem::US) {
    if (system == UnitSystem::SI) {
        switch (quantity) {
        case Quantity::Inertia:
            return "kg-cm^2";
        case Quantity::Torque:
            return "N-m";
        case Quantity::Speed:
            return "revs/min";
        case Quantity::Weight:
            return "kg";
        default:
            break;
        }
    }
    switch (quantity) {
    case Quantity::Inertia:
        return "oz-in-sec^2";
    case Quantity::Torque:
        return "oz-in";
    case Quantity::Speed:
        return "revs/sec";
    case Quantity::Weight:
        return "oz";
    case Quantity::Percent:
        return "%";
    case Quantity::Text:
    case Quantity::Ratio:
        break;
    }
    return {};
}
