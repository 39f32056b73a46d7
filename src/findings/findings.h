#pragma once

#include "ui/screen.h"

class OperatingPlot;
class QGridLayout;
class QLabel;
class QLineEdit;

// The chosen motor against the application: mismatch, torques and margins.
class Findings : public Screen {
    Q_OBJECT
  public:
    explicit Findings(Host& host);

  protected:
    void showResults() override;

  private:
    void addVerdicts(QGridLayout* grid, form::Rows& rows);
    void startOver();

    QList<QLineEdit*> displays_; // in the order of FindingsDisplay
    QLineEdit* misRatio_;
    QList<QLabel*> marks_; // of the mismatch, the torque and the speed margin
    OperatingPlot* plot_;
    form::UnitLabels units_;
};
