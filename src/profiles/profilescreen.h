#pragma once

#include "profiles/profilelogic.h"
#include "ui/screen.h"

class QGroupBox;

// The motion profile screen: the move as a triangle, a trapezoid or a
// constant velocity. Its heading and unit lists follow the motion type the
// sizing had when the screen was first loaded.
class ProfileScreen : public Screen {
    Q_OBJECT
  public:
    ProfileScreen(Host& host, ProfileKind kind);

  protected:
    // The frame's caption: the tag of the mechanism that opened the profile.
    void showResults() override;

  private:
    void next();
    void back();
    // The entries of the profile not chosen are greyed out.
    void followChoice();

    ProfileKind kind_;
    QGroupBox* profile_;
    QList<QWidget*> triangle_, trapezoid_;
};
