#include "mechanisms/gbscrewdrive.h"

#include "mechanisms/lineardrawings.h"
#include "units/units.h"

#include <QComboBox>
#include <QLineEdit>

GBScrewDrive::GBScrewDrive(Host& host)
    : ScrewMechanism(host, applicationOn(ScreenId::GBScrewDrive),
                     {"Gearbox Driving Screw", "Gearbox Driving Screw", lineardrawings::gbScrew}) {
    form::Rows gearbox = frame("Gearbox Specs", 0, 0);
    gearbox.add("Reduction Ratio:", entry("Reduction"), ": 1");
    gearbox.add("Gearbox Inertia:", entry("GBInertia"),
                unitList("GBUnits", units::inertiaUnits().texts()));
    gearbox.add("Efficiency", entry("GBEfficiency"), "%");
    addOrientationFrame(0, 1);
    addLoadFrame(1, 0);
    form::Rows system = frame("System", 1, 1);
    system.add("Units:", unitList("SystemUnits", units::systemLengthUnits().texts()));
    system.add("Screw Diameter:", entry("ScrewDiameter"));
    system.add("Screw Length:", entry("ScrewLength"));
    addScrewRows(system);
}
