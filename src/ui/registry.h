#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

// Creates each screen when it is first shown or written to, keeps it while it
// is hidden, and discards it on Start Over.
class ScreenRegistry {
  public:
    using Factory = std::function<QWidget*()>;

    ScreenRegistry() = default;
    ScreenRegistry(const ScreenRegistry&) = delete;
    ScreenRegistry& operator=(const ScreenRegistry&) = delete;
    ~ScreenRegistry();

    void add(const QString& name, Factory factory);
    bool knows(const QString& name) const { return factories_.contains(name); }

    // The screen, created on first use; nullptr for a name that is not known.
    QWidget* get(const QString& name);
    template <class T> T* get(const QString& name) { return qobject_cast<T*>(get(name)); }
    QWidget* existing(const QString& name) const { return screens_.value(name); }

    // Shows the screen where `from` stands (or beside it) and brings it forward.
    QWidget* show(const QString& name, const QWidget* from = nullptr);
    QWidget* showBeside(const QString& name, const QWidget* from);

    // Hides and drops the screen; the next use creates it afresh.
    void discard(const QString& name);

  private:
    QHash<QString, Factory> factories_;
    QHash<QString, QPointer<QWidget>> screens_;
};
