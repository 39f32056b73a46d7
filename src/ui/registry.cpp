#include "ui/registry.h"

#include "ui/placement.h"
#include "ui/screen.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace {

// The room the window system gives a window's frame on `near`'s screen.
QRect availableNear(const QWidget* near) {
    QScreen* screen = near ? near->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

// What a screen needs to show without scrolling.
QSize needed(const QWidget* screen) {
    return screen->sizeHint().expandedTo(screen->minimumSizeHint());
}

void place(QWidget* screen, const QRect& frame, const QMargins& margins) {
    screen->setGeometry(frame.marginsRemoved(margins));
    screen->setProperty("placed", true);
}

} // namespace

// A window's decoration, as the one shown beside it has it: a window not
// shown yet has none to measure.
QMargins ScreenRegistry::decoration(const QWidget* shown) {
    if (!shown || !shown->isVisible())
        return {};
    const QRect frame = shown->frameGeometry(), inner = shown->geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

ScreenRegistry::~ScreenRegistry() {
    for (const QPointer<Screen>& screen : std::as_const(screens_))
        delete screen.data();
}

void ScreenRegistry::add(ScreenId screen, Factory factory, Lifetime lifetime) {
    factories_.insert(screen, {std::move(factory), lifetime});
}

std::optional<ScreenId> ScreenRegistry::named(const QString& name) const {
    for (auto it = factories_.cbegin(); it != factories_.cend(); ++it)
        if (it.key().name() == name)
            return it.key();
    return std::nullopt;
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
    // Layouts show the controls put into them only once control returns to
    // the event loop; the screen is measured and placed before that.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    screens_.insert(screen, created);
    return created;
}

Screen* ScreenRegistry::existing(ScreenId screen) const {
    return screens_.value(screen);
}

Screen* ScreenRegistry::show(ScreenId name, const QWidget* from) {
    const QRect previous = from ? from->frameGeometry() : QRect();
    return show(name, from, from && from != existing(name) ? &previous : nullptr, decoration(from));
}

Screen* ScreenRegistry::showInPlaceOf(ScreenId name, const QRect& previous,
                                      const QMargins& margins) {
    return show(name, nullptr, previous.isValid() ? &previous : nullptr, margins);
}

Screen* ScreenRegistry::show(ScreenId name, const QWidget* near, const QRect* previous,
                             const QMargins& margins) {
    Screen* screen = get(name);
    if (!screen)
        return nullptr;
    screen->load();
    const QRect available = availableNear(near);
    if (previous) {
        // The wizard is one window: the next screen takes the place and size
        // of the one it replaces.
        place(screen, placement::replacing(*previous, needed(screen).grownBy(margins), available),
              margins);
    } else if (!screen->property("placed").toBool()) {
        // The wizard starts on the left, leaving room beside it for its tools.
        const QSize size = needed(screen).grownBy(margins).boundedTo(available.size());
        QRect frame(QPoint(), size);
        frame.moveCenter(available.center());
        frame.moveLeft(available.left() + std::min(48, (available.width() - size.width()) / 2));
        place(screen, placement::inside(frame, available), margins);
    }
    screen->show();
    screen->raise();
    screen->activateWindow();
    screen->focusFirst();
    return screen;
}

Screen* ScreenRegistry::showBeside(ScreenId name, const QWidget* from) {
    Screen* screen = get(name);
    if (!screen)
        return nullptr;
    screen->load();
    if (from) {
        const QMargins margins = decoration(from);
        const QSize size = screen->property("placed").toBool() ? screen->frameGeometry().size()
                                                               : needed(screen).grownBy(margins);
        place(screen, placement::beside(size, from->frameGeometry(), availableNear(from)), margins);
    }
    screen->show();
    screen->raise();
    screen->activateWindow();
    screen->focusFirst();
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
