#pragma once

#include "flow/sizingrecord.h"

#include <QString>

#include <cmath>

// A stored figure agrees with a worked example quoted to the digits it has
// (six significant digits unless told).
inline bool near(const QString& stored, double expected, double relative = 1e-6) {
    const double value = SizingRecord::number(stored);
    return std::abs(value - expected) <= relative * std::abs(expected);
}
