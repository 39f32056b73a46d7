#pragma once

#include "sizing/record.h"
#include "ui/screen.h"

// The start screen: the disclaimer, accepted by choosing the motion type.
class Welcome : public Screen {
    Q_OBJECT
  public:
    explicit Welcome(Host& host);

    static const QString disclaimer;

  private:
    void choose(Motion motion, ScreenId screen);
};
