#pragma once

#include "flow/constants.h"
#include "flow/form.h"
#include "flow/outcome.h"
#include "sizing/record.h"

#include <optional>

// What the six linear mechanisms share: the orientation, the load and its
// units, and how their figures are stored.
enum class Orientation { None, Horizontal, Vertical };

struct LoadEntries {
    Orientation orientation = Orientation::None;
    QString LoadWeight = "0";
    QString ThrustForce = "0";
    QString Units; // weight units; empty when none is chosen
};
// The orientation is the option chosen in the frame "Orientation".
LoadEntries loadEntries(const Form& form);

namespace linear {

using constants::twoPi;
inline constexpr double steel = 4.48; // oz/in^3: screws, couplers and rack pinions

// The orientation messages: most screens ask for "the Orientation of this
// application", the belt-driven ones for "the orientation for this application".
Message orientationMissing();
Message orientationMissingBelt();
Message screwPitchUnits();

// Stores the motor revolutions per inch of travel, and as the rotary ratio
// the added gearbox's (or none), so that a ratio left by an earlier rotary
// sizing never multiplies this one. Nothing when stored; otherwise the
// message for a ratio that cannot be worked with.
std::optional<Outcome> storeRatio(SizingRecord& record, double revsPerInch);

// The load weight and force in oz.
struct Load {
    double weight = 0;
    double force = 0;
};
// Converts the load by its units and stores the weight. Nothing when done;
// otherwise the message for missing units or a load too large to work with
// (then nothing is stored).
std::optional<Outcome> storeLoad(SizingRecord& record, const LoadEntries& entries, double weight,
                                 double force, Load& load);

// The figures a linear NEXT ends with, before any added gearbox.
struct Reflected {
    double inertia = 0;
    double thrust = 0;
    double gravity = 0;
};
// The figures of a load whose force and weight act through `torque`, which
// turns a force in oz at the load into a torque at the shaft; the weight
// counts only on a vertical axis.
template <class Torque>
Reflected withLoad(double inertia, const Load& load, const LoadEntries& entries, Torque torque) {
    return {inertia, torque(load.force),
            entries.orientation == Orientation::Vertical ? torque(load.weight) : 0};
}

// Reflects the figures through any added gearbox (the torques divided by its
// ratio, the inertia as `mech::throughAddedGearbox` has it),
// stores them, and moves on with the report lines.
Outcome finish(SizingRecord& record, const Reflected& figures, const QStringList& lines);

// The report's orientation line and the load's two lines.
QString orientationLine(const LoadEntries& entries);
QStringList loadLines(const LoadEntries& entries);

} // namespace linear
