#include "motors/motortables.h"

#include "flow/numbers.h"
#include "units/units.h"

#include <cmath>

namespace motors {

namespace {

Message libraryFailed(const QString& reason) {
    return {"Motor Library", "The change could not be saved in the library: " + reason + "."};
}

const units::UnitList& unitsOf(MotorsModel::Column column) {
    switch (column) {
    case MotorsModel::RotorInertia:
        return units::inertiaUnits();
    case MotorsModel::MaxSpeed:
        return units::rotarySpeedUnits();
    default:
        return units::torqueUnits();
    }
}

QString unitOf(MotorsModel::Column column, const ShownUnits& shown) {
    switch (column) {
    case MotorsModel::RotorInertia:
        return shown.inertia;
    case MotorsModel::MaxSpeed:
        return shown.speed;
    default:
        return shown.torque;
    }
}

double& figure(Motor& m, MotorsModel::Column column) {
    switch (column) {
    case MotorsModel::RotorInertia:
        return m.rotorInertia;
    case MotorsModel::ContinuousTorque:
        return m.continuousTorque;
    case MotorsModel::PeakTorque:
        return m.peakTorque;
    default:
        return m.maxSpeed;
    }
}

const char* const motorHeaders[] = {"Name", "Rotor Inertia", "Continuous Torque", "Peak Torque",
                                    "Max Speed"};
const char* const figureNames[] = {"name", "rotor inertia", "continuous torque", "peak torque",
                                   "max speed"};

// A figure as a cell shows it, to six significant digits; edited, as kept.
QString shown(double figure, int role) {
    return role == Qt::EditRole ? numbers::general(figure) : numbers::general(figure, 6);
}

bool editing(const QModelIndex& index, int role) {
    return index.isValid() && role == Qt::EditRole;
}

} // namespace

MotorsModel::MotorsModel(Library& library, QObject* parent)
    : QAbstractTableModel(parent), library_(library) {
    connect(&library_, &Library::changed, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

void MotorsModel::setUnits(const ShownUnits& units) {
    units_ = units;
    if (rowCount() > 0)
        emit dataChanged(index(0, RotorInertia), index(rowCount() - 1, MaxSpeed));
}

const Motor* MotorsModel::motorAt(int row) const {
    return row >= 0 && row < rowCount() ? &library_.motors()[row] : nullptr;
}

int MotorsModel::rowOf(qint64 id) const {
    const Motor* m = library_.find(id);
    return m ? int(m - library_.motors().constData()) : -1;
}

int MotorsModel::addMotor() {
    Motor m;
    m.name = "New Motor";
    for (int n = 2; library_.named(m.name); ++n)
        m.name = QString("New Motor %1").arg(n);
    for (Column c : {RotorInertia, ContinuousTorque, PeakTorque, MaxSpeed})
        figure(m, c) = unitsOf(c).toInternal(unitOf(c, units_), 1);
    if (const auto problem = library_.add(m)) {
        emit refused(libraryFailed(*problem));
        return -1;
    }
    return rowOf(m.id);
}

int MotorsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(library_.motors().size());
}

int MotorsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns;
}

QVariant MotorsModel::data(const QModelIndex& index, int role) const {
    const Motor* m = motorAt(index.row());
    const auto column = Column(index.column());
    if (m && role == Qt::TextAlignmentRole && column != Name)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (!m || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    if (column == Name)
        return m->name;
    Motor copy = *m;
    return shown(unitsOf(column).fromInternal(unitOf(column, units_), figure(copy, column)), role);
}

QVariant MotorsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < Columns)
        return QString(motorHeaders[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags MotorsModel::flags(const QModelIndex& index) const {
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

bool MotorsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const Motor* shown = motorAt(index.row());
    if (!editing(index, role) || !shown)
        return false;
    Motor m = *shown;
    const auto column = Column(index.column());
    const QString text = value.toString().trimmed();
    if (column == Name) {
        if (text == m.name)
            return false;
        if (text.isEmpty()) {
            emit refused({"Motor Name", "Please give the motor a name."});
            return false;
        }
        if (library_.named(text)) {
            emit refused({"Motor Name", "A motor named \"" + text +
                                            "\" is already in the library; please give this "
                                            "one another name."});
            return false;
        }
        m.name = text;
    } else {
        const auto x = numbers::parse(text);
        const double internal = x ? unitsOf(column).toInternal(unitOf(column, units_), *x) : 0;
        if (!x || !(*x > 0) || !std::isfinite(internal) || !(internal > 0)) {
            emit refused(
                {"Motor Figures",
                 QString("Please enter the %1 as a number above 0.").arg(figureNames[column])});
            return false;
        }
        if (text == data(index, Qt::EditRole).toString())
            return false;
        figure(m, column) = internal;
        if (m.peakTorque < m.continuousTorque) {
            emit refused(
                {"Motor Figures", "Please enter a peak torque of at least the continuous torque."});
            return false;
        }
    }
    if (const auto problem = library_.update(m)) {
        emit refused(libraryFailed(*problem));
        return false;
    }
    return true;
}

CurveModel::CurveModel(Library& library, QObject* parent)
    : QAbstractTableModel(parent), library_(library) {
    connect(&library_, &Library::changed, this, [this] {
        beginResetModel();
        if (!motor())
            id_ = 0;
        endResetModel();
    });
}

const Motor* CurveModel::motor() const {
    return id_ ? library_.find(id_) : nullptr;
}

void CurveModel::setUnits(const ShownUnits& units) {
    beginResetModel();
    units_ = units;
    endResetModel();
}

void CurveModel::showMotor(qint64 id) {
    beginResetModel();
    id_ = id;
    endResetModel();
}

bool CurveModel::store(const QList<CurvePoint>& curve) {
    Motor m = *motor();
    m.curve = curve;
    if (const auto problem = library_.update(m)) {
        emit refused(libraryFailed(*problem));
        return false;
    }
    return true;
}

int CurveModel::addPoint() {
    const Motor* m = motor();
    if (!m)
        return -1;
    QList<CurvePoint> curve = m->curve;
    if (curve.isEmpty())
        curve << CurvePoint{0, m->peakTorque};
    else if (curve.back().speed < m->maxSpeed)
        curve << CurvePoint{m->maxSpeed, curve.back().torque};
    else
        curve << CurvePoint{curve.back().speed + 1, curve.back().torque};
    return store(curve) ? int(curve.size()) - 1 : -1;
}

void CurveModel::removePoint(int row) {
    const Motor* m = motor();
    if (!m || row < 0 || row >= m->curve.size())
        return;
    QList<CurvePoint> curve = m->curve;
    curve.removeAt(row);
    store(curve);
}

int CurveModel::rowCount(const QModelIndex& parent) const {
    const Motor* m = motor();
    return parent.isValid() || !m ? 0 : int(m->curve.size());
}

int CurveModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns;
}

QVariant CurveModel::data(const QModelIndex& index, int role) const {
    const Motor* m = motor();
    if (!m || index.row() >= m->curve.size())
        return {};
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    const CurvePoint& p = m->curve[index.row()];
    return shown(index.column() == Speed
                     ? units::rotarySpeedUnits().fromInternal(units_.speed, p.speed)
                     : units::torqueUnits().fromInternal(units_.torque, p.torque),
                 role);
}

QVariant CurveModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return section == Speed ? QString("Speed") : QString("Torque");
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags CurveModel::flags(const QModelIndex& index) const {
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

bool CurveModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const Motor* m = motor();
    if (!editing(index, role) || !m || index.row() >= m->curve.size())
        return false;
    const QString text = value.toString().trimmed();
    if (text == data(index, Qt::EditRole).toString())
        return false;
    const auto x = numbers::parse(text);
    const bool speed = index.column() == Speed;
    const double internal = !x      ? 0
                            : speed ? units::rotarySpeedUnits().toInternal(units_.speed, *x)
                                    : units::torqueUnits().toInternal(units_.torque, *x);
    if (!x || *x < 0 || !std::isfinite(internal)) {
        emit refused({"Motor Curve", speed ? "Please enter a speed of 0 or more."
                                           : "Please enter a torque of 0 or more."});
        return false;
    }
    QList<CurvePoint> curve = m->curve;
    (speed ? curve[index.row()].speed : curve[index.row()].torque) = internal;
    if (!validCurve(curve)) {
        emit refused({"Motor Curve", "The curve's speeds must rise from point to point: please "
                                     "enter a speed between those of the points before and "
                                     "after it."});
        return false;
    }
    return store(curve);
}

} // namespace motors
