#include "sizing/sizing.h"

Form& Sizing::form(ScreenId screen, const Form& initial) {
    auto found = forms.find(screen);
    if (found == forms.end())
        found = forms.insert(screen, initial);
    return *found;
}

void Sizing::keepWithoutGearbox() {
    if (!withoutGearbox)
        withoutGearbox = results;
}

void Sizing::removeGearbox() {
    if (withoutGearbox)
        results = *withoutGearbox;
    withoutGearbox.reset();
    record().AddedGBReduction = 0;
    gearboxControlsHidden = false;
    reached = Stage::Findings;
}

void Sizing::setLibraryMotor(const QString& name) {
    const auto report = forms.find(ScreenId::Report);
    if (report != forms.end() && !motorName.isEmpty() &&
        report->entries.value("MotorSelected") == motorName)
        report->entries["MotorSelected"] = name;
    motorName = name;
}
