#include "mechanisms/screwdrive.h"

#include "mechanisms/lineardrawings.h"
#include "mechanisms/screwlogic.h"
#include "units/units.h"

#include <QComboBox>
#include <QLineEdit>

ScrewDrive::ScrewDrive(App& app)
    : ScrewMechanism(app,
                     {"ScrewDrive", "Screw Drive", "Rotating Screw", lineardrawings::screwDrive,
                      &SizingRecord::LScrewDrive, "LinearType"},
                     screwDriveTag),
      screwDiameter_(form::entry("ScrewDiameter")), screwLength_(form::entry("ScrewLength")),
      couplerDiameter_(form::entry("CouplerDiameter")),
      couplerLength_(form::entry("CouplerLength")),
      systemUnits_(form::unitList("SystemUnits", units::systemLengthUnits().texts())) {
    form::Rows rotating = frame("Rotating Components", 0, 0);
    rotating.add("Enter Screw Diameter:", screwDiameter_);
    rotating.add("Enter Screw Length:", screwLength_);
    rotating.add("Enter Coupler Diameter:", couplerDiameter_);
    rotating.add("Enter Coupler Length:", couplerLength_);
    rotating.add("Units:", systemUnits_);
    addOrientationFrame(0, 1);
    addLoadFrame(1, 0);
    form::Rows system = frame("System", 1, 1);
    addScrewRows(system);
}

void ScrewDrive::next() {
    proceed(screwDriveNext(record(), {loadEntries(), screwEntries(), screwDiameter_->text(),
                                      screwLength_->text(), couplerDiameter_->text(),
                                      couplerLength_->text(), systemUnits_->currentText()}));
}
