#pragma once

#include "mechanisms/rotarymechanism.h"

class QComboBox;
class QLineEdit;

// A rotary load driven through a belt or chain and two pulleys.
class BeltPulley : public RotaryMechanism {
    Q_OBJECT
  public:
    explicit BeltPulley(App& app);

  protected:
    void next() override;

  private:
    QLineEdit *pinion_, *driven_, *thickness_, *efficiency_;
    QComboBox *units_, *material_;
};
