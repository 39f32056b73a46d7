#pragma once

#include "findings/findingslogic.h"
#include "ui/colours.h"

// The colour a figure's display starts with.
inline QColor colourOf(Shade shade) {
    return shade == Shade::Grey ? colours::lightGrey : colours::lightYellow;
}
