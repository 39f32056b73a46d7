#pragma once

#include "sizing/record.h"
#include "ui/screen.h"

struct Application;

// The rotary and the linear choice screens: a button for each application
// type of the motion, each with a "?" that explains it.
class TypeChoice : public Screen {
    Q_OBJECT
  public:
    TypeChoice(Host& host, Motion motion);

  private:
    void choose(const Application& application);
};
