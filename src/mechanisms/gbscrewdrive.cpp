#include "mechanisms/gbscrewdrive.h"

#include "mechanisms/lineardrawings.h"
#include "mechanisms/mechanismfields.h"
#include "units/units.h"

#include <QComboBox>
#include <QLineEdit>

GBScrewDrive::GBScrewDrive(Host& host, const Application& mechanism)
    : ScrewMechanism(host, mechanism,
                     {"Gearbox Driving Screw", "Gearbox Driving Screw", lineardrawings::gbScrew}) {
    form::Rows gearbox = frame("Gearbox Specs", 0, 0);
    gearbox.add("Reduction Ratio:", entry(fields::Reduction), ": 1");
    gearbox.add("Gearbox Inertia:", entry(fields::GBInertia), unitList(fields::GBUnits));
    gearbox.add("Efficiency", entry(fields::GBEfficiency), "%");
    addOrientationFrame(0, 1);
    addLoadFrame(1, 0);
    form::Rows system = frame("System", 1, 1);
    system.add("Units:", unitList(fields::SystemUnits));
    system.add("Screw Diameter:", entry(fields::ScrewDiameter));
    system.add("Screw Length:", entry(fields::ScrewLength));
    addScrewRows(system);
}

namespace {
[[maybe_unused]] const bool registered = mechanismscreens::registered<GBScrewDrive>();
} // namespace
