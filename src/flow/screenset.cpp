#include "flow/screenset.h"

#include "findings/addgbox.h"
#include "findings/findings.h"
#include "findings/preliminary.h"
#include "findings/selection.h"
#include "flow/apptypes.h"
#include "flow/typechoice.h"
#include "flow/welcome.h"
#include "mechanisms/beltpulley.h"
#include "mechanisms/beltscrewdrive.h"
#include "mechanisms/conveyordrive.h"
#include "mechanisms/directdrive.h"
#include "mechanisms/gbscrewdrive.h"
#include "mechanisms/gearbox.h"
#include "mechanisms/loadcalculations.h"
#include "mechanisms/nonrscrewdrive.h"
#include "mechanisms/rackpiniondrive.h"
#include "mechanisms/screwdrive.h"
#include "profiles/profilescreen.h"
#include "report/reportscreen.h"
#include "ui/app.h"
#include "units/conversion.h"

void registerScreens(App& app) {
    ScreenRegistry& screens = app.screens();
    screens.add("DirectDrive", [&app] { return new DirectDrive(app); });
    screens.add("BeltPulley", [&app] { return new BeltPulley(app); });
    screens.add("Gearbox", [&app] { return new Gearbox(app); });
    screens.add("ScrewDrive", [&app] { return new ScrewDrive(app); });
    screens.add("BeltScrewDrive", [&app] { return new BeltScrewDrive(app); });
    screens.add("GBScrewDrive", [&app] { return new GBScrewDrive(app); });
    screens.add("NonRScrewDrive", [&app] { return new NonRScrewDrive(app); });
    screens.add("RackPinionDrive", [&app] { return new RackPinionDrive(app); });
    screens.add("ConveyorDrive", [&app] { return new ConveyorDrive(app); });
    screens.add("LoadCalculations", [&app] { return new LoadCalculations(app); });
    screens.add("Conversion", [&app] { return new Conversion(app); });
    screens.add("RotaryMP", [&app] {
        return new ProfileScreen(app, "RotaryMP", "Rotary Motion", ProfileKind::Rotary);
    });
    screens.add("MotionProfiles", [&app] {
        return new ProfileScreen(app, "MotionProfiles", "Motion Profiles", ProfileKind::Linear);
    });
    screens.add("Preliminary", [&app] { return new Preliminary(app); });
    screens.add("Selection", [&app] { return new Selection(app); });
    screens.add("AddGBox", [&app] { return new AddGBox(app); });
    screens.add("Findings", [&app] { return new Findings(app); });
    screens.add("Report", [&app] { return new Report(app); });
    screens.add("Welcome", [&app] { return new Welcome(app); });
    screens.add("RotaryType", [&app] {
        return new TypeChoice(app, "RotaryType", "Rotary", "Select Rotary Motion Type",
                              rotaryTypes());
    });
    screens.add("LinearType", [&app] {
        return new TypeChoice(app, "LinearType", "Linear Motion", "Select Linear Motion Type",
                              linearTypes());
    });
}
