#pragma once

#include "flow/numbers.h"

#include <QString>

// A figure in the general number form, as the tables of worked examples quote
// it: fifteen significant digits at most.
inline QString stored(double value) {
    return numbers::general(value);
}

// A quoted figure as a number; a text that is none reads as 0.
inline double number(const QString& text) {
    return numbers::parse(text).value_or(0);
}
