#pragma once

#include "mechanisms/linearmechanism.h"

// A belt over the motor's pinion pulley and further pulleys, carrying the load.
class ConveyorDrive : public LinearMechanism {
    Q_OBJECT
  public:
    ConveyorDrive(Host& host, const Application& mechanism);
};
