#include "mechanisms/screwdrive.h"

#include "mechanisms/lineardrawings.h"
#include "mechanisms/mechanismfields.h"
#include "units/units.h"

#include <QComboBox>
#include <QLineEdit>

ScrewDrive::ScrewDrive(Host& host, const Application& mechanism)
    : ScrewMechanism(host, mechanism,
                     {"Screw Drive", "Rotating Screw", lineardrawings::screwDrive}) {
    form::Rows rotating = frame("Rotating Components", 0, 0);
    rotating.add("Enter Screw Diameter:", entry(fields::ScrewDiameter));
    rotating.add("Enter Screw Length:", entry(fields::ScrewLength));
    rotating.add("Enter Coupler Diameter:", entry(fields::CouplerDiameter));
    rotating.add("Enter Coupler Length:", entry(fields::CouplerLength));
    rotating.add("Units:", unitList(fields::SystemUnits));
    addOrientationFrame(0, 1);
    addLoadFrame(1, 0);
    form::Rows system = frame("System", 1, 1);
    addScrewRows(system);
}

namespace {
[[maybe_unused]] const bool registered = mechanismscreens::registered<ScrewDrive>();
} // namespace
