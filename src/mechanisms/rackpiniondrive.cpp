#include "mechanisms/rackpiniondrive.h"

#include "mechanisms/lineardrawings.h"
#include "mechanisms/mechanismfields.h"
#include "units/units.h"

#include <QComboBox>
#include <QLineEdit>

RackPinionDrive::RackPinionDrive(Host& host, const Application& mechanism)
    : LinearMechanism(host, mechanism,
                      {"Rack & Pinion", "Rack and Pinion", lineardrawings::rackPinion}) {
    addNoteFrame("In Rack and Pinion Linear Motion, the load is either coupled to the rack (as "
                 "shown), or mounted to a carriage that rides along with the pinion.  In either "
                 "case, since the rack or pinion and motor are moving, the weights of all moving "
                 "components must be added to the weight of the load",
                 0, 0);
    addOrientationFrame(0, 1);
    addLoadFrame(1, 0);
    form::Rows system = frame("System", 1, 1);
    system.add("Pinion Outer Diameter", entry(fields::PinionOD), unitList(fields::PinionUnits));
    system.add("Pinion Thickness:", entry(fields::PulleyThickness));
}

namespace {
[[maybe_unused]] const bool registered = mechanismscreens::registered<RackPinionDrive>();
} // namespace
