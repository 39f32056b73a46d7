#include "mechanisms/conveyordrive.h"

#include "mechanisms/lineardrawings.h"
#include "mechanisms/tangentiallogic.h"
#include "units/units.h"

#include <QComboBox>
#include <QLineEdit>

ConveyorDrive::ConveyorDrive(App& app)
    : LinearMechanism(app,
                      {"ConveyorDrive", "Conveyor", "Conveyor", lineardrawings::conveyor,
                       &SizingRecord::LConveyor, "LinearType"},
                      conveyorTag),
      pinion_(form::entry("PinionDiameter")), driven_(form::entry("DrivenDiameter")),
      thickness_(form::entry("PulleyThickness")), pulleys_(form::entry("NumberPulleys", "2")),
      beltEfficiency_(form::entry("BeltEfficiency", "75")),
      systemUnits_(form::unitList("SystemUnits", units::systemLengthUnits().texts())),
      material_(form::unitList("Material", units::pulleyMaterials())) {
    form::Rows rotating = frame("Rotating Components", 0, 0, 2);
    rotating.add("Pinion Diameter:", pinion_);
    rotating.add("Driven Diameter:", driven_);
    rotating.add("Pulley Thickness:", thickness_);
    rotating.add("Units:", systemUnits_);
    rotating.add("Pulley Density:", material_);
    rotating.add("Number of Pulleys:", pulleys_);
    rotating.add("Belt Efficiency:", beltEfficiency_, "%");
    addOrientationFrame(0, 1);
    addLoadFrame(1, 1);
}

void ConveyorDrive::next() {
    proceed(
        conveyorNext(record(), {loadEntries(), pinion_->text(), driven_->text(), thickness_->text(),
                                systemUnits_->currentText(), material_->currentText(),
                                pulleys_->text(), beltEfficiency_->text()}));
}
