#pragma once

#include "mechanisms/linearmechanism.h"

// A screw driven by the motor through a reduction gearbox.
class GBScrewDrive : public ScrewMechanism {
    Q_OBJECT
  public:
    GBScrewDrive(Host& host, const Application& mechanism);
};
