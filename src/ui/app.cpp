#include "ui/app.h"

#include "flow/apptypes.h"

App::App(Messages& messages, Dialogs& dialogs, std::function<void()> quit)
    : messages_(messages), dialogs_(dialogs), quit_(std::move(quit)) {}

void App::startOver() {
    const QWidget* at = nullptr;
    for (const QString& name : startOverOrder()) {
        if (name == "Hidden") {
            record_ = SizingRecord{};
            withoutGearbox_.reset();
            continue;
        }
        if (const QWidget* screen = screens_.existing(name); screen && screen->isVisible())
            at = screen;
        screens_.discard(name);
    }
    screens_.show("Welcome", at);
}
