#pragma once

#include "ui/screen.h"

class QComboBox;
class QLayout;
class QLabel;
class QTableView;
namespace motors {
class CurveModel;
class Library;
class MotorsModel;
} // namespace motors

// "Motor Library": the engineer's motors, edited in place in the units
// they choose, each with its peak torque curve; imported from and exported
// to CSV files.
class MotorLibrary : public Screen {
    Q_OBJECT
  public:
    MotorLibrary(Host& host, motors::Library& library);

  protected:
    void showResults() override;

  private:
    // The units the figures show in, and the selected motor's curve with its buttons.
    QLayout* unitsRow();
    QLayout* curveColumn();
    void unitsChosen();
    void addMotor();
    void removeMotor();
    void importMotors();
    void exportMotors();
    void showCurveOf(qint64 id);
    qint64 chosenMotor() const; // 0: none
    void choose(qint64 id);
    void tell(const QString& status);

    motors::Library& library_;
    motors::MotorsModel* motors_;
    motors::CurveModel* curve_;
    QTableView *table_, *curveTable_;
    QComboBox *inertiaUnits_, *torqueUnits_, *speedUnits_;
    QLabel* status_;
    QList<QWidget*> changers_; // what needs an open library
    qint64 kept_ = 0;          // the motor chosen, chosen again when the table is rebuilt
};
