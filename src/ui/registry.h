#pragma once

#include "flow/screenid.h"

#include <QMap>

#include <QMargins>
#include <QPointer>
#include <QRect>
#include <optional>

#include <functional>

class QWidget;
class Screen;

// Creates each screen when it is first shown, keeps it while it is hidden,
// and discards the sizing's screens on Start Over.
class ScreenRegistry {
  public:
    using Factory = std::function<Screen*()>;
    // Screens of a sizing are discarded with it; the program's own outlive it.
    enum class Lifetime { Sizing, Program };

    ScreenRegistry() = default;
    ScreenRegistry(const ScreenRegistry&) = delete;
    ScreenRegistry& operator=(const ScreenRegistry&) = delete;
    ~ScreenRegistry();

    void add(ScreenId screen, Factory factory, Lifetime lifetime = Lifetime::Sizing);

    // The screen, created on first use. A screen the program was not given
    // is a fault: it stops a debug build and does nothing otherwise.
    Screen* get(ScreenId screen);
    // The screen of that name the registry can show, or nothing.
    std::optional<ScreenId> named(const QString& name) const;
    Screen* existing(ScreenId screen) const;

    // Loads the screen from the sizing and shows it where `from` stands (or
    // beside it), in front.
    Screen* show(ScreenId screen, const QWidget* from = nullptr);
    // The same, where a window of frame `previous` and decoration `margins`
    // stood before it was gone.
    Screen* showInPlaceOf(ScreenId screen, const QRect& previous, const QMargins& margins);
    // A shown window's decoration (its frame less its content); none for a
    // window not shown.
    static QMargins decoration(const QWidget* shown);
    Screen* showBeside(ScreenId screen, const QWidget* from);

    // Every shown screen shows the sizing as it now stands.
    void reloadShown();

    // Hides and drops the sizing's screens; the next use creates them afresh.
    void discardSizingScreens();

  private:
    Screen* show(ScreenId screen, const QWidget* near, const QRect* previous,
                 const QMargins& margins);

    struct Entry {
        Factory factory;
        Lifetime lifetime;
    };
    QMap<ScreenId, Entry> factories_;
    QMap<ScreenId, QPointer<Screen>> screens_;
};
