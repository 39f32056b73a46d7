#pragma once

#include "flow/form.h"
#include "flow/outcome.h"
#include "flow/screenid.h"
#include "sizing/sizing.h"

#include <QList>
#include <QString>
#include <QStringList>

// The three families of mechanism: a rotary load, a load moved by a screw,
// and a load moved at the radius of a pinion or pulley.
enum class Family { Rotary, Screw, Tangential };

// One of the nine applications a sizing can be made for: everything the
// program knows of it beyond its mechanism's own arithmetic and screen.
struct Application {
    QString text;    // the AppType, as the findings and the report name it
    ScreenId screen; // its mechanism screen
    QString tag;     // its mechanism tag, shown by the profile and the load calculator
    Family family;
    QString reportHeading;
    QString loadInertia; // the load inertia entry the load calculator writes into (rotary only)
    struct Choice {
        QString button;  // on its choice screen
        QString caption; // "&&" shows as one ampersand
        QString help;    // its "?" button
        QString helpTitle;
        QString helpText;
    } choice;
    Fields fields; // its mechanism screen's entries, unit lists and options
    Outcome (*next)(Sizing& sizing, const Form& entries); // its mechanism's NEXT

    // Its mechanism screen's form as the screen first shows it.
    Form form() const { return Form::initial(fields); }
    Motion motion() const { return family == Family::Rotary ? Motion::Rotary : Motion::Linear; }
    // The profile screen its mechanism leads to.
    ScreenId profile() const;
    // Where the gearbox screen's NEXT goes for it: its own gearbox goes on to
    // the move, an added one to the application's mechanism.
    ScreenId afterGearbox() const;
    // The choice screen its mechanism screen returns to.
    ScreenId choiceScreen() const;
};

const QList<Application>& applications();

// The profile screen and the choice screen of a rotary or a linear motion.
ScreenId profileScreenOf(Motion motion);
ScreenId choiceScreenOf(Motion motion);

// The application whose mechanism screen that is; a screen of no application
// is a fault of the program.
const Application& applicationOn(ScreenId mechanismScreen);
// The application whose mechanism screen has that name, or nullptr.
const Application* applicationWithScreen(const QString& screenName);
// The application of that AppType text, or nullptr.
const Application* applicationNamed(const QString& appType);
