#include "app/screenset.h"

#include "app/app.h"
#include "app/typechoice.h"
#include "app/welcome.h"
#include "findings/addgbox.h"
#include "findings/findings.h"
#include "findings/preliminary.h"
#include "findings/selection.h"
#include "mechanisms/loadcalculations.h"
#include "mechanisms/mechanismscreen.h"
#include "motors/motorfit.h"
#include "motors/motorlibrary.h"
#include "profiles/profilescreen.h"
#include "report/reportscreen.h"
#include "units/conversion.h"

namespace {

template <class S, class... Args> ScreenRegistry::Factory make(App& app, Args... args) {
    return [&app, args...] { return new S(app, args...); };
}

} // namespace

void registerScreens(App& app) {
    using S = ScreenId;
    using Lifetime = ScreenRegistry::Lifetime;
    ScreenRegistry& screens = app.screens();
    screens.add(S::Welcome, make<Welcome>(app), Lifetime::Program);
    screens.add(S::RotaryType, make<TypeChoice>(app, Motion::Rotary), Lifetime::Program);
    screens.add(S::LinearType, make<TypeChoice>(app, Motion::Linear), Lifetime::Program);
    screens.add(S::Conversion, make<Conversion>(app), Lifetime::Program);

    // A mechanism screen for each row of the application table.
    for (const Application& mechanism : applications()) {
        const mechanismscreens::Factory factory = mechanismscreens::of(mechanism);
        if (!factory)
            qFatal("no screen class %s for \"%s\"", qPrintable(mechanism.screen.name()),
                   qPrintable(mechanism.text));
        screens.add(mechanism.screen,
                    [&app, &mechanism, factory] { return factory(app, mechanism); });
    }
    screens.add(S::LoadCalculations, make<LoadCalculations>(app));

    screens.add(S::RotaryMP, make<ProfileScreen>(app, ProfileKind::Rotary));
    screens.add(S::MotionProfiles, make<ProfileScreen>(app, ProfileKind::Linear));
    screens.add(S::Preliminary, make<Preliminary>(app));
    screens.add(S::Selection, make<Selection>(app));
    screens.add(S::Findings, make<Findings>(app));
    screens.add(S::AddGBox, make<AddGBox>(app));
    screens.add(S::Report, make<Report>(app));

    // The motor library outlives a sizing; the motors that fit belong to it.
    screens.add(
        S::MotorLibrary, [&app] { return new MotorLibrary(app, app.library()); },
        Lifetime::Program);
    screens.add(S::MotorFit, [&app] { return new MotorFit(app, app.library()); });
}
