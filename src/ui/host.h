#pragma once

class Dialogs;
class Messages;
class ScreenRegistry;
struct Sizing;

// What a screen asks of the program around it: the sizing it shows, the
// other screens, and the services it shows messages and dialogs through.
class Host {
  public:
    virtual ~Host() = default;

    virtual Sizing& sizing() = 0;
    virtual ScreenRegistry& screens() = 0;
    virtual Messages& messages() = 0;
    virtual Dialogs& dialogs() = 0;

    // CLOSE on a wizard screen: the program ends at once.
    virtual void closeProgram() = 0;
    // Throws the sizing and its screens away and shows the welcome screen.
    virtual void startOver() = 0;
};
