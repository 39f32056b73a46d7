#include "mechanisms/linearlogic.h"

#include "mechanisms/mechanismfields.h"
#include "mechanisms/mechanismlogic.h"
#include "units/units.h"

LoadEntries loadEntries(const Form& f) {
    const QString chosen = f.option(fields::Orientation);
    const Orientation orientation = chosen == fields::Vertical     ? Orientation::Vertical
                                    : chosen == fields::Horizontal ? Orientation::Horizontal
                                                                   : Orientation::None;
    return {orientation, f.entry(fields::LoadWeight), f.entry(fields::ThrustForce),
            f.unit(fields::Units)};
}

namespace linear {

Message orientationMissing() {
    return {"Orientation", "Please select the Orientation of this application."};
}

Message orientationMissingBelt() {
    return {"Orientation", "Please select the orientation for this application."};
}

namespace {

Message weightForceUnits() {
    return {"Weight/Force Units", "Please enter the units for Weight and Force."};
}

} // namespace

Message screwPitchUnits() {
    return {"Screw Pitch", "Please select the units for the Pitch of the Screw."};
}

std::optional<Outcome> storeRatio(SizingRecord& record, double revsPerInch) {
    if (!mech::allFinite({revsPerInch}) || revsPerInch <= 0)
        return Outcome::stop(messages::outOfRange());
    record.LinearReduction = revsPerInch;
    record.RotaryReduction = record.gearboxAdded() ? record.AddedGBReduction : 0;
    return std::nullopt;
}

std::optional<Outcome> storeLoad(SizingRecord& record, const LoadEntries& e, double weight,
                                 double force, Load& load) {
    if (e.Units.isEmpty())
        return Outcome::stop(weightForceUnits());
    load = {units::weightUnits().toInternal(e.Units, weight),
            units::weightUnits().toInternal(e.Units, force)};
    if (!mech::allFinite({load.weight, load.force}))
        return Outcome::stop(messages::outOfRange());
    record.Weight = {load.weight, false};
    return std::nullopt;
}

Outcome finish(SizingRecord& record, const Reflected& f, const QStringList& lines) {
    const double g = record.AddedGBReduction;
    const Reflected stored =
        g > 0 ? Reflected{mech::throughAddedGearbox(record, f.inertia), f.thrust / g, f.gravity / g}
              : f;
    if (!mech::allFinite({stored.inertia, stored.thrust, stored.gravity}))
        return Outcome::stop(messages::outOfRange());
    record.ReflectedJ = stored.inertia;
    record.T_Thrust = stored.thrust;
    record.T_Gravity = stored.gravity;
    return Outcome::report(lines);
}

QString orientationLine(const LoadEntries& e) {
    return e.orientation == Orientation::Horizontal ? "Motion Orientation = Horizontal"
                                                    : "Motion Orientation = Vertical";
}

QStringList loadLines(const LoadEntries& e) {
    return {"Load Weight = " + e.LoadWeight + " " + e.Units,
            "Thrust or Constant Force = " + e.ThrustForce + " " + e.Units};
}

} // namespace linear
