#include "mechanisms/beltpulleylogic.h"

#include "mechanisms/mechanismfields.h"
#include "mechanisms/mechanismlogic.h"
#include "units/units.h"

using mech::read;

BeltPulleyEntries beltPulleyEntries(const Form& f) {
    return {f.entry(fields::PinionD),    f.entry(fields::DrivenD), f.entry(fields::Thickness),
            f.unit(fields::PulleyUnits), f.unit(fields::Material), f.entry(fields::BeltEfficiency),
            f.entry(fields::BPInertia),  f.entry(fields::TConst)};
}

Outcome beltPulleyNext(SizingRecord& record, const BeltPulleyEntries& e) {
    double tc = 0, jl = 0, efficiency = 0, dd = 0, dp = 0, t = 0;
    if (!(read(e.TConst, tc) && read(e.BPInertia, jl) && read(e.BeltEfficiency, efficiency) &&
          read(e.DrivenD, dd) && read(e.PinionD, dp) && read(e.Thickness, t)))
        return Outcome::stop({"Numbers Only", "Please enter only numeric values"});
    const double eff = efficiency / 100;

    if (e.PulleyUnits.isEmpty())
        return Outcome::stop({"Pulley Units", "Please specify units for the pulley specs."});
    if (dp <= 0 || dd <= 0 || t <= 0 || !mech::validEfficiency(eff))
        return Outcome::stop(
            {"Pulley Specs", "Please enter positive values for Pulley Specifications."});
    if (e.Material.isEmpty())
        return Outcome::stop({"Material Select", "Please select Pulley Material (Density)"});

    const double rho = units::density(e.Material);
    const auto& inches = units::dimensionUnits();
    const mech::Disc pinion =
        mech::disc(rho, inches.toInternal(e.PulleyUnits, dp), inches.toInternal(e.PulleyUnits, t));
    const mech::Disc driven =
        mech::disc(rho, inches.toInternal(e.PulleyUnits, dd), inches.toInternal(e.PulleyUnits, t));
    const double n = dd / dp;
    const double g = record.AddedGBReduction;
    const double ratio = g > 0 ? n * g : n;
    if (!mech::allFinite({n, ratio}) || ratio == 0)
        return Outcome::stop(messages::outOfRange());
    record.RotaryReduction = ratio;

    if (jl <= 0)
        return Outcome::stop({"Inertia", "The Load Inertia must be greater than zero."});

    const double j = pinion.inertia + (driven.inertia + jl) / (n * n * eff);
    const double reflected = mech::throughAddedGearbox(record, j);
    const double thrust = g > 0 ? tc / g : tc;
    if (!mech::allFinite({j, reflected, thrust}))
        return Outcome::stop(messages::outOfRange());
    record.ReflectedJ = reflected;
    record.T_Thrust = thrust;
    // A belt-pulley has no gravity torque; an earlier linear sizing's must not linger.
    record.T_Gravity = 0;

    const QString unit = " " + e.PulleyUnits;
    return Outcome::report(
        {"Belt-Pulley Specifications", "Pinion Pulley Diameter = " + e.PinionD + unit,
         "Driven Pulley Diameter = " + e.DrivenD + unit, "Pulley Thickness = " + e.Thickness + unit,
         "Pulley Material = " + e.Material, "Belt Efficiency = " + e.BeltEfficiency + " %",
         QString(), "Load Inertia = " + e.BPInertia + " oz-in-sec^2"});
}
