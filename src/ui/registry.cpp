#include "ui/registry.h"

#include "ui/screen.h"

ScreenRegistry::~ScreenRegistry() {
    for (const QPointer<Screen>& screen : std::as_const(screens_))
        delete screen.data();
}

void ScreenRegistry::add(ScreenId screen, Factory factory, Lifetime lifetime) {
    factories_.insert(screen, {std::move(factory), lifetime});
}

Screen* ScreenRegistry::get(ScreenId screen) {
    if (Screen* existing = screens_.value(screen))
        return existing;
    const auto entry = factories_.constFind(screen);
    Q_ASSERT_X(entry != factories_.constEnd(), "ScreenRegistry::get",
               qPrintable("no screen " + screenName(screen)));
    if (entry == factories_.constEnd())
        return nullptr;
    Screen* created = entry->factory();
    screens_.insert(screen, created);
    return created;
}

Screen* ScreenRegistry::existing(ScreenId screen) const {
    return screens_.value(screen);
}

Screen* ScreenRegistry::show(ScreenId name, const QWidget* from) {
    Screen* screen = get(name);
    if (!screen)
        return nullptr;
    screen->load();
    if (from && from != screen)
        screen->move(from->pos());
    screen->show();
    screen->raise();
    screen->activateWindow();
    return screen;
}

Screen* ScreenRegistry::showBeside(ScreenId name, const QWidget* from) {
    Screen* screen = get(name);
    if (!screen)
        return nullptr;
    screen->load();
    if (from)
        screen->move(from->frameGeometry().topRight() + QPoint(8, 0));
    screen->show();
    screen->raise();
    return screen;
}

void ScreenRegistry::reloadShown() {
    for (const QPointer<Screen>& screen : std::as_const(screens_))
        if (screen && screen->isVisible())
            screen->load();
}

void ScreenRegistry::discardSizingScreens() {
    for (auto it = screens_.begin(); it != screens_.end();) {
        if (factories_.value(it.key()).lifetime == Lifetime::Program) {
            ++it;
            continue;
        }
        if (Screen* screen = it->data()) {
            screen->hide();
            screen->deleteLater();
        }
        it = screens_.erase(it);
    }
}
