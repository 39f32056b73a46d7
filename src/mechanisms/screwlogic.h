#pragma once

#include "mechanisms/linearlogic.h"

// The screw every screw mechanism ends in: its pitch (or lead) and efficiency.
struct ScrewEntries {
    QString ScrewPitch = "0";
    QString PitchUnits; // empty when none is chosen
    QString ScrewEfficiency = "60";
};
ScrewEntries screwEntries(const Form& form);

struct ScrewDriveEntries {
    LoadEntries load;
    ScrewEntries screw;
    QString ScrewDiameter = "0";
    QString ScrewLength = "0";
    QString CouplerDiameter = "0";
    QString CouplerLength = "0";
    QString SystemUnits;
};

struct BeltScrewEntries {
    LoadEntries load;
    ScrewEntries screw;
    QString ScrewDiameter = "0";
    QString ScrewLength = "0";
    QString PinionDiameter = "0";
    QString DrivenDiameter = "0";
    QString PulleyThickness = "0";
    QString SystemUnits;
    QString Material;
    QString BeltEfficiency = "75";
};

struct GBScrewEntries {
    LoadEntries load;
    ScrewEntries screw;
    QString Reduction = "0";
    QString GBInertia = "0";
    QString GBUnits;
    QString GBEfficiency = "90";
    QString ScrewDiameter = "0";
    QString ScrewLength = "0";
    QString SystemUnits;
};

struct NonRScrewEntries {
    LoadEntries load;
    ScrewEntries screw;
};

ScrewDriveEntries screwDriveEntries(const Form& form);
BeltScrewEntries beltScrewEntries(const Form& form);
GBScrewEntries gbScrewEntries(const Form& form);
NonRScrewEntries nonRScrewEntries(const Form& form);

// NEXT of the four screw screens: each stores LinearReduction, Weight,
// ReflectedJ, T_Thrust and T_Gravity and writes its report lines.
Outcome screwDriveNext(SizingRecord& record, const ScrewDriveEntries& entries);
Outcome beltScrewNext(SizingRecord& record, const BeltScrewEntries& entries);
Outcome gbScrewNext(SizingRecord& record, const GBScrewEntries& entries);
Outcome nonRScrewNext(SizingRecord& record, const NonRScrewEntries& entries);
