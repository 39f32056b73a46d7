#include "profiles/profilesteps.h"

#include "mechanisms/applications.h"

Form& profileForm(Sizing& sizing, ProfileKind kind) {
    return sizing.form(profileScreen(kind), profileForm());
}

Outcome submitProfile(Sizing& sizing, ProfileKind kind) {
    Form& entries = profileForm(sizing, kind);
    ProfileOutcome result = profileNext(sizing.record(), profileEntries(entries), kind);
    result.outcome.resetEntries(entries);
    if (result.outcome.proceed) {
        sizing.results.preliminary = result.preliminary;
        sizing.reach(Stage::Preliminary);
        result.outcome.next = ScreenId::Preliminary;
    }
    return result.outcome;
}

std::optional<ScreenId> leaveProfile(Sizing& sizing, ProfileKind kind) {
    SizingRecord& record = sizing.record();
    (record.*profileLines(kind)).clear();
    // The profile returns to the mechanism of the application it moves.
    const Application* opener = sizing.record().AppType;
    if (!opener)
        return std::nullopt;
    // Back at a rotary mechanism, a load typed over the calculator's is the engineer's own.
    if (opener->family == Family::Rotary)
        record.LoadCalc = false;
    return opener->screen;
}
