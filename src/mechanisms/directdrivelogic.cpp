#include "mechanisms/directdrivelogic.h"

#include "flow/numbers.h"
#include "mechanisms/mechanismfields.h"
#include "mechanisms/mechanismlogic.h"

#include <cmath>

DirectDriveEntries directDriveEntries(const Form& f) {
    return {f.entry(fields::DDInertia), f.entry(fields::TConst)};
}

Outcome directDriveNext(SizingRecord& record, const DirectDriveEntries& entries) {
    const auto inertia = numbers::parse(entries.DDInertia);
    const auto torque = numbers::parse(entries.TConst);
    if (!inertia || !torque)
        return Outcome::stop(messages::numbersPlease(),
                             {{fields::DDInertia, "0"}, {fields::TConst, "0"}});
    const double j = *inertia;
    const double t = *torque;

    // The motor turns once per load revolution, times any added gearbox.
    const double r = record.AddedGBReduction;
    record.RotaryReduction = r > 0 ? r : 1;

    if (!(j > 0))
        return Outcome::stop({"Inertia", "The Inertia entered must be greater than zero."});

    const double reflected = mech::throughAddedGearbox(record, j);
    const double thrust = r > 0 ? t / r : t;
    if (!std::isfinite(reflected) || !std::isfinite(thrust))
        return Outcome::stop(messages::outOfRange());

    record.ReflectedJ = reflected;
    record.T_Thrust = thrust;
    // A direct drive has no gravity torque; an earlier linear sizing's must not linger.
    record.T_Gravity = 0;

    return Outcome::report({QString(), "Load Inertia = " + numbers::general(j) + " oz-in-sec^2"});
}
