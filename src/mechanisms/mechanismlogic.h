#pragma once

#include "flow/sizingrecord.h"

#include <QString>
#include <QStringList>

#include <initializer_list>

// The constants every mechanism computes with.
namespace mech {
inline constexpr double pi = 3.14159;
inline constexpr double gravity = 386.4; // in/sec^2

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
} // namespace mech

// BACK on every mechanism screen but the gearbox: with an added gearbox it
// returns to the gearbox screen; otherwise it empties the screen's report
// lines and returns to the choice screen of its motion. Gives the screen to show.
QString mechanismBack(SizingRecord& record, QStringList& reportLines, const QString& choiceScreen);

// The mechanism screen a mechanism tag names, and whether it is a rotary one.
struct TaggedMechanism {
    QString screen; // empty when the tag names none
    bool rotary = false;
};
TaggedMechanism mechanismOfTag(const QString& tag);

// The added gearbox ratio a mechanism divides by, or 0 when none is added.
double addedReduction(const SizingRecord& record);
