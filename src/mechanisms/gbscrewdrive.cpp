#include "mechanisms/gbscrewdrive.h"

#include "mechanisms/lineardrawings.h"
#include "mechanisms/screwlogic.h"
#include "units/units.h"

#include <QComboBox>
#include <QLineEdit>

GBScrewDrive::GBScrewDrive(App& app)
    : ScrewMechanism(app,
                     {"GBScrewDrive", "Gearbox Driving Screw", "Gearbox Driving Screw",
                      lineardrawings::gbScrew, &SizingRecord::LGBScrew, "LinearType"},
                     gbScrewTag),
      reduction_(form::entry("Reduction")), gbInertia_(form::entry("GBInertia")),
      gbEfficiency_(form::entry("GBEfficiency", "90")),
      screwDiameter_(form::entry("ScrewDiameter")), screwLength_(form::entry("ScrewLength")),
      gbUnits_(form::unitList("GBUnits", units::inertiaUnits().texts())),
      systemUnits_(form::unitList("SystemUnits", units::systemLengthUnits().texts())) {
    form::Rows gearbox = frame("Gearbox Specs", 0, 0);
    gearbox.add("Reduction Ratio:", reduction_, ": 1");
    gearbox.add("Gearbox Inertia:", gbInertia_, gbUnits_);
    gearbox.add("Efficiency", gbEfficiency_, "%");
    addOrientationFrame(0, 1);
    addLoadFrame(1, 0);
    form::Rows system = frame("System", 1, 1);
    system.add("Units:", systemUnits_);
    system.add("Screw Diameter:", screwDiameter_);
    system.add("Screw Length:", screwLength_);
    addScrewRows(system);
}

void GBScrewDrive::next() {
    proceed(gbScrewNext(record(),
                        {loadEntries(), screwEntries(), reduction_->text(), gbInertia_->text(),
                         gbUnits_->currentText(), gbEfficiency_->text(), screwDiameter_->text(),
                         screwLength_->text(), systemUnits_->currentText()}));
}
