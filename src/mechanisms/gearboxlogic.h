#pragma once

#include "flow/form.h"
#include "flow/outcome.h"
#include "sizing/record.h"

// What the gearbox screen's NEXT reads; GBUnits is empty when none is chosen.
struct GearboxEntries {
    QString Reduction = "0";
    QString GBInertia = "0";
    QString GBUnits;
    QString GBEfficiency = "90";
    QString LoadInertia = "0";
    QString TConst = "0";
    // With a gearbox added to a "Rotary: Gearbox" application: the
    // application's own ratio as it stood when the gearbox was added.
    double ownRatio = 0;
};
GearboxEntries gearboxEntries(const Form& form, double ownRatio);

// NEXT of the gearbox screen, as the mechanism of "Rotary: Gearbox" and as
// a gearbox added to any application.
Outcome gearboxNext(SizingRecord& record, const GearboxEntries& entries);
