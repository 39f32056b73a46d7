#include "mechanisms/mechanismsteps.h"

#include "mechanisms/loadcalclogic.h"
#include "mechanisms/mechanismlogic.h"

namespace {

bool isGearbox(const Application& mechanism) {
    return mechanism.screen == ScreenId::Gearbox;
}

} // namespace

bool gearboxControlsHidden(const Sizing& sizing) {
    const Application* application = sizing.record().AppType;
    return sizing.record().gearboxAdded() && sizing.reached == Stage::Gearbox && application &&
           !isGearbox(*application);
}

Form& mechanismForm(Sizing& sizing, const Application& mechanism) {
    if (isGearbox(mechanism) && sizing.record().gearboxAdded())
        return sizing.addedGearbox;
    return sizing.form(mechanism.screen, mechanism.form());
}

Outcome submitMechanism(Sizing& sizing, const Application& mechanism) {
    Form& entries = mechanismForm(sizing, mechanism);
    Outcome outcome = mechanism.next(sizing, entries);
    outcome.resetEntries(entries);
    if (!outcome.proceed)
        return outcome;
    // The report quotes the application's own mechanism; a gearbox added to
    // another application stored its own lines for the calculations.
    const Application* application = sizing.record().AppType;
    if (!isGearbox(mechanism) || !application || isGearbox(*application))
        sizing.record().MechanismLines = outcome.reportLines;
    if (isGearbox(mechanism)) {
        // The gearbox goes on as the application chooses: to the move for its
        // own gearbox, to the application's mechanism for an added one.
        sizing.reach(Stage::Mechanism);
        const Application* application = sizing.record().AppType;
        outcome.next = application ? std::optional(application->afterGearbox()) : std::nullopt;
    } else {
        outcome.next = mechanism.profile();
    }
    return outcome;
}

ScreenId leaveMechanism(Sizing& sizing, const Application& mechanism) {
    SizingRecord& record = sizing.record();
    if (!isGearbox(mechanism))
        return mechanismBack(record, mechanism.choiceScreen());
    if (record.gearboxAdded()) {
        sizing.removeGearbox();
        return ScreenId::Findings;
    }
    record.MechanismLines.clear();
    return ScreenId::RotaryType;
}

Form& loadCalcForm(Sizing& sizing) {
    return sizing.form(ScreenId::LoadCalculations, loadCalcForm());
}

Outcome submitLoadCalc(Sizing& sizing) {
    Form& entries = loadCalcForm(sizing);
    LoadCalcOutcome result = loadCalcEnter(sizing.record(), loadCalcEntries(entries));
    result.outcome.resetEntries(entries);
    if (!result.outcome.proceed)
        return result.outcome;
    sizing.loadCalculated = true;
    sizing.loadTypedOver = false;
    // The calculator writes into the load inertia of the rotary application
    // being sized, and stays open when there is none.
    const Application* target = sizing.record().AppType;
    if (!target || target->loadInertia.isEmpty()) {
        result.outcome.proceed = false;
        return result.outcome;
    }
    mechanismForm(sizing, *target).entries[target->loadInertia] = result.inertia;
    return result.outcome;
}

void clearLoadCalc(Sizing& sizing) {
    Outcome cleared;
    cleared.entryTexts = loadCalcClear(sizing.record());
    cleared.resetEntries(loadCalcForm(sizing));
}
