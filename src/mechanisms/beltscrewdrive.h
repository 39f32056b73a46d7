#pragma once

#include "mechanisms/linearmechanism.h"

// A screw driven by the motor through a belt and two pulleys.
class BeltScrewDrive : public ScrewMechanism {
    Q_OBJECT
  public:
    BeltScrewDrive(Host& host, const Application& mechanism);
};
