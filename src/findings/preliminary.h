#pragma once

#include "ui/screen.h"

class MovePlot;
class QLineEdit;

// What the application requires of a motor, before one is chosen.
class Preliminary : public Screen {
    Q_OBJECT
  public:
    explicit Preliminary(Host& host);

  protected:
    void showResults() override;

  private:
    QList<QLineEdit*> displays_; // in the order of PreliminaryDisplay
    MovePlot* plot_;
    form::UnitLabels units_;
};
