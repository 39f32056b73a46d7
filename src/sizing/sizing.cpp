#include "sizing/sizing.h"
#include "sizing/reportfields.h"

Form& Sizing::form(ScreenId screen, const Form& initial) {
    auto found = forms.find(screen);
    if (found == forms.end())
        found = forms.insert(screen, initial);
    return *found;
}

void Sizing::loadInertiaEdited() {
    if (loadCalculated && !record().LoadCalc)
        loadTypedOver = true;
    record().loadInertiaEdited();
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
    reached = Stage::Findings;
}

void Sizing::nameLibraryMotorInReport() {
    QString& selected =
        form(ScreenId::Report, Form::initial(fields::report)).entries[fields::MotorSelected];
    if (selected.isEmpty())
        selected = motorName();
}

void Sizing::chooseApplication(const Application& application) {
    if (record().AppType != &application)
        record().MechanismLines.clear();
    record().AppType = &application;
    reached = Stage::Mechanism;
}

void Sizing::setLibraryMotor(const std::optional<motors::Motor>& motor) {
    const QString former = motorName();
    libraryMotor = motor;
    const auto report = forms.find(ScreenId::Report);
    if (report == forms.end())
        return;
    QString& selected = report->entries[fields::MotorSelected];
    if (motor)
        selected = motor->name;
    else if (!former.isEmpty() && selected == former)
        selected.clear();
}
