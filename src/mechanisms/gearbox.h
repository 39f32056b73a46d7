#pragma once

#include "mechanisms/rotarymechanism.h"

class QComboBox;
class QLineEdit;

// A rotary load driven through a gearbox; also the gearbox added to any
// application from the findings.
class Gearbox : public RotaryMechanism {
    Q_OBJECT
  public:
    explicit Gearbox(App& app);

    // A gearbox of that ratio added to the application from the findings,
    // driving the given load inertia. The constant torque and calculator
    // controls show only when it is added to the application's own gearbox.
    void addGearbox(const QString& reduction, const QString& load, bool ownGearbox);

  protected:
    void next() override;
    void back() override;

  private:
    QList<QLineEdit*> entries() const;

    QLineEdit *reduction_, *gbInertia_, *efficiency_;
    QComboBox* units_;
    // The entries as they stood before a gearbox was added, to put back.
    QStringList plainEntries_;
    int plainUnits_ = -1;
};
