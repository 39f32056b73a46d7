#include "flow/screenid.h"

#include <iterator>

QString screenName(ScreenId screen) {
    static const char* const names[] = {
        "Welcome",         "RotaryType",     "LinearType",       "DirectDrive",   "BeltPulley",
        "Gearbox",         "ScrewDrive",     "BeltScrewDrive",   "GBScrewDrive",  "NonRScrewDrive",
        "RackPinionDrive", "ConveyorDrive",  "LoadCalculations", "RotaryMP",      "MotionProfiles",
        "Preliminary",     "Selection",      "Findings",         "AddGBox",       "Report",
        "Conversion"};
    static_assert(std::size(names) == int(ScreenId::Conversion) + 1);
    return QString::fromLatin1(names[int(screen)]);
}
