#include "app/app.h"

#include "ui/screen.h"

App::App(Messages& messages, Dialogs& dialogs, std::function<void()> quit)
    : messages_(messages), dialogs_(dialogs), quit_(std::move(quit)) {}

void App::startOver() {
    // The welcome screen opens where the sizing's screen stood.
    QPoint at;
    for (ScreenId id : {ScreenId::Findings, ScreenId::Report})
        if (const Screen* screen = screens_.existing(id); screen && screen->isVisible())
            at = screen->pos();
    screens_.discardSizingScreens();
    sizing_ = Sizing{};
    if (Screen* welcome = screens_.show(ScreenId::Welcome); welcome && !at.isNull())
        welcome->move(at);
}
