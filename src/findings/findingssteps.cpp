#include "findings/findingssteps.h"

#include "findings/findingsfields.h"
#include "findings/findingslogic.h"
#include "flow/numbers.h"
#include "mechanisms/applications.h"
#include "mechanisms/mechanismfields.h"
#include "mechanisms/mechanismsteps.h"
#include "units/units.h"

ScreenId leavePreliminary(Sizing& sizing) {
    return preliminaryBack(sizing.record(),
                           sizing.results.preliminary.value_or(PreliminaryFigures{}));
}

Form& selectionForm(Sizing& sizing) {
    // First shown, the motor's figures are asked in the units of the results.
    if (!sizing.forms.contains(ScreenId::Selection) && sizing.resultUnits == UnitSystem::SI) {
        Form si = selectionForm();
        const auto in = [](Quantity quantity) { return unitOf(quantity, UnitSystem::SI); };
        si.units[fields::RotorInertiaUnits] = in(Quantity::Inertia);
        si.units[fields::TorqueAvailableUnits] = in(Quantity::Torque);
        si.units[fields::SpeedAvailableUnits] = in(Quantity::Speed);
        si.units[fields::TorqueContinuousUnits] = in(Quantity::Torque);
        sizing.forms.insert(ScreenId::Selection, si);
    }
    return sizing.form(ScreenId::Selection, selectionForm());
}

bool followLibraryMotor(Sizing& sizing) {
    const auto& motor = sizing.libraryMotor;
    const auto& preliminary = sizing.results.preliminary;
    // A motor known by its name alone has no curve to read.
    if (!motor || !(motor->rotorInertia > 0) || !preliminary)
        return false;
    const ShownNeed at = curvePoint(sizing.record(), shownNeed(*preliminary), motor->rotorInertia);
    Form& form = selectionForm(sizing);
    // The motor's figures in the units the selection shows.
    const auto fill = [&form](const Field& entry, const Field& unit, const units::UnitList& list,
                              double x) {
        form.entries[entry] = numbers::general(list.fromInternal(form.unit(unit), x));
    };
    fill(fields::RotorInertia, fields::RotorInertiaUnits, units::inertiaUnits(),
         motor->rotorInertia);
    fill(fields::TorqueAvailable, fields::TorqueAvailableUnits, units::torqueUnits(),
         motors::torqueAt(*motor, at.speed));
    fill(fields::SpeedAvailable, fields::SpeedAvailableUnits, units::rotarySpeedUnits(),
         motors::speedAt(*motor, at.torque));
    fill(fields::TorqueContinuous, fields::TorqueContinuousUnits, units::torqueUnits(),
         motor->continuousTorque);
    return true;
}

ScreenId openSelection(Sizing& sizing) {
    followLibraryMotor(sizing);
    return ScreenId::Selection;
}

Outcome submitSelection(Sizing& sizing) {
    const bool readOffCurve = followLibraryMotor(sizing);
    SelectionEntries entries = selectionEntries(selectionForm(sizing));
    entries.MotorName = sizing.motorName();
    entries.readOffCurve = readOffCurve;
    SelectionOutcome result = selectionNext(
        sizing.record(), entries, sizing.results.preliminary.value_or(PreliminaryFigures{}));
    if (result.outcome.proceed) {
        sizing.results.findings = result.findings;
        sizing.reach(Stage::Findings);
        result.outcome.next = ScreenId::Findings;
    }
    return result.outcome;
}

void leaveSelection(Sizing& sizing) {
    sizing.record().MotorSelection.clear();
}

Form& projectionForm(Sizing& sizing) {
    return sizing.form(ScreenId::AddGBox, projectionForm());
}

Projection projectGearbox(Sizing& sizing) {
    return project(sizing.results.findings.value_or(FindingsFigures{}),
                   sizing.record().SpdMultiplier, projectionForm(sizing).entry(fields::Reduction),
                   sizing.resultUnits);
}

Projection projectTypedRatio(Sizing& sizing) {
    const Projection projection = projectGearbox(sizing);
    if (projection.message)
        projectionForm(sizing).entries[fields::Reduction] = "1";
    return projection;
}

Outcome submitGearbox(Sizing& sizing) {
    SizingRecord added = sizing.record();
    const Outcome outcome = addGearbox(added, projectionForm(sizing).entry(fields::Reduction));
    if (!outcome.proceed)
        return outcome;
    // The gearbox screen starts from what it showed last: the application's
    // own gearbox, or the gearbox added before this one.
    const Application& gearbox = applicationOn(ScreenId::Gearbox);
    Form entries = mechanismForm(sizing, gearbox);
    // The first gearbox keeps the sizing as it stands without one; every
    // gearbox drives the whole application as it was sized then.
    sizing.keepWithoutGearbox();
    sizing.record() = added;
    entries.entries[fields::Reduction] = numbers::general(added.AddedGBReduction);
    entries.entries[fields::LoadInertia] =
        numbers::general(sizing.withoutGearbox->record.ReflectedJ);
    sizing.addedGearbox = entries;
    sizing.reached = Stage::Gearbox;
    return outcome;
}
