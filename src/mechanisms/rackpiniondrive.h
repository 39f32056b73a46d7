#pragma once

#include "mechanisms/linearmechanism.h"

// A pinion on the motor shaft meshing with a rack.
class RackPinionDrive : public LinearMechanism {
    Q_OBJECT
  public:
    RackPinionDrive(Host& host, const Application& mechanism);
};
