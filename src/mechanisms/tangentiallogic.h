#pragma once

#include "mechanisms/linearlogic.h"

struct RackPinionEntries {
    LoadEntries load;
    QString PinionOD = "0";
    QString PulleyThickness = "0";
    QString PinionUnits; // empty when none is chosen
};

struct ConveyorEntries {
    LoadEntries load;
    QString PinionDiameter = "0";
    QString DrivenDiameter = "0";
    QString PulleyThickness = "0";
    QString SystemUnits;
    QString Material;
    QString NumberPulleys = "2";
    QString BeltEfficiency = "75";
};

RackPinionEntries rackPinionEntries(const Form& form);
ConveyorEntries conveyorEntries(const Form& form);

// NEXT of the rack and pinion and of the conveyor: the load moves at the
// radius of the pinion (or pinion pulley) on the motor shaft.
Outcome rackPinionNext(SizingRecord& record, const RackPinionEntries& entries);
Outcome conveyorNext(SizingRecord& record, const ConveyorEntries& entries);
