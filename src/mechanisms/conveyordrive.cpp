#include "mechanisms/conveyordrive.h"

#include "mechanisms/lineardrawings.h"
#include "units/units.h"

#include <QComboBox>
#include <QLineEdit>

ConveyorDrive::ConveyorDrive(Host& host)
    : LinearMechanism(host, applicationOn(ScreenId::ConveyorDrive),
                      {"Conveyor", "Conveyor", lineardrawings::conveyor}) {
    form::Rows rotating = frame("Rotating Components", 0, 0, 2);
    rotating.add("Pinion Diameter:", entry("PinionDiameter"));
    rotating.add("Driven Diameter:", entry("DrivenDiameter"));
    rotating.add("Pulley Thickness:", entry("PulleyThickness"));
    rotating.add("Units:", unitList("SystemUnits", units::systemLengthUnits().texts()));
    rotating.add("Pulley Density:", unitList("Material", units::pulleyMaterials()));
    rotating.add("Number of Pulleys:", entry("NumberPulleys"));
    rotating.add("Belt Efficiency:", entry("BeltEfficiency"), "%");
    addOrientationFrame(0, 1);
    addLoadFrame(1, 1);
}
