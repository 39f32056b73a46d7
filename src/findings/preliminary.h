#pragma once

#include "profiles/profilelogic.h"
#include "ui/screen.h"

class MovePlot;
class QLineEdit;

// What the application requires of a motor, before one is chosen.
class Preliminary : public Screen {
    Q_OBJECT
  public:
    explicit Preliminary(App& app);

    void showFigures(const PreliminaryFigures& figures);
    PreliminaryFigures figures() const;

  private:
    void selectMotor();
    void back();

    QLineEdit *app_, *weight_, *reflectedJ_, *taccl_, *tthrust_, *tgravity_, *total_, *maxSpeed_;
    MovePlot* plot_;
};
