#include "mechanisms/gearboxlogic.h"

#include "mechanisms/applications.h"
#include "mechanisms/mechanismfields.h"
#include "mechanisms/mechanismlogic.h"
#include "units/units.h"

using mech::read;

GearboxEntries gearboxEntries(const Form& f, double ownRatio) {
    return {f.entry(fields::Reduction),
            f.entry(fields::GBInertia),
            f.unit(fields::GBUnits),
            f.entry(fields::GBEfficiency),
            f.entry(fields::LoadInertia),
            f.entry(fields::TConst),
            ownRatio};
}

Outcome gearboxNext(SizingRecord& record, const GearboxEntries& e) {
    double tc = 0, jl = 0, efficiency = 0, gbInertia = 0, r = 0;
    if (!(read(e.TConst, tc) && read(e.LoadInertia, jl) && read(e.GBEfficiency, efficiency) &&
          read(e.GBInertia, gbInertia) && read(e.Reduction, r)))
        return Outcome::stop({"Numbers Please!", "Please enter numeric values only."});
    const double eff = efficiency / 100;

    if (r <= 0)
        return Outcome::stop({"Reduction", "Please enter a positive gearbox reduction ratio"});
    if (gbInertia <= 0)
        return Outcome::stop(
            {"Gearbox Inertia",
             "Please enter the inertia of the gearbox itself. (Rough Estimates for Size 17 "
             "Gearboxes ~ 0.06 oz-in^2, Size 23 Gearboxes ~ .20 oz-in^2, Size 34 Gearboxes ~ 1.9 "
             "oz-in^2)"});
    if (e.GBUnits.isEmpty())
        return Outcome::stop({"Inertia Units", "Please select units for the Gearbox Inertia."});
    if (!mech::validEfficiency(eff))
        return Outcome::stop({"Gearbox Efficiency", "Please enter a valid Gearbox Efficiency."});
    if (jl <= 0)
        return Outcome::stop({"Load Inertia", "Please enter the load inertia, or use the Inertia "
                                              "Calculations form for help."});

    // Added to a "Rotary: Gearbox" application, this gearbox stands behind the
    // application's own one: the motor turns by both ratios, and the constant
    // torque is reflected through it like any other torque.
    const bool added = record.gearboxAdded();
    const bool ownMechanism = record.AppType && record.AppType->screen == ScreenId::Gearbox;
    const double ratio = added && ownMechanism && e.ownRatio > 0 ? e.ownRatio * r : r;
    const double gravity = record.T_Gravity / r;
    const double jg = units::inertiaUnits().toInternal(e.GBUnits, gbInertia);
    const double j = jg + jl / (r * r * eff);
    const double thrust = added && ownMechanism ? tc / r : tc;
    if (!mech::allFinite({ratio, gravity, jg, j, thrust}))
        return Outcome::stop(messages::outOfRange());

    record.RotaryReduction = ratio;
    // The application's own gearbox has no gravity torque; an earlier linear
    // sizing's must not linger. An added gearbox reflects the one in force.
    record.T_Gravity = added ? gravity : 0;
    record.ReflectedJ = j;
    record.T_Thrust = thrust;

    const QStringList gearboxLines{"Gearbox Reduction Ratio = " + e.Reduction + " : 1",
                                   "Gearbox Inertia = " + e.GBInertia + " " + e.GBUnits,
                                   "Gearbox Efficiency = " + e.GBEfficiency + " %"};
    // An added gearbox stands between the motor and the application's
    // mechanism, whose NEXT reflects its load through it.
    if (added) {
        record.AddedGBInertia = jg;
        record.AddedGBEfficiency = eff;
        record.AddedGearbox = gearboxLines;
    }
    return Outcome::report(
        QStringList{"Rotary Positioning via Gearbox"} + gearboxLines +
        QStringList{QString(), "Load Inertia = " + e.LoadInertia + " oz-in-sec^2"});
}
