#pragma once

#include "flow/outcome.h"
#include "flow/sizingrecord.h"

// What the gearbox screen's NEXT reads; GBUnits is empty when none is chosen.
struct GearboxEntries {
    QString Reduction;
    QString GBInertia;
    QString GBUnits;
    QString GBEfficiency = "90";
    QString LoadInertia;
    QString TConst;
    // With a gearbox added to a "Rotary: Gearbox" application: the
    // application's own ratio as it stood when the gearbox was added.
    double ownRatio = 0;
};

inline constexpr const char* gearboxTag = "Gearbox";

// NEXT of the gearbox screen, as the mechanism of "Rotary: Gearbox" and as
// a gearbox added to any application. On success `next` names the screen to
// show, chosen by the application type (empty: the screen stays).
Outcome gearboxNext(SizingRecord& record, const GearboxEntries& entries);

// The screen the gearbox NEXT shows for an application type; empty for none.
QString gearboxNextScreen(const QString& appType);

// BACK of the gearbox screen: with a gearbox added it removes it and returns
// to the findings; otherwise it empties RGearbox and returns to the rotary
// choice. Gives the screen to show.
QString gearboxBack(SizingRecord& record);
