#pragma once

#include "flow/field.h"
#include "units/units.h"

// The entries, unit lists and options of the mechanism screens and of the
// load inertia calculator. Each screen's table is the list of the fields it
// shows (the application table's rows, loadCalcFields()).
namespace fields {

// clang-format off
// Rotary loads
inline constexpr Field DDInertia = entryField("DDInertia");
inline constexpr Field BPInertia = entryField("BPInertia");
inline constexpr Field LoadInertia = entryField("LoadInertia");
inline constexpr Field TConst = entryField("TConst");
// Pulleys and belts
inline constexpr Field PinionD = entryField("PinionD");
inline constexpr Field DrivenD = entryField("DrivenD");
inline constexpr Field Thickness = entryField("Thickness");
inline constexpr Field PinionDiameter = entryField("PinionDiameter");
inline constexpr Field DrivenDiameter = entryField("DrivenDiameter");
inline constexpr Field PulleyThickness = entryField("PulleyThickness");
inline constexpr Field PinionOD = entryField("PinionOD");
inline constexpr Field NumberPulleys = entryField("NumberPulleys", "2");
inline constexpr Field BeltEfficiency = entryField("BeltEfficiency", "75");
inline constexpr Field PulleyUnits = unitsField("PulleyUnits", [](Motion) { return units::dimensionUnits().texts(); });
inline constexpr Field PinionUnits = unitsField("PinionUnits", [](Motion) { return units::dimensionUnits().texts(); });
inline constexpr Field SystemUnits = unitsField("SystemUnits", [](Motion) { return units::systemLengthUnits().texts(); });
inline constexpr Field Material = unitsField("Material", [](Motion) { return units::pulleyMaterials(); });
// Gearboxes
inline constexpr Field Reduction = entryField("Reduction");
inline constexpr Field GBInertia = entryField("GBInertia");
inline constexpr Field GBEfficiency = entryField("GBEfficiency", "90");
inline constexpr Field GBUnits = unitsField("GBUnits", [](Motion) { return units::inertiaUnits().texts(); });
// Screws
inline constexpr Field ScrewPitch = entryField("ScrewPitch");
inline constexpr Field ScrewEfficiency = entryField("ScrewEfficiency", "60");
inline constexpr Field ScrewDiameter = entryField("ScrewDiameter");
inline constexpr Field ScrewLength = entryField("ScrewLength");
inline constexpr Field CouplerDiameter = entryField("CouplerDiameter");
inline constexpr Field CouplerLength = entryField("CouplerLength");
inline constexpr Field PitchUnits = unitsField("PitchUnits", [](Motion) { return units::pitchUnits().texts(); });
// Linear loads
inline constexpr Field LoadWeight = entryField("LoadWeight");
inline constexpr Field ThrustForce = entryField("ThrustForce");
inline constexpr Field Units = unitsField("Units", [](Motion) { return units::weightUnits().texts(); });
inline constexpr const char* Vertical = "Vertical";
inline constexpr const char* Horizontal = "Horizontal";
inline constexpr Field Orientation = optionsField("Orientation", [](Motion) { return QStringList{Vertical, Horizontal}; });
// The load inertia calculator
inline constexpr Field SolidOD = entryField("SolidOD");
inline constexpr Field HollowOD = entryField("HollowOD");
inline constexpr Field HollowID = entryField("HollowID");
inline constexpr Field RectL = entryField("RectL");
inline constexpr Field RectW = entryField("RectW");
inline constexpr Field Weight = entryField("Weight");
inline constexpr Field Eccentricity = entryField("Eccentricity");
inline constexpr Field LUnits = unitsField("LUnits", [](Motion) { return units::dimensionUnits().texts(); });
inline constexpr Field WTUnits = unitsField("WTUnits", [](Motion) { return units::loadCalcWeightUnits().texts(); });
inline constexpr const char* SolidCyl = "SolidCyl";
inline constexpr const char* HollowCyl = "HollowCyl";
inline constexpr const char* Rect = "Rect";
inline constexpr Field LoadType = optionsField("LoadType", [](Motion) { return QStringList{SolidCyl, HollowCyl, Rect}; });
// clang-format on

// The load a screw moves, and how.
inline const Fields screwLoad{ScrewPitch,  PitchUnits, ScrewEfficiency, Orientation, LoadWeight,
                              ThrustForce, Units};

// The load inertia calculator's table.
inline const Fields loadCalc{LoadType, SolidOD, HollowOD, HollowID, RectL,
                             RectW,    LUnits,  Weight,   WTUnits,  Eccentricity};

} // namespace fields
