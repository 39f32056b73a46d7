#pragma once

#include "mechanisms/mechanismscreen.h"

class QLineEdit;

// What the three rotary mechanism screens share: the load inertia entry with
// the load calculator beside it, the constant torque entry with its "?", and
// the unit conversion tool.
class RotaryMechanism : public MechanismScreen {
    Q_OBJECT
  public:
    RotaryMechanism(Host& host, const Application& mechanism, const Setup& setup);

  protected:
    // The load inertia row, the calculator row and the constant torque row.
    void addLoadRows();
    // The "Unit Conversion" button across the form.
    void addUnitConversionRow();
    // The calculator and constant torque controls, which an added gearbox hides.
    void showTorqueAndCalculator(bool shown);

  private:
    void openLoadCalculator();

    QLineEdit* inertia_;
    QLineEdit* torque_;
    QList<QWidget*> torqueAndCalculator_;
};
