#pragma once

#include "findings/findingslogic.h"
#include "ui/screen.h"

class OperatingPlot;
class QLineEdit;

// The chosen motor against the application: mismatch, torques and margins.
class Findings : public Screen {
    Q_OBJECT
  public:
    explicit Findings(App& app);

    void showFigures(const FindingsFigures& figures);
    const FindingsFigures& figures() const { return figures_; }

  private:
    void viewReport();
    void startOver();

    QLineEdit *motorInertia_, *reflectedJ_, *taccl_, *tthrust_, *tgravity_, *total_, *maxSpeed_;
    QLineEdit *mismatch_, *misRatio_, *torqueMargin_, *speedMargin_;
    OperatingPlot* plot_;
    FindingsFigures figures_;
};
