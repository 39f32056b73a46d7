#include "mechanisms/beltscrewdrive.h"

#include "mechanisms/lineardrawings.h"
#include "units/units.h"

#include <QComboBox>
#include <QLineEdit>

BeltScrewDrive::BeltScrewDrive(Host& host)
    : ScrewMechanism(
          host, applicationOn(ScreenId::BeltScrewDrive),
          {"Belt Pulley Driving Screw", "Belt Pulley Driving Screw", lineardrawings::beltScrew}) {
    form::Rows rotating = frame("Rotating Components", 0, 0, 2);
    rotating.add("Screw Diameter:", entry("ScrewDiameter"));
    rotating.add("Screw Length:", entry("ScrewLength"));
    rotating.add("Pinion Diameter:", entry("PinionDiameter"));
    rotating.add("Driven Diameter:", entry("DrivenDiameter"));
    rotating.add("Pulley Thickness:", entry("PulleyThickness"));
    rotating.add("Units:", unitList("SystemUnits", units::systemLengthUnits().texts()));
    rotating.add("Pulley Density:", unitList("Material", units::pulleyMaterials()));
    rotating.add("Belt Efficiency:", entry("BeltEfficiency"), "%");
    addOrientationFrame(0, 1);
    addLoadFrame(1, 1);
    form::Rows system = frame("System", 2, 0);
    addScrewRows(system, "Screw Pitch or Lead:");
}
