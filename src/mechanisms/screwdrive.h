#pragma once

#include "mechanisms/linearmechanism.h"

// A screw turned by the motor through a coupler; a nut carries the load.
class ScrewDrive : public ScrewMechanism {
    Q_OBJECT
  public:
    ScrewDrive(Host& host, const Application& mechanism);
};
