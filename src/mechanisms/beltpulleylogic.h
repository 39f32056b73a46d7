#pragma once

#include "flow/form.h"
#include "flow/outcome.h"
#include "sizing/record.h"

// What the belt-pulley screen's NEXT reads; unit and material choices are
// empty when none is chosen.
struct BeltPulleyEntries {
    QString PinionD = "0";
    QString DrivenD = "0";
    QString Thickness = "0";
    QString PulleyUnits;
    QString Material;
    QString BeltEfficiency = "75";
    QString BPInertia = "0";
    QString TConst = "0";
};
BeltPulleyEntries beltPulleyEntries(const Form& form);

// NEXT of the rotary belt-pulley screen: both pulleys as discs, the load
// through the belt ratio and efficiency, any added gearbox on top.
Outcome beltPulleyNext(SizingRecord& record, const BeltPulleyEntries& entries);
