#pragma once

#include "ui/screen.h"

class QLineEdit;

// The chosen motor's rotor inertia, torque and speed, typed from its data
// sheet or chosen from the motor library.
class Selection : public Screen {
    Q_OBJECT
  public:
    explicit Selection(Host& host);

  protected:
    // The required torque and speed, as the preliminary findings show them.
    void showResults() override;

  private:
    void next();
    void back();

    QLineEdit *speed_, *torque_, *motorName_;
    form::UnitLabels units_;
};
