#pragma once

#include <QString>

// What a figure measures. Figures are held in the program's inch-ounce-second
// units; a figure shown carries its quantity to where it is shown, which
// gives its unit.
enum class Quantity { Text, Inertia, Torque, Speed, Weight, Percent, Ratio };

// The unit a figure of that quantity is shown in ("" for a text or a ratio).
inline QString unitOf(Quantity quantity) {
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
