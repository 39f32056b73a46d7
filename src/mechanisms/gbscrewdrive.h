#pragma once

#include "mechanisms/linearmechanism.h"

// A screw driven by the motor through a reduction gearbox.
class GBScrewDrive : public ScrewMechanism {
    Q_OBJECT
  public:
    explicit GBScrewDrive(App& app);

  protected:
    void next() override;

  private:
    QLineEdit *reduction_, *gbInertia_, *gbEfficiency_, *screwDiameter_, *screwLength_;
    QComboBox *gbUnits_, *systemUnits_;
};
