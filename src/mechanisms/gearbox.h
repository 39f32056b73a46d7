#pragma once

#include "mechanisms/rotarymechanism.h"

// A rotary load driven through a gearbox; also the gearbox added to any
// application from the findings.
class Gearbox : public RotaryMechanism {
    Q_OBJECT
  public:
    Gearbox(Host& host, const Application& mechanism);

  protected:
    void showResults() override;
};
