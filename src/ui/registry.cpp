#include "ui/registry.h"

ScreenRegistry::~ScreenRegistry() {
    for (const QPointer<QWidget>& screen : std::as_const(screens_))
        delete screen.data();
}

void ScreenRegistry::add(const QString& name, Factory factory) {
    factories_.insert(name, std::move(factory));
}

QWidget* ScreenRegistry::get(const QString& name) {
    if (QWidget* screen = screens_.value(name))
        return screen;
    const auto factory = factories_.constFind(name);
    if (factory == factories_.constEnd())
        return nullptr;
    QWidget* screen = (*factory)();
    screens_.insert(name, screen);
    return screen;
}

QWidget* ScreenRegistry::show(const QString& name, const QWidget* from) {
    QWidget* screen = get(name);
    if (!screen)
        return nullptr;
    if (from && from != screen)
        screen->move(from->pos());
    screen->show();
    screen->raise();
    screen->activateWindow();
    return screen;
}

QWidget* ScreenRegistry::showBeside(const QString& name, const QWidget* from) {
    QWidget* screen = get(name);
    if (!screen)
        return nullptr;
    if (from)
        screen->move(from->frameGeometry().topRight() + QPoint(8, 0));
    screen->show();
    screen->raise();
    return screen;
}

void ScreenRegistry::discard(const QString& name) {
    if (QWidget* screen = screens_.take(name)) {
        screen->hide();
        screen->deleteLater();
    }
}
