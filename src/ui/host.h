#pragma once

#include "flow/quantity.h"

#include <QString>
#include <QStringList>

class Changes;
class Dialogs;
class Keeper;
class QWidget;
class Messages;
class ScreenRegistry;
struct Sizing;

// What a screen asks of the program around it: the sizing it shows, the
// other screens, and the services it shows messages and dialogs through.
class Host {
  public:
    virtual ~Host() = default;

    virtual Sizing& sizing() = 0;
    // Says when the sizing changed, so that what shows it follows.
    virtual Changes& changes() = 0;
    virtual ScreenRegistry& screens() = 0;
    virtual Messages& messages() = 0;
    virtual Dialogs& dialogs() = 0;

    // CLOSE on a wizard screen: the program ends at once, once changes to
    // the sizing's file are saved or let go.
    virtual void closeProgram(QWidget* over) = 0;
    // Throws the sizing and its screens away and shows the welcome screen,
    // once changes to the sizing's file are saved or let go.
    virtual void startOver(QWidget* over) = 0;

    // The units the sizing's results show in; choosing them re-shows every
    // open window's figures and is remembered for the next sizing.
    virtual UnitSystem resultUnits() const = 0;
    virtual void setResultUnits(UnitSystem units) = 0;

    // The engineer typed or chose something; a step passed its checks.
    virtual void sizingEdited() = 0;
    virtual void stepPassed() = 0;

    // The engineer's work kept: sizing files, the recent ones, the folders.
    virtual Keeper& keeper() = 0;
};
