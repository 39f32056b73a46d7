#include "mechanisms/nonrscrewdrive.h"

#include "mechanisms/lineardrawings.h"
#include "mechanisms/screwlogic.h"

NonRScrewDrive::NonRScrewDrive(App& app)
    : ScrewMechanism(app,
                     {"NonRScrewDrive", "Non-Rotating Screw Drive", "Non-Rotating Screw",
                      lineardrawings::nonRScrew, &SizingRecord::LNRScrew, "LinearType"},
                     nonRScrewTag) {
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

void NonRScrewDrive::next() {
    proceed(nonRScrewNext(record(), {loadEntries(), screwEntries()}));
}
