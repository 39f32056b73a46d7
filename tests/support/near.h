#pragma once

#include "flow/sizingrecord.h"

#include <QString>

#include <cmath>

// A stored figure agrees with a worked example quoted to six or more
// significant digits.
inline bool near(const QString& stored, double expected) {
    const double value = SizingRecord::number(stored);
    return std::abs(value - expected) <= 1e-6 * std::abs(expected);
}
