#pragma once

#include "flow/sizingrecord.h"
#include "ui/dialogs.h"
#include "ui/messages.h"
#include "ui/registry.h"

#include <functional>

// The one application object: owns the sizing record and the screens, and
// hands screens the services they use.
class App {
  public:
    App(Messages& messages, Dialogs& dialogs, std::function<void()> quit);

    SizingRecord& record() { return record_; }
    ScreenRegistry& screens() { return screens_; }
    Messages& messages() { return messages_; }
    Dialogs& dialogs() { return dialogs_; }

    // CLOSE on a wizard screen: the program ends at once.
    void closeProgram() { quit_(); }

    // Discards the screens and the record in their order and shows Welcome.
    void startOver();

  private:
    SizingRecord record_;
    ScreenRegistry screens_;
    Messages& messages_;
    Dialogs& dialogs_;
    std::function<void()> quit_;
};
