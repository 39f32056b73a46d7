#pragma once

#include <cmath>

// A stored figure agrees with a worked example quoted to the digits it has
// (six significant digits unless told).
inline bool near(double value, double expected, double relative = 1e-6) {
    return std::abs(value - expected) <= relative * std::abs(expected);
}
