#include "mechanisms/applications.h"

#include "mechanisms/beltpulleylogic.h"
#include "mechanisms/directdrivelogic.h"
#include "mechanisms/gearboxlogic.h"
#include "mechanisms/mechanismfields.h"
#include "mechanisms/screwlogic.h"
#include "mechanisms/tangentiallogic.h"

namespace {

// A mechanism's NEXT over the entries it reads from its form.
template <auto next, auto entries> Outcome step(Sizing& sizing, const Form& form) {
    return next(sizing.record(), entries(form));
}

// Added to a "Rotary: Gearbox" application, the gearbox stands behind the
// application's own, whose ratio the sizing kept when the gearbox was added.
Outcome gearboxStep(Sizing& sizing, const Form& form) {
    const double own = sizing.withoutGearbox ? sizing.withoutGearbox->record.RotaryReduction : 0;
    return gearboxNext(sizing.record(), gearboxEntries(form, own));
}

// The screw load's table behind the fields of the stage in front of the screw.
Fields screwFields(const Fields& front) {
    return front + fields::screwLoad;
}

} // namespace

ScreenId profileScreenOf(Motion motion) {
    return motion == Motion::Rotary ? ScreenId::RotaryMP : ScreenId::MotionProfiles;
}

ScreenId Application::profile() const {
    return profileScreenOf(motion());
}

ScreenId choiceScreenOf(Motion motion) {
    return motion == Motion::Rotary ? ScreenId::RotaryType : ScreenId::LinearType;
}

ScreenId Application::afterGearbox() const {
    return screen == ScreenId::Gearbox ? profile() : screen;
}

ScreenId Application::choiceScreen() const {
    return choiceScreenOf(motion());
}

const QList<Application>& applications() {
    using enum Family;
    static const QList<Application> table{
        {"Rotary: Direct Drive",
         ScreenId{"DirectDrive"},
         "Direct Drive",
         Rotary,
         "Application Type: Rotary Direct Drive",
         fields::DDInertia,
         {"DD", "DIRECT DRIVE", "DWhat", "Direct Drive Explained",
          "Direct Drive includes all loads coupled directly to the motor."},
         {fields::DDInertia, fields::TConst},
         step<directDriveNext, directDriveEntries>},
        {"Rotary: Belt-Pulley",
         ScreenId{"BeltPulley"},
         "Belt Pulley",
         Rotary,
         "Application Type: Rotary Belt-Pulley",
         fields::BPInertia,
         {"BP", "BELT-PULLEY", "BWhat", "Belt-Pulley Explained",
          "Belt-Pulley type applications include those in which the motor is offset from the "
          "load yet connected via belt and pulleys or chain and sprockets."},
         {fields::PinionD, fields::DrivenD, fields::PulleyUnits, fields::Thickness,
          fields::Material, fields::BeltEfficiency, fields::BPInertia, fields::TConst},
         step<beltPulleyNext, beltPulleyEntries>},
        {"Rotary: Gearbox",
         ScreenId::Gearbox,
         "Gearbox",
         Rotary,
         "Application Type: Rotary Gearbox",
         fields::LoadInertia,
         {"GB", "GEARBOX", "GWhat", "Gearbox System Explained",
          "A Gearbox driven system is one in which two or more gears provide a mechanical "
          "advantage whem moving a load.  This advantage can be a reduction in required motor "
          "torque, increased resolution, or lower reflected system inertia."},
         {fields::Reduction, fields::GBInertia, fields::GBUnits, fields::GBEfficiency,
          fields::LoadInertia, fields::TConst},
         gearboxStep},
        {"Linear: Screw Drive",
         ScreenId{"ScrewDrive"},
         "Screw Drive",
         Screw,
         "Application Type: Linear Screw Drive",
         {},
         {"SDrive", "SCREW DRIVEN", "ScrewWhat", "Screw Drive",
          "Screw Driven defines motion resulting from coupling a motor and rotating a ballscrew "
          "or leadscrew to actuate motion."},
         screwFields({fields::ScrewDiameter, fields::ScrewLength, fields::CouplerDiameter,
                      fields::CouplerLength, fields::SystemUnits}),
         step<screwDriveNext, screwDriveEntries>},
        {"Linear: Belt-Pulley Screw Drive",
         ScreenId{"BeltScrewDrive"},
         "BP Screw",
         Screw,
         "Application Type: Linear Belt-Pulley Screw Drive",
         {},
         {"BPScrew", "BELT-PULLEY DRIVING SCREW", "BPScrewWhat", "Belt-Pulley Screw Drive",
          "Where a Belt-Pulley reduction is combined with a Screw Drive to actuate linear "
          "motion."},
         screwFields({fields::ScrewDiameter, fields::ScrewLength, fields::SystemUnits,
                      fields::PinionDiameter, fields::DrivenDiameter, fields::PulleyThickness,
                      fields::Material, fields::BeltEfficiency}),
         step<beltScrewNext, beltScrewEntries>},
        {"Linear: Gearbox Screw Drive",
         ScreenId{"GBScrewDrive"},
         "GB Screw",
         Screw,
         "Application Type: Linear Gearbox Screw Drive",
         {},
         {"GBScrew", "GEARBOX DRIVING SCREW", "GBScrewWhat", "Gearbox Driving a Screw",
          "Where a Gearbox reduction is combined with a Screw Drive to actuate linear motion."},
         screwFields({fields::Reduction, fields::GBInertia, fields::GBUnits, fields::GBEfficiency,
                      fields::ScrewDiameter, fields::ScrewLength, fields::SystemUnits}),
         step<gbScrewNext, gbScrewEntries>},
        {"Linear: Non-Rotating Screw Drive",
         ScreenId{"NonRScrewDrive"},
         "NR Screw",
         Screw,
         "Application Type: Linear Non-Rotating Screw Drive",
         {},
         {"NonRotating", "NON-ROTATING SCREW", "NonWhat", "Non-Rotating Screw Drive",
          "In a non-rotating screw actuation, either the motor or screw moves with the load."},
         fields::screwLoad,
         step<nonRScrewNext, nonRScrewEntries>},
        {"Linear: Rack & Pinion",
         ScreenId{"RackPinionDrive"},
         "Rack & Pinion",
         Tangential,
         "Application Type: Linear Rack & Pinion",
         {},
         {"RackDrive", "RACK && PINION", "RackWhat", "Rack & Pinion Drive",
          "In Rack & Pinion linear motion, either the rack or pinion move with the load."},
         {fields::PinionOD, fields::PulleyThickness, fields::PinionUnits, fields::Orientation,
          fields::LoadWeight, fields::ThrustForce, fields::Units},
         step<rackPinionNext, rackPinionEntries>},
        {"Linear: Conveyor",
         ScreenId{"ConveyorDrive"},
         "Conveyor",
         Tangential,
         "Application Type: Linear Conveyor Drive",
         {},
         {"Conveyor", "CONVEYOR", "ConveyorWhat", "Conveyor System",
          "A Conveyor System, or Tangential Drive, is where the load is coupled to, or "
          "transferred by, the belt in a Belt-Pulley system."},
         {fields::PinionDiameter, fields::DrivenDiameter, fields::PulleyThickness,
          fields::SystemUnits, fields::Material, fields::NumberPulleys, fields::BeltEfficiency,
          fields::Orientation, fields::LoadWeight, fields::ThrustForce, fields::Units},
         step<conveyorNext, conveyorEntries>},
    };
    return table;
}

const Application& applicationOn(ScreenId mechanismScreen) {
    for (const Application& a : applications())
        if (a.screen == mechanismScreen)
            return a;
    qFatal("%s is not the screen of an application", qPrintable(screenName(mechanismScreen)));
}

const Application* applicationWithScreen(const QString& screenName) {
    for (const Application& a : applications())
        if (a.screen.name() == screenName)
            return &a;
    return nullptr;
}

const Application* applicationNamed(const QString& appType) {
    for (const Application& a : applications())
        if (a.text == appType)
            return &a;
    return nullptr;
}
