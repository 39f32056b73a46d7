#pragma once

#include "flow/message.h"
#include "motors/library.h"

#include <QAbstractTableModel>

// The library's motors and a motor's curve as tables the engineer edits in
// place, in the units they chose. A figure that is no number above 0, or a
// name already taken, is refused with a message and the cell keeps its value.
namespace motors {

// The units the library window shows and reads figures in.
struct ShownUnits {
    QString inertia = "oz-in-sec^2";
    QString torque = "oz-in";
    QString speed = "revs/sec";
};

class MotorsModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { Name, RotorInertia, ContinuousTorque, PeakTorque, MaxSpeed, Columns };

    explicit MotorsModel(Library& library, QObject* parent = nullptr);

    void setUnits(const ShownUnits& units);
    const ShownUnits& units() const { return units_; }

    const Motor* motorAt(int row) const;
    int rowOf(qint64 id) const; // -1 when not listed
    // A motor named "New Motor" (numbered when taken) whose figures are 1 in
    // the units shown; its row, or -1 when the library refused it.
    int addMotor();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  signals:
    void refused(const Message& message);

  private:
    Library& library_;
    ShownUnits units_;
};

class CurveModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { Speed, Torque, Columns };

    explicit CurveModel(Library& library, QObject* parent = nullptr);

    void setUnits(const ShownUnits& units);
    // The motor whose curve is shown; 0: none.
    void showMotor(qint64 id);
    qint64 motorId() const { return id_; }

    // A point after the last: at the max speed when the curve stops short of
    // it, else one revs/sec on; the torque of the point before (the peak
    // torque for the first point, at speed 0). Its row, or -1.
    int addPoint();
    void removePoint(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  signals:
    void refused(const Message& message);

  private:
    const Motor* motor() const;
    bool store(const QList<CurvePoint>& curve);

    Library& library_;
    ShownUnits units_;
    qint64 id_ = 0;
};

} // namespace motors
