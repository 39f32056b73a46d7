#pragma once

#include "flow/outcome.h"
#include "flow/sizingrecord.h"

// What the belt-pulley screen's NEXT reads; unit and material choices are
// empty when none is chosen.
struct BeltPulleyEntries {
    QString PinionD;
    QString DrivenD;
    QString Thickness;
    QString PulleyUnits;
    QString Material;
    QString BeltEfficiency = "75";
    QString BPInertia;
    QString TConst;
};

inline constexpr const char* beltPulleyTag = "Belt Pulley";

// NEXT of the rotary belt-pulley screen: both pulleys as discs, the load
// through the belt ratio and efficiency, any added gearbox on top.
Outcome beltPulleyNext(SizingRecord& record, const BeltPulleyEntries& entries);
