#pragma once

#include "mechanisms/linearmechanism.h"

// A belt over the motor's pinion pulley and further pulleys, carrying the load.
class ConveyorDrive : public LinearMechanism {
    Q_OBJECT
  public:
    explicit ConveyorDrive(App& app);

  protected:
    void next() override;

  private:
    QLineEdit *pinion_, *driven_, *thickness_, *pulleys_, *beltEfficiency_;
    QComboBox *systemUnits_, *material_;
};
