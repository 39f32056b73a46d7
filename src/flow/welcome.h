#pragma once

#include "ui/screen.h"

// The start screen: the disclaimer, accepted by choosing the motion type.
class Welcome : public Screen {
    Q_OBJECT
  public:
    explicit Welcome(App& app);

    static const QString disclaimer;

  private:
    void choose(const QString& motionType, const QString& screen);
};
