#pragma once

#include "mechanisms/mechanismscreen.h"

class QLineEdit;

// A load coupled straight to the motor shaft.
class DirectDrive : public MechanismScreen {
    Q_OBJECT
  public:
    explicit DirectDrive(App& app);

  protected:
    void next() override;

  private:
    QLineEdit* inertia_;
    QLineEdit* torque_;
};
