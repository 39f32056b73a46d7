#pragma once

#include "mechanisms/linearmechanism.h"

// A screw driven by the motor through a belt and two pulleys.
class BeltScrewDrive : public ScrewMechanism {
    Q_OBJECT
  public:
    explicit BeltScrewDrive(App& app);

  protected:
    void next() override;

  private:
    QLineEdit *screwDiameter_, *screwLength_, *pinion_, *driven_, *thickness_, *beltEfficiency_;
    QComboBox *systemUnits_, *material_;
};
