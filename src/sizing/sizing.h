#pragma once

#include "flow/form.h"
#include "flow/quantity.h"
#include "flow/screenid.h"
#include "sizing/figures.h"
#include "sizing/motor.h"
#include "sizing/record.h"

#include <QMap>

#include <algorithm>

#include <optional>

// What a sizing has worked out: the record its steps hand on to one another,
// and the figures the preliminary findings and the findings show.
struct Results {
    SizingRecord record;
    std::optional<PreliminaryFigures> preliminary;
    std::optional<FindingsFigures> findings;
    bool operator==(const Results&) const = default;
};

// How far the road in progress has come: to the mechanism screen (and the
// profile), the preliminary findings, or the findings. The road of an added
// gearbox starts again at the gearbox screen.
enum class Stage { Gearbox, Mechanism, Preliminary, Findings };

// One sizing: what the engineer entered on each screen, and what the program
// worked out of it. The program holds the sizing in progress; each screen
// shows its part and hands the engineer's entries to it, and each step of the
// sizing (a mechanism's NEXT, the profile's, the motor's) works on it alone,
// so that a sizing can be worked out again from its entries with no screen.
struct Sizing {
    // The entries of each screen the sizing has shown.
    QMap<ScreenId, Form> forms;
    // While a gearbox is added, the gearbox screen shows these entries; the
    // application's own gearbox entries wait in `forms` until it is removed.
    Form addedGearbox;
    // The load calculator's ENTER has passed in this sizing; and since then
    // the engineer typed over its inertia once it no longer stood for the
    // load, so that the load carries no weight.
    bool loadCalculated = false;
    bool loadTypedOver = false;
    Stage reached = Stage::Mechanism;
    // The library motor whose figures the motor selection shows, read off its
    // curve as the need changes; none once the engineer types a figure of
    // their own. A motor an older file names without its figures is known by
    // its name alone.
    std::optional<motors::Motor> libraryMotor;
    // The units the sizing's results show in.
    UnitSystem resultUnits = UnitSystem::US;
    QString motorName() const { return libraryMotor ? libraryMotor->name : QString(); }

    Results results;
    // The results as they stood before the first added gearbox.
    std::optional<Results> withoutGearbox;

    SizingRecord& record() { return results.record; }
    const SizingRecord& record() const { return results.record; }

    // The engineer typed in a rotary screen's load inertia entry.
    void loadInertiaEdited();

    // A step that passed has brought the road at least this far.
    void reach(Stage stage) { reached = std::max(reached, stage); }

    // A screen's entries: as the sizing holds them, or `initial` for a screen
    // it has not shown yet.
    Form& form(ScreenId screen, const Form& initial);

    // Sets the library motor (none: the engineer's own figures). The last
    // motor chosen is the report's selected motor: a library motor's name
    // replaces the name typed there, and goes with it.
    void setLibraryMotor(const std::optional<motors::Motor>& motor);
    // Where no motor name is typed, the report names the library motor in use.
    void nameLibraryMotorInReport();

    // Adding a gearbox keeps the results without one the first time;
    // removing it puts them back.
    // The engineer chose a rotary or a linear motion.
    void chooseMotion(Motion motion) { record().MotionType = motion; }
    // The engineer chose the application to size; another application's
    // mechanism lines are not its own.
    void chooseApplication(const Application& application);
    void keepWithoutGearbox();
    void removeGearbox();

    bool operator==(const Sizing&) const = default;
};
