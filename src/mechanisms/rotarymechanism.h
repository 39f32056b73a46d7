#pragma once

#include "mechanisms/loadinertiatarget.h"
#include "mechanisms/mechanismscreen.h"

class QLineEdit;

// What the three rotary mechanism screens share: the load inertia entry with
// the load calculator beside it, the constant torque entry with its "?", and
// the unit conversion tool.
class RotaryMechanism : public MechanismScreen, public LoadInertiaTarget {
    Q_OBJECT
  public:
    // `inertiaName` names the load inertia entry; `tag` is the mechanism tag
    // this screen writes into the load calculator and the profile screen.
    RotaryMechanism(App& app, const Setup& setup, const QString& inertiaName, const QString& tag);

    void setLoadInertia(const QString& text) override;

  protected:
    QLineEdit* loadInertia() const { return inertia_; }
    QLineEdit* constantTorque() const { return torque_; }
    const QString& tag() const { return tag_; }

    // The load inertia row, the calculator row and the constant torque row.
    void addLoadRows();
    // The "Unit Conversion" button across the form.
    void addUnitConversionRow();
    // The calculator and constant torque controls, which an added gearbox hides.
    void showTorqueAndCalculator(bool shown);

  private:
    void openLoadCalculator();

    QString tag_;
    QLineEdit* inertia_;
    QLineEdit* torque_;
    QList<QWidget*> torqueAndCalculator_;
};
