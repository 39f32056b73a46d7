#pragma once

#include "mechanisms/linearmechanism.h"

// A screw that does not turn: the motor travels along it, or thrusts it.
class NonRScrewDrive : public ScrewMechanism {
    Q_OBJECT
  public:
    NonRScrewDrive(Host& host, const Application& mechanism);
};
