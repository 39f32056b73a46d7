#include "flow/apptypes.h"

#include <QStringList>

const QList<AppTypeInfo>& rotaryTypes() {
    static const QList<AppTypeInfo> types{
        {"DD", "DIRECT DRIVE", "Rotary: Direct Drive", "DirectDrive", "DWhat",
         "Direct Drive Explained",
         "Direct Drive includes all loads coupled directly to the motor."},
        {"BP", "BELT-PULLEY", "Rotary: Belt-Pulley", "BeltPulley", "BWhat", "Belt-Pulley Explained",
         "Belt-Pulley type applications include those in which the motor is offset from the load "
         "yet connected via belt and pulleys or chain and sprockets."},
        {"GB", "GEARBOX", "Rotary: Gearbox", "Gearbox", "GWhat", "Gearbox System Explained",
         "A Gearbox driven system is one in which two or more gears provide a mechanical "
         "advantage whem moving a load.  This advantage can be a reduction in required motor "
         "torque, increased resolution, or lower reflected system inertia."},
    };
    return types;
}

const QList<AppTypeInfo>& linearTypes() {
    static const QList<AppTypeInfo> types{
        {"SDrive", "SCREW DRIVEN", "Linear: Screw Drive", "ScrewDrive", "ScrewWhat", "Screw Drive",
         "Screw Driven defines motion resulting from coupling a motor and rotating a ballscrew or "
         "leadscrew to actuate motion."},
        {"BPScrew", "BELT-PULLEY DRIVING SCREW", "Linear: Belt-Pulley Screw Drive",
         "BeltScrewDrive", "BPScrewWhat", "Belt-Pulley Screw Drive",
         "Where a Belt-Pulley reduction is combined with a Screw Drive to actuate linear motion."},
        {"GBScrew", "GEARBOX DRIVING SCREW", "Linear: Gearbox Screw Drive", "GBScrewDrive",
         "GBScrewWhat", "Gearbox Driving a Screw",
         "Where a Gearbox reduction is combined with a Screw Drive to actuate linear motion."},
        {"NonRotating", "NON-ROTATING SCREW", "Linear: Non-Rotating Screw Drive", "NonRScrewDrive",
         "NonWhat", "Non-Rotating Screw Drive",
         "In a non-rotating screw actuation, either the motor or screw moves with the load."},
        {"RackDrive", "RACK && PINION", "Linear: Rack & Pinion", "RackPinionDrive", "RackWhat",
         "Rack & Pinion Drive",
         "In Rack & Pinion linear motion, either the rack or pinion move with the load."},
        {"Conveyor", "CONVEYOR", "Linear: Conveyor", "ConveyorDrive", "ConveyorWhat",
         "Conveyor System",
         "A Conveyor System, or Tangential Drive, is where the load is coupled to, or transferred "
         "by, the belt in a Belt-Pulley system."},
    };
    return types;
}

const QStringList& startOverOrder() {
    static const QStringList order{
        "AddGBox",        "BeltPulley",     "BeltScrewDrive", "ConveyorDrive",   "DirectDrive",
        "Findings",       "GBScrewDrive",   "Gearbox",        "Hidden",          "LoadCalculations",
        "MotionProfiles", "NonRScrewDrive", "Preliminary",    "RackPinionDrive", "Report",
        "RotaryMP",       "ScrewDrive",     "Selection"};
    return order;
}
