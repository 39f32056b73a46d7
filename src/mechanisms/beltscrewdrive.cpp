#include "mechanisms/beltscrewdrive.h"

#include "mechanisms/lineardrawings.h"
#include "mechanisms/mechanismfields.h"
#include "units/units.h"

#include <QComboBox>
#include <QLineEdit>

BeltScrewDrive::BeltScrewDrive(Host& host, const Application& mechanism)
    : ScrewMechanism(
          host, mechanism,
          {"Belt Pulley Driving Screw", "Belt Pulley Driving Screw", lineardrawings::beltScrew}) {
    form::Rows rotating = frame("Rotating Components", 0, 0, 2);
    rotating.add("Screw Diameter:", entry(fields::ScrewDiameter));
    rotating.add("Screw Length:", entry(fields::ScrewLength));
    rotating.add("Pinion Diameter:", entry(fields::PinionDiameter));
    rotating.add("Driven Diameter:", entry(fields::DrivenDiameter));
    rotating.add("Pulley Thickness:", entry(fields::PulleyThickness));
    rotating.add("Units:", unitList(fields::SystemUnits));
    rotating.add("Pulley Density:", unitList(fields::Material));
    rotating.add("Belt Efficiency:", entry(fields::BeltEfficiency), "%");
    addOrientationFrame(0, 1);
    addLoadFrame(1, 1);
    form::Rows system = frame("System", 2, 0);
    addScrewRows(system, "Screw Pitch or Lead:");
}

namespace {
[[maybe_unused]] const bool registered = mechanismscreens::registered<BeltScrewDrive>();
} // namespace
