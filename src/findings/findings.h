#pragma once

#include "ui/screen.h"

class OperatingPlot;
class QLineEdit;

// The chosen motor against the application: mismatch, torques and margins.
class Findings : public Screen {
    Q_OBJECT
  public:
    explicit Findings(Host& host);

  protected:
    void showResults() override;

  private:
    void startOver();

    QList<QLineEdit*> displays_; // in the order of FindingsDisplay
    QLineEdit* misRatio_;
    OperatingPlot* plot_;
};
