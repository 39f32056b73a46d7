#include "findings/addedgearbox.h"

#include "findings/findings.h"
#include "findings/preliminary.h"
#include "findings/selection.h"
#include "ui/app.h"

namespace addedgearbox {

void keep(App& app) {
    if (app.withoutGearbox())
        return;
    ScreenRegistry& screens = app.screens();
    auto* preliminary = screens.get<Preliminary>("Preliminary");
    auto* selection = screens.get<Selection>("Selection");
    auto* findings = screens.get<Findings>("Findings");
    if (!preliminary || !selection || !findings)
        return;
    app.withoutGearbox() =
        WithoutGearbox{app.record(), preliminary->figures(), selection->torqueRequired(),
                       selection->speedRequired(), findings->figures()};
}

void undo(App& app) {
    auto& kept = app.withoutGearbox();
    if (!kept)
        return;
    app.record() = kept->record;
    ScreenRegistry& screens = app.screens();
    if (auto* preliminary = screens.get<Preliminary>("Preliminary"))
        preliminary->showFigures(kept->preliminary);
    if (auto* selection = screens.get<Selection>("Selection"))
        selection->showRequired(kept->torqueRequired, kept->speedRequired);
    if (auto* findings = screens.get<Findings>("Findings"))
        findings->showFigures(kept->findings);
    kept.reset();
}

} // namespace addedgearbox
