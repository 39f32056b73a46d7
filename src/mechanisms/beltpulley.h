#pragma once

#include "mechanisms/rotarymechanism.h"

// A rotary load driven through a belt or chain and two pulleys.
class BeltPulley : public RotaryMechanism {
    Q_OBJECT
  public:
    BeltPulley(Host& host, const Application& mechanism);
};
