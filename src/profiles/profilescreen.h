#pragma once

#include "profiles/profilelogic.h"
#include "ui/screen.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// The motion profile screen: the move as a triangle, a trapezoid or a
// constant velocity. Its heading and unit lists follow the motion type the
// sizing had when the screen was first loaded.
class ProfileScreen : public Screen {
    Q_OBJECT
  public:
    ProfileScreen(App& app, const QString& name, const QString& title, ProfileKind kind);

    // The mechanism screen that opens this one writes its tag into the frame.
    void setMechanismTag(const QString& tag);

  private:
    void next();
    void back();
    ProfileEntries entries() const;

    ProfileKind kind_;
    QGroupBox* profile_;
    QRadioButton* triangular_;
    QRadioButton* trapezoidal_;
    QLineEdit *triDist_, *triMoveTime_, *trapDist_, *trapMoveTime_;
    QLineEdit *maxSpeed_, *accelTime_, *accelDist_;
    QComboBox *triMoveUnits_, *trapMoveUnits_, *maxSpeedUnits_, *accelDistUnits_;
};
