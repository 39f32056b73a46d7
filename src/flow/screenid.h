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
};

QString screenName(ScreenId screen);
// The screen of that name, or nothing.
std::optional<ScreenId> screenNamed(const QString& name);
