#include "mechanisms/rackpiniondrive.h"

#include "mechanisms/lineardrawings.h"
#include "mechanisms/tangentiallogic.h"
#include "units/units.h"

#include <QComboBox>
#include <QLineEdit>

RackPinionDrive::RackPinionDrive(App& app)
    : LinearMechanism(app,
                      {"RackPinionDrive", "Rack & Pinion", "Rack and Pinion",
                       lineardrawings::rackPinion, &SizingRecord::LRackPinion, "LinearType"},
                      rackPinionTag),
      pinion_(form::entry("PinionOD")), thickness_(form::entry("PulleyThickness")),
      pinionUnits_(form::unitList("PinionUnits", units::dimensionUnits().texts())) {
    addNoteFrame("In Rack and Pinion Linear Motion, the load is either coupled to the rack (as "
                 "shown), or mounted to a carriage that rides along with the pinion.  In either "
                 "case, since the rack or pinion and motor are moving, the weights of all moving "
                 "components must be added to the weight of the load",
                 0, 0);
    addOrientationFrame(0, 1);
    addLoadFrame(1, 0);
    form::Rows system = frame("System", 1, 1);
    system.add("Pinion Outer Diameter", pinion_, pinionUnits_);
    system.add("Pinion Thickness:", thickness_);
}

void RackPinionDrive::next() {
    proceed(rackPinionNext(record(), {loadEntries(), pinion_->text(), thickness_->text(),
                                      pinionUnits_->currentText()}));
}
