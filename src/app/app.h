#pragma once

#include "sizing/sizing.h"
#include "ui/dialogs.h"
#include "ui/host.h"
#include "ui/messages.h"
#include "ui/registry.h"

#include <functional>

// The one application object: owns the sizing in progress and the screens,
// and hands screens the services they use.
class App final : public Host {
  public:
    App(Messages& messages, Dialogs& dialogs, std::function<void()> quit);

    Sizing& sizing() override { return sizing_; }
    ScreenRegistry& screens() override { return screens_; }
    Messages& messages() override { return messages_; }
    Dialogs& dialogs() override { return dialogs_; }

    void closeProgram() override { quit_(); }
    void startOver() override;

  private:
    Sizing sizing_;
    ScreenRegistry screens_;
    Messages& messages_;
    Dialogs& dialogs_;
    std::function<void()> quit_;
};
