#include "mechanisms/tangentiallogic.h"

#include "mechanisms/mechanismfields.h"
#include "mechanisms/mechanismlogic.h"
#include "units/units.h"

using linear::twoPi;
using mech::read;

RackPinionEntries rackPinionEntries(const Form& f) {
    return {loadEntries(f), f.entry(fields::PinionOD), f.entry(fields::PulleyThickness),
            f.unit(fields::PinionUnits)};
}

ConveyorEntries conveyorEntries(const Form& f) {
    return {loadEntries(f),
            f.entry(fields::PinionDiameter),
            f.entry(fields::DrivenDiameter),
            f.entry(fields::PulleyThickness),
            f.unit(fields::SystemUnits),
            f.unit(fields::Material),
            f.entry(fields::NumberPulleys),
            f.entry(fields::BeltEfficiency)};
}

Outcome rackPinionNext(SizingRecord& record, const RackPinionEntries& e) {
    double f = 0, w = 0, t = 0, d = 0;
    if (!(read(e.load.ThrustForce, f) && read(e.load.LoadWeight, w) && read(e.PulleyThickness, t) &&
          read(e.PinionOD, d)))
        return Outcome::stop(messages::numbersPlease());
    if (e.load.orientation == Orientation::None)
        return Outcome::stop(linear::orientationMissing());
    if (d <= 0 || t <= 0 || w <= 0)
        return Outcome::stop({"Rack & Pinion", "Please enter positive values in all text fields."});
    if (e.PinionUnits.isEmpty())
        return Outcome::stop({"Pinion Units", "Please select the units for the Pinion Diameter."});
    const double diameter = units::dimensionUnits().toInternal(e.PinionUnits, d);
    const double thickness = units::dimensionUnits().toInternal(e.PinionUnits, t);
    const double r = diameter / 2;
    if (auto stopped = linear::storeRatio(record, 1 / (twoPi * r)))
        return *stopped;
    linear::Load load;
    if (auto stopped = linear::storeLoad(record, e.load, w, f, load))
        return *stopped;

    // The pinion as a steel disc, the load as a mass at its radius.
    const mech::Disc pinion = mech::disc(linear::steel, diameter, thickness);
    const double j = pinion.inertia + load.weight * r * r / constants::gravity;
    const auto torque = [&](double force) { return force * r; };
    return linear::finish(
        record, linear::withLoad(j, load, e.load, torque),
        QStringList{"Rack & Pinion Linear Motion", linear::orientationLine(e.load),
                    "Pinion Outer Diameter = " + e.PinionOD + " " + e.PinionUnits,
                    "Pinion Thickness = " + e.PulleyThickness + " " + e.PinionUnits} +
            linear::loadLines(e.load));
}

Outcome conveyorNext(SizingRecord& record, const ConveyorEntries& e) {
    double f = 0, w = 0, belt = 0, n = 0, t = 0, dd = 0, dp = 0;
    if (!(read(e.load.ThrustForce, f) && read(e.load.LoadWeight, w) &&
          read(e.BeltEfficiency, belt) && read(e.NumberPulleys, n) && read(e.PulleyThickness, t) &&
          read(e.DrivenDiameter, dd) && read(e.PinionDiameter, dp)))
        return Outcome::stop(messages::numbersPlease());
    const double eff = belt / 100;
    if (e.load.orientation == Orientation::None)
        return Outcome::stop(linear::orientationMissingBelt());
    if (dp <= 0 || dd <= 0 || t <= 0 || !mech::validEfficiency(eff) || n <= 0 || w <= 0)
        return Outcome::stop(
            {"System Values",
             "Please enter positive values for all text fields (Thrust Force is Optional)."});
    if (e.SystemUnits.isEmpty())
        return Outcome::stop({"Conveyor Units", "Please enter the units for Rotating Components."});
    const auto inches = [&](double x) {
        return units::systemLengthUnits().toInternal(e.SystemUnits, x);
    };
    const double rp = inches(dp) / 2;
    if (auto stopped = linear::storeRatio(record, 1 / (twoPi * rp)))
        return *stopped;
    if (e.Material.isEmpty())
        return Outcome::stop(
            {"Pulley Material", "Please select material (density) of the pulleys in the system."});
    const double rho = units::density(e.Material);
    linear::Load load;
    if (auto stopped = linear::storeLoad(record, e.load, w, f, load))
        return *stopped;

    // The pinion pulley turns with the motor; the load, at the pinion radius,
    // and the other pulleys, all of the driven size, are reflected through
    // the belt ratio and efficiency.
    const mech::Disc pinion = mech::disc(rho, inches(dp), inches(t));
    const mech::Disc driven = mech::disc(rho, inches(dd), inches(t));
    const double ratio = dd / dp;
    const double beltSide = eff * ratio * ratio;
    const double j =
        pinion.inertia +
        (load.weight * rp * rp / constants::gravity + (n - 1) * driven.inertia) / beltSide;
    const auto torque = [&](double force) { return force * rp / (eff * ratio); };
    const QString unit = " " + e.SystemUnits;
    return linear::finish(record, linear::withLoad(j, load, e.load, torque),
                          QStringList{"Linear Conveyor Motion", linear::orientationLine(e.load),
                                      "Pinion Pulley Diameter = " + e.PinionDiameter + unit,
                                      "Driven Pulley Diameter = " + e.DrivenDiameter + unit,
                                      "Pulley Thickness = " + e.PulleyThickness + unit,
                                      "Pulley Material = " + e.Material,
                                      "Total Number of Pulleys = " + e.NumberPulleys,
                                      "Belt Efficiency = " + e.BeltEfficiency + " %"} +
                              linear::loadLines(e.load));
}
