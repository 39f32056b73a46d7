#pragma once

#include "mechanisms/rotarymechanism.h"

// A load coupled straight to the motor shaft.
class DirectDrive : public RotaryMechanism {
    Q_OBJECT
  public:
    DirectDrive(Host& host, const Application& mechanism);
};
