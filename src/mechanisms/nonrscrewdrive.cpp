#include "mechanisms/nonrscrewdrive.h"

#include "mechanisms/lineardrawings.h"
#include "units/units.h"

#include <QComboBox>
#include <QLineEdit>

NonRScrewDrive::NonRScrewDrive(Host& host, const Application& mechanism)
    : ScrewMechanism(
          host, mechanism,
          {"Non-Rotating Screw Drive", "Non-Rotating Screw", lineardrawings::nonRScrew}) {
    addNoteFrame("In Non-Rotating Screw Applications; either, the motor can move with the load "
                 "(as shown to the left), or the motor can be fixed and the screw will thrust "
                 "linearly.  Thus, add the weight of the moving component (motor or screw) to the "
                 "total weight below.",
                 0, 0);
    addOrientationFrame(0, 1);
    addLoadFrame(1, 0);
    form::Rows system = frame("System", 1, 1);
    addScrewRows(system);
}

namespace {
[[maybe_unused]] const bool registered = mechanismscreens::registered<NonRScrewDrive>();
} // namespace
