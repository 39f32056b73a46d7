#pragma once

#include "findings/projectionlogic.h"
#include "flow/sizingrecord.h"
#include "ui/dialogs.h"
#include "ui/messages.h"
#include "ui/registry.h"

#include <functional>
#include <optional>

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

    // While a gearbox is added: the sizing as it stood before the first one.
    std::optional<WithoutGearbox>& withoutGearbox() { return withoutGearbox_; }

  private:
    SizingRecord record_;
    std::optional<WithoutGearbox> withoutGearbox_;
    ScreenRegistry screens_;
    Messages& messages_;
    Dialogs& dialogs_;
    std::function<void()> quit_;
};
