#include "mechanisms/beltscrewdrive.h"

#include "mechanisms/lineardrawings.h"
#include "mechanisms/screwlogic.h"
#include "units/units.h"

#include <QComboBox>
#include <QLineEdit>

BeltScrewDrive::BeltScrewDrive(App& app)
    : ScrewMechanism(app,
                     {"BeltScrewDrive", "Belt Pulley Driving Screw", "Belt Pulley Driving Screw",
                      lineardrawings::beltScrew, &SizingRecord::LBPScrew, "LinearType"},
                     beltScrewTag),
      screwDiameter_(form::entry("ScrewDiameter")), screwLength_(form::entry("ScrewLength")),
      pinion_(form::entry("PinionDiameter")), driven_(form::entry("DrivenDiameter")),
      thickness_(form::entry("PulleyThickness")),
      beltEfficiency_(form::entry("BeltEfficiency", "75")),
      systemUnits_(form::unitList("SystemUnits", units::systemLengthUnits().texts())),
      material_(form::unitList("Material", units::pulleyMaterials())) {
    form::Rows rotating = frame("Rotating Components", 0, 0, 2);
    rotating.add("Screw Diameter:", screwDiameter_);
    rotating.add("Screw Length:", screwLength_);
    rotating.add("Pinion Diameter:", pinion_);
    rotating.add("Driven Diameter:", driven_);
    rotating.add("Pulley Thickness:", thickness_);
    rotating.add("Units:", systemUnits_);
    rotating.add("Pulley Density:", material_);
    rotating.add("Belt Efficiency:", beltEfficiency_, "%");
    addOrientationFrame(0, 1);
    addLoadFrame(1, 1);
    form::Rows system = frame("System", 2, 0);
    addScrewRows(system, "Screw Pitch or Lead:");
}

void BeltScrewDrive::next() {
    proceed(beltScrewNext(record(), {loadEntries(), screwEntries(), screwDiameter_->text(),
                                     screwLength_->text(), pinion_->text(), driven_->text(),
                                     thickness_->text(), systemUnits_->currentText(),
                                     material_->currentText(), beltEfficiency_->text()}));
}
