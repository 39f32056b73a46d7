#include "motors/library.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>

namespace motors {

namespace {

int connections = 0;

// The layout of version 1. A motor's curve points go with it.
const char* const layout[] = {"CREATE TABLE motors ("
                              " id INTEGER PRIMARY KEY,"
                              " name TEXT NOT NULL UNIQUE CHECK (length(trim(name)) > 0),"
                              " rotor_inertia REAL NOT NULL CHECK (rotor_inertia > 0),"
                              " continuous_torque REAL NOT NULL CHECK (continuous_torque > 0),"
                              " peak_torque REAL NOT NULL CHECK (peak_torque > 0),"
                              " max_speed REAL NOT NULL CHECK (max_speed > 0))",
                              "CREATE TABLE curve_points ("
                              " motor INTEGER NOT NULL REFERENCES motors(id) ON DELETE CASCADE,"
                              " speed REAL NOT NULL CHECK (speed >= 0),"
                              " torque REAL NOT NULL CHECK (torque >= 0),"
                              " PRIMARY KEY (motor, speed))"};

QString reason(const QSqlQuery& query) {
    const QSqlError error = query.lastError();
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

// Names in the order the windows list them: letters alike whatever their case.
bool before(const QString& a, const QString& b) {
    const int c = QString::compare(a, b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
}

} // namespace

QString Library::pathIn(const QString& folder) {
    const QString named = qEnvironmentVariable("MOTOR_SIZING_LIBRARY");
    return named.isEmpty() ? QDir(folder).filePath("motors.sqlite") : named;
}

Library::Library(const QString& path)
    : path_(path), connection_(QString("motor-library-%1").arg(++connections)) {}

Library::~Library() {
    if (!QSqlDatabase::contains(connection_))
        return;
    QSqlDatabase::database(connection_, false).close();
    QSqlDatabase::removeDatabase(connection_);
}

std::optional<QString> Library::open() {
    if (open_)
        return std::nullopt;
    if (!QSqlDatabase::isDriverAvailable("QSQLITE"))
        return QString("Qt's SQLite driver is not installed (libqt6sql6-sqlite)");
    if (QFileInfo(path_).isDir())
        return QString("it is a folder");
    QDir().mkpath(QFileInfo(path_).absolutePath());
    if (!QSqlDatabase::contains(connection_))
        QSqlDatabase::addDatabase("QSQLITE", connection_).setDatabaseName(path_);
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.open())
        return db.lastError().text();
    QSqlQuery(db).exec("PRAGMA foreign_keys = ON");
    auto problem = migrate();
    if (!problem)
        problem = load();
    if (problem) {
        db.close();
        return problem;
    }
    open_ = true;
    // Views made before the library was read list its motors now.
    emit changed();
    return std::nullopt;
}

std::optional<QString> Library::migrate() {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery query(db);
    if (!query.exec("PRAGMA user_version") || !query.next())
        return reason(query);
    const int found = query.value(0).toInt();
    if (found > version)
        return QString("it was made by a newer version of Motor Sizing (library version %1)")
            .arg(found);
    if (found == version)
        return std::nullopt;

    // Version 0 is a file without our layout: new, or holding a bare motors
    // table (name and the four figures, no curves), whose motors are kept.
    if (!db.transaction())
        return db.lastError().text();
    QStringList steps;
    const bool bare = db.tables().contains("motors");
    if (bare)
        steps << "ALTER TABLE motors RENAME TO motors_version0";
    for (const char* table : layout)
        steps << table;
    if (bare)
        steps << "INSERT INTO motors (name, rotor_inertia, continuous_torque, peak_torque, "
                 "max_speed) SELECT trim(name), rotor_inertia, continuous_torque, peak_torque, "
                 "max_speed FROM motors_version0"
              << "DROP TABLE motors_version0";
    steps << QString("PRAGMA user_version = %1").arg(version);
    for (const QString& step : steps)
        if (!query.exec(step)) {
            const QString why = reason(query);
            db.rollback();
            return "its motors could not be brought up to date (" + why + ")";
        }
    if (!db.commit()) {
        const QString why = db.lastError().text();
        db.rollback();
        return why;
    }
    return std::nullopt;
}

std::optional<QString> Library::load() {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec("SELECT id, name, rotor_inertia, continuous_torque, peak_torque, max_speed "
                    "FROM motors"))
        return reason(query);
    QList<Motor> motors;
    QHash<qint64, qsizetype> row;
    while (query.next()) {
        Motor m{query.value(0).toLongLong(),
                query.value(1).toString(),
                query.value(2).toDouble(),
                query.value(3).toDouble(),
                query.value(4).toDouble(),
                query.value(5).toDouble(),
                {}};
        row.insert(m.id, motors.size());
        motors << m;
    }
    if (!query.exec("SELECT motor, speed, torque FROM curve_points ORDER BY motor, speed"))
        return reason(query);
    while (query.next()) {
        const auto at = row.constFind(query.value(0).toLongLong());
        if (at != row.cend())
            motors[*at].curve << CurvePoint{query.value(1).toDouble(), query.value(2).toDouble()};
    }
    motors_ = std::move(motors);
    sort();
    return std::nullopt;
}

void Library::sort() {
    std::sort(motors_.begin(), motors_.end(),
              [](const Motor& a, const Motor& b) { return before(a.name, b.name); });
    rows_.clear();
    for (qsizetype i = 0; i < motors_.size(); ++i)
        rows_.insert(motors_[i].id, i);
}

const Motor* Library::find(qint64 id) const {
    const auto at = rows_.constFind(id);
    return at == rows_.cend() ? nullptr : &motors_[*at];
}

const Motor* Library::named(const QString& name) const {
    const auto at =
        std::lower_bound(motors_.begin(), motors_.end(), name,
                         [](const Motor& m, const QString& n) { return before(m.name, n); });
    return at != motors_.end() && at->name == name ? &*at : nullptr;
}

QStringList Library::taken(const QList<Motor>& motors) const {
    QStringList names;
    for (const Motor& m : motors)
        if (named(m.name))
            names << m.name;
    return names;
}

std::optional<QString> Library::write(Motor& m) {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery query(db);
    if (m.id == 0)
        query.prepare("INSERT INTO motors (name, rotor_inertia, continuous_torque, peak_torque, "
                      "max_speed) VALUES (?, ?, ?, ?, ?)");
    else
        query.prepare("UPDATE motors SET name = ?, rotor_inertia = ?, continuous_torque = ?, "
                      "peak_torque = ?, max_speed = ? WHERE id = ?");
    for (const QVariant& value :
         {QVariant(m.name), QVariant(m.rotorInertia), QVariant(m.continuousTorque),
          QVariant(m.peakTorque), QVariant(m.maxSpeed)})
        query.addBindValue(value);
    if (m.id != 0)
        query.addBindValue(m.id);
    if (!query.exec())
        return reason(query);
    if (m.id == 0) {
        m.id = query.lastInsertId().toLongLong();
    } else {
        query.prepare("DELETE FROM curve_points WHERE motor = ?");
        query.addBindValue(m.id);
        if (!query.exec())
            return reason(query);
    }
    query.prepare("INSERT INTO curve_points (motor, speed, torque) VALUES (?, ?, ?)");
    for (const CurvePoint& p : m.curve) {
        query.addBindValue(m.id);
        query.addBindValue(p.speed);
        query.addBindValue(p.torque);
        if (!query.exec())
            return reason(query);
    }
    return std::nullopt;
}

namespace {

// One transaction: committed when `change` gives no reason, else rolled
// back; the reason when anything failed.
template <class Change>
std::optional<QString> transaction(const QString& connection, Change change) {
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    if (!db.isOpen())
        return QString("the library is not open");
    if (!db.transaction())
        return db.lastError().text();
    std::optional<QString> problem = change();
    if (!problem && !db.commit())
        problem = db.lastError().text();
    if (problem)
        db.rollback();
    return problem;
}

} // namespace

std::optional<QString> Library::add(Motor& motor) {
    if (const auto problem = motorProblem(motor))
        return "the motor " + *problem;
    if (named(motor.name))
        return QString("a motor named \"%1\" is already in the library").arg(motor.name);
    Motor written = motor;
    written.id = 0;
    const auto problem = transaction(connection_, [&] { return write(written); });
    if (problem)
        return problem;
    motor.id = written.id;
    motors_ << written;
    sort();
    emit changed();
    return std::nullopt;
}

std::optional<QString> Library::update(const Motor& motor) {
    if (const auto problem = motorProblem(motor))
        return "the motor " + *problem;
    const Motor* same = named(motor.name);
    if (same && same->id != motor.id)
        return QString("a motor named \"%1\" is already in the library").arg(motor.name);
    Motor written = motor;
    const auto problem = transaction(connection_, [&] { return write(written); });
    if (problem)
        return problem;
    if (const auto at = rows_.constFind(motor.id); at != rows_.cend())
        motors_[*at] = written;
    sort();
    emit changed();
    return std::nullopt;
}

std::optional<QString> Library::remove(qint64 id) {
    const auto problem = transaction(connection_, [&]() -> std::optional<QString> {
        QSqlQuery query(QSqlDatabase::database(connection_, false));
        query.prepare("DELETE FROM curve_points WHERE motor = ?");
        query.addBindValue(id);
        if (!query.exec())
            return reason(query);
        query.prepare("DELETE FROM motors WHERE id = ?");
        query.addBindValue(id);
        if (!query.exec())
            return reason(query);
        return std::nullopt;
    });
    if (problem)
        return problem;
    motors_.removeIf([id](const Motor& m) { return m.id == id; });
    sort();
    emit changed();
    return std::nullopt;
}

std::variant<Library::Imported, QString> Library::import(const QList<Motor>& motors, bool replace) {
    Imported counts;
    QList<Motor> written;
    const auto problem = transaction(connection_, [&]() -> std::optional<QString> {
        for (Motor m : motors) {
            if (const auto bad = motorProblem(m))
                return QString("the motor \"%1\" %2").arg(m.name, *bad);
            const Motor* there = named(m.name);
            if (there && !replace) {
                ++counts.kept;
                continue;
            }
            m.id = there ? there->id : 0;
            ++(there ? counts.replaced : counts.added);
            if (const auto failed = write(m))
                return QString("the motor \"%1\" could not be written (%2)").arg(m.name, *failed);
            written << m;
        }
        return std::nullopt;
    });
    if (problem)
        return *problem;
    for (const Motor& m : written) {
        if (const auto at = rows_.constFind(m.id); at != rows_.cend())
            motors_[*at] = m;
        else
            motors_ << m;
    }
    sort();
    emit changed();
    return counts;
}

} // namespace motors
