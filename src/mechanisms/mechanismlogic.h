#pragma once

#include "flow/constants.h"
#include "flow/screenid.h"
#include "sizing/record.h"

#include <QString>
#include <QStringList>

#include <initializer_list>

// What every mechanism computes with.
namespace mech {

// A solid disc or cylinder of the given density (oz/in^3), diameter and
// length (in): its weight in oz and its inertia about its axis in oz-in-sec^2.
struct Disc {
    double weight = 0;
    double inertia = 0;
};
Disc disc(double density, double diameter, double length);

// Reads the text as a number into `out`; false when it is not one.
bool read(const QString& text, double& out);

bool allFinite(std::initializer_list<double> values);

// An efficiency, as a fraction, passes on some of the power and never more
// than all of it: above 0 and at most 100 %.
inline bool validEfficiency(double fraction) {
    return fraction > 0 && fraction <= 1;
}

// The inertia at the motor of a load of inertia `j` behind any added
// gearbox: the gearbox's own inertia plus the load's, reflected through its
// ratio and divided by its efficiency. Without one, `j` as it is.
double throughAddedGearbox(const SizingRecord& record, double j);

} // namespace mech

// BACK on every mechanism screen but the gearbox: with an added gearbox it
// returns to the gearbox screen; otherwise it empties the mechanism's report
// lines and returns to the choice screen of its motion.
ScreenId mechanismBack(SizingRecord& record, ScreenId choiceScreen);
