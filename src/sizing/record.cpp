#include "sizing/record.h"

#include "flow/numbers.h"

QString motionText(Motion motion) {
    switch (motion) {
    case Motion::Rotary:
        return "Rotary";
    case Motion::Linear:
        return "Linear";
    case Motion::None:
        break;
    }
    return {};
}

QString LoadWeight::text() const {
    return inertiaGiven ? QString(inertiaGivenText) : numbers::general(oz);
}

void SizingRecord::loadInertiaEdited() {
    if (!LoadCalc)
        Weight = {};
}
