#include "mechanisms/screwlogic.h"

#include "mechanisms/mechanismfields.h"
#include "mechanisms/mechanismlogic.h"
#include "units/units.h"

using linear::twoPi;
using mech::read;

namespace {

// A screw stage: the entries every screw reads, as numbers.
struct Screw {
    double pitch = 0;
    double efficiency = 0; // a fraction
    double thrust = 0;     // the entered force
    double weight = 0;     // the entered weight
};

bool readScrew(const LoadEntries& load, const ScrewEntries& screw, Screw& out) {
    double percent = 0;
    const bool ok = read(load.ThrustForce, out.thrust) && read(load.LoadWeight, out.weight) &&
                    read(screw.ScrewEfficiency, percent) && read(screw.ScrewPitch, out.pitch);
    out.efficiency = percent / 100;
    return ok;
}

// The screw's revolutions per inch of travel.
double turnsPerInch(const ScrewEntries& screw, double pitch) {
    return units::pitchUnits().toInternal(screw.PitchUnits, pitch);
}

// The load reflected through a screw of r revolutions per inch, in oz-in^2.
double loadThroughScrew(double weight, double r) {
    return weight / ((twoPi * r) * (twoPi * r));
}

// A force at the nut as torque on a shaft turning `ratio` revolutions per
// inch through the given efficiency.
double torqueOf(double force, double ratio, double efficiency) {
    return force / (twoPi * ratio * efficiency);
}

QStringList screwLines(const ScrewEntries& screw) {
    return {"Screw Pitch or Lead = " + screw.ScrewPitch + " " + screw.PitchUnits,
            "Screw Efficiency = " + screw.ScrewEfficiency + " %"};
}

Message numbersPleaseOnly() {
    return {"Numbers Please", "Please enter only numeric values"};
}

Message systemValues() {
    return {"System Values",
            "Please enter positive values for all text fields (Thrust Force is Optional)."};
}

Message rotatingUnits() {
    return {"BP Units", "Please select the units for the rotating components."};
}

} // namespace

ScrewEntries screwEntries(const Form& f) {
    return {f.entry(fields::ScrewPitch), f.unit(fields::PitchUnits),
            f.entry(fields::ScrewEfficiency)};
}

ScrewDriveEntries screwDriveEntries(const Form& f) {
    return {loadEntries(f),
            screwEntries(f),
            f.entry(fields::ScrewDiameter),
            f.entry(fields::ScrewLength),
            f.entry(fields::CouplerDiameter),
            f.entry(fields::CouplerLength),
            f.unit(fields::SystemUnits)};
}

BeltScrewEntries beltScrewEntries(const Form& f) {
    return {loadEntries(f),
            screwEntries(f),
            f.entry(fields::ScrewDiameter),
            f.entry(fields::ScrewLength),
            f.entry(fields::PinionDiameter),
            f.entry(fields::DrivenDiameter),
            f.entry(fields::PulleyThickness),
            f.unit(fields::SystemUnits),
            f.unit(fields::Material),
            f.entry(fields::BeltEfficiency)};
}

GBScrewEntries gbScrewEntries(const Form& f) {
    return {loadEntries(f),
            screwEntries(f),
            f.entry(fields::Reduction),
            f.entry(fields::GBInertia),
            f.unit(fields::GBUnits),
            f.entry(fields::GBEfficiency),
            f.entry(fields::ScrewDiameter),
            f.entry(fields::ScrewLength),
            f.unit(fields::SystemUnits)};
}

NonRScrewEntries nonRScrewEntries(const Form& f) {
    return {loadEntries(f), screwEntries(f)};
}

Outcome screwDriveNext(SizingRecord& record, const ScrewDriveEntries& e) {
    Screw s;
    double cl = 0, cd = 0, sl = 0, sd = 0;
    if (!(readScrew(e.load, e.screw, s) && read(e.CouplerLength, cl) &&
          read(e.CouplerDiameter, cd) && read(e.ScrewLength, sl) && read(e.ScrewDiameter, sd)))
        return Outcome::stop(messages::numbersPlease());
    if (e.load.orientation == Orientation::None)
        return Outcome::stop(linear::orientationMissing());
    if (sd <= 0 || sl <= 0 || cd <= 0 || cl <= 0 || s.pitch <= 0 ||
        !mech::validEfficiency(s.efficiency) || s.weight <= 0)
        return Outcome::stop({"Screw Drive", "Please enter positive values in all text fields."});
    if (e.SystemUnits.isEmpty())
        return Outcome::stop(rotatingUnits());
    const auto inches = [&](double x) {
        return units::systemLengthUnits().toInternal(e.SystemUnits, x);
    };
    if (e.screw.PitchUnits.isEmpty())
        return Outcome::stop(linear::screwPitchUnits());
    const double r = turnsPerInch(e.screw, s.pitch);
    if (auto stopped = linear::storeRatio(record, r))
        return *stopped;
    linear::Load load;
    if (auto stopped = linear::storeLoad(record, e.load, s.weight, s.thrust, load))
        return *stopped;

    const mech::Disc screw = mech::disc(linear::steel, inches(sd), inches(sl));
    const mech::Disc coupler = mech::disc(linear::steel, inches(cd), inches(cl));
    const double j = loadThroughScrew(load.weight, r) / s.efficiency / constants::gravity +
                     screw.inertia + coupler.inertia;
    const auto torque = [&](double force) { return torqueOf(force, r, s.efficiency); };
    const QString unit = " " + e.SystemUnits;
    return linear::finish(record, linear::withLoad(j, load, e.load, torque),
                          QStringList{"Rotating Screw Linear Motion",
                                      linear::orientationLine(e.load),
                                      "Screw Length = " + e.ScrewLength + unit,
                                      "Screw Diameter = " + e.ScrewDiameter + unit} +
                              screwLines(e.screw) +
                              QStringList{"Coupler Length = " + e.CouplerLength + unit,
                                          "Coupler Diameter = " + e.CouplerDiameter + unit} +
                              linear::loadLines(e.load));
}

Outcome beltScrewNext(SizingRecord& record, const BeltScrewEntries& e) {
    Screw s;
    double belt = 0, t = 0, dd = 0, dp = 0, sl = 0, sd = 0;
    if (!(readScrew(e.load, e.screw, s) && read(e.BeltEfficiency, belt) &&
          read(e.PulleyThickness, t) && read(e.DrivenDiameter, dd) && read(e.PinionDiameter, dp) &&
          read(e.ScrewLength, sl) && read(e.ScrewDiameter, sd)))
        return Outcome::stop(numbersPleaseOnly());
    const double etaB = belt / 100;
    if (e.load.orientation == Orientation::None)
        return Outcome::stop(linear::orientationMissingBelt());
    if (sd <= 0 || sl <= 0 || dp <= 0 || dd <= 0 || t <= 0 || !mech::validEfficiency(etaB) ||
        s.pitch <= 0 || !mech::validEfficiency(s.efficiency) || s.weight <= 0)
        return Outcome::stop(systemValues());
    if (e.SystemUnits.isEmpty())
        return Outcome::stop(rotatingUnits());
    const auto inches = [&](double x) {
        return units::systemLengthUnits().toInternal(e.SystemUnits, x);
    };
    if (e.Material.isEmpty())
        return Outcome::stop(
            {"Pulley Material", "Please select material (density) of the pulleys in the system."});
    const double rho = units::density(e.Material);
    if (e.screw.PitchUnits.isEmpty())
        return Outcome::stop(linear::screwPitchUnits());
    const double r = turnsPerInch(e.screw, s.pitch);
    const double k = dd / dp;
    if (auto stopped = linear::storeRatio(record, k * r))
        return *stopped;
    linear::Load load;
    if (auto stopped = linear::storeLoad(record, e.load, s.weight, s.thrust, load))
        return *stopped;

    const mech::Disc screw = mech::disc(linear::steel, inches(sd), inches(sl));
    const mech::Disc pinion = mech::disc(rho, inches(dp), inches(t));
    const mech::Disc driven = mech::disc(rho, inches(dd), inches(t));
    const double beltSide = etaB * k * k;
    const double j =
        loadThroughScrew(load.weight, r) / (s.efficiency * beltSide) / constants::gravity +
        screw.inertia / beltSide + driven.inertia / beltSide + pinion.inertia;
    const auto torque = [&](double force) { return torqueOf(force, k * r, etaB * s.efficiency); };
    const QString unit = " " + e.SystemUnits;
    return linear::finish(record, linear::withLoad(j, load, e.load, torque),
                          QStringList{"Belt-Pulley Driving Screw", linear::orientationLine(e.load),
                                      "Screw Diameter = " + e.ScrewDiameter + unit,
                                      "Screw Length = " + e.ScrewLength + unit} +
                              screwLines(e.screw) +
                              QStringList{"Pinion Pulley Diameter = " + e.PinionDiameter + unit,
                                          "Driven Pulley Diameter = " + e.DrivenDiameter + unit,
                                          "Pulley Thickness = " + e.PulleyThickness + unit,
                                          "Pulley Material = " + e.Material,
                                          "Belt Efficiency = " + e.BeltEfficiency + " %"} +
                              linear::loadLines(e.load));
}

Outcome gbScrewNext(SizingRecord& record, const GBScrewEntries& e) {
    Screw s;
    double sl = 0, sd = 0, gbEff = 0, gbInertia = 0, n = 0;
    if (!(readScrew(e.load, e.screw, s) && read(e.ScrewLength, sl) && read(e.ScrewDiameter, sd) &&
          read(e.GBEfficiency, gbEff) && read(e.GBInertia, gbInertia) && read(e.Reduction, n)))
        return Outcome::stop(messages::numbersPlease());
    const double etaG = gbEff / 100;
    if (e.load.orientation == Orientation::None)
        return Outcome::stop(linear::orientationMissing());
    if (n <= 0 || gbInertia <= 0 || !mech::validEfficiency(etaG) || sd <= 0 || sl <= 0 ||
        s.pitch <= 0 || !mech::validEfficiency(s.efficiency))
        return Outcome::stop({"GB Screw", "Please enter positive values for all text fields."});
    if (e.GBUnits.isEmpty())
        return Outcome::stop({"Inertia Units", "Please select the units for the Gearbox Inertia."});
    const double jgb = units::inertiaUnits().toInternal(e.GBUnits, gbInertia);
    if (e.SystemUnits.isEmpty())
        return Outcome::stop({"Screw Units", "Please select the units for the Screw."});
    const auto inches = [&](double x) {
        return units::systemLengthUnits().toInternal(e.SystemUnits, x);
    };
    if (e.screw.PitchUnits.isEmpty())
        return Outcome::stop(linear::screwPitchUnits());
    const double r = turnsPerInch(e.screw, s.pitch);
    if (auto stopped = linear::storeRatio(record, n * r))
        return *stopped;
    linear::Load load;
    if (auto stopped = linear::storeLoad(record, e.load, s.weight, s.thrust, load))
        return *stopped;

    const mech::Disc screw = mech::disc(linear::steel, inches(sd), inches(sl));
    const double gearSide = etaG * n * n;
    const double j =
        loadThroughScrew(load.weight, r) / (s.efficiency * gearSide) / constants::gravity +
        screw.inertia / gearSide + jgb;
    const auto torque = [&](double force) { return torqueOf(force, n * r, s.efficiency * etaG); };
    const QString unit = " " + e.SystemUnits;
    return linear::finish(record, linear::withLoad(j, load, e.load, torque),
                          QStringList{"Gearbox Driving a Screw", linear::orientationLine(e.load),
                                      "Gearbox Reduction Ratio = " + e.Reduction + " : 1",
                                      "Gearbox Inertia = " + e.GBInertia + " " + e.GBUnits,
                                      "Gearbox Efficiency = " + e.GBEfficiency + " %",
                                      "Screw Diameter = " + e.ScrewDiameter + unit,
                                      "Screw Length = " + e.ScrewLength + unit} +
                              screwLines(e.screw) + linear::loadLines(e.load));
}

Outcome nonRScrewNext(SizingRecord& record, const NonRScrewEntries& e) {
    Screw s;
    if (!readScrew(e.load, e.screw, s))
        return Outcome::stop(messages::numbersPlease());
    if (e.load.orientation == Orientation::None)
        return Outcome::stop(linear::orientationMissing());
    if (s.pitch <= 0 || !mech::validEfficiency(s.efficiency) || s.weight <= 0)
        return Outcome::stop(systemValues());
    if (e.screw.PitchUnits.isEmpty())
        return Outcome::stop(linear::screwPitchUnits());
    const double r = turnsPerInch(e.screw, s.pitch);
    if (auto stopped = linear::storeRatio(record, r))
        return *stopped;
    linear::Load load;
    if (auto stopped = linear::storeLoad(record, e.load, s.weight, s.thrust, load))
        return *stopped;

    const double j = loadThroughScrew(load.weight, r) / s.efficiency / constants::gravity;
    const auto torque = [&](double force) { return torqueOf(force, r, s.efficiency); };
    return linear::finish(
        record, linear::withLoad(j, load, e.load, torque),
        QStringList{"Non-Rotating Screw Linear Motion", linear::orientationLine(e.load),
                    "Screw Pitch = " + e.screw.ScrewPitch + " " + e.screw.PitchUnits,
                    "Screw Efficiency = " + e.screw.ScrewEfficiency + " %"} +
            linear::loadLines(e.load));
}
