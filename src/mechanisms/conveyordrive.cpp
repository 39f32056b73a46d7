#include "mechanisms/conveyordrive.h"

#include "mechanisms/lineardrawings.h"
#include "mechanisms/mechanismfields.h"
#include "units/units.h"

#include <QComboBox>
#include <QLineEdit>

ConveyorDrive::ConveyorDrive(Host& host, const Application& mechanism)
    : LinearMechanism(host, mechanism, {"Conveyor", "Conveyor", lineardrawings::conveyor}) {
    form::Rows rotating = frame("Rotating Components", 0, 0, 2);
    rotating.add("Pinion Diameter:", entry(fields::PinionDiameter));
    rotating.add("Driven Diameter:", entry(fields::DrivenDiameter));
    rotating.add("Pulley Thickness:", entry(fields::PulleyThickness));
    rotating.add("Units:", unitList(fields::SystemUnits));
    rotating.add("Pulley Density:", unitList(fields::Material));
    rotating.add("Number of Pulleys:", entry(fields::NumberPulleys));
    rotating.add("Belt Efficiency:", entry(fields::BeltEfficiency), "%");
    addOrientationFrame(0, 1);
    addLoadFrame(1, 1);
}

namespace {
[[maybe_unused]] const bool registered = mechanismscreens::registered<ConveyorDrive>();
} // namespace
