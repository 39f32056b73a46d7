#pragma once

#include <QString>

#include <optional>

// Every screen of the program. A screen's object name is the name below.
enum class ScreenId {
    Welcome,
    RotaryType,
    LinearType,
    DirectDrive,
    BeltPulley,
    Gearbox,
    ScrewDrive,
    BeltScrewDrive,
    GBScrewDrive,
    NonRScrewDrive,
    RackPinionDrive,
    ConveyorDrive,
    LoadCalculations,
    RotaryMP,
    MotionProfiles,
    Preliminary,
    Selection,
    Findings,
    AddGBox,
    Report,
    Conversion,
    MotorLibrary,
    MotorFit,
};

QString screenName(ScreenId screen);
// A tool that opens beside the wizard and closes with Esc: the load
// calculator, the unit conversions, the gearbox projection and the motors.
bool isSideTool(ScreenId screen);
// The screen of that name, or nothing.
std::optional<ScreenId> screenNamed(const QString& name);
