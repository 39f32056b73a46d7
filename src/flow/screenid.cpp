#include "flow/screenid.h"

#include <iterator>

QString screenName(ScreenId screen) {
    static const char* const names[] = {
        "Welcome",         "RotaryType",    "LinearType",       "DirectDrive",  "BeltPulley",
        "Gearbox",         "ScrewDrive",    "BeltScrewDrive",   "GBScrewDrive", "NonRScrewDrive",
        "RackPinionDrive", "ConveyorDrive", "LoadCalculations", "RotaryMP",     "MotionProfiles",
        "Preliminary",     "Selection",     "Findings",         "AddGBox",      "Report",
        "Conversion",      "MotorLibrary",  "MotorFit"};
    static_assert(std::size(names) == int(ScreenId::MotorFit) + 1);
    return QString::fromLatin1(names[int(screen)]);
}

std::optional<ScreenId> screenNamed(const QString& name) {
    for (int i = 0; i <= int(ScreenId::MotorFit); ++i)
        if (screenName(ScreenId(i)) == name)
            return ScreenId(i);
    return std::nullopt;
}

bool isSideTool(ScreenId screen) {
    switch (screen) {
    case ScreenId::LoadCalculations:
    case ScreenId::Conversion:
    case ScreenId::AddGBox:
    case ScreenId::MotorLibrary:
    case ScreenId::MotorFit:
        return true;
    default:
        return false;
    }
}
