#pragma once

#include "sizing/motor.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

#include <optional>
#include <variant>

// The engineer's motor library: an SQLite file (motors.sqlite in the
// program's data folder, or the file MOTOR_SIZING_LIBRARY names) with the
// motors and their curves. The file carries its layout's version and is
// brought up to date when opened; each change is one transaction, so a
// failed change leaves the file as it was. The motors are also held in
// memory, by name, for the windows that list them.
namespace motors {

class Library : public QObject {
    Q_OBJECT
  public:
    static constexpr int version = 1; // PRAGMA user_version of the layout below

    // The file the program uses: MOTOR_SIZING_LIBRARY, else motors.sqlite in `folder`.
    static QString pathIn(const QString& folder);

    explicit Library(const QString& path);
    ~Library() override;

    const QString& path() const { return path_; }
    // Opens the file once, creating or migrating its tables; the reason it
    // cannot be used, said as the end of "… cannot be opened: ".
    std::optional<QString> open();
    bool isOpen() const { return open_; }

    const QList<Motor>& motors() const { return motors_; } // by name
    const Motor* find(qint64 id) const;
    const Motor* named(const QString& name) const;

    // Each gives the reason a change was refused; the library is then as it was.
    std::optional<QString> add(Motor& motor); // sets its id
    std::optional<QString> update(const Motor& motor);
    std::optional<QString> remove(qint64 id);

    struct Imported {
        int added = 0;
        int replaced = 0;
        int kept = 0; // named as a motor already there, which stays
    };
    // Adds the motors in one transaction; a motor named as one already in
    // the library replaces it when `replace`, else is left out.
    std::variant<Imported, QString> import(const QList<Motor>& motors, bool replace);
    // The names of these motors that the library already has.
    QStringList taken(const QList<Motor>& motors) const;

  signals:
    // The motors changed; a window listing them lists them again.
    void changed();

  private:
    std::optional<QString> migrate();
    std::optional<QString> load();
    // Writes the motor (a new one when its id is 0) and its curve; the
    // database's reason when it cannot.
    std::optional<QString> write(Motor& motor);
    void sort();

    QString path_;
    QString connection_;
    bool open_ = false;
    QList<Motor> motors_;
    QHash<qint64, qsizetype> rows_; // a motor's place in motors_, by id
};

} // namespace motors
