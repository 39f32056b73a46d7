#pragma once

#include "ui/screen.h"

class QLineEdit;

// The chosen motor's rotor inertia, torque and speed.
class Selection : public Screen {
    Q_OBJECT
  public:
    explicit Selection(App& app);

    // The required torque and speed, as the preliminary findings show them.
    void showRequired(const QString& torque, const QString& speed);
    QString torqueRequired() const;
    QString speedRequired() const;

  private:
    void next();
    void back();

    QLineEdit *rotorInertia_, *torqueAvailable_, *speed_, *speedAvailable_, *torque_;
};
