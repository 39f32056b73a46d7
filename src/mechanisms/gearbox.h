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

  protected:
    void next() override;
    void back() override;

  private:
    QLineEdit *reduction_, *gbInertia_, *efficiency_;
    QComboBox* units_;
};
