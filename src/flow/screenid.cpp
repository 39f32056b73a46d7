#include "flow/screenid.h"

#include <iterator>

QString screenName(ScreenId screen) {
    static const char* const names[] = {
        "Welcome",         "RotaryType",    "LinearType",       "DirectDrive",  "BeltPulley",
        "Gearbox",         "ScrewDrive",    "BeltScrewDrive",   "GBScrewDrive", "NonRScrewDrive",
        "RackPinionDrive", "ConveyorDrive", "LoadCalculations", "RotaryMP",     "MotionProfiles",
        "Preliminary",     "Selection",     "Findings",         "AddGBox",      "Report",
        "Conversion"};
    static_assert(std::size(names) == int(ScreenId::Conversion) + 1);
    return QString::fromLatin1(names[int(screen)]);
}

std::optional<ScreenId> screenNamed(const QString& name) {
    for (int i = 0; i <= int(ScreenId::Conversion); ++i)
        if (screenName(ScreenId(i)) == name)
            return ScreenId(i);
    return std::nullopt;
}
